#pragma once

#include "core/RuntimeError.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace tessarine {

class RecordsFile;

// The tables of the records and their versions, kept in `PRAGMA user_version` in a file and in the
// table schema_version on a server. Each version's
// step brings a file from the version before it to its own; a file is migrated through every step
// after the version it carries, in one transaction.
namespace RecordsSchema {

inline constexpr int Version = 6;

enum class Kind {
    Records,    // ours: records tables of this or an earlier version, or an empty database
    Later,      // ours, of a later version of the program
    NotRecords, // another program's database
};

// What a database is from its tables and views (without SQLite's own) and its user_version.
Kind kindOf(const QStringList& tables, int version);

// The error of a file written by a later version of the program, wherever it is found.
RuntimeError laterVersion(const QString& filePath);

int version(RecordsFile& file);
// Brings the file up to Version, with the write lock taken first. Throws NewerVersion for a later one.
void migrate(RecordsFile& file);
// The median of the session's first-choice response times; none without first choices.
std::optional<double> medianResponseMs(RecordsFile& file, qint64 sessionId);

} // namespace RecordsSchema

} // namespace tessarine
