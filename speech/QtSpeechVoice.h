#pragma once

#include "speech/SpeechVoice.h"

#include <memory>

class QTextToSpeech;

namespace tessarine {

class QtVoiceCatalogue;

// Over Qt TextToSpeech, with a voice of the caption's language as VoiceChoice picks it (engines
// that work offline: flite for English, speech-dispatcher for the rest). The engine is loaded at
// the first text, not at the start.
class QtSpeechVoice final : public ISpeechVoice {
public:
    // `language` is a two-letter code, "it".
    explicit QtSpeechVoice(QString language = QStringLiteral("en"));
    ~QtSpeechVoice() override;

    bool available() override;
    void say(const QString& text) override;
    void setOnFailure(std::function<void(const QString& reason)> onFailure) override;

private:
    void load();

    QString m_language;
    std::unique_ptr<QTextToSpeech> m_speech;
    std::function<void(const QString&)> m_onFailure;
};

} // namespace tessarine
