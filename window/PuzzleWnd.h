// SPDX-License-Identifier: MIT
#pragma once

// The frame's client window: lays out the grid host, the clue bar and the
// letter pad, shows the clue of each newly selected word, takes the letters
// and carries out the Solve commands.

#include "panes/ClueWnd.h"
#include "panes/InputWnd.h"
#include "panes/Settings.h"
#include "platform/Platform.h"
#include "window/CrossWnd.h"

class CCrossWordPuzzle;
class CSolveHost;
class CSquare;

class CPuzzleWnd : public CWnd {
public:
    CPuzzleWnd();
    ~CPuzzleWnd() override;

    void SetPuzzle(CCrossWordPuzzle* pPuzzle);
    void RecalcLayout();
    // The application, which holds the solve mode and checks for completion.
    void SetSolveHost(CSolveHost* pHost) { m_pSolveHost = pHost; }
    CCrossWordPuzzle* GetPuzzle() const { return m_pPuzzle; }
    CCrossWnd& GetCross() { return m_wndCross; }
    CGridWnd& GetGrid() { return m_wndCross.GetGrid(); }
    CClueWnd& GetClue() { return m_wndClue; }
    CInputWnd& GetInput() { return m_wndInput; }

    // The layout's settings, which take effect at the next RecalcLayout. A
    // clue bar height outside what the settings allow is refused (FALSE).
    BOOL SetClueHeight(int nHeight);
    int GetClueHeight() const { return m_nClueHeight; }
    // Any non-zero value shows the letter pad.
    void SetShowInput(BOOL bShow) { m_bShowInput = bShow ? TRUE : FALSE; }
    BOOL GetShowInput() const { return m_bShowInput; }
    int GetInputHeight() const { return m_nInputHeight; }

    // Public so that the frame can route to them and tests can call them.
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    // Solving from the keyboard: arrows, Space, Tab, Backspace and Delete.
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnCheckLetter();
    void OnCheckWord();
    void OnCheckPuzzle();
    void OnShowLetter();
    void OnShowWord();
    void OnShowPuzzle();
    void OnClearLetter();
    void OnClearWord();
    void OnClearPuzzle();
    void OnUpdateSolveCommand(CCmdUI* pCmdUI);
    void OnUpdateAnswerCommand(CCmdUI* pCmdUI);
    // A puzzle is loaded and its answers are known (it is not locked, and
    // its file gives them).
    BOOL KnowsAnswers() const;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    void OnPaint();
    LRESULT OnWordSelected(WPARAM wParam, LPARAM lParam);
    // Ctrl with the wheel zooms the grid, a step a notch, wherever the
    // pointer is in the window; the wheel alone scrolls the grid.
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    LRESULT OnSquareSelected(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    // Changes one square's record and has the grid repaint it.
    template <class Change> void ChangeSquare(int nCol, int nRow, Change change);
    template <class Change> void ChangeSelectedSquare(Change change);
    template <class Change> void ChangeSelectedWord(Change change);
    template <class Change> void ChangePuzzle(BOOL bFilledOnly, Change change);
    void CheckSolved();
    // The clue bar for the word from ptStart and the selected square.
    void ShowClue(int nDirection, CPoint ptStart, CPoint ptSquare);

    CCrossWordPuzzle* m_pPuzzle = nullptr;
    CCrossWnd m_wndCross;
    CClueWnd m_wndClue;
    CInputWnd m_wndInput;
    int m_nClueHeight = SETTING_CLUE_HEIGHT.nDefault;
    int m_nInputHeight = 40;
    BOOL m_bShowInput = SETTING_SHOW_INPUT.nDefault;
    CSolveHost* m_pSolveHost = nullptr;
    int m_nZoomWheel = 0;  // turns under a notch, toward the next zoom step
};
