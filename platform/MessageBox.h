#pragma once

#include <QString>

class QWidget;

namespace tessarine {

// The critical message box: modal, critical icon, the program's title as caption, one OK button.
class IMessageBox {
public:
    virtual ~IMessageBox() = default;
    virtual void showCritical(const QString& text) = 0;
};

class QtMessageBox final : public IMessageBox {
public:
    explicit QtMessageBox(QString caption);
    void showCritical(const QString& text) override;

private:
    QString m_caption;
};

} // namespace tessarine
