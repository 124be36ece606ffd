// SPDX-License-Identifier: MIT
#pragma once

// Every numeric id of the program's resources, commands and controls.

// Resources sharing the main frame's id: menu (small), toolbar, toolbar bitmap,
// program icon and the frame title string.
#define IDR_MAINFRAME 128
#define IDR_FULLMENU 129

// Dialog templates.
#define IDD_ABOUTBOX 100
#define IDD_OPTIONS 130
#define IDD_COLORS 131
#define IDD_ABOUT_PUZZLE 132
#define IDD_FONT 133
#define IDD_UNLOCK 134
#define IDD_NOTES 1122
#define IDD_PRINT_CHOICES 1130

// Strings.
#define IDS_SOLVED_DELETE 61204
#define IDS_PUZZLE_COMPLETE 1135

// Commands.
#define ID_LOAD_PUZZLE 32771
#define ID_CHECK_WORD 32773
#define ID_SHOW_LETTER 32774
#define ID_SHOW_WORD 32775
#define ID_SHOW_PUZZLE 32776
#define ID_CHECK_LETTER 32777
#define ID_CHECK_PUZZLE 32778
#define ID_OPTIONS_GENERAL 32779
#define ID_OPTIONS_COLORS 32780
#define ID_CLEAR_LETTER 32781
#define ID_CLEAR_WORD 32782
#define ID_CLEAR_PUZZLE 32783
#define ID_ABOUT_PUZZLE 32792
#define ID_OPTIONS_FONT 32793
#define ID_TOGGLE_MENUS 32797
#define ID_SAVE_SOLUTION 32815
#define ID_LOAD_SOLUTION 32816
#define ID_SAVE_SOLUTION_AS 32820
#define ID_UNLOCK_PUZZLE 32821
#define ID_UNDO 32830
#define ID_REDO 32831
// View menu: zoom and the puzzle's notes.
#define ID_VIEW_ZOOM_IN 32920
#define ID_VIEW_ZOOM_OUT 32921
#define ID_VIEW_ACTUAL_SIZE 32922
#define ID_VIEW_FIT 32923
#define ID_VIEW_NOTES 32924
// Solving with a pencil, and rebus answers typed whole.
#define ID_PENCIL 32940
#define ID_REBUS_ENTRY 32941
// The solve's clock and diagramless puzzles: Pause, Mark Black, and the View
// menu's switch of the timer's line.
#define ID_PAUSE 32950
#define ID_MARK_BLACK 32951
#define ID_VIEW_TIMER 32952
// Commands of the desktop that writes puzzle files.
#define ID_SAVE_PUZZLE_AS 32960
// The puzzle on paper.
#define ID_PRINT_PUZZLE 32970
#define ID_EXPORT_PDF 32971
#define ID_APP_ABOUT 57664
#define ID_APP_EXIT 57665

// View menu: the clue lists.
#define ID_VIEW_CLUE_LISTS 32910

// Child windows of the puzzle window and of the grid host.
#define IDC_CROSS_WND 1000
#define IDC_GRID_WND 1000
#define IDC_CLUE_WND 1001
#define IDC_INPUT_WND 1002
#define IDC_CLUE_TIP 1000

// The clue lists beside the puzzle window, and the bar between them.
#define IDC_CLUE_LISTS 1110
#define IDC_ACROSS_LIST 1111
#define IDC_DOWN_LIST 1112
#define IDC_SPLITTER 1113

// The line with the solving time, under the puzzle window and the lists.
#define IDC_STATUS_LINE 1140

// Options dialog.
#define IDC_SQUARE_SIZE 1000
#define IDC_SQUARE_SPIN 1001
#define IDC_CHECK_ENTERED 1006
#define IDC_CHECK_REQUEST 1007
#define IDC_NUMBERS 1012
#define IDC_INPUT_WINDOW 1013
#define IDC_CLUE_SMALL 1025
#define IDC_CLUE_LARGE 1026
#define IDC_AUTOSAVE 1040

// Font dialog.
#define IDC_NUMBER_SIZE 1002
#define IDC_NUMBER_SPIN 1003
#define IDC_LETTER_SIZE 1004
#define IDC_LETTER_SPIN 1005
#define IDC_FONT_NAME 1015

// Colors dialog.
#define IDC_SELECTOR 1001
#define IDC_RED_SPIN 1003
#define IDC_GREEN_SPIN 1004
#define IDC_BLUE_SPIN 1005
#define IDC_COLOR_NAME 1017
#define IDC_RED 1018
#define IDC_GREEN 1019
#define IDC_BLUE 1020
#define IDC_SWATCH 1022
#define IDC_RESET_COLORS 1023

// About Puzzle dialog.
#define IDC_PUZZLE_TITLE 1008
#define IDC_PUZZLE_AUTHOR 1009
#define IDC_PUZZLE_COPYRIGHT 1010
#define IDC_PUZZLE_FILE 1011

// The puzzle's notes, in About Puzzle and in their own dialog.
#define IDC_PUZZLE_NOTES 1120
#define IDC_NOTES_LABEL 1121

// Unlock dialog.
#define IDC_UNLOCK_KEY 1030

// The print choices.
#define IDC_PRINT_BLANK 1131
#define IDC_PRINT_FILL 1132
#define IDC_PRINT_SOLUTION 1133
#define IDC_PRINT_ONE_PAGE 1134

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
