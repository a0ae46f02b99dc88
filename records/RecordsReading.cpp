#include "records/RecordsStore.h"

#include "records/RecordsError.h"

#include <QCoreApplication>

#include <algorithm>

// The store's reading: the learners, their rule, their progress and their clicks.

namespace tessarine {

namespace {

QDateTime fromIsoUtc(const QString& text)
{
    // Written with a "Z", so read back as UTC.
    return QDateTime::fromString(text, Qt::ISODateWithMs).toUTC();
}

AnswerLog::Row rowFromName(const QString& name)
{
    return name == QLatin1String("attribute") ? AnswerLog::Row::Attribute : AnswerLog::Row::Symbol;
}

AnswerLog::SetKind setKindFromName(const QString& name)
{
    if (name == QLatin1String("review"))
        return AnswerLog::SetKind::Review;
    return name == QLatin1String("correction") ? AnswerLog::SetKind::Correction : AnswerLog::SetKind::Teach;
}

} // namespace

QStringList RecordsStore::learners()
{
    auto query = m_file.prepared(QStringLiteral("SELECT name FROM learners"));
    query.setForwardOnly(true);
    m_file.exec(query);
    QList<QByteArray> names;
    while (query.next())
        names.append(query.value(0).toString().toUtf8());
    // Sorted here rather than by the database, whose order a server's locale would change: ASCII
    // letters without regard to case, then byte by byte, as the records file always listed them.
    const auto folded = [](const QByteArray& name) {
        QByteArray lower = name;
        for (char& c : lower)
            c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        return lower;
    };
    std::sort(names.begin(), names.end(), [&](const QByteArray& a, const QByteArray& b) {
        const auto foldedA = folded(a);
        const auto foldedB = folded(b);
        return foldedA != foldedB ? foldedA < foldedB : a < b;
    });
    QStringList result;
    result.reserve(names.size());
    for (const auto& name : names)
        result.append(QString::fromUtf8(name));
    return result;
}

bool RecordsStore::hasLearner(const QString& name)
{
    auto query = m_file.prepared(QStringLiteral("SELECT id FROM learners WHERE name = ?"));
    query.addBindValue(name);
    m_file.exec(query);
    return query.next();
}

qint64 RecordsStore::learnerIdOf(const QString& name)
{
    auto query = m_file.prepared(QStringLiteral("SELECT id FROM learners WHERE name = ?"));
    query.addBindValue(name);
    m_file.exec(query);
    if (!query.next())
        throw RuntimeError(RecordsErrorNumber::UnknownLearner,
                           //: %1 is the learner's name
                           QCoreApplication::translate("RecordsStore", "There are no records of the learner \"%1\"").arg(name));
    return query.value(0).toLongLong();
}

MasteryRule RecordsStore::masteryRule(const QString& learner)
{
    auto query = m_file.prepared(
        QStringLiteral("SELECT mastery_percent, mastery_sessions, mastery_min_trials FROM learners WHERE name = ?"));
    query.addBindValue(learner);
    m_file.exec(query);
    if (!query.next())
        return {};
    return {query.value(0).toInt(), query.value(1).toInt(), query.value(2).toInt()};
}

LearnerProgress RecordsStore::progress(const QString& learner, const MasteryRule& rule)
{
    const auto learnerId = learnerIdOf(learner);
    QList<SessionSummary> sessions;
    auto sessionRows = m_file.prepared(
        QStringLiteral("SELECT id, started, set_count, median_ms, median_done, computer, desktop_user FROM sessions"
                       " WHERE learner_id = ? ORDER BY started, id"));
    sessionRows.setForwardOnly(true);
    sessionRows.addBindValue(learnerId);
    m_file.exec(sessionRows);
    QList<qsizetype> unended;
    while (sessionRows.next()) {
        SessionSummary summary;
        summary.id = sessionRows.value(0).toLongLong();
        summary.started = fromIsoUtc(sessionRows.value(1).toString());
        summary.sets = sessionRows.value(2).toInt();
        summary.computer = sessionRows.value(5).toString();
        summary.desktopUser = sessionRows.value(6).toString();
        if (sessionRows.value(4).toInt() != 0) {
            if (!sessionRows.isNull(3))
                summary.medianResponseMs = sessionRows.value(3).toDouble();
        } else {
            unended.append(sessions.size());
        }
        sessions.append(summary);
    }
    // A session still running, or one that a crash ended before its end was written. Worked out
    // once the sessions are read: a server's connection drops the rows of a query still being read
    // when it runs another.
    for (const auto i : unended)
        sessions[i].medianResponseMs = RecordsSchema::medianResponseMs(m_file, sessions[i].id);

    return judgeProgress(std::move(sessions), scoreRows(learnerId), rule);
}

QList<ScoreRow> RecordsStore::scoreRows(qint64 learnerId)
{
    QList<ScoreRow> scores;
    auto query = m_file.prepared(
        QStringLiteral("SELECT sc.session_id, sc.object, sc.row, sc.trials, sc.correct, sc.prompted_trials, sc.prompted_correct"
                       " FROM scores sc JOIN sessions s ON s.id = sc.session_id WHERE s.learner_id = ?"));
    query.setForwardOnly(true);
    query.addBindValue(learnerId);
    m_file.exec(query);
    while (query.next())
        scores.append({query.value(0).toLongLong(),
                       query.value(1).toString(),
                       rowFromName(query.value(2).toString()),
                       {query.value(3).toInt(), query.value(4).toInt()},
                       {query.value(5).toInt(), query.value(6).toInt()}});
    return scores;
}

TeachingHistory RecordsStore::teachingHistory(const QString& learner, const MasteryRule& rule)
{
    if (!hasLearner(learner))
        return {};
    const auto learnerId = learnerIdOf(learner);
    // The targets need the sessions' order only, not their medians.
    QList<SessionSummary> sessions;
    auto sessionRows = m_file.prepared(QStringLiteral("SELECT id FROM sessions WHERE learner_id = ? ORDER BY started, id"));
    sessionRows.setForwardOnly(true);
    sessionRows.addBindValue(learnerId);
    m_file.exec(sessionRows);
    while (sessionRows.next())
        sessions.emplace_back().id = sessionRows.value(0).toLongLong();

    TeachingHistory history;
    const auto progress = judgeProgress(std::move(sessions), scoreRows(learnerId), rule);
    for (const auto& target : progress.targets) {
        const bool symbol = target.row == AnswerLog::Row::Symbol;
        (symbol ? history.symbolTrials : history.attributeTrials).insert(target.key, target.trials + target.promptedTrials);
        if (target.mastered)
            (symbol ? history.masteredSymbols : history.masteredAttributes).insert(target.key);
    }
    return history;
}

void RecordsStore::forEachClick(const QString& learner, const std::function<void(const ClickRecord&)>& visit)
{
    const auto learnerId = learnerIdOf(learner);
    auto query = m_file.prepared(
        QStringLiteral("SELECT s.started, st.number, st.object, c.row, c.element, c.file, c.correct, c.first_try,"
                       " c.response_ms, c.prompted, st.kind"
                       " FROM clicks c JOIN sets st ON st.id = c.set_id JOIN sessions s ON s.id = st.session_id"
                       " WHERE s.learner_id = ? ORDER BY s.started, s.id, st.number, c.id"));
    query.setForwardOnly(true);
    query.addBindValue(learnerId);
    m_file.exec(query);
    ClickRecord click;
    QString lastStarted;
    while (query.next()) {
        const auto started = query.value(0).toString();
        if (started != lastStarted) {
            click.sessionStart = fromIsoUtc(started);
            lastStarted = started;
        }
        click.set = query.value(1).toInt();
        click.object = query.value(2).toString();
        click.row = rowFromName(query.value(3).toString());
        click.element = query.value(4).toInt();
        click.file = query.value(5).toString();
        click.correct = query.value(6).toInt() != 0;
        click.firstTry = query.value(7).toInt() != 0;
        click.responseMs = query.value(8).toLongLong();
        click.prompted = query.value(9).toInt() != 0;
        click.setKind = setKindFromName(query.value(10).toString());
        visit(click);
    }
}

} // namespace tessarine
