// SPDX-License-Identifier: MIT
#pragma once

// The on-screen letter pad: A to M over N to Z, yellow on green. Releasing the
// pen over a letter sends it to the parent as a typed character.

#include "platform/Platform.h"

class CInputWnd : public CWnd {
public:
    static constexpr COLORREF PAD_COLOR = RGB(0, 128, 0);
    static constexpr COLORREF LETTER_COLOR = RGB(255, 255, 0);

    CInputWnd();
    ~CInputWnd() override;

    // The letter at (x, y), or 0; fills *pRect with the letter's box when asked.
    WCHAR HitTest(CDC* pDC, int x, int y, CRect* pRect = nullptr) const;

protected:
    void OnPaint();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);

    DECLARE_MESSAGE_MAP()

private:
    // Draws one letter left and top aligned from the given corner.
    static void DrawLetter(CDC* pDC, WCHAR ch, const CRect& rcBox);

    // The letter under the pen while it is down, and its highlighted box.
    WCHAR m_chPressed = 0;
    CRect m_rcPressed;
};
