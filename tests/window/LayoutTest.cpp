// SPDX-License-Identifier: MIT
// The puzzle window's panes and layout, the clue of each selected word, and
// the grid's scroll host.

#include "res/resource.h"
#include "tests/window/PuzzleWndFixture.h"

namespace trellis::test {
namespace {

TEST_F(PuzzleWndTest, CreatesThreeNamedPanesAndLaysThemOut)
{
    const std::pair<CWnd*, LPCTSTR> panes[] = {
        {&m_wnd.GetCross(), u"cross"}, {&m_wnd.GetClue(), u"clue"}, {&m_wnd.GetInput(), u"input"}};
    for (int i = 0; i < 3; i++) {
        ASSERT_EQ(panes[i].first, m_wnd.GetDlgItem(IDC_CROSS_WND + i));
        CString strName;
        panes[i].first->GetWindowText(strName);
        EXPECT_EQ(CString(panes[i].second), strName);
    }
    EXPECT_EQ(&Grid(), m_wnd.GetCross().GetDlgItem(IDC_GRID_WND));
    EXPECT_EQ(0u, m_wnd.GetStyle() & WS_BORDER);

    EXPECT_EQ(CRect(0, 0, 240, 190), RectInParent(m_wnd.GetCross()));
    EXPECT_EQ(CRect(0, 191, 240, 229), RectInParent(m_wnd.GetClue()));
    EXPECT_EQ(CRect(0, 229, 240, 269), RectInParent(m_wnd.GetInput()));
    EXPECT_EQ(RGB(0, 128, 0), Testing::PixelAt(&m_wnd, 100, 190));

    m_wnd.SetShowInput(FALSE);
    m_wnd.SetClueHeight(20);
    m_wnd.RecalcLayout();
    EXPECT_EQ(CRect(0, 0, 240, 248), RectInParent(m_wnd.GetCross()));
    EXPECT_EQ(CRect(0, 249, 240, 269), RectInParent(m_wnd.GetClue()));
    EXPECT_EQ(CRect(0, 0, 0, 0), RectInParent(m_wnd.GetInput()));

    // Lower than the bars: the grid host gets no height rather than less.
    m_wnd.SetShowInput(TRUE);
    m_wnd.MoveWindow(0, 0, 240, 50);
    EXPECT_EQ(CRect(0, 0, 240, 0), RectInParent(m_wnd.GetCross()));
    EXPECT_EQ(CRect(0, -9, 240, 11), RectInParent(m_wnd.GetClue()));
}

TEST_F(PuzzleWndTest, AClueBarOutsideOneToTwoHundredPixelsIsRefused)
{
    for (const auto& [nTried, bTaken, nHeight] :
         {std::tuple {1, TRUE, 1}, std::tuple {0, FALSE, 1}, std::tuple {200, TRUE, 200}, std::tuple {201, FALSE, 200},
          std::tuple {-38, FALSE, 200}, std::tuple {25, TRUE, 25}}) {
        EXPECT_EQ(m_wnd.SetClueHeight(nTried), bTaken) << nTried;
        m_wnd.RecalcLayout();
        EXPECT_EQ(nHeight, RectInParent(m_wnd.GetClue()).Height()) << nTried;
    }
    // Any true value shows the pad, and is kept as the 1 the store takes.
    m_wnd.SetShowInput(FALSE);
    m_wnd.SetShowInput(-1);
    EXPECT_EQ(TRUE, m_wnd.GetShowInput());
}

TEST_F(PuzzleWndTest, EachSelectedWordPutsItsClueInTheBar)
{
    // 1 across and 1 down at the top left, 2 down at the top right, 3 across at the bottom.
    Load({"CAT", "A#O", "BOW"}, {"Pet", "Taxi", "Plant", "Ribbon"});
    EXPECT_EQ(CString(u"1A: Pet"), Clue());
    Select(2, 1);
    EXPECT_EQ(CString(u"2D: Plant"), Clue());
    Select(1, 2);
    EXPECT_EQ(CString(u"3A: Ribbon"), Clue());

    // Any wParam but 0 is across; a square starting no such word changes nothing.
    m_wnd.SendMessage(WM_WORDSELECTED, 0, MAKELPARAM(0, 0));
    EXPECT_EQ(CString(u"1D: Taxi"), Clue());
    m_wnd.SendMessage(WM_WORDSELECTED, 7, MAKELPARAM(0, 2));
    EXPECT_EQ(CString(u"3A: Ribbon"), Clue());
    m_wnd.SendMessage(WM_WORDSELECTED, 0, MAKELPARAM(1, 2));
    m_wnd.SendMessage(WM_WORDSELECTED, 1, MAKELPARAM(300, 2));
    EXPECT_EQ(CString(u"3A: Ribbon"), Clue());

    // After a load the bar never shows the old puzzle's clue, nor the banner:
    // the first white square starts no across word here, so it shows nothing.
    Load({"#.#", "..."});
    EXPECT_EQ(CString(), Clue());
    CRect rcBar;
    m_wnd.GetClue().GetClientRect(&rcBar);
    rcBar.DeflateRect(1, 1);
    EXPECT_EQ(0, InkPixels(&m_wnd.GetClue(), rcBar, RGB(255, 255, 255)));
    Load({"AB", "C#"}, {"Ab", "Ac"});
    EXPECT_EQ(CString(u"1A: Ab"), Clue());
    m_wnd.SetPuzzle(nullptr);  // a failed load
    EXPECT_EQ(CString(), Clue());
}

TEST_F(PuzzleWndTest, TheScrollHostMovesTheGridBySquaresWithinItsRange)
{
    CCrossWnd& cross = m_wnd.GetCross();
    auto pos = [this] { return RectInParent(Grid()).TopLeft(); };
    auto scroll = [&cross](int nBar, UINT nCode, int nPos = 0) {
        ASSERT_TRUE(Testing::ScrollBarAction(&cross, nBar, nCode, nPos));
    };
    Load(std::vector<std::string>(15, std::string(15, '.')));
    CRect rcView;
    cross.GetClientRect(&rcView);
    const CSize max(336 - rcView.Width(), 336 - rcView.Height());
    scroll(SB_HORZ, SB_LINERIGHT);
    scroll(SB_VERT, SB_PAGEDOWN);
    EXPECT_EQ(CPoint(-20, -120), pos());
    EXPECT_EQ(120, Testing::ScrollBarPosition(&cross, SB_VERT));
    scroll(SB_VERT, SB_PAGEDOWN);
    scroll(SB_VERT, SB_LINEDOWN);
    scroll(SB_HORZ, SB_PAGERIGHT);
    EXPECT_EQ(CPoint(-max.cx, -max.cy), pos());
    scroll(SB_HORZ, SB_LEFT);
    scroll(SB_HORZ, SB_LINELEFT);
    scroll(SB_VERT, SB_THUMBTRACK, 33);
    EXPECT_EQ(CPoint(0, -33), pos());
    scroll(SB_HORZ, SB_RIGHT);
    scroll(SB_VERT, SB_BOTTOM);
    EXPECT_EQ(rcView.BottomRight(), RectInParent(Grid()).BottomRight());

    // A new square size goes through SetPuzzle: back to the top left, new steps.
    Grid().SetSquareSize(30);
    m_wnd.SetPuzzle(m_pPuzzle.get());
    EXPECT_EQ(CPoint(0, 0), pos());
    EXPECT_EQ(0, Testing::ScrollBarPosition(&cross, SB_HORZ));
    EXPECT_EQ(0, Testing::ScrollBarPosition(&cross, SB_VERT));
    scroll(SB_VERT, SB_LINEDOWN);
    EXPECT_EQ(CPoint(0, -30), pos());

    Load({"..", ".."});  // fits: the bars go
    EXPECT_FALSE(Testing::IsScrollBarShown(&cross, SB_HORZ));
    EXPECT_FALSE(Testing::IsScrollBarShown(&cross, SB_VERT));
    EXPECT_EQ(CPoint(0, 0), pos());
    EXPECT_EQ(RGB(255, 255, 255), Testing::PixelAt(&cross, 200, 150));
}

TEST_F(PuzzleWndTest, AGrownViewKeepsTheGridScrolledWithinItsNewRange)
{
    CCrossWnd& cross = m_wnd.GetCross();
    Load(std::vector<std::string>(15, std::string(15, '.')));  // 336 x 336 pixels
    ASSERT_TRUE(Testing::ScrollBarAction(&cross, SB_HORZ, SB_RIGHT));
    ASSERT_TRUE(Testing::ScrollBarAction(&cross, SB_VERT, SB_BOTTOM));
    ASSERT_EQ(CPoint(-109, -159), RectInParent(Grid()).TopLeft());

    // Larger, with both bars still needed: the far corner stays at the view's.
    m_wnd.MoveWindow(0, 0, 280, 300);
    CRect rcView;
    cross.GetClientRect(&rcView);
    EXPECT_EQ(rcView.BottomRight(), RectInParent(Grid()).BottomRight());
    EXPECT_EQ(336 - rcView.Width(), Testing::ScrollBarPosition(&cross, SB_HORZ));
    EXPECT_EQ(336 - rcView.Height(), Testing::ScrollBarPosition(&cross, SB_VERT));
}

// At large squares the view follows the work: whatever selects a square
// scrolls as little as shows it whole, and a page leaves a square of the old
// view in sight.
class FollowTest : public PuzzleWndTest {
protected:
    void SetUp() override
    {
        PuzzleWndTest::SetUp();
        Grid().SetSquareSize(64);
    }
    CRect View()
    {
        CRect rc;
        m_wnd.GetCross().GetClientRect(&rc);
        return rc;
    }
    CPoint GridAt() { return RectInParent(Grid()).TopLeft(); }
    // The square with the grid lines round it, in the view's coordinates.
    CRect InView(int nCol, int nRow)
    {
        CRect rc = Grid().GetSquareRect(nCol, nRow);
        rc.InflateRect(Grid().GetLineWidth(), Grid().GetLineWidth());
        rc.OffsetRect(GridAt());
        return rc;
    }
    bool Shown(int nCol, int nRow)
    {
        CRect rcBoth;
        return rcBoth.IntersectRect(InView(nCol, nRow), View()) && rcBoth == InView(nCol, nRow);
    }
    void Scroll(int nBar, UINT nCode) { ASSERT_TRUE(Testing::ScrollBarAction(&m_wnd.GetCross(), nBar, nCode)); }
};

TEST_F(FollowTest, LettersTypedOrTappedKeepTheSelectedSquareInView)
{
    Load(std::vector<std::string>(8, std::string(8, '.')));
    ASSERT_FALSE(Shown(4, 0));
    for (int nCol = 0; nCol < 7; ++nCol) {
        Type('A' + nCol);
        ASSERT_EQ(CPoint(nCol + 1, 0), Grid().GetSelectedSquare());
        EXPECT_TRUE(Shown(nCol + 1, 0)) << nCol + 1;
    }
    // The smallest scroll: the last square flush with the view's right edge.
    EXPECT_EQ(View().right, InView(7, 0).right);
    EXPECT_EQ(0, GridAt().y);

    // Scrolled away, a letter in the last square (the cursor stays) or a tap
    // on the letter pad brings it back.
    Scroll(SB_HORZ, SB_LEFT);
    ASSERT_FALSE(Shown(7, 0));
    Type('X');
    EXPECT_TRUE(Shown(7, 0));
    Scroll(SB_HORZ, SB_LEFT);
    Testing::Tap(&m_wnd.GetInput(), CPoint(10, 10));
    EXPECT_EQ(u'A', Square(7, 0).m_chLetter);
    EXPECT_TRUE(Shown(7, 0));

    // Down the last column: the view follows downwards.
    Select(7, 0);  // the selected square: turns down
    ASSERT_EQ(DIRECTION_DOWN, Grid().GetDirection());
    for (int nRow = 0; nRow < 7; ++nRow) {
        Type('A');
        EXPECT_TRUE(Shown(7, nRow + 1)) << nRow + 1;
    }
    EXPECT_EQ(View().bottom, InView(7, 7).bottom);
}

TEST_F(FollowTest, ATapOnASquareHalfInViewAndALoadShowTheSquareWhole)
{
    // The first white square lies beyond the view's right edge.
    Load({"#####..", "......."});
    EXPECT_EQ(CPoint(5, 0), Grid().GetSelectedSquare());
    EXPECT_TRUE(Shown(5, 0));

    Load(std::vector<std::string>(8, std::string(8, '.')));
    EXPECT_EQ(CPoint(0, 0), GridAt());
    const CRect rcHalf = InView(3, 1);
    ASSERT_LT(rcHalf.left + 10, View().right);
    ASSERT_GT(rcHalf.right, View().right);
    Testing::Tap(&Grid(), CPoint(rcHalf.left + 10 - GridAt().x, rcHalf.top + 10));
    EXPECT_EQ(CPoint(3, 1), Grid().GetSelectedSquare());
    EXPECT_TRUE(Shown(3, 1));
    EXPECT_EQ(View().right, InView(3, 1).right);
}

TEST_F(FollowTest, APageNeverMovesMoreThanTheViewLessOneSquare)
{
    Load(std::vector<std::string>(12, std::string(12, '.')));
    for (int nBar : {SB_HORZ, SB_VERT}) {
        const int nView = nBar == SB_HORZ ? View().Width() : View().Height();
        int nOld = 0;
        for (int nPage = 0; nPage < 20; ++nPage) {
            Scroll(nBar, SB_PAGEDOWN);
            const int nNew = -(nBar == SB_HORZ ? GridAt().x : GridAt().y);
            ASSERT_GE(nNew, nOld);
            EXPECT_LE(nNew - nOld, nView - 64) << nPage;
            if (nNew == nOld)
                break;
            EXPECT_EQ(nNew, Testing::ScrollBarPosition(&m_wnd.GetCross(), nBar));
            nOld = nNew;
        }
        // The pages reached the far edge.
        CRect rcGrid;
        Grid().GetClientRect(&rcGrid);
        EXPECT_EQ(nOld, (nBar == SB_HORZ ? rcGrid.Width() : rcGrid.Height()) - nView);
    }
}

}  // namespace
}  // namespace trellis::test
