// SPDX-License-Identifier: MIT
#pragma once

#include "model/PageLayout.h"
#include "platform/Dialog.h"
#include "platform/Platform.h"
#include "res/resource.h"

// What the printed grid shows: blank, the player's letters or the solution
// (offered only when the answers are known), and whether a large grid is
// scaled to one page rather than cut into tiles.
class CPrintChoicesDlg : public CDialog {
public:
    explicit CPrintChoicesDlg(CWnd* pParent = nullptr);
    ~CPrintChoicesDlg() override;

    enum { IDD = IDD_PRINT_CHOICES };

    CString m_strCaption;  // the command's name
    BOOL m_bSolutionKnown = FALSE;
    EPrintContent m_nContent = EPrintContent::Blank;
    int m_bOnePage = FALSE;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg void OnBlank();
    afx_msg void OnFill();
    afx_msg void OnSolution();

    DECLARE_MESSAGE_MAP()
};
