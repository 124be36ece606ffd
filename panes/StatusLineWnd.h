// SPDX-License-Identifier: MIT
#pragma once

// The line under the puzzle window and the clue lists that shows the time
// spent on the puzzle ("12:34", "1:02:03" past an hour) and, while the
// player has paused the clock, says so. While the clock runs the line ticks
// once a second and repaints the time alone. A click on the line sends
// ID_PAUSE to the frame, as the Pause command does.

#include "platform/Platform.h"

class CCrossWordPuzzle;

class CStatusLineWnd : public CWnd {
public:
    CStatusLineWnd();
    ~CStatusLineWnd() override;

    // The puzzle whose time is shown; none shows an empty line.
    void SetPuzzle(const CCrossWordPuzzle* pPuzzle);
    // The puzzle's clock began, stopped or went on: the line shows it now,
    // and ticks while the clock runs.
    void TimerChanged();

    // What the line shows: the time, and the word for a paused clock.
    CString GetTimeText() const;
    CString GetStateText() const;
    // Where the time is drawn, in client coordinates: all that a tick
    // repaints.
    CRect GetTimeRect() const;
    // The line's height, from its font.
    int GetLineHeight() const;
    BOOL IsTicking() const { return m_bTicking; }

    static constexpr UINT_PTR TICK_TIMER = 1;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnPaint();
    void OnTimer(UINT_PTR nIDEvent);
    void OnLButtonDown(UINT nFlags, CPoint point);

    DECLARE_MESSAGE_MAP()

private:
    // The next tick, where the shown second will change; none while the
    // clock stands.
    void ScheduleTick();

    const CCrossWordPuzzle* m_pPuzzle = nullptr;
    CFont m_font;
    int m_nTextHeight = 0;
    int m_nTimeWidth = 0;  // of the widest time the line makes room for
    CString m_strShown;  // the time the last paint drew
    CString m_strStateShown;  // and the word for a paused clock
    BOOL m_bTicking = FALSE;
};
