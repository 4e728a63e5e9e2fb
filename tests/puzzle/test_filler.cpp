// Filler letters and the hidden message of a word search.
#include "PuzzleTestSupport.h"

#include "words/WordForms.h"

#include <gtest/gtest.h>

#include <map>

namespace lx::test {
namespace {

QString u(const char* t)
{
    return QString::fromUtf8(t);
}

// A 5 x 5 word-search grid whose cells are word letters except `free` cells,
// counted in reading order from the end.
void MakeGrid(Bench& b, int freeCells)
{
    b.state.gameType = GameType::WordSearch;
    b.settings.gameType = GameType::WordSearch;
    b.state.GridSize = 5;
    b.state.GridLast = 4;
    b.state.ClearGrids();
    int n = 0;
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x, ++n)
            b.state.LetterGrid.at(x, y) = n < 25 - freeCells ? u("W") : QString();
}

QString FreeCells(const PuzzleState& s)
{
    QString out;
    for (int y = 0; y <= s.GridLast; ++y)
        for (int x = 0; x <= s.GridLast; ++x)
            if (s.LetterGrid.at(x, y) != u("W"))
                out += s.LetterGrid.at(x, y).isEmpty() ? u("_") : s.LetterGrid.at(x, y);
    return out;
}

TEST(HiddenMessage, BravoInFiveFreeCells)
{
    Bench b;
    MakeGrid(b, 5);
    b.settings.randomFill = false;
    b.settings.message = u("  Bravo ! ");
    b.engine.FillFreeCells();
    EXPECT_EQ(b.state.MessageText, u("Bravo !"));
    EXPECT_EQ(b.state.MessageLetters, u("bravo"));
    EXPECT_EQ(b.state.EmptyCellCount, 5);
    EXPECT_EQ(FreeCells(b.state), u("bravo"));
    EXPECT_EQ(b.state.BalanceLabel, (LetterBalanceLabel { u("0/5"), BalanceColour::Green, QString() }));
}

TEST(HiddenMessage, AccentsAreFolded)
{
    Bench b;
    MakeGrid(b, 3);
    b.settings.randomFill = false;
    b.settings.message = u("été");
    b.engine.FillFreeCells();
    EXPECT_EQ(b.state.MessageLetters, u("ete"));
    EXPECT_EQ(FreeCells(b.state), u("ete"));
}

TEST(HiddenMessage, BalanceLabel)
{
    Bench b;
    b.settings.randomFill = false;

    MakeGrid(b, 15);
    b.settings.message = u("abcdefghijklmnopq"); // 17 letters in 15 cells
    b.engine.FillFreeCells();
    EXPECT_EQ(b.state.BalanceLabel, (LetterBalanceLabel { u("-2/15"), BalanceColour::Red, u("Il y a 2 lettres de trop") }));
    EXPECT_EQ(FreeCells(b.state), u("abcdefghijklmno")) << "a long message is cut";

    MakeGrid(b, 5);
    b.settings.message = u("ab");
    b.engine.FillFreeCells();
    EXPECT_EQ(b.state.BalanceLabel, (LetterBalanceLabel { u("3/5"), BalanceColour::Red, u("Il manque 3 lettres") }));
    EXPECT_EQ(FreeCells(b.state), u("ab___")) << "a short message leaves the last cells empty";

    MakeGrid(b, 5);
    b.settings.message = u("abcd");
    b.engine.FillFreeCells();
    EXPECT_EQ(b.state.BalanceLabel.explanation, u("Il manque 1 lettre"));

    MakeGrid(b, 4);
    b.settings.message = u("abcde");
    b.engine.FillFreeCells();
    EXPECT_EQ(b.state.BalanceLabel.explanation, u("Il y a 1 lettre de trop"));

    MakeGrid(b, 6);
    b.settings.message = u(" 123 ! ");
    b.engine.FillFreeCells();
    EXPECT_EQ(b.state.BalanceLabel, (LetterBalanceLabel { u("6/6"), BalanceColour::Green, u("Il n'y a aucune lettre") }));
    EXPECT_EQ(FreeCells(b.state), u("______"));
}

TEST(HiddenMessage, ShuffledMessageIsAPermutation)
{
    Bench b;
    MakeGrid(b, 9);
    b.settings.randomFill = false;
    b.settings.shuffleMessage = true;
    b.settings.message = u("Bon voyage");
    b.engine.SetFixedSeed(5);
    b.engine.FillFreeCells();
    QString letters = b.state.MessageLetters;
    EXPECT_NE(letters, u("bonvoyage"));
    std::sort(letters.begin(), letters.end());
    QString expected = u("bonvoyage");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(letters, expected);
    EXPECT_EQ(FreeCells(b.state), b.state.MessageLetters);
}

TEST(ShuffleText, NeverReturnsTheTextUnlessItCannotChange)
{
    Bench b;
    EXPECT_EQ(b.engine.ShuffleText(QString()), QString());
    EXPECT_EQ(b.engine.ShuffleText(u("a")), u("a"));
    EXPECT_EQ(b.engine.ShuffleText(u("aaaa")), u("aaaa"));
    EXPECT_EQ(b.engine.ShuffleText(u("ab")), u("ba"));
    for (int i = 0; i < 200; ++i) {
        const QString s = u("aabc");
        QString t = b.engine.ShuffleText(s);
        ASSERT_NE(t, s);
        std::sort(t.begin(), t.end());
        ASSERT_EQ(t, s);
    }
}

TEST(RandomFiller, DrawsEachLetterOfTheWordsEquallyOften)
{
    // lune, sol and friends: six letters l u n e s o, each drawn with probability 1/6
    // however often it occurs in the words.
    const QStringList words { u("lune"), u("sol"), u("sel"), u("nul"), u("sou") };
    std::map<QChar, int> seen;
    int total = 0;
    for (std::uint64_t seed = 1; seed <= 60; ++seed) {
        Bench b;
        b.settings.gridSize = 10;
        ASSERT_TRUE(b.Generate(words, seed).succeeded());
        for (int y = 0; y < 10; ++y) {
            for (int x = 0; x < 10; ++x) {
                const QChar c = b.state.LetterGrid.at(x, y)[0];
                if (c.isLower()) {
                    ++seen[c];
                    ++total;
                }
            }
        }
        EXPECT_EQ(b.state.BalanceLabel, LetterBalanceLabel {});
    }
    ASSERT_EQ(seen.size(), 6u);
    for (const auto& [c, n] : seen) {
        EXPECT_TRUE(u("lunesos").contains(c));
        EXPECT_NEAR(double(n) / total, 1.0 / 6, 0.02) << QString(c).toStdString();
    }
}

TEST(RandomFiller, SelectionWithoutLettersLeavesCellsEmpty)
{
    Bench b;
    b.settings.gridSize = 6;
    const QStringList words { u("12"), u("345"), u("6789"), u("10"), u("2024") };
    ASSERT_TRUE(b.Generate(words, 2).succeeded());
    int empty = 0;
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            empty += b.state.LetterGrid.at(x, y).isEmpty() ? 1 : 0;
    EXPECT_EQ(empty, b.state.EmptyCellCount);
    EXPECT_GT(empty, 0);
}

TEST(RefillMessage, TheGridFollowsEveryEditWithoutMovingTheWords)
{
    Bench b;
    b.settings.gridSize = 7;
    b.settings.randomFill = false;
    b.settings.message = u("salut");
    ASSERT_TRUE(b.Generate(Animals12().mid(0, 5), 17).succeeded());
    const QList<WordEntry> entries = b.state.WordEntries;
    auto messageRead = [&] {
        QString out;
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 7; ++x) {
                const QString& c = b.state.LetterGrid.at(x, y);
                if (c.isEmpty() || c[0].isLower())
                    out += c.isEmpty() ? u("_") : c;
            }
        return out;
    };
    EXPECT_TRUE(messageRead().startsWith(u("salut")));
    const int free = b.state.EmptyCellCount;

