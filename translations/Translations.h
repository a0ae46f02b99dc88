#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

#include <memory>
#include <vector>

namespace tessarine {

// The interface languages the program ships a catalogue for, besides English (its source texts).
inline const QStringList ShippedLanguages{QStringLiteral("it"), QStringLiteral("es"), QStringLiteral("fr"), QStringLiteral("de"),
                                          QStringLiteral("pt")};

// Installs the program's catalogue and Qt's own (for its dialogs' buttons) for the language the
// system asks for, as Qt reads LANGUAGE, LC_ALL, LC_MESSAGES and LANG, and removes them again when
// it goes. English needs a catalogue too, for its plural forms, and is what every other language
// falls back to. While it lives, the default QLocale is `locale()`, so that dates and numbers go
// with the interface's language. Needs a QCoreApplication.
class Translations {
public:
    explicit Translations(const QLocale& locale = QLocale::system());
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // "it", "es", "fr", "de", "pt", or "en" when the system's language has no catalogue.
    QString language() const { return m_language; }
    // The conventions for dates and numbers that go with the interface: the system's locale when
    // its language has a catalogue, otherwise the C locale, whose forms the English texts were
    // written for.
    QLocale locale() const { return m_locale; }

private:
    void choose(const QLocale& locale);
    bool add(const QString& name, const QString& folder);

    std::vector<std::unique_ptr<QTranslator>> m_translators;
    QString m_language = QStringLiteral("en");
    QLocale m_locale = QLocale::c();
    QLocale m_previousDefault;
};

} // namespace tessarine
