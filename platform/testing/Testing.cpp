// SPDX-License-Identifier: MIT
#include "platform/testing/Testing.h"
#include "platform/Resource.h"
#include "platform/ShellPrivate.h"
#include "platform/WndPrivate.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest/qtestkeyboard.h>

#include <cstdio>

namespace Testing {

namespace {

// Input timestamps, in milliseconds: taps far apart unless a double tap
// asks for a quick one.
quint64 g_clock = 0;
// Qt sends move and release to the widget that took the press.
QPointer<QWidget> g_pressed;

QPoint GlobalOf(CWnd* pWnd, CPoint point)
{
    QWidget* client = PlatformClientWidget(pWnd);
    return client ? client->mapToGlobal(QPoint(point.x, point.y)) : QPoint(point.x, point.y);
}

QWidget* WidgetAt(CWnd* pWnd, const QPoint& global)
{
    return PlatformWidgetAt(global, PlatformClientWidget(pWnd));
}

void SendMouse(QWidget* target, QEvent::Type type, const QPoint& global, Qt::MouseButtons buttons)
{
    if (!target)
        return;
    // A move names no button; press, double click and release name the left one.
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(target->mapFromGlobal(global)), QPointF(global), button, buttons, Qt::NoModifier);
    event.setTimestamp(g_clock);
    QApplication::sendEvent(target, &event);
}

}  // namespace

void EnsureApplication()
{
    if (QApplication::instance())
        return;
    // The headless platform cannot raise windows or grab the keyboard, and
    // says so at every pop-up and menu.
    static const QtMessageHandler previous = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (text.contains(QLatin1String("does not support raise()")) ||
            text.contains(QLatin1String("does not support grabbing the keyboard")))
            return;
        if (previous)
            previous(type, context, text);
        else
            std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
    });
    static int argc = 1;
    static char name[] = "trellis-tests";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

BOOL InstallFont(const char* pszPath)
{
    return QFontDatabase::addApplicationFont(QString::fromUtf8(pszPath)) != -1 ? TRUE : FALSE;
}

void RunUntilIdle()
{
    for (int round = 0; round < 100; ++round) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (PlatformPendingEvents() == 0)
            break;
    }
}

bool RunUntil(const std::function<bool()>& done, int nMilliseconds)
{
    QElapsedTimer clock;
    clock.start();
    // Wakes the wait below now and then, for the clock and done() to be asked.
    QTimer tick;
    tick.start(5);
    while (!done()) {
        if (clock.elapsed() >= nMilliseconds)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

namespace {

// What a window shows of a rectangle of its client area: its image where the
// rectangle can be seen, and elsewhere what a paint puts there when it comes
// into view.
class Capture {
public:
    Capture(const CWnd* pWnd, const QRect& rect) : m_p(CWndImpl::Of(pWnd))
    {
        if (!m_p)
            return;
        if (m_p->IsNative()) {
            // A native control draws itself: what it shows is all there is.
            m_rendered = m_p->widget->grab().toImage();
            m_renderedRect = QRect(QPoint(0, 0), m_p->widget->size());
            return;
        }
        m_shown = m_p->Shown();
        const QRect hidden = (QRegion(rect & m_p->ClientRect()) - QRegion(m_shown)).boundingRect();
        if (!hidden.isEmpty()) {
            m_rendered = m_p->RenderHidden(hidden);
            m_renderedRect = hidden;
        }
    }

    COLORREF At(int x, int y) const
    {
        if (!m_p)
            return 0xFFFFFFFF;
        if (m_shown.contains(x, y))
            return Sample(m_p->image, m_p->imageRect.topLeft(), x, y);
        if (!m_rendered.isNull() && m_renderedRect.contains(x, y))
            return Sample(m_rendered, m_renderedRect.topLeft(), x, y);
        return 0xFFFFFFFF;
    }

private:
    // The logical pixel's top-left image pixel.
    static COLORREF Sample(const QImage& image, const QPoint& origin, int x, int y)
    {
        const QPoint px = PlatformDeviceRect(QRect(x, y, 1, 1), origin, image.devicePixelRatio()).topLeft();
        return image.rect().contains(px) ? PlatformColorRef(QColor(image.pixel(px))) : 0xFFFFFFFF;
    }

    CWndImpl* m_p;
    QRect m_shown;
    QImage m_rendered;
    QRect m_renderedRect;
};

}  // namespace

COLORREF PixelAt(const CWnd* pWnd, int x, int y)
{
    return Capture(pWnd, QRect(x, y, 1, 1)).At(x, y);
}

int CountPixels(const CWnd* pWnd, const RECT& rect, COLORREF color)
{
    const Capture capture(pWnd, QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top));
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x)
            count += capture.At(x, y) == color ? 1 : 0;
    }
    return count;
}

