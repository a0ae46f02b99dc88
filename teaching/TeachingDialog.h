#pragma once

#include "teaching/TeachingSettings.h"

#include <QDialog>

namespace tessarine {

class IMessageBox;

// "Teaching..." for one learner: the targets among the collection's, review, prompts, errorless
// trials, correction and rewards.
class TeachingDialog final : public QDialog {
    Q_OBJECT

public:
    TeachingDialog(IMessageBox& messageBox, const TeachingSettings& settings, const CollectionTargets& targets,
                   const QString& learner, QWidget* parent = nullptr);

    TeachingSettings settings() const { return m_settings; }

private:
    TeachingSettings m_settings;
};

} // namespace tessarine
