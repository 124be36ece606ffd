// SPDX-License-Identifier: MIT
#pragma once

// Message boxes: native, titled with the application's name, modal over the
// main window.

#include "model/Types.h"
#include "platform/Resource.h"  // IDOK, IDCANCEL, IDYES, IDNO

#include <string>

// Buttons.
constexpr UINT MB_OK = 0x0;
constexpr UINT MB_YESNO = 0x4;
constexpr UINT MB_TYPEMASK = 0xF;

// Icons.
constexpr UINT MB_ICONHAND = 0x10;
constexpr UINT MB_ICONSTOP = MB_ICONHAND;
constexpr UINT MB_ICONERROR = MB_ICONHAND;
constexpr UINT MB_ICONQUESTION = 0x20;
constexpr UINT MB_ICONEXCLAMATION = 0x30;
constexpr UINT MB_ICONWARNING = MB_ICONEXCLAMATION;
constexpr UINT MB_ICONASTERISK = 0x40;
constexpr UINT MB_ICONINFORMATION = MB_ICONASTERISK;
constexpr UINT MB_ICONMASK = 0xF0;

// Which button has the focus at first (the first one unless told).
constexpr UINT MB_DEFBUTTON1 = 0x000;
constexpr UINT MB_DEFBUTTON2 = 0x100;
constexpr UINT MB_DEFMASK = 0xF00;

// Shows the text and returns the button pressed: IDOK, IDYES or IDNO.
int AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// CString derives from std::u16string, so it arrives here.
int AfxMessageBox(const std::u16string& strText, UINT nType = MB_OK, UINT nIDHelp = 0);
// Shows string nIDPrompt of the string table.
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = static_cast<UINT>(-1));
