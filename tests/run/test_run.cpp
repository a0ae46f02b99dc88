#include "about/frmAbout.h"
#include "app/RunFlow.h"
#include "options/TriStateCheckBox.h"
#include "options/frmApertura.h"
#include "platform/QtPlatform.h"
#include "settings/SettingsStore.h"
#include "support/ExerciseFixture.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QTemporaryDir>

#include <functional>

using namespace tessarine;
using testing::Exercise;

namespace {

// The real way out of the run, counted, so that a run that never ends fails instead of hanging.
struct CountingLifetime final : IRunLifetime {
    void endRun() override
    {
        ++ends;
        real.endRun();
    }
    int ends = 0;
    QtRunLifetime real;
};

// A whole run over a throw-away program folder and a real settings file, with the message box
// and the sound player recording.
struct Run {
    Run()
        : platform(folder.path())
    {
        for (const char* sound : {"ok.wav", "error.wav", "bell.wav"})
            folder.addFile(QStringLiteral("Sounds"), QString::fromLatin1(sound), "RIFF");
        folder.addPictures(QStringLiteral("Attributes"), {"colour.red.jpg", "colour.blue.jpg"});
    }
    ~Run()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<frmApertura*>(w) || qobject_cast<frmMain*>(w) || qobject_cast<frmAbout*>(w))
                w->deleteLater();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    frmApertura* start(IRunLifetime& lifetime)
    {
        settings = std::make_unique<QtSettingsBacking>(settingsFile());
        module = std::make_unique<Module1>(platform.messageBox, platform.random);
        flow = std::make_unique<RunFlow>(*module,
                                         Platform{platform.messageBox, platform.listing, platform.pictures, platform.random,
                                                  platform.sound, *settings, lifetime, platform.program},
                                         config.filePath(QStringLiteral("records.sqlite")));
        return flow->start();
    }
    QString settingsFile() const { return config.filePath(QStringLiteral("Corvaldi-Tessarine.ini")); }
    // What a later run would read from the file.
    QString stored(SettingKey key) const
    {
        QtSettingsBacking fresh(settingsFile());
        const SettingDefinition& def = SettingsStore::definition(key);
        return fresh.read(def.section, def.name).value_or(QStringLiteral("(missing)"));
    }
    QString sound(const QString& name) const { return folder.path() + QStringLiteral("/Sounds/") + name; }

    testing::MediaFolder folder;
    QTemporaryDir config;
    doubles::TestPlatform platform;
    std::unique_ptr<QtSettingsBacking> settings;
    std::unique_ptr<Module1> module;
    std::unique_ptr<RunFlow> flow;
};

// The one window of a kind the user can see, or null.
template <typename Window>
Window* shown()
{
    Window* found = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<Window*>(w); window && window->isVisible())
            found = window;
    return found;
}

void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2)); }

// Runs `stage` from the event loop; a failed check ends the loop instead of leaving it waiting.
void fromEventLoop(std::function<void()> stage)
{
    const auto run = [stage] {
        stage();
        if (QTest::currentTestFailed())
            QCoreApplication::exit(1);
    };
    QMetaObject::invokeMethod(qApp, run, Qt::QueuedConnection);
}

} // namespace

class TestRun : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void wholeRun()
    {
        Run run;
        run.folder.addPictures(QStringLiteral("Images"), {"cup.colour.red.jpg", "pen.colour.blue.jpg"});
        run.folder.addPictures(QStringLiteral("Symbols"), {"cup.jpg", "pen.jpg"});
        CountingLifetime lifetime;
        frmApertura* options = run.start(lifetime);
        int stagesDone = 0;

        fromEventLoop([&] {
            // The user turns the symbol distractor off, picks another sound and starts.
            click(options->chkShowSymbolsDistractor);
            QTest::keyClick(options->cboSoundOK, Qt::Key_Home);
            QTest::keyClick(options->cboSoundOK, Qt::Key_Down);
            QCOMPARE(options->cboSoundOK->currentText(), QStringLiteral("bell.wav"));
            click(options->OKButton);
            ++stagesDone;

            // Back in the event loop first: Qt must not have ended the run between the two windows.
            fromEventLoop([&] {
                frmMain* exercise = shown<frmMain>();
                QVERIFY(exercise);
                // The exercise window opened with the options just chosen.
                QVERIFY(!exercise->Simbolo[1]->isVisible());
                QVERIFY(!exercise->Frame2->isVisible());

                QTest::mouseClick(exercise->Simbolo[0], Qt::LeftButton);
                QVERIFY(exercise->Frame2->isVisible());
                const int wrong = 1 - Exercise::rightElement(exercise->Attributo);
                QTest::mouseClick(exercise->Attributo[wrong], Qt::LeftButton);
                QCOMPARE(run.platform.sound.played, QStringList({run.sound("bell.wav"), run.sound("error.wav")}));
                exercise->close();
                QCOMPARE(lifetime.ends, 0);
                ++stagesDone;

                fromEventLoop([&] {
                    frmAbout* about = shown<frmAbout>();
                    QVERIFY(about);
                    QTest::mouseClick(about->cmdOK, Qt::LeftButton);
                    QCOMPARE(lifetime.ends, 1);
                    ++stagesDone;
                });
            });
        });

        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(stagesDone, 3);
        QVERIFY(run.platform.messageBox.shown.isEmpty());
        QCOMPARE(run.stored(SettingKey::ShowSymbolsDistractor), QStringLiteral("0"));
        QCOMPARE(run.stored(SettingKey::SoundOk), QStringLiteral("bell.wav"));
    }

    void closeBoxSavesAndEndsTheRun()
    {
        Run run;
        doubles::RecordingLifetime lifetime;
        run.start(lifetime)->close();
        QCOMPARE(lifetime.ends, 1);
        QVERIFY(!shown<frmMain>() && !shown<frmAbout>());
        QCOMPARE(run.stored(SettingKey::SoundOk), QStringLiteral("ok.wav"));
        QVERIFY(run.platform.messageBox.shown.isEmpty());
    }

    void failedExerciseOpeningStillShowsTheWindow()
    {
        // One object and one symbol: no symbol distractor to be found.
        Run run;
        run.folder.addPictures(QStringLiteral("Images"), {"cup.colour.red.jpg"});
        run.folder.addPictures(QStringLiteral("Symbols"), {"cup.jpg"});
        doubles::RecordingLifetime lifetime;
        click(run.start(lifetime)->OKButton);
        const QStringList message{"Error \"No image found: plase check images folders\" in OKButton_Click() routine"};
        QCOMPARE(run.platform.messageBox.shown, message);
        // The options were saved before the exercise window opened.
        QCOMPARE(run.stored(SettingKey::SoundOk), QStringLiteral("ok.wav"));

        // The exercise window is there as far as it got, and the run goes on from it as usual.
        QVERIFY(!shown<frmApertura>());
        frmMain* exercise = shown<frmMain>();
        QVERIFY(exercise);
        QCOMPARE(exercise->lblImmagine->text(), QStringLiteral("CUP RED"));
        QCOMPARE(lifetime.ends, 0);
        exercise->close();
        frmAbout* about = shown<frmAbout>();
        QVERIFY(about);
        QTest::mouseClick(about->cmdOK, Qt::LeftButton);
        QCOMPARE(lifetime.ends, 1);
        QCOMPARE(run.platform.messageBox.shown, message);
    }
};

QTEST_MAIN(TestRun)
#include "test_run.moc"
