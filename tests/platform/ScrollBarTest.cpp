// SPDX-License-Identifier: MIT
// Window scroll bars: shown and removed by their range, taking room from
// the client area, and moved only by the window's own handler.

#include "TestWindows.h"

namespace {

struct ScrollEvent {
    UINT message;
    UINT code;
    UINT pos;
};

class CScrollWnd : public CProbeWnd {
public:
    std::vector<ScrollEvent> m_events;
    bool m_bFollow = true;  // set the bar where the user asked
    int m_nStep = 10;

    void SetRange(int nBar, int nMax)
    {
        SCROLLINFO si = {28, SIF_RANGE, 0, nMax, 0, 0, 0};
        SetScrollInfo(nBar, &si, TRUE);
    }

    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pBar)
    {
        Scroll(SB_HORZ, WM_HSCROLL, nSBCode, nPos, pBar);
    }
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pBar)
    {
        Scroll(SB_VERT, WM_VSCROLL, nSBCode, nPos, pBar);
    }

    void Scroll(int nBar, UINT message, UINT nSBCode, UINT nPos, CScrollBar* pBar)
    {
        EXPECT_EQ(pBar, nullptr);
        m_events.push_back({message, nSBCode, nPos});
        if (!m_bFollow)
            return;
        SCROLLINFO si = {28, SIF_RANGE | SIF_POS, 0, 0, 0, 0, 0};
        GetScrollInfo(nBar, &si);
        int pos = si.nPos;
        switch (nSBCode) {
        case SB_LINEUP:
            pos -= m_nStep;
            break;
        case SB_LINEDOWN:
            pos += m_nStep;
            break;
        case SB_PAGEDOWN:
            pos += 6 * m_nStep;
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            pos = static_cast<int>(nPos);
            break;
        case SB_BOTTOM:
            pos = si.nMax;
            break;
        default:
            break;
        }
        si.fMask = SIF_POS;
        si.nPos = pos;
        SetScrollInfo(nBar, &si, TRUE);
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CScrollWnd, CProbeWnd)
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
END_MESSAGE_MAP()

}  // namespace

TEST_F(WindowTest, ScrollBarsAppearAndDisappearWithTheirRange)
{
    CScrollWnd wnd;
    ASSERT_TRUE(CreateChild(wnd, CRect(0, 0, 240, 190)));
    const int bar = GetSystemMetrics(SM_CYHSCROLL);
    EXPECT_FALSE(Testing::IsScrollBarShown(&wnd, SB_HORZ));

    wnd.m_messages.clear();
    wnd.SetRange(SB_HORZ, 96);
    EXPECT_TRUE(Testing::IsScrollBarShown(&wnd, SB_HORZ));
    EXPECT_TRUE(wnd.GetStyle() & WS_HSCROLL);
    CRect rc;
    wnd.GetClientRect(&rc);
    EXPECT_EQ(rc, CRect(0, 0, 240, 190 - bar));
    EXPECT_EQ(wnd.Count(WM_SIZE), 1);
    EXPECT_EQ(wnd.m_sizeLast, CSize(240, 190 - bar));

    wnd.SetRange(SB_VERT, 146);
    wnd.GetClientRect(&rc);
    EXPECT_EQ(rc, CRect(0, 0, 240 - bar, 190 - bar));

    // An empty or negative range takes the bar away.
    wnd.SetRange(SB_HORZ, 0);
    EXPECT_FALSE(Testing::IsScrollBarShown(&wnd, SB_HORZ));
    EXPECT_FALSE(wnd.GetStyle() & WS_HSCROLL);
    wnd.SetRange(SB_VERT, -20);
    EXPECT_FALSE(Testing::IsScrollBarShown(&wnd, SB_VERT));
    wnd.GetClientRect(&rc);
    EXPECT_EQ(rc, CRect(0, 0, 240, 190));

    // The style alone shows a bar too.
    wnd.SetWindowLong(GWL_STYLE, wnd.GetWindowLong(GWL_STYLE) | static_cast<LONG>(WS_VSCROLL));
    EXPECT_TRUE(Testing::IsScrollBarShown(&wnd, SB_VERT));
    wnd.GetClientRect(&rc);
    EXPECT_EQ(rc.Width(), 240 - bar);
}

