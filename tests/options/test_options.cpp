#include "core/Module1.h"
#include "options/TriStateCheckBox.h"
#include "options/frmApertura.h"
#include "platform/SettingsBacking.h"
#include "platform/doubles/TestDoubles.h"
#include "settings/SettingsStore.h"
#include "support/MediaFolder.h"
#include "widgets/Twips.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

#include <memory>

using namespace tessarine;

namespace {

const QString NoSound = QStringLiteral("*** NO SOUND ***");

// One options window over a throw-away program folder, with recording doubles and the settings in
// memory, unless a test hands in another listing or settings backing.
struct Rig {
    Rig(const QStringList& sounds = {})
        : platform(folder.path())
    {
        for (const QString& name : sounds)
            folder.addFile(QStringLiteral("Sounds"), name, "RIFF");
    }
    ~Rig()
    {
        // Windows go before the module they refer to.
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* options = qobject_cast<frmApertura*>(w))
                options->deleteLater();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void store(SettingKey key, const QString& value)
    {
        const SettingDefinition& def = SettingsStore::definition(key);
        platform.settings.values.insert({def.section, def.name}, value);
    }
    QString stored(SettingKey key) const
    {
        const SettingDefinition& def = SettingsStore::definition(key);
        return platform.settings.values.value({def.section, def.name}, QStringLiteral("(missing)"));
    }
    frmApertura& open()
    {
        module = std::make_unique<Module1>(platform.messageBox, platform.random);
        frmApertura::Actions actions;
        actions.openExercise = [this](QPointer<QWidget>&) { ++exercisesOpened; };
        actions.knownLearners = [] { return QStringList{"Ana", "Ben"}; };
        actions.openRecords = [this](const QString& learner) { opened << "records " + learner; };
        actions.openAccess = [this](const QString& learner) { opened << "access " + learner; };
        actions.audioNotice = [this] { return audioNotice; };
        window = new frmApertura(*module,
                                 {platform.messageBox, listing ? *listing : platform.listing, platform.pictures, platform.random,
                                  platform.sound, settings ? *settings : platform.settings, platform.lifetime, platform.program},
                                 actions);
        window->show();
        return *window;
    }
    QStringList messages() const { return platform.messageBox.shown; }
    QString sound(const QString& name) const { return folder.path() + QStringLiteral("/Sounds/") + name; }

    testing::MediaFolder folder;
    doubles::TestPlatform platform;
    IDirectoryListing* listing = nullptr;
    ISettingsBacking* settings = nullptr;
    std::unique_ptr<Module1> module;
    QPointer<frmApertura> window;
    int exercisesOpened = 0;
    QStringList opened;
    QString audioNotice;
};

// A user's click on the box or circle of a check box or option button, or on a push button.
void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2)); }

// Picks an entry of a drop-down list with the keyboard.
void choose(QComboBox* list, const QString& entry)
{
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < list->count() && list->currentText() != entry; ++i)
        QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentText(), entry);
}

QStringList entries(const QComboBox* list)
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result << list->itemText(i);
    return result;
}

} // namespace

