// Learner records: recording a click through the recorder against a bare Qt SQL insert of the same
// row into an SQLite file set up the same way (write-ahead log, full sync) but holding only a table
// of the click's columns; and opening the Records window
// for a learner with 100,000 clicks over 500 sessions against one with 100 clicks.
// Run by hand: bench_records [--clicks N] [--runs N]; --smoke runs it once on tiny inputs;
// BENCH_PARTS=1 prints where each opening of the window spends its time.

#include "BenchSupport.h"
#include "RecordsBench.h"

#include "platform/doubles/TestDoubles.h"
#include "records/RecordsStore.h"
#include "records/SessionRecorder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

using namespace tessarine;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const bool smoke = bench::hasFlag(argc, argv, "--smoke");
    const int clicks = smoke ? 5 : bench::intOption(argc, argv, "--clicks", 400);
    const int runs = smoke ? 1 : bench::intOption(argc, argv, "--runs", 15);
    QTemporaryDir dir;
    const auto& objects = bench::recordsObjects();

    // 1. A click through the recorder and a bare insert of the same row, interleaved so that both
    // see the same disk.
    const auto recorded = dir.filePath(QStringLiteral("recorded.sqlite"));
    const auto bare = dir.filePath(QStringLiteral("bare.sqlite"));
    doubles::RecordingMessageBox box;
    SessionRecorder recorder(recorded, box);
    recorder.sessionStarted({QStringLiteral("Bench"), {}, QStringLiteral("1.0.0"), dir.path()});
    recorder.setShown({objects[0],
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
    const AnswerLog::Set set{objects[0],
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
        bench::fillLearner(store, QStringLiteral("Large"), smoke ? 5 : 500, smoke ? 20 : 100);
        bench::fillLearner(store, QStringLiteral("Small"), 2, 25);
    }
    std::vector<double> large, small;
    for (int i = 0; i < runs; ++i) {
        large.push_back(bench::openRecordsWindowMs(history, false, QStringLiteral("Large")));
        small.push_back(bench::openRecordsWindowMs(history, false, QStringLiteral("Small")));
    }
    const auto l = bench::summarise(large);
    const auto s = bench::summarise(small);
    std::printf("records window: %d clicks median %.1f ms (p95 %.1f); 100 clicks median %.1f ms (p95 %.1f); "
                "ratio %.2f (%d runs)\n",
                smoke ? 200 : 100000, l.median, l.p95, s.median, s.p95, l.median / s.median, runs);
    return 0;
}
