// The surfaces: the single wrap of DrawTextAt, the symbol font's pictograms, the preview's page box, and the line
// box of a letter in a cell.
#include "RenderTestSupport.h"

#include "puzzle/Engine.h"
#include "render/ScreenSurface.h"
#include "render/SymbolFont.h"

#include <QRawFont>

#include <optional>

namespace lx::test {
namespace {

TEST(Surface, DrawTextAtWrapsOnceAtTheLastFittingSpace)
{
    // At 10 points a character is 2 units wide and a line 4 high; the margin is x 203.
    const QStringList ten = MadeUpWords(10, 9); // 99 characters with their spaces, 198 units from x 7
    const QStringList thirty(30, u("abcdefghi"));
    const QString z120(120, u'z'), wide = QString(60, u'x') + u(" ") + QString(49, u'y'); // 220 units
    // lines: from y 18, a line height apart, all at lineX.
    const struct { QString text; double x; QStringList lines; double lineX; } cases[] = {
        { QString(), 7, {}, 0 },
        { u("Bonjour"), -1, { u("Bonjour") }, (210.0 - 14.0) / 2 }, // centred
        { QString(98, u'a'), 7, { QString(98, u'a') }, 7 },          // ending on the margin still fits
        { z120 + u(" "), 7, { z120 + u(" ") }, 7 },                  // no space but a last one: past the margin
        { ten.join(u' '), 7, { ten.mid(0, 9).join(u' '), ten[9] }, 7 }, // up to x 203 (98 characters): the last space there ends word 9
        { thirty.join(u' '), 7, { thirty.mid(0, 9).join(u' '), thirty.mid(9).join(u' ') }, 7 }, // never a third line: off the page
        { wide, -1, { QString(60, u'x'), QString(49, u'y') }, (210.0 - 220.0) / 2 }, // both lines where the whole text is centred
        // Never at a space before « : ; ! ? » » or after « « », as French is set.
        { u("bb ") + QString(94, u'a') + u(" : suite"), 7, { u("bb"), QString(94, u'a') + u(" : suite") }, 7 },
        { u("bb ") + QString(92, u'a') + u(" « suite » !"), 7, { u("bb ") + QString(92, u'a'), u("« suite » !") }, 7 },
    };
    for (const auto& c : cases) {
        RecordingSurface s;
        s.font = SurfaceFont { kDefaultFont, 10.0 };
        DrawTextAt(s, c.text, c.x, 18);
        ASSERT_EQ(s.ops.size(), c.lines.size()) << c.text.toStdString();
        for (int i = 0; i < c.lines.size(); ++i)
            EXPECT_TRUE(s.ops[i].text == c.lines[i] && Has({ s.ops[i] }, Kind::Text, c.lineX, 18 + 4 * i, c.lineX, 18 + 4 * i)) << i;
    }
}

TEST(Surface, SymbolsAndThePreviewBox)
{
    // Every symbol the coded words store is its own pictogram of Symbola (not glyph 0, the missing-glyph box).
    const QRawFont raw = QRawFont::fromFont(MakeSymbolFont(12));
    QSet<QString> seen;
    for (QChar c : PuzzleEngine::SymbolCharacters()) {
        const QList<quint32> glyphs = raw.glyphIndexesForString(SymbolPictogram(c));
        EXPECT_TRUE(glyphs.size() == 1 && glyphs[0] != 0) << std::hex << unsigned(c.unicode());
        seen.insert(SymbolPictogram(c));
    }
    EXPECT_EQ(seen.size(), 26);
    EXPECT_EQ(SymbolPictogram(QChar(kScissorsCode)), QString::fromUcs4(U"\u2702", 1));
    // The preview: A4 in the largest box of the page's proportions.
    const ScreenPage wide = PrepareScreenSurface(QSize(1000, 600), 96, 96), tall = PrepareScreenSurface(QSize(400, 900), 96, 96);
    EXPECT_EQ(wide.extent, QSizeF(210, 297)) << "page units are the paper's millimetres";
    EXPECT_TRUE(wide.box.height() == 600 && std::abs(wide.box.width() - 600.0 * 210 / 297) <= 1);
    EXPECT_TRUE(tall.box.width() == 400 && std::abs(tall.box.height() - 400.0 * 297 / 210) <= 1);
    EXPECT_NEAR(wide.ratio, (600.0 / 96 * 25.4) / wide.extent.height(), 1e-12) << "screen mm per page unit";
    EXPECT_EQ(PrepareScreenSurface(PrepareScreenSurface(tall.box, 96, 96).box, 96, 96).box, tall.box); // stable
    EXPECT_EQ(PrepareScreenSurface(QSize(0, 300), 96, 96).ratio, 0.0);
}

// The preview lays the page out as it prints: every block at the same place. Its page units were 56 twips, 1.2 % more
// than a millimetre: the lower half stood 1.8 units lower, and a copy's list broke at another word than the worksheet's.
TEST(Surface, ThePreviewLaysThePageOutAsItPrints)
{
    DocumentData d = MakeData(GameType::FillIn, 2);
    d.settings.listFontSize = 16;
    AddWords(d, MadeUpWords(30, 6) + MadeUpWords(8, 9));
    RecordingSurface paper;
    DocumentRenderer(d, kDefaultFont, kFooter).RenderDocument(paper, 1.0);
    const ScreenPage page = PrepareScreenSurface(QSize(700, 990), 96, 96);
    RecordingSurface screen(page.extent.width(), page.extent.height(), false, 96);
    // Letters drawn `ratio` times their size measure as on paper, as the screen's fonts do.
    screen.measureWidth = [&](const SurfaceFont& f, const QString& t) { return 0.2 * f.size / page.ratio * t.size(); };
    screen.measureHeight = [&](const SurfaceFont& f, const QString&) { return 0.4 * f.size / page.ratio; };
    DocumentRenderer(d, kDefaultFont, kFooter).RenderDocument(screen, page.ratio);
    ASSERT_EQ(screen.ops.size(), paper.ops.size());
    for (qsizetype i = 0; i < paper.ops.size(); ++i) {
        const RecordedOp &a = paper.ops[i], &b = screen.ops[i];
        EXPECT_TRUE(a.kind == b.kind && a.text == b.text && std::abs(a.x1 - b.x1) < 1e-6 && std::abs(a.y1 - b.y1) < 1e-6)
            << a.text.toStdString() << " (" << a.x1 << ", " << a.y1 << ") on paper, " << b.text.toStdString() << " (" << b.x1
            << ", " << b.y1 << ") on screen";
    }
    // With the installed fonts, a small preview measures text as the paper does: a font of 9.3 pixels measured as one of
    // 9, which chose other sizes for the grid and the list.
    const auto layoutOn = [](const DocumentData& data, QImage& image, std::optional<ScreenPage> screen) {
        image.fill(Qt::white);
        QPainter painter(&image);
        std::unique_ptr<PainterSurface> surface = screen ? std::make_unique<PainterSurface>(painter, screen->extent, QRectF(QPointF(), screen->box), screen->ratio)
                                                         : std::make_unique<PainterSurface>(painter);
        return DocumentRenderer(data).RenderDocument(*surface, screen ? screen->ratio : 1.0);
    };
    for (const GameType type : { GameType::WordSearch, GameType::FillIn, GameType::CodedWords }) {
        for (const int box : { 300, 420, 555 }) {
            DocumentData fitted = MakeData(type, 2, 12);
            std::tie(fitted.settings.gridFontName, fitted.settings.listFontName) = std::tuple(u("Arial"), u("Arial"));
            fitted.settings.fitToPage = true;
            AddWords(fitted, u("soixante-dix-sept forêt tropicale rez-de-chaussée haltérophilie exceptionnel contredire longue-vue "
                               "zigzaguer aérogare guimauve monarque ordonnée recoudre aboutir rédiger tamaris bonsaï ermite")
                                 .split(u' '));
            for (int k = 0; k < 12; ++k) // a word across the grid, and its codes
                fitted.puzzle.LetterGrid.at(k, 2) = u("E"), fitted.puzzle.CodeGrid.at(k, 2) = std::int16_t(k + 1);
            QImage paper(2480, 3508, QImage::Format_RGB32);
            paper.setDotsPerMeterX(11811), paper.setDotsPerMeterY(11811);
            QImage screen(box, int(box * 297 / 210) + 1, QImage::Format_RGB32);
            screen.setDotsPerMeterX(3780), screen.setDotsPerMeterY(3780);
            const PageLayout a = layoutOn(fitted, paper, std::nullopt);
            const PageLayout b = layoutOn(fitted, screen, PrepareScreenSurface(screen.size(), 96, 96));
            SCOPED_TRACE(std::to_string(int(type)) + ", preview of " + std::to_string(box) + " pixels");
            EXPECT_EQ(std::tuple(a.GridFontSize, a.ListFontSize), std::tuple(b.GridFontSize, b.ListFontSize));
            EXPECT_NEAR(a.CellSize, b.CellSize, 1e-6);
            EXPECT_NEAR(a.ColumnWidth, b.ColumnWidth, 1e-6);
        }
    }
}

// A letter in a cell takes the line box of its letters: OpenDyslexic's line box is 1.75 em for letters of the same
// height as Liberation Sans's (1.15 em), which left its letters small in cells sized by it. Ordinary fonts keep theirs.
TEST(Surface, ALetterInACellTakesTheLineBoxItsLettersNeed)
{
    if (!FontCatalog::Installed().Contains(u("OpenDyslexic")))
        GTEST_SKIP() << "OpenDyslexic is not installed";
    for (const char* name : { "Arial", "Courier New", "OpenDyslexic" }) {
        SCOPED_TRACE(name);
        QImage paper(1000, 1000, QImage::Format_RGB32);
        paper.setDotsPerMeterX(11811); // 300 dpi: a page unit is 11.8 pixels
        paper.setDotsPerMeterY(11811);
        paper.fill(Qt::white);
        QPainter painter(&paper);
        PainterSurface surface(painter);
        surface.font = SurfaceFont { u(name), 36.0 };
        const double lineBox = surface.TextHeight(u("H"));
        surface.font.compact = true;
        const double cellBox = surface.TextHeight(u("H"));
        if (QString(name) == u("OpenDyslexic"))
            EXPECT_LT(cellBox, 0.75 * lineBox);
        else
            EXPECT_DOUBLE_EQ(cellBox, lineBox);
        // The ink of letters with ascenders and descenders, and of a capital, within the box drawn at y 20.
        surface.currentX = 5;
        surface.currentY = 20;
        surface.Print(u("Hbdgjpqy"), false);
        surface.currentX = 60;
        surface.Print(u("H"), false);
        painter.end();
        const auto inkRows = [&paper](int x1, int x2) {
            int top = paper.height(), bottom = -1;
            for (int y = 0; y < paper.height(); ++y)
                for (int x = x1; x < x2; ++x)
                    if (qGray(paper.pixel(x, y)) < 128)
                        top = std::min(top, y), bottom = std::max(bottom, y);
            return std::pair { top / 11.811, (bottom + 1) / 11.811 };
        };
        const auto [top, bottom] = inkRows(0, int(58 * 11.811));
        EXPECT_GE(top, 20 - 0.02 * cellBox);
        EXPECT_LE(bottom, 20 + 1.02 * cellBox);
        const auto [capTop, capBottom] = inkRows(int(59 * 11.811), paper.width());
        EXPECT_GE(capBottom - capTop, 0.55 * cellBox) << "a capital takes most of the box";
    }
}

} // namespace
} // namespace lx::test
