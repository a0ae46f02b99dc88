#pragma once

#include "access/AnswerTarget.h"
#include "exercise/ExerciseView.h"
#include "exercise/RewardSchedule.h"

namespace tessarine {

// What the running exercise shows on its window beyond the set itself: the attribute row's state,
// the prompt's marks, the ring of the keyboard or switches, the tokens and the reward. The window
// implements it over its widgets; tests can implement it without any.
class IExerciseScreen : public IExerciseView, public IAnswerTargets, public IRewardScreen {
public:
    virtual bool isAttributeRowVisible() const = 0;
    // The prompt in `row`: the other element drawn faint, element `rightElement` framed.
    virtual void showPrompt(Row row, int rightElement) = 0;
    virtual void hidePrompt() = 0;
    // The ring is to be drawn where the session's ringTarget() now says.
    virtual void ringMoved() = 0;
};

} // namespace tessarine
