// Word-search placement, the hidden message laid out, the words shared out among the directions.
#include "PuzzleTestSupport.h"

#include "puzzle/MessageFit.h"

#include <numeric>

namespace lx::test {
namespace {

// The free cells hold random letters of the words, or the message in reading order (then nothing once it ends).
void ExpectSoundWordSearch(const PuzzleState& s, const QStringList& words, const std::set<int>& allowed,
                           const QStringList& unfit)
{
    EXPECT_EQ(UnwantedReadings(s, unfit), QStringList());
    ASSERT_EQ(s.WordEntries.size(), words.size());
    QSet<int> covered;
    QString letters, message;
    for (int i = 0; i < s.WordEntries.size(); ++i) {
        const WordEntry& e = s.WordEntries[i];
        EXPECT_EQ(e.gridText, ToGridForm(s.WordsByLength[i].text));
        EXPECT_TRUE(allowed.count(e.direction)) << "direction " << e.direction;
        EXPECT_EQ(ReadEntry(s, e), e.gridText);
        covered += CellsOf(e);
        letters += e.gridText;
        // No word lies wholly on the cells of another: each can be found on its own.
        for (const WordEntry& other : s.WordEntries)
            EXPECT_TRUE(&other == &e || !CellsOf(other).contains(CellsOf(e))) << e.gridText.toStdString();
    }
    for (int y = 0; y < PuzzleState::kSide; ++y) {
        for (int x = 0; x < PuzzleState::kSide; ++x) {
            const QString& cell = s.LetterGrid.at(x, y);
            if (x >= s.GridSize || y >= s.GridSize)
                EXPECT_TRUE(cell.isEmpty()) << "outside the grid at " << x << "," << y;
            else if (covered.contains(y * 31 + x))
                EXPECT_FALSE(cell[0].isLower()) << "word letters are upper case (or digits)";
            else if (!s.MessageLetters.isEmpty())
                message += cell.isEmpty() ? u("_") : cell;
            else
                EXPECT_TRUE(cell.size() == 1 && cell[0].isLower() && letters.contains(cell[0].toUpper())) << x << "," << y;
        }
    }
    EXPECT_EQ(message.left(s.MessageLetters.size()), s.MessageLetters.left(message.size()));
    EXPECT_EQ(message.mid(s.MessageLetters.size()), QString(std::max(0, int(message.size() - s.MessageLetters.size())), QChar(u'_')));
}

// Every puzzle checked whole. Small grids force crossings and dead ends (the grid rebuilt); a word inside another
// ("chat" in "chaton") gets cells of its own; short words (ÂNE, PIE, RAT) are what filler letters spell again; words
// holding an unfit word ("calcul") are placed, in one layout, the placement refusing readings of word letters, the
// filler redrawing its own. A message of side² − the words' letters + `extra` letters that fits fills the free cells
// exactly; one too short gets the nearest layout (no cell shared), one too long at least the sharing counted on.
TEST(WordSearch, EveryWordLiesInItsGridInAnAllowedDirection)
{
    constexpr int kRandom = 1000;
    const std::array<bool, 6> leftToRight {}; // left to right can never be switched off
    const std::array<bool, 6> defaults = PuzzleSettings {}.directions;
    const std::set<int> all { 0, 1, 2, 3, 4, 5, 6, 7 }, straight { 0, 2 };
    int shared = 0; // by the words of the random filler's grids
    // extra: the hidden message's letters beyond the free cells left when no cell is shared.
    struct Case { QStringList words; int gridSize; std::array<bool, 6> directions; std::set<int> allowed; int seeds, extra = kRandom; };
    const Case cases[] {
        { Animals12(), 10, kAllDirections, all, 100 },
        { Words("pie rat ours loup lion tigre zèbre renard hibou castor panda singe koala phoque gorille"), 12,
          kAllDirections, all, 40 },
        { Words("calcul garçon flocon trompette culotte balcon"), 10, kAllDirections, all, 20 },
        { School20().mid(0, 12), 12, kAllDirections, all, 30 },
        { Animals12().mid(0, 6), 8, leftToRight, { 0 }, 10 },
        { Words("chaton chat chatte ana banane"), 6, kAllDirections, all, 40 },
        { Words("chat lion ours loup rat"), 5, defaults, straight, 5 },
        { Words("4x4 Noël l'été garçon île"), 8, defaults, straight, 1 },
        { Animals12(), 10, defaults, straight, 5, 0 },
        { Animals12(), 10, defaults, straight, 5, 6 },
        { Animals12(), 9, kAllDirections, all, 5, 11 },
        { School20(), 14, kAllDirections, all, 5, 12 },
        { FillInWords(20), 13, leftToRight, { 0 }, 5, 0 }, // no crossing: no sharing counted on
        { School20(), 12, kAllDirections, all, 5, 12 }, // nearly full: the layouts correct their aim
        { Words("chaton chat chatte ana banane"), 7, kAllDirections, all, 5, 4 },
        { Animals12(), 12, defaults, straight, 5, -40 },
        { Words("chaton chat chatte ana banane"), 7, kAllDirections, all, 5, 40 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.words.join(u(" ")).toStdString() << " extra " << c.extra);
        Bench lists;
        lists.engine.PrepareWordLists(c.words);
        const WordCells cells = CountWordCells(lists.engine.GridForms(), WordsCanCross(c.directions));
        const int letters = c.gridSize * c.gridSize - cells.letters + c.extra;
        const bool fits = MessageFitsGrid(cells, letters, c.gridSize);
        std::set<int> seen;
        for (int seed = 1; seed <= c.seeds; ++seed) {
            Bench b;
            std::tie(b.settings.gridSize, b.settings.directions) = std::tuple(c.gridSize, c.directions);
            b.settings.randomFill = c.extra == kRandom;
            b.settings.message = u("bravolesenfantsvousavezretrouvetouslesmots").repeated(8).left(letters);
            b.engine.SetLayoutLimits(PuzzleEngine::kMessageLayouts, 1); // random letters: the filler mends every reading
            ASSERT_TRUE(b.Generate(c.words, seed).succeeded()) << "seed " << seed;
            ExpectSoundWordSearch(b.state, c.words, c.allowed, b.engine.UnfitWords());
            for (const WordEntry& e : std::as_const(b.state.WordEntries))
                seen.insert(e.direction);
            if (c.extra == kRandom) // the words' letters less the cells they take
                shared += cells.letters - CountCells(b.state, c.gridSize, [](const QString& cell) { return cell[0].isUpper(); });
            else if (fits)
                EXPECT_EQ(b.state.BalanceLabel, (LetterBalanceLabel { u("0/%1").arg(letters), BalanceColour::Green, QString() }));
            else
                EXPECT_TRUE(c.extra < 0 ? b.state.LetterBalance == -c.extra : b.state.LetterBalance >= cells.sharing - c.extra)
                    << b.state.LetterBalance;
        }
        EXPECT_TRUE(c.seeds < 30 || seen == c.allowed) << "every direction allowed occurs";
        EXPECT_EQ(fits, std::abs(c.extra) < 40) << "±40: a message too short or too long";
    }
    EXPECT_GT(shared, 0) << "crossing words share their letter";
}

// A hidden message's letters cannot be drawn again: the unfit words they spell when no layout avoided them are named, so
// that the teacher makes the grid again; a grid that shows none says nothing.
TEST(WordSearch, UnfitWordsTheMessageSpellsAreNamed)
{
    const QString advice = u(" Créez la grille à nouveau, ou changez le message ou la taille de la grille.");
    const std::pair<QStringList, QString> cases[] {
        { { u("zz"), u("qq") }, u("La grille laisse lire « ZZ », un mot qu'un élève ne doit pas y trouver.") + advice },
        { { u("zzz"), u("zz") }, u("La grille laisse lire « ZZ » et « ZZZ », des mots qu'un élève ne doit pas y trouver.") + advice },
        { { u("qq") }, QString() },
    };
    for (const auto& [unfit, message] : cases) {
        Bench b;
        b.settings.gridSize = 8;
        b.settings.randomFill = false;
        b.settings.message = QString(40, u'z');
        b.engine.SetLayoutLimits(3, 1);
        b.engine.SetUnfitWords(unfit);
        const GenerationResult r = b.Generate(Words("chat lion ours loup rat"), 1);
        EXPECT_TRUE(r.succeeded());
        EXPECT_EQ(r.message, message);
    }
}

// The words are shared out among the ticked boxes: with all six, fifteen words of 6 to 12 letters in 15 x 15 lie a quarter
// or more on the diagonals; with two boxes, half each; nearly every grid gives each box its share within one word. The
// filler letters come in the proportions of the words' letters (no other: ExpectSoundWordSearch).
TEST(WordSearch, WordsAreSharedOutAmongTheTickedBoxes)
{
    const QStringList fifteen = Words("jardin girafe trousse fenêtre château papillon éléphant escargot crocodile "
                                      "dinosaure kangourou grenouille coccinelle ordinateur bibliothèque");
    struct Case { QStringList words; int gridSize; std::array<bool, 6> directions; double diagonals; int gridsWithinOne; };
    const Case cases[] { { fifteen, 15, kAllDirections, 0.25, 36 }, { Animals12(), 12, PuzzleSettings {}.directions, 0, 40 },
                         { School20(), 14, { true, true, false, false, true, false }, 0.28, 30 } };
    constexpr int kSeeds = 40;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.words.size());
        const int ticked = int(std::count(c.directions.begin(), c.directions.end(), true));
        const int n = int(c.words.size());
        std::array<int, 6> total {};
        int withinOne = 0;
        std::array<int, 26> wordLetters {}, fillerLetters {};
        for (int seed = 1; seed <= kSeeds; ++seed) {
            Bench b;
            std::tie(b.settings.gridSize, b.settings.directions) = std::tuple(c.gridSize, c.directions);
            ASSERT_TRUE(b.Generate(c.words, seed).succeeded());
            std::array<int, 6> perBox {};
            for (const WordEntry& e : std::as_const(b.state.WordEntries))
                ++perBox[kCodeBox[e.direction]];
            bool within = true;
            for (int box = 0; box < 6; ++box) {
                total[box] += perBox[box];
                within = within && (c.directions[box] ? std::abs(perBox[box] * ticked - n) <= ticked : perBox[box] == 0);
            }
            withinOne += within ? 1 : 0;
            for (int k = 0; k < 26; ++k)
                wordLetters[k] += b.state.LetterCounts[k];
            CountCells(b.state, c.gridSize, [&](const QString& cell) { return cell[0].isLower() && ++fillerLetters[cell[0].toUpper().unicode() - u'A']; });
        }
        EXPECT_GE(withinOne, c.gridsWithinOne);
        EXPECT_GE(double(total[4] + total[5]) / (kSeeds * n), c.diagonals);
        for (int box = 0; box < 6; ++box)
            EXPECT_NEAR(double(total[box]) / (kSeeds * n), c.directions[box] ? 1.0 / ticked : 0.0, 0.05) << "box " << box;
        const int fillers = std::accumulate(fillerLetters.begin(), fillerLetters.end(), 0);
        const int letters = std::accumulate(wordLetters.begin(), wordLetters.end(), 0);
        for (int k = 0; k < 26; ++k)
            EXPECT_NEAR(double(fillerLetters[k]) / fillers, double(wordLetters[k]) / letters, 0.03) << char('A' + k);
    }
}

} // namespace
} // namespace lx::test
