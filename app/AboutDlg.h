// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Dialog.h"
#include "platform/Platform.h"
#include "res/resource.h"

// The program's version box.
class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(CWnd* pParent = nullptr);
    ~CAboutDlg() override;

    enum { IDD = IDD_ABOUTBOX };

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
};
