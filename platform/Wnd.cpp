// SPDX-License-Identifier: MIT
#include "platform/Wnd.h"
#include "model/Format.h"
#include "platform/GdiPrivate.h"
#include "platform/MessageBox.h"
#include "platform/QtConvert.h"
#include "platform/WndPrivate.h"
#include "platform/WndWidgets.h"

#include <QApplication>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>

#include <QtMath>

#include <algorithm>
#include <cstring>
#include <map>
#include <unordered_map>

namespace {

constexpr int kScrollBarSize = 13;
constexpr int kMaxNestedSize = 8;
constexpr int kMaxUpdateRects = 8;
// Far beyond any screen, far below what would exhaust memory.
constexpr qsizetype kDefaultImageLimit = qsizetype(512) << 20;
qsizetype g_imageLimit = kDefaultImageLimit;

struct PlatformState {
    std::unordered_map<HWND, CWnd*> handles;
    std::unordered_map<const QWidget*, CWnd*> widgets;
    std::map<std::u16string, WndClassInfo> classes;
    CWnd* capture = nullptr;
    CWnd* focus = nullptr;
    bool settingFocus = false;
    QPointer<QWidget> screenWidget;
    CWnd* screen = nullptr;
    // The message being handled, for CWnd::Default.
    struct Current {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    } current = {0, 0, 0};
};

PlatformState& State()
{
    static PlatformState* const state = new PlatformState;
    return *state;
}

const char16_t kDefaultClass[] = u"AfxWnd";

void RegisterBuiltInClasses()
{
    auto& classes = State().classes;
    if (!classes.empty())
        return;
    classes[kDefaultClass] = WndClassInfo {CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, false, 0};
    // Names the platform's own controls may pass; their widgets draw themselves.
    for (const char16_t* name : {u"BUTTON", u"EDIT", u"STATIC", u"COMBOBOX", u"msctls_updown32", u"SCROLLBAR",
                                 u"AfxFrameOrView", u"AfxControlBar"})
        classes[name] = WndClassInfo {CS_DBLCLKS, true, GetSysColor(COLOR_BTNFACE)};
}

const WndClassInfo* FindClass(LPCTSTR name)
{
    RegisterBuiltInClasses();
    auto it = State().classes.find(name ? name : kDefaultClass);
    return it == State().classes.end() ? nullptr : &it->second;
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

HWND HandleOf(const CWnd* pWnd)
{
    return pWnd ? pWnd->m_hWnd : nullptr;
}

// Copies the pixels of src's rectangle to dst at a point; both of one format.
void CopyPixels(const QImage& src, const QRect& from, QImage& dst, const QPoint& to)
{
    const QRect part = from & src.rect() & dst.rect().translated(from.topLeft() - to);
    if (part.isEmpty())
        return;
    const QPoint at = to + (part.topLeft() - from.topLeft());
    const size_t bytes = static_cast<size_t>(part.width()) * sizeof(QRgb);
    for (int y = 0; y < part.height(); ++y)
        std::memcpy(dst.scanLine(at.y() + y) + at.x() * sizeof(QRgb),
                    src.constScanLine(part.top() + y) + part.left() * sizeof(QRgb), bytes);
}

// Moves the pixels of a rectangle within one image; the two places may overlap.
void MovePixels(QImage& image, const QRect& from, const QPoint& to)
{
    const QRect part = from & image.rect() & image.rect().translated(from.topLeft() - to);
    if (part.isEmpty() || from.topLeft() == to)
        return;
    const QPoint at = to + (part.topLeft() - from.topLeft());
    const size_t bytes = static_cast<size_t>(part.width()) * sizeof(QRgb);
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    auto move = [&](int y) {
        std::memmove(bits + (at.y() + y) * stride + at.x() * sizeof(QRgb),
                     bits + (part.top() + y) * stride + part.left() * sizeof(QRgb), bytes);
    };
    // Rows in the order that reads each before it is overwritten.
    if (at.y() > part.top()) {
        for (int y = part.height() - 1; y >= 0; --y)
            move(y);
    } else {
        for (int y = 0; y < part.height(); ++y)
            move(y);
    }
}

// No image could be had for a window: the user hears of it once, after the
// current message, and again only after an image was had since.
void ReportImageFailure(CWndImpl* pImpl)
{
    if (pImpl->imageFailed)
        return;
    pImpl->imageFailed = true;
    QMetaObject::invokeMethod(
        qApp, [] { AfxMessageBox(u"There is not enough memory to show this window.", MB_OK | MB_ICONSTOP); },
        Qt::QueuedConnection);
}

}  // namespace

// ---- Conversions and look-ups ---------------------------------------------

QImage PlatformNewImage(const QSize& size, qreal ratio)
{
    const QSize pixels(qCeil(size.width() * ratio), qCeil(size.height() * ratio));
    if (pixels.isEmpty() || qsizetype(pixels.width()) * pixels.height() * qsizetype(sizeof(QRgb)) > g_imageLimit)
        return QImage();
    QImage image(pixels, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    return image;
}

QRect PlatformDeviceRect(const QRect& rect, const QPoint& origin, qreal ratio)
{
    const QRect r = rect.translated(-origin);
    if (ratio == 1.0)
        return r;
    // Edges are rounded alike, so rectangles that meet still meet.
    const int left = qRound(r.left() * ratio);
    const int top = qRound(r.top() * ratio);
    return QRect(left, top, qRound((r.left() + r.width()) * ratio) - left,
                 qRound((r.top() + r.height()) * ratio) - top);
}

void PlatformSetImageLimit(qsizetype nBytes)
{
    g_imageLimit = nBytes > 0 ? nBytes : kDefaultImageLimit;
}

QColor PlatformColor(COLORREF cr)
{
    return QColor(GetRValue(cr), GetGValue(cr), GetBValue(cr));
}

COLORREF PlatformColorRef(const QColor& color)
{
    return RGB(color.red(), color.green(), color.blue());
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
    auto it = State().widgets.find(pWidget);
    return it == State().widgets.end() ? nullptr : it->second;
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
    State().screen = pWnd;
    State().screenWidget = PlatformWidget(pWnd);
}

CWnd* PlatformGetScreenWindow()
{
    PlatformState& s = State();
    return s.screenWidget ? s.screen : nullptr;
}

void PlatformScreenMoved()
{
    for (const auto& [hWnd, pWnd] : State().handles) {
        CWndImpl* p = CWndImpl::Of(pWnd);
        if (p->popup && !p->IsNative() && pWnd != State().screen)
            p->widget->move(p->ScreenOriginFor() + p->screenPos);
    }
}

void PlatformModalWindowClosed()
{
    CWnd* pScreen = PlatformGetScreenWindow();
    if (!pScreen)
        return;
    std::vector<CWndImpl*> pending(1, CWndImpl::Of(pScreen));
    for (const auto& [hWnd, pWnd] : State().handles) {
        if (CWndImpl::Of(pWnd)->owner == pScreen)
            pending.push_back(CWndImpl::Of(pWnd));
    }
    while (!pending.empty()) {
        CWndImpl* p = pending.back();
        pending.pop_back();
        p->Invalidate(QRegion(p->ClientRect()), true);
        for (CWnd* pChild : p->children)
            pending.push_back(CWndImpl::Of(pChild));
    }
}

LPCTSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR, HBRUSH hbrBackground, HICON)
{
    RegisterBuiltInClasses();
    bool isNull = true;
    const COLORREF color = PlatformBrushColor(hbrBackground, &isNull);
    const CString name(
        FormatText(u"Afx:%x:%x:%x", nClassStyle, isNull ? 0u : 1u, isNull ? 0u : static_cast<unsigned>(color)));
    auto it = State().classes.emplace(name, WndClassInfo {nClassStyle, !isNull, color}).first;
    return it->first.c_str();
}

int GetSystemMetrics(int nIndex)
{
    switch (nIndex) {
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
        return kScrollBarSize;
    case SM_CXBORDER:
    case SM_CYBORDER:
        return 1;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
        return 4;
    case SM_CXSCREEN:
    case SM_CYSCREEN: {
        CWnd* pScreen = PlatformGetScreenWindow();
        if (!pScreen)
            return nIndex == SM_CXSCREEN ? 240 : 320;
        CRect rc;
        pScreen->GetWindowRect(&rc);
        return nIndex == SM_CXSCREEN ? rc.Width() : rc.Height();
    }
    default:
        return 0;
    }
}

BOOL ReleaseCapture()
{
    State().capture = nullptr;
    return TRUE;
}

// ---- Focus ------------------------------------------------------------------

void PlatformFocusIn(CWnd* pWnd)
{
    PlatformState& s = State();
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
    PlatformState& s = State();
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

// ---- CWndImpl ---------------------------------------------------------------

QRect CWndImpl::ClientRect() const
{
    return client ? QRect(QPoint(0, 0), client->size()) : QRect();
}

bool CWndImpl::IsVisibleChain() const
{
    for (const CWndImpl* p = this; p; p = Of(p->parent)) {
        if (!(p->style & WS_VISIBLE))
            return false;
    }
    return true;
}

void CWndImpl::Invalidate(const QRect& rect, bool bErase)
{
    if (IsNative()) {
        widget->update();
        return;
    }
    // What cannot be seen is not kept: it is invalidated when it comes into view.
    const QRect r = rect & visible;
    if (r.isEmpty())
        return;
    if (update.isEmpty()) {
        update = r;
    } else if (update.rectCount() > 1 || !update.boundingRect().contains(r)) {
        // A few rectangles at most: past them the bounding rectangle is
        // painted, which costs a little more paint and no bookkeeping.
        update += r;
        if (update.rectCount() > kMaxUpdateRects)
            update = update.boundingRect();
    }
    if (bErase)
        erase = true;
    SchedulePaint();
}

void CWndImpl::Invalidate(const QRegion& region, bool bErase)
{
    for (const QRect& r : region)
        Invalidate(r, bErase);
}

void CWndImpl::SchedulePaint()
{
    if (paintPosted || update.isEmpty() || !clientArea)
        return;
    paintPosted = true;
    QCoreApplication::postEvent(clientArea, new PlatformEvent(PlatformEvent::PaintType()), Qt::LowEventPriority);
}

void CWndImpl::PaintNow()
{
    if (update.isEmpty() || !IsVisibleChain())
        return;
    const QRegion before = update;
    CWnd* pWnd = wnd;
    pWnd->SendMessage(WM_PAINT, 0, 0);
    CWndImpl* self = Of(pWnd);
    if (!self)
        return;
    // A paint handler that never began painting would be asked forever.
    if (self->update == before) {
        self->update = QRegion();
        self->erase = false;
    }
    if (!self->update.isEmpty())
        self->SchedulePaint();
}

void CWndImpl::Touched(const QRect& rect)
{
    if (clientArea && !rendering) {
        const QRect r = rect & visible;
        if (!r.isEmpty())
            clientArea->update(r);
    }
}

void CWndImpl::UpdateVisible()
{
    QRect rc;
    if (const CWndImpl* p = Of(parent)) {
        // The window's rectangle in its parent's client area, then its client
        // area within its own rectangle.
        const QRect outer = widget->geometry();
        const QRect inner = IsNative() ? QRect(QPoint(0, 0), widget->size()) : client->geometry();
        rc = ((p->visible & outer).translated(-outer.topLeft()) & inner).translated(-inner.topLeft());
    } else {
        rc = ClientRect();
    }
    PlaceImage(rc);
    for (CWnd* child : std::vector<CWnd*>(children)) {
        if (CWndImpl* c = Of(child))
            c->UpdateVisible();
    }
}

void CWndImpl::PlaceImage(const QRect& rcVisible)
{
    const qreal ratio = IsNative() ? 1.0 : widget->devicePixelRatioF();
    const bool sameRatio = image.isNull() || image.devicePixelRatio() == ratio;
    if (rcVisible == visible && rcVisible == imageRect && sameRatio)
        return;
    // Pixels that were on screen stay valid where they are still seen.
    const QRect kept = sameRatio ? (Shown() & rcVisible) : QRect();
    ++imageStamp;
    visible = rcVisible;
    update &= rcVisible;
    if (IsNative())
        return;
    if (rcVisible.isEmpty()) {
        image = QImage();
        imageRect = rcVisible;
    } else if (sameRatio && !image.isNull() && rcVisible.size() == imageRect.size()) {
        // Scrolled: the pixels move within the image they are in.
        MovePixels(image, PlatformDeviceRect(kept, imageRect.topLeft(), ratio),
                   PlatformDeviceRect(kept, rcVisible.topLeft(), ratio).topLeft());
        imageRect = rcVisible;
    } else {
        QImage next = PlatformNewImage(rcVisible.size(), ratio);
        if (next.isNull()) {
            // The old image stays: drawing goes on where it still fits.
            ReportImageFailure(this);
        } else {
            imageFailed = false;
            if (!kept.isEmpty())
                CopyPixels(image, PlatformDeviceRect(kept, imageRect.topLeft(), ratio), next,
                           PlatformDeviceRect(kept, rcVisible.topLeft(), ratio).topLeft());
            image = std::move(next);
            imageRect = rcVisible;
        }
    }
    // What comes into view is painted then, as on the original platform.
    const QRegion fresh = QRegion(rcVisible) - QRegion(kept);
    if (!fresh.isEmpty())
        Invalidate(fresh, true);
}

QImage CWndImpl::RenderHidden(const QRect& rect)
{
    const QRect area = rect & ClientRect();
    if (IsNative() || area.isEmpty())
        return QImage();
    QImage target =
        PlatformNewImage(area.size(), image.isNull() ? widget->devicePixelRatioF() : image.devicePixelRatio());
    if (target.isNull())
        return target;
    // For the length of one paint the part is all there is to see.
    CWnd* pWnd = wnd;
    std::swap(image, target);
    const QRect savedVisible = std::exchange(visible, area);
    const QRect savedImageRect = std::exchange(imageRect, area);
    const QRegion savedUpdate = std::exchange(update, QRegion(area));
    const bool savedErase = std::exchange(erase, true);
    rendering = true;
    ++imageStamp;
    pWnd->SendMessage(WM_PAINT, 0, 0);
    CWndImpl* self = Of(pWnd);
    if (!self)
        return QImage();
    ++imageStamp;
    std::swap(image, target);
    visible = savedVisible;
    imageRect = savedImageRect;
    update = savedUpdate;
    erase = savedErase;
    rendering = false;
    return target;
}

void CWndImpl::LayoutFrame()
{
    if (IsNative())
        return;
    const int b = (style & WS_BORDER) ? 1 : 0;
    const bool h = style & WS_HSCROLL;
    const bool v = style & WS_VSCROLL;
    const int w = widget->width();
    const int ht = widget->height();
    const int cw = std::max(0, w - 2 * b - (v ? kScrollBarSize : 0));
    const int ch = std::max(0, ht - 2 * b - (h ? kScrollBarSize : 0));
    client->setGeometry(b, b, cw, ch);
    for (int n = 0; n < 2; ++n) {
        const bool show = n == SB_HORZ ? h : v;
        if (show && !qbars[n]) {
            qbars[n] = new QScrollBar(n == SB_HORZ ? Qt::Horizontal : Qt::Vertical, widget);
            qbars[n]->setFocusPolicy(Qt::NoFocus);
            QObject::connect(qbars[n], &QAbstractSlider::actionTriggered, widget,
                             [this, n](int action) { OnScrollAction(n, action); });
            QObject::connect(qbars[n], &QAbstractSlider::sliderReleased, widget, [this, n]() { OnScrollReleased(n); });
            SyncBar(n);
        }
        if (!qbars[n])
            continue;
        if (n == SB_HORZ)
            qbars[n]->setGeometry(b, b + ch, cw, kScrollBarSize);
        else
            qbars[n]->setGeometry(b + cw, b, kScrollBarSize, ch);
        qbars[n]->setVisible(show);
    }
    widget->update();
}

void CWndImpl::FrameChanged(bool bRepaint)
{
    if (IsNative()) {
        UpdateVisible();  // for the children of a native window, if any
        return;
    }
    if (sizeDepth > kMaxNestedSize)
        return;
    LayoutFrame();
    UpdateVisible();
    const QSize size = client->size();
    if (size == lastClientSize)
        return;
    const QSize old = lastClientSize.isValid() ? lastClientSize : QSize(0, 0);
    lastClientSize = size;

    if (bRepaint) {
        const bool whole = ((cls.style & CS_HREDRAW) && size.width() != old.width()) ||
                           ((cls.style & CS_VREDRAW) && size.height() != old.height());
        if (whole)
            Invalidate(ClientRect(), true);
        else
            Invalidate(QRegion(ClientRect()) - QRegion(QRect(QPoint(0, 0), old)), true);
    }

    CWnd* pWnd = wnd;
    ++sizeDepth;
    pWnd->SendMessage(WM_SIZE, SIZE_RESTORED,
                      MAKELPARAM(static_cast<unsigned>(size.width()), static_cast<unsigned>(size.height())));
    if (CWndImpl* self = Of(pWnd))
        --self->sizeDepth;
}

void CWndImpl::SyncBar(int nBar)
{
    QScrollBar* bar = qbars[nBar];
    if (!bar)
        return;
    const SCROLLINFO& si = bars[nBar];
    settingBar = true;
    const int page = static_cast<int>(si.nPage);
    bar->setRange(si.nMin, std::max(si.nMin, si.nMax - std::max(page - 1, 0)));
    bar->setPageStep(std::max(page, 1));
    bar->setValue(si.nPos);
    bar->setSliderPosition(si.nPos);
    bar->setEnabled(si.nMax > si.nMin);
    settingBar = false;
}

void CWndImpl::OnScrollAction(int nBar, int action)
{
    if (settingBar)
        return;
    // The bar is inside its own event: a handler that destroys the window
    // must leave the widgets for later.
    const PlatformDepthGuard guard;
    QScrollBar* bar = qbars[nBar];
    const int proposed = bar->sliderPosition();
    UINT code;
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        code = SB_LINEDOWN;
        break;
    case QAbstractSlider::SliderSingleStepSub:
        code = SB_LINEUP;
        break;
    case QAbstractSlider::SliderPageStepAdd:
        code = SB_PAGEDOWN;
        break;
    case QAbstractSlider::SliderPageStepSub:
        code = SB_PAGEUP;
        break;
    case QAbstractSlider::SliderToMinimum:
        code = SB_TOP;
        break;
    case QAbstractSlider::SliderToMaximum:
        code = SB_BOTTOM;
        break;
    case QAbstractSlider::SliderMove:
        code = SB_THUMBTRACK;
        break;
    default:
        return;
    }
    // The bar stays where it is; the handler moves it with SetScrollInfo.
    settingBar = true;
    bar->setSliderPosition(bars[nBar].nPos);
    settingBar = false;
    if (code == SB_THUMBTRACK)
        trackPos[nBar] = proposed;
    const UINT pos = code == SB_THUMBTRACK ? static_cast<UINT>(proposed) : 0;
    wnd->SendMessage(nBar == SB_HORZ ? WM_HSCROLL : WM_VSCROLL, MAKEWPARAM(code, pos), 0);
}

void CWndImpl::OnScrollReleased(int nBar)
{
    if (settingBar)
        return;
    const PlatformDepthGuard guard;
    CWnd* pWnd = wnd;
    const UINT message = nBar == SB_HORZ ? WM_HSCROLL : WM_VSCROLL;
    const int pos = trackPos[nBar];
    pWnd->SendMessage(message, MAKEWPARAM(SB_THUMBPOSITION, static_cast<unsigned>(pos)), 0);
    if (pWnd->m_hWnd)
        pWnd->SendMessage(message, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
}

QPoint CWndImpl::ScreenOriginFor() const
{
    PlatformState& s = State();
    if (!s.screenWidget || s.screen == wnd)
        return QPoint(0, 0);
    return s.screenWidget->mapToGlobal(QPoint(0, 0));
}

void CWndImpl::ApplyVisibility()
{
    const bool visible = style & WS_VISIBLE;
    if (visible && popup)
        widget->move(ScreenOriginFor() + screenPos);
    widget->setVisible(visible);
}

void CWndImpl::Detach(bool bDeleteWidgets)
{
    PlatformState& s = State();
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

// ---- CWnd -------------------------------------------------------------------

CWnd::CWnd() = default;

CWnd::~CWnd()
{
    if (m_hWnd)
        DestroyWindow();
}

const AFX_MSGMAP* PASCAL CWnd::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, nullptr}};
    static const AFX_MSGMAP map = {&CCmdTarget::GetThisMessageMap, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CWnd::GetMessageMap() const
{
    return GetThisMessageMap();
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    auto it = State().handles.find(hWnd);
    return it == State().handles.end() ? nullptr : it->second;
}

QWidget* CWnd::CreateNativeWidget(QWidget*)
{
    return nullptr;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!cs.lpszClass)
        cs.lpszClass = kDefaultClass;
    return TRUE;
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                  UINT nID, void* pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nID, pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                    CWnd* pParentWnd, UINT nID, void* lpParam)
{
    if (m_hWnd)
        return FALSE;
    CREATESTRUCT cs {};
    cs.lpCreateParams = lpParam;
    cs.hMenu = reinterpret_cast<HMENU>(static_cast<std::uintptr_t>(nID));
    cs.hwndParent = HandleOf(pParentWnd);
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.right - rect.left;
    cs.cy = rect.bottom - rect.top;
    cs.style = static_cast<LONG>(dwStyle);
    cs.lpszName = lpszWindowName;
    cs.lpszClass = lpszClassName;
    cs.dwExStyle = dwExStyle;
    if (!PreCreateWindow(cs))
        return FALSE;
    const WndClassInfo* pClass = FindClass(cs.lpszClass);
    if (!pClass)
        return FALSE;
    const DWORD style = static_cast<DWORD>(cs.style);
    CWnd* pParent = FromHandle(cs.hwndParent);
    if ((style & WS_CHILD) && !pParent)
        return FALSE;
    CWndImpl* parentImpl = CWndImpl::Of(pParent);

    auto* p = new CWndImpl(this);
    m_pImpl = p;
    p->style = style;
    p->exStyle = cs.dwExStyle;
    p->id = static_cast<int>(reinterpret_cast<std::uintptr_t>(cs.hMenu));
    p->text = cs.lpszName ? CString(cs.lpszName) : CString();
    p->cls = *pClass;
    p->popup = !(style & WS_CHILD);
    p->parent = (style & WS_CHILD) ? pParent : nullptr;
    p->owner = (style & WS_CHILD) ? nullptr : pParent ? pParent : PlatformGetScreenWindow();

    // The Qt parent: the parent's client area for a child; for a top-level
    // window, its owner's top-level widget, so that it stays in front of it.
    QWidget* qtParent = nullptr;
    Qt::WindowFlags flags;
    if (style & WS_CHILD) {
        qtParent = parentImpl->client;
    } else {
        QWidget* owner = PlatformWidget(p->owner);
        qtParent = owner ? owner->window() : nullptr;
        flags = (style & WS_POPUP) ? (Qt::Tool | Qt::FramelessWindowHint) : Qt::Window;
    }

    QWidget* native = CreateNativeWidget(qtParent);
    if (native) {
        p->widget = native;
        p->client = native;
        p->nativeGone = QObject::connect(native, &QObject::destroyed, [this]() {
            if (m_pImpl)
                m_pImpl->Detach(false);
        });
    } else {
        p->frame = new FrameWidget(p, qtParent, flags);
        p->clientArea = new ClientWidget(p, p->frame);
        p->widget = p->frame;
        p->client = p->clientArea;
        if (p->popup)
            p->frame->setWindowTitle(QString::fromStdU16String(p->text));
    }
    m_hWnd = reinterpret_cast<HWND>(p);
    State().handles[m_hWnd] = this;
    State().widgets[p->widget] = this;
    State().widgets[p->client] = this;
    if (p->parent)
        parentImpl->children.push_back(this);
    if (style & WS_DISABLED)
        p->widget->setEnabled(false);

    // Place it, without messages yet: WM_SIZE follows WM_CREATE.
    const QRect geometry(cs.x, cs.y, std::max(0, cs.cx), std::max(0, cs.cy));
    if (p->popup) {
        p->screenPos = geometry.topLeft();
        p->widget->setGeometry(QRect(p->ScreenOriginFor() + geometry.topLeft(), geometry.size()));
    } else {
        p->widget->setGeometry(geometry);
    }
    p->LayoutFrame();
    p->UpdateVisible();

    if (SendMessage(WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow();
        return FALSE;
    }
    if (!m_hWnd)
        return FALSE;
    m_pImpl->FrameChanged(true);
    if (!m_hWnd)
        return FALSE;
    m_pImpl->ApplyVisibility();
    m_pImpl->Invalidate(m_pImpl->ClientRect(), true);
    return TRUE;
}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    SendMessage(WM_DESTROY, 0, 0);
    if (!m_pImpl)
        return TRUE;
    // Children, then owned windows, get their WM_DESTROY before the window goes.
    const std::vector<CWnd*> kids = m_pImpl->children;
    for (CWnd* child : kids)
        child->DestroyWindow();
    std::vector<HWND> owned;
    for (const auto& [hWnd, pWnd] : State().handles) {
        if (CWndImpl::Of(pWnd)->owner == this)
            owned.push_back(hWnd);
    }
    for (HWND hWnd : owned) {
        if (CWnd* pWnd = FromHandle(hWnd))
            pWnd->DestroyWindow();
    }
    if (m_pImpl)
        m_pImpl->Detach(true);
    return TRUE;
}

CWnd* CWnd::GetParent() const
{
    return m_pImpl ? m_pImpl->parent : nullptr;
}

int CWnd::GetDlgCtrlID() const
{
    return m_pImpl ? m_pImpl->id : 0;
}

CWnd* CWnd::GetDlgItem(int nID) const
{
    if (!m_pImpl)
        return nullptr;
    for (CWnd* child : m_pImpl->children) {
        if (child->GetDlgCtrlID() == nID)
            return child;
    }
    return nullptr;
}

void CWnd::SetWindowText(LPCTSTR lpszString)
{
    SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpszString));
}

