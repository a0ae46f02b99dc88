#pragma once

#include "core/RuntimeError.h"
#include "exercise/AnswerLog.h"
#include "records/RecordsStore.h"

#include <QDateTime>

#include <array>
#include <functional>
#include <memory>
#include <optional>

namespace tessarine {

class IMessageBox;

// The exercise's answer log kept in the learner records: numbers the sets, marks the first choice
// in each row of a set and times every click from the moment its row became visible, and writes
// each event at once. Clicks on a set that stopped with an error are kept with that set but are
// never first choices, so they count toward no score, median or mastery. A first choice made while
// the answer was being shown is kept as prompted: it is no independent first try, and mastery does
// not count it. The file is opened when
// the first session with a learner starts. When the records cannot be kept, that is reported once
// and the recorder stays silent for the rest of the run; the exercise never notices.
//
// Records kept on the school server have this computer's file as their journal: when the server
// stops answering, the session goes on there from the event that failed, marked unsent, under the
// same uuid and set numbers, so that sending it later completes what the server has of it.
class SessionRecorder final : public AnswerLog {
public:
    struct Clocks {
        std::function<qint64()> monotonicMs; // for response times
        std::function<QDateTime()> now;      // for session start and end
    };

    // Where the sessions go when the records on the server cannot take them.
    struct Journal {
        // Opens this computer's records; throws when they cannot be kept either.
        std::function<std::unique_ptr<RecordsStore>()> openLocal;
        // Tells that the server stopped answering; without it, the recorder reports it itself.
        std::function<void(const RuntimeError&)> serverLost;
        // The store given is this computer's, standing in for a server that did not answer: its
        // sessions wait to be sent.
        bool unsent = false;
    };

    SessionRecorder(QString filePath, IMessageBox& messageBox, Clocks clocks = {});
    // Over records the caller has opened (and reported on); none: they failed, and nothing is kept.
    SessionRecorder(std::unique_ptr<RecordsStore> store, IMessageBox& messageBox, Clocks clocks = {});
    SessionRecorder(std::unique_ptr<RecordsStore> store, IMessageBox& messageBox, Clocks clocks, Journal journal);
    ~SessionRecorder() override;

    void sessionStarted(const Session& session) override;
    void setShown(const Set& set) override;
    void rowVisible(Row row) override;
    void clicked(Row row, int element, const QString& file, bool correct, bool prompted) override;
    void setEnded(SetEnd how) override;
    void sessionEnded() override;

private:
    template <typename Body>
    void record(Body&& body) noexcept;
    // Goes on in this computer's file: the session under way and its open set are begun there.
    void moveToLocal(const std::exception_ptr& lost);

    struct RowState {
        std::optional<qint64> visibleSince;
        bool answered = false;
    };

    QString m_filePath;
    IMessageBox& m_messageBox;
    Clocks m_clocks;
    std::unique_ptr<RecordsStore> m_store;
    Journal m_journal;
    bool m_failed = false;
    // What is needed to begin the session under way again elsewhere.
    Session m_session;
    QDateTime m_started;
    SessionOrigin m_origin;
    std::optional<Set> m_openSet;
    qint64 m_sessionId = 0;
    qint64 m_setId = 0;
    int m_setNumber = 0;
    int m_clickOrdinal = 0;
    qint64 m_setShownAt = 0;
    bool m_setFailed = false;
    std::array<RowState, 2> m_rows;
};

} // namespace tessarine
