// SPDX-License-Identifier: MIT
// The extra sections after the texts: circled squares and rebus answers,
// and every way a section can be damaged without failing the load.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "model/CrossWordPuzzle.h"
#include "tests/support/PuzzleFileWriter.h"
#include "tests/support/PuzzleState.h"
#include "tests/support/TempDir.h"

using trellis::test::ClueAt;
using trellis::test::PuzzleFileWriter;
using trellis::test::TempDir;
using trellis::test::ToUtf8;

namespace {

const std::vector<std::string> kRows = {"STAR", "T#OE", "ARMS"};
constexpr int kSquares = 12;

// One byte per square: the given bytes at the given squares (row-major
// index), zero elsewhere.
std::string GridBytes(const std::map<int, char>& bytes, int nSquares = kSquares)
{
    std::string grid(static_cast<std::size_t>(nSquares), '\0');
    for (const auto& [i, b] : bytes)
        grid[static_cast<std::size_t>(i)] = b;
    return grid;
}

// The circled squares as "c,r" in grid order.
std::vector<std::string> Circles(const CCrossWordPuzzle& p)
{
    std::vector<std::string> out;
    for (int r = 0; r < p.m_nHeight; ++r)
        for (int c = 0; c < p.m_nWidth; ++c)
            if (p.GetSquare(c, r).m_bCircled)
                out.push_back(std::to_string(c) + "," + std::to_string(r));
    return out;
}

// One section as the writer puts it after the notes.
std::string SectionBytes(const std::string& name, const std::string& data)
{
    return PuzzleFileWriter().Title("").Author("").Copyright("").Section(name, data).Bytes().substr(52 + 4);
}

std::string RebusAt(const CCrossWordPuzzle& p, int c, int r)
{
    const std::u16string* pText = p.GetRebus(p.GetSquare(c, r));
    return pText ? ToUtf8(*pText) : "-";
}

}  // namespace

TEST(Sections, CirclesAreTheSquaresWithTheHighBitOfTheirGextByte)
{
    TempDir dir;
    // 0x80 alone and with other bits circles; 0x40 (a given letter) does not;
    // the black square at index 5 never takes a circle.
    const std::string gext = GridBytes({{0, '\x80'}, {3, '\xC8'}, {5, '\x80'}, {6, '\x40'}, {11, '\x80'}});
    auto p = PuzzleFileWriter(kRows).Section("GEXT", gext).Load(dir);
    EXPECT_EQ(Circles(*p), (std::vector<std::string> {"0,0", "3,0", "3,2"}));
    EXPECT_EQ(p->m_lstClues.size(), 6u);
    EXPECT_TRUE(Circles(*PuzzleFileWriter(kRows).Load(dir, "plain.puz")).empty());
}

TEST(Sections, RebusSquaresTakeTheWholeAnswerFromTheTable)
{
    TempDir dir;
    // Keys as publishers write them, one used twice, one the grid never uses,
    // one the table lacks, and entries that are not entries at all.
    const std::string grbs = GridBytes({{0, 2}, {3, 13}, {9, 2}, {11, 5}});
    const std::string rtbl = " 1:STAR;12:ELK;7:UNUSED;x1:BAD;:NOKEY; 3:;99999:BIG;";
    auto p = PuzzleFileWriter(kRows).Section("GRBS", grbs).Section("RTBL", rtbl).Load(dir);
    EXPECT_EQ(RebusAt(*p, 0, 0), "STAR");
    EXPECT_EQ(RebusAt(*p, 3, 0), "ELK");
    EXPECT_EQ(RebusAt(*p, 1, 2), "STAR");
    EXPECT_EQ(RebusAt(*p, 3, 2), "-");  // key 4 is not in the table
    EXPECT_EQ(RebusAt(*p, 1, 0), "-");
    EXPECT_EQ(p->m_astrRebus.size(), 2u);
    // The answer grid keeps the first letter.
    EXPECT_EQ(p->GetSquare(0, 0).m_chSolution, u'S');
    // A rebus grid without a table, or a table without a grid, gives none.
    EXPECT_TRUE(PuzzleFileWriter(kRows).Section("GRBS", grbs).Load(dir, "a.puz")->m_astrRebus.empty());
    EXPECT_TRUE(PuzzleFileWriter(kRows).Section("RTBL", rtbl).Load(dir, "b.puz")->m_astrRebus.empty());
}

