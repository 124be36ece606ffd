// SPDX-License-Identifier: MIT
#pragma once

// Static control: text (word-wrapped, a single "&" taken as a mnemonic mark
// unless SS_NOPREFIX; with SS_EDITCONTROL wrapped exactly as DrawText with
// DT_WORDBREAK | DT_EDITCONTROL wraps it in the control's font, GetFont), or
// with SS_ICON the icon resource named by its text ("#128"), sized to the icon.

#include "platform/Resource.h"
#include "platform/Wnd.h"

class CStatic : public CWnd {
public:
    CStatic();
    ~CStatic() override;

    // Shows icon resource nIconID at its own size; FALSE, with the static as
    // it was, when the resource set has no such icon or its image is damaged.
    BOOL SetIconID(UINT nIconID);

protected:
    QWidget* CreateNativeWidget(QWidget* pParent) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);

    DECLARE_MESSAGE_MAP()
};
