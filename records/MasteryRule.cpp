#include "records/MasteryRule.h"

#include <algorithm>

namespace tessarine {

// Values out of range (a hand-edited file, a spin box bypassed) are brought back into range, so
// the rule can always be applied.
MasteryRule::MasteryRule(int percent, int sessions, int minTrials)
    : m_percent(std::clamp(percent, 1, 100))
    , m_sessions(std::clamp(sessions, 1, 100))
    , m_minTrials(std::clamp(minTrials, 1, 1000))
{
}

bool MasteryRule::sessionMeets(Score score) const
{
    // Whole numbers only: 9 of 10 is exactly 90 % and meets a 90 % rule.
    return score.trials >= m_minTrials && score.correct * 100 >= m_percent * score.trials;
}

bool MasteryRule::isMastered(const QList<Score>& scores) const
{
    if (scores.size() < m_sessions)
        return false;
    return std::all_of(scores.end() - m_sessions, scores.end(), [this](Score s) { return sessionMeets(s); });
}

} // namespace tessarine
