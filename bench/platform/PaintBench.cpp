// SPDX-License-Identifier: MIT
// How long painting takes on the window image.
//   QT_QPA_PLATFORM=offscreen build/release/bench/platform/trellis_platform_bench

#include "platform/Platform.h"
#include "platform/testing/Testing.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

constexpr int kCell = 20;
constexpr int kCells = 50;  // 50 x 50 cells of 20 pixels: 1000 x 1000

// A 1000 x 1000 grid of cells, each a fill, a frame and a letter. Its paint
// draws either every cell, leaving the clipping to the platform, or only the
// cells that meet the clip box, as the grid window does.
class CCellsWnd : public CWnd {
public:
    explicit CCellsWnd(bool bOnlyClipped) : m_bOnlyClipped(bOnlyClipped) { }

    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        CRect rcCells(0, 0, kCells, kCells);
        if (m_bOnlyClipped) {
            CRect rcClip;
            dc.GetClipBox(&rcClip);
            rcCells = CRect(rcClip.left / kCell, rcClip.top / kCell, std::min(kCells, (rcClip.right - 1) / kCell + 1),
                            std::min(kCells, (rcClip.bottom - 1) / kCell + 1));
        }
        CBrush black(RGB(0, 0, 0));
        dc.SetBkMode(TRANSPARENT);
        for (int c = rcCells.left; c < rcCells.right; ++c) {
            for (int r = rcCells.top; r < rcCells.bottom; ++r) {
                CRect rc(c * kCell, r * kCell, (c + 1) * kCell, (r + 1) * kCell);
                dc.FillSolidRect(&rc, (c + r) % 2 ? RGB(255, 255, 255) : RGB(0, 0, 255));
                dc.FrameRect(&rc, black);
                const TCHAR letter = static_cast<TCHAR>(u'A' + (c + r) % 26);
                dc.DrawText(&letter, 1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            }
        }
    }

    DECLARE_MESSAGE_MAP()

private:
    bool m_bOnlyClipped;
};

BEGIN_MESSAGE_MAP(CCellsWnd, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

struct Fixture {
    Fixture()
    {
        Testing::EnsureApplication();
        for (CCellsWnd* pWnd : {&wnd, &clipped})
            pWnd->CreateEx(0, nullptr, u"cells", WS_POPUP | WS_VISIBLE, CRect(0, 0, kCells * kCell, kCells * kCell),
                           nullptr, 0);
        Testing::RunUntilIdle();
    }
    CCellsWnd wnd {false};
    CCellsWnd clipped {true};
};

Fixture& Shared()
{
    static Fixture* const fixture = new Fixture;
    return *fixture;
}

// One cell invalidated, walking over the grid, and the paint that follows,
// Qt's paint of the window included.
void RepaintOneCell(benchmark::State& state, CCellsWnd& wnd)
{
    int i = 0;
    for (auto _ : state) {
        const int c = i % kCells;
        const int r = (i / kCells) % kCells;
        ++i;
        CRect rc(c * kCell, r * kCell, (c + 1) * kCell, (r + 1) * kCell);
        wnd.InvalidateRect(&rc, FALSE);
        Testing::RunUntilIdle();
    }
}

// The paint draws that one cell.
void BM_RepaintOneCell(benchmark::State& state)
{
    RepaintOneCell(state, Shared().clipped);
}
BENCHMARK(BM_RepaintOneCell)->Unit(benchmark::kMicrosecond);

// The paint draws all 2,500 cells and the platform clips them to the one:
// what a paint handler that ignores the clip box costs.
void BM_PaintAllCellsClippedToOne(benchmark::State& state)
{
    RepaintOneCell(state, Shared().wnd);
}
BENCHMARK(BM_PaintAllCellsClippedToOne)->Unit(benchmark::kMicrosecond);

// The whole 1000 x 1000 window repainted.
void BM_RepaintWhole(benchmark::State& state)
{
    CCellsWnd& wnd = Shared().wnd;
    for (auto _ : state) {
        wnd.Invalidate(FALSE);
        wnd.UpdateWindow();
    }
}
BENCHMARK(BM_RepaintWhole)->Unit(benchmark::kMillisecond);

// A window of 255 x 255 cells of 4 pixels whose paint fills each cell that
// meets the clip box, as the grid does.
constexpr int kSmall = 4;
constexpr int kSmallCells = 255;

class CSmallCellsWnd : public CWnd {
public:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        CRect rcClip;
        dc.GetClipBox(&rcClip);
        for (int c = rcClip.left / kSmall; c < kSmallCells && c * kSmall < rcClip.right; ++c) {
            for (int r = rcClip.top / kSmall; r < kSmallCells && r * kSmall < rcClip.bottom; ++r)
                dc.FillSolidRect(CRect(CPoint(c * kSmall, r * kSmall), CSize(kSmall, kSmall)),
                                 (c + r) % 2 ? RGB(0, 0, 255) : RGB(255, 255, 0));
        }
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSmallCellsWnd, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

// n cells invalidated one at a time, every other one along the rows, then
// one paint: linear in n, or the series shows it.
void BM_InvalidateCells(benchmark::State& state)
{
    static CSmallCellsWnd* const pWnd = [] {
        Testing::EnsureApplication();
        auto* p = new CSmallCellsWnd;
        p->CreateEx(0, nullptr, u"small cells", WS_POPUP | WS_VISIBLE,
                    CRect(0, 0, kSmallCells * kSmall, kSmallCells * kSmall), nullptr, 0);
        Testing::RunUntilIdle();
        return p;
    }();
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        for (int i = 0; i < n; ++i) {
            const int cell = (2 * i) % (kSmallCells * kSmallCells);
            const int c = cell % kSmallCells;
            const int r = cell / kSmallCells;
            CRect rc(c * kSmall, r * kSmall, (c + 1) * kSmall, (r + 1) * kSmall);
            pWnd->InvalidateRect(&rc, FALSE);
        }
        pWnd->UpdateWindow();
    }
    state.SetComplexityN(n);
}
BENCHMARK(BM_InvalidateCells)->RangeMultiplier(4)->Range(16, 16384)->Complexity()->Unit(benchmark::kMillisecond);

void BM_FillRect(benchmark::State& state)
{
    CClientDC dc(&Shared().wnd);
    CBrush brush(RGB(0, 0, 128));
    CRect rc(100, 100, 100 + kCell, 100 + kCell);
    for (auto _ : state)
        dc.FillRect(&rc, &brush);
}
BENCHMARK(BM_FillRect);

void BM_DrawTextCentred(benchmark::State& state)
{
    CClientDC dc(&Shared().wnd);
    CRect rc(100, 100, 100 + kCell, 100 + kCell);
    for (auto _ : state)
        dc.DrawText(u"W", 1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
BENCHMARK(BM_DrawTextCentred);

void BM_DrawTextWordBreak(benchmark::State& state)
{
    CClientDC dc(&Shared().wnd);
    const CString clue(u"12A: Where a solver keeps the letters that fit, across and down (5,4)");
    CRect rc(0, 0, 236, 34);
    for (auto _ : state)
        dc.DrawText(clue, &rc, DT_WORDBREAK | DT_NOPREFIX);
}
BENCHMARK(BM_DrawTextWordBreak);

}  // namespace

BENCHMARK_MAIN();
