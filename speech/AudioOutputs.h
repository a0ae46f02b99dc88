#pragma once

#include <QString>

namespace tessarine {

// Whether the computer has any audio output at all; without one every sound is silence.
class IAudioOutputs {
public:
    virtual ~IAudioOutputs() = default;
    virtual bool hasAudioOutput() const = 0;
};

// What the options window shows near "Play sounds": the plain-words notice when there is no
// audio output, otherwise the empty text.
QString audioOutputNotice(const IAudioOutputs& outputs);

} // namespace tessarine
