// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Dialog.h"
#include "platform/Platform.h"
#include "res/resource.h"

// File name, title, author and copyright line of the loaded puzzle.
class CAboutPuzzleDlg : public CDialog {
public:
    explicit CAboutPuzzleDlg(CWnd* pParent = nullptr);
    ~CAboutPuzzleDlg() override;

    enum { IDD = IDD_ABOUT_PUZZLE };

    CString m_strAuthor;
    CString m_strCopyright;
    CString m_strTitle;
    CString m_strFile;

    // The part of a path after its last folder separator, or the whole path.
    static CString FileNameOf(const CString& strPath);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
