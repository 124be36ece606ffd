// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Dialog.h"
#include "platform/Platform.h"
#include "res/resource.h"

// The loaded puzzle's notes, whole, in a field that scrolls.
class CNotesDlg : public CDialog {
public:
    explicit CNotesDlg(CWnd* pParent = nullptr);
    ~CNotesDlg() override;

    enum { IDD = IDD_NOTES };

    CString m_strNotes;  // lines apart by "\r\n"

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
};
