#pragma once

#include "core/RuntimeError.h"

namespace tessarine {

// Numbers of the errors of the learner records, shown with the program's error convention.
namespace RecordsErrorNumber {
inline constexpr int CannotOpen = 3051;   // the folder or file cannot be created, opened or written
inline constexpr int Damaged = 3049;      // the file is damaged
inline constexpr int NotRecords = 3343;   // another program's database, left alone
inline constexpr int Locked = 3218;       // another program holds the file
inline constexpr int NewerVersion = 3161; // made by a later version of the program
inline constexpr int UnknownLearner = 3265;
inline constexpr int ExportFailed = 3027;
inline constexpr int ServerUnreachable = 3151; // the school server does not answer or cannot be used
inline constexpr int ServerSetting = 3152;     // the server's connection string is missing or cannot be kept
} // namespace RecordsErrorNumber

} // namespace tessarine
