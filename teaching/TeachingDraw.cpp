#include "teaching/TeachingDraw.h"

#include "teaching/TargetKeys.h"

#include <QSet>

#include <algorithm>

#include <utility>

namespace tessarine {

TeachingDraw::TeachingDraw(const TeachingSettings& settings, const TeachingHistory& history, QStringList objects,
                           std::function<std::int32_t(std::int16_t)> draw)
    : m_settings(settings)
    , m_history(history)
    , m_objects(std::move(objects))
    , m_draw(std::move(draw))
{
    for (qsizetype i = 0; i < m_objects.size(); ++i) {
        const QString symbol = TargetKeys::symbolKey(m_objects[i]);
        const QString attribute = TargetKeys::attributeKey(m_objects[i]);
        if (!m_settings.isTarget(symbol, attribute))
            continue;
        const auto position = static_cast<std::int16_t>(i + 1);
        const bool mastered = m_history.masteredSymbols.contains(symbol) && m_history.masteredAttributes.contains(attribute);
        (m_settings.reviewEvery > 0 && mastered ? m_review : m_teach).append(position);
    }
}

std::int16_t TeachingDraw::pick(const QList<std::int16_t>& positions) const
{
    // A draw that failed (and was reported) gives 0: the first position then, never one outside.
    const auto count = static_cast<std::int16_t>(positions.size());
    return positions.at(std::clamp<std::int32_t>(m_draw(count), 1, count) - 1);
}

QList<std::int16_t> TeachingDraw::targetPositions() const { return m_teach + m_review; }

std::optional<ObjectChoice> TeachingDraw::next()
{
    m_lastSetsSinceReview = m_setsSinceReview;
    m_lastCorrect = std::nullopt;
    if (const auto again = std::exchange(m_correct, std::nullopt); again && m_settings.correctionSet) {
        m_lastCorrect = again;
        return ObjectChoice{*again, SetKind::Correction};
    }
    // Once in `reviewEvery` sets a mastered target comes back; when every target is mastered, they
    // all are review.
    const bool reviewTurn = !m_review.isEmpty() && (m_teach.isEmpty() || m_setsSinceReview + 1 >= m_settings.reviewEvery);
    if (reviewTurn) {
        m_setsSinceReview = 0;
        return ObjectChoice{pick(m_review), SetKind::Review};
    }
    if (m_teach.isEmpty())
        return std::nullopt;
    if (m_settings.reviewEvery > 0)
        ++m_setsSinceReview;
    // Every picture a target: the draw the exercise has always made.
    if (m_teach.size() == m_objects.size())
        return std::nullopt;
    return ObjectChoice{pick(m_teach), SetKind::Teach};
}

void TeachingDraw::wrongAnswerIn(std::int16_t position) { m_correct = position; }

void TeachingDraw::takeBack()
{
    m_setsSinceReview = m_lastSetsSinceReview;
    // A correction taken back is still owed, unless a newer wrong answer has taken its place.
    if (!m_correct)
        m_correct = std::exchange(m_lastCorrect, std::nullopt);
}

bool TokenBoard::earn()
{
    if (m_goal <= 0)
        return false;
    if (++m_filled < m_goal)
        return false;
    m_filled = 0;
    return true;
}

ErrorlessTrials::ErrorlessTrials(int trials, const TeachingHistory& history)
    : m_trials(trials)
    , m_symbolTrials(history.symbolTrials)
    , m_attributeTrials(history.attributeTrials)
{
}

bool ErrorlessTrials::promptAtOnce(AnswerRow row, const QString& object) const
{
    if (m_trials <= 0)
        return false;
    return row == AnswerRow::Symbol ? m_symbolTrials.value(TargetKeys::symbolKey(object)) < m_trials
                                    : m_attributeTrials.value(TargetKeys::attributeKey(object)) < m_trials;
}

void ErrorlessTrials::trialDone(AnswerRow row, const QString& object)
{
    if (row == AnswerRow::Symbol)
        ++m_symbolTrials[TargetKeys::symbolKey(object)];
    else
        ++m_attributeTrials[TargetKeys::attributeKey(object)];
}

CollectionTargets collectionTargets(const QStringList& objects)
{
    QSet<QString> symbols;
    QSet<QString> attributes;
    for (const QString& object : objects) {
        // The image list of a folder without pictures holds one empty name.
        if (object.isEmpty())
            continue;
        symbols.insert(TargetKeys::symbolKey(object));
        attributes.insert(TargetKeys::attributeKey(object));
    }
    CollectionTargets targets{QStringList(symbols.cbegin(), symbols.cend()), QStringList(attributes.cbegin(), attributes.cend())};
    targets.symbols.sort();
    targets.attributes.sort();
    return targets;
}

} // namespace tessarine
