// SPDX-License-Identifier: MIT
#include "platform/Dialog.h"
#include "model/Format.h"
#include "platform/QtConvert.h"

#include "platform/DialogPrivate.h"
#include "platform/PlatformHooks.h"
#include "platform/WndPrivate.h"
#include "platform/WndWidgets.h"

#include <QDialog>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>

namespace {

// The client area of a dialog: its controls live here, below the caption
// strip when there is one. Messages posted to the dialog arrive here.
class DialogClient : public QWidget {
public:
    explicit DialogClient(QWidget* pParent) : QWidget(pParent) { }

protected:
    bool event(QEvent* pEvent) override
    {
        if (pEvent->type() == PlatformEvent::MessageType()) {
            auto* pMessage = static_cast<PlatformEvent*>(pEvent);
            if (CWnd* pWnd = PlatformWndAt(this))
                pWnd->SendMessage(pMessage->message, pMessage->wParam, pMessage->lParam);
            return true;
        }
        return QWidget::event(pEvent);
    }
};

// The dialog window. Escape and the window's close button mean IDCANCEL;
// Return with no default push button means IDOK; all go through the
// dialog's command table, so OnOK and OnCancel decide.
class DialogWidget : public QDialog {
public:
    explicit DialogWidget(QWidget* pParent) : QDialog(pParent) { }

    void reject() override { Command(IDCANCEL); }

protected:
    // The dialog grows or shrinks when its program resizes it: the client
    // area under the caption strip and the strip's OK button follow.
    void resizeEvent(QResizeEvent* pEvent) override
    {
        QDialog::resizeEvent(pEvent);
        auto* pOk = findChild<QToolButton*>(QStringLiteral("captionOk"), Qt::FindDirectChildrenOnly);
        const int nStrip = pOk ? pOk->height() + 2 : 0;
        if (pOk)
            pOk->move(width() - pOk->width() - 1, 1);
        for (QWidget* pChild : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (pChild != pOk && pChild->objectName() == QStringLiteral("client"))
                pChild->setGeometry(0, nStrip, width(), std::max(0, height() - nStrip));
    }

    void keyPressEvent(QKeyEvent* pEvent) override
    {
        const bool bReturn = pEvent->key() == Qt::Key_Return || pEvent->key() == Qt::Key_Enter;
        if (bReturn && pEvent->modifiers() == Qt::NoModifier && !HasDefaultButton()) {
            Command(IDOK);
            return;
        }
        QDialog::keyPressEvent(pEvent);
    }

private:
    bool HasDefaultButton() const
    {
        const auto buttons = findChildren<QPushButton*>();
        return std::any_of(buttons.begin(), buttons.end(), [](const QPushButton* pButton) {
            return pButton->isVisible() && pButton->isEnabled() && (pButton->isDefault() || pButton->hasFocus());
        });
    }

    void Command(int nID)
    {
        if (CWnd* pWnd = PlatformWndFromWidget(this))
            pWnd->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(nID), BN_CLICKED), 0);
    }
};

// Lock-out of control notifications while UpdateData moves the fields, so
// that filling the controls does not run the dialog's change handlers.
class NotifyLockout {
public:
    explicit NotifyLockout(int& nDepth) : m_nDepth(nDepth) { ++m_nDepth; }
    ~NotifyLockout() { --m_nDepth; }
    NotifyLockout(const NotifyLockout&) = delete;
    NotifyLockout& operator=(const NotifyLockout&) = delete;

private:
    int& m_nDepth;
};

std::unique_ptr<CWnd> MakeControl(DialogControl kind)
{
    switch (kind) {
    case DialogControl::Button:
        return std::make_unique<CButton>();
    case DialogControl::Edit:
        return std::make_unique<CEdit>();
    case DialogControl::Static:
        return std::make_unique<CStatic>();
    case DialogControl::ComboBox:
        return std::make_unique<CComboBox>();
    case DialogControl::UpDown:
        return std::make_unique<CSpinButtonCtrl>();
    }
    return nullptr;
}

}  // namespace

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd)
{
}

