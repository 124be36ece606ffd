// SPDX-License-Identifier: MIT
// Start-up as a person meets it: from the moment the process is started to
// the first moment the screen shows its window fully drawn, for the real
// trellis executable (with no puzzle, and with a puzzle named on the command
// line) and for a minimal Qt Widgets program, the floor of any Qt start.
//
// Everything is judged from outside the program, on a private X server: the
// window is found among the mapped top-level windows and its pixels are read
// back from the screen. "Fully drawn" is the picture the window settles on:
// an untimed first start waits until the window has held still for a while
// and keeps that picture; each timed start ends at the first poll whose
// picture equals it. The same X server serves every start, as one desktop
// session does, so caches outside the process (fonts) are warm after the first.
//
// Run: build/release/bench/startup/trellis_startup_bench
//        --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

#include "tests/e2e/XSession.h"
#include "tests/support/PuzzleFileWriter.h"
#include "tests/support/TempDir.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;
using e2e::Clock;
using e2e::Image;
using e2e::Process;
using e2e::TopLevel;
using e2e::XSession;
using trellis::test::PuzzleFileWriter;
using trellis::test::TempDir;

// How long the window must hold still before its picture counts as the drawn one.
constexpr std::chrono::milliseconds kStill {700};
// Between two looks at the screen; small against any start, but leaving the
// program the processor.
constexpr std::chrono::microseconds kPollPause {500};

// One X server and a home for the programs, for the whole run.
class Desktop {
public:
    static Desktop& Get()
    {
        static Desktop desktop;
        return desktop;
    }

    XSession& X() { return m_x; }
    const TempDir& Dir() const { return m_dir; }

    // The environment of a program started from this desktop: its own
    // settings, never the user's.
    std::vector<std::string> Environment() const
    {
        return {
            "DISPLAY=" + m_x.DisplayName(),
            "QT_QPA_PLATFORM=xcb",
            "HOME=" + m_dir.File("home").string(),
            "XDG_CONFIG_HOME=" + m_dir.File("home/.config").string(),
            "XDG_RUNTIME_DIR=" + m_dir.File("runtime").string(),
            "XDG_CACHE_HOME=" + m_dir.File("home/.cache").string(),
            "LANG=C.UTF-8",
            "LC_ALL=C.UTF-8",
        };
    }

private:
    Desktop() : m_x(m_dir.Path())
    {
        fs::create_directories(m_dir.File("home/.config"));
        fs::create_directories(m_dir.File("runtime"));
        fs::permissions(m_dir.File("runtime"), fs::perms::owner_all);
    }

    TempDir m_dir;  // before the server, which keeps its log here
    XSession m_x;
};

// The program's main window: the one mapped top-level window that is not a
// menu or a tip (the X server is ours alone).
std::optional<TopLevel> MainWindow(const XSession& x)
{
    for (const TopLevel& w : x.TopLevels())
        if (!w.bPopup && w.rect.w > 8 && w.rect.h > 8)
            return w;
    return std::nullopt;
}

// What the screen shows of the main window now, or an empty picture.
Image Picture(const XSession& x)
{
    const std::optional<TopLevel> w = MainWindow(x);
    return w ? x.Grab(w->rect) : Image();
}

// Closes the program as a person does and waits for it to end.
void Close(XSession& x, Process& program)
{
    if (const std::optional<TopLevel> w = MainWindow(x))
        x.Close(w->id);
    if (!program.Wait(e2e::kPatience))
        program.Stop();
    // The next start must not find this window.
    e2e::WaitUntil([&] { return !MainWindow(x); });
}

// The picture the program's window settles on after a start, or an empty
// picture when no window appears.
Image SettledPicture(const std::vector<std::string>& argv)
{
    Desktop& desktop = Desktop::Get();
    Process program;
    program.Start(argv, desktop.Environment(), desktop.Dir().File("program.log"));
    Image settled;
    if (e2e::WaitUntil([&] { return MainWindow(desktop.X()).has_value(); })) {
        auto since = Clock::now();
        for (Image last = Picture(desktop.X()); Clock::now() - since < kStill;) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            Image now = Picture(desktop.X());
            if (!(now == last))
                since = Clock::now();
            last = std::move(now);
            settled = last;
        }
    }
    Close(desktop.X(), program);
    return settled;
}

void MeasureStart(benchmark::State& state, const std::vector<std::string>& argv)
{
    Desktop& desktop = Desktop::Get();
    const Image settled = SettledPicture(argv);
    if (settled.area().w == 0) {
        state.SkipWithError("the program showed no window");
        return;
    }
    for (auto _ : state) {
        Process program;
        const auto start = Clock::now();
        program.Start(argv, desktop.Environment(), desktop.Dir().File("program.log"));
        bool bShown = false;
        const auto deadline = start + e2e::kPatience;
        while (!bShown && Clock::now() < deadline) {
            bShown = Picture(desktop.X()) == settled;
            if (!bShown)
                std::this_thread::sleep_for(kPollPause);
        }
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        Close(desktop.X(), program);
        if (!bShown) {
            state.SkipWithError("the window never showed its settled picture");
            return;
        }
    }
}

// An n x n puzzle file: the top row one white word, about one black square in
// six below it, as the application benchmarks load.
std::string PuzzleFile(int nSize)
{
    const std::string name = "start" + std::to_string(nSize) + ".puz";
    const fs::path path = Desktop::Get().Dir().File(name);
    if (!fs::exists(path)) {
        std::mt19937 random(1);
        std::vector<std::string> rows(static_cast<size_t>(nSize), std::string(static_cast<size_t>(nSize), 'A'));
        for (size_t r = 1; r < rows.size(); ++r)
            for (char& ch : rows[r])
                ch = random() % 6 == 0 ? '#' : static_cast<char>('A' + random() % 26);
        TempDir::Write(path, PuzzleFileWriter(rows).Bytes());
    }
    return path.string();
}

void BM_MinimalQtToFirstFrame(benchmark::State& state)
{
    MeasureStart(state, {TRELLIS_MINIMAL_WINDOW});
}
BENCHMARK(BM_MinimalQtToFirstFrame)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_TrellisToFirstFrame(benchmark::State& state)
{
    MeasureStart(state, {TRELLIS_EXECUTABLE});
}
BENCHMARK(BM_TrellisToFirstFrame)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_TrellisWithPuzzleToFirstFrame(benchmark::State& state)
{
    MeasureStart(state, {TRELLIS_EXECUTABLE, PuzzleFile(static_cast<int>(state.range(0)))});
}
BENCHMARK(BM_TrellisWithPuzzleToFirstFrame)->Arg(15)->Arg(255)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
