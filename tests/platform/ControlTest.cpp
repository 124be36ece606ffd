// The controls as the user works them: number-only edits, spins with their
// buddies and ranges, sorted combo boxes, radio groups, owner-drawn buttons.
#include "DialogTestSupport.h"

using namespace dialogtest;

namespace {

using EditControlTest = DialogTest;

TEST_F(EditControlTest, NumberEditTakesDigitsOnlyAndPlainEditTakesAnything)
{
    CTestDlg dialog;
    m_scripts.Queue([](CDialog& dlg) {
        Testing::TypeInto(dlg, IDC_SIZE, u"a1-b2 ");
        EXPECT_EQ(Utf8(Testing::ShownText(dlg, IDC_SIZE)), "12");
        Testing::TypeInto(dlg, IDC_NAME, u"a1-b2 ");
        EXPECT_EQ(Utf8(Testing::ShownText(dlg, IDC_NAME)), "a1-b2 ");
        // Text set by the program is not filtered.
        dlg.SetDlgItemText(IDC_SIZE, u"x9");
        EXPECT_EQ(Utf8(Testing::ShownText(dlg, IDC_SIZE)), "x9");
        Testing::PressCancel(dlg);
    });
    dialog.DoModal();
}

using SpinControlTest = DialogTest;

CSpinButtonCtrl* Spin(CDialog& dlg, int nID)
{
    return dynamic_cast<CSpinButtonCtrl*>(dlg.GetDlgItem(nID));
}

TEST_F(SpinControlTest, TakesThePreviousControlAsBuddyAndStopsAtItsRange)
{
    CTestDlg dialog;
    dialog.m_nSize = 63;
    m_scripts.Queue([&](CDialog& dlg) {
        CSpinButtonCtrl* pSpin = Spin(dlg, IDC_SIZE_SPIN);
        ASSERT_NE(pSpin, nullptr);
        EXPECT_EQ(pSpin->GetBuddy(), dlg.GetDlgItem(IDC_SIZE));
        Testing::ClickSpin(dlg, IDC_SIZE_SPIN, TRUE, 3);
        EXPECT_EQ(Utf8(Testing::ShownText(dlg, IDC_SIZE)), "64");
        EXPECT_EQ(pSpin->GetPos(), 64);
        // A number typed into the buddy is where the next step starts.
        Testing::TypeInto(dlg, IDC_SIZE, u"3");
        Testing::ClickSpin(dlg, IDC_SIZE_SPIN, FALSE, 5);
        EXPECT_EQ(Utf8(Testing::ShownText(dlg, IDC_SIZE)), "2");
        // The arrow keys in the buddy step it too.
        Testing::PressKey(dlg, IDC_SIZE, Testing::VK_UP);
        Testing::PressKey(dlg, IDC_SIZE, Testing::VK_UP);
        EXPECT_EQ(Utf8(Testing::ShownText(dlg, IDC_SIZE)), "4");
        Testing::PressKey(dlg, IDC_SIZE, Testing::VK_DOWN);
        EXPECT_EQ(Utf8(Testing::ShownText(dlg, IDC_SIZE)), "3");
        Testing::PressOK(dlg);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_nSize, 3);
    EXPECT_TRUE(m_boxes.Shown().empty());
}

TEST_F(SpinControlTest, DeltaPosNotifiesEveryStepAndCanRefuseOrChangeIt)
{
    CTestDlg dialog;
    dialog.m_nSize = 10;
    m_scripts.Queue([&](CDialog& dlg) {
        CSpinButtonCtrl* pSelector = Spin(dlg, IDC_SELECTOR);
        // No buddy: the notification still comes at the ends of the range.
        Testing::ClickSpin(dlg, IDC_SELECTOR, FALSE);
        Testing::ClickSpin(dlg, IDC_SELECTOR, TRUE);
        Testing::ClickSpin(dlg, IDC_SELECTOR, TRUE);
        EXPECT_EQ(dialog.m_events, (std::vector<std::string>{ "delta 0 -1", "delta 0 1", "delta 1 1" }));
        EXPECT_EQ(pSelector->GetPos(), 2);
        pSelector->SetPos(7);
        dialog.m_events.clear();
        Testing::ClickSpin(dlg, IDC_SELECTOR, TRUE);
        EXPECT_EQ(dialog.m_events, (std::vector<std::string>{ "delta 7 1" }));
        EXPECT_EQ(pSelector->GetPos(), 7);

        // A non-zero result refuses the step: position and buddy stay.
        dialog.m_nDeltaResult = 1;
        dialog.m_events.clear();
        Testing::ClickSpin(dlg, IDC_SIZE_SPIN, TRUE);
        EXPECT_EQ(dialog.m_events, (std::vector<std::string>{ "size delta 10 1" }));
        EXPECT_EQ(Utf8(Testing::ShownText(dlg, IDC_SIZE)), "10");
        // The handler may change the step.
        dialog.m_nDeltaResult = 0;
        dialog.m_nDeltaOverride = 5;
        Testing::ClickSpin(dlg, IDC_SIZE_SPIN, TRUE);
        EXPECT_EQ(Utf8(Testing::ShownText(dlg, IDC_SIZE)), "15");
        Testing::PressCancel(dlg);
    });
    dialog.DoModal();
}

TEST_F(SpinControlTest, RangeMayRunDownwardsAndSetPosStaysInside)
{
    CTestDlg dialog;
    m_scripts.Queue([&](CDialog& dlg) {
        CSpinButtonCtrl* pSpin = Spin(dlg, IDC_SIZE_SPIN);
        pSpin->SetRange(20, 5); // up leads to 5
        pSpin->SetPos(7);
        EXPECT_EQ(Utf8(Testing::ShownText(dlg, IDC_SIZE)), "7");
        Testing::ClickSpin(dlg, IDC_SIZE_SPIN, TRUE, 4);
        EXPECT_EQ(pSpin->GetPos(), 5);
        EXPECT_EQ(pSpin->SetPos(99), 5);
        EXPECT_EQ(pSpin->GetPos(), 20);
        int nLower = 0, nUpper = 0;
        pSpin->GetRange(nLower, nUpper);
        EXPECT_EQ(nLower, 20);
        EXPECT_EQ(nUpper, 5);
        Testing::PressCancel(dlg);
    });
    dialog.DoModal();
}

using ComboControlTest = DialogTest;

CComboBox* Combo(CDialog& dlg)
{
    return dynamic_cast<CComboBox*>(dlg.GetDlgItem(IDC_COMBO));
}

std::vector<std::string> Entries(CComboBox* pCombo)
{
    std::vector<std::string> entries;
    for (int n = 0; n < pCombo->GetCount(); ++n) {
        CString text;
        pCombo->GetLBText(n, text);
        entries.push_back(Utf8(text));
    }
    return entries;
}

TEST_F(ComboControlTest, SortedListAndLookups)
{
    CTestDlg dialog;
    m_scripts.Queue([&](CDialog& dlg) {
        CComboBox* pCombo = Combo(dlg);
        for (const char16_t* face : { u"beta", u"Alpha", u"gamma", u"Delta", u"alpha" })
            pCombo->AddString(face);
        EXPECT_EQ(Entries(pCombo), (std::vector<std::string>{ "Alpha", "alpha", "beta", "Delta", "gamma" }));
        EXPECT_EQ(pCombo->GetCurSel(), CB_ERR);
        EXPECT_EQ(Utf8(Testing::ShownText(dlg, IDC_COMBO)), "");
        EXPECT_EQ(pCombo->FindStringExact(-1, u"DELTA"), 3);
        EXPECT_EQ(pCombo->FindStringExact(0, u"alpha"), 1);
        EXPECT_EQ(pCombo->FindStringExact(-1, u"Delt"), CB_ERR);
        CString text;
        EXPECT_EQ(pCombo->GetLBText(5, text), CB_ERR);
        EXPECT_EQ(pCombo->SetCurSel(9), CB_ERR);
        EXPECT_EQ(pCombo->SetCurSel(2), 2);
        EXPECT_EQ(Utf8(Testing::ShownText(dlg, IDC_COMBO)), "beta");
        EXPECT_TRUE(dialog.m_events.empty()); // the program's choice is not the user's
        Testing::PressCancel(dlg);
    });
    dialog.DoModal();
}

TEST_F(ComboControlTest, SelChangeComesOnlyFromAChoiceInTheList)
{
    CTestDlg dialog;
    m_scripts.Queue([&](CDialog& dlg) {
        CComboBox* pCombo = Combo(dlg);
        for (const char16_t* face : { u"Courier", u"Arial", u"Times" })
            pCombo->AddString(face);
        Testing::TypeInto(dlg, IDC_COMBO, u"Times");
        EXPECT_TRUE(dialog.m_events.empty());
        EXPECT_EQ(pCombo->GetCurSel(), CB_ERR);
        Testing::ChooseFromList(dlg, IDC_COMBO, 1);
        EXPECT_EQ(dialog.m_events, (std::vector<std::string>{ "selchange Courier" }));
        Testing::PressKey(dlg, IDC_COMBO, Testing::VK_DOWN);
        EXPECT_EQ(dialog.m_events.back(), "selchange Times");
        EXPECT_EQ(pCombo->GetCurSel(), 2);
        // Return after typing presses the default button and chooses nothing.
        dialog.m_events.clear();
        Testing::TypeInto(dlg, IDC_COMBO, u"Arial");
        Testing::PressKey(dlg, IDC_COMBO, Testing::VK_RETURN);
        EXPECT_TRUE(dialog.m_events.empty());
        EXPECT_EQ(pCombo->GetCount(), 3); // typed text is not added to the list
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

using ButtonControlTest = DialogTest;

TEST_F(ButtonControlTest, AutomaticRadioButtonsClearOnlyTheirOwnGroup)
{
    CTestDlg dialog;
    m_scripts.Queue([&](CDialog& dlg) {
        dlg.CheckRadioButton(IDC_RADIO_A1, IDC_RADIO_A2, IDC_RADIO_A1);
        dlg.CheckRadioButton(IDC_RADIO_B1, IDC_RADIO_B2, IDC_RADIO_B2);
        Testing::Click(dlg, IDC_RADIO_A2);
        EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_RADIO_A1), BST_UNCHECKED);
        EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_RADIO_A2), BST_CHECKED);
        EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_RADIO_B2), BST_CHECKED);
        // Clicking the checked one leaves it checked, and still tells the dialog.
        Testing::Click(dlg, IDC_RADIO_A2);
        EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_RADIO_A2), BST_CHECKED);
        Testing::Click(dlg, IDC_RADIO_B1);
        EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_RADIO_B2), BST_UNCHECKED);
        EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_RADIO_A2), BST_CHECKED);
        EXPECT_EQ(dialog.m_events, (std::vector<std::string>{ "click 105", "click 105" }));
        // The program may clear every radio of a group.
        dlg.CheckDlgButton(IDC_RADIO_A2, BST_UNCHECKED);
        EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_RADIO_A1) + dlg.IsDlgButtonChecked(IDC_RADIO_A2), 0u);
        // The arrow keys walk the group round its ends, clicking as they go.
        Testing::PressKey(dlg, IDC_RADIO_B1, Testing::VK_DOWN);
        EXPECT_EQ(Testing::FocusedControl(dlg), IDC_RADIO_B2);
        EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_RADIO_B2), BST_CHECKED);
        EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_RADIO_B1), BST_UNCHECKED);
        Testing::PressKey(dlg, IDC_RADIO_B2, Testing::VK_DOWN);
        EXPECT_EQ(Testing::FocusedControl(dlg), IDC_RADIO_B1);
        EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_RADIO_B1), BST_CHECKED);
        Testing::Click(dlg, IDC_CHECK);
        EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_CHECK), BST_CHECKED);
        Testing::Click(dlg, IDC_CHECK);
        EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_CHECK), BST_UNCHECKED);
        Testing::PressCancel(dlg);
    });
    dialog.DoModal();
}

