#pragma once

#include "exercise/AnswerLog.h"
#include "records/MasteryRule.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace tessarine {

// One session of a learner with its first-try results, as the Records window lists it. A first try
// is independent when the answer was not being shown, prompted when it was.
struct SessionSummary {
    qint64 id = 0;
    QDateTime started; // UTC
    int sets = 0;
    MasteryRule::Score symbols; // independent first tries
    MasteryRule::Score attributes;
    MasteryRule::Score promptedSymbols;
    MasteryRule::Score promptedAttributes;
    std::optional<double> medianResponseMs; // of the first choices; none without clicks
    QString computer;                       // where it was recorded; empty before that was kept
    QString desktopUser;

    // Both rows together.
    MasteryRule::Score independent() const;
    MasteryRule::Score prompted() const;
};

// One target (a symbol key or an attribute) with its trials and its state under the rule, which
// counts independent first tries only.
struct TargetSummary {
    AnswerLog::Row row = AnswerLog::Row::Symbol;
    QString key;
    int trials = 0;            // independent first tries in all sessions
    int promptedTrials = 0;    // prompted first tries in all sessions
    MasteryRule::Score recent; // independent, over the last sessions in which it was presented
    bool mastered = false;
};

struct LearnerProgress {
    QList<SessionSummary> sessions; // oldest first
    QList<TargetSummary> targets;   // symbols, then attributes, each by key
};

// The first-try results of one object picture in one row of one session, as the records keep them.
struct ScoreRow {
    qint64 sessionId = 0;
    QString object;
    AnswerLog::Row row = AnswerLog::Row::Symbol;
    MasteryRule::Score score; // independent
    MasteryRule::Score prompted;
};

// The learner's progress from their sessions (oldest first, without scores) and the score rows of
// those sessions: each session's scores summed over its objects, and each target's trials and
// state under `rule`. Objects are grouped into targets by their name parts. A session in which a
// target had only prompted first tries counts as one in which it was presented, with no
// independent trial. Rows of sessions not in `sessions` are ignored.
LearnerProgress judgeProgress(QList<SessionSummary> sessions, const QList<ScoreRow>& scores, const MasteryRule& rule);

} // namespace tessarine
