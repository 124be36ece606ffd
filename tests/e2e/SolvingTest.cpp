// SPDX-License-Identifier: MIT
// Starting, selecting words and entering letters. (Every LoadFive loads a
// puzzle through the file dialog and sees its first word selected.)
#include "tests/e2e/TrellisTest.h"

#include <X11/keysym.h>

namespace e2e {
namespace {

using Starting = TrellisTest;
using Selecting = TrellisTest;
using Entering = TrellisTest;

TEST_F(Starting, ShowsTheBannerUnderAnEmptyGridAndTheLetterPad)
{
    const Image s = Shot();
    EXPECT_EQ(FrameRect().w, kPaneWidth);
    EXPECT_EQ(FrameRect().h - PaneTop(), kPaneHeight) << "client pane under the command bar";
    const auto notWhite = [](Rgb c) { return c != kWhite; };
    EXPECT_EQ(s.Count({0, PanePoint(0), kPaneWidth, kHostHeight}, notWhite), 0) << "the grid host is not empty";
    EXPECT_EQ(s.Count({0, PanePoint(kHostHeight), kPaneWidth, 1}, [](Rgb c) { return c != kGreen; }), 0)
        << "no green row between grid and clue bar";
    // The clue bar: a black frame around the banner's lines of text.
    EXPECT_EQ(s.At(0, PanePoint(kClueBar.y)), kBlack);
    EXPECT_EQ(s.At(kPaneWidth - 1, PanePoint(kClueBar.y + 20)), kBlack);
    const Rect text {2, PanePoint(kClueBar.y + 2), kPaneWidth - 4, kClueBar.h - 4};
    EXPECT_GT(s.Count(text, [](Rgb c) { return Near(c, kBlack); }), 100) << "no banner in the clue bar";
    EXPECT_GT(s.RowSpan(text, [](Rgb c) { return Near(c, kBlack); }).second - text.y, 20) << "one line of banner only";
    // The pad: yellow letters on green, "A" at the top left.
    EXPECT_EQ(s.At(1, PanePoint(kPad.y + 1)), kGreen);
    EXPECT_GT(s.Count({4, PanePoint(kPad.y + 2), 12, 18}, [](Rgb c) { return Near(c, kPadYellow); }), 5);
    EXPECT_GT(s.Count({0, PanePoint(kPad.y), kPaneWidth, 38}, [](Rgb c) { return c == kPadYellow; }), 200);
}

// A tap selecting the word through a square is seen in every case here; a
// second tap on the selected square turning it is the grid's.
TEST_F(Selecting, ADoubleTapSelectsTheWordThroughASquareAndTurnsIt)
{
    LoadFive();
    DoubleTapSquare(0, 2);
    EXPECT_TRUE(AwaitFills({"BWWWW", "B#W#W", "NWWWW", "B#W#W", "BWWWW"}));
}

TEST_F(Selecting, ADoubleTapOnTheClueBarOpensTheTipInFrontOfTheFrameAndItMovesWithIt)
{
    // Away from the desktop's corner, so that frame and desktop positions differ.
    m_pX->MoveWindow(m_frame, 200, 150);
    ASSERT_TRUE(WaitUntil([&] { return FrameRect().x == 200; }));
    const auto tipShown = [&](const Image& s) {
        const int right = kTip.x + kTip.w - 1, bottom = kTip.y + kTip.h - 1;
        return s.At(kTip.x, kTip.y) == kBlack && s.At(right, bottom) == kBlack &&
               s.At(kTip.x + 2, bottom - 2) == kTipYellow && s.At(right - 2, bottom - 2) == kTipYellow &&
               s.At(right - 2, kTip.y + 2) == kTipYellow && s.At(right + 1, bottom - 2) != kTipYellow &&
               s.At(kTip.x + 2, bottom + 1) != kTipYellow;
    };
    ASSERT_FALSE(tipShown(Shot()));

    DoubleClick(kPaneWidth / 2, PanePoint(kClueBar.y + kClueBar.h / 2));
    ASSERT_TRUE(Await(tipShown)) << "no clue tip at (6, 180) of the frame";
    EXPECT_GT(LastShot().Count({kTip.x + 2, kTip.y + 2, kTip.w - 4, 30}, [](Rgb c) { return Near(c, kBlack); }), 50)
        << "the tip shows no text";

    // A window manager raises the window the user clicks, with the windows it owns.
    Click(kPaneWidth / 2, PanePoint(60));
    m_pX->RaiseWindow(m_frame);
    for (const TopLevel& w : m_pX->TopLevels())
        if (m_pX->OwnerOf(w.id) == m_frame)
            m_pX->RaiseWindow(w.id);
    EXPECT_TRUE(Await(tipShown)) << "the tip went behind the frame";

    m_pX->MoveWindow(m_frame, 420, 300);
    EXPECT_TRUE(Await([&](const Image& s) { return FrameRect().x == 420 && tipShown(s); }))
        << "the tip did not move with the frame";

    Click(kTip.x + kTip.w / 2, kTip.y + kTip.h - 10);
    EXPECT_TRUE(Await([&](const Image& s) { return !tipShown(s); })) << "a tap on the tip did not hide it";
}

TEST_F(Entering, TheLetterPadHighlightsAPressedLetterAndEntersItOnRelease)
{
    LoadFive();
    // "B" is the second letter of the pad's top row; its box begins at x 22,
    // and the highlight is two pixels wider on each side.
    const int x = 26, y = PanePoint(kPad.y + 10);
    const auto highlighted = [&](const Image& s) { return s.At(21, PanePoint(kPad.y + 4)) == kPadYellow; };
    ASSERT_FALSE(highlighted(Shot()));

    const Rect frame = FrameRect();
    m_pX->Press(frame.x + x, frame.y + y);
    EXPECT_TRUE(Await(highlighted)) << "no highlight while the letter is pressed";
    EXPECT_EQ(Ink(LastShot(), 0, 0), 0) << "the letter went in before the release";
    m_pX->Release(frame.x + x, frame.y + y);
    EXPECT_TRUE(Await([&](const Image& s) { return !highlighted(s); })) << "the highlight stayed";
    EXPECT_TRUE(AwaitInk({"L....", ".#.#.", ".....", ".#.#.", "....."}));
    EXPECT_TRUE(AwaitFills({"BNBBB", "W#W#W", "WWWWW", "W#W#W", "WWWWW"}));

    // Two quick taps enter the letter twice.
    DoubleClick(x, y);
    EXPECT_TRUE(AwaitInk({"LLL..", ".#.#.", ".....", ".#.#.", "....."}));
    EXPECT_TRUE(AwaitFills({"BBBNB", "W#W#W", "WWWWW", "W#W#W", "WWWWW"}));
}

TEST_F(Entering, CheckWordShowsItsWrongLettersInTheIncorrectColour)
{
    LoadFive();
    ASSERT_TRUE(AwaitFrameFocus());
    Type("axc");  // the answers are A, B, C
    ASSERT_TRUE(AwaitInk({"LLL.."}));
    ShowFullMenus();
    Choose("Check Word");
    EXPECT_TRUE(Await([&](const Image& s) { return InkOf(s, 1, 0, kIncorrectRed) > 3; }))
        << "the wrong letter is not red in the selected word";
    EXPECT_EQ(InkOf(LastShot(), 0, 0, kIncorrectRed) + InkOf(LastShot(), 2, 0, kIncorrectRed), 0);
    EXPECT_GT(InkOf(LastShot(), 0, 0, kWhite), 3);

    // Outside the selected word: red on white, and the right letters black.
    TapSquare(0, 4);
    EXPECT_TRUE(Await([&](const Image& s) {
        return Fill(s, 1, 0) == kWhite && InkOf(s, 1, 0, kIncorrectRed) > 3 && InkOf(s, 0, 0, kBlack) > 3 &&
               InkOf(s, 0, 0, kIncorrectRed) == 0;
    })) << "the checked word drawn outside the selection has the wrong colours";
}

}  // namespace
}  // namespace e2e
