// Letters from the keyboard and the pad, the Solve commands from menu and
// toolbar, and the congratulation when the puzzle is solved.
#include "tests/app/AppFixture.h"

namespace trellis::test {
namespace {

class SolvingTest : public AppTest {
protected:
    void StartWithHeart()
    {
        Start();
        m_strPath = LoadPuzzle(HeartWriter());
        ASSERT_NE(theApp.m_pPuzzle, nullptr);
    }
    CSquare Square(int nCol, int nRow) { return theApp.m_pPuzzle->GetSquare(nCol, nRow); }

    // Presses and releases a letter of the pad.
    void Pad(char16_t ch)
    {
        CInputWnd& pad = PuzzleWnd().m_wndInput;
        CRect rc;
        pad.GetClientRect(&rc);
        // Two rows of thirteen letters.
        const int nIndex = ch - u'A';
        const CPoint pt((nIndex % 13) * rc.Width() / 13 + 4, (nIndex / 13) * rc.Height() / 2 + 4);
        Testing::Press(&pad, pt);
        Testing::Release(&pad, pt);
        Testing::RunUntilIdle();
    }

    std::u16string m_strPath;
};

TEST_F(SolvingTest, TypedAndTappedLettersGoIntoTheWordAndMoveOn)
{
    StartWithHeart();
    Type(u"h");
    Pad(u'E');
    EXPECT_EQ(Square(0, 0).m_chLetter, u'H');
    EXPECT_EQ(Square(1, 0).m_chLetter, u'E');
    EXPECT_EQ(Grid().m_ptSelected, CPoint(2, 0));
    // Check only on request: nothing is marked yet.
    EXPECT_FALSE(Square(0, 0).m_bChecked);
}

TEST_F(SolvingTest, CheckAsLettersEnteredMarksEachLetter)
{
    theApp.WriteProfileInt(u"options", u"mode", 0);
    StartWithHeart();
    Type(u"HX");
    EXPECT_TRUE(Square(0, 0).m_bChecked);
    EXPECT_TRUE(Square(1, 0).m_bChecked);
    EXPECT_FALSE(theApp.m_pPuzzle->IsIncorrect(0, 0));
    EXPECT_TRUE(theApp.m_pPuzzle->IsIncorrect(1, 0));
}

TEST_F(SolvingTest, ToolbarAndMenuRunTheSameSolveCommands)
{
    StartWithHeart();
    Type(u"HXX");
    // From the toolbar in the small menu state.
    Testing::RunIdle();
    ASSERT_TRUE(Testing::ClickToolBarButton(Frame(), ID_CHECK_WORD));
    Testing::RunUntilIdle();
    EXPECT_TRUE(theApp.m_pPuzzle->IsIncorrect(1, 0));
    EXPECT_FALSE(theApp.m_pPuzzle->IsIncorrect(0, 0));

    // Show Letter and Check Letter are different commands.
    ASSERT_TRUE(Choose(ID_SHOW_LETTER));
    const CPoint pt = Grid().m_ptSelected;
    EXPECT_EQ(Square(pt.x, pt.y).m_chLetter, Square(pt.x, pt.y).m_chSolution);

    ASSERT_TRUE(Choose(ID_CLEAR_PUZZLE));
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c)
            EXPECT_EQ(Square(c, r).m_chLetter, u' ');
    EXPECT_TRUE(m_boxes.Shown().empty());
}

TEST_F(SolvingTest, SolvingByTypingAsksAndNoKeepsTheFileAndResetsTheClueBar)
{
    StartWithHeart();
    const char16_t* rows[] = { u"HEART", u"EMBER", u"ABUSE", u"RESIN", u"TREND" };
    for (int r = 0; r < 5; ++r) {
        const CRect rc = Grid().GetSquareRect(0, r);
        Testing::Tap(&Grid(), CPoint(rc.left + 3, rc.top + 3));
        Testing::RunUntilIdle();
        // A tap on the selected square turns the direction.
        if (Grid().m_nDirection != 1) {
            Testing::Tap(&Grid(), CPoint(rc.left + 3, rc.top + 3));
            Testing::RunUntilIdle();
        }
        ASSERT_EQ(Grid().m_nDirection, 1) << "row " << r;
        EXPECT_TRUE(m_boxes.Shown().empty());
        m_boxes.Answer(IDNO);
        Type(rows[r]);
    }
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_EQ(m_boxes.Shown()[0].strText,
              u"Congratulations you have solved this puzzle.  Do you want to delete the puzzle file from the device?");
    EXPECT_EQ(m_boxes.Shown()[0].Icon(), UINT(MB_ICONQUESTION));
    EXPECT_EQ(m_boxes.Shown()[0].Buttons(), UINT(MB_YESNO));
    EXPECT_TRUE(std::filesystem::exists(m_dir.File("puzzle.puz")));
    EXPECT_EQ(PuzzleWnd().m_wndClue.m_nNumber, 0);
    EXPECT_NE(theApp.m_pPuzzle, nullptr);
}

TEST_F(SolvingTest, ShowPuzzleSolvesItAndYesDeletesTheFileButKeepsThePuzzle)
{
    StartWithHeart();
    m_boxes.Answer(IDYES);
    ASSERT_TRUE(Choose(ID_SHOW_PUZZLE));
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(m_dir.File("puzzle.puz")));
    EXPECT_NE(theApp.m_pPuzzle, nullptr);
    EXPECT_EQ(PuzzleWnd().m_pPuzzle, theApp.m_pPuzzle);
    EXPECT_EQ(PuzzleWnd().m_wndClue.m_nNumber, 0);

    // Solved again with the file gone: Yes now fails and says so.
    m_boxes.Answer(IDYES);
    ASSERT_TRUE(Choose(ID_SHOW_PUZZLE));
    ASSERT_EQ(m_boxes.Shown().size(), 3u);
    EXPECT_EQ(m_boxes.Shown()[2].strText, u"Cannot delete puzzle file '" + m_strPath + u"'");
    EXPECT_EQ(m_boxes.Shown()[2].Icon(), UINT(MB_ICONSTOP));
    EXPECT_EQ(PuzzleWnd().m_wndClue.m_nNumber, 0);
}

TEST_F(SolvingTest, LettersOnlyCountForLetterKeys)
{
    StartWithHeart();
    Type(u"1 -");
    EXPECT_FALSE(Square(0, 0).m_bFilled);
    EXPECT_EQ(Grid().m_ptSelected, CPoint(0, 0));
}

} // namespace
} // namespace trellis::test
