#include "exercise/MatchingRules.h"

#include "core/Module1.h"

namespace tessarine {

MatchingRules::MatchingRules(Module1& module)
    : m_module(module)
{
}

QString MatchingRules::upperPart(const QString& name, std::int16_t part) { return m_module.EstraiParte(name, part).toUpper(); }

bool MatchingRules::symbolMatches(const QString& symbol, const QString& object)
{
    return upperPart(symbol, 1) == upperPart(object, 1);
}

bool MatchingRules::attributeMatches(const QString& attribute, const QString& object)
{
    const bool sameCategory = upperPart(attribute, 1) == upperPart(object, 2);
    const bool sameValue = upperPart(attribute, 2) == upperPart(object, 3);
    return sameCategory && sameValue;
}

bool MatchingRules::isCandidate(const QString& attribute, const QString& object, bool sameCategory)
{
    return !sameCategory || upperPart(attribute, 1) == upperPart(object, 2);
}

bool MatchingRules::valueDiffers(const QString& attribute, const QString& object)
{
    return upperPart(attribute, 2) != upperPart(object, 3);
}

} // namespace tessarine
