// SPDX-License-Identifier: MIT
#include "platform/SpinButtonCtrl.h"

#include "model/Format.h"
#include "platform/DialogPrivate.h"
#include "platform/WndPrivate.h"

#include <QKeyEvent>
#include <QPointer>
#include <QResizeEvent>
#include <QToolButton>
#include <QWidget>

#include <algorithm>

namespace {

// Two arrow buttons, stacked (or side by side with UDS_HORZ).
class SpinWidget : public QWidget {
public:
    SpinWidget(QWidget* pParent, bool bHorizontal) : QWidget(pParent), m_bHorizontal(bHorizontal)
    {
        setFocusPolicy(Qt::NoFocus);
        m_pUp = MakeArrow(bHorizontal ? Qt::RightArrow : Qt::UpArrow, QStringLiteral("up"), +1);
        m_pDown = MakeArrow(bHorizontal ? Qt::LeftArrow : Qt::DownArrow, QStringLiteral("down"), -1);
    }

protected:
    void resizeEvent(QResizeEvent*) override
    {
        if (m_bHorizontal) {
            const int half = width() / 2;
            m_pDown->setGeometry(0, 0, half, height());
            m_pUp->setGeometry(half, 0, width() - half, height());
        } else {
            const int half = height() / 2;
            m_pUp->setGeometry(0, 0, width(), half);
            m_pDown->setGeometry(0, half, width(), height() - half);
        }
    }

private:
    QToolButton* MakeArrow(Qt::ArrowType arrow, const QString& name, int nDirection)
    {
        auto* pButton = new QToolButton(this);
        pButton->setObjectName(name);
        pButton->setArrowType(arrow);
        pButton->setAutoRepeat(true);
        pButton->setFocusPolicy(Qt::NoFocus);
        QObject::connect(pButton, &QToolButton::clicked, this, [this, nDirection]() {
            if (auto* pSpin = static_cast<CSpinButtonCtrl*>(PlatformWndFromWidget(this)))
                pSpin->Step(nDirection);
        });
        return pButton;
    }

    bool m_bHorizontal;
    QToolButton* m_pUp;
    QToolButton* m_pDown;
};

// Up and Down pressed in the buddy step its spin (UDS_ARROWKEYS).
class ArrowKeys : public QObject {
public:
    ArrowKeys(QObject* pParent, QWidget* pSpin) : QObject(pParent), m_pSpin(pSpin) { }

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::KeyPress && m_pSpin) {
            const int key = static_cast<QKeyEvent*>(pEvent)->key();
            if (key == Qt::Key_Up || key == Qt::Key_Down) {
                if (auto* pSpin = static_cast<CSpinButtonCtrl*>(PlatformWndFromWidget(m_pSpin)))
                    pSpin->Step(key == Qt::Key_Up ? +1 : -1);
                return true;
            }
        }
        return QObject::eventFilter(pWatched, pEvent);
    }

private:
    QPointer<QWidget> m_pSpin;
};

}  // namespace

CSpinButtonCtrl::CSpinButtonCtrl() = default;

CSpinButtonCtrl::~CSpinButtonCtrl() = default;

QWidget* CSpinButtonCtrl::CreateNativeWidget(QWidget* pParent)
{
    return new SpinWidget(pParent, (CWndImpl::Of(this)->style & UDS_HORZ) != 0);
}

int CSpinButtonCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!(GetStyle() & UDS_AUTOBUDDY))
        return 0;
    // The buddy is the window created just before the spin.
    const CWndImpl* pParentImpl = CWndImpl::Of(GetParent());
    if (!pParentImpl)
        return 0;
    const std::vector<CWnd*>& siblings = pParentImpl->children;
    const auto self = std::find(siblings.begin(), siblings.end(), this);
    if (self != siblings.end() && self != siblings.begin())
        SetBuddy(*(self - 1));
    return 0;
}

