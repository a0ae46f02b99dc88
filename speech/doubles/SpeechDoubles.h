#pragma once

// Stand-ins for the voice and the list of audio outputs, so that the tests need no speech engine
// and no sound card.

#include "core/RuntimeError.h"
#include "speech/AudioOutputs.h"
#include "speech/SpeechVoice.h"

#include <QStringList>

#include <optional>

namespace tessarine::doubles {

// Records every text instead of speaking it; `failure` makes say() fail, fail() stands for a
// failure while speaking.
class RecordingVoice final : public ISpeechVoice {
public:
    bool available() override { return installed; }
    void say(const QString& text) override
    {
        if (failure)
            throw *failure;
        said.append(text);
    }
    void setOnFailure(std::function<void(const QString&)> onFailure) override { m_onFailure = std::move(onFailure); }
    void fail(const QString& reason) const
    {
        if (m_onFailure)
            m_onFailure(reason);
    }

    bool installed = true;
    std::optional<RuntimeError> failure;
    QStringList said;

private:
    std::function<void(const QString&)> m_onFailure;
};

class FixedAudioOutputs final : public IAudioOutputs {
public:
    explicit FixedAudioOutputs(bool present)
        : m_present(present)
    {
    }
    bool hasAudioOutput() const override { return m_present; }

private:
    bool m_present;
};

} // namespace tessarine::doubles
