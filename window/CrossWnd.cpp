// SPDX-License-Identifier: MIT
#include "window/CrossWnd.h"

#include "res/resource.h"

#include <algorithm>

namespace {

// A page is six squares, and never more than the view less one square, so
// that paging at large squares skips nothing.
constexpr int kPageSquares = 6;

int PageStep(int nStep, int nView)
{
    return std::max(1, std::min(kPageSquares * nStep, nView > nStep ? nView - nStep : nView));
}

// An offset from 0 to nMax; a grid no larger than the view stays at its top
// left corner.
int Clamped(int nPos, int nMax)
{
    if (nPos < 0)
        nPos = 0;
    if (nPos > nMax)
        nPos = nMax > 0 ? nMax : 0;
    return nPos;
}

// The offset nearest nCurrent at which [nLow, nHigh) lies in a view of
// nView, its start first when it is larger than the view; within [0, nMax].
int Follow(int nCurrent, int nLow, int nHigh, int nView, int nMax)
{
    int nNew = nCurrent;
    if (nLow < nCurrent)
        nNew = nLow;
    else if (nHigh > nCurrent + nView)
        nNew = std::min(nLow, nHigh - nView);
    return Clamped(nNew, nMax);
}

void SetScrollValue(CWnd* pWnd, int nBar, UINT fMask, int nMax, int nPos)
{
    SCROLLINFO si {};
    si.cbSize = 28;
    si.fMask = fMask;
    si.nMin = 0;
    si.nMax = nMax;
    si.nPos = nPos;
    pWnd->SetScrollInfo(nBar, &si, TRUE);
}

}  // namespace

BEGIN_MESSAGE_MAP(CCrossWnd, CWnd)
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_MESSAGE(WM_WORDSELECTED, OnWordSelected)
    ON_MESSAGE(WM_SQUARESELECTED, OnSquareSelected)
END_MESSAGE_MAP()

CCrossWnd::CCrossWnd() : m_ptScrollPos(0, 0)
{
}

CCrossWnd::~CCrossWnd() = default;

int CCrossWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    CRect rcEmpty(0, 0, 0, 0);
    if (!m_wndGrid.Create(nullptr, u"Puzzle", WS_CHILD | WS_VISIBLE, rcEmpty, this, IDC_GRID_WND, nullptr))
        return -1;
    return 0;
}

void CCrossWnd::SetPuzzle(CCrossWordPuzzle* pPuzzle)
{
    m_wndGrid.SetPuzzle(pPuzzle);
    m_ptScrollPos = CPoint(0, 0);
    UpdateScrollBars();
    UpdateScrollPos();
    // The first square may lie beyond the view at large square sizes.
    if (m_wndGrid.HasSelection())
        ShowSquare(m_wndGrid.m_ptSelected.x, m_wndGrid.m_ptSelected.y);
}

void CCrossWnd::UpdateScrollBars()
{
    CRect rcGrid, rcView;
    m_wndGrid.GetClientRect(&rcGrid);
    GetClientRect(&rcView);

    // Bars are only ever added here; an empty range takes a bar away.
    const LONG lStyle = GetWindowLong(GWL_STYLE);
    LONG lNewStyle = lStyle;
    if (rcGrid.Width() > rcView.Width())
        lNewStyle |= WS_HSCROLL;
    if (rcGrid.Height() > rcView.Height())
        lNewStyle |= WS_VSCROLL;
    if (lNewStyle != lStyle)
        SetWindowLong(GWL_STYLE, lNewStyle);

    GetClientRect(&rcView);
    SetScrollValue(this, SB_HORZ, SIF_RANGE, rcGrid.Width() - rcView.Width(), 0);
    SetScrollValue(this, SB_VERT, SIF_RANGE, rcGrid.Height() - rcView.Height(), 0);
}

void CCrossWnd::UpdateScrollPos()
{
    SetScrollValue(this, SB_HORZ, SIF_POS, 0, m_ptScrollPos.x);
    SetScrollValue(this, SB_VERT, SIF_POS, 0, m_ptScrollPos.y);
}

