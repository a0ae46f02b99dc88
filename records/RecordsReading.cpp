#include "records/RecordsStore.h"

#include "records/RecordsError.h"

// The store's reading: the learners, their rule and settings, their progress and their clicks.

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

} // namespace

QStringList RecordsStore::learners()
{
    auto query = m_file.prepared(QStringLiteral("SELECT name FROM learners ORDER BY name COLLATE NOCASE, name"));
    query.setForwardOnly(true);
    m_file.exec(query);
    QStringList names;
    while (query.next())
        names.append(query.value(0).toString());
    return names;
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
                           QStringLiteral("There are no records of the learner \"%1\"").arg(name));
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

QMap<QString, QString> RecordsStore::accessSettings(const QString& learner)
{
    auto query = m_file.prepared(QStringLiteral("SELECT access FROM learners WHERE name = ?"));
    query.addBindValue(learner);
    m_file.exec(query);
    QMap<QString, QString> values;
    if (query.next()) {
        const QStringList lines = query.value(0).toString().split(u'\n', Qt::SkipEmptyParts);
        for (const QString& line : lines) {
            const qsizetype equals = line.indexOf(u'=');
            if (equals > 0)
                values.insert(line.left(equals), line.mid(equals + 1));
        }
    }
    return values;
}

LearnerProgress RecordsStore::progress(const QString& learner, const MasteryRule& rule)
{
    const auto learnerId = learnerIdOf(learner);
    QList<SessionSummary> sessions;
    auto sessionRows = m_file.prepared(QStringLiteral("SELECT id, started, set_count, median_ms, median_done FROM sessions"
                                                      " WHERE learner_id = ? ORDER BY started, id"));
    sessionRows.setForwardOnly(true);
    sessionRows.addBindValue(learnerId);
    m_file.exec(sessionRows);
    while (sessionRows.next()) {
        SessionSummary summary;
        summary.id = sessionRows.value(0).toLongLong();
        summary.started = fromIsoUtc(sessionRows.value(1).toString());
        summary.sets = sessionRows.value(2).toInt();
        if (sessionRows.value(4).toInt() != 0) {
            if (!sessionRows.isNull(3))
                summary.medianResponseMs = sessionRows.value(3).toDouble();
        } else {
            // A session still running, or one that a crash ended before its end was written.
            summary.medianResponseMs = RecordsSchema::medianResponseMs(m_file, summary.id);
        }
        sessions.append(summary);
    }

    QList<ScoreRow> scores;
    auto scoreRows = m_file.prepared(QStringLiteral("SELECT sc.session_id, sc.object, sc.row, sc.trials, sc.correct"
                                                    " FROM scores sc JOIN sessions s ON s.id = sc.session_id"
                                                    " WHERE s.learner_id = ?"));
    scoreRows.setForwardOnly(true);
    scoreRows.addBindValue(learnerId);
    m_file.exec(scoreRows);
    while (scoreRows.next())
        scores.append({scoreRows.value(0).toLongLong(),
                       scoreRows.value(1).toString(),
                       rowFromName(scoreRows.value(2).toString()),
                       {scoreRows.value(3).toInt(), scoreRows.value(4).toInt()}});
    return judgeProgress(std::move(sessions), scores, rule);
}

void RecordsStore::forEachClick(const QString& learner, const std::function<void(const ClickRecord&)>& visit)
{
    const auto learnerId = learnerIdOf(learner);
    auto query = m_file.prepared(
        QStringLiteral("SELECT s.started, st.number, st.object, c.row, c.element, c.file, c.correct, c.first_try, "
                       "c.response_ms"
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
        visit(click);
    }
}

} // namespace tessarine
