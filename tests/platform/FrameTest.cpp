// SPDX-License-Identifier: MIT
// The frame, its command bar and the application object working together:
// command routing, update handlers, menu switching, layout, exit.

#include "platform/Platform.h"
#include "platform/testing/Testing.h"
#include "platform/testing/TestingDialogs.h"
#include "platform/testing/TestingShell.h"

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr UINT IDR_TEST = 300;
constexpr UINT IDR_TEST_FULL = 301;
constexpr UINT IDR_NO_SUCH_MENU = 399;
constexpr UINT IDD_MODAL = 302;

constexpr UINT ID_TOGGLE = 40001;
constexpr UINT ID_EVERYONE = 40002;  // handled by the pane, the frame and the application
constexpr UINT ID_FRAME_AND_APP = 40003;
constexpr UINT ID_APP_ONLY = 40004;
constexpr UINT ID_NOBODY = 40005;
constexpr UINT ID_PUZZLE = 40006;  // the pane's, enabled while it has a puzzle
constexpr UINT ID_MARKED = 40007;  // the pane's, checked while it says so
constexpr UINT ID_EXIT = 57665;

std::vector<std::string> g_log;

constexpr COLORREF kPopupColor = RGB(251, 253, 187);

// 16 x 16 images side by side, one per button.
ImageResource ButtonImages(int nImages)
{
    static std::vector<std::string> rows;
    rows.assign(16, std::string());
    for (int y = 0; y < 16; ++y)
        for (int i = 0; i < nImages; ++i)
            rows[static_cast<size_t>(y)] += std::string(16, (y + i) % 2 ? '#' : '.');
    ImageResource image {16 * nImages, 16, "#.", {0x000000, 0xC0C0C0}, {}};
    for (const std::string& row : rows)
        image.rows.push_back(row.c_str());
    return image;
}

MenuPopupResource FileMenu(LPCTSTR pszToggle)
{
    return {u"File",
            {
                {ID_TOGGLE, pszToggle},
                {0, nullptr},
                {ID_EVERYONE, u"Everyone"},
                {ID_FRAME_AND_APP, u"Frame And App"},
                {ID_APP_ONLY, u"App Only"},
                {ID_NOBODY, u"Nobody"},
                {ID_PUZZLE, u"Puzzle"},
                {0, nullptr},
                {ID_EXIT, u"Exit"},
            }};
}

const ResourceSet& TestResources()
{
    static const ResourceSet set = [] {
        ResourceSet s;
        s.menus[IDR_TEST] = {{FileMenu(u"Full Menus")}};
        s.menus[IDR_TEST_FULL] = {{FileMenu(u"Small Menu"),
                                   {u"Options", {{ID_APP_ONLY, u"General..."}, {ID_MARKED, u"Marked"}}},
                                   {u"Solve", {{ID_PUZZLE, u"Show Letter"}, {ID_EVERYONE, u"Check"}}}}};
        s.toolbars[IDR_TEST] = {16, 16, {ID_PUZZLE, ID_EVERYONE, 0, ID_APP_ONLY, ID_NOBODY, ID_FRAME_AND_APP}};
        s.bitmaps[IDR_TEST] = ButtonImages(5);
        s.strings[IDR_TEST] = u"tester\nPuzzle";
        s.dialogs[IDD_MODAL] = {
            0, 0,        100,      40, DS_MODALFRAME | DS_SETFONT,
            0, u"Modal", u"Arial", 8,  {{DialogControl::Button, u"OK", IDOK, 25, 20, 50, 14, BS_DEFPUSHBUTTON}}};
        return s;
    }();
    return set;
}

class CPaneWnd : public CWnd {
public:
    BOOL m_bHasPuzzle = FALSE;
    int m_nMarked = 0;
    // What its paints covered, erased or not.
    std::vector<std::pair<CRect, BOOL>> m_paints;

protected:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        m_paints.emplace_back(dc.m_ps.rcPaint, dc.m_ps.fErase);
    }
    afx_msg void OnEveryone() { g_log.push_back("pane"); }
    afx_msg void OnPuzzle() { g_log.push_back("pane puzzle"); }
    afx_msg void OnUpdatePuzzle(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bHasPuzzle); }
    afx_msg void OnMarked() { m_nMarked = !m_nMarked; }
    afx_msg void OnUpdateMarked(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_nMarked); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPaneWnd, CWnd)
    ON_WM_PAINT()
    ON_COMMAND(ID_EVERYONE, OnEveryone)
    ON_COMMAND(ID_PUZZLE, OnPuzzle)
    ON_UPDATE_COMMAND_UI(ID_PUZZLE, OnUpdatePuzzle)
    ON_COMMAND(ID_MARKED, OnMarked)
    ON_UPDATE_COMMAND_UI(ID_MARKED, OnUpdateMarked)
