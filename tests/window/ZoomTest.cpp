// SPDX-License-Identifier: MIT
// Zoom and the wheel in the puzzle window: a new square size keeps the
// selection in view, Fit finds the largest size at which the grid fits, the
// wheel scrolls the grid by squares and zooms with Ctrl.

#include "res/resource.h"
#include "tests/window/PuzzleWndFixture.h"

namespace trellis::test {
namespace {

// The pane's grid host is 190 pixels high: the pane less the 38-pixel clue
// bar and the 40-pixel letter pad.
constexpr int kViewHeight = 190;

class ZoomTest : public PuzzleWndTest {
protected:
    CCrossWnd& Cross() { return m_wnd.GetCross(); }
    // The selected square's rectangle in the host's client area.
    CRect SelectedInView()
    {
        CRect rc = Grid().GetSquareRect(Grid().GetSelectedSquare().x, Grid().GetSelectedSquare().y);
        rc.OffsetRect(-Cross().GetScrollOffset().x, -Cross().GetScrollOffset().y);
        return rc;
    }
    CRect View()
    {
        CRect rc;
        Cross().GetClientRect(&rc);
        return rc;
    }
    static std::vector<std::string> Open(int nWidth, int nHeight)
    {
        return std::vector<std::string>(static_cast<size_t>(nHeight), std::string(static_cast<size_t>(nWidth), '.'));
    }
};

TEST_F(ZoomTest, ANewSquareSizeKeepsTheSelectionAndTheSelectedSquareInView)
{
    Load(Open(15, 15));
    ASSERT_TRUE(Testing::ScrollBarAction(&Cross(), SB_HORZ, SB_RIGHT));
    ASSERT_TRUE(Testing::ScrollBarAction(&Cross(), SB_VERT, SB_BOTTOM));
    Select(13, 14);
    Select(13, 14);  // the down word through it
    ASSERT_EQ(Grid().GetDirection(), DIRECTION_DOWN);

    for (int nSize : {40, 64, 12, 2, 20}) {
        SCOPED_TRACE(nSize);
        ASSERT_TRUE(Cross().ZoomTo(nSize));
        Testing::RunUntilIdle();
        EXPECT_EQ(Grid().GetSquareSize(), nSize);
        EXPECT_EQ(Grid().GetSelectedSquare(), CPoint(13, 14));
        EXPECT_EQ(Grid().GetDirection(), DIRECTION_DOWN);
        CRect rcCommon;
        EXPECT_EQ(rcCommon.IntersectRect(SelectedInView(), View()), TRUE);
        EXPECT_EQ(rcCommon, SelectedInView());  // wholly
        EXPECT_EQ(Testing::PixelAt(&Grid(), SelectedInView().CenterPoint().x + Cross().GetScrollOffset().x,
                                   SelectedInView().bottom - 1 + Cross().GetScrollOffset().y),
                  RGB(0, 0, 128));
    }
    // Sizes the settings do not allow change nothing.
    EXPECT_FALSE(Cross().ZoomTo(65));
    EXPECT_FALSE(Cross().ZoomTo(1));
    EXPECT_EQ(Grid().GetSquareSize(), 20);
}

TEST_F(ZoomTest, FitIsTheLargestSizeAtWhichTheWholeGridFitsTheView)
{
    ASSERT_EQ(View().Height(), kViewHeight);
    EXPECT_EQ(Cross().GetFitSquareSize(), 0);  // no puzzle
    // 15 x 15 in 240 x 190: 36 + 15 x 10 = 186 fits in height, 11 would need 201.
    Load(Open(15, 15));
    EXPECT_EQ(Cross().GetFitSquareSize(), 10);
    ASSERT_TRUE(Cross().ZoomTo(10));
    Testing::RunUntilIdle();
    EXPECT_FALSE(Testing::IsScrollBarShown(&Cross(), SB_HORZ));
    EXPECT_FALSE(Testing::IsScrollBarShown(&Cross(), SB_VERT));
    // 5 x 3: 16 + 5 x 44 = 236 fits in width, 45 would need 241.
    Load(Open(5, 3));
    EXPECT_EQ(Cross().GetFitSquareSize(), 44);
    // 50 x 50 fits at no size: the smallest it is.
    Load(Open(50, 50));
    EXPECT_EQ(Cross().GetFitSquareSize(), 2);
    // 2 x 2 fits even at the largest.
    Load(Open(2, 2));
    EXPECT_EQ(Cross().GetFitSquareSize(), 64);
}

TEST_F(ZoomTest, TheWheelOverTheGridScrollsByWholeSquaresAndZoomsWithCtrl)
{
    // Three squares a notch, Shift sideways: proven on a real desktop at
    // both scales. Over the clue bar, which has no bars, nothing scrolls.
    Load(Open(15, 15));
    Testing::TurnWheel(&Grid(), InSquare(Grid(), 4, 5), -120, Testing::KEY_SHIFT);
    ASSERT_EQ(Cross().GetScrollOffset(), CPoint(60, 0));
    Testing::TurnWheel(&m_wnd.GetClue(), CPoint(10, 10), -120);
    EXPECT_EQ(Cross().GetScrollOffset(), CPoint(60, 0));
    EXPECT_EQ(Testing::ScrollBarPosition(&Cross(), SB_HORZ), 60);
    EXPECT_TRUE(m_host.m_commands.empty());

    // With Ctrl: a zoom step a notch, for the frame to carry out; no scrolling.
    Testing::TurnWheel(&Grid(), InSquare(Grid(), 4, 2), 120, Testing::KEY_CONTROL);
    Testing::TurnWheel(&m_wnd.GetClue(), CPoint(10, 10), -240, Testing::KEY_CONTROL);
    Testing::TurnWheel(&Grid(), InSquare(Grid(), 4, 2), 60, Testing::KEY_CONTROL);  // half a notch: not yet
    EXPECT_EQ(m_host.m_commands, (std::vector<UINT> {ID_VIEW_ZOOM_IN, ID_VIEW_ZOOM_OUT, ID_VIEW_ZOOM_OUT}));
    Testing::TurnWheel(&Grid(), InSquare(Grid(), 4, 2), 60, Testing::KEY_CONTROL);
    EXPECT_EQ(m_host.m_commands.back(), static_cast<UINT>(ID_VIEW_ZOOM_IN));
    EXPECT_EQ(Cross().GetScrollOffset(), CPoint(60, 0));
}

}  // namespace
}  // namespace trellis::test
