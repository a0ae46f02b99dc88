#include "support/ThrowawayPostgres.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <algorithm>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace tessarine::testing {

namespace {

const QString User = QStringLiteral("tessarine");

// Debian puts the server's programs in a folder per major version; the highest installed is taken.
QString serverPrograms()
{
    const QDir versions(QStringLiteral("/usr/lib/postgresql"));
    QStringList found = versions.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(found.begin(), found.end(), [](const QString& a, const QString& b) { return a.toInt() > b.toInt(); });
    for (const QString& version : found) {
        const QString bin = versions.filePath(version + QStringLiteral("/bin"));
        if (QFileInfo(bin + QStringLiteral("/initdb")).isExecutable()
            && QFileInfo(bin + QStringLiteral("/pg_ctl")).isExecutable())
            return bin;
    }
    return {};
}

// A loopback port nobody listens on now: the system's choice for a socket bound to port 0.
int freePort()
{
    const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
    if (probe < 0)
        return 0;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof(address);
    int port = 0;
    if (::bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0
        && ::getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    ::close(probe);
    return port;
}

} // namespace

ThrowawayPostgres::ThrowawayPostgres(Listen listen, Sync sync)
    : m_bin(serverPrograms())
    , m_loopback(listen == Listen::SocketAndLoopback)
    , m_sync(sync == Sync::On)
{
    if (m_bin.isEmpty()) {
        m_skipReason = QStringLiteral("PostgreSQL's server programs are not installed (Debian package postgresql)");
        return;
    }
    if (!m_dir.isValid()) {
        m_skipReason = QStringLiteral("no temporary folder for the server");
        return;
    }
    if (::geteuid() == 0) {
        // PostgreSQL will not run as root; nobody may own the folder it lives in.
        m_runAs = QStringLiteral("nobody");
        if (QProcess::execute(QStringLiteral("chown"), {m_runAs, m_dir.path()}) != 0) {
            m_skipReason = QStringLiteral("cannot give the server's folder to %1").arg(m_runAs);
            return;
        }
    }
    m_port = m_loopback ? freePort() : 5432;
    if (!run(QStringLiteral("initdb"),
             {QStringLiteral("-D"), m_dir.filePath(QStringLiteral("data")), QStringLiteral("-A"), QStringLiteral("trust"),
              QStringLiteral("-U"), User, QStringLiteral("-E"), QStringLiteral("UTF8"), QStringLiteral("--no-sync")}))
        return;
    if (!start() || !createDatabase(QStringLiteral("tessarine")))
        return;
}

ThrowawayPostgres::~ThrowawayPostgres()
{
    if (m_running)
        stop();
}

QString ThrowawayPostgres::connectionString(const QString& database) const
{
    return QStringLiteral("host=%1 port=%2 dbname=%3 user=%4").arg(m_dir.path()).arg(m_port).arg(database, User);
}

QString ThrowawayPostgres::loopbackConnectionString(const QString& database) const
{
    return QStringLiteral("host=127.0.0.1 port=%1 dbname=%2 user=%3").arg(m_port).arg(database, User);
}

QString ThrowawayPostgres::newDatabase()
{
    const auto name = QStringLiteral("test%1").arg(++m_databases);
    return createDatabase(name) ? connectionString(name) : QString();
}

bool ThrowawayPostgres::createDatabase(const QString& name)
{
    return run(QStringLiteral("createdb"), {QStringLiteral("-h"), m_dir.path(), QStringLiteral("-p"), QString::number(m_port),
                                            QStringLiteral("-U"), User, name});
}

bool ThrowawayPostgres::stop()
{
    m_running = false;
    return run(QStringLiteral("pg_ctl"), {QStringLiteral("-D"), m_dir.filePath(QStringLiteral("data")), QStringLiteral("-m"),
                                          QStringLiteral("immediate"), QStringLiteral("-w"), QStringLiteral("stop")});
}

bool ThrowawayPostgres::start()
{
    const QString listenOn = m_loopback ? QStringLiteral("127.0.0.1") : QString();
    // fsync off unless asked: a test's server is thrown away, and syncing would only slow the tests down.
    const QString options = QStringLiteral("-k %1 -p %2 -c listen_addresses='%3' -c fsync=%4")
                                .arg(m_dir.path())
                                .arg(m_port)
                                .arg(listenOn, m_sync ? QStringLiteral("on") : QStringLiteral("off"));
    m_running = run(QStringLiteral("pg_ctl"), {QStringLiteral("-D"), m_dir.filePath(QStringLiteral("data")), QStringLiteral("-o"),
                                               options, QStringLiteral("-l"), m_dir.filePath(QStringLiteral("server.log")),
                                               QStringLiteral("-w"), QStringLiteral("start")});
    return m_running;
}

bool ThrowawayPostgres::run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    const QString path = m_bin + QLatin1Char('/') + program;
    if (m_runAs.isEmpty())
        process.start(path, arguments);
    else
        process.start(QStringLiteral("runuser"),
                      QStringList{QStringLiteral("-u"), m_runAs, QStringLiteral("--"), path} + arguments);
    if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return true;
    m_skipReason = QStringLiteral("%1 failed: %2").arg(program, QString::fromLocal8Bit(process.readAll()).trimmed());
    return false;
}

} // namespace tessarine::testing