END_MESSAGE_MAP()

class CTestFrame : public CFrameWnd {
public:
    explicit CTestFrame(UINT nMenu = IDR_TEST) : m_nMenu(nMenu) { }

    CPaneWnd m_wndPane;
    CCeCommandBar m_wndCommandBar;
    CPaneWnd m_wndPopup;  // made while the frame is being created, with no owner named
    BOOL m_bFullMenus = FALSE;
    // The type and size of every WM_SIZE.
    std::vector<std::pair<UINT, LPARAM>> m_sizes;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_SIZE)
            m_sizes.emplace_back(static_cast<UINT>(wParam), lParam);
        return CFrameWnd::WindowProc(message, wParam, lParam);
    }

    // The pane has the first word on every command and update request.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        if (m_wndPane.OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
            return TRUE;
        return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (CFrameWnd::OnCreate(lpcs) == -1)
            return -1;
        if (!m_wndPane.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, AFX_IDW_PANE_FIRST) ||
            !m_wndCommandBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_TOOLBAR) ||
            !m_wndCommandBar.InsertMenuBar(m_nMenu) || !m_wndCommandBar.AddAdornments() ||
            !m_wndCommandBar.LoadToolBar(IDR_TEST) ||
            !m_wndPopup.CreateEx(0, AfxRegisterWndClass(0, nullptr, CBrush(kPopupColor)), u"Helper",
                                 WS_POPUP | WS_BORDER, CRect(6, 180, 234, 260), nullptr, 1000))
            return -1;
        m_wndCommandBar.SetBarStyle(m_wndCommandBar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_FIXED);
        return 0;
    }
    afx_msg void OnToggle()
    {
        m_wndCommandBar.ResetCommandBar();
        m_wndCommandBar.InsertMenuBar(m_bFullMenus ? IDR_TEST : IDR_TEST_FULL);
        m_bFullMenus = !m_bFullMenus;
        m_wndCommandBar.AddAdornments();
        m_wndCommandBar.LoadToolBar(IDR_TEST);
    }
    afx_msg void OnEveryone() { g_log.push_back("frame"); }
    afx_msg void OnFrameAndApp() { g_log.push_back("frame"); }

    DECLARE_MESSAGE_MAP()

private:
    UINT m_nMenu;
};

