#pragma once

#include <QString>

namespace tessarine {

class Module1;

// Starts the wave file at `path` and returns at once. A file that cannot be played is silence,
// never a message; only a player that cannot be reached at all is reported.
void API_PlaySound(Module1& module, const QString& path);

} // namespace tessarine
