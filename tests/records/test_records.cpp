#include "RecordsFixture.h"

#include "core/Module1.h"
#include "platform/doubles/TestDoubles.h"
#include "records/MasteryRule.h"
#include "records/RecordsError.h"
#include "records/RecordsExport.h"
#include "records/RecordsStore.h"
#include "records/TargetKeys.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <unistd.h>

using namespace tessarine;
using namespace tessarine::testing;
using Row = AnswerLog::Row;

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// The v1 layout as the first version wrote it, with one session of data.
const char* const Version1File = R"(
CREATE TABLE learners (id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE);
CREATE TABLE sessions (id INTEGER PRIMARY KEY, learner_id INTEGER NOT NULL REFERENCES learners(id) ON DELETE CASCADE,
  started TEXT NOT NULL, ended TEXT, options TEXT NOT NULL, program_version TEXT NOT NULL, program_folder TEXT NOT NULL);
CREATE TABLE sets (id INTEGER PRIMARY KEY, session_id INTEGER NOT NULL REFERENCES sessions(id) ON DELETE CASCADE,
  number INTEGER NOT NULL, object TEXT NOT NULL, caption TEXT NOT NULL, symbol_right TEXT NOT NULL,
  symbol_distractor TEXT NOT NULL, symbol_right_element INTEGER NOT NULL, attribute_right TEXT NOT NULL,
  attribute_distractor TEXT NOT NULL, attribute_right_element INTEGER NOT NULL, error TEXT NOT NULL, ended_by TEXT);
CREATE TABLE clicks (id INTEGER PRIMARY KEY, set_id INTEGER NOT NULL REFERENCES sets(id) ON DELETE CASCADE,
  row TEXT NOT NULL CHECK (row IN ('symbol', 'attribute')), element INTEGER NOT NULL, file TEXT NOT NULL,
  correct INTEGER NOT NULL, first_try INTEGER NOT NULL, response_ms INTEGER NOT NULL);
INSERT INTO learners VALUES (1, 'Ada');
INSERT INTO sessions VALUES (1, 1, '2025-01-05T10:00:00.000Z', '2025-01-05T10:20:00.000Z', '{}', '0.9.0', '/opt/tessarine');
INSERT INTO sets VALUES (1, 1, 1, 'cup.colour.red.jpg', 'CUP RED', 'cup.jpg', 'ball.jpg', 0, 'colour.red.jpg',
  'colour.blue.jpg', 1, '', 'change set');
INSERT INTO clicks VALUES (1, 1, 'symbol', 0, 'cup.jpg', 1, 1, 1234);
PRAGMA user_version=1)";

// Records clicks without end, saying so after each one has been written.
int childRecord(const QString& file)
{
    doubles::RecordingMessageBox box;
    SessionRecorder recorder(file, box);
    recorder.sessionStarted({QStringLiteral("Kim"), {}, QStringLiteral("1.0.0"), QStringLiteral("/opt")});
    for (int i = 1;; ++i) {
        recorder.setShown({QStringLiteral("cup.jpg"), QStringLiteral("CUP"), {}, {}, {}});
        recorder.clicked(Row::Symbol, 0, QStringLiteral("cup.jpg"), true);
        if (!box.shown.isEmpty())
            return 1;
        std::printf("%d\n", i);
        std::fflush(stdout);
    }
}

} // namespace

class TestRecords : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    // Each case starts from no records file of its own.
    QString file() const { return m_dir.filePath(QString::fromLatin1(QTest::currentTestFunction()) + QStringLiteral(".sqlite")); }

