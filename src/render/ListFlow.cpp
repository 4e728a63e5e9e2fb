// Where the word list goes and how it flows: its place beside or under the
// grid, its lines down columns, the columns filled evenly.
#include "render/DocumentRenderer.h"

#include "document/DocumentData.h"
#include "render/RendererShared.h"

#include <algorithm>

namespace lx {

using namespace render_detail;

DocumentRenderer::ListPlace DocumentRenderer::UpperListPlace(double gridExtent, double lineHeight) const
{
    const DocumentSettings& st = D().settings;
    const bool bottomFooter = !LowerHalfDrawn(gridExtent);
    // A list keeps clear of the footer; fitted to the page under its grid, by 5 mm.
    if (listBelow_) // under the rows the fill-in grid uses
        return { 7.0, st.GridOriginY + GridHeight(gridRows_, gridExtent / D().puzzle.GridSize) + lineHeight, kListBottom, kListBottom };
    if (!ListBeside(gridExtent)) // a word search ending at 143 or lower: the list goes below it
        return { 7.0, st.GridOriginY + gridExtent + lineHeight, kListBottom, st.fitToPage ? kListBottom : kFooterY - kFooterGap };
    const double gridBottom = st.puzzle.gameType == GameType::WordSearch ? st.GridOriginY + gridExtent : layout_.CutLineY - 2.5;
    return { ListLeft(gridExtent), double(st.GridOriginY), gridBottom - 5.0, (bottomFooter ? kFooterY : kUpperFooterY) - kFooterGap };
}

// The lower half's list stands as the upper half's, half a page lower, so that
// a copy or a key lists its words as the worksheet does.
DocumentRenderer::ListPlace DocumentRenderer::LowerListPlace(double gridExtent) const
{
    ListPlace place = UpperListPlace(gridExtent, 0.0);
    const double shift = layout_.LowerGridY - D().settings.GridOriginY;
    place.top += shift;
    place.limit += shift;
    place.bottom = std::min(place.bottom + shift, kFooterY - kFooterGap);
    return place;
}

double DocumentRenderer::ListLeft(double gridExtent) const
{
    const int side = D().puzzle.GridSize;
    const double beside = listColumns_ > 0 && side > 0 ? gridExtent * listColumns_ / side : gridExtent;
    return D().settings.GridOriginX + beside + 5.0;
}

// The lines go down a column until the cursor has passed the column limit, or
// before a line that would cross the half's bottom limit, or before a heading
// that would be the column's last line; then the next column
// starts W + 3 further right, with its separator one unit right of the
// previous column's reserved width.
DocumentRenderer::ListFlow DocumentRenderer::Flow(const ListPlace& place, const ListMeasure& m, int cap, bool groups) const
{
    const DocumentSettings& st = D().settings;
    ListFlow f;
    f.place = place;
    f.columnWidth = m.columnWidth;
    f.separatorBottom = std::min(place.limit + 0.75 * m.lineHeight, place.bottom);
    const int n = int(layout_.DisplayList.size());
    double x = place.x;
    double y = place.top;
    bool columnEmpty = true;
    int inColumn = 0;
    const auto newColumn = [&](bool separator) {
        x += m.columnWidth + 1.0;
        if (st.separateColumns && separator)
            f.separators.append(x);
        x += 2.0;
        y = place.top;
        columnEmpty = true;
        inColumn = 0;
        ++f.columns;
    };
    int group = -1; // the heading of the words being placed
    for (int i = 0; i < n; ++i) {
        const bool heading = lines_[i].heading;
        if (heading)
            group = i;
        const double shift = heading ? 0.5 : 0.0;
        const double height = heading ? m.headingHeight : m.wordHeight;
        // A heading never ends a column: it goes with its words to the next.
        const double after = y + shift + height;
        const bool lonely = heading
            && (after > place.limit || after + m.wordHeight > place.bottom + kTolerance || (cap > 0 && inColumn + 1 >= cap));
        // `groups`: a group of words that the column cannot hold whole starts the next one, under its heading.
        int size = 1;
        while (groups && heading && i + size < n && !lines_[i + size].heading)
            ++size;
        const bool split = groups && heading && cap > 0 && inColumn + size > cap;
        if (!columnEmpty && (after > place.bottom + kTolerance || lonely || split || (cap > 0 && inColumn >= cap)))
            newColumn(true);
        // Words that go on in a new column do so under their heading again, so that none stands under another count.
        if (!heading && columnEmpty && group >= 0) {
            y += 0.5;
            f.repeats.append({ i, group, x, y });
            if (x + m.widths[group] > layout_.RightLimit + kTolerance || y + m.headingHeight > place.bottom + kTolerance)
                f.fits = false;
            y += m.headingHeight;
            ++inColumn;
        }
        y += shift;
        f.lineX.append(x);
        f.lineY.append(y);
        if (x + m.widths[i] > layout_.RightLimit + kTolerance || y + height > place.bottom + kTolerance)
            f.fits = false;
        y += height;
        columnEmpty = false;
        ++inColumn;
        if (y > place.limit && i != n - 1)
            newColumn(true);
    }
    return f;
}

// The flow with its columns filled evenly: as many columns as the plain flow
// takes, each holding about as many lines, so that no column of 28 words
// stands beside one of 2. A fill-in heading goes to the next column with its
// words, which may take one column more: then a line more a column, and
// another, while the last column still holds half as many lines as the others.
DocumentRenderer::ListFlow DocumentRenderer::BalancedFlow(const ListPlace& place, const ListMeasure& m) const
{
    const ListFlow plain = Flow(place, m);
    if (plain.columns < 2)
        return plain;
    const int lines = int(layout_.DisplayList.size());
    // Each column under a heading of its own where the groups allow it with
    // no column under half full, else the words of a group go on in the next
    // column.
    const auto halfFull = [](const ListFlow& f, int cap) {
        int inColumn = 0;
        for (qsizetype i = 0; i < f.lineX.size(); ++i) {
            ++inColumn;
            if (i + 1 == f.lineX.size() || f.lineX[i + 1] != f.lineX[i]) {
                if (2 * inColumn < cap)
                    return false;
                inColumn = 0;
            }
        }
        return true;
    };
    for (const bool groups : { true, false }) {
        for (int cap = (lines + plain.columns - 1) / plain.columns; 2 * (lines - cap * (plain.columns - 1)) >= cap; ++cap) {
            ListFlow even = Flow(place, m, cap, groups);
            if (even.fits && even.columns <= plain.columns && (!groups || halfFull(even, cap)))
                return even;
        }
    }
    ListFlow uneven = plain;
    uneven.uneven = true;
    return uneven;
}

// `evenly`: and, in columns, with the columns filled evenly as they are drawn.
bool DocumentRenderer::ListFits(double gridExtent, const ListMeasure& m, bool evenly)
{
    const auto fits = [&](const ListPlace& place) {
        const ListFlow f = evenly ? BalancedFlow(place, m) : Flow(place, m);
        return f.fits && !f.uneven;
    };
    return fits(UpperListPlace(gridExtent, m.lineHeight)) && (!LowerHalfDrawn(gridExtent) || fits(LowerListPlace(gridExtent)));
}

} // namespace lx
