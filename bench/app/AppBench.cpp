// Start-up to the first painted frame, one typed letter from WM_CHAR to the
// repainted square, one arrow key and one Tab from the key press to the
// redrawn words, and the repaint after a modal window closes. Run headless:
// QT_QPA_PLATFORM=offscreen.
#include "app/MainFrm.h"
#include "app/PuzzleApp.h"
#include "model/CrossWordPuzzle.h"
#include "platform/Testing.h"
#include "platform/TestingShell.h"
#include "tests/support/PuzzleFileWriter.h"
#include "tests/support/TempDir.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using trellis::test::PuzzleFileWriter;
using trellis::test::TempDir;

void CloseProgram()
{
    if (theApp.m_pMainWnd)
        theApp.m_pMainWnd->DestroyWindow();
    theApp.m_pMainWnd = nullptr;
    delete theApp.m_pPuzzle;
    theApp.m_pPuzzle = nullptr;
    Testing::RunUntilIdle();
}

// Starts the program with an n x n puzzle of the folder shown and painted.
CPuzzleWnd& StartWithPuzzle(int nSize, const TempDir& dir)
{
    const std::vector<std::string> rows(static_cast<size_t>(nSize), std::string(static_cast<size_t>(nSize), 'A'));
    theApp.InitInstance();
    theApp.m_pPuzzle = PuzzleFileWriter(rows).Load(dir).release();
    CPuzzleWnd& wnd = theApp.GetPuzzleWnd();
    wnd.SetPuzzle(theApp.m_pPuzzle);
    Testing::RunUntilIdle();
    return wnd;
}

void BM_StartUpToFirstPaint(benchmark::State& state)
{
    Testing::EnsureApplication();
    Testing::TemporarySettings settings;
    for (auto _ : state) {
        theApp.InitInstance(); // shows and paints the frame before it returns
        state.PauseTiming();
        CloseProgram();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToFirstPaint)->Unit(benchmark::kMillisecond);

void BM_TypeLetter(benchmark::State& state)
{
    Testing::EnsureApplication();
    Testing::TemporarySettings settings;
    TempDir dir;
    CPuzzleWnd& wnd = StartWithPuzzle(static_cast<int>(state.range(0)), dir);
    CGridWnd& grid = wnd.GetGrid();

    UINT nChar = 'B';
    for (auto _ : state) {
        // A wrong letter each time, so the puzzle never counts as solved.
        wnd.SendMessage(WM_CHAR, nChar, 0);
        grid.UpdateWindow();
        nChar = nChar == 'Z' ? 'B' : nChar + 1;
        state.PauseTiming();
        grid.m_ptSelected = CPoint(0, 0);
        state.ResumeTiming();
    }
    CloseProgram();
}
BENCHMARK(BM_TypeLetter)->Arg(15)->Arg(255)->Unit(benchmark::kMicrosecond);

// A message box closing over a puzzle: every window of the frame repaints.
void BM_ModalClose(benchmark::State& state)
{
    Testing::EnsureApplication();
    Testing::TemporarySettings settings;
    Testing::ScriptedMessageBoxes boxes;
    TempDir dir;
    StartWithPuzzle(static_cast<int>(state.range(0)), dir);
    for (auto _ : state) {
        AfxMessageBox(u"Closed.", MB_OK);
        Testing::RunUntilIdle();
    }
    CloseProgram();
}
BENCHMARK(BM_ModalClose)->Arg(15)->Arg(255)->Unit(benchmark::kMillisecond);

// The program with a filled first row on an n x n grid, the puzzle window
// holding the focus, as the keyboard benchmarks start.
CPuzzleWnd& StartWithFilledRow(int nSize, const TempDir& dir)
{
    CPuzzleWnd& wnd = StartWithPuzzle(nSize, dir);
    for (int c = 0; c < nSize; ++c) {
        CSquare square = theApp.m_pPuzzle->GetSquare(c, 0);
        square.m_chLetter = u'B';
        square.m_bFilled = TRUE;
        theApp.m_pPuzzle->SetSquare(c, 0, square);
    }
    wnd.SetFocus();
    Testing::RunUntilIdle();
    return wnd;
}

// Right and Left in turn along the first row: the selected square moves
// within a word as long as the grid is wide.
void BM_ArrowKey(benchmark::State& state)
{
    Testing::EnsureApplication();
    Testing::TemporarySettings settings;
    TempDir dir;
    CGridWnd& grid = StartWithFilledRow(static_cast<int>(state.range(0)), dir).GetGrid();
    bool bRight = true;
    for (auto _ : state) {
        Testing::PressKey(bRight ? VK_RIGHT : VK_LEFT);
        grid.UpdateWindow();
        bRight = !bRight;
    }
    if (grid.m_ptSelected.y != 0 || grid.m_ptSelected.x > 1)
        state.SkipWithError("the arrows did not move the selection along the row");
    CloseProgram();
}
BENCHMARK(BM_ArrowKey)->Arg(15)->Arg(255)->Unit(benchmark::kMicrosecond);

// Tab and Shift+Tab in turn between the first two rows: each press draws
// the old word plain and the new one highlighted, both as wide as the grid.
void BM_TabKey(benchmark::State& state)
{
    Testing::EnsureApplication();
    Testing::TemporarySettings settings;
    TempDir dir;
    CGridWnd& grid = StartWithFilledRow(static_cast<int>(state.range(0)), dir).GetGrid();
    bool bForward = true;
    for (auto _ : state) {
        Testing::PressKey(VK_TAB, bForward ? FALSE : TRUE);
        grid.UpdateWindow();
        bForward = !bForward;
    }
    if (grid.m_ptWordStart.x != 0 || grid.m_ptWordStart.y > 1)
        state.SkipWithError("Tab did not move between the first two words");
    CloseProgram();
}
BENCHMARK(BM_TabKey)->Arg(15)->Arg(255)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
