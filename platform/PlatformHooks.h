// SPDX-License-Identifier: MIT
#pragma once

// The few places where a test takes the user's part: message boxes, file
// dialogs, modal dialogs and the settings store. The program installs no
// hooks, and then each place does what it does on a real display; the test
// library installs its own to script them. Internal to platform/ and its
// test library.

#include "model/Types.h"

#include <optional>
#include <string>
#include <vector>

class CDialog;

// What a file dialog was asked to show; filters in the "desc (patterns)" form.
struct FileDialogRequest {
    bool bOpen = true;
    std::u16string strDefExt;
    std::u16string strFileName;
    std::u16string strInitialDir;  // an existing folder, or empty
    DWORD dwFlags = 0;
    std::vector<std::u16string> filters;
};

// How a scripted print dialog prints: into a PDF file, on paper of this
// size in points, as the dialog's "Print to File" would.
struct PrintDialogAnswer {
    std::u16string strPdfPath;
    double dWidth = 0;
    double dHeight = 0;
    int nFromPage = 0;  // the pages chosen, from 1; 0 and 0 for all
    int nToPage = 0;
};

class PlatformHooks {
public:
    virtual ~PlatformHooks() = default;

    // Each of these returns true when it answered in the user's place, and
    // false to let the real window open.

    // nResult: IDOK, IDCANCEL, IDYES or IDNO.
    virtual bool AnswerMessageBox(const std::u16string& strText, UINT nType, int& nResult) = 0;
    // path: the name as the user typed it (DoModal still completes it), or
    // none for a cancel.
    virtual bool AnswerFileDialog(const FileDialogRequest& request, std::optional<std::u16string>& path) = 0;
    // Works the open, initialised dialog and leaves it ended.
    virtual bool RunModalDialog(CDialog& dialog) = 0;
    // answer: how to print, or none for a cancel.
    virtual bool AnswerPrintDialog(std::optional<PrintDialogAnswer>& /*answer*/) { return false; }

    // The folder that holds the profile in place of the user's own store, or
    // empty for the user's own.
    virtual std::u16string SettingsFolder() = 0;

    // The hooks in place, null unless a test installed some.
    static PlatformHooks* Installed();
    // Puts pHooks in place (null removes them) and returns the ones before.
    static PlatformHooks* Install(PlatformHooks* pHooks);
};
