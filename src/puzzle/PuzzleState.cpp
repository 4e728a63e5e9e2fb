#include "puzzle/PuzzleState.h"

#include <algorithm>

namespace lx {

QString GameTypeCaption(GameType type)
{
    switch (type) {
    case GameType::WordSearch:
        return QStringLiteral("Lexigrille");
    case GameType::FillIn:
        return QStringLiteral("Mots casés");
    case GameType::CodedWords:
        return QStringLiteral("Mots codés");
    }
    return {};
}

bool PuzzleState::IsFillerCell(const QString& cell)
{
    const QString t = cell.trimmed();
    return t.isEmpty() || (t.front() >= u'a' && t.front() <= u'z');
}

int PuzzleState::FillerCellCount(int side) const
{
    side = std::min(side, kSide);
    int count = 0;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x)
            count += IsFillerCell(LetterGrid.at(x, y)) ? 1 : 0;
    }
    return count;
}

void PuzzleState::ClearGrids()
{
    LetterGrid.clear();
    WorkGrid.clear();
    CodeGrid.clear();
    WordHighlighted = false;
}

void PuzzleState::ClearLetterTables()
{
    LetterCounts.fill(0);
    LetterCodes.fill(0);
    WordHighlighted = false;
}

void PuzzleState::SetGridDimensions(int gridSizeSetting)
{
    switch (gameType) {
    case GameType::WordSearch:
        GridSize = gridSizeSetting;
        GridLast = gridSizeSetting - 1;
        break;
    case GameType::FillIn:
        GridSize = 20;
        GridLast = 19;
        break;
    case GameType::CodedWords:
        GridSize = WordCount - 1;
        GridLast = 30;
        RowsPerColumn = (WordCount - 1 <= 9) ? 0 : (WordCount + 1) / 2;
        break;
    }
}

} // namespace lx
