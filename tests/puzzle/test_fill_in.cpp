// The fill-in grid: words cross on shared letters, never touch side by side,
// the grid is moved to the corner, and one letter is revealed.
#include "PuzzleTestSupport.h"

#include "words/WordForms.h"

#include <gtest/gtest.h>

#include <set>

namespace lx::test {
namespace {

void ExpectSoundFillIn(const PuzzleState& s, const QStringList& words)
{
    const int n = int(words.size());
    ASSERT_EQ(s.WordEntries.size(), n);
    ASSERT_EQ(s.PlacementOrder.size(), n);
    EXPECT_EQ(s.PlacementOrder[0].text, s.WordsByLength[0].text) << "the longest word comes first";

    // Which word covers each cell, across and down.
    Grid<int> across;
    Grid<int> down;
    for (int y = 0; y < 31; ++y)
        for (int x = 0; x < 31; ++x)
            across.at(x, y) = down.at(x, y) = -1;
    for (int i = 0; i < n; ++i) {
        const WordEntry& e = s.WordEntries[i];
        const QString w = ToGridForm(s.PlacementOrder[i].text);
        EXPECT_EQ(e.gridText, w);
        ASSERT_TRUE(e.direction == 0 || e.direction == 2) << "direction " << e.direction;
        EXPECT_EQ(ReadEntry(s, e, int(w.size())), w);
        const DirectionStep st = kDirectionSteps[e.direction];
        for (int k = 0; k < w.size(); ++k) {
            const int x = e.x + k * st.dx;
            const int y = e.y + k * st.dy;
            ASSERT_LT(x, 19);
            ASSERT_LT(y, 19);
            (e.direction == 0 ? across : down).at(x, y) = i;
        }
        // The cells before and after a word stay empty.
        const int bx = e.x - st.dx, by = e.y - st.dy;
        EXPECT_TRUE(bx < 0 || by < 0 || s.LetterGrid.at(bx, by).isEmpty()) << "before " << w.toStdString();
        EXPECT_TRUE(s.LetterGrid.at(e.x + int(w.size()) * st.dx, e.y + int(w.size()) * st.dy).isEmpty())
            << "after " << w.toStdString();
    }

    bool row0 = false, col0 = false;
    for (int y = 0; y < 31; ++y) {
        for (int x = 0; x < 31; ++x) {
            const bool filled = !s.LetterGrid.at(x, y).isEmpty();
            EXPECT_EQ(filled, across.at(x, y) >= 0 || down.at(x, y) >= 0) << "cell " << x << "," << y;
            row0 = row0 || (y == 0 && filled);
            col0 = col0 || (x == 0 && filled);
            if (!filled)
                continue;
            // Two filled neighbours side by side belong to one word: words never touch.
            if (x + 1 < 31 && !s.LetterGrid.at(x + 1, y).isEmpty()) {
                EXPECT_TRUE(across.at(x, y) >= 0 && across.at(x, y) == across.at(x + 1, y))
                    << "touching across at " << x << "," << y;
            }
            if (y + 1 < 31 && !s.LetterGrid.at(x, y + 1).isEmpty()) {
                EXPECT_TRUE(down.at(x, y) >= 0 && down.at(x, y) == down.at(x, y + 1))
                    << "touching down at " << x << "," << y;
            }
        }
    }
    EXPECT_TRUE(row0 && col0) << "the grid is moved to the corner";

    // The words form one crossword: every word is reached from the first one
    // through crossings.
    QList<bool> reached(n, false);
    QList<int> todo { 0 };
    reached[0] = true;
    while (!todo.isEmpty()) {
        const int i = todo.takeLast();
        const WordEntry& e = s.WordEntries[i];
        const DirectionStep st = kDirectionSteps[e.direction];
        for (int k = 0; k < e.gridText.size(); ++k) {
            const int x = e.x + k * st.dx, y = e.y + k * st.dy;
            const int other = e.direction == 0 ? down.at(x, y) : across.at(x, y);
            if (other >= 0 && !reached[other]) {
                reached[other] = true;
                todo.append(other);
            }
        }
    }
    for (int i = 0; i < n; ++i)
        EXPECT_TRUE(reached[i]) << s.WordEntries[i].gridText.toStdString() << " crosses no other word";
}

// Each list over several seeds: a sound crossword, the first word across or
// down at random, and one revealed letter that occurs at least three times.
// Thirty words with long ones (pamplemousse, citrouille) need the layout
// search: words then cross several others.
TEST(FillIn, WordsCrossNeverTouchAndOneFrequentLetterIsRevealed)
{
    struct Case {
        QStringList words;
        int seeds;
    };
    for (const auto& [words, seeds] : { Case { FillInWords(5), 15 }, Case { FillInWords(10), 15 },
                                        Case { FillInWords(20), 15 }, Case { FillInWords(30), 2 },
                                        Case { FruitsAndVegetables(), 4 } }) {
        const int n = int(words.size());
        std::set<int> firstDirections;
        for (int seed = 1; seed <= seeds; ++seed) {
            SCOPED_TRACE(testing::Message() << n << " words, seed " << seed);
            Bench b(GameType::FillIn);
            ASSERT_TRUE(b.Generate(words, seed).succeeded());
            ExpectSoundFillIn(b.state, words);
            firstDirections.insert(b.state.WordEntries[0].direction);

            ASSERT_EQ(b.state.RevealedLetters.size(), 1);
            const QChar revealed = b.state.RevealedLetters[0];
            EXPECT_GE(b.state.LetterCounts[revealed.unicode() - u'A'], 3);
            EXPECT_EQ(b.settings.revealChoice, u("(?)"));
            const auto misprinted = [&](const QString& c) { return !c.isEmpty() && c[0].isUpper() != (c[0] == revealed); };
            EXPECT_EQ(CountCells(b.state, 20, misprinted), 0) << "only the revealed letter is printed";
        }
        if (seeds > 2) {
            EXPECT_EQ(firstDirections.size(), 2u) << "the first word lies across or down at random";
        }
    }
}

TEST(FillIn, RevealChoicesAndTheRememberedLetter)
{
    Bench b(GameType::FillIn);
    const QStringList words = FillInWords(6); // papillon maison jardin soleil bateau lapin
    b.settings.revealChoice = u("n");
    ASSERT_TRUE(b.Generate(words, 4).succeeded());
    EXPECT_EQ(Texts(b.state.RevealChoices), (QStringList { u("(?)"), u("A"), u("B"), u("D"), u("E"), u("I"), u("J"), u("L"), u("M"),
                                      u("N"), u("O"), u("P"), u("R"), u("S"), u("T"), u("U") }));
    EXPECT_EQ(b.settings.revealChoice, u("N")) << "found again without regard to case";
    EXPECT_EQ(b.state.RevealedLetters, u("N"));

    b.settings.revealChoice = u("Z");
    ASSERT_TRUE(b.Generate(words, 4).succeeded());
    EXPECT_EQ(b.settings.revealChoice, u("(?)")) << "a letter no longer present falls back to (?)";

    // A later click changes only the letter case, never the layout.
    const QList<WordEntry> entries = b.state.WordEntries;
    b.engine.RevealFillInLetter(1); // "A"
    EXPECT_EQ(b.state.RevealedLetters, u("A"));
    EXPECT_EQ(b.state.WordEntries, entries);
    for (const WordEntry& e : entries)
        EXPECT_EQ(ReadEntry(b.state, e, int(e.gridText.size())), e.gridText);
    b.engine.RevealFillInLetter(-1);
    EXPECT_EQ(b.state.RevealedLetters, QString());
}

TEST(FillIn, QuestionMarkWithoutATripleLetterRevealsTheMostFrequent)
{
    Bench b;
    b.state.GridLast = 19;
    b.state.RevealChoices = { { u("(?)"), 0 }, { u("B"), 0 }, { u("C"), 0 } };
    b.state.LetterCounts.fill(0);
    b.state.LetterCounts[1] = 2;
    b.state.LetterCounts[2] = 2;
    b.state.LetterCounts[0] = 1;
    b.state.LetterGrid.at(0, 0) = u("b");
    b.engine.RevealFillInLetter(0);
    EXPECT_EQ(b.state.RevealedLetters, u("B")) << "the first in A to Z order on a tie";
    EXPECT_EQ(b.state.LetterGrid.at(0, 0), u("B"));

    b.state.LetterCounts.fill(0);
    b.engine.RevealFillInLetter(0);
    EXPECT_EQ(b.state.RevealedLetters, QString()) << "no letter at all";
}

} // namespace
} // namespace lx::test
