#pragma once

#include <QString>

namespace tessarine {

// Records from the desktop's default microphone into a PCM wave file.
class IMicrophone {
public:
    virtual ~IMicrophone() = default;
    // Whether this computer has a microphone at all.
    virtual bool available() const = 0;
    // Starts recording into `wavePath`. The file appears, in place of any earlier recording there,
    // only when stop() completes it, so a failed recording leaves nothing half written. Throws
    // RuntimeError with plain words when there is no microphone or the file cannot be written.
    virtual void start(const QString& wavePath) = 0;
    // Ends the recording and completes the file; nothing when none is running.
    virtual void stop() = 0;
    virtual bool recording() const = 0;
};

} // namespace tessarine
