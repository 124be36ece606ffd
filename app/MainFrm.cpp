// SPDX-License-Identifier: MIT
#include "app/MainFrm.h"

#include "app/PuzzleApp.h"

#include "res/resource.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SETFOCUS()
    ON_COMMAND(ID_TOGGLE_MENUS, OnToggleMenus)
    ON_COMMAND(ID_VIEW_CLUE_LISTS, OnViewClueLists)
    ON_UPDATE_COMMAND_UI(ID_VIEW_CLUE_LISTS, OnUpdateViewClueLists)
    ON_NOTIFY(SPN_DRAG, IDC_SPLITTER, OnSplitterDrag)
    ON_WM_DROPFILES()
    ON_WM_TIMER()
    ON_WM_SIZE()
    ON_COMMAND(ID_VIEW_TIMER, OnViewTimer)
    ON_UPDATE_COMMAND_UI(ID_VIEW_TIMER, OnUpdateViewTimer)
END_MESSAGE_MAP()

CMainFrame::CMainFrame() = default;

CMainFrame::~CMainFrame()
{
    m_wndStatusLine.DestroyWindow();
    m_wndSplitter.DestroyWindow();
    m_wndClueLists.DestroyWindow();
    m_wndPuzzle.DestroyWindow();
    m_wndCommandBar.DestroyWindow();
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    cs.lpszClass = AfxRegisterWndClass(0);
    return TRUE;
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_wndPuzzle.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 0, 0), this,
                            AFX_IDW_PANE_FIRST, nullptr))
        return -1;
    if (!m_wndCommandBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_TOOLBAR))
        return -1;
    if (!m_wndCommandBar.InsertMenuBar(IDR_MAINFRAME))
        return -1;
    if (!m_wndCommandBar.AddAdornments())
        return -1;
    if (!m_wndCommandBar.LoadToolBar(IDR_MAINFRAME))
        return -1;
    m_wndCommandBar.SetBarStyle(m_wndCommandBar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_FIXED);
    // The clue lists and their bar, hidden until a window state shows them.
    const CRect rcEmpty(0, 0, 0, 0);
    if (!m_wndClueLists.Create(nullptr, u"lists", WS_CHILD, rcEmpty, this, IDC_CLUE_LISTS))
        return -1;
    if (!m_wndSplitter.Create(nullptr, nullptr, WS_CHILD, rcEmpty, this, IDC_SPLITTER))
        return -1;
    if (!m_wndStatusLine.Create(nullptr, u"status", WS_CHILD, rcEmpty, this, IDC_STATUS_LINE))
        return -1;
    m_wndClueLists.SetGrid(&m_wndPuzzle.GetGrid());
    m_wndPuzzle.SetClueLists(&m_wndClueLists);
    m_wndPuzzle.SetStatusLine(&m_wndStatusLine);
    // Puzzle and solution files may be dropped on the window from the desktop.
    DragAcceptFiles(m_hWnd, TRUE);
    return 0;
}

void CMainFrame::OnDestroy()
{
    // The next start opens the window as it is left.
    if (m_bStateApplied)
        GetWindowState().Write(*AfxGetApp());
    CFrameWnd::OnDestroy();
}

CRect CMainFrame::PanesRect() const
{
    CRect rcClient;
    GetClientRect(&rcClient);
    const int nBar = m_wndCommandBar.GetSafeHwnd() && (m_wndCommandBar.GetStyle() & WS_VISIBLE)
                         ? std::min(m_wndCommandBar.CalcHeight(rcClient.Width()), rcClient.Height())
                         : 0;
    return CRect(0, nBar, rcClient.Width(), rcClient.Height());
}

int CMainFrame::ListExtent(int nTotal, int nWanted, int nLeastPuzzle)
{
    const int nRoom = std::max(0, nTotal - SPLITTER_SIZE);
    // The puzzle window keeps the handheld's room first; the lists keep
    // their least, or half of what there is.
    int nExtent = std::min(nWanted, nRoom - nLeastPuzzle);
    nExtent = std::max(nExtent, std::min(CClueListWnd::MIN_LIST_WIDTH, nRoom / 2));
    return std::clamp(nExtent, 0, nRoom);
}

