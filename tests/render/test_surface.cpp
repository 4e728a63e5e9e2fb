// The drawing surfaces: the text cursor, the single wrap of DrawTextAt, pen
// widths, the Qt backend's fonts and symbols, and the preview's proportions.
#include "RenderTestSupport.h"

#include "document/FontCatalog.h"
#include "puzzle/Engine.h"
#include "render/PainterSurface.h"
#include "render/ScreenSurface.h"
#include "render/SymbolFont.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QSet>

#include <gtest/gtest.h>

namespace lx::test {
namespace {

// At 10 points the recording model makes a character 2 units wide and a line 4 high.
RecordingSurface TenPointSurface()
{
    RecordingSurface s;
    s.font = SurfaceFont { kDefaultFont, 10.0 };
    return s;
}

TEST(Print, CursorStaysOnTheLineOrGoesToTheNext)
{
    RecordingSurface s = TenPointSurface();
    s.currentX = 20;
    s.currentY = 30;
    s.Print(u("abc"), false);
    EXPECT_DOUBLE_EQ(s.currentX, 26.0);
    EXPECT_DOUBLE_EQ(s.currentY, 30.0);
    s.Print(u("de"), true);
    EXPECT_DOUBLE_EQ(s.currentX, 0.0);
    EXPECT_DOUBLE_EQ(s.currentY, 34.0);
    ASSERT_EQ(s.ops.size(), 2);
    EXPECT_DOUBLE_EQ(s.ops[1].x1, 26.0);
    EXPECT_DOUBLE_EQ(s.ops[1].y1, 30.0);
}

// The lines DrawTextAt prints at 10 points: (x, y, text) of each.
QList<RecordedOp> Placed(const QString& text, double x, double y = 18)
{
    RecordingSurface s = TenPointSurface();
    DrawTextAt(s, text, x, y);
    return s.ops;
}

TEST(DrawTextAt, OneLineWhenItFitsOrCannotBreak)
{
    EXPECT_TRUE(Placed(QString(), 7).isEmpty());
    QList<RecordedOp> ops = Placed(u("Bonjour"), 7, 5);
    ASSERT_EQ(ops.size(), 1);
    EXPECT_DOUBLE_EQ(ops[0].x1, 7.0);
    EXPECT_DOUBLE_EQ(ops[0].y1, 5.0);
    EXPECT_DOUBLE_EQ(Placed(u("Bonjour"), -1)[0].x1, (210.0 - 14.0) / 2); // centred
    // Ending exactly on the margin (x 203) still fits.
    EXPECT_EQ(Placed(QString(98, u'a'), 7).size(), 1);
    // No space, a final space only, or a space too far right: one line past the margin.
    for (const QString& text : { QString(120, u'z'), QString(120, u'z') + u(" "), QString(110, u'z') + u(" zz") }) {
        ops = Placed(text, 7);
        ASSERT_EQ(ops.size(), 1);
        EXPECT_EQ(ops[0].text, text);
    }
}

TEST(DrawTextAt, WrapsOnceAtTheLastFittingSpace)
{
    // 10 words of 9 letters between single spaces: 99 characters, 198 units from x 7.
    QStringList words;
    for (int i = 0; i < 10; ++i)
        words << QString(9, QChar(u'a' + i));
    QList<RecordedOp> ops = Placed(words.join(u' '), 7);
    ASSERT_EQ(ops.size(), 2);
    // The first line may reach x 203 (98 characters): the last space before that ends word 9.
    EXPECT_EQ(ops[0].text, words.mid(0, 9).join(u' '));
    EXPECT_EQ(ops[1].text, words[9]);
    EXPECT_DOUBLE_EQ(ops[0].y1, 18.0);
    EXPECT_DOUBLE_EQ(ops[1].x1, 7.0);
    EXPECT_DOUBLE_EQ(ops[1].y1, 22.0);

    // Three page widths still make two lines: the second runs off the page.
    ops = Placed(QStringList(30, u("abcdefghi")).join(u' '), 7);
    ASSERT_EQ(ops.size(), 2);
    EXPECT_EQ(ops[0].text.size(), 89);
    EXPECT_EQ(ops[1].text.size(), 299 - 90);

    // A centred text: both lines start where the whole text would be centred.
    ops = Placed(QString(60, u'x') + u(" ") + QString(49, u'y'), -1, 10);
    ASSERT_EQ(ops.size(), 2);
    EXPECT_DOUBLE_EQ(ops[0].x1, (210.0 - 220.0) / 2);
    EXPECT_DOUBLE_EQ(ops[1].x1, (210.0 - 220.0) / 2);
    EXPECT_EQ(ops[1].text, QString(49, u'y'));
}

TEST(SetPenWidth, PaperMillimetresAndScreenPixels)
{
    RecordingSurface paper600(210, 297, true, 600);
    SetPenWidth(paper600, 1, true);
    EXPECT_EQ(paper600.drawWidth, 7); // 0.3 mm at 600 dpi = 7.09 pixels
    RecordingSurface paper1200(210, 297, true, 1200);
    SetPenWidth(paper1200, 1, true);
    EXPECT_EQ(paper1200.drawWidth, 14);
    RecordingSurface paper72(210, 297, true, 72);
    SetPenWidth(paper72, 1, true);
    EXPECT_EQ(paper72.drawWidth, 1); // never thinner than a pixel
    RecordingSurface screen(212.6, 300.7, false, 96);
    SetPenWidth(screen, 1, false);
    EXPECT_EQ(screen.drawWidth, 1);
    SetPenWidth(screen, 3, false);
    EXPECT_EQ(screen.drawWidth, 3);
}

TEST(PrepareScreenSurface, KeepsThePageProportions)
{
    // The page in page units: A4 in twips / 56.
    const ScreenPage wide = PrepareScreenSurface(QSize(1000, 600), 96, 96);
    EXPECT_NEAR(wide.extent.width(), 210.0 / 25.4 * 1440 / 56, 1e-9);
    EXPECT_NEAR(wide.extent.height(), 297.0 / 25.4 * 1440 / 56, 1e-9);
    // Too wide: the height stays and the width shrinks to the page's proportion.
    EXPECT_EQ(wide.box.height(), 600);
    EXPECT_NEAR(wide.box.width(), 600.0 * 210.0 / 297.0, 1.0);
    // ratio: screen millimetres per page unit.
    EXPECT_NEAR(wide.ratio, (600.0 / 96 * 25.4) / wide.extent.height(), 1e-12);

    // Too tall: the width stays and the height shrinks.
    const ScreenPage tall = PrepareScreenSurface(QSize(400, 900), 96, 96);
    EXPECT_EQ(tall.box.width(), 400);
    EXPECT_NEAR(tall.box.height(), 400.0 * 297.0 / 210.0, 1.0);
    EXPECT_NEAR(tall.ratio, (400.0 / 96 * 25.4) / tall.extent.width(), 1e-12);

    // A fitted box is left as it is, again and again.
    for (const ScreenPage& first : { wide, tall }) {
        ScreenPage again = PrepareScreenSurface(first.box, 96, 96);
        EXPECT_EQ(again.box, first.box);
        again = PrepareScreenSurface(again.box, 96, 96);
        EXPECT_EQ(again.box, first.box);
        EXPECT_NEAR(again.ratio, first.ratio, first.ratio * 0.01);
    }
    // An empty box draws nothing: ratio 0.
    EXPECT_EQ(PrepareScreenSurface(QSize(0, 300), 96, 96).ratio, 0.0);
}

TEST(PainterSurface, FontsAreTheCatalogsMetricTwins)
{
    const FontCatalog& catalog = FontCatalog::Installed();
    QImage image(100, 100, QImage::Format_RGB32);
    QPainter painter(&image);
    PainterSurface surface(painter);
    const auto drawnBy = [&](const char* name) {
        return QFontInfo(surface.QtFont(SurfaceFont { u(name), 12 })).family();
    };
    if (catalog.Contains(u("Arial"))) {
        EXPECT_EQ(drawnBy("Arial"), catalog.Resolve(u("Arial")));
    }
    if (catalog.Contains(u("Arial Narrow"))) {
        EXPECT_EQ(drawnBy("Arial Narrow"), catalog.Resolve(u("Arial Narrow")));
    }
    if (catalog.Contains(u("Tahoma"))) {
        EXPECT_EQ(drawnBy("Tahoma"), u("Tahoma"));
    }
    // A font the list lacks is drawn as Arial's twin, not by a silent substitute.
    ASSERT_FALSE(catalog.Contains(u("Police Inexistante")));
    if (catalog.Contains(u("Arial"))) {
        EXPECT_EQ(drawnBy("Police Inexistante"), catalog.Resolve(u("Arial")));
    }
    const QFont bold = surface.QtFont(SurfaceFont { u("Arial"), 16, true, false, true });
    EXPECT_TRUE(bold.bold());
    EXPECT_TRUE(bold.underline());
    EXPECT_DOUBLE_EQ(bold.pointSizeF(), 16.0);
}

TEST(PainterSurface, PaperIsMeasuredInMillimetres)
{
    // 300 dpi: A4 is 2480 x 3508 pixels.
    QImage image(2480, 3508, QImage::Format_RGB32);
    image.setDotsPerMeterX(11811);
    image.setDotsPerMeterY(11811);
    QPainter painter(&image);
    PainterSurface surface(painter);
    EXPECT_TRUE(surface.IsPrinter());
    EXPECT_NEAR(surface.ScaleWidth(), 210.0, 0.1);
    EXPECT_NEAR(surface.ScaleHeight(), 297.0, 0.1);
    EXPECT_NEAR(surface.ScaleX(25.4), 300.0, 0.01);
    // A 12-point line of Arial's twin is about 1.15 em: 4.87 mm.
    surface.font = SurfaceFont { u("Arial"), 12 };
    EXPECT_NEAR(surface.TextHeight(u("Hy")), 12 * 1.15 * 25.4 / 72, 0.15);
    // Twice the size, twice the width.
    const double w = surface.TextWidth(u("LEXIGRILLE"));
    surface.font.size = 24;
    EXPECT_NEAR(surface.TextWidth(u("LEXIGRILLE")), 2 * w, 0.02 * w);
}

TEST(PainterSurface, ScreenMapsThePageOntoTheBox)
{
    QImage image(400, 600, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const ScreenPage page = PrepareScreenSurface(image.size(), image.logicalDpiX(), image.logicalDpiY());
    PainterSurface surface(painter, page.extent, QRectF(QPointF(0, 0), QSizeF(page.box)));
    EXPECT_FALSE(surface.IsPrinter());
    EXPECT_DOUBLE_EQ(surface.ScaleWidth(), page.extent.width());
    surface.drawWidth = 1;
    surface.foreColor = kBlack;
    surface.Line(0, 100, page.extent.width(), 100);
    painter.end();
    // The line lies at 100 / extent of the box's height.
    const int y = int(100.0 / page.extent.height() * page.box.height());
    bool inked = false;
    for (int dy = -1; dy <= 1; ++dy)
        inked = inked || qGray(image.pixel(page.box.width() / 2, y + dy)) < 128;
    EXPECT_TRUE(inked);
}

TEST(Symbols, EveryPictogramExistsInSymbola)
{
    const QFont font = MakeSymbolFont(12);
    EXPECT_TRUE(font.styleStrategy() & QFont::NoFontMerging);
    EXPECT_EQ(QFontInfo(font).family(), u("Symbola"));
    const QRawFont raw = QRawFont::fromFont(font);
    ASSERT_TRUE(raw.isValid());
    EXPECT_EQ(raw.familyName(), u("Symbola"));
    const QFontMetricsF metrics(font);
    ASSERT_EQ(SymbolMap().size(), 26);
    for (const SymbolCodePoint& s : SymbolMap()) {
        EXPECT_TRUE(raw.supportsCharacter(uint(s.unicode))) << std::hex << uint(s.unicode);
        EXPECT_TRUE(metrics.inFontUcs4(uint(s.unicode))) << std::hex << uint(s.unicode);
        const QString pictogram = SymbolPictogram(QChar(s.code));
        const QList<quint32> glyphs = raw.glyphIndexesForString(pictogram);
        ASSERT_EQ(glyphs.size(), 1);
        EXPECT_NE(glyphs[0], 0u) << std::hex << uint(s.unicode); // glyph 0 is the missing-glyph box
    }
    // Every symbol the coded words store has its own pictogram; the scissors are U+2702.
    const QString alphabet = PuzzleEngine::SymbolCharacters();
    QSet<QString> seen;
    for (QChar c : alphabet) {
        EXPECT_FALSE(SymbolPictogram(c).isEmpty()) << std::hex << unsigned(c.unicode());
        seen.insert(SymbolPictogram(c));
    }
    EXPECT_EQ(seen.size(), 26);
    EXPECT_EQ(SymbolPictogram(QChar(kScissorsCode)), QString::fromUcs4(U"\u2702", 1));
    // A code outside the map draws nothing, never a box or a question mark.
    EXPECT_EQ(SymbolPictograms(QStringLiteral("\"A!")), QString::fromUcs4(U"\u2702\U0001F589", 2));
}

TEST(Symbols, SurfaceDrawsCodesThroughTheMap)
{
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterSurface surface(painter);
    surface.font = SurfaceFont { SymbolFontName(), 20 };
    const QFontMetricsF metrics(MakeSymbolFont(20), &image);
    const double perUnit = image.logicalDpiX() / 25.4;
    // The scissors code is measured as the scissors pictogram, not as a quotation mark.
    EXPECT_NEAR(surface.TextWidth(QStringLiteral("\"")), metrics.horizontalAdvance(SymbolPictogram(QChar(kScissorsCode))) / perUnit, 1e-9);
    EXPECT_DOUBLE_EQ(surface.TextWidth(QStringLiteral("A")), 0.0);
    surface.currentX = 5;
    surface.currentY = 5;
    surface.Print(QStringLiteral("\""), false);
    painter.end();
    int inked = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            inked += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    }
    EXPECT_GT(inked, 20);
}

} // namespace
} // namespace lx::test
