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

// An error with a number and a description. The description is kept in English, as records,
// logs, scripts and comparisons take it; the user is shown shownDescription(), in the interface's
// language.
class RuntimeError : public std::exception {
public:
    RuntimeError(int number, QString description);
    // `shown` is the description in the interface's language, when its maker has it.
    RuntimeError(int number, QString description, QString shown);

    int number() const noexcept { return m_number; }
    const QString& description() const noexcept { return m_description; }
    // The description as the user reads it: the one given at making, otherwise the description's
    // entry in the "RuntimeError" catalogue context, otherwise the description itself.
    QString shownDescription() const;
    const char* what() const noexcept override { return m_what.constData(); }

private:
    int m_number;
    QString m_description;
    QString m_shown;
    QByteArray m_what;
};

// An error whose description reads `source` with its placeholders filled by `args`, kept in
// English and shown translated from `context`; `source` is marked for the catalogue where it is
// written, with QT_TRANSLATE_NOOP(context, source).
template <typename... Args>
RuntimeError translatedError(int number, const char* context, const char* source, const Args&... args);

// The errors of the platform's own functions, with short, stable descriptions.
RuntimeError invalidArgument();
RuntimeError overflow();
RuntimeError positionOutOfRange();
RuntimeError typeMismatch();
RuntimeError invalidPropertyValue();
// The program's own error: a distractor draw that found nothing.
RuntimeError noImageFound();

QString translatedText(const char* context, const char* source);

template <typename... Args>
RuntimeError translatedError(int number, const char* context, const char* source, const Args&... args)
{
    if constexpr (sizeof...(Args) == 0)
        return RuntimeError(number, QString::fromUtf8(source), translatedText(context, source));
    else
        return RuntimeError(number, QString::fromUtf8(source).arg(args...), translatedText(context, source).arg(args...));
}

} // namespace tessarine
