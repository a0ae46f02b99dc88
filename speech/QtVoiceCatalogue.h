#pragma once

#include "speech/VoiceChoice.h"

#include <map>
#include <memory>

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

private:
    QTextToSpeech& loaded(const QString& engine);

    std::map<QString, std::unique_ptr<QTextToSpeech>> m_engines;
};

} // namespace tessarine
