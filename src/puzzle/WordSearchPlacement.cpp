// Where the words of a word search go. The words are first shared out among
// the ticked direction boxes, each box about its share (AssignBoxes); then
// each word, longest first, is tried from random start cells in its box's
// directions (a diagonal box: its first direction, then its second from the
// same cell) until it fits or the time limit is reached. A word that keeps
// failing swaps boxes with a word still to come, so that the boxes keep their
// shares; only when no word to come has a box with room for it does it try
// any ticked box, as every word did before the boxes were shared out.
#include "puzzle/Engine.h"

#include <algorithm>

namespace lx {

namespace {

// The start cells from which a word of n letters stays inside the grid in
// direction `code`.
struct StartRange {
    int x0, x1, y0, y1;
    bool Holds(int x, int y) const { return x >= x0 && x <= x1 && y >= y0 && y <= y1; }
};

StartRange Starts(int code, int n, int side)
{
    const DirectionStep d = kDirectionSteps[code];
    return { d.dx < 0 ? n - 1 : 0, d.dx > 0 ? side - n : side - 1, d.dy < 0 ? n - 1 : 0, d.dy > 0 ? side - n : side - 1 };
}

// The number of places of a word of n letters in a side x side grid in the
// directions of a box.
int BoxPlaces(int box, int n, int side)
{
    const int free = side - n + 1;
    if (free <= 0)
        return 0;
    return box >= 4 ? 2 * free * free : side * free;
}

} // namespace

// Shares the words out among the ticked boxes: each box gets the same number
// of words, the few left over going to boxes drawn at random. The longest
// words choose first, each a box with room left drawn in proportion to that
// room and to the places the box has for it: a long word goes rather across
// or down than along a diagonal, where it fits in few places.
void PuzzleEngine::AssignBoxes(int count)
{
    std::array<bool, 6> enabled = settings_.directions;
    enabled[0] = true;
    int boxes[6];
    int ticked = 0;
    for (int b = 0; b < 6; ++b)
        if (enabled[b])
            boxes[ticked++] = b;
    std::array<int, 6> share {};
    for (int k = 0; k < ticked; ++k)
        share[boxes[k]] = count / ticked;
    for (int k = 0; k < count % ticked; ++k) {
        // A box drawn among those not yet given a word more.
        std::swap(boxes[k], boxes[k + random_.Below(ticked - k)]);
        ++share[boxes[k]];
    }
    wordBox_.assign(forms().size(), 0);
    order_.resize(count);
    for (int i = 0; i < count; ++i)
        order_[i] = i;
    std::stable_sort(order_.begin(), order_.end(),
                     [this](int a, int b) { return forms()[a].size() > forms()[b].size(); });
    const int side = s_.GridSize;
    for (int i : order_) {
        const int n = int(forms()[i].size());
        std::array<std::int64_t, 6> weight {};
        std::int64_t total = 0;
        for (int b = 0; b < 6; ++b) {
            weight[b] = std::int64_t(share[b]) * std::max(1, BoxPlaces(b, n, side));
            total += weight[b];
        }
        std::int64_t r = std::int64_t(random_.Next() * double(total));
        int box = 0;
        while (box < 5 && (weight[box] == 0 || r >= weight[box])) {
            r -= weight[box];
            ++box;
        }
        wordBox_[i] = box;
        --share[box];
    }
}

// The first cell of word i from (x, y) in direction `code` when it fits the
// search grid, else -1: inside the grid, over empty cells or the same
// letters, and not wholly on the letters of other words ("chat" inside
// "chaton" could not be found on its own).
inline int PuzzleEngine::FitSearchWord(int i, int x, int y, int code) const
{
    const std::u16string& w = forms()[i];
    const int n = int(w.size());
    const int side = grid_.side;
    const DirectionStep d = kDirectionSteps[code];
    const int endX = x + (n - 1) * d.dx;
    const int endY = y + (n - 1) * d.dy;
    if (endX < 0 || endX >= side || endY < 0 || endY >= side)
        return -1;
    const int first = SearchGrid::Cell(x, y);
    const int shared = grid_.SharedCells(w, first, SearchGrid::kStep[code]);
    return shared >= 0 && shared < n ? first : -1;
}

// The places where word i fits in the directions of the box, readings aside,
// into `places` (first cell x 8 + direction code); without `places`, 1 as
// soon as one is found. Returns how many.
int PuzzleEngine::ListBoxPlaces(int i, int box, std::vector<int>* places) const
{
    const std::u16string& w = forms()[i];
    const int n = int(w.size());
    if (places)
        places->clear();
    int found = 0;
    for (const int code : { kBoxDirections[box].first, kBoxDirections[box].second }) {
        if (code < 0)
            continue;
        const StartRange r = Starts(code, n, grid_.side);
        const int step = SearchGrid::kStep[code];
        for (int y = r.y0; y <= r.y1; ++y) {
            for (int x = r.x0; x <= r.x1; ++x) {
                const int first = SearchGrid::Cell(x, y);
                const int shared = grid_.SharedCells(w, first, step);
                if (shared < 0 || shared >= n)
                    continue;
                ++found;
                if (!places)
                    return found;
                places->push_back(first * 8 + code);
            }
        }
    }
    return found;
}

int PuzzleEngine::StartWordSearchLayout()
{
    s_.CodesAreNumbers = true;
    const int count = std::min<int>(s_.WordCount, int(forms().size()));
    grid_.Reset(s_.GridSize);
    placed_.assign(forms().size(), PlacedWord {});
    AssignBoxes(count);
    return count;
}

// Lays every word in the search grid; false when the time limit ends it first.
bool PuzzleEngine::PlaceWordSearchWords()
{
    std::array<bool, 6> enabled = settings_.directions;
    enabled[0] = true;
    const int count = StartWordSearchLayout();
    const int side = s_.GridSize;
    // The words placed first can leave no room for a later one. When a word
    // has failed from far more random starts than the grid has cells and
    // directions, the grid is started afresh instead of waiting for the limit.
    const int restartAfter = 10 * 6 * side * side;
    // After a few failed starts, the places where the word fits in its box
    // are listed (the grid does not change while it fails) and drawn among,
    // each once: the same draw as before, without the starts that cannot
    // succeed. None left: the word swaps boxes. It swaps too after many more
    // starts than the grid has cells.
    const int listAfter = side;
    const int swapAfter = 2 * side * side;
    for (int i = 0; i < count; ++i) {
        int failures = 0;
        bool anyBox = false;
        bool listed = false; // starts_ holds the word's places in its box
        unsigned triedBoxes = 0; // the boxes whose places were all tried
        for (;;) {
            if (!anyBox && failures > 0 && (failures % swapAfter == 0 || (listed && starts_.empty()))) {
                // The boxes of the words to come not yet tried, in a random
                // order; the first with room for this word gives it a word
                // to swap with.
                int boxes[6];
                int held = 0;
                for (int j = i + 1; j < count; ++j)
                    if (wordBox_[j] != wordBox_[i] && !(triedBoxes >> wordBox_[j] & 1u)
                        && std::find(boxes, boxes + held, wordBox_[j]) == boxes + held)
                        boxes[held++] = wordBox_[j];
                int with = -1;
                for (int k = 0; k < held && with < 0; ++k) {
                    std::swap(boxes[k], boxes[k + random_.Below(held - k)]);
                    if (ListBoxPlaces(i, boxes[k], nullptr) == 0)
                        continue;
                    int others = 0;
                    for (int j = i + 1; j < count; ++j)
                        others += wordBox_[j] == boxes[k] ? 1 : 0;
                    int pick = random_.Below(others);
                    for (int j = i + 1; with < 0; ++j)
                        if (wordBox_[j] == boxes[k] && pick-- == 0)
                            with = j;
                }
                if (with < 0) {
                    anyBox = true;
                } else {
                    std::swap(wordBox_[i], wordBox_[with]);
                    listed = false;
                }
            }
            int box = wordBox_[i];
            bool placed = false;
            if (!anyBox && failures >= listAfter) {
                if (!listed) {
                    ListBoxPlaces(i, box, &starts_);
                    listed = true;
                    triedBoxes |= 1u << box;
                }
                if (starts_.empty())
                    continue; // no place left in the box: the word swaps
                const int k = random_.Below(int(starts_.size()));
                const int place = starts_[k];
                starts_[k] = starts_.back();
                starts_.pop_back();
                placed = PlaceSearchWord(i, place / 8, place % 8);
            } else {
                int x, y;
                if (anyBox) {
                    x = random_.Below(side);
                    y = random_.Below(side);
                    for (;;) {
                        box = random_.Below(6);
                        if (enabled[box])
                            break;
                        Tick();
                    }
                } else {
                    // A start cell at random among those from which a
                    // direction of the box stays in the grid (the others
                    // fail at once).
                    const int n = int(forms()[i].size());
                    const StartRange a = Starts(kBoxDirections[box].first, n, side);
                    const StartRange b = kBoxDirections[box].second >= 0 ? Starts(kBoxDirections[box].second, n, side) : a;
                    const int x0 = std::min(a.x0, b.x0), x1 = std::max(a.x1, b.x1);
                    const int y0 = std::min(a.y0, b.y0), y1 = std::max(a.y1, b.y1);
                    if (x0 > x1 || y0 > y1) { // longer than the grid: never here
                        anyBox = true;
                        continue;
                    }
                    do {
                        x = x0 + random_.Below(x1 - x0 + 1);
                        y = y0 + random_.Below(y1 - y0 + 1);
                    } while (!a.Holds(x, y) && !b.Holds(x, y));
                }
                const BoxDirections dirs = kBoxDirections[box];
                int first = FitSearchWord(i, x, y, dirs.first);
                placed = first >= 0 && PlaceSearchWord(i, first, dirs.first);
                if (!placed && dirs.second >= 0) {
                    first = FitSearchWord(i, x, y, dirs.second);
                    placed = first >= 0 && PlaceSearchWord(i, first, dirs.second);
                }
            }
            if (placed) {
                if (s_.TimedOut)
                    return false;
                break;
            }
            if (Tick())
                return false;
            if (++failures >= restartAfter && i > 0) {
                grid_.Reset(side);
                placed_.assign(forms().size(), PlacedWord {});
                i = -1;
                break;
            }
        }
    }
    return !s_.TimedOut;
}

} // namespace lx
