// SPDX-License-Identifier: MIT
#include "app/AboutPuzzleDlg.h"

#include <algorithm>

namespace {

// The notes field: at least this many lines high, and at most so many before
// it scrolls.
constexpr int kMinNoteLines = 3;
constexpr int kMaxNoteLines = 10;
// Dialog units between the notes' label and field, and below the field.
constexpr int kNoteGap = 2;

}  // namespace

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
    DDX_Text(pDX, IDC_PUZZLE_NOTES, m_strNotes);
}

BOOL CAboutPuzzleDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // Top to bottom, so that each text moves down what a text above it pushed.
    int nGrowth = 0;
    for (const int nID : {IDC_PUZZLE_FILE, IDC_PUZZLE_TITLE, IDC_PUZZLE_AUTHOR, IDC_PUZZLE_COPYRIGHT})
        nGrowth += FitText(nID);
    nGrowth += PlaceNotes(nGrowth);
    if (nGrowth > 0) {
        CRect rcWindow;
        GetWindowRect(&rcWindow);
        SetWindowPos(nullptr, 0, 0, rcWindow.Width(), rcWindow.Height() + nGrowth,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return TRUE;
}

CRect CAboutPuzzleDlg::ControlRect(CWnd* pControl) const
{
    CRect rc;
    pControl->GetWindowRect(&rc);
    ScreenToClient(&rc);
    return rc;
}

void CAboutPuzzleDlg::MoveControlsDown(int nFromY, int nBy)
{
    for (CWnd* pControl = GetWindow(GW_CHILD); pControl; pControl = pControl->GetWindow(GW_HWNDNEXT)) {
        const CRect rc = ControlRect(pControl);
        if (rc.top >= nFromY)
            pControl->MoveWindow(rc.left, rc.top + nBy, rc.Width(), rc.Height(), TRUE);
    }
}

int CAboutPuzzleDlg::FitText(int nID)
{
    CWnd* pStatic = GetDlgItem(nID);
    if (!pStatic)
        return 0;
    CString strText;
    pStatic->GetWindowText(strText);
    const CRect rc = ControlRect(pStatic);
    // Measured as the static breaks it: the same font, breaks and line height.
    CClientDC dc(pStatic);
    CFont* pOldFont = pStatic->GetFont() ? dc.SelectObject(pStatic->GetFont()) : nullptr;
    CRect rcText(0, 0, rc.Width(), 0);
    const int nHeight = dc.DrawText(strText, &rcText, DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
    if (pOldFont)
        dc.SelectObject(pOldFont);
    // Never smaller than the template makes it: short texts look as they always did.
    const int nGrowth = nHeight - rc.Height();
    if (nGrowth <= 0)
        return 0;
    MoveControlsDown(rc.bottom, nGrowth);
    pStatic->MoveWindow(rc.left, rc.top, rc.Width(), nHeight, TRUE);
    return nGrowth;
}

int CAboutPuzzleDlg::PlaceNotes(int nGrowthAbove)
{
    CWnd* pLabel = GetDlgItem(IDC_NOTES_LABEL);
    CWnd* pNotes = GetDlgItem(IDC_PUZZLE_NOTES);
    CWnd* pOK = GetDlgItem(IDOK);
    if (!pLabel || !pNotes || !pOK)
        return 0;
    if (!HasNotes(m_strNotes)) {
        pLabel->ShowWindow(SW_HIDE);
        pNotes->ShowWindow(SW_HIDE);
        return 0;
    }
    // The label where the OK button stands, the field under it, the button
    // under the field; the field as tall as the notes, within its bounds.
    CRect rcGap(0, 0, 0, kNoteGap);
    MapDialogRect(&rcGap);
    const CRect rcLabel = ControlRect(pLabel);
    const CRect rcOK = ControlRect(pOK);
    const CRect rcNotes = ControlRect(pNotes);
    CClientDC dc(pNotes);
    CFont* pOldFont = pNotes->GetFont() ? dc.SelectObject(pNotes->GetFont()) : nullptr;
    TEXTMETRIC tm {};
    dc.GetTextMetrics(&tm);
    CRect rcText(0, 0, rcNotes.Width() - GetSystemMetrics(SM_CXVSCROLL) - 8, 0);
    const int nText = dc.DrawText(m_strNotes, &rcText, DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
    if (pOldFont)
        dc.SelectObject(pOldFont);
    const int nLine = std::max(1, static_cast<int>(tm.tmHeight));
    const int nMinField = kMinNoteLines * nLine + 8;  // the lines and the field's frame
    int nField = std::clamp(nText, kMinNoteLines * nLine, kMaxNoteLines * nLine) + 8;
    // A dialog taller than the desktop would hide its OK button: the field
    // gives up lines first, down to its least.
    const int nFixed = rcLabel.Height() + 3 * rcGap.Height();
    RECT rcWork {};
    if (SystemParametersInfo(SPI_GETWORKAREA, 0, &rcWork, 0)) {
        CRect rcWindow;
        GetWindowRect(&rcWindow);
        const int nOver = rcWindow.Height() + nGrowthAbove + nFixed + nField - (rcWork.bottom - rcWork.top);
        if (nOver > 0)
            nField = std::max(nMinField, nField - nOver);
    }
    const int nFieldTop = rcOK.top + rcLabel.Height() + rcGap.Height();
    const int nOKTop = nFieldTop + nField + 2 * rcGap.Height();
    pLabel->MoveWindow(rcLabel.left, rcOK.top, rcLabel.Width(), rcLabel.Height(), TRUE);
    pNotes->MoveWindow(rcNotes.left, nFieldTop, rcNotes.Width(), nField, TRUE);
    pOK->MoveWindow(rcOK.left, nOKTop, rcOK.Width(), rcOK.Height(), TRUE);
    return nOKTop - rcOK.top;
}

CString CAboutPuzzleDlg::FileNameOf(const CString& strPath)
{
    // Both separators count, so a path from either kind of system shows its name only.
    const size_t nLast = strPath.find_last_of(u"\\/");
    if (nLast == CString::npos)
        return strPath;
    return CString(strPath.substr(nLast + 1));
}

BOOL CAboutPuzzleDlg::HasNotes(const std::u16string& strNotes)
{
    return strNotes.find_first_not_of(u" \t\r\n") != std::u16string::npos ? TRUE : FALSE;
}

CString CAboutPuzzleDlg::NotesText(const std::u16string& strNotes)
{
    // Trailing blank lines say nothing; the rest is shown as it stands.
    const size_t nEnd = strNotes.find_last_not_of(u" \t\r\n");
    CString strText;
    for (size_t i = 0; nEnd != std::u16string::npos && i <= nEnd; ++i) {
        if (strNotes[i] == u'\r')
            continue;
        if (strNotes[i] == u'\n')
            strText += u'\r';
        strText += strNotes[i];
    }
    return strText;
}
