#include "records/SessionRecorder.h"

#include "core/ErrorGuard.h"
#include "records/RecordsStore.h"

#include <QElapsedTimer>

namespace tessarine {

namespace {

std::size_t indexOf(AnswerLog::Row row) { return row == AnswerLog::Row::Symbol ? 0 : 1; }

} // namespace

SessionRecorder::SessionRecorder(QString filePath, IMessageBox& messageBox, Clocks clocks)
    : m_filePath(std::move(filePath))
    , m_messageBox(messageBox)
    , m_clocks(std::move(clocks))
{
    if (!m_clocks.monotonicMs) {
        auto timer = std::make_shared<QElapsedTimer>();
        timer->start();
        m_clocks.monotonicMs = [timer] { return timer->elapsed(); };
    }
    if (!m_clocks.now)
        m_clocks.now = [] { return QDateTime::currentDateTimeUtc(); };
}

SessionRecorder::SessionRecorder(std::unique_ptr<RecordsStore> store, IMessageBox& messageBox, Clocks clocks)
    : SessionRecorder(std::move(store), messageBox, std::move(clocks), Journal{})
{
}

SessionRecorder::SessionRecorder(std::unique_ptr<RecordsStore> store, IMessageBox& messageBox, Clocks clocks, Journal journal)
    : SessionRecorder(QString(), messageBox, std::move(clocks))
{
    m_store = std::move(store);
    m_journal = std::move(journal);
    m_failed = !m_store;
}

SessionRecorder::~SessionRecorder() = default;

// Every event runs here: the first failure is reported with the error convention and ends the
// recording; the exercise goes on. A failure of the server's records moves the recording to this
// computer's file instead, where the event is written again.
template <typename Body>
void SessionRecorder::record(Body&& body) noexcept
{
    if (m_failed)
        return;
    Guard guard(m_messageBox, QStringLiteral("SessionRecorder"));
    bool done = false;
    if (m_store && m_store->onServer() && m_journal.openLocal) {
        try {
            body();
            return;
        } catch (...) {
            done = guard.step([&] {
                moveToLocal(std::current_exception());
                body();
            });
        }
    } else {
        done = guard.step(body);
    }
    if (!done) {
        m_failed = true;
        m_sessionId = 0;
        m_setId = 0;
    }
}

void SessionRecorder::moveToLocal(const std::exception_ptr& lost)
{
    m_store.reset(); // the server's connection goes first
    auto local = m_journal.openLocal();
    const auto notice = toRuntimeError(lost);
    if (m_journal.serverLost)
        m_journal.serverLost(notice);
    else
        Guard(m_messageBox, QStringLiteral("SessionRecorder")).report(std::make_exception_ptr(notice));
    // This session and those after it in the run wait here to be sent.
    m_journal.unsent = true;
    m_origin.unsent = true;
    if (m_sessionId != 0) {
        const auto learnerId = local->ensureLearner(m_session.learner.trimmed());
        m_sessionId = local->beginSession(learnerId, m_started, m_session.options, m_session.programVersion,
                                          m_session.programFolder, m_origin);
        m_setId = m_openSet ? local->addSet(m_sessionId, m_setNumber, *m_openSet) : 0;
    }
    m_store = std::move(local);
}

void SessionRecorder::sessionStarted(const Session& session)
{
    m_sessionId = 0;
    m_setId = 0;
    m_setNumber = 0;
    m_openSet.reset();
    m_rows = {};
    const auto learner = session.learner.trimmed();
    if (learner.isEmpty())
        return;
    m_session = session;
    m_started = m_clocks.now();
    m_origin = SessionOrigin::here();
    m_origin.unsent = m_journal.unsent;
    record([&] {
        if (!m_store) {
            auto store = std::make_unique<RecordsStore>(m_filePath);
            const auto notice = store->open();
            m_store = std::move(store);
            if (notice)
                Guard(m_messageBox, QStringLiteral("SessionRecorder")).report(std::make_exception_ptr(*notice));
        }
        const auto learnerId = m_store->ensureLearner(learner);
        m_sessionId = m_store->beginSession(learnerId, m_started, session.options, session.programVersion, session.programFolder,
                                            m_origin);
    });
}

void SessionRecorder::setShown(const Set& set)
{
    if (m_sessionId == 0)
        return;
    m_rows = {};
    m_setFailed = !set.error.isEmpty();
    // The symbol row shows with the set; the attribute row may wait for the right symbol.
    m_setShownAt = m_clocks.monotonicMs();
    m_rows[indexOf(Row::Symbol)].visibleSince = m_setShownAt;
    m_clickOrdinal = 0;
    m_openSet.reset();
    m_setId = 0;
    ++m_setNumber;
    record([&] {
        m_setId = m_store->addSet(m_sessionId, m_setNumber, set);
        m_openSet = set;
    });
}

void SessionRecorder::rowVisible(Row row)
{
    if (m_setId != 0)
        m_rows[indexOf(row)].visibleSince = m_clocks.monotonicMs();
}

void SessionRecorder::clicked(Row row, int element, const QString& file, bool correct, bool prompted)
{
    if (m_setId == 0)
        return;
    auto& state = m_rows[indexOf(row)];
    // A row clicked without having been reported visible is timed from the set's showing.
    const qint64 elapsed = std::max<qint64>(0, m_clocks.monotonicMs() - state.visibleSince.value_or(m_setShownAt));
    // On a set that failed, the learner answers what was left on the screen, not the set planned:
    // the click is kept with that set but is no first choice.
    const bool firstTry = !state.answered && !m_setFailed;
    state.answered = true;
    const int ordinal = ++m_clickOrdinal;
    record([&] { m_store->addClick(m_setId, ordinal, row, element, file, correct, firstTry, prompted, elapsed); });
}

void SessionRecorder::setEnded(SetEnd how)
{
    if (m_setId == 0)
        return;
    record([&] { m_store->endSet(m_setId, how); });
    m_setId = 0;
    m_openSet.reset();
}

void SessionRecorder::sessionEnded()
{
    if (m_sessionId == 0)
        return;
    const auto ended = m_clocks.now();
    record([&] { m_store->endSession(m_sessionId, ended); });
    m_sessionId = 0;
    m_setId = 0;
    m_openSet.reset();
}

} // namespace tessarine
