// SPDX-License-Identifier: MIT
// The moves of the selection over the grid, as tables: a grid written as
// strings, the selection before, the move, the selection after.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/CrossWordPuzzle.h"
#include "model/GridNavigator.h"
#include "tests/support/PuzzleFileWriter.h"
#include "tests/support/PuzzleState.h"
#include "tests/support/TempDir.h"

using trellis::test::PuzzleFileWriter;
using trellis::test::SetLetter;
using trellis::test::TempDir;

namespace {

// Words: across 1 (0,0)-(2,0), 4 (2,1)-(4,1), 6 (0,2)-(3,2); down 1
// (0,0)-(0,2), 2 (2,0)-(2,2), 3 (4,0)-(4,1), 5 (3,1)-(3,2). (4,0) and (0,1)
// lie in no across word, (1,0) and (1,2) in no down word.
const std::vector<std::string> kGrid = {"...#.", ".#...", "....#"};

// Selections are written "3,1 A 2,1": square (3,1) selected in the across
// word from (2,1); "D" for a down word; "none" for no selection.
const auto Sel = trellis::test::SelectionFrom;
const auto Text = trellis::test::SelectionText;

// Puts the player's letters in: '.' an empty square, a capital an unchecked
// letter, a small letter a checked one; '#' leaves a black square alone.
void Play(CCrossWordPuzzle& p, const std::vector<std::string>& rows)
{
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        for (int c = 0; c < static_cast<int>(rows[r].size()); ++c) {
            const char ch = rows[r][c];
            if (ch == '.' || ch == '#')
                continue;
            const bool bChecked = ch >= 'a' && ch <= 'z';
            SetLetter(p, c, r, static_cast<char16_t>(bChecked ? ch - 'a' + 'A' : ch));
            CSquare square = p.GetSquare(c, r);
            square.m_bChecked = bChecked;
            p.SetSquare(c, r, square);
        }
    }
}

class GridNavigatorTest : public ::testing::Test {
protected:
    CCrossWordPuzzle& Load(const std::vector<std::string>& rows)
    {
        m_pPuzzle = PuzzleFileWriter(rows).Load(m_dir);
        return *m_pPuzzle;
    }

    TempDir m_dir;
    std::unique_ptr<CCrossWordPuzzle> m_pPuzzle;
};

TEST_F(GridNavigatorTest, APuzzleStartsOnItsFirstWhiteSquareAcross)
{
    const struct {
        std::vector<std::string> rows;
        const char* first;
    } cases[] = {
        {{"##...", "....."}, "2,0 A 2,0"},
        {{"#.", ".."}, "1,0 A 1,0"},  // a one-letter run across
        {{"##", "#."}, "1,1 A 1,1"},  // a square in no word
        {{"##", "##"}, "none"},
    };
    for (const auto& c : cases) {
        const CGridSelection first = CGridNavigator(Load(c.rows)).First();
        EXPECT_EQ(Text(first), c.first) << c.rows[0];
        EXPECT_EQ(CGridNavigator(*m_pPuzzle).HasSelection(first), std::string(c.first) != "none") << c.rows[0];
    }
}

