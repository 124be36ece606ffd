// SPDX-License-Identifier: MIT
#include "app/UnlockDlg.h"

CUnlockDlg::CUnlockDlg(CWnd* pParent) : CDialog(IDD, pParent)
{
}

CUnlockDlg::~CUnlockDlg() = default;

void CUnlockDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_UNLOCK_KEY, m_strKey);
}

BOOL CUnlockDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    static_cast<CEdit*>(GetDlgItem(IDC_UNLOCK_KEY))->SetLimitText(4);
    return TRUE;
}