TEST(Sections, FollowTheNotesOrTheCluesAndUnknownOnesArePassedOver)
{
    TempDir dir;
    const std::string gext = GridBytes({{1, '\x80'}});
    auto withNotes =
        PuzzleFileWriter(kRows).Notes("A note\r\nof two lines").Section("LTIM", "42,1").Section("GEXT", gext).Load(dir);
    EXPECT_EQ(Circles(*withNotes), std::vector<std::string> {"1,0"});
    // An older file without the notes text.
    std::string bytes = PuzzleFileWriter(kRows).Bytes();
    bytes.pop_back();
    bytes += SectionBytes("GEXT", gext);
    CCrossWordPuzzle p;
    ASSERT_TRUE(trellis::test::TryLoad(p, dir, bytes).bOk);
    EXPECT_EQ(Circles(p), std::vector<std::string> {"1,0"});
    EXPECT_EQ(ToUtf8(ClueAt(p, 5).m_strText), "Clue 6");
}

TEST(Sections, DamagedSectionsAreIgnoredAndTheLoadSucceeds)
{
    TempDir dir;
    const std::string gext = GridBytes({{1, '\x80'}});
    const std::string good = SectionBytes("GEXT", gext);
    auto load = [&](const std::string& sections) {
        auto p = std::make_unique<CCrossWordPuzzle>();
        const auto r = trellis::test::TryLoad(*p, dir, PuzzleFileWriter(kRows).Bytes() + sections);
        EXPECT_TRUE(r.bOk) << ToUtf8(r.strError);
        EXPECT_EQ(p->m_lstClues.size(), 6u);
        return Circles(*p);
    };
    ASSERT_EQ(load(good), std::vector<std::string> {"1,0"});
    // Every cut of the section, down to its first byte.
    for (std::size_t n = 0; n < good.size(); ++n)
        EXPECT_TRUE(load(good.substr(0, n)).empty()) << n;
    // A wrong checksum: this one is passed over, the next one read.
    std::string badSum = good;
    badSum[6] = static_cast<char>(badSum[6] ^ 1);
    EXPECT_EQ(load(badSum + good), std::vector<std::string> {"1,0"});
    EXPECT_TRUE(load(badSum).empty());
    // A length that does not fit the grid, and one past the end of the file.
    EXPECT_TRUE(load(SectionBytes("GEXT", GridBytes({{1, '\x80'}}, kSquares - 1))).empty());
    std::string tooLong = good;
    tooLong[4] = '\x7F';
    EXPECT_TRUE(load(tooLong).empty());
    // No zero byte after the data.
    std::string unterminated = good;
    unterminated.back() = 'x';
    EXPECT_TRUE(load(unterminated).empty());
}

TEST(Notes, AreTheTextAfterTheCluesToItsFirstZeroWithItsLineBreaks)
{
    TempDir dir;
    const std::string gext = GridBytes({{1, '\x80'}});
    auto notesOf = [&](const std::string& bytes) {
        CCrossWordPuzzle p;
        const auto r = trellis::test::TryLoad(p, dir, bytes);
        EXPECT_TRUE(r.bOk) << ToUtf8(r.strError);
        return ToUtf8(p.m_strNotes);
    };
    // Lines of the notes, then sections.
    EXPECT_EQ(notesOf(PuzzleFileWriter(kRows).Notes("Rules:\r\nsend it\nby Friday").Section("GEXT", gext).Bytes()),
              "Rules:\r\nsend it\nby Friday");
    // Windows-1252 text as the other texts are read.
    EXPECT_EQ(notesOf(PuzzleFileWriter(kRows).Notes("Caf\xe9 \x85").Bytes()), "Caf\xc3\xa9 \xe2\x80\xa6");
    // No notes before the sections, or none at all.
    std::string bare = PuzzleFileWriter(kRows).Bytes();
    bare.pop_back();
    EXPECT_EQ(notesOf(bare + SectionBytes("GEXT", gext)), "");
    EXPECT_EQ(notesOf(bare), "");
    // What follows the notes' zero is not part of them; notes the file cuts
    // short are kept as far as they go.
    EXPECT_EQ(notesOf(PuzzleFileWriter(kRows).Notes("One").Bytes() + std::string("junk\n\0", 6)), "One");
    EXPECT_EQ(notesOf(bare + "Cut\nshort"), "Cut\nshort");
}
