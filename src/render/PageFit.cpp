// Measure, then draw: before anything is drawn, the page decides the sizes
// that keep the grid and the word list in their places. Each half of the page
// ends above its footer (at 143 over a drawn lower half, else at 291), and
// nothing passes the right margin. A block that would pass a limit at the
// document's size takes the largest size, in half points down to 7, that
// keeps it inside; the grid's cells follow its letters. The decision depends
// on the document and the surface's measures only, so the preview, the paper
// and the exported files agree.
#include "render/DocumentRenderer.h"

#include "document/DocumentData.h"
#include "render/RendererShared.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace lx {

using namespace render_detail;

namespace {

// The sizes a block may take, largest first: its own, then each half point
// below it down to the smallest size.
QList<double> CandidateSizes(double own)
{
    QList<double> sizes { own };
    for (int halves = int(std::ceil(own * 2.0)) - 1; halves >= int(DocumentRenderer::kMinFontSize * 2.0); --halves)
        sizes.append(halves / 2.0);
    return sizes;
}

QString PointsText(double size)
{
    return QString::number(size, 'g', 3).replace(QLatin1Char('.'), QLatin1Char(','));
}

} // namespace

// The measures of another size foretold from those of one: text scales with
// its size, the padding does not. factor below 1 makes the forecast kinder.
DocumentRenderer::ListMeasure DocumentRenderer::Scaled(const ListMeasure& m, double size, double factor)
{
    const double f = size / m.size * factor;
    ListMeasure out = m;
    out.size = size;
    for (double& w : out.widths)
        w *= f;
    out.lineHeight *= f;
    out.headingHeight *= f;
    out.wordHeight *= f;
    const double padding = m.columnWidth - m.widest;
    out.widest = m.widest * f;
    out.columnWidth = out.widest + padding;
    return out;
}

// The cells that hold something in the grids drawn: the upper half's and,
// over a lower half of another version, that one's too.
DocumentRenderer::GridCells DocumentRenderer::UsedCells() const
{
    const PuzzleState& z = D().puzzle;
    const GameType type = D().settings.puzzle.gameType;
    GridCells used;
    for (const PuzzleState* p : { &z, &lowerData_->puzzle }) {
        const int last = LastIndex(*p);
        const int second = type == GameType::CodedWords ? SecondColumn(*p, last) : 0;
        const int shift = type == GameType::CodedWords ? StackShift(*p, second) : 0;
        for (int r = 0; r <= last; ++r) {
            for (int c = 0; c <= last; ++c) {
                const bool drawn = !p->LetterGrid.at(c, r).isEmpty() || (type == GameType::CodedWords && p->CodeGrid.at(c, r) != 0);
                const bool moved = shift > 0 && r >= 2 && c >= second;
                if (drawn) {
                    used.columns = std::max(used.columns, (moved ? c - second : c) + 1);
                    used.rows = std::max(used.rows, (moved ? r + shift : r) + 1);
                }
            }
        }
    }
    // A word search is its whole framed square.
    if (type == GameType::WordSearch) {
        used.columns = std::max(used.columns, z.GridSize);
        used.rows = std::max(used.rows, z.GridSize);
    }
    return used;
}

bool DocumentRenderer::ListBeside(double gridExtent) const
{
    const DocumentSettings& st = D().settings;
    if (listBelow_)
        return false;
    return st.puzzle.gameType != GameType::WordSearch || kLowerHalfLimit > st.GridOriginY + gridExtent;
}

bool DocumentRenderer::LowerHalfDrawn(double gridExtent) const
{
    return lowerRole_.has_value() && halfRoom_ && ListBeside(gridExtent);
}

bool DocumentRenderer::GridFits(double size, const GridCells& cells, double clearance)
{
    const DocumentSettings& st = D().settings;
    const double cell = CellAt(size);
    const double extent = cell * D().puzzle.GridSize;
    if (st.GridOriginX + cells.columns * cell > layout_.RightLimit + kTolerance)
        return false;
    const bool lower = LowerHalfDrawn(extent);
    const double height = GridHeight(cells.rows, cell);
    if (st.GridOriginY + height > (lower ? kUpperFooterY : kFooterY) - clearance + kTolerance)
        return false;
    return !lower || layout_.LowerGridY + height <= kFooterY - clearance + kTolerance;
}

