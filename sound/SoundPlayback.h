#pragma once

#include <QString>

namespace tessarine {

class IMessageBox;
class ISoundPlayer;

// Starts the wave file at `path` and returns at once. A file that cannot be played is silence,
// never a message; only a player that cannot be reached at all is reported.
void API_PlaySound(IMessageBox& messageBox, ISoundPlayer& player, const QString& path);

} // namespace tessarine
