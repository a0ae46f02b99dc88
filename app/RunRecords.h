#pragma once

#include "access/AccessSettings.h"
#include "app/AccessSettingsFile.h"
#include "core/RuntimeError.h"
#include "records/RecordsPlace.h"
#include "records/SessionRecorder.h"
#include "teaching/TeachingSettings.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace tessarine {

class IMessageBox;
class ISettingsBacking;
class RecordsStore;

// The run's one way into the learners' records. Nothing here throws, whatever the records file
// does: a fault is told with the error convention, under the procedure the user started, where it
// is first met, and the same fault (same number and description) is not told again in the run; a
// different one is. Each learner's access settings are kept in the settings file as well and are
// taken from there when the records cannot give them; the message that tells the fault says so.
//
// With a school server named in the settings file (section Records, key Server), the records are
// read and written there, and this computer's file only keeps what the server could not take: a
// server that does not answer is told once, until it answers again, and the sessions meanwhile
// wait in the file, sent at the next start or by "Send now".
class RunRecords final : public IRecordsPlace {
public:
    RunRecords(QString filePath, IMessageBox& messageBox, ISettingsBacking& settings);
    ~RunRecords() override;
    RunRecords(const RunRecords&) = delete;
    RunRecords& operator=(const RunRecords&) = delete;

    // The learners with records, for the learner row; none before the first recorded session (the
    // file is made only then) and when they cannot be read.
    QStringList learners(const QString& procedure);
    // The records for the Records window; null when they cannot be read.
    std::unique_ptr<RecordsStore> forWindow(const QString& learner, const QString& procedure);

    struct Exercise {
        // Where the session is kept; null when the records cannot be read, and nothing is kept.
        std::unique_ptr<RecordsStore> store;
        AccessSettings access;
        // How the learner is taught; the defaults (the exercise as it always was) when the records
        // cannot give it.
        TeachingSettings teaching;
        TeachingHistory history;
        // Where the session goes should the server stop answering, and whether the store given is
        // this computer's, standing in for a server that did not answer.
        SessionRecorder::Journal journal;
    };
    // What a learner's exercise needs from the records. The records' access settings are the ones
    // used; they are copied to the settings file when it has none or others.
    Exercise forExercise(const QString& learner, const QString& procedure);

    // The learner's teaching settings, kept only in the records; nothing when they cannot be read,
    // which is told every time, since the user asked for something that cannot be done.
    std::optional<TeachingSettings> teachingSettings(const QString& learner, const QString& procedure);
    // Keeps them in the records; false, and told, when they cannot be written.
    bool setTeachingSettings(const QString& learner, const TeachingSettings& settings, const QString& procedure);

    // The learner's access settings as the exercise would take them.
    AccessSettings accessSettings(const QString& learner, const QString& procedure);
    // Keeps them in the settings file and in the records.
    void setAccessSettings(const QString& learner, const AccessSettings& settings, const QString& procedure);
    // A learner whose records were deleted leaves the settings file too, and, when the records are
    // on the server, this computer's file, so that no session waiting there brings them back.
    void learnerDeleted(const QString& learner, const QString& procedure);

    QString server() override;
    void setServer(const QString& connection) override;
    int unsentSessions() override;
    int sendNow() override;

private:
    // The server's records, or this computer's when none is named or it does not answer (`standIn`).
    std::unique_ptr<RecordsStore> open(QList<RuntimeError>& faults, bool* standIn = nullptr) noexcept;
    std::unique_ptr<RecordsStore> openFile(QList<RuntimeError>& faults) noexcept;
    // Sends what waits in this computer's file to the server just opened.
    void sendWaiting(RecordsStore& server, QList<RuntimeError>& faults) noexcept;
    std::unique_ptr<RecordsStore> openLocalOrThrow();
    Exercise resolve(const QString& learner, const QString& procedure, bool keepCopy) noexcept;
    // Tells each fault not told yet (every one when `again`; a server away once until it answers);
    // `note` follows the last one that is not a server's, in the same message.
    void tell(const QList<RuntimeError>& faults, const QString& procedure, const QString& note = {}, bool again = false) noexcept;

    QString m_filePath;
    IMessageBox& m_messageBox;
    ISettingsBacking& m_settings;
    AccessSettingsFile m_accessFile;
    QList<QPair<int, QString>> m_told;
};

} // namespace tessarine
