// Whole runs of the program with the learners' records on a school's PostgreSQL server, started for
// these tests: several users' sessions seen together, a session recorded while the server was
// away, and the choice of the server in the Records window.

#include "RunFixture.h"

#include "about/frmAbout.h"
#include "exercise/frmMain.h"
#include "options/frmApertura.h"
#include "records/RecordsModel.h"
#include "records/RecordsPlaceBox.h"
#include "records/RecordsWindow.h"
#include "support/ExerciseFixture.h"
#include "support/ThrowawayPostgres.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

using namespace tessarine;
using namespace tessarine::testing;

namespace {

void useServer(Run& run, const QString& connection)
{
    run.settings.write(QStringLiteral("Records"), QStringLiteral("Server"), connection);
    run.settings.flush();
}

// `learner` answers `sets` sets right after "Start program"; the exercise is closed and the About
// window left, which ends the run.
void exerciseSession(Run& run, const QString& learner, int sets, const std::function<void(int)>& afterSet = {})
{
    frmApertura* options = run.flow.start();
    options->cboLearner->setEditText(learner);
    fromEventLoop([&] {
        click(options->OKButton);
        fromEventLoop([&] {
            frmMain* exercise = shown<frmMain>();
            QVERIFY(exercise);
            for (int set = 0; set < sets; ++set) {
                QTest::mouseClick(exercise->Simbolo[Exercise::rightElement(exercise->Simbolo)], Qt::LeftButton);
                QTest::mouseClick(exercise->Attributo[Exercise::rightElement(exercise->Attributo)], Qt::LeftButton);
                if (afterSet)
                    afterSet(set);
            }
            exercise->close();
            QTest::mouseClick(shown<frmAbout>()->cmdOK, Qt::LeftButton);
            QCoreApplication::exit(0);
        });
    });
    QCOMPARE(QCoreApplication::exec(), 0);
}

// The Records window of `learner`, opened from the options window as the user does.
RecordsWindow* openRecords(frmApertura* options, const QString& learner)
{
    options->cboLearner->setEditText(learner);
    click(options->cmdRecords);
    return shown<RecordsWindow>();
}

QStringList column(const QTableWidget* table, int c)
{
    QStringList texts;
    for (int r = 0; r < table->rowCount(); ++r)
        texts.append(table->item(r, c)->text());
    return texts;
}

int unsentIn(const QString& file)
{
    RecordsStore local(file);
    local.openForReading();
    return static_cast<int>(local.unsentSessions().size());
}

} // namespace

class TestRunServer : public QObject {
    Q_OBJECT

    std::unique_ptr<ThrowawayPostgres> m_server;
    QString m_connection;
    std::unique_ptr<QTemporaryDir> m_data;

private Q_SLOTS:
    void initTestCase()
    {
        m_server = std::make_unique<ThrowawayPostgres>();
        if (!m_server->isRunning())
            QSKIP(qPrintable(m_server->skipReason()));
    }
    void init()
    {
        m_data = std::make_unique<QTemporaryDir>();
        qputenv("XDG_DATA_HOME", m_data->path().toUtf8());
        m_connection = m_server->newDatabase();
        QVERIFY(!m_connection.isEmpty());
    }
    void cleanup() { qunsetenv("USER"); }

