// SPDX-License-Identifier: MIT
// The menus from the keyboard and the wheel under a window manager, as on a
// desktop, at the screen's own scale and at twice it: Alt and a menu's
// letter, Escape back to the grid, Ctrl+O, and the wheel scrolling a large grid.
#include "tests/e2e/TrellisTest.h"

#include <X11/keysym.h>

#include <algorithm>

namespace e2e {
namespace {

class OnADesktop : public TrellisTest, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override
    {
        m_bWindowManager = true;
        m_nScale = GetParam();
        TrellisTest::SetUp();
    }

    // Interior of a grid square at a square size, on the screen's pixels.
    Rect SquareAt(int c, int r, int nSize = 20) const
    {
        const int s = m_nScale, nPitch = nSize + 2;
        return {s * (4 + nPitch * c), PaneTop() + s * (4 + nPitch * r), s * nSize, s * nSize};
    }
    Rgb FillOf(const Image& shot, int c, int r) const
    {
        const Rect sq = SquareAt(c, r);
        return shot.At(sq.x + sq.w - 1, sq.y + sq.h - 1);
    }
    bool PopupOpen() const
    {
        const auto windows = m_pX->TopLevels();
        return std::any_of(windows.begin(), windows.end(),
                           [](const TopLevel& w) { return w.bPopup && w.rect.w > 8 && w.rect.h > 8; });
    }
    // The command bar, above the pane.
    Image Bar() const
    {
        const Rect frame = FrameRect();
        return m_pX->Grab({frame.x, frame.y, frame.w, PaneTop()});
    }
    // Loads a puzzle from the keyboard alone: Ctrl+O, the path, Enter.
    void OpenWithKeys(const std::filesystem::path& path)
    {
        m_pX->KeyWith({XK_Control_L}, XK_o);
        EnterPath("Open", path);
    }
    // Where the black square stands: the top-left corner of the first block
    // of black, in reading order, at least half a square wide and high, which
    // no grid line is; that is the corner of the lines around the square.
    // (-1, -1) when there is none.
    std::pair<int, int> BlackSquare(const Image& shot, int nSize) const
    {
        const int nBlock = m_nScale * nSize / 2;
        const Rect frame = FrameRect();
        const auto black = [&](int x0, int y0) {
            for (int y = y0; y < y0 + nBlock; ++y)
                for (int x = x0; x < x0 + nBlock; ++x)
                    if (shot.At(x, y) != kBlack)
                        return false;
            return true;
        };
        for (int y = PaneTop(); y + nBlock < frame.h; ++y)
            for (int x = 0; x + nBlock < frame.w; ++x)
                if (shot.At(x, y + nBlock - 1) == kBlack && shot.At(x + nBlock - 1, y) == kBlack && black(x, y))
                    return {x, y};
        return {-1, -1};
    }
    // The corner BlackSquare finds for the square at (c, r).
    std::pair<int, int> CornerOf(int c, int r, int nSize = 20) const
    {
        const Rect sq = SquareAt(c, r, nSize);
        return {sq.x - 2 * m_nScale, sq.y - 2 * m_nScale};
    }
};

TEST_P(OnADesktop, MenusOpenFromTheKeysAndEscapeGivesTheNextLetterToTheGrid)
{
    const auto path = WritePuzzle("five.puz", kFive);
    ASSERT_TRUE(AwaitFrameFocus());
    OpenWithKeys(path);
    ASSERT_TRUE(Await([&](const Image& s) { return FillOf(s, 0, 0) == kSquareNavy; })) << "the puzzle is not shown";
    ASSERT_TRUE(AwaitFrameFocus());
    const Image bar = Bar();

    // Alt+F, then Escape: the menu goes, and nothing in the bar looks chosen.
    m_pX->KeyWith({XK_Alt_L}, XK_f);
    ASSERT_TRUE(WaitUntil([&] { return PopupOpen(); }));
    Key(XK_Escape);
    ASSERT_TRUE(WaitUntil([&] { return !PopupOpen(); }));
    EXPECT_TRUE(WaitUntil([&] { return Bar() == bar; })) << "the bar still shows a menu title chosen";
    // "f", a menu's letter too, goes into the selected square; the next one is selected.
    Type("f");
    EXPECT_TRUE(Await([&](const Image& s) { return FillOf(s, 1, 0) == kSquareNavy; }));
    const Rect first = SquareAt(0, 0);
    EXPECT_GT(LastShot().Count(first, [&](Rgb c) { return c != FillOf(LastShot(), 0, 0); }), 5)
        << "no letter in (0, 0)";

    // The same from F10.
    Key(XK_F10);
    ASSERT_TRUE(WaitUntil([&] { return PopupOpen(); })) << "F10 opened no menu";
    Key(XK_Escape);
    ASSERT_TRUE(WaitUntil([&] { return !PopupOpen(); }));
    Type("v");
    EXPECT_TRUE(Await([&](const Image& s) { return FillOf(s, 2, 0) == kSquareNavy; }));

    // Alt+F, Down (from Full Menus to Load Puzzle), Return: the file dialog.
    m_pX->KeyWith({XK_Alt_L}, XK_f);
    ASSERT_TRUE(WaitUntil([&] { return PopupOpen(); }));
    Key(XK_Down);
    Key(XK_Return);
    const XID dialog = AwaitDialog("Open");
    ASSERT_NE(dialog, 0u) << "no file dialog after Alt+F, Down, Return";
    Key(XK_Escape);
    EXPECT_TRUE(AwaitGone(dialog));
}

TEST_P(OnADesktop, TheWheelScrollsALargeGridBySquaresAndZoomsWithCtrl)
{
    // 50 x 50 with one black square at (3, 5).
    std::vector<std::string> rows(50, std::string(50, 'A'));
    rows[5][3] = '#';
    ASSERT_TRUE(AwaitFrameFocus());
    OpenWithKeys(WritePuzzle("big.puz", rows));
    const auto [nMarkerX, nMarkerY] = CornerOf(3, 5);
    ASSERT_TRUE(Await([&](const Image& s) { return BlackSquare(s, 20) == CornerOf(3, 5); }))
        << "the black square is not where a grid from its top left corner has it";

    // A notch toward the user: three lines of a square each, up the screen.
    const Rect frame = FrameRect();
    const int x = frame.x + m_nScale * 120, y = frame.y + PaneTop() + m_nScale * 100;
    const int nLines = 3 * 20 * m_nScale;
    m_pX->Wheel(x, y, -1);
    EXPECT_TRUE(Await([&](const Image& s) {
        return BlackSquare(s, 20) == std::make_pair(nMarkerX, nMarkerY - nLines);
    })) << "one notch down did not move the grid up by three squares";
    // With Shift, sideways.
    m_pX->Wheel(x, y, -1, false, {XK_Shift_L});
    EXPECT_TRUE(Await([&](const Image& s) {
        return BlackSquare(s, 20) == std::make_pair(nMarkerX - nLines, nMarkerY - nLines);
    })) << "Shift and a notch down did not move the grid left by three squares";
    // Back up and left; then Ctrl and a notch up zooms in a step.
    m_pX->Wheel(x, y, 1);
    m_pX->Wheel(x, y, 1, false, {XK_Shift_L});
    ASSERT_TRUE(Await([&](const Image& s) { return BlackSquare(s, 20) == CornerOf(3, 5); }));
    m_pX->Wheel(x, y, 1, false, {XK_Control_L});
    // Larger squares: the black one is wider, its lines and all, and further
    // from the grid's corner.
    const auto widthAt = [&](const Image& shot, std::pair<int, int> corner) {
        int n = 0;
        while (shot.At(corner.first + n, corner.second + m_nScale * 8) == kBlack)
            ++n;
        return n;
    };
    EXPECT_EQ(widthAt(LastShot(), CornerOf(3, 5)), m_nScale * 24);
    EXPECT_TRUE(Await([&](const Image& s) {
        const auto corner = BlackSquare(s, 20);
        return corner.first > nMarkerX && corner.second > nMarkerY && widthAt(s, corner) > m_nScale * 24;
    })) << "Ctrl and the wheel did not zoom in";
}

INSTANTIATE_TEST_SUITE_P(Scale, OnADesktop, ::testing::Values(1, 2), [](const ::testing::TestParamInfo<int>& info) {
    return "Times" + std::to_string(info.param);
});

}  // namespace
}  // namespace e2e
