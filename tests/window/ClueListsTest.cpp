// SPDX-License-Identifier: MIT
// The puzzle window with clue lists beside it: they follow its puzzle, its
// selection and its letters. And where the grid stands in a view larger
// than itself.

#include "res/resource.h"
#include "tests/window/PuzzleWndFixture.h"

namespace trellis::test {
namespace {

// 1A (0,0)-(2,0), 4A (2,1)-(4,1), 6A (0,2)-(3,2); 1D (0,0)-(0,2),
// 2D (2,0)-(2,2), 3D (4,0)-(4,1), 5D (3,1)-(3,2).
const std::vector<std::string> kGrid = {"CAT#O", "A#TAN", "BOWS#"};
constexpr int k1A = 0, k4A = 1;
constexpr int k1D = 0, k2D = 1, k5D = 3;

class ClueListsTest : public PuzzleWndTest {
protected:
    void SetUp() override
    {
        PuzzleWndTest::SetUp();
        m_host.MoveWindow(0, 0, 700, 268);
        ASSERT_TRUE(
            m_lists.Create(nullptr, u"lists", WS_CHILD | WS_VISIBLE, CRect(245, 0, 700, 268), &m_host, IDC_CLUE_LISTS));
        m_lists.SetGrid(&Grid());
        m_wnd.SetClueLists(&m_lists);
        Load(kGrid);
    }
    void TearDown() override
    {
        m_wnd.SetClueLists(nullptr);
        PuzzleWndTest::TearDown();
    }
    int Selected(int nDirection) { return m_lists.GetList(nDirection).GetCurSel(); }
    // The darkest grey of the item: its text colour, black or muted.
    int DarkestGrey(int nDirection, int nEntry)
    {
        Testing::RunUntilIdle();
        CListBox& list = m_lists.GetList(nDirection);
        CRect rc;
        EXPECT_EQ(list.GetItemRect(nEntry, &rc), LB_OKAY);
        for (int n = 0; n < 256; n++) {
            if (Testing::CountPixels(&list, rc, RGB(n, n, n)) > 0)
                return n;
        }
        return 256;
    }

