#include "core/RuntimeError.h"

namespace tessarine {

RuntimeError::RuntimeError(int number, QString description)
    : m_number(number)
    , m_description(std::move(description))
    , m_what(m_description.toUtf8())
{
}

RuntimeError invalidArgument() { return {ErrorNumber::InvalidArgument, QStringLiteral("Invalid argument")}; }
RuntimeError overflow() { return {ErrorNumber::Overflow, QStringLiteral("Overflow")}; }
RuntimeError positionOutOfRange() { return {ErrorNumber::PositionOutOfRange, QStringLiteral("Position out of range")}; }
RuntimeError typeMismatch() { return {ErrorNumber::TypeMismatch, QStringLiteral("Type mismatch")}; }
RuntimeError invalidPropertyValue() { return {ErrorNumber::InvalidPropertyValue, QStringLiteral("Invalid property value")}; }
RuntimeError noImageFound() { return {ErrorNumber::NoImageFound, QStringLiteral("No image found: plase check images folders")}; }

} // namespace tessarine
