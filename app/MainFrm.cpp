// SPDX-License-Identifier: MIT
#include "app/MainFrm.h"

#include "app/PuzzleApp.h"

#include "res/resource.h"

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_SETFOCUS()
    ON_COMMAND(ID_TOGGLE_MENUS, OnToggleMenus)
    ON_WM_DROPFILES()
    ON_WM_TIMER()
END_MESSAGE_MAP()

CMainFrame::CMainFrame() = default;

CMainFrame::~CMainFrame()
{
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
    // Puzzle and solution files may be dropped on the window from the desktop.
    DragAcceptFiles(m_hWnd, TRUE);
    return 0;
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
