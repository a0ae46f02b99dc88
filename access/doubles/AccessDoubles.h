#pragma once

// A clock and a step timer that move only when the test says so.

#include "access/AccessClock.h"
#include "access/AnswerTarget.h"

#include <QList>
#include <QSet>

#include <algorithm>
#include <limits>

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

// Makes timers that all run on one fake clock: advance() moves the clock and fires every tick that
// falls due, in time order, whichever timer it belongs to (a tick may start or stop any of them).
class FakeTimers final : public ITimerFactory {
public:
    explicit FakeTimers(FakeClock& clock)
        : m_clock(clock)
    {
    }
    ~FakeTimers() override
    {
        for (Timer* timer : std::as_const(m_timers))
            timer->m_owner = nullptr;
    }

    std::unique_ptr<IStepTimer> makeTimer() override { return std::make_unique<Timer>(*this); }

    void advance(qint64 ms)
    {
        const qint64 end = m_clock.now + ms;
        for (;;) {
            Timer* due = nullptr;
            for (Timer* timer : std::as_const(m_timers))
                if (timer->m_onTick && timer->m_nextTick <= end && (!due || timer->m_nextTick < due->m_nextTick))
                    due = timer;
            if (!due)
                break;
            m_clock.now = std::max(m_clock.now, due->m_nextTick);
            due->m_nextTick += due->m_interval;
            const auto tick = due->m_onTick;
            tick();
        }
        m_clock.now = std::max(m_clock.now, end);
    }
    // How many timers are running now.
    int running() const
    {
        return static_cast<int>(
            std::count_if(m_timers.begin(), m_timers.end(), [](const Timer* t) { return bool(t->m_onTick); }));
    }

private:
    class Timer final : public IStepTimer {
    public:
        explicit Timer(FakeTimers& owner)
            : m_owner(&owner)
        {
            owner.m_timers.append(this);
        }
        ~Timer() override
        {
            if (m_owner)
                m_owner->m_timers.removeOne(this);
        }
        void start(int intervalMs, std::function<void()> onTick) override
        {
            m_interval = std::max(intervalMs, 1);
            m_onTick = std::move(onTick);
            m_nextTick = (m_owner ? m_owner->m_clock.now : 0) + intervalMs;
        }
        void stop() override { m_onTick = nullptr; }

        FakeTimers* m_owner;
        int m_interval = 1;
        qint64 m_nextTick = std::numeric_limits<qint64>::max();
        std::function<void()> m_onTick;
    };

    FakeClock& m_clock;
    QList<Timer*> m_timers;
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
