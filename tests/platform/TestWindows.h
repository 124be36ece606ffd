// SPDX-License-Identifier: MIT
#pragma once

// Windows shared by the platform tests: a top-level host to put children in,
// and a child that records what it is sent.

#include "platform/Platform.h"
#include "platform/testing/Testing.h"

#include <gtest/gtest.h>

#include <vector>

// Records messages and paints; paints fill with m_crFill unless told not to.
class CProbeWnd : public CWnd {
public:
    std::vector<UINT> m_messages;
    std::vector<CPoint> m_points;
    std::vector<UINT> m_chars;
    std::vector<UINT> m_keys;
    int m_nCreateResult = 0;
    int m_nPaints = 0;
    bool m_bFillOnPaint = true;
    COLORREF m_crFill = RGB(255, 0, 0);
    CRect m_rcLastPaint;
    BOOL m_bLastErase = FALSE;
    CSize m_sizeLast {-1, -1};

    int Count(UINT message) const
    {
        int n = 0;
        for (UINT m : m_messages)
            n += m == message ? 1 : 0;
        return n;
    }

    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        m_messages.push_back(WM_CREATE);
        if (CWnd::OnCreate(lpcs) == -1)
            return -1;
        return m_nCreateResult;
    }
    afx_msg void OnDestroy() { m_messages.push_back(WM_DESTROY); }
    afx_msg void OnSize(UINT, int cx, int cy)
    {
        m_messages.push_back(WM_SIZE);
        m_sizeLast = CSize(cx, cy);
    }
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        ++m_nPaints;
        m_rcLastPaint = dc.m_ps.rcPaint;
        m_bLastErase = dc.m_ps.fErase;
        if (m_bFillOnPaint) {
            CRect rc;
            GetClientRect(&rc);
            dc.FillSolidRect(&rc, m_crFill);
        }
    }
    afx_msg void OnChar(UINT nChar, UINT, UINT) { m_chars.push_back(nChar); }
    afx_msg void OnKeyDown(UINT nChar, UINT, UINT) { m_keys.push_back(nChar); }
    afx_msg void OnLButtonDown(UINT, CPoint pt) { Record(WM_LBUTTONDOWN, pt); }
    afx_msg void OnLButtonUp(UINT, CPoint pt) { Record(WM_LBUTTONUP, pt); }
    afx_msg void OnLButtonDblClk(UINT, CPoint pt) { Record(WM_LBUTTONDBLCLK, pt); }
    afx_msg void OnSetFocus(CWnd*) { m_messages.push_back(WM_SETFOCUS); }
    afx_msg LRESULT OnKillFocus(WPARAM, LPARAM)
    {
        m_messages.push_back(WM_KILLFOCUS);
        return 0;
    }

    void Record(UINT message, CPoint pt)
    {
        m_messages.push_back(message);
        m_points.push_back(pt);
    }

    DECLARE_MESSAGE_MAP()
};

// A visible top-level window of 300 x 300 at the screen's origin.
class CHostWnd : public CWnd {
public:
    BOOL CreateHost(int cx = 300, int cy = 300)
    {
        return CreateEx(0, AfxRegisterWndClass(0, nullptr, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)), u"host",
                        WS_POPUP | WS_VISIBLE, CRect(0, 0, cx, cy), nullptr, 0);
    }
};

// Each test gets a fresh host and leaves nothing pending.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateHost());
        Testing::RunUntilIdle();
    }
    void TearDown() override
    {
        m_host.DestroyWindow();
        Testing::RunUntilIdle();
    }

    // A visible child of the host at rc, with the default class or the given one.
    BOOL CreateChild(CWnd& wnd, const RECT& rc, UINT nID = 100, DWORD dwStyle = 0, LPCTSTR lpszClass = nullptr)
    {
        return wnd.Create(lpszClass, u"child", WS_CHILD | WS_VISIBLE | dwStyle, rc, &m_host, nID);
    }

    CHostWnd m_host;
};
