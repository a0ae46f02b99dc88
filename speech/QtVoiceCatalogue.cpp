#include "speech/QtVoiceCatalogue.h"

#include "speech/VoiceThread.h"

#include <QTextToSpeech>

namespace tessarine {

QtVoiceCatalogue::QtVoiceCatalogue() = default;
QtVoiceCatalogue::~QtVoiceCatalogue() = default;

QStringList QtVoiceCatalogue::engines() { return QTextToSpeech::availableEngines(); }

QTextToSpeech& QtVoiceCatalogue::loaded(const QString& engine)
{
    auto& speech = m_engines[engine];
    if (!speech)
        speech = std::make_unique<QTextToSpeech>(engine);
    return *speech;
}

QList<QLocale> QtVoiceCatalogue::locales(const QString& engine)
{
    QTextToSpeech& speech = loaded(engine);
    if (speech.state() == QTextToSpeech::Error)
        return {};
    return speech.availableLocales();
}

QStringList QtVoiceCatalogue::voices(const QString& engine, const QLocale& locale)
{
    QTextToSpeech& speech = loaded(engine);
    if (speech.state() == QTextToSpeech::Error)
        return {};
    // The engine lists the voices of the locale it is set to.
    speech.setLocale(locale);
    QStringList names;
    for (const QVoice& voice : speech.availableVoices())
        names.append(voice.name());
    // The engine's own choice first, so that flite keeps the English voice the captions always had.
    if (const QString own = speech.voice().name(); names.removeAll(own) > 0)
        names.prepend(own);
    return names;
}

std::unique_ptr<QTextToSpeech> QtVoiceCatalogue::take(const QString& engine)
{
    loaded(engine);
    return std::move(m_engines.extract(engine).mapped());
}

std::optional<QStringList> QtVoiceCatalogue::languagesWithin(std::chrono::milliseconds timeout)
{
    VoiceThread thread;
    // Shared with the job, which may still write to it after a timeout.
    auto languages = std::make_shared<QStringList>();
    const bool answered = thread.runAndWait(
        [languages] {
            QtVoiceCatalogue catalogue;
            *languages = VoiceChoice(catalogue).languages();
        },
        timeout);
    return answered ? std::optional(*languages) : std::nullopt;
}

} // namespace tessarine
