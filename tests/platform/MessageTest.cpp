// SPDX-License-Identifier: MIT
// Message tables: dispatch, chaining to the base table, commands with their
// update handlers, and posted messages.

#include "TestWindows.h"

#include <algorithm>

namespace {

constexpr UINT WM_PING = WM_USER + 1;
constexpr UINT WM_ONLYBASE = WM_USER + 2;
constexpr UINT ID_FIRST = 32800;
constexpr UINT ID_SECOND = 32801;
constexpr UINT ID_UNHANDLED = 32802;

class CBaseWnd : public CWnd {
public:
    std::vector<const char*> m_calls;

    afx_msg LRESULT OnPing(WPARAM wParam, LPARAM lParam)
    {
        m_calls.push_back("base ping");
        return static_cast<LRESULT>(wParam + lParam);
    }
    afx_msg LRESULT OnOnlyBase(WPARAM, LPARAM)
    {
        m_calls.push_back("base only");
        return 7;
    }
    afx_msg void OnFirst() { m_calls.push_back("base first"); }
    afx_msg void OnUpdateFirst(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bFirstEnabled); }

    BOOL m_bFirstEnabled = TRUE;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseWnd, CWnd)
    ON_MESSAGE(WM_PING, OnPing)
    ON_MESSAGE(WM_ONLYBASE, OnOnlyBase)
    ON_COMMAND(ID_FIRST, OnFirst)
    ON_UPDATE_COMMAND_UI(ID_FIRST, OnUpdateFirst)
END_MESSAGE_MAP()

class CDerivedWnd : public CBaseWnd {
public:
    afx_msg LRESULT OnPingDerived(WPARAM wParam, LPARAM)
    {
        m_calls.push_back("derived ping");
        // While handling, a nested send is answered before this returns.
        const LRESULT inner = wParam > 0 ? SendMessage(WM_PING, wParam - 1, 0) : 0;
        return 100 + inner;
    }
    afx_msg void OnSecond() { m_calls.push_back("derived second"); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CBaseWnd)
    ON_MESSAGE(WM_PING, OnPingDerived)
    ON_COMMAND(ID_SECOND, OnSecond)
END_MESSAGE_MAP()

}  // namespace

TEST_F(WindowTest, SendMessageIsSynchronousThroughTheTables)
{
    CDerivedWnd wnd;
    ASSERT_TRUE(CreateChild(wnd, CRect(0, 0, 10, 10)));
    // The derived entry hides the base's; the base's other entries still answer.
    EXPECT_EQ(wnd.SendMessage(WM_PING, 2, 0), 100 + 100 + 100);
    EXPECT_EQ(wnd.m_calls.size(), 3u);
    EXPECT_EQ(wnd.SendMessage(WM_ONLYBASE), 7);
    EXPECT_STREQ(wnd.m_calls.back(), "base only");
    // A message nobody handles gets the default answer.
    EXPECT_EQ(wnd.SendMessage(WM_USER + 50, 1, 2), 0);
    // A destroyed window answers nothing.
    wnd.DestroyWindow();
    EXPECT_EQ(wnd.SendMessage(WM_ONLYBASE), 0);
}

TEST_F(WindowTest, CommandsAndUpdateHandlersChainToTheBase)
{
    CDerivedWnd wnd;
    ASSERT_TRUE(CreateChild(wnd, CRect(0, 0, 10, 10)));
    EXPECT_TRUE(wnd.SendMessage(WM_COMMAND, MAKEWPARAM(ID_FIRST, 0), 0));
    EXPECT_TRUE(wnd.SendMessage(WM_COMMAND, MAKEWPARAM(ID_SECOND, 0), 0));
    EXPECT_FALSE(wnd.SendMessage(WM_COMMAND, MAKEWPARAM(ID_UNHANDLED, 0), 0));
    ASSERT_EQ(wnd.m_calls.size(), 2u);
    EXPECT_STREQ(wnd.m_calls[0], "base first");
    EXPECT_STREQ(wnd.m_calls[1], "derived second");

    CCmdUI ui;
    ui.m_nID = ID_FIRST;
    wnd.m_bFirstEnabled = FALSE;
    EXPECT_TRUE(ui.DoUpdate(&wnd, TRUE));
    EXPECT_FALSE(ui.m_bEnabled);
    wnd.m_bFirstEnabled = TRUE;
    EXPECT_TRUE(ui.DoUpdate(&wnd, TRUE));
    EXPECT_TRUE(ui.m_bEnabled);
    EXPECT_EQ(wnd.m_calls.size(), 2u);  // asking did not run the command
}

