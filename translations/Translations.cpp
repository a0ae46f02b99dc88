#include "translations/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace tessarine {

namespace {
// Where the build puts the program's catalogues: inside the executable.
const QString OwnCatalogues = QStringLiteral(":/i18n");
} // namespace

Translations::Translations(const QLocale& locale)
{
    add(QStringLiteral("tessarine_en"), OwnCatalogues);
    choose(locale);
    QLocale::setDefault(m_locale);
}

void Translations::choose(const QLocale& locale)
{
    for (const QString& language : locale.uiLanguages()) {
        const QString code = QLocale(language).name().section(QLatin1Char('_'), 0, 0);
        if (code == QLatin1String("en") || code == QLatin1String("C"))
            return;
        if (!ShippedLanguages.contains(code))
            continue;
        if (add(QStringLiteral("tessarine_") + code, OwnCatalogues)) {
            m_language = code;
            // The system's country where it speaks this language (dates in Switzerland are not
            // Germany's); otherwise the language's own conventions.
            m_locale = locale.language() == QLocale(language).language() ? locale : QLocale(language);
            // Qt's own texts (Yes, No, Cancel, the file dialog) in the same language; without the
            // package that ships them they stay English, which is no reason to stop.
            // Debian ships Qt's Portuguese for Brazil only, which serves Portugal better than English.
            const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
            if (!add(QStringLiteral("qtbase_") + QLocale(language).name(), qtFolder)
                && !add(QStringLiteral("qtbase_") + code, qtFolder) && code == QLatin1String("pt"))
                add(QStringLiteral("qtbase_pt_BR"), qtFolder);
            return;
        }
    }
}

Translations::~Translations()
{
    QLocale::setDefault(m_previousDefault);
    for (const auto& translator : m_translators)
        QCoreApplication::removeTranslator(translator.get());
}

bool Translations::add(const QString& name, const QString& folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, folder) || !QCoreApplication::installTranslator(translator.get()))
        return false;
    m_translators.push_back(std::move(translator));
    return true;
}

} // namespace tessarine
