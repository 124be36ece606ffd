#pragma once

// What the pane and window tests share: a top-level host that records what
// its children send it, and puzzles built from grids written as strings.

#include "model/CrossWordPuzzle.h"
#include "platform/Platform.h"
#include "platform/Testing.h"
#include "tests/support/PuzzleFileWriter.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

// Readable failures for the geometry types.
inline void PrintTo(const RECT& rc, std::ostream* os)
{
    *os << "(" << rc.left << ", " << rc.top << ", " << rc.right << ", " << rc.bottom << ")";
}
inline void PrintTo(const POINT& pt, std::ostream* os) { *os << "(" << pt.x << ", " << pt.y << ")"; }

namespace trellis::test {

// A visible pop-up at the screen's origin; keeps every word notification and character.
class CRecordingHost : public CWnd {
public:
    BOOL CreateHost(int cx, int cy);

    std::vector<std::pair<WPARAM, CPoint>> m_words;
    std::vector<UINT> m_chars;

protected:
    LRESULT OnWordSelected(WPARAM wParam, LPARAM lParam);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);

    DECLARE_MESSAGE_MAP()
};

// Loads a puzzle from rows ('#' black, other characters answer letters).
std::unique_ptr<CCrossWordPuzzle> MakePuzzle(const std::vector<std::string>& rows,
                                             const std::vector<std::string>& clues = {});

// Pixels of the rectangle that differ from colour.
int InkPixels(const CWnd* pWnd, const RECT& rect, COLORREF color);

// The window's rectangle in its parent's client coordinates.
CRect RectInParent(CWnd& wnd);

// Every host-based test starts from a fresh host and leaves nothing pending.
class HostTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    int m_nHostWidth = 400;
    int m_nHostHeight = 400;
    CRecordingHost m_host;
};

} // namespace trellis::test
