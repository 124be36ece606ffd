// SPDX-License-Identifier: MIT
// Solving from the keyboard alone, files given on the command line or dropped
// from a file manager, and the puzzle's title in the window's title.
#include "tests/e2e/TrellisTest.h"

#include "tests/support/PuzzleFileWriter.h"
#include "tests/support/PuzzleState.h"

#include <X11/keysym.h>

namespace fs = std::filesystem;

namespace e2e {
namespace {

using Keyboard = TrellisTest;

TEST_F(Keyboard, ArrowsSpaceTabAndBackspaceWorkTheGridAndTheLettersSolveIt)
{
    LoadFive();
    ASSERT_TRUE(AwaitFrameFocus());
    Key(XK_Right);
    EXPECT_TRUE(AwaitFills({"BNBBB", "W#W#W", "WWWWW", "W#W#W", "WWWWW"}));
    // Down from a square with no down word: past the black square below.
    Key(XK_Down);
    EXPECT_TRUE(AwaitFills({"WWWWW", "W#W#W", "BNBBB", "W#W#W", "WWWWW"}));
    Key(XK_Left);
    Key(XK_space);
    EXPECT_TRUE(AwaitFills({"BWWWW", "B#W#W", "NWWWW", "B#W#W", "BWWWW"}));
    Key(XK_Tab);
    EXPECT_TRUE(AwaitFills({"WWNWW", "W#B#W", "WWBWW", "W#B#W", "WWBWW"}));
    Key(XK_ISO_Left_Tab);  // Shift+Tab
    EXPECT_TRUE(AwaitFills({"NWWWW", "B#W#W", "BWWWW", "B#W#W", "BWWWW"}));

    // Down the first column, a wrong last letter taken back with Backspace.
    Type("afinx");
    EXPECT_TRUE(AwaitInk({"L....", "L#.#.", "L....", "L#.#.", "L...."}));
    Key(XK_BackSpace);
    EXPECT_TRUE(AwaitInk({"L....", "L#.#.", "L....", "L#.#.", "....."}));
    EXPECT_TRUE(AwaitFills({"BWWWW", "B#W#W", "BWWWW", "B#W#W", "NWWWW"}));

    // Tab from word to word, typing the rest; the last letter solves it.
    Key(XK_Tab);
    Type("cgkos");
    Key(XK_Tab);
    Type("ehmpu");
    Key(XK_Tab);  // round to the first across word, at its first empty square
    EXPECT_TRUE(AwaitFills({"BNBBB", "W#W#W", "WWWWW", "W#W#W", "WWWWW"}));
    Type("bd");
    Key(XK_Tab);
    Type("jl");
    Key(XK_Tab);
    Type("qrt");
    const XID box = AwaitMessageBox();
    ASSERT_NE(box, 0u) << "no congratulation after the last letter";
    Type("n");
    ASSERT_TRUE(AwaitGone(box));
    EXPECT_TRUE(AwaitInk({"LLLLL", "L#L#L", "LLLLL", "L#L#L", "LLLLL"}));
}

// Started as "trellis PUZZLE.puz SOLUTION.sol", as a file manager starts it.
class StartedWithFiles : public TrellisTest {
protected:
    void SetUp() override
    {
        const fs::path puzzle = WritePuzzle("five.puz", kFive);
        auto model = trellis::test::PuzzleFileWriter(kFive).Load(m_dir, "model.puz");
        trellis::test::SetLetter(*model, 4, 4, u'U');
        const fs::path solution = m_dir.File("five.sol");
        ASSERT_TRUE(model->SaveSolution(trellis::test::ModelPath(solution)));
        m_arguments = {puzzle.string(), solution.string()};
        TrellisTest::SetUp();
    }
};

TEST_F(StartedWithFiles, ThePuzzleAndItsSolutionAreOnTheScreenAndTheTitleNamesThePuzzle)
{
    EXPECT_TRUE(AwaitFills(kFiveLoaded));
    EXPECT_TRUE(AwaitInk({".....", ".#.#.", ".....", ".#.#.", "....L"}));
    EXPECT_EQ(FrameTitle(), "trellis - Title");
}

using Dropping = TrellisTest;

TEST_F(Dropping, APuzzleDroppedOnTheWindowLoadsAndOtherThingsAreLeftAlone)
{
    const fs::path puzzle = WritePuzzle("five.puz", kFive);
    const Rect frame = FrameRect();
    const int x = frame.x + 100, y = frame.y + PanePoint(60);
    EXPECT_FALSE(m_pX->DropUris(m_frame, x, y, {"https://example.com/five.puz"})) << "a link was taken";
    trellis::test::TempDir::Write(m_dir.File("notes.txt"), "not a puzzle");
    EXPECT_TRUE(m_pX->DropUris(m_frame, x, y, {"file://" + m_dir.File("notes.txt").string()}));
    EXPECT_EQ(FrameTitle(), "trellis");

    EXPECT_TRUE(m_pX->DropUris(m_frame, x, y, {"file://" + puzzle.string()}));
    EXPECT_TRUE(AwaitFills(kFiveLoaded));
    EXPECT_TRUE(WaitUntil([&] { return FrameTitle() == "trellis - Title"; })) << FrameTitle();
}

}  // namespace
}  // namespace e2e
