// SPDX-License-Identifier: MIT
#include "DialogTestSupport.h"

#include "res/Resources.h"

namespace dialogtest {

namespace {

ResourceSet BuildResources()
{
    ResourceSet set = TrellisResources();
    using K = DialogControl;
    constexpr DWORD kNumber = ES_NUMBER | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
    constexpr DWORD kBuddy = UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS;
    DialogResource& test =
        set.dialogs[kTestDialog] = {10, 20, 160, 170, DS_MODALFRAME | DS_SETFONT, 0, u"Test", u"Arial", 8, {}};
    test.items = {
        {K::Edit, u"", IDC_SIZE, 40, 5, 30, 14, kNumber},
        {K::UpDown, u"", IDC_SIZE_SPIN, 70, 5, 11, 14, kBuddy},
        {K::Edit, u"", IDC_NAME, 90, 5, 60, 14, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
        {K::Button, u"Check", IDC_CHECK, 5, 25, 50, 10, BS_AUTOCHECKBOX | WS_TABSTOP},
        {K::Button, u"A1", IDC_RADIO_A1, 5, 40, 40, 10, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP},
        {K::Button, u"A2", IDC_RADIO_A2, 5, 52, 40, 10, BS_AUTORADIOBUTTON},
        {K::Button, u"B1", IDC_RADIO_B1, 60, 40, 40, 10, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP},
        {K::Button, u"B2", IDC_RADIO_B2, 60, 52, 40, 10, BS_AUTORADIOBUTTON},
        {K::ComboBox, u"", IDC_COMBO, 5, 66, 100, 60, CBS_DROPDOWN | CBS_SORT | WS_VSCROLL | WS_TABSTOP | WS_GROUP},
        {K::Static, u"", IDC_ICON, 5, 100, 20, 20, SS_ICON, kIcon},
        {K::Edit, u"", IDC_COMPONENT, 40, 100, 30, 14, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
        {K::Button, u"OK", IDOK, 5, 150, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP},
        {K::Button, u"Cancel", IDCANCEL, 60, 150, 50, 14, BS_PUSHBUTTON | WS_TABSTOP},
        {K::Button, u"Group", -1, 1, 33, 102, 32, BS_GROUPBOX},
    };
    DialogResource& text =
        set.dialogs[kTextDialog] = {0, 0, 120, 100, DS_MODALFRAME | DS_SETFONT, 0, u"Texts", u"Arial", 8, {}};
    text.items = {
        {K::Static, u"", IDC_WRAPPED, 5, 5, 60, 8, SS_NOPREFIX | SS_EDITCONTROL},
        {K::Edit, u"", IDC_LINES, 5, 20, 100, 40, ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
        {K::Button, u"OK", IDOK, 5, 80, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {K::Button, u"Cancel", IDCANCEL, 60, 80, 50, 14, BS_PUSHBUTTON | WS_TABSTOP},
    };
    // A 32 x 32 icon: red top-left quarter, the rest blue.
    static const std::vector<std::string> rows = [] {
        std::vector<std::string> r;
        for (int y = 0; y < 32; ++y)
            r.push_back(std::string(16, y < 16 ? 'r' : 'b') + std::string(16, 'b'));
        return r;
    }();
    ImageResource icon {32, 32, "rb", {RGB(255, 0, 0), RGB(0, 0, 255)}, {}};
    for (const std::string& row : rows)
        icon.rows.push_back(row.c_str());
    set.icons[kIcon] = icon;
    for (size_t i = 0; i < DamagedIcons().size(); ++i)
        set.icons[kFirstDamagedIcon + static_cast<UINT>(i)] = DamagedIcons()[i];
    return set;
}

}  // namespace

const std::vector<ImageResource>& DamagedIcons()
{
    // Blue throughout where readable, so that a part shown is told from the
    // sound icon's red corner.
    static const std::string blue(32, 'b');
    static const std::string shortRow(20, 'b');
    static const std::string strayKey = std::string(5, 'b') + 'x' + std::string(26, 'b');
    static const std::vector<ImageResource> icons = [] {
        const std::vector<DWORD> palette {RGB(255, 0, 0), RGB(0, 0, 255)};
        std::vector<const char*> rows(32, blue.c_str());
        std::vector<ImageResource> v;
        auto withRow = [&](int y, const char* pszRow) {
            std::vector<const char*> r = rows;
            r[static_cast<size_t>(y)] = pszRow;
            return r;
        };
        v.push_back({32, 32, "rb", palette, withRow(10, shortRow.c_str())});  // a row too short
        v.push_back({32, 32, "rb", palette, withRow(5, strayKey.c_str())});  // a key not in the palette
        v.push_back({32, 32, "rb", palette, std::vector<const char*>(16, blue.c_str())});  // rows missing
        v.push_back({32, 32, "rb", {RGB(255, 0, 0)}, rows});  // a key without a colour
        v.push_back({32, 32, "rb", palette, withRow(31, nullptr)});  // no row at all
        return v;
    }();
    return icons;
}

const ResourceSet& TestResources()
{
    static const ResourceSet set = BuildResources();
    return set;
}

BEGIN_MESSAGE_MAP(CTestDlg, CDialog)
    ON_BN_CLICKED(IDC_RADIO_A1, OnRadioA1)
    ON_BN_CLICKED(IDC_RADIO_A2, OnRadioA2)
    ON_CBN_SELCHANGE(IDC_COMBO, OnSelChange)
END_MESSAGE_MAP()

BOOL CTestDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (auto* pSpin = dynamic_cast<CSpinButtonCtrl*>(GetDlgItem(IDC_SIZE_SPIN)))
        pSpin->SetRange(2, 64);
    return TRUE;
}

void CTestDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_SIZE, m_nSize);
    DDV_MinMaxInt(pDX, m_nSize, 2, 64);
    DDX_Text(pDX, IDC_NAME, m_strName);
    DDX_Check(pDX, IDC_CHECK, m_bCheck);
    DDX_Text(pDX, IDC_COMPONENT, m_nComponent);
    DDV_MinMaxInt(pDX, m_nComponent, 0, 255);
}

void CTestDlg::OnSelChange()
{
    auto* pCombo = dynamic_cast<CComboBox*>(GetDlgItem(IDC_COMBO));
    CString text;
    pCombo->GetLBText(pCombo->GetCurSel(), text);
    m_events.push_back("selchange " + ToUtf8(text));
}

void DialogTest::SetUp()
{
    m_pOldResources = AfxGetResources();
    AfxSetResources(&TestResources());
}

int DialogTest::Run(CDialog& dialog, Testing::ScriptedDialogs::Script script)
{
    m_scripts.Queue([script](CDialog& dlg) {
        script(dlg);
        if (Testing::IsOpen(dlg))
            Testing::PressCancel(dlg);
    });
    return static_cast<int>(dialog.DoModal());
}

void DialogTest::TearDown()
{
    EXPECT_TRUE(m_scripts.Faults().empty()) << m_scripts.Faults().front();
    EXPECT_EQ(m_scripts.ScriptsLeft(), 0u);
    AfxSetResources(m_pOldResources);
}

UINT CheckOf(CDialog& dlg, int nID)
{
    auto* pButton = dynamic_cast<CButton*>(dlg.GetDlgItem(nID));
    if (!pButton) {
        ADD_FAILURE() << "no button " << nID;
        return BST_INDETERMINATE;
    }
    return static_cast<UINT>(pButton->GetCheck());
}

}  // namespace dialogtest
