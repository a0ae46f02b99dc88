#include "sound/SoundPlayback.h"

#include "core/ErrorGuard.h"
#include "platform/SoundPlayer.h"

namespace tessarine {

void API_PlaySound(IMessageBox& messageBox, ISoundPlayer& player, const QString& path)
{
    Guard guard(messageBox, QStringLiteral("API_PlaySound"));
    guard.step([&] { player.play(path); });
}

} // namespace tessarine
