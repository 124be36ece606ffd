// SPDX-License-Identifier: MIT
#include "res/Resources.h"

#include "res/Version.h"
#include "res/resource.h"

#include <utility>
#include <vector>

namespace {

constexpr MenuItemResource kSeparator {0, nullptr};

// Menu texts mark their mnemonic with "&" (shown underlined, not as a
// character) and show their accelerator after a tab; both are read off the
// accelerator table below.
MenuPopupResource FileMenu(LPCTSTR pszToggleText)
{
    return {u"&File",
            {
                {ID_TOGGLE_MENUS, pszToggleText},
                kSeparator,
                {ID_LOAD_PUZZLE, u"&Load Puzzle ...\tCtrl+O"},
                {ID_SAVE_SOLUTION, u"&Save Solution\tCtrl+S"},
                {ID_SAVE_SOLUTION_AS, u"Save Solution &As ...\tCtrl+Shift+S"},
                {ID_LOAD_SOLUTION, u"Load S&olution"},
                kSeparator,
                {ID_APP_ABOUT, u"About &Trellis ..."},
                {ID_ABOUT_PUZZLE, u"About &Puzzle ..."},
                kSeparator,
                {ID_APP_EXIT, u"E&xit\tCtrl+Q"},
                kSeparator,
                {ID_SAVE_PUZZLE_AS, u"Save P&uzzle As ..."},
                // The puzzle on paper. Print has no key: Ctrl+P, the usual
                // one, is the timer's pause, and P with any other modifier is
                // kept for the timer too.
                kSeparator,
                {ID_PRINT_PUZZLE, u"P&rint ..."},
                {ID_EXPORT_PDF, u"&Export PDF ..."},
            }};
}

// The View menu, after the menus of the handheld, in both menu states.
// Each part of it is a block of its own.
std::vector<MenuItemResource> ClueListItems()
{
    return {{ID_VIEW_CLUE_LISTS, u"&Clue Lists"}};
}

// Zoom and notes.
std::vector<MenuItemResource> ZoomAndNotesItems()
{
    return {
        {ID_VIEW_ZOOM_IN, u"Zoom &In\tCtrl++"},
        {ID_VIEW_ZOOM_OUT, u"Zoom &Out\tCtrl+-"},
        {ID_VIEW_ACTUAL_SIZE, u"&Actual Size\tCtrl+0"},
        {ID_VIEW_FIT, u"&Fit\tCtrl+9"},
        kSeparator,
        {ID_VIEW_NOTES, u"&Notes"},
    };
}

// The line with the solving time.
std::vector<MenuItemResource> TimerItems()
{
    return {{ID_VIEW_TIMER, u"&Timer"}};
}

MenuPopupResource ViewMenu()
{
    MenuPopupResource view {u"&View", {}};
    for (const auto& part : {ClueListItems(), std::vector<MenuItemResource> {kSeparator}, ZoomAndNotesItems(),
                             std::vector<MenuItemResource> {kSeparator}, TimerItems()})
        view.items.insert(view.items.end(), part.begin(), part.end());
    return view;
}

MenuResource SmallMenu()
{
    return {{FileMenu(u"Full &Menus"), ViewMenu()}};
}

MenuResource FullMenu()
{
    return {{
        FileMenu(u"S&mall Menu"),
        {u"&Options",
         {
             {ID_OPTIONS_GENERAL, u"&General..."},
             {ID_OPTIONS_FONT, u"&Font..."},
             {ID_OPTIONS_COLORS, u"&Colors..."},
         }},
        {u"&Solve",
         {
             {ID_SHOW_LETTER, u"Show &Letter\tCtrl+Shift+1"},
             {ID_SHOW_WORD, u"Show &Word\tCtrl+Shift+2"},
             {ID_SHOW_PUZZLE, u"Show &Puzzle\tCtrl+Shift+3"},
             kSeparator,
             {ID_CLEAR_LETTER, u"Cl&ear Letter\tCtrl+Alt+1"},
             {ID_CLEAR_WORD, u"Clear W&ord\tCtrl+Alt+2"},
             {ID_CLEAR_PUZZLE, u"Clear Pu&zzle\tCtrl+Alt+3"},
             kSeparator,
             {ID_CHECK_LETTER, u"&Check Letter\tCtrl+1"},
             {ID_CHECK_WORD, u"Chec&k Word\tCtrl+2"},
             {ID_CHECK_PUZZLE, u"C&heck Puzzle\tCtrl+3"},
             kSeparator,
             {ID_UNLOCK_PUZZLE, u"U&nlock Puzzle ..."},
             kSeparator,
             {ID_UNDO, u"&Undo\tCtrl+Z"},
             {ID_REDO, u"&Redo\tCtrl+Y"},
             kSeparator,
             {ID_PENCIL, u"Penc&il\tCtrl+E"},
             {ID_REBUS_ENTRY, u"Re&bus Entry\tInsert"},
             // The solve's clock.
             kSeparator,
             {ID_PAUSE, u"P&ause\tCtrl+P"},
             // Diagramless puzzles ("." or Space in the grid).
             kSeparator,
             {ID_MARK_BLACK, u"&Mark Black"},
         }},
        ViewMenu(),
    }};
}

// The keys of the menu commands, working in both menu states. Letters,
// word and puzzle go by 1, 2 and 3: Ctrl checks, Ctrl+Shift shows and
// Ctrl+Alt clears. No key without Ctrl, Alt or a function key but Insert,
// which types nothing: the others type into the grid.
std::vector<AcceleratorResource> MainAccelerators()
{
    constexpr BYTE kCtrl = FVIRTKEY | FCONTROL;
    constexpr BYTE kCtrlShift = FVIRTKEY | FCONTROL | FSHIFT;
    constexpr BYTE kCtrlAlt = FVIRTKEY | FCONTROL | FALT;
    return {
        {kCtrl, 'O', ID_LOAD_PUZZLE},
        {kCtrl, 'S', ID_SAVE_SOLUTION},
        {kCtrlShift, 'S', ID_SAVE_SOLUTION_AS},
        {kCtrl, 'Q', ID_APP_EXIT},
        {kCtrl, '1', ID_CHECK_LETTER},
        {kCtrl, '2', ID_CHECK_WORD},
        {kCtrl, '3', ID_CHECK_PUZZLE},
        {kCtrlShift, '1', ID_SHOW_LETTER},
        {kCtrlShift, '2', ID_SHOW_WORD},
        {kCtrlShift, '3', ID_SHOW_PUZZLE},
        {kCtrlAlt, '1', ID_CLEAR_LETTER},
        {kCtrlAlt, '2', ID_CLEAR_WORD},
        {kCtrlAlt, '3', ID_CLEAR_PUZZLE},
        // Undo and Redo, as the desktop has them; Ctrl+Shift+Z redoes too,
        // and the menu shows the first key of a command.
        {kCtrl, 'Z', ID_UNDO},
        {kCtrl, 'Y', ID_REDO},
        {kCtrlShift, 'Z', ID_REDO},
        // The solve's clock.
        {kCtrl, 'P', ID_PAUSE},
        // Zoom and notes.
        {kCtrl, VK_OEM_PLUS, ID_VIEW_ZOOM_IN},
        {kCtrl, VK_OEM_MINUS, ID_VIEW_ZOOM_OUT},
        {kCtrl, '0', ID_VIEW_ACTUAL_SIZE},
        {kCtrl, '9', ID_VIEW_FIT},
        // Pencil, and the rebus entry as other solvers open it.
        {kCtrl, 'E', ID_PENCIL},
        {FVIRTKEY, VK_INSERT, ID_REBUS_ENTRY},
    };
}

ToolBarResource MainToolBar()
{
    return {16,
            16,
            {
                ID_CLEAR_WORD,
                ID_CLEAR_LETTER,
                ID_CLEAR_PUZZLE,
                0,
                ID_CHECK_WORD,
                ID_CHECK_LETTER,
                ID_CHECK_PUZZLE,
                0,
                ID_PENCIL,
            },
            // The pencil's image follows the three that no button shows.
            {0, 1, 2, 3, 4, 5, 9}};
}

constexpr DWORD kDialogStyle = DS_MODALFRAME | DS_SETFONT;
constexpr LPCTSTR kDialogFont = u"Arial";
constexpr int kDialogPoints = 8;

constexpr DWORD kNumberEdit = ES_NUMBER | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kBuddySpin = UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS;
constexpr DWORD kTextEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kOk = BS_DEFPUSHBUTTON | WS_TABSTOP;
constexpr DWORD kCancel = BS_PUSHBUTTON | WS_TABSTOP;

using K = DialogControl;

// A dialog at the top left of its owner, in the dialogs' style and font.
DialogResource Dialog(int cx, int cy, DWORD dwExStyle, LPCTSTR pszCaption, std::vector<DialogItemResource> items)
{
    return {0, 0, cx, cy, kDialogStyle, dwExStyle, pszCaption, kDialogFont, kDialogPoints, std::move(items)};
}

DialogResource OptionsDialog()
{
    // The last control is ours: below the buttons, so that the others keep
    // their places.
    return Dialog(
        134, 159, 0, u"Options",
        {
            {K::Static, u"Square Size:", IDC_STATIC, 28, 15, 41, 8, SS_LEFT},
            {K::Edit, u"", IDC_SQUARE_SIZE, 74, 12, 27, 14, kNumberEdit},
            {K::UpDown, u"", IDC_SQUARE_SPIN, 101, 12, 11, 14, kBuddySpin},
            {K::Button, u"Check As Letters Entered", IDC_CHECK_ENTERED, 15, 42, 97, 10,
             BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP},
            {K::Button, u"Check Only On Request", IDC_CHECK_REQUEST, 15, 55, 92, 10, BS_AUTORADIOBUTTON},
            {K::Button, u"Numbers", IDC_NUMBERS, 12, 80, 44, 10, BS_AUTOCHECKBOX | WS_TABSTOP},
            {K::Button, u"Input Window", IDC_INPUT_WINDOW, 64, 80, 61, 10, BS_AUTOCHECKBOX | WS_TABSTOP},
            {K::Button, u"Small", IDC_CLUE_SMALL, 12, 103, 32, 10, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP},
            {K::Button, u"Large", IDC_CLUE_LARGE, 64, 103, 34, 10, BS_AUTORADIOBUTTON},
            {K::Button, u"OK", IDOK, 7, 124, 50, 14, kOk | WS_GROUP},
            {K::Button, u"Cancel", IDCANCEL, 77, 124, 50, 14, kCancel},
            {K::Button, u"Solve Mode", IDC_STATIC, 7, 34, 120, 32, BS_GROUPBOX},
            {K::Button, u"Display", IDC_STATIC, 7, 71, 120, 21, BS_GROUPBOX},
            {K::Button, u"Clue Window Size", IDC_STATIC, 7, 95, 120, 20, BS_GROUPBOX},
            {K::Button, u"Save progress automatically", IDC_AUTOSAVE, 7, 143, 120, 10, BS_AUTOCHECKBOX | WS_TABSTOP},
        });
}

DialogResource FontDialog()
{
    return Dialog(
        134, 137, 0, u"Font",
        {
            {K::Button, u"OK", IDOK, 7, 116, 50, 14, kOk},
            {K::Button, u"Cancel", IDCANCEL, 77, 116, 50, 14, kCancel},
            {K::ComboBox, u"", IDC_FONT_NAME, 7, 21, 120, 80, CBS_DROPDOWN | CBS_SORT | WS_VSCROLL | WS_TABSTOP},
            {K::Static, u"Number Font Size:", IDC_STATIC, 9, 45, 60, 8, SS_LEFT},
            {K::Edit, u"", IDC_NUMBER_SIZE, 74, 42, 27, 14, kNumberEdit},
            {K::UpDown, u"", IDC_NUMBER_SPIN, 101, 42, 11, 14, kBuddySpin},
            {K::Static, u"Letter Font Size", IDC_STATIC, 17, 62, 52, 8, SS_LEFT},
            {K::Edit, u"", IDC_LETTER_SIZE, 74, 59, 27, 14, kNumberEdit},
            {K::UpDown, u"", IDC_LETTER_SPIN, 101, 59, 11, 14, kBuddySpin},
            {K::Static, u"Font Name:", IDC_STATIC, 7, 7, 72, 8, SS_LEFT},
        });
}

DialogResource ColorsDialog()
{
    // The caption is the one the user has always seen on this dialog.
    return Dialog(134, 161, 0, u"Solve Mode",
                  {
                      {K::Static, u"", IDC_COLOR_NAME, 7, 9, 96, 38, SS_LEFT},
                      {K::UpDown, u"", IDC_SELECTOR, 107, 9, 10, 38, UDS_ARROWKEYS},
                      {K::Static, u"Red:", IDC_STATIC, 7, 52, 16, 8, SS_LEFT},
                      {K::Edit, u"", IDC_RED, 7, 60, 40, 14, kTextEdit},
                      {K::UpDown, u"", IDC_RED_SPIN, 49, 60, 10, 14, kBuddySpin},
                      {K::Static, u"Green:", IDC_STATIC, 7, 83, 23, 8, SS_LEFT},
                      {K::Edit, u"", IDC_GREEN, 7, 91, 40, 14, kTextEdit},
                      {K::UpDown, u"", IDC_GREEN_SPIN, 48, 91, 11, 14, kBuddySpin},
                      {K::Static, u"Blue:", IDC_STATIC, 7, 109, 17, 8, SS_LEFT},
                      {K::Edit, u"", IDC_BLUE, 7, 119, 40, 14, kTextEdit},
                      {K::UpDown, u"", IDC_BLUE_SPIN, 49, 119, 11, 14, kBuddySpin},
                      {K::Button, u"OK", IDOK, 7, 140, 20, 14, kOk},
                      {K::Button, u"Cancel", IDCANCEL, 30, 140, 27, 14, kCancel},
                      {K::Button, u"", IDC_SWATCH, 73, 60, 54, 71, BS_OWNERDRAW},
                      {K::Button, u"Reset Colors", IDC_RESET_COLORS, 73, 140, 50, 14, BS_PUSHBUTTON | WS_TABSTOP},
                  });
}

DialogResource AboutDialog()
{
    return Dialog(142, 139, WS_EX_CAPTIONOKBTN, u"About trellis",
                  {
                      {K::Static, u"", IDC_STATIC, 11, 17, 20, 20, SS_ICON | SS_NOPREFIX, IDR_MAINFRAME},
                      {K::Static, u"Trellis Version " TRELLIS_VERSION_TEXT, IDC_STATIC, 41, 23, 87, 9, SS_NOPREFIX},
                  });
}

DialogResource AboutPuzzleDialog()
{
    // The puzzle's own texts are shown as they stand: no ampersand
    // processing, and broken where a line ends, long words too. The dialog
    // makes them as tall as their texts, and shows the notes when there are
    // any (OnInitDialog).
    constexpr DWORD kText = SS_NOPREFIX | SS_EDITCONTROL;
    return Dialog(142, 159, WS_EX_CAPTIONOKBTN, u"About trellis",
                  {
                      {K::Static, u"", IDC_STATIC, 11, 9, 21, 20, SS_ICON, IDR_MAINFRAME},
                      {K::Static, u"Trellis Crossword Software", IDC_STATIC, 41, 11, 87, 18, SS_NOPREFIX},
                      {K::Static, u"Puzzle:", IDC_STATIC, 10, 61, 24, 8, SS_LEFT},
                      {K::Static, u"", IDC_PUZZLE_TITLE, 40, 61, 91, 42, kText},
                      {K::Static, u"Author:", IDC_STATIC, 8, 108, 26, 8, SS_LEFT},
                      {K::Static, u"", IDC_PUZZLE_AUTHOR, 40, 108, 91, 8, kText},
                      {K::Static, u"", IDC_PUZZLE_COPYRIGHT, 40, 118, 91, 8, kText},
                      {K::Static, u"Notes:", IDC_NOTES_LABEL, 8, 130, 26, 8, SS_LEFT},
                      {K::Edit, u"", IDC_PUZZLE_NOTES, 8, 140, 126, 0,
                       ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
                      {K::Button, u"OK", IDOK, 37, 138, 50, 14, BS_PUSHBUTTON | WS_TABSTOP},
                      {K::Static, u"File:", IDC_STATIC, 20, 32, 14, 8, SS_LEFT},
                      {K::Static, u"", IDC_PUZZLE_FILE, 40, 32, 91, 22, kText},
                  });
}

DialogResource NotesDialog()
{
    return Dialog(200, 160, WS_EX_CAPTIONOKBTN, u"Notes",
                  {
                      {K::Edit, u"", IDC_PUZZLE_NOTES, 7, 7, 186, 126,
                       ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
                      {K::Button, u"OK", IDOK, 75, 139, 50, 14, kOk},
                  });
}

DialogResource UnlockDialog()
{
    return Dialog(134, 76, 0, u"Unlock Puzzle",
                  {
                      {K::Static, u"Key (four digits):", IDC_STATIC, 7, 10, 64, 8, SS_LEFT},
                      {K::Edit, u"", IDC_UNLOCK_KEY, 74, 7, 40, 14, kNumberEdit},
                      {K::Static, u"Leave the key empty to search for it.", IDC_STATIC, 7, 28, 120, 18, SS_LEFT},
                      {K::Button, u"OK", IDOK, 7, 55, 50, 14, kOk},
                      {K::Button, u"Cancel", IDCANCEL, 77, 55, 50, 14, kCancel},
                  });
}

DialogResource PrintChoicesDialog()
{
    // The caption is the command's: "Print" or "Export PDF" (OnInitDialog).
    return Dialog(
        134, 104, 0, u"Print",
        {
            {K::Button, u"Blank grid", IDC_PRINT_BLANK, 14, 19, 106, 10, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP},
            {K::Button, u"With my letters", IDC_PRINT_FILL, 14, 32, 106, 10, BS_AUTORADIOBUTTON},
            {K::Button, u"With the solution", IDC_PRINT_SOLUTION, 14, 45, 106, 10, BS_AUTORADIOBUTTON},
            {K::Button, u"Whole grid on one page", IDC_PRINT_ONE_PAGE, 10, 66, 114, 10,
             BS_AUTOCHECKBOX | WS_GROUP | WS_TABSTOP},
            {K::Button, u"OK", IDOK, 7, 83, 50, 14, kOk | WS_GROUP},
            {K::Button, u"Cancel", IDCANCEL, 77, 83, 50, 14, kCancel},
            {K::Button, u"Grid", IDC_STATIC, 7, 7, 120, 53, BS_GROUPBOX},
        });
}

ResourceSet Build()
{
    ResourceSet set;
    set.menus[IDR_MAINFRAME] = SmallMenu();
    set.menus[IDR_FULLMENU] = FullMenu();
    set.toolbars[IDR_MAINFRAME] = MainToolBar();
    set.bitmaps[IDR_MAINFRAME] = TrellisToolBarBitmap();
    set.icons[IDR_MAINFRAME] = TrellisIcon();
    set.strings[IDR_MAINFRAME] = u"trellis";
    set.strings[IDS_SOLVED_DELETE] =
        u"Congratulations you have solved this puzzle.  Do you want to delete the puzzle file from the device?";
    set.strings[IDS_PUZZLE_COMPLETE] = u"The puzzle is complete.";
    set.dialogs[IDD_ABOUTBOX] = AboutDialog();
    set.dialogs[IDD_OPTIONS] = OptionsDialog();
    set.dialogs[IDD_COLORS] = ColorsDialog();
    set.dialogs[IDD_ABOUT_PUZZLE] = AboutPuzzleDialog();
    set.dialogs[IDD_FONT] = FontDialog();
    set.dialogs[IDD_UNLOCK] = UnlockDialog();
    set.dialogs[IDD_NOTES] = NotesDialog();
    set.dialogs[IDD_PRINT_CHOICES] = PrintChoicesDialog();
    set.accelerators[IDR_MAINFRAME] = MainAccelerators();
    return set;
}

}  // namespace

const ResourceSet& TrellisResources()
{
    static const ResourceSet set = Build();
    return set;
}
