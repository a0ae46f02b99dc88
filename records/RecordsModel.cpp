#include "records/RecordsModel.h"

#include "records/RecordsExport.h"

namespace tessarine {

namespace {

QString percentText(MasteryRule::Score score)
{
    if (score.trials == 0)
        return QStringLiteral("-");
    return QStringLiteral("%1 %").arg(100.0 * score.correct / score.trials, 0, 'f', 0);
}

// A point per session with a score of some trials: the percent of them right.
template <typename ScoreOf>
QList<QPointF> series(const QList<SessionSummary>& sessions, ScoreOf scoreOf)
{
    QList<QPointF> points;
    for (qsizetype i = 0; i < sessions.size(); ++i) {
        const MasteryRule::Score score = scoreOf(sessions[i]);
        if (score.trials > 0)
            points.append({static_cast<double>(i + 1), 100.0 * score.correct / score.trials});
    }
    return points;
}

// "17 of 20": the first tries of a kind answered right, of all of that kind.
QString rightOf(MasteryRule::Score score)
{
    if (score.trials == 0)
        return QStringLiteral("-");
    return QStringLiteral("%1 of %2").arg(score.correct).arg(score.trials);
}

} // namespace

RecordsModel::RecordsModel(RecordsStore& store, QString learner)
    : m_store(store)
    , m_learner(std::move(learner))
{
    reload();
}

void RecordsModel::reload()
{
    m_rule = m_store.masteryRule(m_learner);
    m_progress = m_store.progress(m_learner, m_rule);
}

void RecordsModel::setRule(const MasteryRule& rule)
{
    m_store.setMasteryRule(m_learner, rule);
    reload();
}

QStringList RecordsModel::sessionHeaders()
{
    return {QStringLiteral("Date"),
            QStringLiteral("Sets"),
            QStringLiteral("Symbols first try"),
            QStringLiteral("Attributes first try"),
            QStringLiteral("Median response"),
            QStringLiteral("Independent right"),
            QStringLiteral("Prompted right")};
}

QList<QStringList> RecordsModel::sessionRows() const
{
    QList<QStringList> rows;
    rows.reserve(m_progress.sessions.size());
    for (const auto& session : m_progress.sessions) {
        rows.append({session.started.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")), QString::number(session.sets),
                     percentText(session.symbols), percentText(session.attributes),
                     session.medianResponseMs ? QStringLiteral("%1 s").arg(*session.medianResponseMs / 1000.0, 0, 'f', 1)
                                              : QStringLiteral("-"),
                     rightOf(session.independent()), rightOf(session.prompted())});
    }
    return rows;
}

QStringList RecordsModel::targetHeaders()
{
    return {QStringLiteral("Target"), QStringLiteral("Row"), QStringLiteral("Trials"), QStringLiteral("First try, last sessions"),
            QStringLiteral("Mastered")};
}

QList<QStringList> RecordsModel::targetRows() const
{
    QList<QStringList> rows;
    for (const auto& target : m_progress.targets) {
        rows.append({target.key, target.row == AnswerLog::Row::Symbol ? QStringLiteral("Symbol") : QStringLiteral("Attribute"),
                     QString::number(target.trials), percentText(target.recent),
                     target.mastered ? QStringLiteral("Yes") : QStringLiteral("No")});
    }
    return rows;
}

QList<QPointF> RecordsModel::symbolSeries() const
{
    return series(m_progress.sessions, [](const SessionSummary& s) { return s.symbols; });
}

QList<QPointF> RecordsModel::attributeSeries() const
{
    return series(m_progress.sessions, [](const SessionSummary& s) { return s.attributes; });
}

QList<QPointF> RecordsModel::independentSeries() const
{
    return series(m_progress.sessions, [](const SessionSummary& s) { return s.independent(); });
}

QList<QPointF> RecordsModel::promptedSeries() const
{
    return series(m_progress.sessions, [](const SessionSummary& s) { return s.prompted(); });
}

QString RecordsModel::ruleText() const
{
    return QStringLiteral("Mastered: at least %1 % right at the first try in each of the last %2 sessions, "
                          "with at least %3 trials in each")
        .arg(m_rule.percent())
        .arg(m_rule.sessions())
        .arg(m_rule.minTrials());
}

QString RecordsModel::promptNote()
{
    return QStringLiteral("Mastery and the first-try percentages count only first answers given without a prompt.");
}

QString RecordsModel::suggestedFileName(const QString& suffix) const
{
    QString name = m_learner;
    // Characters that file systems or file dialogs refuse.
    static const QString unsafe = QStringLiteral("/\\:*?\"<>|");
    for (auto& c : name) {
        if (unsafe.contains(c) || c.unicode() < 0x20)
            c = u'_';
    }
    return QStringLiteral("%1 records.%2").arg(name, suffix);
}

void RecordsModel::exportCsv(const QString& filePath) { exportRecordsCsv(m_store, m_learner, filePath); }

void RecordsModel::deleteLearner()
{
    m_store.deleteLearner(m_learner);
    m_progress = {};
}

} // namespace tessarine
