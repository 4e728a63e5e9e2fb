#pragma once

// The page recorded by the test surface, and documents to draw.
#include "document/Document.h"
#include "render/DocumentRenderer.h"
#include "render/PainterSurface.h"
#include "render/RecordingSurface.h"
#include "support/TextSupport.h"
#include "words/WordForms.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <memory>

namespace lx::test {

using Ops = QList<RecordedOp>;
using Kind = RecordedOp::Kind;

// Font names that tell the page's fonts apart in the recording.
inline const QString kGridFont = QStringLiteral("Courier New");
inline const QString kListFont = QStringLiteral("Arial Narrow");
inline const QString kTitleFont = QStringLiteral("Tahoma");
inline const QString kDefaultFont = QStringLiteral("Arial");
inline const QString kFooter = QStringLiteral("Pied l'école"); // printed with its apostrophe typeset

// The recording model at 12 points: a line is 0.4, a character 0.2 times the size.
constexpr double kLine = 0.4 * 12, kChar = 0.2 * 12;
constexpr double kSearchCell = kLine + 2, kFillInCell = kLine + 1; // coded words as word search
constexpr double kCut = 297.0 * 0.5 - 1.0, kLowerGridY = kCut + 28.0; // the fold line of A4

// A document with the test fonts (12 points for grid and list), a grid of `side` (10 x 10), no word and no puzzle.
inline DocumentData MakeData(GameType type, int lowerHalf = 0, int side = 10)
{
    DocumentData d;
    DocumentSettings& s = d.settings;
    std::tie(s.gridFontName, s.listFontName, s.titleFontName) = std::tuple(kGridFont, kListFont, kTitleFont);
    s.gridFontSize = s.listFontSize = 12;
    std::tie(s.title, s.lowerHalf, s.selectedThemeCount) = std::tuple(u("Les animaux"), lowerHalf, 1);
    s.levels = { false, true, false, false, false };
    d.themes.selected[3] = true; // "Animaux"
    s.puzzle.gameType = d.puzzle.gameType = type;
    s.puzzle.gridSize = side;
    d.puzzle.SetGridDimensions(side);
    d.puzzle.WordEntries = { WordEntry { 0, 0, -1, QString() } };
    return d;
}

// Checked words, and WordsByLength as a generation leaves it: longest first, with letter counts.
inline void AddWords(DocumentData& d, const QStringList& words)
{
    for (const QString& w : words)
        d.words.SetChecked(d.words.AddWordIfAbsent(w).index, true);
    QStringList checked = d.words.CheckedWords();
    std::stable_sort(checked.begin(), checked.end(), [](const QString& a, const QString& b) { return a.size() > b.size(); });
    d.puzzle.WordsByLength.clear();
    for (const QString& w : checked)
        d.puzzle.WordsByLength.append({ w, LetterCount(w) });
    d.puzzle.WordCount = int(checked.size());
}

// Writes a word into the letter grid from (x, y) in a direction and records its entry.
inline void PlaceWord(DocumentData& d, const QString& text, int x, int y, int direction)
{
    for (int k = 0; k < text.size(); ++k)
        d.puzzle.LetterGrid.at(x + k * kDirectionSteps[direction].dx, y + k * kDirectionSteps[direction].dy) = text.mid(k, 1);
    if (d.puzzle.WordEntries.size() == 1 && d.puzzle.WordEntries[0].direction == -1)
        d.puzzle.WordEntries.clear();
    d.puzzle.WordEntries.append(WordEntry { std::int16_t(x), std::int16_t(y), std::int16_t(direction), text });
    d.puzzle.WordCount = int(d.puzzle.WordEntries.size());
}

// A page recorded on A4 (paper at 600 dpi unless told otherwise), its text measured by the model or by the installed fonts.
struct Rendered {
    QImage paper { 8, 8, QImage::Format_RGB32 };
    QPainter painter;
    std::unique_ptr<PainterSurface> fonts;
    RecordingSurface surface;
    PageLayout layout;
    explicit Rendered(const DocumentData& d, bool printer = true, double dpi = 600.0, bool realFonts = false)
        : surface(210.0, 297.0, printer, dpi)
    {
        if (realFonts) {
            paper.setDotsPerMeterX(23622);
            paper.setDotsPerMeterY(23622);
            painter.begin(&paper);
            fonts = std::make_unique<PainterSurface>(painter);
            surface.measureWidth = [this](const SurfaceFont& f, const QString& t) { return fonts->font = f, fonts->TextWidth(t); };
            surface.measureHeight = [this](const SurfaceFont& f, const QString& t) { return fonts->font = f, fonts->TextHeight(t); };
            surface.measureInk = [this](const SurfaceFont& f, const QString& t) { return fonts->font = f, fonts->InkBox(t); };
        }
        layout = DocumentRenderer(d, kDefaultFont, kFooter).RenderDocument(surface, 1.0);
    }
    const Ops& ops() const { return surface.ops; }
};

inline Ops Where(const Ops& ops, const std::function<bool(const RecordedOp&)>& keep)
{
    Ops out;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(out), keep);
    return out;
}

// A line of the word list (its headings too).
inline bool InListFont(const RecordedOp& op) { return op.kind == Kind::Text && op.font.name == kListFont; }

// An operation of the kind between two points (either way round), to 1e-6.
inline bool Has(const Ops& ops, Kind kind, double x1, double y1, double x2, double y2)
{
    const auto near = [](double a, double b) { return std::abs(a - b) < 1e-6; };
    return std::any_of(ops.begin(), ops.end(), [&](const RecordedOp& op) {
        return op.kind == kind
            && ((near(op.x1, x1) && near(op.y1, y1) && near(op.x2, x2) && near(op.y2, y2))
                || (near(op.x1, x2) && near(op.y1, y2) && near(op.x2, x1) && near(op.y2, y1)));
    });
}

// The grid's and the list's operations right of x 203 or below their half's footer (143 over a lower half, else 291),
// less a clearance; only those `only` keeps, when given.
inline QStringList OutOfPlace(const Rendered& r, double clearance = 0.0, const std::function<bool(const RecordedOp&)>& only = {})
{
    const bool lowerDrawn = !Where(r.ops(), [](const RecordedOp& op) { return op.style == LineStyle::Dotted; }).isEmpty();
    QStringList out;
    for (const RecordedOp& op : only ? Where(r.ops(), only) : r.ops()) {
        const bool text = op.kind == Kind::Text; // not the header, title, instruction, footers, rules, fold line
        if ((text && (op.font.name == kDefaultFont || op.font.name == kTitleFont || op.x1 == 2.0))
            || (!text && (op.x1 == 6.5 || op.style == LineStyle::Dotted)))
            continue;
        const double right = text ? op.x1 + r.surface.WidthIn(op.font, op.text) : std::max(op.x1, op.x2);
        const double bottom = text ? op.y1 + r.surface.HeightIn(op.font, op.text) : std::max(op.y1, op.y2);
        if (right > 203.0 + 1e-6 || bottom > (op.y1 < kCut && lowerDrawn ? 143.0 : 291.0) - clearance + 1e-6)
            out << QStringLiteral("%1 (%2, %3) to (%4, %5)").arg(op.text).arg(op.x1).arg(op.y1).arg(right).arg(bottom);
    }
    return out;
}

} // namespace lx::test
