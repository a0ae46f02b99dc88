#include "records/RecordsStore.h"

#include "core/ErrorGuard.h"
#include "records/RecordsError.h"
#include "records/TargetKeys.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QSqlError>
#include <QStandardPaths>
#include <QUuid>

#include <vector>

namespace tessarine {

namespace {

// Each step brings the file from the version before it to its own; a file is migrated through
// every step after the version it carries, in one transaction.
const QList<QStringList>& migrationSteps()
{
    static const QList<QStringList> steps{
        // 1: learners, sessions, sets and clicks.
        {QStringLiteral("CREATE TABLE learners (id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE)"),
         QStringLiteral("CREATE TABLE sessions (id INTEGER PRIMARY KEY,"
                        " learner_id INTEGER NOT NULL REFERENCES learners(id) ON DELETE CASCADE,"
                        " started TEXT NOT NULL, ended TEXT, options TEXT NOT NULL,"
                        " program_version TEXT NOT NULL, program_folder TEXT NOT NULL)"),
         QStringLiteral("CREATE TABLE sets (id INTEGER PRIMARY KEY,"
                        " session_id INTEGER NOT NULL REFERENCES sessions(id) ON DELETE CASCADE,"
                        " number INTEGER NOT NULL, object TEXT NOT NULL, caption TEXT NOT NULL,"
                        " symbol_right TEXT NOT NULL, symbol_distractor TEXT NOT NULL,"
                        " symbol_right_element INTEGER NOT NULL,"
                        " attribute_right TEXT NOT NULL, attribute_distractor TEXT NOT NULL,"
                        " attribute_right_element INTEGER NOT NULL,"
                        " error TEXT NOT NULL, ended_by TEXT)"),
         QStringLiteral("CREATE TABLE clicks (id INTEGER PRIMARY KEY,"
                        " set_id INTEGER NOT NULL REFERENCES sets(id) ON DELETE CASCADE,"
                        " row TEXT NOT NULL CHECK (row IN ('symbol', 'attribute')),"
                        " element INTEGER NOT NULL, file TEXT NOT NULL, correct INTEGER NOT NULL,"
                        " first_try INTEGER NOT NULL, response_ms INTEGER NOT NULL)")},
        // 2: a mastery rule per learner; first-try scores, set counts and median response times
        // kept as the clicks come, so that the Records window reads a few rows per session
        // however many clicks there are; the indexes that reading and deleting need.
        {QStringLiteral("ALTER TABLE learners ADD COLUMN mastery_percent INTEGER NOT NULL DEFAULT 90"),
         QStringLiteral("ALTER TABLE learners ADD COLUMN mastery_sessions INTEGER NOT NULL DEFAULT 3"),
         QStringLiteral("ALTER TABLE learners ADD COLUMN mastery_min_trials INTEGER NOT NULL DEFAULT 5"),
         QStringLiteral("ALTER TABLE sessions ADD COLUMN set_count INTEGER NOT NULL DEFAULT 0"),
         QStringLiteral("ALTER TABLE sessions ADD COLUMN median_ms REAL"),
         QStringLiteral("ALTER TABLE sessions ADD COLUMN median_done INTEGER NOT NULL DEFAULT 0"),
         QStringLiteral("CREATE INDEX sessions_by_learner ON sessions(learner_id, started)"),
         QStringLiteral("CREATE INDEX sets_by_session ON sets(session_id, number)"),
         QStringLiteral("CREATE INDEX clicks_by_set ON clicks(set_id)"),
         QStringLiteral("CREATE TABLE scores (session_id INTEGER NOT NULL REFERENCES sessions(id) ON DELETE CASCADE,"
                        " object TEXT NOT NULL, row TEXT NOT NULL, trials INTEGER NOT NULL, correct INTEGER NOT NULL,"
                        " PRIMARY KEY (session_id, object, row)) WITHOUT ROWID"),
         QStringLiteral("INSERT INTO scores SELECT st.session_id, st.object, c.row, count(*), sum(c.correct)"
                        " FROM clicks c JOIN sets st ON st.id = c.set_id WHERE c.first_try = 1"
                        " GROUP BY st.session_id, st.object, c.row"),
         QStringLiteral("UPDATE sessions SET set_count = (SELECT count(*) FROM sets WHERE session_id = sessions.id)"),
         QStringLiteral("CREATE TRIGGER count_set AFTER INSERT ON sets BEGIN"
                        " UPDATE sessions SET set_count = set_count + 1 WHERE id = NEW.session_id; END"),
         QStringLiteral("CREATE TRIGGER score_first_try AFTER INSERT ON clicks WHEN NEW.first_try = 1 BEGIN"
                        " INSERT INTO scores (session_id, object, row, trials, correct)"
                        " SELECT st.session_id, st.object, NEW.row, 1, NEW.correct FROM sets st WHERE st.id = NEW.set_id"
                        " ON CONFLICT (session_id, object, row) DO UPDATE SET trials = trials + 1,"
                        " correct = correct + excluded.correct; END")},
        // 3: the learner's access settings (keyboard, switches, screen size, spoken caption), as
        // key=value lines, so that they go with the learner's records.
        {QStringLiteral("ALTER TABLE learners ADD COLUMN access TEXT NOT NULL DEFAULT ''")},
    };
    return steps;
}

QString isoUtc(const QDateTime& time) { return time.toUTC().toString(Qt::ISODateWithMs); }

QDateTime fromIsoUtc(const QString& text)
{
    // Written with a "Z", so read back as UTC.
    return QDateTime::fromString(text, Qt::ISODateWithMs).toUTC();
}

AnswerLog::Row rowFromName(const QString& name)
{
    return name == QLatin1String("attribute") ? AnswerLog::Row::Attribute : AnswerLog::Row::Symbol;
}

int nativeCode(const QSqlError& error) { return error.nativeErrorCode().toInt() & 0xff; }

// A file name beside `path` that no file has yet: records.damaged-<time>[-n].sqlite.
QString asideName(const QString& path)
{
    const QFileInfo info(path);
    const auto stem = QStringLiteral("%1/%2.damaged-%3")
                          .arg(info.absolutePath(), info.completeBaseName(),
                               QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")));
    QString candidate = stem + QStringLiteral(".sqlite");
    for (int n = 2; QFileInfo::exists(candidate) || QFileInfo::exists(candidate + QStringLiteral("-wal")); ++n)
        candidate = QStringLiteral("%1-%2.sqlite").arg(stem).arg(n);
    return candidate;
}

class DamagedFile {};

} // namespace

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

std::unique_ptr<RecordsStore> openRecords(const QString& filePath, IMessageBox& messageBox, const QString& procedure)
{
    auto store = std::make_unique<RecordsStore>(filePath);
    Guard guard(messageBox, procedure);
    const bool opened = guard.step([&] {
        if (const auto notice = store->open())
            throw *notice;
    });
    // A notice still leaves a new, usable file.
    return opened || store->isOpen() ? std::move(store) : nullptr;
}

QString RecordsStore::defaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/Corvaldi-Tessarine/records.sqlite");
}

RecordsStore::RecordsStore(QString filePath)
    : m_filePath(std::move(filePath))
    , m_connection(QStringLiteral("records-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
}

RecordsStore::~RecordsStore()
{
    m_insertClick.reset();
    if (m_db.isValid())
        m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connection);
}

RuntimeError RecordsStore::failure(const QString& doing, const QString& code, const QString& text) const
{
    const int native = code.toInt() & 0xff;
    const auto file = QDir::toNativeSeparators(m_filePath);
    if (native == 5 || native == 6)
        return {RecordsErrorNumber::Locked,
                QStringLiteral("The records file %1 is in use by another program; records are not kept (%2)").arg(file, text)};
    if (native == 11 || native == 26)
        return {RecordsErrorNumber::Damaged, QStringLiteral("The records file %1 is damaged (%2)").arg(file, text)};
    return {RecordsErrorNumber::CannotOpen,
            QStringLiteral("The records file %1 cannot be %2; records are not kept (%3)").arg(file, doing, text)};
}

std::optional<RuntimeError> RecordsStore::open()
{
    if (m_open)
        return std::nullopt;
    const QFileInfo info(m_filePath);
    if (!QDir().mkpath(info.absolutePath()))
        throw RuntimeError(RecordsErrorNumber::CannotOpen,
                           QStringLiteral("The records folder %1 cannot be created; records are not kept")
                               .arg(QDir::toNativeSeparators(info.absolutePath())));
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        throw RuntimeError(RecordsErrorNumber::CannotOpen,
                           QStringLiteral("Qt's SQLite driver is not installed; records are not kept"));

    std::optional<RuntimeError> notice;
    for (int attempt = 0;; ++attempt) {
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs));
        m_db.setDatabaseName(m_filePath);
        try {
            if (!m_db.open())
                throw failure(QStringLiteral("opened"), m_db.lastError().nativeErrorCode(), m_db.lastError().text());
            // Reading the schema is the first thing that looks into the file: a file that is not a
            // database fails here, before anything is written to it.
            QSqlQuery probe(m_db);
            if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
                const int code = nativeCode(probe.lastError());
                if ((code == 11 || code == 26) && attempt == 0)
                    throw DamagedFile();
                throw failure(QStringLiteral("read"), probe.lastError().nativeErrorCode(), probe.lastError().text());
            }
            probe.finish();
            QSqlQuery mode(m_db);
            if (!mode.exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !mode.next()
                || mode.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0)
                throw failure(QStringLiteral("written"), mode.lastError().nativeErrorCode(),
                              mode.lastError().isValid() ? mode.lastError().text() : QStringLiteral("no write-ahead log"));
            mode.finish();
            exec(QStringLiteral("PRAGMA synchronous=FULL"));
            exec(QStringLiteral("PRAGMA foreign_keys=ON"));
            // Deleted learners are overwritten in the file, not only unlinked.
            exec(QStringLiteral("PRAGMA secure_delete=ON"));
            migrate();
            m_open = true;
            return notice;
        } catch (const DamagedFile&) {
            m_db.close();
            m_db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_connection);
            const auto aside = asideName(m_filePath);
            if (!QFile::rename(m_filePath, aside))
                throw RuntimeError(RecordsErrorNumber::Damaged,
                                   QStringLiteral("The records file %1 is damaged and cannot be moved aside; "
                                                  "records are not kept")
                                       .arg(QDir::toNativeSeparators(m_filePath)));
            QFile::rename(m_filePath + QStringLiteral("-wal"), aside + QStringLiteral("-wal"));
            QFile::remove(m_filePath + QStringLiteral("-shm"));
            notice = RuntimeError(RecordsErrorNumber::Damaged,
                                  QStringLiteral("The records file was damaged: it is kept as %1 and a new "
                                                 "records file was started")
                                      .arg(QDir::toNativeSeparators(aside)));
        } catch (...) {
            m_insertClick.reset();
            m_db.close();
            throw;
        }
    }
}