DocumentRenderer::ListMeasure DocumentRenderer::MeasureList(double size)
{
    ListMeasure m;
    m.size = size;
    const PictureRoom room = pictureMode_ != 0 ? MeasurePictureRoom(size) : PictureRoom {};
    SetListFont(size);
    m.lineHeight = s_->TextHeight(kSample);
    m.wordHeight = pictureMode_ != 0 ? room.height : m.lineHeight;
    // The column is as wide as its widest line, so that neither a heading nor
    // a wide word reaches into the next column or under its separator.
    double widest = reference_.isEmpty() ? 0.0 : s_->TextWidth(reference_);
    m.widths.reserve(layout_.DisplayList.size());
    for (int i = 0; i < layout_.DisplayList.size(); ++i) {
        const bool pictured = pictureMode_ != 0 && !lines_[i].heading;
        m.widths.append(pictured ? PictureLineWidth(lines_[i], room) : s_->TextWidth(layout_.DisplayList[i]));
        widest = std::max(widest, m.widths.last());
    }
    m.widest = widest;
    m.columnWidth = widest + Padding();
    // Headings are printed underlined, and their line is that font's.
    s_->font.underline = true;
    m.headingHeight = s_->TextHeight(kSample);
    s_->font.underline = false;
    return m;
}

// "Adapter à la page": the grid and the list grow together, by the same
// factor where the list has the room, up to letters of 28 points and cells of
// 15 mm, while the worksheet keeps to its half of the page when it did at the
// document's sizes (the whole page with "Vide"), clear of the footers. The
// document's sizes are the smallest used. False when nothing can grow.
bool DocumentRenderer::GrowPage(const GridCells& cells)
{
    const DocumentSettings& st = D().settings;
    const PuzzleState& z = D().puzzle;
    const double ownGrid = st.gridFontSize;
    const double ownList = st.listFontSize;
    const bool hasList = st.puzzle.gameType != GameType::CodedWords;
    const auto halves = [](double size) { return int(std::floor(size * 2.0 + kTolerance)); };
    int top = halves(kMaxFitSize);
    while (top > halves(ownGrid) && CellAt(top / 2.0) > kMaxFitCell + kTolerance)
        --top;
    const auto extentOf = [&](double size) { return CellAt(size) * z.GridSize; };
    if (!GridFits(ownGrid, cells))
        return false;
    const bool half = LowerHalfDrawn(extentOf(ownGrid));
    const ListMeasure own = hasList ? MeasureList(ownList) : ListMeasure {};
    if (hasList && !ListFits(extentOf(ownGrid), own))
        return false;

    // The largest list size, from the grid's growth down to its own, that fits
    // beside (or under) a grid of that size, its columns filled evenly (grown
    // as far as one more line allowed, a list stood in a column of 11 beside
    // one of 1); -1 when none does.
    ListMeasure chosen = own;
    const auto listFor = [&](double gridSize, bool keep) -> double {
        if (!hasList)
            return ownList;
        const double extent = extentOf(gridSize);
        int high = std::min(halves(kMaxFitSize), halves(ownList * gridSize / ownGrid));
        int low = halves(ownList);
        // Forecasts first (the measures scale with the size), then one real measure.
        while (high > low && !ListFits(extent, Scaled(own, high / 2.0, 0.99), true))
            --high;
        for (int l = high; l >= low; --l) {
            const ListMeasure m = l == halves(ownList) ? own : MeasureList(l / 2.0);
            if (ListFits(extent, m, true)) {
                if (keep)
                    chosen = m;
                return l / 2.0;
            }
        }
        return -1.0;
    };
    const auto fits = [&](double gridSize) {
        return GridFits(gridSize, cells, kFooterGap) && (!half || LowerHalfDrawn(extentOf(gridSize))) && listFor(gridSize, false) >= 0;
    };
    // The largest grid size that fits, found by halves.
    int low = halves(ownGrid), high = top;
    if (high <= low)
        return false;
    while (low < high) {
        const int mid = (low + high + 1) / 2;
        if (fits(mid / 2.0))
            low = mid;
        else
            high = mid - 1;
    }
    if (low == halves(ownGrid))
        return false; // the document's own sizes
    const double gridSize = low / 2.0;
    layout_.GridFontSize = gridSize;
    layout_.ListFontSize = listFor(gridSize, true);
    upperFlow_ = lowerFlow_ = ListFlow {};
    if (hasList) {
        const double extent = extentOf(gridSize);
        upperFlow_ = BalancedFlow(UpperListPlace(extent, chosen.lineHeight), chosen);
        if (LowerHalfDrawn(extent))
            lowerFlow_ = BalancedFlow(LowerListPlace(extent), chosen);
    }
    layout_.Overflow = false;
    layout_.OverflowText.clear();
    return true;
}