TEST_F(GridNavigatorTest, TapsChooseTheWordByTheCurrentDirection)
{
    const CGridNavigator navigator(Load(kGrid));
    const struct {
        const char* before;
        CPoint tap;
        const char* after;
    } cases[] = {
        // Another square of the selected word: only the square moves.
        {"0,0 A 0,0", {1, 0}, "1,0 A 0,0"},
        {"0,0 D 0,0", {0, 2}, "0,2 D 0,0"},
        // The selected square turns, when it lies in a word the other way.
        {"0,0 A 0,0", {0, 0}, "0,0 D 0,0"},
        {"0,0 D 0,0", {0, 0}, "0,0 A 0,0"},
        {"1,0 A 0,0", {1, 0}, "1,0 A 0,0"},
        {"0,1 D 0,0", {0, 1}, "0,1 D 0,0"},
        // A square outside the word keeps the direction where it can.
        {"0,0 A 0,0", {2, 1}, "2,1 A 2,1"},
        {"0,0 D 0,0", {2, 1}, "2,1 D 2,0"},
        {"0,0 A 0,0", {4, 0}, "4,0 D 4,0"},
        {"0,0 D 0,0", {1, 2}, "1,2 A 0,2"},
        {"none", {3, 2}, "3,2 A 0,2"},
        {"none", {3, 1}, "3,1 A 2,1"},
        // A black square takes the square and keeps the word.
        {"0,0 A 0,0", {3, 0}, "3,0 A 0,0"},
        {"2,1 D 2,0", {1, 1}, "1,1 D 2,0"},
        // Outside the grid nothing happens.
        {"0,0 A 0,0", {5, 0}, "0,0 A 0,0"},
        {"0,0 A 0,0", {0, -1}, "0,0 A 0,0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Text(navigator.Tap(Sel(c.before), c.tap)), c.after)
            << c.before << " tap " << c.tap.x << "," << c.tap.y;
    }
}

TEST_F(GridNavigatorTest, ArrowsMoveAlongTheDirectionAndTurnAcrossIt)
{
    const CGridNavigator navigator(Load(kGrid));
    const struct {
        const char* before;
        int nDx, nDy;
        const char* after;
    } cases[] = {
        {"0,0 A 0,0", -1, 0, "0,0 A 0,0"},  // the edge
        {"0,0 A 0,0", 1, 0, "1,0 A 0,0"},
        // Past the black square to a square with a down word only.
        {"2,0 A 0,0", 1, 0, "4,0 D 4,0"},
        // Across the direction with no word to turn to: the arrow moves,
        // here into the edge, there past a black square into a word.
        {"4,0 D 4,0", 1, 0, "4,0 D 4,0"},
        {"0,1 D 0,0", 1, 0, "2,1 D 2,0"},
        {"4,0 D 4,0", 0, 1, "4,1 D 4,0"},
        {"4,1 D 4,0", 0, 1, "4,1 D 4,0"},  // a black square, then the edge
        // Across the direction with a word to turn to: the first press turns.
        {"4,1 D 4,0", -1, 0, "4,1 A 2,1"},
        {"4,1 A 2,1", -1, 0, "3,1 A 2,1"},
        {"3,1 A 2,1", 0, -1, "3,1 D 3,1"},
        {"3,1 D 3,1", 0, -1, "3,1 D 3,1"},
        {"3,1 D 3,1", 0, 1, "3,2 D 3,1"},
        {"0,0 D 0,0", 1, 0, "0,0 A 0,0"},
        // From a black square the next white square is tapped.
        {"3,0 A 0,0", 1, 0, "4,0 D 4,0"},
        {"3,0 A 0,0", -1, 0, "2,0 A 0,0"},
        // Nothing selected, or a square outside the grid: nothing moves.
        {"none", 1, 0, "none"},
        {"5,0 A 0,0", -1, 0, "5,0 A 0,0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Text(navigator.Arrow(Sel(c.before), c.nDx, c.nDy)), c.after)
            << c.before << " arrow " << c.nDx << "," << c.nDy;
    }
}

TEST_F(GridNavigatorTest, TurningIsASecondTapOnTheSelectedSquare)
{
    const CGridNavigator navigator(Load(kGrid));
    EXPECT_EQ(Text(navigator.Turn(Sel("2,1 A 2,1"))), "2,1 D 2,0");
    EXPECT_EQ(Text(navigator.Turn(Sel("2,1 D 2,0"))), "2,1 A 2,1");
    EXPECT_EQ(Text(navigator.Turn(Sel("1,0 A 0,0"))), "1,0 A 0,0");  // in one word only
    EXPECT_EQ(Text(navigator.Turn(Sel("none"))), "none");
}

TEST_F(GridNavigatorTest, TabGoesThroughTheWordsInClueOrderAndRoundAgain)
{
    const CGridNavigator navigator(Load(kGrid));
    const std::vector<std::string> order = {"0,0 A 0,0", "2,1 A 2,1", "0,2 A 0,2", "0,0 D 0,0",
                                            "2,0 D 2,0", "4,0 D 4,0", "3,1 D 3,1"};
    for (std::size_t i = 0; i < order.size(); ++i) {
        const std::string& next = order[(i + 1) % order.size()];
        EXPECT_EQ(Text(navigator.NextWord(Sel(order[i]), TRUE)), next) << "Tab from " << order[i];
        EXPECT_EQ(Text(navigator.NextWord(Sel(next), FALSE)), order[i]) << "Shift+Tab from " << next;
    }
    // The word counts, not the square: from inside a word as from its start.
    EXPECT_EQ(Text(navigator.NextWord(Sel("2,2 D 2,0"), TRUE)), "4,0 D 4,0");
    EXPECT_EQ(Text(navigator.NextWord(Sel("none"), TRUE)), "none");
}

TEST_F(GridNavigatorTest, TabLandsOnTheFirstEmptySquareOfTheWord)
{
    CCrossWordPuzzle& p = Load(kGrid);
    const CGridNavigator navigator(p);
    Play(p, {"...#.", ".#A..", "AB..#"});
    EXPECT_EQ(Text(navigator.NextWord(Sel("0,0 A 0,0"), TRUE)), "3,1 A 2,1");
    EXPECT_EQ(Text(navigator.NextWord(Sel("2,1 A 2,1"), TRUE)), "2,2 A 0,2");
    // A full word: its first square. Checked wrong letters count as filled.
    Play(p, {"...#.", ".#axC", "....#"});
    EXPECT_EQ(Text(navigator.NextWord(Sel("0,0 A 0,0"), TRUE)), "2,1 A 2,1");
    EXPECT_EQ(Text(navigator.NextWord(Sel("0,0 D 0,0"), FALSE)), "2,2 A 0,2");
}

TEST_F(GridNavigatorTest, TabFromASquareThatStartsNoWord)
{
    // Words: 1 across (2,0)-(3,0), 3 across (1,1)-(3,1); 1 down (2,0)-(2,1),
    // 2 down (3,0)-(3,2). The start selection is the lone square (0,0).
    const CGridNavigator navigator(Load({".#..", "#...", ".##."}));
    const CGridSelection first = navigator.First();
    EXPECT_EQ(Text(first), "0,0 A 0,0");
    EXPECT_EQ(Text(navigator.NextWord(first, TRUE)), "2,0 A 2,0");
    EXPECT_EQ(Text(navigator.NextWord(first, FALSE)), "3,0 D 3,0");
    // A grid without words keeps the selection.
    const CGridNavigator lone(Load({".#", "#."}));
    EXPECT_EQ(Text(lone.NextWord(Sel("0,0 A 0,0"), TRUE)), "0,0 A 0,0");
}

TEST_F(GridNavigatorTest, BackspaceStepsBackWithinTheWordOnly)
{
    const CGridNavigator navigator(Load(kGrid));
    const struct {
        const char* before;
        const char* after;
    } cases[] = {
        {"2,0 A 0,0", "1,0 A 0,0"}, {"1,0 A 0,0", "0,0 A 0,0"},
        {"0,0 A 0,0", "0,0 A 0,0"},  // the word's first square
        {"3,2 D 3,1", "3,1 D 3,1"}, {"0,2 D 0,0", "0,1 D 0,0"},
        {"3,0 A 0,0", "3,0 A 0,0"},  // a black square after the word
        {"4,1 A 0,0", "4,1 A 0,0"},  // a square of another word
        {"none", "none"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Text(navigator.StepBack(Sel(c.before))), c.after) << c.before;
}

TEST_F(GridNavigatorTest, TheCursorAdvancesPastFilledSquaresToTheNextThatNeedsALetter)
{
    // Answers: ABCDE / FGHIJ / KL#MN.
    const std::vector<std::string> answers = {"ABCDE", "FGHIJ", "KL#MN"};
    const struct {
        std::vector<std::string> player;
        const char* sel;
        CPoint after;
    } cases[] = {
        {{".....", ".....", "..#.."}, "0,0 A 0,0", {1, 0}},
        {{".....", ".....", "..#.."}, "4,0 A 0,0", {4, 0}},  // the edge: it stays
        {{"ABCDE", ".....", "..#.."}, "1,0 A 0,0", {1, 0}},  // the rest is full
        {{"ABCXE", ".....", "..#.."}, "1,0 A 0,0", {1, 0}},  // wrong, but not checked
        {{"ABCxE", ".....", "..#.."}, "1,0 A 0,0", {3, 0}},  // checked and wrong: it stops there
        {{"ABc..", ".....", "..#.."}, "1,0 A 0,0", {3, 0}},  // checked and right: passed
        // Down, a checked wrong letter is passed like any other.
        {{"A....", "x....", "..#.."}, "0,0 D 0,0", {0, 2}},
        {{"..C..", "..H..", "..#.."}, "2,0 D 2,0", {2, 0}},  // a black square ends the walk
        // On a black square the walk starts there, into the next word.
        {{".....", ".....", "..#M."}, "2,2 A 0,2", {4, 2}},
        // With no direction the walk goes down.
        {{".....", ".....", "..#.."}, "none", {0, 1}},
    };
    for (const auto& c : cases) {
        CCrossWordPuzzle& p = Load(answers);
        Play(p, c.player);
        const CPoint pt = CGridNavigator(p).Advance(Sel(c.sel));
        EXPECT_EQ(pt, c.after) << c.sel << " " << c.player[0] << "/" << c.player[1] << "/" << c.player[2] << ": "
                               << pt.x << "," << pt.y;
    }
}

TEST_F(GridNavigatorTest, AWordRunsFromItsStartToTheNextBlackSquareOrTheEdge)
{
    const CGridNavigator navigator(Load(kGrid));
    EXPECT_EQ(navigator.WordLength({0, 0}, DIRECTION_ACROSS), 3);
    EXPECT_EQ(navigator.WordLength({2, 1}, DIRECTION_ACROSS), 3);
    EXPECT_EQ(navigator.WordLength({0, 2}, DIRECTION_ACROSS), 4);
    EXPECT_EQ(navigator.WordLength({2, 0}, DIRECTION_DOWN), 3);
    EXPECT_EQ(navigator.WordLength({4, 0}, DIRECTION_DOWN), 2);
    EXPECT_EQ(navigator.WordLength({1, 1}, DIRECTION_DOWN), 2);  // past the start, black or not
}

}  // namespace
