// SPDX-License-Identifier: MIT
#pragma once

// How the main window was left: its place and size, maximised or not, the
// menus it showed and the clue lists' layout. Kept in the profile section
// "window" when the window closes and read at the next start; every value
// that is absent or out of range falls back to what a first start uses.

#include "panes/Settings.h"
#include "platform/Platform.h"

class CWinApp;

constexpr LPCTSTR SECTION_WINDOW = u"window";

// The area under the command bar at a first start: wide enough for a 15 x 15
// grid at the default square size beside the clue lists.
constexpr int DEFAULT_PANES_WIDTH = 760;
constexpr int DEFAULT_PANES_HEIGHT = 488;
// The lists' share of it: beside the puzzle window, the rest after a 15 x 15
// grid; below it, room for some ten clues.
constexpr int DEFAULT_LIST_WIDTH = 416;
constexpr int DEFAULT_LIST_HEIGHT = 200;

constexpr CSetting SETTING_WINDOW_WIDTH {u"width", DEFAULT_PANES_WIDTH, 100, 16384};
constexpr CSetting SETTING_WINDOW_HEIGHT {u"height", DEFAULT_PANES_HEIGHT, 100, 16384};
constexpr CSetting SETTING_WINDOW_MAXIMIZED {u"maximized", FALSE, FALSE, TRUE};
constexpr CSetting SETTING_FULL_MENUS {u"fullmenus", FALSE, FALSE, TRUE};
constexpr CSetting SETTING_CLUE_LISTS {u"cluelists", TRUE, FALSE, TRUE};
constexpr CSetting SETTING_LISTS_BELOW {u"cluelistsbelow", FALSE, FALSE, TRUE};
constexpr CSetting SETTING_LIST_WIDTH {u"cluelistwidth", DEFAULT_LIST_WIDTH, 0, 16384};
constexpr CSetting SETTING_LIST_HEIGHT {u"cluelistheight", DEFAULT_LIST_HEIGHT, 0, 16384};
// The line with the solving time. A window left before there was one (no
// value, or an odd one) shows it as it showed the lists, so that a window
// left at the handheld's size stays the handheld's screen.
constexpr CSetting SETTING_STATUS_LINE {u"statusline", TRUE, FALSE, TRUE};
// The window's top left corner on the desktop: any place, as long as both
// values are there.
constexpr LPCTSTR WINDOW_LEFT = u"left";
constexpr LPCTSTR WINDOW_TOP = u"top";

struct CWindowState {
    BOOL m_bPlaced = FALSE;  // a place was stored; else the window is centred
    CPoint m_ptTopLeft;
    // The area under the command bar, which the puzzle window and the lists share.
    CSize m_sizePanes {DEFAULT_PANES_WIDTH, DEFAULT_PANES_HEIGHT};
    BOOL m_bMaximized = FALSE;
    BOOL m_bFullMenus = FALSE;
    BOOL m_bClueLists = TRUE;
    BOOL m_bListsBelow = FALSE;
    int m_nListWidth = DEFAULT_LIST_WIDTH;
    int m_nListHeight = DEFAULT_LIST_HEIGHT;
    BOOL m_bStatusLine = TRUE;

    void Read(CWinApp& app);
    void Write(CWinApp& app) const;
};