    // Two users, on two copies of the program, record sessions of one learner into one server; a
    // third copy lists the learner and shows both sessions, each with its user. None of them keeps
    // anything on its own computer.
    void twoUsersRecordAndAThirdSeesBoth()
    {
        for (const char* user : {"ann", "ben"}) {
            qputenv("USER", user);
            Run run;
            useServer(run, m_connection);
            exerciseSession(run, QStringLiteral("Kim"), 2);
            QVERIFY2(run.platform.messageBox.shown.isEmpty(), qPrintable(run.platform.messageBox.shown.join(u'\n')));
            QVERIFY(!QFileInfo::exists(run.records()));
        }
        qputenv("USER", "cleo");
        Run third;
        useServer(third, m_connection);
        frmApertura* options = third.flow.start();
        QCOMPARE(options->cboLearner->findText(QStringLiteral("Kim")), 0);
        RecordsWindow* records = openRecords(options, QStringLiteral("Kim"));
        QVERIFY(records);
        const int user = static_cast<int>(RecordsModel::sessionHeaders().indexOf(QStringLiteral("User")));
        QCOMPARE(column(records->tblSessions, user), (QStringList{"ann", "ben"}));
        // Each shows the set that came after the last one answered.
        QCOMPARE(column(records->tblSessions, 1), (QStringList{"3", "3"}));
        QCOMPARE(records->placeBox->cboPlace->currentIndex(), int(RecordsPlaceBox::SchoolServer));
        QVERIFY(third.platform.messageBox.shown.isEmpty());
    }

    // The server is away for a whole run: that is said once, and the session is kept on this
    // computer. The next run starts with the server still away, which comes back while the
    // options are open; the Records window offers what waits, and "Send now" sends it.
    void sessionWhileTheServerIsAwayArrivesOnceItIsBack()
    {
        QTemporaryDir computer;
        const QString file = computer.filePath(QStringLiteral("records.sqlite"));
        QVERIFY(m_server->stop());
        {
            Run run({"cup.colour.red.jpg", "pen.colour.blue.jpg"}, {"cup.jpg", "pen.jpg"}, file);
            useServer(run, m_connection);
            exerciseSession(run, QStringLiteral("Kim"), 3);
            toldOnce(run.platform.messageBox.shown, QStringLiteral("kept on this computer"));
            // This computer's records stood in: the learner's settings came from them as ever.
            QVERIFY(!run.platform.messageBox.shown[0].contains(QStringLiteral("settings file")));
        }
        QCOMPARE(unsentIn(file), 1);
        Run next({"cup.colour.red.jpg", "pen.colour.blue.jpg"}, {"cup.jpg", "pen.jpg"}, file);
        useServer(next, m_connection);
        frmApertura* options = next.flow.start();
        QCOMPARE(next.platform.messageBox.shown.size(), 1);
        QVERIFY(m_server->start());
        RecordsWindow* records = openRecords(options, QStringLiteral("Kim"));
        QVERIFY(records);
        // The server has nothing of Kim yet; this computer has a session waiting.
        QCOMPARE(records->tblSessions->rowCount(), 0);
        QVERIFY(records->placeBox->cmdSendNow->isVisible());
        QVERIFY(records->placeBox->lblUnsent->text().startsWith(QStringLiteral("1 session")));
        QPointer<RecordsWindow> old = records;
        click(records->placeBox->cmdSendNow);
        // The window is made again over what the server now holds.
        QTRY_VERIFY(!old && shown<RecordsWindow>());
        records = shown<RecordsWindow>();
        QCOMPARE(column(records->tblSessions, 1), QStringList{"4"});
        QVERIFY(!records->placeBox->cmdSendNow->isVisible());
        QCOMPARE(unsentIn(file), 0);
        QCOMPARE(next.platform.messageBox.shown.size(), 1);
        // Deleted on the server, the learner leaves this computer's file too, where nothing of
        // theirs may wait to bring them back.
        click(records->cmdDeleteLearner);
        RecordsStore server(RecordsFile::Server{m_connection});
        server.openForReading();
        RecordsStore local(file);
        local.openForReading();
        QCOMPARE(std::pair(server.hasLearner(QStringLiteral("Kim")), local.hasLearner(QStringLiteral("Kim"))),
                 std::pair(false, false));
    }

