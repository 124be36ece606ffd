// SPDX-License-Identifier: MIT
// Solving a diagramless puzzle in the puzzle window: "." and Space mark a
// square black and move on, a mark is taken away the same way or by a
// letter, Undo takes marks back, Show marks the black squares, and the
// clue bar and the lists go by the player's own diagram.

#include "res/resource.h"
#include "tests/window/PuzzleWndFixture.h"

#include <string>

namespace trellis::test {
namespace {

// The file's diagram: (2, 0) and (1, 2) are black. Its clues, in the
// file's order: 1A AB, 1D AEJ, 2D BF, 3A CD, 3D CHL, 4D DIM, 5A EFGHI,
// 6D GK, 7A KLM.
const std::vector<std::string> kGrid = {"AB#CD", "EFGHI", "J#KLM"};
const std::vector<std::string> kClues = {"Ab", "Aej", "Bf", "Cd", "Chl", "Dim", "Efghi", "Gk", "Klm"};

class DiagramlessSolveTest : public PuzzleWndTest {
protected:
    void SetUp() override
    {
        PuzzleWndTest::SetUp();
        Load(PuzzleFileWriter(kGrid).Clues(kClues).Diagramless());
    }
    // "3,0 A3": the selected square, the word's direction and where it starts.
    std::string Selected()
    {
        const CGridWnd& grid = Grid();
        const bool bAcross = grid.GetDirection() == DIRECTION_ACROSS;
        return std::to_string(grid.GetSelectedSquare().x) + "," + std::to_string(grid.GetSelectedSquare().y) +
               (bAcross ? " A" : " D") + std::to_string(bAcross ? grid.GetWordStart().x : grid.GetWordStart().y);
    }
    bool Marked(int nCol, int nRow) const { return Square(nCol, nRow).m_bMarkedBlack; }
};

TEST_F(DiagramlessSolveTest, AMarkEndsTheWordAndTheClueGoesByThePlayersNumbers)
{
    EXPECT_EQ(Selected(), "0,0 A0");
    EXPECT_EQ(Clue(), CString(u"1A: Ab"));
    Type('A');
    Type('B');
    EXPECT_EQ(Selected(), "2,0 A0");
    Type('.');
    EXPECT_TRUE(Marked(2, 0));
    // On to the next square, whose word now starts there: the player's
    // third number, 3 Across.
    EXPECT_EQ(Selected(), "3,0 A3");
    EXPECT_EQ(Clue(), CString(u"3A: Cd"));
    EXPECT_EQ(m_solve.m_nChanges, 3);

    // The mark is taken away by "." on it: the row is one word again.
    Select(2, 0);
    EXPECT_EQ(Selected(), "2,0 A3");  // a tap on a mark moves the square alone
    Type('.');
    EXPECT_FALSE(Marked(2, 0));
    EXPECT_EQ(Selected(), "2,0 A0");
    EXPECT_EQ(Clue(), CString(u"1A: Ab"));

    // Undo makes the mark again, and the clue follows the words.
    m_wnd.OnUndo();
    EXPECT_TRUE(Marked(2, 0));
    Select(3, 0);
    EXPECT_EQ(Clue(), CString(u"3A: Cd"));
}

// A word the file has no clue of that number for shows none; Space marks
// black (a second tap turns the direction); a letter typed over a mark
// takes it away; the arrows stop on every square, marks included.
TEST_F(DiagramlessSolveTest, SpaceMarksAndALetterTakesTheMarkAway)
{
    // Row 1 is the player's sixth word start; the file has only 6 Down.
    Select(0, 1);
    ASSERT_EQ(Selected(), "0,1 A0");
    EXPECT_TRUE(Clue().IsEmpty());

    Select(0, 2);
    Select(1, 2);
    ASSERT_EQ(Selected(), "1,2 A0");
    Key(VK_SPACE);
    EXPECT_TRUE(Marked(1, 2));
    EXPECT_EQ(Selected(), "2,2 A2");
    EXPECT_EQ(Clue(), CString(u"7A: Klm"));
    Select(1, 2);
    Type('Q');
    EXPECT_FALSE(Marked(1, 2));
    EXPECT_EQ(Square(1, 2).m_chLetter, u'Q');

    Select(0, 0);
    ASSERT_EQ(Selected(), "0,0 A0");
    Type('.');
    EXPECT_EQ(Selected(), "1,0 A1");
    Select(0, 0);
    EXPECT_EQ(Selected(), "0,0 A1");
    Key(VK_RIGHT);
    EXPECT_EQ(Selected(), "1,0 A1");
    Key(VK_LEFT);
    EXPECT_EQ(Selected(), "0,0 A1");
}

// Show goes over the player's word, black squares of the file included,
// which it marks; Show Puzzle marks every black square and solves it.
TEST_F(DiagramlessSolveTest, ShowMarksTheBlackSquaresItMeets)
{
    Select(0, 2);
    ASSERT_EQ(Selected(), "0,2 A0");
    m_wnd.OnShowWord();
    EXPECT_TRUE(Marked(1, 2));
    EXPECT_FALSE(Square(1, 2).m_bFilled);
    EXPECT_EQ(Square(0, 2).m_chLetter, u'J');
    EXPECT_EQ(Square(4, 2).m_chLetter, u'M');
    EXPECT_TRUE(Square(4, 2).m_bShown);
    EXPECT_EQ(m_solve.m_nChecks, 1);
    EXPECT_FALSE(m_pPuzzle->IsSolved());

    // A letter where the file has a black square is checked wrong.
    Select(2, 0);
    Type('X');
    m_wnd.OnCheckWord();
    EXPECT_TRUE(m_pPuzzle->IsIncorrect(2, 0));

    m_wnd.OnShowPuzzle();
    EXPECT_TRUE(Marked(2, 0));
    EXPECT_FALSE(Square(2, 0).m_bFilled);
    EXPECT_TRUE(m_pPuzzle->IsSolved());
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 5; ++c)
            EXPECT_EQ(Marked(c, r), m_pPuzzle->IsBlack(c, r) != FALSE) << c << "," << r;
}

// Mark Black is a command of a diagramless puzzle only.
TEST_F(DiagramlessSolveTest, MarkBlackIsOnlyForADiagramlessPuzzle)
{
    m_wnd.SendMessage(WM_COMMAND, MAKEWPARAM(ID_MARK_BLACK, CN_COMMAND), 0);
    EXPECT_TRUE(Marked(0, 0));
    Load(kGrid, kClues);
    Type('.');
    m_wnd.SendMessage(WM_COMMAND, MAKEWPARAM(ID_MARK_BLACK, CN_COMMAND), 0);
    Key(VK_SPACE);
    EXPECT_FALSE(Marked(0, 0));
    EXPECT_EQ(Selected(), "0,0 D0");  // Space turned
}

// The lists show the clue of the player's word, and a click on a clue
// selects nothing: it would show where the word is.
TEST_F(DiagramlessSolveTest, TheListsGiveNothingOfTheDiagramAway)
{
    m_host.MoveWindow(0, 0, 700, 268);
    CClueListWnd lists;
    ASSERT_TRUE(
        lists.Create(nullptr, u"lists", WS_CHILD | WS_VISIBLE, CRect(245, 0, 700, 268), &m_host, IDC_CLUE_LISTS));
    lists.SetGrid(&Grid());
    m_wnd.SetClueLists(&lists);
    m_wnd.SetPuzzle(m_pPuzzle.get());
    Testing::RunUntilIdle();
    EXPECT_EQ(lists.GetList(DIRECTION_ACROSS).GetCurSel(), 0);  // 1A
    EXPECT_EQ(lists.GetList(DIRECTION_DOWN).GetCurSel(), -1);
    EXPECT_EQ(lists.GetCrossingEntry(), 0);  // 1D, the player's column
    Type('A');
    Type('B');
    Type('.');
    // 3 Across is the second across clue.
    EXPECT_EQ(lists.GetList(DIRECTION_ACROSS).GetCurSel(), 1);
    EXPECT_EQ(lists.GetCrossingDirection(), DIRECTION_DOWN);
    EXPECT_EQ(lists.GetCrossingEntry(), 2);  // 3D, the third down clue
    // A click on 7 Across leaves the grid where it was.
    CRect rc;
    ASSERT_EQ(lists.GetList(DIRECTION_ACROSS).GetItemRect(3, &rc), LB_OKAY);
    Testing::Tap(&lists.GetList(DIRECTION_ACROSS), rc.CenterPoint());
    Testing::RunUntilIdle();
    EXPECT_EQ(Selected(), "3,0 A3");
    EXPECT_EQ(lists.GetList(DIRECTION_ACROSS).GetCurSel(), 1);
    m_wnd.SetClueLists(nullptr);
    lists.DestroyWindow();
}

}  // namespace
}  // namespace trellis::test
