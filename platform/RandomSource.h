#pragma once

#include "core/RandomSource.h"

#include <cstdint>

namespace tessarine {

// splitmix64 re-seeded by mixing in the clock.
class ClockRandomSource final : public IRandomSource {
public:
    explicit ClockRandomSource(std::uint64_t initialState = 0x853c49e6748fea9bULL);
    void reseedFromClock() override;
    float nextSingle() override;

private:
    std::uint64_t m_state;
};

} // namespace tessarine
