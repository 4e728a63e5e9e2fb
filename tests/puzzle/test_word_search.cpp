// Word-search placement: every word lies in its grid, reads correctly, in an
// allowed direction; crossings share a letter and never overwrite one.
#include "PuzzleTestSupport.h"

#include "words/WordForms.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

namespace lx::test {
namespace {

// Checks every invariant of a finished word search, the filler included: it
// spells no listed word a second time and no unfit word.
void ExpectSoundWordSearch(const PuzzleState& s, const QStringList& words, const std::set<int>& allowed,
                           const QStringList& unfit)
{
    EXPECT_EQ(UnwantedReadings(s, unfit), QStringList());
    ASSERT_EQ(s.WordEntries.size(), words.size());
    Grid<int> covered;
    for (int i = 0; i < s.WordEntries.size(); ++i) {
        const WordEntry& e = s.WordEntries[i];
        const QString grid = ToGridForm(s.WordsByLength[i].text);
        EXPECT_EQ(e.gridText, grid);
        EXPECT_TRUE(allowed.count(e.direction)) << "direction " << e.direction;
        const DirectionStep step = kDirectionSteps[e.direction];
        for (int k = 0; k < grid.size(); ++k) {
            const int x = e.x + k * step.dx;
            const int y = e.y + k * step.dy;
            ASSERT_TRUE(x >= 0 && y >= 0 && x < s.GridSize && y < s.GridSize) << grid.toStdString();
            EXPECT_EQ(s.LetterGrid.at(x, y), QString(grid[k])) << grid.toStdString() << " letter " << k;
            covered.at(x, y) = 1;
        }
    }
    // No word lies wholly on the cells of another one: each can be found on its own.
    for (int i = 0; i < s.WordEntries.size(); ++i) {
        for (int j = 0; j < s.WordEntries.size(); ++j) {
            if (i != j && !s.WordEntries[i].gridText.isEmpty()) {
                EXPECT_FALSE(CellsOf(s.WordEntries[j]).contains(CellsOf(s.WordEntries[i])))
                    << s.WordEntries[i].gridText.toStdString() << " inside " << s.WordEntries[j].gridText.toStdString();
            }
        }
    }
    const QSet<QChar> letters = LettersOf(words);
    for (int y = 0; y < PuzzleState::kSide; ++y) {
        for (int x = 0; x < PuzzleState::kSide; ++x) {
            const QString& cell = s.LetterGrid.at(x, y);
            if (x >= s.GridSize || y >= s.GridSize) {
                EXPECT_TRUE(cell.isEmpty()) << "outside the grid at " << x << "," << y;
                continue;
            }
            ASSERT_EQ(cell.size(), 1) << x << "," << y;
            if (covered.at(x, y)) {
                EXPECT_FALSE(cell[0].isLower()) << "word letters are upper case (or digits)";
            } else {
                EXPECT_TRUE(cell[0].isLower()) << "a filler letter is lower case";
                EXPECT_TRUE(letters.contains(cell[0].toUpper())) << "filler only from the words' letters";
            }
        }
    }
}

// Every case is generated over several seeds and every puzzle checked whole.
// Small grids force crossings and dead ends (then the grid is rebuilt); a word
// inside another one ("chat" in "chaton") still gets cells of its own. Short
// words (ÂNE, PIE, RAT) are the ones filler letters would spell again, and
// words holding an unfit word ("calcul") must still be placed.
TEST(WordSearch, EveryWordLiesInItsGridInAnAllowedDirection)
{
    const std::array<bool, 6> onlyLeftToRight { true, false, false, false, false, false };
    const std::array<bool, 6> noBox {}; // left to right can never be switched off
    const std::array<bool, 6> defaults = PuzzleSettings {}.directions;
    const std::set<int> all { 0, 1, 2, 3, 4, 5, 6, 7 };
    struct Case {
        QStringList words;
        int gridSize;
        std::array<bool, 6> directions;
        std::set<int> allowed;
        int seeds;
        bool everyDirectionUsed = false;
        bool crossings = false;
    };
    const Case cases[] {
        { Animals12(), 10, kAllDirections, all, 100 },
        { { u("pie"), u("rat"), u("ours"), u("loup"), u("lion"), u("tigre"), u("zèbre"), u("renard"), u("hibou"),
            u("castor"), u("panda"), u("singe"), u("koala"), u("phoque"), u("gorille") },
          12, kAllDirections, all, 40 },
        { { u("calcul"), u("garçon"), u("flocon"), u("trompette"), u("culotte"), u("balcon") }, 10, kAllDirections,
          all, 20 },
        { School20().mid(0, 12), 12, kAllDirections, all, 30, true },
        { Animals12().mid(0, 8), 10, onlyLeftToRight, { 0 }, 20 },
        { Animals12().mid(0, 6), 8, noBox, { 0 }, 1 },
        { { u("banane"), u("ananas"), u("abricot"), u("datte"), u("citron") }, 8, kAllDirections, all, 30, false, true },
        { { u("chaton"), u("chat"), u("chatte"), u("ana"), u("banane") }, 6, kAllDirections, all, 40 },
        { { u("chat"), u("lion"), u("ours"), u("loup"), u("rat") }, 5, defaults, { 0, 2 }, 1 },
        { { u("4x4"), u("Noël"), u("l'été"), u("garçon"), u("île") }, 8, defaults, { 0, 2 }, 1 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.words.join(u(" ")).toStdString());
        std::set<int> seen;
        int shared = 0;
        for (int seed = 1; seed <= c.seeds; ++seed) {
            Bench b;
            b.settings.gridSize = c.gridSize;
            b.settings.directions = c.directions;
            ASSERT_TRUE(b.Generate(c.words, seed).succeeded()) << "seed " << seed;
            ExpectSoundWordSearch(b.state, c.words, c.allowed, b.engine.UnfitWords());
            EXPECT_TRUE(b.settings.directions[0]);
            for (const WordEntry& e : std::as_const(b.state.WordEntries)) {
                seen.insert(e.direction);
                shared += int(e.gridText.size());
            }
            shared -= CountCells(b.state, c.gridSize, [](const QString& cell) { return cell[0].isUpper(); });
        }
        if (c.everyDirectionUsed) {
            EXPECT_EQ(seen.size(), 8u);
        }
        if (c.crossings) {
            EXPECT_GT(shared, 0) << "crossing words share their letter";
        }
    }
}

// With boxes 0 and 4, the upward diagonal (5) is tried only from a start cell
// where the downward one (4) failed: rebuild the grid as it stood before each
// word and check that direction 4 was impossible there.
TEST(WordSearch, UpwardDiagonalOnlyWhereDownwardFailed)
{
    int upward = 0;
    for (std::uint64_t seed = 1; seed <= 60; ++seed) {
        Bench b;
        b.settings.gridSize = 9;
        b.settings.directions = { true, false, false, false, true, false };
        ASSERT_TRUE(b.Generate(Animals12().mid(0, 9), seed).succeeded());
        ExpectSoundWordSearch(b.state, Animals12().mid(0, 9), { 0, 4, 5 }, b.engine.UnfitWords());
        Grid<QString> before;
        for (const WordEntry& e : std::as_const(b.state.WordEntries)) {
            if (e.direction == 5) {
                ++upward;
                bool downwardFits = true;
                for (int k = 0; k < e.gridText.size() && downwardFits; ++k) {
                    const int x = e.x + k;
                    const int y = e.y + k;
                    if (x >= b.state.GridSize || y >= b.state.GridSize)
                        downwardFits = false;
                    else if (!before.at(x, y).isEmpty() && before.at(x, y) != QString(e.gridText[k]))
                        downwardFits = false;
                }
                EXPECT_FALSE(downwardFits) << "seed " << seed << " word " << e.gridText.toStdString();
            }
            const DirectionStep step = kDirectionSteps[e.direction];
            for (int k = 0; k < e.gridText.size(); ++k)
                before.at(e.x + k * step.dx, e.y + k * step.dy) = QString(e.gridText[k]);
        }
    }
    EXPECT_GT(upward, 0) << "the upward diagonal does occur";
}

} // namespace
} // namespace lx::test
