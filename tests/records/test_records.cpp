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
#include <QRegularExpression>
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

// RFC 4180 reading, as a spreadsheet does: every field plain, or quoted with "" for a quote, and
// followed by a comma or CRLF; the reading stops at the first thing that is neither.
QList<QStringList> parseCsv(const QByteArray& bytes)
{
    static const QRegularExpression field(QLatin1String(R"re(\G(?:"((?:[^"]|"")*)"|([^",\r\n]*))(,|\r\n))re"));
    QList<QStringList> rows{{}};
    for (const auto& match : field.globalMatch(QString::fromUtf8(bytes))) {
        const bool quoted = match.capturedStart(1) >= 0;
        rows.last().append(quoted ? match.captured(1).replace(QStringLiteral("\"\""), QStringLiteral("\"")) : match.captured(2));
        if (match.captured(3) != QStringLiteral(","))
            rows.append(QStringList());
    }
    rows.removeLast();
    return rows;
}

// The v1 layout as the first version wrote it, with one session of data.
void writeVersion1File(const QString& path)
{
    for (const auto& sql :
         QStringList{QStringLiteral("CREATE TABLE learners (id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE)"),
                     QStringLiteral("CREATE TABLE sessions (id INTEGER PRIMARY KEY, learner_id INTEGER NOT NULL REFERENCES "
                                    "learners(id) ON DELETE CASCADE, started TEXT NOT NULL, ended TEXT, options TEXT NOT NULL, "
                                    "program_version TEXT NOT NULL, program_folder TEXT NOT NULL)"),
                     QStringLiteral("CREATE TABLE sets (id INTEGER PRIMARY KEY, session_id INTEGER NOT NULL REFERENCES "
                                    "sessions(id) ON DELETE CASCADE, number INTEGER NOT NULL, object TEXT NOT NULL, caption "
                                    "TEXT NOT NULL, symbol_right TEXT NOT NULL, symbol_distractor TEXT NOT NULL, "
                                    "symbol_right_element INTEGER NOT NULL, attribute_right TEXT NOT NULL, "
                                    "attribute_distractor TEXT NOT NULL, attribute_right_element INTEGER NOT NULL, error TEXT "
                                    "NOT NULL, ended_by TEXT)"),
                     QStringLiteral("CREATE TABLE clicks (id INTEGER PRIMARY KEY, set_id INTEGER NOT NULL REFERENCES sets(id) "
                                    "ON DELETE CASCADE, row TEXT NOT NULL CHECK (row IN ('symbol', 'attribute')), element "
                                    "INTEGER NOT NULL, file TEXT NOT NULL, correct INTEGER NOT NULL, first_try INTEGER NOT "
                                    "NULL, response_ms INTEGER NOT NULL)"),
                     QStringLiteral("INSERT INTO learners VALUES (1, 'Ada')"),
                     QStringLiteral("INSERT INTO sessions VALUES (1, 1, '2025-01-05T10:00:00.000Z', "
                                    "'2025-01-05T10:20:00.000Z', '{}', '0.9.0', '/opt/tessarine')"),
                     QStringLiteral("INSERT INTO sets VALUES (1, 1, 1, 'cup.colour.red.jpg', 'CUP RED', 'cup.jpg', 'ball.jpg', "
                                    "0, 'colour.red.jpg', 'colour.blue.jpg', 1, '', 'change set')"),
                     QStringLiteral("INSERT INTO clicks VALUES (1, 1, 'symbol', 0, 'cup.jpg', 1, 1, 1234)"),
                     QStringLiteral("PRAGMA user_version=1")})
        sqlRows(path, sql);
}

// Records clicks without end, saying so after each one has been written.
int childRecord(const QString& file)
{
    doubles::RecordingMessageBox box;
    SessionRecorder recorder(file, box);
    recorder.sessionStarted({QStringLiteral("Kim"), {}, QStringLiteral("1.0.0"), QStringLiteral("/opt")});
    for (int i = 1;; ++i) {
        recorder.setShown(
            makeSet(QStringLiteral("cup.colour.red.jpg"), QStringLiteral("cup.jpg"), QStringLiteral("colour.red.jpg")));
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
    QString file() const { return m_dir.filePath(QStringLiteral("records.sqlite")); }

private Q_SLOTS:
    void init()
    {
        // Every case starts from no records file.
        for (const auto& name : QDir(m_dir.path()).entryList(QDir::Files))
            QFile::remove(m_dir.filePath(name));
    }

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
        r.recorder.sessionStarted({QString(), {}, QStringLiteral("1.0.0"), QStringLiteral("/opt/tessarine")});
        r.recorder.setShown(makeSet(QStringLiteral("cup.colour.red.jpg"), QStringLiteral("cup.jpg"), {}));
        r.recorder.clicked(Row::Symbol, 0, QStringLiteral("cup.jpg"), true);
        QVERIFY2(!QFile::exists(file()), "an empty learner records nothing");

        // Names with commas, quotes and accents, as a spreadsheet must read them back.
        const auto learner = QStringLiteral("O'Brien, \"Jo\"");
        const auto object = QStringLiteral("tazza, grande.colore.rosé.jpg");
        const auto greek = QStringLiteral("\"Ελληνικά\" 猫.jpg");
        r.recorder.sessionStarted(
            {learner, {{QStringLiteral("UseSequence"), -1}}, QStringLiteral("1.0.0"), QStringLiteral("/opt/t")});
        r.recorder.setShown({object,
                             QStringLiteral("TAZZA, GRANDE ROSÉ"),
                             {QStringLiteral("tazza, grande.jpg"), greek, 1},
                             {QStringLiteral("colore.rosé.jpg"), QStringLiteral("colour.blue.jpg"), 0},
                             {}});
        r.ms = 1500;
        r.recorder.clicked(Row::Symbol, 0, greek, false);
        r.ms = 2000;
        r.recorder.clicked(Row::Symbol, 1, QStringLiteral("tazza, grande.jpg"), true);
        r.recorder.rowVisible(Row::Attribute);
        r.ms = 2700;
        r.recorder.clicked(Row::Attribute, 0, QStringLiteral("colore.rosé.jpg"), true);
        r.recorder.setEnded(AnswerLog::SetEnd::NextInSequence);
        r.recorder.setShown(
            makeSet(QStringLiteral("ball.number.two.jpg"), QStringLiteral("ball.jpg"), QStringLiteral("number.two.jpg")));
        r.recorder.setEnded(AnswerLog::SetEnd::ChangeSet);
        const auto noImage = QStringLiteral("No image found: plase check images folders");
        r.recorder.setShown({QStringLiteral("cup.jpg"), QStringLiteral("CUP "), {}, {}, noImage});
        r.recorder.setEnded(AnswerLog::SetEnd::WindowClosed);
        r.now = r.now.addSecs(600);
        r.recorder.sessionEnded();
        recordSession(r, QStringLiteral("Other"), QStringLiteral("cup.colour.red.jpg"), 1, 1);
        QVERIFY(box.shown.isEmpty());

        // Any SQLite tool reads the sessions and sets.
        QCOMPARE(
            sqlRows(file(), QStringLiteral("SELECT started, ended, options, program_version, program_folder FROM sessions "
                                           "WHERE id = 1")),
            QStringList{QStringLiteral("2026-03-02T09:30:00.000Z|2026-03-02T09:40:00.000Z|{\"UseSequence\":-1}|1.0.0|/opt/t")});
        QCOMPARE(
            sqlRows(file(), QStringLiteral("SELECT number, object, caption, symbol_right, symbol_distractor, "
                                           "symbol_right_element, attribute_right, attribute_distractor, "
                                           "attribute_right_element, error, ended_by FROM sets WHERE session_id = 1")),
            (QStringList{QStringLiteral(
                             "1|%1|TAZZA, GRANDE ROSÉ|tazza, grande.jpg|%2|1|colore.rosé.jpg|colour.blue.jpg|0||next in sequence")
                             .arg(object, greek),
                         QStringLiteral("2|ball.number.two.jpg|BALL|ball.jpg|other.jpg|0|number.two.jpg|colour.other.jpg|"
                                        "1||change set"),
                         QStringLiteral("3|cup.jpg|CUP |||0|||0|%1|window closed").arg(noImage)}));

        // The export holds the learner's clicks only, each timed from its row's showing (the symbol row
        // shows with the set).
        const auto csv = m_dir.filePath(QStringLiteral("out.csv"));
        QTextStream err(stderr);
        QCOMPARE(exportRecordsCommand(learner, csv, err, file()), 0);
        const auto bytes = readAll(csv);
        QVERIFY(bytes.startsWith(QByteArray(RecordsCsvHeader) + "\r\n"));
        const auto rows = parseCsv(bytes);
        QCOMPARE(rows.size(), 4);
        QCOMPARE(QDateTime::fromString(rows[1][1], Qt::ISODate).toUTC(), QDateTime(QDate(2026, 3, 2), QTime(9, 30), Qt::UTC));
        QStringList clicks;
        for (const auto& row : rows.mid(1)) {
            QCOMPARE(row.first(), learner);
            clicks.append(row.mid(2).join(u'|'));
        }
        QCOMPARE(clicks, (QStringList{QStringLiteral("1|%1|symbol|0|%2|0|1|1500").arg(object, greek),
                                      QStringLiteral("1|%1|symbol|1|tazza, grande.jpg|1|0|2000").arg(object),
                                      QStringLiteral("1|%1|attribute|0|colore.rosé.jpg|1|1|700").arg(object)}));

        // Scripts get exit status 2 and one line naming the problem, and the file is left as it was.
        QString message;
        QTextStream capture(&message);
        QCOMPARE(exportRecordsCommand(QStringLiteral("Nobody"), csv, capture, file()), 2);
        QCOMPARE(exportRecordsCommand(learner, m_dir.filePath(QStringLiteral("no/such/folder/x.csv")), capture, file()), 2);
        QCOMPARE(message.split(u'\n', Qt::SkipEmptyParts).size(), 2);
        QVERIFY(message.contains(QStringLiteral("Nobody")));
        QVERIFY(message.contains(QStringLiteral("cannot be written")));
        QCOMPARE(readAll(csv), bytes);
    }

    void targetKeysFollowTheExercisesNameParts()
    {
        doubles::TestPlatform platform(m_dir.path());
        Module1 module(platform.messageBox, platform.random);
        for (const auto& name : {QStringLiteral("cup.colour.red.jpg"), QStringLiteral("Cup.Colour.Red.2.JPG"),
                                 QStringLiteral("a..b.jpg"), QStringLiteral(".b.c"), QStringLiteral("plain")}) {
            for (std::int16_t part = 1; part <= 3; ++part)
                QCOMPARE(TargetKeys::namePart(name, part), module.EstraiParte(name, part));
        }
        QCOMPARE(TargetKeys::attributeKey(QStringLiteral("Cup.Colour.Red.2.JPG")), QStringLiteral("COLOUR.RED"));
    }

    void masteryRuleEdges_data()
    {
        QTest::addColumn<QList<int>>("scores"); // trials, correct, trials, correct, ... oldest first
        QTest::addColumn<bool>("mastered");
        QTest::newRow("exactly 90 % three times") << QList<int>{10, 9, 10, 9, 20, 18} << true;
        QTest::newRow("just under 90 %") << QList<int>{10, 9, 10, 9, 9, 8} << false;
        QTest::newRow("too few trials in one session") << QList<int>{10, 10, 4, 4, 10, 10} << false;
        QTest::newRow("exactly the minimum of trials") << QList<int>{5, 5, 5, 5, 5, 5} << true;
        QTest::newRow("only two sessions") << QList<int>{10, 10, 10, 10} << false;
        QTest::newRow("an old bad session no longer counts") << QList<int>{10, 0, 10, 10, 10, 10, 10, 10} << true;
        QTest::newRow("a recent bad session breaks it") << QList<int>{10, 10, 10, 10, 10, 10, 10, 5} << false;
    }
    void masteryRuleEdges()
    {
        QFETCH(QList<int>, scores);
        QFETCH(bool, mastered);
        QList<MasteryRule::Score> list;
        for (qsizetype i = 0; i < scores.size(); i += 2)
            list.append({scores[i], scores[i + 1]});
        QCOMPARE(MasteryRule().isMastered(list), mastered);
    }

    void migrationsFromEveryEarlierVersion()
    {
        {
            RecordsStore fresh(file());
            QVERIFY(!fresh.open());
            QCOMPARE(fresh.schemaVersion(), RecordsStore::SchemaVersion);
        }
        QFile::remove(file());
        writeVersion1File(file());
        {
            RecordsStore store(file());
            QVERIFY(!store.open());
            QCOMPARE(store.schemaVersion(), 3);
            QCOMPARE(store.learners(), QStringList{QStringLiteral("Ada")});
            QCOMPARE(store.masteryRule(QStringLiteral("Ada")), MasteryRule());
            // The scores, set counts and medians kept since v2 are filled from the clicks already there.
            const auto session = store.progress(QStringLiteral("Ada"), {}).sessions.value(0);
            QCOMPARE(session.symbols.correct, 1);
            QCOMPARE(session.symbols.trials, 1);
            QCOMPARE(session.sets, 1);
            QCOMPARE(session.medianResponseMs.value_or(-1), 1234.0);
            // Access settings since v3: none for a learner from an earlier file, then kept whole.
            QCOMPARE(store.accessSettings(QStringLiteral("Ada")), (QMap<QString, QString>{}));
            const QMap<QString, QString> access{{QStringLiteral("ScanMode"), QStringLiteral("1")},
                                                {QStringLiteral("StepKey"), QStringLiteral("a=b")}};
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
        {
            QFile damaged(file());
            damaged.open(QIODevice::WriteOnly);
            damaged.write(garbage);
        }
        doubles::RecordingMessageBox box;
        ScriptedRecorder r(file(), box);
        recordSession(r, QStringLiteral("Cleo"), QStringLiteral("cup.colour.red.jpg"), 2, 2);
        recordSession(r, QStringLiteral("Cleo"), QStringLiteral("cup.colour.red.jpg"), 2, 2);
        QCOMPARE(box.shown.size(), 1);
        QVERIFY2(box.shown.first().contains(QStringLiteral("kept as")), qPrintable(box.shown.first()));
        const auto aside = QDir(m_dir.path()).entryList({QStringLiteral("records.damaged-*.sqlite")});
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
        QVERIFY(windowBox.shown.first().endsWith(QStringLiteral(" in cmdRecords_Click() routine")));
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
