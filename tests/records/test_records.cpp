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

// RFC 4180 reading, as a spreadsheet does.
QList<QStringList> parseCsv(const QByteArray& bytes)
{
    const auto text = QString::fromUtf8(bytes);
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"')
                field += text[++i];
            else if (c == u'"')
                quoted = false;
            else
                field += c;
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            row.append(field);
            field.clear();
        } else if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            row.append(field);
            rows.append(row);
            row.clear();
            field.clear();
            ++i;
        } else {
            field += c;
        }
    }
    return rows;
}

// The v1 layout as the first version wrote it, with one session of data.
void writeVersion1File(const QString& path)
{
    SqlReader db(path);
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
        db.rows(sql);
}

int childHoldLock(const QString& file)
{
    SqlReader db(file);
    db.rows(QStringLiteral("BEGIN EXCLUSIVE"));
    std::printf("locked\n");
    std::fflush(stdout);
    char c;
    while (::read(STDIN_FILENO, &c, 1) > 0) {
    }
    return 0;
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
        qputenv("XDG_DATA_HOME", m_dir.filePath(QStringLiteral("data")).toUtf8());
        QCOMPARE(RecordsStore::defaultFilePath(), m_dir.filePath(QStringLiteral("data/Corvaldi-Tessarine/records.sqlite")));
        qunsetenv("XDG_DATA_HOME");
        QCOMPARE(RecordsStore::defaultFilePath(),
                 QDir::homePath() + QStringLiteral("/.local/share/Corvaldi-Tessarine/records.sqlite"));
    }

    void scriptedSessionGivesExactRows()
    {
        doubles::RecordingMessageBox box;
        ScriptedRecorder r(file(), box);
        r.recorder.sessionStarted({QString(), {}, QStringLiteral("1.0.0"), QStringLiteral("/opt/tessarine")});
        r.recorder.setShown(makeSet(QStringLiteral("cup.colour.red.jpg"), QStringLiteral("cup.jpg"), {}));
        r.recorder.clicked(Row::Symbol, 0, QStringLiteral("cup.jpg"), true);
        QVERIFY2(!QFile::exists(file()), "an empty learner records nothing");

        r.recorder.sessionStarted({QStringLiteral("Anna"),
                                   {{QStringLiteral("UseSequence"), -1}},
                                   QStringLiteral("1.0.0"),
                                   QStringLiteral("/opt/tessarine")});
        r.ms = 1000;
        r.recorder.setShown({QStringLiteral("cup.colour.red.jpg"),
                             QStringLiteral("CUP RED"),
                             {QStringLiteral("cup.jpg"), QStringLiteral("ball.jpg"), 1},
                             {QStringLiteral("colour.red.jpg"), QStringLiteral("colour.blue.jpg"), 0},
                             {}});
        r.ms = 2500;
        r.recorder.clicked(Row::Symbol, 0, QStringLiteral("ball.jpg"), false);
        r.ms = 3000;
        r.recorder.clicked(Row::Symbol, 1, QStringLiteral("cup.jpg"), true);
        r.recorder.rowVisible(Row::Attribute);
        r.ms = 3700;
        r.recorder.clicked(Row::Attribute, 0, QStringLiteral("colour.red.jpg"), true);
        r.recorder.setEnded(AnswerLog::SetEnd::NextInSequence);
        r.ms = 4000;
        r.recorder.setShown(
            makeSet(QStringLiteral("ball.number.two.jpg"), QStringLiteral("ball.jpg"), QStringLiteral("number.two.jpg")));
        r.ms = 4800;
        r.recorder.clicked(Row::Symbol, 0, QStringLiteral("ball.jpg"), true);
        r.recorder.setEnded(AnswerLog::SetEnd::ChangeSet);
        r.recorder.setShown({QStringLiteral("cup.jpg"),
                             QStringLiteral("CUP "),
                             {},
                             {},
                             QStringLiteral("No image found: plase check images folders")});
        r.recorder.setEnded(AnswerLog::SetEnd::WindowClosed);
        r.now = r.now.addSecs(600);
        r.recorder.sessionEnded();
        QVERIFY(box.shown.isEmpty());

        SqlReader db(file());
        QCOMPARE(db.rows(QStringLiteral("SELECT l.name, s.started, s.ended, s.options, s.program_version, "
                                        "s.program_folder FROM sessions s JOIN learners l ON l.id = s.learner_id")),
                 QStringList{QStringLiteral("Anna|2026-03-02T09:30:00.000Z|2026-03-02T09:40:00.000Z|"
                                            "{\"UseSequence\":-1}|1.0.0|/opt/tessarine")});
        QCOMPARE(db.rows(QStringLiteral("SELECT number, object, caption, symbol_right, symbol_distractor, "
                                        "symbol_right_element, attribute_right, attribute_distractor, "
                                        "attribute_right_element, error, ended_by FROM sets ORDER BY id")),
                 (QStringList{QStringLiteral("1|cup.colour.red.jpg|CUP RED|cup.jpg|ball.jpg|1|colour.red.jpg|colour.blue.jpg|0||"
                                             "next in sequence"),
                              QStringLiteral("2|ball.number.two.jpg|BALL|ball.jpg|other.jpg|0|number.two.jpg|colour.other.jpg|"
                                             "1||change set"),
                              QStringLiteral("3|cup.jpg|CUP |||0|||0|No image found: plase check images folders|"
                                             "window closed")}));
        QCOMPARE(
            db.rows(QStringLiteral("SELECT st.number, c.row, c.element, c.file, c.correct, c.first_try, "
                                   "c.response_ms FROM clicks c JOIN sets st ON st.id = c.set_id ORDER BY c.id")),
            (QStringList{QStringLiteral("1|symbol|0|ball.jpg|0|1|1500"), QStringLiteral("1|symbol|1|cup.jpg|1|0|2000"),
                         QStringLiteral("1|attribute|0|colour.red.jpg|1|1|700"), QStringLiteral("2|symbol|0|ball.jpg|1|1|800")}));

        RecordsStore store(file());
        store.open();
        const auto progress = store.progress(QStringLiteral("Anna"), {});
        QCOMPARE(progress.sessions.size(), 1);
        const auto& session = progress.sessions.first();
        QCOMPARE(session.sets, 3);
        QCOMPARE(session.symbols.trials, 2);
        QCOMPARE(session.symbols.correct, 1);
        QCOMPARE(session.attributes.trials, 1);
        QCOMPARE(session.medianResponseMs.value_or(-1), 800.0);
        QStringList targets;
        for (const auto& target : progress.targets)
            targets.append(QStringLiteral("%1 %2/%3").arg(target.key).arg(target.recent.correct).arg(target.trials));
        QCOMPARE(targets, (QStringList{QStringLiteral("BALL 1/1"), QStringLiteral("CUP 0/1"), QStringLiteral("COLOUR.RED 1/1")}));
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

    void masteryIsJudgedPerTargetAndKeptPerLearner()
    {
        doubles::RecordingMessageBox box;
        ScriptedRecorder r(file(), box);
        for (int day = 0; day < 3; ++day) {
            recordSession(r, QStringLiteral("Ben"), QStringLiteral("cup.colour.red.jpg"), 10, 9);
            recordSession(r, QStringLiteral("Ben"), QStringLiteral("ball.colour.blue.jpg"), 10, 8);
        }
        RecordsStore store(file());
        store.open();
        store.setMasteryRule(QStringLiteral("Ben"), {80, 3, 5});
        QCOMPARE(store.masteryRule(QStringLiteral("Ben")), MasteryRule(80, 3, 5));
        QCOMPARE(store.masteryRule(QStringLiteral("Nobody")), MasteryRule());
        QStringList judged;
        for (const auto& rule : {MasteryRule(), MasteryRule(80, 3, 5), MasteryRule(90, 3, 11)}) {
            for (const auto& target : store.progress(QStringLiteral("Ben"), rule).targets)
                judged.append(target.key + (target.mastered ? QStringLiteral(" yes") : QStringLiteral(" no")));
        }
        QCOMPARE(judged,
                 (QStringList{QStringLiteral("BALL no"), QStringLiteral("CUP yes"), QStringLiteral("COLOUR.BLUE no"),
                              QStringLiteral("COLOUR.RED yes"), QStringLiteral("BALL yes"), QStringLiteral("CUP yes"),
                              QStringLiteral("COLOUR.BLUE yes"), QStringLiteral("COLOUR.RED yes"), QStringLiteral("BALL no"),
                              QStringLiteral("CUP no"), QStringLiteral("COLOUR.BLUE no"), QStringLiteral("COLOUR.RED no")}));
    }

    void migrationsFromEveryEarlierVersion()
    {
        {
            RecordsStore fresh(file());
            QVERIFY(!fresh.open());
            QCOMPARE(fresh.schemaVersion(), RecordsStore::SchemaVersion);
            QCOMPARE(fresh.learners(), QStringList());
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
            store.setMasteryRule(QStringLiteral("Ada"), {70, 2, 3});
            // Access settings since v3: none for a learner from an earlier file, then kept whole.
            QCOMPARE(store.accessSettings(QStringLiteral("Ada")), (QMap<QString, QString>{}));
            const QMap<QString, QString> access{{QStringLiteral("ScanMode"), QStringLiteral("1")},
                                                {QStringLiteral("StepKey"), QStringLiteral("a=b")}};
            store.setAccessSettings(QStringLiteral("Ada"), access);
            QCOMPARE(store.accessSettings(QStringLiteral("Ada")), access);
        }
        SqlReader db(file());
        QCOMPARE(db.rows(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL ORDER BY name")),
                 (QStringList{QStringLiteral("clicks_by_set"), QStringLiteral("sessions_by_learner"),
                              QStringLiteral("sets_by_session")}));
        QCOMPARE(db.rows(QStringLiteral("SELECT mastery_percent, mastery_sessions, mastery_min_trials FROM learners")),
                 QStringList{QStringLiteral("70|2|3")});
        // A file from a later version is left as it is.
        db.rows(QStringLiteral("PRAGMA user_version=4"));
        RecordsStore later(file());
        try {
            later.open();
            QFAIL("a later version's file was opened");
        } catch (const RuntimeError& error) {
            QCOMPARE(error.number(), RecordsErrorNumber::NewerVersion);
        }
        QCOMPARE(db.rows(QStringLiteral("PRAGMA user_version")), QStringList{QStringLiteral("4")});
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
        SqlReader db(file());
        QCOMPARE(db.rows(QStringLiteral("SELECT count(*) FROM clicks")), QStringList{QStringLiteral("8")});

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

    void lockedStoreIsReportedOnceAndKeepsWhatWasWritten()
    {
        doubles::RecordingMessageBox box;
        ScriptedRecorder r(file(), box);
        recordSession(r, QStringLiteral("Eli"), QStringLiteral("cup.colour.red.jpg"), 2, 2);
        // A second copy of the program takes the file in the middle of a session.
        r.recorder.sessionStarted({QStringLiteral("Eli"), {}, QStringLiteral("1.0.0"), QStringLiteral("/opt")});
        r.recorder.setShown(makeSet(QStringLiteral("cup.colour.red.jpg"), QStringLiteral("cup.jpg"), {}));
        QProcess holder;
        holder.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--hold-lock"), file()});
        QVERIFY(holder.waitForReadyRead(10000));
        QCOMPARE(holder.readLine().trimmed(), QByteArray("locked"));
        for (int i = 0; i < 3; ++i)
            r.recorder.clicked(Row::Symbol, 0, QStringLiteral("cup.jpg"), true);
        r.recorder.sessionEnded();
        holder.closeWriteChannel();
        QVERIFY(holder.waitForFinished(10000));
        QCOMPARE(box.shown.size(), 1);
        QVERIFY2(box.shown.first().contains(QStringLiteral("in use by another program")), qPrintable(box.shown.first()));
        SqlReader db(file());
        QCOMPARE(db.rows(QStringLiteral("SELECT count(*) FROM clicks")), QStringList{QStringLiteral("4")});
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

    void csvReadsBackWithCommasQuotesAndAccents()
    {
        doubles::RecordingMessageBox box;
        ScriptedRecorder r(file(), box);
        const auto learner = QStringLiteral("O'Brien, \"Jo\"");
        const auto object = QStringLiteral("tazza, grande.colore.rosé.jpg");
        r.recorder.sessionStarted({learner, {}, QStringLiteral("1.0.0"), QStringLiteral("/opt")});
        r.recorder.setShown(makeSet(object, QStringLiteral("tazza, grande.jpg"), QStringLiteral("colore.rosé.jpg")));
        r.ms = 640;
        r.recorder.clicked(Row::Symbol, 1, QStringLiteral("\"Ελληνικά\" 猫.jpg"), false);
        r.recorder.clicked(Row::Symbol, 0, QStringLiteral("tazza, grande.jpg"), true);
        r.recorder.sessionEnded();
        recordSession(r, QStringLiteral("Other"), QStringLiteral("cup.colour.red.jpg"), 1, 1);

        const auto csv = m_dir.filePath(QStringLiteral("out.csv"));
        QTextStream err(stderr);
        QCOMPARE(exportRecordsCommand(learner, csv, err, file()), 0);
        const auto bytes = readAll(csv);
        QVERIFY(bytes.startsWith(QByteArray(RecordsCsvHeader) + "\r\n"));
        const auto rows = parseCsv(bytes);
        QCOMPARE(rows.size(), 3);
        const auto start = QDateTime::fromString(rows[1][1], Qt::ISODate);
        QCOMPARE(start.toUTC(), QDateTime(QDate(2026, 3, 2), QTime(9, 30), Qt::UTC));
        QCOMPARE(rows[1].mid(2), (QStringList{QStringLiteral("1"), object, QStringLiteral("symbol"), QStringLiteral("1"),
                                              QStringLiteral("\"Ελληνικά\" 猫.jpg"), QStringLiteral("0"), QStringLiteral("1"),
                                              QStringLiteral("640")}));
        QCOMPARE(rows[1][0], learner);
        QCOMPARE(rows[2][6], QStringLiteral("tazza, grande.jpg"));
        QCOMPARE(rows[2][8], QStringLiteral("0"));

        QString message;
        QTextStream capture(&message);
        QCOMPARE(exportRecordsCommand(QStringLiteral("Nobody"), csv, capture, file()), 2);
        QCOMPARE(message.count(u'\n'), 1);
        QVERIFY(message.contains(QStringLiteral("Nobody")));
        message.clear();
        QCOMPARE(exportRecordsCommand(learner, m_dir.filePath(QStringLiteral("no/such/folder/x.csv")), capture, file()), 2);
        QCOMPARE(message.count(u'\n'), 1);
        QVERIFY(message.contains(QStringLiteral("cannot be written")));
        QCOMPARE(readAll(csv), bytes);
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
        QCOMPARE(store.learners(), QStringList{QStringLiteral("Fay")});
        QCOMPARE(store.progress(QStringLiteral("Fay"), {}).sessions.size(), 1);
        SqlReader db(file());
        QCOMPARE(db.rows(QStringLiteral("SELECT count(*) FROM clicks")), QStringList{QStringLiteral("12")});
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
    if (argc == 3 && qstrcmp(argv[1], "--hold-lock") == 0)
        return childHoldLock(QString::fromLocal8Bit(argv[2]));
    if (argc == 3 && qstrcmp(argv[1], "--record") == 0)
        return childRecord(QString::fromLocal8Bit(argv[2]));
    TestRecords test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_records.moc"
