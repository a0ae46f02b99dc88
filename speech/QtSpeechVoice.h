#pragma once

#include "speech/SpeechVoice.h"

#include <QString>

#include <memory>

class QObject;

namespace tessarine {

class VoiceThread;

// Over Qt TextToSpeech, with a voice of the caption's language as VoiceChoice picks it (engines
// that work offline: flite for English, speech-dispatcher for the rest). The engine loads on a
// thread of its own from the moment the voice is made, so that neither speech-dispatcher's seconds
// of listing nor a daemon that no longer answers hold up the exercise; a caption that comes before
// the engine is ready is spoken when it is, unless a newer one has come.
class QtSpeechVoice final : public ISpeechVoice {
public:
    // `language` is a two-letter code, "it".
    explicit QtSpeechVoice(QString language = QStringLiteral("en"));
    ~QtSpeechVoice() override;

    bool available() override;
    void say(const QString& text) override;
    void setOnFailure(std::function<void(const QString& reason)> onFailure) override;

private:
    enum class State { Loading, Ready, Failed };
    void loaded(bool ready, const QString& error);

    std::unique_ptr<VoiceThread> m_thread;
    QObject* m_engine = nullptr;        // lives on m_thread, which deletes it
    std::unique_ptr<QObject> m_answers; // on this thread: the engine's answers arrive here
    State m_state = State::Loading;
    QString m_pending;
    QString m_error;
    std::function<void(const QString&)> m_onFailure;
};

} // namespace tessarine
