// SPDX-License-Identifier: MIT
// The player's letters survive the program's end, whatever ends it: a crash
// (kill -9), SIGTERM, Exit, the close button of the command bar and the one
// the window manager draws; and Undo brings a cleared grid back on screen.

#include "tests/e2e/TrellisTest.h"

#include <X11/keysym.h>

#include <csignal>
#include <thread>

namespace e2e {
namespace {

// The five-by-five puzzle opened from the command line, the first word selected.
class Progress : public TrellisTest {
protected:
    Progress() { m_arguments = {WritePuzzle("five.puz", kFive).string()}; }

    void SetUp() override
    {
        TrellisTest::SetUp();
        m_bPuzzle = true;
    }

    // Types the first across word's first three letters and waits until they show.
    void TypeThree()
    {
        ASSERT_TRUE(AwaitFills(kFiveLoaded));
        ASSERT_TRUE(AwaitFrameFocus());
        Type("abc");
        ASSERT_TRUE(AwaitInk(kThree));
    }

    // Starts the program again with the same puzzle and home.
    ::testing::AssertionResult StartAgainWithTheLetters()
    {
        StartProgram();
        if (HasFatalFailure())
            return ::testing::AssertionFailure() << "the program did not start again";
        return AwaitInk(kThree);
    }

    const std::vector<std::string> kThree = {"LLL..", ".....", ".....", ".....", "....."};
};

TEST_F(Progress, AfterKillNineTheLettersOfMoreThanASecondAgoAreBack)
{
    TypeThree();
    // A crash may lose the last second, no more.
    std::this_thread::sleep_for(std::chrono::milliseconds(1200));
    ASSERT_EQ(SignalProgram(SIGKILL), 128 + SIGKILL);
    EXPECT_TRUE(StartAgainWithTheLetters());
}

TEST_F(Progress, SigtermSavesTheLettersJustTypedAndEndsCleanly)
{
    TypeThree();
    // At once: the program ends through its own way out, not the signal's.
    EXPECT_EQ(SignalProgram(SIGTERM), 0);
    EXPECT_TRUE(StartAgainWithTheLetters());
}

TEST_F(Progress, ExitAndTheCloseButtonSaveFirst)
{
    TypeThree();
    Restart();
    ASSERT_TRUE(AwaitInk(kThree));

    // The command bar's close button, at its right end.
    ASSERT_TRUE(AwaitFrameFocus());
    TapSquare(0, 2);
    Type("x");
    ASSERT_TRUE(AwaitInk({"LLL..", ".....", "L....", ".....", "....."}));
    Click(kPaneWidth - 10, 10);
    ASSERT_EQ(AwaitProgramEnd(), 0);
    StartProgram();
    EXPECT_TRUE(AwaitInk({"LLL..", ".....", "L....", ".....", "....."}));
}

TEST_F(Progress, UndoAfterClearPuzzleBringsEveryLetterBackOnScreen)
{
    ASSERT_TRUE(AwaitFills(kFiveLoaded));
    ASSERT_TRUE(AwaitFrameFocus());
    Type("abcde");
    TapSquare(0, 2);
    Type("ijklm");
    TapSquare(4, 4);
    Type("u");
    const std::vector<std::string> filled = {"LLLLL", ".....", "LLLLL", ".....", "....L"};
    ASSERT_TRUE(AwaitInk(filled));
    ShowFullMenus();
    Choose("Clear Puzzle");
    ASSERT_TRUE(AwaitInk({".....", ".....", ".....", ".....", "....."}));
    ASSERT_TRUE(AwaitFrameFocus());
    m_pX->KeyWith({XK_Control_L}, XK_z);
    EXPECT_TRUE(AwaitInk(filled));
    // Ctrl+Y clears them again; Ctrl+Shift+Z after another undo too.
    m_pX->KeyWith({XK_Control_L}, XK_y);
    EXPECT_TRUE(AwaitInk({".....", ".....", ".....", ".....", "....."}));
    m_pX->KeyWith({XK_Control_L}, XK_z);
    EXPECT_TRUE(AwaitInk(filled));
    m_pX->KeyWith({XK_Control_L, XK_Shift_L}, XK_z);
    EXPECT_TRUE(AwaitInk({".....", ".....", ".....", ".....", "....."}));
}

// The same under a window manager, whose close button asks the program to
// close (WM_DELETE_WINDOW) as a desktop does.
class ProgressUnderAWindowManager : public Progress {
protected:
    ProgressUnderAWindowManager() { m_bWindowManager = true; }
};

TEST_F(ProgressUnderAWindowManager, TheTitleBarsCloseButtonSavesFirst)
{
    TypeThree();
    // The close button is the last of the title bar, square, at its right end.
    const Rect frame = m_pX->DecorationOf(m_frame);
    const int nTitle = FrameRect().y - frame.y;
    ASSERT_GT(nTitle, 8) << "no title bar above the window";
    m_pX->Click(frame.x + frame.w - nTitle / 2 - 2, frame.y + nTitle / 2);
    ASSERT_EQ(AwaitProgramEnd(), 0);
    EXPECT_TRUE(StartAgainWithTheLetters());
}

}  // namespace
}  // namespace e2e
