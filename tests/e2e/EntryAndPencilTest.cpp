// SPDX-License-Identifier: MIT
// A real rebus puzzle unlocked and solved from the keyboard, its rebus
// answers typed whole through the rebus entry; pencilled letters grey on the
// screen and inked again in pen; the mark of a revealed letter.
#include "tests/e2e/TrellisTest.h"

#include "model/CrossWordPuzzle.h"

#include <X11/keysym.h>

#include <cctype>
#include <thread>

namespace fs = std::filesystem;

namespace e2e {
namespace {

// A pencilled letter outside the selected word: halfway between black and white.
constexpr Rgb kPencilGrey {127, 127, 127};
// The default colour of the revealed letters' triangle.
constexpr Rgb kRevealedRed = FromColorRef(0x0000C0);

// What the player types for a square: its rebus answer, or its letter.
std::string AnswerOf(const CCrossWordPuzzle& puzzle, int c, int r)
{
    const CSquare square = puzzle.GetSquare(c, r);
    const std::u16string* pRebus = puzzle.GetRebus(square);
    const std::u16string strAnswer = pRebus != nullptr ? *pRebus : std::u16string(1, square.m_chSolution);
    std::string strKeys;
    for (const char16_t ch : strAnswer)
        strKeys.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(ch))));
    return strKeys;
}

class EntryOnScreen : public TrellisTest {
protected:
    // The command bar, above the pane.
    Image Bar() const
    {
        const Rect frame = FrameRect();
        return m_pX->Grab({frame.x, frame.y, frame.w, PaneTop()});
    }
    // A key of the accelerator table: its command comes through the event
    // loop; the bar shows the pencil's switch turned when it has.
    void TogglePencil()
    {
        const Image before = Bar();
        m_pX->KeyWith({XK_Control_L}, XK_e);
        ASSERT_TRUE(WaitUntil([&] { return !(Bar() == before); })) << "the pencil's button did not change";
    }
    // Pixels of the square within a little of the colour: the cores of a
    // letter drawn in it.
    int Pixels(const Image& shot, int c, int r, Rgb colour) const
    {
        return shot.Count(Square(c, r), [&](Rgb p) { return Near(p, colour, 30); });
    }
};

