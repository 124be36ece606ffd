// SPDX-License-Identifier: MIT
// The completion question and a damaged puzzle file.
#include "tests/e2e/TrellisTest.h"

#include "tests/support/PuzzleFileWriter.h"
#include "tests/support/PuzzleState.h"

#include <X11/keysym.h>

namespace fs = std::filesystem;

namespace e2e {
namespace {

using Files = TrellisTest;

// Show Puzzle only completes the puzzle (a box with OK alone); the last
// letter typed by the player solves it, and the question comes. Return
// keeps the file (Escape does too: the rebus case ends with it).
TEST_F(Files, ASolveAsksToDeleteThePuzzleFileReturnKeepsItAndYesDeletesIt)
{
    const fs::path copy = LoadFive("solve-me.puz");  // a file of the test's own
    ShowFullMenus();
    Choose("Show Puzzle");
    XID box = AwaitMessageBox();
    ASSERT_NE(box, 0u) << "no word that the puzzle is complete";
    Key(XK_Return);
    ASSERT_TRUE(AwaitGone(box));
    EXPECT_TRUE(fs::exists(copy)) << "Show Puzzle deleted the puzzle file";
    const auto solve = [&] {
        Choose("Clear Letter");
        ASSERT_TRUE(AwaitInk({".LLLL"}));
        ASSERT_TRUE(AwaitFrameFocus());
        Type("a");
    };
    solve();
    box = AwaitMessageBox();
    ASSERT_NE(box, 0u) << "no congratulation";
    Key(XK_Return);  // No is the default
    ASSERT_TRUE(AwaitGone(box));
    EXPECT_TRUE(AwaitInk({"LLLLL", "L#L#L", "LLLLL", "L#L#L", "LLLLL"}));
    EXPECT_TRUE(fs::exists(copy)) << "Return deleted the puzzle file";

    // Solved again: asked again.
    solve();
    box = AwaitMessageBox();
    ASSERT_NE(box, 0u) << "no congratulation the second time";
    Type("y");
    ASSERT_TRUE(AwaitGone(box));
    EXPECT_TRUE(WaitUntil([&] { return !fs::exists(copy); })) << "Yes kept the puzzle file";
    EXPECT_TRUE(AwaitInk({"LLLLL", "L#L#L", "LLLLL", "L#L#L", "LLLLL"})) << "the solved puzzle left the screen";
}

TEST_F(Files, SaveSolutionAsWritesThroughALinkAndKeepsTheFilesPermissions)
{
    const fs::path target = m_dir.File("kept.sol"), link = m_dir.File("link.sol");
    trellis::test::TempDir::Write(target, "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(target, link);
    LoadFive();
    ASSERT_TRUE(AwaitFrameFocus());
    Type("ab");
    ASSERT_TRUE(AwaitInk({"LL..."}));

    Choose("Save Solution As ...");
    EnterPath("Save As", link);
    const XID box = AwaitMessageBox();
    ASSERT_NE(box, 0u) << "no question before replacing the file";
    Type("y");
    ASSERT_TRUE(AwaitGone(box));
    ASSERT_TRUE(WaitUntil([&] { return trellis::test::TempDir::Read(target) != "old"; }))
        << "the file behind the link was not written";
    EXPECT_TRUE(fs::is_symlink(link)) << "the link was replaced by a file";
    EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    // The file holds the letters typed.
    auto model = trellis::test::PuzzleFileWriter(kFive).Load(m_dir, "model.puz");
    ASSERT_TRUE(model->LoadSolution(trellis::test::ModelPath(target)));
    EXPECT_EQ(trellis::test::PlayerState(*model).substr(0, 4), u"1A1B");
}

TEST_F(Files, ADamagedPuzzleFileIsReportedAndLeavesNoPuzzle)
{
    LoadFive();
    // The file ends inside the answer grid.
    const fs::path damaged = m_dir.File("damaged.puz");
    trellis::test::TempDir::Write(damaged, trellis::test::PuzzleFileWriter(kFive).Bytes().substr(0, 60));
    LoadPuzzle(damaged);
    m_bPuzzle = false;

    const XID box = AwaitMessageBox();
    ASSERT_NE(box, 0u) << "no message for the damaged file";
    EXPECT_TRUE(AwaitStopIcon(box)) << "no stop icon";
    Key(XK_Return);
    ASSERT_TRUE(AwaitGone(box));
    EXPECT_TRUE(AwaitNoPuzzle()) << "the grid still shows a puzzle";
}

}  // namespace
}  // namespace e2e
