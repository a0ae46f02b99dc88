#pragma once

#include "check/CheckResult.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace tessarine {

// One object picture of a collection as the Pictures window lists it.
struct ObjectRow {
    QString file;                    // bare name in Images
    QString path;                    // absolute path of the object picture
    QString caption;                 // as the exercise shows it; empty until checked
    QString symbolPath;              // absolute path of its symbol, empty when it has none (or not yet checked)
    QString attributePath;           // the same for its attribute
    QString object, category, value; // the parts of its name the teacher can rename
    QStringList findings;            // the checker's findings about this picture, in plain words
    bool checked = false;            // false while only the listing is known
    bool works = false;              // checked, and every set works under every option with nothing found
};

// The list of objects of one collection: the object pictures at once from the folder's listing,
// then everything the checker finds about each of them and about the collection as a whole. It
// says in words only what the checker's result holds, so the window and tessarine-check agree.
class ObjectList {
public:
    // The object pictures in Images, listed as the exercise lists them, not yet checked.
    void list(const QString& folder);
    // Replaces the rows with the checked ones.
    void setResult(const check::CheckResult& result);

    const QString& folder() const { return m_folder; }
    qsizetype size() const { return m_rows.size(); }
    const ObjectRow& row(qsizetype index) const { return m_rows.at(index); }
    // The row of an object picture by its bare name, or -1.
    qsizetype indexOf(const QString& file) const;
    // Findings not about one object picture (missing folders, symbols never used, ...), in words.
    const QStringList& collectionFindings() const { return m_collectionFindings; }
    bool checked() const { return m_checked; }

    // "Problem Fix" for one finding, with the options it depends on where it does not always apply.
    static QString inWords(const check::Finding& finding);

private:
    QString m_folder;
    QList<ObjectRow> m_rows;
    QStringList m_collectionFindings;
    bool m_checked = false;
};

} // namespace tessarine
