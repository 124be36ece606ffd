// SPDX-License-Identifier: MIT
// The desktop window under a window manager: a first start with the clue
// lists beside the grid, a click on a clue, a dropped solution that the
// lists follow and Undo takes back, and a restart that brings the window
// back as it was left.
#include "tests/e2e/TrellisTest.h"

#include "tests/support/PuzzleFileWriter.h"
#include "tests/support/PuzzleState.h"
#include "tests/support/TempDir.h"

#include <X11/keysym.h>

#include <algorithm>
#include <thread>

namespace fs = std::filesystem;

namespace e2e {
namespace {

// A first start: 760 pixels wide, the area under the command bar 488 high.
constexpr int kWidth = 760;
constexpr int kPanesHeight = 488;
// The puzzle window, the bar and the lists beside it.
constexpr int kPuzzleWidth = 339;
constexpr int kListsLeft = 344;
// Across and Down side by side, 4 pixels apart: (416 - 4) / 2 each.
constexpr int kDownLeft = kListsLeft + 206 + 4;
// The clue bar, under the grid host and over the 40-pixel letter pad.
constexpr Rect kDesktopClueBar {0, kPanesHeight - 40 - 38 + 1, kPuzzleWidth, 38};
// The light tint of the clue crossing the selected word: white a quarter
// of the way to the selected word's blue.
constexpr Rgb kCrossingTint {192, 192, 255};

class DesktopWindow : public TrellisTest {
protected:
    void SetUp() override
    {
        m_bHandheldWindow = false;
        m_bWindowManager = true;
        m_arguments = {WritePuzzle("five.puz", kFive).string()};
        // The 116-pixel grid in the middle of its 339 x 410 view: by half the
        // room left over, or by as much as the pane has grown past the
        // handheld's 240 x 268 where that is less.
        m_nGridX = std::min((kPuzzleWidth - 116) / 2, kPuzzleWidth - kPaneWidth);
        m_nGridY = std::min((kPanesHeight - 78 - 116) / 2, kPanesHeight - kPaneHeight);
        TrellisTest::SetUp();
        m_bPuzzle = true;
    }

