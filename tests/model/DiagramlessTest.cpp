// SPDX-License-Identifier: MIT
// Diagramless puzzles: the grid is the player's. The only black squares are
// those the player marked, the words and their numbers follow the marks,
// the selection moves over every square; a black square holding a letter
// keeps the puzzle unsolved; the marks go through Undo and the progress.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "model/CrossWordPuzzle.h"
#include "model/GridNavigator.h"
#include "model/ProgressStore.h"
#include "model/PuzzleLayout.h"
#include "model/PuzzleSourceWriter.h"
#include "tests/support/PuzzleFileWriter.h"
#include "tests/support/PuzzleState.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;
using trellis::test::ModelPath;
using trellis::test::PuzzleFileWriter;
using trellis::test::SetLetter;
using trellis::test::TempDir;

namespace {

// The file's grid. Its words: across 1 AB (0,0), 3 CD (3,0), 5 EFGHI (0,1),
// 7 KLM (2,2); down 1 AEJ (0,0), 2 BF (1,0), 3 CHL (3,0), 4 DIM (4,0),
// 6 GK (2,1).
const std::vector<std::string> kGrid = {"AB#CD", "EFGHI", "J#KLM"};
// The player's marks that draw the file's diagram.
const std::vector<std::string> kRightMarks = {"..#..", ".....", ".#..."};

CGridSelection Sel(const std::string& text)
{
    return trellis::test::SelectionFrom(text);
}

std::string Text(const CGridSelection& sel)
{
    return trellis::test::SelectionText(sel);
}

// Marks black every square that is '#' in the rows.
void Mark(CCrossWordPuzzle& p, const std::vector<std::string>& rows)
{
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        for (int c = 0; c < static_cast<int>(rows[r].size()); ++c) {
            CSquare square = p.GetSquare(c, r);
            square.m_bMarkedBlack = rows[r][c] == '#';
            p.SetSquare(c, r, square);
        }
    }
}

// The answers into every white square.
void FillAnswers(CCrossWordPuzzle& p)
{
    for (int r = 0; r < p.m_nHeight; ++r)
        for (int c = 0; c < p.m_nWidth; ++c)
            if (!p.IsBlack(c, r))
                SetLetter(p, c, r, p.GetSquare(c, r).m_chSolution);
}

class DiagramlessTest : public ::testing::Test {
protected:
    CCrossWordPuzzle& Load(const std::vector<std::string>& marks = {})
    {
        m_pPuzzle = PuzzleFileWriter(kGrid).Diagramless().Load(m_dir);
        if (!marks.empty())
            Mark(*m_pPuzzle, marks);
        return *m_pPuzzle;
    }

    TempDir m_dir;
    std::unique_ptr<CCrossWordPuzzle> m_pPuzzle;
};

}  // namespace

TEST_F(DiagramlessTest, TheFilesOfTheCorpusAreKnownByTheirType)
{
    for (const auto& [name, bDiagramless] : {std::pair {"nyt_diagramless.puz", TRUE},
                                             {"diagramless.puz", TRUE},
                                             {"kw-test-diagramless.puz", TRUE},
                                             {"nyt_locked.puz", FALSE}}) {
        SCOPED_TRACE(name);
        CCrossWordPuzzle puzzle;
        std::u16string strError;
        if (!puzzle.LoadPuzzle((fs::path(TRELLIS_CORPUS_DIR) / "puz" / name).u16string(), strError))
            GTEST_SKIP() << "no corpus file " << name;
        EXPECT_EQ(puzzle.m_bDiagramless, bDiagramless);
    }
    EXPECT_TRUE(Load().m_bDiagramless);
    EXPECT_FALSE(PuzzleFileWriter(kGrid).Load(m_dir, "plain.puz")->m_bDiagramless);
}

