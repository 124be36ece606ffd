// SPDX-License-Identifier: MIT
// Only what can be seen is painted and kept: a child larger than its parent
// is painted where it shows, moving it paints what comes into view, many
// invalidations make one paint, and a window whose image cannot be had says
// so and keeps working.

#include "TestWindows.h"

#include "platform/testing/TestingShell.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 128, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0);

// Bytes an image holds for one logical pixel, at the screen's pixel ratio.
double BytesPerPixel(const CWnd& wnd)
{
    return 4 * Testing::ImageRatio(&wnd) * Testing::ImageRatio(&wnd);
}

// A 100 x 80 window holding a child far larger than itself at (0, 0).
class VisiblePartTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_TRUE(CreateChild(m_view, CRect(10, 10, 110, 90)));
        ASSERT_TRUE(
            m_content.Create(nullptr, u"content", WS_CHILD | WS_VISIBLE, CRect(0, 0, 20000, 20000), &m_view, 1));
        Testing::RunUntilIdle();
    }
    void MoveContent(int x, int y)
    {
        m_content.SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        Testing::RunUntilIdle();
    }

    CProbeWnd m_view;
    CProbeWnd m_content;
};

}  // namespace

TEST_F(VisiblePartTest, AChildIsPaintedOnlyWhereItShows)
{
    EXPECT_EQ(m_content.m_nPaints, 1);
    EXPECT_EQ(m_content.m_rcLastPaint, CRect(0, 0, 100, 80));
    m_content.Invalidate(FALSE);
    Testing::RunUntilIdle();
    EXPECT_EQ(m_content.m_rcLastPaint, CRect(0, 0, 100, 80));
    // Invalidating what cannot be seen asks for no paint at all.
    m_content.InvalidateRect(CRect(5000, 5000, 5100, 5100), FALSE);
    Testing::RunUntilIdle();
    EXPECT_EQ(m_content.m_nPaints, 2);
    // The images follow the screen, not the child's size.
    EXPECT_LE(Testing::ImageBytes(&m_view), 2 * 100 * 80 * BytesPerPixel(m_view));
}

TEST_F(VisiblePartTest, MovingAChildPaintsWhatComesIntoViewAndKeepsTheRest)
{
    m_content.m_crFill = kGreen;
    MoveContent(-30, -20);
    EXPECT_EQ(m_content.m_nPaints, 2);
    EXPECT_EQ(Testing::PixelAt(&m_content, 50, 50), kRed);  // was in view: moved along, not painted
    EXPECT_EQ(Testing::PixelAt(&m_content, 99, 79), kRed);
    EXPECT_EQ(Testing::PixelAt(&m_content, 100, 50), kGreen);  // came into view
    EXPECT_EQ(Testing::PixelAt(&m_content, 129, 99), kGreen);
    EXPECT_EQ(Testing::PixelAt(&m_content, 50, 80), kGreen);
    EXPECT_EQ(Testing::ScreenPixelAt(&m_host, 10 + 99 - 30, 10 + 79 - 20), kRed);
    EXPECT_EQ(Testing::ScreenPixelAt(&m_host, 10 + 100 - 30, 10 + 50 - 20), kGreen);

    // A jump away from everything that showed paints the whole view anew.
    m_content.m_crFill = kYellow;
    MoveContent(-9000, -9000);
    EXPECT_EQ(m_content.m_rcLastPaint, CRect(9000, 9000, 9100, 9080));
    EXPECT_EQ(Testing::CountPixels(&m_content, CRect(9000, 9000, 9100, 9080), kYellow), 100 * 80);
}

TEST_F(VisiblePartTest, ClientDrawingOutOfViewIsDroppedAndPaintedOnComingIntoView)
{
    {
        CClientDC dc(&m_content);
        dc.FillSolidRect(CRect(CPoint(5, 5), CSize(10, 10)), kGreen);  // in view: at once
        dc.FillSolidRect(CRect(CPoint(500, 500), CSize(10, 10)), kGreen);  // out of view: nowhere
    }
    EXPECT_EQ(Testing::PixelAt(&m_content, 5, 5), kGreen);
    // Read out of view, the part is what a paint puts there.
    m_content.m_crFill = kYellow;
    EXPECT_EQ(Testing::PixelAt(&m_content, 505, 505), kYellow);
    EXPECT_EQ(Testing::PixelAt(&m_content, 5, 5), kGreen);  // the view keeps its pixels
    MoveContent(-460, -460);
    EXPECT_EQ(Testing::PixelAt(&m_content, 505, 505), kYellow);
    EXPECT_EQ(Testing::ScreenPixelAt(&m_host, 10 + 45, 10 + 45), kYellow);
}

