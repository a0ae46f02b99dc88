// Learner records: recording a click through the recorder against a bare Qt SQL insert of the same
// row into an SQLite file set up the same way (write-ahead log, full sync) but holding only a table
// of the click's columns; and opening the Records window
// for a learner with 100,000 clicks over 500 sessions against one with 100 clicks.
// Run by hand: bench_records [--clicks N] [--runs N]; --smoke runs it once on tiny inputs;
// BENCH_PARTS=1 prints where each opening of the window spends its time.

#include "BenchSupport.h"

#include "platform/doubles/TestDoubles.h"
#include "records/RecordsModel.h"
#include "records/RecordsPrompts.h"
#include "records/RecordsStore.h"
#include "records/RecordsWindow.h"
#include "records/SessionRecorder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <vector>

using namespace tessarine;

namespace {

const QStringList Objects{QStringLiteral("cup.colour.red.jpg"),    QStringLiteral("cup.colour.blue.jpg"),
                          QStringLiteral("ball.colour.red.jpg"),   QStringLiteral("ball.number.two.jpg"),
                          QStringLiteral("star.number.three.jpg"), QStringLiteral("tree.colour.green.jpg"),
                          QStringLiteral("car.colour.yellow.jpg"), QStringLiteral("fish.number.one.jpg")};

// Stops the benchmark when filling fails, so that no figure is measured over a learner left empty.
void must(bool done, const QSqlQuery& query)
{
    if (!done)
        qFatal("filling the records failed: %s", qPrintable(query.lastError().text()));
}

// Writes a learner's history straight into the file in one transaction, as sessions would have.
void fillLearner(RecordsStore& store, const QString& file, const QString& learner, int sessions, int setsPerSession)
{
    const auto learnerId = store.ensureLearner(learner);
    auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
    db.setDatabaseName(file);
    if (!db.open())
        qFatal("cannot open %s", qPrintable(file));
    {
        QSqlQuery q(db);
        must(q.exec(QStringLiteral("BEGIN")), q);
        QSqlQuery session(db), set(db), click(db);
        session.prepare(QStringLiteral("INSERT INTO sessions (learner_id, started, options, program_version,"
                                       " program_folder) VALUES (?, ?, '{}', '1.0.0', '/opt/tessarine')"));
        set.prepare(QStringLiteral("INSERT INTO sets (session_id, number, object, caption, symbol_right,"
                                   " symbol_distractor, symbol_right_element, attribute_right, attribute_distractor,"
                                   " attribute_right_element, error, ended_by) VALUES (?, ?, ?, 'CAPTION', 's.jpg',"
                                   " 'd.jpg', 0, 'a.b.jpg', 'a.c.jpg', 1, '', 'next in sequence')"));
        click.prepare(QStringLiteral("INSERT INTO clicks (set_id, row, element, file, correct, first_try,"
                                     " response_ms) VALUES (?, ?, ?, 's.jpg', ?, 1, ?)"));
        const auto start = QDateTime(QDate(2025, 1, 1), QTime(9, 0), Qt::UTC);
        for (int s = 0; s < sessions; ++s) {
            session.addBindValue(learnerId);
            session.addBindValue(start.addDays(s).toString(Qt::ISODateWithMs));
            must(session.exec(), session);
            const auto sessionId = session.lastInsertId();
            for (int n = 1; n <= setsPerSession; ++n) {
                set.addBindValue(sessionId);
                set.addBindValue(n);
                set.addBindValue(Objects[(s + n) % Objects.size()]);
                must(set.exec(), set);
                const auto setId = set.lastInsertId();
                for (const auto* row : {"symbol", "attribute"}) {
                    click.addBindValue(setId);
                    click.addBindValue(QString::fromLatin1(row));
                    click.addBindValue(n % 2);
                    click.addBindValue((n * 7 + s) % 10 < 7 + s * 3 / sessions ? 1 : 0);
                    click.addBindValue(400 + (n * 37 + s * 11) % 2000);
                    must(click.exec(), click);
                }
            }
        }
        must(q.exec(QStringLiteral("COMMIT")), q);
    }
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
    // Ending each session through the store, as the recorder does, keeps its median.
    auto ids = store.progress(learner, {}).sessions;
    for (const auto& session : ids)
        store.endSession(session.id, session.started.addSecs(1200));
}

// Opening the window as the program will: open the file, read the learner, build and paint.
double openWindowMs(const QString& file, const QString& learner)
{
    doubles::RecordingMessageBox box;
    QtRecordsPrompts prompts;
    QElapsedTimer timer;
    timer.start();
    RecordsStore store(file);
    store.open();
    const double t0 = bench::msSince(timer);
    RecordsModel model(store, learner);
    const double t1 = bench::msSince(timer);
    RecordsWindow window(model, prompts, box);
    const double t2 = bench::msSince(timer);
    window.show();
    QApplication::processEvents();
    window.repaint();
    if (qEnvironmentVariableIsSet("BENCH_PARTS"))
        std::printf("open %.1f reload %.1f window %.1f paint %.1f\n", t0, t1 - t0, t2 - t1, bench::msSince(timer) - t2);
    const double ms = bench::msSince(timer);
    if (!box.shown.isEmpty())
        qFatal("%s", qPrintable(box.shown.first()));
    return ms;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const bool smoke = bench::hasFlag(argc, argv, "--smoke");
    const int clicks = smoke ? 5 : bench::intOption(argc, argv, "--clicks", 400);
    const int runs = smoke ? 1 : bench::intOption(argc, argv, "--runs", 15);
    QTemporaryDir dir;

    // 1. A click through the recorder and a bare insert of the same row, interleaved so that both
    // see the same disk.
    const auto recorded = dir.filePath(QStringLiteral("recorded.sqlite"));
    const auto bare = dir.filePath(QStringLiteral("bare.sqlite"));
    doubles::RecordingMessageBox box;
    SessionRecorder recorder(recorded, box);
    recorder.sessionStarted({QStringLiteral("Bench"), {}, QStringLiteral("1.0.0"), dir.path()});
    recorder.setShown({Objects[0],
                       QStringLiteral("CUP RED"),
                       {QStringLiteral("cup.jpg"), QStringLiteral("ball.jpg"), 0},
                       {QStringLiteral("colour.red.jpg"), QStringLiteral("colour.blue.jpg"), 1},
                       {}});
    // The baseline is a table of the same columns alone: no keys, no indexes, no trigger.
    const qint64 bareSetId = 1;
    auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bare"));
    db.setDatabaseName(bare);
    db.open();
    QSqlQuery(db).exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    QSqlQuery(db).exec(QStringLiteral("PRAGMA synchronous=FULL"));
    QSqlQuery(db).exec(QStringLiteral("CREATE TABLE clicks (id INTEGER PRIMARY KEY, set_id INTEGER NOT NULL,"
                                      " row TEXT NOT NULL, element INTEGER NOT NULL, file TEXT NOT NULL,"
                                      " correct INTEGER NOT NULL, first_try INTEGER NOT NULL,"
                                      " response_ms INTEGER NOT NULL)"));
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral("INSERT INTO clicks (set_id, row, element, file, correct, first_try, response_ms)"
                                  " VALUES (?, ?, ?, ?, ?, ?, ?)"));
    std::vector<double> recordMs, bareMs;
    QElapsedTimer timer;
    // Each timed click is the first in its set, so it also keeps the set's first-try score.
    const AnswerLog::Set set{Objects[0],
                             QStringLiteral("CUP RED"),
                             {QStringLiteral("cup.jpg"), QStringLiteral("ball.jpg"), 0},
                             {QStringLiteral("colour.red.jpg"), QStringLiteral("colour.blue.jpg"), 1},
                             {}};
    for (int i = 0; i < clicks; ++i) {
        recorder.setShown(set);
        timer.start();
        recorder.clicked(AnswerLog::Row::Symbol, 0, QStringLiteral("cup.jpg"), true, false);
        recordMs.push_back(bench::msSince(timer));
        timer.start();
        insert.bindValue(0, bareSetId);
        insert.bindValue(1, QStringLiteral("symbol"));
        insert.bindValue(2, 0);
        insert.bindValue(3, QStringLiteral("cup.jpg"));
        insert.bindValue(4, 1);
        insert.bindValue(5, 1);
        insert.bindValue(6, 1234);
        if (!insert.exec())
            qFatal("bare insert failed");
        bareMs.push_back(bench::msSince(timer));
    }
    if (!box.shown.isEmpty())
        qFatal("%s", qPrintable(box.shown.first()));
    const auto rec = bench::summarise(recordMs);
    const auto raw = bench::summarise(bareMs);
    std::printf("click: recorder median %.3f ms (p95 %.3f), bare insert median %.3f ms (p95 %.3f), ratio %.2f "
                "(%d clicks each)\n",
                rec.median, rec.p95, raw.median, raw.p95, rec.median / raw.median, clicks);

    // 2. The Records window for a large and a small learner in one file.
    const auto history = dir.filePath(QStringLiteral("history.sqlite"));
    {
        RecordsStore store(history);
        store.open();
        fillLearner(store, history, QStringLiteral("Large"), smoke ? 5 : 500, smoke ? 20 : 100);
        fillLearner(store, history, QStringLiteral("Small"), 2, 25);
    }
    std::vector<double> large, small;
    for (int i = 0; i < runs; ++i) {
        large.push_back(openWindowMs(history, QStringLiteral("Large")));
        small.push_back(openWindowMs(history, QStringLiteral("Small")));
    }
    const auto l = bench::summarise(large);
    const auto s = bench::summarise(small);
    std::printf("records window: %d clicks median %.1f ms (p95 %.1f); 100 clicks median %.1f ms (p95 %.1f); "
                "ratio %.2f (%d runs)\n",
                smoke ? 200 : 100000, l.median, l.p95, s.median, s.p95, l.median / s.median, runs);
    return 0;
}