TEST_F(ButtonControlTest, OwnerDrawnButtonIsDrawnByItsDrawItem)
{
    CTestDlg dialog;
    dialog.m_wndSwatch.m_color = RGB(10, 200, 30);
    m_scripts.Queue([&](CDialog& dlg) {
        const CRect rect = Testing::ControlRect(dlg, IDC_SWATCH);
        EXPECT_EQ(Testing::ControlPixel(dlg, IDC_SWATCH, 0, 0), RGB(10, 200, 30));
        EXPECT_EQ(Testing::ControlPixel(dlg, IDC_SWATCH, rect.Width() - 1, rect.Height() - 1), RGB(10, 200, 30));
        EXPECT_GE(dialog.m_wndSwatch.m_nDraws, 1);
        const DRAWITEMSTRUCT& dis = dialog.m_wndSwatch.m_last;
        EXPECT_EQ(dis.CtlType, ODT_BUTTON);
        EXPECT_EQ(dis.CtlID, static_cast<UINT>(IDC_SWATCH));
        EXPECT_EQ(dis.hwndItem, dialog.m_wndSwatch.m_hWnd);
        EXPECT_EQ(CRect(dis.rcItem), CRect(0, 0, rect.Width(), rect.Height()));
        // A new colour shows after the swatch is invalidated.
        dialog.m_wndSwatch.m_color = RGB(255, 0, 0);
        dialog.m_wndSwatch.Invalidate();
        EXPECT_EQ(Testing::ControlPixel(dlg, IDC_SWATCH, 3, 3), RGB(255, 0, 0));
        Testing::PressCancel(dlg);
    });
    dialog.DoModal();
}

} // namespace
