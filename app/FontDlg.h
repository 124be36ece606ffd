// SPDX-License-Identifier: MIT
#pragma once

#include "panes/Settings.h"
#include "platform/Dialog.h"
#include "platform/Platform.h"
#include "res/resource.h"

// The grid's face name, chosen from the installed fonts, and its two font sizes.
class CFontDlg : public CDialog {
public:
    explicit CFontDlg(CWnd* pParent = nullptr);
    ~CFontDlg() override;

    enum { IDD = IDD_FONT };

    int m_nLetterFontSize = 0;
    int m_nNumberFontSize = 0;
    CString m_strFontName;

    // Adds each enumerated face to the name list; lpData is the dialog.
    static int CALLBACK EnumFontsProc(const LOGFONT* lplf, const TEXTMETRIC* lptm, DWORD dwType, LPARAM lpData);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    afx_msg void OnSelChangeFontName();

    DECLARE_MESSAGE_MAP()

private:
    CComboBox& FontNames();
};
