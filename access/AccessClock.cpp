#include "access/AccessClock.h"

#include "core/ErrorGuard.h"

namespace tessarine {

QtStepTimer::QtStepTimer(IMessageBox& messageBox)
    : m_messageBox(messageBox)
{
    // A coarse timer may come up to 5 % of its interval late: 25 ms on the shortest prompt delay.
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
        runUnguarded(m_messageBox, [this] {
            // A copy: the tick may start or stop the timer, which replaces the callback.
            if (const auto tick = m_onTick)
                tick();
        });
    });
}

void QtStepTimer::start(int intervalMs, std::function<void()> onTick)
{
    m_onTick = std::move(onTick);
    m_timer.start(intervalMs);
}

void QtStepTimer::stop()
{
    m_timer.stop();
    m_onTick = nullptr;
}

} // namespace tessarine
