#pragma once

#include "access/AccessClock.h"

#include <QHash>

#include <optional>

namespace tessarine {

// Guards against accidental presses. Presses on the same element within the repeat window count
// once: the window runs from the press that last counted, and a press exactly a window later
// counts again. With a hold time, a press counts when it is let go after being held at least that
// long. Off, every press counts at once, as it always did. The windows outlive a new set: a double
// press on "Change set" must not skip a set.
class PressGuard {
public:
    enum class Verdict { Counts, Ignored, CountsOnRelease };

    PressGuard(const IClock& clock, bool enabled, int repeatWindowMs, int holdMs);

    // `element` names what the press acts on (a picture, "Change set", the step switch). A key's
    // own repeats while it is held are no new presses and must not reach the guard.
    Verdict pressed(int element);
    // True when the press of `element` now let go counts.
    bool released(int element);

private:
    bool withinRepeatWindow(int element, qint64 now) const;

    const IClock& m_clock;
    bool m_enabled;
    int m_repeatWindowMs;
    int m_holdMs;
    QHash<int, qint64> m_lastCounted;
    QHash<int, qint64> m_pressedAt;
};

} // namespace tessarine