// A parent grown shows more of its child, painted: the grid's host and the
// end-to-end suite's resized frame show it.

TEST_F(WindowTest, ManyInvalidationsMakeOnePaintThatMissesNone)
{
    CProbeWnd wnd;
    ASSERT_TRUE(CreateChild(wnd, CRect(0, 0, 200, 200)));
    Testing::RunUntilIdle();
    // Two apart: painted exactly, what lies between keeps its pixels.
    wnd.m_crFill = kGreen;
    wnd.InvalidateRect(CRect(0, 0, 10, 10), FALSE);
    wnd.InvalidateRect(CRect(50, 0, 60, 10), FALSE);
    Testing::RunUntilIdle();
    EXPECT_EQ(wnd.m_nPaints, 2);
    EXPECT_EQ(Testing::CountPixels(&wnd, CRect(0, 0, 200, 200), kGreen), 200);
    EXPECT_EQ(Testing::PixelAt(&wnd, 30, 5), kRed);
    // Every other cell of a checkerboard of 10 x 10 cells: one paint.
    wnd.m_crFill = kYellow;
    for (int r = 0; r < 20; ++r) {
        for (int c = r % 2; c < 20; c += 2)
            wnd.InvalidateRect(CRect(c * 10, r * 10, c * 10 + 10, r * 10 + 10), FALSE);
    }
    Testing::RunUntilIdle();
    EXPECT_EQ(wnd.m_nPaints, 3);
    for (int r = 0; r < 20; ++r) {
        for (int c = r % 2; c < 20; c += 2)
            ASSERT_EQ(Testing::PixelAt(&wnd, c * 10 + 5, r * 10 + 5), kYellow) << c << ", " << r;
    }
}

TEST_F(WindowTest, AnImageThatCannotBeHadIsReportedOnceAndTheWindowGoesOn)
{
    Testing::ScriptedMessageBoxes boxes;
    CProbeWnd wnd;
    ASSERT_TRUE(CreateChild(wnd, CRect(0, 0, 40, 40)));
    Testing::RunUntilIdle();
    Testing::SetImageLimit(50 * 50 * 4);
    wnd.m_crFill = kGreen;
    boxes.Answer(IDOK);
    wnd.MoveWindow(0, 0, 100, 100, TRUE);
    Testing::RunUntilIdle();
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].Icon(), MB_ICONSTOP);
    EXPECT_FALSE(boxes.Shown()[0].strText.empty());
    // The old image goes on showing and taking paints where it fits.
    EXPECT_EQ(Testing::PixelAt(&wnd, 20, 20), kGreen);
    {
        CClientDC dc(&wnd);
        dc.FillSolidRect(CRect(0, 0, 5, 5), kYellow);
    }
    EXPECT_EQ(Testing::PixelAt(&wnd, 2, 2), kYellow);
    // Still none to be had: not told again.
    wnd.MoveWindow(0, 0, 120, 120, TRUE);
    Testing::RunUntilIdle();
    EXPECT_EQ(boxes.Shown().size(), 1u);

    // Once an image is had again, the next failure is told again.
    Testing::SetImageLimit(0);
    wnd.m_crFill = kRed;
    wnd.MoveWindow(0, 0, 90, 90, TRUE);
    Testing::RunUntilIdle();
    EXPECT_EQ(Testing::CountPixels(&wnd, CRect(0, 0, 90, 90), kRed), 90 * 90);
    Testing::SetImageLimit(50 * 50 * 4);
    boxes.Answer(IDOK);
    wnd.MoveWindow(0, 0, 100, 100, TRUE);
    Testing::RunUntilIdle();
    Testing::SetImageLimit(0);
    EXPECT_EQ(boxes.Shown().size(), 2u);
}
