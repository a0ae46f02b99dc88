#pragma once

#include "exercise/AnswerLog.h"
#include "records/SessionRecorder.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>

#include <memory>

namespace tessarine::testing {

// A recorder over a records file with clocks the test moves by hand.
struct ScriptedRecorder {
    ScriptedRecorder(const QString& file, IMessageBox& box)
        : recorder(file, box, {[this] { return ms; }, [this] { return now; }})
    {
    }
    qint64 ms = 0;
    QDateTime now = QDateTime(QDate(2026, 3, 2), QTime(9, 30), Qt::UTC);
    SessionRecorder recorder;
};

inline AnswerLog::Set makeSet(const QString& object, const QString& symbol, const QString& attribute)
{
    return {object,
            object.section(u'.', 0, 0).toUpper(),
            {symbol, QStringLiteral("other.jpg"), 0},
            {attribute, QStringLiteral("colour.other.jpg"), 1},
            {}};
}

// One session in which every set gets a symbol and an attribute click, the first `right` sets
// right at the first try and the rest wrong first, then right.
inline void recordSession(ScriptedRecorder& r, const QString& learner, const QString& object, int sets, int right)
{
    r.recorder.sessionStarted({learner, {}, QStringLiteral("1.0.0"), QStringLiteral("/opt/tessarine")});
    const auto symbol = object.section(u'.', 0, 0) + QStringLiteral(".jpg");
    const auto attribute = object.section(u'.', 1, 2) + QStringLiteral(".jpg");
    for (int i = 0; i < sets; ++i) {
        r.recorder.setShown(makeSet(object, symbol, attribute));
        r.ms += 900;
        if (i >= right)
            r.recorder.clicked(AnswerLog::Row::Symbol, 1, QStringLiteral("other.jpg"), false);
        r.recorder.clicked(AnswerLog::Row::Symbol, 0, symbol, true);
        r.recorder.rowVisible(AnswerLog::Row::Attribute);
        r.ms += 700;
        if (i >= right)
            r.recorder.clicked(AnswerLog::Row::Attribute, 0, QStringLiteral("colour.other.jpg"), false);
        r.recorder.clicked(AnswerLog::Row::Attribute, 1, attribute, true);
        r.recorder.setEnded(AnswerLog::SetEnd::NextInSequence);
    }
    r.recorder.sessionEnded();
    r.now = r.now.addDays(1);
}

// Reads a records file with plain SQL, as another tool would.
class SqlReader {
public:
    explicit SqlReader(const QString& file)
        : m_name(QUuid::createUuid().toString())
    {
        auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(file);
        db.open();
    }
    ~SqlReader()
    {
        QSqlDatabase::database(m_name).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    // Every row of the query, columns joined with "|".
    QStringList rows(const QString& sql) const
    {
        QSqlQuery query(QSqlDatabase::database(m_name));
        QStringList result;
        if (!query.exec(sql))
            return {QStringLiteral("ERROR ") + sql};
        while (query.next()) {
            QStringList columns;
            for (int i = 0; i < query.record().count(); ++i)
                columns.append(query.value(i).toString());
            result.append(columns.join(u'|'));
        }
        return result;
    }

private:
    QString m_name;
};

} // namespace tessarine::testing
