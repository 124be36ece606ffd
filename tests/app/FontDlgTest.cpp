#include "app/FontDlg.h"
#include "tests/app/DialogFixture.h"

namespace {

using FontDlgTest = DialogFixture;

CComboBox& Names(CDialog& dlg)
{
    return *static_cast<CComboBox*>(dlg.GetDlgItem(IDC_FONT_NAME));
}

TEST_F(FontDlgTest, OnlyAChoiceFromTheListChangesTheFace)
{
    CString strChosen;
    Open(ID_OPTIONS_FONT, [&strChosen](CDialog& dlg) {
        CComboBox& names = Names(dlg);
        ASSERT_GT(names.GetCount(), 1);
        Testing::ChooseFromList(dlg, IDC_FONT_NAME, names.GetCount() - 1);
        names.GetLBText(names.GetCount() - 1, strChosen);
        Testing::TypeInto(dlg, IDC_FONT_NAME, u"Typed Face");
        Testing::PressOK(dlg);
    });
    EXPECT_EQ(Grid().m_strFontName, strChosen);

    // Reopened on the chosen face; typing alone keeps it.
    Open(ID_OPTIONS_FONT, [](CDialog& dlg) {
        EXPECT_EQ(Names(dlg).GetCurSel(), Names(dlg).GetCount() - 1);
        Testing::TypeInto(dlg, IDC_FONT_NAME, u"Typed Face");
        Testing::PressOK(dlg);
    });
    EXPECT_EQ(Grid().m_strFontName, strChosen);
}

TEST_F(FontDlgTest, FaceNotInstalledOpensWithNoSelectionAndIsKept)
{
    Grid().SetFontName(u"No Such Face");
    Open(ID_OPTIONS_FONT, [](CDialog& dlg) {
        EXPECT_EQ(Names(dlg).GetCurSel(), CB_ERR);
        Testing::PressOK(dlg);
    });
    EXPECT_EQ(Grid().m_strFontName, u"No Such Face");
}

TEST_F(FontDlgTest, NeitherCancelNorOkWritesTheSettings)
{
    Open(ID_OPTIONS_FONT, [](CDialog& dlg) {
        Testing::ChooseFromList(dlg, IDC_FONT_NAME, 0);
        Testing::TypeInto(dlg, IDC_LETTER_SIZE, u"20");
        Testing::PressCancel(dlg);
    });
    EXPECT_EQ(Grid().m_strFontName, u"Arial");
    EXPECT_EQ(Grid().m_nLetterFontSize, 10);

    Open(ID_OPTIONS_FONT, [](CDialog& dlg) {
        Testing::TypeInto(dlg, IDC_LETTER_SIZE, u"20");
        Testing::PressOK(dlg);
    });
    EXPECT_EQ(Grid().m_nLetterFontSize, 20);
    EXPECT_EQ(Stored(u"options", u"letter"), kAbsent);
    EXPECT_EQ(Stored(u"options", u"number"), kAbsent);
}

TEST_F(FontDlgTest, SizesFromTwoToSixtyFourLetterFirstAndThePuzzleIsRebuilt)
{
    LoadPuzzle(Big());
    TapInside();
    Open(ID_OPTIONS_FONT, [this](CDialog& dlg) {
        const std::u16string strRange = u"Please enter an integer between 2 and 64.";
        Testing::TypeInto(dlg, IDC_NUMBER_SIZE, u"65");
        Testing::TypeInto(dlg, IDC_LETTER_SIZE, u"1");
        ExpectRefused(dlg, IDC_LETTER_SIZE, strRange);
        Testing::TypeInto(dlg, IDC_LETTER_SIZE, u"64");
        ExpectRefused(dlg, IDC_NUMBER_SIZE, strRange);
        Testing::TypeInto(dlg, IDC_NUMBER_SIZE, u"2");
        Testing::PressOK(dlg);
    });
    EXPECT_EQ(Grid().m_nLetterFontSize, 64);
    EXPECT_EQ(Grid().m_nNumberFontSize, 2);
    EXPECT_EQ(Grid().m_ptSelected, CPoint(1, 0));
}

} // namespace
