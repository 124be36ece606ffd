// SPDX-License-Identifier: MIT
// The controls as the user works them: spins with their buddies and ranges,
// sorted combo boxes and radio groups.
#include "DialogTestSupport.h"

using namespace dialogtest;

namespace {

using ControlTest = DialogTest;

TEST_F(ControlTest, ASpinTakesThePreviousControlAsBuddyAndStopsAtItsRange)
{
    CTestDlg dialog;
    dialog.m_nSize = 63;
    Run(dialog, [](CDialog& dlg) {
        auto* pSpin = dynamic_cast<CSpinButtonCtrl*>(dlg.GetDlgItem(IDC_SIZE_SPIN));
        ASSERT_NE(pSpin, nullptr);
        EXPECT_EQ(pSpin->GetBuddy(), dlg.GetDlgItem(IDC_SIZE));
        Testing::ClickSpin(dlg, IDC_SIZE_SPIN, TRUE, 3);
        EXPECT_EQ(ToUtf8(Testing::ShownText(dlg, IDC_SIZE)), "64");
        // A number typed into the buddy is where the next step starts.
        Testing::TypeInto(dlg, IDC_SIZE, u"3");
        Testing::ClickSpin(dlg, IDC_SIZE_SPIN, FALSE, 5);
        EXPECT_EQ(ToUtf8(Testing::ShownText(dlg, IDC_SIZE)), "2");
        // The arrow keys in the buddy step it too.
        Testing::PressKey(dlg, IDC_SIZE, Testing::VK_UP);
        Testing::PressKey(dlg, IDC_SIZE, Testing::VK_UP);
        EXPECT_EQ(ToUtf8(Testing::ShownText(dlg, IDC_SIZE)), "4");
        Testing::PressKey(dlg, IDC_SIZE, Testing::VK_DOWN);
        EXPECT_EQ(ToUtf8(Testing::ShownText(dlg, IDC_SIZE)), "3");
        Testing::PressOK(dlg);
    });
    EXPECT_EQ(dialog.m_nSize, 3);
    EXPECT_TRUE(m_boxes.Shown().empty());
}

TEST_F(ControlTest, ASortedComboListsCaseBlindAndTheProgramsChoiceIsNoSelChange)
{
    CTestDlg dialog;
    Run(dialog, [&](CDialog& dlg) {
        auto* pCombo = dynamic_cast<CComboBox*>(dlg.GetDlgItem(IDC_COMBO));
        for (const char16_t* face : {u"beta", u"Alpha", u"gamma", u"Delta", u"alpha"})
            pCombo->AddString(face);
        std::vector<std::string> entries;
        for (int n = 0; n < pCombo->GetCount(); ++n) {
            CString text;
            pCombo->GetLBText(n, text);
            entries.push_back(ToUtf8(text));
        }
        EXPECT_EQ(entries, (std::vector<std::string> {"Alpha", "alpha", "beta", "Delta", "gamma"}));
        EXPECT_EQ(pCombo->GetCurSel(), CB_ERR);
        EXPECT_EQ(ToUtf8(Testing::ShownText(dlg, IDC_COMBO)), "");
        EXPECT_EQ(pCombo->SetCurSel(9), CB_ERR);
        EXPECT_EQ(pCombo->SetCurSel(2), 2);
        EXPECT_EQ(ToUtf8(Testing::ShownText(dlg, IDC_COMBO)), "beta");
        EXPECT_TRUE(dialog.m_events.empty());
    });
}

TEST_F(ControlTest, AutomaticRadioButtonsClearOnlyTheirOwnGroup)
{
    CTestDlg dialog;
    Run(dialog, [&](CDialog& dlg) {
        dlg.CheckDlgButton(IDC_RADIO_A1, BST_CHECKED);
        dlg.CheckDlgButton(IDC_RADIO_B2, BST_CHECKED);
        Testing::Click(dlg, IDC_RADIO_A2);
        EXPECT_EQ(CheckOf(dlg, IDC_RADIO_A1), BST_UNCHECKED);
        EXPECT_EQ(CheckOf(dlg, IDC_RADIO_A2), BST_CHECKED);
        EXPECT_EQ(CheckOf(dlg, IDC_RADIO_B2), BST_CHECKED);
        // Clicking the checked one leaves it checked, and still tells the dialog.
        Testing::Click(dlg, IDC_RADIO_A2);
        EXPECT_EQ(CheckOf(dlg, IDC_RADIO_A2), BST_CHECKED);
        Testing::Click(dlg, IDC_RADIO_B1);
        EXPECT_EQ(CheckOf(dlg, IDC_RADIO_B2), BST_UNCHECKED);
        EXPECT_EQ(CheckOf(dlg, IDC_RADIO_A2), BST_CHECKED);
        EXPECT_EQ(dialog.m_events, (std::vector<std::string> {"click 105", "click 105"}));
        // The program may clear every radio of a group.
        dlg.CheckDlgButton(IDC_RADIO_A2, BST_UNCHECKED);
        EXPECT_EQ(CheckOf(dlg, IDC_RADIO_A1) + CheckOf(dlg, IDC_RADIO_A2), 0u);
        // The arrow keys walk the group round its ends, clicking as they go.
        Testing::PressKey(dlg, IDC_RADIO_B1, Testing::VK_DOWN);
        EXPECT_EQ(Testing::FocusedControl(dlg), IDC_RADIO_B2);
        EXPECT_EQ(CheckOf(dlg, IDC_RADIO_B2), BST_CHECKED);
        EXPECT_EQ(CheckOf(dlg, IDC_RADIO_B1), BST_UNCHECKED);
        Testing::PressKey(dlg, IDC_RADIO_B2, Testing::VK_DOWN);
        EXPECT_EQ(Testing::FocusedControl(dlg), IDC_RADIO_B1);
        EXPECT_EQ(CheckOf(dlg, IDC_RADIO_B1), BST_CHECKED);
        Testing::Click(dlg, IDC_CHECK);
        EXPECT_EQ(CheckOf(dlg, IDC_CHECK), BST_CHECKED);
        Testing::Click(dlg, IDC_CHECK);
        EXPECT_EQ(CheckOf(dlg, IDC_CHECK), BST_UNCHECKED);
    });
}

}  // namespace