void RecordsStore::migrate()
{
    // Taking the write lock at once also finds a file that cannot be written or is held by
    // another program, before the first click depends on it.
    exec(QStringLiteral("BEGIN IMMEDIATE"));
    try {
        const int version = schemaVersion();
        if (version > SchemaVersion)
            throw RuntimeError(RecordsErrorNumber::NewerVersion,
                               QStringLiteral("The records file %1 was written by a later version of Tessarine; "
                                              "records are not kept")
                                   .arg(QDir::toNativeSeparators(m_filePath)));
        const auto& steps = migrationSteps();
        for (int to = version + 1; to <= SchemaVersion; ++to) {
            for (const auto& statement : steps[to - 1])
                exec(statement);
        }
        if (version >= 1 && version < 2)
            storeMedians(QStringLiteral("SELECT id FROM sessions"));
        if (version != SchemaVersion)
            exec(QStringLiteral("PRAGMA user_version=%1").arg(SchemaVersion));
        exec(QStringLiteral("COMMIT"));
    } catch (...) {
        QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK"));
        throw;
    }
}

int RecordsStore::schemaVersion()
{
    auto query = prepared(QStringLiteral("PRAGMA user_version"));
    exec(query);
    return query.next() ? query.value(0).toInt() : 0;
}

QSqlQuery RecordsStore::prepared(const QString& sql)
{
    QSqlQuery query(m_db);
    if (!query.prepare(sql))
        throw failure(QStringLiteral("read"), query.lastError().nativeErrorCode(), query.lastError().text());
    return query;
}

