#include "settings/SettingsStore.h"

#include "platform/SettingsBacking.h"

#include <array>

namespace tessarine {

namespace {

const QString General = QStringLiteral("GeneralSettings");
const QString Statistics = QStringLiteral("Statistics");
const QString Information = QStringLiteral("Information");
const QString Session = QStringLiteral("Session");

const std::array<SettingDefinition, 17> Definitions{{
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
    // The folder of the pictures in use; empty for the program's own.
    {SettingKey::Collection, Session, QStringLiteral("Collection"), QString()},
    // The school server the learners' records are kept on, as a libpq connection string; empty for
    // this computer's records file.
    {SettingKey::RecordsServer, QStringLiteral("Records"), QStringLiteral("Server"), QString()},
}};

// The INI file splits a line at its first '=', trims blanks at either end, takes '/' for a section
// separator and '\' for an escape; '%' starts an escape of our own.
bool heldAsIs(QChar c) { return c != u'%' && c != u'/' && c != u'\\' && c != u'=' && c.unicode() >= 0x20 && c.unicode() != 0x7f; }

QString learnerSection(const QString& learner) { return QStringLiteral("Learner/") + SettingsStore::sectionPart(learner); }

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

QString SettingsStore::sectionPart(const QString& name)
{
    qsizetype first = 0;
    while (first < name.size() && name[first].isSpace())
        ++first;
    qsizetype last = name.size();
    while (last > first && name[last - 1].isSpace())
        --last;
    QString part;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name[i];
        if (i >= first && i < last && heldAsIs(c)) {
            part += c;
            continue;
        }
        for (const char byte : QString(c).toUtf8())
            part += QStringLiteral("%%1").arg(quint8(byte), 2, 16, QLatin1Char('0')).toUpper();
    }
    return part;
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

std::optional<QString> SettingsStore::readForLearner(const QString& learner, const QString& key) const
{
    return m_backing.read(learnerSection(learner), key);
}

void SettingsStore::writeForLearner(const QString& learner, const QString& key, const QString& value)
{
    m_backing.write(learnerSection(learner), key, value);
}

void SettingsStore::removeForLearner(const QString& learner, const QString& key)
{
    m_backing.remove(learnerSection(learner), key);
}

void SettingsStore::flush() { m_backing.flush(); }

} // namespace tessarine
