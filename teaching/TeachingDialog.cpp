#include "teaching/TeachingDialog.h"

namespace tessarine {

TeachingDialog::TeachingDialog(IMessageBox&, const TeachingSettings& settings, const CollectionTargets&, const QString&,
                               QWidget* parent)
    : QDialog(parent)
    , m_settings(settings)
{
}

} // namespace tessarine
