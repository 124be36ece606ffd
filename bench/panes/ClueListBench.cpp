// SPDX-License-Identifier: MIT
// The clue lists beside the grid: what a new selected word costs them, alone
// and with their repaint, what a changed letter costs, and a new puzzle.
// Headless: run with QT_QPA_PLATFORM=offscreen.

#include "bench/panes/RandomGrid.h"
#include "model/CrossWordPuzzle.h"
#include "panes/ClueListWnd.h"
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

// A grid of the benchmarks, its window and the lists side by side, as on a
// desktop window.
class ListsFixture {
public:
    explicit ListsFixture(int nSize)
    {
        std::mt19937 random(1);
        TempDir dir;
        m_pPuzzle = PuzzleFileWriter(RandomGrid(nSize, random)).Load(dir);
        m_host.CreateEx(0, AfxRegisterWndClass(0), u"host", WS_POPUP | WS_VISIBLE, CRect(0, 0, 760, 488), nullptr, 0);
        m_grid.Create(nullptr, u"Puzzle", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &m_host, 1000);
        m_lists.Create(nullptr, u"lists", WS_CHILD | WS_VISIBLE, CRect(344, 0, 760, 488), &m_host, 1110);
        m_lists.SetGrid(&m_grid);
        m_lists.SetPuzzle(m_pPuzzle.get());
        m_grid.SetPuzzle(m_pPuzzle.get());
        m_lists.ShowSelection();
        Testing::RunUntilIdle();
        // Two words far apart: the first across word and the last down word.
        const CClueIndex& index = m_lists.GetIndex();
        m_words[0] = {DIRECTION_ACROSS, index.Entries(DIRECTION_ACROSS).front().m_ptStart};
        m_words[1] = {DIRECTION_DOWN, index.Entries(DIRECTION_DOWN).back().m_ptStart};
    }
    // Makes the other word the grid's; the lists hear nothing of it yet.
    void SelectNextInGrid()
    {
        m_nNext = 1 - m_nNext;
        m_grid.SelectWordAt(m_words[m_nNext].first, m_words[m_nNext].second);
    }

    CWnd m_host;
    CGridWnd m_grid;
    CClueListWnd m_lists;
    std::unique_ptr<CCrossWordPuzzle> m_pPuzzle;
    std::pair<int, CPoint> m_words[2];
    int m_nNext = 0;
};

ListsFixture& Lists(int nSize)
{
    static std::map<int, ListsFixture*> fixtures;
    ListsFixture*& p = fixtures[nSize];
    if (p == nullptr)
        p = new ListsFixture(nSize);
    return *p;
}

// The lists take a new selected word: the selected clue, the crossing clue,
// both scrolled into view and marked for repainting.
void ClueListsSelectWord(benchmark::State& state)
{
    ListsFixture& f = Lists(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        f.SelectNextInGrid();
        state.ResumeTiming();
        f.m_lists.ShowSelection();
    }
}
BENCHMARK(ClueListsSelectWord)->Arg(15)->Arg(255)->Unit(benchmark::kMicrosecond);

// The same, and the repaint of the lists that follows.
void ClueListsSelectWordAndPaint(benchmark::State& state)
{
    ListsFixture& f = Lists(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        f.SelectNextInGrid();
        Testing::RunUntilIdle();
        state.ResumeTiming();
        f.m_lists.ShowSelection();
        Testing::RunUntilIdle();
    }
}
BENCHMARK(ClueListsSelectWordAndPaint)->Arg(15)->Arg(255)->Unit(benchmark::kMicrosecond);

// A letter changed in a square: its two clues are marked for repainting.
void ClueListsSquareChanged(benchmark::State& state)
{
    ListsFixture& f = Lists(static_cast<int>(state.range(0)));
    for (auto _ : state)
        f.m_lists.SquareChanged(1, 0);
}
BENCHMARK(ClueListsSquareChanged)->Arg(15)->Arg(255)->Unit(benchmark::kMicrosecond);

// A new puzzle: the index, the counts and the first layout of the lists.
void ClueListsNewPuzzle(benchmark::State& state)
{
    ListsFixture& f = Lists(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        f.m_lists.SetPuzzle(f.m_pPuzzle.get());
        f.m_lists.ShowSelection();
    }
}
BENCHMARK(ClueListsNewPuzzle)->Arg(15)->Arg(255)->Unit(benchmark::kMillisecond);

}  // namespace
