#pragma once

#include "collections/Collections.h"

#include <QSet>
#include <QString>

#include <optional>

namespace tessarine {

class IMessageBox;
class ISettingsBacking;

// Which collection the run uses. The choice is remembered in the settings file for the desktop
// user (section "Session", key "Collection") and for each learner ("Learner/<name>", key
// "Collection"), as the folder's absolute path; the empty text stands for the program's own
// pictures. One object lives for the whole run, so that a collection that has vanished is told once.
class CollectionChoice {
public:
    CollectionChoice(QString programFolder, ISettingsBacking& settings, IMessageBox& messageBox);

    const Collections& collections() const { return m_collections; }

    // The folder remembered for the desktop user, and the one remembered for a learner (nothing when
    // that learner has none yet); the empty text for the program's own pictures.
    QString stored() const;
    std::optional<QString> storedFor(const QString& learner) const;
    // Remembers `folder` for the desktop user and, unless empty, for `learner`; the caller flushes.
    void store(const QString& folder, const QString& learner);
    // A learner whose records were deleted leaves no choice behind for a new learner of that name.
    // Saves the file; throws RuntimeError when it cannot be saved.
    void forget(const QString& learner);

    // `folder` (empty: the program's folder) as an absolute path when it is still there; otherwise
    // the program's folder, after telling once in this run, in plain words, that it has vanished.
    QString available(const QString& folder);

    // The folder the run's exercise reads: the program's folder until the options window says.
    const QString& inUse() const { return m_inUse; }
    void setInUse(const QString& folder) { m_inUse = folder; }

private:
    Collections m_collections;
    ISettingsBacking& m_settings;
    IMessageBox& m_messageBox;
    QString m_inUse;
    QSet<QString> m_toldVanished;
};

// The collection the program would show now, read from the desktop user's settings file: the one
// chosen in the options window, or the program's own pictures when none was chosen or when the
// chosen one has vanished (told through `messageBox`). For the command-line tools.
QString collectionInUse(const QString& programFolder, IMessageBox& messageBox);

} // namespace tessarine