size_t ImageBytes(const CWnd* pWnd)
{
    const CWndImpl* p = CWndImpl::Of(pWnd);
    if (!p)
        return 0;
    size_t nBytes = static_cast<size_t>(p->image.sizeInBytes());
    for (const CWnd* pChild : p->children)
        nBytes += ImageBytes(pChild);
    return nBytes;
}

double ImageRatio(const CWnd* pWnd)
{
    const CWndImpl* p = CWndImpl::Of(pWnd);
    return p && !p->image.isNull() ? p->image.devicePixelRatio() : 1.0;
}

void SetImageLimit(size_t nBytes)
{
    PlatformSetImageLimit(static_cast<qsizetype>(nBytes));
}

namespace {

// The window as shown, with the visible pop-ups it owns painted over it
// where they stand.
QImage Screen(const CWnd* pWnd)
{
    QWidget* w = PlatformWidget(pWnd);
    if (!w)
        return QImage();
    QImage shot = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPoint origin = w->mapToGlobal(QPoint(0, 0));
    QPainter painter(&shot);
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top == w || !top->isVisible() || !top->parentWidget() || top->parentWidget()->window() != w->window())
            continue;
        painter.drawImage(top->mapToGlobal(QPoint(0, 0)) - origin, top->grab().toImage());
    }
    return shot;
}

}  // namespace

struct ScreenShot::Data {
    QImage shot;
};

ScreenShot::ScreenShot(const CWnd* pWnd) : m_pData(std::make_unique<Data>(Data {Screen(pWnd)}))
{
}

ScreenShot::~ScreenShot() = default;

COLORREF ScreenShot::DevicePixelAt(int x, int y) const
{
    const QImage& shot = m_pData->shot;
    return shot.rect().contains(x, y) ? PlatformColorRef(QColor(shot.pixel(x, y))) : 0xFFFFFFFF;
}

COLORREF ScreenPixelAt(const CWnd* pWnd, int x, int y)
{
    const QImage shot = Screen(pWnd);
    const QPoint px = PlatformDeviceRect(QRect(x, y, 1, 1), QPoint(0, 0), shot.devicePixelRatio()).topLeft();
    return shot.rect().contains(px) ? PlatformColorRef(QColor(shot.pixel(px))) : 0xFFFFFFFF;
}

void Press(CWnd* pWnd, CPoint point)
{
    g_clock += 1000;
    const QPoint global = GlobalOf(pWnd, point);
    g_pressed = WidgetAt(pWnd, global);
    SendMouse(g_pressed, QEvent::MouseButtonPress, global, Qt::LeftButton);
}

void Move(CWnd* pWnd, CPoint point)
{
    g_clock += 10;
    const QPoint global = GlobalOf(pWnd, point);
    // With the pen down the widget that took the press hears it; with the pen
    // up only a widget that tracks the pointer does.
    QWidget* target = g_pressed ? g_pressed.data() : WidgetAt(pWnd, global);
    if (!g_pressed && (!target || !target->hasMouseTracking()))
        return;
    SendMouse(target, QEvent::MouseMove, global, g_pressed ? Qt::LeftButton : Qt::NoButton);
}

void Release(CWnd* pWnd, CPoint point)
{
    g_clock += 10;
    const QPoint global = GlobalOf(pWnd, point);
    QWidget* target = g_pressed ? g_pressed.data() : WidgetAt(pWnd, global);
    g_pressed = nullptr;
    SendMouse(target, QEvent::MouseButtonRelease, global, Qt::NoButton);
}

