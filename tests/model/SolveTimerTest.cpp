// SPDX-License-Identifier: MIT
// The solve's clock: when it runs and when it stands, on a clock the test
// moves by hand; the time as the line and the congratulation write it; the
// time a file kept ("LTIM"), read, added to and written again; and the time
// kept with the progress ("TIME").

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "model/CrossWordPuzzle.h"
#include "model/ProgressStore.h"
#include "model/PuzzleSourceWriter.h"
#include "model/SolveTimer.h"
#include "tests/support/PuzzleFileWriter.h"
#include "tests/support/PuzzleState.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using trellis::test::ModelPath;
using trellis::test::PuzzleFileWriter;
using trellis::test::SetLetter;
using trellis::test::TempDir;

namespace {

// A clock that moves only when the test moves it.
class HandClock {
public:
    CSolveTimer::NowFunction Function()
    {
        return [this] { return m_now; };
    }
    void Advance(std::chrono::milliseconds ms) { m_now += ms; }

private:
    CSolveTimer::Clock::time_point m_now {std::chrono::hours(1000)};
};

long Seconds(const CSolveTimer& timer)
{
    return static_cast<long>(std::chrono::duration_cast<std::chrono::seconds>(timer.GetElapsed()).count());
}

std::string Section(const std::string& bytes, const std::string& name)
{
    const std::size_t at = bytes.find(name);
    if (at == std::string::npos)
        return "absent";
    const std::size_t nLength = static_cast<unsigned char>(bytes[at + 4]) | static_cast<unsigned char>(bytes[at + 5])
                                                                                << 8;
    return bytes.substr(at + 8, nLength);
}

}  // namespace

// Each step moves the clock, then does one thing; the seconds are read after it.
TEST(SolveTimer, RunsFromTheFirstLetterAndStandsWhileAnythingHoldsIt)
{
    HandClock clock;
    CSolveTimer timer(clock.Function());
    enum Action { kNothing, kBegin, kPause, kGoOn, kMinimize, kRestore, kSolve, kUnsolve };
    const struct {
        std::chrono::milliseconds wait;
        Action action;
        long nSeconds;
        bool bRunning;
    } steps[] = {
        {5000ms, kNothing, 0, false},  // loaded: the clock waits for a letter
        {0ms, kBegin, 0, true},        {2500ms, kNothing, 2, true},
        {0ms, kBegin, 2, true},  // a second letter changes nothing
        {600ms, kPause, 3, false},  // 3.1 seconds, kept whole
        {60000ms, kNothing, 3, false}, {0ms, kMinimize, 3, false},
        {0ms, kGoOn, 3, false},  // still minimised
        {9000ms, kNothing, 3, false},  {0ms, kRestore, 3, true},
        {900ms, kNothing, 4, true},  // 3.1 + 0.9: the fraction was kept
        {1000ms, kSolve, 5, false},    {7000ms, kNothing, 5, false},
        {0ms, kUnsolve, 5, true},  // an Undo after the last letter
        {1500ms, kNothing, 6, true},
    };
    int nStep = 0;
    for (const auto& step : steps) {
        SCOPED_TRACE(nStep++);
        clock.Advance(step.wait);
        switch (step.action) {
        case kBegin:
            timer.Begin();
            break;
        case kPause:
            timer.SetPaused(TRUE);
            break;
        case kGoOn:
            timer.SetPaused(FALSE);
            break;
        case kMinimize:
            timer.SetMinimized(TRUE);
            break;
        case kRestore:
            timer.SetMinimized(FALSE);
            break;
        case kSolve:
            timer.SetSolved(TRUE);
            break;
        case kUnsolve:
            timer.SetSolved(FALSE);
            break;
        case kNothing:
            break;
        }
        EXPECT_EQ(Seconds(timer), step.nSeconds);
        EXPECT_EQ(timer.IsRunning() != FALSE, step.bRunning);
    }
}

// The line ticks when the shown second changes, never by counting ticks.
TEST(SolveTimer, TellsHowLongUntilTheNextWholeSecond)
{
    HandClock clock;
    CSolveTimer timer(clock.Function());
    EXPECT_EQ(timer.GetMillisToNextSecond(), -1);
    timer.Begin();
    EXPECT_EQ(timer.GetMillisToNextSecond(), 1000);
    clock.Advance(2300ms);
    EXPECT_EQ(timer.GetMillisToNextSecond(), 700);
    timer.SetPaused(TRUE);
    EXPECT_EQ(timer.GetMillisToNextSecond(), -1);
    clock.Advance(450ms);
    timer.SetPaused(FALSE);
    clock.Advance(100ms);
    EXPECT_EQ(timer.GetMillisToNextSecond(), 600);  // 2.4 seconds run
}

