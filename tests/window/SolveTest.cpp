// SPDX-License-Identifier: MIT
// Letters typed or tapped into the grid, the cursor moving on, and the nine
// Solve commands.

#include "res/resource.h"
#include "tests/window/PuzzleWndFixture.h"

#include <clocale>
#include <iterator>
#include <string>
#include <utility>

namespace trellis::test {
namespace {

const UINT kSolveCommands[] = {ID_CHECK_WORD,   ID_SHOW_LETTER,  ID_SHOW_WORD,  ID_SHOW_PUZZLE, ID_CHECK_LETTER,
                               ID_CHECK_PUZZLE, ID_CLEAR_LETTER, ID_CLEAR_WORD, ID_CLEAR_PUZZLE};
const std::vector<std::string> kCat = {"CAT", "O#O", "WOW"};

class SolveTest : public PuzzleWndTest {
protected:
    // The Solve commands that are enabled, as a string of their positions in kSolveCommands.
    std::string Enabled()
    {
        std::string enabled;
        for (size_t i = 0; i < std::size(kSolveCommands); ++i)
            enabled += IsEnabled(kSolveCommands[i]) ? static_cast<char>('0' + i) : '-';
        return enabled;
    }
};

TEST_F(SolveTest, ALetterGoesIntoTheSelectedSquareAndTheCursorMovesOn)
{
    Load(kCat);
    Type(u'q');
    EXPECT_EQ(u'Q', Square(0, 0).m_chLetter);
    EXPECT_TRUE(Square(0, 0).m_bFilled);
    EXPECT_EQ(CPoint(1, 0), Grid().GetSelectedSquare());
    Type(u'a');
    Type(u't');
    EXPECT_EQ(CPoint(2, 0), Grid().GetSelectedSquare());  // the last square keeps the cursor
    EXPECT_EQ(CPoint(0, 0), Grid().GetWordStart());
    EXPECT_EQ(3, m_solve.m_nChecks);
    for (UINT ch : {u' ', u'\b', u'5', u'-'})
        Type(ch);
    EXPECT_EQ(u'T', Square(2, 0).m_chLetter);
    EXPECT_EQ(3, m_solve.m_nChecks);
}

TEST_F(SolveTest, LettersOfAnyScriptGoInUpperCasedWhateverTheLocale)
{
    const std::string strSaved = std::setlocale(LC_ALL, nullptr);
    for (const char* pszLocale : {"C", "C.UTF-8"}) {
        if (!std::setlocale(LC_ALL, pszLocale))
            continue;  // not every system has C.UTF-8
        Load({"......"});
        // Digits of other scripts, a superscript, a currency sign, a combining accent.
        for (UINT ch : {0x0660u, 0xFF10u, 0x00B2u, 0x20ACu, 0x0301u})
            Type(ch);
        EXPECT_FALSE(Square(0, 0).m_bFilled) << pszLocale;
        // e acute, zhe, omega, alef (no case), q.
        const std::pair<UINT, WCHAR> letters[] = {
            {0x00E9, 0x00C9}, {0x0436, 0x0416}, {0x03C9, 0x03A9}, {0x05D0, 0x05D0}, {u'q', u'Q'}};
        for (const auto& [chTyped, chStored] : letters)
            Type(chTyped);
        for (int nCol = 0; nCol < 5; ++nCol)
            EXPECT_EQ(letters[nCol].second, Square(nCol, 0).m_chLetter) << pszLocale << " " << nCol;
    }
    std::setlocale(LC_ALL, strSaved.c_str());
}

// Where the cursor goes next is the navigator's (the model's tests hold its
// rules); a selected black square takes the letter all the same.
TEST_F(SolveTest, ASelectedBlackSquareTakesTheLetterAndTheCursorGoesOn)
{
    Load({"AB#CD"});
    Select(2, 0);
    Type(u'z');
    EXPECT_EQ(u'Z', Square(2, 0).m_chLetter);
    EXPECT_EQ(CPoint(3, 0), Grid().GetSelectedSquare());
    EXPECT_EQ(CPoint(0, 0), Grid().GetWordStart());
}

TEST_F(SolveTest, TheSolveModeDecidesTheCheckMark)
{
    Load(kCat);
    const COLORREF crWrong = Grid().GetColor(GRID_FOREGROUND_SELECTED_INCORRECT);
    m_solve.m_nMode = 0;
    Type(u'x');
    Testing::RunUntilIdle();
    EXPECT_TRUE(Square(0, 0).m_bChecked);
    EXPECT_GT(Testing::CountPixels(&Grid(), Grid().GetSquareRect(0, 0), crWrong), 0);
    Select(0, 0);
    m_solve.m_nMode = 1;
    Type(u'y');
    Testing::RunUntilIdle();
    EXPECT_FALSE(Square(0, 0).m_bChecked);
    EXPECT_EQ(0, Testing::CountPixels(&Grid(), Grid().GetSquareRect(0, 0), crWrong));
}

TEST_F(SolveTest, CommandsNeedAPuzzleAndLettersASelection)
{
    Type(u'a');
    EXPECT_EQ("---------", Enabled());
    Load({"##", "##"});
    EXPECT_EQ("012345678", Enabled());
    // Nothing is selected: letters and letter commands change nothing.
    Type(u'a');
    for (UINT nID : {ID_SHOW_LETTER, ID_CHECK_LETTER, ID_CLEAR_LETTER})
        Command(nID);
    const CSquare square = Square(0, 0);
    EXPECT_FALSE(square.m_chLetter || square.m_bFilled || square.m_bChecked);
    EXPECT_EQ(0, m_solve.m_nChecks);
    m_wnd.SetPuzzle(nullptr);
    EXPECT_EQ("---------", Enabled());
}

TEST_F(SolveTest, LetterAndWordCommandsActOnTheSelection)
{
    Load(kCat);
    Command(ID_SHOW_LETTER);
    EXPECT_EQ(u'C', Square(0, 0).m_chLetter);
    EXPECT_EQ(1, m_solve.m_nChecks);
    Command(ID_CHECK_LETTER);
    Command(ID_CLEAR_LETTER);
    EXPECT_EQ(u' ', Square(0, 0).m_chLetter);
    EXPECT_TRUE(m_pPuzzle->IsIncorrect(0, 0));  // the mark stays

    Select(2, 0);
    Put(1, 0, u'X');
    Command(ID_CHECK_WORD);  // from the word's start, filled or not
    for (int nCol = 0; nCol < 3; nCol++)
        EXPECT_TRUE(Square(nCol, 0).m_bChecked) << nCol;
    EXPECT_FALSE(Square(0, 1).m_bChecked);
    Command(ID_SHOW_WORD);
    EXPECT_EQ(u'A', Square(1, 0).m_chLetter);
    EXPECT_EQ(2, m_solve.m_nChecks);
    Command(ID_CLEAR_WORD);
    for (int nCol = 0; nCol < 3; nCol++)
        EXPECT_FALSE(Square(nCol, 0).m_bFilled) << nCol;
    EXPECT_EQ(CPoint(2, 0), Grid().GetSelectedSquare());
}

TEST_F(SolveTest, PuzzleCommandsCoverEveryWhiteSquare)
{
    Load(kCat);
    Put(2, 2, u'X');
    Command(ID_CHECK_PUZZLE);
    EXPECT_TRUE(Square(2, 2).m_bChecked);
    EXPECT_FALSE(Square(0, 0).m_bChecked);  // empty squares stay unmarked
    Command(ID_SHOW_PUZZLE);
    EXPECT_TRUE(m_pPuzzle->IsSolved());
    EXPECT_EQ(1, m_solve.m_nChecks);
    EXPECT_FALSE(Square(1, 1).m_bFilled);
    Command(ID_CLEAR_PUZZLE);
    for (int i = 0; i < 9; i++)
        EXPECT_EQ(i == 4 ? FALSE : TRUE, Square(i % 3, i / 3).m_chLetter == u' ') << i;
}

TEST_F(SolveTest, WhileLockedOnlyLettersAndClearingWork)
{
    Load(PuzzleFileWriter(kCat).Locked(1234));
    EXPECT_EQ("------678", Enabled());  // the three Clear commands
    m_solve.m_nMode = 0;  // check as entered: not without answers
    Type(u'c');
    Type(u'x');
    EXPECT_FALSE(Square(0, 0).m_bChecked || Square(1, 0).m_bChecked);
    EXPECT_EQ(2, m_solve.m_nChecks);  // a full grid may still be solved
    for (UINT nID : {ID_CHECK_LETTER, ID_CHECK_WORD, ID_CHECK_PUZZLE, ID_SHOW_LETTER, ID_SHOW_WORD, ID_SHOW_PUZZLE})
        Command(nID);
    EXPECT_FALSE(Square(2, 0).m_bFilled || Square(1, 0).m_bChecked);
    EXPECT_EQ(2, m_solve.m_nChecks);
    Command(ID_CLEAR_WORD);
    EXPECT_FALSE(Square(0, 0).m_bFilled);

    ASSERT_TRUE(m_pPuzzle->Unlock(1234));
    EXPECT_EQ("012345678", Enabled());
    Command(ID_SHOW_PUZZLE);
    EXPECT_TRUE(m_pPuzzle->IsSolved());
}

// Show marks the squares it fills; a typed letter or Clear takes the mark
// away, so a rebus square shows its whole answer only while shown.
TEST_F(SolveTest, ShownSquaresAreMarkedUntilTypedOverOrCleared)
{
    Load(PuzzleFileWriter(kCat).Section("GRBS", std::string("\x01\0\0\0\0\0\0\0\0", 9)).Section("RTBL", " 0:CAT;"));
    const CRect rc = Grid().GetSquareRect(0, 0);
    auto ink = [&] { return InkPixels(&Grid(), rc, Testing::PixelAt(&Grid(), rc.right - 1, rc.bottom - 1)); };
    Command(ID_SHOW_LETTER);
    Testing::RunUntilIdle();
    EXPECT_TRUE(Square(0, 0).m_bShown);
    const int nWhole = ink();
    Type(u'c');
    Testing::RunUntilIdle();
    EXPECT_FALSE(Square(0, 0).m_bShown);
    EXPECT_EQ(u'C', Square(0, 0).m_chLetter);
    EXPECT_GT(nWhole, ink());  // three letters, then one
    Command(ID_SHOW_WORD);
    EXPECT_TRUE(Square(0, 0).m_bShown && Square(2, 0).m_bShown);
    Command(ID_CLEAR_WORD);
    EXPECT_FALSE(Square(0, 0).m_bShown || Square(2, 0).m_bShown);
}

// A rebus the player entered goes with the letter it stands on: typed over,
// shown or cleared, the square holds one letter again.
TEST_F(SolveTest, TheRebusEntryGoesWithItsLetter)
{
    Load(PuzzleFileWriter(kCat));
    auto enter = [&](int nCol) {
        CSquare square = m_pPuzzle->GetSquare(nCol, 0);
        square.m_chLetter = u'X';
        square.m_bFilled = TRUE;
        square.m_strRebusEntry = u"XYZ";
        m_pPuzzle->SetSquare(nCol, 0, square);
    };
    enter(0);
    enter(1);
    Type(u'c');  // over (0,0)
    EXPECT_EQ(u"", Square(0, 0).m_strRebusEntry);
    EXPECT_EQ(u"XYZ", Square(1, 0).m_strRebusEntry);
    Command(ID_SHOW_WORD);
    EXPECT_EQ(u"", Square(1, 0).m_strRebusEntry);
    enter(2);
    Command(ID_CLEAR_PUZZLE);
    EXPECT_EQ(u"", Square(2, 0).m_strRebusEntry);
}

}  // namespace
}  // namespace trellis::test