BEGIN_MESSAGE_MAP(CSpinButtonCtrl, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

void CSpinButtonCtrl::SetRange(int nLower, int nUpper)
{
    // The position stays as it is until the next step brings it in.
    m_nLower = nLower;
    m_nUpper = nUpper;
}

CWnd* CSpinButtonCtrl::SetBuddy(CWnd* pWndBuddy)
{
    CWnd* pOld = GetBuddy();
    m_hWndBuddy = pWndBuddy ? pWndBuddy->m_hWnd : nullptr;
    if (pWndBuddy) {
        AlignToBuddy();
        AttachBuddyKeys();
    }
    return pOld;
}

CWnd* CSpinButtonCtrl::GetBuddy() const
{
    return m_hWndBuddy ? CWnd::FromHandle(m_hWndBuddy) : nullptr;
}

void CSpinButtonCtrl::Step(int nDirection)
{
    if (!m_hWnd)
        return;
    ReadBuddy();
    // A step up moves towards nUpper, whichever end that is.
    const int nDelta = (m_nUpper < m_nLower) ? -nDirection : nDirection;
    NMUPDOWN notify = {};
    notify.hdr.hwndFrom = m_hWnd;
    notify.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    notify.hdr.code = UDN_DELTAPOS;
    notify.iPos = m_nPos;
    notify.iDelta = nDelta;
    CWnd* pParent = GetParent();
    const HWND hWndSelf = m_hWnd;
    const LRESULT refused =
        pParent ? pParent->SendMessage(WM_NOTIFY, notify.hdr.idFrom, reinterpret_cast<LPARAM>(&notify)) : 0;
    if (refused || CWnd::FromHandle(hWndSelf) != this)
        return;
    const int nMin = std::min(m_nLower, m_nUpper);
    const int nMax = std::max(m_nLower, m_nUpper);
    long long next = static_cast<long long>(m_nPos) + notify.iDelta;
    if (next < nMin || next > nMax) {
        if (GetStyle() & UDS_WRAP)
            next = next < nMin ? nMax : nMin;
        else
            next = std::clamp<long long>(next, nMin, nMax);
    }
    if (next != m_nPos) {
        m_nPos = static_cast<int>(next);
        ShowInBuddy();
    }
    if (pParent)
        pParent->SendMessage((GetStyle() & UDS_HORZ) ? WM_HSCROLL : WM_VSCROLL,
                             MAKEWPARAM(SB_THUMBPOSITION, static_cast<unsigned>(m_nPos)),
                             reinterpret_cast<LPARAM>(m_hWnd));
}

void CSpinButtonCtrl::ShowInBuddy()
{
    CWnd* pBuddy = GetBuddy();
    if (!pBuddy || !(GetStyle() & UDS_SETBUDDYINT))
        return;
    pBuddy->SetWindowText(FormatText(u"%d", m_nPos).c_str());
}

void CSpinButtonCtrl::ReadBuddy()
{
    CWnd* pBuddy = GetBuddy();
    if (!pBuddy || !(GetStyle() & UDS_SETBUDDYINT))
        return;
    CString text;
    pBuddy->GetWindowText(text);
    // A number the user typed is where the next step starts, if it lies in range.
    const auto value = dlg::ParseInteger(text);
    if (value && *value >= std::min(m_nLower, m_nUpper) && *value <= std::max(m_nLower, m_nUpper))
        m_nPos = *value;
}

void CSpinButtonCtrl::AttachBuddyKeys()
{
    QWidget* pSpin = PlatformWidget(this);
    QWidget* pTarget = dlg::FocusWidget(GetBuddy());
    if (!pSpin || !pTarget || !(GetStyle() & UDS_ARROWKEYS))
        return;
    pTarget->installEventFilter(new ArrowKeys(pSpin, pSpin));
}

void CSpinButtonCtrl::AlignToBuddy()
{
    const DWORD dwAlign = GetStyle() & (UDS_ALIGNLEFT | UDS_ALIGNRIGHT);
    QWidget* pSpin = PlatformWidget(this);
    QWidget* pBuddyWidget = PlatformWidget(GetBuddy());
    if (!dwAlign || !pSpin || !pBuddyWidget || pSpin->parentWidget() != pBuddyWidget->parentWidget())
        return;
    // The spin takes its own width from the buddy's side.
    const QRect buddy = pBuddyWidget->geometry();
    const int nWidth = std::min(pSpin->width(), buddy.width());
    if (dwAlign & UDS_ALIGNLEFT) {
        GetBuddy()->MoveWindow(buddy.left() + nWidth, buddy.top(), buddy.width() - nWidth, buddy.height());
        MoveWindow(buddy.left(), buddy.top(), nWidth, buddy.height());
    } else {
        GetBuddy()->MoveWindow(buddy.left(), buddy.top(), buddy.width() - nWidth, buddy.height());
        MoveWindow(buddy.left() + buddy.width() - nWidth, buddy.top(), nWidth, buddy.height());
    }
}
