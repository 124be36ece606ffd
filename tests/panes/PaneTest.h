// SPDX-License-Identifier: MIT
#pragma once

// Shared by the pane and window tests: a top-level host that records what its
// children send it, and puzzles built from grids written as strings.

#include "model/CrossWordPuzzle.h"
#include "panes/GridWnd.h"
#include "platform/testing/Testing.h"
#include "tests/support/PuzzleFileWriter.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <utility>

inline void PrintTo(const RECT& rc, std::ostream* os)
{
    *os << "(" << rc.left << ", " << rc.top << ", " << rc.right << ", " << rc.bottom << ")";
}
inline void PrintTo(const POINT& pt, std::ostream* os)
{
    *os << "(" << pt.x << ", " << pt.y << ")";
}

namespace trellis::test {

struct ApplicationEnvironment : ::testing::Environment {
    void SetUp() override { Testing::EnsureApplication(); }
};
inline const auto* g_pApplication = ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

// A visible pop-up at the screen's origin that keeps word notifications,
// characters and the commands its children send it.
class CRecordingHost : public CWnd {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_WORDSELECTED)
            m_words.emplace_back(wParam, CPoint(LOWORD(lParam), HIWORD(lParam)));
        if (message == WM_CHAR)
            m_chars.push_back(static_cast<UINT>(wParam));
        if (message == WM_COMMAND)
            m_commands.push_back(LOWORD(wParam));
        return CWnd::WindowProc(message, wParam, lParam);
    }
    std::vector<std::pair<WPARAM, CPoint>> m_words;
    std::vector<UINT> m_chars;
    std::vector<UINT> m_commands;
};

// Rows: '#' black, any other character the answer of a white square.
inline std::unique_ptr<CCrossWordPuzzle> MakePuzzle(const std::vector<std::string>& rows,
                                                    const std::vector<std::string>& clues = {})
{
    PuzzleFileWriter writer(rows);
    if (!clues.empty())
        writer.Clues(clues);
    return writer.Load(TempDir());
}

// Pixels of the rectangle that differ from the colour.
inline int InkPixels(const CWnd* pWnd, const CRect& rc, COLORREF color)
{
    return rc.Width() * rc.Height() - Testing::CountPixels(pWnd, rc, color);
}

inline CRect RectInParent(CWnd& wnd)
{
    CRect rc;
    wnd.GetWindowRect(&rc);
    wnd.GetParent()->ScreenToClient(&rc);
    return rc;
}

inline CPoint InSquare(const CGridWnd& grid, int nCol, int nRow)
{
    const CRect rc = grid.GetSquareRect(nCol, nRow);
    return CPoint(rc.left + 3, rc.top + 3);
}

class HostTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateEx(0, AfxRegisterWndClass(0), u"host", WS_POPUP | WS_VISIBLE,
                                    CRect(0, 0, m_nHostWidth, m_nHostHeight), nullptr, 0));
    }
    void TearDown() override
    {
        m_host.DestroyWindow();
        Testing::RunUntilIdle();
    }
    int m_nHostWidth = 400;
    int m_nHostHeight = 400;
    CRecordingHost m_host;
};

}  // namespace trellis::test
