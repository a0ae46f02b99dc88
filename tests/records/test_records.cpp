#include "RecordsFixture.h"

#include "core/Module1.h"
#include "platform/doubles/TestDoubles.h"
#include "records/MasteryRule.h"
#include "records/RecordsError.h"
#include "records/RecordsExport.h"
#include "records/RecordsModel.h"
#include "records/RecordsStore.h"
#include "teaching/TargetKeys.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <sys/stat.h>
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

int modeOf(const QString& path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 0777) : -1;
}

// The number of the error opening the records for writing throws; 0 when they open.
int openError(const QString& file)
{
    try {
        RecordsStore(file).open();
        return 0;
    } catch (const RuntimeError& error) {
        return error.number();
    }
}

// The export's exit status, a space, and what it said.
QString exportCsv(const QString& records, const QString& learner, const QString& csv)
{
    QString said;
    QTextStream err(&said);
    const int status = exportRecordsCommand(learner, csv, err, records);
    return QString::number(status) + u' ' + said;
}

// Records clicks without end, saying so after each one has been written.
int childRecord(const QString& file)
{
    doubles::RecordingMessageBox box;
    SessionRecorder recorder(file, box);
    recorder.sessionStarted({QStringLiteral("Kim"), {}, QStringLiteral("1.0.0"), QStringLiteral("/opt")});
    for (int i = 1;; ++i) {
        recorder.setShown({QStringLiteral("cup.jpg"), QStringLiteral("CUP"), {}, {}, {}});
        recorder.clicked(Row::Symbol, 0, QStringLiteral("cup.jpg"), true, false);
        std::printf("%d\n", i);
        std::fflush(stdout);
    }
}

} // namespace

class TestRecords : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    // Each case (and each row of its data) starts from no records file of its own.
    QString file() const
    {
        const auto tag = QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-');
        return m_dir.filePath(QString::fromLatin1(QTest::currentTestFunction()) + tag + QStringLiteral(".sqlite"));
    }
    // The records file with its log, index and anything set aside beside it.
    QStringList besideFile() const
    {
        return QDir(m_dir.path()).entryList({QFileInfo(file()).completeBaseName() + u'*'}, QDir::Files, QDir::Name);
    }
    QStringList onlyTheFile() const { return {QFileInfo(file()).fileName()}; }

