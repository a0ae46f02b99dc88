#include "access/AccessDialog.h"

#include "access/KeyCaptureButton.h"
#include "core/ErrorGuard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tessarine {

namespace {

QString buttonCaption(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return QStringLiteral("Left mouse button");
    case Qt::RightButton:
        return QStringLiteral("Right mouse button");
    case Qt::MiddleButton:
        return QStringLiteral("Middle mouse button");
    case Qt::BackButton:
        return QStringLiteral("Back mouse button");
    case Qt::ForwardButton:
        return QStringLiteral("Forward mouse button");
    default:
        return QStringLiteral("No mouse button");
    }
}

QComboBox* buttonList(QWidget* parent)
{
    auto* list = new QComboBox(parent);
    for (Qt::MouseButton button : switchButtons())
        list->addItem(buttonCaption(button), static_cast<int>(button));
    return list;
}

QSpinBox* milliseconds(QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setRange(0, AccessSettings::MaxGuardMs);
    box->setSingleStep(50);
    box->setSuffix(QStringLiteral(" ms"));
    return box;
}

} // namespace

AccessDialog::AccessDialog(IMessageBox& messageBox, const AccessSettings& settings, const QString& learner, QWidget* parent)
    : QDialog(parent)
    , m_messageBox(messageBox)
{
    setWindowTitle(learner.isEmpty() ? QStringLiteral("Access") : QStringLiteral("Access for %1").arg(learner));

    chkKeyboard = new QCheckBox(QStringLiteral("Answer with the keyboard: arrows and Tab move, Space and Enter "
                                               "choose, 1 to 4 choose a picture"),
                                this);

    auto* switches = new QGroupBox(QStringLiteral("Switches"), this);
    cboScan = new QComboBox(switches);
    cboScan->addItem(QStringLiteral("No switch"), static_cast<int>(ScanMode::Off));
    cboScan->addItem(QStringLiteral("One switch: the ring moves by itself"), static_cast<int>(ScanMode::OneSwitch));
    cboScan->addItem(QStringLiteral("Two switches: one moves, one chooses"), static_cast<int>(ScanMode::TwoSwitches));
    spnInterval = new QDoubleSpinBox(switches);
    spnInterval->setRange(AccessSettings::MinScanIntervalMs / 1000.0, AccessSettings::MaxScanIntervalMs / 1000.0);
    spnInterval->setDecimals(1);
    spnInterval->setSingleStep(0.5);
    spnInterval->setSuffix(QStringLiteral(" s"));
    cmdStepKey = new KeyCaptureButton(QStringLiteral("Step switch key"), switches);
    cboStepButton = buttonList(switches);
    cmdChooseKey = new KeyCaptureButton(QStringLiteral("Choose switch key"), switches);
    cboChooseButton = buttonList(switches);
    auto* switchForm = new QFormLayout(switches);
    switchForm->addRow(QStringLiteral("Scanning:"), cboScan);
    switchForm->addRow(QStringLiteral("Ring moves every:"), spnInterval);
    switchForm->addRow(QStringLiteral("Step switch key:"), cmdStepKey);
    switchForm->addRow(QStringLiteral("Step switch button:"), cboStepButton);
    switchForm->addRow(QStringLiteral("Choose switch key:"), cmdChooseKey);
    switchForm->addRow(QStringLiteral("Choose switch button:"), cboChooseButton);

    auto* guard = new QGroupBox(QStringLiteral("Accidental presses"), this);
    chkGuard = new QCheckBox(QStringLiteral("Guard against accidental presses"), guard);
    spnRepeat = milliseconds(guard);
    spnHold = milliseconds(guard);
    spnHold->setSpecialValueText(QStringLiteral("No hold needed"));
    auto* guardForm = new QFormLayout(guard);
    guardForm->addRow(chkGuard);
    guardForm->addRow(QStringLiteral("Presses on the same picture count once within:"), spnRepeat);
    guardForm->addRow(QStringLiteral("A press counts when held for:"), spnHold);

    chkFillScreen = new QCheckBox(QStringLiteral("Pictures as big as the screen"), this);
    chkSpokenCaption = new QCheckBox(QStringLiteral("Speak the caption when a set appears"), this);

    lblProblem = new QLabel(this);
    lblProblem->setTextFormat(Qt::PlainText);
    lblProblem->setWordWrap(true);
    QPalette palette = lblProblem->palette();
    palette.setColor(QPalette::WindowText, QColor(180, 0, 0));
    lblProblem->setPalette(palette);

    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::RestoreDefaults, this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chkKeyboard);
    layout->addWidget(switches);
    layout->addWidget(guard);
    layout->addWidget(chkFillScreen);
    layout->addWidget(chkSpokenCaption);
    layout->addWidget(lblProblem);
    layout->addWidget(buttons);

    showSettings(settings);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons->button(QDialogButtonBox::RestoreDefaults), &QPushButton::clicked, this,
            [this] { runUnguarded(m_messageBox, [this] { showSettings({}); }); });
    const auto refreshGuarded = [this] { runUnguarded(m_messageBox, [this] { refresh(); }); };
    connect(cboScan, &QComboBox::currentIndexChanged, this, refreshGuarded);
    connect(cboStepButton, &QComboBox::currentIndexChanged, this, refreshGuarded);
    connect(cboChooseButton, &QComboBox::currentIndexChanged, this, refreshGuarded);
    connect(cmdStepKey, &KeyCaptureButton::keyChanged, this, refreshGuarded);
    connect(cmdChooseKey, &KeyCaptureButton::keyChanged, this, refreshGuarded);
    connect(chkGuard, &QCheckBox::toggled, this, refreshGuarded);
}

