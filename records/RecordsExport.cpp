#include "records/RecordsExport.h"

#include "records/RecordsError.h"
#include "records/RecordsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <QSaveFile>
#include <QTextStream>

namespace tessarine {

namespace {

// RFC 4180: a field with a comma, a double quote or a line break is quoted, its quotes doubled.
void appendField(QByteArray& line, const QString& text)
{
    const auto bytes = text.toUtf8();
    if (bytes.contains(',') || bytes.contains('"') || bytes.contains('\n') || bytes.contains('\r')) {
        line += '"';
        line += QByteArray(bytes).replace('"', "\"\"");
        line += '"';
    } else {
        line += bytes;
    }
}

} // namespace

void writeRecordsCsv(RecordsStore& store, const QString& learner, QIODevice& out)
{
    QByteArray buffer = QByteArray(RecordsCsvHeader) + "\r\n";
    const auto flush = [&] {
        if (out.write(buffer) != buffer.size())
            throw RuntimeError(RecordsErrorNumber::ExportFailed, out.errorString());
        buffer.clear();
    };
    QDateTime lastStart;
    QString startText;
    store.forEachClick(learner, [&](const ClickRecord& click) {
        if (click.sessionStart != lastStart) {
            lastStart = click.sessionStart;
            startText = click.sessionStart.toLocalTime().toString(Qt::ISODate);
        }
        appendField(buffer, learner);
        buffer += ',';
        buffer += startText.toLatin1();
        buffer += ',' + QByteArray::number(click.set) + ',';
        appendField(buffer, click.object);
        buffer += ',' + rowName(click.row).toLatin1() + ',' + QByteArray::number(click.element) + ',';
        appendField(buffer, click.file);
        buffer += click.correct ? ",1" : ",0";
        buffer += click.firstTry ? ",1," : ",0,";
        buffer += QByteArray::number(click.responseMs);
        buffer += click.prompted ? ",1," : ",0,";
        buffer += setKindName(click.setKind).toLatin1() + "\r\n";
        if (buffer.size() > 1 << 16)
            flush();
    });
    flush();
}

void exportRecordsCsv(RecordsStore& store, const QString& learner, const QString& filePath)
{
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly))
        throw RuntimeError(RecordsErrorNumber::ExportFailed,
                           //: %1 is a file's path, %2 the system's word on why it cannot be written
                           QCoreApplication::translate("RecordsExport", "%1 cannot be written: %2")
                               .arg(QDir::toNativeSeparators(filePath), file.errorString()));
    writeRecordsCsv(store, learner, file);
    if (!file.commit())
        throw RuntimeError(RecordsErrorNumber::ExportFailed,
                           //: %1 is a file's path, %2 the system's word on why it cannot be written
                           QCoreApplication::translate("RecordsExport", "%1 cannot be written: %2")
                               .arg(QDir::toNativeSeparators(filePath), file.errorString()));
}

int exportRecordsCommand(const QString& learner, const QString& filePath, QTextStream& err)
{
    return exportRecordsCommand(learner, filePath, err, RecordsStore::defaultFilePath(), QString());
}

int exportRecordsCommand(const QString& learner, const QString& filePath, QTextStream& err, const QString& recordsFile)
{
    return exportRecordsCommand(learner, filePath, err, recordsFile, QString());
}

int exportRecordsCommand(const QString& learner, const QString& filePath, QTextStream& err, const QString& recordsFile,
                         const QString& server)
{
    try {
        // Read only: a damaged or foreign file is reported, never set aside, and a session being
        // recorded meanwhile does not stop the export.
        const auto unknown = [&] {
            return RuntimeError(
                RecordsErrorNumber::UnknownLearner,
                //: %1 is the learner's name
                QCoreApplication::translate("RecordsExport", "There are no records of the learner \"%1\"").arg(learner));
        };
        // Asking for an export must not create an empty records file.
        if (server.isEmpty() && !QFileInfo::exists(recordsFile))
            throw unknown();
        RecordsStore store = server.isEmpty() ? RecordsStore(recordsFile) : RecordsStore(RecordsFile::Server{server});
        store.openForReading();
        if (!store.hasLearner(learner))
            throw unknown();
        exportRecordsCsv(store, learner, filePath);
        return 0;
    } catch (const RuntimeError& error) {
        err << "tessarine: " << QString(error.description()).replace(u'\n', u' ') << Qt::endl;
    } catch (const std::exception& error) {
        err << "tessarine: " << error.what() << Qt::endl;
    }
    return 2;
}

} // namespace tessarine
