// SPDX-License-Identifier: MIT
#pragma once

#include "app/ColorSwatch.h"
#include "platform/Dialog.h"
#include "platform/Platform.h"
#include "res/resource.h"

// Steps through the grid's eight colour slots and edits their red, green and
// blue components on a working copy.
class CColorsDlg : public CDialog {
public:
    static constexpr int kSlots = 8;

    explicit CColorsDlg(CWnd* pParent = nullptr);
    ~CColorsDlg() override;

    enum { IDD = IDD_COLORS };

    CColorSwatch m_wndSwatch;
    // Exchanged only to validate the edits on OK; the colours travel through the edits' text.
    int m_nBlue = 0;
    int m_nGreen = 0;
    int m_nRed = 0;
    COLORREF m_colors[kSlots] = {};  // filled by the caller
    LPCTSTR m_apszNames[kSlots] = {};  // filled by the caller
    int m_nCurrent = -1;  // slot shown, -1 for none
    int m_bFieldsValid = 0;  // 0 while the edits are being filled

    void CommitColor();
    void SelectColor(int nIndex);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    afx_msg void OnChangeRGB();
    afx_msg void OnDeltaPosSelector(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnResetColors();

    DECLARE_MESSAGE_MAP()

private:
    COLORREF ColorFromEdits();
    void SetComponentRange(UINT nSpinID);
};
