// SPDX-License-Identifier: MIT
#include "platform/WndWidgets.h"

#include "platform/Keyboard.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>
#include <QWindowStateChangeEvent>

namespace {

int g_eventDepth = 0;
int g_pendingEvents = 0;
// The modifiers of the last key event delivered as a message.
Qt::KeyboardModifiers g_keyModifiers;

}  // namespace

QWidget* PlatformWidgetAt(const QPoint& global, QWidget* pNear)
{
    if (pNear) {
        QWidget* top = pNear->window();
        const QPoint local = top->mapFromGlobal(global);
        if (top->isVisible() && top->rect().contains(local)) {
            QWidget* child = top->childAt(local);
            return child ? child : top;
        }
    }
    return QApplication::widgetAt(global);
}

UINT PlatformMouseKeyFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    UINT flags = 0;
    if (buttons & Qt::LeftButton)
        flags |= MK_LBUTTON;
    if (modifiers & Qt::ShiftModifier)
        flags |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier)
        flags |= MK_CONTROL;
    return flags;
}

int PlatformEventDepth()
{
    return g_eventDepth;
}

PlatformDepthGuard::PlatformDepthGuard()
{
    ++g_eventDepth;
}

PlatformDepthGuard::~PlatformDepthGuard()
{
    --g_eventDepth;
}

int PlatformPendingEvents()
{
    return g_pendingEvents;
}

QEvent::Type PlatformEvent::PaintType()
{
    static const int type = QEvent::registerEventType();
    return static_cast<QEvent::Type>(type);
}

QEvent::Type PlatformEvent::MessageType()
{
    static const int type = QEvent::registerEventType();
    return static_cast<QEvent::Type>(type);
}

PlatformEvent::PlatformEvent(QEvent::Type type, UINT nMessage, WPARAM w, LPARAM l)
    : QEvent(type), message(nMessage), wParam(w), lParam(l)
{
    ++g_pendingEvents;
}

PlatformEvent::~PlatformEvent()
{
    --g_pendingEvents;
}

// ---- FrameWidget ------------------------------------------------------------

FrameWidget::FrameWidget(CWndImpl* pImpl, QWidget* pParent, Qt::WindowFlags flags)
    : QWidget(pParent, flags), impl(pImpl)
{
    setFocusPolicy(Qt::NoFocus);
}

FrameWidget::~FrameWidget()
{
    // Deleted from outside (its Qt parent went): the window is gone too.
    if (impl)
        impl->Detach(false);
}

bool FrameWidget::event(QEvent* e)
{
    PlatformDepthGuard guard;
    return QWidget::event(e);
}

void FrameWidget::paintEvent(QPaintEvent*)
{
    if (!impl)
        return;
    QPainter p(this);
    if (impl->style & WS_BORDER) {
        p.setPen(Qt::black);
        p.drawRect(0, 0, width() - 1, height() - 1);
    }
    if ((impl->style & WS_HSCROLL) && (impl->style & WS_VSCROLL)) {
        const QRect client = impl->client->geometry();
        p.fillRect(QRect(client.right() + 1, client.bottom() + 1, width(), height()) &
                       rect().adjusted(0, 0, (impl->style & WS_BORDER) ? -1 : 0, (impl->style & WS_BORDER) ? -1 : 0),
                   palette().button());
    }
}

void FrameWidget::NoteFrame()
{
    if (impl && isWindow() && isVisible() && !(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized)))
        impl->normalPlace = QRect(frameGeometry().topLeft(), size());
}

void FrameWidget::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    NoteFrame();
    // Child windows are sized through MoveWindow / SetWindowPos, which lay
    // them out; a top-level window may also be resized by the user.
    if (impl && isWindow())
        impl->FrameChanged(true);
}

void FrameWidget::moveEvent(QMoveEvent* e)
{
    QWidget::moveEvent(e);
    NoteFrame();
    if (impl && isWindow() && impl->wnd == PlatformGetScreenWindow())
        PlatformScreenMoved();
}

void FrameWidget::closeEvent(QCloseEvent* e)
{
    if (!impl) {
        QWidget::closeEvent(e);
        return;
    }
    e->ignore();
    impl->wnd->SendMessage(WM_CLOSE, 0, 0);
}

