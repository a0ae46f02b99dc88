#include "speech/QtSpeechVoice.h"

#include "core/RuntimeError.h"
#include "speech/QtVoiceCatalogue.h"
#include "speech/VoiceThread.h"

#include <QCoreApplication>
#include <QTextToSpeech>

namespace tessarine {

namespace {

// The engine and its voice, on the voice thread; it tells the voice what became of them.
class VoiceEngine final : public QObject {
    Q_OBJECT

public:
    void load(const QString& language)
    {
        QtVoiceCatalogue catalogue;
        const ChosenVoice chosen = VoiceChoice(catalogue).forCaption(language);
        m_speech = catalogue.take(chosen.engine);
        if (m_speech->state() == QTextToSpeech::Error) {
            Q_EMIT loaded(false, m_speech->errorString());
            return;
        }
        if (chosen.locale != QLocale::c()) {
            m_speech->setLocale(chosen.locale);
            for (const QVoice& voice : m_speech->availableVoices())
                if (voice.name() == chosen.voice) {
                    m_speech->setVoice(voice);
                    break;
                }
        }
        connect(m_speech.get(), &QTextToSpeech::errorOccurred, this,
                [this](QTextToSpeech::ErrorReason, const QString& reason) { Q_EMIT failed(reason); });
        Q_EMIT loaded(true, {});
    }

    void say(const QString& text)
    {
        if (m_speech)
            m_speech->say(text);
    }

Q_SIGNALS:
    void loaded(bool ready, const QString& error);
    void failed(const QString& reason);

private:
    std::unique_ptr<QTextToSpeech> m_speech;
};

} // namespace

QtSpeechVoice::QtSpeechVoice(QString language)
    : m_thread(std::make_unique<VoiceThread>())
    , m_answers(std::make_unique<QObject>())
{
    auto* engine = new VoiceEngine;
    m_engine = engine;
    // Queued across the threads; answers for a voice gone are dropped with m_answers.
    QObject::connect(engine, &VoiceEngine::loaded, m_answers.get(),
                     [this](bool ready, const QString& error) { loaded(ready, error); });
    QObject::connect(engine, &VoiceEngine::failed, m_answers.get(), [this](const QString& reason) {
        if (m_onFailure)
            m_onFailure(reason);
    });
    m_thread->adopt(engine);
    m_thread->post([engine, language = std::move(language)] { engine->load(language); });
}

// The engine goes with the voice thread.
QtSpeechVoice::~QtSpeechVoice() { m_answers.reset(); }

bool QtSpeechVoice::available() { return !QTextToSpeech::availableEngines().isEmpty(); }

void QtSpeechVoice::loaded(bool ready, const QString& error)
{
    m_state = ready ? State::Ready : State::Failed;
    m_error = error;
    if (!ready) {
        if (m_onFailure)
            m_onFailure(error);
        return;
    }
    if (!m_pending.isEmpty())
        say(std::exchange(m_pending, QString()));
}

void QtSpeechVoice::say(const QString& text)
{
    switch (m_state) {
    case State::Loading:
        m_pending = text;
        return;
    case State::Failed:
        throw RuntimeError(ErrorNumber::Internal,
                           QCoreApplication::translate("QtSpeechVoice", "The voice cannot speak: %1").arg(m_error));
    case State::Ready:
        m_thread->post([engine = static_cast<VoiceEngine*>(m_engine), text] { engine->say(text); });
        return;
    }
}

void QtSpeechVoice::setOnFailure(std::function<void(const QString& reason)> onFailure) { m_onFailure = std::move(onFailure); }

} // namespace tessarine

#include "QtSpeechVoice.moc"