private Q_SLOTS:
    void initTestCase()
    {
        // What most systems use: without care the records would be readable by every user.
        ::umask(022);
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
        r.recorder.clicked(Row::Symbol, 0, greek, false, false);
        r.ms += 500;
        r.recorder.clicked(Row::Symbol, 1, QStringLiteral("tazza, grande.jpg"), true, false);
        r.recorder.rowVisible(Row::Attribute);
        r.ms += 700;
        r.recorder.clicked(Row::Attribute, 0, QStringLiteral("colore.rosé.jpg"), true, false);
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

        // The learner's clicks only, quoted as RFC 4180 says, the session's start in local time, each
        // click timed from its row's showing (the symbol row shows with the set).
        const auto csv = m_dir.filePath(QStringLiteral("out.csv"));
        QCOMPARE(exportCsv(file(), learner, csv), QStringLiteral("0 "));
        const auto start = QDateTime(QDate(2026, 3, 3), QTime(9, 30), Qt::UTC).toLocalTime().toString(Qt::ISODate);
        const auto click = QStringLiteral("\"O'Brien, \"\"Jo\"\"\",%1,1,\"%2\",");
        const auto lines = QStringList{QString::fromLatin1(RecordsCsvHeader),
                                       click + QStringLiteral("symbol,0,\"\"\"Ελληνικά\"\" 猫.jpg\",0,1,1500,0,teach"),
                                       click + QStringLiteral("symbol,1,\"tazza, grande.jpg\",1,0,2000,0,teach"),
                                       click + QStringLiteral("attribute,0,colore.rosé.jpg,1,1,700,0,teach"),
                                       {}};
        const auto written = readAll(csv);
        QCOMPARE(QString::fromUtf8(written), lines.join(QStringLiteral("\r\n")).arg(start, object));

        // Scripts get exit status 2 and one line naming the problem, and the file is left as it was.
        QCOMPARE(exportCsv(file(), QStringLiteral("Nobody"), csv),
                 QStringLiteral("2 tessarine: There are no records of the learner \"Nobody\"\n"));
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

    void masteryIsJudgedFromScoreRows()
    {
        // Trials and right first tries per session, oldest first.
        const auto mastered = [](const QList<MasteryRule::Score>& scores) { return MasteryRule().isMastered(scores); };
        QVERIFY(!mastered({{10, 9}, {10, 9}, {9, 8}}));             // just under 90 %
        QVERIFY(!mastered({{10, 10}, {4, 4}, {10, 10}}));           // too few trials in one session
        QVERIFY(mastered({{5, 5}, {5, 5}, {5, 5}}));                // exactly the minimum of trials
        QVERIFY(!mastered({{10, 10}, {10, 10}}));                   // only two sessions
        QVERIFY(mastered({{10, 0}, {10, 10}, {10, 10}, {10, 10}})); // an old bad session no longer counts

        // CUP is presented in sessions 11, 13 and 14 under three pictures; session 12 did not show
        // it, and a row of a session not listed counts nowhere.
        QList<SessionSummary> sessions;
        for (const qint64 id : {11, 12, 13, 14})
            sessions.emplace_back().id = id;
        const QList<ScoreRow> rows{
            {11, "cup.colour.red.jpg", Row::Symbol, {5, 5}, {}},    {13, "cup.colour.red.jpg", Row::Symbol, {3, 3}, {}},
            {13, "Cup.colour.blue.jpg", Row::Symbol, {2, 2}, {}},   {14, "cup.colour.red.2.jpg", Row::Symbol, {6, 5}, {}},
            {14, "cup.colour.red.jpg", Row::Attribute, {4, 4}, {}}, {99, "cup.colour.red.jpg", Row::Symbol, {9, 0}, {}}};
        const auto p = judgeProgress(sessions, rows, MasteryRule(80, 3, 5));
        QCOMPARE(std::tuple(p.sessions[1].symbols.trials, p.sessions[2].symbols.trials, p.sessions[3].symbols.correct,
                            p.sessions[3].attributes.trials),
                 std::tuple(0, 5, 5, 4));
        QCOMPARE(p.targets.size(), 2);
        const auto cup = p.targets[0];
        QCOMPARE(std::tuple(cup.key, cup.trials, cup.recent.trials, cup.recent.correct, cup.mastered),
                 std::tuple(QStringLiteral("CUP"), 16, 16, 15, true));
        QCOMPARE(std::tuple(p.targets[1].key, p.targets[1].mastered), std::tuple(QStringLiteral("COLOUR.RED"), false));

        // Prompted first tries show no mastery, however right: COLOUR.GREEN, right alone in sessions
        // 11 to 13, was mastered until session 14 presented it with prompts only.
        const auto green = [&](qsizetype sessionCount) {
            return judgeProgress(sessions.first(sessionCount),
                                 {{11, "pen.colour.green.jpg", Row::Attribute, {5, 5}, {}},
                                  {12, "pen.colour.green.jpg", Row::Attribute, {5, 5}, {}},
                                  {13, "pen.colour.green.jpg", Row::Attribute, {5, 5}, {2, 0}},
                                  {14, "pen.colour.green.jpg", Row::Attribute, {0, 0}, {6, 6}}},
                                 MasteryRule(80, 3, 5));
        };
        QVERIFY(green(3).targets.value(0).mastered);
        const auto q = green(4);
        const auto target = q.targets.value(0);
        QCOMPARE(std::tuple(target.key, target.trials, target.promptedTrials, target.recent.trials, target.mastered),
                 std::tuple(QStringLiteral("COLOUR.GREEN"), 15, 8, 10, false));
        QCOMPARE(std::tuple(q.sessions[3].attributes.trials, q.sessions[3].promptedAttributes.correct), std::tuple(0, 6));
    }

    void migrationsFromEveryEarlierVersion_data()
    {
        QTest::addColumn<int>("version");
        for (const int version : {1, 2, 3, 4})
            QTest::newRow(QByteArray::number(version).constData()) << version;
    }
    void migrationsFromEveryEarlierVersion()
    {
        QFETCH(int, version);
        const auto script = readAll(QStringLiteral(TESSARINE_TEST_DATA "/records-v%1.sql").arg(version));
        QCOMPARE(sqlRows(file(), QString::fromUtf8(script)), QStringList());
        // Every row of every table, for a file whose figures the migration must leave as they are.
        const QStringList tables{"learners", "sessions", "sets", "clicks", "scores"};
        QMap<QString, QStringList> before;
        for (const auto& table : tables)
            before.insert(table, sqlRows(file(), QStringLiteral("SELECT * FROM %1 ORDER BY 1, 2").arg(table)));
        {
            RecordsStore store(file());
            QVERIFY(!store.open());
            QCOMPARE(store.schemaVersion(), RecordsSchema::Version);
            QCOMPARE(store.masteryRule(QStringLiteral("Ada")), MasteryRule());
            // Set 2 failed to compose: its click is kept, but the scores, set counts and medians
            // come from set 1 only (1234 and 800 ms), whatever an earlier version kept.
            const auto progress = store.progress(QStringLiteral("Ada"), {});
            const auto s = progress.sessions.value(0);
            QCOMPARE(
                std::tuple(s.symbols.correct, s.symbols.trials, s.attributes.trials, s.sets, s.medianResponseMs.value_or(-1)),
                std::tuple(1, 1, 1, 2, 1017.0));
            QCOMPARE(progress.targets.size(), 2);
            QList<bool> firstTries;
            store.forEachClick(QStringLiteral("Ada"), [&](const ClickRecord& click) { firstTries.append(click.firstTry); });
            QCOMPARE(firstTries, (QList<bool>{true, true, false}));
            // Access settings since version 3: kept whole.
            QCOMPARE(store.accessSettings(QStringLiteral("Ada")).value(QStringLiteral("ScanMode")), version >= 3 ? "1" : "");
            if (version == 4) {
                // Each row whole, the new columns appended at their defaults: no click was prompted,
                // every set was taught, so every figure stays.
                // Sessions get a uuid of their own, no computer or user, and are no unsent ones.
                const QMap<QString, QString> added{
                    {"learners", "|"}, {"sessions", "|UUID|||0"}, {"sets", "|teach"}, {"clicks", "|0|"}, {"scores", "|0|0"}};
                const QRegularExpression uuid(
                    QStringLiteral("[0-9a-f]{8}-[0-9a-f]{4}-4[0-9a-f]{3}-[89ab][0-9a-f]{3}-[0-9a-f]{12}"));
                for (const auto& table : tables) {
                    QStringList expected = before.value(table);
                    for (auto& row : expected)
                        row += added.value(table);
                    auto actual = sqlRows(file(), QStringLiteral("SELECT * FROM %1 ORDER BY 1, 2").arg(table));
                    for (auto& row : actual)
                        row.replace(uuid, QStringLiteral("UUID"));
                    QCOMPARE(actual, expected);
                }
            }
            const QMap<QString, QString> changed{{"ScanMode", "1"}, {"StepKey", "a=b"}};
            store.setAccessSettings(QStringLiteral("Ada"), changed);
            QCOMPARE(store.accessSettings(QStringLiteral("Ada")), changed);
        }
        // A file from a later version is left as it is.
        const auto later = QString::number(RecordsSchema::Version + 1);
        sqlRows(file(), QStringLiteral("PRAGMA user_version=") + later);
        QCOMPARE(openError(file()), RecordsErrorNumber::NewerVersion);
        QCOMPARE(sqlRows(file(), QStringLiteral("PRAGMA user_version")), QStringList{later});
    }

    void failedSetIsKeptButCountsForNothing()
    {
        doubles::RecordingMessageBox box;
        ScriptedRecorder r(file(), box);
        recordSession(r, QStringLiteral("Gus"), QStringLiteral("cup.colour.red.jpg"), 1, 1, 1);
        RecordsStore store(file());
        QVERIFY(!store.open());
        const auto progress = store.progress(QStringLiteral("Gus"), {});
        const auto s = progress.sessions.value(0);
        QCOMPARE(std::tuple(s.sets, s.symbols.trials, s.medianResponseMs.value_or(-1)), std::tuple(2, 1, 800.0));
        QCOMPARE(progress.targets.size(), 2); // CUP and COLOUR.RED: no BALL
        const auto csv = m_dir.filePath(QStringLiteral("gus.csv"));
        QCOMPARE(exportCsv(file(), QStringLiteral("Gus"), csv), QStringLiteral("0 "));
        QVERIFY(readAll(csv).endsWith(",2,ball.colour.blue.jpg,symbol,0,cup.jpg,1,0,200,0,teach\r\n"));
    }

    // Three sessions of CUP RED: five sets whose symbol is answered with the prompt showing, a
    // review set first answered wrong alone and then with the prompt, and a correction set whose
    // dimmed distractor is clicked; every attribute is answered right alone.
    void promptedFirstTriesAreScoredApartAndExported()
    {
        doubles::RecordingMessageBox box;
        ScriptedRecorder r(file(), box);
        const QString learner = QStringLiteral("Pia");
        for (int day = 0; day < 3; ++day) {
            r.recorder.sessionStarted({learner, {}, "1.0.0", "/opt/t"});
            for (int n = 0; n < 7; ++n) {
                const auto kind = n < 5    ? AnswerLog::SetKind::Teach
                                  : n == 5 ? AnswerLog::SetKind::Review
                                           : AnswerLog::SetKind::Correction;
                r.recorder.setShown(
                    {"cup.colour.red.jpg", "CUP", {"cup.jpg", "other.jpg", 0}, {"colour.red.jpg", "b.jpg", 1}, {}, kind});
                r.ms += 3000;
                if (n >= 5)
                    r.recorder.clicked(Row::Symbol, 1, QStringLiteral("other.jpg"), false, n == 6);
                r.recorder.clicked(Row::Symbol, 0, QStringLiteral("cup.jpg"), true, true);
                r.recorder.rowVisible(Row::Attribute);
                r.recorder.clicked(Row::Attribute, 1, QStringLiteral("colour.red.jpg"), true, false);
                r.recorder.setEnded(AnswerLog::SetEnd::NextInSequence);
            }
            r.recorder.sessionEnded();
            r.now = r.now.addDays(1);
        }
        QVERIFY(box.shown.isEmpty());

        RecordsStore store(file());
        QVERIFY(!store.open());
        RecordsModel model(store, learner);
        const auto s = model.progress().sessions.value(2);
        QCOMPARE(std::tuple(s.symbols.trials, s.symbols.correct, s.promptedSymbols.trials, s.promptedSymbols.correct,
                            s.attributes.trials, s.promptedAttributes.trials),
                 std::tuple(1, 0, 6, 5, 7, 0));
        QCOMPARE(model.sessionRows().value(0).mid(5, 2), (QStringList{"7 of 8", "5 of 6"}));
        QCOMPARE(model.independentSeries().value(2), QPointF(3, 100.0 * 7 / 8));
        QCOMPARE(model.promptedSeries().value(2), QPointF(3, 100.0 * 5 / 6));
        // The draw before the next session sees every first try, prompted or not; COLOUR.RED, right
        // alone, is mastered.
        const auto history = store.teachingHistory(learner, model.rule());
        QCOMPARE(std::tuple(history.symbolTrials, history.attributeTrials, history.masteredSymbols, history.masteredAttributes),
                 std::tuple(QMap<QString, int>{{"CUP", 21}}, QMap<QString, int>{{"COLOUR.RED", 21}}, QSet<QString>{},
                            QSet<QString>{"COLOUR.RED"}));

        // The ten columns as they were, then whether the prompt showed and why the set was drawn;
        // response times left out.
        const auto csv = m_dir.filePath(QStringLiteral("pia.csv"));
        QCOMPARE(exportCsv(file(), learner, csv), QStringLiteral("0 "));
        QStringList lines = QString::fromUtf8(readAll(csv)).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 1 + 3 * (7 * 2 + 2) + 1);
        QCOMPARE(lines.first(), QStringLiteral("learner,session_start,set,object,row,element,file,correct,first_try,"
                                               "response_ms,prompted,set_kind"));
        for (auto& line : lines) {
            const auto columns = line.split(u',');
            line = columns.mid(2, 7).join(u',') + u',' + columns.mid(10).join(u',');
        }
        QCOMPARE(lines.mid(9, 8), (QStringList{"5,cup.colour.red.jpg,symbol,0,cup.jpg,1,1,1,teach",
                                               "5,cup.colour.red.jpg,attribute,1,colour.red.jpg,1,1,0,teach",
                                               "6,cup.colour.red.jpg,symbol,1,other.jpg,0,1,0,review",
                                               "6,cup.colour.red.jpg,symbol,0,cup.jpg,1,0,1,review",
                                               "6,cup.colour.red.jpg,attribute,1,colour.red.jpg,1,1,0,review",
                                               "7,cup.colour.red.jpg,symbol,1,other.jpg,0,1,1,correction",
                                               "7,cup.colour.red.jpg,symbol,0,cup.jpg,1,0,1,correction",
                                               "7,cup.colour.red.jpg,attribute,1,colour.red.jpg,1,1,0,correction"}));
    }

    // Targets come from file names: any character but "/" must come back as it went in, and the
    // access settings beside them stay as they are.
    void teachingSettingsGoWithTheLearner()
    {
        RecordsStore store(file());
        QVERIFY(!store.open());
        const TeachingSettings settings{.symbolTargets = QSet<QString>{"CUP", "LINE\nBREAK", "BACK\\nSLASH", "A=B", "TAB\tÉ"},
                                        .attributeTargets = QSet<QString>{},
                                        .promptDelayMs = 3000,
                                        .errorlessTrials = 2};
        store.setAccessSettings(QStringLiteral("Kai"), {{"StepKey", "\\"}});
        store.setTeachingSettings(QStringLiteral("Kai"), settings.toMap());
        QCOMPARE(TeachingSettings::fromMap(store.teachingSettings(QStringLiteral("Kai"))), settings);
        QCOMPARE(store.accessSettings(QStringLiteral("Kai")), (QMap<QString, QString>{{"StepKey", "\\"}}));
        store.setTeachingSettings(QStringLiteral("Kai"), {});
        QVERIFY(TeachingSettings::fromMap(store.teachingSettings(QStringLiteral("Kai"))).isDefault());
    }

    void damagedFileIsSetAsideOnce_data()
    {
        QTest::addColumn<bool>("deep");
        QTest::newRow("not a database") << false;
        QTest::newRow("past its first page") << true;
    }
    void damagedFileIsSetAsideOnce()
    {
        QFETCH(bool, deep);
        doubles::RecordingMessageBox box;
        if (deep) {
            // Enough learners and sets for many pages, of which the later half is overwritten.
            ScriptedRecorder r(file(), box);
            for (int i = 0; i < 10; ++i)
                recordSession(r, QStringLiteral("Learner %1").arg(i), QString(300, QChar(u'a' + i)) + ".colour.red.jpg", 10, 5);
        }
        QFile records(file());
        QVERIFY(records.open(QIODevice::ReadWrite));
        const qint64 size = records.size();
        QVERIFY(!deep || size > 30 * 4096);
        records.seek(size / 2);
        records.write(deep ? QByteArray(size - size / 2, '\xa5')
                           : QByteArray("These are a teacher's notes, not a database.\n").repeated(200));
        records.close();
        const auto damaged = readAll(file());

        // An export only reads: one line, status 2, the file where it was.
        const auto said = exportCsv(file(), QStringLiteral("Learner 9"), m_dir.filePath(QStringLiteral("damaged.csv")));
        QVERIFY2(said.startsWith(QStringLiteral("2 ")) && said.contains(QStringLiteral("damaged")) && said.count(u'\n') == 1,
                 qPrintable(said));
        QCOMPARE(besideFile(), onlyTheFile());

        ScriptedRecorder r(file(), box);
        recordSession(r, QStringLiteral("Learner 9"), QStringLiteral("cup.colour.red.jpg"), 2, 2);
        recordSession(r, QStringLiteral("Learner 9"), QStringLiteral("cup.colour.red.jpg"), 2, 2);
        QCOMPARE(box.shown.size(), 1);
        QVERIFY2(box.shown.first().contains(QStringLiteral("kept as")), qPrintable(box.shown.first()));
        const auto aside = QDir(m_dir.path()).entryList({QFileInfo(file()).completeBaseName() + ".damaged-*.sqlite*"});
        QCOMPARE(aside.size(), 1); // without a log
        QCOMPARE(readAll(m_dir.filePath(aside.first())), damaged);
        QCOMPARE(modeOf(m_dir.filePath(aside.first())), 0600);
        QCOMPARE(sqlRows(file(), QStringLiteral("SELECT count(*) FROM clicks")), QStringList{QStringLiteral("8")});
    }

    void foreignFileIsLeftAlone_data()
    {
        QTest::addColumn<QString>("script");
        QTest::newRow("other tables") << "CREATE TABLE notes (id INTEGER PRIMARY KEY, text TEXT);\n"
                                         "INSERT INTO notes (text) VALUES ('Call the speech therapist');\n";
        QTest::newRow("ours and others") << "CREATE TABLE learners (id INTEGER PRIMARY KEY, name TEXT);\n"
                                            "CREATE TABLE notes (text TEXT);\n";
        QTest::newRow("a version of its own") << "PRAGMA journal_mode=WAL;\nPRAGMA user_version=7;\n";
    }
    void foreignFileIsLeftAlone()
    {
        QFETCH(QString, script);
        QCOMPARE(sqlRows(file(), script), QStringList());
        const auto before = readAll(file());
        QCOMPARE(openError(file()), RecordsErrorNumber::NotRecords);
        const auto said = exportCsv(file(), QStringLiteral("Ada"), m_dir.filePath(QStringLiteral("foreign.csv")));
        QVERIFY2(said.startsWith(QStringLiteral("2 ")) && said.contains(QStringLiteral("not a Tessarine records file")),
                 qPrintable(said));
        QCOMPARE(readAll(file()), before);
        QCOMPARE(besideFile(), onlyTheFile());
    }

    void lockedFileFailsOnceAndExportStillReads()
    {
        doubles::RecordingMessageBox box;
        ScriptedRecorder r(file(), box);
        recordSession(r, QStringLiteral("Lee"), QStringLiteral("cup.colour.red.jpg"), 1, 1);
        {
            auto holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
            holder.setDatabaseName(file());
            QVERIFY(holder.open());
            QSqlQuery write(holder);
            QVERIFY(write.exec(QStringLiteral("BEGIN IMMEDIATE")));
            QVERIFY(write.exec(QStringLiteral("INSERT INTO learners (name) VALUES ('Pending')")));
            QCOMPARE(openError(file()), RecordsErrorNumber::Locked);
            QCOMPARE(besideFile().filter(QStringLiteral(".damaged-")), QStringList());
            const auto csv = m_dir.filePath(QStringLiteral("lee.csv"));
            QCOMPARE(exportCsv(file(), QStringLiteral("Lee"), csv), QStringLiteral("0 "));
            QCOMPARE(readAll(csv).count("\r\n"), 3);
            QVERIFY(write.exec(QStringLiteral("ROLLBACK")));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("holder"));
    }

    void recordsAreKeptToTheirOwner()
    {
        const auto folder = m_dir.filePath(QStringLiteral("home/Corvaldi-Tessarine")), path = folder + "/records.sqlite";
        const auto modes = [&] { return QList<int>{modeOf(folder), modeOf(path), modeOf(path + "-wal"), modeOf(path + "-shm")}; };
        const QList<int> owner{0700, 0600, 0600, 0600};
        {
            RecordsStore store(path);
            QVERIFY(!store.open());
            store.ensureLearner(QStringLiteral("Ivy"));
            QCOMPARE(modes(), owner);
        }
        // Loosened by an earlier version, with a log and an index left behind by a crash.
        ::chmod(QFile::encodeName(folder).constData(), 0755);
        ::chmod(QFile::encodeName(path).constData(), 0644);
        for (const auto* side : {"-wal", "-shm"})
            QFile(path + side).open(QIODevice::WriteOnly);
        QCOMPARE(modes(), (QList<int>{0755, 0644, 0644, 0644}));
        RecordsStore store(path);
        QVERIFY(!store.open());
        QCOMPARE(modes(), owner);
        // An export is the user's own file, made as they make files.
        const auto csv = m_dir.filePath(QStringLiteral("ivy.csv"));
        exportRecordsCsv(store, QStringLiteral("Ivy"), csv);
        QCOMPARE(modeOf(csv), 0644);
    }

    void recordsThatCannotBeMadeAreReportedOnce_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("a read-only folder") << true;
        QTest::newRow("a file where the folder goes") << false;
    }
    void recordsThatCannotBeMadeAreReportedOnce()
    {
        QFETCH(bool, readOnly);
        if (readOnly && ::geteuid() == 0)
            QSKIP("root writes into read-only folders");
        const auto folder = file() + QStringLiteral(".d");
        if (readOnly)
            QDir().mkdir(folder, QFile::ReadOwner | QFile::ExeOwner);
        else
            QFile(folder).open(QIODevice::WriteOnly);
        doubles::RecordingMessageBox box;
        ScriptedRecorder r(folder + QStringLiteral("/records.sqlite"), box);
        recordSession(r, QStringLiteral("Dev"), QStringLiteral("cup.colour.red.jpg"), 3, 1);
        recordSession(r, QStringLiteral("Dev"), QStringLiteral("cup.colour.red.jpg"), 3, 1);
        QCOMPARE(box.shown.size(), 1);
        QVERIFY2(box.shown.first().startsWith(QStringLiteral("Error \"The records f"))
                     && box.shown.first().contains(QStringLiteral("cannot be created"))
                     && box.shown.first().endsWith(QStringLiteral(" in SessionRecorder() routine")),
                 qPrintable(box.shown.first()));
        QVERIFY(!readOnly || QDir(folder).isEmpty());
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

        RecordsStore store(file());
        QVERIFY(!store.open());
        int clicks = 0;
        store.forEachClick(QStringLiteral("Kim"), [&](const ClickRecord& click) {
            ++clicks;
            QCOMPARE(click.set, clicks);
            QCOMPARE(click.file, QStringLiteral("cup.jpg"));
        });
        QVERIFY2(clicks >= acknowledged && clicks <= acknowledged + 1,
                 qPrintable(QStringLiteral("%1 of %2").arg(clicks).arg(acknowledged)));
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
        for (const auto& suffix : {QString(), QStringLiteral("-wal")})
            QVERIFY(!readAll(file() + suffix).contains("Zebulon-Unique") && !readAll(file() + suffix).contains("zanzibar"));
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
