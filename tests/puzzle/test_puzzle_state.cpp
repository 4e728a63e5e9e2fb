#include "puzzle/PuzzleState.h"

#include <gtest/gtest.h>

namespace lx {
namespace {

TEST(PuzzleState, ClearGridsEmptiesEveryCellAndTheHighlight)
{
    PuzzleState s;
    s.LetterGrid.at(30, 30) = QStringLiteral("A");
    s.WorkGrid.at(0, 0) = QStringLiteral("b");
    s.CodeGrid.at(3, 4) = 17;
    s.WordHighlighted = true;
    s.ClearGrids();
    for (int y = 0; y < PuzzleState::kSide; ++y) {
        for (int x = 0; x < PuzzleState::kSide; ++x) {
            ASSERT_TRUE(s.LetterGrid.at(x, y).isEmpty());
            ASSERT_TRUE(s.WorkGrid.at(x, y).isEmpty());
            ASSERT_EQ(s.CodeGrid.at(x, y), 0);
        }
    }
    EXPECT_FALSE(s.WordHighlighted);
}

TEST(PuzzleState, ClearLetterTables)
{
    PuzzleState s;
    s.LetterCounts[3] = 4;
    s.LetterCodes[25] = 9;
    s.WordHighlighted = true;
    s.ClearLetterTables();
    for (int k = 0; k < 26; ++k) {
        EXPECT_EQ(s.LetterCounts[k], 0);
        EXPECT_EQ(s.LetterCodes[k], 0);
    }
    EXPECT_FALSE(s.WordHighlighted);
}

TEST(PuzzleState, GridDimensionsOfEachGameType)
{
    PuzzleState s;
    s.RowsPerColumn = 7;
    s.gameType = GameType::WordSearch;
    s.SetGridDimensions(13);
    EXPECT_EQ(s.GridSize, 13);
    EXPECT_EQ(s.GridLast, 12);
    EXPECT_EQ(s.RowsPerColumn, 7) << "a word search leaves the rows per column alone";

    s.gameType = GameType::FillIn;
    s.SetGridDimensions(13);
    EXPECT_EQ(s.GridSize, 20);
    EXPECT_EQ(s.GridLast, 19);

    s.gameType = GameType::CodedWords;
    s.WordCount = 10;
    s.SetGridDimensions(13);
    EXPECT_EQ(s.GridSize, 9);
    EXPECT_EQ(s.GridLast, 30);
    EXPECT_EQ(s.RowsPerColumn, 0);
    s.WordCount = 11;
    s.SetGridDimensions(13);
    EXPECT_EQ(s.RowsPerColumn, 6);
    s.WordCount = 12;
    s.SetGridDimensions(13);
    EXPECT_EQ(s.RowsPerColumn, 6);
}

TEST(PuzzleState, GameTypeCaptions)
{
    EXPECT_EQ(GameTypeCaption(GameType::WordSearch), QStringLiteral("Lexigrille"));
    EXPECT_EQ(GameTypeCaption(GameType::FillIn), QString::fromUtf8("Mots casés"));
    EXPECT_EQ(GameTypeCaption(GameType::CodedWords), QString::fromUtf8("Mots codés"));
}

} // namespace
} // namespace lx
