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
#include <string>

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

    // Pencil: while it is on, letters go in as tentative ones; a letter typed
    // again with it off is the player's for good. It starts off.
    void OnPencil();
    void OnUpdatePencil(CCmdUI* pCmdUI);
    BOOL IsPencilMode() const { return m_bPencilMode; }
    // The rebus entry: Insert (the command) or Escape opens it in the
    // selected square with what the square holds; it takes letters (upper
    // cased), digits and symbols, Backspace takes the last one back. Return,
    // Insert again, a move (arrows, Tab, a tap elsewhere) or any other
    // command puts the text into the square as one step; Escape leaves the
    // square as it was.
    void OnRebusEntry();
    void OnUpdateRebusEntry(CCmdUI* pCmdUI);
    BOOL IsRebusEntryOpen() const { return m_bEntryOpen; }
    const std::u16string& GetRebusEntry() const { return m_strEntry; }
    // Closes the entry, its text going into the square when bKeep is set.
    // TRUE when the square changed. For those who take the puzzle away or
    // end the program: they call it first.
    BOOL CloseRebusEntry(BOOL bKeep);
    // Every command first closes an open entry and keeps what it holds, so
    // Check judges it and the saves keep it; the entry's own command opens
    // and closes it.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

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
    // The completion check that a step taken in the middle of another
    // action (a tap that closed the entry) left for later.
    LRESULT OnCheckSolvedLater(WPARAM wParam, LPARAM lParam);
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
    // One step of the player taken at sel, changing at most nSquares squares:
    // the squares that change are recorded for Undo, and the host hears of
    // the change. TRUE when a square changed.
    template <class Change> BOOL TakeStep(const CGridSelection& sel, std::size_t nSquares, Change change);
    void CheckSquare(CSquare& square) const;
    // A letter, or a rebus entry of more than one, typed into the square, in
    // pen or pencil as the mode is.
    void WriteLetters(CSquare& square, const std::u16string& strText, BOOL bCheck) const;
    // Letters are checked as they go in when the solve mode says so and the
    // answers are known.
    BOOL ChecksAsEntered() const;
    void OpenRebusEntry();
    // The entry's keys: TRUE when the key was the entry's.
    BOOL OnEntryKey(UINT nChar);
    void AddToEntry(WCHAR ch);
    // Return or Insert: the text goes in and the cursor moves on as after a letter.
    void FinishRebusEntry();
    void PostCheckSolved();
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
    BOOL m_bPencilMode = FALSE;
    // The rebus entry while it is open: the selection it was opened at (the
    // square it writes, and where Undo goes back to) and its text.
    BOOL m_bEntryOpen = FALSE;
    CGridSelection m_entrySel;
    std::u16string m_strEntry;
    // A completion check is waiting for the event loop.
    BOOL m_bCheckPending = FALSE;
    BOOL m_bMinimized = FALSE;
    // A step changed a black mark of the player's diagram.
    BOOL m_bDiagramChanged = FALSE;
};