// A fill-in's list may go under its grid, and coded words in two columns may
// go on in one, when the worksheet has its page alone.
bool DocumentRenderer::MayRearrange(const GridCells& cells) const
{
    const DocumentData& d = D();
    switch (d.settings.puzzle.gameType) {
    case GameType::FillIn:
        return !lowerRole_ && cells.rows > 0;
    case GameType::CodedWords:
        return (!lowerRole_ || !halfRoom_) && SecondColumn(d.puzzle, LastIndex(d.puzzle)) > 0;
    case GameType::WordSearch:
        break;
    }
    return false;
}

void DocumentRenderer::FitPage()
{
    const DocumentSettings& st = D().settings;
    const PuzzleState& z = D().puzzle;
    listBelow_ = stackCoded_ = false;
    const GridCells cells = UsedCells();
    const bool besideUsed = st.fitToPage && st.puzzle.gameType == GameType::FillIn && cells.columns > 0;
    listColumns_ = besideUsed ? std::min(cells.columns, z.GridSize) : 0;
    // Coded words too many for half a page even in the smallest letters take
    // the whole page, as a word search too large for it does.
    halfRoom_ = true;
    if (st.puzzle.gameType == GameType::CodedWords && lowerRole_)
        halfRoom_ = GridFits(kMinFontSize, cells);
    gridRows_ = cells.rows;
    const bool rearrange = MayRearrange(cells);
    const auto arrange = [this, &st](bool other) {
        listBelow_ = other && st.puzzle.gameType == GameType::FillIn;
        stackCoded_ = other && st.puzzle.gameType == GameType::CodedWords;
    };
    FitArrangement(cells);
    // A worksheet alone on its page takes the other arrangement when its own
    // passes its edges and the other fits, or, fitted to the page, when the
    // other gives its grid larger letters.
    if (!rearrange || (!st.fitToPage && !layout_.Overflow))
        return;
    const PageLayout usual = layout_;
    arrange(true);
    FitArrangement(UsedCells());
    const bool better = st.fitToPage ? std::pair(!layout_.Overflow, layout_.GridFontSize) > std::pair(!usual.Overflow, usual.GridFontSize)
                                     : !layout_.Overflow;
    if (!better) {
        arrange(false);
        FitArrangement(cells);
    }
}

