#include "RecordsBench.h"

#include "BenchSupport.h"

#include "platform/doubles/TestDoubles.h"
#include "records/RecordsModel.h"
#include "records/RecordsPrompts.h"
#include "records/RecordsStore.h"
#include "records/RecordsWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <cstdio>
#include <memory>
#include <stdexcept>

namespace tessarine::bench {

namespace {

// Stops the benchmark when filling fails, so that no figure is measured over a learner left empty.
void must(bool done, const QSqlQuery& query)
{
    if (!done)
        throw std::runtime_error("filling the records failed: " + query.lastError().text().toStdString());
}

// The id the statement's RETURNING id gave, on either database.
QVariant returnedId(QSqlQuery& insert)
{
    must(insert.exec() && insert.next(), insert);
    const auto id = insert.value(0);
    insert.finish();
    return id;
}

void fillSessions(QSqlDatabase& db, qint64 learnerId, int sessions, int setsPerSession)
{
    QSqlQuery q(db);
    must(q.exec(QStringLiteral("BEGIN")), q);
    QSqlQuery session(db), set(db), clicks(db);
    must(session.prepare(QStringLiteral("INSERT INTO sessions (learner_id, started, options, program_version,"
                                        " program_folder, uuid, computer, desktop_user)"
                                        " VALUES (?, ?, '{}', '1.0.0', '/opt/tessarine', ?, 'classroom-2', 'teacher')"
                                        " RETURNING id")),
         session);
    must(set.prepare(QStringLiteral("INSERT INTO sets (session_id, number, object, caption, symbol_right,"
                                    " symbol_distractor, symbol_right_element, attribute_right, attribute_distractor,"
                                    " attribute_right_element, error, ended_by) VALUES (?, ?, ?, 'CAPTION', 's.jpg',"
                                    " 'd.jpg', 0, 'a.b.jpg', 'a.c.jpg', 1, '', 'next in sequence') RETURNING id")),
         set);
    // Both clicks of a set in one statement, which halves the trips to a server.
    must(clicks.prepare(QStringLiteral("INSERT INTO clicks (set_id, row, element, file, correct, first_try, response_ms,"
                                       " ordinal) VALUES (?, 'symbol', ?, 's.jpg', ?, 1, ?, 1),"
                                       " (?, 'attribute', ?, 's.jpg', ?, 1, ?, 2)")),
         clicks);
    const auto start = QDateTime(QDate(2025, 1, 1), QTime(9, 0), Qt::UTC);
    const auto& objects = recordsObjects();
    for (int s = 0; s < sessions; ++s) {
        session.addBindValue(learnerId);
        session.addBindValue(start.addDays(s).toString(Qt::ISODateWithMs));
        session.addBindValue(QUuid::createUuid().toString(QUuid::WithoutBraces));
        const auto sessionId = returnedId(session);
        for (int n = 1; n <= setsPerSession; ++n) {
            set.addBindValue(sessionId);
            set.addBindValue(n);
            set.addBindValue(objects[(s + n) % objects.size()]);
            const auto setId = returnedId(set);
            for (int row = 0; row < 2; ++row) {
                clicks.addBindValue(setId);
                clicks.addBindValue(n % 2);
                clicks.addBindValue((n * 7 + s) % 10 < 7 + s * 3 / sessions ? 1 : 0);
                clicks.addBindValue(400 + (n * 37 + s * 11) % 2000);
            }
            must(clicks.exec(), clicks);
        }
    }
    must(q.exec(QStringLiteral("COMMIT")), q);
}

} // namespace

const QStringList& recordsObjects()
{
    static const QStringList objects{QStringLiteral("cup.colour.red.jpg"),    QStringLiteral("cup.colour.blue.jpg"),
                                     QStringLiteral("ball.colour.red.jpg"),   QStringLiteral("ball.number.two.jpg"),
                                     QStringLiteral("star.number.three.jpg"), QStringLiteral("tree.colour.green.jpg"),
                                     QStringLiteral("car.colour.yellow.jpg"), QStringLiteral("fish.number.one.jpg")};
    return objects;
}

void fillLearner(RecordsStore& store, const QString& learner, int sessions, int setsPerSession)
{
    const auto learnerId = store.ensureLearner(learner);
    const auto name = QStringLiteral("fill");
    {
        auto db = QSqlDatabase::addDatabase(store.onServer() ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE"), name);
        if (store.onServer())
            db.setConnectOptions(store.filePath());
        else
            db.setDatabaseName(store.filePath());
        if (!db.open())
            throw std::runtime_error("cannot open " + store.filePath().toStdString() + ": "
                                     + db.lastError().text().toStdString());
        fillSessions(db, learnerId, sessions, setsPerSession);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    // Ending each session through the store, as the recorder does, keeps its median.
    const auto ids = store.progress(learner, {}).sessions;
    for (const auto& session : ids)
        store.endSession(session.id, session.started.addSecs(1200));
}

double openRecordsWindowMs(const QString& records, bool onServer, const QString& learner)
{
    doubles::RecordingMessageBox box;
    QtRecordsPrompts prompts;
    QElapsedTimer timer;
    timer.start();
    auto store = onServer ? std::make_unique<RecordsStore>(RecordsFile::Server{records})
                          : std::make_unique<RecordsStore>(records);
    store->open();
    const double t0 = msSince(timer);
    RecordsModel model(*store, learner);
    const double t1 = msSince(timer);
    RecordsWindow window(model, prompts, box);
    const double t2 = msSince(timer);
    window.show();
    QApplication::processEvents();
    window.repaint();
    if (qEnvironmentVariableIsSet("BENCH_PARTS"))
        std::printf("open %.1f reload %.1f window %.1f paint %.1f\n", t0, t1 - t0, t2 - t1, msSince(timer) - t2);
    const double ms = msSince(timer);
    if (!box.shown.isEmpty())
        throw std::runtime_error(box.shown.first().toStdString());
    return ms;
}

} // namespace tessarine::bench
