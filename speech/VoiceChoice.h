#pragma once

#include <QLocale>
#include <QStringList>

#include <optional>

namespace tessarine {

// What the speech engines of this computer offer. Asking an engine may load it, which takes
// seconds for speech-dispatcher (it lists thousands of voices), so callers ask only when needed.
class IVoiceCatalogue {
public:
    virtual ~IVoiceCatalogue() = default;
    virtual QStringList engines() = 0;
    // Empty when the engine cannot be loaded.
    virtual QList<QLocale> locales(const QString& engine) = 0;
    // The names of the engine's voices for `locale`, the one the engine itself would take first.
    virtual QStringList voices(const QString& engine, const QLocale& locale) = 0;
};

struct ChosenVoice {
    // Empty when nothing on this computer can speak.
    QString engine;
    QLocale locale = QLocale::c();
    // Empty: the engine's own voice for the locale.
    QString voice;
    // False when a voice of another language stands in for the one wanted.
    bool ofLanguage = false;
};

// Which engine and voice speak a language, by its two-letter code ("it"). English keeps flite,
// the voice the captions always had; every other language goes to speech-dispatcher first, whose
// espeak-ng voices cover most languages, and then to any engine that has it.
class VoiceChoice {
public:
    static inline const QString English = QStringLiteral("en");

    explicit VoiceChoice(IVoiceCatalogue& catalogue);

    // The codes of the languages some engine has a voice for, in code order.
    QStringList languages();
    // A voice of `language`; none when no engine has one.
    std::optional<ChosenVoice> of(const QString& language);
    // What speaks a caption in `language`: a voice of its own, otherwise the English one, otherwise
    // whatever the first engine speaks.
    ChosenVoice forCaption(const QString& language);

    static QString languageCode(const QLocale& locale);

private:
    QStringList enginesInOrder(const QString& language);

    IVoiceCatalogue& m_catalogue;
};

} // namespace tessarine
