// SPDX-License-Identifier: MIT
#include "app/ColorsDlg.h"
#include "tests/app/DialogFixture.h"

namespace {

using ColorsDlgTest = DialogFixture;

// "name r,g,b" as the dialog shows them, and the swatch's colour.
std::u16string Shown(CDialog& dlg)
{
    return Testing::ShownText(dlg, IDC_COLOR_NAME) + u" " + Testing::ShownText(dlg, IDC_RED) + u"," +
           Testing::ShownText(dlg, IDC_GREEN) + u"," + Testing::ShownText(dlg, IDC_BLUE);
}
COLORREF Swatch(CDialog& dlg)
{
    Testing::RunUntilIdle();
    return Testing::ControlPixel(dlg, IDC_SWATCH, 10, 10);
}

TEST_F(ColorsDlgTest, SelectorStartsOnForegroundAndWrapsRoundBothWays)
{
    Grid().SetColor(0, RGB(1, 2, 3));
    Open(ID_OPTIONS_COLORS, [](CDialog& dlg) {
        EXPECT_EQ(Shown(dlg), u"Foreground 1,2,3");
        EXPECT_EQ(Swatch(dlg), RGB(1, 2, 3));
        // The desktop's slot for the revealed letters' mark follows the eight.
        for (const auto& [bUp, nTimes, pszName] :
             {std::tuple {FALSE, 1, u"Revealed Mark"}, std::tuple {TRUE, 1, u"Foreground"},
              std::tuple {TRUE, 7, u"Solid"}, std::tuple {TRUE, 1, u"Revealed Mark"},
              std::tuple {TRUE, 1, u"Foreground"}, std::tuple {FALSE, 2, u"Solid"}}) {
            Testing::ClickSpin(dlg, IDC_SELECTOR, bUp, nTimes);
            EXPECT_EQ(Testing::ShownText(dlg, IDC_COLOR_NAME), pszName);
        }
        Testing::PressCancel(dlg);
    });
}

TEST_F(ColorsDlgTest, ComponentsOutOfRangeShowTheirLowByteButAreRefused)
{
    Grid().SetColor(0, RGB(0, 0, 0));
    Open(ID_OPTIONS_COLORS, [this](CDialog& dlg) {
        Testing::TypeInto(dlg, IDC_RED, u"300");
        EXPECT_EQ(Swatch(dlg), RGB(44, 0, 0));
        ExpectRefused(dlg, IDC_RED, u"0 and 255");
        Testing::TypeInto(dlg, IDC_GREEN, u"-1");
        EXPECT_EQ(Swatch(dlg), RGB(44, 255, 0));
        ExpectRefused(dlg, IDC_GREEN, u"0 and 255");
        Testing::ClickSpin(dlg, IDC_SELECTOR, TRUE);
        Testing::ClickSpin(dlg, IDC_SELECTOR, FALSE);
        EXPECT_EQ(Shown(dlg), u"Foreground 44,255,0");
        Testing::PressOK(dlg);
    });
    EXPECT_EQ(Grid().GetColor(0), RGB(44, 255, 0));
}

TEST_F(ColorsDlgTest, ResetKeepsTheSlotAndCancelKeepsTheGridButSaves)
{
    Grid().SetColor(4, RGB(9, 9, 9));
    Open(ID_OPTIONS_COLORS, [](CDialog& dlg) {
        Testing::ClickSpin(dlg, IDC_SELECTOR, TRUE, 4);
        Testing::TypeInto(dlg, IDC_RED, u"77");
        Testing::Click(dlg, IDC_RESET_COLORS);
        EXPECT_EQ(Shown(dlg), u"Background Selected Word 0,0,255");
        EXPECT_EQ(Swatch(dlg), RGB(0, 0, 255));
        Testing::PressCancel(dlg);
    });
    EXPECT_EQ(Grid().GetColor(4), RGB(9, 9, 9));
    EXPECT_EQ(Stored(u"color", u"4"), static_cast<int>(RGB(9, 9, 9)));
    EXPECT_EQ(Stored(u"options", u"square"), 20);
}

// The slot after the eight: its own default, and kept as "8" beside them.
TEST_F(ColorsDlgTest, TheRevealedMarksSlotResetsToDarkRedAndIsKeptLikeTheOthers)
{
    Grid().SetColor(GRID_REVEALED_MARK, RGB(1, 2, 3));
    Open(ID_OPTIONS_COLORS, [](CDialog& dlg) {
        Testing::ClickSpin(dlg, IDC_SELECTOR, FALSE);
        EXPECT_EQ(Shown(dlg), u"Revealed Mark 1,2,3");
        Testing::Click(dlg, IDC_RESET_COLORS);
        EXPECT_EQ(Shown(dlg), u"Revealed Mark 192,0,0");
        Testing::TypeInto(dlg, IDC_BLUE, u"40");
        Testing::PressOK(dlg);
    });
    EXPECT_EQ(Grid().GetColor(GRID_REVEALED_MARK), RGB(192, 0, 40));
    EXPECT_EQ(Stored(u"color", u"8"), static_cast<int>(RGB(192, 0, 40)));
    Restart();
    EXPECT_EQ(Grid().GetColor(GRID_REVEALED_MARK), RGB(192, 0, 40));
}

TEST_F(ColorsDlgTest, OkChangesOnlyTheColours)
{
    LoadBigPuzzle();
    Testing::ScrollBarAction(&PuzzleWnd().GetCross(), SB_VERT, SB_PAGEDOWN);
    const CPoint ptScroll = PuzzleWnd().GetCross().GetScrollOffset();
    Open(ID_OPTIONS_COLORS, [](CDialog& dlg) {
        Testing::ClickSpin(dlg, IDC_SELECTOR, TRUE);
        Testing::TypeInto(dlg, IDC_GREEN, u"128");
        Testing::PressOK(dlg);
    });
    const COLORREF background = RGB(255, 128, 255);  // white with the green changed
    EXPECT_EQ(Grid().GetColor(1), background);
    EXPECT_EQ(Stored(u"color", u"1"), static_cast<int>(background));
    EXPECT_EQ(Grid().GetSelectedSquare(), CPoint(5, 4));
    EXPECT_EQ(PuzzleWnd().GetCross().GetScrollOffset(), ptScroll);
    const CPoint ptSquare = Grid().GetSquareRect(5, 7).CenterPoint();
    EXPECT_EQ(Testing::PixelAt(&Grid(), ptSquare.x, ptSquare.y), background);
}

}  // namespace
