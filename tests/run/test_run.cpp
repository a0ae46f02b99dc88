#include "RunFixture.h"

#include "about/frmAbout.h"
#include "access/AccessDialog.h"
#include "app/AccessSettingsFile.h"
#include "app/RunFlow.h"
#include "app/RunRecords.h"
#include "collections/Collections.h"
#include "options/TriStateCheckBox.h"
#include "options/frmApertura.h"
#include "pictures_window/PicturesWindow.h"
#include "platform/QtPlatform.h"
#include "records/RecordsFixture.h"
#include "records/RecordsStore.h"
#include "records/RecordsWindow.h"
#include "settings/SettingsStore.h"
#include "support/ExerciseFixture.h"
#include "teaching/TeachingDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QSpinBox>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <functional>
#include <optional>

using namespace tessarine;
using namespace tessarine::testing;

namespace {

// Everything past the first page overwritten: the file still opens as an SQLite database, but no
// table of it can be read.
void damagePastFirstPage(const QString& file)
{
    QFile damaged(file);
    QVERIFY(damaged.open(QIODevice::ReadWrite));
    const QByteArray header = damaged.read(100);
    const int pageSize = (quint8(header.at(16)) << 8) | quint8(header.at(17));
    QVERIFY(pageSize >= 512 && damaged.size() > 2 * pageSize && damaged.seek(pageSize));
    QVERIFY(damaged.write(QByteArray(damaged.size() - pageSize, '\xa5')) > pageSize);
}

// Another program writing to the records: a connection of its own holds the write lock.
struct WriteLock {
    explicit WriteLock(const QString& file)
    {
        auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), Name);
        db.setDatabaseName(file);
        held = db.open() && QSqlQuery(db).exec(QStringLiteral("BEGIN IMMEDIATE"));
    }
    // Closing gives the lock up.
    ~WriteLock()
    {
        QSqlDatabase::database(Name).close();
        QSqlDatabase::removeDatabase(Name);
    }
    static inline const QString Name = QStringLiteral("another program");
    bool held = false;
};

// A personal collection of two objects that the program's own folder does not have.
Collection ballsAndKites(const QString& programFolder)
{
    const Collection made = Collections(programFolder).create(QStringLiteral("Outdoors"), false);
    const QMap<QString, QStringList> files{{"Images", {"ball.colour.green.jpg", "kite.colour.yellow.jpg"}},
                                           {"Symbols", {"ball.jpg", "kite.jpg"}},
                                           {"Attributes", {"colour.green.jpg", "colour.yellow.jpg"}}};
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        for (const QString& name : it.value()) {
            QFile file(made.folder + u'/' + it.key() + u'/' + name);
            if (!file.open(QIODevice::WriteOnly) || file.write(testing::jpegBytes({8, 8})) <= 0)
                qFatal("cannot write %s", qPrintable(file.fileName()));
        }
    return made;
}

} // namespace

class TestRun : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Each case starts without personal collections, under a folder of its own.
    void init()
    {
        m_data = std::make_unique<QTemporaryDir>();
        qputenv("XDG_DATA_HOME", m_data->path().toUtf8());
    }

    // The collection picked in the options window is what the exercise shows, what the learner's
    // records name as the program folder, and what tessarine-check checks without a folder.
    void chosenCollectionIsShownRecordedAndChecked()
    {
        Run run;
        const Collection outdoors = ballsAndKites(run.folder.path());
        frmApertura* options = run.flow.start();
        QTest::keyClick(options->cboPictures, Qt::Key_Down);
        QCOMPARE(options->cboPictures->currentText(), QStringLiteral("Outdoors"));
        QTest::keyClicks(options->cboLearner, QStringLiteral("Ana"));
        click(options->OKButton);
        frmMain* exercise = shown<frmMain>();
        QVERIFY(exercise);
        QVERIFY2(QStringList({"BALL GREEN", "KITE YELLOW"}).contains(exercise->lblImmagine->text()),
                 qPrintable(exercise->lblImmagine->text()));
        exercise->close();
        QVERIFY(run.platform.messageBox.shown.isEmpty());

        {
            auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("look"));
            db.setDatabaseName(run.records());
            QVERIFY(db.open());
            QSqlQuery query(QStringLiteral("SELECT program_folder FROM sessions"), db);
            QVERIFY(query.next());
            QCOMPARE(query.value(0).toString(), outdoors.folder);
        }
        QSqlDatabase::removeDatabase(QStringLiteral("look"));

