// SPDX-License-Identifier: MIT
// Files from the desktop: given on the command line, dropped on the window,
// and the puzzle's title in the window's title.
#include "tests/app/AppFixture.h"

#include "platform/testing/TestingDrop.h"
#include "tests/support/PuzzleState.h"
#include "tests/support/SmallPuzzles.h"

namespace trellis::test {
namespace {

class DesktopTest : public AppTest {
protected:
    std::u16string WritePuzzle(const PuzzleFileWriter& writer, const std::string& name)
    {
        return m_dir.Write(name, writer.Bytes());
    }
    // A solution of the puzzle with the letter in its top-left square.
    std::u16string WriteSolution(const PuzzleFileWriter& writer, const std::string& name, char16_t ch)
    {
        const auto pPuzzle = writer.Load(m_dir, "for-" + name + ".puz");
        SetLetter(*pPuzzle, 0, 0, ch);
        const std::u16string strPath = ModelPath(m_dir.File(name));
        EXPECT_TRUE(pPuzzle->SaveSolution(strPath));
        return strPath;
    }
    std::u16string Title()
    {
        CString str;
        Frame().GetWindowText(str);
        return str;
    }
    // Dropped over the middle of the grid's pane, then the posted message handled.
    BOOL Drop(const std::vector<std::u16string>& items)
    {
        const BOOL bTaken = Testing::DropItems(&PuzzleWnd().GetCross(), CPoint(100, 60), items);
        Testing::RunUntilIdle();
        return bTaken;
    }
    // Ink of a letter in the square (0, 0) as shown, whatever its colours.
    int LetterInk()
    {
        const CRect rc = Grid().GetSquareRect(0, 0);
        const COLORREF crBack = Testing::PixelAt(&Grid(), rc.right - 1, rc.bottom - 1);
        return rc.Width() * rc.Height() - Testing::CountPixels(&Grid(), rc, crBack);
    }
};

// The start puzzle is read ahead, as main() has it read: its result is taken
// once, for its own path, and later loads read the file again.
TEST_F(DesktopTest, AFileThatFailsAtStartSaysWhatTheMenuSaysAndTheProgramRuns)
{
    // A missing puzzle: its message, and no solution is tried without a puzzle.
    const std::u16string strMissing = ModelPath(m_dir.File("gone.puz"));
    theApp.SetStartFiles(strMissing, ModelPath(m_dir.File("gone.sol")));
    theApp.ReadStartPuzzleAhead();
    Start();
    EXPECT_EQ(theApp.GetPuzzle(), nullptr);
    EXPECT_EQ(Title(), u"trellis");
    m_files.Choose(strMissing);
    ASSERT_TRUE(Choose(ID_LOAD_PUZZLE));
    ASSERT_EQ(m_boxes.Shown().size(), 2u);
    EXPECT_EQ(m_boxes.Shown()[0].strText, m_boxes.Shown()[1].strText);
    EXPECT_EQ(m_boxes.Shown()[0].nType, m_boxes.Shown()[1].nType);
    EXPECT_TRUE(Testing::IsMenuItemEnabled(Frame(), ID_LOAD_PUZZLE));

    // A solution of another puzzle: the model's own message; the puzzle stays.
    TearDown();
    theApp.SetStartFiles(WritePuzzle(HeartWriter(), "heart.puz"),
                         WriteSolution(PuzzleFileWriter({"AB", "CD"}), "other.sol", u'Q'));
    theApp.ReadStartPuzzleAhead();
    Start();
    ASSERT_NE(theApp.GetPuzzle(), nullptr);
    ASSERT_EQ(m_boxes.Shown().size(), 3u);
    EXPECT_NE(m_boxes.Shown()[2].strText.find(u"does not match"), std::u16string::npos);
    EXPECT_FALSE(theApp.GetPuzzle()->GetSquare(0, 0).m_bFilled);
}

TEST_F(DesktopTest, TheWindowTitleNamesThePuzzleWhileOneIsLoaded)
{
    Start();
    EXPECT_EQ(Title(), u"trellis");
    LoadPuzzle(HeartWriter().Title("Heart\tof\x1fgold"));
    EXPECT_EQ(Title(), u"trellis - Heart of gold");
    LoadPuzzle(HeartWriter().Title(" "), "untitled.puz");
    EXPECT_EQ(Title(), u"trellis - untitled.puz");
    m_files.Choose(m_dir.Write(std::string("bad.puz"), std::string("not a puzzle")));
    ASSERT_TRUE(Choose(ID_LOAD_PUZZLE));
    EXPECT_EQ(Title(), u"trellis");
    EXPECT_EQ(Frame().GetTitle(), CString(u"trellis"));
}

TEST_F(DesktopTest, DroppedPuzzlesAndSolutionsLoadAndOtherThingsChangeNothing)
{
    Start();
    // Files that are neither do nothing.
    const std::u16string strSolution = WriteSolution(HeartWriter(), "heart.sol", u'Z');
    EXPECT_TRUE(Drop({WritePuzzle(HeartWriter(), "notes.txt")}));
    EXPECT_EQ(theApp.GetPuzzle(), nullptr);
    EXPECT_TRUE(m_boxes.Shown().empty());

    EXPECT_TRUE(Drop({WritePuzzle(HeartWriter(), "HEART.PUZ")}));
    ASSERT_NE(theApp.GetPuzzle(), nullptr);
    EXPECT_EQ(ClueText().Left(3), CString(u"1A:"));
    EXPECT_EQ(LetterInk(), 0);
    EXPECT_TRUE(Drop({strSolution}));
    EXPECT_EQ(theApp.GetPuzzle()->GetSquare(0, 0).m_chLetter, u'Z');
    EXPECT_GT(LetterInk(), 0);

    // A second puzzle with a solution of another grid: the puzzle loads, the
    // solution is refused with the model's message.
    const std::u16string strHoles =
        WritePuzzle(PuzzleFileWriter({"#EART", "EMBER", "ABUSE", "RESIN", "TREND"}), "holes.puz");
    EXPECT_TRUE(Drop({strHoles, WriteSolution(PuzzleFileWriter({"AB", "CD"}), "small.sol", u'Q')}));
    ASSERT_NE(theApp.GetPuzzle(), nullptr);
    EXPECT_EQ(theApp.GetPuzzle()->m_strFileName, strHoles);
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_NE(m_boxes.Shown()[0].strText.find(u"does not match"), std::u16string::npos);

    // A broken puzzle says what Load Puzzle says and leaves none.
    EXPECT_TRUE(Drop({m_dir.Write(std::string("bad.puz"), std::string("not a puzzle"))}));
    EXPECT_EQ(theApp.GetPuzzle(), nullptr);
    ASSERT_EQ(m_boxes.Shown().size(), 2u);
    EXPECT_NE(m_boxes.Shown()[1].strText.find(u"invalid puzzle file"), std::u16string::npos);
    EXPECT_EQ(Title(), u"trellis");

    // A solution alone, with no puzzle shown, opens the puzzle it belongs to,
    // known by its content, not by its name.
    const std::u16string strRenamed = ModelPath(m_dir.File("renamed.puz"));
    std::filesystem::copy_file(m_dir.File("heart.sol"), m_dir.File("renamed.puz"));
    EXPECT_TRUE(Drop({strRenamed}));
    ASSERT_NE(theApp.GetPuzzle(), nullptr);
    EXPECT_EQ(theApp.GetPuzzle()->m_strFileName, ModelPath(m_dir.File("for-heart.sol.puz")));
    EXPECT_EQ(theApp.GetPuzzle()->GetSquare(0, 0).m_chLetter, u'Z');
    EXPECT_GT(LetterInk(), 0);
    EXPECT_EQ(m_boxes.Shown().size(), 2u);
}

// "trellis x.sol" opens the puzzle it was saved for (the end-to-end suite
// shows it); with that puzzle gone, the message, and no puzzle.
TEST_F(DesktopTest, ASolutionFileOnTheCommandLineWhosePuzzleIsGoneSaysSo)
{
    const std::u16string strSolution = WriteSolution(HeartWriter(), "x.sol", u'Q');
    std::filesystem::remove(m_dir.File("for-x.sol.puz"));
    theApp.SetStartFiles(strSolution, CString());
    Start();
    EXPECT_EQ(theApp.GetPuzzle(), nullptr);
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_EQ(m_boxes.Shown()[0].strText, strSolution + u" is a solution file; open its puzzle first.");
}

TEST_F(DesktopTest, EveryFormatOpensFromTheCommandLineTheMenuAndADrop)
{
    const std::u16string strIpuz = m_dir.Write(std::string("small.ipuz"), SmallPuzzleBytes(EPuzzleFormat::Ipuz));
    // A solution of the same grid and answers from its .puz twin serves it.
    const std::u16string strSolution = WriteSolution(PuzzleFileWriter({"AB", "CD"}), "small.sol", u'Z');
    theApp.SetStartFiles(strIpuz, strSolution);
    Start();
    ASSERT_NE(theApp.GetPuzzle(), nullptr);
    EXPECT_EQ(Title(), u"trellis - Small");
    EXPECT_EQ(ClueText(), CString(u"1A: ab"));
    EXPECT_EQ(theApp.GetPuzzle()->GetSquare(0, 0).m_chLetter, u'Z');
    EXPECT_TRUE(m_boxes.Shown().empty());

    // Load Puzzle takes a file by its content, whatever its name.
    LoadPuzzle(SmallPuzzleBytes(EPuzzleFormat::Xd), "small.txt");
    ASSERT_NE(theApp.GetPuzzle(), nullptr);
    EXPECT_EQ(theApp.GetPuzzle()->m_strFileName, ModelPath(m_dir.File("small.txt")));
    EXPECT_EQ(Title(), u"trellis - Small");

    // Dropped: a zipped .jpz, the first puzzle among the files.
    const std::u16string strZipped =
        m_dir.Write(std::string("zipped.jpz"), StoredZip({{"small.jpz", SmallPuzzleBytes(EPuzzleFormat::Jpz)}}));
    EXPECT_TRUE(Drop({m_dir.Write(std::string("readme.txt"), std::string("words")), strZipped, strIpuz}));
    ASSERT_NE(theApp.GetPuzzle(), nullptr);
    EXPECT_EQ(theApp.GetPuzzle()->m_strFileName, strZipped);
    for (const char* pszName : {"drop.XD", "drop.ipuz"}) {
        const std::u16string strPath = m_dir.Write(std::string(pszName), SmallPuzzleBytes(EPuzzleFormat::Xd));
        EXPECT_TRUE(Drop({strPath}));
        ASSERT_NE(theApp.GetPuzzle(), nullptr);
        EXPECT_EQ(theApp.GetPuzzle()->m_strFileName, strPath);
    }
    EXPECT_TRUE(m_boxes.Shown().empty());
}

}  // namespace
}  // namespace trellis::test
