#include "records/RecordsStore.h"

#include "records/RecordsError.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QSysInfo>
#include <QUuid>

#include <pwd.h>
#include <unistd.h>

// The store's writes; its reading is in RecordsReading.cpp.

namespace tessarine {

namespace {

QString isoUtc(const QDateTime& time) { return time.toUTC().toString(Qt::ISODateWithMs); }

// Qt binds a null text as NULL; the records keep an empty text instead.
QString text(const QString& value) { return value.isNull() ? QStringLiteral("") : value; }

} // namespace

// The id a statement ending in RETURNING id gave the row it inserted.
qint64 RecordsStore::insertedId(QSqlQuery& insert)
{
    m_file.exec(insert);
    if (!insert.next())
        throw RuntimeError(
            RecordsErrorNumber::CannotOpen,
            //: %1 is the records file's path or names the school server
            QCoreApplication::translate("RecordsStore", "The records in %1 did not keep a new row; records are not kept")
                .arg(m_file.shownName()));
    const auto id = insert.value(0).toLongLong();
    insert.finish();
    return id;
}

QString rowName(AnswerLog::Row row)
{
    return row == AnswerLog::Row::Symbol ? QStringLiteral("symbol") : QStringLiteral("attribute");
}

QString setEndName(AnswerLog::SetEnd how)
{
    switch (how) {
    case AnswerLog::SetEnd::ChangeSet:
        return QStringLiteral("change set");
    case AnswerLog::SetEnd::NextInSequence:
        return QStringLiteral("next in sequence");
    case AnswerLog::SetEnd::WindowClosed:
        return QStringLiteral("window closed");
    }
    return {};
}

QString setKindName(AnswerLog::SetKind kind)
{
    switch (kind) {
    case AnswerLog::SetKind::Teach:
        return QStringLiteral("teach");
    case AnswerLog::SetKind::Review:
        return QStringLiteral("review");
    case AnswerLog::SetKind::Correction:
        return QStringLiteral("correction");
    }
    return {};
}

QString RecordsStore::defaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/Corvaldi-Tessarine/records.sqlite");
}

RecordsStore::RecordsStore(QString filePath)
    : m_file(std::move(filePath))
{
}

RecordsStore::RecordsStore(RecordsFile::Server server)
    : m_file(std::move(server))
{
}

RecordsStore::~RecordsStore() = default;

SessionOrigin SessionOrigin::here()
{
    auto user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("LOGNAME");
    // A session started without a login shell's variables, as by a service, still has an account.
    if (const passwd* account = user.isEmpty() ? ::getpwuid(::geteuid()) : nullptr)
        user = QString::fromLocal8Bit(account->pw_name);
    return {QUuid::createUuid().toString(QUuid::WithoutBraces), QSysInfo::machineHostName(), user, false};
}

std::optional<RuntimeError> RecordsStore::open() { return m_file.open(RecordsFile::Mode::Write); }

void RecordsStore::openForReading() { m_file.open(RecordsFile::Mode::Read); }

int RecordsStore::schemaVersion() { return RecordsSchema::version(m_file); }

qint64 RecordsStore::ensureLearner(const QString& name)
{
    auto insert = m_file.prepared(QStringLiteral("INSERT INTO learners (name) VALUES (?) ON CONFLICT (name) DO NOTHING"));
    insert.addBindValue(name);
    m_file.exec(insert);
    return learnerIdOf(name);
}

void RecordsStore::deleteLearner(const QString& name)
{
    const auto id = learnerIdOf(name);
    auto remove = m_file.prepared(QStringLiteral("DELETE FROM learners WHERE id = ?"));
    remove.addBindValue(id);
    m_file.exec(remove);
    // The log would still hold the deleted pages until the next checkpoint.
    if (!m_file.onServer())
        QSqlQuery(m_file.database()).exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
}

void RecordsStore::setMasteryRule(const QString& learner, const MasteryRule& rule)
{
    const auto id = ensureLearner(learner);
    auto update = m_file.prepared(QStringLiteral("UPDATE learners SET mastery_percent = ?, mastery_sessions = ?,"
                                                 " mastery_min_trials = ? WHERE id = ?"));
    update.addBindValue(rule.percent());
    update.addBindValue(rule.sessions());
    update.addBindValue(rule.minTrials());
    update.addBindValue(id);
    m_file.exec(update);
}

