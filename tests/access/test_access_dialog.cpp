#include "access/AccessDialog.h"
#include "access/KeyCaptureButton.h"
#include "platform/doubles/TestDoubles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QSpinBox>
#include <QtTest>

using namespace tessarine;

class TestAccessDialog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void editsOneLearnersSettings()
    {
        doubles::RecordingMessageBox messages;
        AccessDialog dialog(messages, {.scanMode = ScanMode::OneSwitch, .scanIntervalMs = 3500}, QStringLiteral("Ann"));
        dialog.show();
        // One switch: its interval matters, the step switch and (with no guard) the hold do not.
        QVERIFY(dialog.spnInterval->isEnabled());
        QVERIFY(!dialog.cmdStepKey->isEnabled());
        QVERIFY(!dialog.spnHold->isEnabled());

        dialog.cboScan->setCurrentIndex(dialog.cboScan->findData(static_cast<int>(ScanMode::TwoSwitches)));
        QVERIFY(!dialog.spnInterval->isEnabled());
        QVERIFY(dialog.cmdStepKey->isEnabled());

        // The teacher presses the switch itself to set its key; a switch that sends Tab is taken too.
        QTest::mouseClick(dialog.cmdStepKey, Qt::LeftButton);
        QTest::keyClick(dialog.cmdStepKey, Qt::Key_Return);
        // Both switches on one key: said in plain words, and the dialog cannot be accepted.
        QVERIFY(dialog.lblProblem->isVisible());
        QVERIFY(dialog.lblProblem->text().contains(QStringLiteral("same key")));
        QPushButton* ok = dialog.buttons->button(QDialogButtonBox::Ok);
        QVERIFY(!ok->isEnabled());
        QTest::mouseClick(dialog.cmdStepKey, Qt::LeftButton);
        QTest::keyClick(dialog.cmdStepKey, Qt::Key_Tab);
        QVERIFY(ok->isEnabled());
        // Escape keeps the key it had.
        QTest::mouseClick(dialog.cmdChooseKey, Qt::LeftButton);
        QTest::keyClick(dialog.cmdChooseKey, Qt::Key_Escape);
        QCOMPARE(dialog.cmdChooseKey->key(), Qt::Key_Return);
        QVERIFY(dialog.isVisible());

        QTest::mouseClick(dialog.chkGuard, Qt::LeftButton, {}, QPoint(8, dialog.chkGuard->height() / 2));
        QVERIFY(dialog.spnHold->isEnabled());

        // The edits come back, and what was not touched as it was given (3.5 s shown, 3500 ms kept).
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.settings(),
                 (AccessSettings{
                     .scanMode = ScanMode::TwoSwitches, .scanIntervalMs = 3500, .stepKey = Qt::Key_Tab, .pressGuard = true}));

        // "Restore Defaults" brings back the settings that keep the exercise as it always was.
        QTest::mouseClick(dialog.buttons->button(QDialogButtonBox::RestoreDefaults), Qt::LeftButton);
        QCOMPARE(dialog.settings(), AccessSettings());
        QVERIFY(messages.shown.isEmpty());
    }

    // The caption language lists the languages with a voice, looked for only once the spoken
    // caption is on; where the language has none, the dialog says what is spoken instead.
    void captionLanguageWithAndWithoutAVoice()
    {
        doubles::RecordingMessageBox messages;
        int listed = 0;
        QStringList voices{"it", "en"};
        const CaptionVoices german{"de", [&] {
                                       ++listed;
                                       return voices;
                                   }};
        AccessDialog dialog(messages, {}, QStringLiteral("Ann"), german);
        dialog.show();
        QCOMPARE(listed, 0);
        QVERIFY(!dialog.cboCaptionLanguage->isEnabled());
        QVERIFY(!dialog.lblCaptionVoice->isVisible());

        QTest::mouseClick(dialog.chkSpokenCaption, Qt::LeftButton, {}, QPoint(8, dialog.chkSpokenCaption->height() / 2));
        QCOMPARE(listed, 1);
        QStringList shown;
        for (int i = 0; i < dialog.cboCaptionLanguage->count(); ++i)
            shown.append(dialog.cboCaptionLanguage->itemText(i));
        QCOMPARE(shown, QStringList({"Language of the windows (Deutsch)", "English", "Italiano"}));
        QVERIFY(dialog.lblCaptionVoice->isVisible());
        QCOMPARE(dialog.lblCaptionVoice->text(),
                 QStringLiteral("This computer has no voice for this language: the captions are spoken by an English voice."));

        dialog.cboCaptionLanguage->setFocus();
        QTest::keyClick(dialog.cboCaptionLanguage, Qt::Key_End);
        QVERIFY(!dialog.lblCaptionVoice->isVisible());
        QTest::mouseClick(dialog.buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
        QCOMPARE(dialog.settings(), (AccessSettings{.spokenCaption = true, .captionLanguage = "it"}));

        // Stored on a computer with voices, opened on one without: kept, and said.
        voices.clear();
        AccessDialog elsewhere(messages, {.spokenCaption = true, .captionLanguage = "it"}, QStringLiteral("Ann"), german);
        elsewhere.show();
        QCOMPARE(listed, 2);
        QCOMPARE(elsewhere.cboCaptionLanguage->currentText(), QStringLiteral("Italiano"));
        QCOMPARE(elsewhere.lblCaptionVoice->text(), QStringLiteral("This computer has no voice: the captions cannot be spoken."));
        QCOMPARE(elsewhere.settings().captionLanguage, QStringLiteral("it"));
        QVERIFY(messages.shown.isEmpty());
    }
};

QTEST_MAIN(TestAccessDialog)
#include "test_access_dialog.moc"
