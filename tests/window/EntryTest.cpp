// SPDX-License-Identifier: MIT
// The rebus entry (opened with Escape or its command, taking a whole answer,
// closed by Return, a move or a command, given up with Escape) and the
// pencil, as keys and commands reach the puzzle window.

#include "res/resource.h"
#include "tests/window/PuzzleWndFixture.h"

#include <string>

namespace trellis::test {
namespace {

// SUN, B4E and A+E are rebus answers; the plain squares answer A and 4.
// Across: (0,0)-(4,0) and (0,2)-(4,2); down at columns 0, 2 and 4.
PuzzleFileWriter RebusGrid()
{
    return PuzzleFileWriter({"SBA4A", ".#.#.", "ABCDE"})
        .Section("GRBS", std::string("\x01\x02\0\0\x03\0\0\0\0\0\0\0\0\0\0", 15))
        .Section("RTBL", " 0:SUN; 1:B4E; 2:A+E;");
}

class EntryTest : public PuzzleWndTest {
protected:
    void SetUp() override
    {
        PuzzleWndTest::SetUp();
        Load(RebusGrid());
        m_wnd.ClearHistory();
    }
    std::u16string Entry(int nCol, int nRow) const { return Square(nCol, nRow).m_strRebusEntry; }
};

TEST_F(EntryTest, EscapeOpensAnEntryThatTakesAWholeAnswerAndReturnPutsItInAsOneStep)
{
    Key(VK_ESCAPE);
    ASSERT_TRUE(m_wnd.IsRebusEntryOpen());
    Text(u"sux");
    EXPECT_EQ(m_wnd.GetRebusEntry(), u"SUX");
    Key(VK_BACK);
    Text(u"n");
    EXPECT_EQ(m_wnd.GetRebusEntry(), u"SUN");
    // Nothing in the square while the entry is open, and no step.
    EXPECT_FALSE(Square(0, 0).m_bFilled);
    EXPECT_FALSE(m_wnd.GetHistory().CanUndo());

    Key(VK_RETURN);
    EXPECT_FALSE(m_wnd.IsRebusEntryOpen());
    EXPECT_EQ(Entry(0, 0), u"SUN");
    EXPECT_EQ(Square(0, 0).m_chLetter, u'S');
    EXPECT_TRUE(Square(0, 0).m_bFilled);
    EXPECT_TRUE(m_pPuzzle->HoldsAnswer(Square(0, 0)));
    // On to the next square as after a letter, and the completion asked.
    EXPECT_EQ(Grid().GetSelectedSquare(), CPoint(1, 0));
    EXPECT_EQ(m_solve.m_nChecks, 1);
    EXPECT_EQ(m_solve.m_nChanges, 1);

    // Digits and symbols in the entry, letters upper cased.
    Command(ID_REBUS_ENTRY);
    Text(u"b4e");
    Command(ID_REBUS_ENTRY);
    EXPECT_EQ(Entry(1, 0), u"B4E");
    EXPECT_EQ(Grid().GetSelectedSquare(), CPoint(2, 0));

    // One step each: Undo takes the last entry back, with the selection.
    ASSERT_EQ(m_wnd.GetHistory().GetUndoCount(), 2u);
    Command(ID_UNDO);
    EXPECT_FALSE(Square(1, 0).m_bFilled);
    EXPECT_EQ(Entry(1, 0), u"");
    EXPECT_EQ(Grid().GetSelectedSquare(), CPoint(1, 0));
    Command(ID_REDO);
    EXPECT_EQ(Entry(1, 0), u"B4E");
}

TEST_F(EntryTest, TheEntryStartsWithWhatTheSquareHoldsAndEscapeLeavesItSo)
{
    Type(u'q');
    Grid().SelectWordAt(DIRECTION_ACROSS, CPoint(0, 0));
    Key(VK_ESCAPE);
    EXPECT_EQ(m_wnd.GetRebusEntry(), u"Q");
    Key(VK_BACK);
    Text(u"sun");
    Key(VK_ESCAPE);  // given up
    EXPECT_FALSE(m_wnd.IsRebusEntryOpen());
    EXPECT_EQ(Square(0, 0).m_chLetter, u'Q');
    EXPECT_EQ(Entry(0, 0), u"");
    EXPECT_EQ(m_wnd.GetHistory().GetUndoCount(), 1u);  // the q alone

    // Emptied and closed: the square is cleared, as one step.
    Key(VK_ESCAPE);
    Key(VK_BACK);
    Key(VK_BACK);  // nothing more to take back
    Key(VK_RETURN);
    EXPECT_FALSE(Square(0, 0).m_bFilled);
    EXPECT_EQ(m_wnd.GetHistory().GetUndoCount(), 2u);
    // The same text closed again changes nothing and takes no step; Space,
    // Tab's character and Delete neither turn nor clear while it is open.
    Command(ID_SHOW_LETTER);
    Key(VK_ESCAPE);
    EXPECT_EQ(m_wnd.GetRebusEntry(), u"SUN");  // a shown rebus is its whole answer
    Key(VK_SPACE);
    Key(VK_DELETE);
    EXPECT_EQ(Grid().GetDirection(), DIRECTION_ACROSS);
    Key(VK_RETURN);
    EXPECT_TRUE(Square(0, 0).m_bShown);
    EXPECT_EQ(m_wnd.GetHistory().GetUndoCount(), 3u);
}

TEST_F(EntryTest, AMoveOrATapElsewhereClosesTheEntryAndKeepsIt)
{
    Key(VK_ESCAPE);
    Text(u"sun");
    Key(VK_RIGHT);
    EXPECT_EQ(Entry(0, 0), u"SUN");
    EXPECT_EQ(Grid().GetSelectedSquare(), CPoint(1, 0));

    Key(VK_ESCAPE);
    Text(u"b4e");
    Key(VK_TAB);
    EXPECT_EQ(Entry(1, 0), u"B4E");
    EXPECT_EQ(Grid().GetSelectedSquare(), CPoint(0, 2));  // the next word's first square

    Key(VK_ESCAPE);
    Text(u"ab");
    Select(4, 0);
    EXPECT_FALSE(m_wnd.IsRebusEntryOpen());
    EXPECT_EQ(Entry(0, 2), u"AB");
    // The step belongs where the entry was opened: Undo goes back there.
    Command(ID_UNDO);
    EXPECT_FALSE(Square(0, 2).m_bFilled);
    EXPECT_EQ(Grid().GetSelectedSquare(), CPoint(0, 2));

    // A tap that completes the puzzle asks once the tap is over.
    Command(ID_SHOW_PUZZLE);
    Select(0, 0);
    Command(ID_CLEAR_LETTER);
    const int nChecks = m_solve.m_nChecks;
    Key(VK_ESCAPE);
    Text(u"sun");
    Select(2, 0);
    EXPECT_EQ(m_solve.m_nChecks, nChecks);
    Testing::RunUntilIdle();
    EXPECT_EQ(m_solve.m_nChecks, nChecks + 1);
}

// A command carries out on the entry's text: Check judges it whole, Show
// puts the whole answer in its place.
TEST_F(EntryTest, ACommandTakesTheEntryFirstAndCheckJudgesItWhole)
{
    Key(VK_ESCAPE);
    Text(u"sux");
    Command(ID_CHECK_LETTER);
    EXPECT_FALSE(m_wnd.IsRebusEntryOpen());
    EXPECT_EQ(Entry(0, 0), u"SUX");
    EXPECT_TRUE(m_pPuzzle->IsIncorrect(0, 0));
    EXPECT_TRUE(Square(0, 0).m_bWasIncorrect);

    // Mended: no longer incorrect, but the mark of the check stays.
    Key(VK_ESCAPE);
    Key(VK_BACK);
    Text(u"n");
    Key(VK_RETURN);
    Grid().SelectWordAt(DIRECTION_ACROSS, CPoint(0, 0));
    Command(ID_CHECK_LETTER);
    EXPECT_FALSE(m_pPuzzle->IsIncorrect(0, 0));
    EXPECT_TRUE(Square(0, 0).m_bWasIncorrect);

    // A check that finds a square right leaves no mark.
    Select(2, 0);
    Type(u'a');
    Grid().SelectWordAt(DIRECTION_ACROSS, CPoint(0, 0));
    Command(ID_CHECK_WORD);
    EXPECT_FALSE(Square(2, 0).m_bWasIncorrect);
    EXPECT_FALSE(Square(1, 0).m_bWasIncorrect);  // empty: not wrong, only unfilled

    Select(4, 0);
    Key(VK_ESCAPE);
    Text(u"a");
    Command(ID_SHOW_LETTER);
    EXPECT_TRUE(Square(4, 0).m_bShown);
    EXPECT_EQ(Entry(4, 0), u"");
    EXPECT_EQ(Square(4, 0).m_chLetter, u'A');
    EXPECT_TRUE(m_pPuzzle->HoldsAnswer(Square(4, 0)));
}

TEST_F(EntryTest, DigitsAndSymbolsGoInWithoutTheEntryOnlyWhereTheAnswerHasThem)
{
    Grid().SelectWordAt(DIRECTION_ACROSS, CPoint(0, 0));
    Select(3, 0);
    Type(u'4');
    EXPECT_EQ(Square(3, 0).m_chLetter, u'4');
    EXPECT_TRUE(m_pPuzzle->HoldsAnswer(Square(3, 0)));
    Select(1, 0);
    Type(u'+');  // B4E has no +
    EXPECT_FALSE(Square(1, 0).m_bFilled);
    Type(u'4');
    EXPECT_EQ(Square(1, 0).m_chLetter, u'4');
    Select(4, 0);
    Type(u'+');
    EXPECT_EQ(Square(4, 0).m_chLetter, u'+');
    // A letter square takes letters only.
    Select(2, 0);
    Type(u'4');
    EXPECT_FALSE(Square(2, 0).m_bFilled);
    // The entry takes neither spaces nor control characters.
    Key(VK_ESCAPE);
    for (UINT ch : {0x20u, 0x09u, 0x7Fu, 0x0301u})  // space, tab, delete, a combining accent
        Type(ch);
    EXPECT_EQ(m_wnd.GetRebusEntry(), u"");
}

TEST_F(EntryTest, NoEntryOnABlackSquareAndANewPuzzleDropsAnOpenOne)
{
    Select(1, 1);  // black
    Key(VK_ESCAPE);
    EXPECT_FALSE(m_wnd.IsRebusEntryOpen());
    Select(0, 0);
    Key(VK_ESCAPE);
    Text(u"sun");
    Load(RebusGrid());
    EXPECT_FALSE(m_wnd.IsRebusEntryOpen());
    EXPECT_FALSE(Grid().IsEntryShown());
    Type(u'x');
    EXPECT_EQ(Square(0, 0).m_chLetter, u'X');
    EXPECT_EQ(Entry(0, 0), u"");
}

TEST_F(EntryTest, PencilledLettersGoInUntilTypedAgainInPenAndUndoKeepsWhichTheyWere)
{
    EXPECT_FALSE(m_wnd.IsPencilMode());
    Command(ID_PENCIL);
    ASSERT_TRUE(m_wnd.IsPencilMode());
    Text(u"sb");
    EXPECT_TRUE(Square(0, 0).m_bPencil && Square(1, 0).m_bPencil);
    Key(VK_ESCAPE);  // the rebus entry in pencil too
    Text(u"a+e");
    Key(VK_RETURN);
    EXPECT_TRUE(Square(2, 0).m_bPencil);
    EXPECT_EQ(Entry(2, 0), u"A+E");

    Command(ID_PENCIL);
    Grid().SelectWordAt(DIRECTION_ACROSS, CPoint(0, 0));
    Type(u's');  // the same letter, in pen now
    EXPECT_FALSE(Square(0, 0).m_bPencil);
    EXPECT_EQ(Square(0, 0).m_chLetter, u'S');
    Command(ID_UNDO);
    EXPECT_TRUE(Square(0, 0).m_bPencil);

    // Checked like any letter, shown in pen, cleared without a trace.
    Select(1, 0);
    Command(ID_CHECK_LETTER);
    EXPECT_FALSE(m_pPuzzle->IsIncorrect(1, 0));  // B, the rebus's first letter
    EXPECT_TRUE(Square(1, 0).m_bPencil);
    Command(ID_SHOW_LETTER);
    EXPECT_FALSE(Square(1, 0).m_bPencil);
    Select(2, 0);
    Command(ID_CLEAR_LETTER);
    EXPECT_FALSE(Square(2, 0).m_bPencil || Square(2, 0).m_bFilled);
}

}  // namespace
}  // namespace trellis::test
