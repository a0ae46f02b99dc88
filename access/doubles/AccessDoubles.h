#pragma once

// A clock and a step timer that move only when the test says so.

#include "access/AccessClock.h"
#include "access/AnswerTarget.h"

#include <QSet>

namespace tessarine::doubles {

class FakeClock final : public IClock {
public:
    qint64 nowMs() const override { return now; }
    qint64 now = 0;
};

// Ticks when the test advances the fake clock past the next tick.
class FakeStepTimer final : public IStepTimer {
public:
    explicit FakeStepTimer(FakeClock& clock)
        : m_clock(clock)
    {
    }
    void start(int intervalMs, std::function<void()> onTick) override
    {
        m_interval = intervalMs;
        m_onTick = std::move(onTick);
        m_nextTick = m_clock.now + intervalMs;
        ++starts;
    }
    void stop() override { m_onTick = nullptr; }
    bool running() const { return static_cast<bool>(m_onTick); }

    void advance(qint64 ms)
    {
        const qint64 end = m_clock.now + ms;
        while (m_onTick && m_nextTick <= end) {
            m_clock.now = m_nextTick;
            m_nextTick += m_interval;
            const auto tick = m_onTick;
            tick();
        }
        m_clock.now = end;
    }

    int starts = 0;

private:
    FakeClock& m_clock;
    int m_interval = 0;
    qint64 m_nextTick = 0;
    std::function<void()> m_onTick;
};

// The visible targets, as the test sets them.
class FakeTargets final : public IAnswerTargets {
public:
    FakeTargets()
    {
        for (AnswerTarget target : AllTargets)
            visible.insert(target);
    }
    bool isTargetVisible(AnswerTarget target) const override { return visible.contains(target); }
    QSet<AnswerTarget> visible;
};

} // namespace tessarine::doubles
