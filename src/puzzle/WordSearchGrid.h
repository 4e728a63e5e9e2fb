#pragma once

// The word search while it is being built, and the search for the words a
// pupil could read in it. The engine works here, on one char16_t per cell, and
// writes PuzzleState::LetterGrid once at the end: the grid is tiny, and the
// placement loop must not copy strings.

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace lx {

// The cells of a word search of at most 18 x 18, with a border of empty cells
// all round: a reading that runs off the grid meets a 0 and stops, so no step
// needs a bounds check.
struct SearchGrid {
    static constexpr int kMaxSide = 18;
    static constexpr int kStride = kMaxSide + 2;
    static constexpr int kCells = kStride * kStride;
    // The four lines a word can lie on (a word and its reverse share one):
    // across, down, the downward diagonal and the upward diagonal, each with
    // the step from a cell to the next one along it.
    static constexpr std::array<int, 4> kLineStep { 1, kStride, kStride + 1, 1 - kStride };

    static constexpr int Cell(int x, int y) { return (y + 1) * kStride + x + 1; }
    static constexpr int X(int cell) { return cell % kStride - 1; }
    static constexpr int Y(int cell) { return cell / kStride - 1; }
    // The step of each direction code 0 to 7, and the line it runs along.
    static constexpr std::array<int, 8> kStep { 1, -1, kStride, -kStride, kStride + 1, 1 - kStride, kStride - 1,
                                                -kStride - 1 };
    static constexpr std::array<int, 8> kLine { 0, 0, 1, 1, 2, 3, 3, 2 };

    int side = 0;
    // Upper-case letters (word or filler), 0 for an empty cell or the border.
    std::array<char16_t, kCells> letter {};
    // True for a filler cell, which the filler may draw again.
    std::array<bool, kCells> filler {};
    // For each line: the word that lies along it through the cell, or -1.
    // A reading inside the cells of one word is that word's own business.
    std::array<std::array<std::int16_t, kCells>, 4> along {};

    void Reset(int newSide);

    // The cells that word w from `first`, `step` after `step`, would share
    // with the words already there; -1 when one of them holds another letter.
    int SharedCells(const std::u16string& w, int first, int step) const
    {
        int shared = 0;
        for (int k = 0, cell = first; k < int(w.size()); ++k, cell += step) {
            const char16_t c = letter[cell];
            if (c) {
                if (c != w[k])
                    return -1;
                ++shared;
            }
        }
        return shared;
    }
};

// The direction codes that each direction box allows (the diagonal boxes
// allow two), and the box of each code.
struct BoxDirections {
    int first;
    int second; // -1 when the box has one direction only
};
inline constexpr BoxDirections kBoxDirections[6] = {
    { 0, -1 }, { 1, -1 }, { 2, -1 }, { 3, -1 }, { 4, 5 }, { 6, 7 },
};
inline constexpr int kCodeBox[8] = { 0, 1, 2, 3, 4, 4, 5, 5 };

// Where a placed word lies in the search grid.
struct PlacedWord {
    int first = -1; // cell of the first letter; -1 while the word is not placed
    int step = 0;
    int line = 0;
    int length = 0;
    int code = 0; // direction code 0 to 7
};

// The words a pupil must not read by chance: the listed words anywhere but in
// their own cells, and the unfit words anywhere. Both are looked up from the
// first two letters of a reading, along the four lines; each word is stored
// forwards and backwards, so that a reading in any of the eight directions is
// one of them read along its line.
class ReadingFinder {
public:
    // The unfit words, grid forms; kept across generations.
    void SetUnfitWords(const QStringList& gridForms);
    // The listed words of this generation, grid forms, indexed as the entries.
    void SetListedWords(const std::vector<std::u16string>& gridForms);

    // A reading that no filler letter can mend or that the pupil must not see.
    struct Reading {
        int first;  // cell where the reading starts along its line
        int line;
        int length;
    };

    // Calls found(reading) for every word read from `first` along `line` that
    // is not allowed; returns the number of such readings.
    template <typename Found>
    int ReadAt(const SearchGrid& g, const std::vector<PlacedWord>& placed, int first, int line, Found&& found) const;

    // Every unwanted reading of the grid (each reported once per line).
    template <typename Found>
    int ReadAll(const SearchGrid& g, const std::vector<PlacedWord>& placed, Found&& found) const;

    // The unwanted readings that may run through one of the cells, on every
    // line but skipLine (a reading through two of the cells is reported twice).
    template <typename Found>
    int ReadThrough(const SearchGrid& g, const std::vector<PlacedWord>& placed, const int* cells, int count,
                    int skipLine, Found&& found) const;

    // The unwanted readings along `line` that may run through one of the
    // `length` cells from `first` on.
    template <typename Found>
    int ReadAlong(const SearchGrid& g, const std::vector<PlacedWord>& placed, int first, int line, int length,
                  Found&& found) const;

private:
    static constexpr int kBuckets = 1024;
    struct Pattern {
        std::int32_t start; // in chars_
        std::int16_t length;
        std::int16_t entry; // the listed word, -1 for an unfit word
        std::int32_t next;  // next pattern of the same bucket, -1
    };
    static int Bucket(char16_t a, char16_t b) { return (a * 37 + b) & (kBuckets - 1); }
    // A letter A to Z as 0 to 25; any other character of a word 26; no letter 27.
    static unsigned Code(char16_t c)
    {
        const unsigned k = unsigned(c) - u'A';
        return k < 26 ? k : (c ? 26u : 27u);
    }
    static constexpr int kCodes = 28;
    bool Has(const std::vector<std::uint64_t>& bits, unsigned i) const { return (bits[i >> 6] >> (i & 63)) & 1; }
    void Rebuild();
    void Add(const std::u16string& text, int entry);
    template <typename Found>
    int ReadFrom(const SearchGrid& g, const std::vector<PlacedWord>& placed, int first, int line, int pattern,
                 Found&& found) const;
    bool Allowed(const SearchGrid& g, const std::vector<PlacedWord>& placed, int first, int line, const Pattern& p) const;

    std::vector<std::u16string> unfit_;
    std::vector<std::u16string> listed_;
    std::vector<char16_t> chars_;
    std::vector<Pattern> patterns_;
    std::array<std::int32_t, kBuckets> head_ {};
    // Which two-letter words, and which first three letters of the longer
    // words, there are: nearly every start is turned down by one look.
    std::vector<std::uint64_t> pairs_;
    std::vector<std::uint64_t> triples_;
    // listed_ index -> the first index of the words that share its grid form.
    std::vector<int> sameAs_;
    int longest_ = 0;
};

template <typename Found>
Q_ALWAYS_INLINE int ReadingFinder::ReadAt(const SearchGrid& g, const std::vector<PlacedWord>& placed, int first, int line,
                                 Found&& found) const
{
    // Most starts end here: an empty cell, or letters that begin no word.
    const char16_t a = g.letter[first];
    if (!a)
        return 0;
    const int step = SearchGrid::kLineStep[line];
    const char16_t b = g.letter[first + step];
    if (!b)
        return 0;
    const unsigned pair = Code(a) * kCodes + Code(b);
    if (!Has(pairs_, pair)) {
        const char16_t c = g.letter[first + 2 * step];
        if (!c || !Has(triples_, pair * kCodes + Code(c)))
            return 0;
    }
    return ReadFrom(g, placed, first, line, head_[Bucket(a, b)], found);
}

template <typename Found>
int ReadingFinder::ReadFrom(const SearchGrid& g, const std::vector<PlacedWord>& placed, int first, int line, int p,
                            Found&& found) const
{
    const int step = SearchGrid::kLineStep[line];
    int count = 0;
    for (; p >= 0; p = patterns_[p].next) {
        const Pattern& pat = patterns_[p];
        const char16_t* text = chars_.data() + pat.start;
        int k = 0;
        int cell = first;
        // The border holds 0, which no word holds: the loop stops there.
        while (k < pat.length && g.letter[cell] == text[k]) {
            ++k;
            cell += step;
        }
        if (k == pat.length && !Allowed(g, placed, first, line, pat)) {
            ++count;
            found(Reading { first, line, pat.length });
        }
    }
    return count;
}

template <typename Found>
int ReadingFinder::ReadAll(const SearchGrid& g, const std::vector<PlacedWord>& placed, Found&& found) const
{
    if (patterns_.empty())
        return 0;
    int count = 0;
    for (int line = 0; line < 4; ++line) {
        for (int y = 0; y < g.side; ++y) {
            const int row = SearchGrid::Cell(0, y);
            for (int cell = row; cell < row + g.side; ++cell)
                count += ReadAt(g, placed, cell, line, found);
        }
    }
    return count;
}

template <typename Found>
int ReadingFinder::ReadAlong(const SearchGrid& g, const std::vector<PlacedWord>& placed, int first, int line,
                             int length, Found&& found) const
{
    if (patterns_.empty())
        return 0;
    const int step = SearchGrid::kLineStep[line];
    // The readings start at most the longest word back along the line, on
    // letters all the way.
    int start = first;
    for (int k = 1; k < longest_ && g.letter[start - step]; ++k)
        start -= step;
    const int end = first + length * step;
    int total = 0;
    for (int s = start; s != end; s += step)
        total += ReadAt(g, placed, s, line, found);
    return total;
}

template <typename Found>
int ReadingFinder::ReadThrough(const SearchGrid& g, const std::vector<PlacedWord>& placed, const int* cells,
                               int count, int skipLine, Found&& found) const
{
    if (patterns_.empty())
        return 0;
    int total = 0;
    for (int line = 0; line < 4; ++line) {
        if (line == skipLine)
            continue;
        const int step = SearchGrid::kLineStep[line];
        for (int i = 0; i < count; ++i) {
            int start = cells[i];
            for (int k = 1; k < longest_ && g.letter[start - step]; ++k)
                start -= step;
            for (int s = start; s != cells[i] + step; s += step)
                total += ReadAt(g, placed, s, line, found);
        }
    }
    return total;
}

} // namespace lx
