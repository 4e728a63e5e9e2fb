// Coded words: distinct codes in the mode's range, the key row with the first
// quarter revealed, and the words laid out in one or two columns.
#include "PuzzleTestSupport.h"

#include "words/WordForms.h"

#include <gtest/gtest.h>

#include <set>

namespace lx::test {
namespace {

struct Placed {
    int column;
    int row;
    QString text;
};

// Reads the words back from rows 2 onwards: a word is a run of cells in a row.
QList<Placed> ReadWords(const PuzzleState& s)
{
    QList<Placed> out;
    for (int y = 2; y < 31; ++y) {
        for (int x = 0; x < 31; ++x) {
            if (s.LetterGrid.at(x, y).isEmpty())
                continue;
            Placed p { x, y, {} };
            while (x < 31 && !s.LetterGrid.at(x, y).isEmpty())
                p.text += s.LetterGrid.at(x++, y).toUpper();
            out << p;
        }
    }
    return out;
}

void ExpectSoundCodedWords(const PuzzleState& s, const QStringList& words, int low, int high)
{
    // Codes: distinct, in range, 0 for absent letters (number modes).
    std::set<int> codes;
    for (int k = 0; k < 26; ++k) {
        const int c = s.LetterCodes[k];
        if (s.LetterCounts[k] > 0 || !s.CodesAreNumbers) {
            EXPECT_GE(c, low);
            EXPECT_LE(c, high);
            EXPECT_TRUE(codes.insert(c).second) << "code " << c << " given twice";
        } else {
            EXPECT_EQ(c, 0);
        }
    }
    EXPECT_EQ(s.RevealedCount, s.DistinctLetterCount / 4 + 1);

    // Key row: present letters in the order of their codes written with at
    // least three digits (ascending below 1000), the first ones revealed.
    ASSERT_EQ(s.KeyCodes.size(), s.DistinctLetterCount);
    QString previous;
    QString revealed;
    for (int j = 0; j < s.DistinctLetterCount; ++j) {
        const QString cell = s.LetterGrid.at(j, 0);
        ASSERT_EQ(cell.size(), 1);
        const int k = cell[0].toUpper().unicode() - u'A';
        EXPECT_GT(s.LetterCounts[k], 0);
        EXPECT_EQ(s.CodeGrid.at(j, 0), s.LetterCodes[k]);
        const QString padded = QStringLiteral("%1").arg(s.CodeGrid.at(j, 0), 3, 10, QLatin1Char('0'));
        EXPECT_GT(padded, previous);
        previous = padded;
        EXPECT_EQ(cell[0].isUpper(), j < s.RevealedCount);
        if (j < s.RevealedCount)
            revealed += cell;
    }
    EXPECT_TRUE(s.LetterGrid.at(s.DistinctLetterCount, 0).isEmpty());
    EXPECT_EQ(s.RevealedLetters, revealed);
    for (int x = 0; x < 31; ++x)
        EXPECT_TRUE(s.LetterGrid.at(x, 1).isEmpty()) << "row 1 stays empty";

    // Words: each exactly once, codes under every letter, revealed letters upper case.
    const QList<Placed> placed = ReadWords(s);
    QStringList found;
    for (const Placed& p : placed) {
        found << p.text;
        for (int k = 0; k < p.text.size(); ++k) {
            const QString cell = s.LetterGrid.at(p.column + k, p.row);
            const int letter = LetterIndex(p.text[k]);
            EXPECT_EQ(s.CodeGrid.at(p.column + k, p.row), s.LetterCodes[letter]);
            EXPECT_EQ(cell[0].isUpper(), revealed.contains(p.text[k]));
        }
    }
    QStringList expected;
    for (const QString& w : words)
        expected << ToGridForm(w);
    std::sort(found.begin(), found.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(found, expected);
}

TEST(CodedWords, TenDistinctLettersGetCodesOneToTen)
{
    // Letters C H A T I E N L P O: exactly ten.
    const QStringList words { u("chat"), u("chien"), u("lapin"), u("pion"), u("clone") };
    for (std::uint64_t seed = 1; seed <= 10; ++seed) {
        Bench b(GameType::CodedWords);
        ASSERT_TRUE(b.Generate(words, seed).succeeded());
        EXPECT_EQ(b.state.DistinctLetterCount, 10);
        EXPECT_EQ(b.state.RevealedCount, 3);
        ExpectSoundCodedWords(b.state, words, 1, 10);
        EXPECT_EQ(b.state.CodeGrid.at(0, 0), 1);
        EXPECT_EQ(b.state.CodeGrid.at(2, 0), 3) << "the letters with codes 1, 2 and 3 are revealed";
        EXPECT_EQ(b.state.KeyCodes[0].text, u("001"));
        EXPECT_EQ(b.state.RowsPerColumn, 0);
        const QList<Placed> placed = ReadWords(b.state);
        for (const Placed& p : placed)
            EXPECT_EQ(p.column, 0) << "one column for ten words or fewer";
        // The code boxes mirror the codes.
        for (int k = 0; k < 26; ++k)
            EXPECT_EQ(b.settings.letterCodeTexts[k],
                      b.state.LetterCodes[k] ? QString::number(b.state.LetterCodes[k]) : QString());
    }
}

// Beyond ten words, two columns: the second starts at column 13, or just after
// the longest word when that one is longer.
TEST(CodedWords, TwoColumnsThatNeverOverlap)
{
    QStringList longWords = Animals12();
    longWords[0] = u("hippopotame");    // 11
    longWords[1] = u("boulangerie");    // 11
    longWords[2] = u("bibliothécaire"); // 14
    QStringList longest = Animals12();
    longest[0] = u("extraordinaires"); // 15: the largest that fits two columns
    struct Case {
        QStringList words;
        int seeds, secondColumn, firstColumnWords;
    };
    for (const Case& c : { Case { Animals12().mid(0, 11), 3, 13, 6 }, Case { longWords, 10, 15, 6 },
                           Case { longest, 2, 16, 6 } }) {
        for (int seed = 1; seed <= c.seeds; ++seed) {
            SCOPED_TRACE(testing::Message() << c.words.first().toStdString() << ", seed " << seed);
            Bench b(GameType::CodedWords);
            ASSERT_TRUE(b.Generate(c.words, seed).succeeded());
            EXPECT_EQ(b.state.RowsPerColumn, 6);
            ExpectSoundCodedWords(b.state, c.words, 1, b.state.DistinctLetterCount);
            int first = 0;
            for (const Placed& p : ReadWords(b.state)) {
                if (p.column == 0) {
                    ++first;
                    EXPECT_LE(p.row, 7);
                } else {
                    EXPECT_EQ(p.column, c.secondColumn);
                }
            }
            EXPECT_EQ(first, c.firstColumnWords);
        }
    }

    // Ten words or fewer share one column, which takes long words.
    const QStringList five { u("chat"), u("chien"), u("lapin"), u("cheval"), u("anticonstitutionnellement") };
    Bench b(GameType::CodedWords);
    ASSERT_TRUE(b.Generate(five, 1).succeeded());
    ExpectSoundCodedWords(b.state, five, 1, b.state.DistinctLetterCount);
}

TEST(CodedWords, BoundsMode)
{
    const QStringList words = Animals12();
    for (std::uint64_t seed = 1; seed <= 10; ++seed) {
        Bench b(GameType::CodedWords);
        b.settings.valueMode = 1;
        b.settings.lowerBound = u("5");
        b.settings.upperBound = u("30");
        ASSERT_TRUE(b.Generate(words, seed).succeeded());
        ExpectSoundCodedWords(b.state, words, 5, 30);
        EXPECT_TRUE(b.state.CodesAreNumbers);
    }
    Bench b(GameType::CodedWords);
    b.settings.valueMode = 1;
    b.settings.lowerBound = u("995");
    b.settings.upperBound = u("1100");
    ASSERT_TRUE(b.Generate(words, 2).succeeded());
    ExpectSoundCodedWords(b.state, words, 995, 1100);
    // Codes of four digits follow the text order: 1000 comes before 995.
    bool fourDigits = false;
    for (const TaggedItem& k : std::as_const(b.state.KeyCodes))
        fourDigits = fourDigits || k.text.size() == 4;
    EXPECT_TRUE(!fourDigits || b.state.KeyCodes[0].text.size() == 4);
}

TEST(CodedWords, SymbolsMode)
{
    const QStringList words = Animals12();
    Bench b(GameType::CodedWords);
    b.settings.valueMode = 2;
    ASSERT_TRUE(b.Generate(words, 6).succeeded());
    EXPECT_FALSE(b.state.CodesAreNumbers);
    ExpectSoundCodedWords(b.state, words, 1, 26);
    for (int k = 0; k < 26; ++k)
        EXPECT_FALSE(b.settings.letterCodeTexts[k].isEmpty()) << "absent letters have a code too";
    QString alphabet = b.state.SymbolAlphabet;
    EXPECT_NE(alphabet, PuzzleEngine::SymbolCharacters());
    QString stored = PuzzleEngine::SymbolCharacters();
    std::sort(alphabet.begin(), alphabet.end());
    std::sort(stored.begin(), stored.end());
    EXPECT_EQ(alphabet, stored);
    EXPECT_EQ(stored.size(), 26);
}

} // namespace
} // namespace lx::test
