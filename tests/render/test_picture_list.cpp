// "Images": pictures beside the words or in their place, the page within its limits, the shipped pictures' font.
#include "RenderTestSupport.h"

#include "render/PageTexts.h"
#include "render/SymbolFont.h"
#include "support/DocumentSupport.h"
#include "words/PictureTable.h"

#include <QFontInfo>
#include <QPainterPath>
#include <QRawFont>

namespace lx::test {
namespace {

constexpr char32_t kCat = 0x1F431;
const QString kCatText = QString::fromUcs4(&kCat, 1);

// A table giving every word the same picture, except those left out.
PictureTable CatsFor(const QStringList& words, const QStringList& without = {})
{
    PictureTable table;
    for (const QString& w : words)
        if (!without.contains(w))
            table.AddText(w + u(" U+1F431"));
    return table;
}

const auto InPictureFont = [](const RecordedOp& op) { return op.kind == Kind::Text && op.font.name == PictureFontName(); };

TEST(PictureList, PicturesBesideOrInPlaceOfTheWords)
{
    // The recording model at 12 points: text lines 4.8 high; the pictures' font 18 points (beside) or 24
    // (instead), a pictogram two UTF-16 units wide: slot 7.2 or 9.6, line 7.2 or 9.6, gap 1.44, boxes 2.88.
    const QStringList words { u("chat"), u("chien"), u("loup") };
    PictureTable::Install(CatsFor(words, { u("loup") }));
    for (GameType type : { GameType::WordSearch, GameType::FillIn }) {
        for (int mode : { 0, 1, 2 }) {
            SCOPED_TRACE(std::to_string(int(type)) + " mode " + std::to_string(mode));
            DocumentData d = MakeData(type, 0);
            d.settings.pictures = mode;
            AddWords(d, words);
            const Rendered r(d);
            const bool fillIn = type == GameType::FillIn;
            const double x = r.layout.ListX + (fillIn ? 2 * kChar : 0.0); // the fill-in's indent: two spaces
            const Ops pictures = Where(r.ops(), InPictureFont);
            const Ops texts = Where(r.ops(), [](const RecordedOp& op) { return InListFont(op) && !op.font.underline; });
            const Ops boxes = Where(r.ops(), [&r](const RecordedOp& op) { return op.kind == Kind::Box && op.x1 > r.layout.ListX; });
            const double slot = mode == 2 ? 9.6 : 7.2;
            ASSERT_EQ(r.layout.DisplayPictures.size(), r.layout.DisplayList.size());
            EXPECT_EQ(r.layout.DisplayPictures.count(kCatText), mode == 0 ? 0 : 2);
            ASSERT_EQ(pictures.size(), mode == 0 ? 0 : 2);
            if (mode == 0) {
                EXPECT_EQ(texts.size(), 3);
                continue;
            }
            for (const RecordedOp& p : pictures) {
                EXPECT_EQ(p.text, kCatText);
                EXPECT_EQ(p.font.size, mode == 2 ? 24 : 18);
                EXPECT_NEAR(p.x1, x, 1e-9);
            }
            EXPECT_TRUE(fillIn || std::abs(pictures[1].y1 - pictures[0].y1 - slot) < 1e-9) << "one picture line apart";
            if (mode == 1) {
                // Every word written after the slot, LOUP too, centred on its line.
                ASSERT_EQ(texts.size(), 3);
                for (const RecordedOp& t : texts)
                    EXPECT_NEAR(t.x1, x + slot + 1.44, 1e-9) << t.text.toStdString();
                EXPECT_NEAR(texts[0].y1, pictures[0].y1 + (7.2 - 4.8) / 2, 1e-9);
                EXPECT_TRUE(boxes.isEmpty());
            } else {
                // Only LOUP is written, where its picture would be; a fill-in's pictures have a box per letter.
                EXPECT_TRUE(Where(r.ops(), [](const RecordedOp& op) { return op.text.contains(u("image")); }).isEmpty());
                ASSERT_EQ(texts.size(), 1);
                EXPECT_EQ(texts[0].text.trimmed(), u("LOUP"));
                EXPECT_NEAR(texts[0].x1, x, 1e-9);
                EXPECT_EQ(boxes.size(), fillIn ? 4 + 5 : 0);
                for (const RecordedOp& b : boxes) {
                    EXPECT_NEAR(b.x2 - b.x1, 2.88, 1e-9);
                    EXPECT_NEAR(b.y2 - b.y1, 2.88, 1e-9);
                    EXPECT_GE(b.x1, x + slot + 1.44 - 1e-9);
                }
            }
        }
    }
    // Coded words have no list: nothing in the pictures' font.
    DocumentData coded = MakeData(GameType::CodedWords, 1);
    coded.settings.pictures = 2;
    AddWords(coded, words);
    EXPECT_TRUE(Where(Rendered(coded).ops(), InPictureFont).isEmpty());
}

// Long pictured lists stay in their half, shrinking as words do; "Adapter à la page" grows pictures with the letters.
TEST(PictureList, ThePageNeverOverflows)
{
    QStringList many, without; // every seventh word without a picture
    for (int i = 0; i < 60; ++i) {
        many << u("mot") + QString(i % 9, u'a') + QChar(u'a' + i % 26) + QChar(u'a' + i / 26);
        if (i % 7 == 0)
            without << many.last();
    }
    PictureTable::Install(CatsFor(many, without));
    for (GameType type : { GameType::WordSearch, GameType::FillIn }) {
        for (int count : { 8, 30, 60 }) {
            for (int mode : { 0, 1, 2 }) {
                for (bool fit : { false, true }) {
                    for (bool realFonts : { false, true }) {
                        SCOPED_TRACE(std::to_string(int(type)) + " " + std::to_string(count) + " words, mode " + std::to_string(mode)
                                     + (fit ? ", fitted" : "") + (realFonts ? ", real fonts" : ""));
                        DocumentData d = MakeData(type, 1);
                        d.settings.pictures = mode;
                        d.settings.fitToPage = fit;
                        AddWords(d, many.mid(0, count));
                        const Rendered r(d, true, 600, realFonts);
                        EXPECT_FALSE(r.layout.Overflow) << r.layout.OverflowText.toStdString();
                        EXPECT_EQ(OutOfPlace(r), QStringList());
                        const Ops pictures = Where(r.ops(), InPictureFont);
                        ASSERT_EQ(pictures.isEmpty(), mode == 0);
                        if (mode == 0)
                            continue;
                        // The mode's size; a list too long for it even in 7 points takes smaller pictures, never below its letters.
                        const double scale = mode == 2 ? DocumentRenderer::kPictureInstead : DocumentRenderer::kPictureBeside;
                        const double size = pictures[0].font.size;
                        EXPECT_TRUE(count == 60 ? size >= r.layout.ListFontSize && size <= scale * r.layout.ListFontSize : size == scale * r.layout.ListFontSize) << size;
                        EXPECT_TRUE(!fit || count != 8 || type != GameType::WordSearch || r.layout.ListFontSize > 12.0)
                            << "a short list grows, its pictures with it";
                    }
                }
            }
        }
    }
}

// The key fills a fill-in's letter boxes, which the pupil's half leaves empty, so that the teacher sees which word
// each picture stands for. Each picture is as tall as the tallest, however small the font draws it.
TEST(PictureList, TheKeyFillsTheBoxesAndPicturesAreAsTallAsEachOther)
{
    PictureTable table;
    for (const char* line : { "bougie U+1F56F", "doigt U+261D", "fusée U+1F680", "chat U+1F431" })
        table.AddText(u(line));
    PictureTable::Install(table);
    DocumentData d = MakeData(GameType::FillIn, 1);
    d.settings.pictures = 2;
    AddWords(d, { u("bougie"), u("doigt"), u("fusée"), u("chat") });
    const auto boxed = [&d] {
        QString upper, lower;
        for (const RecordedOp& op : Where(Rendered(d, true, 600, true).ops(), [](const RecordedOp& op) { return InListFont(op) && op.text.size() == 1; }))
            (op.y1 < kCut ? upper : lower) += op.text;
        return std::pair(upper, lower);
    };
    EXPECT_EQ(boxed(), std::pair(QString(), u("BOUGIEDOIGTFUSEECHAT")));
    d.settings.uppercase = false; // in lower case, as the words are spelt
    EXPECT_EQ(boxed(), std::pair(QString(), u("bougiedoigtfuséechat")));
    d.settings.uppercase = true;
    const Rendered r(d, true, 600, true);
    // Without a word written, the instruction speaks of pictures (with one, of the list: PicturesBesideOrInPlaceOfTheWords).
    EXPECT_EQ(InstructionText(d, true), u("Écris le mot de chaque image à sa place dans la grille. Une case ne peut contenir qu'une seule lettre."));
    EXPECT_FALSE(Where(r.ops(), [](const RecordedOp& op) { return op.text.startsWith(u("Écris le mot de chaque image")); }).isEmpty());
    const Ops pictures = Where(r.ops(), InPictureFont);
    ASSERT_EQ(pictures.size(), 8);
    QList<double> heights;
    for (const RecordedOp& p : pictures) {
        r.fonts->font = p.font;
        heights << r.fonts->InkBox(p.text).height();
    }
    const auto [shortest, tallest] = std::minmax_element(heights.cbegin(), heights.cend());
    EXPECT_LT(*tallest - *shortest, 0.05 * *tallest) << "the candle and the finger as tall as the cat";
}

// The shipped table, as the page reads it: each picture in the pictures' font, Symbola (that draws each one, with an
// outline: tests/data/test_images.py).
TEST(PictureList, EveryShippedPictureIsInThePicturesFont)
{
    const PictureTable table = PictureTable::Load(QStringLiteral(LEXIGRILLE_DATA_DIR), QString());
    EXPECT_GE(table.Count(), 300) << "every line of the shipped table read";
    QImage image(64, 64, QImage::Format_RGB32);
    QPainter painter(&image);
    PainterSurface surface(painter);
    surface.font = SurfaceFont { PictureFontName(), 24.0 };
    EXPECT_EQ(QFontInfo(surface.QtFont(surface.font)).family(), u("Symbola"));
    const QRawFont symbola = QRawFont::fromFont(surface.QtFont(surface.font));
    for (char32_t code : table.CodePoints()) {
        EXPECT_TRUE(surface.HasCharacter(code)) << std::hex << unsigned(code);
        const QList<quint32> glyphs = symbola.glyphIndexesForString(QString::fromUcs4(&code, 1));
        EXPECT_FALSE(glyphs.isEmpty() || symbola.pathForGlyph(glyphs[0]).isEmpty()) << "draws nothing: " << std::hex << unsigned(code);
    }
}

// A fill-in with its pictures in place of the words, saved and opened again, draws the same page.
TEST(PictureList, ADocumentWithPicturesInsteadReopensIdentically)
{
    PictureTable::Install(CatsFor({ u("chat"), u("chien"), u("lapin"), u("poule"), u("mouton") }));
    Document doc(QStringList { kDefaultFont, kListFont, kGridFont });
    AddWords(doc, { "chat", "chien", "lapin", "poule", "mouton", "cheval" });
    doc.Change(Setting::GameType, int(GameType::FillIn));
    doc.Change(Setting::Pictures, 2);
    doc.SetFixedSeed(3);
    ASSERT_TRUE(doc.Generate().succeeded());
    const auto back = SavedAndReopened(doc);
    const Rendered before(doc.data()), after(back->data());
    ASSERT_EQ(after.ops().size(), before.ops().size());
    for (int i = 0; i < before.ops().size(); ++i) {
        const RecordedOp &a = before.ops()[i], &b = after.ops()[i];
        EXPECT_TRUE(a.kind == b.kind && a.text == b.text && a.font == b.font && a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2) << i;
    }
    const Ops upper = Where(after.ops(), [](const RecordedOp& op) { return InPictureFont(op) && op.y1 < kCut; });
    EXPECT_EQ(upper.size(), after.layout.DisplayPictures.size() - after.layout.DisplayPictures.count(QString()));
    EXPECT_FALSE(Where(after.ops(), InPictureFont).isEmpty());
}

} // namespace
} // namespace lx::test
