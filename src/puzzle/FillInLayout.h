#pragma once

// The fill-in layout search, for the word lists that plain random attempts do
// not lay out: many words, or long ones, in the 19 x 19 letters of the
// construction area.
//
// The layout grows on a canvas larger than the area, so that the first word
// needs no fixed place: the one bound is that all letters fit 19 x 19 (the
// cell after every word then lies inside the 20 x 20 area once the layout is
// moved to the corner). A word may cross several words at once.
//
// Growing: each word waiting, longest first, takes the placement that crosses
// the most words, widens the layout least and lies nearest to parallel words
// (ties drawn at random); a word that fits nowhere yet waits for the next
// ones. The canvas is also kept as bits, a row or a column to a 64-bit word,
// so that the places where a word fits are found a whole line at a time. Searching: from the current layout, either a few words are taken out
// (some at random, or those in a small square) and the layout grows again, or
// a word left out goes where it pushes out the fewest words, which then look
// for another place. The new layout becomes the current one when it holds as
// many words (now and then one fewer, so as not to stay stuck). The best
// layout so far is kept for a time-out.

#include "puzzle/Random.h"


#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace lx {

class FillInLayout {
public:
    static constexpr int kArea = 19;              // letters a row or a column holds at most
    static constexpr int kStride = 2 * kArea + 6; // canvas side, border included
    static constexpr int kCells = kStride * kStride;
    static constexpr int kCentre = kStride / 2;
    static_assert(kStride <= 64, "a line of the canvas is one 64-bit word");

    struct Placement {
        int x = 0; // canvas cell of the first letter
        int y = 0;
        bool down = false;
        bool placed = false;
    };

    // words: grid forms; word 0 (the longest) is laid first and stays.
    FillInLayout(const std::vector<std::u16string>& words, RandomSource& random)
        : words_(words)
        , random_(random)
        , layout_(words.size())
        , current_(words.size())
        , best_(words.size())
    {
        positions_.resize(words.size());
        for (std::size_t w = 0; w < words.size(); ++w)
            for (std::size_t k = 0; k < words[w].size() && k < 64; ++k)
                positions_[w][Code(words[w][k])] |= std::uint64_t(1) << k;
    }

    // One step of the search; true once every word is placed.
    bool Try();

    // The best layout: each word's placement, and the words in placement order.
    const std::vector<Placement>& Best() const { return best_; }
    const std::vector<int>& BestOrder() const { return bestOrder_; }
    // The top-left letter of the best layout, on the canvas.
    std::pair<int, int> BestCorner() const;

private:
    static int Cell(int x, int y) { return y * kStride + x; }
    // A letter A to Z as 0 to 25, any other character 26.
    static int Code(char16_t c)
    {
        const unsigned k = unsigned(c) - u'A';
        return k < 26 ? int(k) : 26;
    }

    // A place a word left out could take, and the words it pushes out.
    static constexpr int kTried = 4;
    static constexpr int kMostOut = 2;
    struct Candidate {
        int cost;
        int word;
        Placement p;
        std::array<int, kMostOut> out;
        int outCount;
    };

    void Clear();
    void Put(int w, int x, int y, bool down);
    void Fresh();
    void Ruin();
    void Keep(const std::vector<bool>& keep);
    bool Repair();
    int CheapestPlaces(const std::vector<bool>& keep, std::array<Candidate, kTried>& cheapest);
    void Grow();
    bool BestPlacement(int w, int since, Placement& best);
    template <typename F>
    void ForEachStart(int w, int since, F&& f);
    template <typename F>
    void ForEachLikelyStart(int w, F&& f);
    // The starts of a word of n letters, across or down, that keep every
    // letter within 19 x 19: along its line from `from` to `to`, on the lines
    // (rows across, columns down) from `first` to `last`.
    struct StartRange {
        int from, to, first, last;
    };
    StartRange Starts(int n, bool down) const
    {
        const int alongMin = down ? minY_ : minX_, alongMax = down ? maxY_ : maxX_;
        const int lineMin = down ? minX_ : minY_, lineMax = down ? maxX_ : maxY_;
        return { alongMax - (kArea - 1), alongMin + kArea - n, lineMax - (kArea - 1), lineMin + kArea - 1 };
    }
    // Whether the letters, with a word of n letters from (x, y), fit 19 x 19.
    bool InArea(int x, int y, int n, bool down) const
    {
        const int ex = down ? x : x + n - 1;
        const int ey = down ? y + n - 1 : y;
        return std::max(maxX_, ex) - std::min(minX_, x) < kArea && std::max(maxY_, ey) - std::min(minY_, y) < kArea;
    }
    bool Fits(const std::u16string& t, int x, int y, bool down, int* score);
    bool Crosses(int w, const Placement& p) const;
    bool Conflicts(const std::u16string& t, int x, int y, bool down, int most, std::vector<int>& out) const;

    const std::vector<std::u16string>& words_;
    RandomSource& random_;

    // The canvas.
    std::array<char16_t, kCells> letter_ {};
    std::array<std::int16_t, kCells> across_ {}; // the across word through each cell, or -1
    std::array<std::int16_t, kCells> down_ {};
    // The cells holding each letter, in the order they were filled: at most
    // the area's, since every letter lies in it.
    std::array<std::array<std::int16_t, kArea * kArea>, 27> cellsOf_ {};
    std::array<int, 27> cellCount_ {};
    // The same letters as bits: bit x of rows_[y] and bit y of columns_[x]
    // for a letter at (x, y); those of across words also in acrossRows_,
    // those of down words in downColumns_.
    std::array<std::uint64_t, kStride> rows_ {};
    std::array<std::uint64_t, kStride> columns_ {};
    std::array<std::uint64_t, kStride> acrossRows_ {};
    std::array<std::uint64_t, kStride> downColumns_ {};
    // For each word, the positions of each letter as bits.
    std::vector<std::array<std::uint64_t, 27>> positions_;
    std::array<std::uint32_t, 2 * kCells> seen_ {};
    std::uint32_t stamp_ = 0;
    int minX_ = 0, minY_ = 0, maxX_ = 0, maxY_ = 0;
    std::vector<Placement> layout_;
    std::vector<int> order_;
    std::vector<int> pending_;
    std::vector<int> since_;

    std::vector<Placement> current_;
    bool canvasIsCurrent_ = false; // the canvas holds the current layout
    std::vector<int> currentOrder_;
    int currentPlaced_ = 0;
    std::vector<Placement> best_;
    std::vector<int> bestOrder_;
    int bestPlaced_ = 0;
};

} // namespace lx
