// Filler letters and the hidden message of a word search.
#include "PuzzleTestSupport.h"

#include "puzzle/MessageFit.h"
#include "puzzle/UnfitWords.h"
#include "words/WordForms.h"

#include <gtest/gtest.h>

#include <map>

namespace lx::test {
namespace {

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

// The message reads in order in the free cells, cut when too long, the last
// cells left empty when too short; the label counts the letters missing.
TEST(HiddenMessage, ReadsInOrderAndTheBalanceLabelCountsTheLetters)
{
    struct Case {
        int freeCells;
        const char *message, *letters, *cells, *label;
        BalanceColour colour;
        const char* explanation;
    };
    const Case cases[] {
        { 5, "  Bravo ! ", "bravo", "bravo", "0/5", BalanceColour::Green, "" },
        { 3, "été", "ete", "ete", "0/3", BalanceColour::Green, "" },
        { 15, "abcdefghijklmnopq", "abcdefghijklmnopq", "abcdefghijklmno", "-2/15", BalanceColour::Red,
          "Il y a 2 lettres de trop" },
        { 4, "abcde", "abcde", "abcd", "-1/4", BalanceColour::Red, "Il y a 1 lettre de trop" },
        { 5, "ab", "ab", "ab___", "3/5", BalanceColour::Red, "Il manque 3 lettres" },
        { 5, "abcd", "abcd", "abcd_", "1/5", BalanceColour::Red, "Il manque 1 lettre" },
        { 6, " 123 ! ", "", "______", "6/6", BalanceColour::Green, "Il n'y a aucune lettre" },
    };
    for (const Case& c : cases) {
        Bench b;
        MakeGrid(b, c.freeCells);
        b.settings.randomFill = false;
        b.settings.message = u(c.message);
        b.engine.FillFreeCells();
        EXPECT_EQ(b.state.MessageText, u(c.message).trimmed());
        EXPECT_EQ(b.state.MessageLetters, u(c.letters));
        EXPECT_EQ(b.state.EmptyCellCount, c.freeCells);
        EXPECT_EQ(FreeCells(b.state), u(c.cells));
        EXPECT_EQ(b.state.BalanceLabel, (LetterBalanceLabel { u(c.label), c.colour, u(c.explanation) })) << c.message;
    }
}

TEST(ShuffleText, NeverReturnsItsInputUnlessAllCharactersAreEqual)
{
    auto sorted = [](QString t) {
        std::sort(t.begin(), t.end());
        return t;
    };
    Bench b;
    EXPECT_EQ(b.engine.ShuffleText(QString()), QString());
    EXPECT_EQ(b.engine.ShuffleText(u("a")), u("a"));
    EXPECT_EQ(b.engine.ShuffleText(u("aaaa")), u("aaaa"));
    EXPECT_EQ(b.engine.ShuffleText(u("ab")), u("ba"));
    for (int i = 0; i < 200; ++i) {
        const QString t = b.engine.ShuffleText(u("aabc"));
        ASSERT_NE(t, u("aabc"));
        ASSERT_EQ(sorted(t), u("aabc"));
    }

    // The shuffled hidden message is such a permutation, laid in the free cells.
    MakeGrid(b, 9);
    b.settings.randomFill = false;
    b.settings.shuffleMessage = true;
    b.settings.message = u("Bon voyage");
    b.engine.SetFixedSeed(5);
    b.engine.FillFreeCells();
    EXPECT_NE(b.state.MessageLetters, u("bonvoyage"));
    EXPECT_EQ(sorted(b.state.MessageLetters), sorted(u("bonvoyage")));
    EXPECT_EQ(FreeCells(b.state), b.state.MessageLetters);
}

TEST(RandomFiller, DrawsEachLetterOfTheWordsEquallyOften)
{
    // Six letters l u n e s o, each drawn with probability 1/6 however often it
    // occurs in the words, where no word can be spelled (no word is listed).
    Bench b;
    b.state.GridSize = 18;
    b.state.GridLast = 17;
    b.state.LetterCounts.fill(0);
    for (const auto& [letter, count] : { std::pair { 'L', 5 }, { 'U', 1 }, { 'N', 1 }, { 'E', 2 }, { 'S', 3 }, { 'O', 1 } })
        b.state.LetterCounts[letter - 'A'] = std::int16_t(count);
    std::map<QChar, int> seen;
    int total = 0;
    for (int fill = 0; fill < 30; ++fill) {
        b.state.ClearGrids();
        b.engine.FillFreeCells();
        EXPECT_EQ(b.state.EmptyCellCount, 18 * 18);
        EXPECT_EQ(b.state.BalanceLabel, LetterBalanceLabel {});
        CountCells(b.state, 18, [&](const QString& c) { return ++seen[c[0]] && ++total; });
    }
    ASSERT_EQ(seen.size(), 6u);
    for (const auto& [c, n] : seen) {
        EXPECT_TRUE(u("lunesos").contains(c));
        EXPECT_NEAR(double(n) / total, 1.0 / 6, 0.02) << QString(c).toStdString();
    }
}

// The filler spells no listed word a second time and no unfit word (the
// word-search tests check every grid they make); the hidden message cannot be
// drawn again, so the layout with the fewest such readings is kept: with more
// layouts allowed the result never gets worse, and the search always ends; the
// time limit (layouts without end) keeps the best whole layout so far.
TEST(HiddenMessage, KeepsTheLayoutWithTheFewestUnwantedReadings)
{
    // "cul" all along, and words made of its letters: readings everywhere.
    const QStringList words { u("lulu"), u("calcul"), u("culotte"), u("loto"), u("clou"), u("tulle") };
    QList<int> found;
    for (int layouts : { 1, 2, 4, 8, 50, PuzzleEngine::kMessageLayouts, 1 << 30 }) {
        Bench b;
        if (layouts == 1 << 30)
            b.engine.Clock().SetLimitMs(200);
        b.settings.gridSize = 8;
        b.settings.directions = kAllDirections;
        b.settings.randomFill = false;
        b.settings.message = QString(u("cul")).repeated(20);
        b.engine.SetLayoutLimits(layouts, PuzzleEngine::kRandomLayouts);
        ASSERT_TRUE(b.Generate(words, 3).succeeded());
        for (const WordEntry& e : std::as_const(b.state.WordEntries))
            EXPECT_TRUE(!e.gridText.isEmpty() && ReadEntry(b.state, e, int(e.gridText.size())) == e.gridText);
        found.append(int(UnwantedReadings(b.state, b.engine.UnfitWords()).size()));
        QString message;
        CountCells(b.state, 8, [&](const QString& c) { return c[0].isLower() && !(message += c).isEmpty(); });
        EXPECT_TRUE(message.startsWith(u("culcul")));
    }
    for (int i = 1; i + 1 < found.size(); ++i)
        EXPECT_LE(found[i], found[i - 1]) << "layouts tried: never worse";
    EXPECT_LT(found.last(), found.first()) << "the search finds a better layout";
}

// One word a line, CR LF or not; comments and blank lines left out. The file
// of the program folder holds the short words filler letters spell most.
TEST(UnfitWords, ParseAndTheShippedList)
{
    EXPECT_EQ(ParseUnfitWords(u("/ commentaire\r\ncul\r\n\r\n  Pétard  \nzut\rcrotte de bique\n/ fin")),
              (QStringList { u("cul"), u("Pétard"), u("zut"), u("crotte de bique") }));
    EXPECT_EQ(LoadUnfitWords(u("/nonexistent/mots-exclus.txt")), QStringList());

    Bench b;
    b.engine.SetUnfitWords({ u("Pétard"), u("crotte de bique"), u("x"), u("PETARD") });
    EXPECT_EQ(b.engine.UnfitWords(), (QStringList { u("PETARD"), u("CROTTEDEBIQUE") })) << "grid forms, once each";

    const QStringList shipped = ShippedUnfitWords();
    ASSERT_GE(shipped.size(), 30) << "data/filtres/mots-exclus.txt";
    for (const char* w : { "cul", "con", "pet", "zizi", "pipi", "caca", "bâtard" }) // Windows-1252 read
        EXPECT_TRUE(shipped.contains(u(w))) << w;
    for (const QString& w : shipped)
        EXPECT_GE(ToGridForm(w).size(), 3) << w.toStdString();
}

TEST(RandomFiller, SelectionWithoutLettersLeavesCellsEmpty)
{
    Bench b;
    b.settings.gridSize = 6;
    const QStringList words { u("12"), u("345"), u("6789"), u("10"), u("2024") };
    ASSERT_TRUE(b.Generate(words, 2).succeeded());
    const int empty = CountCells(b.state, 6, [](const QString& c) { return c.isEmpty(); });
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

// Digits and marks of words stay; random mode and the letters of a fill-in
// grid are left alone.
TEST(RefillMessage, KeepsWordCharactersAndLeavesOtherModesAlone)
{
    Bench b;
    MakeGrid(b, 5);
    b.state.LetterGrid.at(0, 4) = u("4");
    b.state.LetterGrid.at(1, 4) = u("!");
    b.settings.randomFill = false;
    b.engine.RefillMessage(u("oui"));
    EXPECT_EQ(b.state.EmptyCellCount, 3);
    EXPECT_EQ(FreeCells(b.state), u("4!oui"));

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

    MakeGrid(b, 3);
    b.settings.gameType = GameType::FillIn;
    b.state.LetterGrid.at(0, 0) = u("m");
    b.engine.RefillMessage(u("zut"));
    EXPECT_EQ(b.state.LetterGrid.at(0, 0), u("m"));
}

} // namespace
} // namespace lx::test

namespace lx::test {
namespace {

// The first `letters` letters of a message as a teacher types it.
QString MessageOf(int letters)
{
    const QString text = u("Bravo les enfants, vous avez retrouvé tous les mots ! ");
    QString out;
    for (int k = 0; LettersOnly(out).size() < letters; ++k)
        out += text[k % text.size()];
    return out;
}

// Free cells = side² − the words' letters + the cells they share: the sizes
// that take a message exactly, one sentence for each way it can fall.
TEST(MessageFit, GridSizesAndTheirSentence)
{
    EXPECT_EQ(CountWordCells({ u("CHAT"), u("LION"), u("LOUP"), u("OURS"), u("RAT") }, true), (WordCells { 19, 4, 3 }))
        << "LION has no letter of CHAT: it crosses nothing before it";
    struct Case {
        WordCells words;
        int letters;
        QList<int> sides;
        const char* sentence;
    };
    const Case cases[] {
        { { 65, 8, 11 }, 20, { 9 }, "Ce message tiendrait dans une grille de 9×9." },
        { { 100, 9, 25 }, 22, { 10, 11 }, "Ce message tiendrait dans une grille de 10×10 ou 11×11." },
        { { 100, 9, 60 }, 50, { 10, 11, 12 }, "Ce message tiendrait dans une grille de 10×10, 11×11 ou 12×12." },
        { { 100, 9, 80 }, 75, { 10, 11, 12, 13 }, "Ce message tiendrait dans une grille de 10×10 à 13×13." },
        { { 65, 8, 11 }, 30, {},
          "Ce message ne tient dans aucune grille : retirez 3 lettres pour une grille de 9×9 ou ajoutez-en 5 pour une "
          "grille de 10×10." },
        { { 19, 4, 3 }, 3, {}, "Ce message est trop court pour ces mots : il faut au moins 6 lettres, pour une grille de 5×5." },
        // Words over nearly every cell: one free cell in twelve at least.
        { { 100, 10, 20 }, 5, {}, "Ce message est trop court pour ces mots : il faut au moins 9 lettres, pour une grille de 10×10." },
        { { 65, 8, 11 }, 300, {}, "Ce message est trop long pour ces mots : une grille de 18×18 en prend au plus 270 lettres." },
        { { 40, 19, 5 }, 10, {}, "" }, // no word search takes a word of 19 letters
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GridSidesForMessage(c.words, c.letters), c.sides) << c.sentence;
        EXPECT_EQ(GridSizeAdvice(c.words, c.letters), u(c.sentence));
    }
}

// A message that fits the size fills the free cells exactly, seed after
// seed, with no unwanted reading; one too short gets the nearest layout (no
// cell shared), one too long at least the sharing counted on.
TEST(MessageFit, GenerationLaysTheWordsForTheMessage)
{
    enum Expect { Fits, TooShort, TooLong };
    struct Case {
        QStringList words;
        int side;
        bool all;
        int extra; // message letters beyond side² − the words' letters
        Expect expect;
    };
    const Case cases[] {
        { Animals12(), 10, false, 0, Fits }, { Animals12(), 10, false, 6, Fits }, { Animals12(), 9, true, 11, Fits },
        { School20(), 14, true, 12, Fits }, { FillInWords(20), 13, false, 10, Fits },
        { Animals12(), 12, false, -40, TooShort }, { Animals12(), 9, false, 40, TooLong },
    };
    for (const Case& c : cases) {
        Bench lists;
        lists.engine.PrepareWordLists(c.words);
        const WordCells cells = CountWordCells(lists.engine.GridForms(), WordsCanCross(c.all ? kAllDirections : PuzzleSettings {}.directions));
        const int unshared = c.side * c.side - cells.letters;
        const int letters = unshared + c.extra;
        EXPECT_EQ(MessageFitsGrid(cells, letters, c.side), c.expect == Fits) << c.side << " " << letters;
        for (std::uint64_t seed = 1; seed <= 5; ++seed) {
            SCOPED_TRACE(testing::Message() << c.words.first().toStdString() << " " << c.side << " seed " << seed);
            Bench b;
            b.settings.gridSize = c.side;
            b.settings.directions = c.all ? kAllDirections : PuzzleSettings {}.directions;
            b.settings.randomFill = false;
            b.settings.message = MessageOf(letters);
            ASSERT_TRUE(b.Generate(c.words, seed).succeeded());
            EXPECT_EQ(UnwantedReadings(b.state, b.engine.UnfitWords()), QStringList());
            for (const WordEntry& e : std::as_const(b.state.WordEntries))
                EXPECT_EQ(ReadEntry(b.state, e, int(e.gridText.size())), e.gridText);
            if (c.expect == Fits)
                EXPECT_EQ(b.state.BalanceLabel, (LetterBalanceLabel { u("0/%1").arg(letters), BalanceColour::Green, QString() }));
            else if (c.expect == TooShort)
                EXPECT_EQ(b.state.LetterBalance, -c.extra);
            else
                EXPECT_GE(b.state.LetterBalance, cells.sharing - c.extra);
        }
    }
}

} // namespace
} // namespace lx::test
