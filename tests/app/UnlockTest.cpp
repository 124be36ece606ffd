// SPDX-License-Identifier: MIT
// Locked puzzles in the running program: Check and Show off, the Unlock
// Puzzle dialog with a typed key or a search.
#include "tests/app/DialogFixture.h"

#include <filesystem>

namespace {

using trellis::test::PuzzleFileWriter;

const std::vector<std::string> kRows = {"HEART", "EM#ER", "ABUSE", "RE#IN", "TREND"};
const UINT kAnswerCommands[] = {ID_CHECK_LETTER, ID_CHECK_WORD, ID_CHECK_PUZZLE,
                                ID_SHOW_LETTER,  ID_SHOW_WORD,  ID_SHOW_PUZZLE};

class UnlockTest : public DialogFixture {
protected:
    // Opens Unlock Puzzle, types the key (none for a search) and presses OK.
    void Unlock(const std::u16string& strKey)
    {
        Open(ID_UNLOCK_PUZZLE, [strKey](CDialog& dlg) {
            if (!strKey.empty())
                Testing::TypeInto(dlg, IDC_UNLOCK_KEY, strKey);
            Testing::PressOK(dlg);
        });
    }
    int AnswerCommandsEnabled()
    {
        Testing::RunIdle();
        int n = 0;
        for (UINT nID : kAnswerCommands)
            n += (Testing::IsMenuItemEnabled(Frame(), nID) ? 1 : 0) +
                 (Testing::IsToolBarButtonEnabled(Frame(), nID) ? 1 : 0);
        return n;
    }
    std::vector<std::u16string> Messages()
    {
        std::vector<std::u16string> texts;
        for (const auto& box : m_boxes.Shown()) {
            EXPECT_EQ(box.Icon(), UINT(MB_ICONSTOP));
            texts.push_back(box.strText);
        }
        return texts;
    }
};

TEST_F(UnlockTest, OnlyALockedPuzzleCanBeUnlockedAndItCannotBeCheckedOrShown)
{
    EXPECT_FALSE(Testing::IsMenuItemEnabled(Frame(), ID_UNLOCK_PUZZLE));
    LoadPuzzle(PuzzleFileWriter(kRows));
    EXPECT_FALSE(Testing::IsMenuItemEnabled(Frame(), ID_UNLOCK_PUZZLE));
    EXPECT_EQ(AnswerCommandsEnabled(), 9);  // six menu items, three toolbar buttons

    LoadPuzzle(PuzzleFileWriter(kRows).Locked(4271));
    EXPECT_TRUE(Testing::IsMenuItemEnabled(Frame(), ID_UNLOCK_PUZZLE));
    EXPECT_EQ(AnswerCommandsEnabled(), 0);
    EXPECT_TRUE(Testing::IsToolBarButtonEnabled(Frame(), ID_CLEAR_PUZZLE));
    EXPECT_FALSE(Testing::ChooseMenuItem(Frame(), ID_SHOW_PUZZLE));

    // Cancel changes nothing.
    Open(ID_UNLOCK_PUZZLE, [](CDialog& dlg) {
        Testing::TypeInto(dlg, IDC_UNLOCK_KEY, u"4271");
        Testing::PressCancel(dlg);
    });
    EXPECT_TRUE(theApp.GetPuzzle()->m_bLocked);
    EXPECT_TRUE(m_boxes.Shown().empty());
}

TEST_F(UnlockTest, AWrongOrShortKeySaysSoAndTheRightOneUnlocks)
{
    LoadPuzzle(PuzzleFileWriter(kRows).Locked(4271));
    const WCHAR chScrambled = theApp.GetPuzzle()->GetSquare(0, 0).m_chSolution;
    Unlock(u"4272");
    Unlock(u"427");
    EXPECT_TRUE(theApp.GetPuzzle()->m_bLocked);
    EXPECT_EQ(theApp.GetPuzzle()->GetSquare(0, 0).m_chSolution, chScrambled);
    // The field takes four digits and no more.
    Open(ID_UNLOCK_PUZZLE, [](CDialog& dlg) {
        Testing::TypeInto(dlg, IDC_UNLOCK_KEY, u"42x719");
        EXPECT_EQ(Testing::ShownText(dlg, IDC_UNLOCK_KEY), u"4271");
        Testing::PressOK(dlg);
    });
    EXPECT_EQ(Messages(),
              (std::vector<std::u16string> {u"That is not the key of this puzzle.", u"The key has four digits."}));
    EXPECT_FALSE(theApp.GetPuzzle()->m_bLocked);
    EXPECT_EQ(theApp.GetPuzzle()->GetSquare(0, 0).m_chSolution, u'H');
    EXPECT_FALSE(Testing::IsMenuItemEnabled(Frame(), ID_UNLOCK_PUZZLE));
    EXPECT_EQ(AnswerCommandsEnabled(), 9);
}

TEST_F(UnlockTest, AnEmptyKeySearchesForIt)
{
    LoadPuzzle(PuzzleFileWriter(kRows).Locked(105));
    Unlock(u"");
    EXPECT_TRUE(m_boxes.Shown().empty());
    EXPECT_FALSE(theApp.GetPuzzle()->m_bLocked);
    EXPECT_EQ(theApp.GetPuzzle()->GetSquare(4, 4).m_chSolution, u'D');
}

// While locked, a grid full of the right letters is solved by the checksum;
// the congratulation follows as for any puzzle. A wrong full grid says nothing.
TEST_F(UnlockTest, TypingTheAnswersOfALockedPuzzleSolvesIt)
{
    const std::vector<std::string> rows = {"HEART", "EMBER", "ABUSE", "RESIN", "TREND"};
    LoadPuzzle(PuzzleFileWriter(rows).Locked(4271));
    m_boxes.Answer(IDNO);
    for (int r = 0; r < 5; ++r) {
        Testing::Tap(&Grid(), Grid().GetSquareRect(0, r).CenterPoint());
        Testing::RunUntilIdle();
        if (Grid().GetDirection() != 1)
            Testing::Tap(&Grid(), Grid().GetSquareRect(0, r).CenterPoint());
        Type(std::u16string(rows[r].begin(), rows[r].end() - (r == 4 ? 1 : 0)) + (r == 4 ? u"X" : u""));
    }
    EXPECT_TRUE(m_boxes.Shown().empty());
    Type(u"D");  // the cursor stayed on the last square
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_EQ(m_boxes.Shown()[0].Icon(), UINT(MB_ICONQUESTION));
    EXPECT_TRUE(theApp.GetPuzzle()->m_bLocked);
}

// Two keys give this file's checksum, 3285 and 7230; only 3285 gives words
// (the model's tests read them), and the search takes it and says so.
TEST_F(UnlockTest, OfTwoKeysTheSearchTakesTheOneThatGivesWordsAndSaysWhich)
{
    const std::filesystem::path path = std::filesystem::path(TRELLIS_CORPUS_DIR) / "puz" / "nyt_diagramless.puz";
    if (!std::filesystem::exists(path))
        GTEST_SKIP() << "no corpus file " << path;
    m_files.Choose(path.u16string());
    ASSERT_TRUE(Choose(ID_LOAD_PUZZLE));
    ASSERT_NE(theApp.GetPuzzle(), nullptr);
    EXPECT_EQ(AnswerCommandsEnabled(), 0);
    Unlock(u"");
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_EQ(m_boxes.Shown()[0].strText, u"The puzzle was unlocked with the key 3285.");
    EXPECT_EQ(m_boxes.Shown()[0].Icon(), UINT(MB_ICONINFORMATION));
    EXPECT_FALSE(theApp.GetPuzzle()->m_bLocked);
}

}  // namespace
