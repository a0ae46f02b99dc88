#pragma once

#include "records/SessionRecorder.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <functional>

namespace tessarine::testing {

// A recorder over a records file with clocks the test moves by hand.
struct ScriptedRecorder {
    ScriptedRecorder(const QString& file, IMessageBox& box)
        : recorder(file, box, {[this] { return ms; }, [this] { return now; }})
    {
    }
    // Over records already open, such as a server's.
    ScriptedRecorder(std::unique_ptr<RecordsStore> store, IMessageBox& box)
        : recorder(std::move(store), box, {[this] { return ms; }, [this] { return now; }})
    {
    }
    qint64 ms = 0;
    QDateTime now = QDateTime(QDate(2026, 3, 2), QTime(9, 30), Qt::UTC);
    SessionRecorder recorder;
};

// One session of `sets` sets, each clicked in both rows: the first `right` right at the first try, the rest wrong, then
// right; then `failed` sets that stop at their object picture, where the learner clicks what the set before left.
inline void recordSession(ScriptedRecorder& r, const QString& learner, const QString& object, int sets, int right, int failed = 0)
{
    r.recorder.sessionStarted({learner, {}, QStringLiteral("1.0.0"), QStringLiteral("/opt/tessarine")});
    const auto name = object.section(u'.', 0, 0);
    const auto attribute = object.section(u'.', 1, 2) + ".jpg";
    const AnswerLog::Set set{object, name.toUpper(), {name + ".jpg", "other.jpg", 0}, {attribute, "colour.other.jpg", 1}, {}};
    for (int i = 0; i < sets; ++i) {
        r.recorder.setShown(set);
        r.ms += 900;
        if (i >= right)
            r.recorder.clicked(AnswerLog::Row::Symbol, 1, set.symbols.distractor, false, false);
        r.recorder.clicked(AnswerLog::Row::Symbol, 0, set.symbols.right, true, false);
        r.recorder.rowVisible(AnswerLog::Row::Attribute);
        r.ms += 700;
        if (i >= right)
            r.recorder.clicked(AnswerLog::Row::Attribute, 0, set.attributes.distractor, false, false);
        r.recorder.clicked(AnswerLog::Row::Attribute, 1, set.attributes.right, true, false);
        r.recorder.setEnded(AnswerLog::SetEnd::NextInSequence);
    }
    for (int i = 0; i < failed; ++i) {
        r.recorder.setShown({"ball.colour.blue.jpg", "BALL", {}, {}, "No image found: plase check images folders"});
        r.ms += 200;
        r.recorder.clicked(AnswerLog::Row::Symbol, 0, set.symbols.right, true, false);
        r.recorder.setEnded(AnswerLog::SetEnd::ChangeSet);
    }
    r.recorder.sessionEnded();
    r.now = r.now.addDays(1);
}

// Plain SQL, as another tool would read or write the records: the rows of the last of the
// statements (each ending with ";" at a line's end), columns joined with "|", or the first failure.
// `connect` names the database to the connection of `driver`.
inline QStringList sqlRowsVia(const QString& driver, const std::function<void(QSqlDatabase&)>& connect, const QString& sql)
{
    QStringList result;
    {
        auto db = QSqlDatabase::addDatabase(driver, QStringLiteral("sqlRows"));
        connect(db);
        if (!db.open())
            result = QStringList{db.lastError().text()};
        for (const auto& statement : sql.split(QStringLiteral(";\n"), Qt::SkipEmptyParts)) {
            if (!db.isOpen())
                break;
            QSqlQuery query(db);
            if (!query.exec(statement)) {
                result = QStringList{query.lastError().text() + QStringLiteral(": ") + statement};
                break;
            }
            for (result.clear(); query.next();) {
                QStringList columns;
                for (int i = 0; i < query.record().count(); ++i)
                    columns.append(query.value(i).toString());
                result.append(columns.join(u'|'));
            }
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("sqlRows"));
    return result;
}

// ... on the records file.
inline QStringList sqlRows(const QString& file, const QString& sql)
{
    return sqlRowsVia(
        QStringLiteral("QSQLITE"), [&](QSqlDatabase& db) { db.setDatabaseName(file); }, sql);
}

// ... on a server, named by a libpq connection string.
inline QStringList serverRows(const QString& connection, const QString& sql)
{
    return sqlRowsVia(
        QStringLiteral("QPSQL"), [&](QSqlDatabase& db) { db.setConnectOptions(connection); }, sql);
}

} // namespace tessarine::testing
