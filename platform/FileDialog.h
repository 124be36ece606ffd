// SPDX-License-Identifier: MIT
#pragma once

// The file open and save dialog, and file deletion.

#include "model/Types.h"
#include "platform/String.h"

class CWnd;

// Options of CFileDialog.
constexpr DWORD OFN_READONLY = 0x00000001;
constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;
constexpr DWORD OFN_HIDEREADONLY = 0x00000004;
constexpr DWORD OFN_NOCHANGEDIR = 0x00000008;
constexpr DWORD OFN_PATHMUSTEXIST = 0x00000800;
constexpr DWORD OFN_FILEMUSTEXIST = 0x00001000;

// What a file dialog opens with, besides its constructor's arguments.
struct OPENFILENAME {
    // The folder the dialog shows first; null, or a folder that is not
    // there, leaves the choice to the dialog.
    LPCTSTR lpstrInitialDir = nullptr;
};

class CFileDialog {
public:
    // lpszFilter holds description and pattern fields separated by '|' and
    // ends with "||"; several patterns in one field are separated by ';'.
    // lpszDefExt (without the dot) is added to a name given without an extension.
    explicit CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = nullptr, LPCTSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = nullptr,
                         CWnd* pParentWnd = nullptr);
    virtual ~CFileDialog();

    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;

    // IDOK with a chosen path, IDCANCEL (and no path) otherwise.
    virtual int DoModal();

    CString GetPathName() const;  // full path; empty unless DoModal returned IDOK
    // The folder of the chosen file; empty unless DoModal returned IDOK.
    CString GetFolderPath() const;

    OPENFILENAME m_ofn;

private:
    BOOL m_bOpenFileDialog;
    CString m_strDefExt;
    CString m_strFileName;
    DWORD m_dwFlags;
    CString m_strFilter;
    CWnd* m_pParentWnd;
    CString m_strPathName;
};

// Deletes a file; FALSE when it could not be deleted (absent, a folder, no right to).
BOOL DeleteFile(LPCTSTR lpFileName);

// Whether the folder is there and the user may make files in it.
BOOL IsWritableFolder(LPCTSTR lpszFolder);