void Tap(CWnd* pWnd, CPoint point)
{
    Press(pWnd, point);
    Release(pWnd, point);
}

void DoublePress(CWnd* pWnd, CPoint point)
{
    Tap(pWnd, point);
    // Qt keeps the second press to itself and delivers the double click in
    // its place, to the widget under the pointer, which then has the pen.
    g_clock += 100;
    const QPoint global = GlobalOf(pWnd, point);
    g_pressed = WidgetAt(pWnd, global);
    SendMouse(g_pressed, QEvent::MouseButtonDblClick, global, Qt::LeftButton);
}

void DoubleTap(CWnd* pWnd, CPoint point)
{
    DoublePress(pWnd, point);
    Release(pWnd, point);
}

namespace {

// Where Qt sends a key: an open pop-up menu takes every key; in the active
// window, whatever holds Qt's focus there (the menu bar may); else the window
// with the focus.
QWidget* FocusTarget()
{
    if (QWidget* pPopup = QApplication::activePopupWidget())
        return pPopup;
    CWnd* pFocus = CWnd::GetFocus();
    QWidget* pClient = pFocus ? PlatformClientWidget(pFocus) : nullptr;
    QWidget* pQtFocus = QApplication::focusWidget();
    if (pClient && pQtFocus && pQtFocus->window() == pClient->window() && pClient->window()->isActiveWindow())
        return pQtFocus;
    return pClient ? pClient : pQtFocus;
}

void SendKeyEvent(QEvent::Type type, int key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    QWidget* target = FocusTarget();
    if (!target)
        return;
    // As on a real display, a press is offered to the shortcuts first (the
    // menus' mnemonics, accelerators), and reaches the widget only when none
    // takes it.
    if (type == QEvent::KeyPress && qt_sendShortcutOverrideEvent(target, ++g_clock, key, modifiers, text))
        return;
    QKeyEvent event(type, key, modifiers, text);
    QApplication::sendEvent(target, &event);
}

void SendKey(int key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    SendKeyEvent(QEvent::KeyPress, key, modifiers, text);
    SendKeyEvent(QEvent::KeyRelease, key, modifiers, text);
}

}  // namespace

void TypeText(LPCTSTR text)
{
    for (LPCTSTR p = text; p && *p; ++p) {
        const QChar ch(static_cast<char16_t>(*p));
        // Qt names a typed character's key by the character in upper case;
        // control characters come from their own keys.
        int key = ch.toUpper().unicode();
        switch (ch.unicode()) {
        case u'\b':
            key = Qt::Key_Backspace;
            break;
        case u'\t':
            key = Qt::Key_Tab;
            break;
        case u'\r':
        case u'\n':
            key = Qt::Key_Return;
            break;
        case 0x1B:
            key = Qt::Key_Escape;
            break;
        case 0x7F:
            key = Qt::Key_Delete;
            break;
        default:
            break;
        }
        SendKey(key, QString(ch));
    }
}

void PressKey(UINT nVirtKey, BOOL bShift)
{
    // The text Qt gives these keys on a real display.
    struct Key {
        UINT vk;
        int key;
        const char16_t* text;
    };
    static const Key keys[] = {
        {VK_BACK, Qt::Key_Backspace, u"\b"},  {VK_TAB, Qt::Key_Tab, u"\t"},     {VK_RETURN, Qt::Key_Return, u"\r"},
        {VK_ESCAPE, Qt::Key_Escape, u"\x1b"}, {VK_SPACE, Qt::Key_Space, u" "},  {VK_PRIOR, Qt::Key_PageUp, u""},
        {VK_NEXT, Qt::Key_PageDown, u""},     {VK_END, Qt::Key_End, u""},       {VK_HOME, Qt::Key_Home, u""},
        {VK_LEFT, Qt::Key_Left, u""},         {VK_UP, Qt::Key_Up, u""},         {VK_RIGHT, Qt::Key_Right, u""},
        {VK_DOWN, Qt::Key_Down, u""},         {VK_INSERT, Qt::Key_Insert, u""}, {VK_DELETE, Qt::Key_Delete, u"\x7f"},
    };
    for (const Key& k : keys) {
        if (k.vk != nVirtKey)
            continue;
        if (!bShift) {
            SendKey(k.key, QString::fromUtf16(k.text));
            return;
        }
        // The shift key goes down first; Shift+Tab is Qt's Backtab and types nothing.
        SendKeyEvent(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier, QString());
        if (k.key == Qt::Key_Tab)
            SendKey(Qt::Key_Backtab, QString(), Qt::ShiftModifier);
        else
            SendKey(k.key, QString::fromUtf16(k.text), Qt::ShiftModifier);
        SendKeyEvent(QEvent::KeyRelease, Qt::Key_Shift, Qt::NoModifier, QString());
        return;
    }
    // A letter key types its small letter, a digit key its digit.
    if ((nVirtKey >= 'A' && nVirtKey <= 'Z') || (nVirtKey >= '0' && nVirtKey <= '9'))
        SendKey(static_cast<int>(nVirtKey), QString(QChar(static_cast<char16_t>(nVirtKey)).toLower()));
}

