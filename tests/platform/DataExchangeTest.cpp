// SPDX-License-Identifier: MIT
// Data exchange: range checks that keep the dialog open with the message and
// the focus on the field.
#include "DialogTestSupport.h"

using namespace dialogtest;

namespace {

using DataExchangeTest = DialogTest;

TEST_F(DataExchangeTest, OutOfRangeIsRefusedWithTheMessageFocusBackAndDialogOpen)
{
    CTestDlg dialog;
    const int nResult = Run(dialog, [&](CDialog& dlg) {
        for (const char16_t* bad : {u"1", u"65", u""}) {
            Testing::TypeInto(dlg, IDC_SIZE, bad);
            Testing::Click(dlg, IDC_NAME);  // focus elsewhere before OK
            Testing::PressOK(dlg);
            ASSERT_TRUE(Testing::IsOpen(dlg)) << ToUtf8(bad);
            ASSERT_FALSE(m_boxes.Shown().empty());
            EXPECT_EQ(ToUtf8(m_boxes.Shown().back().strText), "Please enter an integer between 2 and 64.");
            EXPECT_EQ(m_boxes.Shown().back().Icon(), MB_ICONEXCLAMATION);
            EXPECT_EQ(Testing::FocusedControl(dlg), IDC_SIZE);
            int nStart = -1, nEnd = -1;
            dynamic_cast<CEdit*>(dlg.GetDlgItem(IDC_SIZE))->GetSel(nStart, nEnd);
            EXPECT_EQ(nStart, 0);
            EXPECT_EQ(nEnd, static_cast<int>(std::u16string(bad).size()));
        }
        // Text that is no number is named by the range too; blanks round a number are not.
        Testing::TypeInto(dlg, IDC_SIZE, u"2");
        Testing::TypeInto(dlg, IDC_COMPONENT, u"12x");
        Testing::PressOK(dlg);
        EXPECT_EQ(ToUtf8(m_boxes.Shown().back().strText), "Please enter an integer between 0 and 255.");
        EXPECT_EQ(Testing::FocusedControl(dlg), IDC_COMPONENT);
        Testing::TypeInto(dlg, IDC_COMPONENT, u" 42 ");
        Testing::PressOK(dlg);
    });
    ASSERT_EQ(nResult, IDOK);
    EXPECT_EQ(dialog.m_nSize, 2);
    EXPECT_EQ(dialog.m_nComponent, 42);
    EXPECT_EQ(m_boxes.Shown().size(), 4u);
}

}  // namespace
