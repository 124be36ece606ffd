// SPDX-License-Identifier: MIT
#pragma once

// The whole program started as the platform starts it, with settings in a
// temporary store and every message box and file dialog scripted.

#include "app/MainFrm.h"
#include "app/PuzzleApp.h"
#include "model/CrossWordPuzzle.h"
#include "platform/testing/Testing.h"
#include "platform/testing/TestingShell.h"
#include "res/resource.h"
#include "tests/support/PuzzleFileWriter.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

namespace trellis::test {

class AppTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Testing::EnsureApplication();
        // Each test may first fill the store, then start the program; the
        // store is the one start-up will read.
        theApp.SetRegistryKey(u"Quillon Software");
        // As if the last run had left the window at the handheld's size
        // with the clue lists hidden: the screen the tests know.
        if (m_bHandheldWindow) {
            theApp.WriteProfileInt(u"window", u"width", 240);
            theApp.WriteProfileInt(u"window", u"height", 268);
            theApp.WriteProfileInt(u"window", u"cluelists", 0);
        }
    }

    void TearDown() override { Close(); }

    // Ends the program as Exit does.
    void Close()
    {
        if (theApp.m_pMainWnd)
            theApp.m_pMainWnd->DestroyWindow();
        theApp.m_pMainWnd = nullptr;
        theApp.ExitInstance();
        Testing::RunUntilIdle();
    }

    void Start()
    {
        ASSERT_TRUE(theApp.InitInstance());
        ASSERT_NE(theApp.m_pMainWnd, nullptr);
        Testing::RunUntilIdle();
    }
    // Ends the program and starts it again with the same store.
    void Restart()
    {
        Close();
        Start();
    }

    CMainFrame& Frame() { return *static_cast<CMainFrame*>(theApp.m_pMainWnd); }
    CPuzzleWnd& PuzzleWnd() { return theApp.GetPuzzleWnd(); }
    CGridWnd& Grid() { return PuzzleWnd().GetGrid(); }

    // Runs a command as the user would: from the menu, switching to the full
    // menus first when it lives only there.
    bool Choose(UINT nID)
    {
        if (!Testing::ChooseMenuItem(Frame(), nID)) {
            if (!Testing::ChooseMenuItem(Frame(), ID_TOGGLE_MENUS) || !Testing::ChooseMenuItem(Frame(), nID))
                return false;
        }
        Testing::RunUntilIdle();
        return true;
    }

    // Writes a puzzle file into the temporary folder and loads it through the menu.
    std::u16string LoadPuzzle(const PuzzleFileWriter& writer, const std::string& name = "puzzle.puz")
    {
        return LoadPuzzle(writer.Bytes(), name);
    }
    std::u16string LoadPuzzle(const std::string& bytes, const std::string& name)
    {
        const std::u16string strPath = m_dir.Write(name, bytes);
        m_files.Choose(strPath);
        EXPECT_TRUE(Choose(ID_LOAD_PUZZLE));
        return strPath;
    }

    void Type(const std::u16string& strText)
    {
        Frame().SetFocus();
        Testing::TypeText(strText.c_str());
        Testing::RunUntilIdle();
    }

    CString ClueText() { return PuzzleWnd().GetClue().GetClueText(); }

    // A fixture of the desktop window sets this false before SetUp: the
    // program then starts as on a first run.
    bool m_bHandheldWindow = true;
    Testing::TemporarySettings m_settings;
    Testing::ScriptedMessageBoxes m_boxes;
    Testing::ScriptedFileDialogs m_files;
    TempDir m_dir;
};

// The full menus' Solve menu: the handheld's items, then Unlock, Undo and
// Redo, the pencil and the rebus entry, Pause, and Mark Black for
// diagramless puzzles, each block after a separator.
inline std::vector<std::u16string> SolveMenuTexts()
{
    return {u"Show Letter",
            u"Show Word",
            u"Show Puzzle",
            u"",
            u"Clear Letter",
            u"Clear Word",
            u"Clear Puzzle",
            u"",
            u"Check Letter",
            u"Check Word",
            u"Check Puzzle",
            u"",
            u"Unlock Puzzle ...",
            u"",
            u"Undo",
            u"Redo",
            u"",
            u"Pencil",
            u"Rebus Entry",
            u"",
            u"Pause",
            u"",
            u"Mark Black"};
}

// A five-by-five block with no black squares.
inline PuzzleFileWriter HeartWriter()
{
    return PuzzleFileWriter({"HEART", "EMBER", "ABUSE", "RESIN", "TREND"});
}

}  // namespace trellis::test