// Unmarked, the grid is all white to the player: whole rows and columns.
TEST_F(DiagramlessTest, NothingOfTheDiagramShowsUntilThePlayerMarksIt)
{
    CCrossWordPuzzle& p = Load();
    EXPECT_TRUE(p.IsBlack(2, 0));
    EXPECT_FALSE(p.IsBlackToPlayer(2, 0));
    EXPECT_FALSE(p.IsBlackToPlayer(1, 2));
    EXPECT_TRUE(p.IsBlackToPlayer(5, 0));  // the edge stays one
    const CGridNavigator navigator(p);
    EXPECT_EQ(Text(navigator.First()), "0,0 A 0,0");
    EXPECT_EQ(navigator.WordLength(CPoint(0, 0), DIRECTION_ACROSS), 5);
    EXPECT_EQ(navigator.WordLength(CPoint(1, 0), DIRECTION_DOWN), 3);
    // The top row starts every column's word, each row its own across word.
    const struct {
        CPoint pt;
        int nDirection;
        int nNumber;
    } numbers[] = {
        {{0, 0}, DIRECTION_ACROSS, 1}, {{0, 0}, DIRECTION_DOWN, 1},   {{1, 0}, DIRECTION_DOWN, 2},
        {{2, 0}, DIRECTION_DOWN, 3},   {{3, 0}, DIRECTION_DOWN, 4},   {{4, 0}, DIRECTION_DOWN, 5},
        {{0, 1}, DIRECTION_ACROSS, 6}, {{0, 2}, DIRECTION_ACROSS, 7}, {{1, 0}, DIRECTION_ACROSS, 0},
        {{3, 0}, DIRECTION_ACROSS, 0}, {{2, 1}, DIRECTION_DOWN, 0},   {{5, 0}, DIRECTION_ACROSS, 0},
    };
    for (const auto& n : numbers)
        EXPECT_EQ(navigator.NumberOf(n.pt, n.nDirection), n.nNumber) << n.pt.x << "," << n.pt.y << " " << n.nDirection;
    EXPECT_EQ(navigator.WordStartOf(CPoint(3, 2), DIRECTION_DOWN), CPoint(3, 0));
    EXPECT_EQ(navigator.WordStartOf(CPoint(4, 1), DIRECTION_ACROSS), CPoint(0, 1));
}

// With the file's diagram marked, the player's words and numbers are the file's.
TEST_F(DiagramlessTest, TheRightMarksGiveTheFilesWordsAndNumbers)
{
    CCrossWordPuzzle& p = Load(kRightMarks);
    const CGridNavigator navigator(p);
    EXPECT_EQ(navigator.NumberOf(CPoint(3, 0), DIRECTION_ACROSS), 3);
    EXPECT_EQ(navigator.NumberOf(CPoint(2, 1), DIRECTION_DOWN), 6);
    EXPECT_EQ(navigator.NumberOf(CPoint(2, 2), DIRECTION_ACROSS), 7);
    EXPECT_EQ(navigator.NumberOf(CPoint(0, 2), DIRECTION_ACROSS), 0);  // J stands alone across
    EXPECT_EQ(navigator.WordLength(CPoint(0, 0), DIRECTION_ACROSS), 2);
    EXPECT_EQ(navigator.WordLength(CPoint(1, 0), DIRECTION_DOWN), 2);
    EXPECT_EQ(navigator.WordStartOf(CPoint(4, 0), DIRECTION_ACROSS), CPoint(3, 0));
    EXPECT_EQ(navigator.WordStartOf(CPoint(0, 2), DIRECTION_ACROSS), CPoint(-1, -1));

    // On the real diagramless file, unlocked with its key, every square.
    CCrossWordPuzzle real;
    std::u16string strError;
    if (!real.LoadPuzzle((fs::path(TRELLIS_CORPUS_DIR) / "puz" / "nyt_diagramless.puz").u16string(), strError))
        GTEST_SKIP() << "no corpus file nyt_diagramless.puz";
    ASSERT_TRUE(real.Unlock(3285));
    std::vector<std::string> marks(static_cast<std::size_t>(real.m_nHeight), std::string(real.m_nWidth, '.'));
    for (int r = 0; r < real.m_nHeight; ++r)
        for (int c = 0; c < real.m_nWidth; ++c)
            if (real.IsBlack(c, r))
                marks[r][c] = '#';
    const CGridNavigator unmarked(real);
    EXPECT_EQ(Text(unmarked.First()), "0,0 A 0,0");  // the file's first white square is (6, 0)
    Mark(real, marks);
    const CGridNavigator marked(real);
    EXPECT_EQ(Text(marked.First()), "6,0 A 6,0");
    for (int r = 0; r < real.m_nHeight; ++r) {
        for (int c = 0; c < real.m_nWidth; ++c) {
            const CSquare square = real.GetSquare(c, r);
            ASSERT_EQ(marked.NumberOf(CPoint(c, r), DIRECTION_ACROSS), square.m_bBlack ? 0 : square.m_nAcrossNumber)
                << c << "," << r;
            ASSERT_EQ(marked.NumberOf(CPoint(c, r), DIRECTION_DOWN), square.m_bBlack ? 0 : square.m_nDownNumber)
                << c << "," << r;
        }
    }
}

