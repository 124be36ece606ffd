// SPDX-License-Identifier: MIT
// Squares, numbering, completion, checksum and the word and clue lookups.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/CrossWordPuzzle.h"
#include "tests/support/PuzzleFileWriter.h"
#include "tests/support/PuzzleState.h"
#include "tests/support/TempDir.h"

using trellis::test::ClueAt;
using trellis::test::ClueLabels;
using trellis::test::PlayerState;
using trellis::test::PuzzleFileWriter;
using trellis::test::SetLetter;
using trellis::test::TempDir;

TEST(Numbering, OpenGridNumbersAcrossBeforeDownAndTakesTextsInOrder)
{
    TempDir dir;
    auto p = PuzzleFileWriter({"CAT", "ORE", "WET"}).Clues({"a", "b", "c", "d", "e", "f", "unused"}).Load(dir);
    EXPECT_EQ(ClueLabels(*p), (std::vector<std::string> {"1A:a", "1D:b", "2D:c", "3D:d", "4A:e", "5A:f"}));
    const CSquare topLeft = p->GetSquare(0, 0);
    EXPECT_EQ(topLeft.m_nAcrossNumber, 1);
    EXPECT_EQ(topLeft.m_nDownNumber, 1);
    EXPECT_EQ(p->GetSquare(2, 0).m_nDownNumber, 3);
    EXPECT_EQ(p->GetSquare(0, 2).m_nAcrossNumber, 5);
    EXPECT_EQ(p->GetSquare(1, 1).m_nAcrossNumber + p->GetSquare(1, 1).m_nDownNumber, 0);
    // One number, two different clues.
    ASSERT_NE(p->GetAcrossClue(0, 0), nullptr);
    ASSERT_NE(p->GetDownClue(0, 0), nullptr);
    EXPECT_NE(p->GetAcrossClue(0, 0), p->GetDownClue(0, 0));
    EXPECT_EQ(p->GetDownClue(0, 0)->m_strText, u"b");
    EXPECT_TRUE(p->m_astrClues.empty() && p->m_astrSolution.empty() && p->m_astrState.empty());
}

// An open 100 x 100 grid: the top row starts the across word 1 and the down
// words 1 to 100, each row below one across word, 101 to 199. Two hundred
// clues, each with its own text in file order, and the lookups give the very
// objects of the list.
TEST(Numbering, TwoHundredWordsEachKeepTheirTextAndObject)
{
    TempDir dir;
    const int nSize = 100;
    std::vector<std::string> texts;
    for (int i = 0; i < 2 * nSize; ++i)
        texts.push_back("t" + std::to_string(i));
    const std::vector<std::string> rows(nSize, std::string(nSize, 'A'));
    const std::string bytes = PuzzleFileWriter(rows).Clues(texts).Bytes();
    CCrossWordPuzzle p;
    ASSERT_TRUE(trellis::test::TryLoad(p, dir, bytes).bOk);

    std::vector<std::string> expected = {"1A:t0"};
    for (int c = 0; c < nSize; ++c)
        expected.push_back(std::to_string(c + 1) + "D:t" + std::to_string(c + 1));
    for (int r = 1; r < nSize; ++r)
        expected.push_back(std::to_string(nSize + r) + "A:t" + std::to_string(nSize + r));
    EXPECT_EQ(ClueLabels(p), expected);
    for (int c = 0; c < nSize; ++c)
        ASSERT_EQ(p.GetDownClue(c, 0), &ClueAt(p, static_cast<std::size_t>(c + 1))) << "column " << c;
    for (int r = 1; r < nSize; ++r)
        ASSERT_EQ(p.GetAcrossClue(0, r), &ClueAt(p, static_cast<std::size_t>(nSize + r))) << "row " << r;
}

