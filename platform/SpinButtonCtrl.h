// SPDX-License-Identifier: MIT
#pragma once

// Up-down control (spin): two arrows that step a position within a range.
// Each step first sends UDN_DELTAPOS (NMUPDOWN: the position and the step) to
// the parent, whose handler may change the step or refuse it with a non-zero
// result; without UDS_WRAP the position stops at the ends of the range. With
// UDS_SETBUDDYINT the buddy window shows the position as a number and a
// number typed there is where the next step starts. UDS_AUTOBUDDY takes the
// window created just before the spin as its buddy; UDS_ALIGNRIGHT puts the
// spin against the buddy's right edge, inside its old width; UDS_ARROWKEYS
// lets the Up and Down keys in the buddy step the spin.

#include "platform/Resource.h"
#include "platform/Wnd.h"

constexpr DWORD UDS_WRAP = 0x0001;
constexpr DWORD UDS_ALIGNLEFT = 0x0008;
constexpr DWORD UDS_HORZ = 0x0040;
constexpr DWORD UDS_NOTHOUSANDS = 0x0080;

constexpr UINT UDN_FIRST = 0U - 721U;
constexpr UINT UDN_DELTAPOS = UDN_FIRST - 1;

struct NMUPDOWN {
    NMHDR hdr;
    int iPos;
    int iDelta;
};
using LPNMUPDOWN = NMUPDOWN*;
using NM_UPDOWN = NMUPDOWN;

class CSpinButtonCtrl : public CWnd {
public:
    CSpinButtonCtrl();
    ~CSpinButtonCtrl() override;

    // nLower is where the down arrow leads, nUpper where the up arrow leads
    // (nLower may be the larger). The position is kept within the range.
    void SetRange(int nLower, int nUpper);
    CWnd* SetBuddy(CWnd* pWndBuddy);  // returns the previous buddy
    CWnd* GetBuddy() const;

    // One step as the arrows and keys make it: +1 towards nUpper, -1 towards nLower.
    void Step(int nDirection);

protected:
    QWidget* CreateNativeWidget(QWidget* pParent) override;
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);

    DECLARE_MESSAGE_MAP()

private:
    void ShowInBuddy();
    void ReadBuddy();
    void AttachBuddyKeys();
    void AlignToBuddy();

    int m_nLower = 100;  // the control's own default range
    int m_nUpper = 0;
    int m_nPos = 0;
    HWND m_hWndBuddy = nullptr;
};
