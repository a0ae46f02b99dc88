#include "speech/QtAudioOutputs.h"

#include <QAudioDevice>
#include <QMediaDevices>

namespace tessarine {

bool QtAudioOutputs::hasAudioOutput() const { return !QMediaDevices::audioOutputs().isEmpty(); }

} // namespace tessarine
