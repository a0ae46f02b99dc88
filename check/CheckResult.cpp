#include "check/CheckResult.h"

#include "check/Words.h"

#include <QCoreApplication>

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

// Machine values, for the JSON report: never translated.
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

namespace {

QString onOff(const QString& option, bool on)
{
    //: %1 is the name of an option
    return on ? QCoreApplication::translate("CheckResult", "%1 on").arg(option)
              //: %1 is the name of an option
              : QCoreApplication::translate("CheckResult", "%1 off").arg(option);
}

} // namespace

QString describe(const Condition& condition)
{
    if (condition.always())
        //: the options under which a finding holds: all of them
        return QCoreApplication::translate("CheckResult", "Always");
    QStringList parts;
    if (condition.symbolDistractor)
        parts.append(onOff(symbolDistractorOption(), *condition.symbolDistractor));
    if (condition.attributeDistractor)
        parts.append(onOff(attributeDistractorOption(), *condition.attributeDistractor));
    if (condition.sameCategory)
        parts.append(*condition.sameCategory ? sameCategoryOption() : fullRandomOption());
    //: %1, %2 and %3 name options, each as it is set ("on", "off", or a choice)
    if (parts.size() == 1)
        return QCoreApplication::translate("CheckResult", "With %1").arg(parts.at(0));
    if (parts.size() == 2)
        return QCoreApplication::translate("CheckResult", "With %1 and %2").arg(parts.at(0), parts.at(1));
    return QCoreApplication::translate("CheckResult", "With %1 and %2 and %3").arg(parts.at(0), parts.at(1), parts.at(2));
}

} // namespace tessarine::check
