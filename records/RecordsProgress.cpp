#include "records/RecordsProgress.h"

#include "teaching/TargetKeys.h"

#include <QHash>
#include <QMap>

#include <algorithm>

namespace tessarine {

namespace {

struct TargetScores {
    int trials = 0;
    int promptedTrials = 0;
    QMap<int, MasteryRule::Score> bySession; // session index, oldest first; independent first tries
};

MasteryRule::Score operator+(MasteryRule::Score a, MasteryRule::Score b) { return {a.trials + b.trials, a.correct + b.correct}; }

void addTargets(QList<TargetSummary>& out, AnswerLog::Row row, const QMap<QString, TargetScores>& targets,
                const MasteryRule& rule)
{
    for (auto it = targets.cbegin(); it != targets.cend(); ++it) {
        TargetSummary target;
        target.row = row;
        target.key = it.key();
        target.trials = it->trials;
        target.promptedTrials = it->promptedTrials;
        const auto scores = it->bySession.values();
        for (qsizetype i = std::max<qsizetype>(0, scores.size() - rule.sessions()); i < scores.size(); ++i)
            target.recent = target.recent + scores[i];
        target.mastered = rule.isMastered(scores);
        out.append(target);
    }
}

} // namespace

MasteryRule::Score SessionSummary::independent() const { return symbols + attributes; }

MasteryRule::Score SessionSummary::prompted() const { return promptedSymbols + promptedAttributes; }

LearnerProgress judgeProgress(QList<SessionSummary> sessions, const QList<ScoreRow>& scores, const MasteryRule& rule)
{
    LearnerProgress result;
    result.sessions = std::move(sessions);
    QHash<qint64, int> indexOf;
    for (qsizetype i = 0; i < result.sessions.size(); ++i)
        indexOf.insert(result.sessions[i].id, static_cast<int>(i));

    QMap<QString, TargetScores> symbolTargets;
    QMap<QString, TargetScores> attributeTargets;
    QHash<QString, std::pair<QString, QString>> keysOf; // object name: symbol key, attribute key
    for (const auto& row : scores) {
        const int session = indexOf.value(row.sessionId, -1);
        if (session < 0)
            continue;
        auto keys = keysOf.constFind(row.object);
        if (keys == keysOf.cend())
            keys = keysOf.insert(row.object, {TargetKeys::symbolKey(row.object), TargetKeys::attributeKey(row.object)});
        const bool symbol = row.row == AnswerLog::Row::Symbol;
        auto& summary = result.sessions[session];
        auto& sessionScore = symbol ? summary.symbols : summary.attributes;
        sessionScore = sessionScore + row.score;
        auto& promptedScore = symbol ? summary.promptedSymbols : summary.promptedAttributes;
        promptedScore = promptedScore + row.prompted;
        auto& target = symbol ? symbolTargets[keys->first] : attributeTargets[keys->second];
        target.trials += row.score.trials;
        target.promptedTrials += row.prompted.trials;
        auto& score = target.bySession[session];
        score = score + row.score;
    }
    addTargets(result.targets, AnswerLog::Row::Symbol, symbolTargets, rule);
    addTargets(result.targets, AnswerLog::Row::Attribute, attributeTargets, rule);
    return result;
}

} // namespace tessarine