void CCrossWnd::ScrollTo(int x, int y)
{
    if (m_ptScrollPos == CPoint(x, y))
        return;
    m_ptScrollPos = CPoint(x, y);
    m_wndGrid.SetWindowPos(nullptr, -x, -y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void CCrossWnd::OnSize(UINT /*nType*/, int /*cx*/, int /*cy*/)
{
    UpdateScrollBars();
    // The frame may grow, which the device's never did: the offset goes back
    // within the new range at once (0 where a bar went away), or the grid
    // would stay scrolled off with nothing left to bring it back.
    CRect rcGrid, rcView;
    m_wndGrid.GetClientRect(&rcGrid);
    GetClientRect(&rcView);
    ScrollTo(Clamped(m_ptScrollPos.x, rcGrid.Width() - rcView.Width()),
             Clamped(m_ptScrollPos.y, rcGrid.Height() - rcView.Height()));
    UpdateScrollPos();
}

void CCrossWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    dc.FillRect(&rc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

int CCrossWnd::ScrollOffset(UINT nSBCode, UINT nPos, int nCurrent, int nView, int nMax) const
{
    const int nStep = m_wndGrid.m_nSquareSize;
    int nNew = nCurrent;
    switch (nSBCode) {
    case SB_LINEUP:
        nNew = nCurrent - nStep;
        break;
    case SB_LINEDOWN:
        nNew = nCurrent + nStep;
        break;
    case SB_PAGEUP:
        nNew = nCurrent - PageStep(nStep, nView);
        break;
    case SB_PAGEDOWN:
        nNew = nCurrent + PageStep(nStep, nView);
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        nNew = static_cast<int>(nPos);
        break;
    case SB_TOP:
        nNew = 0;
        break;
    case SB_BOTTOM:
        nNew = nMax;
        break;
    default:
        break;
    }
    return Clamped(nNew, nMax);
}

void CCrossWnd::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* /*pScrollBar*/)
{
    CRect rcGrid, rcView;
    m_wndGrid.GetClientRect(&rcGrid);
    GetClientRect(&rcView);
    const int x = ScrollOffset(nSBCode, nPos, m_ptScrollPos.x, rcView.Width(), rcGrid.Width() - rcView.Width());
    ScrollTo(x, m_ptScrollPos.y);
    UpdateScrollPos();
}

void CCrossWnd::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* /*pScrollBar*/)
{
    CRect rcGrid, rcView;
    m_wndGrid.GetClientRect(&rcGrid);
    GetClientRect(&rcView);
    const int y = ScrollOffset(nSBCode, nPos, m_ptScrollPos.y, rcView.Height(), rcGrid.Height() - rcView.Height());
    ScrollTo(m_ptScrollPos.x, y);
    UpdateScrollPos();
}

LRESULT CCrossWnd::OnWordSelected(WPARAM wParam, LPARAM lParam)
{
    CWnd* pParent = GetParent();
    return pParent ? pParent->SendMessage(WM_WORDSELECTED, wParam, lParam) : 0;
}

LRESULT CCrossWnd::OnSquareSelected(WPARAM /*wParam*/, LPARAM lParam)
{
    const CPoint pt = UnpackSquare(lParam);
    ShowSquare(pt.x, pt.y);
    return 0;
}

void CCrossWnd::ShowSquare(int nCol, int nRow)
{
    CRect rcSquare = m_wndGrid.GetSquareRect(nCol, nRow);
    rcSquare.InflateRect(m_wndGrid.m_nLineWidth, m_wndGrid.m_nLineWidth);
    CRect rcGrid, rcView;
    m_wndGrid.GetClientRect(&rcGrid);
    GetClientRect(&rcView);
    const int x =
        Follow(m_ptScrollPos.x, rcSquare.left, rcSquare.right, rcView.Width(), rcGrid.Width() - rcView.Width());
    const int y =
        Follow(m_ptScrollPos.y, rcSquare.top, rcSquare.bottom, rcView.Height(), rcGrid.Height() - rcView.Height());
    if (CPoint(x, y) == m_ptScrollPos)
        return;
    ScrollTo(x, y);
    UpdateScrollPos();
}
