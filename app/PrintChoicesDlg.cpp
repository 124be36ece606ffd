// SPDX-License-Identifier: MIT
#include "app/PrintChoicesDlg.h"

BEGIN_MESSAGE_MAP(CPrintChoicesDlg, CDialog)
    ON_BN_CLICKED(IDC_PRINT_BLANK, OnBlank)
    ON_BN_CLICKED(IDC_PRINT_FILL, OnFill)
    ON_BN_CLICKED(IDC_PRINT_SOLUTION, OnSolution)
END_MESSAGE_MAP()

CPrintChoicesDlg::CPrintChoicesDlg(CWnd* pParent) : CDialog(IDD, pParent)
{
}

CPrintChoicesDlg::~CPrintChoicesDlg() = default;

void CPrintChoicesDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_PRINT_ONE_PAGE, m_bOnePage);
}

BOOL CPrintChoicesDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!m_strCaption.IsEmpty())
        SetWindowText(m_strCaption.c_str());
    // Scrambled answers are no solution to print.
    if (!m_bSolutionKnown && m_nContent == EPrintContent::Solution)
        m_nContent = EPrintContent::Blank;
    GetDlgItem(IDC_PRINT_SOLUTION)->EnableWindow(m_bSolutionKnown);
    CheckDlgButton(m_nContent == EPrintContent::Fill       ? IDC_PRINT_FILL
                   : m_nContent == EPrintContent::Solution ? IDC_PRINT_SOLUTION
                                                           : IDC_PRINT_BLANK,
                   BST_CHECKED);
    return TRUE;
}

void CPrintChoicesDlg::OnBlank()
{
    m_nContent = EPrintContent::Blank;
}

void CPrintChoicesDlg::OnFill()
{
    m_nContent = EPrintContent::Fill;
}

void CPrintChoicesDlg::OnSolution()
{
    m_nContent = EPrintContent::Solution;
}
