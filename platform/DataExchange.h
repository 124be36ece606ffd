// SPDX-License-Identifier: MIT
#pragma once

// Dialog data exchange: DoDataExchange calls the DDX_ functions for its
// fields, each moving one field to its control (m_bSaveAndValidate FALSE) or
// from it (TRUE), and DDV_ functions right after a DDX_ to check what was
// read. A failed check tells the user, puts the focus back in that control and
// stops the exchange: UpdateData returns FALSE and the dialog stays open.

#include "platform/String.h"
#include "platform/WinDef.h"

class CDialog;
class CWnd;

// Thrown by Fail and caught by UpdateData.
class CUserException { };

class CDataExchange {
public:
    CDataExchange(CDialog* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate;
    CDialog* m_pDlgWnd;
    int m_idLastControl = 0;
    BOOL m_bEditLastControl = FALSE;

    // The control with that id, remembered for the DDV_ that may follow;
    // a missing control is a programming error and fails the exchange.
    CWnd* PrepareCtrl(int nIDC);
    CWnd* PrepareEditCtrl(int nIDC);

    // Focus (and selection, for an edit) back to the last control; throws.
    [[noreturn]] void Fail();

    // Set by an integer DDX_Text whose text is no integer; a DDV_MinMaxInt
    // right after it reports the range instead.
    BOOL m_bPendingNotInteger = FALSE;
    void CheckPending();
};

void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// Makes rControl the window of control nIDC (the first time only).
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
