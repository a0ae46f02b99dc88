#pragma once

#include "exercise/AnswerLog.h"
#include "records/MasteryRule.h"
#include "records/RecordsFile.h"
#include "records/RecordsProgress.h"
#include "records/RecordsSchema.h"
#include "teaching/TeachingSettings.h"

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

namespace tessarine {

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
    bool prompted = false;
    AnswerLog::SetKind setKind = AnswerLog::SetKind::Teach;
};

// Where a session came from, and whether it still waits to be sent to the school server.
struct SessionOrigin {
    QString uuid;        // made when empty
    QString computer;    // the computer's name
    QString desktopUser; // who was logged in
    bool unsent = false; // kept on this computer while the server could not be reached

    // This computer and its logged-in user, with a new uuid.
    static SessionOrigin here();
};

struct SessionCopy;

// The learners' records in one SQLite file, or on a school's PostgreSQL server (see RecordsFile).
// Every write is its own transaction, committed and synced before the call returns (write-ahead
// log with full sync: one sync per click, and a crash or a power cut loses at most the click being
// written). Failures throw RuntimeError with a records error number; the store never shows
// anything itself. How the file is opened, set aside when damaged and kept to its owner is
// RecordsFile's; its tables and their versions are RecordsSchema's.
class RecordsStore {
public:
    static constexpr int SchemaVersion = RecordsSchema::Version;
    static constexpr int BusyTimeoutMs = RecordsFile::BusyTimeoutMs;

    // records.sqlite in the per-user data folder: $XDG_DATA_HOME/Corvaldi-Tessarine, by default
    // ~/.local/share/Corvaldi-Tessarine.
    static QString defaultFilePath();

    explicit RecordsStore(QString filePath);
    // The records on a server, named by a libpq connection string.
    explicit RecordsStore(RecordsFile::Server server);
    ~RecordsStore();
    RecordsStore(const RecordsStore&) = delete;
    RecordsStore& operator=(const RecordsStore&) = delete;

    // Opens the file for writing, creating it or bringing it up to the current schema. A damaged
    // file is set aside under a new name and a new one started; that is returned as the notice to
    // report. Throws when the file cannot be used at all: another program's database (left as it
    // is), a later version's file, a file held by another program, a folder that cannot be written.
    std::optional<RuntimeError> open();
    // Opens an existing file for reading only: creates, renames and sets aside nothing, and takes no
    // write lock on a file of the current schema (a file of an earlier one is brought up to date).
    // Throws when the file is missing, damaged, not ours or cannot be read.
    void openForReading();
    bool isOpen() const { return m_file.isOpen(); }
    const QString& filePath() const { return m_file.filePath(); }
    bool onServer() const { return m_file.onServer(); }
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
    // The learner's teaching settings by key (TeachingSettings::toMap); empty for the defaults.
    QMap<QString, QString> teachingSettings(const QString& learner);
    void setTeachingSettings(const QString& learner, const QMap<QString, QString>& values);
    // Each target's first-choice trials so far, prompted or not, and which ones `rule` calls
    // mastered (independent first tries only); empty for a learner without records.
    TeachingHistory teachingHistory(const QString& learner, const MasteryRule& rule);

    qint64 beginSession(qint64 learnerId, const QDateTime& started, const QVariantMap& options, const QString& programVersion,
                        const QString& programFolder, const SessionOrigin& origin = SessionOrigin::here());
    void endSession(qint64 sessionId, const QDateTime& ended);
    qint64 addSet(qint64 sessionId, int number, const AnswerLog::Set& set);
    void endSet(qint64 setId, AnswerLog::SetEnd how);
    // `firstTry` only for a first choice that counts toward the scores and the medians; a prompted
    // one is scored apart from the independent ones. `ordinal` counts the set's clicks from 1.
    void addClick(qint64 setId, int ordinal, AnswerLog::Row row, int element, const QString& file, bool correct, bool firstTry,
                  bool prompted, qint64 responseMs);

    LearnerProgress progress(const QString& learner, const MasteryRule& rule);
    // Every click of the learner in the order they happened.
    void forEachClick(const QString& learner, const std::function<void(const ClickRecord&)>& visit);

    // Sending to the school server (RecordsSending.cpp). The sessions kept here unsent, oldest first.
    QStringList unsentSessions();
    // One session as it is kept, to be merged into the server's records.
    SessionCopy copySession(const QString& uuid);
    // Adds what the server does not have yet of the session, in one transaction: sending it again,
    // whole or after being cut off half way, adds nothing twice.
    void mergeSession(const SessionCopy& session);
    // Removes a session the server has taken.
    void forgetSession(const QString& uuid);

private:
    qint64 learnerIdOf(const QString& name);
    qint64 insertedId(QSqlQuery& insert);
    QList<ScoreRow> scoreRows(qint64 learnerId);
    QMap<QString, QString> settingsLines(const QString& learner, const QString& column, bool escapedValues);
    void setSettingsLines(const QString& learner, const QString& column, bool escapedValues,
                          const QMap<QString, QString>& values);

    RecordsFile m_file;
    std::optional<QSqlQuery> m_insertClick; // after m_file: gone before its connection
};

QString rowName(AnswerLog::Row row);
QString setEndName(AnswerLog::SetEnd how);
QString setKindName(AnswerLog::SetKind kind); // "teach", "review" or "correction"

} // namespace tessarine
