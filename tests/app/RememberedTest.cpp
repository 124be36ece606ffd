// SPDX-License-Identifier: MIT
// Settings kept beside the integers: the Font dialog's face, and the folder
// the file dialogs last chose from; odd stored values fall back.
#include "tests/app/DialogFixture.h"

#include <filesystem>

namespace {

namespace fs = std::filesystem;
using trellis::test::HeartWriter;

class RememberedTest : public DialogFixture {
protected:
    CString StoredText(LPCTSTR lpszSection, LPCTSTR lpszEntry)
    {
        return theApp.GetProfileString(lpszSection, lpszEntry, u"(absent)");
    }
};

TEST_F(RememberedTest, AStoredFaceTheListCouldNotHaveGivenFallsBackToArial)
{
    const std::u16string odd[] = {u"", u"   ", std::u16string(32, u'A'), u"Tab\there", u"Bad\x7f"};
    for (const std::u16string& strFace : odd) {
        m_settings.WriteRaw(u"options", u"fontname", strFace);
        Restart();
        EXPECT_EQ(Grid().GetFontName(), u"Arial") << strFace.size();
    }
    // A face that is simply not installed is kept: the font system stands in for it.
    const std::u16string usable[] = {u"No Such Face", std::u16string(31, u'A'), u"DejaVu Sans"};
    for (const std::u16string& strFace : usable) {
        m_settings.WriteRaw(u"options", u"fontname", strFace);
        Restart();
        EXPECT_EQ(Grid().GetFontName(), strFace);
    }
}

TEST_F(RememberedTest, EachFileDialogOpensInTheFolderTheLastOneChoseFrom)
{
    const fs::path folder = m_dir.File("puzzles");
    fs::create_directories(folder);
    const std::u16string strPuzzle = m_dir.Write(std::string("puzzles/heart.puz"), HeartWriter().Bytes());

    m_files.Choose(strPuzzle);
    ASSERT_TRUE(Choose(ID_LOAD_PUZZLE));
    ASSERT_EQ(m_files.Shown().size(), 1u);
    EXPECT_EQ(m_files.Shown()[0].strInitialDir, u"");  // nothing chosen before
    EXPECT_EQ(StoredText(u"folders", u"last"), folder.u16string());

    // Another kind of file, the same folder; and after a restart.
    m_files.Cancel();
    ASSERT_TRUE(Choose(ID_LOAD_SOLUTION));
    EXPECT_EQ(m_files.Shown()[1].strInitialDir, folder.u16string());
    Restart();
    m_files.Cancel();
    ASSERT_TRUE(Choose(ID_LOAD_PUZZLE));
    EXPECT_EQ(m_files.Shown()[2].strInitialDir, folder.u16string());

    // Saving elsewhere moves it there; a cancelled dialog leaves it.
    const fs::path other = m_dir.File("solutions");
    fs::create_directories(other);
    m_files.Choose(m_dir.File("puzzles/heart.puz").u16string());
    ASSERT_TRUE(Choose(ID_LOAD_PUZZLE));
    m_files.Choose((other / "mine.sol").u16string());
    ASSERT_TRUE(Choose(ID_SAVE_SOLUTION_AS));
    EXPECT_EQ(StoredText(u"folders", u"last"), other.u16string());
    EXPECT_TRUE(fs::is_regular_file(other / "mine.sol"));
}

TEST_F(RememberedTest, AStoredFolderThatIsNoFolderLeavesTheChoiceToTheDialog)
{
    const std::u16string odd[] = {m_dir.File("gone").u16string(), u"relative/folder", u"\x01\x02",
                                  m_dir.Write(std::string("file.txt"), std::string("x")), std::u16string(5000, u'/')};
    for (const std::u16string& strFolder : odd) {
        m_settings.WriteRaw(u"folders", u"last", strFolder);
        m_files.Cancel();
        ASSERT_TRUE(Choose(ID_LOAD_PUZZLE));
        EXPECT_EQ(m_files.Shown().back().strInitialDir, u"") << strFolder.size();
    }
    EXPECT_TRUE(m_boxes.Shown().empty());
}

}  // namespace
