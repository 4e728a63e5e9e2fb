// The word list: its lines, beside or below the grid, its columns and
// separators, the fill-in headings, and whether the lower half stays free.
#include "RenderTestSupport.h"

#include <gtest/gtest.h>

namespace lx::test {
namespace {

// n distinct words of five letters: "aaaaa", "bbbba"... then "aaaab"...
QStringList FiveLetterWords(int n)
{
    QStringList words;
    for (int i = 0; i < n; ++i)
        words << QString(4, QChar(u'a' + i % 26)) + QChar(u'a' + i / 26);
    return words;
}

// The list's lines in the upper or the lower half.
QList<RecordedOp> ListOps(const QList<RecordedOp>& ops, bool lower = false)
{
    return Where(TextsInFont(ops, kListFont), [lower](const RecordedOp& op) { return (op.y1 > kCut) == lower; });
}

QList<RecordedOp> Separators(const QList<RecordedOp>& ops)
{
    return Where(OpsOf(ops, RecordedOp::Kind::Line), [](const RecordedOp& op) { return op.x1 == op.x2; });
}

TEST(WordList, BesideAGridEndingAbove143InColumnsInBothHalves)
{
    DocumentData d = MakeData(GameType::WordSearch); // 10 cells of 6.8: the grid ends at 96
    AddWords(d, FiveLetterWords(20));
    d.settings.lowerHalf = 1;
    Rendered r(d);
    const PageLayout& g = r.layout;
    EXPECT_TRUE(g.LowerHalfAvailable);
    EXPECT_DOUBLE_EQ(g.ColumnWidth, 5 * kChar + 2.0);
    EXPECT_EQ(g.DisplayList.value(0), u("AAAAA"));

    const QList<RecordedOp> separators = Separators(r.ops());
    ASSERT_EQ(separators.size(), 2); // one in each half
    for (bool lower : { false, true }) {
        SCOPED_TRACE(lower);
        // 5 right of the grid, from its top, a column fills until the cursor
        // passes the grid's bottom less 5: 14 lines, the last one reaching past
        // it. The next column stands W + 3 further right.
        const double top = lower ? kLowerGridY : 28.0;
        const QList<RecordedOp> list = ListOps(r.ops(), lower);
        ASSERT_EQ(list.size(), 20);
        for (int i = 0; i < 20; ++i) {
            EXPECT_DOUBLE_EQ(list[i].x1, i < 14 ? 80.0 : 80.0 + g.ColumnWidth + 3) << i;
            EXPECT_NEAR(list[i].y1, top + (i % 14) * kLine, 1e-9) << i;
        }
        // The separator, one unit right of the first column's reserved width.
        const double x = 80 + g.ColumnWidth + 1;
        EXPECT_TRUE(HasLine(separators, x, top, x, top + 68 - 5 + 0.75 * kLine));
        EXPECT_EQ(separators[lower ? 1 : 0].width, 7);
    }
}

TEST(WordList, SeparatorsBetweenColumnsOnly)
{
    struct Case {
        GameType type;
        int words;
        bool separate;
        int lines;
        int separators;
    };
    const Case cases[] = {
        { GameType::WordSearch, 14, true, 14, 0 }, // the 14th line closes the column and is the last
        { GameType::WordSearch, 29, true, 29, 2 }, // three columns
        { GameType::WordSearch, 29, false, 29, 0 },
        { GameType::WordSearch, 0, true, 0, 0 }, // an empty list draws nothing
        { GameType::FillIn, 0, true, 0, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.words);
        DocumentData d = MakeData(c.type);
        d.settings.separateColumns = c.separate;
        AddWords(d, FiveLetterWords(c.words));
        Rendered r(d);
        EXPECT_EQ(r.layout.DisplayList.size(), c.lines);
        EXPECT_EQ(ListOps(r.ops()).size(), c.lines);
        EXPECT_EQ(Separators(r.ops()).size(), c.separators);
    }
}

TEST(WordList, BelowAGridEndingAtOrPast143)
{
    // A grid line of th units: the grid ends at 28 + 10 (th + 2).
    for (const double th : { 9.49, 9.5, 10.0 }) { // 142.9, 143, 148
        SCOPED_TRACE(th);
        DocumentData d = MakeData(GameType::WordSearch);
        AddWords(d, FiveLetterWords(3));
        d.settings.lowerHalf = 1;
        RecordingSurface surface;
        surface.measureHeight = [th](const SurfaceFont& f, const QString&) {
            return f.name == kGridFont && f.size == 12.0 ? th : 0.4 * f.size;
        };
        const PageLayout g = DocumentRenderer(d, kDefaultFont, kFooter).RenderDocument(surface, 1.0);
        const double bottom = 28 + 10 * (th + 2);
        if (bottom < 143) { // beside the grid
            EXPECT_TRUE(g.LowerHalfAvailable);
            EXPECT_NEAR(g.ListX, 7 + 10 * 11.49 + 5, 1e-9);
            continue;
        }
        EXPECT_FALSE(g.LowerHalfAvailable);
        EXPECT_DOUBLE_EQ(g.ListX, 7.0);
        EXPECT_DOUBLE_EQ(g.ListTop, bottom + kLine);
        EXPECT_DOUBLE_EQ(g.ColumnLimit, 286.0);
        const QList<RecordedOp> list = TextsInFont(surface.ops, kListFont);
        ASSERT_EQ(list.size(), 3);
        EXPECT_DOUBLE_EQ(list[0].x1, 7.0);
        EXPECT_DOUBLE_EQ(list[0].y1, bottom + kLine);
        // No lower half although "Solution" is chosen: one footer, no fold line.
        EXPECT_EQ(TextsEqual(surface.ops, kFooter).size(), 1);
        for (const RecordedOp& op : surface.ops)
            EXPECT_EQ(op.style, LineStyle::Solid);
    }

    // A list below flows into a new column once a line passes 286.
    DocumentData d = MakeData(GameType::WordSearch);
    d.settings.puzzle.gridSize = 18;
    d.puzzle.SetGridDimensions(18); // 28 + 18 * 6.8 = 150.4
    AddWords(d, FiveLetterWords(40));
    Rendered r(d);
    EXPECT_FALSE(r.layout.LowerHalfAvailable);
    const double top = 28 + 18 * kSearchCell + kLine;
    const QList<RecordedOp> list = TextsInFont(r.ops(), kListFont);
    ASSERT_EQ(list.size(), 40);
    int perColumn = 0;
    while (top + perColumn * kLine <= 286.0)
        ++perColumn;
    ASSERT_LT(perColumn, 40);
    EXPECT_DOUBLE_EQ(list[perColumn - 1].x1, 7.0);
    EXPECT_DOUBLE_EQ(list[perColumn].x1, 7.0 + r.layout.ColumnWidth + 3);
    EXPECT_DOUBLE_EQ(list[perColumn].y1, top);
}

TEST(WordList, FillInHeadingsGroupWordsByLetterCount)
{
    DocumentData d = MakeData(GameType::FillIn);
    AddWords(d, { u("cheval"), u("mouton"), u("lapin"), u("poule"), u("chat"), u("oie"), u("arc-en-ciel"), u("grenouille") });
    Rendered r(d);
    const PageLayout& g = r.layout;
    // Every word under its own letter count, ties under one heading: ARC-EN-CIEL
    // has 11 characters but 9 letters, so it follows GRENOUILLE's 10.
    const QStringList expected { u("10 LETTRES"), u("  GRENOUILLE"), u("9 LETTRES"), u("  ARC-EN-CIEL"),
                                 u("6 LETTRES"), u("  CHEVAL"), u("  MOUTON"), u("5 LETTRES"), u("  LAPIN"),
                                 u("  POULE"), u("4 LETTRES"), u("  CHAT"), u("3 LETTRES"), u("  OIE") };
    EXPECT_TRUE(g.LowerHalfAvailable);
    // Always beside: the grid is 20 cells of 5.8; the column ends above the fold.
    EXPECT_DOUBLE_EQ(g.ColumnLimit, kCut - 2.5 - 5);
    // The column is as wide as its widest line, plus the fill-in padding of 1.
    EXPECT_DOUBLE_EQ(g.ColumnWidth, 13 * kChar + 1.0);
    // Headings are underlined and stand half a unit lower than the cursor.
    const QList<RecordedOp> list = ListOps(r.ops());
    ASSERT_EQ(list.size(), expected.size());
    double y = 28.0;
    for (int i = 0; i < list.size(); ++i) {
        const bool heading = !expected[i].startsWith(u' ');
        y += heading ? 0.5 : 0.0;
        EXPECT_EQ(list[i].text, expected[i]);
        EXPECT_EQ(list[i].font.underline, heading) << i;
        EXPECT_NEAR(list[i].y1, y, 1e-9) << i;
        EXPECT_DOUBLE_EQ(list[i].x1, 7 + 20 * kFillInCell + 5) << i;
        y += kLine;
    }

    // In lower case, with the singular; the lower list ends above its grid's bottom.
    d = MakeData(GameType::FillIn);
    d.settings.uppercase = false;
    d.settings.lowerHalf = 2;
    AddWords(d, { u("Chat"), u("y"), u("oie") });
    Rendered lower(d);
    EXPECT_EQ(lower.layout.DisplayList,
              (QStringList { u("4 lettres"), u("  Chat"), u("3 lettres"), u("  oie"), u("1 lettre"), u("  y") }));
    EXPECT_DOUBLE_EQ(lower.layout.ColumnLimit, kLowerGridY + 20 * kFillInCell - 5);
    const QList<RecordedOp> lowerList = ListOps(lower.ops(), true);
    ASSERT_EQ(lowerList.size(), 6);
    EXPECT_DOUBLE_EQ(lowerList[0].y1, kLowerGridY + 0.5);
    EXPECT_TRUE(lowerList[0].font.underline);
}

TEST(WordList, WordSearchListFollowsTheChecksInListOrder)
{
    DocumentData d = MakeData(GameType::WordSearch);
    d.settings.uppercase = false;
    AddWords(d, { u("vache"), u("Âne"), u("chèvre") });
    d.words.SetChecked(d.words.Find(u("vache")), false);
    d.words.AddWordIfAbsent(u("zèbre")); // not checked
    EXPECT_EQ(Rendered(d).layout.DisplayList, (QStringList { u("Âne"), u("chèvre") }));
    d.settings.uppercase = true;
    EXPECT_EQ(Rendered(d).layout.DisplayList, (QStringList { u("ÂNE"), u("CHÈVRE") }));
}

} // namespace
} // namespace lx::test
