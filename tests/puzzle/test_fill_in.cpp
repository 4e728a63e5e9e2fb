// The fill-in grid: words cross on shared letters, never touch side by side,
// form one crossword moved to the corner, and one letter is revealed.
#include "PuzzleTestSupport.h"

#include "words/WordForms.h"

#include <gtest/gtest.h>

#include <set>

namespace lx::test {
namespace {

void ExpectSoundFillIn(const PuzzleState& s, int n)
{
    ASSERT_EQ(s.WordEntries.size(), n);
    ASSERT_EQ(s.PlacementOrder.size(), n);
    EXPECT_EQ(s.PlacementOrder[0].text, s.WordsByLength[0].text) << "the longest word comes first";
    // Which word covers each cell, across (0) and down (1): its index + 1, 0 for none.
    Grid<int> along[2];
    for (int i = 0; i < n; ++i) {
        const WordEntry& e = s.WordEntries[i];
        EXPECT_EQ(e.gridText, ToGridForm(s.PlacementOrder[i].text));
        ASSERT_TRUE(e.direction == 0 || e.direction == 2) << "direction " << e.direction;
        EXPECT_EQ(ReadEntry(s, e), e.gridText);
        const DirectionStep st = kDirectionSteps[e.direction];
        for (int k = 0; k < e.gridText.size(); ++k) {
            ASSERT_TRUE(e.x + k * st.dx < 19 && e.y + k * st.dy < 19) << "within 19 x 19";
            along[e.direction / 2].at(e.x + k * st.dx, e.y + k * st.dy) = i + 1;
        }
    }
    bool row0 = false, col0 = false;
    for (int y = 0; y < 31; ++y) {
        for (int x = 0; x < 31; ++x) {
            const bool filled = !s.LetterGrid.at(x, y).isEmpty();
            EXPECT_EQ(filled, along[0].at(x, y) || along[1].at(x, y)) << "cell " << x << "," << y;
            row0 = row0 || (y == 0 && filled);
            col0 = col0 || (x == 0 && filled);
            // Two filled neighbours belong to one word along their line: words
            // never touch, and the cells before and after a word stay empty.
            if (filled && x + 1 < 31 && !s.LetterGrid.at(x + 1, y).isEmpty()) {
                EXPECT_TRUE(along[0].at(x, y) && along[0].at(x, y) == along[0].at(x + 1, y)) << x << "," << y;
            }
            if (filled && y + 1 < 31 && !s.LetterGrid.at(x, y + 1).isEmpty()) {
                EXPECT_TRUE(along[1].at(x, y) && along[1].at(x, y) == along[1].at(x, y + 1)) << x << "," << y;
            }
        }
    }
    EXPECT_TRUE(row0 && col0) << "the grid is moved to the corner";
    // One crossword: every word is reached from the first one through crossings.
    QList<bool> reached(n, false);
    QList<int> todo { 0 };
    reached[0] = true;
    while (!todo.isEmpty()) {
        const WordEntry& e = s.WordEntries[todo.takeLast()];
        const DirectionStep st = kDirectionSteps[e.direction];
        for (int k = 0; k < e.gridText.size(); ++k) {
            const int other = along[1 - e.direction / 2].at(e.x + k * st.dx, e.y + k * st.dy) - 1;
            if (other >= 0 && !reached[other]) {
                reached[other] = true;
                todo.append(other);
            }
        }
    }
    EXPECT_EQ(reached.count(false), 0) << "a word crosses no other";
}

// Each list over several seeds: a sound crossword, the first word across or
// down at random, one revealed letter that occurs three times at least. Thirty
// words with long ones (pamplemousse, citrouille) need the layout search.
TEST(FillIn, WordsCrossNeverTouchAndOneFrequentLetterIsRevealed)
{
    struct Case { QStringList words; int seeds; };
    for (const auto& [words, seeds] : { Case { FillInWords(5), 15 }, Case { FillInWords(10), 15 }, Case { FillInWords(20), 15 },
                                        Case { FillInWords(30), 2 }, Case { FruitsAndVegetables(), 4 } }) {
        std::set<int> firstDirections;
        for (int seed = 1; seed <= seeds; ++seed) {
            SCOPED_TRACE(testing::Message() << words.size() << " words, seed " << seed);
            Bench b(GameType::FillIn);
            ASSERT_TRUE(b.Generate(words, seed).succeeded());
            ExpectSoundFillIn(b.state, int(words.size()));
            firstDirections.insert(b.state.WordEntries[0].direction);
            ASSERT_EQ(b.state.RevealedLetters.size(), 1);
            const QChar revealed = b.state.RevealedLetters[0];
            EXPECT_GE(b.state.LetterCounts[revealed.unicode() - u'A'], 3);
            const auto misprinted = [&](const QString& c) { return !c.isEmpty() && c[0].isUpper() != (c[0] == revealed); };
            EXPECT_EQ(CountCells(b.state, 20, misprinted), 0) << "only the revealed letter is printed";
        }
        EXPECT_TRUE(seeds <= 2 || firstDirections.size() == 2u) << "the first word lies across or down at random";
    }
}

// The revealed-letter list: "(?)" then the letters present; a remembered
// letter is found again without regard to case, one no longer present falls
// back to "(?)"; a click changes only the letter case, never the layout.
TEST(FillIn, RevealChoicesAndTheRevealedLetter)
{
    Bench b(GameType::FillIn);
    const QStringList words = FillInWords(6); // papillon maison jardin soleil bateau lapin
    b.settings.revealChoice = u("n");
    ASSERT_TRUE(b.Generate(words, 4).succeeded());
    EXPECT_EQ(Texts(b.state.RevealChoices), QStringList { u("(?)") } + Words("A B D E I J L M N O P R S T U"));
    EXPECT_EQ(b.settings.revealChoice, u("N"));
    EXPECT_EQ(b.state.RevealedLetters, u("N"));
    b.settings.revealChoice = u("Z");
    ASSERT_TRUE(b.Generate(words, 4).succeeded());
    EXPECT_EQ(b.settings.revealChoice, u("(?)"));
    const QList<WordEntry> entries = b.state.WordEntries;
    b.engine.RevealFillInLetter(1); // "A"
    EXPECT_EQ(b.state.RevealedLetters, u("A"));
    EXPECT_EQ(b.state.WordEntries, entries);
    for (const WordEntry& e : entries)
        EXPECT_EQ(ReadEntry(b.state, e), e.gridText);
    b.engine.RevealFillInLetter(-1);
    EXPECT_EQ(b.state.RevealedLetters, QString());
}

} // namespace
} // namespace lx::test
