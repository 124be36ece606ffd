// SPDX-License-Identifier: MIT
// Solving from the keyboard, pressed as real keys at the focused puzzle
// window: the keys take the navigator's moves (whose rules the model's tests
// hold); Backspace and Delete clear as Clear Letter does.

#include "tests/window/PuzzleWndFixture.h"

#include <string>

namespace trellis::test {
namespace {

// Words: across 1 (0,0), 4 (2,1), 6 (0,2); down 1 (0,0), 2 (2,0), 3 (4,0),
// 5 (3,1).
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
};

// The arrows, Space, Tab, Shift+Tab and Backspace on a letter are the
// end-to-end suite's, as the screen shows them; Up is not among them.
TEST_F(KeyboardTest, UpTakesTheNavigatorsMove)
{
    Load(kGrid);
    Key(VK_DOWN);  // across the direction: turns
    Key(VK_DOWN);
    ASSERT_EQ(Selected(), "0,1 D0");
    Key(VK_UP);
    EXPECT_EQ(Selected(), "0,0 D0");
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

    // Delete clears and stays, filled or not.
    Put(2, 2, u'V', TRUE);
    Key(VK_RIGHT);
    Key(VK_RIGHT);
    Key(VK_DELETE);
    EXPECT_EQ(Selected(), "2,2 A0");
    EXPECT_FALSE(Square(2, 2).m_bFilled);
    Key(VK_DELETE);
    EXPECT_EQ(Selected(), "2,2 A0");
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
