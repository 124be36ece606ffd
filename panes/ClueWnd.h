// SPDX-License-Identifier: MIT
#pragma once

// The clue bar: the selected word's clue, the program's banner when no clue
// is set, or nothing after a load whose selected word has none. A double tap
// opens the whole text in a pop-up tip.

#include "panes/ClueTipWnd.h"
#include "platform/Platform.h"

class CClueWnd : public CWnd {
public:
    static constexpr COLORREF TIP_COLOR = RGB(251, 253, 187);
    // Where the tip opens, in the frame's coordinates, whatever the bar's place.
    static constexpr int TIP_LEFT = 6;
    static constexpr int TIP_TOP = 180;
    static constexpr int TIP_RIGHT = 234;
    static constexpr int TIP_BOTTOM = 260;

    CClueWnd();
    ~CClueWnd() override;

    void SetClue(int nNumber, WCHAR chDirection, LPCTSTR lpszText);
    // Clues that a number does not name (labels such as "2-3" or "A",
    // lists other than across and down): the text shown as it is given.
    void SetClueText(LPCTSTR lpszText);
    // Shows nothing until the next SetClue: a puzzle is being given to the
    // views, and its selected word may have no clue.
    void ClearClue();
    // Shows a note in the banner's place until the next SetClue or ClearClue.
    void ShowNote(LPCTSTR lpszNote);
    CString GetClueText() const;
    // The number of the clue shown; 0 while the banner is, -1 for a text
    // given whole.
    int GetNumber() const { return m_nNumber; }
    CClueTipWnd& GetTip() { return m_wndTip; }

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnPaint();
    void OnLButtonDblClk(UINT nFlags, CPoint point);

    DECLARE_MESSAGE_MAP()

private:
    CString m_strTipClass;
    CClueTipWnd m_wndTip;
    CBrush m_brTip {TIP_COLOR};
    int m_nNumber = 0;
    WCHAR m_chDirection = 0;
    CString m_strText;
    BOOL m_bCleared = FALSE;
    CString m_strNote;
};