class TestOptions : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void layoutAsDesigned()
    {
        Rig rig;
        frmApertura& w = rig.open();
        QCOMPARE(w.windowTitle(), QStringLiteral("Tessarine"));
        QVERIFY(!w.windowIcon().isNull());
        QCOMPARE(w.size(), QSize(408, 466));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QVERIFY(!(w.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));

        const std::tuple<QWidget*, QWidget*, QRect, QString> placed[] = {
            {w.Label1, &w, twipsRect(120, 240, 3495, 375), "Program Options"},
            {w.frmDistractors, &w, twipsRect(240, 960, 5535, 2175), "Distractors management"},
            {w.chkShowSymbolsDistractor, w.frmDistractors, twipsRect(120, 360, 2655, 255), "Show distractor for symbols"},
            {w.chkShowAttributesDistractor, w.frmDistractors, twipsRect(120, 720, 2535, 255), "Show distractor for attributes"},
            {w.Label3, w.frmDistractors, twipsRect(120, 1200, 2895, 255), "Attribute distractor chosing method"},
            {w.Option1, w.frmDistractors, twipsRect(120, 1440, 2175, 255), "Same category of image"},
            {w.Option2, w.frmDistractors, twipsRect(120, 1680, 2895, 255), "Full random (regardless of category)"},
            {w.chkSequenza, &w, twipsRect(360, 3360, 3975, 255), "Use sequence between symbols and attributes"},
            {w.Frame1, &w, twipsRect(240, 4080, 5535, 1815), "Sounds management"},
            {w.chkSuoni, w.Frame1, twipsRect(120, 360, 1455, 375), "Play sounds"},
            {w.Label5, w.Frame1, twipsRect(120, 870, 1215, 255), "Sound for \"OK\""},
            {w.cboSoundOK, w.Frame1, twipsRect(1560, 840, 3255, 315), ""},
            {w.cmdPlayOk, w.Frame1, twipsRect(4920, 810, 375, 375), ""},
            {w.Label4, w.Frame1, twipsRect(120, 1260, 1215, 255), "Sound for \"error\""},
            {w.cboSoundWrong, w.Frame1, twipsRect(1560, 1230, 3255, 315), ""},
            {w.cmdPlayWrong, w.Frame1, twipsRect(4920, 1200, 375, 375), ""},
            {w.OKButton, &w, twipsRect(4680, 6360, 1215, 375), "Start program"},
            {w.lblLearner, &w, twipsRect(240, 6420, 660, 255), "Learner"},
            {w.cboLearner, &w, twipsRect(900, 6360, 1650, 375), ""},
            {w.cmdRecords, &w, twipsRect(2610, 6360, 1005, 375), "Records..."},
            {w.cmdAccess, &w, twipsRect(3660, 6360, 960, 375), "Access..."},
        };
        for (const auto& [widget, parent, geometry, caption] : placed) {
            QVERIFY(widget->parentWidget() == parent && widget->isVisible());
            // A caption in a font wider than the designed one grows to the right, never cut off.
            const bool grows = qobject_cast<QLabel*>(widget) || qobject_cast<QCheckBox*>(widget)
                               || qobject_cast<QRadioButton*>(widget);
            const int width = grows ? std::max(geometry.width(), widget->sizeHint().width()) : geometry.width();
            QCOMPARE(widget->geometry(), QRect(geometry.topLeft(), QSize(width, geometry.height())));
            if (auto* label = qobject_cast<QLabel*>(widget))
                QCOMPARE(label->text(), caption);
            if (auto* button = qobject_cast<QAbstractButton*>(widget))
                QCOMPARE(button->text(), caption);
            if (auto* frame = qobject_cast<QGroupBox*>(widget))
                QCOMPARE(frame->title(), caption);
        }
        QVERIFY(!w.lblNoAudio->isVisible());
        QCOMPARE(w.Line2->geometry(), QRect(twipsPoint(120, 720), twipsPoint(5880, 720)));
        QCOMPARE(w.Line1->geometry(), QRect(twipsPoint(240, 6120), twipsPoint(5990, 6120)));
        QCOMPARE(w.Label1->font().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(w.Label1->font().pointSize(), 12);
        QVERIFY(w.Label1->font().bold());
        for (QPushButton* play : {w.cmdPlayOk, w.cmdPlayWrong}) {
            QVERIFY(!play->icon().isNull());
            QCOMPARE(play->toolTip(), QStringLiteral("Play it"));
        }
    }

    void tabOrderStartsWithStartProgram()
    {
        Rig rig;
        frmApertura& w = rig.open();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        // Tab passes by the option button that is not selected.
        const QList<QWidget*> expected{w.OKButton,
                                       w.chkShowAttributesDistractor,
                                       w.chkShowSymbolsDistractor,
                                       w.Option1,
                                       w.chkSequenza,
                                       w.cmdPlayWrong,
                                       w.cmdPlayOk,
                                       w.chkSuoni,
                                       w.cboSoundWrong,
                                       w.cboSoundOK,
                                       w.cboLearner,
                                       w.OKButton};
        QList<QWidget*> visited{QApplication::focusWidget()};
        while (visited.size() < expected.size()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget();
        }
        QCOMPARE(visited, expected);
        // No default and no cancel button: Esc, and Enter away from a push button, do nothing.
        QTest::keyClick(w.OKButton, Qt::Key_Escape);
        QTest::keyClick(w.chkSuoni, Qt::Key_Return);
        QVERIFY(w.isVisible());
        // Enter presses the push button that has the focus.
        QTest::keyClick(w.cmdPlayOk, Qt::Key_Return);
        QCOMPARE(rig.platform.sound.played, QStringList{rig.sound(NoSound)});
        QTest::keyClick(w.OKButton, Qt::Key_Return);
        QVERIFY(!w.isVisible());
        QCOMPARE(rig.exercisesOpened, 1);
    }

    void firstRun()
    {
        Rig rig({"error.wav", "ok.wav"});
        frmApertura& w = rig.open();
        for (TriStateCheckBox* box : {w.chkShowSymbolsDistractor, w.chkShowAttributesDistractor, w.chkSequenza, w.chkSuoni})
            QCOMPARE(box->checkState(), Qt::Checked);
        QVERIFY(w.Option1->isChecked() && !w.Option2->isChecked());
        const Module1& m = *rig.module;
        QVERIFY(m.ShowSymbolsDistractor && m.ShowAttributesDistractor && m.SameCategoryAttributes && m.UseSequence);
        QCOMPARE(w.cboSoundOK->currentText(), QStringLiteral("ok.wav"));
        QCOMPARE(w.cboSoundWrong->currentText(), QStringLiteral("error.wav"));
        // The sound variables wait for the closing, and nothing is stored before it.
        QVERIFY(!m.PlaySounds && m.SoundOk.isEmpty());
        QVERIFY(rig.platform.settings.written.isEmpty());
        QVERIFY(rig.messages().isEmpty());
    }

    void learnerRow()
    {
        Rig rig;
        rig.store(SettingKey::Learner, QStringLiteral("Ben"));
        rig.audioNotice = QStringLiteral("This computer has no sound output");
        frmApertura& w = rig.open();
        QVERIFY(w.lblNoAudio->isVisible());
        QCOMPARE(w.lblNoAudio->text(), rig.audioNotice);
        QCOMPARE(entries(w.cboLearner), QStringList({"Ana", "Ben"}));
        QCOMPARE(w.cboLearner->currentText(), QStringLiteral("Ben"));
        QVERIFY(w.cmdAccess->isEnabled());
        click(w.cmdRecords);
        click(w.cmdAccess);
        // A new learner is typed in; the empty learner has no access settings of its own.
        w.cboLearner->clearEditText();
        QVERIFY(!w.cmdAccess->isEnabled() && !w.cmdRecords->isEnabled());
        QTest::keyClicks(w.cboLearner, QStringLiteral("  Cleo "));
        click(w.cmdAccess);
        QCOMPARE(rig.opened, QStringList({"records Ben", "access Ben", "access Cleo"}));
        w.close();
        QCOMPARE(rig.stored(SettingKey::Learner), QStringLiteral("Cleo"));
        QCOMPARE(rig.module->Learner, QStringLiteral("Cleo"));
    }

    void storedCheckBoxStates_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("message");
        const int symbols = int(SettingKey::ShowSymbolsDistractor), sequence = int(SettingKey::UseSequence),
                  sounds = int(SettingKey::PlaySounds);
        const QString load = QStringLiteral(" in Form_Load() routine"), lists = QStringLiteral(" in CaricaSuoni() routine");
        QTest::newRow("symbols 0") << symbols << "0" << int(Qt::Unchecked) << "";
        QTest::newRow("symbols 2") << symbols << "2" << int(Qt::PartiallyChecked) << "";
        QTest::newRow("attributes 2") << int(SettingKey::ShowAttributesDistractor) << "2" << int(Qt::PartiallyChecked) << "";
        QTest::newRow("sequence not a number") << sequence << "yes" << int(Qt::Unchecked) << "Error \"Type mismatch\"" + load;
        QTest::newRow("sequence 3") << sequence << "3" << int(Qt::Unchecked) << "Error \"Invalid property value\"" + load;
        QTest::newRow("sequence 40000") << sequence << "40000" << int(Qt::Unchecked) << "Error \"Overflow\"" + load;
        QTest::newRow("sounds 0") << sounds << "0" << int(Qt::Unchecked) << "";
        QTest::newRow("sounds 2") << sounds << "2" << int(Qt::PartiallyChecked) << "";
        QTest::newRow("sounds empty") << sounds << "" << int(Qt::Checked) << "Error \"Type mismatch\"" + lists;
    }
    void storedCheckBoxStates()
    {
        QFETCH(int, key);
        QFETCH(QString, value);
        QFETCH(int, state);
        QFETCH(QString, message);
        Rig rig({"ok.wav"});
        rig.store(SettingKey(key), value);
        frmApertura& w = rig.open();
        QVERIFY(w.isVisible());
        QCOMPARE(rig.messages(), message.isEmpty() ? QStringList() : QStringList{message});

        Module1& m = *rig.module;
        const std::pair<TriStateCheckBox*, bool*> boxes[] = {{w.chkShowSymbolsDistractor, &m.ShowSymbolsDistractor},
                                                             {w.chkShowAttributesDistractor, &m.ShowAttributesDistractor},
                                                             {w.chkSequenza, &m.UseSequence},
                                                             {w.chkSuoni, &m.PlaySounds}};
        const auto [box, flag] = boxes[key == int(SettingKey::PlaySounds) ? 3 : key];
        QCOMPARE(box->checkState(), Qt::CheckState(state));
        // Closing untouched stores the state shown, the third state as "2"; only "checked" sets the flag.
        w.close();
        QCOMPARE(*flag, state == Qt::Checked);
        QCOMPARE(rig.stored(SettingKey(key)), state == Qt::Checked ? "1" : state == Qt::Unchecked ? "0" : "2");
        QCOMPARE(rig.messages().size(), message.isEmpty() ? 0 : 1);
    }

    void sameCategorySelection_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("sameCategory");
        QTest::newRow("missing") << QString() << true;
        QTest::newRow("S") << "S" << true;
        QTest::newRow("s") << "s" << false;
        QTest::newRow("N") << "N" << false;
        QTest::newRow("empty") << "" << false;
    }
    void sameCategorySelection()
    {
        QFETCH(QString, value);
        QFETCH(bool, sameCategory);
        Rig rig;
        if (!value.isNull())
            rig.store(SettingKey::SameCategoryAttributes, value);
        frmApertura& w = rig.open();
        QCOMPARE(w.Option1->isChecked(), sameCategory);
        QCOMPARE(w.Option2->isChecked(), !sameCategory);
        QCOMPARE(rig.module->SameCategoryAttributes, sameCategory);
        w.close();
        QCOMPARE(rig.stored(SettingKey::SameCategoryAttributes), sameCategory ? "S" : "N");
    }

    void clicksSetTheFlagsAtOnce()
    {
        Rig rig;
        rig.store(SettingKey::ShowAttributesDistractor, QStringLiteral("2"));
        frmApertura& w = rig.open();
        Module1& m = *rig.module;
        click(w.chkShowSymbolsDistractor);
        click(w.chkSequenza);
        click(w.Option2);
        QVERIFY(!m.ShowSymbolsDistractor && !m.UseSequence && !m.SameCategoryAttributes);
        QVERIFY(!w.Option1->isChecked());
        click(w.Option1);
        QVERIFY(m.SameCategoryAttributes);

        // A click never leads into the third state: from it to checked, then clear, then checked.
        QVERIFY(!m.ShowAttributesDistractor);
        QList<Qt::CheckState> states;
        for (int i = 0; i < 3; ++i) {
            click(w.chkShowAttributesDistractor);
            states << w.chkShowAttributesDistractor->checkState();
        }
        QTest::keyClick(w.chkShowAttributesDistractor, Qt::Key_Space);
        states << w.chkShowAttributesDistractor->checkState();
        QCOMPARE(states, QList<Qt::CheckState>({Qt::Checked, Qt::Unchecked, Qt::Checked, Qt::Unchecked}));
        QVERIFY(!m.ShowAttributesDistractor);
        QVERIFY(rig.platform.settings.written.isEmpty());
    }

    void soundListsInOrdinalOrder()
    {
        Rig rig;
        doubles::ScriptedListing listing;
        listing.names = QStringList{"b.wav", "C.wav", "a.wav", "_x.wav", "1.wav"};
        rig.listing = &listing;
        frmApertura& w = rig.open();
        QCOMPARE(listing.patterns, QStringList{rig.folder.path() + QStringLiteral("/Sounds/*.wav")});
        const QStringList expected{NoSound, "1.wav", "C.wav", "_x.wav", "a.wav", "b.wav"};
        QCOMPARE(entries(w.cboSoundOK), expected);
        QCOMPARE(entries(w.cboSoundWrong), expected);
        QCOMPARE(w.cboSoundOK->currentIndex(), 0);
    }

    void storedSoundChoices_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("storedOk"); // a null text: not stored
        QTest::addColumn<QString>("storedWrong");
        QTest::addColumn<QString>("shownOk");
        QTest::addColumn<QString>("shownWrong");
        const QStringList files{"Bell.wav", "error.wav", "ok.wav"};
        QTest::newRow("first start") << files << QString() << QString() << "ok.wav"
                                     << "error.wav";
        QTest::newRow("no ok.wav") << QStringList{"error.wav"} << QString() << QString() << NoSound << "error.wav";
        QTest::newRow("other letter case") << files << "OK.WAV"
                                           << "bell.wav"
                                           << "ok.wav"
                                           << "Bell.wav";
        QTest::newRow("stored empty text") << files << ""
                                           << "" << NoSound << NoSound;
        QTest::newRow("file gone") << files << "chime.wav"
                                   << "error.wav" << NoSound << "error.wav";
        QTest::newRow("case-only twins") << QStringList{"OK.wav", "ok.wav"} << "ok.wav"
                                         << "Ok.wav"
                                         << "ok.wav"
                                         << "OK.wav";
        QTest::newRow("empty folder") << QStringList() << "ok.wav"
                                      << "error.wav" << NoSound << NoSound;
    }
    void storedSoundChoices()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, storedOk);
        QFETCH(QString, storedWrong);
        QFETCH(QString, shownOk);
        QFETCH(QString, shownWrong);
        Rig rig(files);
        if (!storedOk.isNull())
            rig.store(SettingKey::SoundOk, storedOk);
        if (!storedWrong.isNull())
            rig.store(SettingKey::SoundWrong, storedWrong);
        frmApertura& w = rig.open();
        QCOMPARE(w.cboSoundOK->count(), files.size() + 1);
        QCOMPARE(w.cboSoundOK->currentText(), shownOk);
        QCOMPARE(w.cboSoundWrong->currentText(), shownWrong);

        // Stored and used as the list spells it; "*** NO SOUND ***" as the empty text.
        w.close();
        const QString ok = shownOk == NoSound ? QString() : shownOk;
        const QString wrong = shownWrong == NoSound ? QString() : shownWrong;
        QCOMPARE(rig.stored(SettingKey::SoundOk), ok);
        QCOMPARE(rig.stored(SettingKey::SoundWrong), wrong);
        QCOMPARE(rig.module->SoundOk, ok);
        QCOMPARE(rig.module->SoundWrong, wrong);
        QVERIFY(rig.messages().isEmpty());
    }

    void unreadableOrOverfullSoundFolder()
    {
        Rig rig;
        doubles::ScriptedListing listing;
        listing.failFirst = true;
        rig.listing = &listing;
        frmApertura& failed = rig.open();
        QCOMPARE(rig.messages(), QStringList{"Error \"Folder cannot be read\" in CaricaSuoni() routine"});
        QCOMPARE(entries(failed.cboSoundWrong), QStringList{NoSound});
        QCOMPARE(failed.cboSoundWrong->currentIndex(), 0);
        delete rig.window;

        // Delivered last name first, so the sort has work to do; one report per name that does not fit.
        listing.failFirst = false;
        for (int i = 1002; i >= 1; --i)
            listing.names << QStringLiteral("s%1.wav").arg(i, 4, 10, QLatin1Char('0'));
        rig.platform.messageBox.shown.clear();
        rig.store(SettingKey::SoundOk, QStringLiteral("S1002.WAV"));
        frmApertura& full = rig.open();
        QCOMPARE(rig.messages(), QStringList(2, "Error \"Position out of range\" in CaricaSuoni() routine"));
        QCOMPARE(full.cboSoundOK->count(), 1001);
        QCOMPARE(full.cboSoundOK->itemText(1), QStringLiteral("s0003.wav"));
        QCOMPARE(full.cboSoundOK->currentText(), QStringLiteral("s1002.wav"));
    }

    void choicesPreviewAndStore()
    {
        Rig rig({"bell.wav", "error.wav", "ok.wav"});
        frmApertura& w = rig.open();
        click(w.cmdPlayOk);
        click(w.cmdPlayWrong);
        // The preview plays whatever "Play sounds" says; "*** NO SOUND ***" names no file.
        click(w.chkSuoni);
        choose(w.cboSoundOK, QStringLiteral("bell.wav"));
        choose(w.cboSoundWrong, NoSound);
        click(w.cmdPlayOk);
        click(w.cmdPlayWrong);
        QCOMPARE(rig.platform.sound.played,
                 QStringList({rig.sound("ok.wav"), rig.sound("error.wav"), rig.sound("bell.wav"), rig.sound(NoSound)}));
        QVERIFY(rig.platform.settings.written.isEmpty());

        // Sounds off: the chosen files are still stored and set, for the next time.
        w.close();
        QCOMPARE(rig.platform.settings.written,
                 QStringList({"ShowSymbolsDistractor", "ShowAttributesDistractor", "UseSequence", "SameCategoryAttributes",
                              "PlaySounds", "SoundOk", "SoundWrong", "Author", "Year", "Contact", "Website", "Learner"}));
        QCOMPARE(rig.platform.settings.flushes, 1);
        QCOMPARE(rig.stored(SettingKey::PlaySounds), "0");
        QCOMPARE(rig.stored(SettingKey::SoundOk), "bell.wav");
        QCOMPARE(rig.stored(SettingKey::SoundWrong), "");
        QCOMPARE(rig.stored(SettingKey::Year), "2009");
        QVERIFY(!rig.module->PlaySounds);
        QCOMPARE(rig.module->SoundOk, QStringLiteral("bell.wav"));
        QCOMPARE(rig.platform.lifetime.ends, 1);
        QVERIFY(rig.messages().isEmpty());
    }

    void unwritableStoreIsReportedOnce_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::newRow("store refuses") << "memory";
        QTest::newRow("folder is a file") << "blocked";
        QTest::newRow("read-only file") << "file";
        QTest::newRow("read-only folder") << "folder";
    }
    void unwritableStoreIsReportedOnce()
    {
        QFETCH(QString, situation);
        if ((situation == "file" || situation == "folder") && geteuid() == 0)
            QSKIP("File permissions do not stop the superuser");
        QTemporaryDir home;
        const QString folder = home.filePath(QStringLiteral("config"));
        const QString file = folder + QStringLiteral("/Corvaldi-Tessarine.ini");
        const QByteArray before = "[GeneralSettings]\nUseSequence=0\n";
        if (situation == "blocked") {
            QFile blocker(folder);
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        } else {
            QVERIFY(QDir().mkpath(folder));
            QFile old(file);
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write(before) == before.size());
            old.close();
            QVERIFY(situation != "file" || old.setPermissions(QFile::ReadOwner));
            QVERIFY(situation != "folder" || QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        }
        {
            Rig rig({"bell.wav"});
            QtSettingsBacking settings(file);
            rig.platform.settings.failFlush = situation == "memory";
            if (situation != "memory")
                rig.settings = &settings;
            frmApertura& w = rig.open();
            click(w.chkShowSymbolsDistractor);
            w.close();
            QCOMPARE(rig.messages().size(), 1);
            QVERIFY2(rig.messages().first().endsWith(QStringLiteral("\" in Form_Unload() routine")),
                     qPrintable(rig.messages().first()));
            // The run goes on with the options as chosen.
            QVERIFY(!rig.module->ShowSymbolsDistractor);
            QVERIFY(rig.module->PlaySounds);
            QCOMPARE(rig.platform.lifetime.ends, 1);
        }
        if (situation == "file" || situation == "folder") {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QFile old(file);
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll(), before);
            QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"Corvaldi-Tessarine.ini"});
        }
    }
};

QTEST_MAIN(TestOptions)
#include "test_options.moc"
