// SPDX-License-Identifier: MIT
#include "app/FontDlg.h"

BEGIN_MESSAGE_MAP(CFontDlg, CDialog)
    ON_CBN_SELCHANGE(IDC_FONT_NAME, OnSelChangeFontName)
END_MESSAGE_MAP()

CFontDlg::CFontDlg(CWnd* pParent) : CDialog(IDD, pParent)
{
}

CFontDlg::~CFontDlg() = default;

CComboBox& CFontDlg::FontNames()
{
    return *static_cast<CComboBox*>(GetDlgItem(IDC_FONT_NAME));
}

void CFontDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_LETTER_SIZE, m_nLetterFontSize);
    DDV_MinMaxInt(pDX, m_nLetterFontSize, SETTING_LETTER_FONT_SIZE.nMin, SETTING_LETTER_FONT_SIZE.nMax);
    DDX_Text(pDX, IDC_NUMBER_SIZE, m_nNumberFontSize);
    DDV_MinMaxInt(pDX, m_nNumberFontSize, SETTING_NUMBER_FONT_SIZE.nMin, SETTING_NUMBER_FONT_SIZE.nMax);
}

int CALLBACK CFontDlg::EnumFontsProc(const LOGFONT* lplf, const TEXTMETRIC* /*lptm*/, DWORD /*dwType*/, LPARAM lpData)
{
    auto* pDlg = reinterpret_cast<CFontDlg*>(lpData);
    pDlg->FontNames().AddString(lplf->lfFaceName);
    return 1;
}

BOOL CFontDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    CWnd* pParent = GetParent();
    CDC* pDC = pParent->GetDC();

    static_cast<CSpinButtonCtrl*>(GetDlgItem(IDC_NUMBER_SPIN))
        ->SetRange(SETTING_NUMBER_FONT_SIZE.nMin, SETTING_NUMBER_FONT_SIZE.nMax);
    static_cast<CSpinButtonCtrl*>(GetDlgItem(IDC_LETTER_SPIN))
        ->SetRange(SETTING_LETTER_FONT_SIZE.nMin, SETTING_LETTER_FONT_SIZE.nMax);

    EnumFonts(pDC->m_hDC, nullptr, EnumFontsProc, reinterpret_cast<LPARAM>(this));

    // Only an installed face is selected; otherwise the list stays unselected
    // and OK keeps the current face.
    CComboBox& names = FontNames();
    for (int i = 0; i < names.GetCount(); ++i) {
        CString strName;
        names.GetLBText(i, strName);
        if (strName == m_strFontName) {
            names.SetCurSel(i);
            break;
        }
    }

    pParent->ReleaseDC(pDC);
    return TRUE;
}

void CFontDlg::OnSelChangeFontName()
{
    // Text typed into the edit field never reaches the face name: only a list entry does.
    CComboBox& names = FontNames();
    const int nSel = names.GetCurSel();
    if (nSel != CB_ERR)
        names.GetLBText(nSel, m_strFontName);
}
