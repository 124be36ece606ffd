// SPDX-License-Identifier: MIT
// At a screen pixel ratio of 2 (run with QT_SCALE_FACTOR=2) windows keep
// their images at the screen's resolution: edges fall on the screen's own
// pixels and text has detail finer than a logical pixel, while every
// coordinate the windows use stays logical.

#include "TestWindows.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// White, a blue square, a one-pixel black line and a word.
class CDrawingWnd : public CWnd {
public:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        CRect rc;
        GetClientRect(&rc);
        dc.FillSolidRect(&rc, kWhite);
        dc.FillSolidRect(CRect(CPoint(20, 20), CSize(10, 10)), kBlue);
        dc.FillSolidRect(CRect(CPoint(40, 0), CSize(1, rc.Height())), kBlack);
        CRect rcText(50, 10, 150, 40);
        dc.SetBkMode(TRANSPARENT);
        dc.DrawText(u"Sharp", -1, &rcText, DT_LEFT | DT_TOP | DT_SINGLELINE);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDrawingWnd, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

// Logical pixels of the rectangle whose four screen pixels differ: detail
// finer than a logical pixel, which a picture drawn at half the resolution
// and enlarged never shows.
int SplitPixels(const Testing::ScreenShot& shot, const CRect& rc)
{
    int nSplit = 0;
    for (int y = rc.top; y < rc.bottom; ++y) {
        for (int x = rc.left; x < rc.right; ++x) {
            const COLORREF c = shot.DevicePixelAt(2 * x, 2 * y);
            nSplit += shot.DevicePixelAt(2 * x + 1, 2 * y) != c || shot.DevicePixelAt(2 * x, 2 * y + 1) != c ||
                              shot.DevicePixelAt(2 * x + 1, 2 * y + 1) != c
                          ? 1
                          : 0;
        }
    }
    return nSplit;
}

}  // namespace

TEST_F(WindowTest, ImagesFollowTheScreensPixelRatio)
{
    CDrawingWnd wnd;
    ASSERT_TRUE(CreateChild(wnd, CRect(0, 0, 160, 60)));
    Testing::RunUntilIdle();
    ASSERT_EQ(Testing::ImageRatio(&wnd), 2.0) << "run with QT_SCALE_FACTOR=2";

    // Logical pixels as ever.
    EXPECT_EQ(Testing::PixelAt(&wnd, 20, 20), kBlue);
    EXPECT_EQ(Testing::PixelAt(&wnd, 29, 29), kBlue);
    EXPECT_EQ(Testing::PixelAt(&wnd, 30, 29), kWhite);
    EXPECT_EQ(Testing::PixelAt(&wnd, 40, 50), kBlack);
    EXPECT_EQ(Testing::ScreenPixelAt(&wnd, 40, 50), kBlack);

    const Testing::ScreenShot shot(&wnd);
    // On screen: the square's edges and the line fall exactly on screen
    // pixels, nothing blurred.
    for (int y : {41, 58}) {
        EXPECT_EQ(shot.DevicePixelAt(39, y), kWhite);
        EXPECT_EQ(shot.DevicePixelAt(40, y), kBlue);
        EXPECT_EQ(shot.DevicePixelAt(59, y), kBlue);
        EXPECT_EQ(shot.DevicePixelAt(60, y), kWhite);
    }
    for (int y : {0, 57, 119}) {
        EXPECT_EQ(shot.DevicePixelAt(79, y), kWhite);
        EXPECT_EQ(shot.DevicePixelAt(80, y), kBlack);
        EXPECT_EQ(shot.DevicePixelAt(81, y), kBlack);
        EXPECT_EQ(shot.DevicePixelAt(82, y), kWhite);
    }

    // Text drawn at the screen's resolution.
    EXPECT_GT(SplitPixels(shot, CRect(50, 10, 150, 40)), 20);
}

// Scrolling at twice the ratio moves whole logical pixels: the end-to-end
// suite's wheel case, at twice the scale, finds the grid exactly there.

namespace {

// Owns a list whose items are 20 pixels high, white with a black top line.
class CListOwnerWnd : public CWnd {
public:
    CListBox m_list;

    afx_msg void OnMeasureItem(int, LPMEASUREITEMSTRUCT lpmis) { lpmis->itemHeight = 20; }
    afx_msg void OnDrawItem(int, LPDRAWITEMSTRUCT lpdis)
    {
        CDC* pDC = CDC::FromHandle(lpdis->hDC);
        const CRect rc(lpdis->rcItem);
        pDC->FillSolidRect(&rc, kWhite);
        pDC->FillSolidRect(CRect(rc.left, rc.top, rc.right, rc.top + 1), kBlack);
        CRect rcText(rc.left + 10, rc.top + 2, rc.right, rc.bottom);
        pDC->SetBkMode(TRANSPARENT);
        pDC->DrawText(u"Sharp", -1, &rcText, DT_LEFT | DT_TOP | DT_SINGLELINE);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CListOwnerWnd, CWnd)
    ON_WM_MEASUREITEM()
    ON_WM_DRAWITEM()
END_MESSAGE_MAP()

}  // namespace

TEST_F(WindowTest, AnOwnerDrawnListDrawsItsItemsAtTheScreensResolution)
{
    CListOwnerWnd owner;
    ASSERT_TRUE(CreateChild(owner, CRect(0, 0, 200, 200)));
    ASSERT_TRUE(owner.m_list.Create(nullptr, u"list", WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWVARIABLE | LBS_NODATA,
                                    CRect(0, 0, 150, 100), &owner, 1));
    owner.m_list.SetCount(10);
    Testing::RunUntilIdle();
    CRect rc;
    ASSERT_EQ(owner.m_list.GetItemRect(2, &rc), LB_OKAY);
    EXPECT_EQ(rc.top, 40);  // logical pixels
    EXPECT_EQ(rc.Height(), 20);
    // The line is the item's top logical pixel: two rows of the screen's.
    const Testing::ScreenShot shot(&owner.m_list);
    EXPECT_EQ(shot.DevicePixelAt(5, 2 * 40 - 1), kWhite);
    EXPECT_EQ(shot.DevicePixelAt(5, 2 * 40), kBlack);
    EXPECT_EQ(shot.DevicePixelAt(5, 2 * 40 + 1), kBlack);
    EXPECT_EQ(shot.DevicePixelAt(5, 2 * 40 + 2), kWhite);
    // Its text is drawn at the screen's resolution too.
    EXPECT_GT(SplitPixels(shot, CRect(10, 42, 100, 60)), 20);
}
