#include "check/PictureVerdicts.h"

#include "check/DecodeCache.h"
#include "core/ErrorGuard.h"

#include <QFuture>

#include <utility>

namespace tessarine::check {

PictureVerdicts::PictureVerdicts(const ProgramInfo& program, DecodeCache* cache)
    : m_program(program)
    , m_cache(cache)
    , m_decoder(m_pictures)
{
}

std::optional<RuntimeError> PictureVerdicts::loadError(const QString& folder, const QString& name, QSize box)
{
    const QString key = folder + u'/' + name;
    const auto known = m_loads.constFind(key);
    if (known != m_loads.constEnd())
        return *known;
    const QString path = mediaPath(m_program, folder, name);
    const DecodeCache::Stamp stamp = m_cache ? DecodeCache::stampOf(path) : DecodeCache::Stamp{};
    if (m_cache) {
        if (const auto kept = m_cache->find(path, box, stamp)) {
            m_loads.insert(key, *kept);
            return *kept;
        }
    }
    std::optional<RuntimeError> error;
    try {
        m_pictures.load(path, box);
    } catch (...) {
        error = toRuntimeError(std::current_exception());
    }
    m_loads.insert(key, error);
    if (m_cache)
        m_cache->store(path, box, stamp, error);
    return error;
}

void PictureVerdicts::decodeAll(const QString& folder, const QStringList& names, QSize box)
{
    struct Pending {
        QString key;
        QString path;
        DecodeCache::Stamp stamp;
        QFuture<std::optional<RuntimeError>> result;
    };
    QList<Pending> pending;
    for (const QString& name : names) {
        const QString key = folder + u'/' + name;
        if (m_loads.contains(key))
            continue;
        const QString path = mediaPath(m_program, folder, name);
        if (m_cache) {
            // Taken before decoding: a file that changes meanwhile is decoded again next time.
            const DecodeCache::Stamp stamp = DecodeCache::stampOf(path);
            if (const auto kept = m_cache->find(path, box, stamp)) {
                m_loads.insert(key, *kept);
                continue;
            }
            m_loads.insert(key, std::nullopt); // queued once, even when named twice
            pending.append({key, path, stamp, m_decoder.failure(path, box)});
        } else {
            m_loads.insert(key, std::nullopt);
            pending.append({key, path, {}, m_decoder.failure(path, box)});
        }
    }
    for (Pending& job : pending) {
        const std::optional<RuntimeError> error = job.result.result();
        m_loads.insert(job.key, error);
        if (m_cache)
            m_cache->store(job.path, box, job.stamp, error);
    }
}

} // namespace tessarine::check
