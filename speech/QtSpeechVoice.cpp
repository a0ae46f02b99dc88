#include "speech/QtSpeechVoice.h"

#include "core/RuntimeError.h"

#include <QTextToSpeech>

namespace tessarine {

namespace {

QString offlineEngine()
{
    const QStringList engines = QTextToSpeech::availableEngines();
    for (const char* preferred : {"flite", "speechd"})
        if (engines.contains(QLatin1String(preferred)))
            return QString::fromLatin1(preferred);
    return engines.value(0);
}

} // namespace

QtSpeechVoice::QtSpeechVoice() = default;
QtSpeechVoice::~QtSpeechVoice() = default;

bool QtSpeechVoice::available() { return !QTextToSpeech::availableEngines().isEmpty(); }

void QtSpeechVoice::say(const QString& text)
{
    if (!m_speech) {
        m_speech = std::make_unique<QTextToSpeech>(offlineEngine());
        QObject::connect(m_speech.get(), &QTextToSpeech::errorOccurred, m_speech.get(),
                         [this](QTextToSpeech::ErrorReason, const QString& reason) {
                             if (m_onFailure)
                                 m_onFailure(reason);
                         });
    }
    if (m_speech->state() == QTextToSpeech::Error)
        throw RuntimeError(ErrorNumber::Internal, QStringLiteral("The voice cannot speak: %1").arg(m_speech->errorString()));
    m_speech->say(text);
}

void QtSpeechVoice::setOnFailure(std::function<void(const QString& reason)> onFailure) { m_onFailure = std::move(onFailure); }

} // namespace tessarine
