#pragma once

#include <QString>
#include <QStringList>

#include <utility>

namespace tessarine::check {

struct CheckRun;

// Files a teacher may take for pictures that the "*.jpg" listing never returns.
inline const QStringList OtherPictureSuffixes{QStringLiteral("jpeg"), QStringLiteral("jpe"), QStringLiteral("jfif"),
                                              QStringLiteral("png"),  QStringLiteral("gif"), QStringLiteral("bmp"),
                                              QStringLiteral("webp"), QStringLiteral("tif"), QStringLiteral("tiff"),
                                              QStringLiteral("heic"), QStringLiteral("heif")};

int editDistance(const QString& a, const QString& b);

// Hints and examples that fit the folder being checked: its categories and values, names not yet
// taken, likely spelling slips, pictures set aside that were meant.
class NameHints {
public:
    explicit NameHints(const CheckRun& run)
        : m_run(run)
    {
    }

    QString symbolHint(const QString& object) const;
    QString attributeHint(const QString& object) const;
    QStringList categories() const;
    QStringList valuesOf(const QString& category) const;
    // `category`: the word is a category, otherwise a value.
    QString spellingHint(const QString& word, const QStringList& known, bool category) const;
    QString categoryHint(const QString& category) const;
    QString objectNameExample(const QString& key, const QString& category) const;
    QString attributeNameExample(const QString& category, const QString& value) const;
    QString attributeRenameExample(const QString& attribute) const;
    // The name a picture should have to be used, and whether that name is free in its folder.
    std::pair<QString, bool> renamed(const QString& folder, const QString& name) const;

private:
    const CheckRun& m_run;
};

} // namespace tessarine::check
