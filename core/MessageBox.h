#pragma once

#include <QString>

namespace tessarine {

// The critical message box: modal, critical icon, the program's title as caption, one OK button.
// Every error report of the program goes through it; the text is always plain text.
class IMessageBox {
public:
    virtual ~IMessageBox() = default;
    virtual void showCritical(const QString& text) = 0;
};

} // namespace tessarine
