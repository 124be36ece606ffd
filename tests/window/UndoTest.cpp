// SPDX-License-Identifier: MIT
// Taking the player's steps back and doing them again with Undo and Redo
// (whose keys are the frame's): every kind of step, the selection it brings
// back, the squares repainted, and what the solve host hears.

#include "res/resource.h"
#include "tests/window/PuzzleWndFixture.h"

#include <functional>
#include <string>
#include <vector>

namespace trellis::test {
namespace {

// Across words: (0,0)-(2,0) and (0,2)-(2,2); down words: (0,0)-(0,2) and
// (2,0)-(2,2).
const std::vector<std::string> kCat = {"CAT", "O#O", "WOW"};

// The player's part of every square: letter, filled, checked, shown.
std::string PlayerPart(const CCrossWordPuzzle& puzzle)
{
    std::string text;
    for (const CSquare& square : puzzle.GetSquares()) {
        text += square.m_bFilled ? static_cast<char>(square.m_chLetter) : '.';
        text += square.m_bChecked ? 'c' : '-';
        text += square.m_bShown ? 's' : '-';
        text += ' ';
    }
    return text;
}

class UndoTest : public PuzzleWndTest {
protected:
    void SetUp() override
    {
        PuzzleWndTest::SetUp();
        Fill();
    }
    // A fresh puzzle without steps.
    void Fill()
    {
        Load(kCat);
        m_wnd.ClearHistory();
        // Some right, some wrong, some checked, one shown, some empty.
        Put(0, 0, u'C');
        Put(1, 0, u'X', TRUE);
        Put(0, 1, u'O');
        Put(0, 2, u'W');
        Put(1, 2, u'Q', TRUE);
        CSquare shown = Square(2, 1);
        shown.m_chLetter = u'O';
        shown.m_bFilled = shown.m_bShown = TRUE;
        m_pPuzzle->SetSquare(2, 1, shown);
        Grid().Invalidate(FALSE);
        Testing::RunUntilIdle();
    }
    // "1,0 A0,0": the selected square, the direction and the word's start.
    std::string Selected()
    {
        const CGridWnd& grid = Grid();
        return std::to_string(grid.GetSelectedSquare().x) + "," + std::to_string(grid.GetSelectedSquare().y) +
               (grid.GetDirection() == DIRECTION_ACROSS ? " A" : " D") + std::to_string(grid.GetWordStart().x) + "," +
               std::to_string(grid.GetWordStart().y);
    }
    // Whether a letter is drawn in the square.
    bool Drawn(int nCol, int nRow)
    {
        const CRect rc = Grid().GetSquareRect(nCol, nRow);
        const COLORREF crFill = Testing::PixelAt(&Grid(), rc.left + 1, rc.top + 1);
        return InkPixels(&Grid(), rc, crFill) > 0;
    }
};

TEST_F(UndoTest, EachKindOfStepIsUndoneAndRedoneWithTheSelectionWhereItWas)
{
    struct Case {
        const char* name;
        CPoint ptSelect;  // tapped before the step
        std::function<void()> step;
        // The selection the step was taken at: before the letter moved the
        // cursor on, or after Backspace went back to the square it cleared.
        bool bCursorMoves;
    };
    const Case cases[] = {
        {"typed letter", CPoint(2, 0), [this] { Type(u'k'); }, true},
        {"letter over a checked one", CPoint(1, 0), [this] { Type(u'a'); }, true},
        {"Backspace on a letter", CPoint(1, 2), [this] { Key(VK_BACK); }, false},
        {"Backspace on an empty square", CPoint(2, 2), [this] { Key(VK_BACK); }, false},
        {"Delete", CPoint(0, 0), [this] { Key(VK_DELETE); }, false},
        {"Check Letter", CPoint(0, 2), [this] { Command(ID_CHECK_LETTER); }, false},
        {"Check Word", CPoint(2, 2), [this] { Command(ID_CHECK_WORD); }, false},
        {"Check Puzzle", CPoint(1, 0), [this] { Command(ID_CHECK_PUZZLE); }, false},
        {"Show Letter", CPoint(1, 0), [this] { Command(ID_SHOW_LETTER); }, false},
        {"Show Word", CPoint(1, 2), [this] { Command(ID_SHOW_WORD); }, false},
        {"Show Puzzle", CPoint(0, 0), [this] { Command(ID_SHOW_PUZZLE); }, false},
        {"Clear Letter", CPoint(0, 1), [this] { Command(ID_CLEAR_LETTER); }, false},
        {"Clear Word", CPoint(1, 0), [this] { Command(ID_CLEAR_WORD); }, false},
        {"Clear Puzzle", CPoint(2, 2), [this] { Command(ID_CLEAR_PUZZLE); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fill();
        Select(c.ptSelect.x, c.ptSelect.y);
        const std::string before = PlayerPart(*m_pPuzzle);
        const std::string selectedBefore = Selected();
        const int nChanges = m_solve.m_nChanges;
        c.step();
        const std::string after = PlayerPart(*m_pPuzzle);
        ASSERT_NE(after, before);
        EXPECT_EQ(m_solve.m_nChanges, nChanges + 1);
        const std::string where = c.bCursorMoves ? selectedBefore : Selected();
        Testing::RunUntilIdle();

        // Somewhere else first.
        Select(2, 1);
        ASSERT_EQ(Selected(), "2,1 D2,0");
        Command(ID_UNDO);
        EXPECT_EQ(PlayerPart(*m_pPuzzle), before);
        EXPECT_EQ(m_solve.m_nChanges, nChanges + 2);
        EXPECT_FALSE(IsEnabled(ID_UNDO));
        EXPECT_TRUE(IsEnabled(ID_REDO));
        EXPECT_EQ(Selected(), where);

        Select(2, 1);
        Command(ID_REDO);
        EXPECT_EQ(PlayerPart(*m_pPuzzle), after);
        EXPECT_EQ(m_solve.m_nChanges, nChanges + 3);
        Command(ID_UNDO);
        Command(ID_REDO);
        EXPECT_EQ(PlayerPart(*m_pPuzzle), after);
        EXPECT_TRUE(IsEnabled(ID_UNDO));
        EXPECT_FALSE(IsEnabled(ID_REDO));
    }
}

// The order of the steps and what a new step does to Redo are the history's,
// which the model's tests hold; here, what the window makes a step of.
TEST_F(UndoTest, OnlyChangesAreStepsAndANewPuzzleStartsWithoutAny)
{
    Select(0, 2);
    Type(u'w');  // the same letter again: no change, no step
    EXPECT_EQ(m_solve.m_nChanges, 0);
    EXPECT_FALSE(IsEnabled(ID_UNDO));
    Select(2, 2);
    Type(u'r');
    const std::string one = PlayerPart(*m_pPuzzle);
    Command(ID_CLEAR_WORD);
    Command(ID_CLEAR_WORD);  // nothing left to clear
    EXPECT_EQ(m_solve.m_nChanges, 2);
    Command(ID_UNDO);
    EXPECT_EQ(PlayerPart(*m_pPuzzle), one);
    Command(ID_UNDO);
    Command(ID_UNDO);  // nothing more: no change heard
    EXPECT_EQ(m_solve.m_nChanges, 4);
    Command(ID_REDO);
    EXPECT_EQ(PlayerPart(*m_pPuzzle), one);

    // A puzzle handed over again (after Options) keeps the steps; a new one
    // starts without any.
    m_wnd.SetPuzzle(m_pPuzzle.get());
    EXPECT_TRUE(IsEnabled(ID_UNDO));
    m_wnd.ClearHistory();
    EXPECT_FALSE(IsEnabled(ID_UNDO));
    Command(ID_UNDO);
    EXPECT_EQ(PlayerPart(*m_pPuzzle), one);
    m_wnd.SetPuzzle(nullptr);
    EXPECT_FALSE(IsEnabled(ID_UNDO));
    EXPECT_FALSE(IsEnabled(ID_REDO));
    Command(ID_UNDO);  // without a puzzle: nothing at all
    EXPECT_EQ(m_solve.m_nChanges, 5);
}

// Undone squares in view are repainted: the end-to-end suite shows it.
TEST_F(UndoTest, UndoScrollsTheStepsSquareIntoViewAndPaintsIt)
{
    // A grid larger than the pane, filled; its last square is out of view.
    std::vector<std::string> rows(30, std::string(30, 'A'));
    Load(rows);
    for (int c = 0; c < 30; ++c)
        for (int r = 0; r < 30; ++r)
            Put(c, r, u'A');
    Grid().Invalidate(FALSE);
    Testing::RunUntilIdle();

    // A step taken far off: Undo brings its square into view.
    CCrossWnd& cross = m_wnd.GetCross();
    const CPoint ptHome = cross.GetScrollOffset();
    Testing::ScrollBarAction(&cross, SB_HORZ, SB_BOTTOM);
    Testing::ScrollBarAction(&cross, SB_VERT, SB_BOTTOM);
    Select(29, 29);
    Command(ID_CLEAR_WORD);
    Testing::ScrollBarAction(&cross, SB_HORZ, SB_TOP);
    Testing::ScrollBarAction(&cross, SB_VERT, SB_TOP);
    Select(0, 0);
    ASSERT_EQ(cross.GetScrollOffset(), ptHome);
    Command(ID_UNDO);
    EXPECT_EQ(Selected(), "29,29 A0,29");
    EXPECT_NE(cross.GetScrollOffset(), ptHome);
    EXPECT_TRUE(Drawn(29, 29));
    EXPECT_EQ(m_pPuzzle->GetEmptyCount(), 0);
}

}  // namespace
}  // namespace trellis::test