CDialog::~CDialog()
{
    DestroyWindow();
    m_controls.clear();
}

CWnd* CDialog::GetOwner() const
{
    return m_pParentWnd ? m_pParentWnd : PlatformGetScreenWindow();
}

CWnd* CDialog::GetParent() const
{
    if (CWnd* pParent = CWnd::GetParent())
        return pParent;
    return GetOwner();
}

QWidget* CDialog::CreateNativeWidget(QWidget* pParent)
{
    auto* pDialog = new DialogWidget(pParent);
    pDialog->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    pDialog->setWindowTitle(ToQString(CWndImpl::Of(this)->text));
    pDialog->setModal(true);
    return pDialog;
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // Control notifications are held back while UpdateData runs.
    if (m_nLockout > 0 && lParam != 0)
        return TRUE;
    return CWnd::OnCommand(wParam, lParam);
}

BOOL CDialog::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (m_nLockout > 0)
        return TRUE;
    return CWnd::OnNotify(wParam, lParam, pResult);
}

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // An owner-drawn control the dialog does not draw itself draws itself.
    if (message == WM_DRAWITEM && lParam) {
        auto* pDrawItem = reinterpret_cast<LPDRAWITEMSTRUCT>(lParam);
        if (auto* pButton = dynamic_cast<CButton*>(CWnd::FromHandle(pDrawItem->hwndItem))) {
            pButton->DrawItem(pDrawItem);
            return TRUE;
        }
    }
    return CWnd::DefWindowProc(message, wParam, lParam);
}

BOOL CDialog::CreateFromTemplate(const DialogResource& dialog)
{
    const QFont font = dlg::DialogFont(dialog.pszFontFace, dialog.nFontPoints);
    const dlg::BaseUnits units = dlg::BaseUnitsOf(font);
    m_nBaseUnitX = units.cx;
    m_nBaseUnitY = units.cy;

    // The template places the dialog from its owner's client area.
    CRect rect(0, 0, dialog.cx, dialog.cy);
    MapDialogRect(&rect);
    CPoint origin(dlg::UnitsToPixelsX(dialog.x, units), dlg::UnitsToPixelsY(dialog.y, units));
    if (CWnd* pOwner = GetOwner())
        pOwner->ClientToScreen(&origin);
    rect.OffsetRect(origin.x, origin.y);

    const DWORD dwStyle = (dialog.dwStyle | WS_POPUP | WS_CAPTION) & ~(WS_VISIBLE | WS_CHILD);
    if (!CreateEx(dialog.dwExStyle, nullptr, dialog.pszCaption, dwStyle, rect, GetOwner(), 0))
        return FALSE;

    // The controls go into a client widget of the template's size, under a
    // strip with the caption OK button where the template asks for one.
    CWndImpl* pImpl = CWndImpl::Of(this);
    QWidget* pDialog = pImpl->widget;
    pDialog->setFont(font);
    int nStrip = 0;
    if (dialog.dwExStyle & WS_EX_CAPTIONOKBTN) {
        auto* pOk = new QToolButton(pDialog);
        pOk->setObjectName(QStringLiteral("captionOk"));
        pOk->setText(QStringLiteral("OK"));
        pOk->setFocusPolicy(Qt::NoFocus);
        const QSize size = pOk->sizeHint();
        nStrip = size.height() + 2;
        pOk->setGeometry(rect.Width() - size.width() - 1, 1, size.width(), size.height());
        QObject::connect(pOk, &QToolButton::clicked, pDialog, [pDialog]() {
            if (CWnd* pWnd = PlatformWndFromWidget(pDialog))
                pWnd->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        });
    }
    auto* pClient = new DialogClient(pDialog);
    pClient->setObjectName(QStringLiteral("client"));
    pClient->setGeometry(0, nStrip, rect.Width(), rect.Height());
    pImpl->client = pClient;
    pDialog->setFixedSize(rect.Width(), rect.Height() + nStrip);

    m_controls.clear();
    for (const DialogItemResource& item : dialog.items) {
        if (!CreateControl(item))
            return FALSE;
    }
    return TRUE;
}

