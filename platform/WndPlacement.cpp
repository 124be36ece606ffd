// SPDX-License-Identifier: MIT
// Top-level windows on the desktop: their placement and the work area.
#include "platform/Wnd.h"

#include "platform/WndPrivate.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

BOOL CWnd::GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const
{
    const CWndImpl* p = m_pImpl;
    if (!p || !lpwndpl || !p->widget->isWindow())
        return FALSE;
    const QWidget* w = p->widget;
    *lpwndpl = WINDOWPLACEMENT {};
    lpwndpl->length = sizeof(WINDOWPLACEMENT);
    lpwndpl->showCmd = w->isMinimized() ? SW_SHOWMINIMIZED : w->isMaximized() ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
    // A window shown as it is now has its frame; otherwise the place it had
    // when it last was, or was put there.
    QRect normal;
    if (lpwndpl->showCmd == SW_SHOWNORMAL)
        normal = QRect(w->isVisible() ? w->frameGeometry().topLeft() : w->pos(), w->size());
    else
        normal = p->normalPlace.isValid() ? p->normalPlace : w->normalGeometry();
    lpwndpl->rcNormalPosition = ToRECT(normal);
    return TRUE;
}

BOOL CWnd::SetWindowPlacement(const WINDOWPLACEMENT* lpwndpl)
{
    CWndImpl* p = m_pImpl;
    if (!p || !lpwndpl || !p->widget->isWindow())
        return FALSE;
    QWidget* w = p->widget;
    const QRect normal = ToQRect(lpwndpl->rcNormalPosition);
    Qt::WindowStates state = w->windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized);
    // The normal rectangle first, so that the window comes back to it.
    w->setWindowState(state);
    if (normal.isValid()) {
        w->resize(normal.size());
        w->move(normal.topLeft());
        p->placedOnDesktop = true;
        p->normalPlace = normal;
    }
    if (lpwndpl->showCmd == SW_SHOWMAXIMIZED)
        state |= Qt::WindowMaximized;
    else if (lpwndpl->showCmd == SW_SHOWMINIMIZED)
        state |= Qt::WindowMinimized;
    w->setWindowState(state);
    // A window not yet shown hears of its new size only when it is: the
    // layout follows at once, as after SetWindowPos.
    p->FrameChanged(true);
    return TRUE;
}

BOOL SystemParametersInfo(UINT uiAction, UINT, void* pvParam, UINT)
{
    if (uiAction != SPI_GETWORKAREA || !pvParam)
        return FALSE;
    const QScreen* pScreen = QGuiApplication::primaryScreen();
    if (!pScreen)
        return FALSE;
    *static_cast<RECT*>(pvParam) = ToRECT(pScreen->availableGeometry());
    return TRUE;
}
