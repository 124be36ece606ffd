// SPDX-License-Identifier: MIT
// Load Puzzle, the solution commands and the file dialogs they open.
#include "tests/app/AppFixture.h"

#include <algorithm>

namespace trellis::test {
namespace {

TEST_F(AppTest, LoadPuzzleShowsItAndSelectsTheFirstWord)
{
    Start();
    const std::u16string strPath = LoadPuzzle(HeartWriter());
    ASSERT_NE(theApp.GetPuzzle(), nullptr);
    EXPECT_EQ(theApp.GetPuzzle()->m_strFileName, strPath);
    EXPECT_EQ(PuzzleWnd().GetPuzzle(), theApp.GetPuzzle());
    EXPECT_EQ(ClueText(), CString(u"1A: Clue 1"));
    ASSERT_EQ(m_files.Shown().size(), 1u);
    const Testing::FileDialogRecord& dialog = m_files.Shown()[0];
    EXPECT_TRUE(dialog.bOpen);
    EXPECT_EQ(dialog.strDefExt, u"puz");
    // All four kinds together first, then each alone, then every file.
    ASSERT_EQ(dialog.filters.size(), 6u);
    for (const char16_t* pszPattern : {u"*.puz", u"*.ipuz", u"*.jpz", u"*.xd"}) {
        EXPECT_NE(dialog.filters[0].find(pszPattern), std::u16string::npos) << ToUtf8(pszPattern);
        EXPECT_EQ(std::count_if(dialog.filters.begin() + 1, dialog.filters.end() - 1,
                                [&](const std::u16string& filter) {
                                    return filter.find(pszPattern) != std::u16string::npos;
                                }),
                  1)
            << ToUtf8(pszPattern);
    }
    EXPECT_EQ(dialog.filters.back(), u"All Files (*.*) (*)");
    EXPECT_TRUE(m_boxes.Shown().empty());
}

TEST_F(AppTest, AFailedLoadLeavesNoPuzzleAndShowsTheReadersMessage)
{
    Start();
    LoadPuzzle(HeartWriter());
    ASSERT_NE(theApp.GetPuzzle(), nullptr);

    const std::u16string strBad = m_dir.Write(std::string("bad.puz"), std::string("not a puzzle at all, just words"));
    m_files.Choose(strBad);
    ASSERT_TRUE(Choose(ID_LOAD_PUZZLE));

    EXPECT_EQ(theApp.GetPuzzle(), nullptr);
    EXPECT_EQ(PuzzleWnd().GetPuzzle(), nullptr);
    EXPECT_EQ(Grid().GetPuzzle(), nullptr);
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_EQ(m_boxes.Shown()[0].strText, strBad + u": invalid puzzle file");
    EXPECT_EQ(m_boxes.Shown()[0].Icon(), UINT(MB_ICONSTOP));
    EXPECT_FALSE(Testing::IsMenuItemEnabled(Frame(), ID_ABOUT_PUZZLE));
    EXPECT_FALSE(Testing::IsMenuItemEnabled(Frame(), ID_SAVE_SOLUTION));
}

TEST_F(AppTest, CancellingLoadPuzzleKeepsThePuzzle)
{
    Start();
    LoadPuzzle(HeartWriter());
    CCrossWordPuzzle* pBefore = theApp.GetPuzzle();
    m_files.Cancel();
    ASSERT_TRUE(Choose(ID_LOAD_PUZZLE));
    EXPECT_EQ(theApp.GetPuzzle(), pBefore);
    EXPECT_TRUE(m_boxes.Shown().empty());
}

TEST_F(AppTest, SaveSolutionAsksOnceThenWritesToTheRememberedPath)
{
    Start();
    LoadPuzzle(HeartWriter());
    const std::u16string strSolution = ModelPath(m_dir.File("mine.sol"));

    m_files.Choose(strSolution);
    ASSERT_TRUE(Choose(ID_SAVE_SOLUTION));
    ASSERT_EQ(m_files.Shown().size(), 2u);
    const Testing::FileDialogRecord& dialog = m_files.Shown()[1];
    EXPECT_FALSE(dialog.bOpen);
    EXPECT_EQ(dialog.strDefExt, u"sol");
    // Replacing an existing file is asked about first.
    EXPECT_NE(dialog.dwFlags & OFN_OVERWRITEPROMPT, 0u);
    EXPECT_EQ(theApp.GetSolutionFile(), CString(strSolution));
    ASSERT_TRUE(std::filesystem::exists(m_dir.File("mine.sol")));

    Type(u"H");
    const std::string before = TempDir::Read(m_dir.File("mine.sol"));
    ASSERT_TRUE(Choose(ID_SAVE_SOLUTION));
    EXPECT_EQ(m_files.Shown().size(), 2u);  // no dialog this time
    EXPECT_NE(TempDir::Read(m_dir.File("mine.sol")), before);
    EXPECT_TRUE(m_boxes.Shown().empty());
}

TEST_F(AppTest, LoadSolutionRestoresLettersAndIsNotRememberedForSaving)
{
    Start();
    LoadPuzzle(HeartWriter());
    Type(u"HEA");
    m_files.Choose(ModelPath(m_dir.File("a.sol")));
    ASSERT_TRUE(Choose(ID_SAVE_SOLUTION_AS));

    // A new load forgets the remembered path: its state must not go over a.sol.
    LoadPuzzle(HeartWriter(), "again.puz");
    EXPECT_TRUE(theApp.GetSolutionFile().IsEmpty());
    EXPECT_FALSE(theApp.GetPuzzle()->GetSquare(0, 0).m_bFilled);

    m_files.Choose(ModelPath(m_dir.File("a.sol")));
    ASSERT_TRUE(Choose(ID_LOAD_SOLUTION));
    EXPECT_EQ(theApp.GetPuzzle()->GetSquare(0, 0).m_chLetter, u'H');
    EXPECT_EQ(theApp.GetPuzzle()->GetSquare(2, 0).m_chLetter, u'A');

    m_files.Cancel();
    const size_t nDialogs = m_files.Shown().size();
    ASSERT_TRUE(Choose(ID_SAVE_SOLUTION));
    EXPECT_EQ(m_files.Shown().size(), nDialogs + 1);  // asks for a name
    EXPECT_FALSE(m_files.Shown().back().bOpen);
}

TEST_F(AppTest, AFailedSaveKeepsTheOldFileAndSaysWhy)
{
    Start();
    LoadPuzzle(HeartWriter());
    const std::u16string strInMissingFolder = ModelPath(m_dir.File("no-such-folder/x.sol"));
    m_files.Choose(strInMissingFolder);
    ASSERT_TRUE(Choose(ID_SAVE_SOLUTION_AS));
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_EQ(m_boxes.Shown()[0].Icon(), UINT(MB_ICONSTOP));
    // The path stays remembered even so.
    EXPECT_EQ(theApp.GetSolutionFile(), CString(strInMissingFolder));
}

}  // namespace
}  // namespace trellis::test