    CClueListWnd m_lists;
};

TEST_F(ClueListsTest, TheCrossingClueFollowsTheCursorAsLettersAreTyped)
{
    EXPECT_EQ(Selected(DIRECTION_ACROSS), k1A);
    EXPECT_EQ(m_lists.GetCrossingEntry(), k1D);
    // A letter moves the cursor on: the crossing word follows the square.
    Type('C');
    EXPECT_EQ(Grid().GetSelectedSquare(), CPoint(1, 0));
    EXPECT_EQ(m_lists.GetCrossingEntry(), CClueIndex::NO_ENTRY);
    Type('A');
    EXPECT_EQ(m_lists.GetCrossingDirection(), DIRECTION_DOWN);
    EXPECT_EQ(m_lists.GetCrossingEntry(), k2D);
    // Taps, and the clue bar beside the lists: the main window's tests.
}

TEST_F(ClueListsTest, TheSolveCommandsMuteAndUnmuteTheCluesTheyFill)
{
    EXPECT_EQ(DarkestGrey(DIRECTION_ACROSS, k1A), 255);  // white text on the selected clue
    EXPECT_EQ(DarkestGrey(DIRECTION_ACROSS, k4A), 0);
    m_wnd.OnShowWord();  // 1 Across
    // Half way from white to the selected word's blue.
    CRect rc;
    m_lists.GetList(DIRECTION_ACROSS).GetItemRect(k1A, &rc);
    Testing::RunUntilIdle();
    EXPECT_GT(Testing::CountPixels(&m_lists.GetList(DIRECTION_ACROSS), rc, RGB(128, 128, 255)), 0);
    EXPECT_EQ(Testing::CountPixels(&m_lists.GetList(DIRECTION_ACROSS), rc, RGB(255, 255, 255)), 0);
    EXPECT_EQ(DarkestGrey(DIRECTION_ACROSS, k4A), 0);
    m_wnd.OnShowPuzzle();
    EXPECT_EQ(DarkestGrey(DIRECTION_ACROSS, k4A), 127);
    EXPECT_EQ(DarkestGrey(DIRECTION_DOWN, k5D), 127);
    m_wnd.OnClearPuzzle();
    EXPECT_EQ(DarkestGrey(DIRECTION_ACROSS, k4A), 0);
    EXPECT_EQ(DarkestGrey(DIRECTION_DOWN, k5D), 0);
}

TEST_F(ClueListsTest, ANewPuzzleOrNoneReplacesTheLists)
{
    Load({"..", ".."});
    EXPECT_EQ(m_lists.GetList(DIRECTION_ACROSS).GetCount(), 2);
    EXPECT_EQ(m_lists.GetList(DIRECTION_DOWN).GetCount(), 2);
    EXPECT_EQ(Selected(DIRECTION_ACROSS), 0);
    m_wnd.SetPuzzle(nullptr);
    EXPECT_EQ(m_lists.GetList(DIRECTION_ACROSS).GetCount(), 0);
    EXPECT_EQ(Selected(DIRECTION_ACROSS), -1);
}

// A grid smaller than its view moves from the handheld's top left corner to
// the middle as the puzzle window grows beyond the handheld's screen.
TEST_F(PuzzleWndTest, AGridSmallerThanItsViewKeepsToTheMiddleOfAWindowLargerThanTheHandheld)
{
    Load(std::vector<std::string>(5, std::string(5, '.')));  // 116 x 116
    const struct {
        int cx, cy;
        CPoint pt;
    } cases[] = {
        {240, 268, {0, 0}},  // the handheld's: the view is 240 x 190
        {241, 268, {1, 0}},  // (241 - 116) / 2 = 62, but grown by 1 only
        {300, 300, {60, 32}},  // views of 300 x 222: half of 184 and 106 is more than grown
        {600, 600, {242, 203}},  // 600 x 522: half of 484 and 406
        {200, 200, {0, 0}},  // smaller than the handheld
    };
    for (const auto& c : cases) {
        m_host.MoveWindow(0, 0, std::max(240, c.cx), std::max(268, c.cy));
        m_wnd.MoveWindow(0, 0, c.cx, c.cy);
        EXPECT_EQ(RectInParent(Grid()).TopLeft(), c.pt) << c.cx << " x " << c.cy;
        EXPECT_EQ(m_wnd.GetCross().GetGridMargin(), c.pt) << c.cx << " x " << c.cy;
    }
    // A zoom that leaves nothing to scroll centres the new size: 10-pixel
    // squares make 66 x 66 in the 600 x 522 view, 40 make 216 x 216.
    m_host.MoveWindow(0, 0, 600, 600);
    m_wnd.MoveWindow(0, 0, 600, 600);
    ASSERT_TRUE(m_wnd.GetCross().ZoomTo(10));
    EXPECT_EQ(RectInParent(Grid()).TopLeft(), CPoint(267, 228));
    ASSERT_TRUE(m_wnd.GetCross().ZoomTo(40));
    EXPECT_EQ(RectInParent(Grid()).TopLeft(), CPoint(192, 153));
    ASSERT_TRUE(m_wnd.GetCross().ZoomTo(20));
    EXPECT_EQ(RectInParent(Grid()).TopLeft(), CPoint(242, 203));
    // Taps still find their squares in a centred grid.
    Select(4, 4);
    EXPECT_EQ(Grid().GetSelectedSquare(), CPoint(4, 4));

    // A grid that scrolls one way is centred only the other way, in what the
    // vertical bar leaves: 400 - bar wide, 222 high against 336.
    m_host.MoveWindow(0, 0, 400, 300);
    m_wnd.MoveWindow(0, 0, 400, 300);
    Load(std::vector<std::string>(15, std::string(15, '.')));
    const int nView = 400 - GetSystemMetrics(SM_CXVSCROLL);
    EXPECT_EQ(RectInParent(Grid()).TopLeft(), CPoint((nView - 336) / 2, 0));
    ASSERT_TRUE(Testing::ScrollBarAction(&m_wnd.GetCross(), SB_VERT, SB_LINEDOWN));
    EXPECT_EQ(RectInParent(Grid()).TopLeft(), CPoint((nView - 336) / 2, -20));
}

}  // namespace
}  // namespace trellis::test
