#pragma once

// Small pieces shared by the files of the page renderer.

#include "puzzle/PuzzleState.h"

#include <QString>

#include <algorithm>

namespace lx::render_detail {

// Rounding must not turn a block that ends on its limit into an overflow.
inline constexpr double kTolerance = 1e-9;

// The text measured for a line height.
inline const QString kSample = QStringLiteral("Hy");

// The space around a letter in its cell, by game type.
inline double CellPadding(GameType type)
{
    return type == GameType::FillIn ? 1.0 : 2.0;
}

// The last row and column the grid walk visits, kept inside the 31 x 31 grids.
inline int LastIndex(const PuzzleState& z)
{
    return std::clamp(z.GridLast, -1, PuzzleState::kSide - 1);
}

inline bool IsLowerCaseLetter(const QString& cell)
{
    return !cell.isEmpty() && cell[0].isLower();
}

// A cell of a coded word: a letter with its code, or what no code stands for
// (a digit, a letter outside A to Z), given in its cell.
inline bool IsCodedCell(const PuzzleState& z, int c, int r)
{
    if (z.CodeGrid.at(c, r) != 0)
        return true;
    const QString& letter = z.LetterGrid.at(c, r);
    return r >= 2 && !letter.isEmpty() && !(letter.size() == 1 && IsCodedPartMark(letter[0]));
}

// Where the coded words' second column starts: where a word begins two empty
// cells or more after another on some row (a compound word's parts are one
// cell apart); 0 when no row shows it.
inline int SecondColumn(const PuzzleState& z, int last)
{
    for (int row = 2; row < PuzzleState::kSide; ++row) {
        for (int c = 2; c <= last; ++c) {
            if (IsCodedCell(z, c, row) && !IsCodedCell(z, c - 1, row) && !IsCodedCell(z, c - 2, row))
                return c;
        }
    }
    return 0;
}

} // namespace lx::render_detail
