// Letters typed or tapped into the grid, the cursor moving on, and the nine
// Solve commands.

#include "res/resource.h"
#include "tests/window/PuzzleWndFixture.h"

namespace trellis::test {
namespace {

const UINT kSolveCommands[] = { ID_CHECK_WORD,  ID_SHOW_LETTER,  ID_SHOW_WORD, ID_SHOW_PUZZLE, ID_CHECK_LETTER,
                                ID_CHECK_PUZZLE, ID_CLEAR_LETTER, ID_CLEAR_WORD, ID_CLEAR_PUZZLE };

class SolveTest : public PuzzleWndTest {
protected:
    void Put(int nCol, int nRow, WCHAR ch, BOOL bChecked = FALSE)
    {
        CSquare square = Square(nCol, nRow);
        square.m_chLetter = ch;
        square.m_bFilled = TRUE;
        square.m_bChecked = bChecked;
        m_pPuzzle->SetSquare(nCol, nRow, square);
    }
    BOOL Enabled(UINT nID)
    {
        CCmdUI ui;
        ui.m_nID = nID;
        ui.DoUpdate(&m_wnd, TRUE);
        return ui.m_bEnabled;
    }
};

TEST_F(SolveTest, ALetterGoesIntoTheSelectedSquareAndTheCursorMovesOn)
{
    Load({ "CAT", "O#O", "WOW" });
    Type(u'q');
    EXPECT_EQ(u'Q', Square(0, 0).m_chLetter);
    EXPECT_TRUE(Square(0, 0).m_bFilled);
    EXPECT_FALSE(Square(0, 0).m_bChecked);
    EXPECT_EQ(CPoint(1, 0), Grid().m_ptSelected);
    EXPECT_EQ(1, m_solve.m_nChecks);
    Type(u'a');
    Type(u't');
    EXPECT_EQ(CPoint(2, 0), Grid().m_ptSelected); // the last square keeps the cursor
    EXPECT_EQ(u'T', Square(2, 0).m_chLetter);
    EXPECT_EQ(CPoint(0, 0), Grid().m_ptWordStart);
    EXPECT_EQ(3, m_solve.m_nChecks);

    // Not letters: nothing changes, nothing is checked.
    for (UINT ch : { u' ', u'\b', u'5', u'-', u'\r' })
        Type(ch);
    EXPECT_EQ(u'T', Square(2, 0).m_chLetter);
    EXPECT_EQ(CPoint(2, 0), Grid().m_ptSelected);
    EXPECT_EQ(3, m_solve.m_nChecks);
}

TEST_F(SolveTest, AcrossStopsOnACheckedWrongLetterDownSkipsIt)
{
    Load({ "ABCD", "B###", "C###", "D###" });
    Put(1, 0, u'B');
    Put(2, 0, u'X', TRUE);
    Put(3, 0, u'D');
    Type(u'a');
    EXPECT_EQ(CPoint(2, 0), Grid().m_ptSelected);

    Put(0, 1, u'B');
    Put(0, 2, u'X', TRUE);
    Put(0, 3, u'D');
    Select(0, 0);
    Select(0, 0); // down through the first square
    ASSERT_EQ(DIRECTION_DOWN, Grid().m_nDirection);
    Type(u'a');
    EXPECT_EQ(CPoint(0, 0), Grid().m_ptSelected);
}

TEST_F(SolveTest, TheSolveModeDecidesTheCheckMark)
{
    Load({ "CAT", "O#O", "WOW" });
    const COLORREF crWrong = Grid().m_colors[GRID_FOREGROUND_SELECTED_INCORRECT];
    m_solve.m_nMode = 0;
    Type(u'x');
    EXPECT_TRUE(Square(0, 0).m_bChecked);
    EXPECT_TRUE(m_pPuzzle->IsIncorrect(0, 0));
    Testing::RunUntilIdle();
    EXPECT_GT(Testing::CountPixels(&Grid(), Grid().GetSquareRect(0, 0), crWrong), 0);

    // Retyped in mode 1, the mark goes and the wrong letter shows normally.
    Select(0, 0);
    m_solve.m_nMode = 1;
    Type(u'y');
    EXPECT_FALSE(Square(0, 0).m_bChecked);
    Testing::RunUntilIdle();
    EXPECT_EQ(0, Testing::CountPixels(&Grid(), Grid().GetSquareRect(0, 0), crWrong));
}

TEST_F(SolveTest, TypedAndTappedLettersTakeTheSameRoad)
{
    Load({ "CAT", "O#O", "WOW" });
    m_wnd.SetFocus();
    Testing::TypeText(u"c");
    EXPECT_EQ(u'C', Square(0, 0).m_chLetter);
    // 'D' is the fourth key of the pad's first row.
    Testing::Tap(&m_wnd.m_wndInput, CPoint(4 + 3 * 18 + 3, 10));
    EXPECT_EQ(u'D', Square(1, 0).m_chLetter);
    EXPECT_EQ(CPoint(2, 0), Grid().m_ptSelected);
}

TEST_F(SolveTest, ABlackSquareTakesTheLetterAndTheWalkGoesOnFromThere)
{
    Load({ "AB#CD" });
    Select(2, 0);
    Type(u'z');
    EXPECT_EQ(u'Z', Square(2, 0).m_chLetter);
    EXPECT_TRUE(Square(2, 0).m_bBlack);
    EXPECT_EQ(CPoint(3, 0), Grid().m_ptSelected);
    EXPECT_EQ(CPoint(0, 0), Grid().m_ptWordStart);
}

TEST_F(SolveTest, WithoutAPuzzleOrASelectionNothingHappens)
{
    Type(u'a');
    EXPECT_EQ(0, m_solve.m_nChecks);
    for (UINT nID : kSolveCommands)
        EXPECT_FALSE(Enabled(nID)) << nID;

    Load({ "##", "##" });
    const CSquare before = Square(0, 0);
    for (UINT nID : kSolveCommands)
        EXPECT_TRUE(Enabled(nID)) << nID;
    Type(u'a');
    for (UINT nID : { ID_SHOW_LETTER, ID_CHECK_LETTER, ID_CLEAR_LETTER })
        Command(nID);
    const CSquare after = Square(0, 0);
    EXPECT_EQ(before.m_chLetter, after.m_chLetter);
    EXPECT_EQ(before.m_bFilled, after.m_bFilled);
    EXPECT_EQ(before.m_bChecked, after.m_bChecked);
    EXPECT_EQ(0, m_solve.m_nChecks);

    m_wnd.SetPuzzle(nullptr);
    for (UINT nID : kSolveCommands)
        EXPECT_FALSE(Enabled(nID)) << nID;
}

TEST_F(SolveTest, LetterCommandsActOnTheSelectedSquare)
{
    Load({ "CAT", "O#O", "WOW" });
    Command(ID_SHOW_LETTER);
    EXPECT_EQ(u'C', Square(0, 0).m_chLetter);
    EXPECT_TRUE(Square(0, 0).m_bFilled);
    EXPECT_EQ(1, m_solve.m_nChecks);
    EXPECT_FALSE(Square(0, 0).m_bChecked);
    Command(ID_CHECK_LETTER);
    EXPECT_TRUE(Square(0, 0).m_bChecked);
    Command(ID_CLEAR_LETTER);
    EXPECT_EQ(u' ', Square(0, 0).m_chLetter);
    EXPECT_FALSE(Square(0, 0).m_bFilled);
    EXPECT_TRUE(Square(0, 0).m_bChecked);
    EXPECT_TRUE(m_pPuzzle->IsIncorrect(0, 0));
    EXPECT_EQ(1, m_solve.m_nChecks);
    EXPECT_EQ(CPoint(0, 0), Grid().m_ptSelected);
}

TEST_F(SolveTest, WordCommandsWalkFromTheWordStart)
{
    Load({ "CAT", "O#O", "WOW" });
    Select(2, 0);
    Put(1, 0, u'X');
    Command(ID_CHECK_WORD);
    for (int nCol = 0; nCol < 3; nCol++)
        EXPECT_TRUE(Square(nCol, 0).m_bChecked) << nCol; // filled or not
    EXPECT_FALSE(Square(0, 1).m_bChecked);

    Command(ID_SHOW_WORD);
    EXPECT_EQ(u'A', Square(1, 0).m_chLetter);
    EXPECT_EQ(1, m_solve.m_nChecks);
    Command(ID_CLEAR_WORD);
    for (int nCol = 0; nCol < 3; nCol++) {
        EXPECT_EQ(u' ', Square(nCol, 0).m_chLetter);
        EXPECT_FALSE(Square(nCol, 0).m_bFilled);
    }
    EXPECT_EQ(CPoint(2, 0), Grid().m_ptSelected);
    EXPECT_EQ(1, m_solve.m_nChecks);
}

TEST_F(SolveTest, PuzzleCommandsCoverEveryWhiteSquare)
{
    Load({ "CAT", "O#O", "WOW" });
    Put(2, 2, u'X');
    Command(ID_CHECK_PUZZLE);
    EXPECT_TRUE(Square(2, 2).m_bChecked);
    EXPECT_FALSE(Square(0, 0).m_bChecked); // empty squares stay unmarked
    EXPECT_FALSE(Square(1, 1).m_bChecked);

    Command(ID_SHOW_PUZZLE);
    EXPECT_TRUE(m_pPuzzle->IsSolved());
    EXPECT_EQ(1, m_solve.m_nChecks);
    EXPECT_FALSE(Square(1, 1).m_bFilled);

    Command(ID_CLEAR_PUZZLE);
    for (int i = 0; i < 9; i++) {
        const CSquare square = Square(i % 3, i / 3);
        if (square.m_bBlack)
            continue;
        EXPECT_FALSE(square.m_bFilled) << i;
        EXPECT_EQ(u' ', square.m_chLetter) << i;
    }
}

} // namespace
} // namespace trellis::test