// The sizes of the grid and the list in the page's present arrangement: grown
// to the page with "Adapter à la page", else shrunk only as far as needed.
void DocumentRenderer::FitArrangement(const GridCells& cells)
{
    const DocumentSettings& st = D().settings;
    const PuzzleState& z = D().puzzle;
    pictureScale_ = PictureScales().first();
    if (st.fitToPage && GrowPage(cells))
        return;
    const QList<double> gridSizes = CandidateSizes(st.gridFontSize);
    const QList<double> listSizes = CandidateSizes(st.listFontSize);
    const auto extentAt = [&](int g) { return CellAt(gridSizes[g]) * z.GridSize; };
    QStringList overflow;

    // The document's size when it fits (fitted to the page, clear of the
    // footer); else the largest that keeps clear of the footer, and failing
    // that any that fits.
    const auto largest = [&](int from, double clearance) {
        int k = from;
        while (k < gridSizes.size() && !GridFits(gridSizes[k], cells, clearance))
            ++k;
        return k;
    };
    int g = 0;
    if (!GridFits(gridSizes[0], cells, st.fitToPage ? kFooterGap : 0.0)) {
        g = largest(1, kFooterGap);
        if (g == gridSizes.size())
            g = largest(0, 0.0);
    }
    if (g == gridSizes.size()) {
        g = int(gridSizes.size()) - 1;
        overflow << QStringLiteral("La grille dépasse de la page, même avec des lettres de %1 points : retirez des mots ou choisissez une autre police de grille.").arg(PointsText(gridSizes[g]));
    }
    layout_.GridFontSize = gridSizes[g];
    layout_.ListFontSize = st.listFontSize;
    upperFlow_ = lowerFlow_ = ListFlow {};
    if (st.puzzle.gameType != GameType::CodedWords) {
        // Measuring a long list in every size costs more than the rest of the
        // page: a size between the document's and the smallest is measured
        // only when the document size's measures, scaled to it (and 1 %
        // kinder), let the list fit.
        // Each size is measured once, when first needed.
        std::vector<std::optional<ListMeasure>> measured(listSizes.size());
        const auto measure = [&](int l) -> const ListMeasure& {
            if (!measured[l])
                measured[l] = MeasureList(listSizes[l]);
            return *measured[l];
        };
        ListMeasure chosen;
        const auto largestFitting = [&](double extent) {
            const ListMeasure& own = measure(0);
            for (int l = 0; l < listSizes.size(); ++l) {
                if (l > 0 && l < listSizes.size() - 1 && !ListFits(extent, Scaled(own, listSizes[l], 0.99)))
                    continue;
                const ListMeasure& m = measure(l);
                if (ListFits(extent, m)) {
                    chosen = m;
                    return l;
                }
            }
            return -1;
        };
        // A long list of pictures with no room even in its smallest letters
        // takes smaller pictures, down to the letters' own size, before it
        // passes its limits.
        int l = -1;
        for (double scale : PictureScales()) {
            pictureScale_ = scale;
            std::fill(measured.begin(), measured.end(), std::nullopt);
            l = largestFitting(extentAt(g));
            // Even its smallest size has no room: a list that stays where it
            // is may find room once the grid gives up some of its own.
            if (l < 0 && overflow.isEmpty()) {
                const ListMeasure& smallest = measure(int(listSizes.size()) - 1);
                const bool beside = ListBeside(extentAt(g));
                for (int h = g + 1; h < gridSizes.size(); ++h) {
                    const double extent = extentAt(h);
                    if (ListBeside(extent) != beside)
                        break;
                    if (GridFits(gridSizes[h], cells) && ListFits(extent, smallest)) {
                        g = h;
                        l = largestFitting(extent);
                        break;
                    }
                }
            }
            if (l >= 0)
                break;
        }
        if (l < 0) {
            l = int(listSizes.size()) - 1;
            chosen = measure(l);
            overflow << QStringLiteral("La liste de mots dépasse de la page, même écrite en %1 points : %2")
                            .arg(PointsText(listSizes[l]),
                                 WholeClassesChosen(D()) ? QStringLiteral("cochez un thème.") : QStringLiteral("retirez des mots."));
        }
        layout_.GridFontSize = gridSizes[g];
        layout_.ListFontSize = listSizes[l];
        const double extent = extentAt(g);
        upperFlow_ = BalancedFlow(UpperListPlace(extent, chosen.lineHeight), chosen);
        if (LowerHalfDrawn(extent))
            lowerFlow_ = BalancedFlow(LowerListPlace(extent), chosen);
    }
    layout_.Overflow = !overflow.isEmpty();
    layout_.OverflowText = overflow.join(QLatin1Char(' '));
}

} // namespace lx
