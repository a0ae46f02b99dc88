#include "teaching/TeachingSettings.h"

#include <QList>

#include <algorithm>

namespace tessarine {

namespace {

const auto SymbolTargetsKey = QStringLiteral("SymbolTargets");
const auto AttributeTargetsKey = QStringLiteral("AttributeTargets");
const auto ReviewEveryKey = QStringLiteral("ReviewEvery");
const auto PromptDelayKey = QStringLiteral("PromptDelayMs");
const auto PromptAfterWrongKey = QStringLiteral("PromptAfterWrong");
const auto ErrorlessTrialsKey = QStringLiteral("ErrorlessTrials");
const auto CorrectionSetKey = QStringLiteral("CorrectionSet");
const auto RewardAfterKey = QStringLiteral("RewardAfter");

// Targets come from file names, which never hold a "/": it separates them.
QString joined(const QSet<QString>& targets)
{
    QStringList sorted(targets.cbegin(), targets.cend());
    sorted.sort();
    return sorted.join(u'/');
}

QSet<QString> split(const QString& text)
{
    const QStringList parts = text.split(u'/', Qt::SkipEmptyParts);
    return QSet<QString>(parts.cbegin(), parts.cend());
}

// Off (0) stays off; anything else is brought into [low, high].
int offOrWithin(const QString& text, int low, int high)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value <= 0)
        return 0;
    return std::clamp(value, low, high);
}

} // namespace

bool TeachingSettings::isTarget(const QString& symbolKey, const QString& attributeKey) const
{
    return (!symbolTargets || symbolTargets->contains(symbolKey))
           && (!attributeTargets || attributeTargets->contains(attributeKey));
}

QMap<QString, QString> TeachingSettings::toMap() const
{
    QMap<QString, QString> values;
    if (symbolTargets)
        values.insert(SymbolTargetsKey, joined(*symbolTargets));
    if (attributeTargets)
        values.insert(AttributeTargetsKey, joined(*attributeTargets));
    const auto number = [&](const QString& key, int value) {
        if (value != 0)
            values.insert(key, QString::number(value));
    };
    number(ReviewEveryKey, reviewEvery);
    number(PromptDelayKey, promptDelayMs);
    number(PromptAfterWrongKey, promptAfterWrong ? 1 : 0);
    number(ErrorlessTrialsKey, errorlessTrials);
    number(CorrectionSetKey, correctionSet ? 1 : 0);
    number(RewardAfterKey, rewardAfter);
    return values;
}

TeachingSettings TeachingSettings::fromMap(const QMap<QString, QString>& values)
{
    TeachingSettings settings;
    if (values.contains(SymbolTargetsKey))
        settings.symbolTargets = split(values.value(SymbolTargetsKey));
    if (values.contains(AttributeTargetsKey))
        settings.attributeTargets = split(values.value(AttributeTargetsKey));
    settings.reviewEvery = offOrWithin(values.value(ReviewEveryKey), ReviewMin, ReviewMax);
    settings.promptDelayMs = offOrWithin(values.value(PromptDelayKey), PromptDelayMinMs, PromptDelayMaxMs);
    settings.promptAfterWrong = values.value(PromptAfterWrongKey).toInt() != 0;
    settings.errorlessTrials = offOrWithin(values.value(ErrorlessTrialsKey), 1, ErrorlessMax);
    settings.correctionSet = values.value(CorrectionSetKey).toInt() != 0;
    settings.rewardAfter = offOrWithin(values.value(RewardAfterKey), 1, RewardMax);
    return settings;
}

} // namespace tessarine
