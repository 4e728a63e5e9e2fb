// The codes of coded words as the teacher changes them after « Créer la grille »: the value mode and a code typed
// in a box show on the page at once, and the file reopens the page the teacher saw.
#include "support/DocumentSupport.h"
#include "words/WordForms.h"

#include <QSignalSpy>

namespace lx::test {
namespace {

// A value mode chosen after « Créer la grille » shows the grid's codes as it says, when they can: numbers drawn from
// a range have no pictures. Saved and opened again, the page is the one the teacher saw.
TEST(DocumentCodes, TheModeChosenShowsTheCodesAndReopensAsShown)
{
    const struct { int made; const char* from; int chosen; bool numbers; } cases[] {
        { 0, "10", 2, false }, { 2, "10", 0, true }, { 2, "10", 1, true }, { 1, "100", 2, true }, { 1, "1", 2, false },
    };
    for (const auto& c : cases) {
        DocumentOf doc({ "chat", "chien", "loup", "lion", "ours" });
        doc.Change(Setting::GameType, 2);
        doc.Change(Setting::RangeFrom, u(c.from));
        doc.Change(Setting::RangeTo, QString::number(u(c.from).toInt() + 25));
        doc.Change(Setting::ValueMode, c.made);
        ASSERT_TRUE(doc.Generate().succeeded());
        QSignalSpy redraws(&doc, &Document::redrawRequested);
        doc.Change(Setting::ValueMode, c.chosen);
        EXPECT_EQ(doc.puzzle().CodesAreNumbers, c.numbers) << c.made << " " << c.chosen;
        EXPECT_EQ(redraws.count(), 1);
        const auto back = SavedAndReopened(doc);
        EXPECT_EQ(back->puzzle().CodesAreNumbers, c.numbers) << c.made << " " << c.chosen;
        EXPECT_EQ(DocumentText(back->data()), DocumentText(doc.data()));
    }
}

// A valid code typed in a box is the letter's code on the page at once, the key in the order of its codes, and the
// file reopens that page; a code marked wrong waits in its box.
TEST(DocumentCodes, AValidCodeTypedIsTheGridsAtOnce)
{
    DocumentOf doc({ "chat", "chien", "loup", "lion", "ours" });
    doc.Change(Setting::GameType, 2);
    ASSERT_TRUE(doc.Generate().succeeded());
    const PuzzleState& z = doc.puzzle();
    const int c = LetterIndex(u'C'), unused = z.DistinctLetterCount + 1; // the codes are 1 to the letters' count
    doc.SetLetterCodeText(c, QString::number(unused));
    int cells = 0;
    for (int k = 0; k < 31 * 31; ++k) {
        const QString& letter = z.LetterGrid.at(k % 31, k / 31);
        if (!letter.isEmpty() && letter[0].toUpper() == u'C') {
            EXPECT_EQ(z.CodeGrid.at(k % 31, k / 31), unused) << k;
            ++cells;
        }
    }
    EXPECT_EQ(cells, 3) << "chat, chien and the key";
    for (int j = 1; j < z.DistinctLetterCount; ++j)
        EXPECT_LT(z.CodeGrid.at(j - 1, 0), z.CodeGrid.at(j, 0)) << j;
    EXPECT_EQ(z.CodeGrid.at(z.DistinctLetterCount - 1, 0), unused);
    const auto back = SavedAndReopened(doc);
    EXPECT_TRUE(back->puzzle().CodeGrid == z.CodeGrid && back->puzzle().LetterGrid == z.LetterGrid);
    // A code marked wrong (another letter's, out of range, no number) waits in its box, and the file reopens the
    // page the teacher saw, the box as typed.
    for (const QString& wrong : { QString::number(z.LetterCodes[LetterIndex(u'H')]), u("27"), u("x"), u("0") }) {
        doc.SetLetterCodeText(c, wrong);
        EXPECT_EQ(z.LetterCodes[c], unused);
        const auto again = SavedAndReopened(doc);
        EXPECT_TRUE(again->puzzle().CodeGrid == z.CodeGrid) << wrong.toStdString();
        EXPECT_EQ(again->settings().puzzle.letterCodeTexts[c], wrong == u("x") || wrong == u("0") ? QString::number(unused) : wrong);
        EXPECT_EQ(DocumentText(SavedAndReopened(*again)->data()), DocumentText(again->data())) << wrong.toStdString();
    }
    // Without a grid, there are no grid codes to keep.
    doc.SetLetterCodeText(c, u("27"));
    ASSERT_TRUE(DocumentText(doc.data()).contains(u("\r\nCodesGrille=")));
    doc.SetWordChecked(0, false);
    EXPECT_FALSE(DocumentText(doc.data()).contains(u("\r\nCodesGrille=")));
}

// Codes swapped through the boxes, one at a time: the first is another letter's until the second is typed, then
// both are the page's. A code the page keeps for a letter whose box is wrong is taken by no other letter. No two
// letters of the page ever share a code (the key printed 14 for both A and B, and no 15).
TEST(DocumentCodes, TwoLettersOfThePageNeverShareACode)
{
    DocumentOf doc({ "chat", "chien", "loup", "lion", "ours" });
    doc.Change(Setting::GameType, 2);
    ASSERT_TRUE(doc.Generate().succeeded());
    const PuzzleState& z = doc.puzzle();
    const auto distinct = [&z] {
        QSet<int> codes;
        int letters = 0;
        for (const std::int16_t code : z.LetterCodes)
            if (code != 0)
                codes.insert(code), ++letters;
        return codes.size() == letters;
    };
    const int c = LetterIndex(u'C'), h = LetterIndex(u'H'), o = LetterIndex(u'O');
    const int codeC = z.LetterCodes[c], codeH = z.LetterCodes[h], codeO = z.LetterCodes[o];
    doc.SetLetterCodeText(c, QString::number(codeH)); // H's: wrong until H changes
    EXPECT_EQ(z.LetterCodes[c], codeC);
    doc.SetLetterCodeText(h, QString::number(codeC));
    EXPECT_EQ(std::pair(int(z.LetterCodes[c]), int(z.LetterCodes[h])), std::pair(codeH, codeC));
    EXPECT_TRUE(distinct());
    // O's box wrong: the page keeps O's code, which C cannot take.
    doc.SetLetterCodeText(o, u("x"));
    doc.SetLetterCodeText(c, QString::number(codeO));
    EXPECT_EQ(z.LetterCodes[c], codeH);
    EXPECT_TRUE(distinct());
    doc.SetLetterCodeText(o, QString::number(codeH)); // once O's box is right, both follow
    EXPECT_EQ(std::pair(int(z.LetterCodes[c]), int(z.LetterCodes[o])), std::pair(codeO, codeH));
    EXPECT_TRUE(distinct());
}

} // namespace
} // namespace lx::test
