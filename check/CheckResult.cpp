#include "check/CheckResult.h"

#include "check/Words.h"

#include <algorithm>

namespace tessarine::check {

using namespace words;

bool ObjectReport::worksEverywhere() const
{
    return std::all_of(sets.begin(), sets.end(), [](const SetVerdict& v) { return v.outcome == Outcome::Works; });
}

int CheckResult::exitCode() const
{
    if (!readable)
        return 2;
    return findings.isEmpty() ? 0 : 1;
}

QList<Finding> CheckResult::findingsFor(const QString& folder, const QString& file) const
{
    QList<Finding> found;
    for (const Finding& finding : findings)
        if (finding.folder == folder && finding.file == file)
            found.append(finding);
    return found;
}

QString outcomeName(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Works:
        return QStringLiteral("works");
    case Outcome::MayFail:
        return QStringLiteral("may-fail");
    case Outcome::Fails:
        return QStringLiteral("fails");
    }
    return {};
}

QString severityName(Severity severity)
{
    return severity == Severity::Error ? QStringLiteral("error") : QStringLiteral("warning");
}

QString describe(const Condition& condition)
{
    if (condition.always())
        return QStringLiteral("Always");
    QStringList parts;
    if (condition.symbolDistractor)
        parts.append(QStringLiteral("%1 %2").arg(SymbolDistractorOption, *condition.symbolDistractor ? "on" : "off"));
    if (condition.attributeDistractor)
        parts.append(QStringLiteral("%1 %2").arg(AttributeDistractorOption, *condition.attributeDistractor ? "on" : "off"));
    if (condition.sameCategory)
        parts.append(*condition.sameCategory ? SameCategoryOption : FullRandomOption);
    return QStringLiteral("With ") + parts.join(QStringLiteral(" and "));
}

} // namespace tessarine::check
