#pragma once

#include <QPushButton>

namespace tessarine {

// Shows a key by name; clicked, it takes the next key pressed (the switch itself, Tab and Space
// too) as its new key. Escape or leaving the button keeps the old one. A screen reader hears what
// the key is for (`purpose`, such as "Step switch key") with the key or the request for one.
class KeyCaptureButton final : public QPushButton {
    Q_OBJECT

public:
    explicit KeyCaptureButton(const QString& purpose, QWidget* parent = nullptr);

    Qt::Key key() const { return m_key; }
    void setKey(Qt::Key key);

Q_SIGNALS:
    void keyChanged(Qt::Key key);

protected:
    bool event(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void startCapture();
    void endCapture();
    void showText(const QString& text);

    QString m_purpose;
    Qt::Key m_key = Qt::Key_Space;
    bool m_capturing = false;
};

} // namespace tessarine
