#include "sound/SoundPlayback.h"

#include "core/ErrorGuard.h"
#include "core/Module1.h"
#include "platform/SoundPlayer.h"

namespace tessarine {

void API_PlaySound(Module1& module, const QString& path)
{
    Guard guard(module.messageBox(), QStringLiteral("API_PlaySound"));
    guard.step([&] { module.platform().sound.play(path); });
}

} // namespace tessarine
