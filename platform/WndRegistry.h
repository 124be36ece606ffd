// SPDX-License-Identifier: MIT
#pragma once

// The registry of the process's windows, for the platform's own sources:
// every created window by handle and by widget, the registered window
// classes, and who has the capture, the focus and the screen.

#include "platform/Wnd.h"

#include <QPointer>
#include <QWidget>

#include <map>
#include <string>
#include <unordered_map>

// A registered window class: the class styles and the background brush colour.
struct WndClassInfo {
    UINT style = 0;
    bool hasBrush = false;
    COLORREF brush = 0;
};

struct WndRegistry {
    std::unordered_map<HWND, CWnd*> handles;
    std::unordered_map<const QWidget*, CWnd*> widgets;  // a window's whole widget and its client widget
    std::map<std::u16string, WndClassInfo> classes;
    CWnd* capture = nullptr;
    CWnd* focus = nullptr;
    bool settingFocus = false;  // SetFocus is moving Qt's focus: its focus events are not news
    QPointer<QWidget> screenWidget;
    CWnd* screen = nullptr;
    // The message being handled, for CWnd::Default.
    struct Current {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    } current = {0, 0, 0};
};

WndRegistry& Registry();

// The class a window without a class name gets: double clicks, redraw on
// resize, no background brush.
extern const char16_t kDefaultWndClass[];
// The class of that name (the default class for null), or null when no such
// class is registered. The platform's own control classes are always there.
const WndClassInfo* FindWndClass(LPCTSTR name);

HWND HandleOf(const CWnd* pWnd);  // null for null

// The widget of a window (null before creation), the widget its children and
// its painting live in, and the window of a widget (the exact widget, or the
// nearest window among its ancestors).
QWidget* PlatformWidget(const CWnd* pWnd);
QWidget* PlatformClientWidget(const CWnd* pWnd);
CWnd* PlatformWndFromWidget(const QWidget* pWidget);
CWnd* PlatformWndAt(const QWidget* pWidget);

// The window whose top-left corner is screen position (0, 0): the main frame.
// Pop-ups are placed relative to it; with none set, the desktop's origin.
void PlatformSetScreenWindow(CWnd* pWnd);
CWnd* PlatformGetScreenWindow();

// The screen window moved: the pop-ups keep their place on it.
void PlatformScreenMoved();

// Focus bookkeeping shared by SetFocus and the client areas' and native
// controls' focus events: WM_KILLFOCUS to the window that had it, then
// WM_SETFOCUS to the one that has it.
void PlatformFocusIn(CWnd* pWnd);
void PlatformFocusOut(CWnd* pWnd);
