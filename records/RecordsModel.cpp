#include "records/RecordsModel.h"

#include "records/RecordsExport.h"

#include <QCoreApplication>

namespace tessarine {

namespace {

QString percentText(const RecordsFormat& format, MasteryRule::Score score)
{
    if (score.trials == 0)
        return QStringLiteral("-");
    return format.percent(100.0 * score.correct / score.trials);
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
QString rightOf(const RecordsFormat& format, MasteryRule::Score score)
{
    if (score.trials == 0)
        return QStringLiteral("-");
    //: A cell of the Sessions table: %1 first tries answered right, of %2 in all
    return QCoreApplication::translate("RecordsModel", "%1 of %2").arg(format.number(score.correct), format.number(score.trials));
}

} // namespace

RecordsModel::RecordsModel(RecordsStore& store, QString learner, const QLocale& locale)
    : m_store(store)
    , m_learner(std::move(learner))
    , m_format(locale)
{
    reload();
}

void RecordsModel::reload()
{
    m_rule = m_store.masteryRule(m_learner);
    // A learner may have no records where they are now read, such as a school server just chosen.
    m_progress = m_store.hasLearner(m_learner) ? m_store.progress(m_learner, m_rule) : LearnerProgress();
}

void RecordsModel::setRule(const MasteryRule& rule)
{
    m_store.setMasteryRule(m_learner, rule);
    reload();
}

QStringList RecordsModel::sessionHeaders()
{
    //: Column header of the Sessions table: when the session started
    return {QCoreApplication::translate("RecordsModel", "Date"),
            //: Column header: the number of sets shown in the session
            QCoreApplication::translate("RecordsModel", "Sets"),
            //: Column header: the percent of symbols chosen right at the first try
            QCoreApplication::translate("RecordsModel", "Symbols first try"),
            //: Column header: the percent of attributes chosen right at the first try
            QCoreApplication::translate("RecordsModel", "Attributes first try"),
            //: Column header: the median time to answer
            QCoreApplication::translate("RecordsModel", "Median response"),
            //: Column header: first tries right without a prompt, "17 of 20"
            QCoreApplication::translate("RecordsModel", "Independent right"),
            //: Column header: first tries right with the answer shown as a prompt, "17 of 20"
            QCoreApplication::translate("RecordsModel", "Prompted right"),
            //: Column header: the name of the computer the session was recorded on
            QCoreApplication::translate("RecordsModel", "Computer"),
            //: Column header: who was logged in on the computer during the session
            QCoreApplication::translate("RecordsModel", "User")};
}

QList<QStringList> RecordsModel::sessionRows() const
{
    QList<QStringList> rows;
    rows.reserve(m_progress.sessions.size());
    for (const auto& session : m_progress.sessions) {
        rows.append({m_format.dateTime(session.started), m_format.number(session.sets), percentText(m_format, session.symbols),
                     percentText(m_format, session.attributes),
                     session.medianResponseMs ? m_format.decimal(*session.medianResponseMs / 1000.0, 1) + QStringLiteral(" s")
                                              : QStringLiteral("-"),
                     rightOf(m_format, session.independent()), rightOf(m_format, session.prompted()), session.computer,
                     session.desktopUser});
    }
    return rows;
}

QStringList RecordsModel::targetHeaders()
{
    //: Column header of the Targets table: a symbol or an attribute the learner is taught to choose
    return {QCoreApplication::translate("RecordsModel", "Target"),
            //: Column header: whether the target is a symbol or an attribute
            QCoreApplication::translate("RecordsModel", "Row"),
            //: Column header: the number of trials
            QCoreApplication::translate("RecordsModel", "Trials"),
            //: Column header: the percent right at the first try in the last sessions the mastery rule looks at
            QCoreApplication::translate("RecordsModel", "First try, last sessions"),
            //: Column header: whether the target is mastered, "Yes" or "No"
            QCoreApplication::translate("RecordsModel", "Mastered")};
}

QList<QStringList> RecordsModel::targetRows() const
{
    //: A cell of the Targets table's Row column
    const QString symbol = QCoreApplication::translate("RecordsModel", "Symbol");
    //: A cell of the Targets table's Row column
    const QString attribute = QCoreApplication::translate("RecordsModel", "Attribute");
    //: A cell of the Targets table's Mastered column
    const QString yes = QCoreApplication::translate("RecordsModel", "Yes");
    //: A cell of the Targets table's Mastered column
    const QString no = QCoreApplication::translate("RecordsModel", "No");
    QList<QStringList> rows;
    for (const auto& target : m_progress.targets) {
        rows.append({target.key, target.row == AnswerLog::Row::Symbol ? symbol : attribute, m_format.number(target.trials),
                     percentText(m_format, target.recent), target.mastered ? yes : no});
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

QString RecordsModel::summaryText(const QDateTime& printed) const
{
    const int sessions = static_cast<int>(m_progress.sessions.size());
    //: Under the report's title; %n is the number of sessions, %1 the date and time of printing
    return QCoreApplication::translate("RecordsModel", "%n session(s), printed %1", nullptr, sessions)
        .arg(m_format.dateTime(printed));
}

QString RecordsModel::ruleText() const
{
    //: The mastery rule in the report: %1 is a percent, %2 a number of sessions, %3 a number of trials
    return QCoreApplication::translate("RecordsModel",
                                       "Mastered: at least %1 % right at the first try in each of the last %2 sessions, "
                                       "with at least %3 trials in each")
        .arg(m_format.number(m_rule.percent()), m_format.number(m_rule.sessions()), m_format.number(m_rule.minTrials()));
}

QString RecordsModel::promptNote()
{
    return QCoreApplication::translate("RecordsModel",
                                       "Mastery and the first-try percentages count only first answers given without a prompt.");
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
