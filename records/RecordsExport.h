#pragma once

#include <QString>

class QIODevice;
class QTextStream;

namespace tessarine {

class RecordsStore;

// The CSV header of the click export, one row per click. Columns are only ever added at the end,
// so that a spreadsheet or script made for an earlier export still finds its columns.
inline constexpr char RecordsCsvHeader[]
    = "learner,session_start,set,object,row,element,file,correct,first_try,response_ms,prompted,set_kind";

// Writes the learner's clicks as UTF-8 CSV with RFC 4180 quoting and CRLF line ends.
void writeRecordsCsv(RecordsStore& store, const QString& learner, QIODevice& out);
// The same into a file, replaced only when complete. Throws RuntimeError.
void exportRecordsCsv(RecordsStore& store, const QString& learner, const QString& filePath);

// `tessarine --export-records LEARNER FILE.csv`: 0 when written; 2 with one line on `err` for an
// unknown learner, records that cannot be read (damaged, not ours) or a file that cannot be
// written. The records file is only read: nothing is created, renamed or set aside. With `server`
// (a libpq connection string) the records are read from the school server instead.
int exportRecordsCommand(const QString& learner, const QString& filePath, QTextStream& err);
int exportRecordsCommand(const QString& learner, const QString& filePath, QTextStream& err, const QString& recordsFile);
int exportRecordsCommand(const QString& learner, const QString& filePath, QTextStream& err, const QString& recordsFile,
                         const QString& server);

} // namespace tessarine
