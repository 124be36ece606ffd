// SPDX-License-Identifier: MIT
#include "platform/Edit.h"

#include "platform/DialogPrivate.h"
#include "platform/QtConvert.h"
#include "platform/WndPrivate.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace {

QLineEdit* LineEdit(const CWnd* pWnd)
{
    return static_cast<QLineEdit*>(PlatformWidget(pWnd));
}

}  // namespace

CEdit::CEdit() = default;

CEdit::~CEdit() = default;

QWidget* CEdit::CreateNativeWidget(QWidget* pParent)
{
    const CWndImpl* pImpl = CWndImpl::Of(this);
    auto* pEdit = new QLineEdit(pParent);
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
