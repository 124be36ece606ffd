// SPDX-License-Identifier: MIT
#include "platform/FrameWnd.h"

#include "platform/CeCommandBar.h"
#include "platform/ShellPrivate.h"
#include "platform/WinApp.h"
#include "platform/WndPrivate.h"

#include <QCoreApplication>
#include <QEvent>
#include <QIcon>
#include <QPixmap>
#include <QShortcut>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace {

std::vector<CFrameWnd*>& Frames()
{
    static std::vector<CFrameWnd*> frames;
    return frames;
}

bool IsWithin(const CWnd* pWnd, const CWnd* pAncestor)
{
    for (; pWnd; pWnd = pWnd->GetParent())
        if (pWnd == pAncestor)
            return true;
    return false;
}

// When the frame's window becomes active and none of its windows has the
// focus, the frame takes it (and its WM_SETFOCUS passes it on to the pane).
class ActivationFilter : public QObject {
public:
    ActivationFilter(CFrameWnd* pFrame, QObject* pParent) : QObject(pParent), m_pFrame(pFrame) { }

    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::WindowActivate && m_pFrame->GetSafeHwnd() &&
            !IsWithin(CWnd::GetFocus(), m_pFrame))
            m_pFrame->SetFocus();
        return QObject::eventFilter(pWatched, pEvent);
    }

private:
    CFrameWnd* m_pFrame;
};

}  // namespace

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_WM_CLOSE()
END_MESSAGE_MAP()

CFrameWnd::CFrameWnd()
{
    Frames().push_back(this);
}

CFrameWnd::~CFrameWnd()
{
    delete m_pActivationFilter;
    delete m_pAccelerators;
    Frames().erase(std::remove(Frames().begin(), Frames().end(), this), Frames().end());
    CWinApp* pApp = AfxGetApp();
    if (pApp && pApp->m_pMainWnd == this) {
        pApp->m_pMainWnd = nullptr;
        shell::MainWindowGone();
    }
}

void CFrameWnd::OnClose()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp && pApp->m_pMainWnd == this && !pApp->SaveAllModified())
        return;
    DestroyWindow();
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CWnd::PreCreateWindow(cs))
        return FALSE;
    // The desktop draws the frame's edges; the window itself has none.
    cs.style &= ~static_cast<LONG>(WS_BORDER | WS_DLGFRAME | WS_THICKFRAME | FWS_ADDTOTITLE);
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, void* pContext)
{
    // There is no document, so the title is the string's first field alone.
    const CString strString(shell::FindString(nIDResource));
    const int nEnd = strString.Find(u'\n');
    m_strTitle = nEnd < 0 ? strString : strString.Left(nEnd);

    const RECT rect = {0, 0, AFX_FRAME_PANE_WIDTH, AFX_FRAME_PANE_HEIGHT};
    if (!CreateEx(0, nullptr, m_strTitle.GetString(), dwDefaultStyle & ~(WS_VISIBLE | WS_CHILD), rect, pParentWnd, 0,
                  pContext))
        return FALSE;

    QWidget* pWidget = PlatformWidget(this);
    if (const ResourceSet* pResources = AfxGetResources()) {
        const auto icon = pResources->icons.find(nIDResource);
        if (icon != pResources->icons.end()) {
            const QImage image = shell::ImageFromResource(icon->second);
            if (!image.isNull())
                pWidget->setWindowIcon(QIcon(QPixmap::fromImage(image)));
        }
    }
    m_pActivationFilter = new ActivationFilter(this, pWidget);
    pWidget->installEventFilter(m_pActivationFilter);
    LoadAccelTable(nIDResource);

    // The pane gets the handheld's screen size; the frame grows by the bar.
    const int nBar = m_pCommandBar ? m_pCommandBar->CalcHeight(AFX_FRAME_PANE_WIDTH) : 0;
    SetWindowPos(nullptr, 0, 0, AFX_FRAME_PANE_WIDTH, nBar + AFX_FRAME_PANE_HEIGHT, SWP_NOMOVE | SWP_NOZORDER);
    RecalcLayout();
    if (dwDefaultStyle & WS_VISIBLE)
        ShowWindow(SW_SHOW);
    return TRUE;
}

