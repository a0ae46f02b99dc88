#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

namespace tessarine {

// Numbers of the errors the program raises or passes on. The numbers are part of what the user
// sees ("Run-time error '550': ..."), so they never change.
namespace ErrorNumber {
inline constexpr int InvalidArgument = 5;
inline constexpr int Overflow = 6;
inline constexpr int OutOfMemory = 7;
inline constexpr int PositionOutOfRange = 9;
inline constexpr int TypeMismatch = 13;
inline constexpr int FileNotFound = 53;
inline constexpr int PathAccess = 75;
inline constexpr int InvalidPropertyValue = 380;
inline constexpr int InvalidPicture = 481;
inline constexpr int NoImageFound = 550;
inline constexpr int Internal = 51;
} // namespace ErrorNumber

// An error with a number and a description, as the error report shows it.
class RuntimeError : public std::exception {
public:
    RuntimeError(int number, QString description);

    int number() const noexcept { return m_number; }
    const QString& description() const noexcept { return m_description; }
    const char* what() const noexcept override { return m_what.constData(); }

private:
    int m_number;
    QString m_description;
    QByteArray m_what;
};

// The errors of the platform's own functions, with short, stable descriptions.
RuntimeError invalidArgument();
RuntimeError overflow();
RuntimeError positionOutOfRange();
RuntimeError typeMismatch();
RuntimeError invalidPropertyValue();
// The program's own error: a distractor draw that found nothing.
RuntimeError noImageFound();

} // namespace tessarine
