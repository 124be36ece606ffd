// SPDX-License-Identifier: MIT
#include "platform/Button.h"

#include "platform/DialogPrivate.h"
#include "platform/QtConvert.h"
#include "platform/WndPrivate.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include <algorithm>

namespace {

UINT TypeOf(DWORD dwStyle)
{
    return dwStyle & BS_TYPEMASK;
}

bool IsRadio(UINT nType)
{
    return nType == BS_RADIOBUTTON || nType == BS_AUTORADIOBUTTON;
}

bool IsCheckBox(UINT nType)
{
    return nType == BS_CHECKBOX || nType == BS_AUTOCHECKBOX;
}

// The group of a control: its siblings from the nearest WS_GROUP at or
// before it up to the next WS_GROUP.
std::vector<CWnd*> GroupOf(CWnd* pControl)
{
    const CWndImpl* pParentImpl = CWndImpl::Of(pControl->GetParent());
    if (!pParentImpl)
        return {pControl};
    const std::vector<CWnd*>& siblings = pParentImpl->children;
    const auto self = std::find(siblings.begin(), siblings.end(), pControl);
    if (self == siblings.end())
        return {pControl};
    auto first = self;
    while (first != siblings.begin() && !((*first)->GetStyle() & WS_GROUP))
        --first;
    std::vector<CWnd*> group;
    for (auto it = first; it != siblings.end(); ++it) {
        if (it != first && ((*it)->GetStyle() & WS_GROUP))
            break;
        group.push_back(*it);
    }
    return group;
}

// An automatic radio button clears the other automatic radio buttons of its group.
void ClearRadioGroup(CWnd* pButton)
{
    for (CWnd* pSibling : GroupOf(pButton)) {
        if (pSibling != pButton && TypeOf(pSibling->GetStyle()) == BS_AUTORADIOBUTTON)
            static_cast<CButton*>(pSibling)->SetCheck(BST_UNCHECKED);
    }
}

// The arrow keys move to the next or previous radio button of the group,
// round its ends; an automatic one is clicked on arriving.
void MoveInRadioGroup(CWnd* pButton, int nStep)
{
    std::vector<CWnd*> radios;
    for (CWnd* pSibling : GroupOf(pButton)) {
        if (IsRadio(TypeOf(pSibling->GetStyle())) && pSibling->IsWindowEnabled() && pSibling->IsWindowVisible())
            radios.push_back(pSibling);
    }
    const auto self = std::find(radios.begin(), radios.end(), pButton);
    if (radios.size() < 2 || self == radios.end())
        return;
    const auto nCount = static_cast<std::ptrdiff_t>(radios.size());
    CWnd* pNext = radios[static_cast<std::size_t>(((self - radios.begin()) + nStep + nCount) % nCount)];
    pNext->SetFocus();
    if (TypeOf(pNext->GetStyle()) == BS_AUTORADIOBUTTON) {
        if (auto* pWidget = qobject_cast<QAbstractButton*>(PlatformWidget(pNext)))
            pWidget->click();
    }
}

// Check boxes and radio buttons change their state only when they are
// automatic; a radio button stays checked when clicked again.
class CheckBox : public QCheckBox {
public:
    CheckBox(QWidget* pParent, bool bAuto) : QCheckBox(pParent), m_bAuto(bAuto) { }

protected:
    void nextCheckState() override
    {
        if (m_bAuto)
            QCheckBox::nextCheckState();
    }

private:
    bool m_bAuto;
};

class RadioButton : public QRadioButton {
public:
    RadioButton(QWidget* pParent, bool bAuto) : QRadioButton(pParent), m_bAuto(bAuto) { setAutoExclusive(false); }

protected:
    void keyPressEvent(QKeyEvent* pEvent) override
    {
        const int key = pEvent->key();
        CWnd* pWnd = PlatformWndFromWidget(this);
        if (pWnd && (key == Qt::Key_Up || key == Qt::Key_Left || key == Qt::Key_Down || key == Qt::Key_Right)) {
            MoveInRadioGroup(pWnd, (key == Qt::Key_Up || key == Qt::Key_Left) ? -1 : +1);
            return;
        }
        QRadioButton::keyPressEvent(pEvent);
    }

    void nextCheckState() override
    {
        if (!m_bAuto)
            return;
        setChecked(true);
        if (CWnd* pWnd = PlatformWndFromWidget(this))
            ClearRadioGroup(pWnd);
    }

private:
    bool m_bAuto;
};

// A group box as the original platform draws it: an etched frame on the
// whole rectangle, its top line through the middle of the title, which
// interrupts it near the left; nothing inside, so the controls it surrounds
// show untouched.
class GroupBox : public QGroupBox {
public:
    GroupBox(const QString& title, QWidget* pParent) : QGroupBox(title, pParent) { }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QFontMetrics metrics(font());
        const QRect frame = rect().adjusted(0, metrics.height() / 2 - 1, 0, 0);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(frame.adjusted(0, 0, -2, -2));
        painter.setPen(palette().color(QPalette::Light));
        painter.drawRect(frame.adjusted(1, 1, -1, -1));
        if (title().isEmpty())
            return;
        const int nFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic;
        QRect text =
            metrics.boundingRect(QRect(kTitleLeft, 0, width() - 2 * kTitleLeft, metrics.height()), nFlags, title());
        text.setHeight(metrics.height());
        painter.fillRect(text.adjusted(-1, 0, 1, 0), palette().color(QPalette::Window));
        style()->drawItemText(&painter, text, nFlags, palette(), isEnabled(), title(), QPalette::WindowText);
    }

private:
    static constexpr int kTitleLeft = 7;
};

