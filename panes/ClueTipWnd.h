// SPDX-License-Identifier: MIT
#pragma once

// The pop-up that shows the whole clue, word-wrapped, until it is tapped.

#include "platform/Platform.h"

class CClueTipWnd : public CWnd {
public:
    CClueTipWnd();
    ~CClueTipWnd() override;

    // Shown from the next paint on.
    void SetText(const CString& strText) { m_strText = strText; }
    const CString& GetText() const { return m_strText; }

protected:
    void OnPaint();
    void OnLButtonDown(UINT nFlags, CPoint point);

    DECLARE_MESSAGE_MAP()

private:
    CString m_strText;
};