TEST_F(DiagramlessTest, TheSelectionMovesOverEverySquareAndStopsAtTheMarks)
{
    const CGridNavigator navigator(Load(kRightMarks));
    const struct {
        const char* before;
        const char* move;
        CPoint to;  // a tap's square, or an arrow's step
        const char* after;
    } cases[] = {
        // The arrows stop on marked squares, which only move the square.
        {"1,0 A 0,0", "arrow", {1, 0}, "2,0 A 0,0"},
        {"2,0 A 0,0", "arrow", {1, 0}, "3,0 A 3,0"},
        {"4,0 A 3,0", "arrow", {1, 0}, "4,0 A 3,0"},  // the edge
        // Across the direction, J has no across word to turn to: the arrow
        // moves onto the mark beside it, and on into 6 Down.
        {"0,2 D 0,0", "arrow", {1, 0}, "1,2 D 0,0"},
        {"1,2 D 0,0", "arrow", {1, 0}, "2,2 D 2,1"},
        {"2,2 D 2,1", "arrow", {0, -1}, "2,1 D 2,1"},
        {"2,1 D 2,1", "arrow", {0, -1}, "2,0 D 2,1"},
        // Taps: a mark takes the square alone; a square takes its word.
        {"0,0 A 0,0", "tap", {2, 0}, "2,0 A 0,0"},
        {"0,0 D 0,0", "tap", {2, 1}, "2,1 D 2,1"},
        {"0,0 A 0,0", "tap", {3, 2}, "3,2 A 2,2"},
        {"2,2 A 2,2", "tap", {2, 2}, "2,2 D 2,1"},
        // Tab: the player's words, across then down.
        {"0,0 A 0,0", "tab", {}, "3,0 A 3,0"},
        {"2,2 A 2,2", "tab", {}, "0,0 D 0,0"},
        {"3,0 D 3,0", "tab", {}, "4,0 D 4,0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.before) + " " + c.move);
        const CGridSelection before = Sel(c.before);
        const CGridSelection after = std::string(c.move) == "tap"     ? navigator.Tap(before, c.to)
                                     : std::string(c.move) == "arrow" ? navigator.Arrow(before, c.to.x, c.to.y)
                                                                      : navigator.NextWord(before, TRUE);
        EXPECT_EQ(Text(after), c.after);
    }
    // After a letter the cursor goes on to the next square of the player's
    // word, and stays at its end.
    EXPECT_EQ(navigator.Advance(Sel("0,0 A 0,0")), CPoint(1, 0));
    EXPECT_EQ(navigator.Advance(Sel("1,0 A 0,0")), CPoint(1, 0));
    EXPECT_EQ(navigator.Advance(Sel("3,0 D 3,0")), CPoint(3, 1));
}

// Unmarked squares the file has black are part of the player's words; a
// letter there is a wrong letter, not an invisible one.
TEST_F(DiagramlessTest, ALetterInABlackSquareKeepsThePuzzleUnsolvedAndMarksDoNotCount)
{
    CCrossWordPuzzle& p = Load();
    FillAnswers(p);
    EXPECT_TRUE(p.IsSolved());
    SetLetter(p, 2, 0, u'X');
    EXPECT_FALSE(p.IsSolved());
    EXPECT_EQ(p.GetUnsolvedCount(), 1);
    SetLetter(p, 2, 0, u' ', FALSE);
    EXPECT_TRUE(p.IsSolved());
    Mark(p, kRightMarks);
    EXPECT_TRUE(p.IsSolved());
    // A plain puzzle still lets a black square's record hold what it will.
    auto plain = PuzzleFileWriter(kGrid).Load(m_dir, "plain.puz");
    FillAnswers(*plain);
    SetLetter(*plain, 2, 0, u'X');
    EXPECT_TRUE(plain->IsSolved());
}

// A checked mark is wrong on a square the file has white, right on a black one.
TEST_F(DiagramlessTest, ACheckedMarkIsWrongOnAWhiteSquare)
{
    CCrossWordPuzzle& p = Load({"#.#..", ".....", "....."});
    for (const int c : {0, 2}) {
        CSquare square = p.GetSquare(c, 0);
        square.m_bChecked = TRUE;
        p.SetSquare(c, 0, square);
    }
    EXPECT_TRUE(p.IsIncorrect(0, 0));
    EXPECT_FALSE(p.IsIncorrect(2, 0));
    CSquare unchecked = p.GetSquare(0, 0);
    unchecked.m_bChecked = FALSE;
    EXPECT_FALSE(unchecked.IsIncorrect());
}

TEST_F(DiagramlessTest, TheMarksAreKeptWithTheProgress)
{
    CCrossWordPuzzle& p = Load({"..#..", ".....", "#...."});
    SetLetter(p, 0, 0, u'A');
    CProgressStore store(ModelPath(m_dir.File("store")));
    ASSERT_TRUE(store.Save(p));
    const std::string entry = TempDir::Read(fs::path(store.PathOf(p)));
    const std::size_t nDiagram = entry.find("DIAG");
    ASSERT_NE(nDiagram, std::string::npos);
    EXPECT_EQ(entry.substr(nDiagram),
              std::string("DIAG\x0F\0\0\0", 8) + std::string("\0\0\x01\0\0\0\0\0\0\0\x01\0\0\0\0", 15));

    // The marks coming back beside the other sections is the store's test.
    // A byte other than 0 or 1, or a section of another size: the entry is
    // damaged and nothing of it is taken.
    for (const std::string& bad : {std::string("DIAG\x0F\0\0\0", 8) + std::string(14, '\0') + "\x02",
                                   std::string("DIAG\x0E\0\0\0", 8) + std::string(14, '\0')}) {
        TempDir::Write(fs::path(store.PathOf(p)), entry.substr(0, nDiagram) + bad);
        auto fresh = PuzzleFileWriter(kGrid).Diagramless().Load(m_dir, "fresh.puz");
        EXPECT_FALSE(store.Restore(*fresh));
        EXPECT_FALSE(fresh->GetSquare(0, 0).m_bFilled);
    }
    // Without marks there is no section.
    Mark(p, {".....", ".....", "....."});
    ASSERT_TRUE(store.Save(p));
    EXPECT_EQ(TempDir::Read(fs::path(store.PathOf(p))).find("DIAG"), std::string::npos);
}

// Written again, the puzzle stays diagramless: the type word and the hidden
// black squares of its state grid.
TEST_F(DiagramlessTest, AWrittenPuzzleStaysDiagramless)
{
    std::vector<std::u16string> warnings;
    const std::string bytes = PuzFileBytes(SourceFromPuzzle(Load()), warnings);
    ASSERT_GT(bytes.size(), kGridOffset + 30);
    EXPECT_EQ(static_cast<unsigned char>(bytes[kPuzzleTypeOffset]) |
                  static_cast<unsigned char>(bytes[kPuzzleTypeOffset + 1]) << 8,
              0x0401);
    EXPECT_EQ(bytes.substr(kGridOffset + 15, 15), "--:--------:---");
    CCrossWordPuzzle back;
    ASSERT_TRUE(trellis::test::TryLoad(back, m_dir, bytes, "written.puz").bOk);
    EXPECT_TRUE(back.m_bDiagramless);
    EXPECT_TRUE(warnings.empty());
    // An .ipuz file has no room for it, and says so.
    IpuzFileBytes(SourceFromPuzzle(back), warnings);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find(u"diagramless"), std::u16string::npos);
}
