#pragma once

#include <QList>
#include <QString>

namespace tessarine {

class ISettingsBacking;
class IMessageBox;

// One folder of pictures the exercise can read: Images, Symbols, Attributes and Sounds.
struct Collection {
    QString name;     // as the "Pictures" drop-down shows it
    QString folder;   // absolute path
    bool own = false; // the program's own pictures
};

// The collections of this desktop user: the program's own folder first, then the personal ones in
// $XDG_DATA_HOME/Corvaldi-Tessarine/collections/<name>/, then any other folder chosen before.
class Collections {
public:
    explicit Collections(QString programFolder);

    // $XDG_DATA_HOME/Corvaldi-Tessarine/collections (~/.local/share/... when the variable is unset).
    static QString personalRoot();
    static bool isWritable(const QString& folder);

    const QString& programFolder() const { return m_programFolder; }
    QList<Collection> list(const QString& otherChosen = {}) const;
    // A new personal collection with its four folders, empty or holding a copy of the program's own
    // pictures. Throws RuntimeError, leaving nothing half made, when it cannot be made.
    Collection create(const QString& name, bool copyProgramPictures) const;

private:
    QString m_programFolder;
};

} // namespace tessarine
