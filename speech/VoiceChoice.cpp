#include "speech/VoiceChoice.h"

#include <algorithm>

namespace tessarine {

namespace {

const QString Flite = QStringLiteral("flite");
const QString SpeechDispatcher = QStringLiteral("speechd");

} // namespace

VoiceChoice::VoiceChoice(IVoiceCatalogue& catalogue)
    : m_catalogue(catalogue)
{
}

QString VoiceChoice::languageCode(const QLocale& locale)
{
    if (locale.language() == QLocale::C || locale.language() == QLocale::AnyLanguage)
        return {};
    return QLocale::languageToCode(locale.language());
}

QStringList VoiceChoice::languages()
{
    QStringList codes;
    for (const QString& engine : m_catalogue.engines())
        for (const QLocale& locale : m_catalogue.locales(engine))
            if (const QString code = languageCode(locale); !code.isEmpty() && !codes.contains(code))
                codes.append(code);
    std::sort(codes.begin(), codes.end());
    return codes;
}

QStringList VoiceChoice::enginesInOrder(const QString& language)
{
    QStringList engines = m_catalogue.engines();
    const QStringList preferred = language == English ? QStringList{Flite, SpeechDispatcher} : QStringList{SpeechDispatcher};
    for (auto it = preferred.crbegin(); it != preferred.crend(); ++it)
        if (engines.removeAll(*it) > 0)
            engines.prepend(*it);
    return engines;
}

std::optional<ChosenVoice> VoiceChoice::of(const QString& language)
{
    // The language's home country where the engine has it (Italy for "it", Brazil for "pt"), so
    // that a language spoken in many countries does not get whichever one came first.
    const QLocale::Territory home = QLocale(language).territory();
    for (const QString& engine : enginesInOrder(language)) {
        std::optional<QLocale> found;
        for (const QLocale& locale : m_catalogue.locales(engine)) {
            if (languageCode(locale) != language)
                continue;
            if (!found || (locale.territory() == home && found->territory() != home))
                found = locale;
        }
        if (found)
            return ChosenVoice{engine, *found, m_catalogue.voices(engine, *found).value(0), true};
    }
    return std::nullopt;
}

ChosenVoice VoiceChoice::forCaption(const QString& language)
{
    if (auto voice = of(language))
        return *voice;
    if (auto english = of(English)) {
        english->ofLanguage = false;
        return *english;
    }
    const QStringList engines = enginesInOrder(English);
    return ChosenVoice{engines.value(0), QLocale::c(), {}, false};
}

} // namespace tessarine
