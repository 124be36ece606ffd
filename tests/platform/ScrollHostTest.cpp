// A scrolling viewport built the way the grid's host is: the child is moved
// inside the host, the bars are turned on by style and off by an empty
// range, and the host's WM_SIZE recomputes them (re-entering itself when a
// bar changes the client area).

#include "TestWindows.h"

#include <algorithm>

namespace {

class CViewportWnd : public CWnd {
public:
    CProbeWnd m_wndContent;
    CPoint m_ptScrollPos;
    int m_nStep = 20;
    int m_nSizeDepth = 0;
    int m_nMaxSizeDepth = 0;

    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (CWnd::OnCreate(lpcs) == -1)
            return -1;
        return m_wndContent.Create(nullptr, u"content", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, 1000) ? 0 : -1;
    }
    afx_msg void OnSize(UINT, int, int)
    {
        ++m_nSizeDepth;
        m_nMaxSizeDepth = std::max(m_nMaxSizeDepth, m_nSizeDepth);
        UpdateScrollBars();
        UpdateScrollPos();
        --m_nSizeDepth;
    }
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar*) { Scroll(true, nSBCode, nPos); }
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar*) { Scroll(false, nSBCode, nPos); }

    void SetContentSize(int cx, int cy)
    {
        m_wndContent.MoveWindow(0, 0, cx, cy, TRUE);
        m_ptScrollPos = CPoint(0, 0);
        UpdateScrollBars();
        UpdateScrollPos();
    }

    void UpdateScrollBars()
    {
        CRect grid, view;
        m_wndContent.GetClientRect(&grid);
        GetClientRect(&view);
        const LONG style = GetWindowLong(GWL_STYLE);
        LONG next = style;
        if (grid.Width() > view.Width())
            next |= static_cast<LONG>(WS_HSCROLL);
        if (grid.Height() > view.Height())
            next |= static_cast<LONG>(WS_VSCROLL);
        if (next != style)
            SetWindowLong(GWL_STYLE, next);
        GetClientRect(&view);
        SCROLLINFO si = {28, SIF_RANGE, 0, grid.Width() - view.Width(), 0, 0, 0};
        SetScrollInfo(SB_HORZ, &si, TRUE);
        si.nMax = grid.Height() - view.Height();
        SetScrollInfo(SB_VERT, &si, TRUE);
    }
    void UpdateScrollPos()
    {
        SCROLLINFO si = {28, SIF_POS, 0, 0, 0, m_ptScrollPos.x, 0};
        SetScrollInfo(SB_HORZ, &si, TRUE);
        si.nPos = m_ptScrollPos.y;
        SetScrollInfo(SB_VERT, &si, TRUE);
    }
    void Scroll(bool bHorz, UINT nSBCode, UINT nPos)
    {
        CRect grid, view;
        m_wndContent.GetClientRect(&grid);
        GetClientRect(&view);
        const int max = bHorz ? grid.Width() - view.Width() : grid.Height() - view.Height();
        int p = bHorz ? m_ptScrollPos.x : m_ptScrollPos.y;
        switch (nSBCode) {
        case SB_LINEUP: p -= m_nStep; break;
        case SB_LINEDOWN: p += m_nStep; break;
        case SB_PAGEUP: p -= 6 * m_nStep; break;
        case SB_PAGEDOWN: p += 6 * m_nStep; break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK: p = static_cast<int>(nPos); break;
        case SB_TOP: p = 0; break;
        case SB_BOTTOM: p = max; break;
        default: break;
        }
        p = std::min(std::max(p, 0), max);
        CPoint next = m_ptScrollPos;
        (bHorz ? next.x : next.y) = p;
        if (next != m_ptScrollPos) {
            m_ptScrollPos = next;
            m_wndContent.SetWindowPos(nullptr, -next.x, -next.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        }
        UpdateScrollPos();
    }

    CPoint ContentOrigin() const
    {
        CRect rc;
        m_wndContent.GetWindowRect(&rc);
        ScreenToClient(&rc);
        return rc.TopLeft();
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CViewportWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
END_MESSAGE_MAP()

} // namespace

TEST_F(WindowTest, ViewportScrollsItsChildByLinePageAndEnds)
{
    CViewportWnd host;
    ASSERT_TRUE(CreateChild(host, CRect(0, 0, 240, 190)));
    host.SetContentSize(600, 336);
    const int bar = GetSystemMetrics(SM_CXVSCROLL);
    CRect view;
    host.GetClientRect(&view);
    EXPECT_EQ(view, CRect(0, 0, 240 - bar, 190 - bar));
    EXPECT_TRUE(Testing::IsScrollBarShown(&host, SB_HORZ));
    EXPECT_TRUE(Testing::IsScrollBarShown(&host, SB_VERT));
    EXPECT_LE(host.m_nMaxSizeDepth, 2);

    Testing::ScrollBarAction(&host, SB_HORZ, SB_LINERIGHT);
    EXPECT_EQ(host.ContentOrigin(), CPoint(-20, 0));
    Testing::ScrollBarAction(&host, SB_HORZ, SB_PAGERIGHT);
    EXPECT_EQ(host.ContentOrigin(), CPoint(-140, 0));
    Testing::ScrollBarAction(&host, SB_HORZ, SB_RIGHT);
    const int maxX = 600 - view.Width();
    EXPECT_EQ(host.ContentOrigin(), CPoint(-maxX, 0));
    EXPECT_EQ(Testing::ScrollBarPosition(&host, SB_HORZ), maxX);
    Testing::ScrollBarAction(&host, SB_HORZ, SB_LINERIGHT); // already at the end
    EXPECT_EQ(host.ContentOrigin(), CPoint(-maxX, 0));
    Testing::ScrollBarAction(&host, SB_VERT, SB_THUMBTRACK, 77);
    EXPECT_EQ(host.ContentOrigin(), CPoint(-maxX, -77));

    // A small content takes both bars away and the whole client area back.
    host.SetContentSize(100, 100);
    host.GetClientRect(&view);
    EXPECT_EQ(view, CRect(0, 0, 240, 190));
    EXPECT_FALSE(Testing::IsScrollBarShown(&host, SB_HORZ));
    EXPECT_FALSE(Testing::IsScrollBarShown(&host, SB_VERT));
}

TEST_F(WindowTest, ViewportWiderThanTallNeedsOnlyOneBar)
{
    CViewportWnd host;
    ASSERT_TRUE(CreateChild(host, CRect(0, 0, 240, 190)));
    host.SetContentSize(336, 100);
    EXPECT_TRUE(Testing::IsScrollBarShown(&host, SB_HORZ));
    EXPECT_FALSE(Testing::IsScrollBarShown(&host, SB_VERT));
    // Resizing the host recomputes the bars.
    host.MoveWindow(0, 0, 400, 190, TRUE);
    EXPECT_FALSE(Testing::IsScrollBarShown(&host, SB_HORZ));
    CRect view;
    host.GetClientRect(&view);
    EXPECT_EQ(view, CRect(0, 0, 400, 190));
}
