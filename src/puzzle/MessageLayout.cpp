// Word-search placement for a hidden message. The message must fill the free
// cells exactly: with a grid of side x side cells and words of L letters in
// all, the free cells number side * side - L + the cells the words share, so
// the message's letter count sets how many cells the words should share. Each
// word, longest first, looks at every place it fits and takes one at random
// among those that share the number of cells closest to what is still wanted.
#include "puzzle/Engine.h"

#include <algorithm>
#include <cstdlib>

namespace lx {

// Every place where word i fits the search grid as it stands, with the
// number of cells it would share.
void PuzzleEngine::FindWordPlaces(int i, const std::array<bool, 8>& codes)
{
    places_.clear();
    const std::u16string& w = forms()[i];
    const int n = int(w.size());
    const int side = grid_.side;
    for (int code = 0; code < 8; ++code) {
        if (!codes[code])
            continue;
        const DirectionStep d = kDirectionSteps[code];
        const int step = SearchGrid::kStep[code];
        // The start cells from which the word stays inside the grid.
        const int x0 = d.dx < 0 ? n - 1 : 0;
        const int x1 = d.dx > 0 ? side - n : side - 1;
        const int y0 = d.dy < 0 ? n - 1 : 0;
        const int y1 = d.dy > 0 ? side - n : side - 1;
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                const int first = SearchGrid::Cell(x, y);
                const int shared = grid_.SharedCells(w, first, step);
                // A word needs a cell of its own ("chat" inside "chaton"
                // could not be found on its own).
                if (shared >= 0 && shared < n)
                    places_.push_back(WordPlace { std::int16_t(first), std::int8_t(code), std::int8_t(shared) });
            }
        }
    }
}

// Lays every word so that the words share `wanted` cells in all, or as near
// as the grid allows; false when the time limit ends it first.
bool PuzzleEngine::PlaceWordsForMessage(int wanted)
{
    std::array<bool, 6> enabled = settings_.directions;
    enabled[0] = true;
    std::array<bool, 8> codes {};
    for (int box = 0; box < 6; ++box) {
        for (int code : { kBoxDirections[box].first, kBoxDirections[box].second }) {
            if (enabled[box] && code >= 0)
                codes[code] = true;
        }
    }
    const int count = StartWordSearchLayout();
    const int side = s_.GridSize;
    int shared = 0; // by the words laid so far
    for (int i = 0; i < count; ++i) {
        if (Tick())
            return false;
        FindWordPlaces(i, codes);
        const int want = std::max(0, wanted - shared);
        bool placed = false;
        while (!placed && !places_.empty()) {
            // The number of shared cells nearest to the one wanted (the
            // smaller on a tie); then the word's own direction box when it
            // has such a place (see AssignBoxes), else a box at random, and
            // one of its places.
            int best = places_.front().shared;
            for (const WordPlace& p : places_) {
                const int gap = std::abs(p.shared - want);
                const int bestGap = std::abs(best - want);
                if (gap < bestGap || (gap == bestGap && p.shared < best))
                    best = p.shared;
            }
            std::array<int, 6> perBox {};
            int boxes = 0;
            for (const WordPlace& p : places_) {
                if (p.shared == best && perBox[kCodeBox[p.code]]++ == 0)
                    ++boxes;
            }
            int box = wordBox_[i];
            if (perBox[box] == 0) {
                int k = random_.Below(boxes);
                box = 0;
                while (perBox[box] == 0 || k-- > 0) // the k-th box that has places
                    ++box;
            }
            int pick = random_.Below(perBox[box]);
            int at = 0;
            for (; at < int(places_.size()); ++at) {
                if (places_[at].shared == best && kCodeBox[places_[at].code] == box && pick-- == 0)
                    break;
            }
            const WordPlace p = places_[at];
            placed = PlaceSearchWord(i, p.first, p.code);
            if (placed)
                shared += p.shared;
            places_[at] = places_.back();
            places_.pop_back();
        }
        if (!placed) {
            // No room left for this word: the layout starts afresh.
            grid_.Reset(side);
            placed_.assign(forms().size(), PlacedWord {});
            shared = 0;
            i = -1;
        }
    }
    return !s_.TimedOut;
}

} // namespace lx