    // Rows of the Down list, in frame coordinates, drawn in the colour.
    std::pair<int, int> DownRows(const Image& s, Rgb colour) const
    {
        return s.RowSpan({kDownLeft + 40, PaneTop(), 60, kPanesHeight}, [&](Rgb c) { return c == colour; });
    }
    Image ClueBar(const Image& s) const
    {
        return m_pX->Grab(
            {s.area().x, s.area().y + PanePoint(kDesktopClueBar.y), kDesktopClueBar.w, kDesktopClueBar.h});
    }
};

TEST_F(DesktopWindow, AClickOnADownClueSelectsThatWordAndTheClueBarShowsIt)
{
    EXPECT_EQ(FrameRect().w, kWidth);
    EXPECT_EQ(FrameRect().h - PaneTop(), kPanesHeight);
    ASSERT_TRUE(AwaitFills(kFiveLoaded));
    // 1 Across is selected; 1 Down, crossing it at its first square, is tinted.
    std::pair<int, int> first;
    ASSERT_TRUE(Await([&](const Image& s) {
        first = DownRows(s, kCrossingTint);
        return first.first > PaneTop();
    })) << "no tinted clue in the Down list";
    const int nItem = first.second - first.first + 1;

    // 2 Down is the next one, of the same height.
    Click(kDownLeft + 100, first.second + 1 + nItem / 2);
    EXPECT_TRUE(AwaitFills({"WWNWW", "W#B#W", "WWBWW", "W#B#W", "WWBWW"}));
    std::pair<int, int> chosen;
    ASSERT_TRUE(Await([&](const Image& s) {
        chosen = DownRows(s, kWordBlue);
        return chosen.first > first.second;
    })) << "the chosen clue is not drawn in the selected word's colours";
    EXPECT_NEAR(chosen.first, first.second + 1, 1);
    const Image bar = ClueBar(LastShot());
    EXPECT_GT(bar.Count({0, 0, kDesktopClueBar.w, kDesktopClueBar.h}, [](Rgb c) { return c == kBlack; }), 40);

    // The bar shows the same text as when the grid selects 2 Down: another
    // word changes it, a tap in 2 Down's column brings it back.
    TapSquare(1, 2);
    ASSERT_TRUE(AwaitFills({"WWWWW", "W#W#W", "BNBBB", "W#W#W", "WWWWW"}));
    EXPECT_TRUE(Await([&](const Image& s) { return !(ClueBar(s) == bar); }));
    TapSquare(2, 1);
    ASSERT_TRUE(AwaitFills({"WWBWW", "W#N#W", "WWBWW", "W#B#W", "WWBWW"}));
    EXPECT_TRUE(Await([&](const Image& s) { return ClueBar(s) == bar; }))
        << "the clue bar shows another text than the grid's 2 Down";

    // Letters typed now go into the grid, not the list.
    Type("g");
    EXPECT_TRUE(AwaitInk({"?????", "??L??", "?????", "?????", "?????"}));
}

TEST_F(DesktopWindow, ASolutionDroppedOnTheWindowGreysTheCluesItFillsAndUndoTakesItBack)
{
    ASSERT_TRUE(AwaitFills(kFiveLoaded));
    // 1 Across is selected; 4 Across, the next one, is black on white.
    std::pair<int, int> selected;
    ASSERT_TRUE(Await([&](const Image& s) {
        selected = s.RowSpan({kListsLeft + 40, PaneTop(), 60, kPanesHeight}, [](Rgb c) { return c == kWordBlue; });
        return selected.first > PaneTop();
    })) << "no selected clue in the Across list";
    const int nItem = selected.second - selected.first + 1;
    const Rect fourAcross {kListsLeft + 2, selected.second + 1, 200, nItem};
    const auto inks = [&](const Image& s, Rgb colour) {
        return s.Count(fourAcross, [&](Rgb c) { return c == colour; });
    };
    ASSERT_TRUE(Await([&](const Image& s) { return inks(s, kBlack) > 0; }));

    // A solution with the third row's letters, from the file manager.
    auto model = trellis::test::PuzzleFileWriter(kFive).Load(m_dir, "model.puz");
    for (int c = 0; c < 5; ++c)
        trellis::test::SetLetter(*model, c, 2, static_cast<char16_t>(u'I' + c));
    const fs::path solution = m_dir.File("five.sol");
    ASSERT_TRUE(model->SaveSolution(trellis::test::ModelPath(solution)));
    const Rect frame = FrameRect();
    ASSERT_TRUE(m_pX->DropUris(m_frame, frame.x + 100, frame.y + PanePoint(60), {"file://" + solution.string()}));
    EXPECT_TRUE(AwaitInk({"?????", "?????", "LLLLL", "?????", "?????"}));
    // Its text is grey now: half way from black to white.
    EXPECT_TRUE(Await([&](const Image& s) {
        return inks(s, kBlack) == 0 && inks(s, Rgb {127, 127, 127}) > 0;
    })) << "4 Across is not greyed after the solution filled it";

    // Ctrl+Z takes the whole solution back, and the clue is black again.
    ASSERT_TRUE(AwaitFrameFocus());
    m_pX->KeyWith({XK_Control_L}, XK_z);
    EXPECT_TRUE(AwaitInk({"?????", "?????", "?....", "?????", "?????"}));
    EXPECT_TRUE(Await([&](const Image& s) {
        return inks(s, kBlack) > 0 && inks(s, Rgb {127, 127, 127}) == 0;
    })) << "4 Across is still greyed after Undo";
}

TEST_F(DesktopWindow, ARestartOpensTheWindowWhereAndAsItWasLeft)
{
    // A centred first start on the 1024 x 768 screen.
    const Rect first = FrameRect();
    EXPECT_EQ(first.w, kWidth);
    EXPECT_NEAR(first.x + first.w / 2, 512, 2);

    // The bar dragged 60 pixels left, the window made larger and moved.
    const int nBarY = PanePoint(200);
    const Rect frame = FrameRect();
    m_pX->Press(frame.x + kPuzzleWidth + 2, frame.y + nBarY);
    for (int dx = 10; dx <= 60; dx += 10) {
        m_pX->MoveTo(frame.x + kPuzzleWidth + 2 - dx, frame.y + nBarY);
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
    }
    m_pX->Release(frame.x + kPuzzleWidth + 2 - 60, frame.y + nBarY);
    // The letter pad spans the puzzle window: its green row ends where it does.
    const auto padWidth = [&](const Image& s) {
        int x = 0;
        const int y = PadBottom(s) - 2;
        while (x < s.area().w && s.At(x, y) == kGreen)
            ++x;
        return x;
    };
    ASSERT_TRUE(Await([&](const Image& s) { return padWidth(s) == kPuzzleWidth - 60; }))
        << "the bar did not move: the pad is " << padWidth(LastShot()) << " wide";
    m_pX->ResizeWindow(m_frame, 820, 600);
    m_pX->MoveWindow(m_frame, 60, 80);
    ASSERT_TRUE(WaitUntil([&] { return FrameRect().w == 820 && FrameRect().h == 600; }));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const Rect left = FrameRect();
    ASSERT_TRUE(Await([&](const Image& s) { return padWidth(s) == 820 - 416 - 60 - 5; }));

    Restart();
    const Rect again = FrameRect();
    EXPECT_EQ(again.w, left.w);
    EXPECT_EQ(again.h, left.h);
    EXPECT_EQ(again.x, left.x);
    EXPECT_EQ(again.y, left.y);
    EXPECT_TRUE(Await([&](const Image& s) { return padWidth(s) == 820 - 416 - 60 - 5; }))
        << "the lists are not as wide as they were: the pad is " << padWidth(LastShot()) << " wide";
}

// At twice the scale the first window still fits the screen, lists and all.
class ScaledDesktopWindow : public DesktopWindow {
protected:
    void SetUp() override
    {
        m_environment = {"QT_SCALE_FACTOR=2"};
        m_bHandheldWindow = false;
        m_bWindowManager = true;
        TrellisTest::SetUp();
    }
};

TEST_F(ScaledDesktopWindow, TheFirstWindowFitsTheScreenWithTheLists)
{
    const Rect frame = FrameRect();
    EXPECT_GE(frame.x, 0);
    EXPECT_GE(frame.y, 0);
    EXPECT_LE(frame.x + frame.w, 1024);
    EXPECT_LE(frame.y + frame.h, 768);
    // The lists' grey headings and white items lie right of the letter pad.
    const Image s = Shot();
    int nPad = 0;
    const int y = PadBottom(s) - 2;
    while (nPad < s.area().w && s.At(nPad, y) == kGreen)
        ++nPad;
    EXPECT_GE(nPad, 2 * kPaneWidth);  // the handheld's width, at twice the scale
    EXPECT_GT(s.Count({nPad + 20, PaneTop(), s.area().w - nPad - 40, s.area().h - PaneTop()},
                      [](Rgb c) { return c == kWhite; }),
              1000);
}

}  // namespace
}  // namespace e2e
