#pragma once

#include "access/AccessSettings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;

namespace tessarine {

class IMessageBox;
class KeyCaptureButton;

// "Access..." of the options window's learner row: how one learner answers. It shows the given
// settings and hands back the edited ones when accepted; what each setting means, its range and
// what goes with what are AccessSettings'.
class AccessDialog final : public QDialog {
    Q_OBJECT

public:
    AccessDialog(IMessageBox& messageBox, const AccessSettings& settings, const QString& learner, QWidget* parent = nullptr);

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
    QLabel* lblProblem;
    QDialogButtonBox* buttons;

private:
    void refresh();

    IMessageBox& m_messageBox;
};

} // namespace tessarine
