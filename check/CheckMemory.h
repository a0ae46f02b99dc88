#pragma once

#include "check/CheckResult.h"
#include "check/DecodeCache.h"
#include "check/ObjectMemory.h"

#include <QString>

namespace tessarine::check {

// What one check of a folder keeps for the next: the decoding verdicts of its pictures and the
// analyses of its object pictures.
struct CheckMemory {
    DecodeCache decodes;
    ObjectMemory objects;
};

// checkProgramFolder with a memory: what is still valid is taken from it, the rest found afresh
// and remembered. Without one, everything is found afresh.
CheckResult runCheck(const QString& folder, CheckMemory* memory);

} // namespace tessarine::check
