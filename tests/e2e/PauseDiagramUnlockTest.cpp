// SPDX-License-Identifier: MIT
// Solving like the experts, on the screen: Ctrl+P hides the letters and
// brings them back; a diagramless puzzle opens without its diagram and
// "." marks a square black; and a locked real puzzle unlocks with an empty
// key to its real answers, which Show then writes.
#include "tests/e2e/TrellisTest.h"

#include <X11/keysym.h>

#include <thread>

namespace fs = std::filesystem;

namespace e2e {
namespace {

fs::path CorpusFile(const std::string& name)
{
    return fs::path(TRELLIS_CORPUS_DIR) / "puz" / name;
}

// Started as "trellis FILE", on the handheld's screen.
class OpenedPuzzle : public TrellisTest {
protected:
    void SetUp() override { }
    void Open(const fs::path& file) { StartWithFile(file); }
};

TEST_F(OpenedPuzzle, CtrlPHidesTheLettersUntilItIsPressedAgain)
{
    Open(WritePuzzle("five.puz", kFive));
    ASSERT_TRUE(AwaitFills(kFiveLoaded));
    ASSERT_TRUE(AwaitFrameFocus());
    Type("abc");
    ASSERT_TRUE(AwaitInk({"LLL..", ".....", "....."}));
    m_pX->KeyWith({XK_Control_L}, XK_p);
    EXPECT_TRUE(AwaitInk({".....", ".....", "....."})) << "the letters still show while paused";
    // The squares keep their colours: the word and the cursor stay.
    EXPECT_TRUE(AwaitFills({"BBBNB", "W#W#W"}));
    // Typing changes nothing meanwhile.
    Type("d");
    m_pX->KeyWith({XK_Control_L}, XK_p);
    EXPECT_TRUE(AwaitInk({"LLL..", ".....", "....."})) << "the letters did not come back";
    Type("d");
    EXPECT_TRUE(AwaitInk({"LLLL.", ".....", "....."}));
}

// diagramless.puz has black squares at (3, 0), (7, 0) and (8, 0) of its first
// row; none shows, and the first row is one word, until the player marks one.
TEST_F(OpenedPuzzle, ADiagramlessPuzzleStartsBlank)
{
    Open(CorpusFile("diagramless.puz"));
    if (IsSkipped())
        return;
    const std::vector<std::string> blank = {"NBBBBBBBBB", "WWWWWWWWWW", "WWWWWWWWWW", "WWWWWWWWWW",
                                            "WWWWWWWWWW", "WWWWWWWWWW", "WWWWWWWWWW"};
    ASSERT_TRUE(AwaitFills(blank));
    // The numbers are not drawn either (nor are letters: the file has none).
    EXPECT_TRUE(AwaitInk(std::vector<std::string>(7, "..........")));
    ASSERT_TRUE(AwaitFrameFocus());
    Type("abc.");
    EXPECT_TRUE(AwaitFills({"WWW#NBBBBB", "WWWWWWWWWW"})) << "the mark did not end the word";
    EXPECT_TRUE(AwaitInk({"LLL.......", ".........."}));
}

// nyt_sun_rebus.puz is locked; its first word across, (1, 0) to (6, 0), is
// STUART ("Portraitist of George Washington"). Unlocked with an empty key,
// Check Word finds STUART typed right, and Show Word writes those letters.
TEST_F(OpenedPuzzle, ALockedSundayPuzzleUnlocksWithAnEmptyKeyToItsAnswers)
{
    Open(CorpusFile("nyt_sun_rebus.puz"));
    if (IsSkipped())
        return;
    ASSERT_TRUE(AwaitFills({"#NBBBBB#"}));
    ShowFullMenus();
    ASSERT_TRUE(AwaitFrameFocus());
    // Solve > Unlock Puzzle ..., from the keyboard; OK with the key left empty.
    m_pX->KeyWith({XK_Alt_L}, XK_s);
    Key(XK_n);
    const XID dialog = AwaitDialog("Unlock Puzzle");
    ASSERT_NE(dialog, 0u) << "no Unlock Puzzle dialog";
    Key(XK_Return);
    ASSERT_TRUE(AwaitGone(dialog));

    ASSERT_TRUE(AwaitFrameFocus());
    Type("stuart");
    ASSERT_TRUE(AwaitInk({".LLLLLL.."}));
    m_pX->KeyWith({XK_Control_L}, XK_2);  // Check Word: nothing wrong
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const Image typed = Shot();
    for (int c = 1; c <= 6; ++c)
        EXPECT_EQ(InkOf(typed, c, 0, kIncorrectRed), 0) << "letter " << c << " checked wrong";
    // The letters' middle band: the corners may take marks of their own.
    const auto letterBand = [&](const Image& s, int c) {
        const Rect sq = Square(c, 0);
        std::vector<Rgb> pixels;
        for (int y = sq.y; y < sq.y + sq.h; ++y)
            for (int x = sq.x + 5; x < sq.x + sq.w - 5; ++x)
                pixels.push_back(s.At(x, y));
        return pixels;
    };
    std::vector<std::vector<Rgb>> letters;
    for (int c = 1; c <= 6; ++c)
        letters.push_back(letterBand(typed, c));
    m_pX->KeyWith({XK_Control_L, XK_Alt_L}, XK_2);  // Clear Word
    ASSERT_TRUE(AwaitInk({"........."}));
    m_pX->KeyWith({XK_Control_L, XK_Shift_L}, XK_2);  // Show Word
    EXPECT_TRUE(Await([&](const Image& s) {
        for (int c = 1; c <= 6; ++c) {
            if (letterBand(s, c) != letters[static_cast<std::size_t>(c - 1)])
                return false;
        }
        return true;
    })) << "Show Word did not write the letters STUART";
}

}  // namespace
}  // namespace e2e
