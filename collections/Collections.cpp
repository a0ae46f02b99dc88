#include "collections/Collections.h"

#include "core/RuntimeError.h"
#include "platform/ProgramInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTemporaryFile>

namespace tessarine {

namespace {

const QStringList SubFolders{Folder::Images, Folder::Symbols, Folder::Attributes, Folder::Sounds};

QString cleanAbsolute(const QString& folder) { return QDir::cleanPath(QFileInfo(folder).absoluteFilePath()); }

// A file can really be made there: permissions alone do not tell a read-only mount or an ACL.
bool canCreateFileIn(const QString& folder)
{
    QTemporaryFile probe(folder + QStringLiteral("/.tessarine-write-XXXXXX"));
    return probe.open();
}

[[noreturn]] void refuse(const QString& words) { throw RuntimeError(ErrorNumber::InvalidArgument, words); }

// The ordinary files of one media folder into another; the copies stay editable by their owner
// even where the program's folder holds read-only files.
void copyFiles(const QString& from, const QString& to)
{
    const QDir source(from);
    for (const QFileInfo& file : source.entryInfoList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString target = QDir(to).filePath(file.fileName());
        if (!QFile::copy(file.absoluteFilePath(), target))
            throw RuntimeError(
                ErrorNumber::PathAccess,
                QCoreApplication::translate("Collections", "The picture %1 could not be copied into the new collection.")
                    .arg(QDir::toNativeSeparators(file.absoluteFilePath())));
        QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
}

} // namespace

Collections::Collections(QString programFolder)
    : m_programFolder(std::move(programFolder))
{
}

QString Collections::personalRoot()
{
    // The XDG rule: a relative or empty value is ignored.
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty() || QDir::isRelativePath(data))
        data = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir::cleanPath(data + QStringLiteral("/Corvaldi-Tessarine/collections"));
}

bool Collections::isWritable(const QString& folder)
{
    bool anyMissing = false;
    for (const QString& sub : SubFolders) {
        const QString path = QDir(folder).filePath(sub);
        if (!QFileInfo(path).isDir())
            anyMissing = true;
        else if (!canCreateFileIn(path))
            return false;
    }
    // A missing folder is made in the collection's own folder.
    return !anyMissing || (QFileInfo(folder).isDir() && canCreateFileIn(folder));
}

QList<Collection> Collections::list(const QString& otherChosen) const
{
    //: The collection of pictures that comes with the program, first in the "Pictures" list
    QList<Collection> result{
        {QCoreApplication::translate("Collections", "Program's own pictures"), cleanAbsolute(m_programFolder), true}};
    // Hidden entries are collections still being made (or not collections at all).
    const QDir root(personalRoot());
    for (const QString& name : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
        result.append({name, cleanAbsolute(root.filePath(name)), false});
    if (!otherChosen.isEmpty()) {
        const QString other = cleanAbsolute(otherChosen);
        const bool known = std::any_of(result.cbegin(), result.cend(), [&](const Collection& c) { return c.folder == other; });
        if (!known)
            result.append({QDir::toNativeSeparators(other), other, false});
    }
    return result;
}

Collection Collections::create(const QString& name, bool copyProgramPictures) const
{
    if (name.trimmed().isEmpty())
        refuse(QCoreApplication::translate("Collections", "A new collection needs a name."));
    if (name.contains(u'/') || name.contains(u'\\'))
        refuse(QCoreApplication::translate("Collections", "The name of a collection cannot hold a slash: \"%1\".").arg(name));
    if (name.startsWith(u'.'))
        refuse(QCoreApplication::translate("Collections", "The name of a collection cannot start with a dot: \"%1\".").arg(name));
    const QString root = personalRoot();
    const QString folder = QDir(root).filePath(name);
    if (QFileInfo::exists(folder))
        refuse(QCoreApplication::translate("Collections", "There is already a collection named \"%1\".").arg(name));
    if (!QDir().mkpath(root))
        throw RuntimeError(ErrorNumber::PathAccess,
                           QCoreApplication::translate("Collections", "The folder for collections, %1, could not be made.")
                               .arg(QDir::toNativeSeparators(root)));

    // Made in a hidden folder beside and renamed into place, so that the list never shows a
    // collection half made, and a failure leaves nothing behind.
    QTemporaryDir making(root + QStringLiteral("/.making-XXXXXX"));
    if (!making.isValid())
        throw RuntimeError(ErrorNumber::PathAccess,
                           QCoreApplication::translate("Collections", "The collection \"%1\" could not be made in %2.")
                               .arg(name, QDir::toNativeSeparators(root)));
    // Personal, but as readable as the user's other files (the temporary folder starts private).
    QFile::setPermissions(making.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                             | QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther
                                             | QFileDevice::ExeOther);
    for (const QString& sub : SubFolders) {
        const QString target = QDir(making.path()).filePath(sub);
        if (!QDir().mkdir(target))
            throw RuntimeError(ErrorNumber::PathAccess,
                               QCoreApplication::translate("Collections", "The collection \"%1\" could not be made in %2.")
                                   .arg(name, QDir::toNativeSeparators(root)));
        if (copyProgramPictures)
            copyFiles(QDir(m_programFolder).filePath(sub), target);
    }
    if (!QDir().rename(making.path(), folder))
        throw RuntimeError(ErrorNumber::PathAccess,
                           QCoreApplication::translate("Collections", "The collection \"%1\" could not be made in %2.")
                               .arg(name, QDir::toNativeSeparators(root)));
    return {name, cleanAbsolute(folder), false};
}

} // namespace tessarine
