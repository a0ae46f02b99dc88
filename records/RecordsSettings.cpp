#include "records/RecordsStore.h"

// The learner's settings kept with their records, each kind in a column of its own as key=value
// lines, so that any SQLite tool shows them as they are.

namespace tessarine {

namespace {

QString escaped(const QString& value)
{
    return QString(value).replace(u'\\', QStringLiteral("\\\\")).replace(u'\n', QStringLiteral("\\n"));
}

QString unescaped(const QString& value)
{
    QString result;
    result.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar next = i + 1 < value.size() ? value[i + 1] : QChar();
        if (value[i] == u'\\' && (next == u'\\' || next == u'n')) {
            result += next == u'n' ? QChar(u'\n') : next;
            ++i;
        } else {
            result += value[i];
        }
    }
    return result;
}

// Access values are key names and numbers, kept as they are with a line break dropped; teaching
// values hold targets from file names, which may hold any character but "/", so their "\" and line
// breaks are escaped.
QString toLines(const QMap<QString, QString>& values, bool escape)
{
    // Not null, even for no values (the defaults): Qt would bind a null text as NULL.
    QString lines = QStringLiteral("");
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        lines += it.key() + u'=' + (escape ? escaped(it.value()) : QString(it.value()).remove(u'\n')) + u'\n';
    return lines;
}

QMap<QString, QString> fromLines(const QString& text, bool unescape)
{
    QMap<QString, QString> values;
    const QStringList lines = text.split(u'\n', Qt::SkipEmptyParts);
    for (const QString& line : lines) {
        const qsizetype equals = line.indexOf(u'=');
        if (equals > 0)
            values.insert(line.left(equals), unescape ? unescaped(line.mid(equals + 1)) : line.mid(equals + 1));
    }
    return values;
}

} // namespace

QMap<QString, QString> RecordsStore::settingsLines(const QString& learner, const QString& column, bool escapedValues)
{
    auto query = m_file.prepared(QStringLiteral("SELECT %1 FROM learners WHERE name = ?").arg(column));
    query.addBindValue(learner);
    m_file.exec(query);
    return query.next() ? fromLines(query.value(0).toString(), escapedValues) : QMap<QString, QString>();
}

void RecordsStore::setSettingsLines(const QString& learner, const QString& column, bool escapedValues,
                                    const QMap<QString, QString>& values)
{
    const auto id = ensureLearner(learner);
    auto update = m_file.prepared(QStringLiteral("UPDATE learners SET %1 = ? WHERE id = ?").arg(column));
    update.addBindValue(toLines(values, escapedValues));
    update.addBindValue(id);
    m_file.exec(update);
}

QMap<QString, QString> RecordsStore::accessSettings(const QString& learner)
{
    return settingsLines(learner, QStringLiteral("access"), false);
}

void RecordsStore::setAccessSettings(const QString& learner, const QMap<QString, QString>& values)
{
    setSettingsLines(learner, QStringLiteral("access"), false, values);
}

QMap<QString, QString> RecordsStore::teachingSettings(const QString& learner)
{
    return settingsLines(learner, QStringLiteral("teaching"), true);
}

void RecordsStore::setTeachingSettings(const QString& learner, const QMap<QString, QString>& values)
{
    setSettingsLines(learner, QStringLiteral("teaching"), true, values);
}

} // namespace tessarine
