// The records on a real PostgreSQL server, started for these tests in a temporary folder: the same
// store as the records file, several computers at once, a server that goes away and sending what
// waited on this computer.

#include "RecordsFixture.h"
#include "support/ThrowawayPostgres.h"

#include "platform/doubles/TestDoubles.h"
#include "records/RecordsError.h"
#include "records/RecordsExport.h"
#include "records/RecordsModel.h"
#include "records/RecordsSending.h"

#include <QBuffer>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

using namespace tessarine;
using namespace tessarine::testing;

namespace {

QByteArray csvOf(RecordsStore& store, const QString& learner)
{
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    writeRecordsCsv(store, learner, out);
    return out.data();
}

// A recorder over open records with clocks the test moves by hand, going on in `localFile` when the
// server stops answering.
struct ServerRecorder {
    ServerRecorder(std::unique_ptr<RecordsStore> store, IMessageBox& box, const QString& localFile, bool unsent = false)
        : recorder(std::move(store), box, {[this] { return ms; }, [this] { return now; }},
                   {[localFile] {
                        auto local = std::make_unique<RecordsStore>(localFile);
                        local->open();
                        return local;
                    },
                    [this](const RuntimeError& error) { told.append(error.description()); }, unsent})
    {
    }
    qint64 ms = 0;
    QDateTime now = QDateTime(QDate(2026, 3, 2), QTime(9, 30), Qt::UTC);
    QStringList told;
    SessionRecorder recorder;
};

// `clicks` sets of one right click in each row, a second apart.
void recordClicks(ServerRecorder& r, const QString& learner, int sets, const std::function<void(int)>& afterSet = {})
{
    r.recorder.sessionStarted({learner, {}, QStringLiteral("1.0.0"), QStringLiteral("/opt/tessarine")});
    const AnswerLog::Set set{
        "cup.colour.red.jpg", "CUP", {"cup.jpg", "other.jpg", 0}, {"colour.red.jpg", "colour.blue.jpg", 1}, {}};
    for (int i = 0; i < sets; ++i) {
        r.recorder.setShown(set);
        r.ms += 1000;
        r.recorder.clicked(AnswerLog::Row::Symbol, 0, set.symbols.right, true, false);
        r.recorder.rowVisible(AnswerLog::Row::Attribute);
        r.ms += 500;
        r.recorder.clicked(AnswerLog::Row::Attribute, 1, set.attributes.right, i % 3 != 0, false);
        r.recorder.setEnded(AnswerLog::SetEnd::NextInSequence);
        if (afterSet)
            afterSet(i);
    }
    r.recorder.sessionEnded();
    r.now = r.now.addDays(1);
}

std::unique_ptr<RecordsStore> openServer(const QString& connection)
{
    auto store = std::make_unique<RecordsStore>(RecordsFile::Server{connection});
    store->open();
    return store;
}

// The child processes: one computer recording a session, or sending what waits in a file.
int childMain(const QStringList& args)
{
    doubles::RecordingMessageBox box;
    if (args.value(1) == QLatin1String("--record")) {
        ServerRecorder r(openServer(args.value(2)), box, QString());
        recordClicks(r, args.value(3), args.value(4).toInt() / 2);
    } else if (args.value(1) == QLatin1String("--send")) {
        RecordsStore local(args.value(3));
        local.open();
        sendUnsent(local, *openServer(args.value(2)));
    }
    return box.shown.isEmpty() ? 0 : 3;
}

} // namespace

class TestRecordsServer : public QObject {
    Q_OBJECT

    std::unique_ptr<ThrowawayPostgres> m_server;
    QTemporaryDir m_dir;
    QString m_connection;

    QString file() const { return m_dir.filePath(QStringLiteral("records.sqlite")); }

private Q_SLOTS:
    void initTestCase()
    {
        m_server = std::make_unique<ThrowawayPostgres>();
        if (!m_server->isRunning())
            QSKIP(qPrintable(m_server->skipReason()));
    }
    // Each test on a database of its own, and a records file of its own.
    void init()
    {
        m_connection = m_server->newDatabase();
        QVERIFY(!m_connection.isEmpty());
        QFile::remove(file());
    }

