// Where everything goes on paper, what each page shows, the key's frames, the highlight, the texts around the grid.
#include "RenderTestSupport.h"

#include "render/PageTexts.h"
#include "render/SymbolFont.h"

#include <array>

namespace lx::test {
namespace {

enum Page { Empty, Solution, Copy, Message, FillIn, Numbers, Symbols, Below, PageCount };

// Word searches of 10 x 10 listing 20 words (18 x 18 and 40 words Below): CHEVAL and CHAT cross on their C among filler
// letters. A fill-in of eight words, CHAT and CHIEN in its grid, C and T revealed. Coded words: the key row (A and C
// revealed, a code 27 beyond the symbol alphabet at column 10), an empty row, CHAT at (0, 2) and TACHE at (13, 2).
DocumentData Build(Page page)
{
    const GameType type = page == FillIn ? GameType::FillIn : page == Numbers || page == Symbols ? GameType::CodedWords : GameType::WordSearch;
    // 28 + 18 cells of 6.8 = 150.4: the list goes below.
    DocumentData d = MakeData(type, page == Empty ? 0 : page == Copy ? 2 : 1, page == Below ? 18 : 10);
    PuzzleState& z = d.puzzle;
    if (type == GameType::WordSearch) {
        std::tie(d.settings.separateColumns, d.settings.visibleCells) = std::tuple(true, page == Message);
        d.settings.puzzle.randomFill = page != Message; // a hidden message, shown in the solution
        z.MessageText = u("Bravo !");
        AddWords(d, MadeUpWords(page == Below ? 40 : 20, 5));
        PlaceWord(d, u("CHEVAL"), 1, 1, 0);
        PlaceWord(d, u("CHAT"), 1, 1, 2);
        for (int i = 0; i < 100; ++i)
            z.LetterGrid.at(i % 10, i / 10) = z.LetterGrid.at(i % 10, i / 10).isEmpty() ? u("z") : z.LetterGrid.at(i % 10, i / 10);
    } else if (type == GameType::FillIn) {
        AddWords(d, { u("cheval"), u("mouton"), u("lapin"), u("poule"), u("chat"), u("oie"), u("arc-en-ciel"), u("grenouille") });
        PlaceWord(d, u("chat"), 0, 0, 0);
        PlaceWord(d, u("chien"), 0, 0, 2);
        z.LetterGrid.at(0, 0) = u("C"), z.LetterGrid.at(3, 0) = u("T");
    } else {
        z.CodesAreNumbers = page == Numbers;
        z.SymbolAlphabet = u("!\"$%&(*+IJKLOSu\u00A1\u00A8\u00AB\u00B2\u00B5\u00D7\u00D8\u00DF\u00E0\u00E1\u00E2");
        const QString key = u("ACehnot");
        for (int j = 0; j < key.size(); ++j)
            z.LetterGrid.at(j, 0) = key.mid(j, 1), z.CodeGrid.at(j, 0) = std::int16_t(j + 1);
        z.CodeGrid.at(10, 0) = 27;
        for (const auto& [word, x] : { std::pair { u("CHAT"), 0 }, std::pair { u("TACHE"), 13 } }) {
            for (int k = 0; k < word.size(); ++k) {
                z.LetterGrid.at(x + k, 2) = word[k] == u'A' || word[k] == u'C' ? word.mid(k, 1) : word.mid(k, 1).toLower();
                z.CodeGrid.at(x + k, 2) = std::int16_t(key.indexOf(word[k], 0, Qt::CaseInsensitive) + 1);
            }
        }
    }
    return d;
}

const auto Lower = [](const RecordedOp& op) { return op.y1 > kCut; };
const auto GridLetter = [](const RecordedOp& op) { return op.kind == Kind::Text && op.font.name == kGridFont && op.font.size == 12; };

TEST(PageLayout, EveryBlockWhereTheTeacherSeesItInItsColourAndPen)
{
    std::vector<std::unique_ptr<Rendered>> pages;
    for (int p = 0; p < PageCount; ++p)
        pages.push_back(std::make_unique<Rendered>(Build(Page(p))));
    // c: a coded cell, its code's band (7 points, pictograms 9.1) over its letter; w: a list column.
    const double s = kSearchCell, f = kFillInCell, c = 0.4 * 7 + kLine + 1, cs = 0.4 * 9.1 + kLine + 1, w = 5 * kChar + 2;
    const double row2 = 1.6 * c, row2s = 1.6 * cs;
    // A pictogram's ink (here its line box, 1.82 by 3.64) fills the room above the letter's (here its line box, from
    // 0.5 under the band) less 0.6 above and 1 below, centred across the cell.
    const double pk = (cs - 0.5 - kLine - 0.4 - 2 * 0.6) / (0.4 * 7 * 1.3), pictogramX = (cs - pk * 0.2 * 9.1) / 2;
    const auto centred = [](int column, double cell) { return 7 + column * cell + (cell - kChar) / 2; };
    const QString header = u("CE1 – Thème : Animaux (20 mots)"), title = u("Les animaux"), instruction = InstructionText(Build(Empty));
    const SurfaceFont italic { kDefaultFont, 10, false, true, false }, big { kTitleFont, 16, true, false, true }, small { kTitleFont, 11 },
        footer { kDefaultFont, 8 }, grid { kGridFont, 12, false, false, false, true }, list { kListFont, 12 },
        code { kGridFont, 7, true, false, false, true }, symbol { SymbolFontName(), 7 * 1.3 * pk, false, false, false, true }; // a cell's letters: compact
    const struct { QList<Page> pages; QString text; double x, y; SurfaceFont font; } texts[] = { // x, y: the top-left corner
        // Header at (7, 5), title centred at 10, instruction at (7, 18); a copy repeats them below the fold, a solution has its title.
        { { Empty, Solution, Copy }, header, 7, 5, italic }, { { Solution, Copy }, header, 7, kCut + 5, italic },
        { { Empty, Copy }, title, (210 - 3.2 * 11) / 2, 10, big }, { { Copy }, title, (210 - 3.2 * 11) / 2, kCut + 10, big },
        { { Solution }, title + u(" (Solution)"), (210 - 3.2 * 22) / 2, kCut + 10, big },
        { { Empty, Copy }, instruction, 7, 18, small }, { { Copy }, instruction, 7, kCut + 18, small },
        { { Message }, u("Message secret : Bravo !"), 7, kCut + 18, small },
        // The footer centred at 291; over a lower half a second one at 143. The scissors at (2, CutLineY - 2).
        { { Empty, Solution, Below }, kFooter, (210 - 1.6 * 12) / 2, 291, footer }, { { Solution, Copy }, kFooter, (210 - 1.6 * 12) / 2, 143, footer },
        { { Solution, Copy }, QString(QChar(kScissorsCode)), 2, kCut - 2, { SymbolFontName(), 10 } },
        // Letters centred in their cells, the line box's bottom on 27 + (row + 1) cells, LowerGridY - 1 + (row + 1) cells below.
        { { Empty, Copy }, u("C"), centred(1, s), 27 + 2 * s - kLine, grid }, { { Empty }, u("Z"), centred(9, s), 27 + 10 * s - kLine, grid },
        { { Solution }, u("L"), centred(6, s), kLowerGridY - 1 + 2 * s - kLine, grid },
        // The list 5 right of the grid; a column ends past the grid's bottom less 5 (14 lines), the next W + 3 further
        // right; the columns are then filled evenly (10 and 10 lines, not 14 and 6).
        { { Empty, Copy }, u("AAAAA"), 80, 28, list }, { { Empty, Solution }, u("JJJJA"), 80, 28 + 9 * kLine, list },
        { { Empty }, u("KKKKA"), 80 + w + 3, 28, list }, { { Solution, Copy }, u("KKKKA"), 80 + w + 3, kLowerGridY, list },
        // Below a grid ending past 143: from x 7, one line under the grid; two columns of 20 lines (not 28 and 12).
        { { Below }, u("AAAAA"), 7, 150.4 + kLine, list }, { { Below }, u("KKKKA"), 7 + w + 3, 150.4 + kLine, list },
        // Fill-in: letters from 27.5, the solution's from LowerGridY - 0.5; the list beside 20 cells, headings 0.5 lower.
        { { FillIn }, u("T"), centred(3, f), 27.5 + f - kLine, grid }, { { FillIn }, u("N"), centred(0, f), kLowerGridY - 0.5 + 5 * f - kLine, grid },
        { { FillIn }, u("10 LETTRES"), 7 + 20 * f + 5, 28.5, { kListFont, 12, false, false, true } },
        { { FillIn }, u("  GRENOUILLE"), 7 + 20 * f + 5, kLowerGridY + 0.5 + kLine, list },
        // Coded words: codes in a band at the cell's top (T's 7), letters below it; the words' rows 1.6 cells
        // under the key row's top, apart from each other.
        { { Numbers }, u("7"), 7 + 6 * c + 0.5, 28.2, code }, { { Numbers }, u("7"), 7 + 13 * c + 0.5, 28.2 + row2, code },
        { { Symbols }, u("*"), 7 + 3 * cs + pictogramX, 28.6 + row2s, symbol }, { { Numbers }, u("C"), centred(0, c), 28 + row2 + c - 0.5 - kLine, grid },
        { { Symbols }, u("C"), centred(0, cs), 28 + row2s + cs - 0.5 - kLine, grid },
        { { Symbols }, u("H"), centred(1, cs), kLowerGridY + row2s + cs - 0.5 - kLine, grid },
    };
    for (const auto& t : texts) {
        for (Page p : t.pages) {
            // Texts as French typography prints them (no-break spaces before ":" and "!").
            const QString printed = FrenchTypography(t.text, QChar(0x202F));
            const Ops at = Where(pages[p]->ops(), [&](const RecordedOp& op) { return op.text == printed && Has({ op }, Kind::Text, t.x, t.y, t.x, t.y); });
            EXPECT_TRUE(at.size() == 1 && at[0].font == t.font) << "page " << p << ": " << t.text.toStdString() << " at " << t.x << ", " << t.y;
        }
    }
    const double sepBottom = 28 + 68 - 5 + 0.75 * kLine;
    const struct { QList<Page> pages; Kind kind; double x1, y1, x2, y2; } shapes[] = {
        // The header rule 0.5 under the header line; the dotted fold line from x 2 to SW - 2.
        { { Empty }, Kind::Line, 6.5, 9.5, 203.5, 9.5 }, { { Copy }, Kind::Line, 6.5, kCut + 9.5, 203.5, kCut + 9.5 },
        { { Solution, Copy }, Kind::Line, 2, kCut, 208, kCut },
        // The word-search frame from (7, 28) and from LowerGridY; its cell lines when shown.
        { { Empty, Solution }, Kind::Box, 7, 28, 7 + 10 * s, 28 + 10 * s }, { { Solution, Copy }, Kind::Box, 7, kLowerGridY, 7 + 10 * s, kLowerGridY + 10 * s },
        { { Message }, Kind::Line, 7 + s, 28, 7 + s, 28 + 10 * s }, { { Message }, Kind::Line, 7, kLowerGridY + 9 * s, 7 + 10 * s, kLowerGridY + 9 * s },
        // A separator one unit right of a column's reserved width W, down to 0.75 line past the column limit.
        { { Empty }, Kind::Line, 80 + w + 1, 28, 80 + w + 1, sepBottom }, { { Copy }, Kind::Line, 80 + w + 1, kLowerGridY, 80 + w + 1, kCut + sepBottom },
        // Fill-in: every cell of a word boxed, in both halves. Coded words: boxes from the grid's top.
        { { FillIn }, Kind::Box, 7 + 3 * f, 28, 7 + 4 * f, 28 + f }, { { FillIn }, Kind::Box, 7, 28 + 4 * f, 7 + f, 28 + 5 * f },
        { { FillIn }, Kind::Box, 7, kLowerGridY + 4 * f, 7 + f, kLowerGridY + 5 * f },
        { { Numbers }, Kind::Box, 7 + 10 * c, 28, 7 + 11 * c, 28 + c }, { { Symbols }, Kind::Box, 7 + 10 * cs, 28, 7 + 11 * cs, 28 + cs },
        { { Numbers }, Kind::Box, 7 + 17 * c, 28 + row2, 7 + 18 * c, 28 + row2 + c },
        { { Symbols }, Kind::Box, 7 + 13 * cs, kLowerGridY + row2s, 7 + 14 * cs, kLowerGridY + row2s + cs },
    };
    for (const auto& k : shapes) {
        for (Page p : k.pages)
            EXPECT_TRUE(Has(pages[p]->ops(), k.kind, k.x1, k.y1, k.x2, k.y2)) << "page " << p << " at " << k.x1 << ", " << k.y1;
    }
    // A solution over filler letters shows the words' 9 letters, a hidden message's all; no lower half past 143; separators
    // between columns only. Fill-in: the revealed letters. Coded words: A and C, every code (27 only as a number).
    const struct { Page page; int footers, folds, upperLetters, lowerLetters, separators, codes, horizontalRules; } counts[] = {
        { Empty, 1, 0, 100, 0, 1, 0, 1 },  { Solution, 2, 1, 100, 9, 2, 0, 2 },  { Copy, 2, 1, 100, 100, 2, 0, 2 },
        { Message, 2, 1, 100, 100, 2 + 2 * 10, 0, 2 + 2 * 10 }, { FillIn, 2, 1, 2, 8, 0, 0, 2 }, { Numbers, 2, 1, 6, 16, 0, 17, 2 },
        { Symbols, 2, 1, 6, 16, 0, 16, 2 }, { Below, 1, 0, 100, 0, 1, 0, 1 },
    };
    for (const auto& c : counts) {
        const Rendered& r = *pages[c.page];
        const auto count = [&r](const std::function<bool(const RecordedOp&)>& keep) { return int(Where(r.ops(), keep).size()); };
        EXPECT_EQ(count([](const RecordedOp& op) { return op.text == FrenchTypography(kFooter, QChar(0x202F)); }), c.footers) << c.page;
        EXPECT_EQ(count([](const RecordedOp& op) { return op.style == LineStyle::Dotted; }), c.folds) << c.page;
        EXPECT_EQ(count([](const RecordedOp& op) { return GridLetter(op) && !Lower(op); }), c.upperLetters) << c.page;
        EXPECT_EQ(count([](const RecordedOp& op) { return GridLetter(op) && Lower(op); }), c.lowerLetters) << c.page;
        const auto isCode = [&](const RecordedOp& op) { return op.kind == Kind::Text && (op.font == code || op.font == symbol); };
        EXPECT_EQ(count([&](const RecordedOp& op) { return isCode(op) && !Lower(op); }), c.codes) << c.page;
        // Separators (and shown cell lines) start at a list's top; header rules and cell lines at x 6.5 and 7.
        EXPECT_EQ(count([](const RecordedOp& op) { return op.kind == Kind::Line && op.x1 == op.x2 && (op.y1 == 28 || op.y1 == kLowerGridY || op.y1 == 150.4 + kLine); }), c.separators) << c.page;
        EXPECT_EQ(count([](const RecordedOp& op) { return op.kind == Kind::Line && op.y1 == op.y2 && op.x1 >= 6.5 && op.x1 <= 7 && op.style == LineStyle::Solid; }), c.horizontalRules) << c.page;
        EXPECT_EQ(r.layout.LowerHalfAvailable, c.page != Below);
        for (const RecordedOp& op : r.ops()) {
            // Every rule and box 0.3 mm on paper (7 pixels at 600 dpi), the fold line 0.1 mm; grid letters upper-cased;
            // the coded grid's boxes and codes black, the key row's letters dark grey.
            EXPECT_TRUE(op.kind == Kind::Text || op.width == (op.style == LineStyle::Dotted ? 2 : 7)) << c.page << ": " << op.width;
            EXPECT_TRUE(!GridLetter(op) || op.text == op.text.toUpper()) << op.text.toStdString();
            const bool keyRow = GridLetter(op) && (op.y1 < 28 + kSearchCell || (Lower(op) && op.y1 < kLowerGridY + kSearchCell));
            EXPECT_TRUE((c.page != Numbers && c.page != Symbols) || op.color == (keyRow ? kDarkGrey : kBlack)) << op.text.toStdString();
        }
    }
}

// Lower case for beginners: without "Majuscules", the grid's letters too, the key's and a coded key row's among them
// (upper case with it: EveryBlockWhereTheTeacherSeesItInItsColourAndPen).
TEST(PageLayout, LowerCaseGridsWithoutMajuscules)
{
    for (const Page page : { Solution, FillIn, Numbers }) {
        DocumentData d = Build(page);
        d.settings.uppercase = false;
        const Ops letters = Where(Rendered(d).ops(), GridLetter);
        EXPECT_FALSE(letters.isEmpty()) << page;
        for (const RecordedOp& op : letters)
            EXPECT_EQ(op.text, op.text.toLower()) << page;
    }
}

// What is neither A to Z nor a filler letter, a letter that keeps its accent, an ß, a digit: the word search's key
// shows it with its word, and a coded word gives it in a cell of its own without a code (the word had a hole there).
TEST(PageLayout, LettersOutsideAToZKeepTheirCells)
{
    DocumentData search = MakeData(GameType::WordSearch, 1);
    for (int i = 0; i < 100; ++i)
        search.puzzle.LetterGrid.at(i % 10, i / 10) = u("z");
    PlaceWord(search, u("SEÑOR"), 0, 0, 0), PlaceWord(search, u("STRAßE"), 0, 1, 0), PlaceWord(search, u("H2O"), 0, 2, 0);
    QString key;
    for (const RecordedOp& op : Where(Rendered(search).ops(), [](const RecordedOp& op) { return GridLetter(op) && Lower(op); }))
        key += op.text;
    EXPECT_EQ(key, u("SEÑORSTRAßEH2O"));
    DocumentData coded = MakeData(GameType::CodedWords);
    for (const auto& [k, letter, code] : { std::tuple(0, u("H"), 2), std::tuple(1, u("2"), 0), std::tuple(2, u("o"), 8) })
        coded.puzzle.LetterGrid.at(k, 2) = letter, coded.puzzle.CodeGrid.at(k, 2) = std::int16_t(code);
    const Ops ops = Rendered(coded).ops();
    const double c = 0.4 * 7 + kLine + 1, y = 28 + kCodedFirstWordRow * c;
    for (int k = 0; k < 3; ++k)
        EXPECT_TRUE(Has(ops, Kind::Box, 7 + k * c, y, 7 + (k + 1) * c, y + c)) << k;
    EXPECT_EQ(Where(ops, [](const RecordedOp& op) { return GridLetter(op) && op.text == u("2"); }).size(), 1);
    EXPECT_EQ(Where(ops, [](const RecordedOp& op) { return op.kind == Kind::Text && op.text == u("0"); }).size(), 0) << "no code";
}

TEST(PageLayout, WordListLines)
{
    // Fill-in: each word under its letter count (ARC-EN-CIEL: 9 letters), ties under one heading.
    const Rendered r(Build(FillIn));
    const QStringList expected { u("10 LETTRES"), u("  GRENOUILLE"), u("9 LETTRES"), u("  ARC-EN-CIEL"), u("6 LETTRES"),
                                 u("  CHEVAL"), u("  MOUTON"), u("5 LETTRES"), u("  LAPIN"), u("  POULE"), u("4 LETTRES"),
                                 u("  CHAT"), u("3 LETTRES"), u("  OIE") };
    EXPECT_EQ(r.layout.DisplayList, expected);
    // The column as wide as the widest line plus 1; it ends past CutLineY - 7.5 above, half a page lower below.
    EXPECT_DOUBLE_EQ(r.layout.ColumnWidth, 13 * kChar + 1.0);
    EXPECT_DOUBLE_EQ(r.layout.ColumnLimit, kCut + kCut - 7.5);
    DocumentData d = MakeData(GameType::FillIn);
    EXPECT_DOUBLE_EQ(Rendered(d).layout.ColumnLimit, kCut - 7.5);
    // In lower case, with the singular: a word typed in capitals is listed as the grid shows it, any other as typed; a
    // word-search list keeps the checks' order.
    d.settings.uppercase = false;
    AddWords(d, { u("Chat"), u("y"), u("oie"), u("ÉCOLE") });
    EXPECT_EQ(Rendered(d).layout.DisplayList, (QStringList { u("5 lettres"), u("  école"), u("4 lettres"), u("  Chat"), u("3 lettres"),
                                                             u("  oie"), u("1 lettre"), u("  y") }));
    d = MakeData(GameType::WordSearch);
    AddWords(d, { u("vache"), u("Âne"), u("chèvre") });
    d.words.SetChecked(d.words.Find(u("vache")), false);
    d.words.AddWordIfAbsent(u("zèbre")); // not checked
    EXPECT_EQ(Rendered(d).layout.DisplayList, (QStringList { u("ÂNE"), u("CHÈVRE") }));
    // A grid ending at 142.9 keeps the list beside it; at 143 or 148 the list goes below, from x 7, with no lower half.
    for (const double th : { 9.49, 9.5, 10.0 }) {
        d = MakeData(GameType::WordSearch, 1);
        AddWords(d, MadeUpWords(3, 5));
        RecordingSurface surface;
        surface.measureHeight = [th](const SurfaceFont& f, const QString&) { return f.name == kGridFont ? th : 0.4 * f.size; };
        const PageLayout g = DocumentRenderer(d, kDefaultFont, kFooter).RenderDocument(surface, 1.0);
        const double bottom = 28 + 10 * (th + 2);
        const RecordedOp first = Where(surface.ops, [](const RecordedOp& op) { return op.kind == Kind::Text && op.font.name == kListFont; }).first();
        EXPECT_EQ(g.LowerHalfAvailable, bottom < 143) << th;
        EXPECT_DOUBLE_EQ(first.x1, bottom < 143 ? 7 + 10 * (th + 2) + 5 : 7.0);
        EXPECT_DOUBLE_EQ(first.y1, bottom < 143 ? 28 : bottom + kLine);
    }
    // A heading never ends a column, whether the column ends at its limit or above the footer: it goes on with its first
    // word. Separate columns are filled evenly around the headings: 18 lines (7 headings) beside a grid of 10 rows, where
    // a split of 9 would leave a heading last, stood as 16 beside 2. Every column starts with a heading: a group that
    // goes on in the next column has its heading again there, so that every word stands under its own letter count.
    const auto lengths = [](int perLength, int shortest) {
        QStringList words;
        for (int n = shortest; n <= 14; ++n)
            for (int k = 0; k < perLength; ++k)
                words << QString(n, QChar(u'a' + k));
        return words;
    };
    const struct { QStringList words; int font; std::vector<int> columns = {}; int grid = 12; } crowded[] = {
        { lengths(1, 3), 14 }, { lengths(2, 3), 8 }, { lengths(3, 5), 14 }, { lengths(26, 14), 10, {}, 10 }, // small cells: one column beside the worksheet's grid, one beside the key's
        { Words("AAAAAAAAAA BBBBBBBBB CCCCCCC DDDDDDD EEEEEEE FFFFF GGGGG HHHHH IIIII JJJJJJ KKKKKK LLLLLL MMMMMM NNNNNN "
                "OOOOOO PPPPPP QQQQQQ RRRRRR SSSSSS TTTTTT UUUUUU VVVVVV"), 12 },
        { Words("AA BACDEFG CACDE DACDEF EACDEFGHI FACDEFGHI GACDE HACDE IACDEFGHI JACD KAC"), 17, { 8, 10, 8, 10 } },
    };
    for (const auto& c : crowded) {
        d = MakeData(GameType::FillIn, 1);
        std::tie(d.settings.listFontSize, d.settings.separateColumns, d.settings.gridFontSize) = std::tuple(c.font, !c.columns.empty(), c.grid);
        AddWords(d, c.words);
        for (int r = 0; r < 10 && !c.columns.empty(); ++r)
            d.puzzle.LetterGrid.at(9, r) = u("a");
        const Rendered page(d);
        const Ops list = Where(page.ops(), [](const RecordedOp& op) { return op.kind == Kind::Text && op.font.name == kListFont; });
        std::vector<int> columns { 1 }; // the lines of each column, both halves
        int letters = 0;
        for (int i = 0; i + 1 < list.size(); ++i) {
            EXPECT_TRUE(!list[i].font.underline || list[i + 1].x1 == list[i].x1) << c.font << " " << list[i].text.toStdString();
            if (list[i].font.underline)
                letters = list[i].text.section(u' ', 0, 0).toInt();
            else
                EXPECT_EQ(list[i].text.trimmed().size(), letters) << c.font << " " << list[i].text.toStdString();
            if (list[i + 1].x1 != list[i].x1) {
                columns.push_back(0);
                EXPECT_TRUE(list[i + 1].font.underline) << c.font << " " << list[i + 1].text.toStdString();
            }
            ++columns.back();
        }
        EXPECT_GE(columns.size(), c.grid == 12 ? 4u : 1u) << "two columns in each half";
        // The key's list stands as the worksheet's, half a page lower (it used to have room for more lines, or for
        // fewer when its cells were small).
        Ops upper, lower;
        for (const RecordedOp& op : list)
            (op.y1 < kCut ? upper : lower).append(op);
        ASSERT_EQ(upper.size(), lower.size());
        for (qsizetype i = 0; i < upper.size(); ++i) {
            EXPECT_TRUE(upper[i].text == lower[i].text && upper[i].x1 == lower[i].x1 && std::abs(upper[i].y1 + kCut - lower[i].y1) < 1e-9)
                << c.font << " " << upper[i].text.toStdString() << " " << upper[i].y1 << " / " << lower[i].text.toStdString() << " " << lower[i].y1;
        }
        EXPECT_EQ(c.columns.empty() ? c.columns : columns, c.columns);
        EXPECT_EQ(OutOfPlace(page), QStringList());
    }
}

// The key frames each word around its cells, from the centre of its first cell to its last's, in every direction; the
// preview highlights the current word so in the worksheet's grid, on screen only (a pen of 3: three pixels on screen,
// 0.9 mm, 21 pixels, on paper at 600 dpi), never an unchecked word, nor once the highlight is cleared.
TEST(PageLayout, KeyFramesAndThePreviewHighlightOfEveryDirection)
{
    const struct { const char* word; int x, y, direction; } cases[] = {
        { "CHIEN", 2, 3, 0 }, { "LAPIN", 8, 4, 1 }, { "VACHE", 1, 5, 2 }, { "POULE", 11, 11, 3 },
        { "OIE", 4, 5, 4 }, { "ANE", 6, 10, 5 }, { "COQ", 11, 0, 6 }, { "CHAT", 10, 10, 7 },
    };
    DocumentData d = MakeData(GameType::WordSearch, 1, 12);
    const auto frames = [&d] { return Where(Rendered(d).ops(), [](const RecordedOp& op) { return op.kind == Kind::Capsule; }); };
    const auto thick = [&d](bool paper) {
        return Where(Rendered(d, paper, paper ? 600 : 96).ops(), [paper](const RecordedOp& op) { return op.kind != Kind::Text && op.width == (paper ? 21 : 3); });
    };
    const double c = kSearchCell;
    const auto around = [c](const Ops& ops, const auto& k, double gridTop) { // a capsule over the word's cells
        const DirectionStep step = kDirectionSteps[k.direction];
        const double x1 = 7 + (k.x + 0.5) * c, y1 = gridTop + (k.y + 0.5) * c, n = double(std::strlen(k.word) - 1);
        return Has(ops, Kind::Capsule, x1, y1, x1 + n * step.dx * c, y1 + n * step.dy * c);
    };
    PlaceWord(d, u(cases[0].word), cases[0].x, cases[0].y, cases[0].direction);
    EXPECT_EQ(frames().size(), 0); // a single entry (after a reset) has none
    for (const auto& k : cases) {
        PlaceWord(d, u(k.word), k.x, k.y, k.direction);
        AddWords(d, { u(k.word) });
    }
    d.puzzle.WordEntries.removeFirst();
    d.puzzle.WordHighlighted = true;
    for (int i = 0; i < 8; ++i) {
        d.words.current = d.words.Find(u(cases[i].word));
        d.puzzle.HighlightedWord = i;
        const Ops lit = thick(false);
        EXPECT_TRUE(lit.size() == 1 && around(lit, cases[i], 28)) << cases[i].word << " highlighted";
        EXPECT_TRUE(thick(true).isEmpty()) << "never on paper";
    }
    d.words.SetChecked(d.words.current, false);
    EXPECT_TRUE(thick(false).isEmpty()) << "an unchecked word";
    d.words.SetChecked(d.words.current, true);
    d.puzzle.WordHighlighted = false;
    EXPECT_TRUE(thick(false).isEmpty()) << "the highlight cleared";
    d.puzzle.WordEntries.append(WordEntry {}); // a word that could not be placed: no frame
    d.puzzle.WordEntries.append(WordEntry { 9, 2, 0, u("HIPPOPOTAME") }); // a damaged file's: it would leave the grid
    d.puzzle.WordEntries.append(WordEntry { 40, -3, 5, u("OURS") });
    d.puzzle.WordCount = 11;
    const Ops framed = frames();
    EXPECT_EQ(framed.size(), 8);
    for (const auto& k : cases)
        EXPECT_TRUE(around(framed, k, kLowerGridY)) << k.word;
    for (const RecordedOp& op : framed)
        EXPECT_DOUBLE_EQ(op.radius, 0.42 * c) << "within the cells, apart from the next word's";
    d.settings.lowerHalf = 2; // frames belong to the key only
    EXPECT_EQ(frames().size(), 0);
}

TEST(PageTexts, HeaderCaption)
{
    const std::array<bool, 5> none {}, all { true, true, true, true, true }, ce { false, true, true, false, false };
    const QStringList one { u("Animaux") }, two { u("Animaux"), u("Couleurs") };
    // A theme count below 1: the words come from an external list.
    const struct { std::array<bool, 5> levels; int naming, themeCount; QStringList themes; const char *themeText, *listPath; int words;
                   const char* expected; } cases[] = {
        { ce, 0, 2, two, "", "", 14, "CE1, CE2 – Thèmes : Animaux / Couleurs (14 mots)" },
        { ce, 1, 2, two, "", "", 14, "Niveaux 2, 3 – Thèmes : Animaux / Couleurs (14 mots)" },
        { none, 1, 2, two, "", "", 1, "Thèmes : Animaux / Couleurs (1 mot)" }, // no leading dash
        { all, 1, 1, one, "", "", 0, "Niveaux 1 à 5 – Thème : Animaux" },
        { { false, false, false, true, false }, 1, 1, one, "", "", 2, "Niveau 4 – Thème : Animaux (2 mots)" },
        // An external list drops the levels and shows the theme text, else the list file's name without folder and extension.
        { ce, 0, 0, {}, "Fruits", "/home/maitresse/légumes.txt", 1, "Thème : Fruits (1 mot)" },
        { ce, 0, -1, {}, "", "/home/maitresse/légumes.v2.txt", 3, "Thème : Légumes (3 mots)" },
        { none, 0, -1, {}, "", "C:\\Fiches\\ma_liste-semaine3.txt", 3, "Thème : Ma liste semaine3 (3 mots)" },
        { none, 0, -1, {}, "", "/home/maitresse/Arc-en-ciel de CE1.txt", 3, "Thème : Arc-en-ciel de CE1 (3 mots)" },
        // Nameless: a class's words with no theme picked keep the class; a pasted list, its count.
        { ce, 0, -1, {}, "", "", 20, "CE1, CE2 (20 mots)" }, { none, 0, -1, {}, " ", "", 5, "5 mots" },
    };
    for (const auto& c : cases) {
        DocumentSettings s;
        std::tie(s.levels, s.levelNaming, s.selectedThemeCount, s.themeText) = std::tuple(c.levels, c.naming, c.themeCount, u(c.themeText));
        EXPECT_EQ(HeaderCaption(s, c.themes, u(c.listPath), c.words), u(c.expected));
    }
}

TEST(PageTexts, DirectionSentence)
{
    // Vertical (2, 3), diagonal (4, 5) and reversed (1, 3, 5) boxes choose the sentence.
    const std::pair<std::array<bool, 6>, const char*> cases[] = {
        { { 1, 0, 0, 0, 0, 0 }, "sont écrits horizontalement." },
        { { 1, 1, 0, 0, 0, 0 }, "sont écrits horizontalement, mais certains peuvent être écrits à l'envers." },
        { { 1, 0, 1, 0, 0, 0 }, "peuvent être écrits horizontalement ou verticalement." },
        { { 1, 0, 0, 1, 0, 0 }, "peuvent être écrits horizontalement ou verticalement, à l'endroit ou à l'envers." },
        { { 1, 0, 0, 0, 1, 0 }, "peuvent être écrits horizontalement ou en diagonale." },
        { { 1, 1, 0, 0, 1, 0 }, "peuvent être écrits horizontalement ou en diagonale, à l'endroit ou à l'envers." },
        { { 1, 0, 1, 0, 1, 0 }, "peuvent être écrits horizontalement, verticalement ou en diagonale." },
        { { 1, 0, 1, 0, 0, 1 }, "peuvent être écrits dans n'importe quel sens, à l'endroit ou à l'envers." },
    };
    for (const auto& [boxes, sentence] : cases)
        EXPECT_EQ(DirectionSentence(DirectionKey(boxes)), u(" : ils ") + u(sentence)) << DirectionKey(boxes).toStdString();
}

TEST(PageTexts, Instruction)
{
    const struct { GameType type; const char* own; bool randomFill, shuffle, directions; const char* expected; } cases[] = {
        { GameType::WordSearch, "", true, false, true, "Retrouve les mots de la liste : ils sont écrits horizontalement." },
        { GameType::WordSearch, " ", false, true, true, "Retrouve les mots de la liste : ils sont écrits horizontalement. Les "
                                                        "lettres restantes, une fois dans l'ordre, forment un message secret." },
        // An instruction that ends its sentence is followed by one of its own, as typed.
        { GameType::WordSearch, " Cherche les mots. ", true, false, true, "Cherche les mots. Ils sont écrits horizontalement." },
        { GameType::WordSearch, "Où sont-ils ?", true, false, true, "Où sont-ils ? Ils sont écrits horizontalement." },
        { GameType::WordSearch, "Cherche bien…", true, false, true, "Cherche bien… Ils sont écrits horizontalement." },
        // Without the direction sentence: the instruction, and the message's sentence after a full stop.
        { GameType::WordSearch, "Trouve les mots", true, false, false, "Trouve les mots" },
        { GameType::WordSearch, "Trouve les mots", false, false, false, "Trouve les mots. Les lettres restantes forment un message secret." },
        { GameType::WordSearch, "Trouve les mots !", false, false, false, "Trouve les mots ! Les lettres restantes forment un message secret." },
        // Fill-in and coded words have no suffix: the teacher's text stands as typed.
        { GameType::FillIn, " Écris les mots. ", true, false, true, "Écris les mots." },
        { GameType::FillIn, "", true, false, true, "Écris chaque mot à sa place dans la grille. Une case ne peut contenir qu'une seule lettre." },
        { GameType::CodedWords, "", false, false, true,
          "Chaque nombre remplace toujours la même lettre. Trouve les lettres et écris les mots." },
    };
    for (const auto& c : cases) {
        DocumentSettings s;
        s.puzzle.directions = { true, false, false, false, false, false };
        std::tie(s.puzzle.gameType, s.puzzle.randomFill, s.puzzle.shuffleMessage) = std::tuple(c.type, c.randomFill, c.shuffle);
        std::tie(s.showDirections, s.instruction) = std::tuple(c.directions, u(c.own));
        EXPECT_EQ(InstructionText(s), u(c.expected)) << c.own;
    }
}

// A long title is set smaller, down to 11 points, on one line within the margins (it used to run off both edges
// and over the instruction); a long instruction keeps to its two lines, down to 9 points; past that, "…", and the
// teacher is told. The key's title keeps its "(Solution)".
TEST(PageTexts, LongTitlesAndInstructionsKeepWithinTheMargins)
{
    const auto words = [](int n) { return QStringList(n, u("abcd")).join(u' '); }; // 5n - 1 characters
    // Title: 16 points, then 5 % smaller at a time; at 16 points 61 characters fit in 196, at 11 points 89.
    // cut: what is cut with "…" and told to the teacher, the title (1) or the instruction (2).
    const struct { int title, instruction; double titleSize; bool keyCut; int lines; double instructionSize; int cut; } cases[] = {
        { 12, 17, 16, false, 1, 11, 0 }, { 16, 35, 16 * std::pow(0.95, 5), true, 2, 11, 0 }, // the key's 90 characters
        { 40, 40, 11, true, 2, 11 * std::pow(0.95, 3), 1 }, { 2, 60, 16, false, 2, 9, 2 },
    };
    const QString told[] = { QString(), u("Le titre dépasse de la page, même écrit en 11 points : raccourcissez-le."),
                             u("La consigne ne tient pas sur ses deux lignes, même écrite en 9 points : raccourcissez-la.") };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        DocumentData d = MakeData(GameType::WordSearch, 1);
        std::tie(d.settings.title, d.settings.instruction, d.settings.showDirections) = std::tuple(words(c.title), words(c.instruction) + u("."), false);
        std::tie(d.settings.selectedThemeCount, d.settings.themeText) = std::tuple(-1, words(c.title)); // the header's theme too
        const Rendered r(d);
        // Each header on its line above the rule, shortened where it is too long (it used to break over the title).
        const Ops headers = Where(r.ops(), [](const RecordedOp& op) { return op.kind == Kind::Text && op.font.italic; });
        ASSERT_EQ(headers.size(), 2);
        EXPECT_EQ(std::tuple(headers[0].y1, headers[1].y1), std::tuple(5.0, kCut + 5));
        for (const RecordedOp& op : headers)
            EXPECT_LE(op.x1 + r.surface.WidthIn(op.font, op.text), 203 + 1e-9) << op.text.toStdString();
        // The title, the instruction's lines, the key's title.
        const Ops top = Where(r.ops(), [](const RecordedOp& op) { return op.kind == Kind::Text && op.font.name == kTitleFont; });
        ASSERT_EQ(top.size(), 2 + c.lines);
        for (const RecordedOp& op : headers + top) { // cut at the end of a word, not inside one
            EXPECT_TRUE(!op.text.contains(u("…")) || op.text.contains(u("abcd…"))) << op.text.toStdString();
            EXPECT_TRUE(op.x1 >= 7 - 1e-9 && op.x1 + r.surface.WidthIn(op.font, op.text) <= 203 + 1e-9) << op.text.toStdString();
        }
        EXPECT_EQ(std::tuple(top[0].y1, top[1].y1, top.last().y1), std::tuple(10.0, 18.0, kCut + 10)) << "each title on one line";
        EXPECT_NEAR(top[0].font.size, c.titleSize, 1e-9);
        EXPECT_EQ(top[0].text.endsWith(u("…")), c.cut == 1);
        EXPECT_TRUE(top.last().text.endsWith(u(" (Solution)")));
        EXPECT_EQ(top.last().text.endsWith(u("… (Solution)")), c.keyCut) << top.last().text.toStdString();
        EXPECT_NEAR(top[1].font.size, c.instructionSize, 1e-9);
        EXPECT_EQ(top[c.lines].text.endsWith(u("…")), c.cut == 2);
        RecordingSurface measured; // as the window measures the page for its notices
        EXPECT_EQ(DocumentRenderer(d, kDefaultFont, kFooter).Measure(measured, 1.0).OverflowText, told[c.cut]);
        EXPECT_EQ(r.layout.OverflowText, told[c.cut]);
        EXPECT_EQ(r.layout.Overflow, c.cut != 0);
        RecordingSurface keys; // a sheet of keys draws no instruction: nothing to tell
        EXPECT_FALSE(DocumentRenderer(d, kDefaultFont, kFooter).RenderSheet(keys, 1.0, { { &d, HalfRole::Key, {} }, std::nullopt }).Overflow);
    }
    DocumentData untitled = MakeData(GameType::WordSearch, 1);
    untitled.settings.title = u("  "); // no lone "(Solution)" under an empty title
    EXPECT_EQ(Where(Rendered(untitled).ops(), [](const RecordedOp& op) { return op.text == u("Solution"); }).size(), 1);
}

// What the page prints of a text: a no-break space before ":", a narrow one before ";", "!", "?", "»" and after
// "«", typographic apostrophes; the colon of a time or an address, and signs that follow each other, as they are.
// The key's message is what the pupil can read: digits are in no cell, and a message longer than the free cells is cut
// after the last letter placed (Œ takes two cells).
TEST(PageTexts, TheKeysMessageIsWhatTheGridHides)
{
    const std::tuple<const char*, int, int, const char*> cases[] { // message, free cells, balance, printed
        { "Bravo !", 5, 0, "Bravo !" }, { "Bonne année 2027", 12, 2, "Bonne année" }, { "Bravo les CE2 !", 12, 0, "Bravo les CE !" },
        { "Conte", 1, -4, "C…" }, { "Joyeux Noël à tous", 14, -1, "Joyeux Noël à tou…" }, { "Bon cœur", 5, -2, "Bon c…" },
    };
    for (const auto& [message, free, balance, printed] : cases) {
        PuzzleState z;
        z.MessageText = u(message);
        z.EmptyCellCount = std::int16_t(free);
        z.LetterBalance = std::int16_t(balance);
        EXPECT_EQ(HiddenMessageText(z), u(printed));
    }
}

TEST(PageTexts, FrenchTypography)
{
    const QChar thin(0x202F), nbsp(0x00A0);
    const std::pair<const char*, QString> cases[] = {
        { "Thème : Animaux", u("Thème") + nbsp + u(": Animaux") }, { "Attention: lis", u("Attention") + nbsp + u(": lis") },
        { "Bravo!", u("Bravo") + thin + u("!") }, { "Bravo !!", u("Bravo") + thin + u("!!") }, { "Quoi ?!", u("Quoi") + thin + u("?!") },
        { "un ; deux", u("un") + thin + u("; deux") }, { "« Salut »", u("«") + thin + u("Salut") + thin + u("»") },
        { "l'école d'Anne", u("l’école d’Anne") }, { "à 10:30", u("à 10:30") }, { "!", u("!") },
        { "Prénom : ……", u("Prénom") + nbsp + u(": ……") },
        // Straight double quotes that pair are French ones; an odd one stays.
        { "Les \"pièges\" et \" les mots \"", u("Les «") + thin + u("pièges") + thin + u("» et «") + thin + u("les mots") + thin + u("»") },
        { "\"Chut\", dit-il", u("«") + thin + u("Chut") + thin + u("», dit-il") }, { "un écran de 5\" ou \"6", u("un écran de 5\" ou \"6") },
        { "12\"", u("12\"") },
    };
    for (const auto& [text, printed] : cases)
        EXPECT_EQ(FrenchTypography(u(text), thin), printed) << text;
    EXPECT_EQ(FrenchTypography(u("Oui !"), nbsp), u("Oui") + nbsp + u("!")) << "a font without the narrow space";
}

} // namespace
} // namespace lx::test
