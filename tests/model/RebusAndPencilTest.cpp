// SPDX-License-Identifier: MIT
// What the player puts into a square beyond one plain letter: a rebus entry
// judged as a whole, pencilled letters, and the marks of revealed and once
// wrong squares, through the completion test, the solution file and a
// written .puz file.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/CrossWordPuzzle.h"
#include "model/Format.h"
#include "model/PuzzleSourceWriter.h"
#include "tests/support/PuzzleFileWriter.h"
#include "tests/support/TempDir.h"

using trellis::test::ModelPath;
using trellis::test::PuzzleFileWriter;
using trellis::test::TempDir;
using trellis::test::ToUtf8;

namespace {

// One row: SUN (a rebus whose answer grid letter is S), B4E (a rebus with a
// digit), a plain A, a digit answer 4, and A+E (a rebus with a symbol).
std::unique_ptr<CCrossWordPuzzle> RebusRow(TempDir& dir, const std::string& name = "row.puz")
{
    return PuzzleFileWriter({"SBA4A"})
        .Section("GRBS", std::string("\x01\x02\0\0\x03", 5))
        .Section("RTBL", " 0:SUN; 1:B4E; 2:A+E;")
        .Load(dir, name);
}

// The square at (c, 0) with the player's text in it: one character is a
// letter, more a rebus entry whose first character is the letter.
void Fill(CCrossWordPuzzle& p, int c, const std::u16string& strText, BOOL bChecked = FALSE)
{
    CSquare square = p.GetSquare(c, 0);
    square.m_bFilled = TRUE;
    square.m_chLetter = strText[0];
    square.m_strRebusEntry = strText.size() > 1 ? strText : std::u16string();
    square.m_bChecked = bChecked;
    p.SetSquare(c, 0, square);
}

}  // namespace

