// SPDX-License-Identifier: MIT
#include "app/AboutDlg.h"

CAboutDlg::CAboutDlg(CWnd* pParent) : CDialog(IDD, pParent)
{
}

CAboutDlg::~CAboutDlg() = default;

void CAboutDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CenterWindow();
    return TRUE;
}