    // The server stops answering in the middle of an exercise: the learner goes on, the teacher is
    // told once, and the next start, with the server back, completes the session on the server.
    void serverGoneMidExerciseLosesNothing()
    {
        QTemporaryDir computer;
        const QString file = computer.filePath(QStringLiteral("records.sqlite"));
        {
            Run run({"cup.colour.red.jpg", "pen.colour.blue.jpg"}, {"cup.jpg", "pen.jpg"}, file);
            useServer(run, m_connection);
            exerciseSession(run, QStringLiteral("Kim"), 6, [&](int set) {
                if (set == 2)
                    QVERIFY(m_server->stop());
            });
            toldOnce(run.platform.messageBox.shown, QStringLiteral("The exercise goes on"));
        }
        QVERIFY(m_server->start());
        QCOMPARE(unsentIn(file), 1);
        Run next({"cup.colour.red.jpg", "pen.colour.blue.jpg"}, {"cup.jpg", "pen.jpg"}, file);
        useServer(next, m_connection);
        next.flow.start();
        QVERIFY(next.platform.messageBox.shown.isEmpty());
        QCOMPARE(unsentIn(file), 0);
        RecordsStore server(RecordsFile::Server{m_connection});
        server.openForReading();
        const auto sessions = server.progress(QStringLiteral("Kim"), {}).sessions;
        QCOMPARE(sessions.size(), 1);
        // Six sets answered right at the first try, and the seventh shown: nothing twice, nothing lost.
        QCOMPARE(std::tuple(sessions[0].sets, sessions[0].independent().trials, sessions[0].independent().correct),
                 std::tuple(7, 12, 12));
    }

    // A teacher who kept records on this computer chooses the school server in the Records window,
    // and goes back: each place shows its own records, and the choice is kept in the settings file.
    void choosingTheServerInTheRecordsWindow()
    {
        Run run;
        run.record(QStringLiteral("Kim"));
        frmApertura* options = run.flow.start();
        RecordsWindow* records = openRecords(options, QStringLiteral("Kim"));
        QVERIFY(records);
        QCOMPARE(records->tblSessions->rowCount(), 1);
        RecordsPlaceBox* box = records->placeBox;
        QCOMPARE(box->cboPlace->currentIndex(), int(RecordsPlaceBox::ThisComputer));
        QVERIFY(!box->txtServer->isEnabled());
        box->cboPlace->setFocus();
        QTest::keyClick(box->cboPlace, Qt::Key_Down);
        QVERIFY(box->txtServer->isEnabled());
        // A password is never kept: it belongs in ~/.pgpass.
        QTest::keyClicks(box->txtServer, m_connection + QStringLiteral(" password=secret"));
        click(box->cmdUseServer);
        QVERIFY(run.platform.messageBox.shown.value(0).contains(QStringLiteral(".pgpass")));
        QCOMPARE(run.settings.read(QStringLiteral("Records"), QStringLiteral("Server")), std::nullopt);
        box->txtServer->clear();
        QTest::keyClicks(box->txtServer, m_connection);
        QPointer<RecordsWindow> old = records;
        click(box->cmdUseServer);
        QTRY_VERIFY(!old && shown<RecordsWindow>());
        records = shown<RecordsWindow>();
        QCOMPARE(records->tblSessions->rowCount(), 0);
        QCOMPARE(records->placeBox->txtServer->text(), m_connection);
        QCOMPARE(QtSettingsBacking(run.config.filePath(QStringLiteral("Corvaldi-Tessarine.ini")))
                     .read(QStringLiteral("Records"), QStringLiteral("Server")),
                 m_connection);
        box = records->placeBox;
        box->cboPlace->setFocus();
        old = records;
        QTest::keyClick(box->cboPlace, Qt::Key_Up);
        QTRY_VERIFY(!old && shown<RecordsWindow>());
        QCOMPARE(shown<RecordsWindow>()->tblSessions->rowCount(), 1);
        QCOMPARE(run.settings.read(QStringLiteral("Records"), QStringLiteral("Server")), std::nullopt);
        QCOMPARE(run.platform.messageBox.shown.size(), 1);
    }
};

QTEST_MAIN(TestRunServer)
#include "test_run_server.moc"
