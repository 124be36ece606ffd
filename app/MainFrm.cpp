#include "app/MainFrm.h"

#include "res/resource.h"

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_SETFOCUS()
    ON_COMMAND(ID_TOGGLE_MENUS, OnToggleMenus)
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
