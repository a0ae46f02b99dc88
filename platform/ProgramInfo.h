#pragma once

#include <QString>

namespace tessarine {

// What the program knows about itself: where it lies and which version it is.
struct ProgramInfo {
    QString folder; // the folder of the running executable; the media folders lie in it
    QString title;
    int major = 0;
    int minor = 0;
    int revision = 0;

    // "major.minor.revision".
    QString version() const;

    // The running executable's folder, the title "Tessarine" and the version of this build.
    static ProgramInfo ofRunningProgram();
    // The same title and version with another folder (tests, tools).
    static ProgramInfo withFolder(const QString& folder);
};

// Joins folder and name with this platform's separator, as plain text.
QString joinPath(const QString& folder, const QString& name);

// The media sub-folders of the program folder.
namespace Folder {
inline const QString Images = QStringLiteral("Images");
inline const QString Symbols = QStringLiteral("Symbols");
inline const QString Attributes = QStringLiteral("Attributes");
inline const QString Sounds = QStringLiteral("Sounds");
} // namespace Folder

// program folder, separator, sub-folder, separator, name: joined as plain text.
QString mediaPath(const ProgramInfo& program, const QString& subFolder, const QString& name);

} // namespace tessarine
