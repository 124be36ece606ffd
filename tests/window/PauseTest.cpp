// SPDX-License-Identifier: MIT
// The solve's clock in the puzzle window: the first letter starts it, Pause
// stops it and takes the letters, keys and commands away until it is chosen
// again, and a minimised window or a solved puzzle holds it.

#include "res/resource.h"
#include "tests/window/PuzzleWndFixture.h"

namespace trellis::test {
namespace {

class PauseTest : public PuzzleWndTest {
protected:
    void SetUp() override
    {
        PuzzleWndTest::SetUp();
        ASSERT_TRUE(m_line.Create(nullptr, u"status", WS_CHILD | WS_VISIBLE, CRect(0, 240, 240, 268), &m_host,
                                  IDC_STATUS_LINE));
        m_wnd.SetStatusLine(&m_line);
        Load({"HEART", "EM#ER"});
    }
    void TearDown() override
    {
        m_wnd.SetStatusLine(nullptr);
        m_line.DestroyWindow();
        PuzzleWndTest::TearDown();
    }
    const CSolveTimer& Timer() const { return m_pPuzzle->m_timer; }
    // Whether the command's update handler leaves it enabled.
    bool Enabled(UINT nID)
    {
        CCmdUI state;
        state.m_nID = nID;
        state.DoUpdate(&m_wnd, FALSE);
        return state.m_bEnabled;
    }

    CStatusLineWnd m_line;
};

TEST_F(PauseTest, TheFirstLetterStartsTheClockAndPauseStopsEverything)
{
    EXPECT_FALSE(Timer().HasBegun());
    EXPECT_FALSE(m_line.IsTicking());
    Select(1, 0);  // moving is no solving
    EXPECT_FALSE(Timer().HasBegun());
    Type('E');
    EXPECT_TRUE(Timer().IsRunning());
    EXPECT_TRUE(m_line.IsTicking());
    const int nChanges = m_solve.m_nChanges;

    m_wnd.OnPause();
    EXPECT_TRUE(m_wnd.IsPaused());
    EXPECT_FALSE(Timer().IsRunning());
    EXPECT_FALSE(m_line.IsTicking());
    EXPECT_FALSE(m_line.GetStateText().IsEmpty());
    EXPECT_EQ(m_solve.m_nChanges, nChanges + 1);  // the time is kept
    // Letters, keys and the Solve commands do nothing meanwhile; Pause itself
    // stays, checked.
    const CPoint ptBefore = Grid().GetSelectedSquare();
    Type('X');
    m_wnd.SendMessage(WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_FALSE(Square(ptBefore.x, ptBefore.y).m_bFilled);
    EXPECT_EQ(Grid().GetSelectedSquare(), ptBefore);
    for (UINT nID : {ID_CHECK_LETTER, ID_SHOW_WORD, ID_CLEAR_PUZZLE, ID_UNDO})
        EXPECT_FALSE(Enabled(nID)) << nID;
    EXPECT_TRUE(Enabled(ID_PAUSE));

    m_wnd.OnPause();
    EXPECT_FALSE(m_wnd.IsPaused());
    EXPECT_TRUE(Timer().IsRunning());
    EXPECT_TRUE(m_line.GetStateText().IsEmpty());
    for (UINT nID : {ID_CHECK_LETTER, ID_SHOW_WORD, ID_CLEAR_PUZZLE, ID_UNDO})
        EXPECT_TRUE(Enabled(nID)) << nID;
    Type('X');
    EXPECT_EQ(Square(ptBefore.x, ptBefore.y).m_chLetter, u'X');
}

// Minimised and restored, the clock goes on where it was; a pause the player
// made stays through it.
TEST_F(PauseTest, AMinimisedWindowHoldsTheClock)
{
    Type('H');
    m_wnd.SetMinimized(TRUE);
    EXPECT_FALSE(Timer().IsRunning());
    m_wnd.SetMinimized(FALSE);
    EXPECT_TRUE(Timer().IsRunning());
    m_wnd.OnPause();
    m_wnd.SetMinimized(TRUE);
    m_wnd.SetMinimized(FALSE);
    EXPECT_FALSE(Timer().IsRunning());
    // A puzzle given while minimised waits too.
    m_wnd.SetMinimized(TRUE);
    Load({"AB", "CD"});
    Type('A');
    EXPECT_TRUE(Timer().HasBegun());
    EXPECT_FALSE(Timer().IsRunning());
    m_wnd.SetMinimized(FALSE);
    EXPECT_TRUE(Timer().IsRunning());
}

// The last right letter stops the clock; taking it back lets it go on.
TEST_F(PauseTest, ASolvedPuzzleHoldsTheClock)
{
    Load({"AB", "CD"});
    for (const char ch : {'A', 'B'})
        Type(static_cast<UINT>(ch));
    Select(0, 1);
    Type('C');
    EXPECT_TRUE(Timer().IsRunning());
    Type('D');
    EXPECT_TRUE(m_pPuzzle->IsSolved());
    EXPECT_FALSE(Timer().IsRunning());
    m_wnd.OnUndo();
    EXPECT_FALSE(m_pPuzzle->IsSolved());
    EXPECT_TRUE(Timer().IsRunning());
}

}  // namespace
}  // namespace trellis::test
