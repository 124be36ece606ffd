// SPDX-License-Identifier: MIT
// The ways of solving that meet in one square: a black mark over a
// pencilled letter, the rebus entry on a diagramless puzzle, and Pause with
// an entry open.

#include "res/resource.h"
#include "tests/window/PuzzleWndFixture.h"

#include <string>

namespace trellis::test {
namespace {

// A diagramless puzzle whose file has (2, 0) and (1, 2) black: 13 white
// squares.
const std::vector<std::string> kGrid = {"AB#CD", "EFGHI", "J#KLM"};

class SolveTogetherTest : public PuzzleWndTest {
protected:
    void SetUp() override
    {
        PuzzleWndTest::SetUp();
        Load(PuzzleFileWriter(kGrid).Diagramless());
    }
    bool Marked(int nCol, int nRow) const { return Square(nCol, nRow).m_bMarkedBlack; }
};

// The mark takes the pencilled letter away with its pencil; Undo brings
// back the letter as it was, pencilled, and Redo the mark alone.
TEST_F(SolveTogetherTest, ABlackMarkOverAPencilledLetterIsUndoneToThePencilledLetter)
{
    Command(ID_PENCIL);
    Type('a');
    ASSERT_TRUE(Square(0, 0).m_bPencil);
    Select(0, 0);
    Type('.');
    EXPECT_TRUE(Marked(0, 0));
    EXPECT_FALSE(Square(0, 0).m_bFilled);
    EXPECT_FALSE(Square(0, 0).m_bPencil);

    m_wnd.OnUndo();
    EXPECT_FALSE(Marked(0, 0));
    EXPECT_EQ(Square(0, 0).m_chLetter, u'A');
    EXPECT_TRUE(Square(0, 0).m_bPencil);
    m_wnd.OnRedo();
    EXPECT_TRUE(Marked(0, 0));
    EXPECT_FALSE(Square(0, 0).m_bPencil);

    // A pencilled letter typed over the mark takes it away in turn.
    Select(0, 0);
    Type('a');
    EXPECT_FALSE(Marked(0, 0));
    EXPECT_TRUE(Square(0, 0).m_bPencil);
}

// The entry opens on any square the player has not marked, the file's
// hidden black ones too (refusing there would give them away); inside it
// "." and Space are no marks. On a mark it does not open.
TEST_F(SolveTogetherTest, TheRebusEntryOfADiagramlessPuzzleMakesNoMarkAndOpensOnNone)
{
    Select(2, 0);
    Key(VK_ESCAPE);
    ASSERT_TRUE(m_wnd.IsRebusEntryOpen());
    Text(u".q");
    Key(VK_SPACE);
    EXPECT_EQ(m_wnd.GetRebusEntry(), u".Q");
    Key(VK_RETURN);
    EXPECT_EQ(Square(2, 0).m_strRebusEntry, u".Q");
    EXPECT_FALSE(Marked(2, 0));
    // The 13 empty white squares, and a letter where the file has black.
    EXPECT_EQ(m_pPuzzle->GetUnsolvedCount(), 14);

    Select(2, 0);
    Type('.');
    ASSERT_TRUE(Marked(2, 0));
    EXPECT_TRUE(Square(2, 0).m_strRebusEntry.empty());
    EXPECT_EQ(m_pPuzzle->GetUnsolvedCount(), 13);
    Select(2, 0);
    Key(VK_ESCAPE);
    EXPECT_FALSE(m_wnd.IsRebusEntryOpen());
    Command(ID_REBUS_ENTRY);
    EXPECT_FALSE(m_wnd.IsRebusEntryOpen());

    m_wnd.OnUndo();
    EXPECT_FALSE(Marked(2, 0));
    EXPECT_EQ(Square(2, 0).m_strRebusEntry, u".Q");
}

// Pause is a command like any other: an open entry goes into its square
// first. The entry's text is the player's first letter and starts the
// clock; while paused the entry does not open.
TEST_F(SolveTogetherTest, PauseKeepsAnOpenEntryAndNoEntryOpensWhilePaused)
{
    Load({"HEART", "EM#ER"});
    Key(VK_ESCAPE);
    Text(u"he");
    Command(ID_PAUSE);
    EXPECT_TRUE(m_wnd.IsPaused());
    EXPECT_FALSE(m_wnd.IsRebusEntryOpen());
    EXPECT_EQ(Square(0, 0).m_strRebusEntry, u"HE");
    EXPECT_TRUE(m_pPuzzle->m_timer.HasBegun());

    Key(VK_ESCAPE);
    EXPECT_FALSE(m_wnd.IsRebusEntryOpen());
    Command(ID_REBUS_ENTRY);
    EXPECT_FALSE(m_wnd.IsRebusEntryOpen());
    CCmdUI state;
    state.m_nID = ID_REBUS_ENTRY;
    state.DoUpdate(&m_wnd, FALSE);
    EXPECT_FALSE(state.m_bEnabled);

    Command(ID_PAUSE);
    Key(VK_ESCAPE);
    EXPECT_TRUE(m_wnd.IsRebusEntryOpen());
}

}  // namespace
}  // namespace trellis::test
