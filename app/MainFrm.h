// SPDX-License-Identifier: MIT
#pragma once

#include "platform/DropFiles.h"
#include "platform/Platform.h"
#include "window/PuzzleWnd.h"

// The program's one top-level window: the command bar and the puzzle window.
class CMainFrame : public CFrameWnd {
public:
    CMainFrame();
    ~CMainFrame() override;

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    // "trellis - <puzzle>" in the window's title, or "trellis" for an empty name.
    void ShowPuzzleTitle(const CString& strPuzzle);

    CPuzzleWnd& GetPuzzleWnd() { return m_wndPuzzle; }
    // TRUE while the bar shows the full menus, FALSE with the small one.
    BOOL HasFullMenus() const { return m_bFullMenus; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnToggleMenus();
    afx_msg void OnDropFiles(HDROP hDropInfo);
    afx_msg void OnTimer(UINT_PTR nIDEvent);

    DECLARE_MESSAGE_MAP()

private:
    CCeCommandBar m_wndCommandBar;
    CPuzzleWnd m_wndPuzzle;
    BOOL m_bFullMenus = FALSE;
};