BEGIN_MESSAGE_MAP(CTestFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_COMMAND(ID_TOGGLE, OnToggle)
    ON_COMMAND(ID_EVERYONE, OnEveryone)
    ON_COMMAND(ID_FRAME_AND_APP, OnFrameAndApp)
END_MESSAGE_MAP()

class CTestApp : public CWinApp {
public:
    explicit CTestApp(LPCTSTR lpszName = u"trellis") : CWinApp(lpszName) { }

    BOOL m_bAppOnlyEnabled = TRUE;
    int m_nAppOnlyUpdates = 0;
    BOOL m_bSaveResult = TRUE;

    BOOL SaveAllModified() override
    {
        g_log.push_back("save");
        return m_bSaveResult;
    }

protected:
    afx_msg void OnEveryone() { g_log.push_back("app"); }
    afx_msg void OnFrameAndApp() { g_log.push_back("app"); }
    afx_msg void OnAppOnly() { g_log.push_back("app"); }
    afx_msg void OnUpdateAppOnly(CCmdUI* pCmdUI)
    {
        ++m_nAppOnlyUpdates;
        pCmdUI->Enable(m_bAppOnlyEnabled);
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
    ON_COMMAND(ID_EVERYONE, OnEveryone)
    ON_COMMAND(ID_FRAME_AND_APP, OnFrameAndApp)
    ON_COMMAND(ID_APP_ONLY, OnAppOnly)
    ON_UPDATE_COMMAND_UI(ID_APP_ONLY, OnUpdateAppOnly)
END_MESSAGE_MAP()

class FrameTest : public ::testing::Test {
protected:
    FrameTest() : m_pOldResources(AfxGetResources())
    {
        AfxSetResources(&TestResources());
        g_log.clear();
        m_pFrame = new CTestFrame;
        m_app.m_pMainWnd = m_pFrame;
        m_bLoaded = m_pFrame->LoadFrame(IDR_TEST);
        m_hFrame = m_pFrame->GetSafeHwnd();
        Testing::RunIdle();
    }
    ~FrameTest() override
    {
        if (m_app.m_pMainWnd)
            m_app.m_pMainWnd->DestroyWindow();
        Testing::RunUntilIdle();
        AfxSetResources(m_pOldResources);
    }

    const ResourceSet* m_pOldResources;
    CTestApp m_app;
    CTestFrame* m_pFrame = nullptr;
    HWND m_hFrame = nullptr;
    BOOL m_bLoaded = FALSE;
};

}  // namespace

TEST_F(FrameTest, CommandsGoToThePaneThenTheFrameThenTheApplication)
{
    ASSERT_TRUE(m_bLoaded);
    m_pFrame->SendMessage(WM_COMMAND, ID_EVERYONE);
    m_pFrame->SendMessage(WM_COMMAND, ID_FRAME_AND_APP);
    m_pFrame->SendMessage(WM_COMMAND, ID_APP_ONLY);
    EXPECT_FALSE(m_pFrame->SendMessage(WM_COMMAND, ID_NOBODY));
    EXPECT_EQ(g_log, (std::vector<std::string> {"pane", "frame", "app"}));

    // The same way from the menu and from the buttons.
    g_log.clear();
    EXPECT_TRUE(Testing::ChooseMenuItem(*m_pFrame, ID_EVERYONE));
    EXPECT_TRUE(Testing::ChooseMenuItem(*m_pFrame, ID_FRAME_AND_APP));
    EXPECT_TRUE(Testing::ClickToolBarButton(*m_pFrame, ID_APP_ONLY));
    EXPECT_TRUE(Testing::ClickToolBarButton(*m_pFrame, ID_EVERYONE));
    EXPECT_EQ(g_log, (std::vector<std::string> {"pane", "frame", "app", "pane"}));
}

TEST_F(FrameTest, MenuItemsAreUpdatedBeforeTheMenuOpens)
{
    ASSERT_TRUE(m_bLoaded);
    EXPECT_FALSE(Testing::IsMenuItemEnabled(*m_pFrame, ID_PUZZLE));
    EXPECT_FALSE(Testing::ChooseMenuItem(*m_pFrame, ID_PUZZLE));
    m_pFrame->m_wndPane.m_bHasPuzzle = TRUE;  // no idle time in between
    EXPECT_TRUE(Testing::IsMenuItemEnabled(*m_pFrame, ID_PUZZLE));
    EXPECT_TRUE(Testing::ChooseMenuItem(*m_pFrame, ID_PUZZLE));
    EXPECT_EQ(g_log, std::vector<std::string> {"pane puzzle"});

    m_app.m_bAppOnlyEnabled = FALSE;
    EXPECT_FALSE(Testing::IsMenuItemEnabled(*m_pFrame, ID_APP_ONLY));
    // Without any handler an item is disabled; with a command handler alone, enabled.
    EXPECT_FALSE(Testing::IsMenuItemEnabled(*m_pFrame, ID_NOBODY));
    EXPECT_TRUE(Testing::IsMenuItemEnabled(*m_pFrame, ID_FRAME_AND_APP));
    EXPECT_TRUE(Testing::IsMenuItemEnabled(*m_pFrame, ID_TOGGLE));
}

TEST_F(FrameTest, AnUpdateHandlerPutsACheckMarkOnItsItemOrTakesItOff)
{
    ASSERT_TRUE(m_bLoaded);
    ASSERT_TRUE(Testing::ChooseMenuItem(*m_pFrame, ID_TOGGLE));
    EXPECT_FALSE(Testing::IsMenuItemChecked(*m_pFrame, ID_MARKED));
    ASSERT_TRUE(Testing::ChooseMenuItem(*m_pFrame, ID_MARKED));
    EXPECT_EQ(m_pFrame->m_wndPane.m_nMarked, 1);
    EXPECT_TRUE(Testing::IsMenuItemChecked(*m_pFrame, ID_MARKED));
    ASSERT_TRUE(Testing::ChooseMenuItem(*m_pFrame, ID_MARKED));
    EXPECT_FALSE(Testing::IsMenuItemChecked(*m_pFrame, ID_MARKED));
    // Items whose handler never checks them show no mark.
    EXPECT_FALSE(Testing::IsMenuItemChecked(*m_pFrame, ID_APP_ONLY));
}

TEST_F(FrameTest, ButtonsAreUpdatedWhenTheProgramGoesIdle)
{
    ASSERT_TRUE(m_bLoaded);
    EXPECT_FALSE(Testing::IsToolBarButtonEnabled(*m_pFrame, ID_PUZZLE));
    EXPECT_FALSE(Testing::IsToolBarButtonEnabled(*m_pFrame, ID_NOBODY));
    EXPECT_TRUE(Testing::IsToolBarButtonEnabled(*m_pFrame, ID_EVERYONE));
    EXPECT_FALSE(Testing::ClickToolBarButton(*m_pFrame, ID_PUZZLE));

    m_pFrame->m_wndPane.m_bHasPuzzle = TRUE;
    EXPECT_FALSE(Testing::IsToolBarButtonEnabled(*m_pFrame, ID_PUZZLE));  // not until idle
    Testing::RunIdle();
    EXPECT_TRUE(Testing::IsToolBarButtonEnabled(*m_pFrame, ID_PUZZLE));
    EXPECT_TRUE(Testing::ClickToolBarButton(*m_pFrame, ID_PUZZLE));
    EXPECT_EQ(g_log, std::vector<std::string> {"pane puzzle"});

    // A button still showing enabled does nothing once its command is disabled.
    m_pFrame->m_wndPane.m_bHasPuzzle = FALSE;
    EXPECT_TRUE(Testing::ClickToolBarButton(*m_pFrame, ID_PUZZLE));
    EXPECT_EQ(g_log.size(), 1u);
    Testing::RunIdle();
    EXPECT_FALSE(Testing::IsToolBarButtonEnabled(*m_pFrame, ID_PUZZLE));
}

TEST_F(FrameTest, SwitchingMenusKeepsTheButtonsAndTheCloseButton)
{
    ASSERT_TRUE(m_bLoaded);
    const std::vector<UINT> buttons {ID_PUZZLE, ID_EVERYONE, 0, ID_APP_ONLY, ID_NOBODY, ID_FRAME_AND_APP};
    EXPECT_EQ(Testing::MenuTitles(*m_pFrame), std::vector<std::u16string> {u"File"});
    EXPECT_EQ(Testing::MenuItemTexts(*m_pFrame, 0),
              (std::vector<std::u16string> {u"Full Menus", u"", u"Everyone", u"Frame And App", u"App Only", u"Nobody",
                                            u"Puzzle", u"", u"Exit"}));
    EXPECT_EQ(Testing::ToolBarButtons(*m_pFrame), buttons);
    EXPECT_TRUE(Testing::HasCloseButton(*m_pFrame));

    ASSERT_TRUE(Testing::ChooseMenuItem(*m_pFrame, ID_TOGGLE));
    EXPECT_EQ(Testing::MenuTitles(*m_pFrame), (std::vector<std::u16string> {u"File", u"Options", u"Solve"}));
    EXPECT_EQ(Testing::MenuItemTexts(*m_pFrame, 0).front(), u"Small Menu");
    EXPECT_EQ(Testing::MenuItemTexts(*m_pFrame, 2), (std::vector<std::u16string> {u"Show Letter", u"Check"}));
    EXPECT_EQ(Testing::ToolBarButtons(*m_pFrame), buttons);
    EXPECT_TRUE(Testing::HasCloseButton(*m_pFrame));

    ASSERT_TRUE(Testing::ChooseMenuItem(*m_pFrame, ID_TOGGLE));
    EXPECT_EQ(Testing::MenuTitles(*m_pFrame), std::vector<std::u16string> {u"File"});
    EXPECT_EQ(Testing::MenuItemTexts(*m_pFrame, 0).front(), u"Full Menus");
    EXPECT_EQ(Testing::ToolBarButtons(*m_pFrame), buttons);
    // The new buttons are updated like the old ones.
    Testing::RunIdle();
    EXPECT_FALSE(Testing::IsToolBarButtonEnabled(*m_pFrame, ID_PUZZLE));
    EXPECT_TRUE(Testing::IsToolBarButtonEnabled(*m_pFrame, ID_APP_ONLY));
}

// Exit and the close button closing the frame when saving succeeds are proven
// end to end.
TEST_F(FrameTest, EveryCloseOfTheMainFrameLetsTheApplicationSaveFirst)
{
    ASSERT_TRUE(m_bLoaded);
    m_pFrame->ShowWindow(SW_SHOWNORMAL);
    // Refused: the frame stays, whichever way it was closed.
    m_app.m_bSaveResult = FALSE;
    EXPECT_TRUE(Testing::ChooseMenuItem(*m_pFrame, ID_EXIT));
    EXPECT_TRUE(Testing::PressCloseButton(*m_pFrame));
    EXPECT_TRUE(Testing::CloseFromDesktop(*m_pFrame));
    EXPECT_EQ(g_log, (std::vector<std::string> {"save", "save", "save"}));
    EXPECT_EQ(AfxGetMainWnd(), m_pFrame);
    EXPECT_NE(CWnd::FromHandle(m_hFrame), nullptr);

    m_app.m_bSaveResult = TRUE;
    EXPECT_TRUE(Testing::CloseFromDesktop(*m_pFrame));
    EXPECT_EQ(g_log.size(), 4u);
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
    EXPECT_EQ(CWnd::FromHandle(m_hFrame), nullptr);

    // Another frame is no business of the application's.
    g_log.clear();
    auto* pOther = new CTestFrame;
    ASSERT_TRUE(pOther->LoadFrame(IDR_TEST));
    const HWND hOther = pOther->GetSafeHwnd();
    EXPECT_TRUE(Testing::PressCloseButton(*pOther));
    EXPECT_EQ(CWnd::FromHandle(hOther), nullptr);
    EXPECT_TRUE(g_log.empty());
}

TEST_F(FrameTest, OpensTitledWithAPaneOfTheHandheldsScreenUnderTheBar)
{
    ASSERT_TRUE(m_bLoaded);
    CString strTitle;
    m_pFrame->GetWindowText(strTitle);
    EXPECT_EQ(strTitle, u"tester");
    EXPECT_EQ(m_pFrame->GetTitle(), u"tester");

    CRect rcPane, rcBar, rcFrame;
    m_pFrame->m_wndPane.GetClientRect(&rcPane);
    EXPECT_EQ(rcPane.Width(), 240);
    EXPECT_EQ(rcPane.Height(), 268);
    m_pFrame->GetClientRect(&rcFrame);
    m_pFrame->m_wndCommandBar.GetClientRect(&rcBar);
    EXPECT_EQ(rcBar.Width(), 240);
    EXPECT_GT(rcBar.Height(), 0);
    EXPECT_EQ(rcFrame.Height(), rcBar.Height() + 268);
    EXPECT_EQ(m_pFrame->GetDlgItem(AFX_IDW_TOOLBAR), &m_pFrame->m_wndCommandBar);
    EXPECT_EQ(m_pFrame->GetDlgItem(AFX_IDW_PANE_FIRST), &m_pFrame->m_wndPane);
    EXPECT_EQ(m_pFrame->m_wndCommandBar.GetBarStyle(), CBRS_TOP | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_FIXED);
    CRect rcPaneOnScreen, rcBarOnScreen;
    m_pFrame->m_wndPane.GetWindowRect(&rcPaneOnScreen);
    m_pFrame->m_wndCommandBar.GetWindowRect(&rcBarOnScreen);
    EXPECT_EQ(rcPaneOnScreen.top, rcBarOnScreen.bottom);
    EXPECT_EQ(rcPaneOnScreen.left, rcBarOnScreen.left);
}

// Minimised, a top-level window hears SIZE_MINIMIZED (0 x 0) and keeps its
// panes as they were; brought back, it hears how it shows again, with its size.
TEST_F(FrameTest, MinimisingAndRestoringAreSizeMessages)
{
    ASSERT_TRUE(m_bLoaded);
    m_pFrame->ShowWindow(SW_SHOW);
    Testing::RunUntilIdle();
    CRect rcClient;
    m_pFrame->GetClientRect(&rcClient);
    const LPARAM lSize = MAKELPARAM(static_cast<unsigned>(rcClient.Width()), static_cast<unsigned>(rcClient.Height()));
    WINDOWPLACEMENT wp {};
    wp.length = sizeof(wp);
    ASSERT_TRUE(m_pFrame->GetWindowPlacement(&wp));
    const auto show = [&](UINT nShow) {
        m_pFrame->m_sizes.clear();
        wp.showCmd = nShow;
        ASSERT_TRUE(m_pFrame->SetWindowPlacement(&wp));
        Testing::RunUntilIdle();
    };
    show(SW_SHOWMINIMIZED);
    ASSERT_FALSE(m_pFrame->m_sizes.empty());
    EXPECT_EQ(m_pFrame->m_sizes.back(), std::make_pair(SIZE_MINIMIZED, LPARAM(0)));
    CRect rcPane;
    m_pFrame->m_wndPane.GetClientRect(&rcPane);
    EXPECT_EQ(rcPane.Width(), 240);
    EXPECT_EQ(rcPane.Height(), 268);
    show(SW_SHOWNORMAL);
    ASSERT_FALSE(m_pFrame->m_sizes.empty());
    EXPECT_EQ(m_pFrame->m_sizes.front(), std::make_pair(SIZE_RESTORED, lSize));
    // A change that is neither sends no such message.
    show(SW_SHOWNORMAL);
    EXPECT_TRUE(m_pFrame->m_sizes.empty());
}

TEST_F(FrameTest, AtTheScreensWidthTheButtonsWrapUnderLongMenus)
{
    ASSERT_TRUE(m_bLoaded);
    EXPECT_FALSE(Testing::ToolBarWrapped(*m_pFrame));
    CRect rcBar;
    m_pFrame->m_wndCommandBar.GetClientRect(&rcBar);
    const int nOneRow = rcBar.Height();

    ASSERT_TRUE(Testing::ChooseMenuItem(*m_pFrame, ID_TOGGLE));
    EXPECT_TRUE(Testing::ToolBarWrapped(*m_pFrame));
    m_pFrame->m_wndCommandBar.GetClientRect(&rcBar);
    EXPECT_GT(rcBar.Height(), nOneRow);
    CRect rcPane, rcFrame;
    m_pFrame->m_wndPane.GetClientRect(&rcPane);
    m_pFrame->GetClientRect(&rcFrame);
    EXPECT_EQ(rcPane.Height(), rcFrame.Height() - rcBar.Height());  // the pane gives way

    // A wider frame has room for one row again (only a shown frame has edges to drag).
    m_pFrame->ShowWindow(SW_SHOW);
    Testing::Resize(m_pFrame, 600, rcFrame.Height());
    EXPECT_FALSE(Testing::ToolBarWrapped(*m_pFrame));
    m_pFrame->m_wndPane.GetClientRect(&rcPane);
    EXPECT_EQ(rcPane.Width(), 600);
}

TEST_F(FrameTest, TheFocusPassesOnToThePane)
{
    ASSERT_TRUE(m_bLoaded);
    m_pFrame->ShowWindow(SW_SHOW);  // activation gives the frame the focus
    Testing::RunUntilIdle();
    EXPECT_EQ(CWnd::GetFocus(), &m_pFrame->m_wndPane);

    m_pFrame->m_wndCommandBar.SetFocus();
    m_pFrame->SetFocus();
    EXPECT_EQ(CWnd::GetFocus(), &m_pFrame->m_wndPane);
}

TEST_F(FrameTest, APopUpMadeWhileTheFrameIsCreatedBelongsToIt)
{
    ASSERT_TRUE(m_bLoaded);
    m_pFrame->ShowWindow(SW_SHOW);
    m_pFrame->m_wndPopup.ShowWindow(SW_SHOW);
    Testing::RunUntilIdle();
    const CRect rcExpected(6, 180, 234, 260);
    CRect rc;
    m_pFrame->m_wndPopup.GetWindowRect(&rc);
    EXPECT_EQ(rc, rcExpected);
    EXPECT_EQ(Testing::ScreenPixelAt(m_pFrame, 100, 220), kPopupColor);

    // The user drags the frame elsewhere: the pop-up goes with it.
    CRect rcFrame;
    m_pFrame->GetWindowRect(&rcFrame);
    Testing::DragBy(m_pFrame, 40, 25);
    Testing::RunUntilIdle();
    m_pFrame->GetWindowRect(&rc);
    ASSERT_EQ(rc.TopLeft(), CPoint(rcFrame.left + 40, rcFrame.top + 25));
    m_pFrame->m_wndPopup.GetWindowRect(&rc);
    EXPECT_EQ(rc, rcExpected);
    EXPECT_EQ(Testing::ScreenPixelAt(m_pFrame, 100, 220), kPopupColor);
}

TEST_F(FrameTest, ClosingAModalWindowRepaintsEveryWindowOfTheFrame)
{
    ASSERT_TRUE(m_bLoaded);
    CPaneWnd& pane = m_pFrame->m_wndPane;
    CPaneWnd& popup = m_pFrame->m_wndPopup;
    CPaneWnd partly;  // hangs over the pane's bottom-right corner: 40 x 18 of it can be seen
    ASSERT_TRUE(partly.Create(nullptr, u"partly", WS_CHILD | WS_VISIBLE, CRect(200, 250, 300, 300), &pane, 5));
    m_pFrame->ShowWindow(SW_SHOW);
    popup.ShowWindow(SW_SHOW);
    Testing::RunUntilIdle();

    Testing::ScriptedDialogs dialogs;
    Testing::ScriptedMessageBoxes boxes;
    Testing::ScriptedFileDialogs files;
    const std::pair<const char*, std::function<void()>> modals[] = {
        {"dialog",
         [&dialogs] {
             dialogs.Queue([](CDialog& dlg) { Testing::PressOK(dlg); });
             CDialog dlg(IDD_MODAL);
             EXPECT_EQ(dlg.DoModal(), IDOK);
         }},
        {"message box", [] { AfxMessageBox(u"Done.", MB_OK); }},
        {"file dialog", [] { CFileDialog(TRUE, nullptr, nullptr, 0, u"All Files (*.*)|*.*||").DoModal(); }},
    };
    using Paints = std::vector<std::pair<CRect, BOOL>>;
    for (const auto& [pszKind, open] : modals) {
        for (CPaneWnd* pWnd : {&pane, &popup, &partly})
            pWnd->m_paints.clear();
        open();
        EXPECT_TRUE(pane.m_paints.empty()) << pszKind << ": painted only from the event loop";
        Testing::RunUntilIdle();
        // Erased: the pane has no class brush, so its paint is asked to; the
        // pop-up's brush has done it (fErase FALSE).
        EXPECT_EQ(pane.m_paints, (Paints {{CRect(0, 0, 240, 268), TRUE}})) << pszKind;
        EXPECT_EQ(popup.m_paints, (Paints {{CRect(0, 0, 226, 78), FALSE}})) << pszKind;
        EXPECT_EQ(partly.m_paints, (Paints {{CRect(0, 0, 40, 18), TRUE}})) << pszKind;
    }
    // The rest of it is painted when it comes into view.
    partly.m_paints.clear();
    partly.MoveWindow(100, 150, 100, 50, TRUE);
    Testing::RunUntilIdle();
    EXPECT_EQ(partly.m_paints, (Paints {{CRect(0, 0, 100, 50), TRUE}}));
    EXPECT_EQ(dialogs.Opened().size(), 1u);
    EXPECT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(files.Shown().size(), 1u);
}

TEST(FrameCreation, AFrameWhoseBarCannotBeBuiltIsNotCreated)
{
    const ResourceSet* pOld = AfxGetResources();
    AfxSetResources(&TestResources());
    CTestApp app;
    auto* pKept = new CTestFrame(IDR_NO_SUCH_MENU);
    pKept->m_bAutoDelete = FALSE;
    EXPECT_FALSE(pKept->LoadFrame(IDR_TEST));
    EXPECT_EQ(pKept->GetSafeHwnd(), nullptr);
    delete pKept;

    // As the main window, the half-made frame goes with its window.
    app.m_pMainWnd = new CTestFrame(IDR_NO_SUCH_MENU);
    EXPECT_FALSE(static_cast<CFrameWnd*>(app.m_pMainWnd)->LoadFrame(IDR_TEST));
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    AfxSetResources(pOld);
}

namespace {

// Starts, shows its frame and chooses Exit from the event loop.
class CExitingApp : public CTestApp {
public:
    CExitingApp() : CTestApp(nullptr) { }  // named after the executable

    BOOL m_bInitResult = TRUE;
    BOOL m_bRan = FALSE;

    BOOL InitInstance() override
    {
        if (!m_bInitResult)
            return FALSE;
        auto* pFrame = new CTestFrame;
        m_pMainWnd = pFrame;
        if (!pFrame->LoadFrame(IDR_TEST))
            return FALSE;
        pFrame->ShowWindow(m_nCmdShow);
        pFrame->UpdateWindow();
        pFrame->PostMessage(WM_COMMAND, ID_EXIT);
        return TRUE;
    }
    int ExitInstance() override
    {
        m_bRan = TRUE;
        return CTestApp::ExitInstance();
    }
};

}  // namespace

namespace {

constexpr UINT WM_RAISE = WM_USER + 50;

// Raises a signal at itself from inside the event loop.
class CSignallingFrame : public CTestFrame {
public:
    int m_nSignal = 0;

protected:
    afx_msg LRESULT OnRaise(WPARAM, LPARAM)
    {
        std::raise(m_nSignal);
        return 0;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSignallingFrame, CTestFrame)
    ON_MESSAGE(WM_RAISE, OnRaise)
END_MESSAGE_MAP()

class CSignalledApp : public CTestApp {
public:
    explicit CSignalledApp(int nSignal) : m_nSignal(nSignal) { }

    BOOL InitInstance() override
    {
        auto* pFrame = new CSignallingFrame;
        pFrame->m_nSignal = m_nSignal;
        m_pMainWnd = pFrame;
        if (!pFrame->LoadFrame(IDR_TEST))
            return FALSE;
        pFrame->ShowWindow(m_nCmdShow);
        pFrame->PostMessage(WM_RAISE);
        return TRUE;
    }
    int ExitInstance() override
    {
        g_log.push_back("exit");
        return CTestApp::ExitInstance();
    }

private:
    int m_nSignal;
};

}  // namespace

TEST(AfxWinMain, ATerminationSignalSavesAndEndsTheLoopInOrder)
{
    const ResourceSet* pOld = AfxGetResources();
    AfxSetResources(&TestResources());
    Testing::TemporarySettings settings;
    char szName[] = "trellis";
    char* argv[] = {szName, nullptr};
    for (int nSignal : {SIGTERM, SIGINT, SIGHUP}) {
        g_log.clear();
        CSignalledApp app(nSignal);
        EXPECT_EQ(AfxWinMain(1, argv), 0) << nSignal;
        EXPECT_EQ(g_log, (std::vector<std::string> {"save", "exit"})) << nSignal;
        EXPECT_EQ(AfxGetMainWnd(), nullptr);
        // Outside the loop the signal means what it meant before.
        struct sigaction now = {};
        sigaction(nSignal, nullptr, &now);
        EXPECT_EQ(now.sa_handler, SIG_DFL) << nSignal;
    }
    AfxSetResources(pOld);
}

TEST(AfxWinMain, RunsInitInstanceThenTheLoopUntilTheMainWindowCloses)
{
    const ResourceSet* pOld = AfxGetResources();
    AfxSetResources(&TestResources());
    Testing::TemporarySettings settings;
    CExitingApp app;
    char szName[] = "/opt/somewhere/trellis.exe";
    char* argv[] = {szName, nullptr};
    EXPECT_EQ(AfxWinMain(1, argv), 0);
    EXPECT_TRUE(app.m_bRan);
    ASSERT_NE(app.m_pszAppName, nullptr);
    EXPECT_EQ(std::u16string(app.m_pszAppName), u"trellis");
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
    EXPECT_GT(app.m_nAppOnlyUpdates, 0);  // the loop went idle: the buttons were updated

    CExitingApp refusing;
    refusing.m_bInitResult = FALSE;
    EXPECT_EQ(AfxWinMain(1, argv), 1);
    EXPECT_TRUE(refusing.m_bRan);
    AfxSetResources(pOld);
}
