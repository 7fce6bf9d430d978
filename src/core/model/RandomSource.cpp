#include "core/model/RandomSource.h"

#include <bit>
#include <chrono>

#include "platform/RandomBits.h"

namespace kelvane {

RandomSource::RandomSource(std::uint64_t seed, std::unique_ptr<Clock> clock)
    : m_state(seed), m_clock(std::move(clock))
{}

RandomSource RandomSource::FromEntropy()
{
    return RandomSource(EntropySeed(), std::make_unique<SystemClock>());
}

std::uint64_t RandomSource::EntropySeed(int bits)
{
    // Without entropy from the system, the clock's ticks alone seed.
    const std::uint64_t entropy = RandomBits();
    const auto ticks =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    const std::uint64_t seed = entropy ^ Mix(ticks);
    return bits >= 64 ? seed : seed & ((std::uint64_t{1} << bits) - 1);
}

RandomSource RandomSource::Deterministic(std::uint64_t seed)
{
    return RandomSource(seed, std::make_unique<CounterClock>());
}

void RandomSource::DrawMany(float* out, std::size_t count)
{
    std::size_t i = 0;
    if (count > 0 && m_hasSpare)
        out[i++] = Next();
    // Whole outputs, two draws each, without the bookkeeping of Next.
    for (; i + 1 < count; i += 2) {
        m_state += Golden;
        const std::uint64_t z = Mix(m_state);
        out[i] = ToDraw(z >> 40);
        out[i + 1] = ToDraw(z >> 16);
    }
    if (i < count)
        out[i] = Next();
}

void RandomSource::Reseed()
{
    const double seconds = m_clock->SecondsSinceMidnight();
    if (m_logged < m_log.size())
        m_log[m_logged++] = {m_state, seconds};
    const auto reading = std::bit_cast<std::uint64_t>(seconds);
    // Mixing (not xoring in place) means reseeding twice with the same reading
    // moves the state on instead of undoing the first reseed.
    m_state = Mix(m_state ^ Mix(reading + Golden));
    m_hasSpare = false;
}

} // namespace kelvane
