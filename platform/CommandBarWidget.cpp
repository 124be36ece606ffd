// SPDX-License-Identifier: MIT
#include "platform/CommandBarWidget.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProxyStyle>
#include <QShortcut>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

namespace {

constexpr int kBorder = 1;  // the line under the bar

// Alt pressed and let go alone would move the keyboard to the menu bar with
// nothing on the screen to show it, and the next letter would open a menu
// instead of going into the window. The menus are reached with Alt and their
// letter, and with F10.
class MenuBarStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* pOption, const QWidget* pWidget,
                  QStyleHintReturn* pReturn) const override
    {
        if (hint == QStyle::SH_MenuBar_AltKeyNavigation)
            return 0;
        return QProxyStyle::styleHint(hint, pOption, pWidget, pReturn);
    }
};

}  // namespace

CommandBarWidget::CommandBarWidget(QWidget* pParent)
    : QWidget(pParent), m_pMenuBar(new QMenuBar(this)), m_pToolBar(new QToolBar(this)), m_pClose(new QToolButton(this))
{
    // The menus belong in the frame's own top row, on every desktop.
    m_pMenuBar->setNativeMenuBar(false);
    auto* pStyle = new MenuBarStyle;
    pStyle->setParent(m_pMenuBar);
    m_pMenuBar->setStyle(pStyle);
    m_pToolBar->setMovable(false);
    m_pToolBar->setFloatable(false);
    m_pToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_pClose->setAutoRaise(true);
    m_pClose->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    m_pClose->setToolTip(QStringLiteral("Close"));
    m_pClose->setFocusPolicy(Qt::NoFocus);
    m_pClose->hide();  // until the adornments are added
    QObject::connect(m_pClose, &QToolButton::clicked, this, [this] {
        if (m_onClose)
            m_onClose();
    });
    // F10 goes to the menus from anywhere in the window, as on the desktops
    // whose menu bars take it.
    auto* pF10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    pF10->setContext(Qt::WindowShortcut);
    QObject::connect(pF10, &QShortcut::activated, this, [this] { OpenFirstMenu(); });
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    // One face for the whole bar, not the window's white behind the gaps.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    Relayout();
}

CommandBarWidget::Placement CommandBarWidget::Place(int nWidth) const
{
    const bool bMenus = !m_pMenuBar->actions().isEmpty();
    const bool bButtons = !m_pToolBar->actions().isEmpty();
    const bool bClose = !m_pClose->isHidden();
    const QSize menuSize = bMenus ? m_pMenuBar->sizeHint() : QSize();
    const QSize toolSize = bButtons ? m_pToolBar->sizeHint() : QSize();
    const QSize closeSize = bClose ? m_pClose->sizeHint() : QSize();

    Placement p;
    const int nRow = std::max({menuSize.height(), toolSize.height(), closeSize.height()});
    const int nCloseLeft = nWidth - closeSize.width();
    p.close = QRect(nCloseLeft, 0, closeSize.width(), nRow);
    p.bTwoRows = bButtons && bMenus && menuSize.width() + toolSize.width() > nCloseLeft;
    if (!p.bTwoRows) {
        p.menuBar = QRect(0, 0, menuSize.width(), nRow);
        p.toolBar =
            QRect(menuSize.width(), 0, std::min(toolSize.width(), std::max(0, nCloseLeft - menuSize.width())), nRow);
        p.nHeight = nRow + kBorder;
    } else {
        const int nFirst = std::max(menuSize.height(), closeSize.height());
        p.close.setHeight(nFirst);
        p.menuBar = QRect(0, 0, std::max(0, nCloseLeft), nFirst);
        p.toolBar = QRect(0, nFirst, std::min(toolSize.width(), nWidth), toolSize.height());
        p.nHeight = nFirst + toolSize.height() + kBorder;
    }
    return p;
}

void CommandBarWidget::Relayout()
{
    m_pMenuBar->setVisible(!m_pMenuBar->actions().isEmpty());
    m_pToolBar->setVisible(!m_pToolBar->actions().isEmpty());
    const Placement p = Place(width());
    m_pMenuBar->setGeometry(p.menuBar);
    m_pToolBar->setGeometry(p.toolBar);
    m_pClose->setGeometry(p.close);
    updateGeometry();
    update();
}

bool CommandBarWidget::IsTwoRows() const
{
    return Place(width()).bTwoRows;
}

int CommandBarWidget::heightForWidth(int nWidth) const
{
    return Place(nWidth).nHeight;
}

QSize CommandBarWidget::sizeHint() const
{
    const QSize menuSize = m_pMenuBar->actions().isEmpty() ? QSize() : m_pMenuBar->sizeHint();
    const QSize toolSize = m_pToolBar->actions().isEmpty() ? QSize() : m_pToolBar->sizeHint();
    const int nCloseWidth = m_pClose->isHidden() ? 0 : m_pClose->sizeHint().width();
    const int nWidth = menuSize.width() + toolSize.width() + nCloseWidth;
    return QSize(nWidth, Place(nWidth).nHeight);
}

QSize CommandBarWidget::minimumSizeHint() const
{
    return QSize(0, Place(0).nHeight);
}

void CommandBarWidget::resizeEvent(QResizeEvent* pEvent)
{
    QWidget::resizeEvent(pEvent);
    Relayout();
}

void CommandBarWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(0, height() - 1, width() - 1, height() - 1);
}

void CommandBarWidget::WatchMenu(QMenu* pMenu)
{
    pMenu->installEventFilter(this);
}

void CommandBarWidget::OpenFirstMenu()
{
    for (QAction* pTitle : m_pMenuBar->actions()) {
        QMenu* pMenu = pTitle->menu();
        if (!pMenu || !pTitle->isVisible() || !pTitle->isEnabled())
            continue;
        // Opening runs the update handlers, so the first enabled item is known after.
        m_pMenuBar->setActiveAction(pTitle);
        for (QAction* pItem : pMenu->actions()) {
            if (!pItem->isSeparator() && pItem->isVisible() && pItem->isEnabled()) {
                pMenu->setActiveAction(pItem);
                break;
            }
        }
        return;
    }
}

bool CommandBarWidget::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    // The menu closes as usual; the menu bar then keeps the keyboard, with
    // nothing to show it, until it is handed back.
    if (pEvent->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(pEvent)->key() == Qt::Key_Escape) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                QWidget* pFocus = QApplication::focusWidget();
                if (m_onMenuLeft && !QApplication::activePopupWidget() && (!pFocus || isAncestorOf(pFocus)))
                    m_onMenuLeft();
            },
            Qt::QueuedConnection);
    }
    return QWidget::eventFilter(pWatched, pEvent);
}
