// SPDX-License-Identifier: MIT
// Solving puzzles of the newer formats in the puzzle window: the clue bar
// with the file's labels and its other lists, given letters that no command
// changes, and words that end at a bar.

#include "res/resource.h"
#include "tests/support/SourceGrid.h"
#include "tests/window/PuzzleWndFixture.h"

#include <string>

namespace trellis::test {
namespace {

class SourceSolveTest : public PuzzleWndTest {
protected:
    void Show(const CPuzzleSource& source)
    {
        m_pPuzzle = LoadSourceGrid(source);
        m_wnd.SetPuzzle(m_pPuzzle.get());
        Testing::RunUntilIdle();
    }
    // The player's letters row by row: '.' for an empty square, '#' black.
    std::vector<std::string> Letters()
    {
        std::vector<std::string> rows;
        for (int r = 0; r < m_pPuzzle->m_nHeight; ++r) {
            std::string row;
            for (int c = 0; c < m_pPuzzle->m_nWidth; ++c) {
                const CSquare square = Square(c, r);
                row += square.m_bBlack ? '#' : square.m_bFilled ? static_cast<char>(square.m_chLetter) : '.';
            }
            rows.push_back(row);
        }
        return rows;
    }
};

TEST_F(SourceSolveTest, TheClueBarShowsTheFilesLabels)
{
    CPuzzleSource source = SourceGrid({"ABC", "D#E", "FGH"});
    AddList(source, "Across", EClueDirection::Across, {"0:top", "2-3:bottom"});
    source.m_aLists[0].m_aClues[0].m_aCells = {{0, 0}, {1, 0}, {2, 0}};
    source.m_aLists[0].m_aClues[1].m_aCells = {{0, 2}, {1, 2}, {2, 2}};
    AddList(source, "Verticali", EClueDirection::Down, {"R:right", "1:left"});
    source.m_aLists[1].m_aClues[0].m_aCells = {{2, 0}, {2, 1}, {2, 2}};
    source.m_aLists[1].m_aClues[1].m_aCells = {{0, 0}, {0, 1}, {0, 2}};
    Show(source);
    EXPECT_EQ(Clue(), CString(u"0A: top"));
    Select(1, 2);
    EXPECT_EQ(Clue(), CString(u"2-3A: bottom"));
    Select(2, 1);
    EXPECT_EQ(Clue(), CString(u"RD: right"));
    // A label that is the word's number is shown as a .puz clue is.
    Select(0, 1);
    EXPECT_EQ(Clue(), CString(u"1D: left"));
    EXPECT_EQ(m_wnd.GetClue().GetNumber(), 1);
}

TEST_F(SourceSolveTest, TheClueBarAddsTheClueOfEveryOtherListThroughTheSquare)
{
    CPuzzleSource source = SourceGrid({"AB", "CD"});
    AddList(source, "Across", EClueDirection::Across, {"1:ab"});
    source.m_aLists[0].m_aClues[0].m_aCells = {{0, 0}, {1, 0}};
    AddList(source, "Colors", EClueDirection::Other, {"x:red"});
    source.m_aLists[1].m_aClues[0].m_aCells = {{1, 0}, {1, 1}};
    AddList(source, "Patches", EClueDirection::Other, {":blob"});
    source.m_aLists[2].m_aClues[0].m_aCells = {{1, 0}};
    Show(source);
    EXPECT_EQ(Clue(), CString(u"1A: ab"));
    // The word stays; the square brings its other clues, one a line.
    Select(1, 0);
    EXPECT_EQ(Clue(), CString(u"1A: ab\nColors x: red\nPatches: blob"));
    Select(0, 0);
    EXPECT_EQ(Clue(), CString(u"1A: ab"));
    // A word the file gives no clue: the other lists alone, or nothing.
    Select(1, 1);
    EXPECT_EQ(Clue(), CString(u"Colors x: red"));
    Select(0, 1);
    EXPECT_EQ(Clue(), CString());
}

TEST_F(SourceSolveTest, GivenLettersStayWhateverTheCommandOrKey)
{
    CPuzzleSource source = SourceGrid({"ABC", "DEF"});
    source.At(1, 0).m_strFill = u"B";
    source.At(1, 0).m_bGiven = true;
    Show(source);
    // The cursor passes the given letter as any filled square.
    Type(u'x');
    EXPECT_EQ(Grid().GetSelectedSquare(), CPoint(2, 0));
    // Typed over, it stays and the cursor moves on.
    Select(1, 0);
    Type(u'q');
    EXPECT_EQ(Square(1, 0).m_chLetter, u'B');
    EXPECT_EQ(Grid().GetSelectedSquare(), CPoint(2, 0));
    Command(ID_CHECK_PUZZLE);
    EXPECT_FALSE(Square(1, 0).m_bChecked);
    EXPECT_TRUE(Square(0, 0).m_bChecked);
    Command(ID_CLEAR_PUZZLE);
    EXPECT_EQ(Letters(), (std::vector<std::string> {".B.", "..."}));
    Select(1, 0);
    Command(ID_CLEAR_LETTER);
    Key(VK_DELETE);
    EXPECT_EQ(Letters(), (std::vector<std::string> {".B.", "..."}));
    Command(ID_SHOW_PUZZLE);
    EXPECT_EQ(Letters(), (std::vector<std::string> {"ABC", "DEF"}));
    EXPECT_FALSE(Square(1, 0).m_bShown);
    // Backspace from behind it passes it by to the letter before.
    Select(2, 0);
    Command(ID_CLEAR_LETTER);
    Key(VK_BACK);  // (2,0) is empty: back onto the given letter, which stays
    EXPECT_EQ(Grid().GetSelectedSquare(), CPoint(1, 0));
    Key(VK_BACK);
    EXPECT_EQ(Grid().GetSelectedSquare(), CPoint(0, 0));
    Key(VK_BACK);
    EXPECT_EQ(Letters(), (std::vector<std::string> {".B.", "DEF"}));
}

TEST_F(SourceSolveTest, WordCommandsEndAtABar)
{
    Show(SourceGrid({"AB|CD", "EFGH"}));
    Command(ID_SHOW_WORD);
    EXPECT_EQ(Letters(), (std::vector<std::string> {"AB..", "...."}));
    Command(ID_SHOW_PUZZLE);
    Select(3, 0);
    Command(ID_CLEAR_WORD);
    EXPECT_EQ(Letters(), (std::vector<std::string> {"AB..", "EFGH"}));
}

}  // namespace
}  // namespace trellis::test
