// The fill-in layout search: see FillInLayout.h for its plan.
#include "puzzle/FillInLayout.h"

#include <algorithm>

namespace lx {

bool FillInLayout::Try()
{
    const int n = int(words_.size());
    if (currentPlaced_ <= 1 || random_.Below(64) == 0) {
        Fresh();
        Grow();
    } else if (currentPlaced_ == n || random_.CoinToss() || !Repair()) {
        Ruin();
        Grow();
    }
    const int placed = int(order_.size());
    canvasIsCurrent_ = placed >= currentPlaced_ || (placed == currentPlaced_ - 1 && random_.Below(8) == 0);
    if (canvasIsCurrent_) {
        currentPlaced_ = placed;
        current_ = layout_;
        currentOrder_ = order_;
    }
    if (placed > bestPlaced_) {
        bestPlaced_ = placed;
        best_ = layout_;
        bestOrder_ = order_;
    }
    return placed == n;
}

std::pair<int, int> FillInLayout::BestCorner() const
{
    int minX = kStride, minY = kStride;
    for (int w : bestOrder_) {
        minX = std::min(minX, best_[w].x);
        minY = std::min(minY, best_[w].y);
    }
    return { minX, minY };
}

// The first word, across or down at random, in the middle of the canvas.
void FillInLayout::Fresh()
{
    Clear();
    const int n = int(words_[0].size());
    const bool down = !random_.CoinToss();
    const int along = kCentre - n / 2;
    if (down)
        Put(0, kCentre, along, true);
    else
        Put(0, along, kCentre, false);
}

// The current layout without a few of its words: some at random, or all
// those with a letter in a small square.
void FillInLayout::Ruin()
{
    std::vector<bool> keep(words_.size(), false);
    for (int w : currentOrder_)
        keep[w] = true;
    if (random_.CoinToss()) {
        const int out = 1 + random_.Below(std::min(4, currentPlaced_ - 1));
        for (int i = 0; i < out; ++i)
            keep[currentOrder_[1 + random_.Below(currentPlaced_ - 1)]] = false;
    } else {
        const Placement& p = current_[currentOrder_[random_.Below(currentPlaced_)]];
        const int along = random_.Below(int(words_.size()));
        const int cx = p.x + (p.down ? 0 : along % 8), cy = p.y + (p.down ? along % 8 : 0);
        const int r = 1 + random_.Below(3);
        for (int w : currentOrder_) {
            const Placement& q = current_[w];
            const int n = int(words_[w].size());
            const int ex = q.down ? q.x : q.x + n - 1, ey = q.down ? q.y + n - 1 : q.y;
            if (w != 0 && ex >= cx - r && q.x <= cx + r && ey >= cy - r && q.y <= cy + r)
                keep[w] = false;
        }
    }
    Keep(keep);
}

// Lays again the words of the current layout that `keep` marks, each once it
// crosses a word already laid: a word that no longer reaches the first one
// through crossings is left out too.
void FillInLayout::Keep(const std::vector<bool>& keep)
{
    Clear();
    std::vector<int> waiting;
    for (int w : currentOrder_)
        if (keep[w] && w != 0)
            waiting.push_back(w);
    const Placement first = current_[0];
    Put(0, first.x, first.y, first.down);
    for (bool progress = true; progress;) {
        progress = false;
        for (std::size_t i = 0; i < waiting.size(); ++i) {
            const int w = waiting[i];
            // A word whose crossing went with the words taken out may now
            // lie beside a word it used to cross next to: it waits, and is
            // left out unless a word laid later gives it a crossing that fits.
            const Placement& p = current_[w];
            if (!Crosses(w, p) || !Fits(words_[w], p.x, p.y, p.down, nullptr))
                continue;
            Put(w, current_[w].x, current_[w].y, current_[w].down);
            waiting.erase(waiting.begin() + std::ptrdiff_t(i--));
            progress = true;
        }
    }
}

// A word left out goes where it crosses a letter and pushes out the fewest
// letters of other words (at most two words, never the first one); the
// words pushed out then grow back where they can. The cheapest few such
// places are tried, until one lays out more words than the current layout;
// the best of them stays on the canvas. False when there is no such place.
bool FillInLayout::Repair()
{
    std::vector<bool> keep(words_.size(), false);
    for (int w : currentOrder_)
        keep[w] = true;
    // Laid again in the same order, the current layout is the canvas it was.
    if (!canvasIsCurrent_)
        Keep(keep);
    std::array<Candidate, kTried> cheapest;
    const int found = CheapestPlaces(keep, cheapest);
    if (found == 0)
        return false;
    int bestPlaced = -1;
    bool bestOnCanvas = false;
    std::vector<Placement> bestLayout;
    std::vector<int> bestOrder;
    for (int i = 0; i < found; ++i) {
        const Candidate& c = cheapest[i];
        std::vector<bool> k = keep;
        for (int j = 0; j < c.outCount; ++j)
            k[c.out[j]] = false;
        Keep(k);
        bestOnCanvas = false;
        const std::u16string& t = words_[c.word];
        if (!InArea(c.p.x, c.p.y, int(t.size()), c.p.down) || !Fits(t, c.p.x, c.p.y, c.p.down, nullptr)
            || !Crosses(c.word, c.p))
            continue;
        Put(c.word, c.p.x, c.p.y, c.p.down);
        Grow();
        const int placed = int(order_.size());
        if (placed > bestPlaced) {
            bestPlaced = placed;
            bestOnCanvas = true;
            bestLayout = layout_;
            bestOrder = order_;
        }
        if (placed > currentPlaced_)
            break;
    }
    if (bestPlaced < 0)
        return false;
    if (!bestOnCanvas) {
        Clear();
        for (int w : bestOrder)
            Put(w, bestLayout[w].x, bestLayout[w].y, bestLayout[w].down);
    }
    return true;
}

// Places the words not on the canvas, each at its best placement, until none
// fits any more: the words the current layout lacks first (they are the ones
// to fit), then the longest; equal ones in a random order.
void FillInLayout::Grow()
{
    pending_.clear();
    for (int w = 0; w < int(words_.size()); ++w)
        if (!layout_[w].placed)
            pending_.push_back(w);
    for (std::size_t i = 1; i < pending_.size(); ++i)
        std::swap(pending_[i], pending_[std::size_t(random_.Below(int(i) + 1))]);
    std::vector<bool> missing(words_.size(), true);
    for (int w : currentOrder_)
        missing[w] = false;
    std::stable_sort(pending_.begin(), pending_.end(), [&](int a, int b) {
        if (missing[a] != missing[b])
            return bool(missing[a]);
        return words_[a].size() > words_[b].size();
    });
    // A word that fitted nowhere can only fit across the words placed since:
    // placing words never frees a cell. `since` tells how many were placed
    // when it was last looked at (-1: never, or it had a place then).
    since_.assign(words_.size(), -1);
    for (bool progress = true; progress && !pending_.empty();) {
        progress = false;
        for (std::size_t i = 0; i < pending_.size(); ++i) {
            const int w = pending_[i];
            Placement p;
            if (!BestPlacement(w, since_[w], p)) {
                since_[w] = int(order_.size());
                continue;
            }
            Put(w, p.x, p.y, p.down);
            pending_.erase(pending_.begin() + std::ptrdiff_t(i));
            progress = true;
            break; // the first words waiting get the next chance first
        }
    }
}

} // namespace lx
