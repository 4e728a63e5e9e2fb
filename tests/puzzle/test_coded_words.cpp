// Coded words: codes, key row and columns of the puzzle; the checks of the value boxes.
#include "PuzzleTestSupport.h"

#include "puzzle/CodeBounds.h"

#include <QRect>

namespace lx::test {
namespace {

// Codes distinct and in range (0 for absent letters in the number modes); the key row in the order of the codes written
// with three digits, a quarter of its letters and one revealed, the most frequent; each word once from row 2 on, with its
// letters' codes, revealed letters upper case; nothing else. `cells` gets the cells of each word (one row high).
void ExpectSoundCodedWords(const PuzzleState& s, const QStringList& words, int low, int high, QList<QRect>& cells)
{
    std::set<int> codes;
    for (int k = 0; k < 26; ++k) {
        const int c = s.LetterCodes[k];
        const bool coded = s.LetterCounts[k] > 0 || !s.CodesAreNumbers;
        EXPECT_TRUE(coded ? c >= low && c <= high && codes.insert(c).second : c == 0) << char('A' + k) << " " << c;
    }
    EXPECT_EQ(s.RevealedCount, s.DistinctLetterCount / 4 + 1);
    ASSERT_EQ(s.KeyCodes.size(), s.DistinctLetterCount);
    QString previous, revealed;
    for (int j = 0; j < s.DistinctLetterCount; ++j) {
        const QChar c = s.LetterGrid.at(j, 0).isEmpty() ? QChar() : s.LetterGrid.at(j, 0)[0];
        const int k = LetterIndex(c.toUpper());
        ASSERT_TRUE(k >= 0 && s.LetterCounts[k] > 0 && s.CodeGrid.at(j, 0) == s.LetterCodes[k]) << j;
        const QString padded = u("%1").arg(s.LetterCodes[k], 3, 10, QLatin1Char('0'));
        EXPECT_TRUE(padded > previous && s.KeyCodes[j].text == padded) << padded.toStdString();
        previous = padded;
        revealed += c.isUpper() ? QString(c) : QString();
    }
    EXPECT_EQ(s.RevealedLetters, revealed);
    // The letters given away are the most frequent ones of the words; between letters as frequent, the one more frequent in French.
    QString byFrequency = u("ESAITNRUOLDCMPVQFBGHJXYZWK"); // in French order, then the most frequent in the words first
    std::stable_sort(byFrequency.begin(), byFrequency.end(),
                     [&](QChar a, QChar b) { return s.LetterCounts[a.unicode() - u'A'] > s.LetterCounts[b.unicode() - u'A']; });
    EXPECT_EQ(Sorted(revealed), Sorted(byFrequency.left(s.RevealedCount))) << "letters given away";
    QStringList found, expected;
    for (int y = 2; y < 31; ++y) {
        for (int x = 0; x < 31; ++x) {
            if (s.LetterGrid.at(x, y).isEmpty())
                continue;
            found.append(QString());
            for (const int start = x; x < 31 && !s.LetterGrid.at(x, y).isEmpty(); ++x) {
                const QChar c = s.LetterGrid.at(x, y)[0];
                found.last() += c.toUpper();
                EXPECT_EQ(s.CodeGrid.at(x, y), s.LetterCodes[LetterIndex(c.toUpper())]);
                EXPECT_EQ(c.isUpper(), revealed.contains(c.toUpper()));
                if (x + 1 == 31 || s.LetterGrid.at(x + 1, y).isEmpty())
                    cells.append(QRect(start, y, x + 1 - start, 1));
            }
        }
    }
    for (const QString& w : words)
        expected << ToGridForm(w);
    EXPECT_EQ(Sorted(found), Sorted(expected));
    EXPECT_EQ(CountCells(s, 31, [](const QString& c) { return !c.isEmpty(); }), s.DistinctLetterCount + expected.join(QString()).size());
}

// Ten words or fewer share one column (long words too); beyond, two columns, the longest words in the first, the second
// at column 13 or just after the longest word. Given the room of half a page, ten words or fewer go in two columns when
// their cells are larger so (short words), but stay in one when the two would be wide (a long word). One bench for all
// seeds: no grid leaks into the next generation.
TEST(CodedWords, CodesKeyAndColumnsOfEachValueMode)
{
    const QStringList longWords = Words("hippopotame boulangerie bibliothécaire") + Animals12().mid(3); // up to 14 letters
    const QStringList longest = QStringList { u("extraordinaires") } + Animals12().mid(1); // 15: the largest that fits two columns
    const QStringList tenCp = Words("tortue bibliothécaire culotte abricot peluche chêne jambe pot lèvre cerise");
    struct Case { QStringList words; int valueMode; const char *low, *high; int lowCode, highCode, secondColumn; bool room = false; };
    const Case cases[] { // highCode 0: the number of distinct letters; secondColumn 0: one column
        { Words("chat chien lapin pion clone"), 0, "", "", 1, 0, 0 }, // ten letters
        { Words("chat chien lapin cheval anticonstitutionnellement"), 0, "", "", 1, 0, 0 },
        { Animals12().mid(0, 11), 0, "", "", 1, 0, 13 },
        { longWords, 0, "", "", 1, 0, 15 },
        { longest, 0, "", "", 1, 0, 16 },
        { Animals12(), 1, "5", "30", 5, 30, 13 },
        { Animals12(), 1, "995", "1100", 995, 1100, 13 },
        { Animals12(), 2, "", "", 1, 26, 13 },
        // In half a page: 9.3 mm cells side by side instead of 7.5 in one column (the 21 cells across set the width).
        { tenCp, 0, "", "", 1, 0, 15, true }, { Animals12().mid(0, 9), 0, "", "", 1, 0, 13, true }, // 4 rows beside 5
        { tenCp.mid(2), 0, "", "", 1, 0, 13, true }, // eight short words: 10.3 mm beside, 9.1 in one column
        // Long words: 26 cells across side by side, where one column of 17 keys' width is tall enough.
        { Words("bibliothécaire extraordinaire électricité gymnastique ordinateur calculatrice"), 0, "", "", 1, 0, 0, true },
        // Five words of 12 cells take the first column: the second would start one cell after each, reading as one word.
        { Words("calculatrice bibliothèque marionnettes photographie hélicoptères chat chien lapin poule vache"), 0, "", "", 1, 0, 0, true },
    };
    for (const Case& c : cases) {
        Bench b(GameType::CodedWords);
        std::tie(b.settings.valueMode, b.settings.lowerBound, b.settings.upperBound) = std::tuple(c.valueMode, u(c.low), u(c.high));
        if (c.room)
            b.engine.SetCodedRoom(196, 110);
        const int rows = c.secondColumn ? int(c.words.size() + 1) / 2 : 0;
        for (std::uint64_t seed = 1; seed <= 6; ++seed) {
            SCOPED_TRACE(testing::Message() << c.words.first().toStdString() << " mode " << c.valueMode << " seed " << seed);
            ASSERT_TRUE(b.Generate(c.words, seed).succeeded());
            QList<QRect> words;
            ExpectSoundCodedWords(b.state, c.words, c.lowCode, c.highCode ? c.highCode : b.state.DistinctLetterCount, words);
            EXPECT_EQ(b.state.RowsPerColumn, rows);
            // The first column takes the longest words, so that the two side by side are as narrow as can be.
            int first = 0, shortestFirst = 31, longestSecond = 0;
            for (const QRect& w : words) {
                EXPECT_TRUE(w.x() == 0 ? !c.secondColumn || w.y() <= rows + 1 : w.x() == c.secondColumn) << w.x() << "," << w.y();
                if (w.x() == 0)
                    ++first, shortestFirst = std::min(shortestFirst, w.width());
                else
                    longestSecond = std::max(longestSecond, w.width());
            }
            EXPECT_GE(shortestFirst, longestSecond);
            EXPECT_EQ(first, c.secondColumn ? rows : c.words.size());
            EXPECT_EQ(b.state.CodesAreNumbers, c.valueMode != 2);
            for (int k = 0; k < 26; ++k) { // the code boxes show the codes
                const QString& box = b.settings.letterCodeTexts[k];
                const int code = b.state.LetterCodes[k];
                EXPECT_TRUE(c.valueMode == 2 ? !box.isEmpty() : box == (code ? QString::number(code) : QString())) << k;
            }
        }
        if (c.valueMode == 2) { // the stored symbols, drawn in another order
            EXPECT_NE(b.state.SymbolAlphabet, PuzzleEngine::SymbolCharacters());
            EXPECT_EQ(Sorted(b.state.SymbolAlphabet), Sorted(PuzzleEngine::SymbolCharacters()));
        }
    }
}

// The key row's letters, read in the codes' order either way, spell no unfit word (the solution shows them all): with
// unfit pairs that about one order of these 16 letters in two holds, every seed gets one that holds none.
TEST(CodedWords, TheKeyRowSpellsNoUnfitWord)
{
    Bench b(GameType::CodedWords);
    b.engine.SetUnfitWords(Words("ch ca an ie ou"));
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        ASSERT_TRUE(b.Generate(Animals12(), seed).succeeded());
        QString row;
        for (const TaggedItem& key : std::as_const(b.state.KeyCodes))
            row += QChar(u'A' + key.tag);
        QString back = row;
        std::reverse(back.begin(), back.end());
        for (const QString& w : b.engine.UnfitWords())
            EXPECT_FALSE(row.contains(w) || back.contains(w)) << seed << " " << row.toStdString();
    }
}

// A compound word keeps its parts apart, and its hyphens and apostrophes (straight or not, a dash as a hyphen) to be
// written as it is spelt; the cell of a mark has no code.
TEST(CodedWords, ACompoundWordShowsItsHyphensAndApostrophes)
{
    Bench b(GameType::CodedWords);
    ASSERT_TRUE(b.Generate({ u("arc-en-ciel"), u("aujourd'hui"), u("l’école"), u("pomme de terre"), u("grand–mère"), u("chat") }, 1).succeeded());
    QStringList rows;
    for (int y = 2; y < 8; ++y) {
        QString row;
        for (int x = 0; x < 15; ++x) {
            const QString cell = b.state.LetterGrid.at(x, y);
            const int letter = cell.isEmpty() ? -1 : LetterIndex(cell[0].toUpper());
            EXPECT_EQ(b.state.CodeGrid.at(x, y), letter < 0 ? 0 : b.state.LetterCodes[letter]) << x << "," << y;
            row += cell.isEmpty() ? u(" ") : cell.toUpper();
        }
        rows << row.trimmed();
    }
    rows.sort();
    EXPECT_EQ(rows, (QStringList { u("ARC-EN-CIEL"), u("AUJOURD’HUI"), u("CHAT"), u("GRAND-MERE"), u("L’ECOLE"), u("POMME DE TERRE") }));
}

TEST(CodeBounds, NumbersKeysRangesAndTheirMending)
{
    // 16-bit numbers of the digits 0 to 9 only, never a wrapped value.
    for (const auto& [text, value] : { std::pair<const char*, std::optional<int>> { " 7 ", 7 }, { "-32768", -32768 },
                                       { "32767", 32767 }, { "32768", std::nullopt }, { "99999999999999999999", std::nullopt }, { "1a", std::nullopt },
                                       { "٣", std::nullopt } })
        EXPECT_EQ(ParseShortNumber(u(text)), value) << text;
    // 26 values at least; an empty bound disables the button without marking the boxes; a bound beyond 16 bits is an
    // error, never a wrapped value, and is named so (not as too few values); the range advised is one a bound can give.
    const QString few = u("Les valeurs de %1 à %2 ne suffisent pas : il en faut au moins 26 (%3 par exemple).");
    const QString empty = u("Indiquez les deux bornes des valeurs des mots codés.");
    const QString from1 = u("Les valeurs de %1 à %2 ne suffisent pas : les codes commencent à 1 et il en faut au moins 26 (%3 par exemple).");
    const std::tuple<const char*, const char*, BoundsVerdict, QString> verdicts[] {
        { "5", "30", { true, false }, {} }, { "5", "29", { false, true }, few.arg(5).arg(29).arg(u("5-30")) },
        { "40", "10", { false, true }, few.arg(40).arg(10).arg(u("40-65")) }, { "", "30", { false, std::nullopt }, empty },
        { "5", "", { false, std::nullopt }, empty }, { "32760", "32767", { false, true }, few.arg(32760).arg(32767).arg(u("32742-32767")) },
        { "1", "70000", { false, true }, u("Les bornes des valeurs doivent être des nombres entiers de 1 à 32767.") },
        // Codes start at 1, so a range from 0 or below gives fewer than it spans.
        { "0", "26", { true, false }, {} }, { "0", "25", { false, true }, from1.arg(0).arg(25).arg(u("1-26")) },
        { "-10", "20", { false, true }, from1.arg(-10).arg(20).arg(u("1-26")) },
    };
    for (const auto& [low, high, verdict, problem] : verdicts) {
        EXPECT_EQ(CheckCodeBounds(u(low), u(high)), verdict) << low << ".." << high;
        EXPECT_EQ(CodeBoundsProblem(u(low), u(high), [](int a, int b) { return u("%1-%2").arg(a).arg(b); }), problem);
    }
    EXPECT_EQ(ReadCodeRange(u("0"), u("40")).low, 1) << "never a code below one";
    const CodeRange narrow = ReadCodeRange(u("0"), u("25"));
    EXPECT_GE(narrow.high - narrow.low, 25) << "26 distinct codes must stay possible";
    for (const auto& [lo, hi, mended] : { std::tuple { "40", "10", "10..40" }, { "0", "50", "1..50" },
                                          { "20", "0", "0..20" } /* the upper text goes down */, { "", "50", "..50" } }) {
        QString low = u(lo), high = u(hi);
        LeaveCodeBounds(low, high);
        EXPECT_EQ(low + u("..") + high, u(mended));
    }
    // A code box: empty changes nothing; an error when it repeats another letter's code, is no number, or falls outside the mode's range.
    std::array<QString, 26> boxes { u("3"), u("12"), u("3") };
    const std::tuple<const char*, int, std::optional<bool>> codes[] {
        { "", 0, std::nullopt }, { "12", 0, true }, { "27", 0, true }, { "27", 1, false }, { "27", 2, true },
        { "0", 0, true }, { "x", 0, true }, { "9", 1, true }, { "26", 0, false },
    };
    for (const auto& [code, mode, error] : codes) {
        boxes[3] = u(code);
        EXPECT_EQ(CheckLetterCode(3, boxes, mode, u("10"), u("99")), error) << code << " mode " << mode;
    }
    EXPECT_EQ(CheckLetterCode(0, boxes, 0, u("10"), u("99")), true) << "the code of another letter";
}

} // namespace
} // namespace lx::test
