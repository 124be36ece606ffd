// SPDX-License-Identifier: MIT
// Files per second of the .ipuz, .jpz and .xd readers over the real files of
// the corpus (TRELLIS_CORPUS_DIR), each format alone. The files are read
// into memory first: this times the reading of their bytes, sniffing
// included, not the disk. Refused files (an acrostic, malformed xd) count
// too, as the reader does their work up to the refusal. The .puz reader
// takes a path, so its files are opened each time (from the system's cache).
// And the writers: every readable corpus file written as .puz and as .ipuz.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "model/CrossWordPuzzle.h"
#include "model/PuzzleSourceReader.h"
#include "model/PuzzleSourceWriter.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;
using trellis::test::TempDir;

namespace {

std::vector<std::string> CorpusFiles(const char* pszFolder)
{
    std::vector<std::string> files;
    const fs::path dir = fs::path(TRELLIS_CORPUS_DIR) / pszFolder;
    std::error_code ec;
    if (!fs::is_directory(dir, ec))
        return files;
    for (const auto& entry : fs::directory_iterator(dir))
        files.push_back(TempDir::Read(entry.path()));
    return files;
}

void ReadCorpus(benchmark::State& state, const char* pszFolder)
{
    const std::vector<std::string> files = CorpusFiles(pszFolder);
    if (files.empty()) {
        state.SkipWithError((std::string("no corpus folder ") + pszFolder + " under " TRELLIS_CORPUS_DIR).c_str());
        return;
    }
    for (auto _ : state) {
        for (const std::string& bytes : files) {
            CPuzzleSource source;
            std::u16string error;
            benchmark::DoNotOptimize(ReadPuzzleSource(bytes, u"bench", source, error));
            benchmark::DoNotOptimize(source.m_aSquares.data());
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * files.size()));
    state.counters["files"] = static_cast<double>(files.size());
}

void BM_ReadPuzCorpus(benchmark::State& state)
{
    std::vector<std::u16string> paths;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(fs::path(TRELLIS_CORPUS_DIR) / "puz", ec))
        paths.push_back(entry.path().u16string());
    if (paths.empty()) {
        state.SkipWithError("no corpus folder puz under " TRELLIS_CORPUS_DIR);
        return;
    }
    for (auto _ : state) {
        for (const std::u16string& strPath : paths) {
            CCrossWordPuzzle puzzle;
            std::u16string error;
            benchmark::DoNotOptimize(puzzle.LoadPuzzle(strPath, error));
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * paths.size()));
    state.counters["files"] = static_cast<double>(paths.size());
}
BENCHMARK(BM_ReadPuzCorpus)->Unit(benchmark::kMicrosecond);

void BM_ReadIpuzCorpus(benchmark::State& state)
{
    ReadCorpus(state, "ipuz");
}
BENCHMARK(BM_ReadIpuzCorpus)->Unit(benchmark::kMicrosecond);

void BM_ReadJpzCorpus(benchmark::State& state)
{
    ReadCorpus(state, "jpz");
}
BENCHMARK(BM_ReadJpzCorpus)->Unit(benchmark::kMicrosecond);

void BM_ReadXdCorpus(benchmark::State& state)
{
    ReadCorpus(state, "xd");
}
BENCHMARK(BM_ReadXdCorpus)->Unit(benchmark::kMicrosecond);

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
