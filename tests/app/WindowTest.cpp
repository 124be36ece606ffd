// SPDX-License-Identifier: MIT
// The desktop window: its first size with the clue lists, the lists' View
// item and dividing bar, and the window as the last run left it.
#include "tests/app/AppFixture.h"

inline void PrintTo(const CRect& rc, std::ostream* os)
{
    *os << "(" << rc.left << ", " << rc.top << ", " << rc.right << ", " << rc.bottom << ")";
}
inline void PrintTo(const CSize& size, std::ostream* os)
{
    *os << size.cx << " x " << size.cy;
}

namespace trellis::test {
namespace {

constexpr int kAbsent = -12345;

CPoint GridInView(CGridWnd& grid)
{
    CRect rc;
    grid.GetWindowRect(&rc);
    grid.GetParent()->ScreenToClient(&rc);
    return rc.TopLeft();
}

class DesktopWindowTest : public AppTest {
protected:
    DesktopWindowTest() { m_bHandheldWindow = false; }

    // The frame is the screen: a child's window rectangle is in its client coordinates.
    CRect RectInFrame(CWnd& wnd)
    {
        CRect rc;
        wnd.GetWindowRect(&rc);
        return rc;
    }
    int BarHeight()
    {
        CRect rc;
        Frame().GetCommandBar()->GetClientRect(&rc);
        return rc.Height();
    }
    CSize PanesSize()
    {
        CRect rc;
        Frame().GetClientRect(&rc);
        return CSize(rc.Width(), rc.Height() - BarHeight());
    }
    CRect Work()
    {
        CRect rc;
        EXPECT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &rc, 0));
        return rc;
    }
    // The line with the time, which takes the bottom of the area under the
    // command bar.
    int Line() { return Frame().GetStatusLine().GetLineHeight(); }
    int Stored(LPCTSTR lpszEntry) { return static_cast<int>(theApp.GetProfileInt(u"window", lpszEntry, kAbsent)); }
    void Store(LPCTSTR lpszEntry, int nValue) { theApp.WriteProfileInt(u"window", lpszEntry, nValue); }
    // Ends the program as the user does, and starts it again.
    void Restart()
    {
        ASSERT_TRUE(Testing::ChooseMenuItem(Frame(), ID_APP_EXIT));
        Testing::RunUntilIdle();
        ASSERT_EQ(theApp.m_pMainWnd, nullptr);
        theApp.ExitInstance();
        Start();
    }
    void DragSplitterBy(int dx, int dy)
    {
        CSplitterBar& bar = Frame().GetSplitter();
        Testing::Press(&bar, CPoint(2, 2));
        Testing::Move(&bar, CPoint(2 + dx, 2 + dy));
        Testing::Release(&bar, CPoint(2 + dx, 2 + dy));
        Testing::RunUntilIdle();
    }
};

TEST_F(DesktopWindowTest, TheFirstStartShowsAFifteenSquareGridBesideTheListsInTheMiddleOfTheScreen)
{
    Start();
    EXPECT_EQ(PanesSize(), CSize(760, 488));
    WINDOWPLACEMENT wp {};
    ASSERT_TRUE(Frame().GetWindowPlacement(&wp));
    EXPECT_EQ(wp.showCmd, static_cast<UINT>(SW_SHOWNORMAL));
    EXPECT_NEAR(CRect(wp.rcNormalPosition).CenterPoint().x, Work().CenterPoint().x, 1);
    EXPECT_NEAR(CRect(wp.rcNormalPosition).CenterPoint().y, Work().CenterPoint().y, 1);

    // The puzzle window, the bar and the lists side by side under the command
    // bar, and the line with the time under the lists.
    const int nTop = BarHeight();
    ASSERT_TRUE(Frame().HasClueLists());
    EXPECT_TRUE(Frame().GetClueLists().IsWindowVisible());
    EXPECT_EQ(RectInFrame(PuzzleWnd()), CRect(0, nTop, 339, nTop + 488));
    EXPECT_EQ(RectInFrame(Frame().GetSplitter()), CRect(339, nTop, 344, nTop + 488));
    EXPECT_EQ(RectInFrame(Frame().GetClueLists()), CRect(344, nTop, 760, nTop + 488 - Line()));
    EXPECT_TRUE(Testing::IsMenuItemChecked(Frame(), ID_VIEW_CLUE_LISTS));
    ASSERT_TRUE(Frame().HasStatusLine());
    EXPECT_TRUE(Frame().GetStatusLine().IsWindowVisible());
    EXPECT_EQ(RectInFrame(Frame().GetStatusLine()), CRect(344, nTop + 488 - Line(), 760, nTop + 488));
    EXPECT_TRUE(Testing::IsMenuItemChecked(Frame(), ID_VIEW_TIMER));

    // A 15 x 15 grid of 336 pixels shows whole, without scroll bars, in the
    // middle of its 339 x 410 view.
    std::vector<std::string> rows(15, std::string(15, 'A'));
    rows[7][7] = '#';
    LoadPuzzle(PuzzleFileWriter(rows));
    CCrossWnd& cross = PuzzleWnd().GetCross();
    EXPECT_FALSE(Testing::IsScrollBarShown(&cross, SB_HORZ));
    EXPECT_FALSE(Testing::IsScrollBarShown(&cross, SB_VERT));
    EXPECT_EQ(GridInView(Grid()), CPoint(1, 37));
    EXPECT_EQ(Frame().GetClueLists().GetList(DIRECTION_ACROSS).GetCurSel(), 0);
}

