#include "app/AccessSettingsFile.h"

#include "platform/SettingsBacking.h"
#include "settings/SettingsStore.h"

namespace tessarine {

namespace {

QStringList keys() { return AccessSettings().toMap().keys(); }

const QString NewerKey = QStringLiteral("NotYetInRecords");

} // namespace

AccessSettingsFile::AccessSettingsFile(ISettingsBacking& settings)
    : m_settings(settings)
{
}

QString AccessSettingsFile::section(const QString& learner)
{
    return QStringLiteral("Access/") + SettingsStore::sectionPart(learner);
}

std::optional<AccessSettings> AccessSettingsFile::read(const QString& learner) const
{
    const QString where = section(learner);
    QMap<QString, QString> values;
    for (const QString& key : keys())
        if (const auto value = m_settings.read(where, key))
            values.insert(key, *value);
    if (values.isEmpty())
        return std::nullopt;
    return AccessSettings::fromMap(values);
}

void AccessSettingsFile::write(const QString& learner, const AccessSettings& settings)
{
    const QString where = section(learner);
    const auto values = settings.toMap();
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        m_settings.write(where, it.key(), it.value());
    m_settings.flush();
}

void AccessSettingsFile::remove(const QString& learner)
{
    const QString where = section(learner);
    QStringList all = keys();
    all.append(NewerKey);
    for (const QString& key : std::as_const(all))
        m_settings.remove(where, key);
    m_settings.flush();
}

bool AccessSettingsFile::isNewer(const QString& learner) const
{
    return m_settings.read(section(learner), NewerKey).value_or(QString()) == QLatin1String("1");
}

void AccessSettingsFile::setNewer(const QString& learner, bool newer)
{
    if (newer)
        m_settings.write(section(learner), NewerKey, QStringLiteral("1"));
    else
        m_settings.remove(section(learner), NewerKey);
    m_settings.flush();
}

} // namespace tessarine
