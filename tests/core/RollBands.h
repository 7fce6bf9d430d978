#pragma once

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "ScriptedRandom.h"

namespace kelvane::test {

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
