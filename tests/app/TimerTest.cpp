// SPDX-License-Identifier: MIT
// The solve's clock in the running program: Pause from its key, the Solve
// menu and a click on the time; the window minimised; the time in the
// congratulation and in the kept progress; the line with the time, which
// the View menu hides and shows and a handheld's window never has.

#include "model/ProgressStore.h"
#include "tests/app/AppFixture.h"

#include <chrono>

namespace trellis::test {
namespace {

using namespace std::chrono_literals;

class TimerTest : public AppTest {
protected:
    // The loaded puzzle's clock on the test's own time.
    void UseHandClock()
    {
        theApp.GetPuzzle()->m_timer = CSolveTimer([this] { return m_now; });
    }
    const CSolveTimer& Timer() { return theApp.GetPuzzle()->m_timer; }
    void Minimize(bool bMinimized)
    {
        WINDOWPLACEMENT wp {};
        wp.length = sizeof(wp);
        ASSERT_TRUE(Frame().GetWindowPlacement(&wp));
        wp.showCmd = bMinimized ? SW_SHOWMINIMIZED : SW_SHOWNORMAL;
        ASSERT_TRUE(Frame().SetWindowPlacement(&wp));
        Testing::RunUntilIdle();
    }

    CSolveTimer::Clock::time_point m_now {std::chrono::hours(7)};
};

// The first start's desktop window, with the lists and the line.
class DesktopTimerTest : public TimerTest {
protected:
    DesktopTimerTest() { m_bHandheldWindow = false; }
};

// Ctrl+P pausing and going on, letters refused meanwhile, is proven on a
// real desktop. The Solve menu's Pause item is checked while paused, the
// answer commands are off, and a click on the time goes on.
TEST_F(DesktopTimerTest, PauseComesFromItsMenuItemAndAClickOnTheTimeGoesOn)
{
    Start();
    LoadPuzzle(HeartWriter());
    Type(u"HE");
    ASSERT_TRUE(Timer().IsRunning());
    ASSERT_TRUE(Choose(ID_PAUSE));
    EXPECT_TRUE(Timer().IsPaused());
    EXPECT_TRUE(Testing::IsMenuItemChecked(Frame(), ID_PAUSE));
    EXPECT_FALSE(Testing::IsMenuItemEnabled(Frame(), ID_SHOW_LETTER));

    CStatusLineWnd& line = Frame().GetStatusLine();
    ASSERT_TRUE(line.IsWindowVisible());
    Testing::Tap(&line, CPoint(10, 5));
    Testing::RunUntilIdle();
    EXPECT_FALSE(Timer().IsPaused());
    EXPECT_TRUE(Timer().IsRunning());
    EXPECT_FALSE(Testing::IsMenuItemChecked(Frame(), ID_PAUSE));
}

// Minimised, the window stops the clock, and brought back it starts it again.
TEST_F(TimerTest, MinimisingTheWindowHoldsTheClock)
{
    Start();
    Frame().ShowWindow(SW_SHOW);
    LoadPuzzle(HeartWriter());
    Type(u"H");
    ASSERT_TRUE(Timer().IsRunning());
    Minimize(true);
    EXPECT_FALSE(Timer().IsRunning());
    Minimize(false);
    EXPECT_TRUE(Timer().IsRunning());
    // The panes kept their places meanwhile.
    CRect rc;
    PuzzleWnd().GetClientRect(&rc);
    EXPECT_EQ(rc.Width(), 240);
}

// The congratulation says how long the solve took, on a line after the
// question; a puzzle shown whole without a letter typed has no time to say.
TEST_F(TimerTest, TheCongratulationSaysHowLongTheSolveTook)
{
    Start();
    LoadPuzzle(PuzzleFileWriter({"AB", "CD"}));
    UseHandClock();
    m_boxes.Answer(IDNO);
    Type(u"AB");
    m_now += 754s;
    Testing::Tap(&Grid(), Grid().GetSquareRect(0, 1).CenterPoint());
    Testing::RunUntilIdle();
    Type(u"CD");
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_EQ(m_boxes.Shown()[0].strText, u"Congratulations you have solved this puzzle.  Do you want to delete the "
                                          u"puzzle file from the device?\nSolved in 12:34.");
    // The clock stands once solved.
    m_now += 100s;
    EXPECT_EQ(theApp.GetPuzzle()->GetElapsedSeconds(), 754);
}

// The time goes with the progress, also when nothing else changed since the
// last save, and the next session goes on from it.
TEST_F(TimerTest, TheTimeIsKeptWithTheProgressAndGoesOnFromThere)
{
    Start();
    LoadPuzzle(HeartWriter(), "heart.puz");
    UseHandClock();
    Type(u"H");
    ASSERT_TRUE(theApp.SaveProgress());
    m_now += 95s;
    EXPECT_FALSE(theApp.IsProgressPending());
    Restart();
    m_files.Choose(m_dir.File("heart.puz").u16string());
    ASSERT_TRUE(Choose(ID_LOAD_PUZZLE));
    ASSERT_NE(theApp.GetPuzzle(), nullptr);
    EXPECT_EQ(theApp.GetPuzzle()->GetElapsedSeconds(), 95);
    EXPECT_EQ(Frame().GetStatusLine().GetTimeText(), CString(u"1:35"));
    EXPECT_EQ(theApp.GetPuzzle()->GetSquare(0, 0).m_chLetter, u'H');
    // Waiting for the first letter of this session.
    EXPECT_FALSE(theApp.GetPuzzle()->m_timer.HasBegun());
}

// The handheld's screen stays the handheld's: a window left at its size
// before there was a line (with the lists hidden) has none. View > Timer
// shows it under the puzzle window, and the choice is kept.
TEST_F(TimerTest, TheViewMenuShowsAndHidesTheLineAndTheChoiceIsKept)
{
    Start();
    EXPECT_FALSE(Frame().HasStatusLine());
    EXPECT_FALSE(Frame().GetStatusLine().IsWindowVisible());
    CRect rc;
    PuzzleWnd().GetClientRect(&rc);
    EXPECT_EQ(rc.Height(), 268);
    EXPECT_FALSE(Testing::IsMenuItemChecked(Frame(), ID_VIEW_TIMER));

    ASSERT_TRUE(Choose(ID_VIEW_TIMER));
    EXPECT_TRUE(Frame().GetStatusLine().IsWindowVisible());
    const int nLine = Frame().GetStatusLine().GetLineHeight();
    PuzzleWnd().GetClientRect(&rc);
    EXPECT_EQ(rc.Height(), 268 - nLine);
    CRect rcLine;
    Frame().GetStatusLine().GetWindowRect(&rcLine);
    CRect rcPuzzle;
    PuzzleWnd().GetWindowRect(&rcPuzzle);
    EXPECT_EQ(rcLine.top, rcPuzzle.bottom);
    EXPECT_EQ(rcLine.Width(), 240);
    EXPECT_TRUE(Testing::IsMenuItemChecked(Frame(), ID_VIEW_TIMER));

    Restart();
    EXPECT_TRUE(Frame().HasStatusLine());
    EXPECT_EQ(static_cast<int>(theApp.GetProfileInt(u"window", u"statusline", -1)), 1);
    ASSERT_TRUE(Choose(ID_VIEW_TIMER));
    PuzzleWnd().GetClientRect(&rc);
    EXPECT_EQ(rc.Height(), 268);
}

}  // namespace
}  // namespace trellis::test
