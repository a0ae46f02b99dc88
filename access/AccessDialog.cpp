#include "access/AccessDialog.h"

#include "access/KeyCaptureButton.h"
#include "core/ErrorGuard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace tessarine {

namespace {

QString buttonCaption(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return QCoreApplication::translate("AccessDialog", "Left mouse button");
    case Qt::RightButton:
        return QCoreApplication::translate("AccessDialog", "Right mouse button");
    case Qt::MiddleButton:
        return QCoreApplication::translate("AccessDialog", "Middle mouse button");
    case Qt::BackButton:
        return QCoreApplication::translate("AccessDialog", "Back mouse button");
    case Qt::ForwardButton:
        return QCoreApplication::translate("AccessDialog", "Forward mouse button");
    default:
        return QCoreApplication::translate("AccessDialog", "No mouse button");
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
    //: After a number of milliseconds
    box->setSuffix(QCoreApplication::translate("AccessDialog", " ms"));
    return box;
}

// A language by its own name ("Italiano"), as people look for their language in a list.
QString languageName(const QString& code)
{
    const QLocale locale(code);
    // Qt names English after the United States, its default country.
    QString name = locale.language() == QLocale::English ? QStringLiteral("English") : locale.nativeLanguageName();
    if (name.isEmpty())
        name = QLocale::languageToString(locale.language());
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name;
}

} // namespace

AccessDialog::AccessDialog(IMessageBox& messageBox, const AccessSettings& settings, const QString& learner, CaptionVoices voices,
                           QWidget* parent)
    : QDialog(parent)
    , m_messageBox(messageBox)
    , m_voices(std::move(voices))
{
    //: The window's title
    const QString title = tr("Access");
    //: The window's title; %1 is the learner's name
    setWindowTitle(learner.isEmpty() ? title : tr("Access for %1").arg(learner));

    chkKeyboard = new QCheckBox(tr("Answer with the keyboard: arrows and Tab move, Space and Enter "
                                   "choose, 1 to 4 choose a picture"),
                                this);

    auto* switches = new QGroupBox(tr("Switches"), this);
    cboScan = new QComboBox(switches);
    cboScan->addItem(tr("No switch"), static_cast<int>(ScanMode::Off));
    cboScan->addItem(tr("One switch: the ring moves by itself"), static_cast<int>(ScanMode::OneSwitch));
    cboScan->addItem(tr("Two switches: one moves, one chooses"), static_cast<int>(ScanMode::TwoSwitches));
    spnInterval = new QDoubleSpinBox(switches);
    spnInterval->setRange(AccessSettings::MinScanIntervalMs / 1000.0, AccessSettings::MaxScanIntervalMs / 1000.0);
    spnInterval->setDecimals(1);
    spnInterval->setSingleStep(0.5);
    //: After a number of seconds
    spnInterval->setSuffix(tr(" s"));
    //: What the button's key is for, said by a screen reader before the key's name
    cmdStepKey = new KeyCaptureButton(tr("Step switch key"), switches);
    cboStepButton = buttonList(switches);
    //: What the button's key is for, said by a screen reader before the key's name
    cmdChooseKey = new KeyCaptureButton(tr("Choose switch key"), switches);
    cboChooseButton = buttonList(switches);
    auto* switchForm = new QFormLayout(switches);
    switchForm->addRow(tr("Scanning:"), cboScan);
    switchForm->addRow(tr("Ring moves every:"), spnInterval);
    switchForm->addRow(tr("Step switch key:"), cmdStepKey);
    switchForm->addRow(tr("Step switch button:"), cboStepButton);
    switchForm->addRow(tr("Choose switch key:"), cmdChooseKey);
    switchForm->addRow(tr("Choose switch button:"), cboChooseButton);

    auto* guard = new QGroupBox(tr("Accidental presses"), this);
    chkGuard = new QCheckBox(tr("Guard against accidental presses"), guard);
    spnRepeat = milliseconds(guard);
    spnHold = milliseconds(guard);
    //: The hold time at zero
    spnHold->setSpecialValueText(tr("No hold needed"));
    auto* guardForm = new QFormLayout(guard);
    guardForm->addRow(chkGuard);
    guardForm->addRow(tr("Presses on the same picture count once within:"), spnRepeat);
    guardForm->addRow(tr("A press counts when held for:"), spnHold);

    chkFillScreen = new QCheckBox(tr("Pictures as big as the screen"), this);
    chkSpokenCaption = new QCheckBox(tr("Speak the caption when a set appears"), this);
    cboCaptionLanguage = new QComboBox(this);
    lblCaptionVoice = new QLabel(this);
    lblCaptionVoice->setTextFormat(Qt::PlainText);
    lblCaptionVoice->setWordWrap(true);
    auto* captionForm = new QFormLayout;
    captionForm->addRow(tr("Caption language:"), cboCaptionLanguage);
    captionForm->addRow(lblCaptionVoice);

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
    layout->addLayout(captionForm);
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
    connect(chkSpokenCaption, &QCheckBox::toggled, this, refreshGuarded);
    connect(cboCaptionLanguage, &QComboBox::currentIndexChanged, this, refreshGuarded);
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
    settings.captionLanguage = cboCaptionLanguage->currentData().toString();
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
    showCaptionLanguage(settings.captionLanguage);
    refresh();
}

