// SPDX-License-Identifier: MIT
#include "app/NotesDlg.h"

CNotesDlg::CNotesDlg(CWnd* pParent) : CDialog(IDD, pParent)
{
}

CNotesDlg::~CNotesDlg() = default;

void CNotesDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_PUZZLE_NOTES, m_strNotes);
}

BOOL CNotesDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CenterWindow();
    return TRUE;
}
