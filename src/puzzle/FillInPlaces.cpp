// Where a word can go on the fill-in canvas: see FillInLayout.h.
#include "puzzle/FillInLayout.h"

#include <algorithm>
#include <bit>

#if defined(__GNUC__)
#define LX_ALWAYS_INLINE_LAMBDA __attribute__((always_inline))
#else
#define LX_ALWAYS_INLINE_LAMBDA
#endif

namespace lx {

void FillInLayout::Clear()
{
    letter_.fill(0);
    across_.fill(-1);
    down_.fill(-1);
    cellCount_.fill(0);
    rows_.fill(0);
    columns_.fill(0);
    acrossRows_.fill(0);
    downColumns_.fill(0);
    order_.clear();
    std::fill(layout_.begin(), layout_.end(), Placement {});
    minX_ = minY_ = kStride;
    maxX_ = maxY_ = -1;
}

void FillInLayout::Put(int w, int x, int y, bool down)
{
    const std::u16string& t = words_[w];
    const int n = int(t.size());
    const int step = down ? kStride : 1;
    auto& owner = down ? down_ : across_;
    for (int k = 0, c = Cell(x, y); k < n; ++k, c += step) {
        if (!letter_[c]) {
            const int code = Code(t[k]);
            cellsOf_[code][cellCount_[code]++] = std::int16_t(c);
        }
        letter_[c] = t[k];
        owner[c] = std::int16_t(w);
    }
    const std::uint64_t bits = ((std::uint64_t(1) << n) - 1) << (down ? y : x);
    if (down) {
        columns_[x] |= bits;
        downColumns_[x] |= bits;
        for (int k = 0; k < n; ++k)
            rows_[y + k] |= std::uint64_t(1) << x;
    } else {
        rows_[y] |= bits;
        acrossRows_[y] |= bits;
        for (int k = 0; k < n; ++k)
            columns_[x + k] |= std::uint64_t(1) << y;
    }
    layout_[w] = Placement { x, y, down, true };
    order_.push_back(w);
    minX_ = std::min(minX_, x);
    minY_ = std::min(minY_, y);
    maxX_ = std::max(maxX_, down ? x : x + n - 1);
    maxY_ = std::max(maxY_, down ? y + n - 1 : y);
}

// The places where a word left out crosses a letter and pushes out the
// fewest letters of other words (at most kMostOut words, never the first
// one): the kTried cheapest, cheapest first. Returns how many there are.
int FillInLayout::CheapestPlaces(const std::vector<bool>& keep, std::array<Candidate, kTried>& cheapest)
{
    int found = 0;
    std::vector<int> out;
    for (int w = 0; w < int(words_.size()); ++w) {
        if (keep[w])
            continue;
        ForEachStart(w, -1, [&](int x, int y, bool down) {
            if (!Conflicts(words_[w], x, y, down, kMostOut, out))
                return;
            int cost = 0;
            for (int o : out)
                cost += int(words_[o].size());
            Candidate c { 4 * cost + random_.Below(8), w, Placement { x, y, down, true }, {}, int(out.size()) };
            std::copy(out.begin(), out.end(), c.out.begin());
            if (found == kTried && c.cost >= cheapest[kTried - 1].cost)
                return;
            int i = found < kTried ? found++ : kTried - 1;
            for (; i > 0 && cheapest[i - 1].cost > c.cost; --i)
                cheapest[i] = cheapest[i - 1];
            cheapest[i] = c;
        });
    }
    return found;
}

// The best placement of word w crossing the canvas (from the words placed
// since the first `since` ones only, when since >= 0): false when there is none.
// Equal scores are drawn evenly, whatever the order the places are found in.
bool FillInLayout::BestPlacement(int w, int since, Placement& best)
{
    const std::u16string& t = words_[w];
    int equal = 0; // places with the best score so far
    int bestScore = 0;
    const auto consider = [&](int x, int y, bool down) {
        int score;
        if (!Fits(t, x, y, down, &score) || (equal > 0 && score < bestScore))
            return;
        if (equal == 0 || score > bestScore) {
            equal = 0;
            bestScore = score;
        }
        if (random_.Below(++equal) == 0)
            best = Placement { x, y, down, true };
    };
    if (since < 0)
        ForEachLikelyStart(w, consider);
    else
        ForEachStart(w, since, consider);
    return equal > 0;
}

// Calls f(x, y, down) once for each start of word w that crosses a letter on
// the canvas (down when that letter's word is across) within the area; with
// since >= 0, a letter of the words placed after the first `since` ones.
template <typename F>
void FillInLayout::ForEachStart(int w, int since, F&& f)
{
    const std::u16string& t = words_[w];
    const int n = int(t.size());
    if (maxX_ - minX_ >= kArea || maxY_ - minY_ >= kArea || n > kArea)
        return;
    ++stamp_;
    // Kept apart as plain values: this is the search's innermost loop.
    const StartRange acrossStarts = Starts(n, false), downStarts = Starts(n, true);
    const int acrossFrom = acrossStarts.from, acrossTo = acrossStarts.to, rowFirst = acrossStarts.first, rowLast = acrossStarts.last;
    const int downFrom = downStarts.from, downTo = downStarts.to, columnFirst = downStarts.first, columnLast = downStarts.last;
    auto at = [&](int c, int a) LX_ALWAYS_INLINE_LAMBDA {
        if (across_[c] >= 0 && down_[c] >= 0)
            return;
        const bool down = across_[c] >= 0;
        const int x = c % kStride, y = c / kStride;
        const int sx = down ? x : x - a;
        const int sy = down ? y - a : y;
        if (down ? (sy < downFrom || sy > downTo || sx < columnFirst || sx > columnLast)
                 : (sx < acrossFrom || sx > acrossTo || sy < rowFirst || sy > rowLast))
            return;
        const int key = Cell(sx, sy) * 2 + (down ? 1 : 0);
        if (seen_[key] == stamp_)
            return;
        seen_[key] = stamp_;
        f(sx, sy, down);
    };
    if (since < 0) {
        for (int a = 0; a < n; ++a)
            for (int i = 0, code = Code(t[a]); i < cellCount_[code]; ++i)
                if (letter_[cellsOf_[code][i]] == t[a])
                    at(cellsOf_[code][i], a);
        return;
    }
    const auto& positions = positions_[w];
    for (std::size_t i = std::size_t(since); i < order_.size(); ++i) {
        const Placement& p = layout_[order_[i]];
        const int step = p.down ? kStride : 1;
        const int length = int(words_[order_[i]].size());
        for (int k = 0, c = Cell(p.x, p.y); k < length; ++k, c += step) {
            const int code = Code(letter_[c]);
            if (code == 26) { // not a letter A to Z: compared one by one
                for (int a = 0; a < n; ++a)
                    if (letter_[c] == t[a])
                        at(c, a);
                continue;
            }
            for (std::uint64_t bits = positions[code]; bits; bits &= bits - 1)
                at(c, std::countr_zero(bits));
        }
    }
}

namespace {

// The bits set in v or in any of the n - 1 bits above: the starts of n bits
// that hold a bit of v.
std::uint64_t Smear(std::uint64_t v, int n)
{
    int done = 1;
    for (; 2 * done <= n; done *= 2)
        v |= v >> done;
    return done < n ? v | v >> (n - done) : v;
}

} // namespace

// Calls f(x, y, down) for each start of word w within the area where it
// crosses a letter with nothing in its way: every start where it fits, and
// those where a crossing letter differs. A whole line at a time, as bits.
template <typename F>
void FillInLayout::ForEachLikelyStart(int w, F&& f)
{
    const int n = int(words_[w].size());
    if (maxX_ - minX_ >= kArea || maxY_ - minY_ >= kArea || n > kArea)
        return;
    for (const bool down : { false, true }) {
        const auto& lines = down ? columns_ : rows_;
        const auto& same = down ? downColumns_ : acrossRows_;
        const StartRange r = Starts(n, down);
        if (r.from > r.to)
            continue;
        const std::uint64_t range = ((std::uint64_t(1) << (r.to - r.from + 1)) - 1) << r.from;
        for (int line = r.first; line <= r.last; ++line) {
            const std::uint64_t letters = lines[line];
            if (!letters)
                continue;
            // The cells the word cannot cover: empty ones beside a letter,
            // and the letters of words in its own direction.
            const std::uint64_t blocked = (~letters & (lines[line - 1] | lines[line + 1])) | same[line];
            const std::uint64_t crosses = Smear(letters, n), meets = Smear(blocked, n);
            // ... and the cells just before and after it must be empty.
            for (std::uint64_t starts = crosses & ~meets & ~(letters << 1) & ~(letters >> n) & range; starts;
                 starts &= starts - 1) {
                const int at = std::countr_zero(starts);
                if (down)
                    f(line, at, true);
                else
                    f(at, line, false);
            }
        }
    }
}

// Whether word t fits from (x, y), inside the area: over empty cells or
// crossings, nothing beside its own letters, the cells before and after it
// empty; every layout the search keeps holds only words laid this way. The
// score (when asked for) prefers crossings, then little growth of the layout, then
// parallel words two cells away (a dense layout leaves room for the rest).
bool FillInLayout::Fits(const std::u16string& t, int x, int y, bool down, int* score)
{
    const int n = int(t.size());
    if (n > kArea)
        return false;
    // The word's line as bits: a row across, a column down; `from` is its first bit.
    const int from = down ? y : x;
    const int line = down ? x : y;
    const auto& lines = down ? columns_ : rows_;
    const std::uint64_t letters = lines[line];
    const std::uint64_t cells = ((std::uint64_t(1) << n) - 1) << from;
    if ((letters >> (from - 1)) & 1 || (letters >> (from + n)) & 1)
        return false;
    const std::uint64_t crossed = letters & cells;
    const std::uint64_t empty = cells & ~letters;
    // No letter of a word in its own direction, nothing beside its own letters.
    if (crossed & (down ? downColumns_[line] : acrossRows_[line]) || empty & (lines[line - 1] | lines[line + 1]))
        return false;
    const int step = down ? kStride : 1;
    for (std::uint64_t bits = crossed; bits; bits &= bits - 1) {
        const int k = std::countr_zero(bits) - from;
        if (letter_[Cell(x, y) + k * step] != t[k])
            return false;
    }
    if (!score)
        return true;
    const int crossings = std::popcount(crossed);
    const int near = std::popcount(empty & lines[line - 2]) + std::popcount(empty & lines[line + 2]);
    const int ex = down ? x : x + n - 1;
    const int ey = down ? y + n - 1 : y;
    const int growth = std::max(maxX_, ex) - std::min(minX_, x) - (maxX_ - minX_) + std::max(maxY_, ey)
        - std::min(minY_, y) - (maxY_ - minY_);
    *score = 32 * crossings - 3 * growth + 8 * near + random_.Below(6);
    return true;
}

// True when word w at p meets a word already on the canvas.
bool FillInLayout::Crosses(int w, const Placement& p) const
{
    const int step = p.down ? kStride : 1;
    for (int k = 0, c = Cell(p.x, p.y); k < int(words_[w].size()); ++k, c += step)
        if (letter_[c])
            return true;
    return false;
}

// The words in the way of word t from (x, y): over its cells with another
// letter or along it, beside its own letters, just before or after it. False
// as soon as there are more than `most`, or the first word is among them.
bool FillInLayout::Conflicts(const std::u16string& t, int x, int y, bool down, int most, std::vector<int>& out) const
{
    out.clear();
    bool fits = true;
    auto owners = [&](int c) {
        for (int o : { int(across_[c]), int(down_[c]) })
            if (o >= 0 && std::find(out.begin(), out.end(), o) == out.end()) {
                out.push_back(o);
                fits = fits && o != 0 && int(out.size()) <= most;
            }
        return fits;
    };
    const int n = int(t.size());
    const int step = down ? kStride : 1;
    const int side = down ? 1 : kStride;
    const auto& same = down ? down_ : across_;
    const int first = Cell(x, y);
    if (!owners(first - step) || !owners(first + n * step))
        return false;
    for (int k = 0, c = first; k < n; ++k, c += step) {
        if (!letter_[c]) {
            if (!owners(c - side) || !owners(c + side))
                return false;
        } else if (letter_[c] != t[k] || same[c] >= 0) {
            if (!owners(c))
                return false;
        }
    }
    return true;
}

} // namespace lx
