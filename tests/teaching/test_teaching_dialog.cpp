#include "platform/doubles/TestDoubles.h"
#include "teaching/TeachingDialog.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

using namespace tessarine;

namespace {

const QStringList Objects{"cup.colour.red.jpg", "cup.colour.blue.jpg", "pen.colour.blue.jpg"};

QStringList shownTargets(const QListWidget* list)
{
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
        shown << list->item(i)->text() + (list->item(i)->checkState() == Qt::Checked ? QStringLiteral(" [x]") : QString());
    return shown;
}

// The teacher moves to a target with the arrow keys and checks or clears it with Space.
void toggle(QListWidget* list, int row)
{
    list->setFocus();
    list->setCurrentRow(row);
    QTest::keyClick(list, Qt::Key_Space);
}

void typeInto(QAbstractSpinBox* box, const QString& text)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, text);
}

void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2)); }

} // namespace

class TestTeachingDialog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // At the defaults every target is checked, everything else is off, and OK keeps the defaults,
    // which change nothing of the exercise. Every control says what it is.
    void defaultsAndNames()
    {
        doubles::RecordingMessageBox messages;
        TeachingDialog dialog(messages, {}, Objects, QStringLiteral("Ann"));
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Teaching for Ann"));
        QCOMPARE(shownTargets(dialog.lstTargets), QStringList({"CUP [x]", "PEN [x]", "COLOUR: BLUE [x]", "COLOUR: RED [x]"}));
        for (QAbstractSpinBox* off :
             std::initializer_list<QAbstractSpinBox*>{dialog.spnReview, dialog.spnPromptDelay, dialog.spnReward})
            QCOMPARE(off->text(), QStringLiteral("Off"));

        const std::pair<QWidget*, const char*> named[] = {
            {dialog.lstTargets, "Targets"},
            {dialog.spnReview, "Review mastered targets: one set in"},
            {dialog.spnPromptDelay, "Show the answer after"},
            {dialog.chkPromptAfterWrong, "Show the answer after a wrong answer"},
            {dialog.spnErrorless, "Errorless trials for each new target"},
            {dialog.chkCorrection, "Repeat a set after an error"},
            {dialog.spnReward, "Show a reward after"},
        };
        auto* form = dialog.findChild<QFormLayout*>();
        for (const auto& [widget, name] : named) {
            QCOMPARE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name), QString::fromLatin1(name));
            if (auto* label = qobject_cast<QLabel*>(form->labelForField(widget)))
                QVERIFY(label->text() == QLatin1String(name) && label->buddy() == widget);
        }

        click(dialog.buttons->button(QDialogButtonBox::Ok));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(dialog.settings().isDefault() && messages.shown.isEmpty());
    }

    // A therapist teaches the cup in red with two errorless trials and a 3-second delay; a choice
    // that leaves no picture is refused in the dialog, and the targets chosen before stay.
    void editsOneLearnersTeaching()
    {
        doubles::RecordingMessageBox messages;
        const TeachingSettings before{.symbolTargets = QSet<QString>{"PEN", "BALL"}, .promptDelayMs = 1500};
        TeachingDialog dialog(messages, before, Objects, QStringLiteral("Ann"));
        dialog.show();
        QCOMPARE(shownTargets(dialog.lstTargets), QStringList({"CUP", "PEN [x]", "COLOUR: BLUE [x]", "COLOUR: RED [x]"}));
        QCOMPARE(dialog.spnPromptDelay->text(), QStringLiteral("1.5 s"));

        // The pen is blue only: with red alone nothing is left to show.
        toggle(dialog.lstTargets, 2);
        click(dialog.buttons->button(QDialogButtonBox::Ok));
        QVERIFY(dialog.isVisible() && dialog.lblProblem->isVisible() && dialog.lblProblem->text().contains("nothing to show"));
        QCOMPARE(dialog.settings(), before);

        toggle(dialog.lstTargets, 0);
        toggle(dialog.lstTargets, 1);
        QVERIFY(!dialog.lblProblem->isVisible());
        typeInto(dialog.spnPromptDelay, QStringLiteral("3"));
        typeInto(dialog.spnErrorless, QStringLiteral("2"));
        QTest::keyClick(dialog.spnReview, Qt::Key_Up);
        QTest::keyClick(dialog.spnReward, Qt::Key_Up);
        click(dialog.chkCorrection);
        click(dialog.buttons->button(QDialogButtonBox::Ok));
        // BALL belongs to another collection and is kept.
        QCOMPARE(dialog.settings(), (TeachingSettings{.symbolTargets = QSet<QString>{"CUP", "BALL"},
                                                      .attributeTargets = QSet<QString>{"COLOUR.RED"},
                                                      .reviewEvery = 2,
                                                      .promptDelayMs = 3000,
                                                      .errorlessTrials = 2,
                                                      .correctionSet = true,
                                                      .rewardAfter = 1}));
        QVERIFY(dialog.result() == QDialog::Accepted && messages.shown.isEmpty());
    }
};

QTEST_MAIN(TestTeachingDialog)
#include "test_teaching_dialog.moc"
