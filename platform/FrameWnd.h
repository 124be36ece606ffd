#pragma once

// The program's top-level window: the command bar across the top and one
// client pane (child id AFX_IDW_PANE_FIRST) filling the rest.

#include "platform/String.h"
#include "platform/Wnd.h"

class CCeCommandBar;

// Child ids the frame lays out.
constexpr UINT AFX_IDW_TOOLBAR = 0xE800;
constexpr UINT AFX_IDW_PANE_FIRST = 0xE900;

// Frame styles.
constexpr DWORD FWS_ADDTOTITLE = 0x00008000;

// The client pane a frame opens with, as on the handheld's screen.
constexpr int AFX_FRAME_PANE_WIDTH = 240;
constexpr int AFX_FRAME_PANE_HEIGHT = 268;

class CFrameWnd : public CWnd {
public:
    CFrameWnd();
    ~CFrameWnd() override;

    // Creates the frame as a top-level window titled with the first field (up to
    // '\n') of string nIDResource, with icon nIDResource when there is one; the
    // client pane under the command bar is 240 x 268. FALSE when the window (its
    // WM_CREATE) fails.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, void* pContext = nullptr);

    // Commands and update requests: the frame's own table, then the application.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    // Places the command bar at the top and the pane AFX_IDW_PANE_FIRST under it.
    virtual void RecalcLayout(BOOL bNotify = TRUE);

    CString GetTitle() const;
    void SetTitle(LPCTSTR lpszTitle);

    // The command bar among the frame's children, or null.
    CCeCommandBar* GetCommandBar() const;

    // Runs the update handlers of the toolbar buttons of every frame (idle time).
    static void UpdateAllFramesOnIdle();

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void PostNcDestroy() override;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnClose();

    DECLARE_MESSAGE_MAP()

private:
    friend class CCeCommandBar;
    QWidget* CreateNativeWidget(QWidget* pParent) override;

    CString m_strTitle;
    CCeCommandBar* m_pCommandBar = nullptr;
};
