#include "records/RecordsFile.h"

#include "records/RecordsError.h"
#include "records/RecordsSchema.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QUrl>
#include <QUuid>

namespace tessarine {

namespace {

constexpr auto OwnerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser | QFile::WriteUser
                           | QFile::ExeUser;

QString native(const QString& path) { return QDir::toNativeSeparators(path); }
QString walOf(const QString& path) { return path + QStringLiteral("-wal"); }
QString shmOf(const QString& path) { return path + QStringLiteral("-shm"); }

// Takes the group's and others' rights away. The owner's are left as they are, so that a
// read-only folder or file stays read-only.
void keepToOwner(const QString& path)
{
    if (!QFileInfo::exists(path))
        return;
    const auto permissions = QFile::permissions(path);
    if (permissions.testAnyFlags(~OwnerOnly))
        QFile::setPermissions(path, permissions & OwnerOnly);
}

// Which of the log and its index were there before a look into the file. A read-only connection
// to a file in write-ahead-log mode makes both and leaves them behind; those are removed again
// when the file is refused, so that a file we do not keep is left as we found it.
struct SideFiles {
    explicit SideFiles(const QString& file)
        : wal(walOf(file))
        , shm(shmOf(file))
        , walExisted(QFileInfo::exists(wal))
        , shmExisted(QFileInfo::exists(shm))
    {
    }

    void removeNew() const
    {
        if (!walExisted && QFileInfo::exists(wal) && QFileInfo(wal).size() == 0)
            QFile::remove(wal);
        if (!shmExisted && !QFileInfo::exists(wal))
            QFile::remove(shm);
    }

