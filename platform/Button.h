// SPDX-License-Identifier: MIT
#pragma once

// Buttons: push buttons (BS_PUSHBUTTON, BS_DEFPUSHBUTTON), check boxes
// (BS_CHECKBOX, BS_AUTOCHECKBOX), radio buttons (BS_RADIOBUTTON,
// BS_AUTORADIOBUTTON), group boxes (BS_GROUPBOX) and owner-drawn buttons
// (BS_OWNERDRAW). A click sends BN_CLICKED to the parent. An automatic radio
// button, when clicked, checks itself and clears the other radio buttons of
// its group: the siblings from the nearest WS_GROUP at or before it up to the
// next WS_GROUP. An owner-drawn button is drawn by DrawItem, which a class
// derived from CButton overrides.

#include "platform/Resource.h"
#include "platform/Wnd.h"

constexpr UINT BST_UNCHECKED = 0;
constexpr UINT BST_CHECKED = 1;
constexpr UINT BST_INDETERMINATE = 2;

class CButton : public CWnd {
public:
    CButton();
    ~CButton() override;

    int GetCheck() const;
    void SetCheck(int nCheck);

    // Draws an owner-drawn button: lpDrawItemStruct gives the device context
    // (CDC::FromHandle(hDC)), the item rectangle, the control id and state.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    QWidget* CreateNativeWidget(QWidget* pParent) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
