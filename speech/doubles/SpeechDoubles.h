#pragma once

// Stand-ins for the voice and the list of audio outputs, so that the tests need no speech engine
// and no sound card.

#include "core/RuntimeError.h"
#include "speech/AudioOutputs.h"
#include "speech/SpeechVoice.h"
#include "speech/VoiceChoice.h"

#include <QMap>
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

// Engines with the voices of each locale, by the locale's name ("it_IT"); notes which engines were
// asked about, since asking loads an engine.
class FakeVoiceCatalogue final : public IVoiceCatalogue {
public:
    QStringList engines() override { return offered.keys(); }
    QList<QLocale> locales(const QString& engine) override
    {
        if (!asked.contains(engine))
            asked.append(engine);
        QList<QLocale> result;
        for (const QString& name : offered.value(engine).keys())
            result.append(QLocale(name));
        return result;
    }
    QStringList voices(const QString& engine, const QLocale& locale) override
    {
        return offered.value(engine).value(locale.name());
    }

    QMap<QString, QMap<QString, QStringList>> offered;
    QStringList asked;
};

} // namespace tessarine::doubles
