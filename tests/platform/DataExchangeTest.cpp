// Data exchange: fields to controls and back, range checks that keep the
// dialog open with the message and the focus on the field.
#include "DialogTestSupport.h"

using namespace dialogtest;

namespace {

using DataExchangeTest = DialogTest;

TEST_F(DataExchangeTest, FieldsRoundTripThroughTheirControls)
{
    CTestDlg dialog;
    dialog.m_nSize = 2;
    dialog.m_strName = u"Liberation Sans";
    dialog.m_bCheck = 0;
    m_scripts.Queue([](CDialog& dlg) {
        EXPECT_EQ(Utf8(Testing::ShownText(dlg, IDC_SIZE)), "2");
        EXPECT_EQ(Utf8(Testing::ShownText(dlg, IDC_NAME)), "Liberation Sans");
        Testing::TypeInto(dlg, IDC_SIZE, u"64");
        Testing::TypeInto(dlg, IDC_NAME, u"Mono");
        Testing::Click(dlg, IDC_CHECK);
        Testing::PressOK(dlg);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_nSize, 64);
    EXPECT_EQ(Utf8(dialog.m_strName), "Mono");
    EXPECT_EQ(dialog.m_bCheck, 1);
    EXPECT_TRUE(m_boxes.Shown().empty());
}

TEST_F(DataExchangeTest, OutOfRangeIsRefusedWithTheMessageFocusBackAndDialogOpen)
{
    CTestDlg dialog;
    m_scripts.Queue([&](CDialog& dlg) {
        for (const char16_t* bad : { u"1", u"65", u"" }) {
            Testing::TypeInto(dlg, IDC_SIZE, bad);
            Testing::Click(dlg, IDC_NAME); // focus elsewhere before OK
            Testing::PressOK(dlg);
            ASSERT_TRUE(Testing::IsOpen(dlg)) << Utf8(bad);
            ASSERT_FALSE(m_boxes.Shown().empty());
            EXPECT_EQ(Utf8(m_boxes.Shown().back().strText), "Please enter an integer between 2 and 64.");
            EXPECT_EQ(m_boxes.Shown().back().Icon(), MB_ICONEXCLAMATION);
            EXPECT_EQ(Testing::FocusedControl(dlg), IDC_SIZE);
            int nStart = -1, nEnd = -1;
            dynamic_cast<CEdit*>(dlg.GetDlgItem(IDC_SIZE))->GetSel(nStart, nEnd);
            EXPECT_EQ(nStart, 0);
            EXPECT_EQ(nEnd, static_cast<int>(std::u16string(bad).size()));
        }
        EXPECT_EQ(m_boxes.Shown().size(), 3u);
        Testing::TypeInto(dlg, IDC_SIZE, u"2");
        Testing::PressOK(dlg);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_nSize, 2);
    EXPECT_EQ(m_boxes.Shown().size(), 3u);
}

TEST_F(DataExchangeTest, TextThatIsNoNumberIsNamedByTheRangeOrElseAsNotAnInteger)
{
    CTestDlg dialog;
    dialog.m_nComponent = 7;
    m_scripts.Queue([&](CDialog& dlg) {
        Testing::TypeInto(dlg, IDC_COMPONENT, u"-1");
        Testing::PressOK(dlg);
        EXPECT_EQ(Utf8(m_boxes.Shown().at(0).strText), "Please enter an integer between 0 and 255.");
        Testing::TypeInto(dlg, IDC_COMPONENT, u"12x");
        Testing::PressOK(dlg);
        EXPECT_EQ(Utf8(m_boxes.Shown().at(1).strText), "Please enter an integer between 0 and 255.");
        EXPECT_EQ(Testing::FocusedControl(dlg), IDC_COMPONENT);
        dialog.m_bRangeComponent = FALSE;
        Testing::PressOK(dlg);
        EXPECT_EQ(Utf8(m_boxes.Shown().at(2).strText), "Please enter an integer.");
        EXPECT_EQ(Testing::FocusedControl(dlg), IDC_COMPONENT);
        EXPECT_TRUE(Testing::IsOpen(dlg));
        Testing::TypeInto(dlg, IDC_COMPONENT, u" 300 ");
        Testing::PressOK(dlg);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_nComponent, 300);
}

TEST_F(DataExchangeTest, FillingTheControlsSendsNoNotificationsButTypingDoes)
{
    CTestDlg dialog;
    m_scripts.Queue([&](CDialog& dlg) {
        EXPECT_TRUE(dialog.m_events.empty());
        Testing::TypeInto(dlg, IDC_SIZE, u"12");
        dlg.SetDlgItemText(IDC_SIZE, u"12");
        EXPECT_EQ(dialog.m_events, (std::vector<std::string>{ "change 1", "change 12", "change 12" }));
        dialog.m_events.clear();
        dlg.UpdateData(FALSE);
        EXPECT_TRUE(dialog.m_events.empty());
        Testing::PressCancel(dlg);
    });
    dialog.DoModal();
}

TEST_F(DataExchangeTest, ControlTakesOverItsTemplateControlInPlace)
{
    CTestDlg dialog;
    m_scripts.Queue([&](CDialog& dlg) {
        EXPECT_EQ(dlg.GetDlgItem(IDC_SWATCH), &dialog.m_wndSwatch);
        EXPECT_EQ(dialog.m_wndSwatch.GetButtonStyle(), BS_OWNERDRAW);
        CRect expected(125, 66, 155, 96);
        dlg.MapDialogRect(&expected);
        EXPECT_EQ(Testing::ControlRect(dlg, IDC_SWATCH), expected);
        Testing::PressCancel(dlg);
    });
    dialog.DoModal();
    // The window goes with the dialog; the next opening takes it over again.
    EXPECT_EQ(dialog.m_wndSwatch.m_hWnd, nullptr);
    m_scripts.Queue([&](CDialog& dlg) {
        EXPECT_EQ(dlg.GetDlgItem(IDC_SWATCH), &dialog.m_wndSwatch);
        Testing::PressCancel(dlg);
    });
    dialog.DoModal();
}

} // namespace
