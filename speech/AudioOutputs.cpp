#include "speech/AudioOutputs.h"

#include <QCoreApplication>

namespace tessarine {

QString audioOutputNotice(const IAudioOutputs& outputs)
{
    if (outputs.hasAudioOutput())
        return {};
    return QCoreApplication::translate("AudioOutputs",
                                       "This computer has no sound output, so no sound will be heard. Connect speakers or "
                                       "headphones, or switch the sound on in the computer's settings, then start Tessarine "
                                       "again.");
}

} // namespace tessarine