AccessSettings AccessDialog::settings() const
{
    AccessSettings settings;
    settings.keyboardAccess = chkKeyboard->isChecked();
    settings.scanMode = static_cast<ScanMode>(cboScan->currentData().toInt());
    settings.scanIntervalMs = static_cast<int>(std::lround(spnInterval->value() * 1000));
    settings.stepKey = cmdStepKey->key();
    settings.chooseKey = cmdChooseKey->key();
    settings.stepButton = static_cast<Qt::MouseButton>(cboStepButton->currentData().toInt());
    settings.chooseButton = static_cast<Qt::MouseButton>(cboChooseButton->currentData().toInt());
    settings.pressGuard = chkGuard->isChecked();
    settings.repeatWindowMs = spnRepeat->value();
    settings.holdMs = spnHold->value();
    settings.fillScreen = chkFillScreen->isChecked();
    settings.spokenCaption = chkSpokenCaption->isChecked();
    return settings;
}

void AccessDialog::showSettings(const AccessSettings& settings)
{
    chkKeyboard->setChecked(settings.keyboardAccess);
    cboScan->setCurrentIndex(cboScan->findData(static_cast<int>(settings.scanMode)));
    spnInterval->setValue(settings.scanIntervalMs / 1000.0);
    cmdStepKey->setKey(settings.stepKey);
    cmdChooseKey->setKey(settings.chooseKey);
    cboStepButton->setCurrentIndex(cboStepButton->findData(static_cast<int>(settings.stepButton)));
    cboChooseButton->setCurrentIndex(cboChooseButton->findData(static_cast<int>(settings.chooseButton)));
    chkGuard->setChecked(settings.pressGuard);
    spnRepeat->setValue(settings.repeatWindowMs);
    spnHold->setValue(settings.holdMs);
    chkFillScreen->setChecked(settings.fillScreen);
    chkSpokenCaption->setChecked(settings.spokenCaption);
    refresh();
}

void AccessDialog::refresh()
{
    const AccessSettings current = settings();
    const AccessControls used = usedControls(current);
    spnInterval->setEnabled(used.scanInterval);
    cmdStepKey->setEnabled(used.stepSwitch);
    cboStepButton->setEnabled(used.stepSwitch);
    cmdChooseKey->setEnabled(used.chooseSwitch);
    cboChooseButton->setEnabled(used.chooseSwitch);
    spnRepeat->setEnabled(used.guardTimes);
    spnHold->setEnabled(used.guardTimes);
    const QString problem = current.problem();
    lblProblem->setText(problem);
    lblProblem->setVisible(!problem.isEmpty());
    buttons->button(QDialogButtonBox::Ok)->setEnabled(problem.isEmpty());
}

} // namespace tessarine
