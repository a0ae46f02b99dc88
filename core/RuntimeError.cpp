#include "core/RuntimeError.h"

#include <QCoreApplication>

namespace tessarine {

RuntimeError::RuntimeError(int number, QString description)
    : m_number(number)
    , m_description(std::move(description))
    , m_what(m_description.toUtf8())
{
}

RuntimeError::RuntimeError(int number, QString description, QString shown)
    : RuntimeError(number, std::move(description))
{
    m_shown = std::move(shown);
}

QString RuntimeError::shownDescription() const
{
    if (!m_shown.isEmpty())
        return m_shown;
    return QCoreApplication::translate("RuntimeError", m_description.toUtf8().constData());
}

QString translatedText(const char* context, const char* source) { return QCoreApplication::translate(context, source); }

// The descriptions stay English values (records and the checker's reports keep them); they are
// translated when shown, through shownDescription().
RuntimeError invalidArgument()
{
    return {ErrorNumber::InvalidArgument, QString::fromUtf8(QT_TRANSLATE_NOOP("RuntimeError", "Invalid argument"))};
}
RuntimeError overflow() { return {ErrorNumber::Overflow, QString::fromUtf8(QT_TRANSLATE_NOOP("RuntimeError", "Overflow"))}; }
RuntimeError positionOutOfRange()
{
    return {ErrorNumber::PositionOutOfRange, QString::fromUtf8(QT_TRANSLATE_NOOP("RuntimeError", "Position out of range"))};
}
RuntimeError typeMismatch()
{
    return {ErrorNumber::TypeMismatch, QString::fromUtf8(QT_TRANSLATE_NOOP("RuntimeError", "Type mismatch"))};
}
RuntimeError invalidPropertyValue()
{
    return {ErrorNumber::InvalidPropertyValue, QString::fromUtf8(QT_TRANSLATE_NOOP("RuntimeError", "Invalid property value"))};
}
RuntimeError noImageFound()
{
    return {ErrorNumber::NoImageFound,
            QString::fromUtf8(QT_TRANSLATE_NOOP("RuntimeError", "No image found: plase check images folders"))};
}

} // namespace tessarine