void RecordsStore::exec(QSqlQuery& query)
{
    if (!query.exec())
        throw failure(QStringLiteral("written"), query.lastError().nativeErrorCode(), query.lastError().text());
}

void RecordsStore::exec(const QString& sql)
{
    QSqlQuery query(m_db);
    if (!query.exec(sql))
        throw failure(QStringLiteral("written"), query.lastError().nativeErrorCode(), query.lastError().text());
}

QStringList RecordsStore::learners()
{
    auto query = prepared(QStringLiteral("SELECT name FROM learners ORDER BY name COLLATE NOCASE, name"));
    query.setForwardOnly(true);
    exec(query);
    QStringList names;
    while (query.next())
        names.append(query.value(0).toString());
    return names;
}

bool RecordsStore::hasLearner(const QString& name)
{
    auto query = prepared(QStringLiteral("SELECT id FROM learners WHERE name = ?"));
    query.addBindValue(name);
    exec(query);
    return query.next();
}

qint64 RecordsStore::learnerIdOf(const QString& name)
{
    auto query = prepared(QStringLiteral("SELECT id FROM learners WHERE name = ?"));
    query.addBindValue(name);
    exec(query);
    if (!query.next())
        throw RuntimeError(RecordsErrorNumber::UnknownLearner,
                           QStringLiteral("There are no records of the learner \"%1\"").arg(name));
    return query.value(0).toLongLong();
}

