#include "core/model/RandomSource.h"

#include <bit>
#include <chrono>
#include <random>

namespace kelvane {

namespace {

constexpr std::uint64_t Golden = 0x9E3779B97F4A7C15ull;

constexpr std::uint64_t Mix(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

} // namespace

RandomSource::RandomSource(std::uint64_t seed, std::unique_ptr<Clock> clock)
    : m_state(seed), m_clock(std::move(clock))
{}

RandomSource RandomSource::FromEntropy()
{
    std::random_device device;
    const std::uint64_t entropy = (static_cast<std::uint64_t>(device()) << 32) ^ device();
    const auto ticks =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    return RandomSource(entropy ^ Mix(ticks), std::make_unique<SystemClock>());
}

RandomSource RandomSource::Deterministic(std::uint64_t seed)
{
    return RandomSource(seed, std::make_unique<CounterClock>());
}

float RandomSource::Draw()
{
    m_state += Golden;
    // 24 bits fill a float's significand exactly: the result is k / 2^24, < 1.
    return static_cast<float>(Mix(m_state) >> 40) * 0x1.0p-24f;
}

void RandomSource::Reseed()
{
    const auto reading = std::bit_cast<std::uint64_t>(m_clock->SecondsSinceMidnight());
    // Mixing (not xoring in place) means reseeding twice with the same reading
    // moves the state on instead of undoing the first reseed.
    m_state = Mix(m_state ^ Mix(reading + Golden));
}

} // namespace kelvane
