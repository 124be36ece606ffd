// SPDX-License-Identifier: MIT
// What a command changes behind a file dialog shows as soon as it closes:
// closing it repaints the whole frame, also what is scrolled into view later.
#include "tests/app/DialogFixture.h"

namespace {

using RepaintTest = DialogFixture;

TEST_F(RepaintTest, ASecondPuzzleOfTheSameSizeIsShownAlsoWhereItScrollsIntoView)
{
    // A square's fill, read where neither number nor letter reaches.
    const auto fill = [this](int nCol, int nRow) {
        const CRect rc = Grid().GetSquareRect(nCol, nRow);
        return Testing::PixelAt(&Grid(), rc.right - 1, rc.bottom - 1);
    };
    LoadPuzzle(Big(), "first.puz");  // 15 x 15, black only at the top left
    std::vector<std::string> rows(15, std::string(15, 'B'));
    rows[0][2] = rows[14][14] = '#';
    LoadPuzzle(trellis::test::PuzzleFileWriter(rows), "second.puz");
    EXPECT_EQ(fill(0, 0), Grid().GetColor(GRID_BACKGROUND_SELECTED_SQUARE));
    EXPECT_EQ(fill(2, 0), Grid().GetColor(GRID_SOLID));
    CCrossWnd& cross = PuzzleWnd().GetCross();
    ASSERT_TRUE(Testing::ScrollBarAction(&cross, SB_HORZ, SB_BOTTOM));
    ASSERT_TRUE(Testing::ScrollBarAction(&cross, SB_VERT, SB_BOTTOM));
    Testing::RunUntilIdle();
    EXPECT_EQ(fill(14, 14), Grid().GetColor(GRID_SOLID));
    EXPECT_EQ(fill(13, 14), Grid().GetColor(GRID_BACKGROUND));
}

}  // namespace
