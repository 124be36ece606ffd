// SPDX-License-Identifier: MIT
#include "panes/ClueWnd.h"

#include "model/Format.h"
#include "res/Version.h"
#include "res/resource.h"

namespace {

// Shown while no clue is set: what the program is and how to begin.
constexpr LPCTSTR kBanner = u"Trellis Crossword Software\n"
                            u"Version " TRELLIS_VERSION_TEXT "\n"
                            u"To begin, choose Load Puzzle ...\n"
                            u"from the File menu.";

// WS_EX_NOANIMATION: the tip appears without an opening effect.
constexpr DWORD kTipExStyle = 0x04000000;

}  // namespace

BEGIN_MESSAGE_MAP(CClueWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

CClueWnd::CClueWnd() = default;

CClueWnd::~CClueWnd() = default;

int CClueWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_strTipClass = CString(AfxRegisterWndClass(0, nullptr, m_brTip, nullptr));
    if (m_strTipClass.IsEmpty())
        return -1;
    CRect rcTip(TIP_LEFT, TIP_TOP, TIP_RIGHT, TIP_BOTTOM);
    if (!m_wndTip.CreateEx(kTipExStyle, m_strTipClass.GetString(), u"Helper", WS_POPUP | WS_BORDER, rcTip, nullptr,
                           IDC_CLUE_TIP))
        return -1;
    return 0;
}

// The tip is no child of the bar (it belongs to the frame), so it goes
// explicitly with the bar.
void CClueWnd::OnDestroy()
{
    if (m_wndTip.GetSafeHwnd() != nullptr)
        m_wndTip.DestroyWindow();
    CWnd::OnDestroy();
}

void CClueWnd::SetClue(int nNumber, WCHAR chDirection, LPCTSTR lpszText)
{
    m_nNumber = nNumber;
    m_chDirection = chDirection;
    m_strText = CString(lpszText);
    m_bCleared = FALSE;
    m_strNote.Empty();
    Invalidate(TRUE);
}

void CClueWnd::SetClueText(LPCTSTR lpszText)
{
    m_nNumber = -1;
    m_strText = CString(lpszText);
    m_bCleared = FALSE;
    Invalidate(TRUE);
}

void CClueWnd::ClearClue()
{
    m_bCleared = TRUE;
    m_strNote.Empty();
    Invalidate(TRUE);
}

void CClueWnd::ShowNote(LPCTSTR lpszNote)
{
    m_strNote = CString(lpszNote);
    Invalidate(TRUE);
}

CString CClueWnd::GetClueText() const
{
    if (!m_strNote.IsEmpty())
        return m_strNote;
    if (m_bCleared)
        return CString();
    if (m_nNumber == 0)
        return CString(kBanner);
    if (m_nNumber < 0)
        return m_strText;
    return FormatText(u"%d%c: %s", m_nNumber, m_chDirection, m_strText);
}

void CClueWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    dc.FillRect(&rc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    dc.FrameRect(&rc, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    rc.DeflateRect(2, 2);
    dc.DrawText(GetClueText(), &rc, DT_WORDBREAK | DT_NOPREFIX);
}

void CClueWnd::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    m_wndTip.SetText(GetClueText());
    m_wndTip.ShowWindow(SW_SHOW);
    CWnd::OnLButtonDblClk(nFlags, point);
}
