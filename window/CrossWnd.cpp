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
    PlaceGrid();
    // The first square may lie beyond the view at large square sizes.
    if (m_wndGrid.HasSelection())
        ShowSquare(m_wndGrid.GetSelectedSquare().x, m_wndGrid.GetSelectedSquare().y);
}

BOOL CCrossWnd::ZoomTo(int nSquareSize)
{
    if (!m_wndGrid.SetSquareSize(nSquareSize))
        return FALSE;
    if (m_wndGrid.GetPuzzle() == nullptr)
        return TRUE;
    m_wndGrid.ApplySquareSize();
    UpdateScrollBars();
    CSize sizeView, sizeMax;
    GetExtents(sizeView, sizeMax);
    ScrollTo(Clamped(m_ptScrollPos.x, sizeMax.cx), Clamped(m_ptScrollPos.y, sizeMax.cy));
    // The margin that centres a small grid changes with its size even where
    // the scroll position does not.
    PlaceGrid();
    UpdateScrollPos();
    if (m_wndGrid.HasSelection())
        ShowSquare(m_wndGrid.GetSelectedSquare().x, m_wndGrid.GetSelectedSquare().y);
    return TRUE;
}

int CCrossWnd::GetFitSquareSize() const
{
    if (m_wndGrid.GetPuzzle() == nullptr)
        return 0;
    // The whole window, bars and all: at the size that fits, there are none.
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    for (int nSize = SETTING_SQUARE_SIZE.nMax; nSize > SETTING_SQUARE_SIZE.nMin; --nSize) {
        const CSize extent = m_wndGrid.GetExtentAt(nSize);
        if (extent.cx <= rcWindow.Width() && extent.cy <= rcWindow.Height())
            return nSize;
    }
    return SETTING_SQUARE_SIZE.nMin;
}

void CCrossWnd::GetExtents(CSize& sizeView, CSize& sizeMax) const
{
    CRect rcGrid, rcView;
    m_wndGrid.GetClientRect(&rcGrid);
    GetClientRect(&rcView);
    sizeView = CSize(rcView.Width(), rcView.Height());
    sizeMax = CSize(rcGrid.Width() - rcView.Width(), rcGrid.Height() - rcView.Height());
}

void CCrossWnd::UpdateScrollBars()
{
    CSize sizeView, sizeMax;
    GetExtents(sizeView, sizeMax);

    // Bars are only ever added here; an empty range takes a bar away.
    const LONG lStyle = GetWindowLong(GWL_STYLE);
    LONG lNewStyle = lStyle;
    if (sizeMax.cx > 0)
        lNewStyle |= WS_HSCROLL;
    if (sizeMax.cy > 0)
        lNewStyle |= WS_VSCROLL;
    if (lNewStyle != lStyle)
        SetWindowLong(GWL_STYLE, lNewStyle);

    // The bars took their room from the view.
    GetExtents(sizeView, sizeMax);
    SetScrollValue(this, SB_HORZ, SIF_RANGE, sizeMax.cx, 0);
    SetScrollValue(this, SB_VERT, SIF_RANGE, sizeMax.cy, 0);
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
    PlaceGrid();
}

CPoint CCrossWnd::GetGridMargin() const
{
    CSize sizeView, sizeMax;
    GetExtents(sizeView, sizeMax);
    // How far the puzzle window has grown beyond the handheld's screen.
    CSize sizeGrown(0, 0);
    if (const CWnd* pParent = GetParent()) {
        CRect rcParent;
        pParent->GetClientRect(&rcParent);
        sizeGrown = CSize(rcParent.Width() - AFX_FRAME_PANE_WIDTH, rcParent.Height() - AFX_FRAME_PANE_HEIGHT);
    }
    auto margin = [](int nMax, int nGrown) { return nMax < 0 ? std::max(0, std::min(-nMax / 2, nGrown)) : 0; };
    return CPoint(margin(sizeMax.cx, sizeGrown.cx), margin(sizeMax.cy, sizeGrown.cy));
}

void CCrossWnd::PlaceGrid()
{
    const CPoint ptMargin = GetGridMargin();
    const CPoint pt(ptMargin.x - m_ptScrollPos.x, ptMargin.y - m_ptScrollPos.y);
    CRect rcGrid;
    m_wndGrid.GetWindowRect(&rcGrid);
    ScreenToClient(&rcGrid);
    if (rcGrid.TopLeft() != pt)
        m_wndGrid.SetWindowPos(nullptr, pt.x, pt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void CCrossWnd::OnSize(UINT /*nType*/, int /*cx*/, int /*cy*/)
{
    UpdateScrollBars();
    // The frame may grow, which the device's never did: the offset goes back
    // within the new range at once (0 where a bar went away), or the grid
    // would stay scrolled off with nothing left to bring it back.
    CSize sizeView, sizeMax;
    GetExtents(sizeView, sizeMax);
    ScrollTo(Clamped(m_ptScrollPos.x, sizeMax.cx), Clamped(m_ptScrollPos.y, sizeMax.cy));
    // A grid smaller than the view keeps to the middle of it.
    PlaceGrid();
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
    const int nStep = m_wndGrid.GetSquareSize();
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

void CCrossWnd::Scroll(int nBar, UINT nSBCode, UINT nPos)
{
    CSize sizeView, sizeMax;
    GetExtents(sizeView, sizeMax);
    // The horizontal bar moves x within the widths, the vertical one y within the heights.
    const bool bHorz = nBar == SB_HORZ;
    CPoint pt = m_ptScrollPos;
    int& nOffset = bHorz ? pt.x : pt.y;
    nOffset = ScrollOffset(nSBCode, nPos, nOffset, bHorz ? sizeView.cx : sizeView.cy, bHorz ? sizeMax.cx : sizeMax.cy);
    ScrollTo(pt.x, pt.y);
    UpdateScrollPos();
}

void CCrossWnd::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* /*pScrollBar*/)
{
    Scroll(SB_HORZ, nSBCode, nPos);
}

void CCrossWnd::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* /*pScrollBar*/)
{
    Scroll(SB_VERT, nSBCode, nPos);
}

LRESULT CCrossWnd::OnWordSelected(WPARAM wParam, LPARAM lParam)
{
    CWnd* pParent = GetParent();
    return pParent ? pParent->SendMessage(WM_WORDSELECTED, wParam, lParam) : 0;
}

LRESULT CCrossWnd::OnSquareSelected(WPARAM wParam, LPARAM lParam)
{
    const CPoint pt = UnpackSquare(lParam);
    ShowSquare(pt.x, pt.y);
    // The puzzle window shows the crossing word's clue in the lists, and the
    // clue bar may follow the square too.
    CWnd* pParent = GetParent();
    return pParent ? pParent->SendMessage(WM_SQUARESELECTED, wParam, lParam) : 0;
}

void CCrossWnd::ShowSquare(int nCol, int nRow)
{
    CRect rcSquare = m_wndGrid.GetSquareRect(nCol, nRow);
    rcSquare.InflateRect(m_wndGrid.GetLineWidth(), m_wndGrid.GetLineWidth());
    CSize sizeView, sizeMax;
    GetExtents(sizeView, sizeMax);
    const int x = Follow(m_ptScrollPos.x, rcSquare.left, rcSquare.right, sizeView.cx, sizeMax.cx);
    const int y = Follow(m_ptScrollPos.y, rcSquare.top, rcSquare.bottom, sizeView.cy, sizeMax.cy);
    if (CPoint(x, y) == m_ptScrollPos)
        return;
    ScrollTo(x, y);
    UpdateScrollPos();
}
