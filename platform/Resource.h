// SPDX-License-Identifier: MIT
#pragma once

// Resources as plain C++ tables: menus, toolbars, bitmaps, icons, strings and
// dialog templates, each addressed by its numeric id. The program hands its
// set to the platform once at start-up (AfxSetResources); tests may hand their own.

#include "model/Types.h"
#include "platform/WinDef.h"  // WS_BORDER, WS_VSCROLL in templates

#include <map>
#include <vector>

// Dialog and message box results; OK and Cancel are also the ids of those buttons.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Dialog and control styles used by templates.
constexpr DWORD WS_GROUP = 0x00020000;
constexpr DWORD WS_TABSTOP = 0x00010000;
constexpr DWORD DS_MODALFRAME = 0x80;
constexpr DWORD DS_SETFONT = 0x40;
constexpr DWORD WS_EX_CAPTIONOKBTN = 0x80000000;  // an OK button in the caption

constexpr DWORD BS_PUSHBUTTON = 0x0;
constexpr DWORD BS_DEFPUSHBUTTON = 0x1;
constexpr DWORD BS_CHECKBOX = 0x2;
constexpr DWORD BS_AUTOCHECKBOX = 0x3;
constexpr DWORD BS_RADIOBUTTON = 0x4;
constexpr DWORD BS_GROUPBOX = 0x7;
constexpr DWORD BS_AUTORADIOBUTTON = 0x9;
constexpr DWORD BS_OWNERDRAW = 0xB;
constexpr DWORD BS_TYPEMASK = 0xF;

constexpr DWORD ES_MULTILINE = 0x0004;  // lines that wrap, a vertical bar with WS_VSCROLL
constexpr DWORD ES_AUTOHSCROLL = 0x0080;
constexpr DWORD ES_READONLY = 0x0800;
constexpr DWORD ES_NUMBER = 0x2000;

constexpr DWORD SS_LEFT = 0x0;
constexpr DWORD SS_ICON = 0x3;
constexpr DWORD SS_NOPREFIX = 0x80;
// The text wraps as DrawText with DT_WORDBREAK | DT_EDITCONTROL wraps it: a
// word too long for a line is broken, never clipped.
constexpr DWORD SS_EDITCONTROL = 0x2000;

constexpr DWORD CBS_DROPDOWN = 0x0002;
constexpr DWORD CBS_SORT = 0x0100;

constexpr DWORD UDS_SETBUDDYINT = 0x0002;
constexpr DWORD UDS_ALIGNRIGHT = 0x0004;
constexpr DWORD UDS_AUTOBUDDY = 0x0010;
constexpr DWORD UDS_ARROWKEYS = 0x0020;

// Menu: pop-ups of items; an item with id 0 and no text is a separator.
struct MenuItemResource {
    UINT nID;
    LPCTSTR pszText;
};

struct MenuPopupResource {
    LPCTSTR pszTitle;
    std::vector<MenuItemResource> items;
};

struct MenuResource {
    std::vector<MenuPopupResource> popups;
};

// Accelerator flags: the key is a virtual key (always so here), and the
// modifier keys that must be held with it.
constexpr BYTE FVIRTKEY = 0x01;
constexpr BYTE FSHIFT = 0x04;
constexpr BYTE FCONTROL = 0x08;
constexpr BYTE FALT = 0x10;

// Keys of accelerators besides letters and digits (their capitals' codes).
// The key that carries "+" types "=" unshifted on many keyboards: either
// character with the modifiers presses it, and so does + on the number pad.
constexpr WORD VK_OEM_PLUS = 0xBB;
constexpr WORD VK_OEM_MINUS = 0xBD;  // also - on the number pad

// One accelerator: pressing the key with exactly the modifiers issues the
// command, as choosing its menu item would. Menu items show their keys after
// a tab in their text ("&Open\tCtrl+O").
struct AcceleratorResource {
    BYTE fVirt;
    WORD key;
    UINT cmd;
};

// Toolbar: button command ids in order, 0 for a separator; buttons take the
// images of the bitmap with the same id one after another, or those that
// images names, one index for each button (separators have none).
struct ToolBarResource {
    int nButtonWidth;
    int nButtonHeight;
    std::vector<UINT> buttons;
    std::vector<int> images = {};
};

// Indexed image: one character per pixel, looked up in the palette string
// (the character's position there is the colour's index). A palette entry of
// 0xFFFFFFFF is transparent.
struct ImageResource {
    int nWidth;
    int nHeight;
    const char* pszPaletteKeys;
    std::vector<DWORD> palette;  // 0x00BBGGRR
    std::vector<const char*> rows;
};

// Window classes of dialog controls.
enum class DialogControl {
    Button,  // push button, check box, radio button, group box, owner-drawn
    Edit,
    Static,  // text, or an icon with SS_ICON (nIconID)
    ComboBox,
    UpDown,  // spin
};

struct DialogItemResource {
    DialogControl kind;
    LPCTSTR pszText;
    int nID;
    int x, y, cx, cy;  // dialog units
    DWORD dwStyle;  // WS_CHILD | WS_VISIBLE are implied
    UINT nIconID = 0;
};

struct DialogResource {
    int x, y, cx, cy;  // dialog units
    DWORD dwStyle;
    DWORD dwExStyle;
    LPCTSTR pszCaption;
    LPCTSTR pszFontFace;
    int nFontPoints;
    std::vector<DialogItemResource> items;  // resource order is the tab order
};

struct ResourceSet {
    std::map<UINT, MenuResource> menus;
    std::map<UINT, ToolBarResource> toolbars;
    std::map<UINT, ImageResource> bitmaps;
    std::map<UINT, ImageResource> icons;
    std::map<UINT, LPCTSTR> strings;
    std::map<UINT, DialogResource> dialogs;
    std::map<UINT, std::vector<AcceleratorResource>> accelerators;
};

// The set the platform looks resources up in; it must outlive their use.
void AfxSetResources(const ResourceSet* pResources);
const ResourceSet* AfxGetResources();
