#include "access/SwitchScanner.h"

namespace tessarine {

SwitchScanner::SwitchScanner(FocusRing& ring, IStepTimer& timer, ScanMode mode, int intervalMs)
    : m_ring(ring)
    , m_timer(timer)
    , m_mode(mode)
    , m_intervalMs(intervalMs)
{
}

void SwitchScanner::restart()
{
    if (!active())
        return;
    m_ring.moveToFirstAnswer();
    startTimer();
}

void SwitchScanner::step()
{
    if (active())
        m_ring.next();
}

void SwitchScanner::choose() { startTimer(); }

void SwitchScanner::rest() { startTimer(); }

void SwitchScanner::pause() { m_timer.stop(); }

void SwitchScanner::resume() { startTimer(); }

void SwitchScanner::startTimer()
{
    if (m_mode == ScanMode::OneSwitch)
        m_timer.start(m_intervalMs, [this] { m_ring.next(); });
}

} // namespace tessarine
