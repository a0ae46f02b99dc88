#include "records/RecordsSchema.h"

#include "records/RecordsError.h"
#include "records/RecordsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QList>
#include <QSqlQuery>

#include <algorithm>
#include <vector>

namespace tessarine::RecordsSchema {

namespace {

const QStringList& recordsTables()
{
    static const QStringList tables{QStringLiteral("learners"), QStringLiteral("sessions"), QStringLiteral("sets"),
                                    QStringLiteral("clicks"), QStringLiteral("scores")};
    return tables;
}

// The first-try scores from the clicks, in the columns of versions 2 to 4 (no click was prompted
// then); the trigger keeps them from then on.
const auto ScoresFromClicks = QStringLiteral("INSERT INTO scores SELECT st.session_id, st.object, c.row, count(*), sum(c.correct)"
                                             " FROM clicks c JOIN sets st ON st.id = c.set_id WHERE c.first_try = 1"
                                             " GROUP BY st.session_id, st.object, c.row");

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
         ScoresFromClicks,
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
        // 4: clicks on a set that failed to compose were made on the pictures still on the
        // screen, not on the set that was planned: they are kept but are no first choices, so
        // they leave the scores and the medians.
        {QStringLiteral("UPDATE clicks SET first_try = 0 WHERE first_try = 1"
                        " AND set_id IN (SELECT id FROM sets WHERE error <> '')"),
         QStringLiteral("DELETE FROM scores"), ScoresFromClicks},
        // 5: teaching. The learner's teaching settings, as key=value lines like the access
        // settings; why each set was drawn; whether the answer was being shown when a click came.
        // A prompted first try is kept apart in the scores: only the independent ones (trials,
        // correct) show mastery. Earlier files hold no prompted click, so their scores stand as
        // they are and need no rebuilding.
        {QStringLiteral("ALTER TABLE learners ADD COLUMN teaching TEXT NOT NULL DEFAULT ''"),
         QStringLiteral("ALTER TABLE sets ADD COLUMN kind TEXT NOT NULL DEFAULT 'teach'"
                        " CHECK (kind IN ('teach', 'review', 'correction'))"),
         QStringLiteral("ALTER TABLE clicks ADD COLUMN prompted INTEGER NOT NULL DEFAULT 0"),
         QStringLiteral("ALTER TABLE scores ADD COLUMN prompted_trials INTEGER NOT NULL DEFAULT 0"),
         QStringLiteral("ALTER TABLE scores ADD COLUMN prompted_correct INTEGER NOT NULL DEFAULT 0"),
         QStringLiteral("DROP TRIGGER score_first_try"),
         // `prompted` and `correct` are 0 or 1, so a product picks the one count the click adds to.
         QStringLiteral("CREATE TRIGGER score_first_try AFTER INSERT ON clicks WHEN NEW.first_try = 1 BEGIN"
                        " INSERT INTO scores (session_id, object, row, trials, correct, prompted_trials, prompted_correct)"
                        " SELECT st.session_id, st.object, NEW.row, 1 - NEW.prompted, (1 - NEW.prompted) * NEW.correct,"
                        " NEW.prompted, NEW.prompted * NEW.correct FROM sets st WHERE st.id = NEW.set_id"
                        " ON CONFLICT (session_id, object, row) DO UPDATE SET trials = trials + excluded.trials,"
                        " correct = correct + excluded.correct, prompted_trials = prompted_trials + excluded.prompted_trials,"
                        " prompted_correct = prompted_correct + excluded.prompted_correct; END")},
    };
    return steps;
}

// Keeps the median of each session `sessionsSql` selects, as the end of a session does.
void storeMedians(RecordsFile& file, const QString& sessionsSql)
{
    auto sessions = file.prepared(sessionsSql);
    file.exec(sessions);
    QList<qint64> ids;
    while (sessions.next())
        ids.append(sessions.value(0).toLongLong());
    auto update = file.prepared(QStringLiteral("UPDATE sessions SET median_ms = ?, median_done = 1 WHERE id = ?"));
    for (const auto id : ids) {
        const auto median = medianResponseMs(file, id);
        update.addBindValue(median ? QVariant(*median) : QVariant());
        update.addBindValue(id);
        file.exec(update);
    }
}

} // namespace

Kind kindOf(const QStringList& tables, int version)
{
    const bool foreignTable = std::any_of(tables.cbegin(), tables.cend(),
                                          [](const QString& name) { return !recordsTables().contains(name); });
    if (foreignTable || (tables.isEmpty() && version != 0))
        return Kind::NotRecords;
    return version > Version ? Kind::Later : Kind::Records;
}

RuntimeError laterVersion(const QString& filePath)
{
    return {RecordsErrorNumber::NewerVersion,
            //: %1 is the records file's path
            QCoreApplication::translate("RecordsSchema", "The records file %1 was written by a later version of Tessarine; "
                                                         "records are not kept")
                .arg(QDir::toNativeSeparators(filePath))};
}

int version(RecordsFile& file)
{
    auto query = file.prepared(QStringLiteral("PRAGMA user_version"));
    file.exec(query);
    return query.next() ? query.value(0).toInt() : 0;
}

void migrate(RecordsFile& file)
{
    file.exec(QStringLiteral("BEGIN IMMEDIATE"));
    try {
        const int from = version(file);
        if (from > Version)
            throw laterVersion(file.filePath());
        const auto& steps = migrationSteps();
        for (int to = from + 1; to <= Version; ++to) {
            for (const auto& statement : steps[to - 1])
                file.exec(statement);
        }
        if (from >= 1 && from < 2)
            storeMedians(file, QStringLiteral("SELECT id FROM sessions"));
        else if (from >= 2 && from < 4)
            storeMedians(file, QStringLiteral("SELECT DISTINCT s.id FROM sessions s JOIN sets st ON st.session_id = s.id"
                                              " WHERE st.error <> '' AND s.median_done = 1"));
        if (from != Version)
            file.exec(QStringLiteral("PRAGMA user_version=%1").arg(Version));
        file.exec(QStringLiteral("COMMIT"));
    } catch (...) {
        QSqlQuery(file.database()).exec(QStringLiteral("ROLLBACK"));
        throw;
    }
}

std::optional<double> medianResponseMs(RecordsFile& file, qint64 sessionId)
{
    auto query = file.prepared(QStringLiteral("SELECT c.response_ms FROM clicks c JOIN sets st ON st.id = c.set_id"
                                              " WHERE st.session_id = ? AND c.first_try = 1 ORDER BY c.response_ms"));
    query.setForwardOnly(true);
    query.addBindValue(sessionId);
    file.exec(query);
    std::vector<double> times;
    while (query.next())
        times.push_back(query.value(0).toDouble());
    if (times.empty())
        return std::nullopt;
    const auto middle = times.size() / 2;
    return times.size() % 2 == 1 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
}

} // namespace tessarine::RecordsSchema
