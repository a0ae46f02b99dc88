// Learner records on a school's PostgreSQL server against the same records in this computer's file:
// recording a click through the recorder, over the loopback (TCP to 127.0.0.1) and into the file;
// and opening the Records window for a learner with 100,000 clicks over 500 sessions (and for one
// with 100), read from either. The server is a throwaway one in a temporary folder, syncing its
// commits to the disk as a school's server does; the file is SQLite with its write-ahead log and
// full sync, as the program keeps it.
// Run by hand: bench_records_server [--clicks N] [--runs N] [--no-vacuum]; --smoke runs it once on
// tiny inputs; --no-vacuum reads the server's tables as the filling in one transaction left them.
// Without PostgreSQL's server programs it says so and measures nothing. BENCH_PARTS=1 prints where
// each opening of the window spends its time.

#include "BenchSupport.h"
#include "RecordsBench.h"
#include "support/ThrowawayPostgres.h"

#include "platform/doubles/TestDoubles.h"
#include "records/RecordsStore.h"
#include "records/SessionRecorder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <vector>

using namespace tessarine;
using tessarine::testing::ThrowawayPostgres;

namespace {

std::unique_ptr<RecordsStore> openServer(const QString& connection)
{
    auto store = std::make_unique<RecordsStore>(RecordsFile::Server{connection});
    store->open();
    return store;
}

struct Clicks {
    std::vector<double> server;
    std::vector<double> file;
};

// A click through each recorder in turn, the first of its set, so that it also keeps the set's
// first-try score; which one goes first alternates, so that both see the same disk and cache.
Clicks recordClicks(SessionRecorder& server, SessionRecorder& file, int clicks)
{
    const AnswerLog::Set set{bench::recordsObjects()[0],
                             QStringLiteral("CUP RED"),
                             {QStringLiteral("cup.jpg"), QStringLiteral("ball.jpg"), 0},
                             {QStringLiteral("colour.red.jpg"), QStringLiteral("colour.blue.jpg"), 1},
                             {}};
    const AnswerLog::Session session{QStringLiteral("Bench"), {}, QStringLiteral("1.0.0"), QStringLiteral("/opt/tessarine")};
    server.sessionStarted(session);
    file.sessionStarted(session);
    Clicks result;
    QElapsedTimer timer;
    const auto click = [&](SessionRecorder& recorder, std::vector<double>& times) {
        recorder.setShown(set);
        timer.start();
        recorder.clicked(AnswerLog::Row::Symbol, 0, QStringLiteral("cup.jpg"), true, false);
        times.push_back(bench::msSince(timer));
        recorder.setEnded(AnswerLog::SetEnd::NextInSequence);
    };
    for (int i = 0; i < clicks; ++i) {
        if (i % 2 == 0) {
            click(server, result.server);
            click(file, result.file);
        } else {
            click(file, result.file);
            click(server, result.server);
        }
    }
    server.sessionEnded();
    file.sessionEnded();
    return result;
}

// 1. A click through the recorder on the server and in the file. The first clicks of each
// prepare the recorder's statement and are not counted.
void measureClicks(ThrowawayPostgres& server, const QTemporaryDir& dir, int clicks)
{
    doubles::RecordingMessageBox box;
    SessionRecorder onServer(openServer(server.loopbackConnectionString()), box);
    SessionRecorder inFile(dir.filePath(QStringLiteral("recorded.sqlite")), box);
    recordClicks(onServer, inFile, 5);
    const auto times = recordClicks(onServer, inFile, clicks);
    if (!box.shown.isEmpty())
        throw std::runtime_error(box.shown.first().toStdString());
    const auto s = bench::summarise(times.server);
    const auto f = bench::summarise(times.file);
    std::printf("click: server over the loopback median %.3f ms (p95 %.3f), file median %.3f ms (p95 %.3f), "
                "ratio %.2f (%d clicks each)\n",
                s.median, s.p95, f.median, f.p95, s.median / f.median, clicks);
}

// Leaves the server's tables as the same history recorded event by event would have: filled in one
// transaction, the triggers' 150,000 updates of the sessions' set counts and of the scores leave
// every old row version behind (a page for each session's row) and the planner without statistics,
// where one transaction per event lets each page be pruned as it fills.
void vacuum(const QString& connection)
{
    const auto name = QStringLiteral("vacuum");
    {
        auto db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        db.setConnectOptions(connection);
        QSqlQuery query(db);
        if (!db.open() || !query.exec(QStringLiteral("VACUUM FULL ANALYZE")))
            throw std::runtime_error("cannot vacuum the server's records: " + query.lastError().text().toStdString());
    }
    QSqlDatabase::removeDatabase(name);
}

// 2. The Records window for a large and a small learner, the same history on the server and in the
// file.
void measureWindow(ThrowawayPostgres& server, const QTemporaryDir& dir, int sessions, int setsPerSession, int runs, bool vacuumed)
{
    if (!server.createDatabase(QStringLiteral("history")))
        throw std::runtime_error("cannot make the server's database: " + server.skipReason().toStdString());
    const auto connection = server.loopbackConnectionString(QStringLiteral("history"));
    const auto file = dir.filePath(QStringLiteral("history.sqlite"));
    {
        RecordsStore onServer(RecordsFile::Server{connection});
        onServer.open();
        RecordsStore inFile(file);
        inFile.open();
        for (RecordsStore* store : {&onServer, &inFile}) {
            bench::fillLearner(*store, QStringLiteral("Large"), sessions, setsPerSession);
            bench::fillLearner(*store, QStringLiteral("Small"), 2, 25);
        }
    }
    if (vacuumed)
        vacuum(connection);
    std::vector<double> serverLarge, fileLarge, serverSmall, fileSmall;
    for (int i = 0; i < runs; ++i) {
        serverLarge.push_back(bench::openRecordsWindowMs(connection, true, QStringLiteral("Large")));
        fileLarge.push_back(bench::openRecordsWindowMs(file, false, QStringLiteral("Large")));
        serverSmall.push_back(bench::openRecordsWindowMs(connection, true, QStringLiteral("Small")));
        fileSmall.push_back(bench::openRecordsWindowMs(file, false, QStringLiteral("Small")));
    }
    const auto sl = bench::summarise(serverLarge);
    const auto fl = bench::summarise(fileLarge);
    const auto ss = bench::summarise(serverSmall);
    const auto fs = bench::summarise(fileSmall);
    std::printf("records window, %d clicks: server median %.1f ms (p95 %.1f), file median %.1f ms (p95 %.1f), "
                "ratio %.2f; 100 clicks: server %.1f ms, file %.1f ms, ratio %.2f (%d runs)\n",
                sessions * setsPerSession * 2, sl.median, sl.p95, fl.median, fl.p95, sl.median / fl.median, ss.median, fs.median,
                ss.median / fs.median, runs);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const bool smoke = bench::hasFlag(argc, argv, "--smoke");
    const int clicks = smoke ? 5 : bench::intOption(argc, argv, "--clicks", 400);
    const int runs = smoke ? 1 : bench::intOption(argc, argv, "--runs", 15);

    ThrowawayPostgres server(ThrowawayPostgres::Listen::SocketAndLoopback, ThrowawayPostgres::Sync::On);
    if (!server.isRunning()) {
        std::printf("records on a server: skipped, no server to measure (%s)\n", qPrintable(server.skipReason()));
        return 0;
    }
    // A failure unwinds, rather than aborting, so that the server is stopped and its folder removed.
    try {
        QTemporaryDir dir;
        measureClicks(server, dir, clicks);
        measureWindow(server, dir, smoke ? 5 : 500, smoke ? 20 : 100, runs, !bench::hasFlag(argc, argv, "--no-vacuum"));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_records_server: %s\n", error.what());
        return 1;
    }
    return 0;
}