qint64 RecordsStore::beginSession(qint64 learnerId, const QDateTime& started, const QVariantMap& options,
                                  const QString& programVersion, const QString& programFolder, const SessionOrigin& origin)
{
    auto insert = m_file.prepared(QStringLiteral("INSERT INTO sessions (learner_id, started, options, program_version,"
                                                 " program_folder, uuid, computer, desktop_user, unsent)"
                                                 " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING id"));
    insert.addBindValue(learnerId);
    insert.addBindValue(isoUtc(started));
    insert.addBindValue(QString::fromUtf8(QJsonDocument(QJsonObject::fromVariantMap(options)).toJson(QJsonDocument::Compact)));
    insert.addBindValue(text(programVersion));
    insert.addBindValue(text(programFolder));
    insert.addBindValue(origin.uuid.isEmpty() ? QUuid::createUuid().toString(QUuid::WithoutBraces) : origin.uuid);
    insert.addBindValue(text(origin.computer));
    insert.addBindValue(text(origin.desktopUser));
    insert.addBindValue(origin.unsent ? 1 : 0);
    return insertedId(insert);
}

void RecordsStore::endSession(qint64 sessionId, const QDateTime& ended)
{
    const auto median = RecordsSchema::medianResponseMs(m_file, sessionId);
    auto update = m_file.prepared(QStringLiteral("UPDATE sessions SET ended = ?, median_ms = ?, median_done = 1 WHERE id = ?"));
    update.addBindValue(isoUtc(ended));
    update.addBindValue(median ? QVariant(*median) : QVariant());
    update.addBindValue(sessionId);
    m_file.exec(update);
}

qint64 RecordsStore::addSet(qint64 sessionId, int number, const AnswerLog::Set& set)
{
    auto insert = m_file.prepared(
        QStringLiteral("INSERT INTO sets (session_id, number, object, caption, symbol_right, symbol_distractor,"
                       " symbol_right_element, attribute_right, attribute_distractor, attribute_right_element, error, kind)"
                       " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING id"));
    insert.addBindValue(sessionId);
    insert.addBindValue(number);
    insert.addBindValue(text(set.object));
    insert.addBindValue(text(set.caption));
    insert.addBindValue(text(set.symbols.right));
    insert.addBindValue(text(set.symbols.distractor));
    insert.addBindValue(set.symbols.rightElement);
    insert.addBindValue(text(set.attributes.right));
    insert.addBindValue(text(set.attributes.distractor));
    insert.addBindValue(set.attributes.rightElement);
    insert.addBindValue(text(set.error));
    insert.addBindValue(setKindName(set.kind));
    return insertedId(insert);
}

void RecordsStore::endSet(qint64 setId, AnswerLog::SetEnd how)
{
    auto update = m_file.prepared(QStringLiteral("UPDATE sets SET ended_by = ? WHERE id = ?"));
    update.addBindValue(setEndName(how));
    update.addBindValue(setId);
    m_file.exec(update);
}

void RecordsStore::addClick(qint64 setId, int ordinal, AnswerLog::Row row, int element, const QString& file, bool correct,
                            bool firstTry, bool prompted, qint64 responseMs)
{
    // The one statement of every click, prepared once.
    if (!m_insertClick)
        m_insertClick = m_file.prepared(
            QStringLiteral("INSERT INTO clicks (set_id, row, element, file, correct,"
                           " first_try, response_ms, prompted, ordinal) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    auto& insert = *m_insertClick;
    insert.bindValue(0, setId);
    insert.bindValue(1, rowName(row));
    insert.bindValue(2, element);
    insert.bindValue(3, text(file));
    insert.bindValue(4, correct ? 1 : 0);
    insert.bindValue(5, firstTry ? 1 : 0);
    insert.bindValue(6, responseMs);
    insert.bindValue(7, prompted ? 1 : 0);
    insert.bindValue(8, ordinal);
    m_file.exec(insert);
}

} // namespace tessarine
