#pragma once

#include <QString>

namespace tessarine {

// The record about the program that the options window stores under "Information" and the About
// window shows.
namespace ProgramRecord {
inline const QString Author = QStringLiteral("The Tessarine project");
inline const QString Contact = QStringLiteral("tessarine@example.org");
inline const QString Website = QStringLiteral("tessarine.example.org");
inline const QString Year = QStringLiteral("2009");
inline const QString CreditYear = QStringLiteral("2008");
} // namespace ProgramRecord

} // namespace tessarine
