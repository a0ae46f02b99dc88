#include "about/frmAbout.h"
#include "access/AccessDialog.h"
#include "records/RecordsFixture.h"
#include "records/RecordsModel.h"
#include "records/RecordsPrompts.h"
#include "records/RecordsWindow.h"
#include "support/ExerciseFixture.h"
#include "support/OptionsFixture.h"

#include <QAccessible>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace tessarine;
using namespace tessarine::testing;

namespace {

// What a user acts on: each is announced by its name, so each needs one that says what it does.
bool isControl(QAccessibleInterface* node)
{
    switch (node->role()) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::List:
    case QAccessible::Table:
    case QAccessible::Tree:
    case QAccessible::Slider:
    case QAccessible::Dial:
        return true;
    default:
        break;
    }
    // The pictures the learner clicks, and anything else that takes the keyboard focus.
    auto* widget = qobject_cast<QWidget*>(node->object());
    return qobject_cast<PictureBox*>(widget) || (widget && (widget->focusPolicy() & Qt::TabFocus));
}

// The name a screen reader gives a control. A combo box announces the entry it shows as its name
// on Linux; what it is for comes from the label that names it (its Label relation).
QString nameOf(QAccessibleInterface* control)
{
    if (control->role() == QAccessible::ComboBox) {
        const auto labels = control->relations(QAccessible::Label);
        return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name).trimmed();
    }
    return control->text(QAccessible::Name).trimmed();
}

// A control's parts (a combo box's list, a table's cells) are announced with it, so the walk
// stops at each control.
void collectControls(QAccessibleInterface* node, QList<QAccessibleInterface*>& controls)
{
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child)
            continue;
        if (isControl(child))
            controls.append(child);
        else
            collectControls(child, controls);
    }
}

QString describe(QAccessibleInterface* control)
{
    const QObject* object = control->object();
    const QRect where = control->rect();
    return QStringLiteral("%1 at %2,%3 showing \"%4\"")
        .arg(object ? QString::fromLatin1(object->metaObject()->className()) : QStringLiteral("?"))
        .arg(where.x())
        .arg(where.y())
        .arg(control->text(QAccessible::Value));
}

// Every unnamed control of the window, and every name two controls share: they do different
// things, so the user cannot tell them apart. Empty when all is well.
QStringList namingFaults(QWidget* window)
{
    QList<QAccessibleInterface*> controls;
    collectControls(QAccessible::queryAccessibleInterface(window), controls);
    QStringList faults;
    QMultiMap<QString, QAccessibleInterface*> byName;
    for (QAccessibleInterface* control : controls) {
        const QString name = nameOf(control);
        if (name.isEmpty())
            faults.append(QStringLiteral("no name: ") + describe(control));
        else
            byName.insert(name, control);
    }
    for (const QString& name : byName.uniqueKeys()) {
        if (byName.count(name) > 1)
            faults.append(QStringLiteral("%1 controls named \"%2\"").arg(byName.count(name)).arg(name));
    }
    if (controls.isEmpty())
        faults.append(QStringLiteral("no controls found"));
    return faults;
}

void verifyNamed(QWidget* window)
{
    const QStringList faults = namingFaults(window);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("\n  "))));
}

struct NoPrompts final : IRecordsPrompts {
    bool confirm(const QString&) override { return false; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
};

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The icon-only play buttons are told apart by their sound, not named after their frame, and
    // the learner field has its name while it is empty (nobody's records).
    void optionsWindow()
    {
        OptionsWindow options({QStringLiteral("ok.wav"), QStringLiteral("error.wav")});
        frmApertura& window = options.open();
        verifyNamed(&window);
        QCOMPARE(QAccessible::queryAccessibleInterface(window.cmdPlayOk)->text(QAccessible::Name),
                 QStringLiteral("Play the OK sound"));
        QCOMPARE(QAccessible::queryAccessibleInterface(window.cmdPlayWrong)->text(QAccessible::Name),
                 QStringLiteral("Play the wrong-answer sound"));
        QCOMPARE(QAccessible::queryAccessibleInterface(window.cboLearner)->text(QAccessible::Name), QStringLiteral("Learner"));
    }

    void aboutWindow()
    {
        doubles::TestPlatform platform(QStringLiteral("/program"));
        Module1 module(platform.messageBox, platform.random);
        frmAbout window(module, platform.platform());
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        window.show();
        verifyNamed(&window);
    }

    void recordsWindow()
    {
        QTemporaryDir dir;
        RecordsStore store(dir.filePath(QStringLiteral("records.sqlite")));
        doubles::RecordingMessageBox box;
        {
            ScriptedRecorder r(store.filePath(), box);
            for (int day = 0; day < 3; ++day)
                recordSession(r, QStringLiteral("Gil"), QStringLiteral("cup.colour.red.jpg"), 6, 5);
        }
        store.open();
        NoPrompts prompts;
        RecordsModel model(store, QStringLiteral("Gil"));
        RecordsWindow window(model, prompts, box);
        window.show();
        verifyNamed(&window);
        QVERIFY(!QAccessible::queryAccessibleInterface(window.chartView)->text(QAccessible::Name).isEmpty());
    }

    // Both switches on one key (a state the dialog shows, with its problem, before it is mended):
    // the two key buttons still say which switch each is.
    void accessDialog()
    {
        doubles::RecordingMessageBox box;
        AccessDialog dialog(box, {.scanMode = ScanMode::TwoSwitches, .stepKey = Qt::Key_Return, .chooseKey = Qt::Key_Return},
                            QStringLiteral("Ann"));
        dialog.show();
        QVERIFY(dialog.lblProblem->isVisible());
        verifyNamed(&dialog);
    }

    void exerciseWindow()
    {
        Exercise exercise({"cup.colour.red.jpg"}, {"cup.jpg", "pen.jpg"}, {"colour.red.jpg", "colour.blue.jpg"});
        QVERIFY(!exercise.open());
        verifyNamed(exercise.window.get());
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