void CMainFrame::PlaceStatusLine(CRect& rcOver)
{
    if (!m_wndStatusLine.GetSafeHwnd())
        return;
    if (!m_bStatusLine) {
        if (m_wndStatusLine.GetStyle() & WS_VISIBLE)
            m_wndStatusLine.ShowWindow(SW_HIDE);
        return;
    }
    const int nLine = std::clamp(m_wndStatusLine.GetLineHeight(), 0, static_cast<int>(rcOver.Height()));
    rcOver.bottom -= nLine;
    m_wndStatusLine.MoveWindow(rcOver.left, rcOver.bottom, rcOver.Width(), nLine);
    if (!(m_wndStatusLine.GetStyle() & WS_VISIBLE))
        m_wndStatusLine.ShowWindow(SW_SHOW);
}

void CMainFrame::RepositionPanes(const CRect& rcPanes)
{
    if (!m_bClueLists || !m_wndClueLists.GetSafeHwnd() || !m_wndSplitter.GetSafeHwnd()) {
        for (CWnd* pWnd : {static_cast<CWnd*>(&m_wndClueLists), static_cast<CWnd*>(&m_wndSplitter)}) {
            if (pWnd->GetSafeHwnd() && (pWnd->GetStyle() & WS_VISIBLE))
                pWnd->ShowWindow(SW_HIDE);
        }
        // Without the lists the line with the time lies under the puzzle window.
        CRect rcPuzzle = rcPanes;
        PlaceStatusLine(rcPuzzle);
        CFrameWnd::RepositionPanes(rcPuzzle);
        return;
    }
    // Beside a wide area, below a tall one; near square, where they were.
    const int cx = rcPanes.Width();
    const int cy = rcPanes.Height();
    if (cx * 4 >= cy * 5)
        m_bListsBelow = FALSE;
    else if (cy * 4 >= cx * 5)
        m_bListsBelow = TRUE;
    // The line with the time takes the bottom of the lists' area, so that
    // the puzzle window keeps its room.
    CRect rcLists;
    if (m_bListsBelow) {
        const int nLists = ListExtent(cy, m_nListHeight, AFX_FRAME_PANE_HEIGHT);
        const int yBar = rcPanes.bottom - nLists - SPLITTER_SIZE;
        m_wndPuzzle.MoveWindow(rcPanes.left, rcPanes.top, cx, yBar - rcPanes.top);
        m_wndSplitter.MoveWindow(rcPanes.left, yBar, cx, SPLITTER_SIZE);
        rcLists = CRect(rcPanes.left, yBar + SPLITTER_SIZE, rcPanes.right, rcPanes.bottom);
    } else {
        const int nLists = ListExtent(cx, m_nListWidth, AFX_FRAME_PANE_WIDTH);
        const int xBar = rcPanes.right - nLists - SPLITTER_SIZE;
        m_wndPuzzle.MoveWindow(rcPanes.left, rcPanes.top, xBar - rcPanes.left, cy);
        m_wndSplitter.MoveWindow(xBar, rcPanes.top, SPLITTER_SIZE, cy);
        rcLists = CRect(xBar + SPLITTER_SIZE, rcPanes.top, rcPanes.right, rcPanes.bottom);
    }
    PlaceStatusLine(rcLists);
    m_wndClueLists.MoveWindow(rcLists.left, rcLists.top, rcLists.Width(), rcLists.Height());
    if (!(m_wndClueLists.GetStyle() & WS_VISIBLE)) {
        m_wndSplitter.ShowWindow(SW_SHOW);
        m_wndClueLists.ShowWindow(SW_SHOW);
        // Hidden, the lists followed nothing.
        m_wndClueLists.ShowSelection();
    }
}

