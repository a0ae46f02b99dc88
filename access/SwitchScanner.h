#pragma once

#include "access/AccessClock.h"
#include "access/AccessSettings.h"
#include "access/FocusRing.h"

namespace tessarine {

// Switch scanning over the focus ring. With one switch the ring steps by itself over the visible
// answers and "Change set" every interval and a press chooses where it is; with two switches one
// switch steps and the other chooses. Each new set or row starts again from the first visible
// answer, a full interval before the first step.
class SwitchScanner {
public:
    SwitchScanner(FocusRing& ring, IStepTimer& timer, ScanMode mode, int intervalMs);

    bool active() const { return m_mode != ScanMode::Off; }
    // A set or a row appeared.
    void restart();
    // The step switch (two switches).
    void step();
    // A choose press, on where the ring is. With one switch the ring then rests a full interval,
    // so that the learner sees what the choice did before it moves on.
    void choose();
    // The ring was put where the learner should look: it rests there a full interval.
    void rest();
    // While a choose switch is held down the ring stays where the learner pressed.
    void pause();
    void resume();

private:
    void startTimer();

    FocusRing& m_ring;
    IStepTimer& m_timer;
    ScanMode m_mode;
    int m_intervalMs;
};

} // namespace tessarine
