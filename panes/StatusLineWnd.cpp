// SPDX-License-Identifier: MIT
#include "panes/StatusLineWnd.h"

#include "model/CrossWordPuzzle.h"
#include "res/resource.h"

#include <algorithm>

namespace {

constexpr int kPadX = 6;
constexpr int kPadY = 2;
constexpr int kTextPoints = 90;
constexpr LPCTSTR kFace = u"Arial";
// The widest time the line keeps room for; a longer one pushes the word
// for a paused clock on.
constexpr LPCTSTR kWidestTime = u"00:00:00";
constexpr LPCTSTR kPausedText = u"Paused - click here or press Ctrl+P to go on";

}  // namespace

BEGIN_MESSAGE_MAP(CStatusLineWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_TIMER()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CStatusLineWnd::CStatusLineWnd() = default;

CStatusLineWnd::~CStatusLineWnd() = default;

int CStatusLineWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_font.CreatePointFont(kTextPoints, kFace))
        return -1;
    CClientDC dc(this);
    CFont* pOld = dc.SelectObject(&m_font);
    const CSize size = dc.GetTextExtent(kWidestTime, static_cast<int>(std::char_traits<char16_t>::length(kWidestTime)));
    dc.SelectObject(pOld);
    m_nTextHeight = size.cy;
    m_nTimeWidth = size.cx;
    return 0;
}

int CStatusLineWnd::GetLineHeight() const
{
    return m_nTextHeight + 2 * kPadY + 1;
}

void CStatusLineWnd::SetPuzzle(const CCrossWordPuzzle* pPuzzle)
{
    m_pPuzzle = pPuzzle;
    TimerChanged();
}

CString CStatusLineWnd::GetTimeText() const
{
    return m_pPuzzle != nullptr ? CString(CSolveTimer::FormatSeconds(m_pPuzzle->GetElapsedSeconds())) : CString();
}

CString CStatusLineWnd::GetStateText() const
{
    return m_pPuzzle != nullptr && m_pPuzzle->m_timer.IsPaused() ? CString(kPausedText) : CString();
}

CRect CStatusLineWnd::GetTimeRect() const
{
    CRect rc;
    GetClientRect(&rc);
    // Below the line that divides it from the panes above.
    return CRect(kPadX, 1, kPadX + m_nTimeWidth, rc.bottom);
}

void CStatusLineWnd::TimerChanged()
{
    // Most changes of the solve leave the line as it is: it is painted only
    // when it would look different.
    if (GetTimeText() != m_strShown || GetStateText() != m_strStateShown)
        Invalidate(TRUE);
    // A running tick keeps its beat.
    if (!m_bTicking || m_pPuzzle == nullptr || !m_pPuzzle->m_timer.IsRunning())
        ScheduleTick();
}

void CStatusLineWnd::ScheduleTick()
{
    const long nMillis = m_pPuzzle != nullptr ? m_pPuzzle->m_timer.GetMillisToNextSecond() : -1;
    if (nMillis < 0) {
        if (m_bTicking)
            KillTimer(TICK_TIMER);
        m_bTicking = FALSE;
        return;
    }
    // A little after the second changes, so that the tick never comes early.
    m_bTicking = SetTimer(TICK_TIMER, static_cast<UINT>(nMillis) + 5) != 0;
}

void CStatusLineWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != TICK_TIMER)
        return;
    // The time alone: the rest of the line does not change with it.
    if (GetTimeText() != m_strShown) {
        const CRect rcTime = GetTimeRect();
        InvalidateRect(&rcTime, FALSE);
    }
    ScheduleTick();
}

void CStatusLineWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    const COLORREF crFace = GetSysColor(COLOR_BTNFACE);
    dc.FillSolidRect(&rc, crFace);
    const CRect rcLine(rc.left, rc.top, rc.right, rc.top + 1);
    dc.FillSolidRect(&rcLine, GetSysColor(COLOR_BTNTEXT));
    CFont* pOld = dc.SelectObject(&m_font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(COLOR_BTNTEXT));
    m_strShown = GetTimeText();
    CRect rcTime = GetTimeRect();
    dc.DrawText(m_strShown, &rcTime, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    m_strStateShown = GetStateText();
    if (!m_strStateShown.IsEmpty()) {
        const int nTimeRight = kPadX + dc.GetTextExtent(m_strShown.c_str(), m_strShown.GetLength()).cx;
        CRect rcState(std::max(static_cast<int>(rcTime.right), nTimeRight) + kPadX, rcTime.top, rc.right - kPadX,
                      rc.bottom);
        dc.DrawText(m_strStateShown, &rcState, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    dc.SelectObject(pOld);
}

void CStatusLineWnd::OnLButtonDown(UINT /*nFlags*/, CPoint /*point*/)
{
    if (m_pPuzzle == nullptr)
        return;
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(ID_PAUSE, CN_COMMAND), 0);
}
