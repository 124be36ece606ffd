// SPDX-License-Identifier: MIT
// Files per second of the puzzle readers over the real files of the corpus
// (TRELLIS_CORPUS_DIR), each format alone. The files are read into memory
// first: this times what Load Puzzle does once a file's bytes are in hand,
// not the disk. BM_Read*Corpus go from the bytes to the puzzle the program
// shows (sniffing, the reader, and for .ipuz, .jpz and .xd the building of
// the grid, numbering and clue store from what the reader made);
// BM_Read*SourceCorpus time the readers of the newer formats alone. Refused
// files (an acrostic, malformed xd, a file that is no puzzle) count too, as
// the reader does their work up to the refusal.
// And the writers: every readable corpus file written as .puz and as .ipuz.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "model/CrossWordPuzzle.h"
#include "model/PuzzleSourceReader.h"
#include "model/PuzzleSourceWriter.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;
using trellis::test::ModelPath;
using trellis::test::TempDir;

namespace {

struct CCorpusFile {
    std::u16string m_strPath;
    std::string m_bytes;
};

// The files of one folder of the corpus, in name order.
std::vector<CCorpusFile> CorpusFiles(const char* pszFolder)
{
    std::vector<fs::path> paths;
    const fs::path dir = fs::path(TRELLIS_CORPUS_DIR) / pszFolder;
    std::error_code ec;
    if (fs::is_directory(dir, ec)) {
        for (const auto& entry : fs::directory_iterator(dir))
            paths.push_back(entry.path());
    }
    std::sort(paths.begin(), paths.end());
    std::vector<CCorpusFile> files;
    for (const fs::path& path : paths)
        files.push_back({ModelPath(path), TempDir::Read(path)});
    return files;
}

template <class ReadFn> void ReadCorpus(benchmark::State& state, const char* pszFolder, ReadFn read)
{
    const std::vector<CCorpusFile> files = CorpusFiles(pszFolder);
    if (files.empty()) {
        state.SkipWithError((std::string("no corpus folder ") + pszFolder + " under " TRELLIS_CORPUS_DIR).c_str());
        return;
    }
    for (auto _ : state) {
        for (const CCorpusFile& file : files)
            read(file);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * files.size()));
    state.counters["files"] = static_cast<double>(files.size());
}

// From the bytes to the puzzle on screen.
void ReadPuzzles(benchmark::State& state, const char* pszFolder)
{
    ReadCorpus(state, pszFolder, [](const CCorpusFile& file) {
        CCrossWordPuzzle puzzle;
        std::u16string error;
        benchmark::DoNotOptimize(puzzle.LoadBytes(file.m_bytes, file.m_strPath, error));
        benchmark::DoNotOptimize(puzzle.GetSquares().data());
    });
}

// The reader alone.
void ReadSources(benchmark::State& state, const char* pszFolder)
{
    ReadCorpus(state, pszFolder, [](const CCorpusFile& file) {
        CPuzzleSource source;
        std::u16string error;
        benchmark::DoNotOptimize(ReadPuzzleSource(file.m_bytes, file.m_strPath, source, error));
        benchmark::DoNotOptimize(source.m_aSquares.data());
    });
}

void BM_ReadPuzCorpus(benchmark::State& state)
{
    ReadPuzzles(state, "puz");
}
BENCHMARK(BM_ReadPuzCorpus)->Unit(benchmark::kMicrosecond);

void BM_ReadIpuzCorpus(benchmark::State& state)
{
    ReadPuzzles(state, "ipuz");
}
BENCHMARK(BM_ReadIpuzCorpus)->Unit(benchmark::kMicrosecond);

void BM_ReadJpzCorpus(benchmark::State& state)
{
    ReadPuzzles(state, "jpz");
}
BENCHMARK(BM_ReadJpzCorpus)->Unit(benchmark::kMicrosecond);

void BM_ReadXdCorpus(benchmark::State& state)
{
    ReadPuzzles(state, "xd");
}
BENCHMARK(BM_ReadXdCorpus)->Unit(benchmark::kMicrosecond);

void BM_ReadIpuzSourceCorpus(benchmark::State& state)
{
    ReadSources(state, "ipuz");
}
BENCHMARK(BM_ReadIpuzSourceCorpus)->Unit(benchmark::kMicrosecond);

void BM_ReadJpzSourceCorpus(benchmark::State& state)
{
    ReadSources(state, "jpz");
}
BENCHMARK(BM_ReadJpzSourceCorpus)->Unit(benchmark::kMicrosecond);

void BM_ReadXdSourceCorpus(benchmark::State& state)
{
    ReadSources(state, "xd");
}
BENCHMARK(BM_ReadXdSourceCorpus)->Unit(benchmark::kMicrosecond);

// Every readable corpus file of the four formats, read once.
const std::vector<CPuzzleSource>& CorpusSources()
{
    static const std::vector<CPuzzleSource> sources = [] {
        std::vector<CPuzzleSource> all;
        for (const char* pszFolder : {"puz", "ipuz", "jpz", "xd"}) {
            std::error_code ec;
            for (const auto& entry : fs::directory_iterator(fs::path(TRELLIS_CORPUS_DIR) / pszFolder, ec)) {
                CPuzzleSource source;
                std::u16string error;
                if (ReadAnyPuzzleSource(entry.path().u16string(), source, error))
                    all.push_back(std::move(source));
            }
        }
        return all;
    }();
    return sources;
}

template <class WriteFn> void WriteCorpus(benchmark::State& state, WriteFn write)
{
    const std::vector<CPuzzleSource>& sources = CorpusSources();
    if (sources.empty()) {
        state.SkipWithError("no corpus under " TRELLIS_CORPUS_DIR);
        return;
    }
    for (auto _ : state) {
        for (const CPuzzleSource& source : sources) {
            std::vector<std::u16string> warnings;
            benchmark::DoNotOptimize(write(source, warnings));
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * sources.size()));
    state.counters["files"] = static_cast<double>(sources.size());
}

void BM_WritePuzCorpus(benchmark::State& state)
{
    WriteCorpus(state, PuzFileBytes);
}
BENCHMARK(BM_WritePuzCorpus)->Unit(benchmark::kMicrosecond);

void BM_WriteIpuzCorpus(benchmark::State& state)
{
    WriteCorpus(state, IpuzFileBytes);
}
BENCHMARK(BM_WriteIpuzCorpus)->Unit(benchmark::kMicrosecond);

}  // namespace
