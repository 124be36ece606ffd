// SPDX-License-Identifier: MIT
// Grids with squares that do not exist and with bars: where words start and
// end, and the moves of the selection over them, as tables of grids written
// as strings (' ' a missing square, '|' and '_' a bar after a square).

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/CrossWordPuzzle.h"
#include "model/GridNavigator.h"
#include "tests/support/PuzzleState.h"
#include "tests/support/SourceGrid.h"

using trellis::test::LabelRows;
using trellis::test::LoadSourceGrid;
using trellis::test::SetLetter;

namespace {

// A diamond of missing squares around a cross of words.
const std::vector<std::string> kShaped = {" AB ", "CDEF", " GH ", "IJ L"};
// Bars: B has one on its right and one below, so (1,0) starts nothing and
// the row's second word starts at (2,0); column 1's word starts below the bar.
const std::vector<std::string> kBarred = {"AB|_CD", "EFGH", "IJKL"};

// Selections are written "3,1 A 2,1" (PuzzleState.h).
const auto Sel = trellis::test::SelectionFrom;
const auto Text = trellis::test::SelectionText;

TEST(ShapedGridTest, MissingSquaresAndBarsEndWordsForTheNumbering)
{
    const struct {
        std::vector<std::string> rows;
        std::vector<std::string> labels;
    } cases[] = {
        // Missing squares are no part of any word, as black squares.
        {kShaped, {" [1][2] ", "[3]...", " [4]. ", "[5]. ."}},
        {{"AB CD"}, {"[1]. [2]."}},
        {{" A ", "BCD", " E "}, {" [1] ", "[2]..", " . "}},
        {kBarred, {"[1].[2][3]", "[4][5]..", "[6]..."}},
        // A bar makes a one-square run, which is no word.
        {{"A|BC"}, {".[1]."}},
        {{"A", "B_", "C"}, {"[1]", ".", "."}},
        // Bars at the grid's edge and next to blocks change nothing.
        {{"AB|", "#C_"}, {"[1][2]", "#."}},
        // A missing square ends the across word; (3,0) starts only a down one.
        {{"AB C", "D_E F"}, {"[1][2] [3]", "[4]. ."}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LabelRows(*LoadSourceGrid(c.rows)), c.labels) << c.rows[0];
}

TEST(ShapedGridTest, WordEndsAreBlackSquaresMissingSquaresBarsAndTheEdge)
{
    const auto pPuzzle = LoadSourceGrid(kBarred);
    EXPECT_FALSE(pPuzzle->IsWordEnd(0, 0, TRUE));
    EXPECT_TRUE(pPuzzle->IsWordEnd(1, 0, TRUE));  // the bar on its right
    EXPECT_TRUE(pPuzzle->IsWordEnd(1, 0, FALSE));  // the bar below it
    EXPECT_TRUE(pPuzzle->IsWordEnd(-1, 0, TRUE));
    const auto pShaped = LoadSourceGrid(kShaped);
    EXPECT_TRUE(pShaped->IsWordEnd(2, 0, TRUE));  // the next one missing
    EXPECT_TRUE(pShaped->IsMissing(3, 0));
    EXPECT_FALSE(pShaped->IsMissing(-1, 0));  // outside is the edge, not a missing square
}

TEST(ShapedGridTest, TapsSkipMissingSquaresAndFindWordsWithinBars)
{
    const auto pShaped = LoadSourceGrid(kShaped);
    const auto pBarred = LoadSourceGrid(kBarred);
    // (2,0) lies after a bar in no across word, and starts a down word.
    const auto pAfterBar = LoadSourceGrid({"AB|C", "DEF"});
    const struct {
        const CCrossWordPuzzle* pPuzzle;
        const char* before;
        CPoint tap;
        const char* after;
    } cases[] = {
        // A missing square is no square: nothing happens, selected or not.
        {pShaped.get(), "1,0 A 1,0", {0, 0}, "1,0 A 1,0"},
        {pShaped.get(), "none", {3, 0}, "none"},
        {pShaped.get(), "1,0 A 1,0", {0, 1}, "0,1 A 0,1"},
        // (0,1) lies in no down word: the tap turns to its across word.
        {pShaped.get(), "2,0 D 2,0", {0, 1}, "0,1 A 0,1"},
        // (3,3) lies in no word and finds no start: only the square moves.
        {pShaped.get(), "0,3 A 0,3", {3, 3}, "3,3 A 0,3"},
        // The word through a square ends at the bar before it.
        {pBarred.get(), "0,0 A 0,0", {3, 0}, "3,0 A 2,0"},
        {pBarred.get(), "3,0 A 2,0", {1, 0}, "1,0 A 0,0"},
        {pBarred.get(), "0,0 D 0,0", {1, 2}, "1,2 D 1,1"},
        // Above the bar (1,0) starts no down word and lies in none.
        {pBarred.get(), "1,2 D 1,1", {1, 0}, "1,0 A 0,0"},
        {pBarred.get(), "1,0 A 0,0", {1, 0}, "1,0 A 0,0"},
        {pAfterBar.get(), "0,0 A 0,0", {2, 0}, "2,0 D 2,0"},
        {pAfterBar.get(), "2,0 D 2,0", {2, 0}, "2,0 D 2,0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Text(CGridNavigator(*c.pPuzzle).Tap(Sel(c.before), c.tap)), c.after)
            << c.before << " tap " << c.tap.x << "," << c.tap.y;
    }
}

TEST(ShapedGridTest, ArrowsPassOverMissingSquaresAndBars)
{
    const auto pShaped = LoadSourceGrid(kShaped);
    const auto pGap = LoadSourceGrid({"AB CD"});
    const auto pBarred = LoadSourceGrid(kBarred);
    const struct {
        const CCrossWordPuzzle* pPuzzle;
        const char* before;
        int nDx, nDy;
        const char* after;
    } cases[] = {
        {pGap.get(), "1,0 A 0,0", 1, 0, "3,0 A 3,0"},
        {pGap.get(), "3,0 A 3,0", -1, 0, "1,0 A 0,0"},
        // Only missing squares to the edge: nothing to move to.
        {pShaped.get(), "1,0 A 1,0", -1, 0, "1,0 A 1,0"},
        {pShaped.get(), "0,1 A 0,1", 0, 1, "0,3 A 0,3"},
        {pShaped.get(), "2,2 A 1,2", 1, 0, "2,2 A 1,2"},
        {pShaped.get(), "1,2 A 1,2", 0, 1, "1,2 D 1,0"},
        // A bar is no square: the arrow goes on into the next word.
        {pBarred.get(), "1,0 A 0,0", 1, 0, "2,0 A 2,0"},
        {pBarred.get(), "2,0 A 2,0", -1, 0, "1,0 A 0,0"},
        {pBarred.get(), "1,0 A 0,0", 0, 1, "1,1 A 0,1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Text(CGridNavigator(*c.pPuzzle).Arrow(Sel(c.before), c.nDx, c.nDy)), c.after)
            << c.before << " arrow " << c.nDx << "," << c.nDy;
    }
}

TEST(ShapedGridTest, TheCursorStopsAtABarAsAtABlackSquare)
{
    const auto pBarred = LoadSourceGrid(kBarred);
    CCrossWordPuzzle& p = *pBarred;
    const CGridNavigator navigator(p);
    EXPECT_EQ(navigator.Advance(Sel("0,0 A 0,0")), CPoint(1, 0));
    EXPECT_EQ(navigator.Advance(Sel("1,0 A 0,0")), CPoint(1, 0));  // the bar
    EXPECT_EQ(navigator.Advance(Sel("2,0 A 2,0")), CPoint(3, 0));
    EXPECT_EQ(navigator.Advance(Sel("1,1 D 1,1")), CPoint(1, 2));
    EXPECT_EQ(navigator.Advance(Sel("0,1 A 0,1")), CPoint(1, 1));
    // Filled squares are passed over up to the bar, not beyond it.
    SetLetter(p, 1, 0, u'B');
    EXPECT_EQ(navigator.Advance(Sel("0,0 A 0,0")), CPoint(0, 0));
    SetLetter(p, 1, 1, u'F');
    EXPECT_EQ(navigator.Advance(Sel("0,1 A 0,1")), CPoint(2, 1));

    const auto pShaped = LoadSourceGrid(kShaped);
    EXPECT_EQ(CGridNavigator(*pShaped).Advance(Sel("2,0 A 1,0")), CPoint(2, 0));  // a missing square next
    EXPECT_EQ(CGridNavigator(*pShaped).Advance(Sel("1,3 A 0,3")), CPoint(1, 3));
}

TEST(ShapedGridTest, WordsEndAtBarsForLengthsStepsBackAndTab)
{
    const auto pBarred = LoadSourceGrid(kBarred);
    const CGridNavigator navigator(*pBarred);
    EXPECT_EQ(navigator.WordLength(CPoint(0, 0), DIRECTION_ACROSS), 2);
    EXPECT_EQ(navigator.WordLength(CPoint(2, 0), DIRECTION_ACROSS), 2);
    EXPECT_EQ(navigator.WordLength(CPoint(1, 1), DIRECTION_DOWN), 2);
    EXPECT_EQ(navigator.WordLength(CPoint(0, 1), DIRECTION_ACROSS), 4);
    EXPECT_EQ(Text(navigator.StepBack(Sel("3,0 A 2,0"))), "2,0 A 2,0");
    EXPECT_EQ(Text(navigator.StepBack(Sel("2,0 A 2,0"))), "2,0 A 2,0");

    // Across words in reading order, then down words, round again.
    const std::vector<std::string> order = {"0,0 A 0,0", "2,0 A 2,0", "0,1 A 0,1", "0,2 A 0,2",
                                            "0,0 D 0,0", "2,0 D 2,0", "3,0 D 3,0", "1,1 D 1,1"};
    for (std::size_t i = 0; i < order.size(); ++i)
        EXPECT_EQ(Text(navigator.NextWord(Sel(order[i]), TRUE)), order[(i + 1) % order.size()]) << order[i];

    const auto pShaped = LoadSourceGrid(kShaped);
    EXPECT_EQ(CGridNavigator(*pShaped).WordLength(CPoint(1, 0), DIRECTION_DOWN), 4);
    EXPECT_EQ(CGridNavigator(*pShaped).WordLength(CPoint(0, 3), DIRECTION_ACROSS), 2);
    EXPECT_EQ(Text(CGridNavigator(*pShaped).First()), "1,0 A 1,0");
}

TEST(ShapedGridTest, MissingSquaresNeverCountAndTakeNoLetter)
{
    const auto pShaped = LoadSourceGrid(kShaped);
    CCrossWordPuzzle& p = *pShaped;
    EXPECT_EQ(p.GetEmptyCount(), 11);
    EXPECT_EQ(p.GetUnsolvedCount(), 11);
    // A letter stored on a missing square (no command does) changes no count.
    SetLetter(p, 0, 0, u'Q');
    EXPECT_EQ(p.GetEmptyCount(), 11);
    const char* const answers[] = {" AB ", "CDEF", " GH ", "IJ L"};
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            if (answers[r][c] != ' ')
                SetLetter(p, c, r, static_cast<char16_t>(answers[r][c]));
        }
    }
    EXPECT_EQ(p.GetEmptyCount(), 0);
    EXPECT_TRUE(p.IsSolved());
    CSquare square = p.GetSquare(0, 0);
    square.m_bMissing = false;  // stored back as a plain black square
    p.SetSquare(0, 0, square);
    EXPECT_EQ(p.GetMissingCount(), 4);
}

}  // namespace
