#pragma once

#include "access/AnswerTarget.h"

#include <functional>
#include <optional>

namespace tessarine {

// The thick ring that shows which picture (or "Change set") a key or a switch would choose. It
// only ever rests on a visible target and moves over the visible ones in a circle; the window
// draws it wherever current() says, and is told through the moved callback.
class FocusRing {
public:
    explicit FocusRing(const IAnswerTargets& targets);

    std::optional<AnswerTarget> current() const { return m_current; }
    void setOnMoved(std::function<void()> onMoved) { m_onMoved = std::move(onMoved); }

    void next();
    void previous();
    // Where a new set puts it for the keyboard, so that Enter still changes the set.
    void moveToChangeSet();
    // Where scanning starts: the first visible answer picture, or "Change set" when none is.
    void moveToFirstAnswer();
    // Moves to `target` when it is visible; answers whether it did.
    bool moveTo(AnswerTarget target);

private:
    void step(int direction);
    void place(std::optional<AnswerTarget> target);

    const IAnswerTargets& m_targets;
    std::optional<AnswerTarget> m_current;
    std::function<void()> m_onMoved;
};

} // namespace tessarine
