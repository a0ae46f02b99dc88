#include "exercise/PromptTiming.h"

#include "access/AccessClock.h"

#include <utility>

namespace tessarine {

PromptTiming::PromptTiming(const TeachingSettings& settings, const TeachingHistory& history, IStepTimer& timer,
                           std::function<void(AnswerLog::Row)> onShow, std::function<void()> onHide)
    : m_settings(settings)
    , m_errorless(settings.errorlessTrials, history)
    , m_timer(timer)
    , m_onShow(std::move(onShow))
    , m_onHide(std::move(onHide))
{
}

void PromptTiming::rowStarted(AnswerLog::Row row, const QString& object)
{
    rowEnded();
    m_row = row;
    if (m_errorless.promptAtOnce(row, object))
        show();
    else
        startDelay();
}

void PromptTiming::rowEnded()
{
    m_timer.stop();
    m_row.reset();
    if (std::exchange(m_showing, false))
        m_onHide();
}

void PromptTiming::wrongAnswer()
{
    if (!m_row || m_showing)
        return;
    if (m_settings.promptAfterWrong)
        show();
    else
        startDelay();
}

void PromptTiming::firstChoice(AnswerLog::Row row, const QString& object) { m_errorless.trialDone(row, object); }

void PromptTiming::restartDelay()
{
    if (m_row && !m_showing)
        startDelay();
}

void PromptTiming::startDelay()
{
    if (m_settings.promptDelayMs <= 0)
        return;
    // The tick belongs to this row: a row that ends stops the timer before it can come.
    m_timer.start(m_settings.promptDelayMs, [this] {
        m_timer.stop();
        if (m_row && !m_showing && !(m_covered && m_covered()))
            show();
    });
}

void PromptTiming::show()
{
    m_timer.stop();
    m_showing = true;
    m_onShow(*m_row);
}

} // namespace tessarine
