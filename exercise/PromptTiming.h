#pragma once

#include "exercise/AnswerLog.h"
#include "teaching/TeachingDraw.h"
#include "teaching/TeachingSettings.h"

#include <QString>

#include <functional>
#include <optional>

namespace tessarine {

class IStepTimer;

// When the answer of the row being answered is shown: at once while the row's target is within
// its errorless trials, after a wrong answer when the learner's settings ask for it, or when the
// row has had no answer for the prompt delay (counted from the row's start or its last answer).
// The prompt ends with the row. Off (the default settings), nothing is ever shown.
class PromptTiming {
public:
    PromptTiming(const TeachingSettings& settings, const TeachingHistory& history, IStepTimer& timer,
                 std::function<void(AnswerLog::Row)> onShow, std::function<void()> onHide);

    // The row of the set with the object picture `object` is the one to answer from now on; the
    // row before it ends.
    void rowStarted(AnswerLog::Row row, const QString& object);
    // The row being answered ends: answered right, the set changed, the window closed.
    void rowEnded();
    // A wrong answer in the row being answered.
    void wrongAnswer();
    // The first choice in a row of the set with `object`: one more trial of its target.
    void firstChoice(AnswerLog::Row row, const QString& object);
    // `covered` tells whether something covers the window (the reward): a delay that comes due
    // then does not show, and restartDelay() starts it again once the window is uncovered.
    void setCovered(std::function<bool()> covered) { m_covered = std::move(covered); }
    void restartDelay();

    std::optional<AnswerLog::Row> row() const { return m_row; }
    bool showing() const { return m_showing; }

private:
    void startDelay();
    void show();

    TeachingSettings m_settings;
    ErrorlessTrials m_errorless;
    IStepTimer& m_timer;
    std::function<void(AnswerLog::Row)> m_onShow;
    std::function<void()> m_onHide;
    std::function<bool()> m_covered;
    std::optional<AnswerLog::Row> m_row;
    bool m_showing = false;
};

} // namespace tessarine
