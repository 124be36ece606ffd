// SPDX-License-Identifier: MIT
#pragma once

// Edit control: one line of text. ES_NUMBER takes digits only; the text
// scrolls sideways when it grows past the edge. With ES_MULTILINE, lines that
// wrap at the control's edge (words too long for a line are broken) and, with
// WS_VSCROLL, a scroll bar when they are more than it shows; its text's lines
// end in "\r\n", both ways. ES_READONLY shows the text without taking
// changes. Every change of the text, typed or set, sends EN_CHANGE to the parent.

#include "platform/Resource.h"
#include "platform/Wnd.h"

class CEdit : public CWnd {
public:
    CEdit();
    ~CEdit() override;

    // Selection by character positions; (0, -1) selects everything.
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
    void GetSel(int& nStartChar, int& nEndChar) const;
    void SetLimitText(UINT nMax);

protected:
    QWidget* CreateNativeWidget(QWidget* pParent) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