TEST_F(DesktopWindowTest, TheNextStartOpensTheWindowAsTheLastOneWasLeft)
{
    Start();
    Frame().ShowWindow(SW_SHOW);
    Testing::Resize(&Frame(), 700, BarHeight() + 500);
    Testing::DragBy(&Frame(), 7, 11);
    DragSplitterBy(-30, 0);  // the lists 30 wider: 446
    ASSERT_TRUE(Testing::ChooseMenuItem(Frame(), ID_TOGGLE_MENUS));
    WINDOWPLACEMENT before {};
    ASSERT_TRUE(Frame().GetWindowPlacement(&before));
    const CSize sizePanes = PanesSize();
    ASSERT_EQ(sizePanes.cx, 700);

    Restart();
    EXPECT_EQ(Stored(u"width"), 700);
    EXPECT_EQ(Stored(u"height"), sizePanes.cy);
    EXPECT_EQ(Stored(u"left"), CRect(before.rcNormalPosition).left);
    EXPECT_EQ(Stored(u"top"), CRect(before.rcNormalPosition).top);
    EXPECT_EQ(Stored(u"cluelistwidth"), 446);
    EXPECT_EQ(Stored(u"fullmenus"), 1);
    EXPECT_EQ(Stored(u"cluelists"), 1);
    EXPECT_EQ(Stored(u"maximized"), 0);

    WINDOWPLACEMENT after {};
    ASSERT_TRUE(Frame().GetWindowPlacement(&after));
    EXPECT_EQ(CRect(after.rcNormalPosition), CRect(before.rcNormalPosition));
    EXPECT_EQ(PanesSize(), sizePanes);
    EXPECT_TRUE(Frame().HasFullMenus());
    EXPECT_EQ(RectInFrame(Frame().GetClueLists()).Width(), 446);
    EXPECT_EQ(RectInFrame(PuzzleWnd()).Width(), 700 - 446 - CMainFrame::SPLITTER_SIZE);

    // Hidden lists, and a maximised window, come back so too.
    ASSERT_TRUE(Testing::ChooseMenuItem(Frame(), ID_VIEW_CLUE_LISTS));
    Frame().ShowWindow(SW_SHOW);
    WINDOWPLACEMENT maximised = after;
    maximised.showCmd = SW_SHOWMAXIMIZED;
    Frame().SetWindowPlacement(&maximised);
    Testing::RunUntilIdle();
    Restart();
    EXPECT_EQ(Stored(u"cluelists"), 0);
    EXPECT_EQ(Stored(u"maximized"), 1);
    EXPECT_FALSE(Frame().HasClueLists());
    EXPECT_FALSE(Testing::IsMenuItemChecked(Frame(), ID_VIEW_CLUE_LISTS));
    ASSERT_TRUE(Frame().GetWindowPlacement(&after));
    EXPECT_EQ(after.showCmd, static_cast<UINT>(SW_SHOWMAXIMIZED));
    EXPECT_EQ(CRect(after.rcNormalPosition), CRect(before.rcNormalPosition));
}