#ifdef TESSARINE_CHECK_EXE
        QProcess check;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), run.config.path());
        check.setProcessEnvironment(environment);
        check.start(QStringLiteral(TESSARINE_CHECK_EXE), QStringList());
        QVERIFY(check.waitForFinished(60000));
        QCOMPARE(QString::fromUtf8(check.readAllStandardOutput()).section(u'\n', 0, 0),
                 QStringLiteral("Tessarine picture check of ") + outdoors.folder);
        QCOMPARE(check.readAllStandardError(), QByteArray());
#endif
    }

    // "Pictures..." opens the Pictures window on the collection chosen; a collection it goes on to
    // (a new one, a personal copy) becomes the options window's choice.
    void picturesWindowAndOptionsFollowEachOther()
    {
        Run run;
        frmApertura* options = run.flow.start();
        click(options->cmdPictures);
        PicturesWindow* pictures = shown<PicturesWindow>();
        QVERIFY(pictures);
        QCOMPARE(QDir(pictures->folder()), QDir(run.folder.path()));
        const QString made = ballsAndKites(run.folder.path()).folder;
        Q_EMIT pictures->collectionChanged(made);
        QCOMPARE(options->cboPictures->currentText(), QStringLiteral("Outdoors"));
        pictures->close();
        click(options->OKButton);
        QVERIFY(shown<frmMain>());
        QVERIFY(QStringList({"BALL GREEN", "KITE YELLOW"}).contains(shown<frmMain>()->lblImmagine->text()));
    }

    // A remembered collection that has vanished is told once in the run, and the exercise shows the
    // program's own pictures.
    void vanishedCollectionIsToldOnce()
    {
        Run run;
        const QString gone = ballsAndKites(run.folder.path()).folder;
        run.settings.write(QStringLiteral("Session"), QStringLiteral("Collection"), gone);
        QVERIFY(QDir(gone).removeRecursively());
        click(run.flow.start()->OKButton);
        frmMain* exercise = shown<frmMain>();
        QVERIFY(exercise);
        QVERIFY(QStringList({"CUP RED", "PEN BLUE"}).contains(exercise->lblImmagine->text()));
        toldOnce(run.platform.messageBox.shown, gone);
    }

    void wholeRun()
    {
        Run run;
        frmApertura* options = run.flow.start();

        fromEventLoop([&] {
            // The user turns the symbol distractor off, picks another sound and starts.
            click(options->chkShowSymbolsDistractor);
            QTest::keyClick(options->cboSoundOK, Qt::Key_Home);
            QTest::keyClick(options->cboSoundOK, Qt::Key_Down);
            click(options->OKButton);

            // Back in the event loop first: Qt must not have ended the run between the two windows.
            fromEventLoop([&] {
                frmMain* exercise = shown<frmMain>();
                QVERIFY(exercise);
                QVERIFY(!exercise->Simbolo[1]->isVisible()); // with the options just chosen
                QTest::mouseClick(exercise->Simbolo[0], Qt::LeftButton);
                QTest::mouseClick(exercise->Attributo[1 - testing::Exercise::rightElement(exercise->Attributo)], Qt::LeftButton);
                exercise->close();
                frmAbout* about = shown<frmAbout>();
                QVERIFY(about);
                QTest::mouseClick(about->cmdOK, Qt::LeftButton);
                // Once, by the About window: closing the exercise window does not end the run.
                QCOMPARE(run.platform.lifetime.ends, 1);
                QCoreApplication::exit(0);
            });
        });

        QCOMPARE(QCoreApplication::exec(), 0);
        // The sounds of the clicks also show that the exercise stage ran, rather than the run ending early.
        QCOMPARE(run.platform.sound.played, QStringList({run.sound("bell.wav"), run.sound("error.wav")}));
        QVERIFY(run.platform.messageBox.shown.isEmpty());
        QCOMPARE(run.stored(SettingKey::SoundOk), QStringLiteral("bell.wav"));
    }

    void failedExerciseOpeningStillShowsTheWindow()
    {
        // One object and one symbol: no symbol distractor to be found.
        Run run({"cup.colour.red.jpg"}, {"cup.jpg"});
        click(run.flow.start()->OKButton);
        // The options were saved before the exercise window opened.
        QCOMPARE(run.stored(SettingKey::SoundOk), QStringLiteral("ok.wav"));

        // The exercise window is there as far as it got, and closing it leads on to the About window.
        QVERIFY(!shown<frmApertura>());
        frmMain* exercise = shown<frmMain>();
        QVERIFY(exercise);
        QCOMPARE(exercise->lblImmagine->text(), QStringLiteral("CUP RED"));
        exercise->close();
        QVERIFY(shown<frmAbout>());
        QCOMPARE(run.platform.lifetime.ends, 0);
        QCOMPARE(run.platform.messageBox.shown,
                 QStringList{"Error \"No image found: plase check images folders\" in OKButton_Click() routine"});
    }

    // A learner deleted in the Records window leaves the learner row, so that the next session does
    // not record them again, and the settings file. Other learners stay, whatever they are called:
    // each has a section of their own, which a later run reads back.
    void deletedLearnerLeavesTheLearnerRowAndTheSettingsFile()
    {
        Run run;
        const QStringList names{"Ana María", "Ben", "Ben/Tom", "Ben%2FTom", "[Zoë] = 1; #2", "C:\\Lea", " Max "};
        const auto settingsOf = [](qsizetype i) {
            return AccessSettings{.scanMode = ScanMode::OneSwitch, .scanIntervalMs = 1000 + 500 * int(i)};
        };
        for (qsizetype i = 0; i < names.size(); ++i)
            AccessSettingsFile(run.settings).write(names[i], settingsOf(i));
        SettingsStore(run.settings)
            .writeForLearner(names[0], QStringLiteral("Collection"), ballsAndKites(run.folder.path()).folder);
        SettingsStore(run.settings).writeForLearner(names[1], QStringLiteral("Collection"), QString());
        run.record(names[0]);
        run.record(names[1]);
        QVERIFY(run.runRecords().setTeachingSettings(names[1], {.errorlessTrials = 2}, QStringLiteral("cmdTeaching_Click")));
        frmApertura* options = run.flow.start();
        options->cboLearner->setCurrentIndex(options->cboLearner->findText(QStringLiteral("Ben")));
        click(options->cmdRecords);
        QVERIFY(shown<RecordsWindow>());
        click(shown<RecordsWindow>()->cmdDeleteLearner);
        QVERIFY(options->cboLearner->count() == 1 && options->cboLearner->itemText(0) == names[0]);
        QCOMPARE(options->cboLearner->currentText(), QString());
        // The learner list refilled does not bring another learner's pictures.
        QCOMPARE(options->cboPictures->currentIndex(), 0);
        QVERIFY(run.platform.messageBox.shown.isEmpty());

        QtSettingsBacking later(run.config.filePath(QStringLiteral("Corvaldi-Tessarine.ini")));
        for (qsizetype i = 0; i < names.size(); ++i)
            QCOMPARE(AccessSettingsFile(later).read(names[i]), names[i] == u"Ben" ? std::nullopt : std::optional(settingsOf(i)));
        QFile text(run.config.filePath(QStringLiteral("Corvaldi-Tessarine.ini")));
        QVERIFY(text.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(text.readAll()).contains(QStringLiteral("[Access/Ana María]\n")));
        // Nor are Ben's teaching settings or choice of pictures kept for a new Ben.
        QCOMPARE(run.runRecords().teachingSettings(QStringLiteral("Ben"), QStringLiteral("cmdTeaching_Click")),
                 TeachingSettings());
        QCOMPARE(SettingsStore(later).readForLearner(QStringLiteral("Ben"), QStringLiteral("Collection")), std::nullopt);
        QVERIFY(SettingsStore(later).readForLearner(names[0], QStringLiteral("Collection")));
    }

    // A records fault there at the start is told once, where it is first met (the options window's
    // opening), not again at "Start program"; the learner's exercise opens whatever the records do.
    void recordsFaultAtTheStartIsToldOnce_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::newRow("a folder where the file goes") << "folder";
        QTest::newRow("damaged past the first page") << "damaged";
        QTest::newRow("held by another program") << "locked";
    }
    void recordsFaultAtTheStartIsToldOnce()
    {
        QFETCH(QString, fault);
        Run run;
        std::optional<WriteLock> lock;
        if (fault == u"folder")
            QVERIFY(QDir().mkdir(run.records()));
        else
            run.record("Ana");
        if (fault == u"locked")
            QVERIFY(lock.emplace(run.records()).held);
        else if (fault == u"damaged")
            damagePastFirstPage(run.records());
        frmApertura* options = run.flow.start();
        QTest::keyClicks(options->cboLearner, QStringLiteral("Ana"));
        click(options->OKButton);
        frmMain* exercise = shown<frmMain>();
        QVERIFY2(exercise, qPrintable(run.platform.messageBox.shown.join(u'\n')));
        QTest::mouseClick(exercise->Simbolo[testing::Exercise::rightElement(exercise->Simbolo)], Qt::LeftButton);
        QVERIFY(exercise->Frame2->isVisible());
        toldOnce(run.platform.messageBox.shown, QStringLiteral("records f"));
    }

    // A learner who answers with two switches keeps them when the records file cannot be read: the
    // settings file holds them too, and the one message says so.
    void switchLearnerKeepsTheirAccessWithoutTheRecords()
    {
        Run run;
        frmApertura* options = run.flow.start();
        // Typed or pasted: keyClicks takes Latin-1 only.
        options->cboLearner->lineEdit()->insert(QStringLiteral("Zoë (2/3) = [A]"));
        fromEventLoop([] {
            AccessDialog* dialog = shown<AccessDialog>();
            QVERIFY(dialog);
            click(dialog->chkKeyboard);
            dialog->cboScan->setCurrentIndex(dialog->cboScan->findData(int(ScanMode::TwoSwitches)));
            click(dialog->buttons->button(QDialogButtonBox::Ok));
        });
        click(options->cmdAccess);
        damagePastFirstPage(run.records());

        click(options->OKButton);
        frmMain* exercise = shown<frmMain>();
        QVERIFY(exercise);
        // Scanning: the ring waits on the first symbol, where the keyboard's ring would be on "Change set".
        QTRY_VERIFY(exercise->Ring->geometry().contains(exercise->Simbolo[0]->mapTo(exercise, QPoint(0, 0))));
        toldOnce(run.platform.messageBox.shown, QStringLiteral("taken from the settings file"));
    }

    // A learner's access settings that only the records hold (as an earlier version kept them) are
    // copied to the settings file and used from there once the records cannot be read. The same
    // fault is told once however often it is met; another one is told.
    void recordsAccessSettingsAreCopiedAndUsedWhenUnreadable()
    {
        Run run;
        const QString ana = QStringLiteral("Ana");
        const AccessSettings access{.keyboardAccess = false, .scanMode = ScanMode::OneSwitch};
        {
            RecordsStore store(run.records());
            QVERIFY(!store.open());
            store.setAccessSettings(ana, access.toMap());
        }
        QCOMPARE(run.runRecords().forExercise(ana, QStringLiteral("Form_Load")).access, access);

        damagePastFirstPage(run.records());
        RunRecords records = run.runRecords();
        QCOMPARE(records.forExercise(ana, QStringLiteral("Form_Load")).access, access);
        QCOMPARE(records.accessSettings(ana, QStringLiteral("cmdAccess_Click")), access);
        toldOnce(run.platform.messageBox.shown, QStringLiteral("taken from the settings file"));

        for (const char* suffix : {"", "-wal", "-shm"})
            QFile::remove(run.records() + QLatin1String(suffix));
        QVERIFY(QDir().mkdir(run.records()));
        QVERIFY(records.learners(QStringLiteral("Form_Load")).isEmpty());
        QCOMPARE(run.platform.messageBox.shown.size(), 2);
    }

    // A change the records could not take (another program held them) is not undone by their
    // older copy once they can be written again: it goes into them.
    void accessChangeMadeWhileTheRecordsAreHeldIsKept()
    {
        Run run;
        const QString ana = QStringLiteral("Ana"), procedure = QStringLiteral("cmdAccess_Click");
        const AccessSettings before{.keyboardAccess = true}, after{.keyboardAccess = false, .scanMode = ScanMode::TwoSwitches};
        run.runRecords().setAccessSettings(ana, before, procedure);
        {
            WriteLock lock(run.records());
            QVERIFY(lock.held);
            run.runRecords().setAccessSettings(ana, after, procedure);
            toldOnce(run.platform.messageBox.shown, QStringLiteral("kept in the settings file"));
        }
        QCOMPARE(run.runRecords().forExercise(ana, QStringLiteral("Form_Load")).access, after);
        RecordsStore store(run.records());
        QVERIFY(!store.open());
        QCOMPARE(AccessSettings::fromMap(store.accessSettings(ana)), after);
        QCOMPARE(run.platform.messageBox.shown.size(), 1);
    }

    // "Teaching..." shows the targets of the collection in use and keeps what is accepted in the
    // learner's records, from where the exercise takes it. Records that cannot be opened are said so
    // every time, however often the fault was told, and no dialog pretends to save.
    void teachingIsKeptWithTheLearnersRecords()
    {
        Run run;
        ballsAndKites(run.folder.path());
        frmApertura* options = run.flow.start();
        QTest::keyClick(options->cboPictures, Qt::Key_Down);
        QTest::keyClicks(options->cboLearner, QStringLiteral("Ana"));
        fromEventLoop([] {
            TeachingDialog* dialog = shown<TeachingDialog>();
            QVERIFY(dialog && dialog->lstTargets->count() == 4);
            QCOMPARE(dialog->lstTargets->item(1)->text(), QStringLiteral("KITE"));
            dialog->lstTargets->setCurrentRow(1);
            QTest::keyClick(dialog->lstTargets, Qt::Key_Space);
            QTest::keyClick(dialog->spnErrorless, Qt::Key_Up);
            QTest::keyClick(dialog->spnErrorless, Qt::Key_Up);
            click(dialog->buttons->button(QDialogButtonBox::Ok));
        });
        click(options->cmdTeaching);
        const TeachingSettings taught{.symbolTargets = QSet<QString>{"BALL"}, .errorlessTrials = 2};
        QCOMPARE(run.runRecords().forExercise(QStringLiteral("Ana"), QStringLiteral("Form_Load")).teaching, taught);
        QVERIFY(run.platform.messageBox.shown.isEmpty());

        for (const char* suffix : {"", "-wal", "-shm"})
            QFile::remove(run.records() + QLatin1String(suffix));
        QVERIFY(QDir().mkdir(run.records()));
        fromEventLoop([] {
            if (TeachingDialog* dialog = shown<TeachingDialog>()) {
                dialog->reject();
                QFAIL("the dialog opened over records that cannot be read");
            }
        });
        click(options->cmdTeaching);
        click(options->cmdTeaching);
        const QStringList told = run.platform.messageBox.shown;
        QVERIFY2(told.size() == 2 && told[1].contains(QStringLiteral("cannot be changed now")), qPrintable(told.join(u'\n')));
        QVERIFY(told[0].contains(QStringLiteral("cmdTeaching_Click")));
    }

    // A therapist chooses three targets with two errorless trials and a three-second delay; in the
    // session that follows, the first two trials of each target are prompted and the third is the
    // learner's own, and the records say which was which.
    void taughtSessionShowsWhichAnswersWerePrompted()
    {
        Run run;
        const QString ana = QStringLiteral("Ana");
        const TeachingSettings taught{.symbolTargets = QSet<QString>{"CUP", "PEN"},
                                      .attributeTargets = QSet<QString>{"COLOUR.RED"},
                                      .promptDelayMs = 3000,
                                      .errorlessTrials = 2};
        QVERIFY(run.runRecords().setTeachingSettings(ana, taught, QStringLiteral("cmdTeaching_Click")));
        frmApertura* options = run.flow.start();
        QTest::keyClicks(options->cboLearner, ana);
        if (options->chkSequenza->checkState() != Qt::Checked)
            click(options->chkSequenza);
        fromEventLoop([&] {
            click(options->OKButton);
            fromEventLoop([&] {
                frmMain* exercise = shown<frmMain>();
                QVERIFY(exercise);
                for (int set = 1; set <= 3; ++set) {
                    // Only the red cup is among the targets.
                    QCOMPARE(exercise->lblImmagine->text(), QStringLiteral("CUP RED"));
                    const int symbol = testing::Exercise::rightElement(exercise->Simbolo);
                    QCOMPARE(exercise->Simbolo[1 - symbol]->isDimmed(), set <= 2);
                    QTest::mouseClick(exercise->Simbolo[symbol], Qt::LeftButton);
                    const int attribute = testing::Exercise::rightElement(exercise->Attributo);
                    QCOMPARE(exercise->Attributo[1 - attribute]->isDimmed(), set <= 2);
                    QTest::mouseClick(exercise->Attributo[attribute], Qt::LeftButton);
                }
                exercise->close();
                QTest::mouseClick(shown<frmAbout>()->cmdOK, Qt::LeftButton);
                QCoreApplication::exit(0);
            });
        });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY2(run.platform.messageBox.shown.isEmpty(), qPrintable(run.platform.messageBox.shown.join(u'\n')));

        RecordsStore store(run.records());
        store.openForReading();
        const LearnerProgress progress = store.progress(ana, store.masteryRule(ana));
        QCOMPARE(std::tuple(progress.sessions.value(0).independent().correct, progress.sessions.value(0).prompted().correct),
                 std::tuple(2, 4));
    }

private:
    std::unique_ptr<QTemporaryDir> m_data;
};

QTEST_MAIN(TestRun)
#include "test_run.moc"
