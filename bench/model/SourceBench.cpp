// SPDX-License-Identifier: MIT
// Files per second of the .ipuz, .jpz and .xd readers over the real files of
// the corpus (TRELLIS_CORPUS_DIR), each format alone. The files are read
// into memory first: this times the reading of their bytes, sniffing
// included, not the disk. Refused files (an acrostic, malformed xd) count
// too, as the reader does their work up to the refusal.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "model/PuzzleSourceReader.h"
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

}  // namespace
