// SPDX-License-Identifier: MIT
// Backing images and visible parts: what can be seen of each window, the
// image that keeps its pixels, and the update region painted from it.
#include "platform/WndImage.h"

#include "platform/MessageBox.h"
#include "platform/WndPrivate.h"
#include "platform/WndWidgets.h"

#include <QAbstractScrollArea>
#include <QApplication>

#include <QtMath>

#include <cstring>

namespace {

constexpr int kMaxUpdateRects = 8;
// Far beyond any screen, far below what would exhaust memory.
constexpr qsizetype kDefaultImageLimit = qsizetype(512) << 20;
qsizetype g_imageLimit = kDefaultImageLimit;

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

void PlatformModalWindowClosed()
{
    CWnd* pScreen = PlatformGetScreenWindow();
    if (!pScreen)
        return;
    std::vector<CWndImpl*> pending(1, CWndImpl::Of(pScreen));
    for (const auto& [hWnd, pWnd] : Registry().handles) {
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
        // A scrolling control shows its contents in a viewport of its own.
        if (auto* pArea = qobject_cast<QAbstractScrollArea*>(widget)) {
            QWidget* pViewport = pArea->viewport();
            const QRect inViewport = rect.translated(-pViewport->pos()) & pViewport->rect();
            if (!inViewport.isEmpty())
                pViewport->update(inViewport);
            return;
        }
        widget->update(rect);
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