TEST_F(DesktopWindowTest, TheViewItemHidesAndShowsTheLists)
{
    Start();
    const int nTop = BarHeight();
    ASSERT_TRUE(Testing::ChooseMenuItem(Frame(), ID_VIEW_CLUE_LISTS));
    EXPECT_FALSE(Frame().GetClueLists().IsWindowVisible());
    EXPECT_FALSE(Frame().GetSplitter().IsWindowVisible());
    EXPECT_EQ(RectInFrame(PuzzleWnd()), CRect(0, nTop, 760, nTop + 488 - Line()));
    EXPECT_FALSE(Testing::IsMenuItemChecked(Frame(), ID_VIEW_CLUE_LISTS));

    // Shown again, they show the selection made meanwhile.
    LoadPuzzle(HeartWriter());
    Testing::Tap(&Grid(), Grid().GetSquareRect(0, 2).CenterPoint());
    Testing::Tap(&Grid(), Grid().GetSquareRect(0, 2).CenterPoint());
    ASSERT_EQ(Grid().GetDirection(), DIRECTION_DOWN);
    ASSERT_TRUE(Testing::ChooseMenuItem(Frame(), ID_VIEW_CLUE_LISTS));
    EXPECT_TRUE(Frame().GetClueLists().IsWindowVisible());
    EXPECT_EQ(RectInFrame(PuzzleWnd()).Width(), 339);
    CClueListWnd& lists = Frame().GetClueLists();
    EXPECT_EQ(lists.GetList(DIRECTION_DOWN).GetCurSel(), 0);  // 1 Down
    EXPECT_EQ(lists.GetList(DIRECTION_ACROSS).GetCurSel(), -1);
    EXPECT_EQ(lists.GetCrossingEntry(), 2);  // 3rd across word, row 2
}

TEST_F(DesktopWindowTest, TheBarSharesTheRoomButThePuzzleWindowKeepsTheHandheldsWidth)
{
    Start();
    DragSplitterBy(-500, 0);
    EXPECT_EQ(RectInFrame(PuzzleWnd()).Width(), 240);
    EXPECT_EQ(RectInFrame(Frame().GetClueLists()).Width(), 760 - 240 - CMainFrame::SPLITTER_SIZE);
    DragSplitterBy(700, 0);
    EXPECT_EQ(RectInFrame(Frame().GetClueLists()).Width(), CClueListWnd::MIN_LIST_WIDTH);
    // The lists keep their width as the window grows; the puzzle window takes the rest.
    Frame().ShowWindow(SW_SHOW);
    Testing::Resize(&Frame(), 790, BarHeight() + 600);
    EXPECT_EQ(RectInFrame(Frame().GetClueLists()).Width(), CClueListWnd::MIN_LIST_WIDTH);
    EXPECT_EQ(RectInFrame(PuzzleWnd()).Width(), 790 - CClueListWnd::MIN_LIST_WIDTH - CMainFrame::SPLITTER_SIZE);
}

TEST_F(DesktopWindowTest, ATallWindowHasTheListsBelowAndANearlySquareOneKeepsThemWhereTheyAre)
{
    Store(u"width", 400);
    Store(u"height", 700);
    Start();
    EXPECT_TRUE(Frame().HasListsBelow());
    const int nTop = BarHeight();
    EXPECT_EQ(RectInFrame(PuzzleWnd()), CRect(0, nTop, 400, nTop + 700 - 200 - 5));
    EXPECT_EQ(RectInFrame(Frame().GetSplitter()), CRect(0, nTop + 495, 400, nTop + 500));
    // The lists' 200 pixels hold the line with the time at their bottom.
    EXPECT_EQ(RectInFrame(Frame().GetClueLists()), CRect(0, nTop + 500, 400, nTop + 700 - Line()));
    EXPECT_EQ(RectInFrame(Frame().GetStatusLine()), CRect(0, nTop + 700 - Line(), 400, nTop + 700));
    DragSplitterBy(0, 40);
    EXPECT_EQ(RectInFrame(Frame().GetClueLists()).Height(), 160 - Line());

    Frame().ShowWindow(SW_SHOW);
    // 600 x 560 is nearly square: below they stay, 160 high.
    Testing::Resize(&Frame(), 600, nTop + 560);
    EXPECT_TRUE(Frame().HasListsBelow());
    EXPECT_EQ(RectInFrame(Frame().GetClueLists()).Height(), 160 - Line());
    // 780 x 560 is wide: beside, at the width they had there.
    Testing::Resize(&Frame(), 780, nTop + 560);
    EXPECT_FALSE(Frame().HasListsBelow());
    EXPECT_EQ(RectInFrame(Frame().GetClueLists()).Width(), 416);
    // And back to nearly square: beside they stay.
    Testing::Resize(&Frame(), 600, nTop + 560);
    EXPECT_FALSE(Frame().HasListsBelow());
    EXPECT_EQ(Frame().GetWindowState().m_nListHeight, 160);
}