void PressKeys(UINT nModifiers, UINT nVirtKey)
{
    // The keys go to the active window, as a person's typing does.
    if (QWidget* pTarget = FocusTarget()) {
        if (!QApplication::activePopupWidget() && QApplication::activeWindow() != pTarget->window()) {
            pTarget->window()->activateWindow();
            QApplication::processEvents();
        }
    }
    struct Modifier {
        UINT nFlag;
        int key;
        Qt::KeyboardModifier modifier;
    };
    static const Modifier modifiers[] = {
        {KEY_CONTROL, Qt::Key_Control, Qt::ControlModifier},
        {KEY_SHIFT, Qt::Key_Shift, Qt::ShiftModifier},
        {KEY_ALT, Qt::Key_Alt, Qt::AltModifier},
    };
    // The modifier keys go down one after another, then the key.
    Qt::KeyboardModifiers held;
    for (const Modifier& m : modifiers) {
        if (nModifiers & m.nFlag) {
            held |= m.modifier;
            SendKeyEvent(QEvent::KeyPress, m.key, held, QString());
        }
    }
    int key = 0;
    QString text;
    if (nVirtKey >= 'A' && nVirtKey <= 'Z') {
        key = static_cast<int>(nVirtKey);
        // Ctrl turns a letter into its control character; Alt leaves it as typed.
        const QChar letter = (nModifiers & KEY_SHIFT) ? QChar(static_cast<char16_t>(nVirtKey))
                                                      : QChar(static_cast<char16_t>(nVirtKey)).toLower();
        text = (nModifiers & KEY_CONTROL) ? QString(QChar(static_cast<char16_t>(nVirtKey - 'A' + 1))) : QString(letter);
    } else if (nVirtKey >= '0' && nVirtKey <= '9') {
        key = static_cast<int>(nVirtKey);
        text = QString(QChar(static_cast<char16_t>(nVirtKey)));
    } else {
        struct Key {
            UINT vk;
            int key;
            const char16_t* text;
        };
        static const Key keys[] = {
            {VK_OEM_PLUS, Qt::Key_Plus, u"+"},  {VK_OEM_MINUS, Qt::Key_Minus, u"-"},
            {VK_F10, Qt::Key_F10, u""},         {VK_ESCAPE, Qt::Key_Escape, u"\x1b"},
            {VK_RETURN, Qt::Key_Return, u"\r"}, {VK_DOWN, Qt::Key_Down, u""},
            {VK_UP, Qt::Key_Up, u""},           {VK_LEFT, Qt::Key_Left, u""},
            {VK_RIGHT, Qt::Key_Right, u""},     {VK_INSERT, Qt::Key_Insert, u""},
        };
        for (const Key& k : keys)
            if (k.vk == nVirtKey) {
                key = k.key;
                text = QString::fromUtf16(k.text);
            }
    }
    if (key != 0) {
        SendKeyEvent(QEvent::KeyPress, key, held, text);
        SendKeyEvent(QEvent::KeyRelease, key, held, text);
    }
    for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it) {
        if (nModifiers & it->nFlag) {
            held &= ~it->modifier;
            SendKeyEvent(QEvent::KeyRelease, it->key, held, QString());
        }
    }
    // Shortcuts issue their commands through the event loop.
    RunUntilIdle();
}

