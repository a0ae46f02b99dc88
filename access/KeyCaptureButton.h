#pragma once

#include <QPushButton>

namespace tessarine {

// Shows a key by name; clicked, it takes the next key pressed (the switch itself, Tab and Space
// too) as its new key. Escape or leaving the button keeps the old one.
class KeyCaptureButton final : public QPushButton {
    Q_OBJECT

public:
    explicit KeyCaptureButton(QWidget* parent = nullptr);

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

    Qt::Key m_key = Qt::Key_Space;
    bool m_capturing = false;
};

} // namespace tessarine