// Unlocked with its key, nyt_sun_rebus.puz is solved word by word from the
// keyboard, each month of its rebus squares typed whole into the entry
// (Escape, the letters, Return): a rebus answer is drawn whole in its square,
// judged right by Check Word (a wrong letter beside it keeps a dot when
// cleared), and the last letter brings the congratulation.
TEST_F(EntryOnScreen, ARebusPuzzleIsSolvedWithItsAnswersTypedWholeThroughTheEntry)
{
    const fs::path file = fs::path(TRELLIS_CORPUS_DIR) / "puz" / "nyt_sun_rebus.puz";
    if (!fs::exists(file))
        GTEST_SKIP() << "no puzzle corpus at " << file << " (set TRELLIS_CORPUS_DIR)";
    // The key and the answers, from the model.
    CCrossWordPuzzle puzzle;
    std::u16string strError;
    ASSERT_TRUE(puzzle.LoadPuzzle(file.u16string(), strError));
    const std::vector<int> keys = puzzle.FindKeys();
    ASSERT_EQ(keys.size(), 1u) << "the key of the file is not the only one";
    ASSERT_TRUE(puzzle.Unlock(keys.front()));
    char szKey[8];
    std::snprintf(szKey, sizeof szKey, "%04d", keys.front());

    ShowFullMenus();
    LoadPuzzle(file);
    // Its first white square is (1, 0), its across word selected.
    ASSERT_TRUE(AwaitFills({"#NBBBBB#"}));
    ASSERT_TRUE(AwaitFrameFocus());
    m_pX->KeyWith({XK_Alt_L}, XK_s);  // Solve
    Key(XK_n);  // Unlock Puzzle ...
    const XID dialog = AwaitDialog("Unlock Puzzle");
    ASSERT_NE(dialog, 0u) << "no Unlock dialog";
    Type(szKey);
    Key(XK_Return);
    ASSERT_TRUE(AwaitGone(dialog));
    ASSERT_TRUE(AwaitFrameFocus());

    // (6, 3) answers JAN; the word from (4, 3) holds it at its end.
    ASSERT_EQ(AnswerOf(puzzle, 6, 3), "jan");
    TapSquare(4, 3);
    ASSERT_TRUE(AwaitFills({"?", "?", "?", "???#NBB#"}));
    Type("x");  // wrong: the answer is not X
    Type(AnswerOf(puzzle, 5, 3));
    ASSERT_TRUE(AwaitFills({"?", "?", "?", "???#BBN#"}));
    Key(XK_Escape);
    // The open entry is framed in the letter colour, white on navy.
    const Rect sq = Square(6, 3);
    ASSERT_TRUE(Await([&](const Image& s) {
        return s.At(sq.x, sq.y) == kWhite && s.At(sq.x + 19, sq.y + 19) == kWhite;
    })) << "no entry open in (6, 3)";
    Type("jan");
    Key(XK_Return);
    // Closed, the three letters stand in the square, wider than one would.
    ASSERT_TRUE(
        Await([&](const Image& s) { return s.At(sq.x, sq.y) == kSquareNavy && InkWidth(s, 6, 3, kWhite) > 0; }));
    const int nWhole = InkWidth(LastShot(), 6, 3, kWhite);
    const int nOne = InkWidth(LastShot(), 5, 3, kWhite);
    EXPECT_GT(nWhole, nOne + 4) << "JAN is " << nWhole << " pixels wide, one letter " << nOne;
    EXPECT_LE(nWhole, 20);
    Choose("Check Word");  // the X turns red, JAN does not
    EXPECT_TRUE(Await([&](const Image& s) { return InkOf(s, 4, 3, kIncorrectRed) > 3; })) << "the X is not red";
    EXPECT_EQ(InkOf(LastShot(), 6, 3, kIncorrectRed), 0) << "JAN was judged wrong";
    EXPECT_EQ(InkOf(LastShot(), 5, 3, kIncorrectRed), 0);

    // Now the whole puzzle, from an empty grid, across word after across word.
    Choose("Clear Puzzle");
    ASSERT_TRUE(AwaitFrameFocus());
    // Emptied, the X's square keeps the dot of a square once found wrong.
    ASSERT_TRUE(AwaitInk({"?", "?", "?", "?????.."}));
    EXPECT_TRUE(Await([&](const Image& s) {
        return InkOf(s, 4, 3, kIncorrectRed) > 3 && InkOf(s, 4, 3, kIncorrectRed) == Ink(s, 4, 3);
    })) << "no dot where the X was";
    TapSquare(1, 0);
    ASSERT_TRUE(AwaitFills({"#NBBBBB#"}));
    bool bFirst = true;
    int nRebus = 0;
    for (const CClue* pClue : puzzle.m_lstClues) {
        if (!pClue->m_bAcross)
            continue;
        if (!bFirst)
            Key(XK_Tab);
        bFirst = false;
        CPoint pt(-1, -1);
        for (int r = 0; r < puzzle.m_nHeight && pt.x < 0; ++r)
            for (int c = 0; c < puzzle.m_nWidth && pt.x < 0; ++c)
                if (puzzle.GetSquare(c, r).m_nAcrossNumber == pClue->m_nNumber)
                    pt = CPoint(c, r);
        ASSERT_GE(pt.x, 0) << pClue->m_nNumber << " across starts nowhere";
        for (int c = pt.x; c < puzzle.m_nWidth && !puzzle.IsBlack(c, pt.y); ++c) {
            const std::string strAnswer = AnswerOf(puzzle, c, pt.y);
            if (strAnswer.size() == 1) {
                Type(strAnswer);
                continue;
            }
            Key(XK_Escape);
            Type(strAnswer);
            Key(XK_Return);
            ++nRebus;
        }
    }
    EXPECT_EQ(nRebus, 12);
    const XID box = AwaitMessageBox();
    ASSERT_NE(box, 0u) << "no congratulation after the last letter";
    // Escape says No: the corpus file stays where it is.
    Key(XK_Escape);
    EXPECT_TRUE(AwaitGone(box));
    EXPECT_TRUE(fs::exists(file));
}

// Ctrl+E: the letters go in grey (halfway between the letter's black and
// the square's white); again in pen, a letter is black. Show Letter puts a
// dark red triangle in the square's top right corner.
TEST_F(EntryOnScreen, PencilledLettersAreGreyUntilTypedAgainInPen)
{
    ShowFullMenus();
    LoadFive();
    ASSERT_TRUE(AwaitFrameFocus());
    TogglePencil();
    Type("abc");
    TapSquare(0, 2);  // the top row is no longer the selected word
    ASSERT_TRUE(AwaitFills({"WWWWW", "W#W#W", "NBBBB"}));
    const auto grey = [&](const Image& s, int c, int r) {
        return Pixels(s, c, r, kPencilGrey) > 3 && Pixels(s, c, r, kBlack) == 0;
    };
    EXPECT_TRUE(Await([&](const Image& s) { return grey(s, 0, 0) && grey(s, 1, 0) && grey(s, 2, 0); }))
        << "the pencilled letters are not grey";

    TogglePencil();
    TapSquare(0, 0);
    Type("a");
    TapSquare(0, 2);
    EXPECT_TRUE(Await([&](const Image& s) { return Pixels(s, 0, 0, kBlack) > 3 && grey(s, 1, 0); }))
        << "the letter typed again in pen is not black";

    Choose("Show Letter");  // at (0, 2)
    const Rect sq = Square(0, 2);
    EXPECT_TRUE(Await([&](const Image& s) {
        return s.At(sq.x + sq.w - 1, sq.y) == kRevealedRed && s.At(sq.x + sq.w - 5, sq.y) == kRevealedRed &&
               s.At(sq.x + sq.w - 1, sq.y + sq.h - 1) == kSquareNavy;
    })) << "no triangle in the revealed square's top right corner";
}

}  // namespace
}  // namespace e2e
