// SPDX-License-Identifier: MIT
#include "platform/SplitterBar.h"

#include "platform/WndPrivate.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>

namespace {

class BarWidget : public QWidget {
public:
    explicit BarWidget(QWidget* pParent) : QWidget(pParent)
    {
        setFocusPolicy(Qt::NoFocus);
        setCursor(Qt::SplitHCursor);
    }

    bool IsVertical() const { return height() > width(); }

protected:
    void resizeEvent(QResizeEvent* pEvent) override
    {
        QWidget::resizeEvent(pEvent);
        setCursor(IsVertical() ? Qt::SplitHCursor : Qt::SplitVCursor);
    }

    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
        QStyleOption option;
        option.initFrom(this);
        // The style's "horizontal" splitter lays its panes side by side.
        if (IsVertical())
            option.state |= QStyle::State_Horizontal;
        style()->drawControl(QStyle::CE_Splitter, &option, &painter, this);
    }

    void mousePressEvent(QMouseEvent* pEvent) override
    {
        if (pEvent->button() != Qt::LeftButton)
            return;
        m_bDragging = true;
        m_ptPress = pEvent->globalPosition().toPoint();
        m_ptStart = pos();
    }

    void mouseMoveEvent(QMouseEvent* pEvent) override
    {
        if (!m_bDragging || !(pEvent->buttons() & Qt::LeftButton))
            return;
        const QPoint delta = pEvent->globalPosition().toPoint() - m_ptPress;
        CWnd* pBar = PlatformWndFromWidget(this);
        CWnd* pParent = pBar ? pBar->GetParent() : nullptr;
        if (!pParent)
            return;
        NMSPLITTERBAR nm {};
        nm.hdr.hwndFrom = pBar->m_hWnd;
        nm.hdr.idFrom = static_cast<UINT_PTR>(pBar->GetDlgCtrlID());
        nm.hdr.code = SPN_DRAG;
        nm.nPos = IsVertical() ? m_ptStart.x() + delta.x() : m_ptStart.y() + delta.y();
        pParent->SendMessage(WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
    }

    void mouseReleaseEvent(QMouseEvent* pEvent) override
    {
        if (pEvent->button() == Qt::LeftButton)
            m_bDragging = false;
    }

private:
    bool m_bDragging = false;
    QPoint m_ptPress;
    QPoint m_ptStart;
};

}  // namespace

CSplitterBar::CSplitterBar() = default;

CSplitterBar::~CSplitterBar() = default;

QWidget* CSplitterBar::CreateNativeWidget(QWidget* pParent)
{
    return new BarWidget(pParent);
}

BOOL CSplitterBar::IsVertical() const
{
    const auto* pWidget = static_cast<const BarWidget*>(PlatformWidget(this));
    return pWidget && pWidget->IsVertical();
}