BOOL CDialog::CreateControl(const DialogItemResource& item)
{
    std::unique_ptr<CWnd> pControl = MakeControl(item.kind);
    if (!pControl)
        return FALSE;
    CRect rect(item.x, item.y, item.x + item.cx, item.y + item.cy);
    MapDialogRect(&rect);
    CString text(item.pszText);
    if (item.kind == DialogControl::Static && (item.dwStyle & 0x1F) == SS_ICON)
        text = FormatText(u"#%u", item.nIconID);
    const DWORD dwStyle = WS_CHILD | WS_VISIBLE | item.dwStyle;
    if (!pControl->Create(nullptr, text.GetString(), dwStyle, rect, this, static_cast<UINT>(item.nID)))
        return FALSE;
    m_controls.push_back(std::move(pControl));
    return TRUE;
}

INT_PTR CDialog::DoModal()
{
    const ResourceSet* pResources = AfxGetResources();
    if (!pResources || m_hWnd)
        return -1;
    const auto it = pResources->dialogs.find(m_nIDTemplate);
    if (it == pResources->dialogs.end())
        return -1;

    m_nModalResult = -1;
    m_bInModal = TRUE;
    if (!CreateFromTemplate(it->second)) {
        DestroyWindow();
        m_controls.clear();
        m_bInModal = FALSE;
        return -1;
    }
    if (OnInitDialog())
        FocusFirstControl();

    if (m_bInModal) {
        ShowWindow(SW_SHOW);
        PlatformHooks* pHooks = PlatformHooks::Installed();
        if (!(pHooks && pHooks->RunModalDialog(*this)) && m_bInModal) {
            QEventLoop loop;
            m_pLoop = &loop;
            // A dialog whose window goes away with its owner ends too.
            QObject::connect(PlatformWidget(this), &QObject::destroyed, &loop, &QEventLoop::quit);
            loop.exec(QEventLoop::DialogExec);
            m_pLoop = nullptr;
        }
    }
    if (m_nModalResult == -1)
        m_nModalResult = IDCANCEL;  // closed without EndDialog: its owner went
    DestroyWindow();
    m_controls.clear();
    m_bInModal = FALSE;
    PlatformModalWindowClosed();
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    if (!m_bInModal)
        return;
    m_bInModal = FALSE;
    if (m_hWnd)
        ShowWindow(SW_HIDE);
    if (m_pLoop)
        m_pLoop->quit();
}

BOOL CDialog::IsModalOpen() const
{
    return m_bInModal && m_hWnd != nullptr;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange*)
{
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    NotifyLockout lockout(m_nLockout);
    CDataExchange exchange(this, bSaveAndValidate);
    try {
        DoDataExchange(&exchange);
        exchange.CheckPending();
    } catch (const CUserException&) {
        return FALSE;
    }
    return TRUE;
}

void CDialog::FocusFirstControl()
{
    const CWndImpl* pImpl = CWndImpl::Of(this);
    if (!pImpl)
        return;
    for (CWnd* pWnd : pImpl->children) {
        if (pWnd->m_hWnd && (pWnd->GetStyle() & WS_TABSTOP) && pWnd->IsWindowEnabled()) {
            GotoDlgCtrl(pWnd);
            return;
        }
    }
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    if (!pWndCtrl || !pWndCtrl->m_hWnd)
        return;
    pWndCtrl->SetFocus();
    if (auto* pEdit = dynamic_cast<CEdit*>(pWndCtrl))
        pEdit->SetSel(0, -1);
}

void CDialog::SetDlgItemText(int nID, LPCTSTR lpszString)
{
    if (CWnd* pWnd = GetDlgItem(nID))
        pWnd->SetWindowText(lpszString);
}

int CDialog::GetDlgItemText(int nID, CString& rString) const
{
    rString.Empty();
    if (CWnd* pWnd = GetDlgItem(nID))
        pWnd->GetWindowText(rString);
    return rString.GetLength();
}

