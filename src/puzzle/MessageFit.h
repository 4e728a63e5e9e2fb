#pragma once

// Whether a hidden message can fill the free cells of a word search exactly,
// and which grid sizes would let it. A grid of side x side cells whose words
// hold L letters and share S cells leaves side * side - L + S free cells; the
// placement can choose S between 0 and about what the words' letters allow.
// Pure and cheap: the window asks again at every keystroke of the message.

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace lx {

// What the words of a word search take of the grid.
struct WordCells {
    int letters = 0; // the cells the words cover when they share none
    int longest = 0; // the longest grid form: the smallest grid side
    int sharing = 0; // the cells the words can be counted on to share
    // Words that cannot cross must lie in the rows side by side: bit `side` is
    // set when they go in `side` rows of `side` cells without sharing any.
    unsigned rows = ~0u;
    bool operator==(const WordCells&) const = default;
};

// From the grid forms of the words, longest first (the order they are laid
// in). Words cross only when they may lie along two lines: with the direction
// boxes of one line only (left to right, right to left) no sharing is counted on.
WordCells CountWordCells(const QStringList& gridForms, bool crossing);
// Whether the six direction boxes let words cross.
inline bool WordsCanCross(const std::array<bool, 6>& directions)
{
    return directions[2] || directions[3] || directions[4] || directions[5];
}
// Whether the six direction boxes let words run backwards (right to left,
// upwards, the reversed diagonals).
inline bool WordsCanRunBackwards(const std::array<bool, 6>& directions)
{
    return directions[1] || directions[3] || directions[5];
}

// The grid sides of the word search, and whether a message of
// `messageLetters` letters can fill exactly the free cells of a side x side grid.
inline constexpr int kMinGridSide = 5;
inline constexpr int kMaxGridSide = 18;
bool MessageFitsGrid(const WordCells& words, int messageLetters, int side);

// The free cells a message of `messageLetters` letters leaves empty in every
// layout of the words in a side x side grid (0 when it can fill them, when it
// is too long, or when the words do not go in that grid).
int CellsLeftEmpty(const WordCells& words, int messageLetters, int side);

// The sides 5 to 18 at which it can, smallest first (they follow each other).
QList<int> GridSidesForMessage(const WordCells& words, int messageLetters);

// The sentence that names them ("Ce message tiendrait dans une grille de 9×9
// ou 10×10."), or says what to change when no size suits.
QString GridSizeAdvice(const WordCells& words, int messageLetters);

} // namespace lx
