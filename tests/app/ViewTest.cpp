// SPDX-License-Identifier: MIT
// The View menu: zoom in steps, to the default and to fit, kept as the
// square size; the puzzle's notes in their own dialog, in About Puzzle and
// once in the clue bar; About Puzzle's texts shown whole.
#include "tests/app/DialogFixture.h"

#include <algorithm>
#include <filesystem>

namespace {

using trellis::test::HeartWriter;
using trellis::test::PuzzleFileWriter;

class ViewTest : public DialogFixture {
protected:
    int SquareSize() { return Grid().GetSquareSize(); }
    void Zoom(UINT nCommand) { ASSERT_TRUE(Choose(nCommand)); }
    static PuzzleFileWriter WithNotes(const std::string& strNotes) { return HeartWriter().Notes(strNotes); }
};

TEST_F(ViewTest, ZoomStepsThroughTheRangeAndBackAndKeepsTheSizeAsTheSquareSetting)
{
    LoadBigPuzzle();  // (5, 4) selected
    // Up to the top of the range in steps that each grow the squares, by a
    // few pixels at a time and never by half; each size stored at once, as
    // the Options dialog's square size; the selection stays.
    std::vector<int> sizes = {SquareSize()};
    while (Testing::IsMenuItemEnabled(Frame(), ID_VIEW_ZOOM_IN) && sizes.size() < 64) {
        Zoom(ID_VIEW_ZOOM_IN);
        EXPECT_GT(SquareSize(), sizes.back());
        EXPECT_LT(SquareSize() * 2, sizes.back() * 3);
        EXPECT_EQ(Stored(u"options", u"square"), SquareSize());
        sizes.push_back(SquareSize());
    }
    EXPECT_EQ(sizes.back(), 64);
    EXPECT_GE(sizes.size(), 5u);  // steps, not a jump
    EXPECT_EQ(Grid().GetSelectedSquare(), CPoint(5, 4));  // unlike a new size from Options
    // Back down through the same sizes, and on to the bottom of the range.
    for (auto it = sizes.rbegin() + 1; it != sizes.rend(); ++it) {
        Zoom(ID_VIEW_ZOOM_OUT);
        EXPECT_EQ(SquareSize(), *it);
    }
    while (Testing::IsMenuItemEnabled(Frame(), ID_VIEW_ZOOM_OUT) && SquareSize() > 2)
        Zoom(ID_VIEW_ZOOM_OUT);
    EXPECT_EQ(SquareSize(), 2);
    EXPECT_FALSE(Testing::IsMenuItemEnabled(Frame(), ID_VIEW_ZOOM_OUT));
    Zoom(ID_VIEW_ACTUAL_SIZE);
    EXPECT_EQ(SquareSize(), 20);
    EXPECT_EQ(Stored(u"options", u"square"), 20);

    // A size between two steps, as Options may set it, goes to a neighbour.
    Grid().SetSquareSize(23);
    Zoom(ID_VIEW_ZOOM_IN);
    EXPECT_GT(SquareSize(), 23);
    Grid().SetSquareSize(23);
    Zoom(ID_VIEW_ZOOM_OUT);
    EXPECT_LT(SquareSize(), 23);

    // The next start shows the last size.
    Zoom(ID_VIEW_ZOOM_IN);
    const int nLast = SquareSize();
    Restart();
    EXPECT_EQ(SquareSize(), nLast);
}

TEST_F(ViewTest, FitNeedsAPuzzleAndTakesTheLargestSizeThatShowsItWhole)
{
    EXPECT_FALSE(Testing::IsMenuItemEnabled(Frame(), ID_VIEW_FIT));
    // Without a puzzle the size still changes, for the next one.
    Zoom(ID_VIEW_ZOOM_IN);
    EXPECT_GT(SquareSize(), 20);
    LoadPuzzle(HeartWriter());
    // 5 x 5 in the 240 x 190 grid pane (the full menus take no room from
    // it): 16 + 5 x 34 = 186 fits the height, 35 would need 191.
    Zoom(ID_VIEW_FIT);
    EXPECT_EQ(SquareSize(), 34);
    EXPECT_EQ(Stored(u"options", u"square"), 34);
}

// The wheel's zoom steps are the window's and the end-to-end suite's.
TEST_F(ViewTest, TheKeysZoomInStepsToTheDefaultAndToFit)
{
    LoadBigPuzzle();
    // The size of a step in, as the View menu takes it.
    Zoom(ID_VIEW_ZOOM_IN);
    const int nOneIn = SquareSize();
    Zoom(ID_VIEW_ACTUAL_SIZE);

    Frame().SetFocus();
    Testing::PressKeys(Testing::KEY_CONTROL, VK_OEM_PLUS);
    EXPECT_EQ(SquareSize(), nOneIn);
    Testing::PressKeys(Testing::KEY_CONTROL, VK_OEM_MINUS);
    EXPECT_EQ(SquareSize(), 20);
    Testing::PressKeys(Testing::KEY_CONTROL, '9');
    EXPECT_EQ(SquareSize(), 10);  // 15 x 15 in 240 x 190: 36 + 15 x 10 = 186
    Testing::PressKeys(Testing::KEY_CONTROL, '0');
    EXPECT_EQ(SquareSize(), 20);
}

TEST_F(ViewTest, NotesComeOnlyWithAPuzzleThatHasThemOnceInTheClueBarAndWholeInTheirDialog)
{
    LoadPuzzle(HeartWriter());
    EXPECT_FALSE(Testing::IsMenuItemEnabled(Frame(), ID_VIEW_NOTES));
    EXPECT_EQ(ClueText(), u"1A: Clue 1");
    LoadPuzzle(WithNotes(" \r\n "));  // blanks say nothing
    EXPECT_FALSE(Testing::IsMenuItemEnabled(Frame(), ID_VIEW_NOTES));

    std::string strNotes = "CONTEST\r\nSend the answer by Friday.";
    for (int i = 0; i < 40; ++i)
        strNotes += " Line " + std::to_string(i) + " of the rules.\r\n";
    LoadPuzzle(WithNotes(strNotes));
    EXPECT_EQ(ClueText().substr(0, 21), u"This puzzle has notes");
    EXPECT_TRUE(Testing::IsMenuItemEnabled(Frame(), ID_VIEW_NOTES));
    Open(ID_VIEW_NOTES, [&](CDialog& dlg) {
        // All of it with its line breaks, up to the last line that says something.
        const std::u16string strShown = Testing::ShownText(dlg, IDC_PUZZLE_NOTES);
        EXPECT_EQ(strShown.substr(0, 33), u"CONTEST\nSend the answer by Friday");
        EXPECT_EQ(std::count(strShown.begin(), strShown.end(), u'\n'), 40);
        EXPECT_EQ(strShown.substr(strShown.size() - 22), u" Line 39 of the rules.");
        Testing::PressCaptionOK(dlg);
    });
    EXPECT_EQ(m_dialogs.Opened().back(), static_cast<UINT>(IDD_NOTES));
    // The note goes with the next word.
    Testing::Tap(&Grid(), Grid().GetSquareRect(0, 2).CenterPoint());
    EXPECT_EQ(ClueText(), u"7A: Clue 8");
}

TEST_F(ViewTest, AboutPuzzleLooksAsEverForShortTextsWithoutNotes)
{
    EXPECT_FALSE(Testing::ChooseMenuItem(Frame(), ID_ABOUT_PUZZLE));
    LoadPuzzle(HeartWriter().Title("A & <i>B</i>").Author("").Copyright("(c) Us"), "x.puz");
    Open(ID_ABOUT_PUZZLE, [](CDialog& dlg) {
        EXPECT_EQ(Testing::ShownText(dlg, IDC_PUZZLE_FILE), u"x.puz");
        EXPECT_EQ(Testing::ShownText(dlg, IDC_PUZZLE_TITLE), u"A & <i>B</i>");  // as written
        EXPECT_EQ(Testing::ShownText(dlg, IDC_PUZZLE_AUTHOR), u"");
        EXPECT_EQ(Testing::ShownText(dlg, IDC_PUZZLE_COPYRIGHT), u"(c) Us");
        CRect rcClient, rcTemplate(0, 0, 142, 159);
        dlg.GetClientRect(&rcClient);
        dlg.MapDialogRect(&rcTemplate);
        EXPECT_EQ(rcClient.Size(), rcTemplate.Size());
        CRect rcOK(37, 138, 87, 152);
        dlg.MapDialogRect(&rcOK);
        EXPECT_EQ(Testing::ControlRect(dlg, IDOK), rcOK);
        EXPECT_FALSE(dlg.GetDlgItem(IDC_PUZZLE_NOTES)->IsWindowVisible());
        EXPECT_FALSE(dlg.GetDlgItem(IDC_NOTES_LABEL)->IsWindowVisible());
        Testing::PressCaptionOK(dlg);
    });
    EXPECT_EQ(m_dialogs.Opened().back(), static_cast<UINT>(IDD_ABOUT_PUZZLE));
}

// Every text static shows its whole text within its rectangle, the
// rectangles one under another without overlapping, all within the dialog.
void ExpectWholeAndInOrder(CDialog& dlg, const std::vector<std::pair<int, std::u16string>>& texts)
{
    CRect rcClient;
    dlg.GetClientRect(&rcClient);
    int nBottom = 0;
    for (const auto& [nID, strText] : texts) {
        BOOL bInside = FALSE;
        std::vector<std::u16string> lines = Testing::ShownLines(dlg, nID, &bInside);
        EXPECT_TRUE(bInside) << nID;
        std::u16string strJoined, strExpected = strText;
        for (const std::u16string& line : lines)
            strJoined += line;
        strJoined.erase(std::remove(strJoined.begin(), strJoined.end(), u' '), strJoined.end());
        strExpected.erase(std::remove(strExpected.begin(), strExpected.end(), u' '), strExpected.end());
        EXPECT_EQ(strJoined, strExpected) << nID;
        const CRect rc = Testing::ControlRect(dlg, nID);
        EXPECT_GE(rc.top, nBottom) << nID;
        nBottom = rc.bottom;
    }
    EXPECT_LE(nBottom, Testing::ControlRect(dlg, IDOK).top);
    EXPECT_LE(Testing::ControlRect(dlg, IDOK).bottom, rcClient.bottom);
}

TEST_F(ViewTest, AboutPuzzleShowsTheTextsOfARealPuzzleWholeAndItsNotes)
{
    const std::filesystem::path file = std::filesystem::path(TRELLIS_CORPUS_DIR) / "puz" / "nyt_jul0719.puz";
    if (!std::filesystem::exists(file))
        GTEST_SKIP() << "no puzzle corpus at " << file << " (set TRELLIS_CORPUS_DIR)";
    m_files.Choose(file.u16string());
    ASSERT_TRUE(Choose(ID_LOAD_PUZZLE));
    const CCrossWordPuzzle* pPuzzle = theApp.GetPuzzle();
    ASSERT_NE(pPuzzle, nullptr);
    // An author and a copyright line too long for one line each.
    ASSERT_EQ(pPuzzle->m_strAuthor, u"Jack Reuter / Will Shortz");
    ASSERT_GT(pPuzzle->m_strCopyright.size(), 40u);
    Open(ID_ABOUT_PUZZLE, [pPuzzle](CDialog& dlg) {
        ExpectWholeAndInOrder(dlg, {{IDC_PUZZLE_FILE, u"nyt_jul0719.puz"},
                                    {IDC_PUZZLE_TITLE, pPuzzle->m_strTitle},
                                    {IDC_PUZZLE_AUTHOR, pPuzzle->m_strAuthor},
                                    {IDC_PUZZLE_COPYRIGHT, pPuzzle->m_strCopyright}});
        // The notes below, in a field that scrolls, above the OK button.
        EXPECT_TRUE(dlg.GetDlgItem(IDC_PUZZLE_NOTES)->IsWindowVisible());
        EXPECT_EQ(Testing::ShownText(dlg, IDC_PUZZLE_NOTES).substr(0, 30), pPuzzle->m_strNotes.substr(0, 30));
        EXPECT_GE(Testing::ControlRect(dlg, IDC_PUZZLE_NOTES).top,
                  Testing::ControlRect(dlg, IDC_PUZZLE_COPYRIGHT).bottom);
        EXPECT_LE(Testing::ControlRect(dlg, IDC_PUZZLE_NOTES).bottom, Testing::ControlRect(dlg, IDOK).top);
        Testing::PressCaptionOK(dlg);
    });
}

TEST_F(ViewTest, AboutPuzzleBreaksAWordTooLongForItsLineAndGrowsForIt)
{
    const std::string strLong = "https://example.com/puzzles/2024/a-very-long-address-that-fits-no-line.puz";
    LoadPuzzle(HeartWriter()
                   .Title("A title of several words that needs more than the four lines the dialog gives it, "
                          "and then some more words to be sure of it, and more")
                   .Author("Someone With A Name")
                   .Copyright(strLong));
    Open(ID_ABOUT_PUZZLE, [&strLong](CDialog& dlg) {
        const CCrossWordPuzzle* pPuzzle = theApp.GetPuzzle();
        ExpectWholeAndInOrder(dlg, {{IDC_PUZZLE_TITLE, pPuzzle->m_strTitle},
                                    {IDC_PUZZLE_AUTHOR, pPuzzle->m_strAuthor},
                                    {IDC_PUZZLE_COPYRIGHT, std::u16string(strLong.begin(), strLong.end())}});
        CRect rcClient, rcTemplate(0, 0, 142, 159);
        dlg.GetClientRect(&rcClient);
        dlg.MapDialogRect(&rcTemplate);
        EXPECT_GT(rcClient.Height(), rcTemplate.Height());
        EXPECT_EQ(rcClient.Width(), rcTemplate.Width());
        Testing::PressCaptionOK(dlg);
    });
}

}  // namespace
