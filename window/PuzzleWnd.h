// SPDX-License-Identifier: MIT
#pragma once

// The frame's client window: lays out the grid host, the clue bar and the
// letter pad, shows the clue of each newly selected word, takes the letters
// and carries out the Solve commands.

#include "model/SolveHistory.h"
#include "panes/ClueListWnd.h"
#include "panes/ClueWnd.h"
#include "panes/InputWnd.h"
#include "panes/Settings.h"
#include "panes/StatusLineWnd.h"
#include "platform/Platform.h"
#include "window/CrossWnd.h"

#include <cstddef>
#include <functional>

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
    // The clue lists beside this window, which follow the puzzle, the
    // selection and the letters from here; none by default.
    void SetClueLists(CClueListWnd* pLists) { m_pClueLists = pLists; }
    // The line that shows the solving time, which follows the puzzle's clock
    // from here; none by default.
    void SetStatusLine(CStatusLineWnd* pStatusLine) { m_pStatusLine = pStatusLine; }
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
    // Take back the last step of the player and do it again (the frame's
    // keys Ctrl+Z, and Ctrl+Y or Ctrl+Shift+Z): the squares as they were,
    // and the selection where the step was taken.
    void OnUndo();
    void OnRedo();
    void OnUpdateUndo(CCmdUI* pCmdUI);
    void OnUpdateRedo(CCmdUI* pCmdUI);
    // Pause stops the clock and hides the grid's letters until it is chosen
    // again; meanwhile the letters, keys and Solve commands do nothing.
    void OnPause();
    void OnUpdatePause(CCmdUI* pCmdUI);
    BOOL IsPaused() const;
    // On a diagramless puzzle: marks the selected square black and moves on
    // along the word, or takes its mark away ("." and Space type it too).
    void OnMarkBlack();
    void OnUpdateMarkBlack(CCmdUI* pCmdUI);
    // The frame was minimised or came back: the clock stands meanwhile.
    void SetMinimized(BOOL bMinimized);
    // A puzzle is loaded and its answers are known (it is not locked, and
    // its file gives them).
    BOOL KnowsAnswers() const;

    // The steps belong to one puzzle: a newly loaded one starts without any.
    void ClearHistory() { m_history.Clear(); }
    const CSolveHistory& GetHistory() const { return m_history; }
    // A change of the squares made outside the window (a loaded solution)
    // as one step that Undo takes back; the clue lists follow it when it
    // succeeds. Returns what change returns.
    BOOL ChangeAsOneStep(const std::function<BOOL()>& change);

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    void OnPaint();
    LRESULT OnWordSelected(WPARAM wParam, LPARAM lParam);
    LRESULT OnSquareSelected(WPARAM wParam, LPARAM lParam);
    // Ctrl with the wheel zooms the grid, a step a notch, wherever the
    // pointer is in the window; the wheel alone scrolls the grid.
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);

    DECLARE_MESSAGE_MAP()

private:
    // Changes one square's record and has the grid repaint it.
    template <class Change> void ChangeSquare(int nCol, int nRow, Change change);
    template <class Change> void ChangeSelectedSquare(Change change);
    template <class Change> void ChangeSelectedWord(Change change);
    template <class Change> void ChangePuzzle(BOOL bFilledOnly, Change change);
    // One step of the player, changing at most nSquares squares: the squares
    // that change are recorded for Undo, and the host hears of the change.
    template <class Change> void TakeStep(std::size_t nSquares, Change change);
    // Undo or Redo: the squares, then the selection of the step.
    void RetraceStep(BOOL (CSolveHistory::*pRetrace)(CCrossWordPuzzle&, CGridSelection&,
                                                     const CSolveHistory::SquareChanged&));
    void CheckSolved();
    void SolveChanged();
    // The puzzle's clock: solved or not, as the squares are now, and shown.
    void FollowClock();
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
    CClueListWnd* m_pClueLists = nullptr;
    CStatusLineWnd* m_pStatusLine = nullptr;
    CSolveHistory m_history;
    BOOL m_bMinimized = FALSE;
    // A step changed a black mark of the player's diagram.
    BOOL m_bDiagramChanged = FALSE;
};
