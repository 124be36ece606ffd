// SPDX-License-Identifier: MIT
#pragma once

#include "app/ColorSwatch.h"
#include "panes/Settings.h"
#include "platform/Dialog.h"
#include "platform/Platform.h"
#include "res/resource.h"

// Steps through the grid's colour slots and edits their red, green and
// blue components on a working copy.
class CColorsDlg : public CDialog {
public:
    explicit CColorsDlg(CWnd* pParent = nullptr);
    ~CColorsDlg() override;

    enum { IDD = IDD_COLORS };

    // The working copy of the grid's colour slots and their names, filled by
    // the caller; the colours are read back after OK.
    COLORREF m_colors[NUM_GRID_COLORS] = {};
    LPCTSTR m_apszNames[NUM_GRID_COLORS] = {};

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    afx_msg void OnChangeRGB();
    afx_msg void OnDeltaPosSelector(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnResetColors();

    DECLARE_MESSAGE_MAP()

private:
    void CommitColor();
    void SelectColor(int nIndex);
    COLORREF ColorFromEdits();
    void SetComponentRange(UINT nSpinID);

    CColorSwatch m_wndSwatch;
    // Exchanged only to validate the edits on OK; the colours travel through the edits' text.
    int m_nBlue = 0;
    int m_nGreen = 0;
    int m_nRed = 0;
    int m_nCurrent = -1;  // slot shown, -1 for none
    BOOL m_bFieldsValid = FALSE;  // FALSE while the edits are being filled
};
