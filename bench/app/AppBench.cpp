// SPDX-License-Identifier: MIT
// The real program, headless: InitInstance in a warm process, a typed letter,
// an arrow key and a Tab, the repaint after a modal window closes, and the
// commands that touch many squares, each from the input or the command to the
// moment every pane has painted what it changed, as the event loop would
// (clue bar and Qt's own paint of the windows included), over grid sizes so
// that a cost growing faster than the number of squares shows. Start-up as a
// person meets it, from the process start, is trellis_startup_bench's.
// Run: QT_QPA_PLATFORM=offscreen.
#include "app/MainFrm.h"
#include "app/PuzzleApp.h"
#include "model/CrossWordPuzzle.h"
#include "platform/testing/Testing.h"
#include "platform/testing/TestingDialogs.h"
#include "platform/testing/TestingShell.h"
#include "res/resource.h"
#include "tests/support/PuzzleFileWriter.h"
#include "tests/support/TempDir.h"

#include <benchmark/benchmark.h>

#include <random>
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
    theApp.ExitInstance();
    Testing::RunUntilIdle();
}

// Starts the program with an n x n puzzle of the folder shown and painted.
CPuzzleWnd& StartWithPuzzle(int nSize, const TempDir& dir, int nSquareSize = 20)
{
    const std::vector<std::string> rows(static_cast<size_t>(nSize), std::string(static_cast<size_t>(nSize), 'A'));
    theApp.InitInstance();
    CPuzzleWnd& wnd = theApp.GetPuzzleWnd();
    wnd.GetGrid().SetSquareSize(nSquareSize);
    theApp.OpenPuzzleFile(dir.Write(std::string("puzzle.puz"), PuzzleFileWriter(rows).Bytes()));
    Testing::RunUntilIdle();
    return wnd;
}

// The part of a start that runs in the process once Qt is up and the fonts are
// cached: InitInstance and every paint it leaves queued.
void BM_InitInstanceInWarmProcess(benchmark::State& state)
{
    Testing::EnsureApplication();
    Testing::TemporarySettings settings;
    for (auto _ : state) {
        theApp.InitInstance();
        Testing::RunUntilIdle();
        state.PauseTiming();
        CloseProgram();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_InitInstanceInWarmProcess)->Unit(benchmark::kMillisecond);

// A typed letter, with the progress kept (third argument 1) or not, in pen
// or in pencil (fourth argument 1): the letter is stored, recorded for Undo
// and the save is asked for (it comes half a second later, off the clock),
// the grid repainted.
void BM_TypeLetter(benchmark::State& state)
{
    Testing::EnsureApplication();
    Testing::TemporarySettings settings;
    theApp.SetRegistryKey(u"Quillon Software");
    settings.WriteRaw(u"options", u"autosave", state.range(2) ? u"1" : u"0");
    TempDir dir;
    CPuzzleWnd& wnd = StartWithPuzzle(static_cast<int>(state.range(0)), dir, static_cast<int>(state.range(1)));
    CGridWnd& grid = wnd.GetGrid();
    if (theApp.GetAutoSave() != (state.range(2) != 0) || theApp.GetProgressFolder().IsEmpty())
        state.SkipWithError("the progress option or folder is not as asked");
    if (state.range(3) != 0)
        theApp.m_pMainWnd->SendMessage(WM_COMMAND, ID_PENCIL, 0);
    if (wnd.IsPencilMode() != (state.range(3) != 0))
        state.SkipWithError("the pencil is not as asked");

    UINT nChar = 'B';
    bool bFirst = true;
    for (auto _ : state) {
        // A wrong letter each time, so the puzzle never counts as solved.
        wnd.SendMessage(WM_CHAR, nChar, 0);
        Testing::RunUntilIdle();
        nChar = nChar == 'Z' ? 'B' : nChar + 1;
        state.PauseTiming();
        // Asked for by the first letter; half a second on, the save has come
        // (in some RunUntilIdle) and the next letter asks again.
        if (bFirst && theApp.IsProgressPending() != (state.range(2) != 0)) {
            state.SkipWithError("the save was not asked for as the option says");
            break;
        }
        bFirst = false;
        Testing::Tap(&grid, grid.GetSquareRect(0, 0).CenterPoint());
        // The tap's own repaints, off the clock too.
        Testing::RunUntilIdle();
        state.ResumeTiming();
    }
    CloseProgram();
}
BENCHMARK(BM_TypeLetter)
    ->ArgNames({"size", "square", "autosave", "pencil"})
    ->Args({15, 20, 1, 0})
    ->Args({255, 20, 1, 0})
    ->Args({255, 64, 1, 0})
    ->Args({15, 20, 0, 0})
    ->Args({255, 20, 0, 0})
    ->Args({15, 20, 1, 1})
    ->Args({255, 20, 1, 1})
    ->Args({255, 64, 1, 1})
    ->Unit(benchmark::kMicrosecond);

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
        CSquare square = theApp.GetPuzzle()->GetSquare(c, 0);
        square.m_chLetter = u'B';
        square.m_bFilled = TRUE;
        theApp.GetPuzzle()->SetSquare(c, 0, square);
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
        Testing::RunUntilIdle();
        bRight = !bRight;
    }
    if (grid.GetSelectedSquare().y != 0 || grid.GetSelectedSquare().x > 1)
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
        Testing::RunUntilIdle();
        bForward = !bForward;
    }
    if (grid.GetWordStart().x != 0 || grid.GetWordStart().y > 1)
        state.SkipWithError("Tab did not move between the first two words");
    CloseProgram();
}
BENCHMARK(BM_TabKey)->Arg(15)->Arg(255)->Unit(benchmark::kMicrosecond);