    b.engine.RefillMessage(u("Bonne journée"));
    EXPECT_EQ(b.state.MessageText, u("Bonne journée"));
    EXPECT_EQ(b.state.EmptyCellCount, free);
    EXPECT_TRUE(messageRead().startsWith(u("bonnejournee")));
    for (const WordEntry& e : entries)
        EXPECT_EQ(ReadEntry(b.state, e, int(e.gridText.size())), e.gridText);
    EXPECT_EQ(b.state.BalanceLabel.text, QString::number(free - 12) + u("/") + QString::number(free));

    b.engine.RefillMessage(QString());
    EXPECT_EQ(messageRead(), QString(free, QChar(u'_')));
    EXPECT_EQ(b.state.BalanceLabel.explanation, u("Il n'y a aucune lettre"));
}

TEST(RefillMessage, KeepsDigitsAndMarksOfWords)
{
    Bench b;
    MakeGrid(b, 5);
    b.state.LetterGrid.at(0, 4) = u("4");
    b.state.LetterGrid.at(1, 4) = u("!");
    b.settings.randomFill = false;
    b.engine.RefillMessage(u("oui"));
    EXPECT_EQ(b.state.LetterGrid.at(0, 4), u("4"));
    EXPECT_EQ(b.state.LetterGrid.at(1, 4), u("!"));
    EXPECT_EQ(b.state.EmptyCellCount, 3);
    EXPECT_EQ(FreeCells(b.state), u("4!oui"));
}

TEST(RefillMessage, RandomModeLeavesTheGridAlone)
{
    Bench b;
    MakeGrid(b, 3);
    b.state.LetterGrid.at(2, 4) = u("x");
    b.settings.randomFill = true;
    b.state.BalanceLabel = { u("1/3"), BalanceColour::Red, u("Il manque 1 lettre") };
    b.engine.RefillMessage(u("  coucou "));
    EXPECT_EQ(b.state.MessageText, u("coucou"));
    EXPECT_EQ(b.state.LetterGrid.at(2, 4), u("x"));
    EXPECT_TRUE(b.state.BalanceLabel.text.isEmpty());
    EXPECT_EQ(b.state.BalanceLabel.colour, BalanceColour::Green);

    // Switching to the message puts it in the free cells at once.
    b.engine.SetRandomFill(false);
    EXPECT_EQ(FreeCells(b.state), u("cou"));
}

TEST(RefillMessage, NeverTouchesAFillInGrid)
{
    Bench b;
    MakeGrid(b, 3);
    b.settings.gameType = GameType::FillIn;
    b.state.LetterGrid.at(0, 0) = u("m");
    b.settings.randomFill = false;
    b.engine.RefillMessage(u("zut"));
    EXPECT_EQ(b.state.LetterGrid.at(0, 0), u("m"));
}

} // namespace
} // namespace lx::test
