// SPDX-License-Identifier: MIT
#include "platform/CeCommandBar.h"

#include "platform/CommandBarWidget.h"
#include "platform/FrameWnd.h"
#include "platform/Resource.h"
#include "platform/ShellPrivate.h"
#include "platform/WndPrivate.h"

#include <QAction>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPointer>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace {

// The action's command id (0 for separators and pop-ups).
UINT CommandOf(const QAction* pAction)
{
    return pAction->data().toUInt();
}

// The button's tool tip: what a menu item of command nID reads, with its keys.
QString ToolTipOf(UINT nID)
{
    if (const ResourceSet* pResources = AfxGetResources())
        for (const auto& [nMenu, menu] : pResources->menus)
            for (const auto& popup : menu.popups)
                for (const auto& item : popup.items)
                    if (item.nID == nID && item.pszText) {
                        const QString strText = ToQString(item.pszText);
                        const QString strKeys = shell::MenuKeysOf(strText);
                        const QString strLabel = shell::MenuLabelOf(strText);
                        return strKeys.isEmpty() ? strLabel : strLabel + QStringLiteral(" (") + strKeys + u')';
                    }
    return QString();
}

// Applies an update handler's answer to a menu item or a button.
class CActionCmdUI : public CCmdUI {
public:
    explicit CActionCmdUI(QAction* pAction) : m_pAction(pAction) { m_nID = CommandOf(pAction); }
    void Enable(BOOL bOn = TRUE) override
    {
        CCmdUI::Enable(bOn);
        m_pAction->setEnabled(bOn != FALSE);
    }
    void SetCheck(int nCheck = 1) override
    {
        CCmdUI::SetCheck(nCheck);
        m_pAction->setCheckable(true);
        m_pAction->setChecked(nCheck != 0);
    }

private:
    QAction* m_pAction;
};

// Runs the update handler of every command among the actions; one with no
// handler at all is disabled.
void UpdateActions(const QList<QAction*>& actions, CCmdTarget* pTarget)
{
    for (QAction* pAction : actions) {
        if (pAction->isSeparator() || pAction->menu() || !CommandOf(pAction))
            continue;
        CActionCmdUI state(pAction);
        state.DoUpdate(pTarget, TRUE);
    }
}

}  // namespace

struct CCeCommandBar::Impl {
    CommandBarWidget* pWidget = nullptr;
    CFrameWnd* pFrame = nullptr;  // the frame the bar serves
    CWnd* pOwner = nullptr;  // where its commands go
    DWORD dwBarStyle = 0;
};

CCeCommandBar::CCeCommandBar() : m_pImpl(std::make_unique<Impl>())
{
}

CCeCommandBar::~CCeCommandBar()
{
    if (m_pImpl->pFrame && m_pImpl->pFrame->m_pCommandBar == this)
        m_pImpl->pFrame->m_pCommandBar = nullptr;
}

QWidget* CCeCommandBar::CreateNativeWidget(QWidget* pParent)
{
    m_pImpl->pWidget = new CommandBarWidget(pParent);
    m_pImpl->pWidget->SetOnMenuLeft([this] {
        // Back to the window the keys were typed in, through its frame.
        if (m_pImpl->pOwner && m_pImpl->pOwner->GetSafeHwnd())
            m_pImpl->pOwner->SetFocus();
    });
    m_pImpl->pWidget->SetOnClose([this] {
        Post([this] {
            if (m_pImpl->pOwner && m_pImpl->pOwner->GetSafeHwnd())
                m_pImpl->pOwner->SendMessage(WM_CLOSE, 0, 0);
        });
    });
    return m_pImpl->pWidget;
}

