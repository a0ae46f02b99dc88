#include "pictures_window/ObjectList.h"

#include "core/RuntimeError.h"
#include "platform/DirectoryListing.h"
#include "platform/ProgramInfo.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace tessarine {

namespace {

const QString& Images = Folder::Images;

QString pathIn(const QString& folder, const QString& subFolder, const QString& file)
{
    return file.isEmpty() ? QString() : QDir(folder).filePath(subFolder + u'/' + file);
}

// The new row of an object picture, its name split into the parts a teacher renames.
ObjectRow listedRow(const QString& folder, const QString& file)
{
    ObjectRow row;
    row.file = file;
    row.path = pathIn(folder, Images, file);
    const QStringList parts = QFileInfo(file).completeBaseName().split(u'.');
    row.object = parts.value(0);
    row.category = parts.value(1);
    row.value = parts.value(2);
    return row;
}

// The pictures of a folder by their names in small letters, as the exercise compares them.
QHash<QString, QString> byLowerName(const QString& folder, const QString& subFolder)
{
    QHash<QString, QString> names;
    QtDirectoryListing listing;
    try {
        for (QString name = listing.first(QDir(folder).filePath(subFolder + QStringLiteral("/*.jpg"))); !name.isEmpty();
             name = listing.next())
            names.insert(name.toLower(), name);
    } catch (const RuntimeError&) {
    }
    return names;
}

} // namespace

void ObjectList::list(const QString& folder)
{
    m_folder = folder;
    m_rows.clear();
    m_collectionFindings.clear();
    m_checked = false;
    // Until the check has run, the symbol and attribute shown are those the names point to, so
    // that their thumbnails come with the first screen; the check's answer replaces them.
    const QHash<QString, QString> symbols = byLowerName(folder, Folder::Symbols);
    const QHash<QString, QString> attributes = byLowerName(folder, Folder::Attributes);
    QtDirectoryListing listing;
    try {
        for (QString name = listing.first(QDir(folder).filePath(Images + QStringLiteral("/*.jpg"))); !name.isEmpty();
             name = listing.next()) {
            ObjectRow row = listedRow(folder, name);
            const QString symbol = (row.object + QStringLiteral(".jpg")).toLower();
            const QString attribute = (row.category + u'.' + row.value + QStringLiteral(".jpg")).toLower();
            row.symbolPath = pathIn(folder, Folder::Symbols, symbols.value(symbol));
            row.attributePath = pathIn(folder, Folder::Attributes, attributes.value(attribute));
            m_rows.append(row);
        }
    } catch (const RuntimeError&) {
        // An unreadable folder is the checker's to tell, in its own words.
    }
}

void ObjectList::setResult(const check::CheckResult& result)
{
    m_folder = result.folder;
    m_rows.clear();
    m_collectionFindings.clear();
    QSet<QString> listed;
    for (const check::ObjectReport& report : result.objects) {
        listed.insert(report.file);
        ObjectRow row = listedRow(result.folder, report.file);
        row.caption = report.caption;
        row.symbolPath = pathIn(result.folder, Folder::Symbols, report.symbol);
        row.attributePath = pathIn(result.folder, Folder::Attributes, report.attribute);
        for (const check::Finding& finding : result.findingsFor(Images, report.file))
            row.findings.append(inWords(finding));
        row.checked = true;
        row.works = report.worksEverywhere() && row.findings.isEmpty();
        m_rows.append(row);
    }
    // What is not about one object picture the exercise lists: folders, symbols, attributes,
    // sounds, and pictures in Images it never shows.
    for (const check::Finding& finding : result.findings) {
        if (finding.folder == Images && listed.contains(finding.file))
            continue;
        const QString where = finding.file.isEmpty() ? finding.folder : finding.folder + u'/' + finding.file;
        m_collectionFindings.append(where.isEmpty() ? inWords(finding) : where + QStringLiteral(": ") + inWords(finding));
    }
    m_checked = true;
}

qsizetype ObjectList::indexOf(const QString& file) const
{
    for (qsizetype i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].file == file)
            return i;
    return -1;
}

QString ObjectList::inWords(const check::Finding& finding)
{
    QString words = finding.problem + u' ' + finding.fix;
    if (!finding.when.always())
        words = check::describe(finding.when) + QStringLiteral(": ") + words;
    return words;
}

} // namespace tessarine
