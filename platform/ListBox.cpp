// SPDX-License-Identifier: MIT
#include "platform/ListBox.h"

#include "platform/DialogPrivate.h"
#include "platform/WndPrivate.h"

#include <QAbstractItemDelegate>
#include <QAbstractListModel>
#include <QListView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <vector>

namespace {

// A count of rows and nothing else: the owner holds what they show.
class CountModel : public QAbstractListModel {
public:
    explicit CountModel(QObject* pParent) : QAbstractListModel(pParent) { }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : m_nCount; }
    QVariant data(const QModelIndex&, int) const override { return QVariant(); }

    void SetCount(int nCount)
    {
        beginResetModel();
        m_nCount = nCount;
        endResetModel();
    }

private:
    int m_nCount = 0;
};

class ListView;

// Asks the owner for each item's height and has it draw the item into an
// image of the item's size, which is then shown.
class OwnerDelegate : public QAbstractItemDelegate {
public:
    explicit OwnerDelegate(ListView* pView);

    void paint(QPainter* pPainter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // The items are measured anew at the next layout.
    void Forget() const { m_heights.clear(); }

private:
    int Measure(int nItem, int nWidth) const;

    ListView* m_pView;
    mutable QImage m_image;  // kept between items: most are the same size
    // Each item is measured once for each width: the view asks for the size
    // of an item whenever it looks for its place, a hundred times a paint.
    mutable std::vector<int> m_heights;  // 0: not measured yet
    mutable int m_nMeasuredWidth = -1;
};

class ListView : public QListView {
public:
    explicit ListView(QWidget* pParent) : QListView(pParent)
    {
        m_pModel = new CountModel(this);
        setModel(m_pModel);
        m_pDelegate = new OwnerDelegate(this);
        setItemDelegate(m_pDelegate);
        setUniformItemSizes(false);
        setResizeMode(QListView::Adjust);
        setLayoutMode(QListView::SinglePass);
        setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setSelectionMode(QAbstractItemView::NoSelection);
        setEditTriggers(QAbstractItemView::NoEditTriggers);
        setFocusPolicy(Qt::NoFocus);
        setSpacing(0);
        setWordWrap(true);
    }

    CListBox* Owner() const { return static_cast<CListBox*>(PlatformWndFromWidget(this)); }
    int Count() const { return m_pModel->rowCount(); }
    QModelIndex Index(int nItem) const { return m_pModel->index(nItem, 0); }

    void SetCount(int nCount)
    {
        m_nSelected = -1;
        m_pDelegate->Forget();
        m_pModel->SetCount(nCount);
        verticalScrollBar()->setValue(0);
    }

    int Selected() const { return m_nSelected; }

    void Select(int nItem)
    {
        if (nItem == m_nSelected)
            return;
        const int nOld = m_nSelected;
        m_nSelected = nItem;
        for (const int n : {nOld, nItem}) {
            if (n >= 0)
                update(Index(n));
        }
    }

