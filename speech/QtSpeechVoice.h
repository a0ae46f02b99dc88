#pragma once

#include "speech/SpeechVoice.h"

#include <memory>

class QTextToSpeech;

namespace tessarine {

// Over Qt TextToSpeech, with an engine that works offline: flite first, then speech-dispatcher,
// then whatever is installed. The engine is loaded at the first text, not at the start.
class QtSpeechVoice final : public ISpeechVoice {
public:
    QtSpeechVoice();
    ~QtSpeechVoice() override;

    bool available() override;
    void say(const QString& text) override;
    void setOnFailure(std::function<void(const QString& reason)> onFailure) override;

private:
    std::unique_ptr<QTextToSpeech> m_speech;
    std::function<void(const QString&)> m_onFailure;
};

} // namespace tessarine