    void migrationsRunOnBoth()
    {
        for (int round = 0; round < 2; ++round) {
            RecordsStore store(RecordsFile::Server{m_connection});
            QVERIFY(!store.open());
            QCOMPARE(store.schemaVersion(), RecordsSchema::Version);
        }
        QCOMPARE(serverRows(m_connection, "SELECT count(*) FROM schema_version"), QStringList{"1"});
        const QStringList tables{"clicks", "learners", "schema_version", "scores", "sessions", "sets"};
        QCOMPARE(serverRows(m_connection, "SELECT table_name FROM information_schema.tables"
                                          " WHERE table_schema = 'public' ORDER BY 1"),
                 tables);
        // The same columns as a new file, in the same order.
        RecordsStore local(file());
        QVERIFY(!local.open());
        for (const auto& table : QStringList{"learners", "sessions", "sets", "clicks", "scores"}) {
            QStringList fileColumns;
            for (const auto& row : sqlRows(file(), QStringLiteral("PRAGMA table_info(%1)").arg(table)))
                fileColumns.append(row.section(u'|', 1, 1));
            QCOMPARE(serverRows(m_connection, QStringLiteral("SELECT column_name FROM information_schema.columns WHERE"
                                                             " table_name = '%1' ORDER BY ordinal_position")
                                                  .arg(table)),
                     fileColumns);
        }
        // A later version's server, and a database of another program, are left as they are.
        serverRows(m_connection, "UPDATE schema_version SET version = version + 1");
        try {
            RecordsStore later(RecordsFile::Server{m_connection});
            later.open();
            QFAIL("a later version's records were taken");
        } catch (const RuntimeError& error) {
            QCOMPARE(error.number(), RecordsErrorNumber::NewerVersion);
        }
        const auto other = m_server->connectionString(QStringLiteral("postgres"));
        serverRows(other, "CREATE TABLE invoices (id INTEGER)");
        try {
            RecordsStore foreign(RecordsFile::Server{other});
            foreign.open();
            QFAIL("another program's database was taken");
        } catch (const RuntimeError& error) {
            QCOMPARE(error.number(), RecordsErrorNumber::NotRecords);
        }
        QCOMPARE(serverRows(other, "SELECT count(*) FROM information_schema.tables WHERE table_schema = 'public'"),
                 QStringList{"1"});
    }

    void sameSessionsGiveTheSameRecordsOnBoth()
    {
        doubles::RecordingMessageBox box;
        {
            ScriptedRecorder onFile(file(), box);
            ScriptedRecorder onServer(openServer(m_connection), box);
            for (auto* r : {&onFile, &onServer}) {
                // A session that a crash cut off: it has no end, and its median is worked out as it is read.
                r->recorder.sessionStarted({QStringLiteral("Ada"), {}, QStringLiteral("1.0.0"), QStringLiteral("/opt")});
                r->recorder.setShown({"cup.colour.red.jpg", "CUP", {"cup.jpg", "b.jpg", 0}, {"colour.red.jpg", "c.jpg", 1}, {}});
                r->ms += 800;
                r->recorder.clicked(AnswerLog::Row::Symbol, 0, QStringLiteral("cup.jpg"), true, false);
                // Wrong first tries, a set that failed to compose, names beyond ASCII, in any case.
                recordSession(*r, QStringLiteral("Ada"), QStringLiteral("cup.colour.red.jpg"), 6, 4, 1);
                recordSession(*r, QStringLiteral("Ada"), QStringLiteral("ball.number.two.jpg"), 3, 3);
                recordSession(*r, QStringLiteral("émile"), QStringLiteral("cup.colour.red.jpg"), 2, 1);
                recordSession(*r, QStringLiteral("bea"), QStringLiteral("cup.colour.red.jpg"), 1, 0);
                recordSession(*r, QStringLiteral("Zoe"), QStringLiteral("cup.colour.red.jpg"), 1, 1);
            }
        }
        QVERIFY2(box.shown.isEmpty(), qPrintable(box.shown.join(u'\n')));
        RecordsStore local(file());
        QVERIFY(!local.open());
        auto server = openServer(m_connection);
        QCOMPARE(server->learners(), (QStringList{"Ada", "bea", "Zoe", "émile"}));
        QCOMPARE(server->learners(), local.learners());
        for (const auto& learner : local.learners()) {
            QCOMPARE(csvOf(*server, learner), csvOf(local, learner));
            RecordsModel onFile(local, learner);
            RecordsModel onServer(*server, learner);
            QCOMPARE(onServer.sessionRows(), onFile.sessionRows());
            QCOMPARE(onServer.sessionRows().size(), learner == QLatin1String("Ada") ? 3 : 1);
            QCOMPARE(onServer.targetRows(), onFile.targetRows());
        }
        QVERIFY(csvOf(*server, QStringLiteral("Ada")).count('\n') > 20);
        // The command line reads the server as it reads the file.
        QString errors;
        QTextStream err(&errors);
        const auto fromServer = m_dir.filePath(QStringLiteral("server.csv"));
        QCOMPARE(exportRecordsCommand(QStringLiteral("Ada"), fromServer, err, QString(), m_connection), 0);
        QFile exported(fromServer);
        QVERIFY(exported.open(QIODevice::ReadOnly));
        QCOMPARE(exported.readAll(), csvOf(local, QStringLiteral("Ada")));
        QCOMPARE(exportRecordsCommand(QStringLiteral("Nobody"), fromServer, err, QString(), m_connection), 2);
        QVERIFY(errors.contains(QStringLiteral("no records of the learner \"Nobody\"")));
        // Deleted on the server, a learner is gone for every computer that reads it.
        server->deleteLearner(QStringLiteral("Ada"));
        QCOMPARE(openServer(m_connection)->learners(), (QStringList{"bea", "Zoe", "émile"}));
        QCOMPARE(serverRows(m_connection, "SELECT count(*) FROM sessions s JOIN learners l ON l.id = s.learner_id"
                                          " WHERE l.name = 'Ada'"),
                 QStringList{"0"});
    }