TEST_F(WindowTest, PostedMessagesArriveFromTheEventLoop)
{
    CDerivedWnd wnd;
    ASSERT_TRUE(CreateChild(wnd, CRect(0, 0, 10, 10)));
    EXPECT_TRUE(wnd.PostMessage(WM_ONLYBASE));
    EXPECT_TRUE(wnd.m_calls.empty());
    Testing::RunUntilIdle();
    ASSERT_EQ(wnd.m_calls.size(), 1u);
    // A message posted to a window destroyed before it arrives is dropped.
    wnd.PostMessage(WM_ONLYBASE);
    wnd.DestroyWindow();
    Testing::RunUntilIdle();
    EXPECT_EQ(wnd.m_calls.size(), 1u);
}

namespace {

// Records the timers it hears, and ends itself on the one it is told to.
class CTimerWnd : public CWnd {
public:
    std::vector<UINT_PTR> m_timers;
    UINT_PTR m_nDestroyOn = 0;

    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        m_timers.push_back(nIDEvent);
        if (nIDEvent == m_nDestroyOn)
            DestroyWindow();
    }
    int Count(UINT_PTR nID) const { return static_cast<int>(std::count(m_timers.begin(), m_timers.end(), nID)); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTimerWnd, CWnd)
    ON_WM_TIMER()
END_MESSAGE_MAP()

}  // namespace

TEST_F(WindowTest, TimersComeFromTheEventLoopUntilKilledOrTheWindowEnds)
{
    CTimerWnd wnd;
    EXPECT_EQ(wnd.SetTimer(1, 10), 0u);  // no window yet
    ASSERT_TRUE(CreateChild(wnd, CRect(0, 0, 10, 10)));
    EXPECT_EQ(wnd.SetTimer(0, 10), 0u);
    ASSERT_EQ(wnd.SetTimer(7, 20), 7u);
    ASSERT_EQ(wnd.SetTimer(8, 5), 8u);
    EXPECT_TRUE(wnd.m_timers.empty());  // never at once
    // Again and again, each with its id.
    ASSERT_TRUE(Testing::RunUntil([&wnd] { return wnd.Count(7) >= 2; }, 5000));
    EXPECT_GE(wnd.Count(8), 2);

    EXPECT_TRUE(wnd.KillTimer(8));
    EXPECT_FALSE(wnd.KillTimer(8));
    const int nEights = wnd.Count(8);
    ASSERT_TRUE(Testing::RunUntil([&wnd] { return wnd.Count(7) >= 5; }, 5000));
    EXPECT_EQ(wnd.Count(8), nEights);

    // Set again, a timer starts its interval anew: a long one keeps quiet.
    ASSERT_EQ(wnd.SetTimer(7, 60000), 7u);
    const int nSevens = wnd.Count(7);
    Testing::RunUntil([] { return false; }, 100);
    EXPECT_EQ(wnd.Count(7), nSevens);

    // A window that ends on its own timer hears no more of any.
    wnd.m_nDestroyOn = 9;
    wnd.SetTimer(9, 5);
    ASSERT_TRUE(Testing::RunUntil([&wnd] { return wnd.Count(9) == 1; }, 5000));
    EXPECT_EQ(wnd.GetSafeHwnd(), nullptr);
    Testing::RunUntil([] { return false; }, 50);
    EXPECT_EQ(wnd.Count(9), 1);
    EXPECT_FALSE(wnd.KillTimer(7));
}
