#include "app/AccessSettingsFile.h"

#include "platform/SettingsBacking.h"

namespace tessarine {

namespace {

// The INI file splits a line at its first '=', trims blanks at either end, takes '/' for a section
// separator and '\' for an escape; '%' starts an escape of our own.
bool heldAsIs(QChar c) { return c != u'%' && c != u'/' && c != u'\\' && c != u'=' && c.unicode() >= 0x20 && c.unicode() != 0x7f; }

QStringList keys() { return AccessSettings().toMap().keys(); }

const QString NewerKey = QStringLiteral("NotYetInRecords");

} // namespace

AccessSettingsFile::AccessSettingsFile(ISettingsBacking& settings)
    : m_settings(settings)
{
}

QString AccessSettingsFile::section(const QString& learner)
{
    qsizetype first = 0;
    while (first < learner.size() && learner[first].isSpace())
        ++first;
    qsizetype last = learner.size();
    while (last > first && learner[last - 1].isSpace())
        --last;
    QString name;
    for (qsizetype i = 0; i < learner.size(); ++i) {
        const QChar c = learner[i];
        if (i >= first && i < last && heldAsIs(c)) {
            name += c;
            continue;
        }
        for (const char byte : QString(c).toUtf8())
            name += QStringLiteral("%%1").arg(quint8(byte), 2, 16, QLatin1Char('0')).toUpper();
    }
    return QStringLiteral("Access/") + name;
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
