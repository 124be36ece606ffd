// SPDX-License-Identifier: MIT
#pragma once

// Modal dialogs built from the dialog templates of the resource set
// (AfxGetResources): the template's position and sizes are in dialog units,
// turned into pixels with the base units of the template's font (a quarter of
// the average character width across, an eighth of its height down); its
// controls are created in template order, which is also the tab order, with
// their ids. DoModal shows the dialog over its owner (the main window unless
// one is given) and returns IDOK or IDCANCEL, or -1 when the template is
// missing. Button clicks, edit changes, combo box choices and spin steps reach
// the dialog's message table as ON_BN_CLICKED, ON_EN_CHANGE, ON_CBN_SELCHANGE
// and ON_NOTIFY(UDN_DELTAPOS, ...) entries.

#include "platform/Button.h"
#include "platform/ComboBox.h"
#include "platform/DataExchange.h"
#include "platform/Edit.h"
#include "platform/Resource.h"
#include "platform/SpinButtonCtrl.h"
#include "platform/Static.h"
#include "platform/Wnd.h"

#include <memory>
#include <vector>

class QEventLoop;

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    virtual INT_PTR DoModal();
    void EndDialog(int nResult);

    // Base initialisation: fills the controls from the fields. Returning TRUE
    // puts the focus on the first control that takes it.
    virtual BOOL OnInitDialog();
    // OK: reads and checks the fields, closes with IDOK only when all are good.
    virtual void OnOK();
    virtual void OnCancel();

    // FALSE: fields to controls; TRUE: controls to fields, with the checks.
    // Returns FALSE when a check failed (the user has been told).
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    void SetDlgItemText(int nID, LPCTSTR lpszString);
    int GetDlgItemText(int nID, CString& rString) const;
    void CheckDlgButton(int nIDButton, UINT nCheck);
    void GotoDlgCtrl(CWnd* pWndCtrl);

    // Centres the dialog over its owner (or pAlternateOwner), else the screen.
    void CenterWindow(CWnd* pAlternateOwner = nullptr);
    // Dialog units to pixels with this dialog's font.
    void MapDialogRect(LPRECT lpRect) const;

    UINT GetTemplateID() const { return m_nIDTemplate; }
    // The window the dialog opens over (null: the desktop), which is also
    // what GetParent gives for the dialog, as for any owned pop-up.
    CWnd* GetOwner() const;
    CWnd* GetParent() const;
    BOOL IsModalOpen() const;
    // The control that takes the place of a template control (DDX_Control).
    BOOL SubclassDlgItem(UINT nID, CWnd& rControl);

protected:
    virtual void DoDataExchange(CDataExchange* pDX);

    QWidget* CreateNativeWidget(QWidget* pParent) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateFromTemplate(const DialogResource& dialog);
    BOOL CreateControl(const DialogItemResource& item);
    void FocusFirstControl();

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    std::vector<std::unique_ptr<CWnd>> m_controls;  // the template's controls the dialog owns
    int m_nModalResult = -1;
    BOOL m_bInModal = FALSE;
    QEventLoop* m_pLoop = nullptr;
    int m_nLockout = 0;
    int m_nBaseUnitX = 0;
    int m_nBaseUnitY = 0;
};
