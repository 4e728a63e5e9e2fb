#include "puzzle/Random.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace lx {
namespace {

TEST(RandomSource, SameSeedSameSequence)
{
    RandomSource a(42);
    RandomSource b(42);
    RandomSource c(43);
    std::vector<double> va, vb, vc;
    for (int i = 0; i < 100; ++i) {
        va.push_back(a.Next());
        vb.push_back(b.Next());
        vc.push_back(c.Next());
    }
    EXPECT_EQ(va, vb);
    EXPECT_NE(va, vc);
    a.Seed(42);
    EXPECT_EQ(a.Next(), va.front());
}

TEST(RandomSource, DrawsStayInTheirRangesAndReachBothEnds)
{
    RandomSource r(7);
    std::set<int> seen;
    for (int i = 0; i < 5000; ++i) {
        const double x = r.Next();
        ASSERT_GE(x, 0.0);
        ASSERT_LT(x, 1.0);
        const int v = r.RandomInt(-3, 4);
        ASSERT_GE(v, -3);
        ASSERT_LE(v, 4);
        seen.insert(v);
        const int b = r.Below(6);
        ASSERT_GE(b, 0);
        ASSERT_LT(b, 6);
    }
    EXPECT_EQ(seen.size(), 8u);
    EXPECT_EQ(r.RandomInt(5, 5), 5);
    EXPECT_EQ(r.Below(0), 0);
}

TEST(RandomSource, CoinTossIsFair)
{
    RandomSource r(11);
    int heads = 0;
    const int n = 20000;
    for (int i = 0; i < n; ++i)
        heads += r.CoinToss() ? 1 : 0;
    EXPECT_NEAR(double(heads) / n, 0.5, 0.02);
}

} // namespace
} // namespace lx
