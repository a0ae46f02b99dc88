#include "about/frmAbout.h"
#include "app/RunFlow.h"
#include "options/TriStateCheckBox.h"
#include "options/frmApertura.h"
#include "platform/QtPlatform.h"
#include "records/RecordsFixture.h"
#include "records/RecordsWindow.h"
#include "settings/SettingsStore.h"
#include "support/ExerciseFixture.h"

#include <QComboBox>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>

#include <functional>

using namespace tessarine;

namespace {

// The real way out of the run, counted, so that a run that never ends fails instead of hanging.
struct CountingLifetime final : IRunLifetime {
    void endRun() override
    {
        ++ends;
        QtRunLifetime().endRun();
    }
    int ends = 0;
};

// The user says yes to every question of the Records window and saves nothing.
struct YesPrompts final : IRecordsPrompts {
    bool confirm(const QString&) override { return true; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
};

// A whole run over a throw-away program folder and a real settings file, with the message box
// and the sound player recording.
struct Run {
    Run(const QStringList& images, const QStringList& symbols)
        : platform(folder.path())
        , flow(module,
               {platform.messageBox, platform.listing, platform.pictures, platform.random, platform.sound, settings, lifetime,
                platform.program},
               config.filePath(QStringLiteral("records.sqlite")), &prompts)
    {
        for (const char* sound : {"ok.wav", "error.wav", "bell.wav"})
            folder.addFile(QStringLiteral("Sounds"), QString::fromLatin1(sound), "RIFF");
        folder.addPictures(QStringLiteral("Images"), images);
        folder.addPictures(QStringLiteral("Symbols"), symbols);
        folder.addPictures(QStringLiteral("Attributes"), {"colour.red.jpg", "colour.blue.jpg"});
    }
    ~Run()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            w->deleteLater();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // What a later run would read from the file.
    QString stored(SettingKey key) const
    {
        QtSettingsBacking fresh(config.filePath(QStringLiteral("Corvaldi-Tessarine.ini")));
        const SettingDefinition& def = SettingsStore::definition(key);
        return fresh.read(def.section, def.name).value_or(QStringLiteral("(missing)"));
    }
    QString sound(const QString& name) const { return folder.path() + QStringLiteral("/Sounds/") + name; }

    testing::MediaFolder folder;
    QTemporaryDir config;
    doubles::TestPlatform platform;
    CountingLifetime lifetime;
    QtSettingsBacking settings{config.filePath(QStringLiteral("Corvaldi-Tessarine.ini"))};
    Module1 module{platform.messageBox, platform.random};
    YesPrompts prompts;
    RunFlow flow;
};

// The window of a kind the user can see, or null.
template <typename Window>
Window* shown()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<Window*>(w); window && window->isVisible())
            return window;
    return nullptr;
}

void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2)); }

// Runs `stage` from the event loop; a failed check ends the loop instead of leaving it waiting.
void fromEventLoop(std::function<void()> stage)
{
    QTimer::singleShot(0, qApp, [stage] {
        stage();
        if (QTest::currentTestFailed())
            QCoreApplication::exit(1);
    });
}

} // namespace

class TestRun : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void wholeRun()
    {
        Run run({"cup.colour.red.jpg", "pen.colour.blue.jpg"}, {"cup.jpg", "pen.jpg"});
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
                // The exercise window opened with the options just chosen.
                QVERIFY(!exercise->Simbolo[1]->isVisible());
                QTest::mouseClick(exercise->Simbolo[0], Qt::LeftButton);
                QTest::mouseClick(exercise->Attributo[1 - testing::Exercise::rightElement(exercise->Attributo)], Qt::LeftButton);
                exercise->close();
                frmAbout* about = shown<frmAbout>();
                QVERIFY(about);
                QTest::mouseClick(about->cmdOK, Qt::LeftButton);
                // Once, by the About window: closing the exercise window does not end the run.
                QCOMPARE(run.lifetime.ends, 1);
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
        QCOMPARE(run.lifetime.ends, 0);
        QCOMPARE(run.platform.messageBox.shown,
                 QStringList{"Error \"No image found: plase check images folders\" in OKButton_Click() routine"});
    }

    // A learner deleted in the Records window leaves the options window's learner row, so that the
    // next session does not record them again; the other learners stay.
    void deletedLearnerLeavesTheLearnerRow()
    {
        Run run({"cup.colour.red.jpg", "pen.colour.blue.jpg"}, {"cup.jpg", "pen.jpg"});
        testing::ScriptedRecorder r(run.config.filePath(QStringLiteral("records.sqlite")), run.platform.messageBox);
        for (const char* learner : {"Ana", "Ben"})
            testing::recordSession(r, QString::fromLatin1(learner), QStringLiteral("cup.colour.red.jpg"), 1, 1);
        frmApertura* options = run.flow.start();
        options->cboLearner->setCurrentIndex(options->cboLearner->findText(QStringLiteral("Ana")));
        click(options->cmdRecords);
        RecordsWindow* records = shown<RecordsWindow>();
        QVERIFY(records);
        QCOMPARE(records->tblSessions->rowCount(), 1); // Ana's one session
        click(records->cmdDeleteLearner);
        QCOMPARE(options->cboLearner->count(), 1);
        QCOMPARE(options->cboLearner->itemText(0), QStringLiteral("Ben"));
        QCOMPARE(options->cboLearner->currentText(), QString());
        QVERIFY(run.platform.messageBox.shown.isEmpty());
    }

    // Records that cannot be kept (a folder stands where the file goes) are reported once, when the
    // learner's exercise opens, and the exercise goes on.
    void recordsThatCannotBeKeptAreReportedOnce()
    {
        Run run({"cup.colour.red.jpg", "pen.colour.blue.jpg"}, {"cup.jpg", "pen.jpg"});
        frmApertura* options = run.flow.start();
        QVERIFY(QDir(run.config.path()).mkdir(QStringLiteral("records.sqlite")));
        QTest::keyClicks(options->cboLearner, QStringLiteral("Ana"));
        click(options->OKButton);
        frmMain* exercise = shown<frmMain>();
        QVERIFY(exercise);
        QTest::mouseClick(exercise->Simbolo[testing::Exercise::rightElement(exercise->Simbolo)], Qt::LeftButton);
        QVERIFY(exercise->Frame2->isVisible());
        const QStringList& messages = run.platform.messageBox.shown;
        QVERIFY2(messages.size() == 1 && messages[0].contains(QStringLiteral("records file")), qPrintable(messages.join(u'\n')));
    }
};

QTEST_MAIN(TestRun)
#include "test_run.moc"
