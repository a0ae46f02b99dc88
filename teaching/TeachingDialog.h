#pragma once

#include "teaching/TargetChoice.h"
#include "teaching/TeachingSettings.h"

#include <QDialog>

class QCheckBox;
class QDialogButtonBox;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QSpinBox;

namespace tessarine {

class IMessageBox;

// "Teaching..." for one learner: the targets among the collection's, review, prompts, errorless
// trials, correction and rewards. It shows the given settings and hands back the edited ones when
// accepted; which targets show checked and what a choice stores are TargetChoice's.
class TeachingDialog final : public QDialog {
    Q_OBJECT

public:
    // `objects`: the collection's object pictures (bare file names), whose names give the targets.
    TeachingDialog(IMessageBox& messageBox, const TeachingSettings& settings, const QStringList& objects, const QString& learner,
                   QWidget* parent = nullptr);

    // The settings accepted; the given ones until then.
    TeachingSettings settings() const { return m_settings; }

    QListWidget* lstTargets;
    QSpinBox* spnReview;
    QDoubleSpinBox* spnPromptDelay;
    QCheckBox* chkPromptAfterWrong;
    QSpinBox* spnErrorless;
    QCheckBox* chkCorrection;
    QSpinBox* spnReward;
    QLabel* lblProblem;
    QDialogButtonBox* buttons;

private:
    void showSettings(const TeachingSettings& settings);
    void takeChoice();
    QSet<QString> checked(const QString& kind) const;

    IMessageBox& m_messageBox;
    TargetChoice m_choice;
    TeachingSettings m_settings;
};

} // namespace tessarine
