#include "exercise/MatchingRules.h"

#include "core/Module1.h"

namespace tessarine {

MatchingRules::MatchingRules(Module1& module)
    : m_module(module)
{
}

QString MatchingRules::upperPart(const QString& name, std::int16_t part) { return m_module.EstraiParte(name, part).toUpper(); }

} // namespace tessarine