private Q_SLOTS:
    void fileLivesInTheDataFolder()
    {
        // Where the backing-up instructions send the teacher.
        qunsetenv("XDG_DATA_HOME");
        QCOMPARE(RecordsStore::defaultFilePath(),
                 QDir::homePath() + QStringLiteral("/.local/share/Corvaldi-Tessarine/records.sqlite"));
    }

    void sessionIsStoredAndExportedExactly()
    {
        doubles::RecordingMessageBox box;
        ScriptedRecorder r(file(), box);
        recordSession(r, QStringLiteral(" "), QStringLiteral("cup.colour.red.jpg"), 1, 1);
        QVERIFY2(!QFile::exists(file()), "an empty learner records nothing");

        // Names with commas, quotes and accents, as a spreadsheet must read them back.
        const auto learner = QStringLiteral("O'Brien, \"Jo\"");
        const auto object = QStringLiteral("tazza, grande.colore.rosé.jpg");
        const auto greek = QStringLiteral("\"Ελληνικά\" 猫.jpg");
        r.recorder.sessionStarted({learner, {{"UseSequence", -1}}, "1.0.0", "/opt/t"});
        r.recorder.setShown(
            {object, "TAZZA, GRANDE ROSÉ", {"tazza, grande.jpg", greek, 1}, {"colore.rosé.jpg", "colour.blue.jpg", 0}, {}});
        r.ms += 1500;
        r.recorder.clicked(Row::Symbol, 0, greek, false);
        r.ms += 500;
        r.recorder.clicked(Row::Symbol, 1, QStringLiteral("tazza, grande.jpg"), true);
        r.recorder.rowVisible(Row::Attribute);
        r.ms += 700;
        r.recorder.clicked(Row::Attribute, 0, QStringLiteral("colore.rosé.jpg"), true);
        r.recorder.setEnded(AnswerLog::SetEnd::NextInSequence);
        const auto noImage = QStringLiteral("No image found: plase check images folders");
        r.recorder.setShown({QStringLiteral("cup.jpg"), QStringLiteral("CUP "), {}, {}, noImage});
        r.recorder.setEnded(AnswerLog::SetEnd::WindowClosed);
        r.now = r.now.addSecs(600);
        r.recorder.sessionEnded();
        recordSession(r, QStringLiteral("Other"), QStringLiteral("cup.colour.red.jpg"), 1, 1);
        QVERIFY(box.shown.isEmpty());

        // Any SQLite tool reads the sessions and sets.
        QCOMPARE(sqlRows(file(), "SELECT started, ended, options, program_version, program_folder FROM sessions WHERE id = 1"),
                 QStringList{"2026-03-03T09:30:00.000Z|2026-03-03T09:40:00.000Z|{\"UseSequence\":-1}|1.0.0|/opt/t"});
        QCOMPARE(sqlRows(file(), "SELECT number, object, caption, symbol_right, symbol_distractor, symbol_right_element, "
                                 "attribute_right, attribute_distractor, attribute_right_element, error, ended_by FROM sets "
                                 "WHERE session_id = 1"),
                 (QStringList{
                     QString("1|%1|TAZZA, GRANDE ROSÉ|tazza, grande.jpg|%2|1|colore.rosé.jpg|colour.blue.jpg|0||next in sequence")
                         .arg(object, greek),
                     QString("2|cup.jpg|CUP |||0|||0|%1|window closed").arg(noImage)}));

        // The export holds the learner's clicks only, quoted as RFC 4180 says, the session's start in
        // local time, each click timed from its row's showing (the symbol row shows with the set).
        const auto csv = m_dir.filePath(QStringLiteral("out.csv"));
        QString message;
        QTextStream err(&message);
        QCOMPARE(exportRecordsCommand(learner, csv, err, file()), 0);
        const auto start = QDateTime(QDate(2026, 3, 3), QTime(9, 30), Qt::UTC).toLocalTime().toString(Qt::ISODate);
        const auto click = QStringLiteral("\"O'Brien, \"\"Jo\"\"\",%1,1,\"%2\",");
        const auto lines = QStringList{QString::fromLatin1(RecordsCsvHeader),
                                       click + QStringLiteral("symbol,0,\"\"\"Ελληνικά\"\" 猫.jpg\",0,1,1500"),
                                       click + QStringLiteral("symbol,1,\"tazza, grande.jpg\",1,0,2000"),
                                       click + QStringLiteral("attribute,0,colore.rosé.jpg,1,1,700"),
                                       {}};
        const auto written = readAll(csv);
        QCOMPARE(QString::fromUtf8(written), lines.join(QStringLiteral("\r\n")).arg(start, object));

        // Scripts get exit status 2 and one line naming the problem, and the file is left as it was.
        QCOMPARE(exportRecordsCommand(QStringLiteral("Nobody"), csv, err, file()), 2);
        QCOMPARE(message, QStringLiteral("tessarine: There are no records of the learner \"Nobody\"\n"));
        QCOMPARE(readAll(csv), written);
    }

    void targetKeysFollowTheExercisesNameParts()
    {
        doubles::TestPlatform platform(m_dir.path());
        Module1 module(platform.messageBox, platform.random);
        for (const QString name : {"cup.colour.red.jpg", "Cup.Colour.Red.2.JPG", "a..b.jpg", ".b.c", "plain"})
            for (std::int16_t part = 1; part <= 3; ++part)
                QCOMPARE(TargetKeys::namePart(name, part), module.EstraiParte(name, part));
        QCOMPARE(TargetKeys::attributeKey(QStringLiteral("Cup.Colour.Red.2.JPG")), QStringLiteral("COLOUR.RED"));
    }

    void masteryRuleEdges()
    {
        // Trials and right first tries per session, oldest first. Exactly 90 % three times is
        // mastery: test_records_window's CUP.
        const auto mastered = [](const QList<MasteryRule::Score>& scores) { return MasteryRule().isMastered(scores); };
        QVERIFY(!mastered({{10, 9}, {10, 9}, {9, 8}}));             // just under 90 %
        QVERIFY(!mastered({{10, 10}, {4, 4}, {10, 10}}));           // too few trials in one session
        QVERIFY(mastered({{5, 5}, {5, 5}, {5, 5}}));                // exactly the minimum of trials
        QVERIFY(!mastered({{10, 10}, {10, 10}}));                   // only two sessions
        QVERIFY(mastered({{10, 0}, {10, 10}, {10, 10}, {10, 10}})); // an old bad session no longer counts
    }

    void migrationsFromEveryEarlierVersion()
    {
        for (const auto& sql : QString::fromLatin1(Version1File).split(u';'))
            sqlRows(file(), sql);
        {
            RecordsStore store(file());
            QVERIFY(!store.open());
            QCOMPARE(store.schemaVersion(), 3);
            QCOMPARE(store.masteryRule(QStringLiteral("Ada")), MasteryRule());
            // The scores, set counts and medians kept since v2 are filled from the clicks already there.
            const auto s = store.progress(QStringLiteral("Ada"), {}).sessions.value(0);
            QCOMPARE(std::tuple(s.symbols.correct, s.symbols.trials, s.sets, s.medianResponseMs.value_or(-1)),
                     std::tuple(1, 1, 1, 1234.0));
            // Access settings since v3: none for a learner from an earlier file, then kept whole.
            QCOMPARE(store.accessSettings(QStringLiteral("Ada")), (QMap<QString, QString>{}));
            const QMap<QString, QString> access{{"ScanMode", "1"}, {"StepKey", "a=b"}};
            store.setAccessSettings(QStringLiteral("Ada"), access);
            QCOMPARE(store.accessSettings(QStringLiteral("Ada")), access);
        }
        // A file from a later version is left as it is.
        sqlRows(file(), QStringLiteral("PRAGMA user_version=4"));
        RecordsStore later(file());
        try {
            later.open();
            QFAIL("a later version's file was opened");
        } catch (const RuntimeError& error) {
            QCOMPARE(error.number(), RecordsErrorNumber::NewerVersion);
        }
        QCOMPARE(sqlRows(file(), QStringLiteral("PRAGMA user_version")), QStringList{QStringLiteral("4")});
    }

    void damagedFileIsKeptAsideAndReportedOnce()
    {
        const QByteArray garbage = QByteArray("These are a teacher's notes, not a database.\n").repeated(200);
        QFile damaged(file());
        QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write(garbage) == garbage.size());
        damaged.close();
        doubles::RecordingMessageBox box;
        ScriptedRecorder r(file(), box);
        recordSession(r, QStringLiteral("Cleo"), QStringLiteral("cup.colour.red.jpg"), 2, 2);
        recordSession(r, QStringLiteral("Cleo"), QStringLiteral("cup.colour.red.jpg"), 2, 2);
        QCOMPARE(box.shown.size(), 1);
        QVERIFY2(box.shown.first().contains(QStringLiteral("kept as")), qPrintable(box.shown.first()));
        const auto aside = QDir(m_dir.path()).entryList({QStringLiteral("*.damaged-*.sqlite")});
        QCOMPARE(aside.size(), 1);
        QCOMPARE(readAll(m_dir.filePath(aside.first())), garbage);
        QCOMPARE(sqlRows(file(), QStringLiteral("SELECT count(*) FROM clicks")), QStringList{QStringLiteral("8")});

        // A window opening the records reports the same way, and gets the new file.
        const auto second = m_dir.filePath(QStringLiteral("second.sqlite"));
        QFile::copy(m_dir.filePath(aside.first()), second);
        doubles::RecordingMessageBox windowBox;
        const auto store = openRecords(second, windowBox, QStringLiteral("cmdRecords_Click"));
        QVERIFY(store && store->isOpen());
        QCOMPARE(windowBox.shown.size(), 1);
        // A folder that cannot be made (a file stands in its way): reported, no store.
        QVERIFY(!openRecords(m_dir.filePath(QStringLiteral("second.sqlite/records.sqlite")), windowBox,
                             QStringLiteral("cmdRecords_Click")));
        QCOMPARE(windowBox.shown.size(), 2);
        QVERIFY2(windowBox.shown.last().contains(QStringLiteral("cannot be created")), qPrintable(windowBox.shown.last()));
    }

    void readOnlyFolderIsReportedOnceAndTheExerciseGoesOn()
    {
        if (::geteuid() == 0)
            QSKIP("root writes into read-only folders");
        const auto folder = m_dir.filePath(QStringLiteral("locked-folder"));
        QDir().mkpath(folder);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        doubles::RecordingMessageBox box;
        ScriptedRecorder r(folder + QStringLiteral("/records.sqlite"), box);
        recordSession(r, QStringLiteral("Dev"), QStringLiteral("cup.colour.red.jpg"), 3, 1);
        recordSession(r, QStringLiteral("Dev"), QStringLiteral("cup.colour.red.jpg"), 3, 1);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(box.shown.size(), 1);
        QVERIFY2(box.shown.first().startsWith(QStringLiteral("Error \"The records file")), qPrintable(box.shown.first()));
        QVERIFY(box.shown.first().endsWith(QStringLiteral(" in SessionRecorder() routine")));
        QVERIFY(QDir(folder).isEmpty());
    }

    void killedMidSessionKeepsEveryCommittedClick()
    {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--record"), file()});
        int acknowledged = 0;
        while (acknowledged < 40 && child.waitForReadyRead(10000)) {
            while (child.canReadLine())
                acknowledged = child.readLine().trimmed().toInt();
        }
        QVERIFY(acknowledged >= 40);
        ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        RecordsStore store(file());
        QVERIFY(!store.open());
        int clicks = 0;
        store.forEachClick(QStringLiteral("Kim"), [&](const ClickRecord& click) {
            ++clicks;
            QCOMPARE(click.set, clicks);
            QCOMPARE(click.file, QStringLiteral("cup.jpg"));
        });
        QVERIFY2(clicks >= acknowledged, qPrintable(QStringLiteral("%1 of %2").arg(clicks).arg(acknowledged)));
        QVERIFY(clicks <= acknowledged + 1);
    }

    void deletingALearnerLeavesNothingOfThem()
    {
        doubles::RecordingMessageBox box;
        ScriptedRecorder r(file(), box);
        recordSession(r, QStringLiteral("Zebulon-Unique"), QStringLiteral("zanzibar.colour.red.jpg"), 4, 2);
        recordSession(r, QStringLiteral("Fay"), QStringLiteral("cup.colour.red.jpg"), 4, 2);
        RecordsStore store(file());
        store.open();
        store.deleteLearner(QStringLiteral("Zebulon-Unique"));
        // Fay's 12 clicks are all that is left.
        QCOMPARE(sqlRows(file(), QStringLiteral("SELECT count(*) FROM clicks")), QStringList{QStringLiteral("12")});
        // Overwritten, not only unlinked: neither the file nor its log holds the learner any more.
        for (const auto& suffix : {QString(), QStringLiteral("-wal")}) {
            const auto bytes = readAll(file() + suffix);
            QVERIFY(!bytes.contains("Zebulon-Unique"));
            QVERIFY(!bytes.contains("zanzibar"));
        }
    }
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--record") == 0)
        return childRecord(QString::fromLocal8Bit(argv[2]));
    TestRecords test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_records.moc"
