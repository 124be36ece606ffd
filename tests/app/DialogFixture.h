// SPDX-License-Identifier: MIT
#pragma once

// The running program with its dialogs scripted and the full menus shown.

#include "platform/testing/TestingDialogs.h"
#include "tests/app/AppFixture.h"

#include <string>
#include <vector>

class DialogFixture : public trellis::test::AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        Start();
        ASSERT_TRUE(Testing::ChooseMenuItem(Frame(), ID_TOGGLE_MENUS));
    }
    void TearDown() override
    {
        EXPECT_EQ(m_dialogs.ScriptsLeft(), 0u);
        EXPECT_TRUE(m_dialogs.Faults().empty());
        AppTest::TearDown();
    }

    // 15 x 15, larger than the pane; its first square is (1, 0).
    static trellis::test::PuzzleFileWriter Big()
    {
        std::vector<std::string> rows(15, std::string(15, 'A'));
        rows[0][0] = '#';
        return trellis::test::PuzzleFileWriter(rows);
    }
    // Loads it and selects (5, 4).
    void LoadBigPuzzle(const trellis::test::PuzzleFileWriter& writer = Big())
    {
        LoadPuzzle(writer, "x.puz");
        Testing::Tap(&Grid(), Grid().GetSquareRect(5, 4).CenterPoint());
        ASSERT_EQ(Grid().GetSelectedSquare(), CPoint(5, 4));
    }

    void Open(UINT nCommand, Testing::ScriptedDialogs::Script script)
    {
        m_dialogs.Queue(std::move(script));
        ASSERT_TRUE(Choose(nCommand));
    }

    int Stored(LPCTSTR lpszSection, LPCTSTR lpszEntry)
    {
        return static_cast<int>(theApp.GetProfileInt(lpszSection, lpszEntry, kAbsent));
    }
    static constexpr int kAbsent = -12345;

    // OK must keep the dialog open with the range message and the focus back on the field.
    void ExpectRefused(CDialog& dlg, int nID, const std::u16string& strRange)
    {
        const size_t nShown = m_boxes.Shown().size();
        Testing::PressOK(dlg);
        EXPECT_TRUE(Testing::IsOpen(dlg));
        ASSERT_EQ(m_boxes.Shown().size(), nShown + 1);
        EXPECT_EQ(m_boxes.Shown().back().strText, u"Please enter an integer between " + strRange + u".");
        EXPECT_EQ(Testing::FocusedControl(dlg), nID);
    }

    Testing::ScriptedDialogs m_dialogs;
};
