#pragma once

#include <cstdint>

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

class ClockRandomSource final : public IRandomSource {
public:
    explicit ClockRandomSource(std::uint64_t initialState = 0x853c49e6748fea9bULL);
    void reseedFromClock() override;
    float nextSingle() override;

private:
    std::uint64_t m_state;
};

} // namespace tessarine
