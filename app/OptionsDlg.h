// SPDX-License-Identifier: MIT
#pragma once

#include "panes/Settings.h"
#include "platform/Dialog.h"
#include "platform/Platform.h"
#include "res/resource.h"

// Square size, solve mode, clue numbers, input pane, clue bar height and
// whether progress is saved automatically.
class COptionsDlg : public CDialog {
public:
    explicit COptionsDlg(CWnd* pParent = nullptr);
    ~COptionsDlg() override;

    enum { IDD = IDD_OPTIONS };

    int m_nSquareSize = 0;
    int m_bNumbers = 0;
    int m_bInputWindow = 0;
    int m_bAutoSave = SETTING_AUTOSAVE.nDefault;
    // The caller fills these two; the radio buttons show them.
    int m_nSolveMode = SETTING_SOLVE_MODE.nDefault;
    int m_nClueHeight = SETTING_CLUE_HEIGHT.nDefault;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    afx_msg void OnCheckEntered();
    afx_msg void OnCheckRequest();
    afx_msg void OnClueSmall();
    afx_msg void OnClueLarge();

    DECLARE_MESSAGE_MAP()
};