std::u16string OpenMenu()
{
    auto* pMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    return pMenu ? ToU16(shell::MenuLabelOf(pMenu->title())) : std::u16string();
}

UINT ActiveMenuItem()
{
    auto* pMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QAction* pAction = pMenu ? pMenu->activeAction() : nullptr;
    return pAction ? pAction->data().toUInt() : 0;
}

void TurnWheel(CWnd* pWnd, CPoint point, int nDelta, UINT nModifiers, BOOL bSideways)
{
    QWidget* pTarget = WidgetAt(pWnd, GlobalOf(pWnd, point));
    if (!pTarget)
        return;
    Qt::KeyboardModifiers modifiers;
    if (nModifiers & KEY_SHIFT)
        modifiers |= Qt::ShiftModifier;
    if (nModifiers & KEY_CONTROL)
        modifiers |= Qt::ControlModifier;
    if (nModifiers & KEY_ALT)
        modifiers |= Qt::AltModifier;
    const QPoint global = GlobalOf(pWnd, point);
    // Qt's sideways turn to the right is negative.
    const QPoint angle = bSideways ? QPoint(-nDelta, 0) : QPoint(0, nDelta);
    QWheelEvent event(QPointF(pTarget->mapFromGlobal(global)), QPointF(global), QPoint(), angle, Qt::NoButton,
                      modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(pTarget, &event);
}

namespace {

// Only a shown top-level window can be dragged; Qt tells its widget.
QWidget* DraggableWidget(CWnd* pWnd)
{
    QWidget* w = PlatformWidget(pWnd);
    return w && w->isWindow() && w->isVisible() ? w : nullptr;
}

}  // namespace

void Resize(CWnd* pWnd, int cx, int cy)
{
    if (QWidget* w = DraggableWidget(pWnd))
        w->resize(cx, cy);
}

void DragBy(CWnd* pWnd, int dx, int dy)
{
    if (QWidget* w = DraggableWidget(pWnd))
        w->move(w->pos() + QPoint(dx, dy));
}

BOOL ScrollBarAction(CWnd* pWnd, int nBar, UINT nSBCode, int nTrackPos)
{
    CWndImpl* p = CWndImpl::Of(pWnd);
    if (!p || (nBar != SB_HORZ && nBar != SB_VERT) || !IsScrollBarShown(pWnd, nBar))
        return FALSE;
    QScrollBar* bar = p->qbars[nBar];
    switch (nSBCode) {
    case SB_LINEUP:
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        break;
    case SB_LINEDOWN:
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        break;
    case SB_PAGEUP:
        bar->triggerAction(QAbstractSlider::SliderPageStepSub);
        break;
    case SB_PAGEDOWN:
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        break;
    case SB_TOP:
        bar->triggerAction(QAbstractSlider::SliderToMinimum);
        break;
    case SB_BOTTOM:
        bar->triggerAction(QAbstractSlider::SliderToMaximum);
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        // Drag the thumb: press it, move it, let go.
        QPointer<QScrollBar> guard(bar);
        bar->setSliderDown(true);
        bar->setSliderPosition(nTrackPos);
        if (guard)
            bar->setSliderDown(false);
        break;
    }
    default:
        return FALSE;
    }
    return TRUE;
}

BOOL IsScrollBarShown(const CWnd* pWnd, int nBar)
{
    const CWndImpl* p = CWndImpl::Of(pWnd);
    if (!p || (nBar != SB_HORZ && nBar != SB_VERT) || !p->qbars[nBar])
        return FALSE;
    return p->qbars[nBar]->isVisibleTo(p->widget) ? TRUE : FALSE;
}

int ScrollBarPosition(const CWnd* pWnd, int nBar)
{
    const CWndImpl* p = CWndImpl::Of(pWnd);
    if (!p || (nBar != SB_HORZ && nBar != SB_VERT) || !p->qbars[nBar])
        return 0;
    return p->qbars[nBar]->value();
}

}  // namespace Testing
