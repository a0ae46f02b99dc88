#pragma once

#include "access/AccessClock.h"
#include "access/AccessController.h"
#include "access/AccessSettings.h"
#include "exercise/AnswerChecker.h"
#include "exercise/AnswerLog.h"
#include "exercise/ExerciseScreen.h"
#include "exercise/PromptTiming.h"
#include "exercise/RewardSchedule.h"
#include "exercise/SetComposer.h"
#include "platform/Platform.h"
#include "teaching/TeachingDraw.h"
#include "teaching/TeachingSettings.h"

#include <array>
#include <memory>
#include <optional>

namespace tessarine {

class Module1;
class PictureDecoder;
class SpokenCaption;

// What a learner brings to the exercise beyond the options: their records, their ways of answering
// and the spoken caption. The defaults leave the window exactly as designed.
struct ExerciseAids {
    AnswerLog* log = nullptr;
    AccessSettings access;
    SpokenCaption* caption = nullptr;
    // How the learner is taught and what their records say of their targets.
    TeachingSettings teaching{};
    TeachingHistory history{};
};

// The running exercise apart from its window: it composes and judges the sets, takes the learner's
// keys, switches and clicks, tells the answer log what happened (from what each set put on the
// window, never read back from it), cues the spoken caption, and teaches: the objects drawn among
// the learner's targets, the prompt in the row being answered, a correction set after a wrong
// answer, tokens and the reward. The window forwards its events here and shows what it is told
// through IExerciseScreen. Time comes from the clock and the timers it is given.
class ExerciseSession final : private IExerciseView, private IRewardScreen {
public:
    ExerciseSession(Module1& module, const Platform& platform, PictureDecoder& decoder, const ExerciseAids& aids,
                    IExerciseScreen& screen, const IClock& clock, ITimerFactory& timers);
    ~ExerciseSession() override;
    ExerciseSession(const ExerciseSession&) = delete;
    ExerciseSession& operator=(const ExerciseSession&) = delete;

    // Fills the three picture lists and prepares the teaching and the rewards for them.
    void load();
    // Shows the next set; an error ends the set where it happened and passes on.
    void showNextSet();
    // The window's boxes changed size: the next set is decoded to fit them.
    void boxesResized() { m_composer.boxesResized(); }
    bool nextSetReady() const { return m_composer.nextSetReady(); }

    // The learner's input, as the access rules see it: whether the window takes the event, and
    // what is chosen, to be judged by perform(). While the reward shows, every press is taken and
    // does nothing.
    AccessOutcome keyPressed(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat);
    AccessOutcome keyReleased(int key, bool autoRepeat);
    AccessOutcome buttonPressed(Qt::MouseButton button);
    AccessOutcome buttonReleased(Qt::MouseButton button);
    void pointerPressed(AnswerTarget target);
    // A click on a picture or "Change set", judged when the access rules let it count.
    void pointerClicked(AnswerTarget target);
    void perform(const AccessOutcome& outcome);

    void windowClosed();

    std::optional<AnswerTarget> ringTarget() const { return m_access.ringTarget(); }
    // The row whose answer is shown, when the prompt shows.
    std::optional<Row> promptedRow() const;

private:
    // What the learner did in one row of the set on screen.
    struct RowState {
        bool chosen = false;     // had its first choice
        bool firstRight = false; // and it was the right one
        bool answeredRight = false;
    };

    void choose(AnswerTarget target);
    void answer(Row row, int index);
    void wrongAnswer();
    // Starts the prompt timing of the first row still to be answered, if any.
    void startNextRow();
    bool rightAtFirstTry() const;
    bool rewardShowing() const { return m_reward && m_reward->showing(); }
    void reportNoTargets();

    // IExerciseView, for the composer and the checker: the set goes to the screen; its start and
    // end, and the attribute row's reveal, are the session's business.
    void setObjectPicture(const QImage& picture, const QString& sourceName) override;
    void setCaption(const QString& caption) override;
    void setAnswerPicture(Row row, int index, const QImage& picture, const QString& sourceName) override;
    void clearAnswerPicture(Row row, int index) override;
    QString tag(Row row, int index) const override;
    void setTag(Row row, int index, const QString& tag) override;
    void setAttributeRowVisible(bool visible) override;
    QSize objectDecodeSize() const override;
    QSize answerDecodeSize() const override;
    void setStarting() override;
    void setShown(const AnswerLog::Set& set, const std::exception_ptr& failure) override;

    // IRewardScreen, for the reward schedule: the screen shows it; when it is gone the prompt's
    // delay counts again.
    void setTokens(int goal, int filled) override;
    void showReward(const QImage& picture) override;
    void hideReward() override;

    Module1& m_module;
    Platform m_platform;
    ExerciseAids m_aids;
    IExerciseScreen& m_screen;
    std::unique_ptr<IStepTimer> m_scanTimer;
    std::unique_ptr<IStepTimer> m_promptTimer;
    std::unique_ptr<IStepTimer> m_rewardTimer;
    SetComposer m_composer;
    AnswerChecker m_checker;
    AccessController m_access;
    PromptTiming m_prompt;
    std::unique_ptr<TeachingDraw> m_draw;
    std::unique_ptr<RewardSchedule> m_reward;

    AnswerLog::Set m_set; // the set on screen, as planned
    bool m_setFailed = false;
    std::array<RowState, 2> m_rows;
    bool m_wrongInSet = false;
    bool m_showingSet = false;
    bool m_setOnScreen = false;
    bool m_closed = false;
    // How the set on screen ends when the next one comes: by "Change set" or by a right attribute.
    AnswerLog::SetEnd m_nextEnd = AnswerLog::SetEnd::NextInSequence;
};

} // namespace tessarine
