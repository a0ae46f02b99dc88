#pragma once

namespace tessarine {

// The program's single pseudo-random generator.
class IRandomSource {
public:
    virtual ~IRandomSource() = default;
    // Mixes the clock into the current state, so that re-seeding within one clock tick does not
    // restart the same sequence.
    virtual void reseedFromClock() = 0;
    // A uniform single-precision value r with 0 <= r < 1.
    virtual float nextSingle() = 0;
};

} // namespace tessarine