qint64 RecordsStore::ensureLearner(const QString& name)
{
    auto insert = prepared(QStringLiteral("INSERT OR IGNORE INTO learners (name) VALUES (?)"));
    insert.addBindValue(name);
    exec(insert);
    return learnerIdOf(name);
}

void RecordsStore::deleteLearner(const QString& name)
{
    const auto id = learnerIdOf(name);
    auto remove = prepared(QStringLiteral("DELETE FROM learners WHERE id = ?"));
    remove.addBindValue(id);
    exec(remove);
    // The log would still hold the deleted pages until the next checkpoint.
    QSqlQuery(m_db).exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
}

MasteryRule RecordsStore::masteryRule(const QString& learner)
{
    auto query = prepared(
        QStringLiteral("SELECT mastery_percent, mastery_sessions, mastery_min_trials FROM learners WHERE name = ?"));
    query.addBindValue(learner);
    exec(query);
    if (!query.next())
        return {};
    return {query.value(0).toInt(), query.value(1).toInt(), query.value(2).toInt()};
}

void RecordsStore::setMasteryRule(const QString& learner, const MasteryRule& rule)
{
    const auto id = ensureLearner(learner);
    auto update = prepared(QStringLiteral("UPDATE learners SET mastery_percent = ?, mastery_sessions = ?,"
                                          " mastery_min_trials = ? WHERE id = ?"));
    update.addBindValue(rule.percent());
    update.addBindValue(rule.sessions());
    update.addBindValue(rule.minTrials());
    update.addBindValue(id);
    exec(update);
}

QMap<QString, QString> RecordsStore::accessSettings(const QString& learner)
{
    auto query = prepared(QStringLiteral("SELECT access FROM learners WHERE name = ?"));
    query.addBindValue(learner);
    exec(query);
    QMap<QString, QString> values;
    if (query.next()) {
        const QStringList lines = query.value(0).toString().split(u'\n', Qt::SkipEmptyParts);
        for (const QString& line : lines) {
            const qsizetype equals = line.indexOf(u'=');
            if (equals > 0)
                values.insert(line.left(equals), line.mid(equals + 1));
        }
    }
    return values;
}

void RecordsStore::setAccessSettings(const QString& learner, const QMap<QString, QString>& values)
{
    const auto id = ensureLearner(learner);
    QString text;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        text += it.key() + u'=' + QString(it.value()).remove(u'\n') + u'\n';
    auto update = prepared(QStringLiteral("UPDATE learners SET access = ? WHERE id = ?"));
    update.addBindValue(text);
    update.addBindValue(id);
    exec(update);
}

qint64 RecordsStore::beginSession(qint64 learnerId, const QDateTime& started, const QVariantMap& options,
                                  const QString& programVersion, const QString& programFolder)
{
    auto insert = prepared(QStringLiteral("INSERT INTO sessions (learner_id, started, options, program_version,"
                                          " program_folder) VALUES (?, ?, ?, ?, ?)"));
    insert.addBindValue(learnerId);
    insert.addBindValue(isoUtc(started));
    insert.addBindValue(QString::fromUtf8(QJsonDocument(QJsonObject::fromVariantMap(options)).toJson(QJsonDocument::Compact)));
    insert.addBindValue(programVersion.isNull() ? QStringLiteral("") : programVersion);
    insert.addBindValue(programFolder.isNull() ? QStringLiteral("") : programFolder);
    exec(insert);
    return insert.lastInsertId().toLongLong();
}

