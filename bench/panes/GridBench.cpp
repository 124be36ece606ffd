// SPDX-License-Identifier: MIT
// Grid paints and taps, headless, each until everything it invalidated is
// painted, Qt's paint of the window included, as the event loop would.
// Run with QT_QPA_PLATFORM=offscreen.

#include "bench/panes/RandomGrid.h"
#include "model/CrossWordPuzzle.h"
#include "panes/GridWnd.h"
#include "platform/testing/Testing.h"
#include "tests/support/PuzzleFileWriter.h"
#include "tests/support/TempDir.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <random>

namespace {

using trellis::test::PuzzleFileWriter;
using trellis::test::TempDir;

// A grid of the benchmarks with letters in its squares.
class GridFixture {
public:
    explicit GridFixture(int nSize, bool bCircled = false)
    {
        std::mt19937 random(1);
        std::vector<std::string> rows = RandomGrid(nSize, random);
        // The square repainted alone, in the view: a white one with a letter.
        const int nAloneCol = 5;
        const int nAloneRow = 4;
        rows[nAloneRow][nAloneCol] = 'A';
        TempDir dir;
        m_pPuzzle = PuzzleFileWriter(rows).Load(dir);
        for (int nRow = 0; nRow < nSize; nRow++) {
            for (int nCol = 0; nCol < nSize; nCol++) {
                CSquare square = m_pPuzzle->GetSquare(nCol, nRow);
                square.m_chLetter = static_cast<WCHAR>(u'A' + random() % 26);
                square.m_bFilled = random() % 2 || (nRow == nAloneRow && nCol == nAloneCol);
                square.m_bChecked = random() % 2;
                square.m_bCircled = bCircled && !square.m_bBlack;
                m_pPuzzle->SetSquare(nCol, nRow, square);
            }
        }
        m_host.CreateEx(0, AfxRegisterWndClass(0), u"host", WS_POPUP | WS_VISIBLE, CRect(0, 0, 240, 190), nullptr, 0);
        m_grid.Create(nullptr, u"Puzzle", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &m_host, 1000);
        m_grid.SetShowNumbers(TRUE);
        m_grid.SetPuzzle(m_pPuzzle.get());
        Testing::RunUntilIdle();
    }
    void Paint(const RECT* pRect)
    {
        m_grid.InvalidateRect(pRect, FALSE);
        Testing::RunUntilIdle();
    }

    CWnd m_host;
    CGridWnd m_grid;
    std::unique_ptr<CCrossWordPuzzle> m_pPuzzle;
};

// One grid of each size for the whole run (the benchmark calls each function
// several times); left to the end of the process.
GridFixture& Grid(int nSize, bool bCircled = false)
{
    static std::map<std::pair<int, bool>, GridFixture*> grids;
    GridFixture*& pGrid = grids[{nSize, bCircled}];
    if (pGrid == nullptr)
        pGrid = new GridFixture(nSize, bCircled);
    return *pGrid;
}

void FullPaint(benchmark::State& state)
{
    GridFixture& grid = Grid(static_cast<int>(state.range(0)));
    for (auto _ : state)
        grid.Paint(nullptr);
}
BENCHMARK(FullPaint)->Arg(15)->Arg(255)->Unit(benchmark::kMillisecond);

// Every white square circled, as the most a file can ask for.
void FullPaintCircled(benchmark::State& state)
{
    GridFixture& grid = Grid(static_cast<int>(state.range(0)), true);
    for (auto _ : state)
        grid.Paint(nullptr);
}
BENCHMARK(FullPaintCircled)->Arg(15)->Arg(255)->Unit(benchmark::kMillisecond);

void OneSquare(benchmark::State& state)
{
    GridFixture& grid = Grid(255);
    for (auto _ : state) {
        grid.m_grid.InvalidateSquare(5, 4);
        Testing::RunUntilIdle();
    }
}
BENCHMARK(OneSquare)->Unit(benchmark::kMicrosecond);

// Most of the view: 8 x 6 squares.
void Region8x6(benchmark::State& state)
{
    GridFixture& grid = Grid(255);
    const CRect rcFirst = grid.m_grid.GetSquareRect(1, 1);
    const CRect rcLast = grid.m_grid.GetSquareRect(8, 6);
    const CRect rc(rcFirst.left, rcFirst.top, rcLast.right, rcLast.bottom);
    for (auto _ : state)
        grid.Paint(&rc);
}
BENCHMARK(Region8x6)->Unit(benchmark::kMicrosecond);

// Taps on the first square turn the selection between its across and down word.
void WordChangingTap(benchmark::State& state)
{
    GridFixture& grid = Grid(static_cast<int>(state.range(0)));
    const CRect rc = grid.m_grid.GetSquareRect(0, 0);
    const LPARAM lParam = MAKELPARAM(rc.left + 2, rc.top + 2);
    for (auto _ : state) {
        grid.m_grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lParam);
        Testing::RunUntilIdle();
    }
}
BENCHMARK(WordChangingTap)->Arg(15)->Arg(255)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    Testing::EnsureApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
