// SPDX-License-Identifier: MIT
#pragma once

// Every stored setting in one place: its value name in the profile, its
// default and the values the dialogs can produce. The settings reader keeps a
// stored value only within that range, the dialogs validate against it, and
// the windows' setters refuse anything outside it.

#include "platform/WinDef.h"

#include <array>
#include <cstddef>
#include <string>

// The profile's two sections.
constexpr LPCTSTR SECTION_OPTIONS = u"options";
constexpr LPCTSTR SECTION_COLOR = u"color";

// One integer setting of the "options" section.
struct CSetting {
    LPCTSTR pszName;  // value name in the profile
    int nDefault;
    int nMin;
    int nMax;

    constexpr bool Allows(int nValue) const { return nValue >= nMin && nValue <= nMax; }
    // A stored value the dialogs could have produced, or else the default:
    // anything else was edited in from outside and would break the layout.
    constexpr int Within(int nValue) const { return Allows(nValue) ? nValue : nDefault; }
    // What a setter does: nField takes the value only when it is allowed.
    constexpr bool Store(int nValue, int& nField) const
    {
        if (!Allows(nValue))
            return false;
        nField = nValue;
        return true;
    }
};

// Square size in pixels and both font sizes in points.
constexpr int MIN_SIZE_SETTING = 2;
constexpr int MAX_SIZE_SETTING = 64;

constexpr int SOLVE_CHECK_AS_ENTERED = 0;
constexpr int SOLVE_CHECK_ON_REQUEST = 1;

// The two heights the Options dialog offers for the clue bar.
constexpr int CLUE_HEIGHT_SMALL = 20;
constexpr int CLUE_HEIGHT_LARGE = 38;

// In the order the profile is read and written.
constexpr CSetting SETTING_SOLVE_MODE {u"mode", SOLVE_CHECK_ON_REQUEST, SOLVE_CHECK_AS_ENTERED, SOLVE_CHECK_ON_REQUEST};
constexpr CSetting SETTING_NUMBER_FONT_SIZE {u"number", 6, MIN_SIZE_SETTING, MAX_SIZE_SETTING};
constexpr CSetting SETTING_LETTER_FONT_SIZE {u"letter", 10, MIN_SIZE_SETTING, MAX_SIZE_SETTING};
constexpr CSetting SETTING_SQUARE_SIZE {u"square", 20, MIN_SIZE_SETTING, MAX_SIZE_SETTING};
constexpr CSetting SETTING_SHOW_NUMBERS {u"numbers", FALSE, FALSE, TRUE};
constexpr CSetting SETTING_SHOW_INPUT {u"input", TRUE, FALSE, TRUE};
// A stored height between or beyond the dialog's two is used as it stands,
// up to a bar that still leaves the grid some room.
constexpr CSetting SETTING_CLUE_HEIGHT {u"cluesize", CLUE_HEIGHT_LARGE, 1, 200};
// Whether the player's progress is kept and brought back on its own.
constexpr CSetting SETTING_AUTOSAVE {u"autosave", TRUE, FALSE, TRUE};

// The face of the grid's fonts until the Font dialog chooses another, which
// is stored as the text value "fontname" beside the integers of "options".
constexpr LPCTSTR DEFAULT_FONT_NAME = u"Arial";
constexpr LPCTSTR SETTING_FONT_NAME = u"fontname";
// A stored face the font list could have given: a name of 1 to 31
// characters (the longest a font description holds), not all blanks, no
// control characters. Anything else falls back to the default.
inline bool IsStorableFaceName(const std::u16string& strFace)
{
    constexpr std::size_t kMaxFaceName = 31;
    if (strFace.empty() || strFace.size() > kMaxFaceName || strFace.find_first_not_of(u' ') == std::u16string::npos)
        return false;
    for (const char16_t ch : strFace)
        if (ch < u' ' || ch == 0x7F)
            return false;
    return true;
}

// The folder the file dialogs last chose a file in, which the next one opens
// in: section "folders", text value "last". A value that is no folder (any
// more) leaves the choice to the dialog.
constexpr LPCTSTR SECTION_FOLDERS = u"folders";
constexpr LPCTSTR SETTING_LAST_FOLDER = u"last";

// The colour slots of the grid, in the order the profile (value names "0" to
// "8" of the "color" section) and the Colors dialog use. The last one comes
// after the handheld's eight.
enum GridColor {
    GRID_FOREGROUND = 0,
    GRID_BACKGROUND = 1,
    GRID_FOREGROUND_INCORRECT = 2,
    GRID_FOREGROUND_SELECTED_WORD = 3,
    GRID_BACKGROUND_SELECTED_WORD = 4,
    GRID_BACKGROUND_SELECTED_SQUARE = 5,
    GRID_FOREGROUND_SELECTED_INCORRECT = 6,
    GRID_SOLID = 7,
    GRID_REVEALED_MARK = 8,
    NUM_GRID_COLORS = 9
};

// A colour keeps its low 24 bits (0x00BBGGRR); the top byte means nothing.
constexpr COLORREF COLOR_BITS = 0x00FFFFFF;

// One table for the built-in colours and the slot names: the grid starts
// with these colours and "Reset Colors" brings them back.
constexpr std::array<COLORREF, NUM_GRID_COLORS> DEFAULT_GRID_COLORS = {
    RGB(0, 0, 0),  // letters outside the selected word
    RGB(255, 255, 255),  // white squares outside the selected word
    RGB(255, 0, 0),  // incorrect letters outside the selected word
    RGB(255, 255, 255),  // letters in the selected word
    RGB(0, 0, 255),  // squares of the selected word
    RGB(0, 0, 128),  // the selected square
    RGB(255, 0, 0),  // incorrect letters in the selected word
    RGB(0, 0, 0),  // black squares
    RGB(192, 0, 0),  // the corner mark of a letter that Show revealed
};
constexpr std::array<LPCTSTR, NUM_GRID_COLORS> GRID_COLOR_NAMES = {
    u"Foreground",
    u"Background",
    u"Foreground Incorrect Square",
    u"Foreground Selected Word",
    u"Background Selected Word",
    u"Background Selected Square",
    u"Foregound Selected Incorrect Square",
    u"Solid",
    u"Revealed Mark",
};
