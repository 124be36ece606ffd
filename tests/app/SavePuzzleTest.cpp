// SPDX-License-Identifier: MIT
// File > Save Puzzle As ...: the puzzle with the player's letters written as
// .puz or .ipuz, never over a file without asking, and what the format
// could not hold said in one message box.

#include "tests/app/AppFixture.h"

#include "model/PuzzleSourceReader.h"
#include "model/PuzzleSourceWriter.h"

#include <algorithm>
#include <vector>

namespace trellis::test {
namespace {

TEST_F(AppTest, SavePuzzleAsIsOfferedOnlyWithAPuzzle)
{
    Start();
    EXPECT_FALSE(Testing::IsMenuItemEnabled(Frame(), ID_SAVE_PUZZLE_AS));
    LoadPuzzle(HeartWriter());
    EXPECT_TRUE(Testing::IsMenuItemEnabled(Frame(), ID_SAVE_PUZZLE_AS));
    // Right after the File menu's own items, which end with Exit, in both menus.
    for (int nState = 0; nState < 2; ++nState) {
        const std::vector<std::u16string> items = Testing::MenuItemTexts(Frame(), 0);
        const auto exit = std::find(items.begin(), items.end(), u"Exit");
        ASSERT_LE(exit + 3, items.end());
        EXPECT_EQ(std::vector<std::u16string>(exit, exit + 3),
                  (std::vector<std::u16string> {u"Exit", u"", u"Save Puzzle As ..."}));
        ASSERT_TRUE(Choose(ID_TOGGLE_MENUS));
    }
}

TEST_F(AppTest, SavePuzzleAsWritesThePlayersLettersAsIpuz)
{
    Start();
    LoadPuzzle(HeartWriter(), "heart.puz");
    Type(u"HEAR");
    const std::u16string strPath = ModelPath(m_dir.File("heart.ipuz"));
    m_files.Choose(strPath);
    ASSERT_TRUE(Choose(ID_SAVE_PUZZLE_AS));

    ASSERT_EQ(m_files.Shown().size(), 2u);
    const Testing::FileDialogRecord& dialog = m_files.Shown()[1];
    EXPECT_FALSE(dialog.bOpen);
    EXPECT_EQ(dialog.strDefExt, u"puz");
    EXPECT_EQ(dialog.strFileName, ModelPath(m_dir.File("heart.puz")));
    EXPECT_NE(dialog.dwFlags & OFN_OVERWRITEPROMPT, 0u);
    EXPECT_EQ(dialog.filters,
              (std::vector<std::u16string> {u"Puzzle Files (*.puz) (*.puz)", u"ipuz Puzzle Files (*.ipuz) (*.ipuz)"}));
    // The letters started the clock, whose time an .ipuz file has no room for.
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_EQ(m_boxes.Shown()[0].strText, strPath + u" was saved, but:\n- the timer cannot be kept in an .ipuz file");

    CPuzzleSource saved;
    std::u16string error;
    ASSERT_TRUE(ReadPuzzleSource(strPath, saved, error)) << ToUtf8(error);
    EXPECT_EQ(ToUtf8(saved.At(0, 0).m_strFill + saved.At(1, 0).m_strFill + saved.At(2, 0).m_strFill +
                     saved.At(3, 0).m_strFill + saved.At(4, 0).m_strFill),
              "HEAR");
    EXPECT_EQ(ToUtf8(saved.At(4, 4).m_strSolution), "D");
    // The puzzle stays the one opened.
    EXPECT_EQ(theApp.GetPuzzle()->m_strFileName, ModelPath(m_dir.File("heart.puz")));
}

TEST_F(AppTest, SavePuzzleAsAsksBeforeReplacingTheOpenedFile)
{
    Start();
    const std::u16string strOpened = LoadPuzzle(HeartWriter(), "heart.puz");
    const std::string original = TempDir::Read(m_dir.File("heart.puz"));
    Type(u"HE");

    // The proposed name is the opened file: No keeps it as it was.
    m_files.Choose(strOpened);
    m_files.Cancel();
    m_boxes.Answer(IDNO);
    ASSERT_TRUE(Choose(ID_SAVE_PUZZLE_AS));
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_EQ(m_boxes.Shown()[0].strText, strOpened + u" already exists.\nDo you want to replace it?");
    EXPECT_EQ(TempDir::Read(m_dir.File("heart.puz")), original);

    // Yes replaces it with the letters in its state grid.
    m_files.Choose(strOpened);
    m_boxes.Answer(IDYES);
    ASSERT_TRUE(Choose(ID_SAVE_PUZZLE_AS));
    CCrossWordPuzzle again;
    std::u16string error;
    ASSERT_TRUE(again.LoadPuzzle(strOpened, error)) << ToUtf8(error);
    EXPECT_EQ(again.GetSquare(1, 0).m_chLetter, u'E');
    EXPECT_TRUE(again.GetSquare(1, 0).m_bFilled);
    EXPECT_FALSE(again.GetSquare(2, 0).m_bFilled);
}

TEST_F(AppTest, SavePuzzleAsSaysInOneBoxWhatTheFormatLeftOut)
{
    Start();
    // A timer and a shown letter, which .ipuz files do not keep.
    std::string flags(25, '\0');
    flags[0] = '\x40';
    LoadPuzzle(HeartWriter()
                   .State({"H----", "-----", "-----", "-----", "-----"})
                   .Section("LTIM", "30,1")
                   .Section("GEXT", flags));
    const std::u16string strPath = ModelPath(m_dir.File("out.ipuz"));
    m_files.Choose(strPath);
    m_boxes.Answer(IDOK);
    ASSERT_TRUE(Choose(ID_SAVE_PUZZLE_AS));
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_EQ(m_boxes.Shown()[0].strText,
              strPath + u" was saved, but:\n"
                        u"- the player's marks (shown letters, letters checked wrong) cannot be kept in an .ipuz file\n"
                        u"- the timer cannot be kept in an .ipuz file");
    EXPECT_EQ(m_boxes.Shown()[0].Icon(), UINT(MB_ICONEXCLAMATION));
    EXPECT_TRUE(std::filesystem::exists(m_dir.File("out.ipuz")));
}

TEST_F(AppTest, SavePuzzleAsSaysWhyAWriteFailed)
{
    Start();
    LoadPuzzle(HeartWriter());
    const std::u16string strNowhere = ModelPath(m_dir.File("no-such-folder/x.puz"));
    m_files.Choose(strNowhere);
    ASSERT_TRUE(Choose(ID_SAVE_PUZZLE_AS));
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_EQ(m_boxes.Shown()[0].Icon(), UINT(MB_ICONSTOP));
    EXPECT_EQ(m_boxes.Shown()[0].strText.rfind(u"cannot create file '" + strNowhere + u"'", 0), 0u);

    // A name of another type is refused, not written.
    m_files.Choose(ModelPath(m_dir.File("x.txt")));
    ASSERT_TRUE(Choose(ID_SAVE_PUZZLE_AS));
    ASSERT_EQ(m_boxes.Shown().size(), 2u);
    EXPECT_EQ(m_boxes.Shown()[1].strText,
              ModelPath(m_dir.File("x.txt")) + u": puzzles are written as .puz or .ipuz files only");
    EXPECT_FALSE(std::filesystem::exists(m_dir.File("x.txt")));
}

TEST_F(AppTest, SavePuzzleAsKeepsABarredGridInIpuzAndSaysWhatPuzLeavesOut)
{
    Start();
    // Two words across, split by a bar: "AB" and "CD".
    const std::u16string strOpened = m_dir.Write(
        std::string("bars.ipuz"), std::string(R"({"version":"http://ipuz.org/v2","kind":["http://ipuz.org/crossword#1"],
            "dimensions":{"width":4,"height":1},
            "puzzle":[[1,{"cell":0,"style":{"barred":"R"}},2,0]],
            "solution":[["A","B","C","D"]],
            "clues":{"Across":[[1,"First"],[2,"Second"]]}})"));
    m_files.Choose(strOpened);
    ASSERT_TRUE(Choose(ID_LOAD_PUZZLE));
    ASSERT_NE(theApp.GetPuzzle(), nullptr);
    Type(u"AB");

    const std::u16string strIpuz = ModelPath(m_dir.File("again.ipuz"));
    m_files.Choose(strIpuz);
    ASSERT_TRUE(Choose(ID_SAVE_PUZZLE_AS));
    EXPECT_EQ(m_files.Shown().back().strFileName, ModelPath(m_dir.File("bars.puz")));
    // Only the time is left out.
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_NE(m_boxes.Shown()[0].strText.find(u"the timer"), std::u16string::npos);
    CPuzzleSource saved;
    std::u16string error;
    ASSERT_TRUE(ReadPuzzleSource(strIpuz, saved, error)) << ToUtf8(error);
    EXPECT_TRUE(saved.At(1, 0).m_bBarRight);
    EXPECT_EQ(ToUtf8(saved.At(0, 0).m_strFill + saved.At(1, 0).m_strFill), "AB");
    ASSERT_EQ(saved.m_aLists.size(), 1u);
    EXPECT_EQ(ToUtf8(saved.m_aLists[0].m_aClues[1].m_strText), "Second");

    const std::u16string strPuz = ModelPath(m_dir.File("again.puz"));
    m_files.Choose(strPuz);
    m_boxes.Answer(IDOK);
    ASSERT_TRUE(Choose(ID_SAVE_PUZZLE_AS));
    ASSERT_EQ(m_boxes.Shown().size(), 2u);
    EXPECT_NE(m_boxes.Shown()[1].strText.find(u"bars between squares cannot be kept in a .puz file"),
              std::u16string::npos);
    EXPECT_EQ(TempDir::Read(m_dir.File("again.puz")).substr(0x34, 8), "ABCDAB--");
}

}  // namespace
}  // namespace trellis::test
