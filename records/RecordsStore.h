#pragma once

#include "exercise/AnswerLog.h"
#include "records/MasteryRule.h"

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

namespace tessarine {

class RuntimeError;

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

// One click as the CSV export writes it.
struct ClickRecord {
    QDateTime sessionStart; // UTC
    int set = 0;
    QString object;
    AnswerLog::Row row = AnswerLog::Row::Symbol;
    int element = 0;
    QString file;
    bool correct = false;
    bool firstTry = false;
    qint64 responseMs = 0;
};

// The learners' records in one SQLite file. Every write is its own transaction, committed and
// synced before the call returns (write-ahead log with full sync: one sync per click, and a crash
// or a power cut loses at most the click being written). Failures throw RuntimeError with a
// records error number; the store never shows anything itself.
class RecordsStore {
public:
    static constexpr int SchemaVersion = 3;
    static constexpr int BusyTimeoutMs = 250;

    // records.sqlite in the per-user data folder: $XDG_DATA_HOME/Corvaldi-Tessarine, by default
    // ~/.local/share/Corvaldi-Tessarine.
    static QString defaultFilePath();

    explicit RecordsStore(QString filePath);
    ~RecordsStore();
    RecordsStore(const RecordsStore&) = delete;
    RecordsStore& operator=(const RecordsStore&) = delete;

    // Opens the file, creating or bringing it up to the current schema. A damaged file is moved
    // aside under a new name and a new one started; that is returned as a notice to report. Throws
    // when the file cannot be used at all.
    std::optional<RuntimeError> open();
    bool isOpen() const { return m_open; }
    const QString& filePath() const { return m_filePath; }
    int schemaVersion();

    QStringList learners();
    bool hasLearner(const QString& name);
    // The learner's id, adding the learner when new.
    qint64 ensureLearner(const QString& name);
    // Removes the learner with every session, set and click, leaving nothing readable in the file.
    void deleteLearner(const QString& name);
    MasteryRule masteryRule(const QString& learner);
    void setMasteryRule(const QString& learner, const MasteryRule& rule);
    // The learner's access settings by key; empty for a learner without any (the defaults).
    QMap<QString, QString> accessSettings(const QString& learner);
    void setAccessSettings(const QString& learner, const QMap<QString, QString>& values);

    qint64 beginSession(qint64 learnerId, const QDateTime& started, const QVariantMap& options, const QString& programVersion,
                        const QString& programFolder);
    void endSession(qint64 sessionId, const QDateTime& ended);
    qint64 addSet(qint64 sessionId, int number, const AnswerLog::Set& set);
    void endSet(qint64 setId, AnswerLog::SetEnd how);
    void addClick(qint64 setId, AnswerLog::Row row, int element, const QString& file, bool correct, bool firstTry,
                  qint64 responseMs);

    LearnerProgress progress(const QString& learner, const MasteryRule& rule);
    // Every click of the learner in the order they happened.
    void forEachClick(const QString& learner, const std::function<void(const ClickRecord&)>& visit);

private:
    QSqlQuery prepared(const QString& sql);
    void exec(QSqlQuery& query);
    void exec(const QString& sql);
    void migrate();
    std::optional<double> medianOf(qint64 sessionId);
    void storeMedians(const QString& sessionsSql);
    qint64 learnerIdOf(const QString& name);
    RuntimeError failure(const QString& doing, const QString& nativeCode, const QString& text) const;

    QString m_filePath;
    QString m_connection;
    QSqlDatabase m_db;
    bool m_open = false;
    std::optional<QSqlQuery> m_insertClick;
};

class IMessageBox;

// Opens the records for a window (the learner list, the Records window): a damaged file set aside
// or a file that cannot be used is reported once with the error convention under `procedure`.
// Null when the records cannot be used.
std::unique_ptr<RecordsStore> openRecords(const QString& filePath, IMessageBox& messageBox, const QString& procedure);

QString rowName(AnswerLog::Row row);
QString setEndName(AnswerLog::SetEnd how);

} // namespace tessarine
