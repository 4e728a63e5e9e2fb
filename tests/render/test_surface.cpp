// The drawing surfaces: the single wrap of DrawTextAt, the Qt backend's fonts,
// measures and symbols.
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

TEST(DrawTextAt, OneLineOrASingleWrapAtTheLastFittingSpace)
{
    // At 10 points a character is 2 units wide and a line 4 high; the margin is x 203.
    QStringList ten; // 10 words of 9 letters: 99 characters, 198 units from x 7
    for (int i = 0; i < 10; ++i)
        ten << QString(9, QChar(u'a' + i));
    const QStringList thirty(30, u("abcdefghi"));
    const QString z120(120, u'z');
    const QString wide = QString(60, u'x') + u(" ") + QString(49, u'y'); // 220 units
    const struct {
        QString text;
        double x;
        QStringList lines; // from y 18, a line height apart, all at lineX
        double lineX;
    } cases[] = {
        { QString(), 7, {}, 0 },
        { u("Bonjour"), 7, { u("Bonjour") }, 7 },
        { u("Bonjour"), -1, { u("Bonjour") }, (210.0 - 14.0) / 2 }, // centred
        { QString(98, u'a'), 7, { QString(98, u'a') }, 7 },          // ending on the margin still fits
        // No space, a final space only, or a space too far right: one line past the margin.
        { z120, 7, { z120 }, 7 },
        { z120 + u(" "), 7, { z120 + u(" ") }, 7 },
        { z120 + u(" zz"), 7, { z120 + u(" zz") }, 7 },
        // The first line may reach x 203 (98 characters): the last space before that ends word 9.
        { ten.join(u' '), 7, { ten.mid(0, 9).join(u' '), ten[9] }, 7 },
        // Three page widths still make two lines: the second runs off the page.
        { thirty.join(u' '), 7, { thirty.mid(0, 9).join(u' '), thirty.mid(9).join(u' ') }, 7 },
        // A centred text: both lines start where the whole text would be centred.
        { wide, -1, { QString(60, u'x'), QString(49, u'y') }, (210.0 - 220.0) / 2 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        RecordingSurface s;
        s.font = SurfaceFont { kDefaultFont, 10.0 };
        DrawTextAt(s, c.text, c.x, 18);
        ASSERT_EQ(s.ops.size(), c.lines.size());
        for (int i = 0; i < c.lines.size(); ++i) {
            EXPECT_EQ(s.ops[i].text, c.lines[i]);
            EXPECT_DOUBLE_EQ(s.ops[i].x1, c.lineX);
            EXPECT_DOUBLE_EQ(s.ops[i].y1, 18.0 + 4 * i);
        }
    }
}

TEST(PainterSurface, PaperFontsAndMeasures)
{
    const FontCatalog& catalog = FontCatalog::Installed();
    ASSERT_FALSE(catalog.Contains(u("Police Inexistante")));
    // 300 dpi: A4 is 2480 x 3508 pixels, measured in millimetres.
    QImage image(2480, 3508, QImage::Format_RGB32);
    image.setDotsPerMeterX(11811);
    image.setDotsPerMeterY(11811);
    QPainter painter(&image);
    PainterSurface surface(painter);
    EXPECT_TRUE(surface.IsPrinter());
    EXPECT_NEAR(surface.ScaleWidth(), 210.0, 0.1);
    EXPECT_NEAR(surface.ScaleHeight(), 297.0, 0.1);
    EXPECT_NEAR(surface.ScaleX(25.4), 300.0, 0.01);
    // Each listed name is drawn by its metric twin; a name the list lacks
    // by Arial's twin, not by a silent substitute.
    const struct {
        const char* name;
        const char* listed; // checked when the list has it
        QString family;
    } fonts[] = {
        { "Arial", "Arial", catalog.Resolve(u("Arial")) },
        { "Arial Narrow", "Arial Narrow", catalog.Resolve(u("Arial Narrow")) },
        { "Tahoma", "Tahoma", u("Tahoma") },
        { "Police Inexistante", "Arial", catalog.Resolve(u("Arial")) },
    };
    for (const auto& f : fonts) {
        if (catalog.Contains(u(f.listed))) {
            EXPECT_EQ(QFontInfo(surface.QtFont(SurfaceFont { u(f.name), 12 })).family(), f.family) << f.name;
        }
    }
    const QFont title = surface.QtFont(SurfaceFont { u("Arial"), 16, true, false, true });
    EXPECT_TRUE(title.bold());
    EXPECT_TRUE(title.underline());
    EXPECT_DOUBLE_EQ(title.pointSizeF(), 16.0);
    // A 12-point line of Arial's twin is about 1.15 em: 4.87 mm. Twice the size, twice the width.
    surface.font = SurfaceFont { u("Arial"), 12 };
    EXPECT_NEAR(surface.TextHeight(u("Hy")), 12 * 1.15 * 25.4 / 72, 0.15);
    const double w = surface.TextWidth(u("LEXIGRILLE"));
    surface.font.size = 24;
    EXPECT_NEAR(surface.TextWidth(u("LEXIGRILLE")), 2 * w, 0.02 * w);
}

TEST(Symbols, EveryPictogramExistsInSymbolaAndIsDrawnThroughTheMap)
{
    const QFont font = MakeSymbolFont(12);
    EXPECT_TRUE(font.styleStrategy() & QFont::NoFontMerging);
    EXPECT_EQ(QFontInfo(font).family(), u("Symbola"));
    const QRawFont raw = QRawFont::fromFont(font);
    ASSERT_TRUE(raw.isValid());
    const QFontMetricsF metrics(font);
    ASSERT_EQ(SymbolMap().size(), 26);
    for (const SymbolCodePoint& s : SymbolMap()) {
        EXPECT_TRUE(metrics.inFontUcs4(uint(s.unicode))) << std::hex << uint(s.unicode);
        const QList<quint32> glyphs = raw.glyphIndexesForString(SymbolPictogram(QChar(s.code)));
        ASSERT_EQ(glyphs.size(), 1);
        EXPECT_NE(glyphs[0], 0u) << std::hex << uint(s.unicode); // glyph 0 is the missing-glyph box
    }
    // Every symbol the coded words store has its own pictogram; the scissors are U+2702.
    QSet<QString> seen;
    for (QChar c : PuzzleEngine::SymbolCharacters()) {
        EXPECT_FALSE(SymbolPictogram(c).isEmpty()) << std::hex << unsigned(c.unicode());
        seen.insert(SymbolPictogram(c));
    }
    EXPECT_EQ(seen.size(), 26);
    EXPECT_EQ(SymbolPictogram(QChar(kScissorsCode)), QString::fromUcs4(U"\u2702", 1));
    // A code outside the map draws nothing, never a box or a question mark.
    EXPECT_EQ(SymbolPictograms(QStringLiteral("\"A!")), QString::fromUcs4(U"\u2702\U0001F589", 2));

    // The surface measures and draws the scissors code as its pictogram, not as a quotation mark.
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterSurface surface(painter);
    surface.font = SurfaceFont { SymbolFontName(), 20 };
    const double scissors = QFontMetricsF(MakeSymbolFont(20), &image).horizontalAdvance(SymbolPictogram(QChar(kScissorsCode)));
    EXPECT_NEAR(surface.TextWidth(QStringLiteral("\"")), scissors / (image.logicalDpiX() / 25.4), 1e-9);
    EXPECT_DOUBLE_EQ(surface.TextWidth(QStringLiteral("A")), 0.0);
    surface.currentX = 5;
    surface.currentY = 5;
    surface.Print(QStringLiteral("\""), false);
    painter.end();
    int ink = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ink += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    }
    EXPECT_GT(ink, 20);
}

} // namespace
} // namespace lx::test

