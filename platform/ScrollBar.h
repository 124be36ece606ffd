// SPDX-License-Identifier: MIT
#pragma once

// A scroll bar control. The standard bars of a window (WS_HSCROLL,
// WS_VSCROLL) are not CScrollBar objects: their WM_HSCROLL / WM_VSCROLL
// carry a null pScrollBar.

#include "platform/Wnd.h"

class CScrollBar : public CWnd {
public:
    CScrollBar() = default;
};
