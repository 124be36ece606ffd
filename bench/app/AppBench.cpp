// Start-up to the first painted frame, one typed letter from WM_CHAR to the
// repainted square, and the repaint after a modal window closes. Run
// headless: QT_QPA_PLATFORM=offscreen.
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

} // namespace

BENCHMARK_MAIN();
