// SPDX-License-Identifier: MIT
#pragma once

// The program's top-level window: the command bar across the top and one
// client pane (child id AFX_IDW_PANE_FIRST) filling the rest.

#include "platform/String.h"
#include "platform/Wnd.h"

class CCeCommandBar;
class QObject;

// Child ids the frame lays out.
constexpr UINT AFX_IDW_TOOLBAR = 0xE800;
constexpr UINT AFX_IDW_PANE_FIRST = 0xE900;

// Frame styles.
constexpr DWORD WS_MINIMIZEBOX = 0x00020000;
constexpr DWORD WS_MAXIMIZEBOX = 0x00010000;
constexpr DWORD WS_OVERLAPPEDWINDOW =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
constexpr DWORD FWS_ADDTOTITLE = 0x00008000;

// The client pane a frame opens with, as on the handheld's screen.
constexpr int AFX_FRAME_PANE_WIDTH = 240;
constexpr int AFX_FRAME_PANE_HEIGHT = 268;

class CFrameWnd : public CWnd {
public:
    CFrameWnd();
    ~CFrameWnd() override;

    // Creates the frame as a top-level window titled with the first field (up
    // to '\n') of string nIDResource, with icon nIDResource when there is one,
    // sized so that the pane under the command bar is 240 x 268. The first
    // frame becomes the screen (pop-ups are placed relative to it and belong
    // to it). FALSE when the window cannot be created (its WM_CREATE failed).
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, void* pContext = nullptr);

    // Makes the keys of accelerator table nIDResource issue their commands
    // while the frame is the active window (LoadFrame loads the table of its
    // own id). A command goes to the frame as from a menu: later, from the
    // event loop, and only while its update handler leaves it enabled. FALSE
    // when there is no such table; the keys before are dropped all the same.
    BOOL LoadAccelTable(UINT nIDResource);

    // Commands and update requests: the frame's own table, then the
    // application's. A derived frame may offer them to a child first.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    // Places the command bar at the top and the panes under it.
    virtual void RecalcLayout(BOOL bNotify = TRUE);

    // Ends the window; the main window's end ends the event loop. With
    // m_bAutoDelete the frame object then deletes itself (frames live on the heap).
    BOOL DestroyWindow() override;

    // The first frame becomes the screen before its WM_CREATE, so that the
    // pop-ups its windows make then belong to it.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    CString GetTitle() const { return m_strTitle; }

    // The command bar created on this frame, or null.
    CCeCommandBar* GetCommandBar() const { return m_pCommandBar; }

    // Runs the update handlers of every frame's toolbar buttons (idle time).
    static void UpdateAllFramesOnIdle();

    BOOL m_bAutoDelete = TRUE;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // Called once the window is gone; deletes the object when m_bAutoDelete.
    virtual void PostNcDestroy();
    // Shares out the area under the command bar (client coordinates): the
    // pane AFX_IDW_PANE_FIRST takes it all. A frame with panes of its own
    // beside that one places them here.
    virtual void RepositionPanes(const CRect& rcPanes);

    afx_msg void OnSize(UINT nType, int cx, int cy);
    // Passes the focus on to the pane.
    afx_msg void OnSetFocus(CWnd* pOldWnd);

    DECLARE_MESSAGE_MAP()

private:
    friend class CCeCommandBar;

    CString m_strTitle;
    CCeCommandBar* m_pCommandBar = nullptr;
    QObject* m_pActivationFilter = nullptr;  // lives on the window's widget, goes with the frame
    QObject* m_pAccelerators = nullptr;  // holds the keys' shortcuts, on the window's widget
};