TEST_F(WindowTest, UserScrollActionsArriveAsMessages)
{
    CScrollWnd wnd;
    ASSERT_TRUE(CreateChild(wnd, CRect(0, 0, 240, 190)));
    wnd.SetRange(SB_HORZ, 96);
    wnd.SetRange(SB_VERT, 146);
    // Lines, pages and the ends: the grid's host's tests, which follow them.

    // Dragging the thumb: tracking positions, then the final position.
    ASSERT_TRUE(Testing::ScrollBarAction(&wnd, SB_HORZ, SB_THUMBTRACK, 33));
    ASSERT_EQ(wnd.m_events.size(), 3u);
    EXPECT_EQ(wnd.m_events[0].code, SB_THUMBTRACK);
    EXPECT_EQ(wnd.m_events[0].pos, 33u);
    EXPECT_EQ(wnd.m_events[1].code, SB_THUMBPOSITION);
    EXPECT_EQ(wnd.m_events[1].pos, 33u);
    EXPECT_EQ(wnd.m_events[2].code, SB_ENDSCROLL);
    SCROLLINFO si = {28, SIF_POS, 0, 0, 0, 0, 0};
    wnd.GetScrollInfo(SB_HORZ, &si);
    EXPECT_EQ(si.nPos, 33);

    // Unless the handler moves it, the bar stays.
    wnd.m_bFollow = false;
    Testing::ScrollBarAction(&wnd, SB_HORZ, SB_PAGERIGHT);
    EXPECT_EQ(Testing::ScrollBarPosition(&wnd, SB_HORZ), 33);

    // A bar that is not shown cannot be used.
    wnd.SetRange(SB_HORZ, 0);
    EXPECT_FALSE(Testing::ScrollBarAction(&wnd, SB_HORZ, SB_LINERIGHT));
}

namespace {

// The scroll messages as (message, code) pairs.
std::vector<std::pair<UINT, UINT>> Codes(const std::vector<ScrollEvent>& events)
{
    std::vector<std::pair<UINT, UINT>> codes;
    for (const ScrollEvent& e : events)
        codes.emplace_back(e.message, e.code);
    return codes;
}

// n times the same scroll message.
std::vector<std::pair<UINT, UINT>> Times(int n, UINT message, UINT code)
{
    return std::vector<std::pair<UINT, UINT>>(static_cast<size_t>(n), {message, code});
}

constexpr int kNotch = 120;  // a turn of one notch
constexpr int kLinesPerNotch = 3;  // the desktops' usual

}  // namespace

TEST_F(WindowTest, TheWheelScrollsAWindowWithBarsByLinesAndShiftTurnsItSideways)
{
    CScrollWnd wnd;
    ASSERT_TRUE(CreateChild(wnd, CRect(0, 0, 240, 190)));
    wnd.SetRange(SB_HORZ, 200);
    wnd.SetRange(SB_VERT, 200);
    const CPoint inside(50, 50);

    Testing::TurnWheel(&wnd, inside, -kNotch);  // toward the user: down
    EXPECT_EQ(Codes(wnd.m_events), Times(kLinesPerNotch, WM_VSCROLL, SB_LINEDOWN));
    wnd.m_events.clear();
    Testing::TurnWheel(&wnd, inside, kNotch);
    EXPECT_EQ(Codes(wnd.m_events), Times(kLinesPerNotch, WM_VSCROLL, SB_LINEUP));
    wnd.m_events.clear();
    Testing::TurnWheel(&wnd, inside, -kNotch, Testing::KEY_SHIFT);
    EXPECT_EQ(Codes(wnd.m_events), Times(kLinesPerNotch, WM_HSCROLL, SB_LINERIGHT));
    wnd.m_events.clear();
    Testing::TurnWheel(&wnd, inside, kNotch, 0, TRUE);  // a wheel tilted to the right
    EXPECT_EQ(Codes(wnd.m_events), Times(kLinesPerNotch, WM_HSCROLL, SB_LINERIGHT));
    wnd.m_events.clear();
    Testing::TurnWheel(&wnd, inside, -kNotch, 0, TRUE);
    EXPECT_EQ(Codes(wnd.m_events), Times(kLinesPerNotch, WM_HSCROLL, SB_LINELEFT));

    // A touch pad's small turns add up to lines; a turn back starts afresh.
    wnd.m_events.clear();
    Testing::TurnWheel(&wnd, inside, -30);
    EXPECT_TRUE(wnd.m_events.empty());
    Testing::TurnWheel(&wnd, inside, -30);
    EXPECT_EQ(Codes(wnd.m_events), Times(1, WM_VSCROLL, SB_LINEDOWN));
    Testing::TurnWheel(&wnd, inside, 30);  // back: the 20 left over down are dropped
    Testing::TurnWheel(&wnd, inside, 10);
    const std::vector<std::pair<UINT, UINT>> downThenUp = {{WM_VSCROLL, SB_LINEDOWN}, {WM_VSCROLL, SB_LINEUP}};
    EXPECT_EQ(Codes(wnd.m_events), downThenUp);

    // Over the bar itself the same lines, not the bar's own small steps.
    wnd.m_events.clear();
    CRect rcClient;
    wnd.GetClientRect(&rcClient);
    Testing::TurnWheel(&wnd, CPoint(rcClient.right + GetSystemMetrics(SM_CXVSCROLL) / 2, 40), -kNotch);
    EXPECT_EQ(Codes(wnd.m_events), Times(kLinesPerNotch, WM_VSCROLL, SB_LINEDOWN));
}

// A turn the window has no bar for, or one with Ctrl held, goes to its
// parent: the puzzle window's tests and the end-to-end suite show the grid's
// host scrolling for its grid and Ctrl zooming.
