#include "platform/ProgramInfo.h"

#include "tessarine_version.h"

#include <QCoreApplication>
#include <QDir>

namespace tessarine {

ProgramInfo ProgramInfo::withFolder(const QString& folder)
{
    return {folder, QStringLiteral("Tessarine"), TESSARINE_VERSION_MAJOR, TESSARINE_VERSION_MINOR, TESSARINE_VERSION_PATCH};
}

QString ProgramInfo::version() const { return QStringLiteral("%1.%2.%3").arg(major).arg(minor).arg(revision); }

ProgramInfo ProgramInfo::ofRunningProgram() { return withFolder(QCoreApplication::applicationDirPath()); }

QString joinPath(const QString& folder, const QString& name) { return folder + QDir::separator() + name; }

QString mediaPath(const ProgramInfo& program, const QString& subFolder, const QString& name)
{
    return joinPath(joinPath(program.folder, subFolder), name);
}

} // namespace tessarine