void CWnd::GetWindowText(CString& rString) const
{
    rString.Empty();
    const_cast<CWnd*>(this)->SendMessage(WM_GETTEXT, 0, reinterpret_cast<LPARAM>(&rString));
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint)
{
    SetWindowPos(nullptr, x, y, nWidth, nHeight, SWP_NOZORDER | (bRepaint ? 0 : SWP_NOREDRAW));
}

BOOL CWnd::SetWindowPos(const CWnd*, int x, int y, int cx, int cy, UINT nFlags)
{
    CWndImpl* p = m_pImpl;
    if (!p)
        return FALSE;
    const QRect oldRect = p->popup ? QRect(p->screenPos, p->widget->size()) : p->widget->geometry();
    QRect next = oldRect;
    if (!(nFlags & SWP_NOMOVE))
        next.moveTopLeft(QPoint(x, y));
    if (!(nFlags & SWP_NOSIZE))
        next.setSize(QSize(std::max(0, cx), std::max(0, cy)));
    const bool redraw = !(nFlags & SWP_NOREDRAW);
    if (p->popup) {
        p->screenPos = next.topLeft();
        p->widget->setGeometry(QRect(p->ScreenOriginFor() + next.topLeft(), next.size()));
    } else {
        p->widget->setGeometry(next);
    }
    // What the window no longer covers of its parent is the parent's to paint.
    if (redraw && p->parent && oldRect != next)
        CWndImpl::Of(p->parent)->Invalidate(QRegion(oldRect) - QRegion(next), true);
    p->FrameChanged(redraw);
    if ((nFlags & SWP_SHOWWINDOW) && m_pImpl)
        ShowWindow(SW_SHOW);
    if ((nFlags & SWP_HIDEWINDOW) && m_pImpl)
        ShowWindow(SW_HIDE);
    return TRUE;
}