    // Two computers, as two desktop users, record one learner at once on a server neither has seen.
    void twoComputersRecordAtOnce()
    {
        QList<QProcess*> children;
        for (const auto* user : {"ann", "ben"}) {
            auto* child = new QProcess(this);
            auto environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("USER"), QString::fromLatin1(user));
            child->setProcessEnvironment(environment);
            child->setProcessChannelMode(QProcess::ForwardedChannels);
            child->start(QCoreApplication::applicationFilePath(),
                         {QStringLiteral("--record"), m_connection, QStringLiteral("Kim"), QStringLiteral("200")});
            children.append(child);
        }
        for (auto* child : children) {
            QVERIFY(child->waitForFinished(120000));
            QCOMPARE(child->exitCode(), 0);
        }
        // Each session whole, its clicks numbered without a gap, counted in its own scores.
        QCOMPARE(serverRows(m_connection, "SELECT s.desktop_user, s.computer <> '', s.set_count, count(c.id), min(c.ordinal),"
                                          " max(c.ordinal), count(DISTINCT st.id), s.median_done FROM sessions s"
                                          " JOIN sets st ON st.session_id = s.id JOIN clicks c ON c.set_id = st.id"
                                          " GROUP BY s.id ORDER BY 1"),
                 (QStringList{"ann|true|100|200|1|2|100|1", "ben|true|100|200|1|2|100|1"}));
        QCOMPARE(serverRows(m_connection, "SELECT sum(trials), sum(correct) FROM scores"), QStringList{"400|332"});
        QCOMPARE(serverRows(m_connection, "SELECT count(*) FROM learners"), QStringList{"1"});
        // A third computer reading sees both.
        RecordsModel model(*openServer(m_connection), QStringLiteral("Kim"));
        QCOMPARE(model.sessionRows().size(), 2);
    }

    // The server stops in the middle of a session and comes back: the session goes on in the file,
    // said once, and sending it completes what the server has, click for click.
    void serverGoneMidSessionLosesNothing()
    {
        doubles::RecordingMessageBox box;
        {
            ServerRecorder r(openServer(m_connection), box, file());
            recordClicks(r, QStringLiteral("Kim"), 40, [&](int set) {
                if (set == 14)
                    QVERIFY(m_server->stop());
            });
            // The next session starts with the server still away, and is kept on this computer too.
            recordClicks(r, QStringLiteral("Kim"), 5);
            QCOMPARE(r.told.size(), 1);
            QVERIFY(box.shown.isEmpty());
        }
        QVERIFY(m_server->start());
        QCOMPARE(serverRows(m_connection, "SELECT count(*) FROM clicks"), QStringList{"30"});
        RecordsStore local(file());
        QVERIFY(!local.open());
        QCOMPARE(local.unsentSessions().size(), 2);
        auto server = openServer(m_connection);
        QCOMPARE(sendUnsent(local, *server), 2);
        QCOMPARE(sendUnsent(local, *server), 0);
        QCOMPARE(serverRows(m_connection, "SELECT s.set_count, count(c.id), count(DISTINCT (c.set_id, c.ordinal)),"
                                          " s.ended IS NOT NULL, s.median_done FROM sessions s JOIN sets st"
                                          " ON st.session_id = s.id JOIN clicks c ON c.set_id = st.id"
                                          " GROUP BY s.id ORDER BY s.started"),
                 (QStringList{"40|80|80|true|1", "5|10|10|true|1"}));
        QCOMPARE(serverRows(m_connection, "SELECT count(*) FROM sets WHERE ended_by IS NULL"), QStringList{"0"});
        // What the server shows is what one computer would have kept of the same sessions.
        doubles::RecordingMessageBox quiet;
        QTemporaryDir other;
        auto file = std::make_unique<RecordsStore>(other.filePath("r.sqlite"));
        file->open();
        ServerRecorder unbroken(std::move(file), quiet, QString());
        recordClicks(unbroken, QStringLiteral("Kim"), 40);
        recordClicks(unbroken, QStringLiteral("Kim"), 5);
        RecordsStore reference(other.filePath("r.sqlite"));
        reference.open();
        QCOMPARE(csvOf(*server, QStringLiteral("Kim")), csvOf(reference, QStringLiteral("Kim")));
        QCOMPARE(RecordsModel(*server, "Kim").sessionRows(), RecordsModel(reference, "Kim").sessionRows());
        QCOMPARE(local.unsentSessions(), QStringList());
    }

    // Sending is killed while a session is half on its way, then done again: every session once.
    void sendKilledHalfWayAndRepeated()
    {
        doubles::RecordingMessageBox box;
        {
            // Kept on this computer while the server was away.
            auto local = std::make_unique<RecordsStore>(file());
            local->open();
            ServerRecorder r(std::move(local), box, QString(), true);
            for (int i = 0; i < 5; ++i)
                recordClicks(r, QStringLiteral("Kim"), 10);
        }
        RecordsStore local(file());
        QVERIFY(!local.open());
        const auto uuids = local.unsentSessions();
        QCOMPARE(uuids.size(), 5);
        // One whole session reached the server before a crash could remove it here.
        openServer(m_connection)->mergeSession(local.copySession(uuids[0]));
        // Another client holds the third session's uuid in a transaction, so that sending stops
        // in the middle of it, with two sessions sent.
        auto holder = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("holder"));
        holder.setConnectOptions(m_connection);
        QVERIFY(holder.open());
        {
            QSqlQuery hold(holder);
            QVERIFY(hold.exec("BEGIN"));
            QVERIFY(hold.exec(QStringLiteral("INSERT INTO sessions (learner_id, started, options, program_version,"
                                             " program_folder, uuid) SELECT id, 'x', '{}', '', '', '%1' FROM learners")
                                  .arg(uuids[2])));
            QProcess sender;
            sender.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--send"), m_connection, file()});
            QVERIFY(sender.waitForStarted());
            QTRY_COMPARE_WITH_TIMEOUT(serverRows(m_connection, "SELECT count(*) FROM pg_locks WHERE NOT granted"),
                                      QStringList{"1"}, 30000);
            QCOMPARE(serverRows(m_connection, "SELECT count(*) FROM sessions"), QStringList{"2"});
            ::kill(static_cast<pid_t>(sender.processId()), SIGKILL);
            QVERIFY(sender.waitForFinished());
            QVERIFY(hold.exec("ROLLBACK"));
        }
        holder.close();
        holder = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("holder"));
        QCOMPARE(local.unsentSessions(), uuids.mid(2));
        QCOMPARE(sendUnsent(local, *openServer(m_connection)), 3);
        QCOMPARE(serverRows(m_connection, "SELECT count(*), count(DISTINCT uuid), sum(set_count) FROM sessions"),
                 QStringList{"5|5|50"});
        QCOMPARE(serverRows(m_connection, "SELECT count(*) FROM clicks"), QStringList{"100"});
    }
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (app.arguments().size() > 1 && app.arguments().at(1).startsWith(QLatin1String("--")))
        return childMain(app.arguments());
    TestRecordsServer test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_records_server.moc"
