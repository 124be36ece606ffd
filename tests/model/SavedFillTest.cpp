// SPDX-License-Identifier: MIT
// A puzzle file's saved fill: the letters of its state grid, the marks of its
// "GEXT" section and the player's rebus entries of "RUSR", in files of our
// own and in real ones (expected values read from their bytes by hand).

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "model/CrossWordPuzzle.h"
#include "tests/model/CorpusFiles.h"
#include "tests/support/PuzzleFileWriter.h"
#include "tests/support/PuzzleState.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;
using trellis::test::kCorpus;
using trellis::test::LoadCorpus;
using trellis::test::PuzzleFileWriter;
using trellis::test::TempDir;
using trellis::test::ToUtf8;

namespace {

const std::vector<std::string> kRows = {"STAR", "T#OE", "ARMS"};

// "c,r" of every square for which the test holds, in grid order.
template <typename Test> std::vector<std::string> SquaresWhere(const CCrossWordPuzzle& p, Test test)
{
    std::vector<std::string> out;
    for (int r = 0; r < p.m_nHeight; ++r)
        for (int c = 0; c < p.m_nWidth; ++c)
            if (!p.IsBlack(c, r) && test(p.GetSquare(c, r)))
                out.push_back(std::to_string(c) + "," + std::to_string(r));
    return out;
}

// The letters of the filled squares, in grid order.
std::string Letters(const CCrossWordPuzzle& p)
{
    std::string out;
    for (const CSquare& square : p.GetSquares())
        if (!square.m_bBlack && square.m_bFilled)
            out += ToUtf8(std::u16string(1, square.m_chLetter));
    return out;
}

std::map<std::string, std::string> RebusEntries(const CCrossWordPuzzle& p)
{
    std::map<std::string, std::string> out;
    for (int r = 0; r < p.m_nHeight; ++r)
        for (int c = 0; c < p.m_nWidth; ++c)
            if (!p.GetSquare(c, r).m_strRebusEntry.empty())
                out[std::to_string(c) + "," + std::to_string(r)] = ToUtf8(p.GetSquare(c, r).m_strRebusEntry);
    return out;
}

std::string GridBytes(const std::map<int, char>& bytes)
{
    std::string grid(12, '\0');
    for (const auto& [i, b] : bytes)
        grid[static_cast<std::size_t>(i)] = b;
    return grid;
}

auto Filled = [](const CSquare& s) { return s.m_bFilled != FALSE; };
auto Shown = [](const CSquare& s) { return s.m_bShown != FALSE; };
auto Checked = [](const CSquare& s) { return s.m_bChecked != FALSE; };
auto WasIncorrect = [](const CSquare& s) { return s.m_bWasIncorrect != FALSE; };
auto Circled = [](const CSquare& s) { return s.m_bCircled != FALSE; };

}  // namespace

TEST(SavedFill, StateGridLettersAreThePlayersLetters)
{
    TempDir dir;
    // Upper and lower case, a digit, a symbol; a control byte is no letter.
    auto p = PuzzleFileWriter(kRows).State({"S-a-", "-.-\x01", "A-5$"}).Load(dir);
    EXPECT_EQ(SquaresWhere(*p, Filled), (std::vector<std::string> {"0,0", "2,0", "0,2", "2,2", "3,2"}));
    EXPECT_EQ(Letters(*p), "SAA5$");
    EXPECT_FALSE(p->IsBlack(3, 1));
    EXPECT_EQ(p->GetEmptyCount(), 6);
    EXPECT_EQ(p->GetUnsolvedCount(), 8);  // 5 and $ are wrong, 6 empty
    EXPECT_TRUE(SquaresWhere(*p, Checked).empty());
}

TEST(SavedFill, MarksOfTheExtraSection)
{
    TempDir dir;
    // (0,0) right and revealed, (1,0) was wrong, (2,0) wrong now, (3,0) all
    // of them and circled; (0,1) revealed but empty; (2,1) circled only.
    const std::string gext = GridBytes({{0, '\x40'}, {1, '\x10'}, {2, '\x20'}, {3, '\xF0'}, {4, '\x40'}, {6, '\x80'}});
    auto p = PuzzleFileWriter(kRows).State({"SXXR", "-.--", "----"}).Section("GEXT", gext).Load(dir);
    EXPECT_EQ(SquaresWhere(*p, Shown), (std::vector<std::string> {"0,0", "3,0"}));
    EXPECT_EQ(SquaresWhere(*p, WasIncorrect), (std::vector<std::string> {"1,0", "3,0"}));
    EXPECT_EQ(SquaresWhere(*p, Checked), (std::vector<std::string> {"2,0", "3,0"}));
    EXPECT_EQ(SquaresWhere(*p, Circled), (std::vector<std::string> {"3,0", "2,1"}));
    EXPECT_TRUE(p->IsIncorrect(2, 0));
    EXPECT_FALSE(p->IsIncorrect(3, 0));  // checked, and the letter is right
    EXPECT_FALSE(p->IsIncorrect(1, 0));  // wrong once, not checked now

    // Locked answers are scrambled: no check mark may judge against them.
    auto locked = PuzzleFileWriter(kRows)
                      .Locked(1234)
                      .State({"SXXR", "-.--", "----"})
                      .Section("GEXT", gext)
                      .Load(dir, "locked.puz");
    EXPECT_TRUE(SquaresWhere(*locked, Checked).empty());
    EXPECT_EQ(SquaresWhere(*locked, WasIncorrect), (std::vector<std::string> {"1,0", "3,0"}));
}

