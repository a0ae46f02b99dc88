#include "check/DecodeCache.h"

#include <QDateTime>
#include <QFileInfo>

namespace tessarine::check {

DecodeCache::Stamp DecodeCache::stampOf(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return {info.size(), info.lastModified().toMSecsSinceEpoch()};
}

QString DecodeCache::keyOf(const QString& path, QSize box)
{
    return QStringLiteral("%1x%2:").arg(box.width()).arg(box.height()) + path;
}

std::optional<std::optional<RuntimeError>> DecodeCache::find(const QString& path, QSize box, const Stamp& stamp)
{
    const auto entry = m_entries.find(keyOf(path, box));
    if (entry == m_entries.end() || entry->stamp != stamp)
        return std::nullopt;
    entry->used = true;
    return entry->error;
}

void DecodeCache::store(const QString& path, QSize box, const Stamp& stamp, const std::optional<RuntimeError>& error)
{
    m_entries.insert(keyOf(path, box), Entry{stamp, error, true});
}

void DecodeCache::forgetUnused()
{
    for (auto entry = m_entries.begin(); entry != m_entries.end();) {
        if (!entry->used) {
            entry = m_entries.erase(entry);
        } else {
            entry->used = false;
            ++entry;
        }
    }
}

} // namespace tessarine::check