TEST(SolveTimer, WritesMinutesAndSecondsAndHoursFromTheFirstHour)
{
    const struct {
        long nSeconds;
        const char16_t* pszText;
    } cases[] = {
        {0, u"0:00"},         {8, u"0:08"},     {59, u"0:59"},         {60, u"1:00"},
        {754, u"12:34"},      {3599, u"59:59"}, {3600, u"1:00:00"},    {3723, u"1:02:03"},
        {36000, u"10:00:00"}, {-5, u"0:00"},    {359999, u"99:59:59"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CSolveTimer::FormatSeconds(c.nSeconds), c.pszText) << c.nSeconds;
}

// nyt_partlyfilled.puz keeps "8,0": eight seconds spent, the clock running.
TEST(SolveTimer, GoesOnFromTheTimeARealFileKept)
{
    const fs::path path = fs::path(TRELLIS_CORPUS_DIR) / "puz" / "nyt_partlyfilled.puz";
    if (!fs::exists(path))
        GTEST_SKIP() << "no corpus file " << path;
    CCrossWordPuzzle puzzle;
    std::u16string strError;
    ASSERT_TRUE(puzzle.LoadPuzzle(path.u16string(), strError));
    HandClock clock;
    puzzle.m_timer = CSolveTimer(clock.Function());
    EXPECT_EQ(puzzle.GetElapsedSeconds(), 8);
    // Until the player's first letter the file's own time is what is kept,
    // its running flag too.
    clock.Advance(30000ms);
    EXPECT_EQ(puzzle.GetKeptTimerSeconds(), 8);
    EXPECT_FALSE(puzzle.IsKeptTimerStopped());
    puzzle.m_timer.Begin();
    clock.Advance(65000ms);
    EXPECT_EQ(puzzle.GetElapsedSeconds(), 73);
    EXPECT_EQ(CSolveTimer::FormatSeconds(puzzle.GetElapsedSeconds()), u"1:13");
}

// The time goes into the file written: running while the clock runs,
// stopped once paused; and a file without a time keeps none until a letter.
TEST(SolveTimer, TheWrittenFileKeepsTheTimeSpent)
{
    TempDir dir;
    auto puzzle = PuzzleFileWriter({"AB", "CD"}).Load(dir);
    HandClock clock;
    puzzle->m_timer = CSolveTimer(clock.Function());
    std::vector<std::u16string> warnings;
    EXPECT_EQ(Section(PuzFileBytes(SourceFromPuzzle(*puzzle), warnings), "LTIM"), "absent");

    puzzle->m_timer.Begin();
    clock.Advance(125400ms);
    EXPECT_EQ(Section(PuzFileBytes(SourceFromPuzzle(*puzzle), warnings), "LTIM"), "125,0");
    puzzle->m_timer.SetPaused(TRUE);
    const std::string bytes = PuzFileBytes(SourceFromPuzzle(*puzzle), warnings);
    EXPECT_EQ(Section(bytes, "LTIM"), "125,1");

    // Read again, the file goes on from there.
    CCrossWordPuzzle back;
    ASSERT_TRUE(trellis::test::TryLoad(back, dir, bytes, "again.puz").bOk);
    EXPECT_EQ(back.m_nTimerSeconds, 125);
    EXPECT_TRUE(back.m_bTimerStopped);
    EXPECT_EQ(back.GetElapsedSeconds(), 125);
}

// The progress keeps the time as seconds and the stopped flag; it comes back
// as the file's time, from which the next session goes on.
TEST(SolveTimer, TheProgressKeepsTheTimeAndADamagedTimeIsNoEntry)
{
    TempDir dir;
    CProgressStore store(ModelPath(dir.File("store")));
    auto puzzle = PuzzleFileWriter({"AB", "CD"}).Section("LTIM", "40,0").Load(dir);
    HandClock clock;
    puzzle->m_timer = CSolveTimer(clock.Function());
    SetLetter(*puzzle, 0, 0, u'A');
    puzzle->m_timer.Begin();
    clock.Advance(20000ms);
    puzzle->m_timer.SetPaused(TRUE);
    ASSERT_TRUE(store.Save(*puzzle));
    const std::string entry = TempDir::Read(fs::path(store.PathOf(*puzzle)));
    const std::size_t nTime = entry.find("TIME");
    ASSERT_NE(nTime, std::string::npos);
    EXPECT_EQ(entry.substr(nTime, 13), std::string("TIME\x05\0\0\0\x3C\0\0\0\x01", 13));  // 60 seconds, stopped

    auto again = PuzzleFileWriter({"AB", "CD"}).Section("LTIM", "40,0").Load(dir, "again.puz");
    ASSERT_TRUE(store.Restore(*again));
    EXPECT_EQ(again->m_nTimerSeconds, 60);
    EXPECT_TRUE(again->m_bTimerStopped);
    EXPECT_EQ(again->GetElapsedSeconds(), 60);

    // A time of another size, or a flag that is neither 0 nor 1, damages
    // the entry: nothing of it is taken.
    for (const std::string& bad :
         {std::string("TIME\x04\0\0\0\x3C\0\0\0", 12), std::string("TIME\x05\0\0\0\x3C\0\0\0\x02", 13)}) {
        TempDir::Write(fs::path(store.PathOf(*puzzle)), entry.substr(0, nTime) + bad);
        auto fresh = PuzzleFileWriter({"AB", "CD"}).Section("LTIM", "40,0").Load(dir, "fresh.puz");
        EXPECT_FALSE(store.Restore(*fresh));
        EXPECT_EQ(fresh->m_nTimerSeconds, 40);
        EXPECT_FALSE(fresh->GetSquare(0, 0).m_bFilled);
    }
}
