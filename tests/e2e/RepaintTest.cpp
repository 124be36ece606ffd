// SPDX-License-Identifier: MIT
// What the screen shows after a dialog closes, and after the frame is resized.
#include "tests/e2e/TrellisTest.h"

#include <X11/keysym.h>

#include <algorithm>

namespace e2e {
namespace {

using AfterDialogs = TrellisTest;
using Resizing = TrellisTest;

TEST_F(AfterDialogs, ASecondPuzzleOfTheSameSizeReplacesTheFirstOnScreen)
{
    LoadFive();
    LoadPuzzle(WritePuzzle("other.puz", {"#ABCD", "EFGHI", "JK#LM", "NOPQR", "STUV#"}));
    EXPECT_TRUE(AwaitFills({"#NBBB", "WWWWW", "WW#WW", "WWWWW", "WWWW#"}));
    // The next letter goes where the selection is seen.
    ASSERT_TRUE(AwaitFrameFocus());
    Type("a");
    EXPECT_TRUE(AwaitInk({".L...", ".....", ".....", ".....", "....."}));
}

// Load Solution's letters come back behind the same file dialog, whose
// closing the case above proves to repaint the grid.

TEST_F(AfterDialogs, OptionsOkWithNumbersTickedShowsTheNumbersAndSelectsTheFirstWordAgain)
{
    LoadFive();
    TapSquare(2, 2);
    ASSERT_TRUE(AwaitFills({"WWWWW", "W#W#W", "BBNBB", "W#W#W", "WWWWW"}));
    ShowFullMenus();
    Choose("General...");
    const XID dialog = AwaitDialog("Options");
    ASSERT_NE(dialog, 0u) << "no Options dialog";
    // The square size has the focus; the solve mode comes next, then "Numbers".
    Key(XK_Tab);
    Key(XK_Tab);
    Key(XK_space);
    Key(XK_Return);
    ASSERT_TRUE(AwaitGone(dialog));
    EXPECT_TRUE(AwaitInk({"L.L.L", ".#.#.", "L....", ".#.#.", "L...."})) << "numbers 1 to 5";
    EXPECT_TRUE(AwaitFills(kFiveLoaded));
}

TEST_F(AfterDialogs, FontOkShowsTheNewLetterSizeInEverySquare)
{
    LoadFive();
    ASSERT_TRUE(AwaitFrameFocus());
    Type("abcde");
    TapSquare(0, 2);
    Type("ij");
    ASSERT_TRUE(AwaitInk({"LLLLL", ".#.#.", "LL...", ".#.#.", "....."}));
    const std::vector<std::pair<int, int>> filled = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {0, 2}, {1, 2}};
    const auto height = [&](const Image& s, int c, int r) {
        const Rgb fill = Fill(s, c, r);
        const auto span = s.RowSpan(Square(c, r), [&](Rgb p) { return p != fill; });
        return span.second - span.first + 1;
    };
    std::vector<int> before;
    for (const auto& [c, r] : filled)
        before.push_back(height(LastShot(), c, r));

    ShowFullMenus();
    Choose("Font...");
    const XID dialog = AwaitDialog("Font");
    ASSERT_NE(dialog, 0u) << "no Font dialog";
    // OK has the focus; Cancel, the face and the number size come before the letter size.
    for (int i = 0; i < 4; ++i)
        Key(XK_Tab);
    Type("18");
    Key(XK_Return);
    ASSERT_TRUE(AwaitGone(dialog));
    std::string why;
    EXPECT_TRUE(Await([&](const Image& s) {
        for (std::size_t i = 0; i < filled.size(); ++i) {
            const auto [c, r] = filled[i];
            why = "square (" + std::to_string(c) + ", " + std::to_string(r) + ") letter " +
                  std::to_string(height(s, c, r)) + " pixels high, " + std::to_string(before[i]) + " before";
            if (height(s, c, r) < before[i] + 4)
                return false;
        }
        return true;
    })) << why;
}

TEST_F(Resizing, EnlargingTheFrameAfterScrollingShowsTheWholeGrid)
{
    std::vector<std::string> rows(15, std::string(15, '.'));
    rows[3][3] = rows[7][7] = rows[11][11] = '#';
    LoadPuzzle(WritePuzzle("fifteen.puz", rows));
    ASSERT_TRUE(AwaitFills({"NBBBBBBBB", "WWWWWWWWW", "WWWWWWWWW", "WWW#WWWWW"}));
    // Margin and first line at the left and at the top of the view.
    const auto atLeft = [&](const Image& s, int top) {
        return s.At(0, top + 50) == kWhite && s.At(2, top + 50) == kBlack;
    };
    const auto atTop = [&](const Image& s, int top) { return s.At(50, top) == kWhite && s.At(50, top + 2) == kBlack; };
    // The scroll bars are as thick as the grey run at the view's right edge.
    const auto gridColour = [](Rgb c) { return c == kWhite || c == kBlack || c == kWordBlue || c == kSquareNavy; };
    int t = 0;
    while (t < 40 && !gridColour(LastShot().At(kPaneWidth - 1 - t, PanePoint(100))))
        ++t;
    ASSERT_GT(t, 4) << "no vertical scroll bar";

    // A click in each trough near its end pages right and down.
    Click(kPaneWidth - 3 * t, PanePoint(kHostHeight - t / 2 - 1));
    ASSERT_TRUE(Await([&](const Image& s) { return !atLeft(s, PaneTop()); })) << "the grid did not scroll right";
    Click(kPaneWidth - t / 2 - 1, PanePoint(kHostHeight - 4 * t));
    ASSERT_TRUE(Await([&](const Image& s) { return !atTop(s, PaneTop()); })) << "the grid did not scroll down";

    // Larger than the handheld's screen, the grid keeps to the middle of the
    // view: by half the room it leaves, but no more than the pane has grown
    // (the 600 x h pane's grid host is h - 78 high, under the clue bar and the pad).
    m_pX->ResizeWindow(m_frame, 600, 700);
    EXPECT_TRUE(Await([&](const Image& s) {
        const int top = LocatePane(s);
        const int nPane = s.area().h - top;
        const int x = std::min((600 - 336) / 2, 600 - kPaneWidth);
        const int y = std::min((nPane - 78 - 336) / 2, nPane - kPaneHeight);
        return s.area().w == 600 && top > 0 && s.At(x, top + y + 50) == kWhite && s.At(x + 2, top + y + 50) == kBlack &&
               s.At(x + 50, top + y) == kWhite && s.At(x + 50, top + y + 2) == kBlack &&
               s.At(x + 4 + 19, top + y + 4 + 19) == kSquareNavy &&  // square (0, 0)
               s.At(x + 333, top + y + 50) == kBlack && s.At(x + 50, top + y + 333) == kBlack;  // the last lines
    })) << "the grid is not shown whole in the middle of the view";
}

}  // namespace
}  // namespace e2e
