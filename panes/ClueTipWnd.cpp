// SPDX-License-Identifier: MIT
#include "panes/ClueTipWnd.h"

#include "panes/ClueWnd.h"

BEGIN_MESSAGE_MAP(CClueTipWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CClueTipWnd::CClueTipWnd() = default;

CClueTipWnd::~CClueTipWnd() = default;

void CClueTipWnd::OnPaint()
{
    // The class brush has erased the background already.
    CPaintDC dc(this);
    dc.SetBkColor(CClueWnd::TIP_COLOR);
    CRect rc;
    GetClientRect(&rc);
    rc.DeflateRect(2, 2);
    dc.DrawText(m_strText, &rc, DT_WORDBREAK | DT_NOPREFIX);
}

void CClueTipWnd::OnLButtonDown(UINT nFlags, CPoint point)
{
    ShowWindow(SW_HIDE);
    CWnd::OnLButtonDown(nFlags, point);
}
