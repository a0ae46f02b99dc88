#pragma once

#include <QString>
#include <QTemporaryDir>

namespace tessarine::testing {

// A PostgreSQL server of Debian's `postgresql` package, made for one test in a temporary folder and
// removed with it: initdb, then pg_ctl, listening on a Unix socket in that folder (and, when asked,
// on a free loopback port). The server runs as an unprivileged user when the tests run as root, as
// PostgreSQL refuses to run as root. Without the package, `skipReason()` says what is missing.
class ThrowawayPostgres {
public:
    enum class Listen { Socket, SocketAndLoopback };
    // Whether commits wait for the disk, as a real server's do; a test's need not.
    enum class Sync { Off, On };

    explicit ThrowawayPostgres(Listen listen = Listen::Socket, Sync sync = Sync::Off);
    ~ThrowawayPostgres();
    ThrowawayPostgres(const ThrowawayPostgres&) = delete;
    ThrowawayPostgres& operator=(const ThrowawayPostgres&) = delete;

    bool isRunning() const { return m_running; }
    // Empty when the server runs; otherwise why it does not (the package missing, initdb failing).
    const QString& skipReason() const { return m_skipReason; }

    // A libpq connection string for `database` as the server's own user, over the socket.
    QString connectionString(const QString& database = QStringLiteral("tessarine")) const;
    // The same over TCP on 127.0.0.1; only with Listen::SocketAndLoopback.
    QString loopbackConnectionString(const QString& database = QStringLiteral("tessarine")) const;
    bool createDatabase(const QString& name);
    // A database of its own for each test, as a connection string; empty when it cannot be made.
    QString newDatabase();

    // Stops the server at once, as a server that goes away does, and starts it again.
    bool stop();
    bool start();

private:
    // Runs a PostgreSQL program as the server's user; false with the reason on failure.
    bool run(const QString& program, const QStringList& arguments);

    QTemporaryDir m_dir;
    QString m_bin;
    QString m_runAs; // empty: the tests' own user
    int m_port = 0;
    int m_databases = 0;
    bool m_loopback = false;
    bool m_sync = false;
    bool m_running = false;
    QString m_skipReason;
};

} // namespace tessarine::testing
