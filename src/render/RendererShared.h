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

} // namespace lx::render_detail
