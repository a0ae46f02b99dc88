#pragma once

#include "core/MessageBox.h"

#include <QString>

namespace tessarine {

// A QMessageBox over the active window. Texts often carry file names, so they are never taken for
// markup.
class QtMessageBox final : public IMessageBox {
public:
    explicit QtMessageBox(QString caption);
    void showCritical(const QString& text) override;

private:
    QString m_caption;
};

} // namespace tessarine
