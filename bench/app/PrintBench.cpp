// SPDX-License-Identifier: MIT
// The puzzle on paper: Export PDF's whole work (the pages laid out, drawn
// into a PDF and written to disk), and its two parts alone, for a 15 x 15
// puzzle and a 255 x 255 one (tiles of the grid on 70 pages, then its
// clues). Run: QT_QPA_PLATFORM=offscreen.
#include "app/PuzzlePrint.h"
#include "model/CrossWordPuzzle.h"
#include "platform/testing/Testing.h"
#include "tests/support/PuzzleFileWriter.h"
#include "tests/support/TempDir.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using trellis::test::PuzzleFileWriter;
using trellis::test::TempDir;

const TempDir& Dir()
{
    static TempDir dir;
    return dir;
}

// A square grid with a black square in every sixth column of every other
// row, and clues of six words, as long as a newspaper's.
const CCrossWordPuzzle& Puzzle(int nSize)
{
    static std::map<int, std::unique_ptr<CCrossWordPuzzle>> puzzles;
    std::unique_ptr<CCrossWordPuzzle>& pPuzzle = puzzles[nSize];
    if (!pPuzzle) {
        std::vector<std::string> clues;
        for (int i = 0; i < nSize * nSize; ++i)
            clues.push_back("Clue " + std::to_string(i) + " of some six words");
        pPuzzle = PuzzleFileWriter(PuzzleFileWriter::BenchmarkRows(nSize))
                      .Title("Benchmark")
                      .Clues(clues)
                      .Load(Dir(), "print.puz");
    }
    return *pPuzzle;
}

CPrintRequest A4Request()
{
    CPrintRequest request;
    PaperNamed(u"A4", request.paper);
    request.strFace = u"Arial";
    return request;
}

void BM_ExportPdf(benchmark::State& state)
{
    Testing::EnsureApplication();
    const CCrossWordPuzzle& puzzle = Puzzle(static_cast<int>(state.range(0)));
    const std::u16string strPath = trellis::test::ModelPath(Dir().File("export.pdf"));
    for (auto _ : state) {
        std::u16string strError;
        if (!WritePuzzlePdf(puzzle, A4Request(), strPath, strError))
            state.SkipWithError("the PDF was not written");
    }
    state.counters["pages"] = static_cast<double>(LayPuzzlePages(puzzle, A4Request()).aPages.size());
}
BENCHMARK(BM_ExportPdf)->Arg(15)->Arg(255)->Unit(benchmark::kMillisecond);

void BM_LayOutPages(benchmark::State& state)
{
    Testing::EnsureApplication();
    const CCrossWordPuzzle& puzzle = Puzzle(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(LayPuzzlePages(puzzle, A4Request()).aPages.size());
}
BENCHMARK(BM_LayOutPages)->Arg(15)->Arg(255)->Unit(benchmark::kMillisecond);

void BM_RenderPdf(benchmark::State& state)
{
    Testing::EnsureApplication();
    const CPrintedDocument document = LayPuzzlePages(Puzzle(static_cast<int>(state.range(0))), A4Request());
    for (auto _ : state) {
        std::string bytes;
        std::u16string strError;
        RenderPdf(document, bytes, strError);
        benchmark::DoNotOptimize(bytes.size());
        state.counters["bytes"] = static_cast<double>(bytes.size());
    }
}
BENCHMARK(BM_RenderPdf)->Arg(15)->Arg(255)->Unit(benchmark::kMillisecond);

}  // namespace
