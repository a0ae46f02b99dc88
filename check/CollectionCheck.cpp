#include "check/CollectionCheck.h"

#include "check/CheckMemory.h"

namespace tessarine::check {

CollectionCheck::CollectionCheck(const QString& folder)
    : m_folder(folder)
    , m_memory(std::make_unique<CheckMemory>())
{
}

CollectionCheck::~CollectionCheck() = default;

CheckResult CollectionCheck::refresh() { return runCheck(m_folder, m_memory.get()); }

qsizetype CollectionCheck::decodedPictures() const { return m_memory->decodes.size(); }

qsizetype CollectionCheck::analysedObjects() const { return m_memory->objects.size(); }

} // namespace tessarine::check
