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
using e2e::Process;
using e2e::TopLevel;
using e2e::XSession;
using trellis::test::PuzzleFileWriter;
using trellis::test::TempDir;

// How long the window must hold still before its picture counts as the drawn one.
constexpr std::chrono::milliseconds kStill {700};
// Between two looks at the screen; small against any start, but leaving the
// program the processor.
constexpr std::chrono::milliseconds kPollPause {1};

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

// What the screen shows of the main window: where it is and its pixels as the
// server sends them (cheap to take, so that looking costs the program little).
struct Picture {
    e2e::Rect rect;
    std::string pixels;

    bool operator==(const Picture& o) const
    {
        return rect.x == o.rect.x && rect.y == o.rect.y && rect.w == o.rect.w && rect.h == o.rect.h &&
               pixels == o.pixels;
    }
    bool operator!=(const Picture& o) const { return !(*this == o); }
};

// The main window's picture now; an empty one while there is no window.
Picture Look(const XSession& x)
{
    const std::optional<TopLevel> w = MainWindow(x);
    return w ? Picture {w->rect, x.GrabBytes(w->rect)} : Picture();
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
Picture SettledPicture(const std::vector<std::string>& argv)
{
    Desktop& desktop = Desktop::Get();
    Process program;
    program.Start(argv, desktop.Environment(), desktop.Dir().File("program.log"));
    Picture settled;
    if (e2e::WaitUntil([&] { return MainWindow(desktop.X()).has_value(); })) {
        auto since = Clock::now();
        for (Picture last = Look(desktop.X()); Clock::now() - since < kStill;) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            Picture now = Look(desktop.X());
            if (now != last)
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
    const Picture settled = SettledPicture(argv);
    if (settled.pixels.empty()) {
        state.SkipWithError("the program showed no window");
        return;
    }
    // Besides the time to the drawn window: when the window first appeared,
    // and how many other pictures it showed before, on average.
    double dMapped = 0;
    double dPictures = 0;
    for (auto _ : state) {
        Process program;
        const auto start = Clock::now();
        program.Start(argv, desktop.Environment(), desktop.Dir().File("program.log"));
        bool bShown = false;
        Picture last;
        const auto deadline = start + e2e::kPatience;
        while (!bShown && Clock::now() < deadline) {
            Picture now = Look(desktop.X());
            bShown = now == settled;
            if (!bShown && now != last) {
                if (last.pixels.empty())
                    dMapped += std::chrono::duration<double, std::milli>(Clock::now() - start).count();
                dPictures += 1;
                last = std::move(now);
            }
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
    state.counters["other_pictures"] = benchmark::Counter(dPictures, benchmark::Counter::kAvgIterations);
    state.counters["first_picture_ms"] = benchmark::Counter(dMapped, benchmark::Counter::kAvgIterations);
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
BENCHMARK(BM_TrellisWithPuzzleToFirstFrame)->Arg(15)->Arg(21)->Arg(255)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
