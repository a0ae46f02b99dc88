#pragma once

// A microphone that needs no sound card: it records a tenth of a second of silence through the
// program's own wave writer, so the files it leaves are those a real recording leaves.

#include "core/RuntimeError.h"
#include "platform/Microphone.h"
#include "platform/WaveWriter.h"

#include <QStringList>

#include <memory>

namespace tessarine::doubles {

class SilentMicrophone final : public IMicrophone {
public:
    bool available() const override { return present; }
    void start(const QString& wavePath) override
    {
        if (!present)
            throw RuntimeError(ErrorNumber::FileNotFound, QStringLiteral("This computer has no microphone to record with"));
        m_writer = std::make_unique<WaveWriter>(wavePath, SampleRate, 1, 16);
        started.append(wavePath);
    }
    void stop() override
    {
        if (!m_writer)
            return;
        const auto writer = std::move(m_writer);
        writer->device().write(QByteArray(SampleRate / 10 * 2, '\0'));
        writer->finish();
    }
    bool recording() const override { return m_writer != nullptr; }

    static constexpr int SampleRate = 22050;
    bool present = true;
    QStringList started;

private:
    std::unique_ptr<WaveWriter> m_writer;
};

} // namespace tessarine::doubles
