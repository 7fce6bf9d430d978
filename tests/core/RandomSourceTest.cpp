#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "core/model/RandomSource.h"

namespace kelvane {
namespace {

// A clock the test sets by hand.
class ManualClock final : public Clock {
public:
    explicit ManualClock(const double* seconds) : m_seconds(seconds) {}
    double SecondsSinceMidnight() override { return *m_seconds; }

private:
    const double* m_seconds;
};

// Draws spread evenly over [0, 1): every roll table's chances rest on that.
TEST(RandomSource, DrawsCoverTheUnitIntervalEvenlyAndDrawManyMatchesDraw)
{
    RandomSource single = RandomSource::Deterministic(1), many = RandomSource::Deterministic(1);
    float low = 1, high = 0;
    int twentieths[20] = {};
    for (int round = 0; round < 20000; ++round) {
        float batch[51];
        many.DrawMany(batch, round % 2 == 0 ? 26 : 51); // odd and even counts
        for (int i = 0; i < (round % 2 == 0 ? 26 : 51); ++i) {
            const float u = single.Draw();
            ASSERT_EQ(batch[i], u) << round << " " << i;
            ASSERT_GE(u, 0.0f);
            ASSERT_LT(u, 1.0f);
            low = std::min(low, u);
            high = std::max(high, u);
            ++twentieths[static_cast<int>(u * 20)];
        }
    }
    EXPECT_LT(low, 0.0001f);
    EXPECT_GT(high, 0.9999f);
    // 770,000 draws: a twentieth holds 38,500 give or take 190.
    for (const int count : twentieths)
        EXPECT_NEAR(count, 38500, 800);
}

TEST(RandomSource, ReseedMixesTheClockWithoutRestarting)
{
    double now = 3600.5;
    RandomSource a(7, std::make_unique<ManualClock>(&now)), b(7, std::make_unique<ManualClock>(&now));
    a.Reseed(), b.Reseed();
    EXPECT_EQ(a.Draw(), b.Draw());

    // Reseeding again and again at one instant never comes back to a state.
    std::set<std::uint64_t> seen{a.State()};
    for (int i = 0; i < 10000; ++i) {
        a.Reseed();
        ASSERT_TRUE(seen.insert(a.State()).second) << i;
    }
    // Another reading leads elsewhere.
    RandomSource c(7, std::make_unique<ManualClock>(&now)), d(7, std::make_unique<ManualClock>(&now));
    c.Reseed();
    now += 1.0;
    d.Reseed();
    EXPECT_NE(c.State(), d.State());
}

} // namespace
} // namespace kelvane
