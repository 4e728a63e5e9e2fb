// A grid or a list that would leave its place shrinks to the largest size that fits, else to 7 points, reported.
#include "RenderTestSupport.h"

#include "puzzle/Engine.h"
#include "render/SymbolFont.h"

#include "document/GridAdvice.h"
#include "support/DocumentSupport.h"
#include "words/Themes.h"

namespace lx::test {
namespace {

const QStringList kLong = u("BIBLIOTHEQUE DICTIONNAIRE CALCULATRICE ORDINATEUR IMPRIMANTE TELEVISION RECREATION GRENOUILLE COCCINELLE "
                            "HIPPOPOTAME RHINOCEROS DROMADAIRE SALAMANDRE CHAMPIGNON FRAMBOISES PAMPLEMOUSSE CLEMENTINE AUBERGINES "
                            "COURGETTES CONCOMBRES ARTICHAUTS BOULANGERIE PATISSERIE CHARCUTERIE SUPERMARCHE ARCHITECTE JOURNALISTE "
                            "PHOTOGRAPHE CUISINIERE INFIRMIERE ABEILLE BALEINE BLAIREAU CASTOR CHAMEAU CHENILLE CHEVREUIL CIGOGNE CORBEAU DAUPHIN")
                            .split(u' ');

// Coded words in two columns from row 2, `apart` cells apart, as generated, under a key row of `keyLetters` codes.
DocumentData Coded(int words, int lowerHalf, int apart = 13, int keyLetters = 26)
{
    DocumentData d = MakeData(GameType::CodedWords, lowerHalf);
    d.settings.gridFontSize = 14;
    for (int j = 0; j < keyLetters; ++j)
        d.puzzle.LetterGrid.at(j, 0) = QString(QChar(u'a' + j)), d.puzzle.CodeGrid.at(j, 0) = std::int16_t(j + 1);
    const int rows = (words + 1) / 2;
    for (int i = 0; i < words; ++i) {
        for (int k = 0; k < kLong[i % 40].size(); ++k) {
            d.puzzle.LetterGrid.at(i / rows * apart + k, i % rows + 2) = kLong[i % 40].mid(k, 1).toLower();
            d.puzzle.CodeGrid.at(i / rows * apart + k, i % rows + 2) = std::int16_t(kLong[i % 40][k].unicode() - u'A' + 1);
        }
    }
    return d;
}

// A fill-in listing the first `words` long words whose grid reaches row `rows` - 1 and column `columns` - 1 (as many
// columns as rows unless told).
DocumentData FillIn(int rows, int gridFont, int listFont, int lowerHalf, int words = 30, int columns = 0)
{
    DocumentData d = MakeData(GameType::FillIn, lowerHalf);
    std::tie(d.settings.gridFontSize, d.settings.listFontSize) = std::tuple(gridFont, listFont);
    AddWords(d, kLong.mid(0, words));
    for (int r = 0; r < rows; ++r)
        d.puzzle.LetterGrid.at((columns ? columns : rows) - 1, r) = u("a");
    return d;
}

DocumentData Search(int gridSize, int words, int listFont)
{
    DocumentData d = MakeData(GameType::WordSearch, 1, gridSize);
    std::tie(d.settings.listFontSize, d.settings.separateColumns) = std::tuple(listFont, true);
    QStringList list = kLong.mid(0, words);
    for (int i = 40; i < words; ++i)
        list << kLong[i - 40] + u("S");
    AddWords(d, list);
    return d;
}

// Twelve colours beside a 9 x 9 grid, as a CP class gets them in Arial.
DocumentData Colours()
{
    DocumentData d = MakeData(GameType::WordSearch, 2, 9);
    d.settings.gridFontSize = d.settings.listFontSize = 14;
    d.settings.separateColumns = true;
    AddWords(d, u("beige blanc bleu chocolat couleur doré jaune marron noir rose rouge vert").split(u' '));
    return d;
}

TEST(PageFit, WorstPagesShrinkToTheLargestSizeThatFits)
{
    const auto sized = [](const RecordedOp& op) { return op.kind == Kind::Text && (op.font.name == kListFont || op.font.name == kGridFont); };
    // grid, list: the sizes drawn with the recording model.
    const struct { const char* page; DocumentData data; double grid, list; const char* overflow; } cases[] = {
        // A page that fits keeps its sizes: 14 rows of 0.4 s + 1 end at 142.8 at 18 points, at 148.4 at 19, which shrink
        // to 17.5 to end 3 mm above the footer, at 140.
        { "a grid ending at 142.8", FillIn(14, 18, 12, 1, 0), 18, 12, "" },
        { "the same grid at 19 points", FillIn(14, 19, 12, 1, 0), 17.5, 12, "" },
        // 30 coded words, two columns of 15 rows set apart, never fit above 143: they take the whole page (the
        // copy left out), where the key row of 26 codes passes x 203 above 9 points.
        { "30 coded words with a copy", Coded(30, 2), 9, 12, "" },
        { "30 coded words alone", Coded(30, 0), 9, 12, "" },
        // 19 rows of 0.4 s + 1 end above 140 up to 12.2 points; a 14-point list's second column passes x 203 down to 14.
        { "30 long words to fill in", FillIn(19, 14, 12, 1), 12, 12, "" },
        { "30 long words in 14 points", FillIn(19, 14, 14, 1), 12, 13.5, "" },
        // Without a lower half the grid fits at 20 points but leaves the list no room: the grid gives up some.
        { "30 long words beside a 20-point grid", FillIn(19, 20, 12, 0), 18.5, 8, "" },
        { "40 words in 20 points under an 18 x 18 grid", Search(18, 40, 20), 12, 20, "" },
        { "80 words beside a 5 x 5 grid", Search(5, 80, 12), 12, 7, "La liste de mots dépasse de la page, même écrite en 7 points : retirez des mots." },
        // Two columns 20 cells apart pass the paper's edge even in 7 points (31 cells of 6.6 mm): they go on in one, on the
        // worksheet's own page; with a solution too, which then goes to a second page.
        { "15 coded words 20 cells apart", Coded(15, 0, 20), 9, 12, "" },
        { "15 coded words 20 cells apart over a solution", Coded(15, 1, 20), 9, 12, "" },
        { "57 coded words", Coded(57, 2), 7, 12, "La grille dépasse de la page, même avec des lettres de 7 points : retirez des mots ou choisissez une autre police de grille." },
    };
    for (const auto& c : cases) {
        for (bool realFonts : { false, true }) {
            SCOPED_TRACE(std::string(c.page) + (realFonts ? ", real fonts" : ""));
            const Rendered r(c.data, true, 600, realFonts);
            EXPECT_EQ(r.layout.OverflowText, u(c.overflow));
            EXPECT_EQ(r.layout.Overflow, *c.overflow != 0);
            EXPECT_EQ(r.layout.Overflow ? QStringList() : OutOfPlace(r), QStringList()) << "nothing out of place, but for an overflow";
            // A list, and a grid drawn smaller than the document says, end 3 mm above their footer.
            const bool shrunk = r.layout.GridFontSize < c.data.settings.gridFontSize;
            const auto list = [shrunk](const RecordedOp& op) { return shrunk || op.font.name == kListFont; };
            EXPECT_EQ(r.layout.Overflow ? QStringList() : OutOfPlace(r, 3.0, list), QStringList()) << "3 mm clear of the footer";
            EXPECT_TRUE(realFonts || (r.layout.GridFontSize == c.grid && r.layout.ListFontSize == c.list))
                << r.layout.GridFontSize << " " << r.layout.ListFontSize;
            // Both halves drawn alike, the codes (bold, 7 points at least) shrinking with the letters.
            const double code = std::max(7.0, std::round(1.2 * r.layout.GridFontSize) / 2);
            for (const RecordedOp& op : Where(r.ops(), sized))
                EXPECT_EQ(op.font.size, op.font.name == kListFont ? r.layout.ListFontSize : op.font.bold ? code : r.layout.GridFontSize);
            // With "Adapter à la page", the grid too, whatever its size.
            DocumentData fitted = c.data;
            fitted.settings.fitToPage = true;
            const Rendered f(fitted, true, 600, realFonts);
            EXPECT_EQ(f.layout.Overflow ? QStringList() : OutOfPlace(f, 3.0), QStringList()) << "fitted";
        }
    }
}

// "Adapter à la page": the grid and the list grow to their half (the whole page with "Vide"), never
// past 28 points or 15 mm cells, never smaller than the document's sizes, nothing out of place or within 3 mm of a footer.
TEST(PageFit, FittingToThePageGrowsTheGridAndTheListTogether)
{
    // The lower half is set by the loop; a small word search grows to large cells.
    const struct { const char* page; DocumentData data; double cell = 0; } cases[] = {
        { "5 x 5 word search beside 6 words", Search(5, 6, 12), 10 }, { "18 x 18 word search", Search(18, 20, 12) },
        { "a fill-in grid", FillIn(10, 12, 12, 1) }, { "12 coded words", Coded(12, 1) }, { "12 colours beside a 9 x 9 grid", Colours() },
    };
    for (const auto& c : cases) {
        for (int lower : { 0, 1, 2 }) {
            for (bool realFonts : { false, true }) {
                SCOPED_TRACE(std::string(c.page) + " " + std::to_string(lower) + (realFonts ? ", real fonts" : ""));
                DocumentData d = c.data;
                d.settings.lowerHalf = lower;
                const Rendered plain(d, true, 600, realFonts);
                d.settings.fitToPage = true;
                const Rendered fitted(d, true, 600, realFonts);
                EXPECT_FALSE(fitted.layout.Overflow);
                EXPECT_EQ(OutOfPlace(fitted, 3.0), QStringList()) << "3 mm clear of the footer";
                EXPECT_GE(fitted.layout.GridFontSize, plain.layout.GridFontSize);
                EXPECT_GE(fitted.layout.ListFontSize, plain.layout.ListFontSize);
                EXPECT_LE(std::max(fitted.layout.GridFontSize, fitted.layout.ListFontSize), 28.0);
                EXPECT_TRUE(fitted.layout.CellSize <= 15.0 + 1e-9 && fitted.layout.CellSize >= c.cell) << fitted.layout.CellSize;
                // The worksheet keeps its lower half when it had one ("Vide" gives it the whole page).
                EXPECT_TRUE(lower == 0 || fitted.layout.LowerHalfAvailable == plain.layout.LowerHalfAvailable);
                // A list in columns keeps them filled evenly: grown as far as the room allowed, it stood in a column of 11 beside one of 1.
                // Grown down to the bottom footer, a list stops 5 mm above it.
                std::map<double, int> perColumn;
                for (const RecordedOp& op : Where(fitted.ops(), InListFont)) {
                    ++perColumn[op.x1 + (op.y1 > kCut ? 1000 : 0)];
                    EXPECT_LE(op.y1 + fitted.surface.HeightIn(op.font, op.text), 286 + 1e-9) << op.text.toStdString();
                }
                for (const auto& [x, lines] : perColumn)
                    EXPECT_GE(2 * lines, perColumn.begin()->second) << "column at " << x;
            }
        }
    }
}

// Fitted on a whole page, a fill-in list goes under the grid when its cells grow larger there: a square grid of 18 has
// cells of 9 mm beside 15 long words, of 10 with them below, the list ending 5 mm above the footer. A narrow grid keeps
// its list beside it; over a solution the list always stands beside the columns used, not the empty rest of the 20.
TEST(PageFit, AFittedFillInOnAWholePageTakesWhicheverPlaceGivesLargerCells)
{
    for (const int columns : { 18, 8 }) {
        SCOPED_TRACE(columns);
        DocumentData d = FillIn(18, 12, 12, 0, 15, columns);
        const Rendered plain(d, true, 600, true);
        d.settings.fitToPage = true;
        const Rendered r(d, true, 600, true);
        const Ops list = Where(r.ops(), InListFont);
        ASSERT_FALSE(list.isEmpty());
        if (columns == 18) { // below the grid
            EXPECT_GE(r.layout.CellSize, 10.0);
            EXPECT_TRUE(list[0].x1 == 7 && list[0].y1 > 28 + 18 * r.layout.CellSize) << list[0].x1 << ", " << list[0].y1;
            EXPECT_EQ(OutOfPlace(r, 5.0, InListFont), QStringList()) << "clear of the footer";
        } else {
            EXPECT_DOUBLE_EQ(list[0].x1, 7 + 8 * r.layout.CellSize + 5);
        }
        EXPECT_GT(r.layout.CellSize, plain.layout.CellSize);
        EXPECT_FALSE(r.layout.Overflow);
        EXPECT_EQ(OutOfPlace(r), QStringList());
        d.settings.lowerHalf = 1;
        const Rendered over(d, true, 600, true);
        const Ops half = Where(over.ops(), InListFont);
        ASSERT_FALSE(half.isEmpty());
        EXPECT_DOUBLE_EQ(half[0].x1, 7 + columns * over.layout.CellSize + 5);
        EXPECT_EQ(OutOfPlace(over), QStringList());
    }
}

// Fitted on a whole page, coded words in two columns go on in one when their cells grow larger so: under a key row of
// 16 codes, 15 words of 10 to 12 letters in two columns set 13 apart take 24 cells across, in one column 16. Over a
// solution, or under a key row of 26 codes, they stay as generated.
TEST(PageFit, FittedCodedWordsOnAWholePageGoOnInOneColumnWhenTheirCellsGrowSo)
{
    const auto codes = [](const Rendered& r, double end) {
        return Where(r.ops(), [end](const RecordedOp& op) { return op.kind == Kind::Text && op.font.bold && op.y1 < end; });
    };
    for (const int key : { 16, 26 }) {
        for (const int lower : { 0, 1 }) {
            SCOPED_TRACE(std::to_string(key) + " codes, lower half " + std::to_string(lower));
            DocumentData d = Coded(15, lower, 13, key);
            const Rendered plain(d, true, 600, true);
            d.settings.fitToPage = true;
            const Rendered r(d, true, 600, true);
            EXPECT_FALSE(r.layout.Overflow);
            EXPECT_EQ(OutOfPlace(r), QStringList());
            const bool stacked = key == 16 && lower == 0;
            const double end = lower == 0 ? 297 : kCut; // the worksheet's part of the page
            double right = 0;
            QSet<double> rows;
            for (const RecordedOp& op : Where(r.ops(), [end](const RecordedOp& op) { return op.kind == Kind::Box && op.y1 < end; })) {
                right = std::max(right, op.x2);
                rows.insert(op.y1);
            }
            EXPECT_EQ(rows.size(), stacked ? 16 : 9) << "the key row and the words' rows";
            if (stacked) {
                EXPECT_LE(right, 7 + 16 * r.layout.CellSize + 1e-6);
                EXPECT_GT(r.layout.CellSize, 1.3 * plain.layout.CellSize);
            } else {
                EXPECT_GT(right, 7 + 20 * r.layout.CellSize);
            }
            EXPECT_EQ(codes(r, end).size(), codes(plain, end).size()) << "every code drawn";
        }
    }
}

// Pictograms in a band 1.3 times as high as the numbers', unless that cuts words off the page or leaves out the lower
// half: then as high as the numbers' (7 points), words and copy all on the page.
TEST(PageFit, PictogramsAsSmallAsNumbersRatherThanWordsOrTheCopyCutOff)
{
    // A key row of 26 letters: the pictograms used to pass the page's edge in any size.
    const struct { int words, lower, apart, keyLetters; double pictograms; } cases[] = {
        { 8, 2, 13, 15, 7 * 1.3 }, { 30, 0, 15, 26, 7 }, { 14, 2, 13, 26, 7 }, { 4, 1, 13, 26, 7 },
    };
    for (const auto& c : cases) {
        DocumentData d = Coded(c.words, c.lower, c.apart, c.keyLetters);
        d.puzzle.CodesAreNumbers = false;
        d.puzzle.SymbolAlphabet = PuzzleEngine::SymbolCharacters();
        const Rendered r(d, true, 600, true);
        SCOPED_TRACE(testing::Message() << c.words << " words, lower half " << c.lower);
        EXPECT_FALSE(r.layout.Overflow) << r.layout.OverflowText.toStdString();
        EXPECT_EQ(OutOfPlace(r), QStringList());
        EXPECT_TRUE(c.lower == 0 || r.layout.LowerHalfAvailable) << "the lower half on the page";
        // The cell: the pictograms' band (a line of the code font) over the letter's box, and 1 more.
        const auto height = [&r](const SurfaceFont& f) { return r.fonts->font = f, r.fonts->TextHeight(u("Hy")); };
        const double letters = height({ kGridFont, r.layout.GridFontSize, false, false, false, true });
        EXPECT_NEAR(r.layout.CellSize, height({ SymbolFontName(), c.pictograms, false, false, false, true }) + letters + 1, 1e-9);
        // Each pictogram's ink fills the room above the letters' ink less 0.6 above and 1 below (or the cell's width
        // less 1.2 on each side), centred in it.
        r.fonts->font = { kGridFont, r.layout.GridFontSize, false, false, false, true };
        const double room = r.layout.CellSize - 0.5 - letters + r.fonts->InkBox(u("Hdlb")).top() - 0.4;
        RecordedOp box;
        int pictograms = 0;
        for (const RecordedOp& op : r.ops()) {
            if (op.kind == Kind::Box)
                box = op;
            if (op.kind != Kind::Text || op.font.name != SymbolFontName() || op.x1 < box.x1 || op.x1 > box.x2)
                continue;
            r.fonts->font = op.font;
            const QRectF ink = r.fonts->InkBox(op.text).translated(op.x1, op.y1);
            SCOPED_TRACE(testing::Message() << "pictogram " << ++pictograms);
            EXPECT_NEAR(ink.left() - box.x1, box.x2 - ink.right(), 1e-6);
            EXPECT_NEAR(ink.top() - box.y1, box.y1 + room - ink.bottom(), 1e-6);
            EXPECT_GE(ink.top(), box.y1 + 0.6 - 0.05);
            EXPECT_TRUE(std::abs(ink.height() - (room - 1.2)) < 0.05 || std::abs(ink.width() - (r.layout.CellSize - 2.4)) < 0.05)
                << ink.height() << " " << room << " " << ink.width();
        }
        EXPECT_GE(pictograms, c.keyLetters);
    }
}

// "lexigrille-cli make --level CP --theme Animaux --count 8": the shipped template gives cells a beginner can write in.
TEST(PageFit, EightAnimalsForCpHaveLargeCells)
{
    for (const std::uint64_t seed : { 1, 2, 3, 4 }) {
        Document doc(kFonts);
        DefaultPrompter quiet;
        ASSERT_EQ(ApplyShippedRecipe(doc, quiet, 0, ThemeIndexOfName(u("Animaux")), 8, seed), QString());
        ASSERT_TRUE(GenerateAsking(doc, quiet).succeeded());
        const Rendered page(doc.data(), true, 600, true);
        EXPECT_GE(page.layout.CellSize, 10.0) << seed;
        EXPECT_FALSE(page.layout.Overflow);
    }
}

// Coded words: a code band over each letter, the words' rows apart, a compound word's parts a narrow gap apart, its
// hyphens in the gaps.
TEST(PageLayout, CodedWordsBandsRowsAndParts)
{
    DocumentData d = MakeData(GameType::CodedWords, 0);
    const QString boute = u("BOUTE-EN-TRAIN");
    for (int k = 0; k < boute.size(); ++k) {
        d.puzzle.LetterGrid.at(k, 2) = boute.mid(k, 1);
        d.puzzle.CodeGrid.at(k, 2) = std::int16_t(boute[k] == u'-' ? 0 : k + 1);
    }
    for (int k = 0; k < 4; ++k) { // below it, and in the second column, one cell after it and beside NOIX
        for (const auto& [x, y] : { std::pair { 0, 3 }, std::pair { 15, 2 }, std::pair { 15, 3 } })
            d.puzzle.LetterGrid.at(x + k, y) = u("NOIX").mid(k, 1), d.puzzle.CodeGrid.at(x + k, y) = std::int16_t(k + 20);
    }
    const Rendered r(d);
    const double c = 0.4 * 7 + kLine + 1, band = 0.4 * 7;
    const Ops boxes = Where(r.ops(), [](const RecordedOp& op) { return op.kind == Kind::Box; });
    EXPECT_EQ(boxes.size(), 12 + 4 + 8) << "no box for the hyphens";
    for (const double top : { 28 + 1.6 * c, 28 + 2.95 * c }) // the second column in line, its one-cell gap whole
        EXPECT_TRUE(Has(boxes, Kind::Box, 7 + 15 * c, top, 7 + 16 * c, top + c)) << top;
    // B O U T E, a gap of 0.4 cell, E N, a gap, T R A I N; each gap's hyphen centred in it.
    const double e = 7 + 5 * c + 0.4 * c;
    EXPECT_TRUE(Has(boxes, Kind::Box, e, 28 + 1.6 * c, e + c, 28 + 2.6 * c)) << "E after a narrow gap";
    const Ops hyphens = Where(r.ops(), [](const RecordedOp& op) { return op.kind == Kind::Text && op.text == u("-"); });
    ASSERT_EQ(hyphens.size(), 2);
    EXPECT_NEAR(hyphens[0].x1, 7 + 5 * c + (0.4 * c - kChar) / 2, 1e-9);
    EXPECT_NEAR(hyphens[1].x1, 7 + 7.4 * c + (0.4 * c - kChar) / 2, 1e-9);
    EXPECT_TRUE(Has(boxes, Kind::Box, 7, 28 + 2.95 * c, 7 + c, 28 + 3.95 * c)) << "the next word 0.35 cell lower";
    for (const RecordedOp& op : Where(r.ops(), [](const RecordedOp& op) { return op.kind == Kind::Text && op.font.name == kGridFont; })) {
        const double rowTop = op.y1 < 28 + 2.9 * c ? 28 + 1.6 * c : 28 + 2.95 * c; // a code in its band, black; a letter below it
        EXPECT_TRUE(op.font.bold ? std::abs(op.y1 - rowTop - 0.2) < 1e-9 && op.color == kBlack : op.y1 >= rowTop + band) << op.text.toStdString();
    }
}

// The instruction names what the page shows: the directions of the words placed (a grid made before a box was unticked
// still holds words that way), and the codes drawn, numbers or pictures, whatever mode is chosen for the next grid.
TEST(PageLayout, TheInstructionNamesTheDirectionsOfTheWordsPlacedAndTheCodesDrawn)
{
    const auto instruction = [](const DocumentData& d) { // on its one line at y 18
        const Ops said = Where(Rendered(d).ops(), [](const RecordedOp& op) { return op.kind == Kind::Text && op.y1 == 18.0; });
        return said.size() == 1 ? said[0].text : u("%1 lines").arg(said.size());
    };
    DocumentData search = MakeData(GameType::WordSearch, 0), coded = MakeData(GameType::CodedWords, 0);
    search.settings.puzzle.directions = { true, false, false, false, false, false };
    PlaceWord(search, u("CHAT"), 0, 0, 0);
    EXPECT_EQ(instruction(search), u("Retrouve les mots de la liste\u00A0: ils sont écrits horizontalement."));
    PlaceWord(search, u("LOUP"), 0, 1, 4); // diagonal
    EXPECT_EQ(instruction(search), u("Retrouve les mots de la liste\u00A0: ils peuvent être écrits horizontalement ou en diagonale."));
    for (const bool symbols : { false, true }) {
        coded.puzzle.CodesAreNumbers = !symbols;
        coded.settings.puzzle.valueMode = symbols ? 0 : 2;
        EXPECT_TRUE(instruction(coded).startsWith(symbols ? u("Chaque dessin") : u("Chaque nombre"))) << instruction(coded).toStdString();
    }
}

} // namespace
} // namespace lx::test
