// SPDX-License-Identifier: MIT
#include "platform/ComboBox.h"

#include "platform/DialogPrivate.h"
#include "platform/QtConvert.h"
#include "platform/WndPrivate.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>

namespace {

// Qt reports as "activated" both a choice from the list and text typed into
// the edit field that happens to match an entry (on Return or when the field
// loses the focus). Only the first is a selection change here: a pick in the
// dropped-down list, or the arrow, page or wheel keys stepping through it.
class ComboWidget : public QComboBox {
public:
    explicit ComboWidget(QWidget* pParent) : QComboBox(pParent) { }

    // Whether the activation being reported is the user's choice; a choice
    // from the closing list counts once.
    bool TakeUserChoice()
    {
        const bool bChoice = m_bChoosing;
        if (m_nKeyDepth == 0)
            m_bChoosing = false;
        return bChoice;
    }

    void hidePopup() override
    {
        // The list emits its choice right after closing.
        m_bChoosing = true;
        QComboBox::hidePopup();
        QTimer::singleShot(0, this, [this]() { m_bChoosing = false; });
    }

protected:
    void keyPressEvent(QKeyEvent* pEvent) override
    {
        switch (pEvent->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            Choose([&]() { QComboBox::keyPressEvent(pEvent); });
            break;
        default:
            QComboBox::keyPressEvent(pEvent);
        }
    }

    void wheelEvent(QWheelEvent* pEvent) override
    {
        Choose([&]() { QComboBox::wheelEvent(pEvent); });
    }

private:
    template <class Action> void Choose(Action action)
    {
        const bool bOld = m_bChoosing;
        m_bChoosing = true;
        ++m_nKeyDepth;
        action();
        --m_nKeyDepth;
        m_bChoosing = bOld;
    }

    bool m_bChoosing = false;
    int m_nKeyDepth = 0;
};

QComboBox* Combo(const CWnd* pWnd)
{
    return static_cast<QComboBox*>(PlatformWidget(pWnd));
}

bool IsEditable(DWORD dwStyle)
{
    return (dwStyle & 0x3) == CBS_DROPDOWN || (dwStyle & 0x3) == CBS_SIMPLE;
}

// Inserting into an empty list makes Qt select the first entry; the list
// keeps no selection (and the edit field its text) unless told.
template <class Insert> int InsertKeepingSelection(QComboBox* pCombo, Insert insert)
{
    const int nBefore = pCombo->currentIndex();
    const QString text = pCombo->isEditable() ? pCombo->lineEdit()->text() : QString();
    const int nIndex = insert();
    if (nBefore == -1 && pCombo->currentIndex() != -1) {
        const QSignalBlocker block(pCombo);
        pCombo->setCurrentIndex(-1);
        if (pCombo->isEditable()) {
            const QSignalBlocker blockEdit(pCombo->lineEdit());
            pCombo->lineEdit()->setText(text);
        }
    }
    return nIndex;
}

}  // namespace

CComboBox::CComboBox() = default;

CComboBox::~CComboBox() = default;

QWidget* CComboBox::CreateNativeWidget(QWidget* pParent)
{
    const CWndImpl* pImpl = CWndImpl::Of(this);
    auto* pCombo = new ComboWidget(pParent);
    pCombo->setFocusPolicy((pImpl->style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
    if (IsEditable(pImpl->style)) {
        pCombo->setEditable(true);
        QLineEdit* pEdit = pCombo->lineEdit();
        pCombo->setInsertPolicy(QComboBox::NoInsert);
        pCombo->setCompleter(nullptr);
        pEdit->setText(ToQString(pImpl->text));
        QObject::connect(pEdit, &QLineEdit::textEdited, pCombo,
                         [pCombo]() { dlg::NotifyParent(PlatformWndFromWidget(pCombo), CBN_EDITCHANGE); });
        dlg::TrackFocus(pEdit);
    }
    QObject::connect(pCombo, qOverload<int>(&QComboBox::activated), pCombo, [pCombo]() {
        if (pCombo->TakeUserChoice())
            dlg::NotifyParent(PlatformWndFromWidget(pCombo), CBN_SELCHANGE);
    });
    dlg::TrackFocus(pCombo);
    return pCombo;
}

int CComboBox::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    // The template's height is that of the dropped-down list; the box itself
    // is as high as its edit field.
    QComboBox* pCombo = Combo(this);
    const int nListHeight = pCombo->height();
    const int nBoxHeight = pCombo->sizeHint().height();
    const int nItemHeight = std::max(1, pCombo->fontMetrics().height() + 2);
    pCombo->setMaxVisibleItems(std::max(1, (nListHeight - nBoxHeight) / nItemHeight));
    pCombo->resize(pCombo->width(), nBoxHeight);
    return 0;
}

BEGIN_MESSAGE_MAP(CComboBox, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

LRESULT CComboBox::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    QComboBox* pCombo = Combo(this);
    if (pCombo && message == WM_SETTEXT) {
        const QString text = ToQString(lParam ? reinterpret_cast<LPCTSTR>(lParam) : u"");
        if (pCombo->isEditable())
            pCombo->lineEdit()->setText(text);
        return TRUE;
    }
    if (pCombo && message == WM_GETTEXT) {
        const std::u16string text = ToU16(pCombo->currentText());
        if (lParam)
            *reinterpret_cast<CString*>(lParam) = CString(text);
        return static_cast<LRESULT>(text.size());
    }
    return CWnd::DefWindowProc(message, wParam, lParam);
}

int CComboBox::AddString(LPCTSTR lpszString)
{
    QComboBox* pCombo = Combo(this);
    if (!pCombo)
        return CB_ERR;
    const QString text = ToQString(lpszString ? lpszString : u"");
    return InsertKeepingSelection(pCombo, [&]() {
        int nIndex = pCombo->count();
        if (GetStyle() & CBS_SORT) {
            // After the entries that sort before it or equal to it.
            int nLow = 0;
            int nHigh = pCombo->count();
            while (nLow < nHigh) {
                const int nMid = (nLow + nHigh) / 2;
                if (dlg::ListTextLess(text, pCombo->itemText(nMid)))
                    nHigh = nMid;
                else
                    nLow = nMid + 1;
            }
            nIndex = nLow;
        }
        pCombo->insertItem(nIndex, text);
        return nIndex;
    });
}

int CComboBox::GetCount() const
{
    QComboBox* pCombo = Combo(this);
    return pCombo ? pCombo->count() : CB_ERR;
}

int CComboBox::GetLBText(int nIndex, CString& rString) const
{
    QComboBox* pCombo = Combo(this);
    if (!pCombo || nIndex < 0 || nIndex >= pCombo->count())
        return CB_ERR;
    rString = CString(ToU16(pCombo->itemText(nIndex)));
    return rString.GetLength();
}

int CComboBox::SetCurSel(int nSelect)
{
    QComboBox* pCombo = Combo(this);
    if (!pCombo)
        return CB_ERR;
    if (nSelect < -1 || nSelect >= pCombo->count()) {
        pCombo->setCurrentIndex(-1);
        return CB_ERR;
    }
    pCombo->setCurrentIndex(nSelect);
    return nSelect;
}

int CComboBox::GetCurSel() const
{
    QComboBox* pCombo = Combo(this);
    return pCombo ? pCombo->currentIndex() : CB_ERR;
}
