#pragma once

// The running program with its dialogs scripted: a fresh frame and settings
// store for each test, commands issued through the menus.

#include "app/MainFrm.h"
#include "app/PuzzleApp.h"
#include "model/CrossWordPuzzle.h"
#include "platform/Testing.h"
#include "platform/TestingDialogs.h"
#include "platform/TestingShell.h"
#include "res/resource.h"
#include "tests/support/PuzzleFileWriter.h"
#include "tests/support/TempDir.h"
#include "window/PuzzleWnd.h"

#include <gtest/gtest.h>

#include <string>

class DialogFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(theApp.InitInstance());
        ASSERT_TRUE(Testing::ChooseMenuItem(Frame(), ID_TOGGLE_MENUS));
    }

    void TearDown() override
    {
        theApp.m_pMainWnd->DestroyWindow();
        theApp.m_pMainWnd = nullptr;
        delete theApp.m_pPuzzle;
        theApp.m_pPuzzle = nullptr;
        EXPECT_EQ(m_dialogs.ScriptsLeft(), 0u);
        EXPECT_TRUE(m_dialogs.Faults().empty());
    }

    CMainFrame& Frame() { return *static_cast<CMainFrame*>(theApp.m_pMainWnd); }
    CPuzzleWnd& PuzzleWnd() { return theApp.GetPuzzleWnd(); }
    CGridWnd& Grid() { return PuzzleWnd().m_wndCross.m_wndGrid; }

    // 15 x 15 with a black corner, larger than the pane at the default square size.
    void LoadPuzzle(trellis::test::PuzzleFileWriter writer = Big(), const std::string& name = "x.puz")
    {
        m_files.Choose(m_dir.Write(name, writer.Bytes()));
        ASSERT_TRUE(Testing::ChooseMenuItem(Frame(), ID_LOAD_PUZZLE));
        ASSERT_NE(theApp.m_pPuzzle, nullptr);
    }

    static trellis::test::PuzzleFileWriter Big()
    {
        std::vector<std::string> rows(15, std::string(15, 'A'));
        rows[0][0] = '#';
        return trellis::test::PuzzleFileWriter(rows);
    }

    // Opens the dialog of the menu command; the script works it and closes it.
    void Open(UINT nCommand, Testing::ScriptedDialogs::Script script)
    {
        m_dialogs.Queue(std::move(script));
        ASSERT_TRUE(Testing::ChooseMenuItem(Frame(), nCommand));
        Testing::RunIdle();
    }

    int Stored(LPCTSTR lpszSection, LPCTSTR lpszEntry)
    {
        return static_cast<int>(theApp.GetProfileInt(lpszSection, lpszEntry, kAbsent));
    }
    int StoredColor(int nSlot)
    {
        CString strEntry;
        strEntry.Format(u"%d", nSlot);
        return Stored(u"color", strEntry.c_str());
    }
    static constexpr int kAbsent = -12345;

    // OK on a field that must be refused: the dialog stays open with the
    // standard range message and the focus back on the field.
    void ExpectRefused(CDialog& dlg, int nID, const std::u16string& strText)
    {
        const size_t nShown = m_boxes.Shown().size();
        Testing::PressOK(dlg);
        EXPECT_TRUE(Testing::IsOpen(dlg));
        ASSERT_EQ(m_boxes.Shown().size(), nShown + 1);
        EXPECT_EQ(m_boxes.Shown().back().strText, strText);
        EXPECT_EQ(Testing::FocusedControl(dlg), nID);
    }

    Testing::TemporarySettings m_settings;
    Testing::ScriptedMessageBoxes m_boxes;
    Testing::ScriptedFileDialogs m_files;
    Testing::ScriptedDialogs m_dialogs;
    trellis::test::TempDir m_dir;
};
