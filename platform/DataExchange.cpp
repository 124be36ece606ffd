// SPDX-License-Identifier: MIT
#include "platform/DataExchange.h"

#include "model/Format.h"
#include "platform/Dialog.h"
#include "platform/DialogPrivate.h"
#include "platform/MessageBox.h"

#include <QDebug>

namespace {

void RangeMessage(int nMin, int nMax)
{
    AfxMessageBox(FormatText(u"Please enter an integer between %d and %d.", nMin, nMax), MB_ICONEXCLAMATION);
}

}  // namespace

CDataExchange::CDataExchange(CDialog* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
{
}

CWnd* CDataExchange::PrepareCtrl(int nIDC)
{
    CheckPending();
    CWnd* pControl = m_pDlgWnd ? m_pDlgWnd->GetDlgItem(nIDC) : nullptr;
    if (!pControl) {
        qWarning("Data exchange: dialog has no control %d", nIDC);
        throw CUserException();
    }
    m_idLastControl = nIDC;
    m_bEditLastControl = FALSE;
    return pControl;
}

CWnd* CDataExchange::PrepareEditCtrl(int nIDC)
{
    CWnd* pControl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return pControl;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_pDlgWnd) {
        // Back to the control that was read last, with its text selected.
        if (CWnd* pControl = m_pDlgWnd->GetDlgItem(m_idLastControl)) {
            pControl->SetFocus();
            if (m_bEditLastControl) {
                if (auto* pEdit = dynamic_cast<CEdit*>(pControl))
                    pEdit->SetSel(0, -1);
            }
        }
    }
    throw CUserException();
}

void CDataExchange::CheckPending()
{
    if (!m_bPendingNotInteger)
        return;
    // An integer field without a range check after it.
    m_bPendingNotInteger = FALSE;
    AfxMessageBox(u"Please enter an integer.", MB_ICONEXCLAMATION);
    Fail();
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    CWnd* pControl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        CString text;
        pControl->GetWindowText(text);
        if (const auto parsed = dlg::ParseInteger(text))
            value = *parsed;
        else
            pDX->m_bPendingNotInteger = TRUE;  // the range check that follows says what is wanted
    } else {
        pControl->SetWindowText(FormatText(u"%d", value).c_str());
    }
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    CWnd* pControl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        pControl->GetWindowText(value);
    else
        pControl->SetWindowText(value.GetString());
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    auto* pButton = dynamic_cast<CButton*>(pDX->PrepareCtrl(nIDC));
    if (!pButton)
        return;
    if (pDX->m_bSaveAndValidate) {
        value = pButton->GetCheck();
    } else {
        if (value < 0 || value > static_cast<int>(BST_INDETERMINATE))
            value = BST_UNCHECKED;
        pButton->SetCheck(value);
    }
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd)
        return;
    pDX->PrepareCtrl(nIDC);
    if (!pDX->m_pDlgWnd->SubclassDlgItem(static_cast<UINT>(nIDC), rControl)) {
        qWarning("Data exchange: control %d cannot be taken over", nIDC);
        throw CUserException();
    }
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    if (!pDX->m_bSaveAndValidate)
        return;
    if (pDX->m_bPendingNotInteger || value < minVal || value > maxVal) {
        pDX->m_bPendingNotInteger = FALSE;
        RangeMessage(minVal, maxVal);
        pDX->Fail();
    }
}
