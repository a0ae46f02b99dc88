#include "teaching/TargetChoice.h"

#include "teaching/TargetKeys.h"
#include "teaching/TeachingDraw.h"

#include <algorithm>

namespace tessarine {

namespace {

QSet<QString> checkedAmong(const QStringList& collection, const std::optional<QSet<QString>>& chosen)
{
    QSet<QString> checked;
    for (const QString& target : collection)
        if (!chosen || chosen->contains(target))
            checked.insert(target);
    return checked;
}

std::optional<QSet<QString>> stored(const QStringList& collection, const QSet<QString>& checked,
                                    const std::optional<QSet<QString>>& before)
{
    if (std::all_of(collection.cbegin(), collection.cend(), [&](const QString& target) { return checked.contains(target); }))
        return std::nullopt;
    QSet<QString> chosen;
    for (const QString& target : collection)
        if (checked.contains(target))
            chosen.insert(target);
    if (before)
        for (const QString& target : *before)
            if (!collection.contains(target))
                chosen.insert(target);
    return chosen;
}

} // namespace

TargetChoice::TargetChoice(const QStringList& objects, const TeachingSettings& before)
    : m_targets(collectionTargets(objects))
    , m_before(before)
{
    // An empty name is what the exercise's list holds for a folder without pictures.
    for (const QString& object : objects)
        if (!object.isEmpty())
            m_objects.append(object);
}

QSet<QString> TargetChoice::checkedSymbols() const { return checkedAmong(m_targets.symbols, m_before.symbolTargets); }

QSet<QString> TargetChoice::checkedAttributes() const { return checkedAmong(m_targets.attributes, m_before.attributeTargets); }

int TargetChoice::objectsLeft(const QSet<QString>& symbols, const QSet<QString>& attributes) const
{
    return int(std::count_if(m_objects.cbegin(), m_objects.cend(), [&](const QString& object) {
        return symbols.contains(TargetKeys::symbolKey(object)) && attributes.contains(TargetKeys::attributeKey(object));
    }));
}

std::optional<TeachingSettings> TargetChoice::withTargets(TeachingSettings settings, const QSet<QString>& symbols,
                                                          const QSet<QString>& attributes) const
{
    if (m_objects.isEmpty()) {
        settings.symbolTargets = m_before.symbolTargets;
        settings.attributeTargets = m_before.attributeTargets;
        return settings;
    }
    if (objectsLeft(symbols, attributes) == 0)
        return std::nullopt;
    settings.symbolTargets = stored(m_targets.symbols, symbols, m_before.symbolTargets);
    settings.attributeTargets = stored(m_targets.attributes, attributes, m_before.attributeTargets);
    return settings;
}

} // namespace tessarine
