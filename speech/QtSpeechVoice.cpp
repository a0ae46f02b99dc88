#include "speech/QtSpeechVoice.h"

#include "core/RuntimeError.h"
#include "speech/QtVoiceCatalogue.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QScopeGuard>
#include <QTextToSpeech>

namespace tessarine {

QtSpeechVoice::QtSpeechVoice(QString language)
    : m_language(std::move(language))
{
}

QtSpeechVoice::~QtSpeechVoice() = default;

bool QtSpeechVoice::available() { return !QTextToSpeech::availableEngines().isEmpty(); }

void QtSpeechVoice::load()
{
    // speech-dispatcher takes seconds to list its voices: the pointer tells that the program waits.
    const bool withCursor = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    if (withCursor)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restore = qScopeGuard([withCursor] {
        if (withCursor)
            QGuiApplication::restoreOverrideCursor();
    });
    QtVoiceCatalogue catalogue;
    const ChosenVoice chosen = VoiceChoice(catalogue).forCaption(m_language);
    m_speech = catalogue.take(chosen.engine);
    if (m_speech->state() != QTextToSpeech::Error && chosen.locale != QLocale::c()) {
        m_speech->setLocale(chosen.locale);
        for (const QVoice& voice : m_speech->availableVoices())
            if (voice.name() == chosen.voice) {
                m_speech->setVoice(voice);
                break;
            }
    }
    QObject::connect(m_speech.get(), &QTextToSpeech::errorOccurred, m_speech.get(),
                     [this](QTextToSpeech::ErrorReason, const QString& reason) {
                         if (m_onFailure)
                             m_onFailure(reason);
                     });
}

void QtSpeechVoice::say(const QString& text)
{
    if (!m_speech)
        load();
    if (m_speech->state() == QTextToSpeech::Error)
        throw RuntimeError(
            ErrorNumber::Internal,
            QCoreApplication::translate("QtSpeechVoice", "The voice cannot speak: %1").arg(m_speech->errorString()));
    m_speech->say(text);
}

void QtSpeechVoice::setOnFailure(std::function<void(const QString& reason)> onFailure) { m_onFailure = std::move(onFailure); }

} // namespace tessarine
