// Filler letters and the hidden message of a word search.
#include "PuzzleTestSupport.h"

#include "puzzle/MessageFit.h"

#include <map>

namespace lx::test {
namespace {

// A 5 x 5 word search whose cells are word letters W but the last `free` ones.
void MakeGrid(Bench& b, int freeCells)
{
    b.settings.gameType = b.state.gameType = GameType::WordSearch;
    b.state.SetGridDimensions(5);
    b.state.ClearGrids();
    for (int n = 0; n < 25; ++n)
        b.state.LetterGrid.at(n % 5, n / 5) = n < 25 - freeCells ? u("W") : QString();
}

// The free cells in reading order, "_" for an empty one.
QString FreeCells(const PuzzleState& s)
{
    QString out;
    for (int n = 0; n < (s.GridLast + 1) * (s.GridLast + 1); ++n) {
        const QString& c = s.LetterGrid.at(n % (s.GridLast + 1), n / (s.GridLast + 1));
        out += c.isEmpty() ? u("_") : !PuzzleState::IsFillerCell(c) ? QString() : c;
    }
    return out;
}

// The message reads in order in the free cells, cut when too long, the last cells left empty when too short; the
// label counts the letters missing. The shuffled message is a permutation of its letters, never the letters as typed.
TEST(HiddenMessage, ReadsInOrderAndTheBalanceLabelCountsTheLetters)
{
    struct Case { int freeCells; const char *message, *letters, *cells, *label; BalanceColour colour; const char* explanation; bool shuffle = false; };
    const Case cases[] {
        { 9, "  Bravo, l'été ! ", "bravolete", "bravolete", "0/9", BalanceColour::Green, "" },
        { 15, "abcdefghijklmnopq", "abcdefghijklmnopq", "abcdefghijklmno", "-2/15", BalanceColour::Red, "Il y a 2 lettres de trop" },
        { 4, "abcde", "abcde", "abcd", "-1/4", BalanceColour::Red, "Il y a 1 lettre de trop" },
        { 5, "ab", "ab", "ab___", "3/5", BalanceColour::Red, "Il manque 3 lettres" },
        { 5, "abcd", "abcd", "abcd_", "1/5", BalanceColour::Red, "Il manque 1 lettre" },
        { 6, " 123 ! ", "", "______", "6/6", BalanceColour::Green, "Il n'y a aucune lettre" },
        { 2, "ab", "ba", "ba", "0/2", BalanceColour::Green, "", true },
    };
    for (const Case& c : cases) {
        Bench b;
        MakeGrid(b, c.freeCells);
        std::tie(b.settings.randomFill, b.settings.shuffleMessage, b.settings.message) = std::tuple(false, c.shuffle, u(c.message));
        b.engine.FillFreeCells();
        EXPECT_EQ(b.state.MessageText, u(c.message).trimmed());
        EXPECT_EQ(QStringList({ b.state.MessageLetters, FreeCells(b.state) }), QStringList({ u(c.letters), u(c.cells) }));
        EXPECT_EQ(b.state.EmptyCellCount, c.freeCells);
        EXPECT_EQ(b.state.BalanceLabel, (LetterBalanceLabel { u(c.label), c.colour, u(c.explanation) })) << c.message;
    }
    Bench b;
    EXPECT_EQ(b.engine.ShuffleText(u("aaaa")), u("aaaa")) << "no other permutation: returned as it is";
    for (int i = 0; i < 200; ++i) {
        const QString t = b.engine.ShuffleText(u("aabc"));
        ASSERT_TRUE(t != u("aabc") && Sorted(t) == u("aabc")) << t.toStdString();
    }
}

// Each letter drawn as often as in the words (l u n e s o: 5, 1, 1, 2, 3 and 1 times; no word to avoid), a letter absent
// from them never; a selection without any letter leaves the free cells empty.
TEST(RandomFiller, DrawsEachLetterAsOftenAsInTheWords)
{
    Bench b;
    std::tie(b.state.GridSize, b.state.GridLast) = std::tuple(18, 17);
    const std::map<QChar, int> counts { { u'l', 5 }, { u'u', 1 }, { u'n', 1 }, { u'e', 2 }, { u's', 3 }, { u'o', 1 } };
    for (const auto& [letter, count] : counts)
        b.state.LetterCounts[letter.toUpper().unicode() - u'A'] = std::int16_t(count);
    std::map<QChar, int> seen;
    for (int fill = 0; fill < 30; ++fill) {
        b.state.ClearGrids();
        b.engine.FillFreeCells();
        EXPECT_EQ(b.state.EmptyCellCount, 18 * 18);
        EXPECT_EQ(b.state.BalanceLabel, LetterBalanceLabel {});
        CountCells(b.state, 18, [&](const QString& c) { return ++seen[c[0]]; });
    }
    ASSERT_EQ(seen.size(), 6u);
    for (const auto& [c, n] : seen)
        EXPECT_TRUE(counts.count(c) && std::abs(n / (30.0 * 18 * 18) - counts.at(c) / 13.0) < 0.02) << char(c.unicode()) << " " << n;
    Bench digits;
    digits.settings.gridSize = 6;
    ASSERT_TRUE(digits.Generate(Words("12 345 6789 10 2024"), 2).succeeded());
    EXPECT_EQ(CountCells(digits.state, 6, [](const QString& c) { return c.isEmpty(); }), digits.state.EmptyCellCount);
    EXPECT_GT(digits.state.EmptyCellCount, 0);
}

// A hidden message cannot be drawn again: the layout with the fewest unwanted readings is kept, more layouts never
// worse; the search ends, and the time limit (layouts without end) keeps the best whole layout so far, never a part.
TEST(HiddenMessage, KeepsTheLayoutWithTheFewestUnwantedReadings)
{
    const QStringList words = Words("lulu calcul culotte loto clou tulle"); // "cul" all along
    QList<int> found;
    // Generates with a hidden message; when it succeeds, every word is placed whole and reads in its cells.
    const auto generate = [](Bench& b, int gridSize, const QString& message, const QStringList& words, std::uint64_t seed) {
        std::tie(b.settings.gridSize, b.settings.directions, b.settings.randomFill, b.settings.message)
            = std::tuple(gridSize, kAllDirections, false, message);
        const bool succeeded = b.Generate(words, seed).succeeded();
        for (const WordEntry& e : std::as_const(b.state.WordEntries))
            EXPECT_TRUE(!succeeded || (!e.gridText.isEmpty() && ReadEntry(b.state, e) == e.gridText)) << e.gridText.toStdString();
        return succeeded;
    };
    for (int layouts : { 1, 2, 4, 8, 50, PuzzleEngine::kMessageLayouts, 1 << 30 }) {
        Bench b;
        if (layouts == 1 << 30)
            b.engine.Clock().SetLimitMs(200);
        b.engine.SetLayoutLimits(layouts, PuzzleEngine::kRandomLayouts);
        ASSERT_TRUE(generate(b, 8, QString(u("cul")).repeated(20), words, 3));
        found.append(int(UnwantedReadings(b.state, b.engine.UnfitWords()).size()));
        EXPECT_TRUE(FreeCells(b.state).startsWith(u("culcul")));
    }
    for (int i = 1; i + 1 < found.size(); ++i)
        EXPECT_LE(found[i], found[i - 1]) << "layouts tried: never worse";
    EXPECT_LT(found.last(), found.first()) << "the search finds a better layout";
    // Slow layouts (thirty words, a message too long for any) cut short by the limit, often amid the layout after a better one.
    for (int limitMs = 2; limitMs <= 12; ++limitMs) {
        SCOPED_TRACE(testing::Message() << limitMs << " ms");
        Bench b;
        b.engine.Clock().SetLimitMs(limitMs);
        generate(b, 18, QString(u("message")).repeated(50), FruitsAndVegetables(), 1);
    }
}

// One word a line, CR LF or not, comments and blank lines left out; the shipped Windows-1252 file holds the short words
// filler letters spell most.
TEST(UnfitWords, ParseAndTheShippedList)
{
    EXPECT_EQ(ParseUnfitWords(u("/ commentaire\r\ncul\r\n\r\n  Pétard  \nzut\rcrotte de bique\n/ fin")),
              Words("cul Pétard zut") << u("crotte de bique"));
    Bench b;
    b.engine.SetUnfitWords({ u("Pétard"), u("crotte de bique"), u("x"), u("PETARD") });
    EXPECT_EQ(b.engine.UnfitWords(), Words("PETARD CROTTEDEBIQUE")) << "grid forms, once each";
    EXPECT_GE(ShippedUnfitWords().size(), 30) << "data/filtres/mots-exclus.txt";
    for (const char* w : { "cul", "con", "pet", "zizi", "pipi", "caca", "bâtard" })
        EXPECT_TRUE(ShippedUnfitWords().contains(u(w))) << w;
}

// After a generation the free cells follow every edit of the message, the words stay; digits and marks of words
// stay, random mode and the letters of a fill-in grid are left alone; switching to the message puts it in at once.
TEST(RefillMessage, TheFreeCellsFollowEveryEditAndNothingElse)
{
    Bench b;
    std::tie(b.settings.gridSize, b.settings.randomFill, b.settings.message) = std::tuple(7, false, u("salut"));
    ASSERT_TRUE(b.Generate(Animals12().mid(0, 5), 17).succeeded());
    const QList<WordEntry> entries = b.state.WordEntries;
    const int free = b.state.EmptyCellCount;
    EXPECT_TRUE(FreeCells(b.state).startsWith(u("salut")));
    b.engine.RefillMessage(u("Bonne journée"));
    EXPECT_EQ(b.state.EmptyCellCount, free);
    EXPECT_TRUE(FreeCells(b.state).startsWith(u("bonnejournee")));
    for (const WordEntry& e : entries)
        EXPECT_EQ(ReadEntry(b.state, e), e.gridText);
    EXPECT_EQ(b.state.BalanceLabel.text, u("%1/%2").arg(free - 12).arg(free));
    b.engine.RefillMessage(QString());
    EXPECT_EQ(FreeCells(b.state), QString(free, QChar(u'_')));
    MakeGrid(b, 6);
    b.state.LetterGrid.at(4, 3) = u("ß"), b.state.LetterGrid.at(0, 4) = u("4"), b.state.LetterGrid.at(1, 4) = u("!");
    b.engine.RefillMessage(u("oui"));
    EXPECT_EQ(FreeCells(b.state), u("oui"));
    EXPECT_EQ(b.state.LetterGrid.at(4, 3), u("ß")) << "a word's small letter is no filler";
    MakeGrid(b, 3);
    b.state.LetterGrid.at(2, 4) = u("x");
    b.settings.randomFill = true;
    b.state.BalanceLabel = { u("1/3"), BalanceColour::Red, u("Il manque 1 lettre") };
    b.engine.RefillMessage(u("  coucou "));
    EXPECT_EQ(b.state.MessageText, u("coucou"));
    EXPECT_EQ(FreeCells(b.state), u("x__"));
    EXPECT_TRUE(b.state.BalanceLabel.text.isEmpty() && b.state.BalanceLabel.colour == BalanceColour::Green);
    b.engine.SetRandomFill(false); // the message goes in at once
    EXPECT_EQ(FreeCells(b.state), u("cou"));
    b.settings.gameType = GameType::FillIn;
    b.state.LetterGrid.at(0, 0) = u("m");
    b.engine.RefillMessage(u("zut"));
    EXPECT_EQ(b.state.LetterGrid.at(0, 0), u("m"));
}

// Free cells = side² − the words' letters + the cells they share: the sizes that take a message exactly, a sentence each.
TEST(MessageFit, GridSizesAndTheirSentence)
{
    const QStringList five = Words("CHAT LION LOUP OURS RAT");
    EXPECT_EQ(CountWordCells(five, true), (WordCells { 19, 4, 3 })) << "LION has no letter of CHAT: it crosses nothing before it";
    EXPECT_EQ(CountWordCells(five, false), (WordCells { 19, 4, 0 })) << "words along one line never cross";
    EXPECT_TRUE(WordsCanCross({ true, false, false, false, true, false }) && !WordsCanCross({ true, true, false, false, false, false }));
    // Along rows only, 65 letters (8, 6 × 5, 5 × 4, 4, 3) take ten rows of 9 cells, nine of 10 cells.
    const QStringList animals = Words("ELEPHANT CANARD CHEVAL MOUTON RENARD SOURIS CHIEN LAPIN POULE VACHE CHAT ANE");
    EXPECT_EQ(CountWordCells(animals, false).rows & (1u << 9 | 1u << 10), 1u << 10);
    EXPECT_EQ(GridSizeAdvice(CountWordCells(animals, false), 16), u("Ce message est trop court pour ces mots : il faut au moins 35 lettres, pour une grille de 10×10."));
    struct Case { WordCells words; int letters; QList<int> sides; const char* sentence; };
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

} // namespace
} // namespace lx::test
