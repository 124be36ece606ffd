// SPDX-License-Identifier: MIT
#pragma once

// Combo box: a list with, for CBS_DROPDOWN, an edit field above it. With
// CBS_SORT the list keeps its texts in order (case ignored first). The parent
// gets CBN_SELCHANGE only when the user picks an entry of the list (with the
// pointer or the arrow keys); neither SetCurSel nor typing in the edit field
// sends it.

#include "platform/Resource.h"
#include "platform/Wnd.h"

constexpr int CB_OKAY = 0;
constexpr int CB_ERR = -1;
constexpr int CB_ERRSPACE = -2;

constexpr DWORD CBS_SIMPLE = 0x0001;
constexpr DWORD CBS_DROPDOWNLIST = 0x0003;

class CComboBox : public CWnd {
public:
    CComboBox();
    ~CComboBox() override;

    // Returns the index the text went to.
    int AddString(LPCTSTR lpszString);
    int GetCount() const;
    // The text of entry nIndex; CB_ERR (and rString unchanged) outside the list.
    int GetLBText(int nIndex, CString& rString) const;
    // -1 clears the selection; CB_ERR for an index outside the list.
    int SetCurSel(int nSelect);
    int GetCurSel() const;

protected:
    QWidget* CreateNativeWidget(QWidget* pParent) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);

    DECLARE_MESSAGE_MAP()
};
