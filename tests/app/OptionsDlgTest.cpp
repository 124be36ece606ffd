#include "app/OptionsDlg.h"
#include "tests/app/DialogFixture.h"

namespace {

using OptionsDlgTest = DialogFixture;

COptionsDlg& Options(CDialog& dlg)
{
    return dynamic_cast<COptionsDlg&>(dlg);
}

TEST_F(OptionsDlgTest, CancelChangesNothingButWritesEverySetting)
{
    Open(ID_OPTIONS_GENERAL, [](CDialog& dlg) {
        Testing::TypeInto(dlg, IDC_SQUARE_SIZE, u"30");
        Testing::Click(dlg, IDC_CHECK_ENTERED);
        Testing::PressCancel(dlg);
    });
    EXPECT_EQ(Grid().m_nSquareSize, 20);
    EXPECT_EQ(theApp.m_nSolveMode, 1);
    EXPECT_EQ(Stored(u"options", u"mode"), 1);
    EXPECT_EQ(Stored(u"options", u"number"), 6);
    EXPECT_EQ(Stored(u"options", u"letter"), 10);
    EXPECT_EQ(Stored(u"options", u"square"), 20);
    EXPECT_EQ(Stored(u"options", u"numbers"), 0);
    EXPECT_EQ(Stored(u"options", u"input"), 1);
    EXPECT_EQ(Stored(u"options", u"cluesize"), 38);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(StoredColor(i), static_cast<int>(g_aDefaultGridColors[i]));
}

TEST_F(OptionsDlgTest, OkAppliesTheFieldsAndHandsThePuzzleOverAgain)
{
    LoadPuzzle(Big());
    TapInside();
    Testing::ScrollBarAction(&PuzzleWnd().m_wndCross, SB_HORZ, SB_PAGEDOWN);
    ASSERT_NE(PuzzleWnd().m_wndCross.m_ptScrollPos, CPoint(0, 0));

    Open(ID_OPTIONS_GENERAL, [](CDialog& dlg) {
        EXPECT_EQ(Options(dlg).IsDlgButtonChecked(IDC_CHECK_REQUEST), BST_CHECKED);
        EXPECT_EQ(Options(dlg).IsDlgButtonChecked(IDC_INPUT_WINDOW), BST_CHECKED);
        EXPECT_EQ(Testing::ShownText(dlg, IDC_SQUARE_SIZE), u"20");
        Testing::PressOK(dlg);
    });
    EXPECT_EQ(Grid().m_ptSelected, CPoint(1, 0));
    EXPECT_EQ(PuzzleWnd().m_wndCross.m_ptScrollPos, CPoint(0, 0));

    Open(ID_OPTIONS_GENERAL, [](CDialog& dlg) {
        Testing::TypeInto(dlg, IDC_SQUARE_SIZE, u"12");
        Testing::Click(dlg, IDC_CHECK_ENTERED);
        Testing::Click(dlg, IDC_NUMBERS);
        Testing::Click(dlg, IDC_CLUE_SMALL);
        Testing::PressOK(dlg);
    });
    EXPECT_EQ(Grid().m_nSquareSize, 12);
    EXPECT_EQ(theApp.m_nSolveMode, 0);
    EXPECT_TRUE(Grid().m_bShowNumbers);
    EXPECT_EQ(PuzzleWnd().m_nClueHeight, 20);
    EXPECT_EQ(Stored(u"options", u"square"), 12);
    EXPECT_EQ(Stored(u"options", u"cluesize"), 20);
}

TEST_F(OptionsDlgTest, StoredClueHeightIsKeptUntilARadioIsClicked)
{
    m_settings.WriteRaw(u"options", u"cluesize", u"25");
    theApp.LoadSettings();
    Open(ID_OPTIONS_GENERAL, [](CDialog& dlg) {
        EXPECT_EQ(Options(dlg).IsDlgButtonChecked(IDC_CLUE_LARGE), BST_CHECKED);
        EXPECT_EQ(Options(dlg).IsDlgButtonChecked(IDC_CLUE_SMALL), BST_UNCHECKED);
        Testing::PressOK(dlg);
    });
    EXPECT_EQ(Stored(u"options", u"cluesize"), 25);
    Open(ID_OPTIONS_GENERAL, [](CDialog& dlg) {
        Testing::Click(dlg, IDC_CLUE_LARGE);
        Testing::PressOK(dlg);
    });
    EXPECT_EQ(PuzzleWnd().m_nClueHeight, 38);
    EXPECT_EQ(Stored(u"options", u"cluesize"), 38);
}

TEST_F(OptionsDlgTest, InputPaneOffGivesItsRoomToTheGrid)
{
    CRect rcBefore;
    PuzzleWnd().m_wndCross.GetWindowRect(&rcBefore);
    Open(ID_OPTIONS_GENERAL, [](CDialog& dlg) {
        Testing::Click(dlg, IDC_INPUT_WINDOW);
        Testing::PressOK(dlg);
    });
    CRect rcAfter, rcInput;
    PuzzleWnd().m_wndCross.GetWindowRect(&rcAfter);
    PuzzleWnd().m_wndInput.GetWindowRect(&rcInput);
    EXPECT_TRUE(rcInput.IsRectEmpty());
    EXPECT_EQ(rcAfter.Height(), rcBefore.Height() + PuzzleWnd().m_nInputHeight);
    EXPECT_EQ(Stored(u"options", u"input"), 0);
}

TEST_F(OptionsDlgTest, SquareSizeOutsideTwoToSixtyFourIsRefused)
{
    Open(ID_OPTIONS_GENERAL, [this](CDialog& dlg) {
        for (const char16_t* pszSize : { u"1", u"65" }) {
            Testing::TypeInto(dlg, IDC_SQUARE_SIZE, pszSize);
            ExpectRefused(dlg, IDC_SQUARE_SIZE, u"Please enter an integer between 2 and 64.");
        }
        Testing::TypeInto(dlg, IDC_SQUARE_SIZE, u"64");
        Testing::PressOK(dlg);
    });
    EXPECT_EQ(Grid().m_nSquareSize, 64);
}

} // namespace