// The program with an n x n puzzle loaded through the menu command: the top
// row one white word, about one black square in six below it.
class Program {
public:
    Program(int nSize, int nSquareSize)
    {
        Testing::EnsureApplication();
        std::mt19937 random(1);
        std::vector<std::string> rows(static_cast<size_t>(nSize), std::string(static_cast<size_t>(nSize), 'A'));
        for (size_t r = 1; r < rows.size(); ++r)
            for (char& ch : rows[r])
                ch = random() % 6 == 0 ? '#' : static_cast<char>('A' + random() % 26);
        m_strPath = m_dir.Write(std::string("big.puz"), PuzzleFileWriter(rows).Bytes());
        theApp.InitInstance();
        Testing::RunUntilIdle();
        Grid().SetSquareSize(nSquareSize);
        Load();
    }
    ~Program() { CloseProgram(); }

    static CGridWnd& Grid() { return theApp.GetPuzzleWnd().GetGrid(); }
    static CCrossWnd& Host() { return theApp.GetPuzzleWnd().GetCross(); }

    // The command as the menu sends it, then everything it left to paint.
    static void Command(UINT nID)
    {
        theApp.m_pMainWnd->SendMessage(WM_COMMAND, nID, 0);
        Testing::RunUntilIdle();
    }
    void Load()
    {
        m_files.Choose(m_strPath);
        Command(ID_LOAD_PUZZLE);
    }

    Testing::TemporarySettings m_settings;
    Testing::ScriptedMessageBoxes m_boxes;
    Testing::ScriptedFileDialogs m_files;
    Testing::ScriptedDialogs m_dialogs;
    TempDir m_dir;
    std::u16string m_strPath;
};

