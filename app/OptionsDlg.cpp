// SPDX-License-Identifier: MIT
#include "app/OptionsDlg.h"

BEGIN_MESSAGE_MAP(COptionsDlg, CDialog)
    ON_BN_CLICKED(IDC_CHECK_ENTERED, OnCheckEntered)
    ON_BN_CLICKED(IDC_CHECK_REQUEST, OnCheckRequest)
    ON_BN_CLICKED(IDC_CLUE_SMALL, OnClueSmall)
    ON_BN_CLICKED(IDC_CLUE_LARGE, OnClueLarge)
END_MESSAGE_MAP()

COptionsDlg::COptionsDlg(CWnd* pParent) : CDialog(IDD, pParent)
{
}

COptionsDlg::~COptionsDlg() = default;

void COptionsDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_SQUARE_SIZE, m_nSquareSize);
    DDV_MinMaxInt(pDX, m_nSquareSize, SETTING_SQUARE_SIZE.nMin, SETTING_SQUARE_SIZE.nMax);
    DDX_Check(pDX, IDC_NUMBERS, m_bNumbers);
    DDX_Check(pDX, IDC_INPUT_WINDOW, m_bInputWindow);
    DDX_Check(pDX, IDC_AUTOSAVE, m_bAutoSave);
}

BOOL COptionsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    // A mode other than 0 or 1 leaves both radios clear.
    if (m_nSolveMode == SOLVE_CHECK_AS_ENTERED)
        CheckDlgButton(IDC_CHECK_ENTERED, BST_CHECKED);
    else if (m_nSolveMode == SOLVE_CHECK_ON_REQUEST)
        CheckDlgButton(IDC_CHECK_REQUEST, BST_CHECKED);

    static_cast<CSpinButtonCtrl*>(GetDlgItem(IDC_SQUARE_SPIN))
        ->SetRange(SETTING_SQUARE_SIZE.nMin, SETTING_SQUARE_SIZE.nMax);

    // Any stored height but the small one counts as large; it is written back
    // unchanged unless a radio is clicked.
    CheckDlgButton(m_nClueHeight == CLUE_HEIGHT_SMALL ? IDC_CLUE_SMALL : IDC_CLUE_LARGE, BST_CHECKED);
    return TRUE;
}

void COptionsDlg::OnCheckEntered()
{
    m_nSolveMode = SOLVE_CHECK_AS_ENTERED;
}

void COptionsDlg::OnCheckRequest()
{
    m_nSolveMode = SOLVE_CHECK_ON_REQUEST;
}

void COptionsDlg::OnClueSmall()
{
    m_nClueHeight = CLUE_HEIGHT_SMALL;
}

void COptionsDlg::OnClueLarge()
{
    m_nClueHeight = CLUE_HEIGHT_LARGE;
}
