#pragma once

#include "exercise/AnswerLog.h"
#include "records/MasteryRule.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace tessarine {

// One session of a learner with its first-try results, as the Records window lists it.
struct SessionSummary {
    qint64 id = 0;
    QDateTime started; // UTC
    int sets = 0;
    MasteryRule::Score symbols;
    MasteryRule::Score attributes;
    std::optional<double> medianResponseMs; // of the first choices; none without clicks
};

// One target (a symbol key or an attribute) with its trials and its state under the rule.
struct TargetSummary {
    AnswerLog::Row row = AnswerLog::Row::Symbol;
    QString key;
    int trials = 0;            // first-try trials in all sessions
    MasteryRule::Score recent; // over the last sessions in which it was presented
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
    MasteryRule::Score score;
};

// The learner's progress from their sessions (oldest first, without scores) and the score rows of
// those sessions: each session's scores summed over its objects, and each target's trials and
// state under `rule`. Objects are grouped into targets by their name parts. Rows of sessions not in
// `sessions` are ignored.
LearnerProgress judgeProgress(QList<SessionSummary> sessions, const QList<ScoreRow>& scores, const MasteryRule& rule);

} // namespace tessarine
