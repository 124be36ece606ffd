// SPDX-License-Identifier: MIT
#include "app/FontDlg.h"
#include "tests/app/DialogFixture.h"

namespace {

using FontDlgTest = DialogFixture;

CComboBox& Names(CDialog& dlg)
{
    return *static_cast<CComboBox*>(dlg.GetDlgItem(IDC_FONT_NAME));
}

// The face is kept as the text "fontname" at once, and comes back at the next start.
TEST_F(FontDlgTest, OnlyAChoiceFromTheListChangesTheFaceWhichIsKept)
{
    // Not installed: nothing selected, and typing keeps it.
    Grid().SetFontName(u"No Such Face");
    CString strLast;
    Open(ID_OPTIONS_FONT, [&strLast](CDialog& dlg) {
        ASSERT_GT(Names(dlg).GetCount(), 1);
        EXPECT_EQ(Names(dlg).GetCurSel(), CB_ERR);
        Names(dlg).GetLBText(Names(dlg).GetCount() - 1, strLast);
        Testing::TypeInto(dlg, IDC_FONT_NAME, strLast);
        Testing::PressOK(dlg);
    });
    EXPECT_EQ(Grid().GetFontName(), u"No Such Face");

    Open(ID_OPTIONS_FONT, [](CDialog& dlg) {
        Testing::ChooseFromList(dlg, IDC_FONT_NAME, Names(dlg).GetCount() - 1);
        Testing::TypeInto(dlg, IDC_FONT_NAME, u"Typed Face");
        Testing::PressOK(dlg);
    });
    EXPECT_EQ(Grid().GetFontName(), strLast);
    EXPECT_EQ(theApp.GetProfileString(u"options", u"fontname"), strLast);
    EXPECT_EQ(Stored(u"options", u"letter"), kAbsent);  // the sizes wait for Options or Colors
    // Installed: opens selected. Cancel changes nothing.
    Open(ID_OPTIONS_FONT, [](CDialog& dlg) {
        EXPECT_EQ(Names(dlg).GetCurSel(), Names(dlg).GetCount() - 1);
        Testing::ChooseFromList(dlg, IDC_FONT_NAME, 0);
        Testing::TypeInto(dlg, IDC_LETTER_SIZE, u"20");
        Testing::PressCancel(dlg);
    });
    EXPECT_EQ(Grid().GetFontName(), strLast);
    EXPECT_EQ(Grid().GetLetterFontSize(), 10);
    EXPECT_EQ(theApp.GetProfileString(u"options", u"fontname"), strLast);
    Restart();
    EXPECT_EQ(Grid().GetFontName(), strLast);
}

TEST_F(FontDlgTest, SizesFromTwoToSixtyFourLetterFirstThenThePuzzleIsRebuiltButNothingIsWritten)
{
    LoadBigPuzzle();
    Open(ID_OPTIONS_FONT, [this](CDialog& dlg) {
        Testing::TypeInto(dlg, IDC_NUMBER_SIZE, u"65");
        Testing::TypeInto(dlg, IDC_LETTER_SIZE, u"1");
        ExpectRefused(dlg, IDC_LETTER_SIZE, u"2 and 64");
        Testing::TypeInto(dlg, IDC_LETTER_SIZE, u"64");
        ExpectRefused(dlg, IDC_NUMBER_SIZE, u"2 and 64");
        Testing::TypeInto(dlg, IDC_NUMBER_SIZE, u"2");
        Testing::PressOK(dlg);
    });
    EXPECT_EQ(Grid().GetLetterFontSize(), 64);
    EXPECT_EQ(Grid().GetNumberFontSize(), 2);
    EXPECT_EQ(Grid().GetSelectedSquare(), CPoint(1, 0));
    EXPECT_EQ(Stored(u"options", u"letter"), kAbsent);
}

}  // namespace
