#pragma once

#include "platform/Microphone.h"

#include <memory>

class QAudioSource;

namespace tessarine {

class WaveWriter;

// The desktop's default audio input through Qt Multimedia, recorded as 16-bit PCM mono.
class QtMicrophone final : public IMicrophone {
public:
    QtMicrophone();
    ~QtMicrophone() override;

    bool available() const override;
    void start(const QString& wavePath) override;
    void stop() override;
    bool recording() const override;

private:
    std::unique_ptr<WaveWriter> m_writer;
    std::unique_ptr<QAudioSource> m_source;
};

} // namespace tessarine
