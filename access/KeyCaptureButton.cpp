#include "access/KeyCaptureButton.h"

#include "access/AccessSettings.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>

namespace tessarine {

namespace {

// Most keyboards label Return "Enter", and so do switch interfaces.
QString shownName(Qt::Key key)
{
    //: The Enter key's name on a button
    return key == Qt::Key_Return ? QCoreApplication::translate("KeyCaptureButton", "Enter")
                                 : QKeySequence(key).toString(QKeySequence::NativeText);
}

} // namespace

KeyCaptureButton::KeyCaptureButton(const QString& purpose, QWidget* parent)
    : QPushButton(parent)
    , m_purpose(purpose)
{
    setAutoDefault(false);
    showText(shownName(m_key));
    connect(this, &QPushButton::clicked, this, &KeyCaptureButton::startCapture);
}

void KeyCaptureButton::setKey(Qt::Key key)
{
    m_key = key;
    endCapture();
}

bool KeyCaptureButton::event(QEvent* event)
{
    // While waiting, every key is the answer, including those that would move the focus.
    if (m_capturing && (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride)) {
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        event->accept();
        if (event->type() == QEvent::ShortcutOverride || keyEvent->isAutoRepeat())
            return true;
        const auto key = static_cast<Qt::Key>(keyEvent->key());
        if (key == Qt::Key_Escape) {
            endCapture();
        } else if (keyFromName(keyName(key)) != Qt::Key_unknown) {
            setKey(key);
            Q_EMIT keyChanged(key);
        }
        return true;
    }
    return QPushButton::event(event);
}

void KeyCaptureButton::focusOutEvent(QFocusEvent* event)
{
    endCapture();
    QPushButton::focusOutEvent(event);
}

void KeyCaptureButton::startCapture()
{
    m_capturing = true;
    showText(tr("Press the key or the switch..."));
}

void KeyCaptureButton::endCapture()
{
    m_capturing = false;
    showText(shownName(m_key));
}

void KeyCaptureButton::showText(const QString& text)
{
    setText(text);
    // The text alone ("Space") would not say which switch it belongs to.
    setAccessibleName(m_purpose + QStringLiteral(": ") + text);
}

} // namespace tessarine
