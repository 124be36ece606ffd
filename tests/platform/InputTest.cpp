// SPDX-License-Identifier: MIT
// Pen and keyboard input: releases away from the press, focus and typed
// characters.

#include "TestWindows.h"

namespace {

std::vector<UINT> Mouse(const CProbeWnd& wnd)
{
    std::vector<UINT> out;
    for (UINT m : wnd.m_messages) {
        if (m >= WM_LBUTTONDOWN && m <= WM_LBUTTONDBLCLK)
            out.push_back(m);
    }
    return out;
}

}  // namespace

// A double tap, with and without CS_DBLCLKS, is the end-to-end suite's: the
// grid turns, the clue bar opens its tip, the letter pad takes two letters.

TEST_F(WindowTest, UncapturedReleaseGoesToTheWindowUnderThePen)
{
    CProbeWnd grid;
    CProbeWnd pad;
    ASSERT_TRUE(CreateChild(grid, CRect(0, 0, 240, 100), 1));
    ASSERT_TRUE(CreateChild(pad, CRect(0, 150, 240, 200), 2));
    Testing::Press(&grid, CPoint(10, 10));
    Testing::Release(&grid, CPoint(20, 170));
    EXPECT_EQ(Mouse(grid), std::vector<UINT>({WM_LBUTTONDOWN}));
    ASSERT_EQ(Mouse(pad), std::vector<UINT>({WM_LBUTTONUP}));
    EXPECT_EQ(pad.m_points[0], CPoint(20, 20));
}

TEST_F(WindowTest, TypedCharactersGoToTheFocusedWindow)
{
    CProbeWnd first;
    CProbeWnd second;
    ASSERT_TRUE(CreateChild(first, CRect(0, 0, 50, 50), 1));
    ASSERT_TRUE(CreateChild(second, CRect(60, 0, 110, 50), 2));

    first.SetFocus();
    EXPECT_EQ(CWnd::GetFocus(), &first);
    EXPECT_EQ(first.Count(WM_SETFOCUS), 1);
    Testing::TypeText(u"ab\u00e9");
    EXPECT_EQ(first.m_chars, std::vector<UINT>({u'a', u'b', 0xE9}));

    EXPECT_EQ(second.SetFocus(), &first);
    EXPECT_EQ(first.Count(WM_KILLFOCUS), 1);
    EXPECT_EQ(second.Count(WM_SETFOCUS), 1);
    Testing::TypeText(u"Z");
    EXPECT_EQ(second.m_chars, std::vector<UINT>({u'Z'}));
    EXPECT_EQ(first.m_chars.size(), 3u);

    // Keys come down first; keys that type nothing give no character.
    second.m_chars.clear();
    Testing::TypeText(u"q");
    Testing::PressKey(VK_LEFT);
    Testing::PressKey(VK_BACK);
    Testing::PressKey(VK_DELETE);  // Qt gives it the text DEL, which types nothing
    EXPECT_EQ(second.m_keys, std::vector<UINT>({'Z', 'Q', VK_LEFT, VK_BACK, VK_DELETE}));
    EXPECT_EQ(second.m_chars, std::vector<UINT>({u'q', 8}));

    // Focus on a destroyed window is forgotten.
    second.DestroyWindow();
    EXPECT_EQ(CWnd::GetFocus(), nullptr);
    Testing::TypeText(u"x");
    EXPECT_EQ(first.m_chars.size(), 3u);
}
