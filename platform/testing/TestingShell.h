// SPDX-License-Identifier: MIT
#pragma once

// Test seams of the application shell: scripted message boxes and file
// dialogs, a settings store in a temporary folder, and helpers that work the
// command bar of a frame as the user would.

#include "model/Types.h"

#include <memory>
#include <string>
#include <vector>

class CFrameWnd;

namespace Testing {

// One message box as it was asked for.
struct MessageBoxRecord {
    std::u16string strText;
    UINT nType;  // buttons | icon | default button, the MB_ flags
    UINT Icon() const;
    UINT Buttons() const;
};

// While one of these lives, message boxes are not shown: each is recorded and
// answered with the next queued answer. With the queue empty the box gets the
// answer that changes least: IDOK for an OK box, IDNO for Yes/No.
class ScriptedMessageBoxes {
public:
    ScriptedMessageBoxes();
    ~ScriptedMessageBoxes();
    ScriptedMessageBoxes(const ScriptedMessageBoxes&) = delete;
    ScriptedMessageBoxes& operator=(const ScriptedMessageBoxes&) = delete;

    void Answer(int nResult);  // IDOK, IDYES or IDNO
    const std::vector<MessageBoxRecord>& Shown() const;

    struct State;

private:
    std::unique_ptr<State> m_pState;
};

// One file dialog as it was asked for. Filters are shown as "desc (patterns)".
struct FileDialogRecord {
    BOOL bOpen;
    std::u16string strDefExt;
    std::u16string strFileName;
    DWORD dwFlags;
    std::vector<std::u16string> filters;
    std::u16string strInitialDir;  // the folder it opens in, or empty for the dialog's choice
};

// While one of these lives, file dialogs are not shown: each is recorded and
// gets the next queued answer, a path as the user would type it (the dialog
// still adds the default extension and asks before replacing) or a cancel.
// With the queue empty the dialog is cancelled.
class ScriptedFileDialogs {
public:
    ScriptedFileDialogs();
    ~ScriptedFileDialogs();
    ScriptedFileDialogs(const ScriptedFileDialogs&) = delete;
    ScriptedFileDialogs& operator=(const ScriptedFileDialogs&) = delete;

    void Choose(const std::u16string& strPath);
    void Cancel();
    const std::vector<FileDialogRecord>& Shown() const;

    struct State;

private:
    std::unique_ptr<State> m_pState;
};

// While one of these lives, print dialogs are not shown: each is counted and
// gets the next queued answer, printing into a PDF file on paper of the given
// size in points (as the dialog's "Print to File" does), or a cancel. With
// the queue empty the dialog is cancelled.
class ScriptedPrintDialogs {
public:
    ScriptedPrintDialogs();
    ~ScriptedPrintDialogs();
    ScriptedPrintDialogs(const ScriptedPrintDialogs&) = delete;
    ScriptedPrintDialogs& operator=(const ScriptedPrintDialogs&) = delete;

    // Pages nFromPage to nToPage (from 1), or every page for 0 and 0.
    void PrintTo(const std::u16string& strPdfPath, double dWidth, double dHeight, int nFromPage = 0, int nToPage = 0);
    void Cancel();
    size_t Shown() const;

    struct State;

private:
    std::unique_ptr<State> m_pState;
};

// While one of these lives, the profile (GetProfileInt, WriteProfileInt) is
// kept in a fresh temporary folder, removed again at the end; the user's own
// settings are never read or written. Every test that touches settings holds one.
class TemporarySettings {
public:
    TemporarySettings();
    ~TemporarySettings();
    TemporarySettings(const TemporarySettings&) = delete;
    TemporarySettings& operator=(const TemporarySettings&) = delete;

    std::u16string Folder() const;
    // Writes a raw text value into the store, as an outside edit would.
    void WriteRaw(const std::u16string& strSection, const std::u16string& strEntry, const std::u16string& strValue);

    struct State;

private:
    std::unique_ptr<State> m_pState;
};

// The real thing: the next native message box or file dialog that opens is
// read and answered from the event loop, as a user would, once it is the
// active window. Without a script active, AfxMessageBox and
// CFileDialog::DoModal show native ones.
struct NativeMessageBox {
    std::u16string strTitle;
    std::u16string strText;
    UINT nIcon = 0;  // MB_ICONSTOP, MB_ICONQUESTION, ... or 0
    std::vector<int> buttons;  // IDOK, IDCANCEL, IDYES, IDNO: the box's buttons, in no set order
    int nDefault = 0;  // the button Return presses
};
// Presses nButton (one of the box's buttons) and fills *pSeen when it opens.
void AnswerNextNativeMessageBox(int nButton, NativeMessageBox* pSeen);

struct NativeFileDialog {
    bool bSave = false;
    std::u16string strTitle;
    std::vector<std::u16string> filters;
};
// Types strPath over the name field, where the dialog puts the focus, and
// presses Return; or cancels the dialog for null.
void AnswerNextNativeFileDialog(const std::u16string* pTypedPath, NativeFileDialog* pSeen);

// The command bar of a frame, worked as the user would. Menus and buttons are
// found by command id anywhere in the bar.

// The pop-up titles of the menu bar, left to right, as they read (without
// their mnemonic marks).
std::vector<std::u16string> MenuTitles(CFrameWnd& frame);
// The item texts of pop-up nPopup as they read (without mnemonic marks or
// keys), an empty text for a separator.
std::vector<std::u16string> MenuItemTexts(CFrameWnd& frame, size_t nPopup);
// The keys item nID shows beside its text ("Ctrl+O"), or an empty text.
std::u16string MenuItemKeys(CFrameWnd& frame, UINT nID);
// The underlined letters (upper case; 0 for none) of the titles, and of
// pop-up nPopup's items, separators left out.
std::vector<char16_t> MenuTitleMnemonics(CFrameWnd& frame);
std::vector<char16_t> MenuMnemonics(CFrameWnd& frame, size_t nPopup);
// Opens the menu holding item nID (its update handlers run), reads whether the
// item is enabled and closes the menu again. False when there is no such item.
bool IsMenuItemEnabled(CFrameWnd& frame, UINT nID);
// The same, for whether the item shows a check mark.
bool IsMenuItemChecked(CFrameWnd& frame, UINT nID);
// Opens the menu holding item nID and chooses the item. False, and nothing
// issued, when there is no such item or it is disabled.
bool ChooseMenuItem(CFrameWnd& frame, UINT nID);

// The command ids of the toolbar buttons, left to right, 0 for a separator.
std::vector<UINT> ToolBarButtons(CFrameWnd& frame);
// Whether button nID is enabled as it stands (idle time updates it).
bool IsToolBarButtonEnabled(CFrameWnd& frame, UINT nID);
// Whether button nID shows itself pressed, as a switch that is on does.
bool IsToolBarButtonChecked(CFrameWnd& frame, UINT nID);
// Clicks button nID. False, and nothing issued, when there is none or it is disabled.
bool ClickToolBarButton(CFrameWnd& frame, UINT nID);

bool HasCloseButton(CFrameWnd& frame);
// Presses the close adornment; false when there is none.
bool PressCloseButton(CFrameWnd& frame);
// The desktop closes the frame's window, as its title bar's close button or
// the window manager would: Qt's close event. False when it is not shown.
bool CloseFromDesktop(CFrameWnd& frame);

// Whether the toolbar buttons sit in a row of their own under the menus.
bool ToolBarWrapped(CFrameWnd& frame);

// Handles the pending events, then does what the event loop does when it goes
// idle (the toolbar buttons' update handlers run).
void RunIdle();

}  // namespace Testing
