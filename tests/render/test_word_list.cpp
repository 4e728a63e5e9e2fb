// The word list: its lines, beside or below the grid, its columns and
// separators, and whether the lower half stays free.
#include "RenderTestSupport.h"

#include <gtest/gtest.h>

namespace lx::test {
namespace {

constexpr double kLine = 0.4 * 12; // line height of the 12-point list font
constexpr double kChar = 0.2 * 12; // width of one of its characters
constexpr double kCut = 297.0 * 0.5 - 1.0;

// n distinct words of five letters: "aaaaa", "bbbba"... then "aaaab"...
QStringList FiveLetterWords(int n)
{
    QStringList words;
    for (int i = 0; i < n; ++i)
        words << QString(4, QChar(u'a' + i % 26)) + QChar(u'a' + i / 26);
    return words;
}

QList<RecordedOp> ListOps(const QList<RecordedOp>& ops)
{
    return TextsInFont(ops, kListFont);
}

QList<RecordedOp> Separators(const QList<RecordedOp>& ops)
{
    QList<RecordedOp> out;
    for (const RecordedOp& op : OpsOf(ops, RecordedOp::Kind::Line)) {
        if (op.x1 == op.x2)
            out.append(op);
    }
    return out;
}

TEST(WordList, BesideAGridEndingAbove143InColumns)
{
    DocumentData d = MakeData(GameType::WordSearch); // 10 cells of 6.8: the grid ends at 96
    AddWords(d, FiveLetterWords(20));
    Rendered r(d);
    const DocumentRenderer& g = r.renderer;
    EXPECT_TRUE(g.LowerHalfAvailable);
    EXPECT_DOUBLE_EQ(g.ListX, 7 + 68 + 5.0);
    EXPECT_DOUBLE_EQ(g.ListTop, 28.0);
    EXPECT_DOUBLE_EQ(g.ColumnLimit, 96 - 5.0);
    EXPECT_DOUBLE_EQ(g.ColumnWidth, 5 * kChar + 2.0);
    ASSERT_EQ(g.DisplayList.size(), 20);
    EXPECT_EQ(g.DisplayList[0], u("AAAAA"));

    // A column fills until the cursor passes the limit (91): 14 lines, the last
    // one reaching past it. The next column stands W + 3 further right.
    const QList<RecordedOp> list = ListOps(r.ops());
    ASSERT_EQ(list.size(), 20);
    for (int i = 0; i < 14; ++i) {
        EXPECT_DOUBLE_EQ(list[i].x1, 80.0) << i;
        EXPECT_NEAR(list[i].y1, 28 + i * kLine, 1e-9) << i;
    }
    const double pitch = g.ColumnWidth + 3;
    for (int i = 14; i < 20; ++i) {
        EXPECT_DOUBLE_EQ(list[i].x1, 80.0 + pitch) << i;
        EXPECT_NEAR(list[i].y1, 28 + (i - 14) * kLine, 1e-9) << i;
    }
    // One separator, one unit right of the first column's reserved width.
    const QList<RecordedOp> rules = Separators(r.ops());
    ASSERT_EQ(rules.size(), 1);
    EXPECT_TRUE(HasLine(rules, 80 + g.ColumnWidth + 1, 28, 80 + g.ColumnWidth + 1, 91 + 0.75 * kLine));
    EXPECT_EQ(rules[0].width, 7);
}

TEST(WordList, LowerListBesideTheLowerGrid)
{
    DocumentData d = MakeData(GameType::WordSearch);
    AddWords(d, FiveLetterWords(20));
    d.settings.lowerHalf = 1;
    Rendered r(d);
    const DocumentRenderer& g = r.renderer;
    const double lowerGridY = kCut + 28;
    // Down to the lower grid's bottom less 5.
    EXPECT_DOUBLE_EQ(g.ListX, 80.0);
    EXPECT_DOUBLE_EQ(g.ListTop, lowerGridY);
    EXPECT_DOUBLE_EQ(g.ColumnLimit, lowerGridY + 68 - 5);
    QList<RecordedOp> lower;
    for (const RecordedOp& op : ListOps(r.ops()))
        if (op.y1 > kCut)
            lower.append(op);
    ASSERT_EQ(lower.size(), 20);
    EXPECT_DOUBLE_EQ(lower[0].x1, 80.0);
    EXPECT_DOUBLE_EQ(lower[0].y1, lowerGridY);
    EXPECT_NEAR(lower[13].y1, lowerGridY + 13 * kLine, 1e-9);
    EXPECT_DOUBLE_EQ(lower[14].x1, 80.0 + g.ColumnWidth + 3);
    EXPECT_DOUBLE_EQ(lower[14].y1, lowerGridY);
    EXPECT_EQ(Separators(r.ops()).size(), 2); // one in each half
}

TEST(WordList, NoSeparatorAfterTheLastLineNorWhenSwitchedOff)
{
    DocumentData d = MakeData(GameType::WordSearch);
    AddWords(d, FiveLetterWords(14)); // the 14th line closes the column and is the last
    {
        Rendered r(d);
        EXPECT_TRUE(Separators(r.ops()).isEmpty());
    }
    AddWords(d, FiveLetterWords(29)); // three columns: two separators
    {
        Rendered r(d);
        EXPECT_EQ(Separators(r.ops()).size(), 2);
    }
    d.settings.separateColumns = false;
    {
        Rendered r(d);
        EXPECT_TRUE(Separators(r.ops()).isEmpty());
        EXPECT_EQ(ListOps(r.ops()).size(), 29);
    }
}

TEST(WordList, BelowAGridEndingAtOrPast143)
{
    for (const double th : { 9.5, 10.0 }) { // the grid ends at 143, then at 148
        DocumentData d = MakeData(GameType::WordSearch);
        AddWords(d, FiveLetterWords(3));
        d.settings.lowerHalf = 1;
        RecordingSurface surface;
        surface.measureHeight = [th](const SurfaceFont& f, const QString&) {
            return f.name == kGridFont && f.size == 12.0 ? th : 0.4 * f.size;
        };
        DocumentRenderer g(d, kDefaultFont, kFooter);
        g.RenderDocument(surface, 1.0);
        const double bottom = 28 + 10 * (th + 2);
        EXPECT_FALSE(g.LowerHalfAvailable) << th;
        EXPECT_DOUBLE_EQ(g.ListX, 7.0);
        EXPECT_DOUBLE_EQ(g.ListTop, bottom + kLine);
        EXPECT_DOUBLE_EQ(g.ColumnLimit, 286.0);
        const QList<RecordedOp> list = ListOps(surface.ops);
        ASSERT_EQ(list.size(), 3);
        EXPECT_DOUBLE_EQ(list[0].x1, 7.0);
        EXPECT_DOUBLE_EQ(list[0].y1, bottom + kLine);
        // No lower half although "Solution" is chosen: one footer, no fold line.
        EXPECT_EQ(TextsEqual(surface.ops, kFooter).size(), 1);
        for (const RecordedOp& op : OpsOf(surface.ops, RecordedOp::Kind::Line))
            EXPECT_EQ(op.style, LineStyle::Solid);
    }
    // Just above 143 the list goes beside the grid again.
    DocumentData d = MakeData(GameType::WordSearch);
    AddWords(d, FiveLetterWords(3));
    RecordingSurface surface;
    surface.measureHeight = [](const SurfaceFont& f, const QString&) {
        return f.name == kGridFont && f.size == 12.0 ? 9.49 : 0.4 * f.size;
    };
    DocumentRenderer g(d, kDefaultFont, kFooter);
    g.RenderDocument(surface, 1.0);
    EXPECT_TRUE(g.LowerHalfAvailable);
    EXPECT_NEAR(g.ListX, 7 + 10 * 11.49 + 5, 1e-9);
}

TEST(WordList, BelowListFlowsIntoColumnsPast286)
{
    DocumentData d = MakeData(GameType::WordSearch);
    d.settings.puzzle.gridSize = 18;
    d.puzzle.SetGridDimensions(18); // 28 + 18 * 6.8 = 150.4: below
    AddWords(d, FiveLetterWords(40));
    Rendered r(d);
    const DocumentRenderer& g = r.renderer;
    EXPECT_FALSE(g.LowerHalfAvailable);
    const double top = 28 + 18 * 6.8 + kLine;
    const QList<RecordedOp> list = ListOps(r.ops());
    ASSERT_EQ(list.size(), 40);
    // (286 - top) / line height lines fit, and the one that passes 286 ends the column.
    int perColumn = 0;
    while (top + perColumn * kLine <= 286.0)
        ++perColumn;
    ASSERT_LT(perColumn, 40);
    EXPECT_DOUBLE_EQ(list[perColumn - 1].x1, 7.0);
    EXPECT_DOUBLE_EQ(list[perColumn].x1, 7.0 + g.ColumnWidth + 3);
    EXPECT_DOUBLE_EQ(list[perColumn].y1, top);
}

TEST(WordList, FillInHeadingsGroupWordsByLetterCount)
{
    DocumentData d = MakeData(GameType::FillIn);
    AddWords(d, { u("cheval"), u("mouton"), u("lapin"), u("poule"), u("chat"), u("oie"), u("arc-en-ciel"), u("grenouille") });
    Rendered r(d);
    const DocumentRenderer& g = r.renderer;
    // Every word under its own letter count, ties under one heading: ARC-EN-CIEL
    // has 11 characters but 9 letters, so it follows GRENOUILLE's 10.
    const QStringList expected { u("10 LETTRES"), u("  GRENOUILLE"), u("9 LETTRES"), u("  ARC-EN-CIEL"),
                                 u("6 LETTRES"), u("  CHEVAL"), u("  MOUTON"), u("5 LETTRES"), u("  LAPIN"),
                                 u("  POULE"), u("4 LETTRES"), u("  CHAT"), u("3 LETTRES"), u("  OIE") };
    EXPECT_EQ(g.DisplayList, expected);
    EXPECT_TRUE(g.LowerHalfAvailable);
    // Always beside: the grid is 20 cells of 5.8; the column ends above the fold.
    EXPECT_DOUBLE_EQ(g.ListX, 7 + 20 * 5.8 + 5);
    EXPECT_DOUBLE_EQ(g.ColumnLimit, kCut - 2.5 - 5);
    // The column is as wide as its widest line, plus the fill-in padding of 1.
    EXPECT_DOUBLE_EQ(g.ColumnWidth, 13 * kChar + 1.0);

    // Headings are underlined and stand half a unit lower than the cursor.
    const QList<RecordedOp> list = ListOps(r.ops());
    ASSERT_EQ(list.size(), expected.size());
    double y = 28.0;
    for (int i = 0; i < list.size(); ++i) {
        const bool heading = !expected[i].startsWith(u' ');
        if (heading)
            y += 0.5;
        EXPECT_EQ(list[i].text, expected[i]);
        EXPECT_EQ(list[i].font.underline, heading) << i;
        EXPECT_NEAR(list[i].y1, y, 1e-9) << i;
        EXPECT_DOUBLE_EQ(list[i].x1, g.ListX) << i;
        y += kLine;
    }
}

TEST(WordList, FillInHeadingsInLowerCaseAndSingular)
{
    DocumentData d = MakeData(GameType::FillIn);
    d.settings.uppercase = false;
    AddWords(d, { u("Chat"), u("y"), u("oie") });
    Rendered r(d);
    const QStringList expected { u("4 lettres"), u("  Chat"), u("3 lettres"), u("  oie"), u("1 lettre"), u("  y") };
    EXPECT_EQ(r.renderer.DisplayList, expected);
}

TEST(WordList, FillInLowerListEndsAboveItsGrid)
{
    DocumentData d = MakeData(GameType::FillIn);
    d.settings.lowerHalf = 2;
    QStringList words;
    for (int i = 0; i < 26; ++i)
        words << QString(4, QChar(u'a' + i));
    AddWords(d, words);
    Rendered r(d);
    const double lowerGridY = kCut + 28;
    EXPECT_DOUBLE_EQ(r.renderer.ColumnLimit, lowerGridY + 20 * 5.8 - 5);
    QList<RecordedOp> lower;
    for (const RecordedOp& op : ListOps(r.ops()))
        if (op.y1 > kCut)
            lower.append(op);
    ASSERT_EQ(lower.size(), 27); // one heading and 26 words
    EXPECT_DOUBLE_EQ(lower[0].y1, lowerGridY + 0.5);
    EXPECT_TRUE(lower[0].font.underline);
}

TEST(WordList, WordSearchListFollowsTheChecksInListOrder)
{
    DocumentData d = MakeData(GameType::WordSearch);
    d.settings.uppercase = false;
    AddWords(d, { u("vache"), u("Âne"), u("chèvre") });
    d.words.SetChecked(d.words.Find(u("vache")), false);
    d.words.AddWordIfAbsent(u("zèbre")); // not checked
    Rendered r(d);
    EXPECT_EQ(r.renderer.DisplayList, (QStringList { u("Âne"), u("chèvre") }));
    d.settings.uppercase = true;
    Rendered upper(d);
    EXPECT_EQ(upper.renderer.DisplayList, (QStringList { u("ÂNE"), u("CHÈVRE") }));
}

TEST(WordList, EmptyListDrawsNothing)
{
    for (GameType type : { GameType::WordSearch, GameType::FillIn }) {
        DocumentData d = MakeData(type);
        Rendered r(d);
        EXPECT_TRUE(r.renderer.DisplayList.isEmpty());
        EXPECT_TRUE(ListOps(r.ops()).isEmpty());
        EXPECT_TRUE(Separators(r.ops()).isEmpty());
    }
}

TEST(WordList, ReferenceWordWithoutLengthList)
{
    // Words too long for the length list: the longest checked word sets the width.
    DocumentData d = MakeData(GameType::WordSearch);
    AddWords(d, { u("chat"), u("hippopotame"), u("lapin") });
    d.puzzle.WordsByLength.clear();
    Rendered r(d);
    EXPECT_DOUBLE_EQ(r.renderer.ColumnWidth, 11 * kChar + 2.0);
}

} // namespace
} // namespace lx::test