void CMainFrame::ShowClueLists(BOOL bShow)
{
    m_bClueLists = bShow ? TRUE : FALSE;
    // Shown in a window too narrow for them beside the handheld's screen, as
    // a window left at that size is, the lists widen the window, as far as
    // the work area goes.
    const CRect rcPanes = PanesRect();
    const int nWanted = AFX_FRAME_PANE_WIDTH + SPLITTER_SIZE + m_nListWidth;
    WINDOWPLACEMENT wp {};
    wp.length = sizeof(wp);
    CRect rcWork;
    if (m_bClueLists && rcPanes.Width() < nWanted && GetWindowPlacement(&wp) && wp.showCmd == SW_SHOWNORMAL &&
        SystemParametersInfo(SPI_GETWORKAREA, 0, &rcWork, 0)) {
        CRect rcWindow(wp.rcNormalPosition);
        rcWindow.right = std::max(static_cast<int>(rcWindow.right),
                                  std::min(rcWindow.left + nWanted, rcWork.right - DESKTOP_FRAME_WIDTH / 2));
        wp.rcNormalPosition = rcWindow;
        SetWindowPlacement(&wp);
    }
    RecalcLayout();
}

void CMainFrame::OnViewClueLists()
{
    ShowClueLists(!m_bClueLists);
}

void CMainFrame::OnUpdateViewClueLists(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_bClueLists ? 1 : 0);
}

void CMainFrame::ShowStatusLine(BOOL bShow)
{
    m_bStatusLine = bShow ? TRUE : FALSE;
    RecalcLayout();
}

void CMainFrame::OnViewTimer()
{
    ShowStatusLine(!m_bStatusLine);
}

void CMainFrame::OnUpdateViewTimer(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_bStatusLine ? 1 : 0);
}

void CMainFrame::OnSize(UINT nType, int cx, int cy)
{
    CFrameWnd::OnSize(nType, cx, cy);
    m_wndPuzzle.SetMinimized(nType == SIZE_MINIMIZED);
}

void CMainFrame::OnSplitterDrag(NMHDR* pNotifyStruct, LRESULT* /*pResult*/)
{
    const auto* pDrag = reinterpret_cast<const NMSPLITTERBAR*>(pNotifyStruct);
    const CRect rcPanes = PanesRect();
    // The user's choice, as far as the room allows it now.
    if (m_bListsBelow)
        m_nListHeight =
            ListExtent(rcPanes.Height(), rcPanes.bottom - pDrag->nPos - SPLITTER_SIZE, AFX_FRAME_PANE_HEIGHT);
    else
        m_nListWidth = ListExtent(rcPanes.Width(), rcPanes.right - pDrag->nPos - SPLITTER_SIZE, AFX_FRAME_PANE_WIDTH);
    RecalcLayout();
}

void CMainFrame::LoadWindowState()
{
    CWindowState state;
    state.Read(*AfxGetApp());
    ApplyWindowState(state);
}