void FrameWidget::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (!impl || !isWindow() || e->type() != QEvent::WindowStateChange)
        return;
    const bool bWasMinimized = static_cast<QWindowStateChangeEvent*>(e)->oldState() & Qt::WindowMinimized;
    const bool bMinimized = windowState() & Qt::WindowMinimized;
    if (bMinimized == bWasMinimized)
        return;
    if (bMinimized) {
        impl->wnd->SendMessage(WM_SIZE, SIZE_MINIMIZED, 0);
        return;
    }
    const QSize size = impl->client->size();
    impl->wnd->SendMessage(WM_SIZE, (windowState() & Qt::WindowMaximized) ? SIZE_MAXIMIZED : SIZE_RESTORED,
                           MAKELPARAM(static_cast<unsigned>(size.width()), static_cast<unsigned>(size.height())));
}

// ---- ClientWidget -----------------------------------------------------------

ClientWidget::ClientWidget(CWndImpl* pImpl, QWidget* pParent) : QWidget(pParent), impl(pImpl)
{
    // Only SetFocus gives a window the focus, never a click.
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool ClientWidget::event(QEvent* e)
{
    PlatformDepthGuard guard;
    if (e->type() == PlatformEvent::PaintType()) {
        if (impl) {
            impl->paintPosted = false;
            impl->PaintNow();
        }
        return true;
    }
    if (e->type() == PlatformEvent::MessageType()) {
        const auto* m = static_cast<PlatformEvent*>(e);
        if (impl)
            impl->wnd->SendMessage(m->message, m->wParam, m->lParam);
        return true;
    }
    // A window takes Tab and Shift+Tab as keys (WM_KEYDOWN VK_TAB); Qt would
    // move the focus to the next widget instead.
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if ((k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) &&
            !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            keyPressEvent(k);
            return true;
        }
    }
    return QWidget::event(e);
}

void ClientWidget::paintEvent(QPaintEvent* e)
{
    if (!impl)
        return;
    // Moved to a screen of another pixel ratio: a new image, painted anew.
    if (!impl->image.isNull() && impl->image.devicePixelRatio() != devicePixelRatioF())
        impl->UpdateVisible();
    QPainter p(this);
    const QRect shown = impl->Shown();
    const qreal ratio = impl->image.devicePixelRatio();
    for (const QRect& r : e->region()) {
        const QRect part = r & shown;
        if (!part.isEmpty())
            p.drawImage(QRectF(part), impl->image, QRectF(PlatformDeviceRect(part, impl->imageRect.topLeft(), ratio)));
        // What no image holds yet is white until it is painted.
        for (const QRect& rest : QRegion(r) - QRegion(part))
            p.fillRect(rest, Qt::white);
    }
}

void ClientWidget::Mouse(UINT message, QMouseEvent* e, bool toWindowUnderPointer)
{
    if (!impl)
        return;
    const QPoint global = e->globalPosition().toPoint();
    // The capture takes every mouse message; otherwise a release or a move
    // goes to the window under the pointer, as no implicit grab exists there.
    CWnd* target = CWnd::GetCapture();
    if (!target && toWindowUnderPointer) {
        if (QWidget* under = PlatformWidgetAt(global, this)) {
            CWnd* pWnd = PlatformWndFromWidget(under);
            if (!pWnd || PlatformClientWidget(pWnd) != under)
                return;  // a frame, scroll bar or foreign widget
            target = pWnd;
        }
    }
    if (!target)
        target = impl->wnd;
    QWidget* client = PlatformClientWidget(target);
    if (!client)
        return;
    // A double click is one only for a window whose class asks for them;
    // any other window hears a second press.
    if (message == WM_LBUTTONDBLCLK && !(CWndImpl::Of(target)->cls.style & CS_DBLCLKS))
        message = WM_LBUTTONDOWN;
    const QPoint local = client->mapFromGlobal(global);
    target->SendMessage(
        message, PlatformMouseKeyFlags(e->buttons(), e->modifiers()),
        MAKELPARAM(static_cast<unsigned>(local.x()) & 0xFFFF, static_cast<unsigned>(local.y()) & 0xFFFF));
}

void ClientWidget::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        Mouse(WM_LBUTTONDOWN, e, false);
}

// Qt delivers a double click as press, release, double click, release: the
// double click stands in for the second press.
void ClientWidget::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        Mouse(WM_LBUTTONDBLCLK, e, false);
}

