#include "records/RecordsFormat.h"

namespace tessarine {

RecordsFormat::RecordsFormat(const QLocale& locale)
    : m_locale(locale)
    , m_localized(locale.language() != QLocale::C && locale.language() != QLocale::English)
{
}

QString RecordsFormat::dateTime(const QDateTime& when) const
{
    const QDateTime local = when.toLocalTime();
    return m_localized ? m_locale.toString(local, QLocale::ShortFormat) : local.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

QString RecordsFormat::number(qint64 value) const { return m_localized ? m_locale.toString(value) : QString::number(value); }

QString RecordsFormat::decimal(double value, int decimals) const
{
    return m_localized ? m_locale.toString(value, 'f', decimals) : QString::number(value, 'f', decimals);
}

QString RecordsFormat::percent(double value) const
{
    return decimal(value, 0) + u' ' + (m_localized ? m_locale.percent() : QStringLiteral("%"));
}

} // namespace tessarine
