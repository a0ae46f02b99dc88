#pragma once

#include "teaching/TeachingSettings.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>

namespace tessarine {

// The object of a set chosen by whoever teaches, and why it was chosen.
struct ObjectChoice {
    std::int16_t position = 0; // in the image list, from 1
    SetKind kind = SetKind::Teach;
};

// Chooses the object of each set under a learner's teaching settings: only object pictures whose
// symbol key and attribute are both chosen targets are drawn; with review on, objects whose targets
// are both mastered leave the draw and one of them comes back once in `reviewEvery` sets; with
// correction on, a set with a wrong answer is followed by the same object. Distractors are none of
// its business. With default settings it chooses nothing, so that the set planner draws exactly as
// it always did.
class TeachingDraw {
public:
    // `objects`: the image list, position 1 first (bare file names). `draw(count)` is the run's
    // random draw: a whole number from 1 to count.
    TeachingDraw(const TeachingSettings& settings, const TeachingHistory& history, QStringList objects,
                 std::function<std::int32_t(std::int16_t)> draw);

    // The positions that may be drawn at all; empty when the targets leave no object picture.
    QList<std::int16_t> targetPositions() const;

    // The next set's object; nothing: draw at random among all pictures, as always.
    std::optional<ObjectChoice> next();
    // The set with this object (its position) was answered wrong at least once; the next call to
    // next() brings it back when correction is on. Forgotten by the next call to next().
    void wrongAnswerIn(std::int16_t position);
    // The set planned by next() for later was not shown and is planned again: its choice is taken
    // back, so that a correction set can take its place.
    void takeBack();

private:
    std::int16_t pick(const QList<std::int16_t>& positions) const;

    TeachingSettings m_settings;
    TeachingHistory m_history;
    QStringList m_objects;
    std::function<std::int32_t(std::int16_t)> m_draw;
    QList<std::int16_t> m_teach;
    QList<std::int16_t> m_review;
    int m_setsSinceReview = 0;
    std::optional<std::int16_t> m_correct;
    std::optional<std::int16_t> m_lastCorrect;
    int m_lastSetsSinceReview = 0;
};

// The tokens of a reward schedule: one per set answered right at the first try; when `goal` are
// filled the reward is due and the row starts again. A goal of 0 keeps no tokens.
class TokenBoard {
public:
    explicit TokenBoard(int goal)
        : m_goal(goal)
    {
    }
    int goal() const { return m_goal; }
    int filled() const { return m_filled; }
    // A set answered right at the first try: true when that fills the row (the reward is due; the
    // row is empty again).
    bool earn();

private:
    int m_goal = 0;
    int m_filled = 0;
};

// Which rows are prompted before any answer: the first `trials` trials of every target, counted
// over the learner's earlier sessions (the history) and this one.
class ErrorlessTrials {
public:
    ErrorlessTrials(int trials, const TeachingHistory& history);
    // `object`: the set's object picture, whose name gives the row's target.
    bool promptAtOnce(AnswerRow row, const QString& object) const;
    // The row of a set with this object had its first choice.
    void trialDone(AnswerRow row, const QString& object);

private:
    int m_trials = 0;
    QMap<QString, int> m_symbolTrials;
    QMap<QString, int> m_attributeTrials;
};

// The targets of a collection's object pictures (bare file names).
CollectionTargets collectionTargets(const QStringList& objects);

} // namespace tessarine
