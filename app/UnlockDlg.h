// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Dialog.h"
#include "platform/Platform.h"
#include "res/resource.h"

// Asks for the four-digit key of a locked puzzle; an empty key asks for a search.
class CUnlockDlg : public CDialog {
public:
    explicit CUnlockDlg(CWnd* pParent = nullptr);
    ~CUnlockDlg() override;

    enum { IDD = IDD_UNLOCK };

    CString m_strKey;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
};