void AccessDialog::showCaptionLanguage(const QString& language)
{
    const QSignalBlocker blocker(cboCaptionLanguage);
    cboCaptionLanguage->clear();
    //: The caption's language when none is chosen; %1 is that language's name in its own language
    cboCaptionLanguage->addItem(tr("Language of the windows (%1)").arg(languageName(m_voices.interfaceLanguage)), QString());
    QStringList languages = m_voiceLanguages.value_or(QStringList());
    // A language chosen on a computer that had its voice stays chosen here; the notice tells.
    if (!language.isEmpty() && !languages.contains(language))
        languages.append(language);
    std::sort(languages.begin(), languages.end(), [](const QString& a, const QString& b) {
        return QString::localeAwareCompare(languageName(a), languageName(b)) < 0;
    });
    for (const QString& code : std::as_const(languages))
        cboCaptionLanguage->addItem(languageName(code), code);
    cboCaptionLanguage->setCurrentIndex(std::max(0, cboCaptionLanguage->findData(language)));
}

void AccessDialog::listVoices()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restore = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
    m_voiceLanguages = m_voices.languages ? m_voices.languages() : QStringList();
    showCaptionLanguage(cboCaptionLanguage->currentData().toString());
}

QString AccessDialog::captionVoiceNotice(const QString& language) const
{
    const QStringList& voices = *m_voiceLanguages;
    if (voices.contains(language))
        return {};
    if (voices.isEmpty())
        return tr("This computer has no voice: the captions cannot be spoken.");
    // As the voice does: English where there is no voice of the language, else any voice there is.
    if (voices.contains(QStringLiteral("en")))
        return tr("This computer has no voice for this language: the captions are spoken by an English voice.");
    return tr("This computer has no voice for this language: the captions are spoken by a voice of another language.");
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
    cboCaptionLanguage->setEnabled(used.captionLanguage);
    if (used.captionLanguage && !m_voiceLanguages)
        listVoices();
    const QString notice = used.captionLanguage ? captionVoiceNotice(
                               current.captionLanguage.isEmpty() ? m_voices.interfaceLanguage : current.captionLanguage)
                                                : QString();
    lblCaptionVoice->setText(notice);
    lblCaptionVoice->setVisible(!notice.isEmpty());
    const QString problem = current.problem();
    lblProblem->setText(problem);
    lblProblem->setVisible(!problem.isEmpty());
    buttons->button(QDialogButtonBox::Ok)->setEnabled(problem.isEmpty());
}

} // namespace tessarine