// Shows what the button's DrawItem drew into an image of the button's size.
class OwnerDrawButton : public QAbstractButton {
public:
    explicit OwnerDrawButton(QWidget* pParent) : QAbstractButton(pParent) { }

protected:
    void paintEvent(QPaintEvent*) override
    {
        // At the screen's pixel ratio, so that what DrawItem draws stays sharp.
        m_image = PlatformNewImage(size(), devicePixelRatioF());
        if (m_image.isNull())
            return;
        m_image.fill(palette().color(QPalette::Button));
        if (auto* pButton = static_cast<CButton*>(PlatformWndFromWidget(this))) {
            CDC dc;
            PlatformAttachImage(dc, &m_image, nullptr);
            UINT nState = 0;
            if (isDown())
                nState |= ODS_SELECTED;
            if (!isEnabled())
                nState |= ODS_DISABLED;
            if (hasFocus())
                nState |= ODS_FOCUS;
            DRAWITEMSTRUCT dis = {ODT_BUTTON,
                                  static_cast<UINT>(pButton->GetDlgCtrlID()),
                                  0,
                                  ODA_DRAWENTIRE,
                                  nState,
                                  pButton->m_hWnd,
                                  dc.GetSafeHdc(),
                                  {0, 0, width(), height()},
                                  0};
            // The parent may draw it (WM_DRAWITEM); by default the button draws itself.
            CWnd* pParent = pButton->GetParent();
            if (!pParent || !pParent->SendMessage(WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis)))
                pButton->DrawItem(&dis);
        }
        QPainter painter(this);
        painter.drawImage(0, 0, m_image);
    }

private:
    QImage m_image;
};

}  // namespace

CButton::CButton() = default;

CButton::~CButton() = default;

QWidget* CButton::CreateNativeWidget(QWidget* pParent)
{
    const CWndImpl* pImpl = CWndImpl::Of(this);
    const UINT nType = TypeOf(pImpl->style);
    // Qt takes "&x" as the mnemonic and "&&" as an ampersand, as the caption means.
    const QString text = ToQString(pImpl->text);
    if (nType == BS_GROUPBOX) {
        // A frame behind the controls it surrounds, which takes no input.
        auto* pGroup = new GroupBox(text, pParent);
        pGroup->setAttribute(Qt::WA_TransparentForMouseEvents);
        pGroup->setFocusPolicy(Qt::NoFocus);
        pGroup->lower();
        return pGroup;
    }
    QAbstractButton* pButton = nullptr;
    if (IsCheckBox(nType)) {
        pButton = new CheckBox(pParent, nType == BS_AUTOCHECKBOX);
    } else if (IsRadio(nType)) {
        pButton = new RadioButton(pParent, nType == BS_AUTORADIOBUTTON);
    } else if (nType == BS_OWNERDRAW) {
        pButton = new OwnerDrawButton(pParent);
    } else {
        auto* pPush = new QPushButton(pParent);
        pPush->setDefault(nType == BS_DEFPUSHBUTTON);
        pButton = pPush;
    }
    pButton->setText(text);
    pButton->setFocusPolicy((pImpl->style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
    QObject::connect(pButton, &QAbstractButton::clicked, pButton,
                     [pButton]() { dlg::NotifyParent(PlatformWndFromWidget(pButton), BN_CLICKED); });
    dlg::TrackFocus(pButton);
    return pButton;
}

LRESULT CButton::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CWnd::DefWindowProc(message, wParam, lParam);
    if (message == WM_SETTEXT) {
        const QString text = ToQString(CWndImpl::Of(this)->text);
        QWidget* pWidget = PlatformWidget(this);
        if (auto* pGroup = qobject_cast<QGroupBox*>(pWidget))
            pGroup->setTitle(text);
        else if (auto* pButton = qobject_cast<QAbstractButton*>(pWidget))
            pButton->setText(text);
    }
    return result;
}

int CButton::GetCheck() const
{
    const auto* pButton = qobject_cast<QAbstractButton*>(PlatformWidget(this));
    if (!pButton || !pButton->isCheckable())
        return BST_UNCHECKED;
    return pButton->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

void CButton::SetCheck(int nCheck)
{
    auto* pButton = qobject_cast<QAbstractButton*>(PlatformWidget(this));
    if (pButton && pButton->isCheckable())
        pButton->setChecked(nCheck != BST_UNCHECKED);
}

void CButton::DrawItem(LPDRAWITEMSTRUCT)
{
    // A plain CButton has nothing to draw; owner-drawn buttons derive from it.
}