void RecordsStore::endSession(qint64 sessionId, const QDateTime& ended)
{
    const auto median = medianOf(sessionId);
    auto update = prepared(QStringLiteral("UPDATE sessions SET ended = ?, median_ms = ?, median_done = 1 WHERE id = ?"));
    update.addBindValue(isoUtc(ended));
    update.addBindValue(median ? QVariant(*median) : QVariant());
    update.addBindValue(sessionId);
    exec(update);
}

std::optional<double> RecordsStore::medianOf(qint64 sessionId)
{
    auto query = prepared(QStringLiteral("SELECT c.response_ms FROM clicks c JOIN sets st ON st.id = c.set_id"
                                         " WHERE st.session_id = ? AND c.first_try = 1 ORDER BY c.response_ms"));
    query.setForwardOnly(true);
    query.addBindValue(sessionId);
    exec(query);
    std::vector<double> times;
    while (query.next())
        times.push_back(query.value(0).toDouble());
    if (times.empty())
        return std::nullopt;
    const auto middle = times.size() / 2;
    return times.size() % 2 == 1 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
}

void RecordsStore::storeMedians(const QString& sessionsSql)
{
    auto sessions = prepared(sessionsSql);
    exec(sessions);
    QList<qint64> ids;
    while (sessions.next())
        ids.append(sessions.value(0).toLongLong());
    auto update = prepared(QStringLiteral("UPDATE sessions SET median_ms = ?, median_done = 1 WHERE id = ?"));
    for (const auto id : ids) {
        const auto median = medianOf(id);
        update.addBindValue(median ? QVariant(*median) : QVariant());
        update.addBindValue(id);
        exec(update);
    }
}