    // The item's rectangle in the viewport's coordinates; laying the items
    // out first if they are not yet.
    QRect ItemRect(int nItem) const { return visualRect(Index(nItem)); }

protected:
    // Only the pointer selects, one press one choice: no dragging through
    // the list, no editing, no focus.
    void mousePressEvent(QMouseEvent* pEvent) override
    {
        if (pEvent->button() != Qt::LeftButton)
            return;
        const QModelIndex index = indexAt(pEvent->position().toPoint());
        if (!index.isValid())
            return;
        Select(index.row());
        if (CListBox* pOwner = Owner())
            dlg::NotifyParent(pOwner, LBN_SELCHANGE);
    }
    void mouseDoubleClickEvent(QMouseEvent* pEvent) override { mousePressEvent(pEvent); }
    void mouseMoveEvent(QMouseEvent*) override { }
    void mouseReleaseEvent(QMouseEvent*) override { }

private:
    CountModel* m_pModel;
    OwnerDelegate* m_pDelegate;
    int m_nSelected = -1;
};

OwnerDelegate::OwnerDelegate(ListView* pView) : QAbstractItemDelegate(pView), m_pView(pView)
{
}

void OwnerDelegate::paint(QPainter* pPainter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    CListBox* pList = m_pView->Owner();
    const QSize size = option.rect.size();
    if (!pList || size.isEmpty())
        return;
    const qreal ratio = pPainter->device()->devicePixelRatioF();
    if (m_image.deviceIndependentSize().toSize() != size || m_image.devicePixelRatio() != ratio)
        m_image = PlatformNewImage(size, ratio);
    if (m_image.isNull())
        return;
    m_image.fill(Qt::white);
    CDC dc;
    PlatformAttachImage(dc, &m_image, nullptr);
    DRAWITEMSTRUCT dis = {ODT_LISTBOX,
                          static_cast<UINT>(pList->GetDlgCtrlID()),
                          static_cast<UINT>(index.row()),
                          ODA_DRAWENTIRE,
                          index.row() == m_pView->Selected() ? ODS_SELECTED : 0u,
                          pList->m_hWnd,
                          dc.GetSafeHdc(),
                          {0, 0, size.width(), size.height()},
                          0};
    CWnd* pParent = pList->GetParent();
    if (pParent)
        pParent->SendMessage(WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
    pPainter->drawImage(option.rect.topLeft(), m_image);
}

QSize OwnerDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const
{
    const int nWidth = std::max(0, m_pView->viewport()->width());
    if (nWidth != m_nMeasuredWidth) {
        m_heights.clear();
        m_nMeasuredWidth = nWidth;
    }
    const int nItem = index.row();
    if (nItem < 0)
        return QSize(nWidth, 1);
    if (static_cast<std::size_t>(nItem) >= m_heights.size())
        m_heights.resize(static_cast<std::size_t>(m_pView->Count()), 0);
    if (static_cast<std::size_t>(nItem) >= m_heights.size())
        return QSize(nWidth, Measure(nItem, nWidth));
    int& nHeight = m_heights[static_cast<std::size_t>(nItem)];
    if (nHeight == 0)
        nHeight = Measure(nItem, nWidth);
    return QSize(nWidth, nHeight);
}

int OwnerDelegate::Measure(int nItem, int nWidth) const
{
    CListBox* pList = m_pView->Owner();
    const int nDefault = m_pView->fontMetrics().height();
    if (!pList)
        return nDefault;
    MEASUREITEMSTRUCT mis = {ODT_LISTBOX,
                             static_cast<UINT>(pList->GetDlgCtrlID()),
                             static_cast<UINT>(nItem),
                             static_cast<UINT>(nWidth),
                             static_cast<UINT>(nDefault),
                             0};
    CWnd* pParent = pList->GetParent();
    if (pParent)
        pParent->SendMessage(WM_MEASUREITEM, mis.CtlID, reinterpret_cast<LPARAM>(&mis));
    // An item of no height could never be seen or chosen.
    return std::max(1, static_cast<int>(std::min<UINT>(mis.itemHeight, 0x7FFF)));
}

ListView* View(const CWnd* pWnd)
{
    return static_cast<ListView*>(PlatformWidget(pWnd));
}

}  // namespace

CListBox::CListBox() = default;

CListBox::~CListBox() = default;

QWidget* CListBox::CreateNativeWidget(QWidget* pParent)
{
    const CWndImpl* pImpl = CWndImpl::Of(this);
    auto* pView = new ListView(pParent);
    pView->setVerticalScrollBarPolicy((pImpl->style & LBS_DISABLENOSCROLL) ? Qt::ScrollBarAlwaysOn
                                                                           : Qt::ScrollBarAsNeeded);
    if (!(pImpl->style & WS_BORDER))
        pView->setFrameShape(QFrame::NoFrame);
    // Whole items scroll by a line of text at a time.
    pView->verticalScrollBar()->setSingleStep(pView->fontMetrics().height());
    return pView;
}

int CListBox::SetCount(int nItems)
{
    ListView* pView = View(this);
    if (!pView || nItems < 0)
        return LB_ERR;
    pView->SetCount(nItems);
    return LB_OKAY;
}

int CListBox::GetCount() const
{
    const ListView* pView = View(this);
    return pView ? pView->Count() : LB_ERR;
}

int CListBox::SetCurSel(int nSelect)
{
    ListView* pView = View(this);
    if (!pView)
        return LB_ERR;
    if (nSelect < -1 || nSelect >= pView->Count()) {
        pView->Select(-1);
        return LB_ERR;
    }
    pView->Select(nSelect);
    if (nSelect >= 0)
        EnsureVisible(nSelect);
    return nSelect;
}

int CListBox::GetCurSel() const
{
    const ListView* pView = View(this);
    return pView ? pView->Selected() : LB_ERR;
}

BOOL CListBox::EnsureVisible(int nIndex)
{
    ListView* pView = View(this);
    if (!pView || nIndex < 0 || nIndex >= pView->Count())
        return FALSE;
    pView->scrollTo(pView->Index(nIndex), QAbstractItemView::EnsureVisible);
    return TRUE;
}

int CListBox::GetTopIndex() const
{
    const ListView* pView = View(this);
    if (!pView || pView->Count() == 0)
        return LB_ERR;
    const QModelIndex index = pView->indexAt(QPoint(0, 0));
    return index.isValid() ? index.row() : 0;
}

int CListBox::SetTopIndex(int nIndex)
{
    ListView* pView = View(this);
    if (!pView || nIndex < 0 || nIndex >= pView->Count())
        return LB_ERR;
    pView->scrollTo(pView->Index(nIndex), QAbstractItemView::PositionAtTop);
    return LB_OKAY;
}

int CListBox::GetItemRect(int nIndex, LPRECT lpRect) const
{
    const ListView* pView = View(this);
    if (!pView || !lpRect || nIndex < 0 || nIndex >= pView->Count())
        return LB_ERR;
    *lpRect = ToRECT(pView->ItemRect(nIndex).translated(pView->viewport()->pos()));
    return LB_OKAY;
}

int CListBox::ItemFromPoint(CPoint pt) const
{
    const ListView* pView = View(this);
    if (!pView)
        return LB_ERR;
    const QPoint inViewport = QPoint(pt.x, pt.y) - pView->viewport()->pos();
    if (!pView->viewport()->rect().contains(inViewport))
        return LB_ERR;
    const QModelIndex index = pView->indexAt(inViewport);
    return index.isValid() ? index.row() : LB_ERR;
}
