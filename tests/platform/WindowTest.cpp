// SPDX-License-Identifier: MIT
// Creation, destruction, family and placement of windows.

#include "TestWindows.h"

namespace {

// Creates a child in WM_CREATE, as every pane of the program does.
class CParentWnd : public CWnd {
public:
    CProbeWnd m_wndChild;
    int m_nChildCreateResult = 0;

    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (CWnd::OnCreate(lpcs) == -1)
            return -1;
        m_wndChild.m_nCreateResult = m_nChildCreateResult;
        if (!m_wndChild.Create(nullptr, u"inner", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, 7))
            return -1;
        return 0;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParentWnd, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

}  // namespace

TEST_F(WindowTest, ParentFailsWhenItsChildFails)
{
    CParentWnd parent;
    parent.m_nChildCreateResult = -1;
    EXPECT_FALSE(parent.Create(nullptr, u"outer", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &m_host, 1));
    EXPECT_EQ(parent.m_hWnd, nullptr);
    EXPECT_EQ(parent.m_wndChild.m_hWnd, nullptr);
    EXPECT_EQ(parent.m_wndChild.Count(WM_DESTROY), 1);
    EXPECT_EQ(m_host.GetDlgItem(1), nullptr);

    // Both can be created again afterwards.
    parent.m_nChildCreateResult = 0;
    ASSERT_TRUE(parent.Create(nullptr, u"outer", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &m_host, 1));
    EXPECT_EQ(parent.m_wndChild.GetParent(), &parent);
    EXPECT_EQ(parent.GetDlgItem(7), &parent.m_wndChild);
}

TEST_F(WindowTest, ChildrenAreDestroyedWithTheirParent)
{
    CParentWnd parent;
    ASSERT_TRUE(parent.Create(nullptr, u"outer", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &m_host, 1));
    CProbeWnd& child = parent.m_wndChild;
    ASSERT_NE(child.m_hWnd, nullptr);
    const HWND hChild = child.m_hWnd;
    EXPECT_EQ(CWnd::FromHandle(hChild), &child);
    parent.DestroyWindow();
    EXPECT_EQ(child.m_hWnd, nullptr);
    EXPECT_EQ(child.Count(WM_DESTROY), 1);
    EXPECT_EQ(CWnd::FromHandle(hChild), nullptr);
    Testing::RunUntilIdle();
}

TEST_F(WindowTest, PlacementAndClientRectangle)
{
    CProbeWnd wnd;
    ASSERT_TRUE(CreateChild(wnd, CRect(0, 0, 0, 0), 1, WS_BORDER));
    wnd.MoveWindow(5, 6, 50, 40, TRUE);
    CRect client;
    wnd.GetClientRect(&client);
    EXPECT_EQ(client, CRect(0, 0, 48, 38));  // the border takes a pixel each side
    EXPECT_EQ(wnd.m_sizeLast, CSize(48, 38));
    CRect window;
    wnd.GetWindowRect(&window);
    m_host.ScreenToClient(&window);
    EXPECT_EQ(window, CRect(5, 6, 55, 46));

    wnd.SetWindowPos(nullptr, -10, -20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    wnd.GetWindowRect(&window);
    m_host.ScreenToClient(&window);
    EXPECT_EQ(window, CRect(-10, -20, 40, 20));

    wnd.SetWindowPos(nullptr, 0, 0, 30, 10, SWP_NOMOVE | SWP_NOZORDER);
    wnd.GetWindowRect(&window);
    m_host.ScreenToClient(&window);
    EXPECT_EQ(window, CRect(-10, -20, 20, -10));

    // A negative size comes out empty.
    wnd.MoveWindow(0, 0, 20, -5, TRUE);
    wnd.GetClientRect(&client);
    EXPECT_TRUE(client.IsRectEmpty());
}

TEST_F(WindowTest, TapOnAPopupReachesThePopupNotTheWindowBelow)
{
    CProbeWnd below;
    ASSERT_TRUE(CreateChild(below, CRect(0, 0, 300, 300)));
    const LPCTSTR cls = AfxRegisterWndClass(0, nullptr, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    CProbeWnd tip;
    ASSERT_TRUE(
        tip.CreateEx(0, cls, u"Helper", WS_POPUP | WS_BORDER | WS_VISIBLE, CRect(6, 180, 234, 260), nullptr, 1));
    Testing::Tap(&tip, CPoint(3, 4));
    EXPECT_EQ(tip.Count(WM_LBUTTONDOWN), 1);
    EXPECT_EQ(below.Count(WM_LBUTTONDOWN), 0);
    tip.ShowWindow(SW_HIDE);
    Testing::Tap(&tip, CPoint(3, 4));
    EXPECT_EQ(tip.Count(WM_LBUTTONDOWN), 1);
    EXPECT_EQ(below.Count(WM_LBUTTONDOWN), 1);
}

TEST_F(WindowTest, MovingAChildRepaintsWhatItUncovers)
{
    CProbeWnd parent;
    ASSERT_TRUE(CreateChild(parent, CRect(0, 0, 200, 200)));
    CProbeWnd child;
    ASSERT_TRUE(child.Create(nullptr, u"moving", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &parent, 1));
    Testing::RunUntilIdle();
    const int paints = parent.m_nPaints;
    child.SetWindowPos(nullptr, 20, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Testing::RunUntilIdle();
    EXPECT_EQ(parent.m_nPaints, paints + 1);
    EXPECT_EQ(parent.m_rcLastPaint, CRect(0, 0, 20, 50));
    EXPECT_EQ(child.m_nPaints, 1);  // moved, not resized: its image stays
}
