// SPDX-License-Identifier: MIT
#pragma once

// The bar between two panes that the user drags to share the room between
// them. A bar taller than wide moves left and right, one wider than tall up
// and down; the pointer shows which. The bar does not move itself: while it is
// dragged its parent gets WM_NOTIFY with SPN_DRAG and the place the user
// wants for it, and lays out the panes and the bar as it sees fit.

#include "platform/Wnd.h"

constexpr UINT SPN_DRAG = 0U - 1200U;

struct NMSPLITTERBAR {
    NMHDR hdr;
    // Where the bar's left edge (a bar taller than wide) or top edge would
    // be, in the parent's client coordinates.
    int nPos;
};

class CSplitterBar : public CWnd {
public:
    CSplitterBar();
    ~CSplitterBar() override;

    // TRUE while the bar moves left and right (it is taller than wide).
    BOOL IsVertical() const;

protected:
    QWidget* CreateNativeWidget(QWidget* pParent) override;
};
