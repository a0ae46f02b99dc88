#include "about/frmAbout.h"
#include "app/RunFlow.h"
#include "core/Module1.h"
#include "exercise/frmMain.h"
#include "options/TriStateCheckBox.h"
#include "options/frmApertura.h"
#include "platform/QtPlatform.h"
#include "platform/doubles/TestDoubles.h"
#include "settings/SettingsStore.h"
#include "support/MediaFolder.h"
#include "widgets/PictureBox.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

using namespace tessarine;
using testing::MediaFolder;

namespace {

// The real way out of the run, counted, so that a run that never ends fails instead of hanging.
class CountingLifetime final : public IRunLifetime {
public:
    void endRun() override
    {
        ++ends;
        m_real.endRun();
    }
    int ends = 0;

private:
    QtRunLifetime m_real;
};

// A whole run over a throw-away program folder and a real settings file, with the message box
// and the sound player recording.
class Run {
public:
    Run()
        : platform(folder.path())
    {
        for (const char* sound : {"ok.wav", "error.wav", "bell.wav"})
            folder.addFile(QStringLiteral("Sounds"), QString::fromLatin1(sound), "RIFF");
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
    QStringList messages() const { return platform.messageBox.shown; }

    MediaFolder folder;
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

int rightElement(const std::array<PictureBox*, 2>& row)
{
    for (int i : {0, 1})
        if (row[static_cast<std::size_t>(i)]->Tag == QStringLiteral("OK"))
            return i;
    return -1;
}

// Runs `stage` from the event loop; a failed check ends the loop instead of leaving it waiting.
void fromEventLoop(std::function<void()> stage)
{
    QMetaObject::invokeMethod(
        qApp,
        [stage] {
            stage();
            if (QTest::currentTestFailed())
                QCoreApplication::exit(1);
        },
        Qt::QueuedConnection);
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
        run.folder.addPictures(QStringLiteral("Attributes"), {"colour.red.jpg", "colour.blue.jpg"});
        CountingLifetime lifetime;
        frmApertura* options = run.start(lifetime);
        QVERIFY(options->isVisible());
        int stagesDone = 0;

        fromEventLoop([&] {
            // The user turns the symbol distractor off, picks another sound and starts.
            click(options->chkShowSymbolsDistractor);
            QTest::keyClick(options->cboSoundOK, Qt::Key_Home);
            QTest::keyClick(options->cboSoundOK, Qt::Key_Down);
            QCOMPARE(options->cboSoundOK->currentText(), QStringLiteral("bell.wav"));
            click(options->OKButton);
            QVERIFY(!shown<frmApertura>());
            QVERIFY(shown<frmMain>());
            ++stagesDone;

            // Back in the event loop first: Qt must not have ended the run between the two windows.
            fromEventLoop([&] {
                frmMain* exercise = shown<frmMain>();
                QVERIFY(exercise);
                QVERIFY(exercise->windowState() & Qt::WindowMaximized);
                // The exercise window opened with the options just chosen.
                QVERIFY(!exercise->Simbolo[1]->isVisible());
                QVERIFY(!exercise->Frame2->isVisible());
                const QString object = exercise->Immagine->sourceName();
                QVERIFY2(object == "cup.colour.red.jpg" || object == "pen.colour.blue.jpg", qPrintable(object));
                QCOMPARE(exercise->lblImmagine->text(), object.startsWith("cup") ? "CUP RED" : "PEN BLUE");
                QCOMPARE(rightElement(exercise->Simbolo), 0);
                QCOMPARE(exercise->Simbolo[0]->sourceName(), object.startsWith("cup") ? "cup.jpg" : "pen.jpg");

                QTest::mouseClick(exercise->Simbolo[0], Qt::LeftButton);
                QVERIFY(exercise->Frame2->isVisible());
                const int wrong = 1 - rightElement(exercise->Attributo);
                QTest::mouseClick(exercise->Attributo[wrong], Qt::LeftButton);
                QCOMPARE(run.platform.sound.played, QStringList({run.sound("bell.wav"), run.sound("error.wav")}));
                exercise->close();
                QVERIFY(shown<frmAbout>());
                QCOMPARE(lifetime.ends, 0);
                ++stagesDone;

                fromEventLoop([&] {
                    frmAbout* about = shown<frmAbout>();
                    QVERIFY(about);
                    QCOMPARE(about->windowTitle(), QStringLiteral("About Tessarine"));
                    QTest::mouseClick(about->cmdOK, Qt::LeftButton);
                    QVERIFY(!about->isVisible());
                    QCOMPARE(lifetime.ends, 1);
                    ++stagesDone;
                });
            });
        });

        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(stagesDone, 3);
        QVERIFY(run.messages().isEmpty());
        QCOMPARE(run.stored(SettingKey::ShowSymbolsDistractor), QStringLiteral("0"));
        QCOMPARE(run.stored(SettingKey::ShowAttributesDistractor), QStringLiteral("1"));
        QCOMPARE(run.stored(SettingKey::UseSequence), QStringLiteral("1"));
        QCOMPARE(run.stored(SettingKey::SameCategoryAttributes), QStringLiteral("S"));
        QCOMPARE(run.stored(SettingKey::PlaySounds), QStringLiteral("1"));
        QCOMPARE(run.stored(SettingKey::SoundOk), QStringLiteral("bell.wav"));
        QCOMPARE(run.stored(SettingKey::SoundWrong), QStringLiteral("error.wav"));
        QCOMPARE(run.stored(SettingKey::Year), QStringLiteral("2009"));
    }

    void closeBoxSavesAndEndsTheRun()
    {
        Run run;
        QFile old(run.settingsFile());
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("[GeneralSettings]\nUseSequence=2\n[Statistics]\nShown=3\n");
        old.close();
        doubles::RecordingLifetime lifetime;
        frmApertura* options = run.start(lifetime);
        QCOMPARE(options->chkSequenza->checkState(), Qt::PartiallyChecked);
        options->close();

        QCOMPARE(lifetime.ends, 1);
        QVERIFY(!shown<frmMain>() && !shown<frmAbout>());
        // All eleven keys, in a file that also keeps what others stored.
        for (int key = 0; key <= int(SettingKey::Website); ++key)
            if (SettingsStore::definition(SettingKey(key)).section != QStringLiteral("Statistics"))
                QVERIFY2(run.stored(SettingKey(key)) != QStringLiteral("(missing)"),
                         qPrintable(SettingsStore::definition(SettingKey(key)).name));
        QCOMPARE(run.stored(SettingKey::UseSequence), QStringLiteral("2"));
        QCOMPARE(run.stored(SettingKey::Shown), QStringLiteral("3"));
        QVERIFY(run.messages().isEmpty());
    }

    void failedExerciseOpeningStillShowsTheWindow_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty Images folder") << "empty"
                                             << "";
        QTest::newRow("picture cannot be loaded") << "broken"
                                                  << "";
        QTest::newRow("no distractor to be found")
            << "550"
            << "Error \"No image found: plase check images folders\" in OKButton_Click() routine";
    }
    void failedExerciseOpeningStillShowsTheWindow()
    {
        QFETCH(QString, situation);
        QFETCH(QString, message);
        Run run;
        run.folder.addPictures(QStringLiteral("Symbols"), {"cup.jpg"});
        run.folder.addPictures(QStringLiteral("Attributes"), {"colour.red.jpg", "colour.blue.jpg"});
        if (situation == "broken")
            run.folder.addFile(QStringLiteral("Images"), QStringLiteral("cup.colour.red.jpg"), "not a picture");
        if (situation == "550")
            run.folder.addPictures(QStringLiteral("Images"), {"cup.colour.red.jpg"});
        doubles::RecordingLifetime lifetime;
        frmApertura* options = run.start(lifetime);
        click(options->OKButton);

        QCOMPARE(run.messages().size(), 1);
        const QString shownMessage = run.messages().first();
        if (message.isEmpty())
            QVERIFY2(shownMessage.startsWith("Error \"") && shownMessage.endsWith("\" in OKButton_Click() routine"),
                     qPrintable(shownMessage));
        else
            QCOMPARE(shownMessage, message);
        // The options were saved before the exercise window opened.
        QCOMPARE(run.stored(SettingKey::SoundOk), QStringLiteral("ok.wav"));

        // The exercise window is there as far as it got, and the run goes on from it as usual.
        QVERIFY(!shown<frmApertura>());
        frmMain* exercise = shown<frmMain>();
        QVERIFY(exercise);
        if (situation == "550") {
            QCOMPARE(exercise->Immagine->sourceName(), QStringLiteral("cup.colour.red.jpg"));
            QCOMPARE(exercise->lblImmagine->text(), QStringLiteral("CUP RED"));
        }
        QCOMPARE(lifetime.ends, 0);
        exercise->close();
        frmAbout* about = shown<frmAbout>();
        QVERIFY(about);
        QTest::mouseClick(about->cmdOK, Qt::LeftButton);
        QCOMPARE(lifetime.ends, 1);
        QCOMPARE(run.messages().size(), 1);
    }
};

QTEST_MAIN(TestRun)
#include "test_run.moc"