TEST(SavedFill, RebusEntriesOfThePlayer)
{
    TempDir dir;
    // One text per square: a whole entry over its first letter, one on an
    // empty square (which it fills), a single letter, and empty ones.
    std::string rusr;
    const char* texts[12] = {"STAR", "", "", "", "", "", "", "", "ARM", "x", "", ""};
    for (const char* pszText : texts)
        rusr += std::string(pszText) + '\0';
    auto p = PuzzleFileWriter(kRows).State({"S---", "-.--", "----"}).Section("RUSR", rusr).Load(dir);
    EXPECT_EQ(RebusEntries(*p), (std::map<std::string, std::string> {{"0,0", "STAR"}, {"0,2", "ARM"}}));
    EXPECT_EQ(SquaresWhere(*p, Filled), (std::vector<std::string> {"0,0", "0,2", "1,2"}));
    EXPECT_EQ(Letters(*p), "SAX");

    // Fewer texts than squares: the section is not read.
    rusr.resize(rusr.size() - 2);
    auto cut = PuzzleFileWriter(kRows).Section("RUSR", rusr).Load(dir, "cut.puz");
    EXPECT_TRUE(RebusEntries(*cut).empty());
    EXPECT_TRUE(SquaresWhere(*cut, Filled).empty());
}

TEST(SavedFill, PartlyFilledFileOpensWithItsLetters)
{
    SKIP_WITHOUT_CORPUS();
    auto p = LoadCorpus("nyt_partlyfilled.puz");
    EXPECT_EQ(SquaresWhere(*p, Filled),
              (std::vector<std::string> {"0,0", "1,0", "2,0", "3,0", "0,1", "1,1", "2,1", "3,1", "0,2", "0,3"}));
    EXPECT_EQ(Letters(*p), "FLAGEARLSS");
    EXPECT_TRUE(SquaresWhere(*p, Shown).empty());
    EXPECT_TRUE(SquaresWhere(*p, Checked).empty());
    EXPECT_FALSE(p->IsSolved());
    EXPECT_EQ(p->GetEmptyCount(), p->GetUnsolvedCount());  // the ten letters are right
}

TEST(SavedFill, SolvedAndRevealedFilesOpenSolved)
{
    SKIP_WITHOUT_CORPUS();
    const std::vector<std::string> circles = {"7,0", "2,3", "11,3", "3,11", "12,11"};
    const std::map<std::string, std::string> star = {{"7,1", "STAR"}, {"7,7", "STAR"}, {"7,13", "STAR"}};

    auto solved = LoadCorpus("nyt_rebus_with_notes_and_shape_solved.puz");
    EXPECT_EQ(SquaresWhere(*solved, Filled).size(), 179u);
    EXPECT_TRUE(SquaresWhere(*solved, Shown).empty());
    EXPECT_EQ(SquaresWhere(*solved, Circled), circles);
    EXPECT_EQ(RebusEntries(*solved), star);
    EXPECT_TRUE(solved->IsSolved());

    auto revealed = LoadCorpus("nyt_rebus_with_notes_and_shape_revealed.puz");
    EXPECT_EQ(SquaresWhere(*revealed, Shown).size(), 179u);
    EXPECT_EQ(SquaresWhere(*revealed, Filled).size(), 179u);
    EXPECT_EQ(SquaresWhere(*revealed, Circled), circles);
    EXPECT_EQ(RebusEntries(*revealed), star);
    EXPECT_TRUE(revealed->IsSolved());

    auto blank = LoadCorpus("nyt_rebus_with_notes_and_shape.puz");
    EXPECT_TRUE(SquaresWhere(*blank, Filled).empty());
    EXPECT_TRUE(RebusEntries(*blank).empty());

    // Letters that are no letters: digits and symbols stand in the grid.
    auto small = LoadCorpus("kw-test-solved.puz");
    EXPECT_EQ(SquaresWhere(*small, Filled).size(), 21u);
    EXPECT_EQ(Letters(*small), "ABCDEFGHIJXLMNOPQ12$@");
    EXPECT_EQ(RebusEntries(*small), (std::map<std::string, std::string> {{"2,2", "XYZ"}}));
    EXPECT_EQ(SquaresWhere(*small, Circled), (std::vector<std::string> {"0,2", "4,2"}));
    EXPECT_TRUE(small->IsSolved());
}
