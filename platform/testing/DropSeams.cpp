// SPDX-License-Identifier: MIT
#include "platform/testing/TestingDrop.h"

#include "platform/WndPrivate.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace Testing {

BOOL DropItems(CWnd* pWnd, CPoint point, const std::vector<std::u16string>& items)
{
    QWidget* pClient = PlatformClientWidget(pWnd);
    if (!pClient)
        return FALSE;
    QMimeData data;
    QList<QUrl> urls;
    for (const std::u16string& item : items) {
        const QString text = QString::fromStdU16String(item);
        urls.push_back(text.startsWith(u'/') ? QUrl::fromLocalFile(text) : QUrl(text));
    }
    data.setUrls(urls);

    // The window finds its target as Qt does: the widget under the point, or
    // the nearest ancestor inside the window that takes drops.
    QWidget* pTop = pClient->window();
    const QPoint global = pClient->mapToGlobal(QPoint(point.x, point.y));
    QWidget* pTarget = pTop->childAt(pTop->mapFromGlobal(global));
    if (!pTarget)
        pTarget = pTop;
    while (!pTarget->isWindow() && !pTarget->acceptDrops())
        pTarget = pTarget->parentWidget();
    if (!pTarget->acceptDrops())
        return FALSE;

    const QPointF pos = pTarget->mapFromGlobal(QPointF(global));
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    QDragEnterEvent enter(pos.toPoint(), actions, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pTarget, &enter);
    if (!enter.isAccepted())
        return FALSE;
    QDragMoveEvent move(pos.toPoint(), actions, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pTarget, &move);
    if (!move.isAccepted())
        return FALSE;
    QDropEvent drop(pos, actions, &data, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(pTarget, &drop);
    return drop.isAccepted() ? TRUE : FALSE;
}

}  // namespace Testing
