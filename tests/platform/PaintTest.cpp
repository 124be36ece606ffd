// SPDX-License-Identifier: MIT
// Painting on the persistent window image: update regions, erasing, and
// drawing at once through a client device context.

#include "TestWindows.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 128, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

LPCTSTR YellowClass()
{
    CBrush brush(kYellow);
    return AfxRegisterWndClass(0, nullptr, brush);
}

}  // namespace

TEST_F(WindowTest, InvalidatedAreaIsPaintedLaterByTheEventLoop)
{
    CProbeWnd wnd;
    ASSERT_TRUE(CreateChild(wnd, CRect(0, 0, 40, 30)));
    Testing::RunUntilIdle();
    EXPECT_EQ(wnd.m_nPaints, 1);
    EXPECT_EQ(Testing::PixelAt(&wnd, 39, 29), kRed);

    wnd.m_crFill = kGreen;
    wnd.InvalidateRect(CRect(10, 10, 20, 15), FALSE);
    EXPECT_EQ(wnd.m_nPaints, 1);  // not yet
    Testing::RunUntilIdle();
    EXPECT_EQ(wnd.m_nPaints, 2);
    EXPECT_EQ(wnd.m_rcLastPaint, CRect(10, 10, 20, 15));
    // The handler filled everything; only the invalid part changed.
    EXPECT_EQ(Testing::CountPixels(&wnd, CRect(0, 0, 40, 30), kGreen), 50);
    EXPECT_EQ(Testing::PixelAt(&wnd, 10, 10), kGreen);
    EXPECT_EQ(Testing::PixelAt(&wnd, 19, 14), kGreen);
    EXPECT_EQ(Testing::PixelAt(&wnd, 20, 14), kRed);
    EXPECT_EQ(Testing::PixelAt(&wnd, 9, 10), kRed);
    // Several areas make one paint clipped to them: VisiblePartTest.
}

TEST_F(WindowTest, EraseFlagDecidesWhetherOldPixelsStay)
{
    CProbeWnd wnd;
    ASSERT_TRUE(CreateChild(wnd, CRect(0, 0, 40, 30), 1, 0, YellowClass()));
    Testing::RunUntilIdle();
    ASSERT_EQ(Testing::PixelAt(&wnd, 5, 5), kRed);
    wnd.m_bFillOnPaint = false;

    // Without erasing, a paint that draws nothing leaves the old pixels.
    wnd.InvalidateRect(CRect(0, 0, 10, 10), FALSE);
    Testing::RunUntilIdle();
    EXPECT_EQ(wnd.m_nPaints, 2);
    EXPECT_EQ(Testing::PixelAt(&wnd, 5, 5), kRed);

    // With erasing, the class brush fills the invalid part first.
    wnd.InvalidateRect(CRect(0, 0, 10, 10), TRUE);
    Testing::RunUntilIdle();
    EXPECT_EQ(Testing::PixelAt(&wnd, 5, 5), kYellow);
    EXPECT_EQ(Testing::PixelAt(&wnd, 10, 10), kRed);
    EXPECT_FALSE(wnd.m_bLastErase);

    // The default class has no brush: erasing is left to the window.
    CProbeWnd plain;
    ASSERT_TRUE(CreateChild(plain, CRect(50, 0, 70, 20), 2));
    Testing::RunUntilIdle();
    plain.m_bFillOnPaint = false;
    plain.Invalidate(TRUE);
    Testing::RunUntilIdle();
    EXPECT_EQ(Testing::PixelAt(&plain, 0, 0), kRed);
    EXPECT_TRUE(plain.m_bLastErase);
}

TEST_F(WindowTest, ClientDCDrawsAtOnceAndUpdateWindowPaintsAtOnce)
{
    CProbeWnd wnd;
    ASSERT_TRUE(CreateChild(wnd, CRect(0, 0, 20, 20)));
    Testing::RunUntilIdle();
    {
        CClientDC dc(&wnd);
        dc.FillSolidRect(CRect(CPoint(2, 2), CSize(3, 3)), kGreen);
    }
    EXPECT_EQ(Testing::PixelAt(&wnd, 2, 2), kGreen);
    EXPECT_EQ(Testing::PixelAt(&wnd, 5, 5), kRed);
    EXPECT_EQ(wnd.m_nPaints, 1);

    wnd.m_crFill = kWhite;
    wnd.Invalidate(FALSE);
    wnd.UpdateWindow();
    EXPECT_EQ(wnd.m_nPaints, 2);
    EXPECT_EQ(Testing::PixelAt(&wnd, 2, 2), kWhite);
    Testing::RunUntilIdle();
    EXPECT_EQ(wnd.m_nPaints, 2);  // nothing was left to paint
}

TEST_F(WindowTest, ResizeRepaintsByClassStyle)
{
    // The default class redraws everything on a resize...
    CProbeWnd whole;
    ASSERT_TRUE(CreateChild(whole, CRect(0, 0, 20, 20)));
    Testing::RunUntilIdle();
    whole.MoveWindow(0, 0, 30, 20, TRUE);
    Testing::RunUntilIdle();
    EXPECT_EQ(whole.m_rcLastPaint, CRect(0, 0, 30, 20));
    // ...a class without CS_HREDRAW / CS_VREDRAW only what is new.
    CProbeWnd part;
    ASSERT_TRUE(CreateChild(part, CRect(0, 0, 20, 20), 2, 0, YellowClass()));
    Testing::RunUntilIdle();
    part.MoveWindow(0, 0, 30, 20, TRUE);
    Testing::RunUntilIdle();
    EXPECT_EQ(part.m_rcLastPaint, CRect(20, 0, 30, 20));
}

TEST_F(WindowTest, ScreenShowsChildrenOverTheirParentInsideTheBorder)
{
    CProbeWnd parent;
    ASSERT_TRUE(CreateChild(parent, CRect(10, 10, 110, 60), 1, WS_BORDER));
    parent.m_crFill = kYellow;
    CProbeWnd child;
    child.m_crFill = kGreen;
    ASSERT_TRUE(child.Create(nullptr, u"inner", WS_CHILD | WS_VISIBLE, CRect(0, 0, 20, 10), &parent, 2));
    Testing::RunUntilIdle();
    EXPECT_EQ(Testing::ScreenPixelAt(&parent, 0, 0), RGB(0, 0, 0));  // the border
    EXPECT_EQ(Testing::ScreenPixelAt(&parent, 1, 1), kGreen);  // the child at client (0, 0)
    EXPECT_EQ(Testing::ScreenPixelAt(&parent, 21, 1), kYellow);
    EXPECT_EQ(Testing::ScreenPixelAt(&m_host, 11, 11), kGreen);
    // The parent's own image holds its paint under the child.
    EXPECT_EQ(Testing::PixelAt(&parent, 0, 0), kYellow);
}
