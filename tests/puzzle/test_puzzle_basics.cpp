// The building blocks of a generation: the seeded random source, the clock
// that ends and slices it, and the puzzle state's grids and dimensions.
#include "PuzzleTestSupport.h"

#include "puzzle/GenerationClock.h"
#include "puzzle/Random.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace lx::test {
namespace {

TEST(RandomSource, SameSeedSameSequenceDrawsInRangeAndFair)
{
    RandomSource a(42), b(42), c(43);
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

    RandomSource r(7);
    std::set<int> seen;
    int heads = 0;
    const int n = 20000;
    for (int i = 0; i < n; ++i) {
        const double x = r.Next();
        ASSERT_TRUE(x >= 0.0 && x < 1.0) << x;
        const int v = r.RandomInt(-3, 4);
        ASSERT_TRUE(v >= -3 && v <= 4) << v;
        seen.insert(v);
        const int below = r.Below(6);
        ASSERT_TRUE(below >= 0 && below < 6) << below;
        heads += r.CoinToss() ? 1 : 0;
    }
    EXPECT_EQ(seen.size(), 8u) << "both ends are reached";
    EXPECT_EQ(r.RandomInt(5, 5), 5);
    EXPECT_EQ(r.Below(0), 0);
    EXPECT_NEAR(double(heads) / n, 0.5, 0.02);
}

TEST(GenerationClock, LimitOnlyWhileRunningAndOneYieldPerSlice)
{
    GenerationClock clock;
    int yields = 0;
    clock.SetYieldHook([&] { ++yields; }, 5);
    clock.SetLimitMs(0);
    EXPECT_FALSE(clock.Tick());
    clock.Start();
    EXPECT_TRUE(clock.Tick()) << "a limit of 0 ms is reached at once";
    clock.Stop();
    EXPECT_FALSE(clock.Tick());
    yields = 0;
    clock.YieldNow();
    EXPECT_EQ(yields, 1) << "even when stopped";

    yields = 0;
    clock.SetLimitMs(60);
    QElapsedTimer wall;
    wall.start();
    clock.Start();
    long ticks = 0;
    while (!clock.Tick())
        ++ticks;
    const qint64 elapsed = wall.elapsed();
    EXPECT_GT(ticks, 1000) << "the loop runs at full speed between yields";
    EXPECT_GE(yields, 1);
    EXPECT_LE(yields, elapsed / 5 + 1) << "at most one yield per slice of 5 ms";
}

TEST(PuzzleState, ClearingEmptiesGridsTablesAndTheHighlight)
{
    PuzzleState s;
    s.LetterGrid.at(30, 30) = u("A");
    s.WorkGrid.at(0, 0) = u("b");
    s.CodeGrid.at(3, 4) = 17;
    s.WordHighlighted = true;
    s.ClearGrids();
    EXPECT_FALSE(s.WordHighlighted);
    for (int y = 0; y < PuzzleState::kSide; ++y) {
        for (int x = 0; x < PuzzleState::kSide; ++x) {
            ASSERT_TRUE(s.LetterGrid.at(x, y).isEmpty());
            ASSERT_TRUE(s.WorkGrid.at(x, y).isEmpty());
            ASSERT_EQ(s.CodeGrid.at(x, y), 0);
        }
    }
    s.LetterCounts[3] = 4;
    s.LetterCodes[25] = 9;
    s.WordHighlighted = true;
    s.ClearLetterTables();
    EXPECT_FALSE(s.WordHighlighted);
    for (int k = 0; k < 26; ++k)
        EXPECT_TRUE(s.LetterCounts[k] == 0 && s.LetterCodes[k] == 0) << k;
}

TEST(PuzzleState, GridDimensionsAndCaptionOfEachGameType)
{
    struct Case {
        GameType type;
        int words, size, last, rowsPerColumn;
    };
    // A word search leaves the rows per column alone (7 stays 7).
    for (const Case& c : { Case { GameType::WordSearch, 0, 13, 12, 7 }, Case { GameType::FillIn, 0, 20, 19, -1 },
                           Case { GameType::CodedWords, 10, 9, 30, 0 }, Case { GameType::CodedWords, 11, 10, 30, 6 },
                           Case { GameType::CodedWords, 12, 11, 30, 6 } }) {
        PuzzleState s;
        s.RowsPerColumn = 7;
        s.gameType = c.type;
        s.WordCount = c.words;
        s.SetGridDimensions(13);
        EXPECT_EQ(s.GridSize, c.size) << c.words;
        EXPECT_EQ(s.GridLast, c.last) << c.words;
        if (c.rowsPerColumn >= 0) {
            EXPECT_EQ(s.RowsPerColumn, c.rowsPerColumn) << c.words;
        }
    }
    EXPECT_EQ(GameTypeCaption(GameType::WordSearch), u("Lexigrille"));
    EXPECT_EQ(GameTypeCaption(GameType::FillIn), u("Mots casés"));
    EXPECT_EQ(GameTypeCaption(GameType::CodedWords), u("Mots codés"));
}

} // namespace
} // namespace lx::test
