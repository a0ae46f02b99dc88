#pragma once

#include "access/AccessSettings.h"

#include <QDialog>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;

namespace tessarine {

class IMessageBox;
class KeyCaptureButton;

// What the dialog needs to know about the voices that speak the caption.
struct CaptionVoices {
    // The two-letter code of the language of the program's windows, the caption's by default.
    QString interfaceLanguage = QStringLiteral("en");
    // The codes of the languages this computer has a voice for. Asked once, when the spoken caption
    // is first on: finding the voices may take seconds.
    std::function<QStringList()> languages;
};

// "Access..." of the options window's learner row: how one learner answers. It shows the given
// settings and hands back the edited ones when accepted; what each setting means, its range and
// what goes with what are AccessSettings'.
class AccessDialog final : public QDialog {
    Q_OBJECT

public:
    AccessDialog(IMessageBox& messageBox, const AccessSettings& settings, const QString& learner, CaptionVoices voices = {},
                 QWidget* parent = nullptr);

    // The settings as the controls show them.
    AccessSettings settings() const;
    void showSettings(const AccessSettings& settings);

    QCheckBox* chkKeyboard;
    QComboBox* cboScan;
    QDoubleSpinBox* spnInterval;
    KeyCaptureButton* cmdStepKey;
    QComboBox* cboStepButton;
    KeyCaptureButton* cmdChooseKey;
    QComboBox* cboChooseButton;
    QCheckBox* chkGuard;
    QSpinBox* spnRepeat;
    QSpinBox* spnHold;
    QCheckBox* chkFillScreen;
    QCheckBox* chkSpokenCaption;
    QComboBox* cboCaptionLanguage;
    // Where the caption's language has no voice, what is spoken instead.
    QLabel* lblCaptionVoice;
    QLabel* lblProblem;
    QDialogButtonBox* buttons;

private:
    void refresh();
    void showCaptionLanguage(const QString& language);
    // Lists the languages with a voice, the first time they are needed.
    void listVoices();
    QString captionVoiceNotice(const QString& language) const;

    IMessageBox& m_messageBox;
    CaptionVoices m_voices;
    std::optional<QStringList> m_voiceLanguages;
};

} // namespace tessarine
