// Which listed words have no picture, and how the window tells it.
#include "document/WordPictures.h"
#include "support/DocumentSupport.h"
#include "words/PictureTable.h"

namespace lx::test {
namespace {

DocumentData Listing(GameType type, int pictures, const QStringList& words, const QStringList& filled = {})
{
    DocumentData d;
    d.settings.puzzle.gameType = type;
    d.settings.pictures = pictures;
    for (const QString& w : words)
        d.words.SetChecked(d.words.AddWordIfAbsent(w).index, true);
    for (const QString& w : filled)
        d.puzzle.WordsByLength.append({ w, int(w.size()) });
    return d;
}

TEST(WordPictures, TheListedWordsWithoutAPictureAreNamedOnlyWhenPicturesShow)
{
    PictureTable table;
    table.AddText(u("chat U+1F431\nchien U+1F436\nl'ours U+1F43B\n"));
    const struct { DocumentData data; const char* text; } cases[] = {
        { Listing(GameType::WordSearch, 1, { u("chat"), u("loup"), u("l’ours"), u("lion") }), "2 mots sans image : lion, loup" },
        { Listing(GameType::WordSearch, 2, { u("chien"), u("chat") }), "" },
        { Listing(GameType::WordSearch, 0, { u("loup"), u("chat") }), "" },
        { Listing(GameType::CodedWords, 2, { u("loup"), u("chat") }), "" },
        // A fill-in grid names the words it holds; before it is made, the checked words.
        { Listing(GameType::FillIn, 2, { u("loup"), u("lion"), u("chat") }, { u("chat"), u("lion") }), "1 mot sans image : lion" },
        { Listing(GameType::FillIn, 1, { u("loup"), u("chat") }), "1 mot sans image : loup" },
        { Listing(GameType::WordSearch, 1, MadeUpWords(12, 4)),
          "12 mots sans image : aaaa, bbba, ccca, ddda, eeea, fffa, ggga, hhha, iiia, jjja, …" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(MissingPicturesText(c.data, table), u(c.text));
}

} // namespace
} // namespace lx::test
