// SPDX-License-Identifier: MIT
#pragma once

// The frame's client window: lays out the grid host, the clue bar and the
// letter pad, shows the clue of each newly selected word, takes the letters
// and carries out the Solve commands.

#include "panes/ClueWnd.h"
#include "panes/InputWnd.h"
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
    CGridWnd& GetGrid() { return m_wndCross.m_wndGrid; }

    CCrossWordPuzzle* m_pPuzzle;
    CCrossWnd m_wndCross;
    CClueWnd m_wndClue;
    CInputWnd m_wndInput;
    int m_nClueHeight;
    int m_nInputHeight;
    BOOL m_bShowInput;

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
    // A puzzle is loaded and its answers are known (it is not locked).
    BOOL KnowsAnswers() const;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    void OnPaint();
    LRESULT OnWordSelected(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    // Changes one square's record and has the grid repaint it.
    template <class Change> void ChangeSquare(int nCol, int nRow, Change change);
    template <class Change> void ChangeSelectedSquare(Change change);
    template <class Change> void ChangeSelectedWord(Change change);
    template <class Change> void ChangePuzzle(BOOL bFilledOnly, Change change);
    void CheckSolved();

    CSolveHost* m_pSolveHost;
};
