// The puzzle window's panes and layout, the clue of each selected word, and
// the grid's scroll host.

#include "res/resource.h"
#include "tests/window/PuzzleWndFixture.h"

#include <cstdlib>
#include <filesystem>

namespace trellis::test {
namespace {

const std::vector<std::string> kSmall = { "CAT", "A#O", "BOW" };
// 1 across and 1 down at the top left, 2 down at the top right, 3 across at the bottom.
const std::vector<std::string> kSmallClues = { "Pet", "Taxi", "Plant", "Ribbon" };

TEST_F(PuzzleWndTest, CreatesThreeNamedPanes)
{
    const std::pair<UINT, LPCTSTR> panes[] = {
        { IDC_CROSS_WND, u"cross" }, { IDC_CLUE_WND, u"clue" }, { IDC_INPUT_WND, u"input" } };
    const CWnd* expected[] = { &m_wnd.m_wndCross, &m_wnd.m_wndClue, &m_wnd.m_wndInput };
    for (int i = 0; i < 3; i++) {
        CWnd* pPane = m_wnd.GetDlgItem(static_cast<int>(panes[i].first));
        ASSERT_EQ(expected[i], pPane);
        CString strName;
        pPane->GetWindowText(strName);
        EXPECT_EQ(CString(panes[i].second), strName);
    }
    EXPECT_EQ(&Grid(), m_wnd.m_wndCross.GetDlgItem(IDC_GRID_WND));
    EXPECT_EQ(0u, m_wnd.GetStyle() & WS_BORDER);
}

TEST_F(PuzzleWndTest, LaysThePanesOutFromTheClueAndInputHeights)
{
    EXPECT_EQ(CRect(0, 0, 240, 190), RectInParent(m_wnd.m_wndCross));
    EXPECT_EQ(CRect(0, 191, 240, 229), RectInParent(m_wnd.m_wndClue));
    EXPECT_EQ(CRect(0, 229, 240, 269), RectInParent(m_wnd.m_wndInput));
    // The one row between the grid host and the clue bar is the window's own.
    EXPECT_EQ(RGB(0, 128, 0), Testing::PixelAt(&m_wnd, 100, 190));

    m_wnd.m_bShowInput = FALSE;
    m_wnd.m_nClueHeight = 20;
    m_wnd.RecalcLayout();
    EXPECT_EQ(CRect(0, 0, 240, 248), RectInParent(m_wnd.m_wndCross));
    EXPECT_EQ(CRect(0, 249, 240, 269), RectInParent(m_wnd.m_wndClue));
    EXPECT_EQ(CRect(0, 0, 0, 0), RectInParent(m_wnd.m_wndInput));

    // A client area lower than the bars gives the grid host no height, not less.
    m_wnd.m_bShowInput = TRUE;
    m_wnd.MoveWindow(0, 0, 240, 50);
    EXPECT_EQ(CRect(0, 0, 240, 0), RectInParent(m_wnd.m_wndCross));
    EXPECT_EQ(CRect(0, -9, 240, 11), RectInParent(m_wnd.m_wndClue));
}

TEST_F(PuzzleWndTest, EachSelectedWordPutsItsClueInTheBar)
{
    Load(kSmall, kSmallClues);
    EXPECT_EQ(CString(u"1A: Pet"), m_wnd.m_wndClue.GetClueText());
    Select(2, 1);
    EXPECT_EQ(CString(u"2D: Plant"), m_wnd.m_wndClue.GetClueText());
    Select(1, 2);
    EXPECT_EQ(CString(u"3A: Ribbon"), m_wnd.m_wndClue.GetClueText());

    // Any wParam but 0 is across; a square starting no such word changes nothing.
    m_wnd.SendMessage(WM_WORDSELECTED, 0, MAKELPARAM(0, 0));
    EXPECT_EQ(CString(u"1D: Taxi"), m_wnd.m_wndClue.GetClueText());
    m_wnd.SendMessage(WM_WORDSELECTED, 7, MAKELPARAM(0, 2));
    EXPECT_EQ(CString(u"3A: Ribbon"), m_wnd.m_wndClue.GetClueText());
    m_wnd.SendMessage(WM_WORDSELECTED, 0, MAKELPARAM(1, 2));
    EXPECT_EQ(CString(u"3A: Ribbon"), m_wnd.m_wndClue.GetClueText());
    m_wnd.SendMessage(WM_WORDSELECTED, 1, MAKELPARAM(300, 2));
    EXPECT_EQ(CString(u"3A: Ribbon"), m_wnd.m_wndClue.GetClueText());

    // A puzzle whose first white square starts no across word keeps the old clue.
    Load({ "#.#", "..." }, { "Down", "Across" });
    EXPECT_EQ(CString(u"3A: Ribbon"), m_wnd.m_wndClue.GetClueText());
}

// The scroll host.

class ScrollTest : public PuzzleWndTest {
protected:
    CCrossWnd& Cross() { return m_wnd.m_wndCross; }
    CPoint GridPos() { return RectInParent(Grid()).TopLeft(); }
    CSize Max()
    {
        CRect rcGrid, rcView;
        Grid().GetClientRect(&rcGrid);
        Cross().GetClientRect(&rcView);
        return CSize(rcGrid.Width() - rcView.Width(), rcGrid.Height() - rcView.Height());
    }
};

TEST_F(ScrollTest, BarsComeAndGoWithTheGridSize)
{
    Load(std::vector<std::string>(15, std::string(15, '.')));
    EXPECT_TRUE(Testing::IsScrollBarShown(&Cross(), SB_HORZ));
    EXPECT_TRUE(Testing::IsScrollBarShown(&Cross(), SB_VERT));
    Load(kSmall);
    EXPECT_FALSE(Testing::IsScrollBarShown(&Cross(), SB_HORZ));
    EXPECT_FALSE(Testing::IsScrollBarShown(&Cross(), SB_VERT));
    EXPECT_EQ(CPoint(0, 0), GridPos());
    // Where the grid ends, the host shows white.
    EXPECT_EQ(RGB(255, 255, 255), Testing::PixelAt(&Cross(), 200, 150));
}

TEST_F(ScrollTest, LinesAndPagesMoveBySquaresAndStopAtTheEnds)
{
    Load(std::vector<std::string>(15, std::string(15, '.')));
    ASSERT_TRUE(Testing::ScrollBarAction(&Cross(), SB_HORZ, SB_LINERIGHT));
    EXPECT_EQ(CPoint(-20, 0), GridPos());
    ASSERT_TRUE(Testing::ScrollBarAction(&Cross(), SB_VERT, SB_PAGEDOWN));
    EXPECT_EQ(CPoint(-20, -120), GridPos());
    EXPECT_EQ(120, Testing::ScrollBarPosition(&Cross(), SB_VERT));

    Testing::ScrollBarAction(&Cross(), SB_VERT, SB_PAGEDOWN);
    EXPECT_EQ(-Max().cy, GridPos().y);
    Testing::ScrollBarAction(&Cross(), SB_VERT, SB_LINEDOWN);
    EXPECT_EQ(-Max().cy, GridPos().y);
    Testing::ScrollBarAction(&Cross(), SB_HORZ, SB_PAGERIGHT);
    EXPECT_EQ(-Max().cx, GridPos().x);
    Testing::ScrollBarAction(&Cross(), SB_HORZ, SB_LEFT);
    Testing::ScrollBarAction(&Cross(), SB_HORZ, SB_LINELEFT);
    Testing::ScrollBarAction(&Cross(), SB_HORZ, SB_PAGELEFT);
    Testing::ScrollBarAction(&Cross(), SB_VERT, SB_TOP);
    EXPECT_EQ(CPoint(0, 0), GridPos());

    // SB_RIGHT and SB_BOTTOM put the grid's far edges on the view's.
    Testing::ScrollBarAction(&Cross(), SB_HORZ, SB_RIGHT);
    Testing::ScrollBarAction(&Cross(), SB_VERT, SB_BOTTOM);
    CRect rcView;
    Cross().GetClientRect(&rcView);
    EXPECT_EQ(rcView.BottomRight(), RectInParent(Grid()).BottomRight());

    Testing::ScrollBarAction(&Cross(), SB_VERT, SB_THUMBTRACK, 33);
    EXPECT_EQ(-33, GridPos().y);
}

TEST_F(ScrollTest, ANewPuzzleStartsAtTheTopLeft)
{
    Load(std::vector<std::string>(15, std::string(15, '.')));
    Testing::ScrollBarAction(&Cross(), SB_HORZ, SB_PAGERIGHT);
    Testing::ScrollBarAction(&Cross(), SB_VERT, SB_LINEDOWN);
    Grid().SetSquareSize(30);
    m_wnd.SetPuzzle(m_pPuzzle.get());
    Testing::RunUntilIdle();
    EXPECT_EQ(CPoint(0, 0), GridPos());
    EXPECT_EQ(CPoint(0, 0), Cross().m_ptScrollPos);
    EXPECT_EQ(0, Testing::ScrollBarPosition(&Cross(), SB_HORZ));
    EXPECT_EQ(0, Testing::ScrollBarPosition(&Cross(), SB_VERT));
    // A line is now one square of the new size.
    Testing::ScrollBarAction(&Cross(), SB_VERT, SB_LINEDOWN);
    EXPECT_EQ(-30, GridPos().y);
}

// Renders a real puzzle on the device-sized screen, for looking at
// (TRELLIS_SCREEN_PNG names the picture to write).
TEST_F(PuzzleWndTest, RendersARealPuzzle)
{
    const std::filesystem::path file = std::filesystem::path(TRELLIS_CORPUS_DIR) / "puz" / "av110622.puz";
    if (!std::filesystem::exists(file))
        GTEST_SKIP() << "corpus not found at " << file;
    CCrossWordPuzzle puzzle;
    std::u16string strError;
    ASSERT_TRUE(puzzle.LoadPuzzle(ModelPath(file), strError)) << ToUtf8(strError);
    m_wnd.SetPuzzle(&puzzle);
    // Turn the first square's selection down, then type into it.
    const CPoint ptFirst = Grid().m_ptSelected;
    Select(ptFirst.x, ptFirst.y);
    const CClue* pClue = puzzle.GetDownClue(ptFirst.x, ptFirst.y);
    ASSERT_NE(nullptr, pClue);
    CString strExpected;
    strExpected.Format(u"%dD: %s", pClue->m_nNumber, pClue->m_strText.c_str());
    EXPECT_EQ(strExpected, m_wnd.m_wndClue.GetClueText());
    Type(u'x');
    Testing::RunUntilIdle();
    if (const char* pszOut = std::getenv("TRELLIS_SCREEN_PNG")) {
        EXPECT_TRUE(Testing::SaveImage(&m_host, pszOut));
    }
    m_wnd.SetPuzzle(nullptr);
}

} // namespace
} // namespace trellis::test
