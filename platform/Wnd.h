// SPDX-License-Identifier: MIT
#pragma once

// Windows. A CWnd is created with Create/CreateEx and then receives its
// messages through its message table (CmdTarget.h). Children are clipped to
// their parent's client area and destroyed with it. Messages sent with
// SendMessage are handled before the call returns; WM_PAINT comes later from
// the event loop for whatever was invalidated.

#include "platform/CmdTarget.h"
#include "platform/CmdUI.h"
#include "platform/DC.h"
#include "platform/Rect.h"
#include "platform/String.h"

class CDC;
class CScrollBar;

// Where a top-level window stands on the desktop, in desktop coordinates
// (which count from the desktop's corner, not from the screen window's): its
// rectangle when it is neither maximised nor minimised, and how it shows
// (SW_SHOWNORMAL, SW_SHOWMAXIMIZED or SW_SHOWMINIMIZED). The rectangle's
// top-left corner is that of the frame the desktop draws round the window;
// its size is the window's own, without that frame.
struct WINDOWPLACEMENT {
    UINT length;
    UINT flags;
    UINT showCmd;
    POINT ptMinPosition;
    POINT ptMaxPosition;
    RECT rcNormalPosition;
};
class CWndImpl;
class QWidget;

class CWnd : public CCmdTarget {
public:
    CWnd();
    ~CWnd() override;

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }
    static CWnd* FromHandle(HWND hWnd);

    // Creation. Create runs PreCreateWindow, builds the window, sends WM_CREATE
    // (a handler returning -1 destroys the window again and Create returns
    // FALSE), then WM_SIZE. With no class name the default child class is used
    // (double clicks, redraw on resize, no background brush).
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd, UINT nID, void* pContext = nullptr);
    // A pop-up (WS_POPUP, no parent) is placed in screen coordinates, which
    // count from the top-left corner of the main frame.
    BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, void* lpParam = nullptr);
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual BOOL DestroyWindow();

    // Family and identity.
    CWnd* GetParent() const;
    int GetDlgCtrlID() const;
    CWnd* GetDlgItem(int nID) const;
    // GW_CHILD: the first child window (a dialog's first control);
    // GW_HWNDNEXT: the next child of the same parent. Null when there is none.
    CWnd* GetWindow(UINT nCmd) const;
    void SetWindowText(LPCTSTR lpszString);
    void GetWindowText(CString& rString) const;
    // The font a control draws its text in, for measuring that text; null
    // for a plain window, which draws in whatever font its DC is given. The
    // object belongs to the window.
    CFont* GetFont() const;

    // Placement. Positions of child windows are in the parent's client coordinates.
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;
    void GetClientRect(LPRECT lpRect) const;
    void GetWindowRect(LPRECT lpRect) const;
    void ClientToScreen(LPPOINT lpPoint) const;
    void ScreenToClient(LPPOINT lpPoint) const;
    void ScreenToClient(LPRECT lpRect) const;

    // A top-level window's place on the desktop (see WINDOWPLACEMENT). Setting
    // it before the window is first shown makes it open there, maximised
    // with SW_SHOWMAXIMIZED. FALSE for a child window.
    BOOL GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const;
    BOOL SetWindowPlacement(const WINDOWPLACEMENT* lpwndpl);

    // Styles (GWL_STYLE, GWL_EXSTYLE, GWL_ID). Adding or removing WS_HSCROLL,
    // WS_VSCROLL or WS_BORDER changes the client area at once.
    LONG GetWindowLong(int nIndex) const;
    LONG SetWindowLong(int nIndex, LONG dwNewLong);
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);

    // Painting.
    void Invalidate(BOOL bErase = TRUE);
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
    void UpdateWindow();
    CDC* GetDC();
    int ReleaseDC(CDC* pDC);

    // Input.
    CWnd* SetCapture();
    static CWnd* GetCapture();
    CWnd* SetFocus();
    static CWnd* GetFocus();

    // Messages.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // Scroll bars of the window. A range with nMax <= nMin (or a page larger
    // than the range) removes the bar unless SIF_DISABLENOSCROLL is given; a
    // non-empty range shows it. Returns the new position.
    int SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
    BOOL GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL) const;

    // Message processing: WindowProc hands the message to the table
    // (OnWndMsg); what the table does not take goes to DefWindowProc.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // The default processing of the message being handled.
    LRESULT Default();

    // Default handlers: each does the default processing of its message, for
    // a derived handler to call (CWnd::OnCreate(lpcs) and so on).
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    // The wheel: by default a window with a scroll bar that way scrolls by
    // lines (Shift turns the wheel sideways); Ctrl, or no such bar, hands the
    // turn to the parent.
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);

protected:
    // Platform-internal (see WndPrivate.h): a window class inside the
    // platform returns its own native widget here; null means a plain window.
    virtual QWidget* CreateNativeWidget(QWidget* pParent);

    DECLARE_MESSAGE_MAP()

private:
    friend class CWndImpl;
    CWndImpl* m_pImpl = nullptr;
};

// Registers (or finds) a window class with these class styles and background
// brush ((HBRUSH)(COLOR_x + 1) for a system colour, null for none) and
// returns its name. The brush's colour is taken at registration.
LPCTSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr, HBRUSH hbrBackground = nullptr,
                            HICON hIcon = nullptr);

BOOL ReleaseCapture();
int GetSystemMetrics(int nIndex);
// SPI_GETWORKAREA: the part of the main desktop screen that windows may
// take (without panels and docks), in desktop coordinates, into the RECT
// that pvParam points to. FALSE for any other action, or without a screen.
BOOL SystemParametersInfo(UINT uiAction, UINT uiParam, void* pvParam, UINT fWinIni);

