// SPDX-License-Identifier: MIT
#include "platform/Edit.h"

#include "platform/DialogPrivate.h"
#include "platform/QtConvert.h"
#include "platform/WndPrivate.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace {

QLineEdit* LineEdit(const CWnd* pWnd)
{
    return qobject_cast<QLineEdit*>(PlatformWidget(pWnd));
}

QPlainTextEdit* TextEdit(const CWnd* pWnd)
{
    return qobject_cast<QPlainTextEdit*>(PlatformWidget(pWnd));
}

// ES_MULTILINE: lines wrap at the edge, long words too; a vertical scroll
// bar comes with WS_VSCROLL when the text is longer than the control.
QWidget* MultiLineEdit(const CWndImpl* pImpl, QWidget* pParent)
{
    auto* pEdit = new QPlainTextEdit(pParent);
    pEdit->setFrameShape((pImpl->style & WS_BORDER) ? QFrame::StyledPanel : QFrame::NoFrame);
    pEdit->setReadOnly((pImpl->style & ES_READONLY) != 0);
    pEdit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    pEdit->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    pEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pEdit->setVerticalScrollBarPolicy((pImpl->style & WS_VSCROLL) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    pEdit->setTabChangesFocus(true);
    pEdit->setFocusPolicy((pImpl->style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
    pEdit->setPlainText(ToQString(pImpl->text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QObject::connect(pEdit, &QPlainTextEdit::textChanged, pEdit,
                     [pEdit]() { dlg::NotifyParent(PlatformWndFromWidget(pEdit), EN_CHANGE); });
    dlg::TrackFocus(pEdit);
    return pEdit;
}

}  // namespace

CEdit::CEdit() = default;

CEdit::~CEdit() = default;

QWidget* CEdit::CreateNativeWidget(QWidget* pParent)
{
    const CWndImpl* pImpl = CWndImpl::Of(this);
    if (pImpl->style & ES_MULTILINE)
        return MultiLineEdit(pImpl, pParent);
    auto* pEdit = new QLineEdit(pParent);
    pEdit->setReadOnly((pImpl->style & ES_READONLY) != 0);
    pEdit->setFrame((pImpl->style & WS_BORDER) != 0);
    if (pImpl->style & ES_NUMBER) {
        static const QRegularExpression digits(QStringLiteral("[0-9]*"));
        pEdit->setValidator(new QRegularExpressionValidator(digits, pEdit));
    }
    pEdit->setFocusPolicy((pImpl->style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
    pEdit->setText(ToQString(pImpl->text));
    // Typed or set, every change is reported, as the dialogs expect.
    QObject::connect(pEdit, &QLineEdit::textChanged, pEdit,
                     [pEdit]() { dlg::NotifyParent(PlatformWndFromWidget(pEdit), EN_CHANGE); });
    dlg::TrackFocus(pEdit);
    return pEdit;
}

LRESULT CEdit::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // A multi-line edit's lines end in "\r\n", as the text the program gives
    // and takes; a lone "\n" breaks a line too.
    if (QPlainTextEdit* pText = TextEdit(this)) {
        if (message == WM_SETTEXT) {
            QString text = ToQString(lParam ? reinterpret_cast<LPCTSTR>(lParam) : u"");
            text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            if (pText->toPlainText() == text)
                dlg::NotifyParent(this, EN_CHANGE);
            else
                pText->setPlainText(text);
            return TRUE;
        }
        if (message == WM_GETTEXT) {
            const std::u16string text = ToU16(pText->toPlainText().replace(u'\n', QStringLiteral("\r\n")));
            if (lParam)
                *reinterpret_cast<CString*>(lParam) = CString(text);
            return static_cast<LRESULT>(text.size());
        }
    }
    QLineEdit* pEdit = LineEdit(this);
    if (pEdit && message == WM_SETTEXT) {
        const QString text = ToQString(lParam ? reinterpret_cast<LPCTSTR>(lParam) : u"");
        if (pEdit->text() == text)
            dlg::NotifyParent(this, EN_CHANGE);  // setText would stay silent
        else
            pEdit->setText(text);
        return TRUE;
    }
    if (pEdit && message == WM_GETTEXT) {
        const std::u16string text = ToU16(pEdit->text());
        if (lParam)
            *reinterpret_cast<CString*>(lParam) = CString(text);
        return static_cast<LRESULT>(text.size());
    }
    return CWnd::DefWindowProc(message, wParam, lParam);
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL)
{
    QLineEdit* pEdit = LineEdit(this);
    if (!pEdit)
        return;
    const int nLength = static_cast<int>(pEdit->text().size());
    if (nStartChar == -1) {
        pEdit->deselect();
        return;
    }
    if (nEndChar < 0 || nEndChar > nLength)
        nEndChar = nLength;
    nStartChar = std::min(std::max(nStartChar, 0), nLength);
    pEdit->setSelection(nStartChar, nEndChar - nStartChar);
}

void CEdit::GetSel(int& nStartChar, int& nEndChar) const
{
    QLineEdit* pEdit = LineEdit(this);
    nStartChar = nEndChar = 0;
    if (!pEdit)
        return;
    if (pEdit->hasSelectedText()) {
        nStartChar = static_cast<int>(pEdit->selectionStart());
        nEndChar = static_cast<int>(pEdit->selectionEnd());
    } else {
        nStartChar = nEndChar = static_cast<int>(pEdit->cursorPosition());
    }
}

void CEdit::SetLimitText(UINT nMax)
{
    if (QLineEdit* pEdit = LineEdit(this))
        pEdit->setMaxLength(nMax == 0 ? 32767 : static_cast<int>(std::min<UINT>(nMax, 32767)));
}
