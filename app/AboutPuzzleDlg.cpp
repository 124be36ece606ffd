// SPDX-License-Identifier: MIT
#include "app/AboutPuzzleDlg.h"

CAboutPuzzleDlg::CAboutPuzzleDlg(CWnd* pParent) : CDialog(IDD, pParent)
{
}

CAboutPuzzleDlg::~CAboutPuzzleDlg() = default;

void CAboutPuzzleDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_PUZZLE_AUTHOR, m_strAuthor);
    DDX_Text(pDX, IDC_PUZZLE_COPYRIGHT, m_strCopyright);
    DDX_Text(pDX, IDC_PUZZLE_TITLE, m_strTitle);
    DDX_Text(pDX, IDC_PUZZLE_FILE, m_strFile);
}

CString CAboutPuzzleDlg::FileNameOf(const CString& strPath)
{
    // Both separators count, so a path from either kind of system shows its name only.
    const size_t nLast = strPath.find_last_of(u"\\/");
    if (nLast == CString::npos)
        return strPath;
    return CString(strPath.substr(nLast + 1));
}
