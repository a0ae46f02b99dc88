#include "access/PressGuard.h"

namespace tessarine {

PressGuard::PressGuard(const IClock& clock, bool enabled, int repeatWindowMs, int holdMs)
    : m_clock(clock)
    , m_enabled(enabled)
    , m_repeatWindowMs(repeatWindowMs)
    , m_holdMs(holdMs)
{
}

PressGuard::Verdict PressGuard::pressed(int element)
{
    if (!m_enabled)
        return Verdict::Counts;
    const qint64 now = m_clock.nowMs();
    if (m_holdMs > 0) {
        m_pressedAt.insert(element, now);
        return Verdict::CountsOnRelease;
    }
    if (withinRepeatWindow(element, now))
        return Verdict::Ignored;
    m_lastCounted.insert(element, now);
    return Verdict::Counts;
}

bool PressGuard::released(int element)
{
    if (!m_enabled || m_holdMs <= 0)
        return false;
    const auto pressed = m_pressedAt.constFind(element);
    if (pressed == m_pressedAt.constEnd())
        return false;
    const qint64 pressedAt = *pressed;
    m_pressedAt.erase(pressed);
    const qint64 now = m_clock.nowMs();
    if (now - pressedAt < m_holdMs || withinRepeatWindow(element, pressedAt))
        return false;
    m_lastCounted.insert(element, pressedAt);
    return true;
}

bool PressGuard::withinRepeatWindow(int element, qint64 now) const
{
    const auto last = m_lastCounted.constFind(element);
    return last != m_lastCounted.constEnd() && now - *last < m_repeatWindowMs;
}

} // namespace tessarine
