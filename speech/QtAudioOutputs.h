#pragma once

#include "speech/AudioOutputs.h"

namespace tessarine {

// Over Qt Multimedia's list of audio outputs.
class QtAudioOutputs final : public IAudioOutputs {
public:
    bool hasAudioOutput() const override;
};

} // namespace tessarine
