// SPDX-License-Identifier: MIT
#pragma once

// List box of the kind a long list wants: it keeps no data of its own, only a
// count of items (LBS_NODATA), and its owner draws every item in the height
// the owner asks for (LBS_OWNERDRAWVARIABLE): the parent answers
// WM_MEASUREITEM and WM_DRAWITEM. Only the items in view are ever drawn, so
// the cost of a change does not grow with the count.
//
// An item is measured at the list's width whenever the count or the width
// changes. Drawing happens into a device context of the item's size:
// DRAWITEMSTRUCT::rcItem starts at (0, 0). The selected item is drawn with
// ODS_SELECTED.
//
// The pointer selects: a press on an item makes it the selected one and sends
// LBN_SELCHANGE to the parent, also when the item was selected already. The list never takes the keyboard focus, so
// typing goes on where it went. SetCurSel sends nothing.

#include "platform/Wnd.h"

constexpr int LB_OKAY = 0;
constexpr int LB_ERR = -1;

constexpr DWORD LBS_OWNERDRAWVARIABLE = 0x0020;
constexpr DWORD LBS_NOINTEGRALHEIGHT = 0x0100;
constexpr DWORD LBS_DISABLENOSCROLL = 0x1000;  // the scroll bar stays, greyed when not needed
constexpr DWORD LBS_NODATA = 0x2000;

constexpr UINT LBN_SELCHANGE = 1;

class CListBox : public CWnd {
public:
    CListBox();
    ~CListBox() override;

    // Items 0 to nItems - 1, none selected, the first at the top. LB_OKAY,
    // or LB_ERR for a negative count.
    int SetCount(int nItems);
    int GetCount() const;

    // Selects the item (-1: none) and scrolls it into view. LB_ERR, and no
    // item selected, for an index outside the list.
    int SetCurSel(int nSelect);
    int GetCurSel() const;

    // Scrolls as little as shows the item whole (its top when it is taller
    // than the list). FALSE for an index outside the list.
    BOOL EnsureVisible(int nIndex);
    // The first item in view, at least partly; LB_ERR for an empty list.
    int GetTopIndex() const;
    // Scrolls the item to the top, as far as the list goes.
    int SetTopIndex(int nIndex);

    // Where the item lies in the client area, in view or not: what
    // InvalidateRect takes to have it drawn again. LB_ERR outside the list.
    int GetItemRect(int nIndex, LPRECT lpRect) const;
    // The item at a point of the client area, or LB_ERR where there is none.
    int ItemFromPoint(CPoint pt) const;

protected:
    QWidget* CreateNativeWidget(QWidget* pParent) override;
};
