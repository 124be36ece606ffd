// SPDX-License-Identifier: MIT
// Files that must not be lost or hang the program: a solution file given in
// place of a puzzle, pipes, and the name Save Solution As proposes. (A file
// that is no puzzle, and the congratulation's default: FilesTest.)
#include "tests/e2e/TrellisTest.h"

#include "tests/support/PuzzleFileWriter.h"
#include "tests/support/PuzzleState.h"

#include <X11/keysym.h>

#include <algorithm>

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace e2e {
namespace {

using SafeFiles = TrellisTest;

// "trellis x.sol", as a file manager starts it for a solution file.
class StartedWithASolution : public TrellisTest {
protected:
    void SetUp() override
    {
        WritePuzzle("five.puz", kFive);
        // Saved for the puzzle at its place, with two letters in.
        CCrossWordPuzzle model;
        std::u16string strError;
        ASSERT_TRUE(model.LoadPuzzle(trellis::test::ModelPath(m_dir.File("five.puz")), strError));
        trellis::test::SetLetter(model, 0, 0, u'A');
        trellis::test::SetLetter(model, 1, 0, u'B');
        ASSERT_TRUE(model.SaveSolution(trellis::test::ModelPath(m_dir.File("x.sol"))));
        m_arguments = {m_dir.File("x.sol").string()};
        TrellisTest::SetUp();
    }
};

TEST_F(StartedWithASolution, ItsPuzzleOpensWithTheLetters)
{
    EXPECT_TRUE(AwaitFills(kFiveLoaded));
    EXPECT_TRUE(AwaitInk({"LL...", ".#.#.", ".....", ".#.#.", "....."}));
    EXPECT_EQ(FrameTitle(), "trellis - Title");
    for (const TopLevel& w : m_pX->TopLevels())
        EXPECT_TRUE(w.id == m_frame || w.bPopup || w.name != "trellis") << "a message at start";
}

// A pipe in the settings file's place and one chosen as a puzzle: the
// program starts, says what is wrong with the pipe, and goes on.
class StartedWithAPipeForSettings : public TrellisTest {
protected:
    void SetUp() override
    {
        const fs::path folder = m_dir.File("home/.config/Quillon Software");
        fs::create_directories(folder);
        ASSERT_EQ(mkfifo((folder / "trellis.conf").c_str(), 0600), 0);
        // No settings can be read, so it starts as on a first start: the
        // 116-pixel grid in the middle of its 339 x 410 view, by half the room
        // left over or by as much as the pane has grown past the handheld's
        // 240 x 268, where that is less.
        m_bHandheldWindow = false;
        m_nGridX = std::min((339 - 116) / 2, 339 - kPaneWidth);
        m_nGridY = std::min((488 - 78 - 116) / 2, 488 - kPaneHeight);
        TrellisTest::SetUp();
    }
};

TEST_F(StartedWithAPipeForSettings, NeitherItNorAPipeForAPuzzleHoldsTheProgram)
{
    const fs::path pipe = m_dir.File("pipe.puz");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    LoadPuzzle(pipe);
    m_bPuzzle = false;
    const XID box = AwaitMessageBox();
    ASSERT_NE(box, 0u) << "no message for the pipe";
    Key(XK_Return);
    ASSERT_TRUE(AwaitGone(box));
    LoadFive();
    EXPECT_TRUE(fs::is_fifo(m_dir.File("home/.config/Quillon Software/trellis.conf")));
}

// Return in the save dialog takes the name it proposes: the puzzle's, with
// ".sol", in the puzzle's folder.
TEST_F(SafeFiles, SaveSolutionAsProposesThePuzzlesName)
{
    fs::create_directories(m_dir.File("puzzles"));
    LoadFive("puzzles/monday.puz");
    ASSERT_TRUE(AwaitFrameFocus());
    Type("ab");
    ASSERT_TRUE(AwaitInk({"LL..."}));
    Choose("Save Solution As ...");
    const XID dialog = AwaitDialog("Save As");
    ASSERT_NE(dialog, 0u) << "no save dialog";
    Key(XK_Return);
    ASSERT_TRUE(AwaitGone(dialog));
    const fs::path saved = m_dir.File("puzzles/monday.sol");
    ASSERT_TRUE(WaitUntil([&] { return fs::exists(saved); })) << "nothing saved as " << saved;
    auto model = trellis::test::PuzzleFileWriter(kFive).Load(m_dir, "model.puz");
    ASSERT_TRUE(model->LoadSolution(trellis::test::ModelPath(saved)));
    EXPECT_EQ(trellis::test::PlayerState(*model).substr(0, 4), u"1A1B");
}

}  // namespace
}  // namespace e2e
