#include "access/AccessClock.h"

#include "core/ErrorGuard.h"

namespace tessarine {

QtStepTimer::QtStepTimer(IMessageBox& messageBox)
    : m_messageBox(messageBox) {
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
        runUnguarded(m_messageBox, [this] {
            if (m_onTick)
                m_onTick();
        });
    });
}

void QtStepTimer::start(int intervalMs, std::function<void()> onTick) {
    m_onTick = std::move(onTick);
    m_timer.start(intervalMs);
}

void QtStepTimer::stop() {
    m_timer.stop();
    m_onTick = nullptr;
}

} // namespace tessarine
