#pragma once

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "core/model/Random.h"

namespace kelvane::test {

// A random source that hands out the draws a test chose, in order, and keeps
// a log of what was asked of it: 'D' for a draw, 'R' for a reseed. Running out
// of draws throws, so a test notices a roll it did not expect.
class ScriptedRandom final : public Random {
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<float> draws) : m_draws(draws) {}

    ScriptedRandom& Push(float u) { return Push(1, u); }
    ScriptedRandom& Push(std::size_t count, float u)
    {
        m_draws.resize(m_draws.size() + count, u);
        return *this;
    }
    void Push(std::initializer_list<float> draws)
    {
        for (const float u : draws)
            m_draws.push_back(u);
    }

    float Draw() override
    {
        if (m_next >= m_draws.size())
            throw std::runtime_error("scripted draws ran out after " + std::to_string(m_next));
        m_log += 'D';
        return m_draws[m_next++];
    }
    void Reseed() override { m_log += 'R'; }

    std::size_t Remaining() const { return m_draws.size() - m_next; }
    const std::string& Log() const { return m_log; }

private:
    std::vector<float> m_draws;
    std::size_t m_next = 0;
    std::string m_log;
};

// The draw that makes a roll of 1 to n come out as k: the middle of its band.
inline float ForRoll(int k, int n)
{
    return static_cast<float>((k - 0.5) / n);
}

// The smallest draw u in [0, 1) for which holds(u) is true, where holds is
// false below some draw and true from it on. Draws are searched by their bit
// patterns, which order non-negative floats.
template <typename Predicate> float FirstDrawWhere(Predicate holds)
{
    std::uint32_t low = 0;                          // bits of 0.0f
    auto high = std::bit_cast<std::uint32_t>(1.0f); // one past the last draw
    while (low < high) {
        const std::uint32_t mid = low + (high - low) / 2;
        if (holds(std::bit_cast<float>(mid)))
            high = mid;
        else
            low = mid + 1;
    }
    return std::bit_cast<float>(low);
}

// The first draw for which a roll of 1 to n gives k or more, computed the way
// the generator rolls.
inline float FirstDrawOfRoll(int k, int n)
{
    return FirstDrawWhere([&](float u) { return static_cast<int>(n * static_cast<double>(u) + 1.0) >= k; });
}

// The draw just below u.
inline float Before(float u)
{
    return std::nextafter(u, 0.0f);
}

// Checks a roll table at its edges: for each band of rolls (given by its last
// roll, in order), the first and the last draw that land in the band must
// give the band's result.
template <typename Result, typename Outcome>
void ExpectBands(int n, const std::vector<std::pair<int, Result>>& bands, Outcome outcome)
{
    int first = 1;
    for (const auto& [last, expected] : bands) {
        const float low = FirstDrawOfRoll(first, n);
        const float high = last == n ? Before(1.0f) : Before(FirstDrawOfRoll(last + 1, n));
        EXPECT_EQ(outcome(low), expected) << "first draw of rolls " << first << " to " << last << " of " << n;
        EXPECT_EQ(outcome(high), expected) << "last draw of rolls " << first << " to " << last << " of " << n;
        first = last + 1;
    }
    EXPECT_EQ(first, n + 1) << "bands do not cover 1 to " << n;
}

} // namespace kelvane::test
