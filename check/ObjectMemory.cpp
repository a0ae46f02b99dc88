#include "check/ObjectMemory.h"

#include <utility>

namespace tessarine::check {

void ObjectMemory::begin(const ObjectContext& context)
{
    if (!(context == m_context)) {
        m_objects.clear();
        m_context = context;
    }
    m_seen.clear();
}

const RememberedObject* ObjectMemory::find(const QString& object, const DecodeCache::Stamp& picture,
                                           const DecodeCache::Stamp& recording) const
{
    const auto found = m_objects.constFind(object);
    if (found == m_objects.constEnd() || !(found->picture == picture) || !(found->recording == recording))
        return nullptr;
    return &*found;
}

void ObjectMemory::remember(const QString& object, RememberedObject analysis) { m_seen.insert(object, std::move(analysis)); }

void ObjectMemory::end()
{
    m_objects = std::move(m_seen);
    m_seen = {};
}

} // namespace tessarine::check
