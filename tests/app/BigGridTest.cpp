// SPDX-License-Identifier: MIT
// The largest grid a puzzle file holds, at the largest square size: what the
// program keeps of its windows grows with the screen, not with the grid, and
// the far corner of the grid works like any other.

#include "tests/app/AppFixture.h"

namespace trellis::test {
namespace {

class BigGridTest : public AppTest {
protected:
    // Bytes of a picture of the whole frame at the screen's pixel ratio.
    size_t ScreenBytes()
    {
        CRect rc;
        Frame().GetWindowRect(&rc);
        const double ratio = Testing::ImageRatio(&Frame());
        return static_cast<size_t>(rc.Width() * rc.Height() * 4 * ratio * ratio);
    }
    CPoint InSquare(int nCol, int nRow)
    {
        const CRect rc = Grid().GetSquareRect(nCol, nRow);
        return CPoint(rc.left + 5, rc.top + 5);
    }
};

TEST_F(BigGridTest, AGridOf255SquaresAt64PixelsKeepsImagesTheSizeOfTheScreen)
{
    m_settings.WriteRaw(u"options", u"square", u"64");
    Start();
    LoadPuzzle(PuzzleFileWriter(std::vector<std::string>(255, std::string(255, 'Q'))));
    CRect rcGrid;
    Grid().GetClientRect(&rcGrid);
    ASSERT_EQ(16836, rcGrid.Width());
    // The whole grid's image would take over a gigabyte; the frame's windows
    // together hold a few pictures of the screen.
    EXPECT_LT(Testing::ImageBytes(&Frame()), 4 * ScreenBytes());

    // The far corner: scrolled to, tapped, typed into.
    CCrossWnd& cross = PuzzleWnd().GetCross();
    ASSERT_TRUE(Testing::ScrollBarAction(&cross, SB_HORZ, SB_RIGHT));
    ASSERT_TRUE(Testing::ScrollBarAction(&cross, SB_VERT, SB_BOTTOM));
    Testing::RunUntilIdle();
    Testing::Tap(&Grid(), InSquare(254, 254));
    EXPECT_EQ(CPoint(254, 254), Grid().GetSelectedSquare());
    Type(u"q");
    EXPECT_EQ(u'Q', theApp.GetPuzzle()->GetSquare(254, 254).m_chLetter);
    const CRect rcCorner = Grid().GetSquareRect(254, 254);
    const COLORREF crSelected = Grid().GetColor(GRID_BACKGROUND_SELECTED_SQUARE);
    EXPECT_GT(Testing::CountPixels(&Grid(), rcCorner, crSelected), 64 * 64 / 2);
    EXPECT_LT(Testing::CountPixels(&Grid(), rcCorner, crSelected), 64 * 64);

    // Show Puzzle fills every square; the first one, out of view, shows its
    // letter when it comes into view.
    const CRect rcFirst = Grid().GetSquareRect(0, 0);
    const COLORREF crBack = Grid().GetColor(GRID_BACKGROUND);
    EXPECT_EQ(64 * 64, Testing::CountPixels(&Grid(), rcFirst, crBack));
    ASSERT_TRUE(Choose(ID_SHOW_PUZZLE));
    EXPECT_TRUE(theApp.GetPuzzle()->IsSolved());
    ASSERT_TRUE(Testing::ScrollBarAction(&cross, SB_HORZ, SB_LEFT));
    ASSERT_TRUE(Testing::ScrollBarAction(&cross, SB_VERT, SB_TOP));
    Testing::RunUntilIdle();
    EXPECT_LT(Testing::CountPixels(&Grid(), rcFirst, crBack), 64 * 64);
    EXPECT_LT(Testing::ImageBytes(&Frame()), 4 * ScreenBytes());
}

}  // namespace
}  // namespace trellis::test
