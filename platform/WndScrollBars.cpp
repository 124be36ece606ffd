// SPDX-License-Identifier: MIT
// A window's frame: its border and scroll bars around the client area, the
// bars' state and the scroll messages their use sends.
#include "platform/WndPrivate.h"
#include "platform/WndWidgets.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <utility>

namespace {

constexpr int kScrollBarSize = 13;

// The scroll code a slider action sends; false for actions that send none.
bool ScrollCodeOf(int action, UINT& code)
{
    static const std::pair<int, UINT> codes[] = {
        {QAbstractSlider::SliderSingleStepAdd, SB_LINEDOWN}, {QAbstractSlider::SliderSingleStepSub, SB_LINEUP},
        {QAbstractSlider::SliderPageStepAdd, SB_PAGEDOWN},   {QAbstractSlider::SliderPageStepSub, SB_PAGEUP},
        {QAbstractSlider::SliderToMinimum, SB_TOP},          {QAbstractSlider::SliderToMaximum, SB_BOTTOM},
        {QAbstractSlider::SliderMove, SB_THUMBTRACK},
    };
    for (const auto& [nAction, nCode] : codes) {
        if (nAction == action) {
            code = nCode;
            return true;
        }
    }
    return false;
}

// A window's scroll bar: the wheel over it turns into the window's wheel
// message, so that it scrolls by lines as over the window itself.
class WndScrollBar : public QScrollBar {
public:
    WndScrollBar(Qt::Orientation orientation, CWndImpl* pImpl, QWidget* pParent)
        : QScrollBar(orientation, pParent), m_pImpl(pImpl)
    {
    }

protected:
    void wheelEvent(QWheelEvent* pEvent) override
    {
        const PlatformDepthGuard guard;
        PlatformWheel(m_pImpl->wnd, pEvent);
        pEvent->accept();
    }

private:
    CWndImpl* m_pImpl;
};

// Most lines one wheel message scrolls, however far it was turned.
constexpr int kMaxWheelLines = 64;

}  // namespace

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
    case SM_XVIRTUALSCREEN:
    case SM_YVIRTUALSCREEN:
    case SM_CXVIRTUALSCREEN:
    case SM_CYVIRTUALSCREEN: {
        const QScreen* pScreen = QGuiApplication::primaryScreen();
        const QRect all = pScreen ? pScreen->virtualGeometry() : QRect();
        const int values[] = {all.x(), all.y(), all.width(), all.height()};
        return values[nIndex - SM_XVIRTUALSCREEN];
    }
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
            qbars[n] = new WndScrollBar(n == SB_HORZ ? Qt::Horizontal : Qt::Vertical, this, widget);
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
    UINT code = 0;
    if (!ScrollCodeOf(action, code))
        return;
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

LRESULT CWndImpl::DefaultWheel(UINT message, WPARAM wParam, LPARAM lParam)
{
    const UINT nFlags = LOWORD(wParam);
    const int nDelta = static_cast<short>(HIWORD(wParam));
    const bool bAcross = message == WM_MOUSEHWHEEL || (nFlags & MK_SHIFT);
    const int nBar = bAcross ? SB_HORZ : SB_VERT;
    if ((nFlags & MK_CONTROL) || !(style & (bAcross ? WS_HSCROLL : WS_VSCROLL))) {
        // Ctrl and the wheel mean something to a window further up.
        return parent ? parent->SendMessage(message, wParam, lParam) : 0;
    }
    // Small turns (a touch pad's) add up to lines; a turn back starts afresh.
    int& nRest = wheelRest[nBar];
    if ((nRest > 0 && nDelta < 0) || (nRest < 0 && nDelta > 0))
        nRest = 0;
    nRest += nDelta;
    const int nPerNotch = std::max(1, QApplication::wheelScrollLines());
    const int nLines = nRest * nPerNotch / WHEEL_DELTA;
    nRest -= nLines * WHEEL_DELTA / nPerNotch;
    // Turned away from the user is up, and left with Shift; tilted right is right.
    const bool bForward = message == WM_MOUSEHWHEEL ? nLines < 0 : nLines > 0;
    const UINT nCode = bForward ? SB_LINEUP : SB_LINEDOWN;
    const UINT nScroll = nBar == SB_HORZ ? WM_HSCROLL : WM_VSCROLL;
    CWnd* pWnd = wnd;
    for (int i = std::min(std::abs(nLines), kMaxWheelLines); i > 0 && pWnd->m_hWnd; --i)
        pWnd->SendMessage(nScroll, MAKEWPARAM(nCode, 0), 0);
    return 0;
}

void PlatformWheel(CWnd* pWnd, const QWheelEvent* pEvent)
{
    const UINT nFlags = PlatformMouseKeyFlags(pEvent->buttons(), pEvent->modifiers());
    CWndImpl* pImpl = CWndImpl::Of(pWnd);
    if (!pImpl)
        return;
    const QPoint screen = pEvent->globalPosition().toPoint() - pImpl->ScreenOriginFor();
    const LPARAM lPoint =
        MAKELPARAM(static_cast<unsigned>(screen.x()) & 0xFFFF, static_cast<unsigned>(screen.y()) & 0xFFFF);
    const auto packed = [](int n) { return static_cast<unsigned>(static_cast<WORD>(std::clamp(n, -32767, 32767))); };
    const QPoint angle = pEvent->angleDelta();
    if (angle.y() != 0)
        pWnd->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(nFlags, packed(angle.y())), lPoint);
    // Qt counts a turn to the left as positive; the message, one to the right.
    if (angle.x() != 0 && pWnd->m_hWnd)
        pWnd->SendMessage(WM_MOUSEHWHEEL, MAKEWPARAM(nFlags, packed(-angle.x())), lPoint);
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
