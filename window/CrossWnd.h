// SPDX-License-Identifier: MIT
#pragma once

// The grid's scrolling host: a viewport whose only child is the grid window,
// moved about by the scroll bars. Passes the grid's word notification upwards.

#include "panes/GridWnd.h"
#include "platform/Platform.h"

class CCrossWordPuzzle;

class CCrossWnd : public CWnd {
public:
    CCrossWnd();
    ~CCrossWnd() override;

    void SetPuzzle(CCrossWordPuzzle* pPuzzle);
    void UpdateScrollBars();
    void UpdateScrollPos();
    void ScrollTo(int x, int y);

    // A new square size for the grid, shown at once: the selection stays,
    // and the selected square stays in view. FALSE, and nothing changes, for
    // a size the settings do not allow.
    BOOL ZoomTo(int nSquareSize);
    // The largest square size at which the whole grid fits the view with no
    // scroll bars, or the smallest size when none does; 0 with no puzzle.
    int GetFitSquareSize() const;

    CGridWnd& GetGrid() { return m_wndGrid; }
    const CGridWnd& GetGrid() const { return m_wndGrid; }
    // The offset of the grid: its top left corner lies at minus this point,
    // from the margin.
    CPoint GetScrollOffset() const { return m_ptScrollPos; }
    // Where the grid stands in a view larger than itself: in the middle, but
    // no further from the top left corner than the puzzle window has grown
    // beyond the handheld's screen, where it keeps to the corner. 0 on an
    // axis where the grid scrolls.
    CPoint GetGridMargin() const;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    void OnPaint();
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    LRESULT OnWordSelected(WPARAM wParam, LPARAM lParam);
    LRESULT OnSquareSelected(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    // The view's size and the largest offset on each axis, read fresh.
    void GetExtents(CSize& sizeView, CSize& sizeMax) const;
    // A scroll bar's action on its axis (SB_HORZ or SB_VERT).
    void Scroll(int nBar, UINT nSBCode, UINT nPos);
    // The new offset for a scroll code on one axis, clamped to [0, nMax].
    int ScrollOffset(UINT nSBCode, UINT nPos, int nCurrent, int nView, int nMax) const;
    // Scrolls as little as shows the square whole, with its lines.
    void ShowSquare(int nCol, int nRow);
    // Moves the grid where its margin and the scroll offset put it.
    void PlaceGrid();

    CGridWnd m_wndGrid;
    CPoint m_ptScrollPos;
};