TEST_F(DesktopWindowTest, OddStoredValuesFallBackToWhatAFirstStartUses)
{
    Store(u"width", -5);
    Store(u"height", 99999);
    Store(u"maximized", 2);
    Store(u"cluelists", 7);
    Store(u"cluelistsbelow", -1);
    Store(u"cluelistwidth", 20000);
    m_settings.WriteRaw(u"window", u"fullmenus", u"yes");
    Store(u"left", 100);  // without a top, no place
    Start();
    const CWindowState state = Frame().GetWindowState();
    EXPECT_EQ(PanesSize(), CSize(760, 488));
    EXPECT_FALSE(state.m_bMaximized);
    EXPECT_TRUE(state.m_bClueLists);
    EXPECT_FALSE(state.m_bListsBelow);
    EXPECT_EQ(state.m_nListWidth, 416);
    EXPECT_FALSE(state.m_bFullMenus);
    WINDOWPLACEMENT wp {};
    ASSERT_TRUE(Frame().GetWindowPlacement(&wp));
    EXPECT_NEAR(CRect(wp.rcNormalPosition).CenterPoint().x, Work().CenterPoint().x, 1);
}

TEST_F(DesktopWindowTest, AWindowOffTheScreenComesBackOnItAndOneTooLargeShrinksToIt)
{
    const CRect rcWork = Work();
    Store(u"left", rcWork.right + 500);
    Store(u"top", rcWork.top + 10);
    Store(u"width", rcWork.Width() + 300);
    Store(u"height", rcWork.Height() + 300);
    Start();
    WINDOWPLACEMENT wp {};
    ASSERT_TRUE(Frame().GetWindowPlacement(&wp));
    // Room is left for the desktop's frame round it, half each side.
    const CRect rc(wp.rcNormalPosition);
    EXPECT_EQ(rc.Width(), rcWork.Width() - CMainFrame::DESKTOP_FRAME_WIDTH);
    EXPECT_EQ(rc.Height(), rcWork.Height() - CMainFrame::DESKTOP_FRAME_HEIGHT);
    EXPECT_EQ(rc.TopLeft(), CPoint(rcWork.left + CMainFrame::DESKTOP_FRAME_WIDTH / 2,
                                   rcWork.top + CMainFrame::DESKTOP_FRAME_HEIGHT / 2));
}

TEST_F(AppTest, ListsShownInTheHandheldsWindowWidenItToMakeRoomBesideIt)
{
    // At the work area's left edge, with room to the right.
    CRect rcWork;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &rcWork, 0));
    ASSERT_GT(rcWork.Width(), 700);
    theApp.WriteProfileInt(u"window", u"left", rcWork.left);
    theApp.WriteProfileInt(u"window", u"top", rcWork.top);
    Start();
    WINDOWPLACEMENT before {};
    ASSERT_TRUE(Frame().GetWindowPlacement(&before));
    ASSERT_TRUE(Testing::ChooseMenuItem(Frame(), ID_VIEW_CLUE_LISTS));
    WINDOWPLACEMENT after {};
    ASSERT_TRUE(Frame().GetWindowPlacement(&after));
    EXPECT_EQ(CRect(after.rcNormalPosition).TopLeft(), CRect(before.rcNormalPosition).TopLeft());
    // The handheld's 240, the bar's 5 and the lists' 416.
    EXPECT_EQ(CRect(after.rcNormalPosition).Width(), 661);
    CRect rcPuzzle;
    PuzzleWnd().GetClientRect(&rcPuzzle);
    EXPECT_EQ(rcPuzzle.Width(), 240);
    EXPECT_TRUE(Frame().GetClueLists().IsWindowVisible());
    EXPECT_FALSE(Frame().HasListsBelow());
    // Hidden again, they leave the window as it is.
    ASSERT_TRUE(Testing::ChooseMenuItem(Frame(), ID_VIEW_CLUE_LISTS));
    ASSERT_TRUE(Frame().GetWindowPlacement(&before));
    EXPECT_EQ(CRect(before.rcNormalPosition).Width(), 661);
    PuzzleWnd().GetClientRect(&rcPuzzle);
    EXPECT_EQ(rcPuzzle.Width(), 661);
}

// The screen the existing tests know: the handheld's size with the lists
// hidden gives the puzzle window the whole of the 240 x 268 pane.
TEST_F(AppTest, AtTheHandheldsSizeWithTheListsHiddenThePuzzleWindowIsTheWholePane)
{
    Start();
    CRect rcPane, rcFrame;
    PuzzleWnd().GetClientRect(&rcPane);
    Frame().GetClientRect(&rcFrame);
    EXPECT_EQ(rcPane.Size(), CSize(240, 268));
    EXPECT_EQ(rcFrame.Width(), 240);
    EXPECT_FALSE(Frame().GetClueLists().IsWindowVisible());
    EXPECT_FALSE(Frame().GetSplitter().IsWindowVisible());
    LoadPuzzle(HeartWriter());
    EXPECT_EQ(GridInView(Grid()), CPoint(0, 0));
}

}  // namespace
}  // namespace trellis::test