BOOL CWnd::ShowWindow(int nCmdShow)
{
    CWndImpl* p = m_pImpl;
    if (!p)
        return FALSE;
    const BOOL wasVisible = (p->style & WS_VISIBLE) ? TRUE : FALSE;
    const bool show = nCmdShow != SW_HIDE;
    if (show == static_cast<bool>(wasVisible))
        return wasVisible;
    SendMessage(WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
    if (!m_pImpl)
        return wasVisible;
    if (show)
        p->style |= WS_VISIBLE;
    else
        p->style &= ~WS_VISIBLE;
    p->ApplyVisibility();
    if (show) {
        // A window that comes into view is painted whole, and so is whatever
        // of its family was waiting for it.
        p->Invalidate(p->ClientRect(), true);
        std::vector<CWndImpl*> pending(1, p);
        while (!pending.empty()) {
            CWndImpl* q = pending.back();
            pending.pop_back();
            q->SchedulePaint();
            for (CWnd* child : q->children)
                pending.push_back(CWndImpl::Of(child));
        }
    } else if (p->parent) {
        CRect rc;
        GetWindowRect(&rc);
        p->parent->ScreenToClient(&rc);
        p->parent->InvalidateRect(&rc, TRUE);
    }
    return wasVisible;
}

BOOL CWnd::IsWindowVisible() const
{
    return m_pImpl && m_pImpl->IsVisibleChain();
}

BOOL CWnd::EnableWindow(BOOL bEnable)
{
    if (!m_pImpl)
        return FALSE;
    const BOOL wasDisabled = (m_pImpl->style & WS_DISABLED) ? TRUE : FALSE;
    if (bEnable)
        m_pImpl->style &= ~WS_DISABLED;
    else
        m_pImpl->style |= WS_DISABLED;
    m_pImpl->widget->setEnabled(bEnable);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const
{
    return m_pImpl && !(m_pImpl->style & WS_DISABLED);
}

void CWnd::GetClientRect(LPRECT lpRect) const
{
    if (lpRect)
        *lpRect = ToRECT(m_pImpl ? m_pImpl->ClientRect() : QRect());
}

void CWnd::GetWindowRect(LPRECT lpRect) const
{
    if (!lpRect)
        return;
    if (!m_pImpl) {
        *lpRect = RECT {0, 0, 0, 0};
        return;
    }
    const QWidget* w = m_pImpl->widget;
    QPoint topLeft;
    if (m_pImpl->popup && !w->isVisible())
        topLeft = m_pImpl->screenPos;
    else
        topLeft = w->mapToGlobal(QPoint(0, 0)) - m_pImpl->ScreenOriginFor();
    *lpRect = ToRECT(QRect(topLeft, w->size()));
}

void CWnd::ClientToScreen(LPPOINT lpPoint) const
{
    if (!lpPoint || !m_pImpl)
        return;
    CRect window;
    GetWindowRect(&window);
    const QPoint offset = m_pImpl->client->mapTo(m_pImpl->widget, QPoint(0, 0));
    lpPoint->x += window.left + offset.x();
    lpPoint->y += window.top + offset.y();
}

void CWnd::ClientToScreen(LPRECT lpRect) const
{
    if (!lpRect)
        return;
    CPoint tl(lpRect->left, lpRect->top);
    ClientToScreen(&tl);
    const int dx = tl.x - lpRect->left;
    const int dy = tl.y - lpRect->top;
    *lpRect = RECT {lpRect->left + dx, lpRect->top + dy, lpRect->right + dx, lpRect->bottom + dy};
}

void CWnd::ScreenToClient(LPPOINT lpPoint) const
{
    if (!lpPoint)
        return;
    CPoint origin(0, 0);
    ClientToScreen(&origin);
    lpPoint->x -= origin.x;
    lpPoint->y -= origin.y;
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
    if (!lpRect)
        return;
    CPoint origin(0, 0);
    ClientToScreen(&origin);
    *lpRect =
        RECT {lpRect->left - origin.x, lpRect->top - origin.y, lpRect->right - origin.x, lpRect->bottom - origin.y};
}

LONG CWnd::GetWindowLong(int nIndex) const
{
    if (!m_pImpl)
        return 0;
    switch (nIndex) {
    case GWL_STYLE:
        return static_cast<LONG>(m_pImpl->style);
    case GWL_EXSTYLE:
        return static_cast<LONG>(m_pImpl->exStyle);
    case GWL_ID:
        return m_pImpl->id;
    default:
        return 0;
    }
}

LONG CWnd::SetWindowLong(int nIndex, LONG dwNewLong)
{
    CWndImpl* p = m_pImpl;
    if (!p)
        return 0;
    const LONG old = GetWindowLong(nIndex);
    if (nIndex == GWL_EXSTYLE) {
        p->exStyle = static_cast<DWORD>(dwNewLong);
    } else if (nIndex == GWL_ID) {
        p->id = dwNewLong;
    } else if (nIndex == GWL_STYLE) {
        const DWORD next = static_cast<DWORD>(dwNewLong);
        const DWORD changed = next ^ p->style;
        // Visibility and enabling go through their own calls.
        p->style = (next & ~(WS_VISIBLE | WS_DISABLED)) | (p->style & (WS_VISIBLE | WS_DISABLED));
        if (changed & WS_DISABLED)
            EnableWindow(!(next & WS_DISABLED));
        if (changed & (WS_BORDER | WS_HSCROLL | WS_VSCROLL)) {
            m_pImpl->FrameChanged(true);
        }
        if ((changed & WS_VISIBLE) && m_pImpl)
            ShowWindow((next & WS_VISIBLE) ? SW_SHOW : SW_HIDE);
    }
    return old;
}

DWORD CWnd::GetStyle() const
{
    return static_cast<DWORD>(GetWindowLong(GWL_STYLE));
}

DWORD CWnd::GetExStyle() const
{
    return static_cast<DWORD>(GetWindowLong(GWL_EXSTYLE));
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT)
{
    const DWORD old = GetStyle();
    const DWORD next = (old & ~dwRemove) | dwAdd;
    if (next == old)
        return FALSE;
    SetWindowLong(GWL_STYLE, static_cast<LONG>(next));
    return TRUE;
}

void CWnd::Invalidate(BOOL bErase)
{
    InvalidateRect(nullptr, bErase);
}

void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase)
{
    if (!m_pImpl)
        return;
    m_pImpl->Invalidate(lpRect ? ToQRect(*lpRect) : m_pImpl->ClientRect(), bErase);
}

void CWnd::UpdateWindow()
{
    if (m_pImpl)
        m_pImpl->PaintNow();
}

CDC* CWnd::GetDC()
{
    return new CClientDC(this);
}

int CWnd::ReleaseDC(CDC* pDC)
{
    delete pDC;
    return pDC ? 1 : 0;
}

CWnd* CWnd::SetCapture()
{
    CWnd* old = State().capture;
    if (m_hWnd)
        State().capture = this;
    return old;
}

CWnd* CWnd::GetCapture()
{
    return State().capture;
}

CWnd* CWnd::SetFocus()
{
    PlatformState& s = State();
    CWnd* pOld = s.focus;
    if (!m_pImpl || pOld == this)
        return pOld;
    s.settingFocus = true;
    m_pImpl->client->setFocus(Qt::OtherFocusReason);
    s.settingFocus = false;
    s.focus = this;
    if (pOld && pOld->m_hWnd)
        pOld->SendMessage(WM_KILLFOCUS, reinterpret_cast<WPARAM>(m_hWnd), 0);
    if (m_hWnd && s.focus == this)
        SendMessage(WM_SETFOCUS, reinterpret_cast<WPARAM>(HandleOf(pOld)), 0);
    return pOld;
}

CWnd* CWnd::GetFocus()
{
    return State().focus;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_hWnd)
        return 0;
    return WindowProc(message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_pImpl)
        return FALSE;
    QCoreApplication::postEvent(m_pImpl->client,
                                new PlatformEvent(PlatformEvent::MessageType(), message, wParam, lParam));
    return TRUE;
}