BOOL CFrameWnd::LoadAccelTable(UINT nIDResource)
{
    QWidget* pWidget = PlatformWidget(this);
    if (!pWidget)
        return FALSE;
    delete m_pAccelerators;
    m_pAccelerators = new QObject(pWidget);
    const ResourceSet* pResources = AfxGetResources();
    if (!pResources)
        return FALSE;
    const auto table = pResources->accelerators.find(nIDResource);
    if (table == pResources->accelerators.end())
        return FALSE;
    // A key bound twice would press neither: the first binding counts.
    QList<QKeySequence> bound;
    for (const AcceleratorResource& accel : table->second) {
        for (const QKeySequence& keys : shell::KeySequencesOf(accel)) {
            if (bound.contains(keys))
                continue;
            bound << keys;
            // On the window's widget, whose shortcuts they are; they go with the table.
            auto* pShortcut = new QShortcut(keys, pWidget);
            pShortcut->setContext(Qt::WindowShortcut);
            QObject::connect(m_pAccelerators, &QObject::destroyed, pShortcut, [pShortcut] { delete pShortcut; });
            QObject::connect(pShortcut, &QShortcut::activated, pShortcut,
                             [this, nID = accel.cmd] { shell::PostCommand(this, nID); });
        }
    }
    return TRUE;
}

LRESULT CFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CREATE && !PlatformGetScreenWindow())
        PlatformSetScreenWindow(this);
    return CWnd::WindowProc(message, wParam, lParam);
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CFrameWnd::RecalcLayout(BOOL /*bNotify*/)
{
    if (!GetSafeHwnd())
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    int nBar = 0;
    if (m_pCommandBar && m_pCommandBar->GetSafeHwnd() && (m_pCommandBar->GetStyle() & WS_VISIBLE)) {
        nBar = std::min(m_pCommandBar->CalcHeight(rcClient.Width()), rcClient.Height());
        m_pCommandBar->MoveWindow(0, 0, rcClient.Width(), nBar);
    }
    RepositionPanes(CRect(0, nBar, rcClient.Width(), rcClient.Height()));
}

void CFrameWnd::RepositionPanes(const CRect& rcPanes)
{
    if (CWnd* pPane = GetDlgItem(AFX_IDW_PANE_FIRST))
        pPane->MoveWindow(rcPanes.left, rcPanes.top, rcPanes.Width(), rcPanes.Height());
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    // A minimised window keeps its panes as they were.
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd)
{
    if (CWnd* pPane = GetDlgItem(AFX_IDW_PANE_FIRST))
        pPane->SetFocus();
    else
        CWnd::OnSetFocus(pOldWnd);
}

BOOL CFrameWnd::DestroyWindow()
{
    if (!GetSafeHwnd())
        return FALSE;
    CWinApp* pApp = AfxGetApp();
    const bool bMain = pApp && pApp->m_pMainWnd == this;
    // The widget may outlive the frame a little (deleted later): it must not call back.
    delete m_pActivationFilter;
    m_pActivationFilter = nullptr;
    delete m_pAccelerators;
    m_pAccelerators = nullptr;
    CWnd::DestroyWindow();
    if (bMain) {
        pApp->m_pMainWnd = nullptr;
        shell::MainWindowGone();
    }
    PostNcDestroy();
    return TRUE;
}

void CFrameWnd::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}

void CFrameWnd::UpdateAllFramesOnIdle()
{
    // A handler may close a frame: work on a copy and check each is still there.
    const std::vector<CFrameWnd*> frames = Frames();
    for (CFrameWnd* pFrame : frames) {
        const auto& live = Frames();
        if (std::find(live.begin(), live.end(), pFrame) == live.end())
            continue;
        if (pFrame->GetSafeHwnd() && pFrame->m_pCommandBar)
            pFrame->m_pCommandBar->UpdateButtons(pFrame);
    }
}