TEST(Numbering, CluesAddedAfterTheLoadLeaveEveryClueWhereItWas)
{
    // The load keeps its clues in one block of their number; more clues
    // start blocks of their own, and no clue moves.
    TempDir dir;
    auto p = PuzzleFileWriter({"CAT", "ORE", "WET"}).Clues({"a", "b", "c", "d", "e", "f"}).Load(dir);
    const std::vector<CClue*> loaded = p->m_lstClues;
    ASSERT_EQ(loaded.size(), 6u);
    std::vector<CClue*> added;
    for (int n = 0; n < 200; ++n)
        added.push_back(p->AddClue(std::u16string(40, static_cast<char16_t>(u'a' + n % 26)), 100 + n, n % 2));
    ASSERT_EQ(p->m_lstClues.size(), 206u);
    for (std::size_t i = 0; i < loaded.size(); ++i) {
        EXPECT_EQ(p->m_lstClues[i], loaded[i]);
        EXPECT_EQ(loaded[i]->m_strText, std::u16string(1, static_cast<char16_t>(u'a' + i)));
    }
    for (std::size_t n = 0; n < added.size(); ++n) {
        EXPECT_EQ(p->m_lstClues[6 + n], added[n]);
        EXPECT_EQ(added[n]->m_nNumber, 100 + static_cast<int>(n));
        EXPECT_EQ(added[n]->m_strText, std::u16string(40, static_cast<char16_t>(u'a' + n % 26)));
        const std::string digits = std::to_string(100 + n);
        EXPECT_EQ(added[n]->m_strLabel, std::u16string(digits.begin(), digits.end()));
    }
    EXPECT_EQ(p->GetAcrossClue(0, 0), loaded[0]);
}

TEST(Numbering, IsolatedWhiteSquaresFormNoWords)
{
    TempDir dir;
    auto p = PuzzleFileWriter({"A#B", "###", "C#D"}).Load(dir);
    EXPECT_TRUE(p->m_lstClues.empty());
    EXPECT_FALSE(p->IsBlack(2, 2));
    EXPECT_EQ(p->GetSquare(2, 2).m_nAcrossNumber + p->GetSquare(2, 2).m_nDownNumber, 0);
}

TEST(Square, IncorrectOnlyWhileCheckedAndNotTheAnswer)
{
    EXPECT_TRUE(CSquare().m_bBlack);
    CSquare square(FALSE);
    square.m_chSolution = u'A';
    EXPECT_FALSE(square.IsIncorrect());  // unchecked and empty
    square.m_bChecked = TRUE;
    EXPECT_TRUE(square.IsIncorrect());  // checked and empty
    square.m_chLetter = u'A';
    EXPECT_FALSE(square.IsIncorrect());  // shown
    square.m_chLetter = u' ';
    EXPECT_TRUE(square.IsIncorrect());  // cleared, mark stays
}

TEST(Grid, EveryPositionOutsideIsBlackFilledAndIncorrect)
{
    TempDir dir;
    auto p = PuzzleFileWriter({"AB", "CD"}).Load(dir);
    for (auto [c, r] : std::vector<std::pair<int, int>> {{-1, 0}, {2, 0}, {0, 2}, {0, -1}, {-5, 9}}) {
        EXPECT_TRUE(p->IsBlack(c, r) && p->IsFilled(c, r) && p->IsIncorrect(c, r)) << c << "," << r;
        EXPECT_TRUE(p->GetSquare(c, r).m_bBlack);
    }
    EXPECT_FALSE(p->IsBlack(1, 1) || p->IsFilled(1, 1) || p->IsIncorrect(1, 1));
    // A store outside the grid must not land on a square inside it.
    CSquare square(FALSE);
    square.m_chLetter = u'Z';
    p->SetSquare(2, 0, square);
    p->SetSquare(-1, 1, square);
    EXPECT_EQ(p->GetSquare(0, 1).m_chLetter, 0);
    EXPECT_EQ(p->GetSquare(1, 0).m_chLetter, 0);
}

TEST(Completion, EveryWhiteSquareFilledWithItsAnswer)
{
    TempDir dir;
    auto p = PuzzleFileWriter({"A#", "BC"}).Load(dir);
    EXPECT_FALSE(p->IsSolved());
    SetLetter(*p, 0, 0, u'A');
    SetLetter(*p, 0, 1, u'B');
    SetLetter(*p, 1, 1, u'X');
    EXPECT_FALSE(p->IsSolved());
    SetLetter(*p, 1, 1, u'C', FALSE);  // right letter, but not filled
    EXPECT_FALSE(p->IsSolved());
    SetLetter(*p, 1, 1, u'C');
    EXPECT_TRUE(p->IsSolved());
    CSquare checked = p->GetSquare(1, 1);
    checked.m_bChecked = TRUE;
    p->SetSquare(1, 1, checked);
    EXPECT_TRUE(p->IsSolved());
}