qint64 RecordsStore::addSet(qint64 sessionId, int number, const AnswerLog::Set& set)
{
    auto insert = prepared(
        QStringLiteral("INSERT INTO sets (session_id, number, object, caption, symbol_right, symbol_distractor,"
                       " symbol_right_element, attribute_right, attribute_distractor, attribute_right_element, error)"
                       " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    // Qt binds a null text as NULL; the records keep an empty text instead.
    const auto text = [](const QString& value) { return value.isNull() ? QStringLiteral("") : value; };
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
    exec(insert);
    return insert.lastInsertId().toLongLong();
}

void RecordsStore::endSet(qint64 setId, AnswerLog::SetEnd how)
{
    auto update = prepared(QStringLiteral("UPDATE sets SET ended_by = ? WHERE id = ?"));
    update.addBindValue(setEndName(how));
    update.addBindValue(setId);
    exec(update);
}

void RecordsStore::addClick(qint64 setId, AnswerLog::Row row, int element, const QString& file, bool correct, bool firstTry,
                            qint64 responseMs)
{
    // The one statement of every click, prepared once.
    if (!m_insertClick)
        m_insertClick = prepared(QStringLiteral("INSERT INTO clicks (set_id, row, element, file, correct,"
                                                " first_try, response_ms) VALUES (?, ?, ?, ?, ?, ?, ?)"));
    auto& insert = *m_insertClick;
    insert.bindValue(0, setId);
    insert.bindValue(1, rowName(row));
    insert.bindValue(2, element);
    insert.bindValue(3, file.isNull() ? QStringLiteral("") : file);
    insert.bindValue(4, correct ? 1 : 0);
    insert.bindValue(5, firstTry ? 1 : 0);
    insert.bindValue(6, responseMs);
    exec(insert);
}

LearnerProgress RecordsStore::progress(const QString& learner, const MasteryRule& rule)
{
    LearnerProgress result;
    const auto learnerId = learnerIdOf(learner);

    QHash<qint64, int> indexOf;
    auto sessions = prepared(QStringLiteral("SELECT id, started, set_count, median_ms, median_done FROM sessions"
                                            " WHERE learner_id = ? ORDER BY started, id"));
    sessions.setForwardOnly(true);
    sessions.addBindValue(learnerId);
    exec(sessions);
    while (sessions.next()) {
        SessionSummary summary;
        summary.id = sessions.value(0).toLongLong();
        summary.started = fromIsoUtc(sessions.value(1).toString());
        summary.sets = sessions.value(2).toInt();
        if (sessions.value(4).toInt() != 0) {
            if (!sessions.isNull(3))
                summary.medianResponseMs = sessions.value(3).toDouble();
        } else {
            // A session still running, or one that a crash ended before its end was written.
            summary.medianResponseMs = medianOf(summary.id);
        }
        indexOf.insert(summary.id, static_cast<int>(result.sessions.size()));
        result.sessions.append(summary);
    }

    struct TargetScores {
        int trials = 0;
        QMap<int, MasteryRule::Score> bySession; // session index, oldest first
    };
    QMap<QString, TargetScores> symbolTargets;
    QMap<QString, TargetScores> attributeTargets;
    QHash<QString, std::pair<QString, QString>> keysOf; // object name: symbol key, attribute key
    auto scores = prepared(QStringLiteral("SELECT sc.session_id, sc.object, sc.row, sc.trials, sc.correct"
                                          " FROM scores sc JOIN sessions s ON s.id = sc.session_id"
                                          " WHERE s.learner_id = ?"));
    scores.setForwardOnly(true);
    scores.addBindValue(learnerId);
    exec(scores);
    while (scores.next()) {
        const int session = indexOf.value(scores.value(0).toLongLong(), -1);
        if (session < 0)
            continue;
        const auto object = scores.value(1).toString();
        auto keys = keysOf.constFind(object);
        if (keys == keysOf.cend())
            keys = keysOf.insert(object, {TargetKeys::symbolKey(object), TargetKeys::attributeKey(object)});
        const auto row = rowFromName(scores.value(2).toString());
        const int trials = scores.value(3).toInt();
        const int correct = scores.value(4).toInt();
        auto& sessionScore = row == AnswerLog::Row::Symbol ? result.sessions[session].symbols
                                                           : result.sessions[session].attributes;
        sessionScore.trials += trials;
        sessionScore.correct += correct;
        auto& target = row == AnswerLog::Row::Symbol ? symbolTargets[keys->first] : attributeTargets[keys->second];
        target.trials += trials;
        auto& score = target.bySession[session];
        score.trials += trials;
        score.correct += correct;
    }

    const auto addTargets = [&](AnswerLog::Row row, const QMap<QString, TargetScores>& targets) {
        for (auto it = targets.cbegin(); it != targets.cend(); ++it) {
            TargetSummary target;
            target.row = row;
            target.key = it.key();
            target.trials = it->trials;
            const auto scores = it->bySession.values();
            for (qsizetype i = std::max<qsizetype>(0, scores.size() - rule.sessions()); i < scores.size(); ++i) {
                target.recent.trials += scores[i].trials;
                target.recent.correct += scores[i].correct;
            }
            target.mastered = rule.isMastered(scores);
            result.targets.append(target);
        }
    };
    addTargets(AnswerLog::Row::Symbol, symbolTargets);
    addTargets(AnswerLog::Row::Attribute, attributeTargets);
    return result;
}

void RecordsStore::forEachClick(const QString& learner, const std::function<void(const ClickRecord&)>& visit)
{
    const auto learnerId = learnerIdOf(learner);
    auto query = prepared(
        QStringLiteral("SELECT s.started, st.number, st.object, c.row, c.element, c.file, c.correct, c.first_try, "
                       "c.response_ms"
                       " FROM clicks c JOIN sets st ON st.id = c.set_id JOIN sessions s ON s.id = st.session_id"
                       " WHERE s.learner_id = ? ORDER BY s.started, s.id, st.number, c.id"));
    query.setForwardOnly(true);
    query.addBindValue(learnerId);
    exec(query);
    ClickRecord click;
    QString lastStarted;
    while (query.next()) {
        const auto started = query.value(0).toString();
        if (started != lastStarted) {
            click.sessionStart = fromIsoUtc(started);
            lastStarted = started;
        }
        click.set = query.value(1).toInt();
        click.object = query.value(2).toString();
        click.row = rowFromName(query.value(3).toString());
        click.element = query.value(4).toInt();
        click.file = query.value(5).toString();
        click.correct = query.value(6).toInt() != 0;
        click.firstTry = query.value(7).toInt() != 0;
        click.responseMs = query.value(8).toLongLong();
        visit(click);
    }
}

} // namespace tessarine
