// SPDX-License-Identifier: MIT
#include "platform/testing/TestingDialogs.h"

#include "platform/DialogPrivate.h"
#include "platform/GdiPrivate.h"
#include "platform/WndPrivate.h"
#include "platform/testing/SeamHooks.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QToolButton>

#include <deque>

namespace Testing {

// The innermost live set of scripts answers; an outer one waits its turn.
struct ScriptedDialogs::State {
    std::deque<Script> scripts;
    std::vector<UINT> opened;
    std::vector<std::string> faults;
    State* pOuter = nullptr;
};

namespace {

ScriptedDialogs::State* g_pScripts = nullptr;

QWidget* ControlWidget(const CDialog& dialog, int nID)
{
    return PlatformWidget(dialog.GetDlgItem(nID));
}

void SendClick(QWidget* pWidget, QPoint point)
{
    const QPointF global = pWidget->mapToGlobal(QPointF(point));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(point), global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pWidget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(point), global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(pWidget, &release);
}

void SendKey(QWidget* pWidget, int nKey, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, nKey, Qt::NoModifier, text);
    QApplication::sendEvent(pWidget, &press);
    QKeyEvent release(QEvent::KeyRelease, nKey, Qt::NoModifier, text);
    QApplication::sendEvent(pWidget, &release);
}

// Where a control takes its keys: the combo box's edit field, else itself.
QWidget* KeyTarget(QWidget* pWidget)
{
    if (auto* pCombo = qobject_cast<QComboBox*>(pWidget)) {
        if (pCombo->lineEdit())
            return pCombo->lineEdit();
    }
    return pWidget;
}

void Focus(const CDialog& dialog, int nID)
{
    if (CWnd* pControl = dialog.GetDlgItem(nID))
        pControl->SetFocus();
}

int QtKey(int nVirtKey)
{
    switch (nVirtKey) {
    case VK_RETURN:
        return Qt::Key_Return;
    case VK_ESCAPE:
        return Qt::Key_Escape;
    case VK_UP:
        return Qt::Key_Up;
    case VK_DOWN:
        return Qt::Key_Down;
    default:
        return 0;
    }
}

}  // namespace

ScriptedDialogs::ScriptedDialogs() : m_pState(std::make_unique<State>())
{
    seams::InstallHooks();
    m_pState->pOuter = g_pScripts;
    g_pScripts = m_pState.get();
}

ScriptedDialogs::~ScriptedDialogs()
{
    g_pScripts = m_pState->pOuter;
}

void ScriptedDialogs::Queue(Script script)
{
    m_pState->scripts.push_back(std::move(script));
}

size_t ScriptedDialogs::ScriptsLeft() const
{
    return m_pState->scripts.size();
}

const std::vector<UINT>& ScriptedDialogs::Opened() const
{
    return m_pState->opened;
}

const std::vector<std::string>& ScriptedDialogs::Faults() const
{
    return m_pState->faults;
}

void TypeInto(CDialog& dialog, int nID, const std::u16string& text)
{
    QWidget* pTarget = KeyTarget(ControlWidget(dialog, nID));
    if (!pTarget)
        return;
    Focus(dialog, nID);
    if (auto* pEdit = qobject_cast<QLineEdit*>(pTarget))
        pEdit->selectAll();
    if (text.empty())
        SendKey(pTarget, Qt::Key_Backspace, QString());
    for (const char16_t ch : text)
        SendKey(pTarget, 0, QString(QChar(ch)));
}

void PressKey(CDialog& dialog, int nID, int nVirtKey)
{
    QWidget* pTarget = KeyTarget(ControlWidget(dialog, nID));
    if (!pTarget)
        return;
    Focus(dialog, nID);
    const QString text = nVirtKey == VK_RETURN   ? QStringLiteral("\r")
                         : nVirtKey == VK_ESCAPE ? QString(QChar(0x1B))
                                                 : QString();
    SendKey(pTarget, QtKey(nVirtKey), text);
}

void Click(CDialog& dialog, int nID)
{
    QWidget* pWidget = ControlWidget(dialog, nID);
    if (!pWidget)
        return;
    // Check boxes and radio buttons take the click on their box.
    const bool bBox = qobject_cast<QCheckBox*>(pWidget) || qobject_cast<QRadioButton*>(pWidget);
    const QPoint point =
        bBox ? QPoint(std::min(6, pWidget->width() / 2), pWidget->height() / 2) : pWidget->rect().center();
    SendClick(pWidget, point);
}

void ChooseFromList(CDialog& dialog, int nID, int nIndex)
{
    auto* pCombo = qobject_cast<QComboBox*>(ControlWidget(dialog, nID));
    if (!pCombo || nIndex < 0 || nIndex >= pCombo->count())
        return;
    pCombo->showPopup();
    QAbstractItemView* pView = pCombo->view();
    const QModelIndex index = pView->model()->index(nIndex, pCombo->modelColumn());
    pView->scrollTo(index);
    SendClick(pView->viewport(), pView->visualRect(index).center());
    if (pView->isVisible())
        pCombo->hidePopup();
}

void ClickSpin(CDialog& dialog, int nID, BOOL bUp, int nTimes)
{
    QWidget* pSpin = ControlWidget(dialog, nID);
    if (!pSpin)
        return;
    auto* pArrow = pSpin->findChild<QToolButton*>(bUp ? QStringLiteral("up") : QStringLiteral("down"));
    for (int n = 0; pArrow && n < nTimes; ++n)
        SendClick(pArrow, pArrow->rect().center());
}

void PressOK(CDialog& dialog)
{
    Click(dialog, IDOK);
}