void CMainFrame::ApplyWindowState(const CWindowState& state)
{
    if (state.m_bFullMenus != m_bFullMenus)
        OnToggleMenus();
    m_bClueLists = state.m_bClueLists;
    m_bListsBelow = state.m_bListsBelow;
    m_nListWidth = state.m_nListWidth;
    m_nListHeight = state.m_nListHeight;
    m_bStatusLine = state.m_bStatusLine;

    // The window as large as asked, the command bar on top, within the
    // desktop, with room there for the frame the desktop draws round it: in
    // its place when its top edge can be reached there, else in the middle
    // of the main screen's work area.
    CRect rcWork(0, 0, DEFAULT_PANES_WIDTH, DEFAULT_PANES_HEIGHT);
    SystemParametersInfo(SPI_GETWORKAREA, 0, &rcWork, 0);
    CRect rcDesktop(CPoint(GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN)),
                    CSize(GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)));
    if (rcDesktop.IsRectEmpty())
        rcDesktop = rcWork;
    auto sizeWithin = [&](const CRect& rcArea) {
        const int cx = std::max(1, std::min(state.m_sizePanes.cx, rcArea.Width() - DESKTOP_FRAME_WIDTH));
        const int cy = std::max(
            1, std::min(m_wndCommandBar.CalcHeight(cx) + state.m_sizePanes.cy, rcArea.Height() - DESKTOP_FRAME_HEIGHT));
        return CSize(cx, cy);
    };
    CRect rcWindow(state.m_ptTopLeft, sizeWithin(rcDesktop));
    const CRect rcReach(rcDesktop.left - rcWindow.Width() / 2, rcDesktop.top, rcDesktop.right - rcWindow.Width() / 2,
                        rcDesktop.bottom - rcWindow.Height() / 4);
    if (!state.m_bPlaced || !rcReach.PtInRect(rcWindow.TopLeft())) {
        const CSize size = sizeWithin(rcWork);
        rcWindow = CRect(
            CPoint(rcWork.left + (rcWork.Width() - size.cx) / 2, rcWork.top + (rcWork.Height() - size.cy) / 2), size);
    }
    WINDOWPLACEMENT wp {};
    wp.length = sizeof(wp);
    wp.showCmd = state.m_bMaximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
    wp.rcNormalPosition = rcWindow;
    SetWindowPlacement(&wp);
    RecalcLayout();
    m_bStateApplied = TRUE;
}

CWindowState CMainFrame::GetWindowState() const
{
    CWindowState state;
    WINDOWPLACEMENT wp {};
    wp.length = sizeof(wp);
    if (GetWindowPlacement(&wp)) {
        const CRect rc(wp.rcNormalPosition);
        state.m_bPlaced = TRUE;
        state.m_ptTopLeft = rc.TopLeft();
        state.m_sizePanes = CSize(rc.Width(), rc.Height() - m_wndCommandBar.CalcHeight(rc.Width()));
        state.m_bMaximized = wp.showCmd == SW_SHOWMAXIMIZED;
    }
    state.m_bFullMenus = m_bFullMenus;
    state.m_bClueLists = m_bClueLists;
    state.m_bListsBelow = m_bListsBelow;
    state.m_nListWidth = m_nListWidth;
    state.m_nListHeight = m_nListHeight;
    state.m_bStatusLine = m_bStatusLine;
    return state;
}

void CMainFrame::OnSetFocus(CWnd* /*pOldWnd*/)
{
    m_wndPuzzle.SetFocus();
}

BOOL CMainFrame::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The puzzle window carries out the Solve commands, so it sees every command first.
    if (m_wndPuzzle.OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CMainFrame::OnToggleMenus()
{
    // A failure here leaves the bar as it is; there is nothing better to show.
    m_wndCommandBar.ResetCommandBar();
    m_wndCommandBar.InsertMenuBar(m_bFullMenus ? IDR_MAINFRAME : IDR_FULLMENU);
    m_bFullMenus = !m_bFullMenus;
    m_wndCommandBar.AddAdornments();
    m_wndCommandBar.LoadToolBar(IDR_MAINFRAME);
}

void CMainFrame::ShowPuzzleTitle(const CString& strPuzzle)
{
    SetWindowText(strPuzzle.IsEmpty() ? GetTitle().GetString() : (GetTitle() + u" - " + strPuzzle).GetString());
}

void CMainFrame::OnDropFiles(HDROP hDropInfo)
{
    std::vector<CString> files;
    const UINT nFiles = DragQueryFile(hDropInfo, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < nFiles; i++) {
        CString strFile(u' ', static_cast<int>(DragQueryFile(hDropInfo, i, nullptr, 0)));
        DragQueryFile(hDropInfo, i, strFile.data(), static_cast<UINT>(strFile.size() + 1));
        files.push_back(strFile);
    }
    DragFinish(hDropInfo);
    theApp.OpenDroppedFiles(files);
}

void CMainFrame::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == CPuzzleApp::kProgressTimer)
        theApp.OnProgressTimer();
}
