// SPDX-License-Identifier: MIT
// Real files of the newer formats opened from the command line, as a file
// manager opens them: a barred grid, a shaped grid with missing squares, a
// zipped JPZ and an xd file with rebus squares, judged by the screen.
#include "tests/e2e/TrellisTest.h"

#include "tests/support/SmallPuzzles.h"

#include <X11/keysym.h>

#include <algorithm>
#include <thread>

namespace fs = std::filesystem;

namespace e2e {
namespace {

fs::path CorpusFile(const std::string& name)
{
    return fs::path(TRELLIS_CORPUS_DIR) / name;
}

// Started as "trellis FILE" with a file of the corpus, or one made from it.
class OpenedFile : public TrellisTest {
protected:
    void Open(const fs::path& file) { StartWithFile(file); }
    void SetUp() override { }

    // The bottom left pixel of a square, for squares whose other corner a
    // bar covers; no letter reaches it.
    Rgb LowerLeft(const Image& shot, int c, int r) const
    {
        const Rect sq = Square(c, r);
        return shot.At(sq.x + 1, sq.y + sq.h - 2);
    }
    // Black pixels in a rectangle given in pane coordinates.
    int BlackIn(const Image& shot, int x, int y, int w, int h) const
    {
        return shot.Count({x, PanePoint(y), w, h}, [](Rgb c) { return c == kBlack; });
    }
};

using Barred = OpenedFile;

TEST_F(Barred, BarsAreThickLinesAndTheCursorStopsAtOne)
{
    Open(CorpusFile("ipuz/db-11x11-barred.ipuz"));
    if (IsSkipped())
        return;
    // Word 12 across is (0,1) to (2,1): a bar stands between (2,1) and (3,1).
    // (2,1)'s corner lies in the bar: its fill is read at the other side.
    TapSquare(0, 1);
    ASSERT_TRUE(AwaitFills({"WWWWWWWWWW", "NB?WWWWWWW"}));
    EXPECT_EQ(LowerLeft(LastShot(), 2, 1), kWordBlue);
    // The bar: the 2-pixel line (pane x 68, 69) and 2 more on either side, the
    // height of the square; the line between (1,1) and (2,1) stays thin.
    const int nSquareTop = 4 + 22;
    ASSERT_TRUE(Await([&](const Image& s) { return BlackIn(s, 66, nSquareTop, 6, 20) == 6 * 20; }))
        << "no bar between (2,1) and (3,1)";
    EXPECT_EQ(BlackIn(LastShot(), 46, nSquareTop, 2, 20), 2 * 20);
    EXPECT_EQ(BlackIn(LastShot(), 44, nSquareTop + 10, 2, 1) + BlackIn(LastShot(), 48, nSquareTop + 10, 2, 1), 0);
    // Bars across the tops of (5,3) to (9,3).
    EXPECT_EQ(BlackIn(LastShot(), 114 + 4, 66, 12, 6), 12 * 6);

    // Letters fill the word up to the bar; the cursor stays there.
    ASSERT_TRUE(AwaitFrameFocus());
    Type("abcd");
    EXPECT_TRUE(AwaitInk({"..........", "LL????...."}));
    EXPECT_TRUE(AwaitFills({"WWWWWWWWWW", "BB?WWWWWWW"}));
    // Beside the bar: a letter in (2,1), none in (3,1).
    const auto inkBesideBar = [&](const Image& shot, int c, int nFrom, int nTo, Rgb fill) {
        const Rect sq = Square(c, 1);
        return shot.Count({sq.x + nFrom, sq.y, nTo - nFrom, sq.h}, [&](Rgb p) { return !Near(p, fill, 40); });
    };
    EXPECT_TRUE(Await([&](const Image& s) {
        return Near(LowerLeft(s, 2, 1), kSquareNavy, 40) && inkBesideBar(s, 2, 0, 18, kSquareNavy) > 5 &&
               inkBesideBar(s, 3, 2, 20, kWhite) == 0;
    })) << "the letters went past the bar, or the cursor did not stay before it";
}

using Shaped = OpenedFile;

TEST_F(Shaped, MissingSquaresAreDrawnAsNothingAndMovesPassThem)
{
    Open(CorpusFile("ipuz/db-shaped-example-guitar.ipuz"));
    if (IsSkipped())
        return;
    // The guitar's head: (6,0) to (10,0) exist, (6,1) and (10,1) do not, and
    // nothing left of column 6 in the first rows.
    ASSERT_TRUE(AwaitFills({"WWWWWWNBBB", "WWWWWWWW#W", "WWWWWWWWWW"}));
    const Image& shot = LastShot();
    EXPECT_EQ(BlackIn(shot, 0, 0, 134, 68), 0) << "lines drawn around squares that do not exist";
    EXPECT_EQ(BlackIn(shot, 134, 4, 2, 20), 2 * 20) << "no line left of (6,0)";
    EXPECT_EQ(BlackIn(shot, 134, 28, 2, 16), 0) << "a line left of the missing (6,1)";
    EXPECT_EQ(BlackIn(shot, 156, 26, 2, 20), 2 * 20) << "no line left of (7,1)";

    // Down from (6,0): no down word to turn to, so the arrow moves, past the
    // missing (6,1) to (6,2).
    ASSERT_TRUE(AwaitFrameFocus());
    Key(XK_Down);
    EXPECT_TRUE(AwaitFills({"WWWWWWWWWW", "WWWWWWWW#W", "WWWWWWNBBB"}));
    EXPECT_EQ(BlackIn(LastShot(), 134, 28, 2, 16), 0);
    // A click on a missing square changes nothing.
    TapSquare(2, 1);
    std::this_thread::sleep_for(kSlowTapPause);
    EXPECT_TRUE(AwaitFills({"WWWWWWWWWW", "WWWWWWWW#W", "WWWWWWNBBB"}));
}

// A zipped JPZ made at test time from the corpus's plain one, which is kept
// as it is: the corpus's own zipped file is an acrostic.
class ZippedJpz : public OpenedFile {
protected:
    void SetUp() override
    {
        const fs::path plain = CorpusFile("jpz/kw-test.jpz");
        if (!fs::exists(plain))
            GTEST_SKIP() << "no corpus file " << plain.string();
        const fs::path zipped = m_dir.File("zipped.jpz");
        trellis::test::TempDir::Write(zipped,
                                      trellis::test::StoredZip({{"test.jpz", trellis::test::TempDir::Read(plain)}}));
        Open(zipped);
    }
};

TEST_F(ZippedJpz, OpensWithItsBlocksAndCircles)
{
    EXPECT_TRUE(AwaitFills({"NBBB#", "WWWW#", "WWWWW", "#WWWW", "#WWWW"}));
    // Circles in (0,2) and (4,2) only.
    EXPECT_TRUE(AwaitInk({"....?", "....?", "L...L", "?....", "?...."}));
    EXPECT_TRUE(WaitUntil([&] { return FrameTitle() == "trellis - Example Puzzle for Kotwords"; })) << FrameTitle();
}

using XdRebus = OpenedFile;

TEST_F(XdRebus, OpensAndShowsARebusSquareWhole)
{
    Open(CorpusFile("xd/ca-nyt1955-01-01.xd"));
    if (IsSkipped())
        return;
    // "1ACHE#ADAM#2LIL": the first word, then a block at (5,0).
    ASSERT_TRUE(AwaitFills({"NBBBB#WWWW", "WWWWW#WWWW"}));
    EXPECT_TRUE(WaitUntil([&] { return FrameTitle() == "trellis - New York Times, Saturday, January 1, 1955"; }))
        << FrameTitle();
    // Shown, the rebus square (0,0) holds HEART across nearly its width,
    // where one letter takes half of it. The letters are white on the
    // selection's blue; the revealed letters' mark in the corner is not.
    ShowFullMenus();
    Choose("Show Letter");
    const auto width = [&](const Image& s, int c, int r) { return InkWidth(s, c, r, kWhite, 100); };
    EXPECT_TRUE(Await([&](const Image& s) { return width(s, 0, 0) >= 15; })) << width(LastShot(), 0, 0);
    ASSERT_TRUE(AwaitFrameFocus());
    Key(XK_Right);
    Choose("Show Letter");
    EXPECT_TRUE(Await([&](const Image& s) { return width(s, 1, 0) > 0 && width(s, 1, 0) <= 12; }))
        << width(LastShot(), 1, 0);
}

}  // namespace
}  // namespace e2e