TEST(Checksum, OrOfAnswersColumnByColumn)
{
    TempDir dir;
    EXPECT_EQ(PuzzleFileWriter({"A"}).Load(dir)->GetChecksum(), 0xAF5Fu);
    EXPECT_EQ(PuzzleFileWriter({"CAT", "O#A", "WET"}).Load(dir)->GetChecksum(), 0xAF57u);
    EXPECT_EQ(PuzzleFileWriter({"AB", "C#"}).Load(dir)->GetChecksum(), 0x1u);
    CCrossWordPuzzle empty;
    EXPECT_EQ(empty.GetChecksum(), 0u);
    EXPECT_TRUE(empty.IsSolved());
}

// Words: 1A (1,0)-(3,0); 2D (2,0)-(2,1); 3D (0,1)-(0,3); 4A (0,2)-(1,2);
// 5D (1,2)-(1,3); 6D (3,2)-(3,3); 7A (0,3)-(4,3).
class Navigation : public ::testing::Test {
protected:
    void SetUp() override { p = PuzzleFileWriter({"#ABC#", "D#E#F", "GH#I#", "JKLMN"}).Load(dir); }
    TempDir dir;
    std::unique_ptr<CCrossWordPuzzle> p;
};

TEST_F(Navigation, EverySquareOfARunHasTheRunsStart)
{
    for (int c = 1; c <= 3; ++c) {
        EXPECT_TRUE(p->IsInAcrossWord(c, 0));
        EXPECT_EQ(p->GetAcrossStart(c, 0), CPoint(1, 0));
    }
    EXPECT_TRUE(p->IsInDownWord(2, 1));
    EXPECT_EQ(p->GetDownStart(2, 1), CPoint(2, 0));
    EXPECT_FALSE(p->IsInAcrossWord(0, 0));  // black
    EXPECT_FALSE(p->IsInDownWord(0, 0));
}

TEST_F(Navigation, StartWalksPastBlackSquaresWhenNotInAWord)
{
    EXPECT_FALSE(p->IsInAcrossWord(0, 1));  // white, black to its right
    EXPECT_EQ(p->GetAcrossStart(0, 1), CPoint(-1, 1));
    EXPECT_FALSE(p->IsInAcrossWord(3, 2));  // between black squares
    EXPECT_EQ(p->GetAcrossStart(3, 2), CPoint(0, 2));
    EXPECT_FALSE(p->IsInDownWord(2, 3));  // black above, edge below, but across
    EXPECT_TRUE(p->IsInAcrossWord(2, 3));
    EXPECT_EQ(p->GetDownStart(2, 3), CPoint(2, 0));
    EXPECT_EQ(p->GetDownStart(4, 3), CPoint(4, -1));
}

TEST_F(Navigation, CluesOnlyAtTheStartOfAWord)
{
    EXPECT_EQ(ClueLabels(*p), (std::vector<std::string> {"1A:Clue 1", "2D:Clue 2", "3D:Clue 3", "4A:Clue 4",
                                                         "5D:Clue 5", "6D:Clue 6", "7A:Clue 7"}));
    ASSERT_NE(p->GetAcrossClue(1, 0), nullptr);
    EXPECT_EQ(p->GetAcrossClue(1, 0)->m_strText, u"Clue 1");
    EXPECT_EQ(p->GetAcrossClue(2, 0), nullptr);
    EXPECT_EQ(p->GetDownClue(1, 0), nullptr);
    ASSERT_NE(p->GetDownClue(3, 2), nullptr);
    EXPECT_EQ(p->GetDownClue(3, 2)->m_nNumber, 6);
    EXPECT_FALSE(p->GetDownClue(3, 2)->m_bAcross);
}
