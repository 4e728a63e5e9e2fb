#include "puzzle/GenerationClock.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

namespace lx {
namespace {

TEST(GenerationClock, NoLimitWhileStopped)
{
    GenerationClock clock;
    clock.SetLimitMs(0);
    EXPECT_FALSE(clock.Tick());
    clock.Start();
    EXPECT_TRUE(clock.Tick()) << "a limit of 0 ms is reached at once";
    clock.Stop();
    EXPECT_FALSE(clock.Tick());
}

TEST(GenerationClock, YieldsOncePerTimeSliceNotAtEveryTick)
{
    GenerationClock clock;
    int yields = 0;
    clock.SetYieldHook([&] { ++yields; }, 5);
    clock.SetLimitMs(60);
    QElapsedTimer wall;
    wall.start();
    clock.Start();
    long ticks = 0;
    while (!clock.Tick())
        ++ticks;
    const qint64 elapsed = wall.elapsed();
    EXPECT_GT(ticks, 1000) << "the loop runs at full speed between yields";
    // At most one yield per slice of 5 ms, and at least one in 60 ms.
    EXPECT_GE(yields, 1);
    EXPECT_LE(yields, elapsed / 5 + 1);
}

TEST(GenerationClock, YieldNowCallsTheHookEvenWhenStopped)
{
    GenerationClock clock;
    int yields = 0;
    clock.SetYieldHook([&] { ++yields; });
    clock.YieldNow();
    EXPECT_EQ(yields, 1);
}

} // namespace
} // namespace lx
