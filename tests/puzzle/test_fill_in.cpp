// The fill-in grid: one crossword moved to the corner, words crossing on shared letters, one letter revealed.
#include "PuzzleTestSupport.h"

#include "puzzle/FillInCheck.h"

#include <QRect>

#include <numeric>

namespace lx::test {
namespace {

// The cells a grid's letters take.
QRect FillInBounds(const PuzzleState& s)
{
    QRect bounds;
    for (int y = 0; y < 31; ++y)
        for (int x = 0; x < 31; ++x)
            if (!s.LetterGrid.at(x, y).isEmpty())
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

void ExpectSoundFillIn(const PuzzleState& s, int n)
{
    ASSERT_EQ(s.WordEntries.size(), n);
    EXPECT_EQ(FillInFaults(s), QStringList());
    EXPECT_EQ(s.PlacementOrder[0].text, s.WordsByLength[0].text) << "the longest word comes first";
    EXPECT_EQ(Sorted(Texts(s.PlacementOrder)), Sorted(Texts(s.WordsByLength)));
    EXPECT_TRUE(FillInBounds(s).topLeft() == QPoint(0, 0)) << "the grid is moved to the corner";
}

// The check itself: a sound grid passes; words side by side, a stray letter, a word misread, unplaced, slanting or not
// the grid form of its word, each is named.
TEST(FillInCheck, NamesEachFault)
{
    Bench b(GameType::FillIn);
    ASSERT_TRUE(b.Generate(FillInWords(6), 3).succeeded());
    ASSERT_EQ(FillInFaults(b.state), QStringList());
    const auto named = [&](const std::function<void(PuzzleState&)>& edit, const char* fault) {
        PuzzleState s = b.state;
        edit(s);
        return FillInFaults(s).join(u("; ")).contains(u(fault));
    };
    // A free cell beside a word's letter, and one before it.
    int fx = -1, fy = -1;
    for (int y = 1; y < 19 && fx < 0; ++y)
        for (int x = 1; x < 19 && fx < 0; ++x)
            if (b.state.LetterGrid.at(x, y).isEmpty() && !b.state.LetterGrid.at(x - 1, y).isEmpty()
                && b.state.LetterGrid.at(x, y - 1).isEmpty() && b.state.LetterGrid.at(x, y + 1).isEmpty()
                && b.state.LetterGrid.at(x + 1, y).isEmpty())
                fx = x, fy = y;
    ASSERT_GE(fx, 0);
    EXPECT_PRED2(named, [&](PuzzleState& s) { s.LetterGrid.at(fx, fy) = u("z"); }, "is no placed word");
    EXPECT_PRED2(named, [&](PuzzleState& s) { s.LetterGrid.at(25, 25) = u("z"); }, "belongs to no word");
    EXPECT_PRED2(named, [&](PuzzleState& s) { s.WordEntries[1].x += 1; }, " reads ");
    EXPECT_PRED2(named, [&](PuzzleState& s) { s.WordEntries[2].gridText.clear(); }, "word 2 is not placed");
    EXPECT_PRED2(named, [&](PuzzleState& s) { s.WordEntries[0].direction = 4; }, "lies in direction 4");
    EXPECT_PRED2(named, [&](PuzzleState& s) { s.PlacementOrder[1].text = u("autre"); }, "is not the grid form of autre");
}

// A sound crossword, the first word across or down at random, one revealed letter that occurs three times at least.
// Thirty words with long ones (pamplemousse) need the layout search; thirty school words, seeds as lexigrille-cli
// generate --seed N uses them, once put words side by side ("EC" across where CANTINE ended beside CALCUL's C).
TEST(FillIn, WordsCrossNeverTouchAndOneFrequentLetterIsRevealed)
{
    const QStringList school = Words("école élève cahier crayon règle gomme cartable trousse maîtresse récréation leçon "
                                     "dictée cantine tableau stylo cloche pupitre classe calcul lecture devoirs ardoise "
                                     "compas équerre feutre colle ciseaux agenda dossier chemise");
    QList<std::uint64_t> fifteen(15);
    std::iota(fifteen.begin(), fifteen.end(), 1);
    struct Case { QStringList words; QList<std::uint64_t> seeds; };
    for (const auto& [words, seeds] : { Case { FillInWords(5), fifteen }, Case { FillInWords(10), fifteen }, Case { FillInWords(20), fifteen },
                                        Case { FillInWords(30), { 1, 2 } }, Case { FruitsAndVegetables(), { 1, 2, 3, 4 } },
                                        Case { school, { 5, 154, 180, 1, 2, 3 } } }) {
        std::set<int> firstDirections;
        for (std::uint64_t seed : seeds) {
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
        EXPECT_TRUE(seeds.size() <= 2 || firstDirections.size() == 2u) << "the first word lies across or down at random";
    }
}

// A grid is turned to suit its room: never taller than wide in half a page, never wider than tall on a whole one.
// The same seed in the room turned gives the same grid turned (a square one as it is), and a sound crossword either way.
// Of the layouts the first attempts find, the one with the largest cells in its room is kept: eight words of a CP
// theme get cells of 9.5 mm or more in half a page beside their list (a first layout gave 6.6 to 9.6, 7.8 mostly).
TEST(FillIn, TheGridIsTurnedToSuitItsRoomAndTheMostCompactLayoutIsKept)
{
    const QStringList fruits = Words("ananas banane cerise figue myrtille noix poire pomme");
    int large = 0; // fruits' grids in half a page
    for (const auto& [words, seeds] : { std::pair { FillInWords(12), 10 }, std::pair { fruits, 20 } }) {
        for (int seed = 1; seed <= seeds; ++seed) {
            for (const auto& [width, height] : { std::pair(140.0, 115.0), std::pair(140.0, 263.0) }) {
                SCOPED_TRACE(testing::Message() << words.size() << " words, seed " << seed << ", room " << width << " x " << height);
                Bench b(GameType::FillIn), turned(GameType::FillIn);
                b.engine.SetFillInRoom(width, height);
                turned.engine.SetFillInRoom(height, width);
                ASSERT_TRUE(b.Generate(words, seed).succeeded());
                ASSERT_TRUE(turned.Generate(words, seed).succeeded());
                ExpectSoundFillIn(b.state, int(words.size()));
                const int rows = FillInBounds(b.state).height(), columns = FillInBounds(b.state).width(); // from the corner
                EXPECT_TRUE(width > height ? rows <= columns : rows >= columns) << rows << " x " << columns;
                large += words == fruits && width > height && std::min(height / rows, width / columns) >= 9.5 ? 1 : 0;
                for (int y = 0; y < 20; ++y)
                    for (int x = 0; x < 20; ++x)
                        ASSERT_EQ(b.state.LetterGrid.at(x, y), rows == columns ? turned.state.LetterGrid.at(x, y) : turned.state.LetterGrid.at(y, x));
            }
        }
    }
    EXPECT_GE(large, 16) << "of 20 fruits' grids in half a page";
}

// The revealed-letter list: "(?)" then the letters present; a remembered letter is found again in any case, one no
// longer present falls back to "(?)"; a click changes only the letter case, never the layout.
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
