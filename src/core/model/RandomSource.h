#pragma once

#include <cstdint>
#include <memory>

#include "core/model/Clock.h"
#include "core/model/Random.h"

namespace kelvane {

// The program's random source: a splitmix64 sequence whose top 24 bits make
// each single-precision draw. Reseeding folds the clock's reading into the
// current state, so two reseeds at the same instant still lead apart.
class RandomSource final : public Random {
public:
    RandomSource(std::uint64_t seed, std::unique_ptr<Clock> clock);

    // A source seeded from the operating system's entropy and the real clock.
    static RandomSource FromEntropy();
    // A source that starts from seed and reseeds from a counter instead of the
    // clock: the same seed gives the same draws everywhere.
    static RandomSource Deterministic(std::uint64_t seed);

    float Draw() override;
    void Reseed() override;

    std::uint64_t State() const { return m_state; }

private:
    std::uint64_t m_state;
    std::unique_ptr<Clock> m_clock;
};

} // namespace kelvane