    QString wal;
    QString shm;
    bool walExisted;
    bool shmExisted;
};

// A file name beside `path` that no file has yet: records.damaged-<date>-<time>[-n].sqlite.
QString asideName(const QString& path)
{
    const QFileInfo info(path);
    const auto stem = QStringLiteral("%1/%2.damaged-%3")
                          .arg(info.absolutePath(), info.completeBaseName(),
                               QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")));
    QString candidate = stem + QStringLiteral(".sqlite");
    for (int n = 2; QFileInfo::exists(candidate) || QFileInfo::exists(walOf(candidate)); ++n)
        candidate = QStringLiteral("%1-%2.sqlite").arg(stem).arg(n);
    return candidate;
}

// A connection of its own for one look into the file, closed and removed when it goes.
class LookConnection {
public:
    LookConnection(const QString& name, const QString& file, int busyTimeoutMs)
        : m_name(name)
        , m_db(QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name))
    {
        m_db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
        m_db.setDatabaseName(file);
    }
    ~LookConnection()
    {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
    }
    LookConnection(const LookConnection&) = delete;
    LookConnection& operator=(const LookConnection&) = delete;

    QSqlDatabase& db() { return m_db; }

private:
    QString m_name;
    QSqlDatabase m_db;
};

} // namespace

RecordsFile::RecordsFile(QString filePath)
    : m_filePath(std::move(filePath))
    , m_connection(QStringLiteral("records-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
}

RecordsFile::RecordsFile(Server server)
    : RecordsFile(std::move(server.connection))
{
    m_onServer = true;
}

RecordsFile::~RecordsFile() { closeConnections(); }

void RecordsFile::rollback() noexcept
{
    if (m_db.isOpen())
        QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK"));
}

void RecordsFile::closeConnections()
{
    m_open = false;
    if (m_db.isValid())
        m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connection);
}

RuntimeError RecordsFile::failure(Doing doing, const QSqlError& error) const
{
    if (m_onServer)
        return serverFailure(doing, error);
    const int native = error.nativeErrorCode().toInt() & 0xff;
    const auto file = tessarine::native(m_filePath);
    const auto text = error.text().simplified();
    if (native == 5 || native == 6)
        //: %1 is the records file's path, %2 the database's word on what went wrong
        return {RecordsErrorNumber::Locked,
                QCoreApplication::translate("RecordsFile", "The records file %1 is in use by "
                                                           "another program; records are not kept (%2)")
                    .arg(file, text)};
    if (native == 11 || native == 26)
        //: %1 is the records file's path, %2 the database's word on what went wrong
        return {RecordsErrorNumber::Damaged,
                QCoreApplication::translate("RecordsFile", "The records file %1 is damaged (%2)").arg(file, text)};
    QString message;
    switch (doing) {
    case Doing::Opening:
        //: %1 is the records file's path, %2 the database's word on what went wrong
        message = QCoreApplication::translate("RecordsFile", "The records file %1 cannot be opened; records are not kept (%2)");
        break;
    case Doing::Reading:
        //: %1 is the records file's path, %2 the database's word on what went wrong
        message = QCoreApplication::translate("RecordsFile", "The records file %1 cannot be read; records are not kept (%2)");
        break;
    case Doing::Writing:
        //: %1 is the records file's path, %2 the database's word on what went wrong
        message = QCoreApplication::translate("RecordsFile", "The records file %1 cannot be written; records are not kept (%2)");
        break;
    }
    return {RecordsErrorNumber::CannotOpen, message.arg(file, text)};
}

std::optional<RuntimeError> RecordsFile::open(Mode mode)
{
    if (m_open)
        return std::nullopt;
    if (m_onServer) {
        try {
            connectServer();
        } catch (...) {
            closeConnections();
            throw;
        }
        m_open = true;
        return std::nullopt;
    }
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        throw RuntimeError(
            RecordsErrorNumber::CannotOpen,
            QCoreApplication::translate("RecordsFile", "Qt's SQLite driver is not installed; records are not kept"));
    if (mode == Mode::Write)
        prepareWrite();
    else if (!QFileInfo(m_filePath).isFile())
        //: %1 is the records file's path
        throw RuntimeError(RecordsErrorNumber::CannotOpen,
                           QCoreApplication::translate("RecordsFile", "There is no records file %1").arg(native(m_filePath)));

    std::optional<RuntimeError> notice;
    for (int attempt = 0;; ++attempt) {
        const SideFiles before(m_filePath);
        try {
            inspect();
            connect(mode);
            m_open = true;
            return notice;
        } catch (const RuntimeError& error) {
            closeConnections();
            if (error.number() != RecordsErrorNumber::Damaged || mode == Mode::Read || attempt > 0) {
                before.removeNew();
                throw;
            }
            notice = setAside(before.walExisted);
            prepareWrite();
        }
    }
}

void RecordsFile::prepareWrite()
{
    const QString folder = QFileInfo(m_filePath).absolutePath();
    if (!QFileInfo(folder).isDir()) {
        const auto parent = QFileInfo(folder).absolutePath();
        if (!QDir().mkpath(parent) || !QDir().mkdir(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
            throw RuntimeError(
                RecordsErrorNumber::CannotOpen,
                //: %1 is the records folder's path
                QCoreApplication::translate("RecordsFile", "The records folder %1 cannot be created; records are not kept")
                    .arg(native(folder)));
    }
    keepToOwner(folder);
    // Made here rather than by SQLite, which would follow the umask; its log and index take the
    // file's rights.
    if (!QFileInfo::exists(m_filePath)) {
        QFile file(m_filePath);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFile::ReadOwner | QFile::WriteOwner)
            && !QFileInfo::exists(m_filePath))
            throw RuntimeError(
                RecordsErrorNumber::CannotOpen,
                //: %1 is the records file's path, %2 the system's word on what went wrong
                QCoreApplication::translate("RecordsFile", "The records file %1 cannot be created; records are not kept (%2)")
                    .arg(native(m_filePath), file.errorString()));
    }
    for (const auto& path : {m_filePath, walOf(m_filePath), shmOf(m_filePath)})
        keepToOwner(path);
}

// Moves the damaged file aside with its log; the index is made again from the log.
RuntimeError RecordsFile::setAside(bool walExisted)
{
    const auto aside = asideName(m_filePath);
    if (!QFile::rename(m_filePath, aside))
        throw RuntimeError(RecordsErrorNumber::Damaged,
                           //: %1 is the records file's path
                           QCoreApplication::translate("RecordsFile", "The records file %1 is damaged and cannot be moved "
                                                                      "aside; records are not kept")
                               .arg(native(m_filePath)));
    const auto wal = walOf(m_filePath);
    // A log that only the look into the file made holds nothing of the learners.
    if (!walExisted && QFileInfo(wal).size() == 0)
        QFile::remove(wal);
    else
        QFile::rename(wal, walOf(aside));
    QFile::remove(shmOf(m_filePath));
    return {RecordsErrorNumber::Damaged,
            //: %1 is the path the damaged file was moved to
            QCoreApplication::translate("RecordsFile",
                                        "The records file was damaged: it is kept as %1 and a new records file was started")
                .arg(native(aside))};
}

// Looks into the file without writing to it: a file that is not a database or is damaged, not
// ours, or of a later version throws before any connection could change it.
void RecordsFile::inspect()
{
    LookConnection look(m_connection + QStringLiteral("-look"), m_filePath, BusyTimeoutMs);
    auto& db = look.db();
    if (!db.open())
        throw failure(Doing::Opening, db.lastError());
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type IN ('table', 'view')"
                                   " AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'")))
        throw failure(Doing::Reading, query.lastError());
    QStringList tables;
    while (query.next())
        tables.append(query.value(0).toString());
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        throw failure(Doing::Reading, query.lastError());
    switch (RecordsSchema::kindOf(tables, query.value(0).toInt())) {
    case RecordsSchema::Kind::Records:
        break;
    case RecordsSchema::Kind::Later:
        throw RecordsSchema::laterVersion(m_filePath);
    case RecordsSchema::Kind::NotRecords:
        throw RuntimeError(RecordsErrorNumber::NotRecords,
                           //: %1 is a file's path
                           QCoreApplication::translate("RecordsFile", "The file %1 is not a Tessarine records file; it is "
                                                                      "left as it is and records are not kept")
                               .arg(native(m_filePath)));
    }
    // Damage deeper in the file than the schema shows only when the pages are read.
    if (!query.exec(QStringLiteral("PRAGMA quick_check(1)")))
        throw failure(Doing::Reading, query.lastError());
    const auto verdict = query.next() ? query.value(0).toString() : QString();
    if (verdict != QLatin1String("ok"))
        throw RuntimeError(RecordsErrorNumber::Damaged,
                           //: %1 is the records file's path, %2 the database's word on what went wrong
                           QCoreApplication::translate("RecordsFile", "The records file %1 is damaged (%2)")
                               .arg(native(m_filePath), verdict.simplified()));
}

