// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Dialog.h"
#include "platform/Platform.h"
#include "res/resource.h"

// File name, title, author and copyright line of the loaded puzzle, and its
// notes when it has any. Every text is shown whole: a text longer than its
// place makes its place taller, and the dialog with it.
class CAboutPuzzleDlg : public CDialog {
public:
    explicit CAboutPuzzleDlg(CWnd* pParent = nullptr);
    ~CAboutPuzzleDlg() override;

    enum { IDD = IDD_ABOUT_PUZZLE };

    CString m_strAuthor;
    CString m_strCopyright;
    CString m_strTitle;
    CString m_strFile;
    // Shown below the copyright line, with a scroll bar when long; the notes
    // field and its label are hidden when this is blank.
    CString m_strNotes;

    // The part of a path after its last folder separator, or the whole path.
    static CString FileNameOf(const CString& strPath);
    // Whether a puzzle's notes say anything (not only blanks and line breaks).
    static BOOL HasNotes(const std::u16string& strNotes);
    // The notes with their line breaks as the dialogs show them ("\r\n").
    static CString NotesText(const std::u16string& strNotes);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

private:
    CRect ControlRect(CWnd* pControl) const;
    // Moves every control whose top lies at or below nFromY down by nBy.
    void MoveControlsDown(int nFromY, int nBy);
    // Makes a text static as tall as its text; returns how much it grew.
    int FitText(int nID);
    // Places the notes above the OK button, within the desktop's height for a
    // dialog already nGrowthAbove taller; returns the room they took.
    int PlaceNotes(int nGrowthAbove);
};