// Each time after a small puzzle, so that the window changes size.
void BM_LoadPuzzle(benchmark::State& state)
{
    Program program(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const std::u16string strSmall =
        program.m_dir.Write(std::string("small.puz"), PuzzleFileWriter({"..", ".."}).Bytes());
    for (auto _ : state) {
        state.PauseTiming();
        program.m_files.Choose(strSmall);
        Program::Command(ID_LOAD_PUZZLE);
        state.ResumeTiming();
        program.Load();
    }
}
BENCHMARK(BM_LoadPuzzle)->Args({15, 20})->Args({255, 20})->Args({255, 64})->Unit(benchmark::kMillisecond);

// Show Puzzle solves it: the congratulation is answered No, and the letters
// are cleared again off the clock.
void BM_ShowPuzzle(benchmark::State& state)
{
    Program program(static_cast<int>(state.range(0)), 20);
    for (auto _ : state) {
        program.m_boxes.Answer(IDNO);
        Program::Command(ID_SHOW_PUZZLE);
        state.PauseTiming();
        Program::Command(ID_CLEAR_PUZZLE);
        state.ResumeTiming();
    }
}

void BM_ClearPuzzle(benchmark::State& state)
{
    Program program(static_cast<int>(state.range(0)), 20);
    for (auto _ : state) {
        state.PauseTiming();
        program.m_boxes.Answer(IDNO);
        Program::Command(ID_SHOW_PUZZLE);
        state.ResumeTiming();
        Program::Command(ID_CLEAR_PUZZLE);
    }
}

// Undo of Clear Puzzle: every letter back and repainted; Redo clears the
// grid again off the clock.
void BM_UndoClearPuzzle(benchmark::State& state)
{
    Program program(static_cast<int>(state.range(0)), 20);
    program.m_boxes.Answer(IDNO);
    Program::Command(ID_SHOW_PUZZLE);
    Program::Command(ID_CLEAR_PUZZLE);
    for (auto _ : state) {
        Program::Command(ID_UNDO);
        state.PauseTiming();
        Program::Command(ID_REDO);
        state.ResumeTiming();
    }
}

// Checks a grid whose every white square holds a letter.
void BM_CheckPuzzle(benchmark::State& state)
{
    Program program(static_cast<int>(state.range(0)), 20);
    program.m_boxes.Answer(IDNO);
    Program::Command(ID_SHOW_PUZZLE);
    for (auto _ : state)
        Program::Command(ID_CHECK_PUZZLE);
}

// The grid sizes of the series; the work is linear in the squares.
void GridSizes(benchmark::internal::Benchmark* pBench)
{
    for (int nSize : {15, 30, 50, 100, 255})
        pBench->Arg(nSize);
    pBench->Unit(benchmark::kMillisecond);
}
BENCHMARK(BM_ShowPuzzle)->Apply(GridSizes);
BENCHMARK(BM_ClearPuzzle)->Apply(GridSizes);
BENCHMARK(BM_CheckPuzzle)->Apply(GridSizes);
BENCHMARK(BM_UndoClearPuzzle)->Apply(GridSizes);

// Show Word on the top row, one word of 255 squares.
void BM_ShowWord(benchmark::State& state)
{
    Program program(255, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Program::Command(ID_SHOW_WORD);
        state.PauseTiming();
        Program::Command(ID_CLEAR_WORD);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ShowWord)->Arg(20)->Arg(64)->Unit(benchmark::kMillisecond);

// One page down the grid, back to the top off the clock at the bottom.
void BM_PageScroll(benchmark::State& state)
{
    Program program(255, static_cast<int>(state.range(0)));
    CCrossWnd& host = Program::Host();
    for (auto _ : state) {
        Testing::ScrollBarAction(&host, SB_VERT, SB_PAGEDOWN);
        Testing::RunUntilIdle();
        state.PauseTiming();
        SCROLLINFO si = {28, SIF_RANGE, 0, 0, 0, 0, 0};
        host.GetScrollInfo(SB_VERT, &si);
        if (Testing::ScrollBarPosition(&host, SB_VERT) >= si.nMax)
            Testing::ScrollBarAction(&host, SB_VERT, SB_TOP);
        Testing::RunUntilIdle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PageScroll)->Arg(20)->Arg(64)->Unit(benchmark::kMicrosecond);

// What Options OK does to the windows, without the dialog and the settings
// written to disk: the puzzle handed over again, the panes laid out, painted.
void BM_RebuildGrid(benchmark::State& state)
{
    Program program(static_cast<int>(state.range(0)), 20);
    CPuzzleWnd& wnd = theApp.GetPuzzleWnd();
    for (auto _ : state) {
        wnd.SetPuzzle(theApp.GetPuzzle());
        wnd.RecalcLayout();
        Testing::RunUntilIdle();
    }
}
BENCHMARK(BM_RebuildGrid)->Arg(15)->Arg(255)->Unit(benchmark::kMillisecond);

// Options, OK: the grid is built again for the same puzzle.
void BM_OptionsOK(benchmark::State& state)
{
    Program program(static_cast<int>(state.range(0)), 20);
    for (auto _ : state) {
        program.m_dialogs.Queue([](CDialog& dialog) { Testing::PressOK(dialog); });
        Program::Command(ID_OPTIONS_GENERAL);
    }
}
BENCHMARK(BM_OptionsOK)->Arg(15)->Arg(255)->Unit(benchmark::kMillisecond);

// One tick of the solving time, on the desktop's window with the line shown:
// the line's timer message to the moment the new second is painted. The
// clock is moved a second each time, so that every tick has a new second to
// show; a tick repaints the time alone, which is checked apart from the
// timing: what is drawn into the grid and beside the time outlives it.
void BM_TimerTick(benchmark::State& state)
{
    Testing::EnsureApplication();
    Testing::TemporarySettings settings;
    theApp.SetRegistryKey(u"Quillon Software");
    theApp.WriteProfileInt(u"window", u"statusline", 1);
    TempDir dir;
    CPuzzleWnd& wnd = StartWithPuzzle(static_cast<int>(state.range(0)), dir);
    CStatusLineWnd& line = static_cast<CMainFrame*>(theApp.m_pMainWnd)->GetStatusLine();
    CCrossWordPuzzle& puzzle = *theApp.GetPuzzle();
    auto now = CSolveTimer::Clock::now();
    puzzle.m_timer = CSolveTimer([&now] { return now; });
    wnd.SendMessage(WM_CHAR, 'B', 0);
    Testing::RunUntilIdle();
    if (!line.IsWindowVisible() || !line.IsTicking())
        state.SkipWithError("the line does not show a running clock");

    // Drawn straight into the windows' images: a paint there takes it away.
    const COLORREF kStain = RGB(255, 0, 255);
    const CRect rcTime = line.GetTimeRect();
    const CRect rcBeside(rcTime.right + 2, 2, rcTime.right + 12, 6);
    const CRect rcSquare = wnd.GetGrid().GetSquareRect(3, 3);
    CClientDC(&line).FillSolidRect(&rcBeside, kStain);
    CClientDC(&wnd.GetGrid()).FillSolidRect(&rcSquare, kStain);
    const CString strBefore = line.GetTimeText();
    for (auto _ : state) {
        state.PauseTiming();
        now += std::chrono::seconds(1);
        state.ResumeTiming();
        line.SendMessage(WM_TIMER, CStatusLineWnd::TICK_TIMER, 0);
        Testing::RunUntilIdle();
    }
    const int nArea = rcSquare.Width() * rcSquare.Height();
    if (line.GetTimeText() == strBefore || Testing::CountPixels(&line, rcBeside, kStain) != 40 ||
        Testing::CountPixels(&wnd.GetGrid(), rcSquare, kStain) != nArea)
        state.SkipWithError("a tick painted more than the time, or not the time");
    CloseProgram();
}
BENCHMARK(BM_TimerTick)->Arg(15)->Arg(255)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
