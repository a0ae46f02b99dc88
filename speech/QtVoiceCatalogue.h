#pragma once

#include "speech/VoiceChoice.h"

#include <chrono>
#include <map>
#include <memory>
#include <optional>

class QTextToSpeech;

namespace tessarine {

// The engines of Qt TextToSpeech, each loaded at the first question about it and kept, so that
// the voice chosen can speak through the engine already loaded.
class QtVoiceCatalogue final : public IVoiceCatalogue {
public:
    QtVoiceCatalogue();
    ~QtVoiceCatalogue() override;

    QStringList engines() override;
    QList<QLocale> locales(const QString& engine) override;
    QStringList voices(const QString& engine, const QLocale& locale) override;

    // The loaded engine, handed over to whoever speaks with it.
    std::unique_ptr<QTextToSpeech> take(const QString& engine);

    // The languages some engine of this computer has a voice for, asked on a thread of their own;
    // none when the engines have not answered within `timeout` (a speech-dispatcher that hangs).
    static std::optional<QStringList> languagesWithin(std::chrono::milliseconds timeout);

private:
    QTextToSpeech& loaded(const QString& engine);

    std::map<QString, std::unique_ptr<QTextToSpeech>> m_engines;
};

} // namespace tessarine
