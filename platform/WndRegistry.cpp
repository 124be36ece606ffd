// SPDX-License-Identifier: MIT
// The registry of windows: handles, widgets and window classes; the capture,
// the focus and the screen window; and the end of a window's Qt side.
#include "platform/WndRegistry.h"

#include "model/Format.h"
#include "platform/WndPrivate.h"
#include "platform/WndWidgets.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>

#include <algorithm>

namespace {

void RegisterBuiltInClasses()
{
    auto& classes = Registry().classes;
    if (!classes.empty())
        return;
    classes[kDefaultWndClass] = WndClassInfo {CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, false, 0};
    // Names the platform's own controls may pass; their widgets draw themselves.
    for (const char16_t* name : {u"BUTTON", u"EDIT", u"STATIC", u"COMBOBOX", u"msctls_updown32", u"SCROLLBAR",
                                 u"AfxFrameOrView", u"AfxControlBar"})
        classes[name] = WndClassInfo {CS_DBLCLKS, true, GetSysColor(COLOR_BTNFACE)};
}

// Swallows every event of a widget whose window is gone, except those that
// delete it and tidy up its children. Installed last, it runs first.
class DeadWidgetFilter : public QObject {
public:
    explicit DeadWidgetFilter(QObject* pParent) : QObject(pParent) { }

    bool eventFilter(QObject*, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::DeferredDelete:
        case QEvent::ChildAdded:
        case QEvent::ChildRemoved:
        case QEvent::ChildPolished:
            return false;
        default:
            return true;
        }
    }
};

}  // namespace

WndRegistry& Registry()
{
    static WndRegistry* const registry = new WndRegistry;
    return *registry;
}

const char16_t kDefaultWndClass[] = u"AfxWnd";

const WndClassInfo* FindWndClass(LPCTSTR name)
{
    RegisterBuiltInClasses();
    auto it = Registry().classes.find(name ? name : kDefaultWndClass);
    return it == Registry().classes.end() ? nullptr : &it->second;
}

HWND HandleOf(const CWnd* pWnd)
{
    return pWnd ? pWnd->m_hWnd : nullptr;
}

LPCTSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR, HBRUSH hbrBackground, HICON)
{
    RegisterBuiltInClasses();
    bool isNull = true;
    const COLORREF color = PlatformBrushColor(hbrBackground, &isNull);
    const CString name(
        FormatText(u"Afx:%x:%x:%x", nClassStyle, isNull ? 0u : 1u, isNull ? 0u : static_cast<unsigned>(color)));
    auto it = Registry().classes.emplace(name, WndClassInfo {nClassStyle, !isNull, color}).first;
    return it->first.c_str();
}

QWidget* PlatformWidget(const CWnd* pWnd)
{
    const CWndImpl* p = CWndImpl::Of(pWnd);
    return p ? p->widget : nullptr;
}

QWidget* PlatformClientWidget(const CWnd* pWnd)
{
    const CWndImpl* p = CWndImpl::Of(pWnd);
    return p ? p->client : nullptr;
}

CWnd* PlatformWndFromWidget(const QWidget* pWidget)
{
    auto it = Registry().widgets.find(pWidget);
    return it == Registry().widgets.end() ? nullptr : it->second;
}

CWnd* PlatformWndAt(const QWidget* pWidget)
{
    for (const QWidget* w = pWidget; w; w = w->parentWidget()) {
        if (CWnd* p = PlatformWndFromWidget(w))
            return p;
    }
    return nullptr;
}

void PlatformSetScreenWindow(CWnd* pWnd)
{
    Registry().screen = pWnd;
    Registry().screenWidget = PlatformWidget(pWnd);
}

CWnd* PlatformGetScreenWindow()
{
    WndRegistry& s = Registry();
    return s.screenWidget ? s.screen : nullptr;
}

void PlatformScreenMoved()
{
    for (const auto& [hWnd, pWnd] : Registry().handles) {
        CWndImpl* p = CWndImpl::Of(pWnd);
        if (p->popup && !p->IsNative() && pWnd != Registry().screen)
            p->widget->setGeometry(QRect(p->ScreenOriginFor() + p->screenPos, p->widget->size()));
    }
}

BOOL ReleaseCapture()
{
    Registry().capture = nullptr;
    return TRUE;
}

void PlatformFocusIn(CWnd* pWnd)
{
    WndRegistry& s = Registry();
    if (s.settingFocus || s.focus == pWnd)
        return;
    CWnd* pOld = s.focus;
    s.focus = pWnd;
    if (pOld && pOld->m_hWnd)
        pOld->SendMessage(WM_KILLFOCUS, reinterpret_cast<WPARAM>(HandleOf(pWnd)), 0);
    if (pWnd->m_hWnd && s.focus == pWnd)
        pWnd->SendMessage(WM_SETFOCUS, reinterpret_cast<WPARAM>(HandleOf(pOld)), 0);
}

void PlatformFocusOut(CWnd* pWnd)
{
    WndRegistry& s = Registry();
    if (s.settingFocus || s.focus != pWnd)
        return;
    // Focus went to something that is not one of our windows (a native
    // control, another application): only the loss is reported.
    QWidget* now = QApplication::focusWidget();
    if (now && PlatformWndAt(now))
        return;
    s.focus = nullptr;
    pWnd->SendMessage(WM_KILLFOCUS, 0, 0);
}

QPoint CWndImpl::ScreenOriginFor() const
{
    WndRegistry& s = Registry();
    if (!s.screenWidget || s.screen == wnd)
        return QPoint(0, 0);
    return s.screenWidget->mapToGlobal(QPoint(0, 0));
}

void CWndImpl::Detach(bool bDeleteWidgets)
{
    WndRegistry& s = Registry();
    // Children first: their windows end with this one.
    const std::vector<CWnd*> kids = children;
    for (CWnd* child : kids) {
        if (CWndImpl* c = Of(child))
            c->Detach(false);
    }
    if (s.capture == wnd)
        s.capture = nullptr;
    if (s.focus == wnd)
        s.focus = nullptr;
    if (s.screen == wnd)
        s.screen = nullptr;
    if (CWndImpl* p = Of(parent))
        p->children.erase(std::remove(p->children.begin(), p->children.end(), wnd), p->children.end());
    s.handles.erase(wnd->m_hWnd);
    s.widgets.erase(widget);
    s.widgets.erase(client);
    wnd->m_hWnd = nullptr;
    wnd->m_pImpl = nullptr;
    if (frame)
        frame->impl = nullptr;
    if (clientArea)
        clientArea->impl = nullptr;
    QObject::disconnect(nativeGone);
    // The bars may outlive this state for a moment (deferred deletion).
    for (QScrollBar* bar : qbars) {
        if (bar)
            QObject::disconnect(bar, nullptr, widget, nullptr);
    }
    // After the application object is gone the widgets cannot be deleted safely.
    if (bDeleteWidgets && widget && QCoreApplication::instance()) {
        widget->hide();
        if (PlatformEventDepth() > 0) {
            // Deleted once the current event is over; until then it hears
            // nothing, so no filter or handler reaches the window it was.
            widget->installEventFilter(new DeadWidgetFilter(widget));
            widget->deleteLater();
        } else {
            delete widget;
        }
    }
    delete this;
}