void CDialog::CheckDlgButton(int nIDButton, UINT nCheck)
{
    if (auto* pButton = dynamic_cast<CButton*>(GetDlgItem(nIDButton)))
        pButton->SetCheck(static_cast<int>(nCheck));
}

void CDialog::CenterWindow(CWnd* pAlternateOwner)
{
    if (!m_hWnd)
        return;
    CRect window;
    GetWindowRect(&window);
    CWnd* pOwner = pAlternateOwner ? pAlternateOwner : GetOwner();
    CRect area;
    if (pOwner && pOwner->m_hWnd) {
        pOwner->GetWindowRect(&area);
        // The screen window's own rectangle is where it stands on the desktop;
        // the dialog is placed in screen coordinates, which start at its corner.
        if (pOwner == PlatformGetScreenWindow())
            area.OffsetRect(-area.left, -area.top);
    } else {
        area = CRect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    }
    const int x = area.left + (area.Width() - window.Width()) / 2;
    const int y = area.top + (area.Height() - window.Height()) / 2;
    SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDialog::MapDialogRect(LPRECT lpRect) const
{
    if (!lpRect)
        return;
    const dlg::BaseUnits units = {m_nBaseUnitX, m_nBaseUnitY};
    lpRect->left = dlg::UnitsToPixelsX(lpRect->left, units);
    lpRect->right = dlg::UnitsToPixelsX(lpRect->right, units);
    lpRect->top = dlg::UnitsToPixelsY(lpRect->top, units);
    lpRect->bottom = dlg::UnitsToPixelsY(lpRect->bottom, units);
}

BOOL CDialog::SubclassDlgItem(UINT nID, CWnd& rControl)
{
    // The control is made again as rControl, in the same place in the
    // window order, with the same style, text, rectangle and state.
    CWnd* pOld = GetDlgItem(static_cast<int>(nID));
    CWndImpl* pImpl = CWndImpl::Of(this);
    if (!pOld || !pImpl || rControl.m_hWnd)
        return FALSE;
    std::vector<CWnd*>& children = pImpl->children;
    const std::size_t nIndex =
        static_cast<std::size_t>(std::find(children.begin(), children.end(), pOld) - children.begin());
    QWidget* pOldWidget = PlatformWidget(pOld);
    const QRect geometry = pOldWidget->geometry();
    const bool bEnabled = pOldWidget->isEnabled();
    const DWORD dwStyle = pOld->GetStyle();
    const DWORD dwExStyle = pOld->GetExStyle();
    CString text;
    pOld->GetWindowText(text);
    const auto* pOldButton = dynamic_cast<const CButton*>(pOld);
    const int nCheck = pOldButton ? pOldButton->GetCheck() : BST_UNCHECKED;

    pOld->DestroyWindow();
    const RECT rect = {geometry.left(), geometry.top(), geometry.right() + 1, geometry.bottom() + 1};
    if (!rControl.CreateEx(dwExStyle, nullptr, text.GetString(), dwStyle, rect, this, nID))
        return FALSE;
    rControl.EnableWindow(bEnabled);
    if (auto* pButton = dynamic_cast<CButton*>(&rControl))
        pButton->SetCheck(nCheck);

    // Back into its old place among its siblings: order, stacking and tabbing.
    children.erase(std::find(children.begin(), children.end(), &rControl));
    children.insert(children.begin() + static_cast<std::ptrdiff_t>(std::min(nIndex, children.size())), &rControl);
    QWidget* pNew = PlatformWidget(&rControl);
    if (nIndex + 1 < children.size()) {
        pNew->stackUnder(PlatformWidget(children[nIndex + 1]));
    }
    if (nIndex > 0)
        QWidget::setTabOrder(PlatformWidget(children[nIndex - 1]), pNew);
    m_controls.erase(std::remove_if(m_controls.begin(), m_controls.end(),
                                    [pOld](const std::unique_ptr<CWnd>& p) { return p.get() == pOld; }),
                     m_controls.end());
    return TRUE;
}
