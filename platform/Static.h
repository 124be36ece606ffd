// SPDX-License-Identifier: MIT
#pragma once

// Static control: text (word-wrapped, a single "&" taken as a mnemonic mark
// unless SS_NOPREFIX), or with SS_ICON the icon resource named by its text
// ("#128"), sized to the icon.

#include "platform/Resource.h"
#include "platform/Wnd.h"

class CStatic : public CWnd {
public:
    CStatic();
    ~CStatic() override;

    BOOL SetIconID(UINT nIconID);

protected:
    QWidget* CreateNativeWidget(QWidget* pParent) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);

    DECLARE_MESSAGE_MAP()

private:
    UINT m_nIconID = 0;
};
