#pragma once

#include "check/CheckResult.h"

#include <QByteArray>
#include <QString>

namespace tessarine::check {

// Reads a program folder the way the exercise does (the same listing, loaders, name parts,
// matching rules and picture loader) and tells, per file, what will happen and how to fix it.
// Needs a QCoreApplication (the picture decoders are plugins).
CheckResult checkProgramFolder(const QString& folder);

// Readable text for a teacher, grouped per file.
QString toText(const CheckResult& result);
// The same for tools; the schema "tessarine-check/1" is described in the README.
QByteArray toJson(const CheckResult& result);

} // namespace tessarine::check