int CWnd::SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL)
{
    CWndImpl* p = m_pImpl;
    if (!p || !lpScrollInfo || (nBar != SB_HORZ && nBar != SB_VERT))
        return 0;
    SCROLLINFO& si = p->bars[nBar];
    const UINT mask = lpScrollInfo->fMask;
    if (mask & SIF_RANGE) {
        si.nMin = lpScrollInfo->nMin;
        si.nMax = lpScrollInfo->nMax;
    }
    if (mask & SIF_PAGE)
        si.nPage = lpScrollInfo->nPage;
    if (mask & SIF_POS)
        si.nPos = lpScrollInfo->nPos;
    const int maxPos = si.nMax - std::max(static_cast<int>(si.nPage) - 1, 0);
    si.nPos = std::max(si.nMin, std::min(si.nPos, maxPos));
    if (mask & (SIF_RANGE | SIF_PAGE)) {
        const bool empty = si.nMax <= si.nMin || static_cast<int>(si.nPage) > si.nMax - si.nMin;
        const DWORD bit = nBar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL;
        if (empty && !(mask & SIF_DISABLENOSCROLL))
            ModifyStyle(bit, 0);
        else if (!empty)
            ModifyStyle(0, bit);
    }
    if (m_pImpl)
        m_pImpl->SyncBar(nBar);
    return si.nPos;
}

BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask) const
{
    if (!m_pImpl || !lpScrollInfo || (nBar != SB_HORZ && nBar != SB_VERT))
        return FALSE;
    const SCROLLINFO& si = m_pImpl->bars[nBar];
    const UINT mask = lpScrollInfo->fMask ? lpScrollInfo->fMask : nMask;
    if (mask & SIF_RANGE) {
        lpScrollInfo->nMin = si.nMin;
        lpScrollInfo->nMax = si.nMax;
    }
    if (mask & SIF_PAGE)
        lpScrollInfo->nPage = si.nPage;
    if (mask & SIF_POS)
        lpScrollInfo->nPos = si.nPos;
    if (mask & SIF_TRACKPOS)
        lpScrollInfo->nTrackPos = m_pImpl->qbars[nBar] ? m_pImpl->qbars[nBar]->sliderPosition() : si.nPos;
    return TRUE;
}

// ---- Message processing -----------------------------------------------------

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    PlatformState& s = State();
    const PlatformState::Current saved = s.current;
    s.current = {message, wParam, lParam};
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    s.current = saved;
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT result = 0;
    BOOL handled = FALSE;
    if (message == WM_COMMAND) {
        handled = OnCommand(wParam, lParam);
        result = handled;
    } else if (message == WM_NOTIFY) {
        handled = OnNotify(wParam, lParam, &result);
    } else if (const AFX_MSGMAP_ENTRY* e = FindMessageEntry(message, 0, 0)) {
        result = e->pfn(this, wParam, lParam, nullptr);
        handled = TRUE;
    }
    if (handled && pResult)
        *pResult = result;
    return handled;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM)
{
    const UINT nID = LOWORD(wParam);
    const int nCode = HIWORD(wParam);
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pHeader = reinterpret_cast<NMHDR*>(lParam);
    if (!pHeader)
        return FALSE;
    LRESULT local = 0;
    AFX_NOTIFY notify = {pResult ? pResult : &local, pHeader};
    const int nCode = static_cast<int>(MAKELONG(LOWORD(pHeader->code), WM_NOTIFY));
    return OnCmdMsg(static_cast<UINT>(pHeader->idFrom), nCode, &notify, nullptr);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        CPaintDC dc(this);
        return 0;
    }
    case WM_ERASEBKGND: {
        if (!m_pImpl || !m_pImpl->cls.hasBrush)
            return 0;
        CDC* pDC = CDC::FromHandle(reinterpret_cast<HDC>(wParam));
        RECT rc;
        pDC->GetClipBox(&rc);
        pDC->FillSolidRect(&rc, m_pImpl->cls.brush);
        return 1;
    }
    case WM_CLOSE:
        DestroyWindow();
        return 0;
    case WM_SETTEXT:
        if (m_pImpl) {
            m_pImpl->text = CString(reinterpret_cast<LPCTSTR>(lParam));
            if (m_pImpl->popup)
                m_pImpl->widget->setWindowTitle(QString::fromStdU16String(m_pImpl->text));
        }
        return TRUE;
    case WM_GETTEXT:
        if (m_pImpl && lParam)
            *reinterpret_cast<CString*>(lParam) = m_pImpl->text;
        return m_pImpl ? m_pImpl->text.GetLength() : 0;
    default:
        return 0;
    }
}

LRESULT CWnd::Default()
{
    const PlatformState::Current& c = State().current;
    return DefWindowProc(c.message, c.wParam, c.lParam);
}

int CWnd::OnCreate(LPCREATESTRUCT)
{
    return static_cast<int>(Default());
}

void CWnd::OnDestroy()
{
    Default();
}

void CWnd::OnSize(UINT, int, int)
{
    Default();
}

void CWnd::OnLButtonDown(UINT, CPoint)
{
    Default();
}

void CWnd::OnLButtonDblClk(UINT, CPoint)
{
    Default();
}

void CWnd::OnSetFocus(CWnd*)
{
    Default();
}
