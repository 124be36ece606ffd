// SPDX-License-Identifier: MIT
#pragma once

// A test dialog template with one control of each kind, a dialog class that
// records what reaches its message table, and a fixture that installs the
// template set and the scripted dialogs and message boxes.

#include "platform/Dialog.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"
#include "platform/testing/Testing.h"
#include "platform/testing/TestingDialogs.h"
#include "platform/testing/TestingShell.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dialogtest {

constexpr UINT kTestDialog = 900;
constexpr UINT kTextDialog = 901;  // a wrapping static and a multi-line edit
constexpr UINT kIcon = 77;

enum : int {
    IDC_SIZE = 100,
    IDC_SIZE_SPIN = 101,
    IDC_NAME = 102,
    IDC_CHECK = 103,
    IDC_RADIO_A1 = 104,
    IDC_RADIO_A2 = 105,
    IDC_RADIO_B1 = 106,
    IDC_RADIO_B2 = 107,
    IDC_COMBO = 108,
    IDC_ICON = 111,
    IDC_COMPONENT = 112,
    IDC_WRAPPED = 120,
    IDC_LINES = 121,
};

const ResourceSet& TestResources();

// 32 x 32 icons that are damaged each in its own way; the test resources hold
// them from kFirstDamagedIcon on.
const std::vector<ImageResource>& DamagedIcons();
constexpr UINT kFirstDamagedIcon = 80;

class CTestDlg : public CDialog {
public:
    explicit CTestDlg(UINT nIDTemplate = kTestDialog, CWnd* pParent = nullptr) : CDialog(nIDTemplate, pParent) { }

    // Fields.
    int m_nSize = 10;
    CString m_strName = u"abc";
    int m_bCheck = 0;
    int m_nComponent = 0;

    // What happened.
    std::vector<std::string> m_events;

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnRadioA1() { m_events.push_back("click 104"); }
    afx_msg void OnRadioA2() { m_events.push_back("click 105"); }
    afx_msg void OnSelChange();

    DECLARE_MESSAGE_MAP()
};

// Scripted dialogs and message boxes, the test templates installed, and a
// check at the end that every dialog ran its script and closed.
class DialogTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Runs the dialog with the script, cancelling it afterwards if still open.
    int Run(CDialog& dialog, Testing::ScriptedDialogs::Script script);

    Testing::ScriptedMessageBoxes m_boxes;
    Testing::ScriptedDialogs m_scripts;

private:
    const ResourceSet* m_pOldResources = nullptr;
};

using trellis::test::ToUtf8;

// The check state of a check box or radio button of the dialog.
UINT CheckOf(CDialog& dlg, int nID);

}  // namespace dialogtest
