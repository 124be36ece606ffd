// SPDX-License-Identifier: MIT
#pragma once

// The real trellis executable on a private X server, used the way a person
// uses it: pointer and keyboard only, judged by what the screen shows and by
// the files on disk.
//
// Coordinates: "frame" coordinates are relative to the main window's top-left
// corner (the handheld's screen); "pane" coordinates are relative to the
// client pane under the command bar.

#include "tests/e2e/XSession.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace e2e {

// The program's colours (COLORREF values).
inline constexpr Rgb kWhite = FromColorRef(0xFFFFFF);
inline constexpr Rgb kBlack = FromColorRef(0x000000);
inline constexpr Rgb kWordBlue = FromColorRef(0xFF0000);  // "Background Selected Word"
inline constexpr Rgb kSquareNavy = FromColorRef(0x800000);  // "Background Selected Square"
inline constexpr Rgb kIncorrectRed = FromColorRef(0x0000FF);  // both incorrect foregrounds
inline constexpr Rgb kGreen = FromColorRef(0x008000);  // puzzle window and letter pad
inline constexpr Rgb kPadYellow = FromColorRef(0x00FFFF);
inline constexpr Rgb kTipYellow = FromColorRef(0xBBFDFB);

// Within tolerance of a colour, so that the cores of smoothed glyphs count.
bool Near(Rgb c, Rgb target, int nTolerance = 60);

// Layout of the client pane with the default settings (pane coordinates).
inline constexpr int kPaneWidth = 240;
inline constexpr int kPaneHeight = 268;
inline constexpr int kHostHeight = 190;  // grid host; the green row follows
inline constexpr Rect kClueBar {0, 191, 240, 38};
inline constexpr Rect kPad {0, 229, 240, 40};
// The clue tip, in frame coordinates.
inline constexpr Rect kTip {6, 180, 228, 80};

// A small puzzle: five across and three down words, numbered 1 to 5 in the
// first column and along the top row.
inline const std::vector<std::string> kFive = {"ABCDE", "F#G#H", "IJKLM", "N#O#P", "QRSTU"};
// Its squares once loaded: the first across word selected at its first square.
inline const std::vector<std::string> kFiveLoaded = {"NBBBB", "W#W#W", "WWWWW", "W#W#W", "WWWWW"};

// A pause after a tap that makes the next tap a tap of its own, not the
// second half of a double tap.
inline constexpr std::chrono::milliseconds kSlowTapPause {700};

class TrellisTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // --- What is on the screen.
    Rect FrameRect() const;
    // The frame's area of the screen, At() in frame coordinates (other
    // windows on top of the frame included, as a person sees them).
    Image Shot() const;
    // Polls Shot() until pred holds; the last shot is kept for the failure capture.
    bool Await(const std::function<bool(const Image&)>& pred);
    const Image& LastShot() const { return m_last; }

    // --- The panes. PanePoint turns pane into frame coordinates.
    int PaneTop() const { return m_nPaneTop; }
    int PanePoint(int y) const { return m_nPaneTop + y; }
    // Interior of a grid square at the default size, frame coordinates; the
    // grid stands at m_ptGrid in the pane.
    Rect Square(int c, int r) const;
    // The lowest row of the letter pad at the frame's left edge, the lowest
    // green one there (a desktop window's line with the time lies under
    // it); -1 while nothing green shows.
    int PadBottom(const Image& shot) const;
    // The square's fill, read where no letter or number reaches.
    Rgb Fill(const Image& shot, int c, int r) const;
    // Pixels of the square's interior that differ from its fill.
    int Ink(const Image& shot, int c, int r) const;
    // Pixels of the square's interior drawn in the given colour (not the fill's).
    int InkOf(const Image& shot, int c, int r, Rgb colour) const;
    // From the leftmost to the rightmost column of the square holding pixels
    // within nTolerance of the colour: the width of what is written there,
    // 0 for nothing.
    int InkWidth(const Image& shot, int c, int r, Rgb colour, int nTolerance = 40) const;
    // Wait until every square matches its character, rows from the top, each
    // from column 0. Fills: 'N' navy (selected square), 'B' blue (selected
    // word), 'W' white, '#' black. Ink: 'L' a letter or number drawn, '.'
    // nothing drawn. '?' anything.
    ::testing::AssertionResult AwaitFills(const std::vector<std::string>& rows);
    ::testing::AssertionResult AwaitInk(const std::vector<std::string>& rows);

    // --- Input. Points in frame coordinates.
    void Click(int x, int y);
    void DoubleClick(int x, int y);
    void TapSquare(int c, int r);
    void DoubleTapSquare(int c, int r);
    void Type(const std::string& text) { m_pX->Type(text); }
    void Key(unsigned long keysym) { m_pX->Key(keysym); }

    // --- Menus, dialogs and message boxes.
    // Chooses a menu item by its text from the keyboard, as the menu shows it:
    // the disabled items (those that need a puzzle while none is loaded) are skipped.
    void Choose(const std::string& item);
    void ShowFullMenus();
    // Waits for a top-level window of the program with that title to appear
    // and hold the keyboard focus; returns it, or 0.
    XID AwaitDialog(const std::string& title);
    bool AwaitGone(XID window);
    // Gives the main window the keyboard focus and waits until it has it.
    bool AwaitFrameFocus();
    // Types a full path into the open file dialog and presses Enter.
    void EnterPath(const std::string& title, const std::filesystem::path& path);
    void LoadPuzzle(const std::filesystem::path& path);
    // Writes kFive as the named file, loads it and waits until it is shown.
    std::filesystem::path LoadFive(const std::string& name = "five.puz");
    // A message box of the program (titled "trellis", not the frame), or 0.
    XID AwaitMessageBox();
    // Whether the box comes to show the stop icon (it is mapped before it is painted).
    bool AwaitStopIcon(XID box);
    // Whether the grid's pane comes to be all white: no puzzle shown.
    bool AwaitNoPuzzle();

    // --- Files.
    // Writes a puzzle file from rows ('#' black) into the temporary folder.
    std::filesystem::path WritePuzzle(const std::string& name, const std::vector<std::string>& rows);

    // The title the main window shows, as the desktop reads it.
    std::string FrameTitle() const;

    // --- The program's life. SetUp starts it; these end it and start it
    // again, with the same home (and so the same settings and data).
    void StartProgram();
    // For a fixture whose SetUp starts nothing: starts the program as
    // "trellis FILE", as a file manager opens a file; skips the case when
    // the file is not there (a corpus file, say).
    void StartWithFile(const std::filesystem::path& file);
    // Ends the program as the user does, from File > Exit, checks that it
    // ended cleanly, and starts it again.
    void Restart();
    // Ends the program with a signal; its exit status (128 + the signal
    // when the signal ended it), or -1 when it is still running after a while.
    int SignalProgram(int nSignal);
    // Waits for the program to end by itself; its exit status, or -1.
    int AwaitProgramEnd();
    std::filesystem::path Home() const { return m_dir.File("home"); }

    // Arguments of the program; a fixture sets them before SetUp starts it.
    std::vector<std::string> m_arguments;
    // Set by a fixture before SetUp too: a window manager on the screen, and
    // the screen's scale (QT_SCALE_FACTOR): the frame is then that many
    // times larger on the screen, and Square() and the pane's layout are not
    // in its pixels.
    bool m_bWindowManager = false;
    int m_nScale = 1;
    // Further environment of the program.
    std::vector<std::string> m_environment;
    // As if the last run had left the window in the screen's top left corner
    // at the handheld's size with the clue lists hidden: the screen the cases
    // of the handheld know. A fixture of the desktop window sets it false,
    // for a first start.
    bool m_bHandheldWindow = true;
    // Where the grid's top left corner lies in the pane.
    int m_nGridX = 0;
    int m_nGridY = 0;
    std::unique_ptr<XSession> m_pX;
    XID m_frame = 0;
    trellis::test::TempDir m_dir;
    bool m_bPuzzle = false;  // whether the program holds a puzzle (menu items need it)

    int LocatePane(const Image& shot) const;

private:
    ::testing::AssertionResult AwaitSquares(const std::vector<std::string>& rows,
                                            const std::function<std::string(const Image&, int, int, char)>& mismatch);

    Process m_app;
    int m_nPaneTop = 0;
    Image m_last;
};

}  // namespace e2e
