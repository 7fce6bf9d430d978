#pragma once

#include <initializer_list>
#include <stdexcept>
#include <string>
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

    void Push(float u) { m_draws.push_back(u); }
    void Push(std::initializer_list<float> draws) { m_draws.insert(m_draws.end(), draws); }

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

} // namespace kelvane::test
