// SPDX-License-Identifier: MIT
#pragma once

// Test seam of the dialogs: scripted dialogs, and helpers that work an open
// dialog's controls the way the user would, through the controls' own event
// handling (so an ES_NUMBER edit refuses letters, a combo box tells a choice
// from the list from typing, a spin stops at its range).
//
// A script is a callback that receives the open dialog after OnInitDialog,
// works its controls, and presses OK or Cancel; it can look at what the
// dialog did in between (the fields, the texts, where the focus is). Message
// boxes the dialog shows meanwhile (a failed range check) go through the
// shell's seam: hold a Testing::ScriptedMessageBoxes (TestingShell.h) to
// record and answer them.

#include "platform/Dialog.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace Testing {

// While one of these lives, DoModal does not wait for the user: it runs the
// next queued script on the open dialog and returns the dialog's result. A
// dialog opened with no script left, or left open by its script, is closed
// with IDCANCEL and noted in Faults().
class ScriptedDialogs {
public:
    using Script = std::function<void(CDialog& dialog)>;

    ScriptedDialogs();
    ~ScriptedDialogs();
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    void Queue(Script script);
    size_t ScriptsLeft() const;
    // Template ids of the dialogs opened, in order.
    const std::vector<UINT>& Opened() const;
    const std::vector<std::string>& Faults() const;

    struct State;

private:
    std::unique_ptr<State> m_pState;
};

// Keys for PressKey.
constexpr int VK_RETURN = 0x0D;
constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_UP = 0x26;
constexpr int VK_DOWN = 0x28;

// Types the text into an edit (or a combo box's edit field), replacing what
// it holds: focus, select all, one key press per character (Backspace for
// an empty text).
void TypeInto(CDialog& dialog, int nID, const std::u16string& text);
// One key press at the control, which gets the focus first.
void PressKey(CDialog& dialog, int nID, int nVirtKey);
// Pointer press and release in the middle of a button (any kind).
void Click(CDialog& dialog, int nID);
// Opens the combo box's list and picks entry nIndex with the pointer.
void ChooseFromList(CDialog& dialog, int nID, int nIndex);
// Clicks the spin's up (TRUE) or down arrow nTimes.
void ClickSpin(CDialog& dialog, int nID, BOOL bUp, int nTimes = 1);
void PressOK(CDialog& dialog);  // clicks button IDOK
void PressCancel(CDialog& dialog);  // clicks button IDCANCEL
// The caption OK button (WS_EX_CAPTIONOKBTN).
void PressCaptionOK(CDialog& dialog);

BOOL IsOpen(const CDialog& dialog);
// Id of the control holding the keyboard focus in the dialog; 0 for none.
int FocusedControl(const CDialog& dialog);
// The control's rectangle in the dialog's client coordinates.
CRect ControlRect(const CDialog& dialog, int nID);
// The text the control shows (mnemonic marks removed), its window text for an icon.
std::u16string ShownText(const CDialog& dialog, int nID);
// The lines a text static shows, broken at its width as it breaks them, and
// in *pbAllInside whether every one lies wholly within its rectangle.
std::vector<std::u16string> ShownLines(const CDialog& dialog, int nID, BOOL* pbAllInside = nullptr);
// The colour at (x, y) of the control as shown, 0x00BBGGRR; 0xFFFFFFFF outside.
COLORREF ControlPixel(const CDialog& dialog, int nID, int x, int y);
// The colour at (x, y) of the dialog's client area as shown, controls and
// all, 0x00BBGGRR; 0xFFFFFFFF outside.
COLORREF DialogPixel(const CDialog& dialog, int x, int y);
// How many pixels of the rectangle (client coordinates) show the colour.
int CountDialogPixels(const CDialog& dialog, const RECT& rect, COLORREF color);

}  // namespace Testing