// Unpacking of window message handlers.
namespace AfxThunk {
inline CPoint PointFromLParam(LPARAM lParam)
{
    return CPoint(static_cast<short>(LOWORD(static_cast<std::uintptr_t>(lParam))),
                  static_cast<short>(HIWORD(static_cast<std::uintptr_t>(lParam))));
}
template <class T, auto F> LRESULT Create(CCmdTarget* p, WPARAM, LPARAM lParam, void*)
{
    return static_cast<LRESULT>((static_cast<T*>(p)->*F)(reinterpret_cast<LPCREATESTRUCT>(lParam)));
}
template <class T, auto F> LRESULT Void(CCmdTarget* p, WPARAM, LPARAM, void*)
{
    (static_cast<T*>(p)->*F)();
    return 0;
}
template <class T, auto F> LRESULT Size(CCmdTarget* p, WPARAM wParam, LPARAM lParam, void*)
{
    (static_cast<T*>(p)->*F)(static_cast<UINT>(wParam), static_cast<short>(LOWORD(static_cast<std::uintptr_t>(lParam))),
                             static_cast<short>(HIWORD(static_cast<std::uintptr_t>(lParam))));
    return 0;
}
template <class T, auto F> LRESULT Key(CCmdTarget* p, WPARAM wParam, LPARAM lParam, void*)
{
    (static_cast<T*>(p)->*F)(static_cast<UINT>(wParam), LOWORD(static_cast<std::uintptr_t>(lParam)),
                             HIWORD(static_cast<std::uintptr_t>(lParam)));
    return 0;
}
template <class T, auto F> LRESULT Mouse(CCmdTarget* p, WPARAM wParam, LPARAM lParam, void*)
{
    (static_cast<T*>(p)->*F)(static_cast<UINT>(wParam), PointFromLParam(lParam));
    return 0;
}
template <class T, auto F> LRESULT Scroll(CCmdTarget* p, WPARAM wParam, LPARAM lParam, void*)
{
    (static_cast<T*>(p)->*F)(LOWORD(wParam), HIWORD(wParam),
                             reinterpret_cast<CScrollBar*>(CWnd::FromHandle(reinterpret_cast<HWND>(lParam))));
    return 0;
}
template <class T, auto F> LRESULT Wheel(CCmdTarget* p, WPARAM wParam, LPARAM lParam, void*)
{
    return (static_cast<T*>(p)->*F)(LOWORD(wParam), static_cast<short>(HIWORD(wParam)), PointFromLParam(lParam)) ? 1
                                                                                                                 : 0;
}
// An owner-drawn item request; TRUE tells the control that the item was
// drawn or measured.
template <class T, auto F> LRESULT DrawItem(CCmdTarget* p, WPARAM wParam, LPARAM lParam, void*)
{
    (static_cast<T*>(p)->*F)(static_cast<int>(wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    return TRUE;
}
template <class T, auto F> LRESULT MeasureItem(CCmdTarget* p, WPARAM wParam, LPARAM lParam, void*)
{
    (static_cast<T*>(p)->*F)(static_cast<int>(wParam), reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
    return TRUE;
}
template <class T, auto F> LRESULT Focus(CCmdTarget* p, WPARAM wParam, LPARAM, void*)
{
    (static_cast<T*>(p)->*F)(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)));
    return 0;
}
}  // namespace AfxThunk

#define AFX_WM_ENTRY(message, thunk, memberFxn) {message, 0, 0, &AfxThunk::thunk<ThisClass, &ThisClass::memberFxn>},

#define ON_WM_CREATE() AFX_WM_ENTRY(WM_CREATE, Create, OnCreate)
#define ON_WM_DESTROY() AFX_WM_ENTRY(WM_DESTROY, Void, OnDestroy)
#define ON_WM_SIZE() AFX_WM_ENTRY(WM_SIZE, Size, OnSize)
#define ON_WM_PAINT() AFX_WM_ENTRY(WM_PAINT, Void, OnPaint)
#define ON_WM_CHAR() AFX_WM_ENTRY(WM_CHAR, Key, OnChar)
#define ON_WM_KEYDOWN() AFX_WM_ENTRY(WM_KEYDOWN, Key, OnKeyDown)
#define ON_WM_LBUTTONDOWN() AFX_WM_ENTRY(WM_LBUTTONDOWN, Mouse, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_WM_ENTRY(WM_LBUTTONUP, Mouse, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_WM_ENTRY(WM_LBUTTONDBLCLK, Mouse, OnLButtonDblClk)
#define ON_WM_HSCROLL() AFX_WM_ENTRY(WM_HSCROLL, Scroll, OnHScroll)
#define ON_WM_VSCROLL() AFX_WM_ENTRY(WM_VSCROLL, Scroll, OnVScroll)
#define ON_WM_SETFOCUS() AFX_WM_ENTRY(WM_SETFOCUS, Focus, OnSetFocus)
#define ON_WM_MOUSEWHEEL() AFX_WM_ENTRY(WM_MOUSEWHEEL, Wheel, OnMouseWheel)
#define ON_WM_DRAWITEM() AFX_WM_ENTRY(WM_DRAWITEM, DrawItem, OnDrawItem)
#define ON_WM_MEASUREITEM() AFX_WM_ENTRY(WM_MEASUREITEM, MeasureItem, OnMeasureItem)
