#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>

#include "core/model/Clock.h"
#include "core/model/Random.h"
#include "core/model/SplitMix.h"

namespace kelvane {

// The program's random source: a splitmix64 sequence, each 64-bit output
// making two single-precision draws of 24 bits (the top bits first, then the
// next 24). Reseeding folds the clock's reading into the current state, so
// two reseeds at the same instant still lead apart, and drops a draw kept
// from the last output.
class RandomSource final : public Random {
public:
    RandomSource(std::uint64_t seed, std::unique_ptr<Clock> clock);

    // A source seeded from the operating system's entropy and the real clock.
    static RandomSource FromEntropy();
    // A seed of the given number of bits (1 to 64) from the same entropy,
    // for a run that was given none.
    static std::uint64_t EntropySeed(int bits = 64);
    // A source that starts from seed and reseeds from a counter instead of the
    // clock: the same seed gives the same draws everywhere.
    static RandomSource Deterministic(std::uint64_t seed);

    float Draw() override { return Next(); }
    void DrawMany(float* out, std::size_t count) override;
    void Reseed() override;

    std::uint64_t State() const { return m_state; }

    // One reseed as it happened: the state it started from and the clock
    // reading it mixed in. From these a generation can be run again exactly.
    struct ReseedEntry {
        std::uint64_t stateBefore = 0;
        double reading = 0;
    };
    static constexpr std::size_t ReseedLogSize = 12;
    // Starts a fresh log of the next reseeds; once ReseedLogSize have been
    // logged, later ones are not.
    void StartReseedLog() { m_logged = 0; }
    std::span<const ReseedEntry> ReseedLog() const { return {m_log.data(), m_logged}; }

private:
    static constexpr std::uint64_t Golden = SplitMixGolden;

    static constexpr std::uint64_t Mix(std::uint64_t z) { return SplitMix(z); }

    // 24 bits fill a float's significand exactly: the result is k / 2^24, < 1.
    static float ToDraw(std::uint64_t bits) { return static_cast<float>(bits & 0xFFFFFF) * 0x1.0p-24f; }

    float Next()
    {
        if (m_hasSpare) {
            m_hasSpare = false;
            return ToDraw(m_spare);
        }
        m_state += Golden;
        const std::uint64_t z = Mix(m_state);
        m_spare = z >> 16;
        m_hasSpare = true;
        return ToDraw(z >> 40);
    }

    std::uint64_t m_state;
    std::uint64_t m_spare = 0;
    bool m_hasSpare = false;
    std::unique_ptr<Clock> m_clock;
    std::array<ReseedEntry, ReseedLogSize> m_log{};
    std::size_t m_logged = ReseedLogSize;
};

} // namespace kelvane