void RecordsFile::connect(Mode mode)
{
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    const auto busy = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs);
    if (mode == Mode::Write) {
        m_db.setConnectOptions(busy);
        m_db.setDatabaseName(m_filePath);
    } else {
        // mode=rw: a file removed in the meantime is not made again.
        m_db.setConnectOptions(busy + QStringLiteral(";QSQLITE_OPEN_URI"));
        m_db.setDatabaseName(QUrl::fromLocalFile(m_filePath).toString(QUrl::FullyEncoded) + QStringLiteral("?mode=rw"));
    }
    if (!m_db.open())
        throw failure(Doing::Opening, m_db.lastError());
    if (mode == Mode::Write) {
        QSqlQuery journal(m_db);
        if (!journal.exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !journal.next()
            || journal.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0) {
            if (journal.lastError().isValid())
                throw failure(Doing::Writing, journal.lastError());
            throw RuntimeError(RecordsErrorNumber::CannotOpen,
                               //: %1 is the records file's path; the write-ahead log is how the database keeps its changes safe
                               QCoreApplication::translate("RecordsFile", "The records file %1 cannot keep a write-ahead "
                                                                          "log; records are not kept")
                                   .arg(native(m_filePath)));
        }
    }
    exec(QStringLiteral("PRAGMA synchronous=FULL"));
    exec(QStringLiteral("PRAGMA foreign_keys=ON"));
    // Deleted learners are overwritten in the file, not only unlinked.
    exec(QStringLiteral("PRAGMA secure_delete=ON"));
    // Writing takes the write lock at once, which also finds a file that cannot be written or is
    // held by another program before the first click depends on it. Reading a current file takes
    // no lock beyond SQLite's own, so that it works while the exercise writes.
    if (mode == Mode::Write || RecordsSchema::version(*this) < RecordsSchema::Version)
        RecordsSchema::migrate(*this);
}

QSqlQuery RecordsFile::prepared(const QString& sql)
{
    QSqlQuery query(m_db);
    if (!query.prepare(sql))
        throw failure(Doing::Reading, query.lastError());
    return query;
}

void RecordsFile::exec(QSqlQuery& query)
{
    if (!query.exec())
        throw failure(Doing::Writing, query.lastError());
}

void RecordsFile::exec(const QString& sql)
{
    QSqlQuery query(m_db);
    if (!query.exec(sql))
        throw failure(Doing::Writing, query.lastError());
}

} // namespace tessarine