BOOL CCeCommandBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    m_pImpl->dwBarStyle = dwStyle & CBRS_ALL;
    if (!CWnd::Create(nullptr, nullptr, dwStyle & ~CBRS_ALL, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    m_pImpl->pOwner = pParentWnd;
    m_pImpl->pFrame = dynamic_cast<CFrameWnd*>(pParentWnd);
    if (m_pImpl->pFrame)
        m_pImpl->pFrame->m_pCommandBar = this;
    Changed();
    return TRUE;
}

void CCeCommandBar::Changed()
{
    if (!m_pImpl->pWidget)
        return;
    m_pImpl->pWidget->Relayout();
    if (m_pImpl->pFrame)
        m_pImpl->pFrame->RecalcLayout();
}

BOOL CCeCommandBar::InsertMenuBar(UINT nMenuID, int /*nButton*/)
{
    const ResourceSet* pResources = AfxGetResources();
    if (!m_pImpl->pWidget || !pResources)
        return FALSE;
    const auto found = pResources->menus.find(nMenuID);
    if (found == pResources->menus.end())
        return FALSE;
    QMenuBar* pMenuBar = m_pImpl->pWidget->MenuBar();
    for (const MenuPopupResource& popup : found->second.popups) {
        QMenu* pMenu = pMenuBar->addMenu(ToQString(popup.pszTitle));
        m_pImpl->pWidget->WatchMenu(pMenu);
        for (const MenuItemResource& item : popup.items) {
            if (item.nID == 0) {
                pMenu->addSeparator();
                continue;
            }
            QAction* pAction = pMenu->addAction(ToQString(item.pszText));
            pAction->setData(item.nID);
            QObject::connect(pAction, &QAction::triggered, pAction, [this, nID = item.nID] { IssueCommand(nID); });
        }
        QObject::connect(pMenu, &QMenu::aboutToShow, pMenu, [this, pMenu] {
            if (m_pImpl->pOwner)
                UpdateActions(pMenu->actions(), m_pImpl->pOwner);
        });
    }
    Changed();
    return TRUE;
}

BOOL CCeCommandBar::AddAdornments(DWORD dwFlags)
{
    if (!m_pImpl->pWidget || (dwFlags & (CMDBAR_HELP | CMDBAR_OK)))
        return FALSE;
    m_pImpl->pWidget->CloseButton()->show();
    Changed();
    return TRUE;
}

BOOL CCeCommandBar::LoadToolBar(UINT nIDResource)
{
    const ResourceSet* pResources = AfxGetResources();
    if (!m_pImpl->pWidget || !pResources)
        return FALSE;
    const auto toolbar = pResources->toolbars.find(nIDResource);
    const auto bitmap = pResources->bitmaps.find(nIDResource);
    if (toolbar == pResources->toolbars.end() || bitmap == pResources->bitmaps.end())
        return FALSE;
    const ToolBarResource& bar = toolbar->second;
    const QImage image = shell::ImageFromResource(bitmap->second);
    const auto nButtons = std::count_if(bar.buttons.begin(), bar.buttons.end(), [](UINT nID) { return nID != 0; });
    // The images the buttons take, each of which the bitmap must hold.
    std::vector<int> images = bar.images;
    if (images.empty())
        for (int i = 0; i < nButtons; ++i)
            images.push_back(i);
    const bool bImagesThere =
        static_cast<long>(images.size()) == nButtons && std::all_of(images.begin(), images.end(), [&](int i) {
            return i >= 0 && (static_cast<long>(i) + 1) * bar.nButtonWidth <= image.width();
        });
    if (image.isNull() || bar.nButtonWidth <= 0 || bar.nButtonHeight <= 0 || image.height() < bar.nButtonHeight ||
        !bImagesThere)
        return FALSE;

    QToolBar* pToolBar = m_pImpl->pWidget->ToolBar();
    pToolBar->setIconSize(QSize(bar.nButtonWidth, bar.nButtonHeight));
    std::size_t nButton = 0;
    for (UINT nID : bar.buttons) {
        if (nID == 0) {
            pToolBar->addSeparator();
            continue;
        }
        const QPixmap face = QPixmap::fromImage(
            image.copy(images[nButton++] * bar.nButtonWidth, 0, bar.nButtonWidth, bar.nButtonHeight));
        QAction* pAction = pToolBar->addAction(QIcon(face), ToolTipOf(nID));
        pAction->setData(nID);
        QObject::connect(pAction, &QAction::triggered, pAction, [this, nID] { IssueCommand(nID); });
    }
    Changed();
    return TRUE;
}

void CCeCommandBar::ResetCommandBar()
{
    if (!m_pImpl->pWidget)
        return;
    // Later, not now: the reset may come from one of these very menus or buttons.
    QMenuBar* pMenuBar = m_pImpl->pWidget->MenuBar();
    for (QAction* pAction : pMenuBar->actions())
        if (QMenu* pMenu = pAction->menu())
            pMenu->deleteLater();
    pMenuBar->clear();
    QToolBar* pToolBar = m_pImpl->pWidget->ToolBar();
    const QList<QAction*> buttons = pToolBar->actions();
    pToolBar->clear();
    for (QAction* pAction : buttons)
        pAction->deleteLater();
    m_pImpl->pWidget->CloseButton()->hide();
    Changed();
}

DWORD CCeCommandBar::GetBarStyle() const
{
    return m_pImpl->dwBarStyle;
}

void CCeCommandBar::SetBarStyle(DWORD dwStyle)
{
    m_pImpl->dwBarStyle = dwStyle & CBRS_ALL;
}

int CCeCommandBar::CalcHeight(int nWidth) const
{
    return m_pImpl->pWidget ? m_pImpl->pWidget->heightForWidth(nWidth) : 0;
}

void CCeCommandBar::UpdateButtons(CCmdTarget* pTarget)
{
    if (!m_pImpl->pWidget || !pTarget)
        return;
    UpdateActions(m_pImpl->pWidget->ToolBar()->actions(), pTarget);
}

void CCeCommandBar::Post(std::function<void()> deliver)
{
    // Later, from the event loop: the command may close the frame, and with it
    // the menu or button that is still handling the click.
    QPointer<CommandBarWidget> pWidget = m_pImpl->pWidget;
    QMetaObject::invokeMethod(
        pWidget,
        [this, pWidget, deliver = std::move(deliver)] {
            if (pWidget && PlatformWndFromWidget(pWidget) == this)
                deliver();
        },
        Qt::QueuedConnection);
}

void CCeCommandBar::IssueCommand(UINT nID)
{
    // A button shows its state as of the last idle time: the command is asked again.
    if (m_pImpl->pOwner && m_pImpl->pOwner->GetSafeHwnd())
        shell::PostCommand(m_pImpl->pOwner, nID);
}
