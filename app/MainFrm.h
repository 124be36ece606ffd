// SPDX-License-Identifier: MIT
#pragma once

#include "app/WindowState.h"
#include "panes/ClueListWnd.h"
#include "panes/StatusLineWnd.h"
#include "platform/DropFiles.h"
#include "platform/Platform.h"
#include "window/PuzzleWnd.h"

// The program's one top-level window: the command bar, the puzzle window and,
// beside it or below it, the clue lists with the bar that divides the two,
// and the line with the solving time: at the bottom of the lists' area, or
// under the puzzle window while the lists are hidden.
class CMainFrame : public CFrameWnd {
public:
    CMainFrame();
    ~CMainFrame() override;

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    // "trellis - <puzzle>" in the window's title, or "trellis" for an empty name.
    void ShowPuzzleTitle(const CString& strPuzzle);

    CPuzzleWnd& GetPuzzleWnd() { return m_wndPuzzle; }
    CClueListWnd& GetClueLists() { return m_wndClueLists; }
    CSplitterBar& GetSplitter() { return m_wndSplitter; }
    CStatusLineWnd& GetStatusLine() { return m_wndStatusLine; }
    // The line with the solving time is shown (View > Timer).
    BOOL HasStatusLine() const { return m_bStatusLine; }
    void ShowStatusLine(BOOL bShow);
    // TRUE while the bar shows the full menus, FALSE with the small one.
    BOOL HasFullMenus() const { return m_bFullMenus; }

    // The window as it was left (the profile's "window" section), applied
    // before the window is first shown: place, size, maximised, menus and
    // the clue lists. A window that would not be on the desktop's work area
    // is centred on it, and one larger than it shrinks to it.
    void LoadWindowState();
    // Where everything stands now; written by the window as it closes.
    CWindowState GetWindowState() const;
    void ApplyWindowState(const CWindowState& state);

    // The clue lists and the bar are shown; as created, the frame is the
    // handheld's, without them, until a window state is applied.
    BOOL HasClueLists() const { return m_bClueLists; }
    // TRUE while the lists lie below the puzzle window, FALSE beside it.
    BOOL HasListsBelow() const { return m_bListsBelow; }
    void ShowClueLists(BOOL bShow);

    // The bar between the puzzle window and the lists, in pixels.
    static constexpr int SPLITTER_SIZE = 5;
    // What a desktop's frame round the window takes at most, with its
    // title: a window never opens larger than the work area less this.
    static constexpr int DESKTOP_FRAME_WIDTH = 16;
    static constexpr int DESKTOP_FRAME_HEIGHT = 48;

protected:
    void RepositionPanes(const CRect& rcPanes) override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnToggleMenus();
    afx_msg void OnViewClueLists();
    afx_msg void OnUpdateViewClueLists(CCmdUI* pCmdUI);
    afx_msg void OnSplitterDrag(NMHDR* pNotifyStruct, LRESULT* pResult);
    afx_msg void OnDropFiles(HDROP hDropInfo);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    // Minimised, the solve's clock stands; it goes on when the window is back.
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnViewTimer();
    afx_msg void OnUpdateViewTimer(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()

private:
    // The area under the command bar, in client coordinates.
    CRect PanesRect() const;
    // The lists' extent along the split for the room there is: what the
    // user chose, less where the puzzle window or the lists would get less
    // than their least.
    static int ListExtent(int nTotal, int nWanted, int nLeastPuzzle);
    // Puts the line with the time at the bottom of rcOver, which it leaves
    // the rest of; hides it while it is switched off.
    void PlaceStatusLine(CRect& rcOver);

    CCeCommandBar m_wndCommandBar;
    CPuzzleWnd m_wndPuzzle;
    BOOL m_bFullMenus = FALSE;
    CClueListWnd m_wndClueLists;
    CSplitterBar m_wndSplitter;
    BOOL m_bClueLists = FALSE;
    BOOL m_bListsBelow = FALSE;
    CStatusLineWnd m_wndStatusLine;
    // As created, the frame is the handheld's, without the line.
    BOOL m_bStatusLine = FALSE;
    int m_nListWidth = DEFAULT_LIST_WIDTH;
    int m_nListHeight = DEFAULT_LIST_HEIGHT;
    // Set once a window state was applied: only such a window writes its own.
    BOOL m_bStateApplied = FALSE;
};