TEST(RebusEntry, ARebusSquareTakesItsWholeAnswerOrItsFirstLetterAndNothingElse)
{
    TempDir dir;
    auto p = RebusRow(dir);
    ASSERT_EQ(p->m_astrRebus.size(), 3u);
    struct Case {
        int nCol;
        const char16_t* pszText;
        bool bRight;
    };
    const Case cases[] = {
        {0, u"SUN", true},  {0, u"S", true},   {0, u"SUX", false}, {0, u"SU", false}, {0, u"SUNS", false},
        {0, u"Sun", false}, {0, u"X", false},  {1, u"B4E", true},  {1, u"B", true},   {1, u"B4", false},
        {2, u"A", true},    {2, u"AB", false}, {2, u"B", false},   {3, u"4", true},   {3, u"44", false},
        {4, u"A+E", true},  {4, u"A", true},   {4, u"AE", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(ToUtf8(c.pszText) + " at " + std::to_string(c.nCol));
        Fill(*p, c.nCol, c.pszText, TRUE);
        const CSquare square = p->GetSquare(c.nCol, 0);
        EXPECT_EQ(p->HoldsAnswer(square) != FALSE, c.bRight);
        // A check judges the whole entry, through the square and its place alike.
        EXPECT_EQ(p->IsIncorrect(square) != FALSE, !c.bRight);
        EXPECT_EQ(p->IsIncorrect(c.nCol, 0) != FALSE, !c.bRight);
    }
}

TEST(RebusEntry, TheCompletionTestWantsEveryRebusWholeOrByItsFirstLetter)
{
    TempDir dir;
    auto p = RebusRow(dir);
    EXPECT_EQ(p->GetUnsolvedCount(), 5);
    Fill(*p, 0, u"SUN");
    Fill(*p, 1, u"B");
    Fill(*p, 2, u"A");
    Fill(*p, 3, u"4");
    Fill(*p, 4, u"A+");
    EXPECT_EQ(p->GetUnsolvedCount(), 1);
    EXPECT_FALSE(p->IsSolved());
    Fill(*p, 4, u"A+E");
    EXPECT_EQ(p->GetUnsolvedCount(), 0);
    EXPECT_TRUE(p->IsSolved());
    // A square not filled holds no answer, whatever letter its record has.
    CSquare unfilled = p->GetSquare(2, 0);
    unfilled.m_bFilled = FALSE;
    p->SetSquare(2, 0, unfilled);
    EXPECT_FALSE(p->HoldsAnswer(unfilled));
    EXPECT_FALSE(p->IsSolved());
    EXPECT_EQ(p->GetEmptyCount(), 1);
}

TEST(Marks, AllShownOnlyWhenEveryOpenSquareGotItsLetterFromShow)
{
    TempDir dir;
    auto p = PuzzleFileWriter({"AB", "C#"}).Load(dir);
    const auto show = [&p](int c, int r, BOOL bShown) {
        CSquare square = p->GetSquare(c, r);
        square.m_bFilled = TRUE;
        square.m_chLetter = square.m_chSolution;
        square.m_bShown = bShown;
        p->SetSquare(c, r, square);
    };
    EXPECT_FALSE(p->IsAllShown());
    show(0, 0, TRUE);
    show(1, 0, TRUE);
    show(0, 1, FALSE);  // typed
    EXPECT_TRUE(p->IsSolved());
    EXPECT_FALSE(p->IsAllShown());
    show(0, 1, TRUE);
    EXPECT_TRUE(p->IsAllShown());
    // A letter the file gives needs no Show.
    CSquare given = p->GetSquare(1, 0);
    given.m_bShown = FALSE;
    given.m_bGiven = true;
    p->SetSquare(1, 0, given);
    EXPECT_TRUE(p->IsAllShown());
}

TEST(Pencil, APencilledLetterIsTheSquaresOwnUntilTheSolutionFileTakesItsLetterInPen)
{
    TempDir dir;
    auto p = RebusRow(dir);
    Fill(*p, 2, u"A");
    CSquare square = p->GetSquare(2, 0);
    square.m_bPencil = true;
    p->SetSquare(2, 0, square);
    // Judged as any letter.
    EXPECT_TRUE(p->HoldsAnswer(p->GetSquare(2, 0)));
    EXPECT_EQ(p->GetUnsolvedCount(), 4);

    // A copy of the player's part takes the pencil with it.
    CSquare other;
    other.CopyPlayerPart(p->GetSquare(2, 0));
    EXPECT_TRUE(other.m_bPencil);

    // The solution file has no room for it: its letters come back in pen.
    const std::u16string strSol = ModelPath(dir.File("row.sol"));
    ASSERT_TRUE(p->SaveSolution(strSol));
    auto copy = RebusRow(dir, "copy.puz");
    ASSERT_TRUE(copy->LoadSolution(strSol));
    EXPECT_EQ(copy->GetSquare(2, 0).m_chLetter, u'A');
    EXPECT_FALSE(copy->GetSquare(2, 0).m_bPencil);
    // Loading it over a pencilled letter inks it.
    ASSERT_TRUE(p->LoadSolution(strSol));
    EXPECT_FALSE(p->GetSquare(2, 0).m_bPencil);
}

// What Save Puzzle As writes of the player's solve comes back from the
// .puz file: letters, rebus entries, the revealed and once wrong marks and
// the check marks (the time is the clock's test). The pencil has no place in
// a .puz file.
TEST(Marks, APuzFileKeepsEntriesAndMarksButNoPencil)
{
    TempDir dir;
    auto p = RebusRow(dir);
    Fill(*p, 0, u"SUN");
    Fill(*p, 1, u"BAE", TRUE);  // checked and wrong
    Fill(*p, 2, u"A");
    const auto change = [&p](int c, auto fn) {
        CSquare square = p->GetSquare(c, 0);
        fn(square);
        p->SetSquare(c, 0, square);
    };
    change(1, [](CSquare& s) { s.m_bWasIncorrect = TRUE; });
    change(2, [](CSquare& s) {
        s.m_bWasIncorrect = TRUE;  // wrong once, mended since
        s.m_bPencil = true;
    });
    change(4, [](CSquare& s) {
        s.m_bFilled = s.m_bShown = TRUE;
        s.m_chLetter = s.m_chSolution;
    });

    std::vector<std::u16string> warnings;
    std::u16string strError;
    const std::u16string strPath = ModelPath(dir.File("written.puz"));
    ASSERT_TRUE(WritePuzzleSource(strPath, SourceFromPuzzle(*p), EPuzzleFormat::Puz, warnings, strError))
        << ToUtf8(strError);
    CCrossWordPuzzle back;
    ASSERT_TRUE(back.LoadPuzzle(strPath, strError)) << ToUtf8(strError);

    struct Expected {
        BOOL bFilled;
        char16_t chLetter;
        const char16_t* pszEntry;
        BOOL bChecked, bShown, bWasIncorrect;
    };
    const Expected expected[] = {
        {TRUE, u'S', u"SUN", FALSE, FALSE, FALSE}, {TRUE, u'B', u"BAE", TRUE, FALSE, TRUE},
        {TRUE, u'A', u"", FALSE, FALSE, TRUE},     {FALSE, 0, u"", FALSE, FALSE, FALSE},
        {TRUE, u'A', u"A+E", FALSE, TRUE, FALSE},  // a revealed rebus is written whole
    };
    for (int c = 0; c < 5; ++c) {
        SCOPED_TRACE(c);
        const CSquare square = back.GetSquare(c, 0);
        const Expected& e = expected[c];
        EXPECT_EQ(square.m_bFilled, e.bFilled);
        if (e.bFilled) {
            EXPECT_EQ(square.m_chLetter, e.chLetter);
        }
        EXPECT_EQ(ToUtf8(square.m_strRebusEntry), ToUtf8(e.pszEntry));
        EXPECT_EQ(square.m_bChecked, e.bChecked);
        EXPECT_EQ(square.m_bShown, e.bShown);
        EXPECT_EQ(square.m_bWasIncorrect, e.bWasIncorrect);
        EXPECT_FALSE(square.m_bPencil);
    }
    EXPECT_EQ(ToUtf8(*back.GetRebus(back.GetSquare(4, 0))), "A+E");
    EXPECT_TRUE(back.IsIncorrect(1, 0));
    EXPECT_EQ(back.GetUnsolvedCount(), 2);  // B4E and the empty 4
}
