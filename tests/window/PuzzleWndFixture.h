// SPDX-License-Identifier: MIT
#pragma once

// A puzzle window filling a 240 x 268 host, like the device's client pane,
// with a solve host that records what letter entry and the commands ask.

#include "tests/panes/PaneTest.h"
#include "window/PuzzleWnd.h"
#include "window/SolveHost.h"

namespace trellis::test {

class CFakeSolveHost : public CSolveHost {
public:
    int GetSolveMode() const override { return m_nMode; }
    void CheckSolved() override { m_nChecks++; }
    void SolveChanged() override { m_nChanges++; }
    int m_nMode = 1;
    int m_nChecks = 0;
    int m_nChanges = 0;
};

class PuzzleWndTest : public HostTest {
protected:
    void SetUp() override
    {
        m_nHostWidth = 240;
        m_nHostHeight = 268;
        HostTest::SetUp();
        ASSERT_TRUE(
            m_wnd.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 240, 268), &m_host, 0xE900));
        m_wnd.SetSolveHost(&m_solve);
        Testing::RunUntilIdle();
    }
    void Load(const std::vector<std::string>& rows, const std::vector<std::string>& clues = {})
    {
        m_pPuzzle = MakePuzzle(rows, clues);
        m_wnd.SetPuzzle(m_pPuzzle.get());
        Testing::RunUntilIdle();
    }
    void Load(const PuzzleFileWriter& writer)
    {
        m_pPuzzle = writer.Load(TempDir());
        m_wnd.SetPuzzle(m_pPuzzle.get());
        Testing::RunUntilIdle();
    }
    CGridWnd& Grid() { return m_wnd.GetGrid(); }
    CSquare Square(int nCol, int nRow) const { return m_pPuzzle->GetSquare(nCol, nRow); }
    // A letter in the square as the player left it, checked or not.
    void Put(int nCol, int nRow, WCHAR ch, BOOL bChecked = FALSE)
    {
        CSquare square = Square(nCol, nRow);
        square.m_chLetter = ch;
        square.m_bFilled = TRUE;
        square.m_bChecked = bChecked;
        m_pPuzzle->SetSquare(nCol, nRow, square);
    }
    void Select(int nCol, int nRow) { Testing::Tap(&Grid(), InSquare(Grid(), nCol, nRow)); }
    void Type(UINT nChar) { m_wnd.SendMessage(WM_CHAR, nChar, 0); }
    // Keys and text as the keyboard gives them to the window with the focus.
    void Key(UINT nVirtKey, BOOL bShift = FALSE)
    {
        m_wnd.SetFocus();
        Testing::PressKey(nVirtKey, bShift);
    }
    void Text(const char16_t* pszText)
    {
        m_wnd.SetFocus();
        Testing::TypeText(pszText);
    }
    // A command, and what it left for the event loop.
    void Command(UINT nID)
    {
        m_wnd.SendMessage(WM_COMMAND, nID, 0);
        Testing::RunUntilIdle();
    }
    BOOL IsEnabled(UINT nID)
    {
        CCmdUI ui;
        ui.m_nID = nID;
        ui.DoUpdate(&m_wnd, TRUE);
        return ui.m_bEnabled;
    }
    CString Clue() { return m_wnd.GetClue().GetClueText(); }

    CPuzzleWnd m_wnd;
    CFakeSolveHost m_solve;
    std::unique_ptr<CCrossWordPuzzle> m_pPuzzle;
};

}  // namespace trellis::test
