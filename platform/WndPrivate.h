// SPDX-License-Identifier: MIT
#pragma once

// Inside of the window layer, for the platform's own sources only (frame,
// command bar, dialogs, controls). Application code never includes this.
//
// Hook for native windows: a CWnd subclass inside platform/ overrides
//     QWidget* CreateNativeWidget(QWidget* pParent) override;
// and returns a new widget parented to pParent (the parent window's client
// widget, or null for a top-level window). Create/CreateEx then use that
// widget for the window: placement, visibility, enabling, id, parent and
// destruction work as for any window; painting into a backing image and the
// mouse/keyboard messages do not (the widget does its own), so the subclass
// turns the widget's signals into messages, e.g.
//     GetParent()->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED),
//                              reinterpret_cast<LPARAM>(m_hWnd));
// The subclass may also override DefWindowProc for WM_SETTEXT / WM_GETTEXT
// (lParam: LPCTSTR / CString*) to keep the widget's text.

#include "platform/DC.h"
#include "platform/QtConvert.h"
#include "platform/Wnd.h"
#include "platform/WndImage.h"
#include "platform/WndRegistry.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QObject>
#include <QPoint>
#include <QRegion>

#include <memory>
#include <vector>

class QScrollBar;
class QWidget;
class ClientWidget;
class FrameWidget;

// Everything a created window owns on the Qt side.
class CWndImpl {
public:
    explicit CWndImpl(CWnd* pWnd) : wnd(pWnd) { }

    static CWndImpl* Of(const CWnd* pWnd) { return pWnd ? pWnd->m_pImpl : nullptr; }

    CWnd* wnd;
    QWidget* widget = nullptr;  // the whole window (border, scroll bars, client)
    QWidget* client = nullptr;  // the client area: children, painting, input
    FrameWidget* frame = nullptr;  // null for a native window
    ClientWidget* clientArea = nullptr;  // null for a native window
    CWnd* parent = nullptr;
    CWnd* owner = nullptr;  // a top-level window's owner: named, else the screen window
    std::vector<CWnd*> children;
    DWORD style = 0;
    DWORD exStyle = 0;
    int id = 0;
    CString text;
    WndClassInfo cls;
    bool popup = false;  // top-level, placed in screen coordinates
    QPoint screenPos;  // pop-up: top-left in screen coordinates
    bool placedOnDesktop = false;  // SetWindowPlacement put it: showing it keeps it there
    // A top-level window's rectangle while it is neither maximised nor
    // minimised: the top-left corner of the desktop's frame round it, and its
    // own size; as last placed or seen so.
    QRect normalPlace;

    // What can be seen of the client area (within every ancestor's client
    // area), and the image that keeps its pixels at the screen's pixel ratio.
    // imageRect is the part of the client area the image covers: the visible
    // part, or the last one an image could be had for.
    QRect visible;
    QImage image;
    QRect imageRect;
    unsigned imageStamp = 0;  // changes whenever visible, image or imageRect does
    bool imageFailed = false;  // told the user; quiet until an image is had again
    bool rendering = false;  // painting a part out of view for a test's eyes
    QRegion update;  // what WM_PAINT must repaint, within the visible part
    bool erase = false;  // the next paint erases its region first
    bool paintPosted = false;
    QSize lastClientSize {-1, -1};
    int sizeDepth = 0;

    SCROLLINFO bars[2] = {{28, 0, 0, 0, 0, 0, 0}, {28, 0, 0, 0, 0, 0, 0}};
    QScrollBar* qbars[2] = {nullptr, nullptr};
    bool settingBar = false;
    int trackPos[2] = {0, 0};  // where the thumb was last dragged to
    int wheelRest[2] = {0, 0};  // wheel turns too small for a line yet, by bar
    QMetaObject::Connection nativeGone;  // a native widget deleted from outside
    std::unique_ptr<CFont> font;  // what GetFont hands out for a native window

    bool IsNative() const { return clientArea == nullptr; }
    QRect ClientRect() const;  // in client coordinates: (0, 0, w, h)
    bool IsVisibleChain() const;  // visible, and every parent too
    void Invalidate(const QRect& rect, bool bErase);
    void Invalidate(const QRegion& region, bool bErase);
    void SchedulePaint();
    void PaintNow();  // sends WM_PAINT if anything is invalid
    void Touched(const QRect& rect);  // image changed: refresh the screen
    QRect Shown() const { return imageRect & visible; }  // where drawing lands
    // Works out the visible part again, for this window and its children,
    // after a move, a resize or a change of the screen's pixel ratio.
    void UpdateVisible();
    void PlaceImage(const QRect& rcVisible);
    // Paints a part of the client area that cannot be seen into an image of
    // its own, through WM_PAINT, as it would be painted on coming into view.
    QImage RenderHidden(const QRect& rect);
    void FrameChanged(bool bRepaint);  // style or size changed: lay out, WM_SIZE
    void LayoutFrame();
    void OnScrollAction(int nBar, int action);
    void OnScrollReleased(int nBar);
    // What a window does with WM_MOUSEWHEEL and WM_MOUSEHWHEEL by default:
    // scroll its own bar by lines (Shift turns the wheel sideways), or, with
    // Ctrl held or no bar that way, hand the message to its parent.
    LRESULT DefaultWheel(UINT message, WPARAM wParam, LPARAM lParam);
    void SyncBar(int nBar);
    void ApplyVisibility();
    QPoint ScreenOriginFor() const;  // global position of screen (0, 0)
    void Detach(bool bDeleteWidgets);  // the window is gone: forget the widgets
};

// Font and brush look-ups.
QFont PlatformFont(HFONT hFont);  // the default font for null
COLORREF PlatformBrushColor(HBRUSH hBrush, bool* pIsNull = nullptr);

// A device context over any image (owner-drawn controls): drawing goes into
// *pImage; pWnd (may be null) gets its screen refreshed.
void PlatformAttachImage(CDC& dc, QImage* pImage, CWnd* pWnd = nullptr);

// The widget at a global position: inside pNear's top-level window when it
// is shown and holds the point (windows may overlap), else whatever shown
// window is there.
QWidget* PlatformWidgetAt(const QPoint& global, QWidget* pNear);

// Sends a turn of the wheel to pWnd as WM_MOUSEWHEEL (and WM_MOUSEHWHEEL for
// a sideways turn), with the keys held and the pointer in screen coordinates.
void PlatformWheel(CWnd* pWnd, const class QWheelEvent* pEvent);

// Number of platform events posted and not yet handled (paints, PostMessage).
int PlatformPendingEvents();
