// A lower-case grid spells its words as the list does: "garçon", not "garcon".
#include "RenderTestSupport.h"

#include "render/SpeltLetters.h"

namespace lx::test {
namespace {

// n cells from (x, y) a step (dx, dy) at a time, as a lower-case grid shows them.
QString Shown(const DocumentData& d, int x, int y, int dx, int dy, int n)
{
    const SpeltLetters spelt(d);
    QString shown;
    for (int k = 0; k < n; ++k)
        shown += spelt.Letter(x + k * dx, y + k * dy, d.puzzle.LetterGrid.at(x + k * dx, y + k * dy));
    return shown;
}

// A word spelt whole or not at all: where two words spell the cell they cross differently, both keep their plain letters
// (never half a word's accents, « coté »), and so does a word crossing one of them on an accent; two words of one plain
// form, one each; for the letters no word of the list claims, the plain letter.
TEST(SpeltLetters, EachPlacedWordAsTheListSpellsIt)
{
    DocumentData search = MakeData(GameType::WordSearch, 1);
    AddWords(search, { u("garçon"), u("été"), u("tête"), u("école"), u("cœur"), u("mais"), u("maïs"), u("l'école"), u("Noël") });
    PlaceWord(search, u("GARCON"), 0, 0, 0);
    PlaceWord(search, u("TETE"), 0, 2, 0);
    PlaceWord(search, u("ETE"), 1, 2, 2);   // down across TETE's first E
    PlaceWord(search, u("ECOLE"), 1, 4, 0); // from ETE's last E
    PlaceWord(search, u("COEUR"), 0, 5, 0);
    PlaceWord(search, u("MAIS"), 0, 6, 0);
    PlaceWord(search, u("MAIS"), 5, 6, 0);
    PlaceWord(search, u("LECOLE"), 9, 0, 2);
    PlaceWord(search, u("LEON"), 0, 7, 0); // not in the list
    PlaceWord(search, u("NOEL"), 8, 9, 1); // right to left
    search.puzzle.LetterGrid.at(0, 9) = u("e"); // a filler letter
    search.puzzle.LetterGrid.at(5, 5) = u("é"); // not A to Z: stays as it is
    // Coded words: a word at each column's start, a compound's apostrophe in a cell of its own; the given ñ; the key row.
    DocumentData coded = MakeData(GameType::CodedWords, 1);
    AddWords(coded, { u("l’été"), u("garçon"), u("señor") });
    const auto code = [&coded](const QString& cells, int x, int y) {
        for (int k = 0; k < cells.size(); ++k) {
            coded.puzzle.LetterGrid.at(x + k, y) = cells.mid(k, 1);
            const int index = LetterIndex(cells[k].toUpper());
            coded.puzzle.CodeGrid.at(x + k, y) = std::int16_t(index + 1);
        }
    };
    code(u("l’EtE"), 0, 2), code(u("garcon"), 13, 2), code(u("señor"), 0, 3), code(u("e"), 0, 0);
    const struct { const DocumentData& d; int x, y, dx, dy, n; const char* shown; } cases[] = {
        { search, 0, 0, 1, 0, 6, "garçon" }, { search, 0, 2, 1, 0, 4, "tete" }, { search, 1, 2, 0, 1, 3, "ete" },
        { search, 1, 4, 1, 0, 5, "ecole" }, { search, 0, 5, 1, 0, 5, "coeur" }, { search, 0, 6, 1, 0, 4, "mais" },
        { search, 5, 6, 1, 0, 4, "maïs" }, { search, 9, 0, 0, 1, 6, "lécole" },
        { search, 0, 7, 1, 0, 4, "leon" }, { search, 8, 9, -1, 0, 4, "noël" }, { search, 0, 9, 1, 0, 1, "e" },
        { search, 5, 5, 1, 0, 1, "é" },
        { coded, 0, 2, 1, 0, 5, "l’été" }, { coded, 13, 2, 1, 0, 6, "garçon" }, { coded, 0, 3, 1, 0, 5, "señor" },
        { coded, 0, 0, 1, 0, 1, "e" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(Shown(c.d, c.x, c.y, c.dx, c.dy, c.n), u(c.shown)) << c.shown;
    // A cell a damaged file changed keeps its own letter.
    search.puzzle.LetterGrid.at(2, 0) = u("X");
    EXPECT_EQ(Shown(search, 0, 0, 1, 0, 6), u("gaxçon"));
}

// On the page: the lower-case grid, its key and a fill-in key's letter boxes (PictureList's) spell the words; capitals stay plain.
TEST(SpeltLetters, TheLowerCasePageSpellsTheWords)
{
    for (const bool uppercase : { false, true }) {
        DocumentData d = MakeData(GameType::WordSearch, 1);
        d.settings.uppercase = uppercase;
        AddWords(d, { u("garçon"), u("chat") });
        PlaceWord(d, u("GARCON"), 0, 0, 0);
        PlaceWord(d, u("CHAT"), 0, 1, 0);
        QString letters;
        for (const RecordedOp& op : Where(Rendered(d).ops(), [](const RecordedOp& op) { return op.kind == Kind::Text && op.font.name == kGridFont; }))
            letters += op.text;
        EXPECT_EQ(letters, uppercase ? u("GARCONCHATGARCONCHAT") : u("garçonchatgarçonchat"));
    }
}

} // namespace
} // namespace lx::test
