#pragma once

#include "access/AccessClock.h"
#include "access/AccessSettings.h"
#include "access/FocusRing.h"
#include "access/PressGuard.h"
#include "access/SwitchScanner.h"

#include <QHash>

namespace tessarine {

// What became of an input event: whether the window should take it for itself (and not pass it
// on to the focused control), and which target, if any, is chosen. A chosen target is judged
// exactly as a click on it.
struct AccessOutcome {
    bool handled = false;
    std::optional<AnswerTarget> chosen;
};

// The learner's ways of answering on the exercise window, apart from its widgets: keyboard, one or
// two switches (keys or mouse buttons), and the guard against accidental presses, over one focus
// ring. The window hands it its key and mouse events and the appearance of sets and rows, and
// runs the judging for whatever is chosen. With every setting at its default, only the keys of
// the keyboard access are taken; clicks and everything else go on as they always did.
class AccessController {
public:
    AccessController(const AccessSettings& settings, const IAnswerTargets& targets, const IClock& clock, IStepTimer& timer);

    // Where to draw the ring; nothing when neither the keyboard nor a switch moves it.
    std::optional<AnswerTarget> ringTarget() const;
    void setOnRingMoved(std::function<void()> onMoved) { m_ring.setOnMoved(std::move(onMoved)); }

    // After every composed set, the first one too.
    void setAppeared();
    // After the attribute row was revealed by a right symbol.
    void rowAppeared();
    // The prompt shows `target` as the answer: a ring shown moves onto it, and scanning rests
    // there a full interval before it steps on.
    void pointTo(AnswerTarget target);

    AccessOutcome keyPressed(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat);
    AccessOutcome keyReleased(int key, bool autoRepeat);
    // Any mouse button pressed or let go in the window; only switch buttons are taken.
    AccessOutcome buttonPressed(Qt::MouseButton button);
    AccessOutcome buttonReleased(Qt::MouseButton button);
    // A mouse or touch press on a picture or "Change set", and the click that follows it: whether
    // the click counts.
    void pointerPressed(AnswerTarget target);
    bool pointerClicked(AnswerTarget target);

private:
    // A press acts on the step switch or chooses a target.
    struct Press {
        bool step = false;
        std::optional<AnswerTarget> target;
    };

    std::optional<Press> switchPress(int key, Qt::MouseButton button) const;
    std::optional<Press> keyboardPress(int key, Qt::KeyboardModifiers modifiers);
    AccessOutcome press(int source, const Press& what);
    AccessOutcome release(int source);
    AccessOutcome perform(const Press& what);

    AccessSettings m_settings;
    const IAnswerTargets& m_targets;
    FocusRing m_ring;
    SwitchScanner m_scanner;
    PressGuard m_guard;
    // Presses that count only when let go, by the key or button that made them.
    QHash<int, Press> m_pending;
};

} // namespace tessarine
