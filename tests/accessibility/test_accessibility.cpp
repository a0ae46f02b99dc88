#include "about/frmAbout.h"
#include "access/AccessDialog.h"
#include "records/RecordsFixture.h"
#include "records/RecordsModel.h"
#include "records/RecordsPrompts.h"
#include "records/RecordsWindow.h"
#include "support/ExerciseFixture.h"
#include "support/OptionsFixture.h"
#include "teaching/TeachingDialog.h"

#include <QAccessible>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace tessarine;
using namespace tessarine::testing;

namespace {

// What a user acts on (the pictures the learner clicks too, and all that takes the keyboard focus).
bool isControl(QAccessibleInterface* node)
{
    static const QList<QAccessible::Role> Roles{QAccessible::PushButton, QAccessible::CheckBox,     QAccessible::RadioButton,
                                                QAccessible::ComboBox,   QAccessible::EditableText, QAccessible::SpinBox,
                                                QAccessible::List,       QAccessible::Table,        QAccessible::Tree,
                                                QAccessible::Slider,     QAccessible::Dial};
    auto* widget = qobject_cast<QWidget*>(node->object());
    return Roles.contains(node->role()) || qobject_cast<PictureBox*>(widget)
           || (widget && (widget->focusPolicy() & Qt::TabFocus));
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

// A control's parts (a combo box's list, a table's cells) are announced with it: the walk stops there.
void collectControls(QAccessibleInterface* node, QList<QAccessibleInterface*>& controls)
{
    for (int i = 0; i < node->childCount(); ++i) {
        if (QAccessibleInterface* child = node->child(i); child && isControl(child))
            controls.append(child);
        else if (child)
            collectControls(child, controls);
    }
}

// No unnamed control, and no name two controls share (the user could not tell them apart).
void verifyNamed(QWidget* window)
{
    QList<QAccessibleInterface*> controls;
    collectControls(QAccessible::queryAccessibleInterface(window), controls);
    QStringList faults;
    QMultiMap<QString, QAccessibleInterface*> byName;
    for (QAccessibleInterface* control : controls) {
        if (const QString name = nameOf(control); !name.isEmpty())
            byName.insert(name, control);
        else
            faults.append(QStringLiteral("no name: %1 showing \"%2\"")
                              .arg(QLatin1String(control->object() ? control->object()->metaObject()->className() : "?"),
                                   control->text(QAccessible::Value)));
    }
    for (const QString& name : byName.uniqueKeys()) {
        if (byName.count(name) > 1)
            faults.append(QStringLiteral("%1 controls named \"%2\"").arg(byName.count(name)).arg(name));
    }
    QVERIFY2(!controls.isEmpty() && faults.isEmpty(),
             qPrintable(QLatin1String(window->metaObject()->className()) + ": " + faults.join(u'\n')));
}

struct NoPrompts final : IRecordsPrompts {
    bool confirm(const QString&) override { return false; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
};

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Every window. The icon-only play buttons are told apart by their sound, not named after their
    // frame; the learner field has its name while it is empty (nobody's records); with both switches
    // on one key (shown before it is mended) the access dialog's key buttons still say which is which.
    void everyControlHasItsOwnName()
    {
        OptionsWindow options({QStringLiteral("ok.wav"), QStringLiteral("error.wav")});
        frmApertura& window = options.open();
        verifyNamed(&window);
        const auto name = [](QWidget* control) {
            return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
        };
        QCOMPARE((QStringList{name(window.cmdPlayOk), name(window.cmdPlayWrong), name(window.cboLearner)}),
                 (QStringList{"Play the OK sound", "Play the wrong-answer sound", "Learner"}));

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
        RecordsWindow records(model, prompts, box);
        records.show();
        verifyNamed(&records);
        QVERIFY(!name(records.chartView).isEmpty());

        doubles::TestPlatform platform(QStringLiteral("/program"));
        Module1 module(platform.messageBox, platform.random);
        frmAbout about(module, platform.platform());
        about.setAttribute(Qt::WA_DeleteOnClose, false);
        about.show();
        verifyNamed(&about);

        AccessDialog dialog(box, {.scanMode = ScanMode::TwoSwitches, .stepKey = Qt::Key_Return, .chooseKey = Qt::Key_Return},
                            QStringLiteral("Ann"));
        dialog.show();
        verifyNamed(&dialog);

        TeachingDialog teaching(box, {}, {"cup.colour.red.jpg", "pen.colour.blue.jpg"}, QStringLiteral("Ann"));
        teaching.show();
        verifyNamed(&teaching);

        Exercise exercise({"cup.colour.red.jpg"}, {"cup.jpg", "pen.jpg"}, {"colour.red.jpg", "colour.blue.jpg"});
        QVERIFY(!exercise.open());
        verifyNamed(exercise.window.get());
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
