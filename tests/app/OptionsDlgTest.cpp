// SPDX-License-Identifier: MIT
#include "app/OptionsDlg.h"
#include "tests/app/DialogFixture.h"

namespace {

using OptionsDlgTest = DialogFixture;

TEST_F(OptionsDlgTest, CancelChangesNothingButWritesEverySetting)
{
    Open(ID_OPTIONS_GENERAL, [](CDialog& dlg) {
        Testing::TypeInto(dlg, IDC_SQUARE_SIZE, u"30");
        Testing::Click(dlg, IDC_CHECK_ENTERED);
        Testing::PressCancel(dlg);
    });
    EXPECT_EQ(Grid().GetSquareSize(), 20);
    EXPECT_EQ(theApp.GetSolveMode(), 1);
    const std::pair<LPCTSTR, int> stored[] = {{u"mode", 1},    {u"number", 6}, {u"letter", 10},  {u"square", 20},
                                              {u"numbers", 0}, {u"input", 1},  {u"cluesize", 38}};
    for (const auto& [pszEntry, nValue] : stored)
        EXPECT_EQ(Stored(u"options", pszEntry), nValue) << trellis::test::ToUtf8(pszEntry);
    EXPECT_EQ(Stored(u"color", u"7"), 0);  // "Solid", black
}

TEST_F(OptionsDlgTest, OkHandsThePuzzleOverAgainAndAppliesTheFields)
{
    LoadBigPuzzle();
    Testing::ScrollBarAction(&PuzzleWnd().GetCross(), SB_HORZ, SB_PAGEDOWN);
    ASSERT_NE(PuzzleWnd().GetCross().GetScrollOffset(), CPoint(0, 0));
    CRect rcBefore;
    PuzzleWnd().GetCross().GetWindowRect(&rcBefore);
    Open(ID_OPTIONS_GENERAL, [](CDialog& dlg) { Testing::PressOK(dlg); });
    EXPECT_EQ(Grid().GetSelectedSquare(), CPoint(1, 0));
    EXPECT_EQ(PuzzleWnd().GetCross().GetScrollOffset(), CPoint(0, 0));

    Open(ID_OPTIONS_GENERAL, [](CDialog& dlg) {
        Testing::TypeInto(dlg, IDC_SQUARE_SIZE, u"12");
        for (int nID : {IDC_CHECK_ENTERED, IDC_NUMBERS, IDC_INPUT_WINDOW})
            Testing::Click(dlg, nID);
        Testing::PressOK(dlg);
    });
    EXPECT_EQ(Grid().GetSquareSize(), 12);
    EXPECT_EQ(theApp.GetSolveMode(), 0);
    EXPECT_TRUE(Grid().GetShowNumbers());
    EXPECT_EQ(Stored(u"options", u"input"), 0);
    // The input pane's room goes to the grid.
    CRect rcAfter, rcInput;
    PuzzleWnd().GetCross().GetWindowRect(&rcAfter);
    PuzzleWnd().GetInput().GetWindowRect(&rcInput);
    EXPECT_TRUE(rcInput.IsRectEmpty());
    EXPECT_EQ(rcAfter.Height(), rcBefore.Height() + PuzzleWnd().GetInputHeight());
}

TEST_F(OptionsDlgTest, GroupBoxesFrameTheirControlsWithTheTitleInTheTopLine)
{
    Open(ID_OPTIONS_GENERAL, [](CDialog& dlg) {
        auto mapped = [&dlg](int x, int y, int cx, int cy) {
            CRect rc(x, y, x + cx, y + cy);
            dlg.MapDialogRect(&rc);
            return rc;
        };
        auto pixel = [&dlg](int x, int y) { return Testing::DialogPixel(dlg, x, y); };
        const COLORREF face = pixel(1, 1);
        const std::pair<CRect, std::vector<int>> groups[] = {
            {mapped(7, 34, 120, 32), {IDC_CHECK_ENTERED, IDC_CHECK_REQUEST}},
            {mapped(7, 71, 120, 21), {IDC_NUMBERS, IDC_INPUT_WINDOW}},
            {mapped(7, 95, 120, 20), {IDC_CLUE_SMALL, IDC_CLUE_LARGE}},
        };
        for (const auto& [box, controls] : groups) {
            // Left, right and bottom edges on the template rectangle.
            const int yMiddle = box.CenterPoint().y;
            EXPECT_NE(pixel(box.left, yMiddle), face) << box.top;
            EXPECT_NE(pixel(box.right - 1, yMiddle), face) << box.top;
            EXPECT_NE(pixel(box.CenterPoint().x, box.bottom - 1), face) << box.top;
            // The top line, found right of the title, runs above every control...
            int yLine = box.top;
            while (yLine < box.bottom && pixel(box.right - 5, yLine) == face)
                ++yLine;
            for (int nID : controls)
                EXPECT_LT(yLine, Testing::ControlRect(dlg, nID).top) << box.top << " " << nID;
            // ... and the title interrupts it.
            const int nLine = Testing::CountDialogPixels(dlg, CRect(box.left, yLine, box.right, yLine + 1),
                                                         pixel(box.right - 5, yLine));
            EXPECT_LT(nLine, box.Width() - 20) << box.top;
        }
        Testing::PressCancel(dlg);
    });
}

TEST_F(OptionsDlgTest, StoredClueHeightIsKeptUntilARadioIsClicked)
{
    m_settings.WriteRaw(u"options", u"cluesize", u"25");
    theApp.LoadSettings();
    Open(ID_OPTIONS_GENERAL, [](CDialog& dlg) {
        EXPECT_EQ(static_cast<CButton*>(dlg.GetDlgItem(IDC_CLUE_LARGE))->GetCheck(), static_cast<int>(BST_CHECKED));
        EXPECT_EQ(static_cast<CButton*>(dlg.GetDlgItem(IDC_CLUE_SMALL))->GetCheck(), static_cast<int>(BST_UNCHECKED));
        Testing::PressOK(dlg);
    });
    EXPECT_EQ(Stored(u"options", u"cluesize"), 25);
    for (const auto& [nID, nHeight] : {std::pair {IDC_CLUE_SMALL, 20}, std::pair {IDC_CLUE_LARGE, 38}}) {
        Open(ID_OPTIONS_GENERAL, [nID = nID](CDialog& dlg) {
            Testing::Click(dlg, nID);
            Testing::PressOK(dlg);
        });
        EXPECT_EQ(PuzzleWnd().GetClueHeight(), nHeight);
        EXPECT_EQ(Stored(u"options", u"cluesize"), nHeight);
    }
}

TEST_F(OptionsDlgTest, SquareSizeOutsideTwoToSixtyFourIsRefused)
{
    Open(ID_OPTIONS_GENERAL, [this](CDialog& dlg) {
        for (const char16_t* pszSize : {u"1", u"65"}) {
            Testing::TypeInto(dlg, IDC_SQUARE_SIZE, pszSize);
            ExpectRefused(dlg, IDC_SQUARE_SIZE, u"2 and 64");
        }
        Testing::TypeInto(dlg, IDC_SQUARE_SIZE, u"64");
        Testing::PressOK(dlg);
    });
    EXPECT_EQ(Grid().GetSquareSize(), 64);
}

}  // namespace
