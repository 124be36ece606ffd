// SPDX-License-Identifier: MIT
// Load Puzzle, the solution commands and the file dialogs they open.
#include "tests/app/AppFixture.h"

#include <algorithm>
#ifndef _WIN32
#include <sys/stat.h>
#endif

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
        EXPECT_EQ(std::count_if(
                      dialog.filters.begin() + 1, dialog.filters.end() - 1,
                      [&](const std::u16string& filter) { return filter.find(pszPattern) != std::u16string::npos; }),
                  1)
            << ToUtf8(pszPattern);
    }
    EXPECT_EQ(dialog.filters.back(), u"All Files (*.*) (*)");
    EXPECT_TRUE(m_boxes.Shown().empty());
}

// The message with its stop icon, and no puzzle shown, is the end-to-end
// suite's; the reader's message, the model's.
TEST_F(AppTest, AFailedLoadLeavesNoPuzzleToWorkOn)
{
    Start();
    LoadPuzzle(HeartWriter());
    ASSERT_NE(theApp.GetPuzzle(), nullptr);
    m_files.Choose(m_dir.Write(std::string("bad.puz"), std::string("not a puzzle at all, just words")));
    ASSERT_TRUE(Choose(ID_LOAD_PUZZLE));
    EXPECT_EQ(theApp.GetPuzzle(), nullptr);
    EXPECT_EQ(m_boxes.Shown().size(), 1u);
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
    // Without the kept progress, which would bring the letters back at once.
    m_settings.WriteRaw(u"options", u"autosave", u"0");
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

TEST_F(AppTest, AFailedSaveSaysWhyAndIsNotRemembered)
{
    Start();
    LoadPuzzle(HeartWriter());
    const std::u16string strInMissingFolder = ModelPath(m_dir.File("no-such-folder/x.sol"));
    m_files.Choose(strInMissingFolder);
    ASSERT_TRUE(Choose(ID_SAVE_SOLUTION_AS));
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_EQ(m_boxes.Shown()[0].strText,
              u"cannot create file '" + strInMissingFolder + u"': No such file or directory");
    EXPECT_EQ(m_boxes.Shown()[0].Icon(), UINT(MB_ICONSTOP));
    // Save Solution asks again instead of failing on the same path.
    EXPECT_TRUE(theApp.GetSolutionFile().IsEmpty());
    const std::u16string strGood = ModelPath(m_dir.File("good.sol"));
    m_files.Choose(strGood);
    ASSERT_TRUE(Choose(ID_SAVE_SOLUTION));
    EXPECT_EQ(m_files.Shown().size(), 3u);
    EXPECT_EQ(theApp.GetSolutionFile(), CString(strGood));
    EXPECT_TRUE(std::filesystem::exists(m_dir.File("good.sol")));
}

// The puzzle's name with ".sol", in the puzzle's folder; when that folder is
// gone, in the folder of the last solution saved or loaded.
TEST_F(AppTest, SaveSolutionAsProposesThePuzzlesNameInItsFolder)
{
    Start();
    LoadPuzzle(HeartWriter(), "heart.v2.puz");
    m_files.Cancel();
    ASSERT_TRUE(Choose(ID_SAVE_SOLUTION_AS));
    EXPECT_EQ(m_files.Shown().back().strFileName, ModelPath(m_dir.File("heart.v2.sol")));

    std::filesystem::create_directories(m_dir.File("gone"));
    LoadPuzzle(HeartWriter(), "gone/away.puz");
    std::filesystem::remove_all(m_dir.File("gone"));
    m_files.Cancel();
    ASSERT_TRUE(Choose(ID_SAVE_SOLUTION_AS));
    EXPECT_EQ(m_files.Shown().back().strFileName, u"away.sol");  // no folder used yet

    std::filesystem::create_directories(m_dir.File("mine"));
    m_files.Choose(ModelPath(m_dir.File("mine/first.sol")));
    ASSERT_TRUE(Choose(ID_SAVE_SOLUTION_AS));
    m_files.Cancel();
    ASSERT_TRUE(Choose(ID_SAVE_SOLUTION_AS));
    EXPECT_EQ(m_files.Shown().back().strFileName, ModelPath(m_dir.File("mine/away.sol")));
    EXPECT_TRUE(m_boxes.Shown().empty());
}

// Through Load Puzzle, whatever the file's name: its puzzle opens with the
// solution's letters, or the user hears why not and keeps the puzzle shown.
TEST_F(AppTest, ASolutionFileChosenAsAPuzzleOpensItsPuzzle)
{
    Start();
    const std::u16string strPuzzle = LoadPuzzle(HeartWriter(), "heart.puz");
    Type(u"HE");
    const std::u16string strSolution = ModelPath(m_dir.File("named-like-a.puz"));
    ASSERT_TRUE(theApp.GetPuzzle()->SaveSolution(strSolution));
    LoadPuzzle(PuzzleFileWriter({"AB", "CD"}), "small.puz");

    m_files.Choose(strSolution);
    ASSERT_TRUE(Choose(ID_LOAD_PUZZLE));
    ASSERT_NE(theApp.GetPuzzle(), nullptr);
    EXPECT_EQ(theApp.GetPuzzle()->m_strFileName, strPuzzle);
    EXPECT_EQ(theApp.GetPuzzle()->GetSquare(1, 0).m_chLetter, u'E');
    EXPECT_TRUE(m_boxes.Shown().empty());

    std::filesystem::remove(m_dir.File("heart.puz"));
    CCrossWordPuzzle* pShown = theApp.GetPuzzle();
    m_files.Choose(strSolution);
    ASSERT_TRUE(Choose(ID_LOAD_PUZZLE));
    EXPECT_EQ(theApp.GetPuzzle(), pShown);
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_EQ(m_boxes.Shown()[0].strText, strSolution + u" is a solution file; open its puzzle first.");
    EXPECT_EQ(m_boxes.Shown()[0].Icon(), UINT(MB_ICONSTOP));
}

// Missing, a folder, a pipe: the message says why, and nothing waits on the pipe.
TEST_F(AppTest, APuzzleThatCannotBeOpenedSaysWhy)
{
    Start();
    const std::u16string strMissing = ModelPath(m_dir.File("missing.puz"));
    std::filesystem::create_directories(m_dir.File("folder.puz"));
    const std::vector<std::pair<std::u16string, std::u16string>> cases = {
        {strMissing, u"No such file or directory"},
        {ModelPath(m_dir.File("folder.puz")), u"Is a directory"},
#ifndef _WIN32
        {ModelPath(m_dir.File("pipe.puz")), u"not a regular file"},
#endif
    };
#ifndef _WIN32
    ASSERT_EQ(mkfifo(m_dir.File("pipe.puz").c_str(), 0600), 0);
#endif
    for (const auto& [strPath, strWhy] : cases) {
        m_files.Choose(strPath);
        ASSERT_TRUE(Choose(ID_LOAD_PUZZLE));
        ASSERT_FALSE(m_boxes.Shown().empty());
        EXPECT_EQ(m_boxes.Shown().back().strText, u"cannot open file '" + strPath + u"' for reading: " + strWhy);
    }
}
}  // namespace
}  // namespace trellis::test
