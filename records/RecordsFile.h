#pragma once

#include "core/RuntimeError.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

#include <optional>

class QSqlError;

namespace tessarine {

// The connection to the records file: opening it safely, and running statements on it with
// SQLite's failures turned into records errors (RuntimeError with a records error number).
//
// Opening looks into the file through a read-only connection first, so that a file that is not
// ours, or is of a later version, is refused before anything is written to it. A damaged file
// (SQLite reports it as corrupt or not a database, or its quick check fails) is set aside as
// records.damaged-<date>-<time>.sqlite with its log, and a new file is started, when opened for
// writing; opened for reading, it is only refused. The records folder is kept to its owner (0700),
// the file and its log and index to their owner (0600), whatever the umask.
//
// The same records may instead live on a school's PostgreSQL server, named by a libpq connection
// string (host, dbname and user, or service=NAME; the password comes from ~/.pgpass). There the
// same statements run, save for the few a dialect needs (see `onServer`), and the server's
// failures become records errors the same way.
class RecordsFile {
public:
    enum class Mode {
        Write, // creates the folder and the file when missing; takes the write lock at once
        Read,  // creates, renames and tightens nothing; brings an earlier version of ours up to date
    };
    static constexpr int BusyTimeoutMs = 250;

    struct Server {
        QString connection; // a libpq connection string
    };

    explicit RecordsFile(QString filePath);
    explicit RecordsFile(Server server);
    ~RecordsFile();
    RecordsFile(const RecordsFile&) = delete;
    RecordsFile& operator=(const RecordsFile&) = delete;

    // Opens the file in `mode`. A damaged file set aside is returned as the notice to report; every
    // other failure throws.
    std::optional<RuntimeError> open(Mode mode);
    bool isOpen() const { return m_open; }
    // The file's path, or the server's connection string.
    const QString& filePath() const { return m_filePath; }
    bool onServer() const { return m_onServer; }
    // The file's path, or the server as a user would name it, for messages.
    QString shownName() const;

    QSqlQuery prepared(const QString& sql);
    void exec(QSqlQuery& query);
    void exec(const QString& sql);
    QSqlDatabase& database() { return m_db; }
    // Runs `body` in one transaction, rolled back when it throws.
    template <typename Body>
    void transaction(Body&& body)
    {
        exec(QStringLiteral("BEGIN"));
        try {
            body();
            exec(QStringLiteral("COMMIT"));
        } catch (...) {
            rollback();
            throw;
        }
    }
    void rollback() noexcept;

private:
    void prepareWrite();
    void inspect();
    void connect(Mode mode);
    void connectServer();
    void inspectServer();
    void closeConnections();
    RuntimeError setAside(bool walExisted);
    enum class Doing { Opening, Reading, Writing };
    RuntimeError failure(Doing doing, const QSqlError& error) const;
    RuntimeError serverFailure(Doing doing, const QSqlError& error) const;

    QString m_filePath;
    bool m_onServer = false;
    QString m_connection;
    QSqlDatabase m_db;
    bool m_open = false;
};

} // namespace tessarine
