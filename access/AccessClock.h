#pragma once

#include <QElapsedTimer>
#include <QTimer>

#include <functional>
#include <memory>

namespace tessarine {

class IMessageBox;

// Milliseconds from any fixed start; only differences are used.
class IClock {
public:
    virtual ~IClock() = default;
    virtual qint64 nowMs() const = 0;
};

// A repeating tick, for the ring that steps by itself. start() replaces any earlier start, so the
// next tick comes a full interval later.
class IStepTimer {
public:
    virtual ~IStepTimer() = default;
    virtual void start(int intervalMs, std::function<void()> onTick) = 0;
    virtual void stop() = 0;
};

// Makes the timers of one exercise window: the ring's steps, the prompt's delay, the reward's end.
// Each timer runs on its own; a test's factory drives them all on one fake clock.
class ITimerFactory {
public:
    virtual ~ITimerFactory() = default;
    virtual std::unique_ptr<IStepTimer> makeTimer() = 0;
};

// A monotonic clock.
class SteadyClock final : public IClock {
public:
    SteadyClock() { m_elapsed.start(); }
    qint64 nowMs() const override { return m_elapsed.elapsed(); }

private:
    QElapsedTimer m_elapsed;
};

// Over QTimer. A tick comes from the event loop, so whatever it throws is reported there.
class QtStepTimer final : public IStepTimer {
public:
    explicit QtStepTimer(IMessageBox& messageBox);
    void start(int intervalMs, std::function<void()> onTick) override;
    void stop() override;

private:
    IMessageBox& m_messageBox;
    QTimer m_timer;
    std::function<void()> m_onTick;
};

// QtStepTimers reporting through `messageBox`.
class QtTimerFactory final : public ITimerFactory {
public:
    explicit QtTimerFactory(IMessageBox& messageBox)
        : m_messageBox(messageBox)
    {
    }
    std::unique_ptr<IStepTimer> makeTimer() override { return std::make_unique<QtStepTimer>(m_messageBox); }

private:
    IMessageBox& m_messageBox;
};

} // namespace tessarine
