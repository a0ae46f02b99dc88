#include "settings/SettingsStore.h"

#include "platform/SettingsBacking.h"

#include <array>

namespace tessarine {

namespace {

const QString General = QStringLiteral("GeneralSettings");
const QString Statistics = QStringLiteral("Statistics");
const QString Information = QStringLiteral("Information");
const QString Session = QStringLiteral("Session");

const std::array<SettingDefinition, 15> Definitions{{
    {SettingKey::ShowSymbolsDistractor, General, QStringLiteral("ShowSymbolsDistractor"), QStringLiteral("1")},
    {SettingKey::ShowAttributesDistractor, General, QStringLiteral("ShowAttributesDistractor"), QStringLiteral("1")},
    {SettingKey::UseSequence, General, QStringLiteral("UseSequence"), QStringLiteral("1")},
    {SettingKey::SameCategoryAttributes, General, QStringLiteral("SameCategoryAttributes"), QStringLiteral("S")},
    {SettingKey::PlaySounds, General, QStringLiteral("PlaySounds"), QStringLiteral("1")},
    {SettingKey::SoundOk, General, QStringLiteral("SoundOk"), QStringLiteral("ok.wav")},
    {SettingKey::SoundWrong, General, QStringLiteral("SoundWrong"), QStringLiteral("error.wav")},
    {SettingKey::Shown, Statistics, QStringLiteral("Shown"), QStringLiteral("0")},
    {SettingKey::CorrectAnswers, Statistics, QStringLiteral("CorrectAnswers"), QStringLiteral("0")},
    {SettingKey::WrongAnswers, Statistics, QStringLiteral("WrongAnswers"), QStringLiteral("0")},
    {SettingKey::Author, Information, QStringLiteral("Author"), std::nullopt},
    {SettingKey::Year, Information, QStringLiteral("Year"), std::nullopt},
    {SettingKey::Contact, Information, QStringLiteral("Contact"), std::nullopt},
    {SettingKey::Website, Information, QStringLiteral("Website"), std::nullopt},
    // The learner of the last run; the empty learner records nothing.
    {SettingKey::Learner, Session, QStringLiteral("Learner"), QString()},
}};

} // namespace

const QString SettingsStore::ApplicationName = QStringLiteral("Corvaldi-Tessarine");

SettingsStore::SettingsStore(ISettingsBacking& backing)
    : m_backing(backing)
{
}

const SettingDefinition& SettingsStore::definition(SettingKey key)
{
    // The table is in the enum's order.
    return Definitions.at(static_cast<std::size_t>(key));
}

QString SettingsStore::read(SettingKey key) const
{
    const SettingDefinition& def = definition(key);
    return m_backing.read(def.section, def.name).value_or(def.defaultValue.value_or(QString()));
}

void SettingsStore::write(SettingKey key, const QString& value)
{
    const SettingDefinition& def = definition(key);
    m_backing.write(def.section, def.name, value);
}

void SettingsStore::flush() { m_backing.flush(); }

} // namespace tessarine