void PressCancel(CDialog& dialog)
{
    Click(dialog, IDCANCEL);
}

void PressCaptionOK(CDialog& dialog)
{
    QWidget* pDialog = PlatformWidget(&dialog);
    if (!pDialog)
        return;
    if (auto* pButton = pDialog->findChild<QToolButton*>(QStringLiteral("captionOk"), Qt::FindDirectChildrenOnly))
        SendClick(pButton, pButton->rect().center());
}

BOOL IsOpen(const CDialog& dialog)
{
    return dialog.IsModalOpen();
}

int FocusedControl(const CDialog& dialog)
{
    QWidget* pDialog = PlatformWidget(&dialog);
    QWidget* pFocus = pDialog ? pDialog->focusWidget() : nullptr;
    CWnd* pWnd = pFocus ? PlatformWndAt(pFocus) : nullptr;
    return pWnd && pWnd != &dialog ? pWnd->GetDlgCtrlID() : 0;
}

CRect ControlRect(const CDialog& dialog, int nID)
{
    QWidget* pWidget = ControlWidget(dialog, nID);
    if (!pWidget)
        return CRect();
    const QRect r = pWidget->geometry();
    return CRect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
}

std::u16string ShownText(const CDialog& dialog, int nID)
{
    QWidget* pWidget = ControlWidget(dialog, nID);
    QString text;
    if (auto* pLabel = qobject_cast<QLabel*>(pWidget)) {
        text = pLabel->text();
    } else if (auto* pButton = qobject_cast<QAbstractButton*>(pWidget)) {
        text = pButton->text();
        text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(u'&').replace(u'\x01', u'&');
    } else if (auto* pGroup = qobject_cast<QGroupBox*>(pWidget)) {
        text = pGroup->title();
    } else if (auto* pEdit = qobject_cast<QLineEdit*>(pWidget)) {
        text = pEdit->text();
    } else if (auto* pText = qobject_cast<QPlainTextEdit*>(pWidget)) {
        text = pText->toPlainText();
    } else if (auto* pCombo = qobject_cast<QComboBox*>(pWidget)) {
        text = pCombo->currentText();
    }
    return text.toStdU16String();
}

std::vector<std::u16string> ShownLines(const CDialog& dialog, int nID, BOOL* pbAllInside)
{
    std::vector<std::u16string> lines;
    auto* pLabel = qobject_cast<QLabel*>(ControlWidget(dialog, nID));
    const CWnd* pControl = dialog.GetDlgItem(nID);
    if (pbAllInside)
        *pbAllInside = FALSE;
    if (!pLabel || !pControl)
        return lines;
    // The lines the control paints: DrawText's breaking, at its width.
    const bool bEditControl = (pControl->GetStyle() & SS_EDITCONTROL) != 0;
    const QStringList shown = PlatformWrapText(pLabel->text(), pLabel->font(), pLabel->width(), bEditControl);
    const QFontMetrics fm(pLabel->font());
    bool bInside = static_cast<int>(shown.size()) * fm.height() <= pLabel->height();
    for (const QString& line : shown) {
        lines.push_back(ToU16(line));
        bInside = bInside && (fm.horizontalAdvance(line) <= pLabel->width() || line.size() <= 1);
    }
    if (pbAllInside)
        *pbAllInside = bInside ? TRUE : FALSE;
    return lines;
}

namespace {

// The colour at (x, y) of a widget's grabbed image, which may be larger than
// the widget on a high-density screen.
COLORREF ImagePixel(const QImage& image, const QWidget* pWidget, int x, int y)
{
    if (x < 0 || y < 0 || x >= pWidget->width() || y >= pWidget->height())
        return 0xFFFFFFFF;
    return PlatformColorRef(
        QColor(image.pixel(x * image.width() / pWidget->width(), y * image.height() / pWidget->height())));
}

COLORREF WidgetPixel(QWidget* pWidget, int x, int y)
{
    return pWidget ? ImagePixel(pWidget->grab().toImage(), pWidget, x, y) : 0xFFFFFFFF;
}

}  // namespace

COLORREF ControlPixel(const CDialog& dialog, int nID, int x, int y)
{
    return WidgetPixel(ControlWidget(dialog, nID), x, y);
}

COLORREF DialogPixel(const CDialog& dialog, int x, int y)
{
    return WidgetPixel(PlatformClientWidget(&dialog), x, y);
}

int CountDialogPixels(const CDialog& dialog, const RECT& rect, COLORREF color)
{
    QWidget* pClient = PlatformClientWidget(&dialog);
    if (!pClient)
        return 0;
    const QImage image = pClient->grab().toImage();
    int nCount = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            nCount += ImagePixel(image, pClient, x, y) == color ? 1 : 0;
    return nCount;
}

namespace seams {

bool RunModalDialog(CDialog& dialog)
{
    ScriptedDialogs::State* pState = g_pScripts;
    if (!pState)
        return false;
    pState->opened.push_back(dialog.GetTemplateID());
    QApplication::processEvents();
    if (pState->scripts.empty()) {
        pState->faults.push_back("dialog " + std::to_string(dialog.GetTemplateID()) + " opened with no script");
    } else {
        ScriptedDialogs::Script script = std::move(pState->scripts.front());
        pState->scripts.pop_front();
        script(dialog);
        if (dialog.IsModalOpen())
            pState->faults.push_back("script left dialog " + std::to_string(dialog.GetTemplateID()) + " open");
    }
    if (dialog.IsModalOpen())
        dialog.EndDialog(IDCANCEL);
    return true;
}

}  // namespace seams

}  // namespace Testing
