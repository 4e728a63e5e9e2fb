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

// Whether every cell of a placed word lies in the grid drawn (side cells a
// side): a word of a damaged file, or of another grid, is never drawn outside.
inline bool EntryInside(const WordEntry& e, int length, int side)
{
    if (e.direction < 0 || e.direction > 7 || length < 1)
        return false;
    const DirectionStep step = kDirectionSteps[e.direction];
    const int lastX = e.x + (length - 1) * step.dx;
    const int lastY = e.y + (length - 1) * step.dy;
    const auto in = [side](int v) { return v >= 0 && v < side; };
    return in(e.x) && in(e.y) && in(lastX) && in(lastY);
}

inline bool IsLowerCaseLetter(const QString& cell)
{
    return !cell.isEmpty() && cell[0].isLower();
}

} // namespace lx::render_detail
