#include "records/RecordsSending.h"

#include "records/RecordsStore.h"

// Moving sessions kept on this computer to the school server. A session is matched there by its
// uuid, its sets by their number and their clicks by their ordinal, so that what the server has
// already (the first half of a session before the server went away, or a whole one sent before a
// crash could remove it here) is never added twice.
namespace tessarine {

namespace {

const QStringList SessionColumns{QStringLiteral("started"),        QStringLiteral("options"),  QStringLiteral("program_version"),
                                 QStringLiteral("program_folder"), QStringLiteral("computer"), QStringLiteral("desktop_user")};
const QStringList SetColumns{QStringLiteral("number"),
                             QStringLiteral("object"),
                             QStringLiteral("caption"),
                             QStringLiteral("symbol_right"),
                             QStringLiteral("symbol_distractor"),
                             QStringLiteral("symbol_right_element"),
                             QStringLiteral("attribute_right"),
                             QStringLiteral("attribute_distractor"),
                             QStringLiteral("attribute_right_element"),
                             QStringLiteral("error"),
                             QStringLiteral("ended_by"),
                             QStringLiteral("kind")};
const QStringList ClickColumns{QStringLiteral("ordinal"),     QStringLiteral("row"),     QStringLiteral("element"),
                               QStringLiteral("file"),        QStringLiteral("correct"), QStringLiteral("first_try"),
                               QStringLiteral("response_ms"), QStringLiteral("prompted")};

QString placeholders(qsizetype count)
{
    QStringList marks;
    marks.fill(QStringLiteral("?"), count);
    return marks.join(QStringLiteral(", "));
}

QVariantList values(const QSqlQuery& query, qsizetype from, qsizetype count)
{
    QVariantList result;
    for (qsizetype i = from; i < from + count; ++i)
        result.append(query.value(static_cast<int>(i)));
    return result;
}

void bindAll(QSqlQuery& query, const QVariantList& values)
{
    for (const auto& value : values)
        query.addBindValue(value);
}

} // namespace

QStringList RecordsStore::unsentSessions()
{
    auto query = m_file.prepared(QStringLiteral("SELECT uuid FROM sessions WHERE unsent = 1 ORDER BY started, id"));
    query.setForwardOnly(true);
    m_file.exec(query);
    QStringList uuids;
    while (query.next())
        uuids.append(query.value(0).toString());
    return uuids;
}

SessionCopy RecordsStore::copySession(const QString& uuid)
{
    SessionCopy copy;
    copy.uuid = uuid;
    auto session = m_file.prepared(QStringLiteral("SELECT l.name, s.id, s.ended, s.%1 FROM sessions s JOIN learners l"
                                                  " ON l.id = s.learner_id WHERE s.uuid = ?")
                                       .arg(SessionColumns.join(QStringLiteral(", s."))));
    session.addBindValue(uuid);
    m_file.exec(session);
    if (!session.next())
        return copy;
    copy.learner = session.value(0).toString();
    const auto sessionId = session.value(1).toLongLong();
    copy.ended = session.value(2);
    copy.columns = values(session, 3, SessionColumns.size());

    auto sets = m_file.prepared(QStringLiteral("SELECT id, %1 FROM sets WHERE session_id = ? ORDER BY number")
                                    .arg(SetColumns.join(QStringLiteral(", "))));
    sets.setForwardOnly(true);
    sets.addBindValue(sessionId);
    m_file.exec(sets);
    auto clicks = m_file.prepared(
        QStringLiteral("SELECT %1 FROM clicks WHERE set_id = ? ORDER BY id").arg(ClickColumns.join(QStringLiteral(", "))));
    clicks.setForwardOnly(true);
    // Every set first: a server's connection drops the rows still to be read of one query when it
    // runs the next.
    QList<QVariant> setIds;
    while (sets.next()) {
        setIds.append(sets.value(0));
        copy.sets.emplace_back().columns = values(sets, 1, SetColumns.size());
    }
    for (qsizetype i = 0; i < setIds.size(); ++i) {
        auto& set = copy.sets[i];
        clicks.addBindValue(setIds[i]);
        m_file.exec(clicks);
        while (clicks.next()) {
            auto click = values(clicks, 0, ClickColumns.size());
            // Clicks kept before they were counted are counted by their order.
            if (click[0].isNull())
                click[0] = set.clicks.size() + 1;
            set.clicks.append(click);
        }
    }
    return copy;
}

void RecordsStore::mergeSession(const SessionCopy& copy)
{
    m_file.transaction([&] {
        const auto learnerId = ensureLearner(copy.learner);
        auto session = m_file.prepared(QStringLiteral("INSERT INTO sessions (learner_id, uuid, %1) VALUES (?, ?, %2)"
                                                      " ON CONFLICT (uuid) DO NOTHING")
                                           .arg(SessionColumns.join(QStringLiteral(", ")), placeholders(SessionColumns.size())));
        session.addBindValue(learnerId);
        session.addBindValue(copy.uuid);
        bindAll(session, copy.columns);
        m_file.exec(session);
        auto id = m_file.prepared(QStringLiteral("SELECT id FROM sessions WHERE uuid = ?"));
        id.addBindValue(copy.uuid);
        m_file.exec(id);
        if (!id.next())
            return;
        const auto sessionId = id.value(0).toLongLong();

        // A set the server has already may have ended only here.
        auto set = m_file.prepared(QStringLiteral("INSERT INTO sets (session_id, %1) VALUES (?, %2)"
                                                  " ON CONFLICT (session_id, number) DO UPDATE"
                                                  " SET ended_by = coalesce(excluded.ended_by, sets.ended_by) RETURNING id")
                                       .arg(SetColumns.join(QStringLiteral(", ")), placeholders(SetColumns.size())));
        auto click = m_file.prepared(QStringLiteral("INSERT INTO clicks (set_id, %1) VALUES (?, %2)"
                                                    " ON CONFLICT (set_id, ordinal) DO NOTHING")
                                         .arg(ClickColumns.join(QStringLiteral(", ")), placeholders(ClickColumns.size())));
        for (const auto& setCopy : copy.sets) {
            set.addBindValue(sessionId);
            bindAll(set, setCopy.columns);
            const auto setId = insertedId(set);
            for (const auto& clickValues : setCopy.clicks) {
                click.addBindValue(setId);
                bindAll(click, clickValues);
                m_file.exec(click);
            }
        }
        // Ending it takes the median again, over every click the server now has of the session.
        if (!copy.ended.isNull())
            endSession(sessionId, QDateTime::fromString(copy.ended.toString(), Qt::ISODateWithMs));
    });
}

void RecordsStore::forgetSession(const QString& uuid)
{
    auto remove = m_file.prepared(QStringLiteral("DELETE FROM sessions WHERE uuid = ?"));
    remove.addBindValue(uuid);
    m_file.exec(remove);
}

int sendUnsent(RecordsStore& local, RecordsStore& server)
{
    int sent = 0;
    for (const auto& uuid : local.unsentSessions()) {
        const auto copy = local.copySession(uuid);
        if (!copy.learner.isEmpty())
            server.mergeSession(copy);
        // Removed only once the server has it: a crash in between sends it again, which adds nothing.
        local.forgetSession(uuid);
        ++sent;
    }
    return sent;
}

} // namespace tessarine
