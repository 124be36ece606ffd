// SPDX-License-Identifier: MIT
// Timings of the puzzle model: loading puzzle files, the whole-grid queries,
// the solution file and the key search of locked puzzles.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "model/CrossWordPuzzle.h"
#include "model/ProgressStore.h"
#include "model/SolveHistory.h"
#include "tests/support/PuzzleFileWriter.h"
#include "tests/support/TempDir.h"

using trellis::test::PuzzleFileWriter;
using trellis::test::TempDir;

namespace {

// A square grid with a black square in every sixth column of every other row.
PuzzleFileWriter Grid(int nSize)
{
    return PuzzleFileWriter(PuzzleFileWriter::BenchmarkRows(nSize))
        .Title("Benchmark")
        .Author("Trellis")
        .Copyright("(c)");
}

const TempDir& Dir()
{
    static TempDir dir;
    return dir;
}

void BM_LoadPuzzle(benchmark::State& state)
{
    const int nSize = static_cast<int>(state.range(0));
    const std::u16string path = Dir().Write("load" + std::to_string(nSize) + ".puz", Grid(nSize).Bytes());
    for (auto _ : state) {
        CCrossWordPuzzle puzzle;
        std::u16string error;
        if (!puzzle.LoadPuzzle(path, error))
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(puzzle.m_lstClues.size());
    }
}
BENCHMARK(BM_LoadPuzzle)->Arg(15)->Arg(255)->Unit(benchmark::kMicrosecond);

// A 255 x 255 puzzle, locked or not, with every white square holding its
// answer, or every one but the last that the column-by-column walk of the
// grid reaches: the completion test as the player meets it after almost
// every letter.
std::unique_ptr<CCrossWordPuzzle> LargePuzzle(bool bLocked, bool bLastEmpty)
{
    PuzzleFileWriter writer = Grid(255);
    if (bLocked)
        writer.Locked(7844);
    auto puzzle =
        writer.Load(Dir(), std::string("large") + (bLocked ? "-locked" : "") + (bLastEmpty ? "-nearly" : "") + ".puz");
    for (int c = 0; c < puzzle->m_nWidth; ++c) {
        for (int r = 0; r < puzzle->m_nHeight; ++r) {
            CSquare square = puzzle->GetSquare(c, r);
            if (square.m_bBlack || (bLastEmpty && c == puzzle->m_nWidth - 1 && r == puzzle->m_nHeight - 1))
                continue;
            square.m_bFilled = TRUE;
            square.m_chLetter = square.m_chSolution;
            puzzle->SetSquare(c, r, square);
        }
    }
    return puzzle;
}

std::unique_ptr<CCrossWordPuzzle> SolvedLargePuzzle()
{
    return LargePuzzle(false, false);
}

void BM_IsSolved(benchmark::State& state)
{
    auto puzzle = SolvedLargePuzzle();
    for (auto _ : state)
        benchmark::DoNotOptimize(puzzle->IsSolved());
}
BENCHMARK(BM_IsSolved)->Unit(benchmark::kNanosecond);

void BM_IsSolvedOneSquareEmpty255(benchmark::State& state)
{
    auto puzzle = LargePuzzle(state.range(0) != 0, true);
    for (auto _ : state) {
        const BOOL bSolved = puzzle->IsSolved();
        benchmark::DoNotOptimize(bSolved);
        if (bSolved)
            state.SkipWithError("solved with a square empty");
    }
}
BENCHMARK(BM_IsSolvedOneSquareEmpty255)->ArgName("locked")->Arg(0)->Arg(1)->Unit(benchmark::kNanosecond);

void BM_GetChecksum(benchmark::State& state)
{
    auto puzzle = SolvedLargePuzzle();
    for (auto _ : state)
        benchmark::DoNotOptimize(puzzle->GetChecksum());
}
BENCHMARK(BM_GetChecksum)->Unit(benchmark::kMicrosecond);

void BM_SaveSolution(benchmark::State& state)
{
    auto puzzle = SolvedLargePuzzle();
    const std::u16string path = trellis::test::ModelPath(Dir().File("save.sol"));
    for (auto _ : state) {
        if (!puzzle->SaveSolution(path))
            state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_SaveSolution)->Unit(benchmark::kMicrosecond);

void BM_LoadSolution(benchmark::State& state)
{
    auto puzzle = SolvedLargePuzzle();
    const std::u16string path = trellis::test::ModelPath(Dir().File("load.sol"));
    puzzle->SaveSolution(path);
    for (auto _ : state) {
        if (!puzzle->LoadSolution(path))
            state.SkipWithError("load failed");
    }
}
BENCHMARK(BM_LoadSolution)->Unit(benchmark::kMicrosecond);

// What the program writes a moment after a change: the whole progress of a
// filled 255 x 255 puzzle, written aside, synced and renamed into place.
void BM_AutosaveWrite(benchmark::State& state)
{
    auto puzzle = SolvedLargePuzzle();
    CProgressStore store(trellis::test::ModelPath(Dir().File("progress")));
    for (auto _ : state) {
        if (!store.Save(*puzzle))
            state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_AutosaveWrite)->Unit(benchmark::kMicrosecond);

// The history's part of Clear Puzzle on a filled 255 x 255 grid: every
// square recorded, then kept as one step. The clearing itself is off the
// clock, and so is Undo, which fills the grid again.
void BM_HistoryClearPuzzleStep(benchmark::State& state)
{
    auto puzzle = SolvedLargePuzzle();
    CSolveHistory history;
    for (auto _ : state) {
        history.BeginStep(CGridSelection(), puzzle->GetSquares().size());
        for (int c = 0; c < puzzle->m_nWidth; ++c)
            for (int r = 0; r < puzzle->m_nHeight; ++r)
                history.Record(*puzzle, c, r);
        state.PauseTiming();
        for (int c = 0; c < puzzle->m_nWidth; ++c) {
            for (int r = 0; r < puzzle->m_nHeight; ++r) {
                CSquare square = puzzle->GetSquare(c, r);
                square.m_bFilled = FALSE;
                puzzle->SetSquare(c, r, square);
            }
        }
        state.ResumeTiming();
        if (!history.EndStep(*puzzle))
            state.SkipWithError("nothing recorded");
        state.PauseTiming();
        CGridSelection sel;
        history.Undo(*puzzle, sel, nullptr);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_HistoryClearPuzzleStep)->Unit(benchmark::kMicrosecond);

// The search of all ten thousand keys of a locked 21 x 21 puzzle, as Unlock
// Puzzle runs it when the key is left empty.
void BM_FindKeys21(benchmark::State& state)
{
    auto puzzle = Grid(21).Locked(7844).Load(Dir(), "locked.puz");
    for (auto _ : state) {
        const std::vector<int> keys = puzzle->FindKeys();
        if (keys.empty())
            state.SkipWithError("key not found");
        benchmark::DoNotOptimize(keys.data());
    }
}
BENCHMARK(BM_FindKeys21)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
