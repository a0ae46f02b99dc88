#include "collections/Collections.h"
#include "options/TriStateCheckBox.h"
#include "options/frmApertura.h"
#include "support/OptionsFixture.h"
#include "widgets/Twips.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace tessarine;
using Rig = tessarine::testing::OptionsWindow;

namespace {

const QString NoSound = QStringLiteral("*** NO SOUND ***");

// A user's click on the box or circle of a check box or option button, or on a push button.
void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2)); }

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
    // Personal collections are made under a folder of this test's own.
    void initTestCase()
    {
        QVERIFY(m_data.isValid());
        qputenv("XDG_DATA_HOME", m_data.path().toUtf8());
    }

    void layoutAsDesigned()
    {
        Rig rig;
        frmApertura& w = rig.open();
        QCOMPARE(w.windowTitle(), QStringLiteral("Tessarine"));
        QVERIFY(!w.windowIcon().isNull());
        // The window grows downwards by the "Pictures" row; every control above stays where it was.
        QCOMPARE(w.size(), QSize(408, 495));
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
            {w.cmdTeaching, &w, twipsRect(4680, 6795, 1215, 375), "Teaching..."},
            {w.lblPictures, &w, twipsRect(240, 6855, 660, 255), "Pictures"},
            {w.cboPictures, &w, twipsRect(900, 6795, 2715, 375), ""},
            {w.cmdPictures, &w, twipsRect(3660, 6795, 960, 375), "Pictures..."},
        };
        for (const auto& [widget, parent, geometry, caption] : placed) {
            QVERIFY(widget->parentWidget() == parent && widget->isVisible());
            // A caption in a font wider than the designed one grows to the right, never cut off.
            const bool grows = qobject_cast<QLabel*>(widget) || qobject_cast<QCheckBox*>(widget)
                               || qobject_cast<QRadioButton*>(widget);
            const int width = grows ? std::max(geometry.width(), widget->sizeHint().width()) : geometry.width();
            QCOMPARE(widget->geometry(), QRect(geometry.topLeft(), QSize(width, geometry.height())));
            QCOMPARE(widget->property(qobject_cast<QGroupBox*>(widget) ? "title" : "text").toString(), caption);
        }
        QVERIFY(!w.lblNoAudio->isVisible());
        for (QPushButton* play : {w.cmdPlayOk, w.cmdPlayWrong})
            QVERIFY(!play->icon().isNull() && play->toolTip() == u"Play it");

        // As first run: every box checked, and nothing stored before the closing.
        for (TriStateCheckBox* box : {w.chkShowSymbolsDistractor, w.chkShowAttributesDistractor, w.chkSequenza, w.chkSuoni})
            QCOMPARE(box->checkState(), Qt::Checked);
        QVERIFY(rig.platform.settings.written.isEmpty() && rig.messages().isEmpty());
    }

    void tabOrderStartsWithStartProgram()
    {
        Rig rig;
        frmApertura& w = rig.open();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        // Tab passes by the option button that is not selected.
        const QList<QWidget*> expected({w.OKButton, w.chkShowAttributesDistractor, w.chkShowSymbolsDistractor, w.Option1,
                                        w.chkSequenza, w.cmdPlayWrong, w.cmdPlayOk, w.chkSuoni, w.cboSoundWrong, w.cboSoundOK,
                                        w.cboLearner, w.cboPictures, w.cmdPictures, w.OKButton});
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
        QVERIFY(!w.isVisible() && rig.opened == QStringList{"exercise"});
    }

    void learnerRow()
    {
        Rig rig;
        rig.store(SettingKey::Learner, QStringLiteral("Ben"));
        rig.audioNotice = QStringLiteral("This computer has no sound output");
        frmApertura& w = rig.open();
        QVERIFY(w.lblNoAudio->isVisible() && w.lblNoAudio->text() == rig.audioNotice);
        QCOMPARE(entries(w.cboLearner), QStringList({"Ana", "Ben"}));
        QCOMPARE(w.cboLearner->currentText(), QStringLiteral("Ben"));
        // A new learner is typed in; the empty learner has no records, access or teaching settings.
        w.cboLearner->clearEditText();
        QVERIFY(!w.cmdAccess->isEnabled() && !w.cmdRecords->isEnabled() && !w.cmdTeaching->isEnabled());
        QTest::keyClicks(w.cboLearner, QStringLiteral("  Cleo "));
        click(w.cmdAccess);
        click(w.cmdTeaching);
        QCOMPARE(rig.opened, QStringList({"access Cleo", "teaching Cleo"}));
        w.close();
        QVERIFY(rig.stored(SettingKey::Learner) == u"Cleo" && rig.module->Learner == u"Cleo");
    }

    void soundFolderListing()
    {
        Rig rig;
        doubles::ScriptedListing listing;
        listing.names = QStringList{"b.wav", "C.wav", "a.wav", "_x.wav", "1.wav"};
        rig.listing = &listing;
        frmApertura& sorted = rig.open();
        // Ordinal order of the character codes, whatever order the listing gave.
        QCOMPARE(entries(sorted.cboSoundOK), QStringList({NoSound, "1.wav", "C.wav", "_x.wav", "a.wav", "b.wav"}));
        delete rig.window;

        listing.failFirst = true;
        frmApertura& failed = rig.open();
        QCOMPARE(rig.messages(), QStringList{"Error \"Folder cannot be read\" in CaricaSuoni() routine"});
        QVERIFY(entries(failed.cboSoundWrong) == QStringList{NoSound} && failed.cboSoundWrong->currentIndex() == 0);
    }

    void choicesTakeEffectAndAreStored()
    {
        Rig rig({"bell.wav", "error.wav", "ok.wav"});
        rig.store(SettingKey::ShowAttributesDistractor, QStringLiteral("2"));
        frmApertura& w = rig.open();
        Module1& m = *rig.module;
        // Boxes and option buttons set their flags at once.
        click(w.chkShowSymbolsDistractor);
        click(w.chkSequenza);
        click(w.Option2);
        QVERIFY(!m.ShowSymbolsDistractor && !m.UseSequence && !m.SameCategoryAttributes && !w.Option1->isChecked());

        // A click never leads into the third state: from it to checked, then clear, then checked.
        QCOMPARE(w.chkShowAttributesDistractor->checkState(), Qt::PartiallyChecked);
        for (Qt::CheckState expected : {Qt::Checked, Qt::Unchecked, Qt::Checked}) {
            click(w.chkShowAttributesDistractor);
            QCOMPARE(w.chkShowAttributesDistractor->checkState(), expected);
        }
        QTest::keyClick(w.chkShowAttributesDistractor, Qt::Key_Space);
        QCOMPARE(w.chkShowAttributesDistractor->checkState(), Qt::Unchecked);
        QVERIFY(!m.ShowAttributesDistractor);

        // The preview plays whatever "Play sounds" says; "*** NO SOUND ***" names no file.
        click(w.chkSuoni);
        QTest::keyClick(w.cboSoundOK, Qt::Key_Home);
        QTest::keyClick(w.cboSoundOK, Qt::Key_Down);
        QTest::keyClick(w.cboSoundWrong, Qt::Key_Home);
        click(w.cmdPlayOk);
        click(w.cmdPlayWrong);
        QCOMPARE(rig.platform.sound.played, QStringList({rig.sound("bell.wav"), rig.sound(NoSound)}));

        // Sounds off: the chosen files are still stored and set, for the next time.
        w.close();
        QCOMPARE(rig.platform.settings.written, QStringList({"ShowSymbolsDistractor", "ShowAttributesDistractor", "UseSequence",
                                                             "SameCategoryAttributes", "PlaySounds", "SoundOk", "SoundWrong",
                                                             "Author", "Year", "Contact", "Website", "Learner", "Collection"}));
        QCOMPARE(rig.platform.settings.flushes, 1);
        const QStringList stored{"0", "0", "0", "N", "0", "bell.wav", ""};
        for (int key = 0; key < stored.size(); ++key)
            QCOMPARE(rig.stored(SettingKey(key)), stored[key]);
        QVERIFY(rig.messages().isEmpty());
    }

    // "Pictures" lists the collections, the sound lists follow the one picked, "Other folder..."
    // takes any folder, and the choice is stored for the session and for the learner; a learner's
    // own choice comes back when the learner is picked.
    void picturesChoice()
    {
        Rig rig({"ok.wav", "error.wav"});
        const Collections collections(rig.folder.path());
        const Collection classB = collections.create(QStringLiteral("Class B"), false);
        QVERIFY(QFile(classB.folder + QStringLiteral("/Sounds/bell.wav")).open(QIODevice::WriteOnly));
        QVERIFY(QFile(classB.folder + QStringLiteral("/Sounds/ok.wav")).open(QIODevice::WriteOnly));
        QTemporaryDir other;
        rig.otherFolder = other.path();
        frmApertura& w = rig.open();
        QCOMPARE(w.lblPictures->buddy(), w.cboPictures);
        QVERIFY(!w.cboPictures->isEditable());
        QCOMPARE(entries(w.cboPictures), QStringList({"Program's own pictures", "Class B", "Other folder..."}));
        QCOMPARE(w.cboPictures->currentIndex(), 0);

        // The sound chosen before stays where the collection has it; the other one becomes none.
        QTest::keyClick(w.cboPictures, Qt::Key_Down);
        QCOMPARE(entries(w.cboSoundOK), QStringList({NoSound, "bell.wav", "ok.wav"}));
        QVERIFY(w.cboSoundOK->currentText() == u"ok.wav" && w.cboSoundWrong->currentIndex() == 0);
        click(w.cmdPlayOk);
        QCOMPARE(rig.platform.sound.played, QStringList{classB.folder + QStringLiteral("/Sounds/ok.wav")});
        click(w.cmdPictures);
        QCOMPARE(rig.opened, QStringList{"pictures " + classB.folder});

        // A folder dialog cancelled leaves the choice; a folder picked joins the list.
        rig.otherFolder.clear();
        QTest::keyClick(w.cboPictures, Qt::Key_Down);
        QCOMPARE(w.cboPictures->currentText(), QStringLiteral("Class B"));
        rig.otherFolder = other.path();
        QTest::keyClick(w.cboPictures, Qt::Key_Down);
        QCOMPARE(entries(w.cboPictures),
                 QStringList({"Program's own pictures", "Class B", QDir::toNativeSeparators(other.path()), "Other folder..."}));
        QCOMPARE(w.cboPictures->currentIndex(), 2);
        QCOMPARE(w.cboSoundOK->count(), 1);

        w.cboLearner->setCurrentText(QStringLiteral("Ana"));
        w.close();
        QCOMPARE(rig.stored(SettingKey::Collection), other.path());
        QCOMPARE(rig.platform.settings.values.value({"Learner/Ana", "Collection"}), other.path());

        // Next time Ben, whose choice is Class B, comes after Ana: his pictures come with him.
        rig.platform.settings.values.insert({"Learner/Ben", "Collection"}, classB.folder);
        frmApertura& again = rig.open();
        QCOMPARE(again.cboPictures->currentText(), QDir::toNativeSeparators(other.path()));
        again.cboLearner->setCurrentIndex(1);
        QCOMPARE(again.cboPictures->currentText(), QStringLiteral("Class B"));
        QCOMPARE(entries(again.cboSoundOK), QStringList({NoSound, "bell.wav", "ok.wav"}));
        // The program's own pictures are stored as the empty text.
        QTest::keyClick(again.cboPictures, Qt::Key_Home);
        again.close();
        QCOMPARE(rig.stored(SettingKey::Collection), QString());
        QCOMPARE(rig.platform.settings.values.value({"Learner/Ben", "Collection"}), QString());
        QVERIFY(rig.messages().isEmpty());
    }

    // A remembered collection that has vanished is told once; the program's own pictures are
    // shown, and the choice is kept for a disk plugged in again, unless the user picks another.
    void vanishedCollection()
    {
        Rig rig({"ok.wav"});
        const QString gone = rig.folder.path() + QStringLiteral("-unplugged");
        rig.store(SettingKey::Collection, gone);
        frmApertura& w = rig.open();
        QCOMPARE(rig.messages().size(), 1);
        QVERIFY(rig.messages()[0].contains(gone) && rig.messages()[0].contains("own pictures"));
        QCOMPARE(w.cboPictures->currentIndex(), 0);
        QCOMPARE(w.cboSoundOK->currentText(), QStringLiteral("ok.wav"));
        w.close();
        QCOMPARE(rig.stored(SettingKey::Collection), gone);
    }

private:
    QTemporaryDir m_data;
};

QTEST_MAIN(TestOptions)
#include "test_options.moc"
