#pragma once

#include "teaching/TeachingSettings.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

namespace tessarine {

// The "Targets" list of "Teaching..." for one collection: which of its targets show checked, and
// what a choice stores. A list with every one of the collection's targets checked stores none chosen
// (every target, so that pictures added later are taught too); targets chosen earlier that this
// collection has not are kept, since they belong to another collection the learner may use again.
class TargetChoice {
public:
    // `objects`: the collection's object pictures (bare file names).
    TargetChoice(const QStringList& objects, const TeachingSettings& before);

    const CollectionTargets& targets() const { return m_targets; }
    // The chosen ones among the collection's; every one when none are chosen.
    QSet<QString> checkedSymbols() const;
    QSet<QString> checkedAttributes() const;

    // How many object pictures may be drawn with these checked.
    int objectsLeft(const QSet<QString>& symbols, const QSet<QString>& attributes) const;
    // `settings` with these targets; nothing when they leave no object picture. A collection without
    // object pictures has nothing to choose from and keeps the targets as they were.
    std::optional<TeachingSettings> withTargets(TeachingSettings settings, const QSet<QString>& symbols,
                                                const QSet<QString>& attributes) const;

private:
    QStringList m_objects;
    CollectionTargets m_targets;
    TeachingSettings m_before;
};

} // namespace tessarine
