#include "pictures_window/CollectionChecking.h"

#include "check/CollectionCheck.h"

#include <QtConcurrent>

#include <utility>

namespace tessarine {

CollectionChecking::CollectionChecking(std::function<void(const Outcome&)> done)
    : m_done(std::move(done))
{
    QObject::connect(&m_watcher, &QFutureWatcherBase::finished, &m_watcher, [this] { finished(); });
}

// A refresh still running is not waited for: the worker shares the check, and its result goes
// nowhere.
CollectionChecking::~CollectionChecking() = default;

void CollectionChecking::start(const QString& folder)
{
    if (m_watcher.isRunning()) {
        m_again = folder;
        return;
    }
    if (!m_check || m_check->folder() != folder)
        m_check = std::make_shared<check::CollectionCheck>(folder);
    m_watcher.setFuture(QtConcurrent::run([check = m_check] {
        Outcome outcome;
        try {
            outcome.result = check->refresh();
        } catch (...) {
            outcome.error = std::current_exception();
        }
        return outcome;
    }));
}

void CollectionChecking::finished()
{
    if (!m_again.isEmpty()) {
        start(std::exchange(m_again, {}));
        return;
    }
    m_done(m_watcher.result());
}

} // namespace tessarine
