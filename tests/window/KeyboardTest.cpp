// SPDX-License-Identifier: MIT
// Solving from the keyboard: arrows, Space, Tab and Shift+Tab, Backspace and
// Delete, pressed as real keys at the focused puzzle window.

#include "tests/window/PuzzleWndFixture.h"

#include <string>

namespace trellis::test {
namespace {

// Words: across 1 (0,0), 4 (2,1), 6 (0,2); down 1 (0,0), 2 (2,0), 3 (4,0),
// 5 (3,1). (4,0), (0,1) and (1,2) are one-letter runs across, (1,0) and
// (1,2) down.
const std::vector<std::string> kGrid = {"...#.", ".#...", "....#"};

class KeyboardTest : public PuzzleWndTest {
protected:
    // "3,1 A2": square (3, 1) selected in the across word from column 2 of
    // its row; "D" for a down word, from that row of its column.
    std::string Selected()
    {
        const CGridWnd& grid = Grid();
        const bool bAcross = grid.GetDirection() == DIRECTION_ACROSS;
        return std::to_string(grid.GetSelectedSquare().x) + "," + std::to_string(grid.GetSelectedSquare().y) +
               (bAcross ? " A" : " D") + std::to_string(bAcross ? grid.GetWordStart().x : grid.GetWordStart().y);
    }
    // The clue bar's number and direction, "4A".
    std::string ClueLabel()
    {
        const CString text = Clue();
        return ToUtf8(std::u16string(text.GetString()).substr(0, text.Find(u':')));
    }
    COLORREF Color(int nSlot) { return Grid().GetColor(nSlot); }
    COLORREF Shown(int nCol, int nRow)
    {
        const CRect rc = Grid().GetSquareRect(nCol, nRow);
        return Testing::PixelAt(&Grid(), rc.right - 2, rc.bottom - 2);
    }
};

TEST_F(KeyboardTest, ArrowsMoveAlongTheDirectionAndTurnAcrossIt)
{
    Load(kGrid);
    EXPECT_EQ(Selected(), "0,0 A0");
    Key(VK_LEFT);  // the edge
    EXPECT_EQ(Selected(), "0,0 A0");
    Key(VK_RIGHT);
    EXPECT_EQ(Selected(), "1,0 A0");
    // Drawn at once, as a tap draws: the new square selected, the old one in the word.
    EXPECT_EQ(Shown(1, 0), Color(GRID_BACKGROUND_SELECTED_SQUARE));
    EXPECT_EQ(Shown(0, 0), Color(GRID_BACKGROUND_SELECTED_WORD));

    // Past the black square to a square with a down word only, which the tap rules take.
    Key(VK_RIGHT);
    Key(VK_RIGHT);
    EXPECT_EQ(Selected(), "4,0 D0");
    EXPECT_EQ(ClueLabel(), "3D");
    EXPECT_EQ(Shown(0, 0), Color(GRID_BACKGROUND));  // the old word is drawn plain again

    // Across the direction with no word to turn to: the arrow moves (here it
    // meets the edge); down the column it moves along.
    Key(VK_RIGHT);
    EXPECT_EQ(Selected(), "4,0 D0");
    Key(VK_DOWN);
    EXPECT_EQ(Selected(), "4,1 D0");
    Key(VK_DOWN);  // (4, 2) is black and the last row
    EXPECT_EQ(Selected(), "4,1 D0");

    // Across a direction with a word to turn to: the first press turns, the second moves.
    Key(VK_LEFT);
    EXPECT_EQ(Selected(), "4,1 A2");
    EXPECT_EQ(ClueLabel(), "4A");
    Key(VK_LEFT);
    EXPECT_EQ(Selected(), "3,1 A2");
    Key(VK_UP);
    EXPECT_EQ(Selected(), "3,1 D1");
    Key(VK_UP);  // a black square above, then the edge
    EXPECT_EQ(Selected(), "3,1 D1");
    Key(VK_DOWN);
    EXPECT_EQ(Selected(), "3,2 D1");
}

TEST_F(KeyboardTest, SpaceTurnsAsASecondTapOnTheSelectedSquare)
{
    Load(kGrid);
    Key(VK_SPACE);
    EXPECT_EQ(Selected(), "0,0 D0");
    EXPECT_EQ(ClueLabel(), "1D");
    Key(VK_SPACE);
    EXPECT_EQ(Selected(), "0,0 A0");
    Key(VK_RIGHT);
    Key(VK_SPACE);  // (1, 0) lies in the across word only
    EXPECT_EQ(Selected(), "1,0 A0");
    EXPECT_EQ(ClueLabel(), "1A");
}

TEST_F(KeyboardTest, TabGoesThroughTheWordsInClueOrderAndRoundAgain)
{
    Load(kGrid);
    const std::vector<std::string> order = {"2,1 A2", "0,2 A0", "0,0 D0", "2,0 D0", "4,0 D0", "3,1 D1", "0,0 A0"};
    const std::vector<std::string> labels = {"4A", "6A", "1D", "2D", "3D", "5D", "1A"};
    for (size_t i = 0; i < order.size(); ++i) {
        Key(VK_TAB);
        EXPECT_EQ(Selected(), order[i]) << "Tab " << i + 1;
        EXPECT_EQ(ClueLabel(), labels[i]) << "Tab " << i + 1;
    }
    for (size_t i = order.size() - 1; i > 0; --i) {
        Key(VK_TAB, TRUE);
        EXPECT_EQ(Selected(), order[i - 1]) << "Shift+Tab to " << i;
    }

    // The first empty square of the word, or its first square when it is full.
    Put(2, 1, u'A', TRUE);
    Put(0, 2, u'A', TRUE);
    Put(1, 2, u'A', TRUE);
    Put(2, 2, u'A', TRUE);
    Put(3, 2, u'A', TRUE);
    Key(VK_TAB);
    EXPECT_EQ(Selected(), "0,2 A0");
    Key(VK_TAB, TRUE);
    EXPECT_EQ(Selected(), "3,1 A2");
    EXPECT_EQ(Shown(3, 1), Color(GRID_BACKGROUND_SELECTED_SQUARE));
    EXPECT_EQ(Shown(2, 1), Color(GRID_BACKGROUND_SELECTED_WORD));

    // A selection that starts no word (a one-letter run) still finds the next one.
    Load({".#..", "#...", ".##."});
    EXPECT_EQ(Selected(), "0,0 A0");
    Key(VK_TAB);
    EXPECT_EQ(Selected(), "2,0 A2");
    Key(VK_TAB, TRUE);
    EXPECT_EQ(Selected(), "3,0 D0");  // back round to the last down word
}

TEST_F(KeyboardTest, BackspaceAndDeleteClearAsClearLetterDoes)
{
    Load(kGrid);
    Key(VK_TAB);
    Key(VK_TAB);  // the across word of the last row
    Put(0, 2, u'X', TRUE);
    Put(1, 2, u'Y', TRUE);
    Key(VK_RIGHT);
    Key(VK_RIGHT);
    ASSERT_EQ(Selected(), "2,2 A0");

    // An empty square: back one square, and clear that one.
    Key(VK_BACK);
    EXPECT_EQ(Selected(), "1,2 A0");
    EXPECT_FALSE(Square(1, 2).m_bFilled);
    EXPECT_EQ(Square(1, 2).m_chLetter, u' ');
    EXPECT_TRUE(Square(1, 2).m_bChecked);  // as Clear Letter leaves it
    EXPECT_TRUE(Square(0, 2).m_bFilled);
    Key(VK_BACK);
    EXPECT_EQ(Selected(), "0,2 A0");
    EXPECT_FALSE(Square(0, 2).m_bFilled);
    Key(VK_BACK);  // the first square of the word, empty: nothing
    EXPECT_EQ(Selected(), "0,2 A0");

    // A square that holds a letter is cleared where it is, and repainted.
    Put(3, 2, u'W', TRUE);
    Key(VK_RIGHT);
    Key(VK_RIGHT);
    Key(VK_RIGHT);
    Testing::RunUntilIdle();
    const CRect rc = Grid().GetSquareRect(3, 2);
    const COLORREF crSquare = Color(GRID_BACKGROUND_SELECTED_SQUARE);
    ASSERT_GT(InkPixels(&Grid(), rc, crSquare), 0);
    Key(VK_BACK);
    EXPECT_EQ(Selected(), "3,2 A0");
    EXPECT_FALSE(Square(3, 2).m_bFilled);
    Testing::RunUntilIdle();
    EXPECT_EQ(InkPixels(&Grid(), rc, crSquare), 0);

    // Delete clears and stays, filled or not.
    Put(2, 2, u'V', TRUE);
    Key(VK_LEFT);
    Key(VK_DELETE);
    EXPECT_EQ(Selected(), "2,2 A0");
    EXPECT_FALSE(Square(2, 2).m_bFilled);
    Key(VK_DELETE);
    EXPECT_EQ(Selected(), "2,2 A0");

    // Down a column the word is walked the same way.
    Key(VK_SPACE);
    Put(2, 0, u'T', TRUE);
    ASSERT_EQ(Selected(), "2,2 D0");
    Key(VK_BACK);
    Key(VK_BACK);
    EXPECT_EQ(Selected(), "2,0 D0");
    EXPECT_FALSE(Square(2, 0).m_bFilled);
}

TEST_F(KeyboardTest, TheKeysNeverEnterLettersAndNeedASelection)
{
    for (UINT vk : {VK_RIGHT, VK_TAB, VK_SPACE, VK_BACK, VK_DELETE})
        Key(vk);  // no puzzle: nothing to do, nothing to break
    Load({"##", "##"});
    for (UINT vk : {VK_RIGHT, VK_TAB, VK_SPACE, VK_BACK, VK_DELETE})
        Key(vk);
    EXPECT_EQ(Grid().GetDirection(), DIRECTION_NONE);
    EXPECT_FALSE(Square(0, 0).m_bFilled || Square(0, 0).m_chLetter);

    Load(kGrid);
    Put(0, 0, u'C', TRUE);
    for (UINT vk : {VK_SPACE, VK_TAB, VK_BACK, VK_DELETE, VK_SPACE})
        Key(vk);
    Key(VK_TAB, TRUE);
    EXPECT_EQ(m_solve.m_nChecks, 0);  // letter entry never ran
    for (int c = 0; c < 5; ++c)
        EXPECT_FALSE(Square(c, 1).m_bFilled) << c;
}

}  // namespace
}  // namespace trellis::test