namespace lx {
namespace {

TEST(PrepareScreenSurface, KeepsThePageProportions)
{
    // The page in page units: A4 in twips / 56.
    const ScreenPage wide = PrepareScreenSurface(QSize(1000, 600), 96, 96);
    EXPECT_NEAR(wide.extent.width(), 210.0 / 25.4 * 1440 / 56, 1e-9);
    EXPECT_NEAR(wide.extent.height(), 297.0 / 25.4 * 1440 / 56, 1e-9);
    // Too wide: the height stays and the width shrinks to the page's proportion.
    EXPECT_EQ(wide.box.height(), 600);
    EXPECT_NEAR(wide.box.width(), 600.0 * 210.0 / 297.0, 1.0);
    EXPECT_NEAR(wide.ratio, (600.0 / 96 * 25.4) / wide.extent.height(), 1e-12) << "screen mm per page unit";
    // Too tall: the width stays and the height shrinks.
    const ScreenPage tall = PrepareScreenSurface(QSize(400, 900), 96, 96);
    EXPECT_EQ(tall.box.width(), 400);
    EXPECT_NEAR(tall.box.height(), 400.0 * 297.0 / 210.0, 1.0);
    // A fitted box is left as it is, redraw after redraw; an empty box draws nothing.
    for (const ScreenPage& first : { wide, tall })
        EXPECT_EQ(PrepareScreenSurface(PrepareScreenSurface(first.box, 96, 96).box, 96, 96).box, first.box);
    EXPECT_EQ(PrepareScreenSurface(QSize(0, 300), 96, 96).ratio, 0.0);
}

} // namespace
} // namespace lx
