#include "platform/DirectoryListing.h"

#include "core/RuntimeError.h"

#include <QDir>
#include <QFileInfo>

namespace tessarine {

QString QtDirectoryListing::first(const QString& pattern)
{
    m_names.clear();
    m_next = 0;
    const QFileInfo patternInfo(pattern);
    const QString wildcard = patternInfo.fileName();
    const QFileInfo folder(patternInfo.path());
    if (wildcard.isEmpty())
        throw translatedError(ErrorNumber::InvalidArgument, "DirectoryListing",
                              QT_TRANSLATE_NOOP("DirectoryListing", "Invalid file pattern: %1"), pattern);
    if (folder.exists() && (!folder.isDir() || !folder.isReadable() || !folder.isExecutable()))
        throw translatedError(ErrorNumber::PathAccess, "DirectoryListing",
                              QT_TRANSLATE_NOOP("DirectoryListing", "Folder cannot be read: %1"), folder.filePath());
    // QDir matches name filters without regard to letter case unless told otherwise; plain Files
    // leaves out sub-folders, hidden files and links that lead nowhere.
    m_names = QDir(folder.filePath()).entryList({wildcard}, QDir::Files, QDir::Name);
    return next();
}

QString QtDirectoryListing::next()
{
    if (m_next >= m_names.size())
        return {};
    return m_names.at(m_next++);
}

} // namespace tessarine
