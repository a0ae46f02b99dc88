// The set composer's matching of names: two names (separated by the first line break) compared by
// their upper-cased parts, against the plain reading of the rules. Reports for missing parts are
// allowed; wrong answers are not.

#include "FuzzModule.h"

#include "exercise/MatchingRules.h"

using namespace tessarine;

namespace {

QString upperPart(const QString& name, int part)
{
    const QStringList parts = name.split(u'.');
    return part <= parts.size() ? parts[part - 1].toUpper() : QString();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString input = fuzz::textOf(data, size);
    const qsizetype lineBreak = input.indexOf(u'\n');
    if (lineBreak < 0)
        return 0;
    const QString first = input.left(lineBreak);
    const QString second = input.mid(lineBreak + 1);

    fuzz::FuzzModule fuzzModule;
    MatchingRules rules(fuzzModule.module);
    const bool sameKey = upperPart(first, 1) == upperPart(second, 1);
    if (rules.symbolMatches(first, second) != sameKey || rules.symbolMatches(second, first) != sameKey)
        fuzz::fail("symbol matching", input);
    const bool sameCategory = upperPart(first, 1) == upperPart(second, 2);
    const bool sameValue = upperPart(first, 2) == upperPart(second, 3);
    if (rules.attributeMatches(first, second) != (sameCategory && sameValue))
        fuzz::fail("attribute matching", input);
    if (!rules.isCandidate(first, second, false) || rules.isCandidate(first, second, true) != sameCategory)
        fuzz::fail("candidate", input);
    if (rules.valueDiffers(first, second) == sameValue)
        fuzz::fail("distractor value", input);
    return 0;
}
