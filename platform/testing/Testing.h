// SPDX-License-Identifier: MIT
#pragma once

// Test seam of the window layer: read what a window shows and drive it the
// way a user would, through the same event path as real input.

#include "platform/Wnd.h"

#include <functional>
#include <memory>
#include <string>

namespace Testing {

// Creates the application object the windows need, once per process.
// Call before creating any window (test main or a global environment).
void EnsureApplication();

// Makes the faces of a font file known to the font system for the rest of
// the process, as installing it would; FALSE when it cannot be read.
BOOL InstallFont(const char* pszPath);

// Handles everything pending: posted messages, paints, deferred deletions.
void RunUntilIdle();
// Runs the event loop, timers included, until done() holds or nMilliseconds
// have passed; whether done() held.
bool RunUntil(const std::function<bool()>& done, int nMilliseconds);

// The colour at (x, y) of the window's client area, 0x00BBGGRR, or
// 0xFFFFFFFF outside it or for a window that has no image. Where the window
// can be seen, its image; elsewhere what it paints there when that part comes
// into view: the window gets a WM_PAINT for that part alone (so a CClientDC
// drawing there is gone, as it is on screen).
COLORREF PixelAt(const CWnd* pWnd, int x, int y);
// How many pixels of the rectangle (client coordinates) have the colour.
int CountPixels(const CWnd* pWnd, const RECT& rect, COLORREF color);

// Bytes held by the images of the window and of every window inside it.
size_t ImageBytes(const CWnd* pWnd);
// The pixel ratio of the window's image: the screen's.
double ImageRatio(const CWnd* pWnd);
// What the screen shows of the window at the screen's own resolution, taken
// once: (x, y) counts the screen's pixels from the window rectangle's
// top-left corner.
class ScreenShot {
public:
    explicit ScreenShot(const CWnd* pWnd);
    ~ScreenShot();
    ScreenShot(const ScreenShot&) = delete;
    ScreenShot& operator=(const ScreenShot&) = delete;

    COLORREF DevicePixelAt(int x, int y) const;

private:
    struct Data;
    std::unique_ptr<Data> m_pData;
};
// Images of more bytes than this are refused as if memory had run out; 0
// gives back the platform's own limit.
void SetImageLimit(size_t nBytes);
// What the user sees of the whole window, border, scroll bars, child
// windows and the shown pop-ups placed over it (the screen window's, such
// as a tip) included, at (x, y) of the window rectangle.
COLORREF ScreenPixelAt(const CWnd* pWnd, int x, int y);

// The pen, at a point in pWnd's client coordinates (which may lie outside
// it), as Qt delivers it: the press goes to the widget under the point;
// moves and the release go to the widget that took the press (a move with
// the pen up reaches nothing, since no window tracks the pointer). The
// platform then sends them on (the capture, else the window under the pen).
void Press(CWnd* pWnd, CPoint point);
void Move(CWnd* pWnd, CPoint point);
void Release(CWnd* pWnd, CPoint point);
void Tap(CWnd* pWnd, CPoint point);
// A quick second press after a tap at the same point, as Qt delivers it:
// press, release, double click (in place of the second press); the pen
// stays down until Release. DoubleTap lifts it again.
void DoublePress(CWnd* pWnd, CPoint point);
void DoubleTap(CWnd* pWnd, CPoint point);

// Typed characters, one key press each, at the window that has the focus.
void TypeText(LPCTSTR text);
// A key (VK_LEFT, VK_BACK, 'A' ...) pressed and released there, with the
// text Qt gives it ("a" for 'A', "\b" for VK_BACK, none for VK_LEFT). With
// bShift the shift key is held down around it (Shift+Tab types nothing).
void PressKey(UINT nVirtKey, BOOL bShift = FALSE);

// Modifier keys held for PressKeys and TurnWheel.
constexpr UINT KEY_SHIFT = 0x1;
constexpr UINT KEY_CONTROL = 0x2;
constexpr UINT KEY_ALT = 0x4;

// A key (a letter, a digit, VK_OEM_PLUS, VK_OEM_MINUS, VK_F10, VK_ESCAPE,
// VK_RETURN, VK_INSERT or an arrow) pressed with the modifier keys held, in
// the active window, as Qt delivers it on a real display: the modifiers go down first,
// the press is offered to the window's shortcuts (menu mnemonics,
// accelerators) and reaches the focused window only when none takes it; an
// open menu takes every key. The key is named as the keyboard map names it
// (Ctrl+Shift+1, not Ctrl+!). The commands it issues are delivered before
// it returns. The focused window's top-level window is made active first.
void PressKeys(UINT nModifiers, UINT nVirtKey);
// The title of the pop-up menu that is open (an opened menu holds every key
// until it closes), or an empty text; and the command of its active item, 0
// for none.
std::u16string OpenMenu();
UINT ActiveMenuItem();

// A turn of the wheel over a point of the window (client coordinates): nDelta
// in eighths of a degree, 120 a notch, positive away from the user (or to the
// right, sideways), with the modifier keys held.
void TurnWheel(CWnd* pWnd, CPoint point, int nDelta, UINT nModifiers = 0, BOOL bSideways = FALSE);

// The user drags the edges of a shown top-level window to this size, or
// the whole window by (dx, dy); other windows cannot be dragged, and
// nothing happens.
void Resize(CWnd* pWnd, int cx, int cy);
void DragBy(CWnd* pWnd, int dx, int dy);

// A user action on the window's scroll bar (SB_HORZ or SB_VERT): SB_LINEUP,
// SB_LINEDOWN, SB_PAGEUP, SB_PAGEDOWN, SB_TOP, SB_BOTTOM, or SB_THUMBTRACK
// (drag the thumb to nTrackPos and let go: SB_THUMBTRACK, SB_THUMBPOSITION,
// SB_ENDSCROLL). Returns FALSE if the window shows no such bar.
BOOL ScrollBarAction(CWnd* pWnd, int nBar, UINT nSBCode, int nTrackPos = 0);
// Whether the bar is shown, and its position as the user sees it.
BOOL IsScrollBarShown(const CWnd* pWnd, int nBar);
int ScrollBarPosition(const CWnd* pWnd, int nBar);

}  // namespace Testing
