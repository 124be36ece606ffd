// What the commands change behind a dialog, message box or file dialog shows
// as soon as it closes: closing it repaints the whole frame.
#include "tests/app/DialogFixture.h"

namespace {

using trellis::test::HeartWriter;
using trellis::test::ModelPath;
using trellis::test::PuzzleFileWriter;

class RepaintTest : public DialogFixture {
protected:
    // A square's fill, read at the bottom-right corner of its interior, where
    // neither number nor letter reaches.
    COLORREF Fill(int nCol, int nRow)
    {
        const CRect rc = Grid().GetSquareRect(nCol, nRow);
        return Testing::PixelAt(&Grid(), rc.right - 1, rc.bottom - 1);
    }
    // Pixels of the square drawn in anything but its fill: its number and letter.
    int Ink(int nCol, int nRow)
    {
        const CRect rc = Grid().GetSquareRect(nCol, nRow);
        return rc.Width() * rc.Height() - Testing::CountPixels(&Grid(), rc, Fill(nCol, nRow));
    }
    COLORREF Slot(int nSlot) { return Grid().m_colors[nSlot]; }

    static constexpr int kBackground = 1;
    static constexpr int kWordBackground = 4;
    static constexpr int kSquareBackground = 5;
    static constexpr int kSolid = 7;
};

TEST_F(RepaintTest, ASecondPuzzleOfTheSameSizeIsShownAlsoWhereItScrollsIntoView)
{
    LoadPuzzle(Big(), "first.puz"); // 15 x 15, black only at the top left
    std::vector<std::string> rows(15, std::string(15, 'B'));
    rows[0][2] = rows[14][14] = '#';
    LoadPuzzle(PuzzleFileWriter(rows), "second.puz");
    EXPECT_EQ(Fill(0, 0), Slot(kSquareBackground));
    EXPECT_EQ(Fill(1, 0), Slot(kWordBackground));
    EXPECT_EQ(Fill(2, 0), Slot(kSolid));
    EXPECT_EQ(Fill(3, 0), Slot(kBackground));
    CCrossWnd& cross = PuzzleWnd().m_wndCross;
    ASSERT_TRUE(Testing::ScrollBarAction(&cross, SB_HORZ, SB_BOTTOM));
    ASSERT_TRUE(Testing::ScrollBarAction(&cross, SB_VERT, SB_BOTTOM));
    Testing::RunUntilIdle();
    EXPECT_EQ(Fill(14, 14), Slot(kSolid));
    EXPECT_EQ(Fill(13, 14), Slot(kBackground));
}

TEST_F(RepaintTest, LoadSolutionShowsTheRestoredLetters)
{
    LoadPuzzle(HeartWriter());
    Type(u"HEA");
    m_files.Choose(ModelPath(m_dir.File("heart.sol")));
    ASSERT_TRUE(Choose(ID_SAVE_SOLUTION_AS));
    ASSERT_TRUE(Choose(ID_CLEAR_PUZZLE));
    ASSERT_EQ(Ink(0, 0), 0);

    m_files.Choose(ModelPath(m_dir.File("heart.sol")));
    ASSERT_TRUE(Choose(ID_LOAD_SOLUTION));
    for (int nCol : { 0, 1, 2 })
        EXPECT_GT(Ink(nCol, 0), 0) << nCol;
    EXPECT_EQ(Ink(3, 0), 0);
}

TEST_F(RepaintTest, OptionsOkShowsTheSelectionBackAtTheStartAndTheNumbers)
{
    LoadBigPuzzle();
    ASSERT_EQ(Fill(5, 4), Slot(kSquareBackground));
    Open(ID_OPTIONS_GENERAL, [](CDialog& dlg) {
        Testing::Click(dlg, IDC_NUMBERS);
        Testing::PressOK(dlg);
    });
    // The old word lost its highlight; the first one has it.
    EXPECT_EQ(Fill(5, 4), Slot(kBackground));
    EXPECT_EQ(Fill(1, 0), Slot(kSquareBackground));
    EXPECT_EQ(Fill(2, 0), Slot(kWordBackground));
    // Numbers where words start, nothing elsewhere.
    EXPECT_GT(Ink(1, 0), 0);
    EXPECT_GT(Ink(0, 1), 0);
    EXPECT_EQ(Ink(5, 4), 0);
}

TEST_F(RepaintTest, FontOkShowsTheNewLetterSizeInEverySquare)
{
    LoadPuzzle(HeartWriter());
    Type(u"HE");
    const int nH = Ink(0, 0);
    const int nE = Ink(1, 0);
    ASSERT_GT(nH, 0);
    Open(ID_OPTIONS_FONT, [](CDialog& dlg) {
        Testing::TypeInto(dlg, IDC_LETTER_SIZE, u"16");
        Testing::PressOK(dlg);
    });
    EXPECT_GT(Ink(0, 0), nH);
    EXPECT_GT(Ink(1, 0), nE);
}

} // namespace
