// SPDX-License-Identifier: MIT
// The window API: creation and destruction, family, placement, styles,
// painting requests, input state and the message path.
#include "platform/Wnd.h"

#include "platform/GdiPrivate.h"
#include "platform/WndPrivate.h"
#include "platform/WndWidgets.h"

#include <QApplication>

#include <algorithm>

namespace {

constexpr int kMaxNestedSize = 8;

}  // namespace

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

void CWndImpl::ApplyVisibility()
{
    const bool visible = style & WS_VISIBLE;
    // Placed as SetWindowPos places it: its own area there, the desktop's
    // decoration (a dialog's caption) around it.
    if (visible && popup && !placedOnDesktop)
        widget->setGeometry(QRect(ScreenOriginFor() + screenPos, widget->size()));
    widget->setVisible(visible);
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
    auto it = Registry().handles.find(hWnd);
    return it == Registry().handles.end() ? nullptr : it->second;
}

QWidget* CWnd::CreateNativeWidget(QWidget*)
{
    return nullptr;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!cs.lpszClass)
        cs.lpszClass = kDefaultWndClass;
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
    const WndClassInfo* pClass = FindWndClass(cs.lpszClass);
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
    Registry().handles[m_hWnd] = this;
    Registry().widgets[p->widget] = this;
    Registry().widgets[p->client] = this;
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
    for (const auto& [hWnd, pWnd] : Registry().handles) {
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

CWnd* CWnd::GetWindow(UINT nCmd) const
{
    if (!m_pImpl)
        return nullptr;
    if (nCmd == GW_CHILD)
        return m_pImpl->children.empty() ? nullptr : m_pImpl->children.front();
    const CWndImpl* pParent = CWndImpl::Of(m_pImpl->parent);
    if (nCmd != GW_HWNDNEXT || !pParent)
        return nullptr;
    const auto& siblings = pParent->children;
    const auto it = std::find(siblings.begin(), siblings.end(), this);
    return it == siblings.end() || it + 1 == siblings.end() ? nullptr : *(it + 1);
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
    // A window the user cannot resize (a dialog) still takes the program's size.
    if (p->widget->isWindow() && p->widget->minimumSize() == p->widget->maximumSize() && next.size() != oldRect.size())
        p->widget->setFixedSize(next.size());
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
    CWnd* old = Registry().capture;
    if (m_hWnd)
        Registry().capture = this;
    return old;
}

CWnd* CWnd::GetCapture()
{
    return Registry().capture;
}

CWnd* CWnd::SetFocus()
{
    WndRegistry& s = Registry();
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
    return Registry().focus;
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

// ---- Message processing -----------------------------------------------------

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    WndRegistry& s = Registry();
    const WndRegistry::Current saved = s.current;
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
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
        return m_pImpl ? m_pImpl->DefaultWheel(message, wParam, lParam) : 0;
    default:
        return 0;
    }
}

BOOL CWnd::OnMouseWheel(UINT, short, CPoint)
{
    return static_cast<BOOL>(Default());
}

CFont* CWnd::GetFont() const
{
    if (!m_pImpl || !m_pImpl->IsNative())
        return nullptr;
    const QFont font = m_pImpl->widget->font();
    LOGFONT lf {};
    lf.lfHeight = -(font.pixelSize() > 0 ? font.pixelSize() : qRound(font.pointSizeF() * 96 / 72));
    lf.lfWeight = font.weight() >= QFont::DemiBold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = font.italic() ? 1 : 0;
    const std::u16string face = ToU16(font.family());
    std::copy_n(face.begin(), std::min<std::size_t>(face.size(), LF_FACESIZE - 1), lf.lfFaceName);
    if (!m_pImpl->font)
        m_pImpl->font = std::make_unique<CFont>();
    m_pImpl->font->CreateFontIndirect(&lf);
    // Exactly the control's font, whatever a description of it leaves out.
    if (GdiData* pData = GdiDataOf(m_pImpl->font->m_hObject))
        pData->font = font;
    return m_pImpl->font.get();
}

LRESULT CWnd::Default()
{
    const WndRegistry::Current& c = Registry().current;
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