void ClientWidget::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        Mouse(WM_LBUTTONUP, e, true);
}

void ClientWidget::mouseMoveEvent(QMouseEvent* e)
{
    Mouse(WM_MOUSEMOVE, e, true);
}

namespace {

// The virtual key of a Qt key, 0 for keys without one here.
UINT VirtualKey(int key)
{
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return static_cast<UINT>(key);  // same codes
    switch (key) {
    case Qt::Key_Backspace:
        return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return VK_TAB;  // Shift+Tab; the shift shows in GetKeyState
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_PageUp:
        return VK_PRIOR;
    case Qt::Key_PageDown:
        return VK_NEXT;
    case Qt::Key_End:
        return VK_END;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_Insert:
        return VK_INSERT;
    case Qt::Key_Delete:
        return VK_DELETE;
    default:
        return 0;
    }
}

}  // namespace

short GetKeyState(int nVirtKey)
{
    Qt::KeyboardModifier modifier;
    switch (nVirtKey) {
    case VK_SHIFT:
        modifier = Qt::ShiftModifier;
        break;
    case VK_CONTROL:
        modifier = Qt::ControlModifier;
        break;
    case VK_MENU:
        modifier = Qt::AltModifier;
        break;
    default:
        return 0;
    }
    return g_keyModifiers.testFlag(modifier) ? static_cast<short>(0x8000) : 0;
}

namespace {

// A key pressed with Alt (and without Ctrl, which together with Alt types
// the third characters of a keyboard) is a system key: its character chooses
// a menu, and is never text.
bool IsSystemKey(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::AltModifier) && !(modifiers & Qt::ControlModifier);
}

// The characters a key typed. With Ctrl or the logo key held, a key types no
// printable character, only the control characters of Ctrl with a letter.
QString TypedText(const QKeyEvent* e)
{
    // The Delete key types no character, whatever text Qt gives it.
    if (e->key() == Qt::Key_Delete)
        return QString();
    const Qt::KeyboardModifiers modifiers = e->modifiers();
    const bool bCommand =
        (modifiers & Qt::MetaModifier) || ((modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier));
    if (!bCommand)
        return e->text();
    QString text;
    for (const QChar c : e->text())
        if (c.unicode() < 0x20)
            text += c;
    return text;
}

}  // namespace

void ClientWidget::keyPressEvent(QKeyEvent* e)
{
    if (!impl) {
        QWidget::keyPressEvent(e);
        return;
    }
    g_keyModifiers = e->modifiers();
    // WM_KEYDOWN for the key, then one WM_CHAR per character it typed; with
    // Alt, WM_SYSKEYDOWN and WM_SYSCHAR instead.
    const bool bSystem = IsSystemKey(e->modifiers());
    CWnd* pWnd = impl->wnd;
    if (const UINT vk = VirtualKey(e->key()))
        pWnd->SendMessage(bSystem ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, MAKELPARAM(1, bSystem ? 0x2000 : 0));
    for (const QChar c : TypedText(e)) {
        if (!pWnd->m_hWnd)
            break;
        pWnd->SendMessage(bSystem ? WM_SYSCHAR : WM_CHAR, c.unicode(), MAKELPARAM(1, bSystem ? 0x2000 : 0));
    }
}

void ClientWidget::keyReleaseEvent(QKeyEvent* e)
{
    if (!impl)
        return;
    g_keyModifiers = e->modifiers();
    const bool bSystem = IsSystemKey(e->modifiers());
    if (const UINT vk = VirtualKey(e->key()))
        impl->wnd->SendMessage(bSystem ? WM_SYSKEYUP : WM_KEYUP, vk, MAKELPARAM(1, bSystem ? 0xE000 : 0xC000));
}

void ClientWidget::wheelEvent(QWheelEvent* e)
{
    if (!impl) {
        QWidget::wheelEvent(e);
        return;
    }
    g_keyModifiers = e->modifiers();
    PlatformWheel(impl->wnd, e);
    e->accept();
}

void ClientWidget::focusInEvent(QFocusEvent* e)
{
    QWidget::focusInEvent(e);
    if (impl)
        PlatformFocusIn(impl->wnd);
}

void ClientWidget::focusOutEvent(QFocusEvent* e)
{
    QWidget::focusOutEvent(e);
    if (impl)
        PlatformFocusOut(impl->wnd);
}
