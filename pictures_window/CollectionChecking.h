#pragma once

#include "check/CheckResult.h"

#include <QFutureWatcher>
#include <QString>

#include <exception>
#include <functional>
#include <memory>

namespace tessarine {

namespace check {
class CollectionCheck;
}

// The collection's check refreshed on a worker thread, one refresh at a time: a change while it
// runs asks for one more afterwards, and only the last one's result is handed on (on the thread
// that started it). Pictures unchanged since the last refresh are not decoded again.
class CollectionChecking {
public:
    struct Outcome {
        check::CheckResult result;
        std::exception_ptr error;
    };

    explicit CollectionChecking(std::function<void(const Outcome&)> done);
    ~CollectionChecking();

    void start(const QString& folder);
    bool busy() const { return m_watcher.isRunning() || !m_again.isEmpty(); }

private:
    void finished();

    std::function<void(const Outcome&)> m_done;
    std::shared_ptr<check::CollectionCheck> m_check;
    QFutureWatcher<Outcome> m_watcher;
    QString m_again;
};

} // namespace tessarine
