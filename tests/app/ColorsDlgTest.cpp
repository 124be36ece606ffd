#include "app/ColorsDlg.h"
#include "tests/app/DialogFixture.h"

namespace {

using ColorsDlgTest = DialogFixture;

COLORREF Swatch(CDialog& dlg)
{
    Testing::RunUntilIdle();
    return Testing::ControlPixel(dlg, IDC_SWATCH, 10, 10);
}

std::u16string Shown(CDialog& dlg)
{
    return Testing::ShownText(dlg, IDC_COLOR_NAME) + u" " + Testing::ShownText(dlg, IDC_RED) + u"," +
           Testing::ShownText(dlg, IDC_GREEN) + u"," + Testing::ShownText(dlg, IDC_BLUE);
}

TEST_F(ColorsDlgTest, SelectorStartsOnForegroundAndWrapsRoundBothWays)
{
    Grid().m_colors[0] = RGB(1, 2, 3);
    Open(ID_OPTIONS_COLORS, [](CDialog& dlg) {
        EXPECT_EQ(Shown(dlg), u"Foreground 1,2,3");
        EXPECT_EQ(Swatch(dlg), RGB(1, 2, 3));
        Testing::ClickSpin(dlg, IDC_SELECTOR, FALSE);
        EXPECT_EQ(Testing::ShownText(dlg, IDC_COLOR_NAME), u"Solid");
        Testing::ClickSpin(dlg, IDC_SELECTOR, TRUE);
        EXPECT_EQ(Testing::ShownText(dlg, IDC_COLOR_NAME), u"Foreground");
        Testing::ClickSpin(dlg, IDC_SELECTOR, TRUE, 7);
        EXPECT_EQ(Testing::ShownText(dlg, IDC_COLOR_NAME), u"Solid");
        Testing::ClickSpin(dlg, IDC_SELECTOR, TRUE);
        EXPECT_EQ(Testing::ShownText(dlg, IDC_COLOR_NAME), u"Foreground");
        Testing::PressCancel(dlg);
    });
}

TEST_F(ColorsDlgTest, ComponentsOutOfRangeShowTheirLowByteButAreRefused)
{
    Grid().m_colors[0] = RGB(0, 0, 0);
    Open(ID_OPTIONS_COLORS, [this](CDialog& dlg) {
        const std::u16string strRange = u"Please enter an integer between 0 and 255.";
        Testing::TypeInto(dlg, IDC_RED, u"300");
        EXPECT_EQ(Swatch(dlg), RGB(44, 0, 0));
        ExpectRefused(dlg, IDC_RED, strRange);
        Testing::TypeInto(dlg, IDC_GREEN, u"-1");
        EXPECT_EQ(Swatch(dlg), RGB(44, 255, 0));
        ExpectRefused(dlg, IDC_GREEN, strRange);
        // Away and back: the slot holds the reduced values.
        Testing::ClickSpin(dlg, IDC_SELECTOR, TRUE);
        Testing::ClickSpin(dlg, IDC_SELECTOR, FALSE);
        EXPECT_EQ(Shown(dlg), u"Foreground 44,255,0");
        Testing::PressOK(dlg);
    });
    EXPECT_EQ(Grid().m_colors[0], RGB(44, 255, 0));
}

TEST_F(ColorsDlgTest, ResetKeepsTheSlotAndCancelKeepsTheGridButSaves)
{
    Grid().m_colors[4] = RGB(9, 9, 9);
    const std::vector<COLORREF> before(Grid().m_colors, Grid().m_colors + 8);
    Open(ID_OPTIONS_COLORS, [](CDialog& dlg) {
        Testing::ClickSpin(dlg, IDC_SELECTOR, TRUE, 4);
        Testing::TypeInto(dlg, IDC_RED, u"77");
        Testing::Click(dlg, IDC_RESET_COLORS);
        EXPECT_EQ(Shown(dlg), u"Background Selected Word 0,0,255");
        EXPECT_EQ(Swatch(dlg), RGB(0, 0, 255));
        Testing::PressCancel(dlg);
    });
    EXPECT_EQ(std::vector<COLORREF>(Grid().m_colors, Grid().m_colors + 8), before);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(StoredColor(i), static_cast<int>(before[i]));
    EXPECT_EQ(Stored(u"options", u"square"), 20);
}

TEST_F(ColorsDlgTest, OkChangesOnlyTheColours)
{
    LoadPuzzle(Big());
    TapInside();
    Testing::ScrollBarAction(&PuzzleWnd().m_wndCross, SB_VERT, SB_PAGEDOWN);
    const CPoint ptSelected = Grid().m_ptSelected;
    const CPoint ptScroll = PuzzleWnd().m_wndCross.m_ptScrollPos;
    Open(ID_OPTIONS_COLORS, [](CDialog& dlg) {
        Testing::ClickSpin(dlg, IDC_SELECTOR, TRUE);
        Testing::TypeInto(dlg, IDC_GREEN, u"128");
        Testing::PressOK(dlg);
    });
    const COLORREF background = (g_aDefaultGridColors[1] & 0xFF00FFu) | (128u << 8);
    EXPECT_EQ(Grid().m_colors[1], background);
    // The grid shows it once the dialog has gone.
    const CRect rcSquare = Grid().GetSquareRect(ptSelected.x, ptSelected.y + 3);
    EXPECT_EQ(Testing::PixelAt(&Grid(), rcSquare.CenterPoint().x, rcSquare.CenterPoint().y), background);
    EXPECT_EQ(Grid().m_ptSelected, ptSelected);
    EXPECT_EQ(PuzzleWnd().m_wndCross.m_ptScrollPos, ptScroll);
    EXPECT_EQ(StoredColor(1), static_cast<int>(Grid().m_colors[1]));
}

} // namespace
