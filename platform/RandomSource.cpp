#include "platform/RandomSource.h"

#include <chrono>

namespace tessarine {

namespace {

// splitmix64: a small generator whose every output bit depends on every state bit, so mixing a
// clock reading into the state moves the whole sequence.
std::uint64_t splitMix(std::uint64_t& state)
{
    std::uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

} // namespace

ClockRandomSource::ClockRandomSource(std::uint64_t initialState)
    : m_state(initialState)
{
}

void ClockRandomSource::reseedFromClock()
{
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    m_state ^= static_cast<std::uint64_t>(ticks) * 0x2545f4914f6cdd1dULL;
    splitMix(m_state);
}

float ClockRandomSource::nextSingle()
{
    // 24 random bits: exactly the values a float holds in [0, 1), never 1 itself.
    return static_cast<float>(splitMix(m_state) >> 40) * (1.0f / 16777216.0f);
}

} // namespace tessarine
