#include "records/RecordsFile.h"

#include "records/RecordsError.h"
#include "records/RecordsSchema.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QSqlError>

// The records on a school's PostgreSQL server, through Qt's QPSQL driver.
namespace tessarine {

namespace {

// The connection string as a user would recognise it, without a password should one be in it.
QString shownServer(const QString& connection)
{
    static const QRegularExpression password(QStringLiteral("\\bpassword\\s*=\\s*('[^']*'|\\S*)"));
    return QString(connection).replace(password, QStringLiteral("password=***")).simplified();
}

// libpq gives up on a server that does not answer only after minutes; the exercise must not wait
// that long for a click to be kept. What the user's string says comes later and wins.
QString serverOptions(const QString& connection)
{
    return QStringLiteral("connect_timeout=5 keepalives_idle=5 keepalives_interval=2 keepalives_count=2 "
                          "tcp_user_timeout=5000 ")
           + connection;
}

} // namespace

QString RecordsFile::shownName() const { return m_onServer ? shownServer(m_filePath) : QDir::toNativeSeparators(m_filePath); }

RuntimeError RecordsFile::serverFailure(Doing doing, const QSqlError& error) const
{
    const auto server = shownName();
    const auto text = error.text().simplified();
    if (doing == Doing::Opening)
        //: %1 names the school's PostgreSQL server, %2 is the server's word on what went wrong
        return {RecordsErrorNumber::ServerUnreachable,
                QCoreApplication::translate("RecordsFile", "The school server %1 cannot be reached (%2)").arg(server, text)};
    //: %1 names the school's PostgreSQL server, %2 is the server's word on what went wrong
    return {
        RecordsErrorNumber::ServerUnreachable,
        QCoreApplication::translate("RecordsFile", "The records on the school server %1 cannot be used (%2)").arg(server, text)};
}

// A server takes no write lock, whatever the mode: every write is its own transaction.
void RecordsFile::connectServer()
{
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL")))
        throw RuntimeError(RecordsErrorNumber::ServerUnreachable,
                           QCoreApplication::translate("RecordsFile", "Qt's PostgreSQL driver (libqt6sql6-psql) is not "
                                                                      "installed; the school server cannot be used"));
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_connection);
    m_db.setConnectOptions(serverOptions(m_filePath));
    if (!m_db.open())
        throw failure(Doing::Opening, m_db.lastError());
    inspectServer();
    if (RecordsSchema::version(*this) < RecordsSchema::Version)
        RecordsSchema::migrate(*this);
}

// The tables of the connection's schema: a database of another program is refused as a file is.
void RecordsFile::inspectServer()
{
    auto query = prepared(QStringLiteral("SELECT table_name FROM information_schema.tables"
                                         " WHERE table_schema = current_schema() AND table_name <> 'schema_version'"));
    exec(query);
    QStringList tables;
    while (query.next())
        tables.append(query.value(0).toString());
    switch (RecordsSchema::kindOf(tables, RecordsSchema::version(*this))) {
    case RecordsSchema::Kind::Records:
        return;
    case RecordsSchema::Kind::Later:
        throw RecordsSchema::laterVersion(shownName());
    case RecordsSchema::Kind::NotRecords:
        throw RuntimeError(RecordsErrorNumber::NotRecords,
                           //: %1 names a PostgreSQL database on the school's server
                           QCoreApplication::translate("RecordsFile", "The database %1 on the school server holds another "
                                                                      "program's tables; it is left as it is")
                               .arg(shownName()));
    }
}

} // namespace tessarine
