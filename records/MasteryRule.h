#pragma once

#include <QList>

namespace tessarine {

// When a target counts as mastered: in each of the last `sessions` sessions in which it was
// presented, at least `minTrials` first-try trials and at least `percent` of them right. Fewer
// sessions than that, or a session among them with too few trials, is not mastery yet.
class MasteryRule {
public:
    struct Score {
        int trials = 0;
        int correct = 0;
    };

    static constexpr int DefaultPercent = 90;
    static constexpr int DefaultSessions = 3;
    static constexpr int DefaultMinTrials = 5;

    MasteryRule() = default;
    MasteryRule(int percent, int sessions, int minTrials);

    int percent() const { return m_percent; }
    int sessions() const { return m_sessions; }
    int minTrials() const { return m_minTrials; }

    bool sessionMeets(Score score) const;
    // `scores` oldest first, one per session in which the target was presented.
    bool isMastered(const QList<Score>& scores) const;

    friend bool operator==(const MasteryRule&, const MasteryRule&) = default;

private:
    int m_percent = DefaultPercent;
    int m_sessions = DefaultSessions;
    int m_minTrials = DefaultMinTrials;
};

} // namespace tessarine
