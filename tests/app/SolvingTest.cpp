// SPDX-License-Identifier: MIT
// The Solve commands from menu and toolbar in the stored solve mode, the
// congratulation when the puzzle is solved, and the plain word when it was
// revealed instead.
#include "tests/app/AppFixture.h"

namespace trellis::test {
namespace {

class SolvingTest : public AppTest {
protected:
    void StartWithHeart(const PuzzleFileWriter& writer = HeartWriter())
    {
        Start();
        m_strPath = LoadPuzzle(writer);
        ASSERT_NE(theApp.GetPuzzle(), nullptr);
    }
    CSquare Square(int nCol, int nRow) { return theApp.GetPuzzle()->GetSquare(nCol, nRow); }

    std::u16string m_strPath;
};

TEST_F(SolvingTest, ToolbarAndMenuRunTheSolveCommandsInTheStoredMode)
{
    theApp.WriteProfileInt(u"options", u"mode", 0);  // check as letters are entered
    StartWithHeart();
    Type(u"HX");
    EXPECT_TRUE(Square(0, 0).m_bChecked);
    EXPECT_FALSE(theApp.GetPuzzle()->IsIncorrect(0, 0));
    EXPECT_TRUE(theApp.GetPuzzle()->IsIncorrect(1, 0));

    // From the toolbar in the small menu state.
    Testing::RunIdle();
    ASSERT_TRUE(Testing::ClickToolBarButton(Frame(), ID_CLEAR_WORD));
    Testing::RunUntilIdle();
    EXPECT_FALSE(Square(0, 0).m_bFilled || Square(1, 0).m_bFilled);

    // Show Letter and Check Letter are different commands.
    ASSERT_TRUE(Choose(ID_SHOW_LETTER));
    const CPoint pt = Grid().GetSelectedSquare();
    EXPECT_EQ(Square(pt.x, pt.y).m_chLetter, Square(pt.x, pt.y).m_chSolution);

    ASSERT_TRUE(Choose(ID_CLEAR_PUZZLE));
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c)
            EXPECT_EQ(Square(c, r).m_chLetter, u' ');
    EXPECT_TRUE(m_boxes.Shown().empty());
}

// No keeps the file, Yes deletes it; either way the puzzle stays and the clue
// bar goes back to the banner. With the file gone, Yes says it cannot delete it.
TEST_F(SolvingTest, ASolvedPuzzleAsksToDeleteItsFile)
{
    // Every letter but the first kept in the file: the player types the last.
    StartWithHeart(HeartWriter().State({"-EART", "EMBER", "ABUSE", "RESIN", "TREND"}));
    m_boxes.Answer(IDNO);
    Type(u"h");
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    // The typed letter started the clock: the time follows on a line of its
    // own (its figures are the timer tests' business).
    const std::u16string strQuestion =
        u"Congratulations you have solved this puzzle.  Do you want to delete the puzzle file from the device?";
    EXPECT_EQ(m_boxes.Shown()[0].strText.substr(0, strQuestion.size() + 11), strQuestion + u"\nSolved in ");
    EXPECT_EQ(m_boxes.Shown()[0].Icon(), UINT(MB_ICONQUESTION));
    EXPECT_EQ(m_boxes.Shown()[0].Buttons(), UINT(MB_YESNO));
    EXPECT_TRUE(std::filesystem::exists(m_dir.File("puzzle.puz")));
    EXPECT_EQ(PuzzleWnd().GetClue().GetNumber(), 0);

    for (size_t nShown : {2u, 4u}) {
        m_boxes.Answer(IDYES);
        ASSERT_TRUE(Choose(ID_CLEAR_LETTER));
        Type(u"h");
        ASSERT_EQ(m_boxes.Shown().size(), nShown);
        EXPECT_FALSE(std::filesystem::exists(m_dir.File("puzzle.puz")));
        EXPECT_NE(theApp.GetPuzzle(), nullptr);
        EXPECT_EQ(PuzzleWnd().GetPuzzle(), theApp.GetPuzzle());
        EXPECT_EQ(PuzzleWnd().GetClue().GetNumber(), 0);
    }
    EXPECT_EQ(m_boxes.Shown()[3].strText, u"Cannot delete puzzle file '" + m_strPath + u"'");
    EXPECT_EQ(m_boxes.Shown()[3].Icon(), UINT(MB_ICONSTOP));
    // Return and Escape give No: the file stays unless the user says Yes.
    for (size_t i : {0u, 1u, 2u})
        EXPECT_EQ(m_boxes.Shown()[i].nType & MB_DEFMASK, UINT(MB_DEFBUTTON2)) << i;

    // The letters did not go with the file.
    m_files.Choose(ModelPath(m_dir.File("after.sol")));
    ASSERT_TRUE(Choose(ID_SAVE_SOLUTION));
    EXPECT_EQ(m_files.Shown().back().strFileName, ModelPath(m_dir.File("puzzle.sol")));
    auto pCopy = HeartWriter().Load(m_dir, "copy.puz");
    ASSERT_TRUE(pCopy->LoadSolution(ModelPath(m_dir.File("after.sol"))));
    EXPECT_TRUE(pCopy->IsSolved());
}

// Revealed is not solved: Show Puzzle, or Show on every word, ends with a
// plain word that the puzzle is complete and no offer to delete its file. A
// letter the player types among the shown ones makes it a solve again.
TEST_F(SolvingTest, APuzzleRevealedWholeIsCompleteWithNoOfferToDeleteItsFile)
{
    StartWithHeart();
    ASSERT_TRUE(Choose(ID_SHOW_PUZZLE));
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_EQ(m_boxes.Shown()[0].strText, u"The puzzle is complete.");
    EXPECT_EQ(m_boxes.Shown()[0].Buttons(), UINT(MB_OK));
    EXPECT_EQ(m_boxes.Shown()[0].Icon(), UINT(MB_ICONINFORMATION));
    EXPECT_TRUE(std::filesystem::exists(m_dir.File("puzzle.puz")));
    EXPECT_EQ(PuzzleWnd().GetClue().GetNumber(), 0);

    ASSERT_TRUE(Choose(ID_CLEAR_PUZZLE));
    for (int nRow = 0; nRow < 5; ++nRow) {
        Grid().SelectWordAt(DIRECTION_ACROSS, CPoint(0, nRow));
        ASSERT_TRUE(Choose(ID_SHOW_WORD));
        EXPECT_EQ(m_boxes.Shown().size(), nRow < 4 ? 1u : 2u) << nRow;
    }
    EXPECT_EQ(m_boxes.Shown().back().strText, u"The puzzle is complete.");

    Grid().SelectWordAt(DIRECTION_ACROSS, CPoint(0, 2));
    Type(u"a");
    ASSERT_EQ(m_boxes.Shown().size(), 3u);
    EXPECT_EQ(m_boxes.Shown()[2].Buttons(), UINT(MB_YESNO));
    EXPECT_TRUE(std::filesystem::exists(m_dir.File("puzzle.puz")));  // No, the answer given by default
}

}  // namespace
}  // namespace trellis::test
