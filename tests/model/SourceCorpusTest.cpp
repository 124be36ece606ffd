// SPDX-License-Identifier: MIT
// Every real .ipuz, .jpz and .xd file of the corpus (TRELLIS_CORPUS_DIR):
// sizes, blocks, missing squares and clue lists counted in the files by
// hand, and texts, answers, marks and bars read off them by eye.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "model/PuzzleSourceReader.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;
using trellis::test::ToUtf8;

namespace {

const fs::path kCorpus = fs::path(TRELLIS_CORPUS_DIR);

#define SKIP_WITHOUT_CORPUS()                                                                                          \
    if (!fs::is_directory(kCorpus / "ipuz") || !fs::is_directory(kCorpus / "jpz") ||                                   \
        !fs::is_directory(kCorpus / "xd"))                                                                             \
    GTEST_SKIP() << "no ipuz, jpz and xd corpus under " << kCorpus << " (set TRELLIS_CORPUS_DIR)"

struct CExpected {
    int m_nWidth;
    int m_nHeight;
    int m_nBlocks;
    int m_nMissing;
    std::vector<std::pair<std::u16string, std::size_t>> m_lists;  // name and clue count, in order
};

// Counted in the files: "#" entries, null entries and clue entries of
// each list in the JSON; type="block" and "void" cells and <clue>s of each
// <clues> in the XML; block characters and A/D clue lines in the text.
const std::map<std::string, CExpected> kExpected = {
    {"ipuz/cn-BB8.ipuz", {15, 15, 42, 0, {{u"Across", 39}, {u"Down", 41}}}},
    {"ipuz/cn-GirlDinner.ipuz", {14, 14, 34, 0, {{u"Across", 36}, {u"Down", 36}}}},
    {"ipuz/cn-Route_66.ipuz", {15, 15, 63, 0, {{u"Down", 16}, {u"Across", 16}}}},
    {"ipuz/cn-patchwork_quilt.ipuz", {9, 9, 0, 0, {{u"Colors", 13}, {u"Patches", 12}}}},
    {"ipuz/db-11x11-barred.ipuz", {11, 11, 0, 0, {{u"Across", 21}, {u"Down", 21}}}},
    {"ipuz/db-homepage-no-solution.ipuz", {9, 9, 21, 0, {{u"Across", 6}, {u"Down", 6}}}},
    {"ipuz/db-italian-15x15.ipuz", {15, 15, 37, 0, {{u"Orizzontali", 42}, {u"Verticali", 42}}}},
    {"ipuz/db-shaped-example-guitar.ipuz", {17, 31, 67, 245, {{u"Across", 18}, {u"Down", 39}}}},
    {"ipuz/kw-test-solved.ipuz", {5, 5, 4, 0, {{u"Across", 5}, {u"Down", 5}}}},
    {"ipuz/kw-test-zero-indexed.ipuz", {5, 5, 4, 0, {{u"Across", 5}, {u"Down", 5}}}},
    {"ipuz/kw-test.ipuz", {5, 5, 4, 0, {{u"Across", 5}, {u"Down", 5}}}},
    {"ipuz/pz-kitchen-sink.ipuz", {3, 3, 0, 0, {{u"Across", 3}, {u"Down", 3}}}},
    {"ipuz/sv-example_v2.ipuz", {15, 15, 36, 0, {{u"Across", 37}, {u"Down", 41}}}},
    {"ipuz/sv-first.ipuz", {13, 13, 0, 97, {{u"Across", 15}, {u"Down", 16}}}},
    {"jpz/cn-FM.jpz", {15, 15, 38, 0, {{u"Across", 39}, {u"Down", 39}}}},
    {"jpz/kw-test-barred.jpz", {5, 5, 1, 0, {{u"Across", 4}, {u"Down", 6}}}},
    {"jpz/kw-test-html.jpz", {5, 5, 4, 0, {{u"Across", 5}, {u"Down", 5}}}},
    {"jpz/kw-test-shaded.jpz", {5, 5, 4, 0, {{u"Across", 5}, {u"Down", 5}}}},
    {"jpz/kw-test-solved.jpz", {5, 5, 4, 0, {{u"Across", 5}, {u"Down", 5}}}},
    {"jpz/kw-test.jpz", {5, 5, 4, 0, {{u"Across", 5}, {u"Down", 5}}}},
    {"jpz/pz-inline-style-sample.jpz", {7, 7, 12, 0, {{u"Across", 7}, {u"Down", 7}}}},
    {"xd/ca-nyt1955-01-01.xd", {15, 15, 38, 0, {}}},
    {"xd/pz-alpha-bits.xd", {15, 15, 46, 0, {{u"Across", 41}, {u"Down", 47}}}},
    {"xd/pz-explicit-alpha-bits.xd", {15, 15, 46, 0, {{u"Across", 41}, {u"Down", 47}}}},
    {"xd/pz-speakerboxxx.xd", {15, 15, 43, 0, {{u"Across", 38}, {u"Down", 38}}}},
    {"xd/xp-saulpw-008.xd", {15, 15, 44, 0, {{u"Across", 33}, {u"Down", 45}}}},
};

// The files that must be refused, and the message each gets.
const std::map<std::string, std::u16string> kRefused = {
    {"jpz/cn-DupeThereItIs.jpz", u": acrostic puzzles are not supported"},
    {"jpz/kw-acrostic.jpz", u": acrostic puzzles are not supported"},
    {"xd/pz-fail-bad_clue.xd", u": invalid puzzle file (line 29 is not a clue)"},
    {"xd/pz-fail-bad_meta.xd", u": invalid puzzle file (line 3 is not a \"Key: value\" line)"},
};

CPuzzleSource Load(const std::string& name)
{
    CPuzzleSource source;
    std::u16string error;
    EXPECT_TRUE(ReadPuzzleSource((kCorpus / name).u16string(), source, error)) << name << ": " << ToUtf8(error);
    EXPECT_TRUE(error.empty());
    return source;
}

const CSourceClue& ClueOf(const CPuzzleSource& source, const std::u16string& strList, const std::u16string& strLabel)
{
    static const CSourceClue none;
    for (const CSourceClueList& list : source.m_aLists) {
        for (const CSourceClue& clue : list.m_aClues) {
            if (list.m_strName == strList && clue.m_strLabel == strLabel)
                return clue;
        }
    }
    ADD_FAILURE() << "no clue " << ToUtf8(strLabel) << " in " << ToUtf8(strList);
    return none;
}

std::vector<CPoint> WordCells(int nCol, int nRow, int nLength, bool bAcross)
{
    std::vector<CPoint> aCells;
    for (int i = 0; i < nLength; ++i)
        aCells.emplace_back(bAcross ? nCol + i : nCol, bAcross ? nRow : nRow + i);
    return aCells;
}

}  // namespace

TEST(SourceCorpus, EveryFileHasItsGridAndClueLists)
{
    SKIP_WITHOUT_CORPUS();
    // Every file of the three folders is in one of the two tables, so a new
    // file cannot go untested.
    std::set<std::string> files;
    for (const char* pszFolder : {"ipuz", "jpz", "xd"}) {
        for (const auto& entry : fs::directory_iterator(kCorpus / pszFolder))
            files.insert(std::string(pszFolder) + "/" + entry.path().filename().string());
    }
    for (const std::string& file : files)
        EXPECT_TRUE(kExpected.count(file) + kRefused.count(file) == 1) << file << " is in no table";

    for (const auto& [file, expected] : kExpected) {
        SCOPED_TRACE(file);
        const CPuzzleSource source = Load(file);
        ASSERT_EQ(source.m_nWidth, expected.m_nWidth);
        ASSERT_EQ(source.m_nHeight, expected.m_nHeight);
        ASSERT_EQ(source.m_aSquares.size(), static_cast<std::size_t>(expected.m_nWidth * expected.m_nHeight));
        int nBlocks = 0, nMissing = 0;
        for (const CSourceSquare& square : source.m_aSquares) {
            nBlocks += square.m_nKind == ESquareKind::Block ? 1 : 0;
            nMissing += square.m_nKind == ESquareKind::Missing ? 1 : 0;
        }
        EXPECT_EQ(nBlocks, expected.m_nBlocks);
        EXPECT_EQ(nMissing, expected.m_nMissing);
        ASSERT_EQ(source.m_aLists.size(), expected.m_lists.size());
        for (std::size_t i = 0; i < expected.m_lists.size(); ++i) {
            EXPECT_EQ(ToUtf8(source.m_aLists[i].m_strName), ToUtf8(expected.m_lists[i].first));
            EXPECT_EQ(source.m_aLists[i].m_aClues.size(), expected.m_lists[i].second);
        }
    }
}

TEST(SourceCorpus, RefusedFilesSayWhyWithTheirPath)
{
    SKIP_WITHOUT_CORPUS();
    for (const auto& [file, suffix] : kRefused) {
        SCOPED_TRACE(file);
        CPuzzleSource source;
        std::u16string error;
        const std::u16string path = (kCorpus / file).u16string();
        EXPECT_FALSE(ReadPuzzleSource(path, source, error));
        EXPECT_EQ(ToUtf8(error), ToUtf8(path + suffix));
        EXPECT_EQ(source, CPuzzleSource());
    }
}

TEST(SourceCorpus, IpuzTextsAnswersAndMarks)
{
    SKIP_WITHOUT_CORPUS();
    {
        // A rebus, circles, Greek letters and digits as answers.
        const CPuzzleSource s = Load("ipuz/kw-test.ipuz");
        EXPECT_EQ(ToUtf8(s.At(2, 2).m_strSolution), "XYZ");
        EXPECT_EQ(ToUtf8(s.At(4, 4).m_strSolution), "@");
        EXPECT_EQ(ToUtf8(s.At(1, 4).m_strSolution), "1");
        EXPECT_TRUE(s.At(0, 2).m_bCircled && s.At(4, 2).m_bCircled && !s.At(1, 2).m_bCircled);
        EXPECT_EQ(ToUtf8(ClueOf(s, u"Across", u"1").m_strText), "First across clue with special characters αβγδε");
        EXPECT_EQ(ClueOf(s, u"Down", u"7").m_aCells, WordCells(4, 2, 3, false));
        EXPECT_EQ(ToUtf8(s.m_strNotes), "Notepad text goes here.");
        EXPECT_TRUE(s.At(0, 0).m_strFill.empty());
    }
    {
        // The saved fill is the player's, not given.
        const CPuzzleSource s = Load("ipuz/kw-test-solved.ipuz");
        EXPECT_EQ(ToUtf8(s.At(2, 2).m_strFill), "XYZ");
        EXPECT_EQ(ToUtf8(s.At(3, 4).m_strFill), "$");
        EXPECT_FALSE(s.At(2, 2).m_bGiven);
    }
    {
        // Cells counted from 0 by this writer.
        const CPuzzleSource s = Load("ipuz/kw-test-zero-indexed.ipuz");
        EXPECT_EQ(ClueOf(s, u"Across", u"8").m_aCells, WordCells(1, 3, 4, true));
        EXPECT_EQ(ClueOf(s, u"Down", u"1").m_aCells, WordCells(0, 0, 3, false));
    }
    {
        // Cells counted from 1; the down clues are shuffled under a bullet label.
        const CPuzzleSource s = Load("ipuz/cn-BB8.ipuz");
        EXPECT_EQ(ClueOf(s, u"Across", u"1").m_aCells, WordCells(0, 0, 4, true));
        const CSourceClue& down = s.m_aLists[1].m_aClues[0];
        EXPECT_EQ(ToUtf8(down.m_strLabel), "•");
        EXPECT_EQ(down.m_nNumber, -1);
        EXPECT_EQ(ToUtf8(down.m_strText), "Actress Vardalos");
        EXPECT_EQ(down.m_aCells, WordCells(0, 0, 4, false));
        EXPECT_EQ(s.At(2, 0).m_nColor, 0xC0C0C0);
        EXPECT_EQ(s.At(0, 0).m_nColor, -1);
    }
    {
        // Italics dropped, accents kept.
        const CPuzzleSource s = Load("ipuz/cn-GirlDinner.ipuz");
        EXPECT_EQ(ToUtf8(ClueOf(s, u"Across", u"5").m_strText), "Actress Kurylenko of Quantum of Solace");
        EXPECT_EQ(ToUtf8(ClueOf(s, u"Across", u"12").m_strText),
                  "Mathematician Poincaré known as \"the last universalist\"");
        EXPECT_EQ(s.At(11, 0).m_nColor, 0xCCCCCC);
    }
    {
        // Clues without labels or cells.
        const CPuzzleSource s = Load("ipuz/cn-Route_66.ipuz");
        const CSourceClue& first = s.m_aLists[0].m_aClues[0];
        EXPECT_EQ(ToUtf8(first.m_strText), "AIDES / DISBAR");
        EXPECT_TRUE(first.m_strLabel.empty() && first.m_aCells.empty());
        EXPECT_EQ(ToUtf8(s.m_strTitle), "Route 66%");
    }
    {
        // Irregular words given by their cells, bars and colours.
        const CPuzzleSource s = Load("ipuz/cn-patchwork_quilt.ipuz");
        EXPECT_EQ(s.m_aLists[0].m_nDirection, EClueDirection::Other);
        EXPECT_EQ(ClueOf(s, u"Colors", u"1").m_aCells,
                  (std::vector<CPoint> {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {3, 1}, {3, 2}}));
        EXPECT_TRUE(s.At(1, 0).m_bBarRight);
        EXPECT_TRUE(s.At(4, 0).m_bBarRight && s.At(4, 0).m_bBarBottom);
        EXPECT_EQ(s.At(0, 0).m_nColor, 0xFFEEAD);
    }
    {
        // Left and top bars land on the neighbour and end words.
        const CPuzzleSource s = Load("ipuz/db-11x11-barred.ipuz");
        EXPECT_TRUE(s.At(2, 1).m_bBarRight);
        EXPECT_TRUE(s.At(5, 2).m_bBarBottom);
        EXPECT_FALSE(s.At(3, 1).m_bBarRight);
        EXPECT_EQ(ClueOf(s, u"Across", u"12").m_aCells, WordCells(0, 1, 3, true));
        EXPECT_EQ(ClueOf(s, u"Across", u"13").m_aCells, WordCells(3, 1, 8, true));
        EXPECT_EQ(ClueOf(s, u"Down", u"1").m_aCells, WordCells(0, 0, 11, false));
        // Its solution grid only repeats the labels: no answers.
        EXPECT_TRUE(s.At(0, 0).m_strSolution.empty());
    }
    {
        const CPuzzleSource s = Load("ipuz/db-homepage-no-solution.ipuz");
        EXPECT_EQ(ToUtf8(ClueOf(s, u"Across", u"1").m_strText), "Angry exclamation? You're looking at it!");
        EXPECT_EQ(ClueOf(s, u"Across", u"1").m_aCells, WordCells(0, 0, 9, true));
        for (const CSourceSquare& square : s.m_aSquares)
            EXPECT_TRUE(square.m_strSolution.empty());
    }
    {
        const CPuzzleSource s = Load("ipuz/db-italian-15x15.ipuz");
        EXPECT_EQ(s.m_aLists[0].m_nDirection, EClueDirection::Across);
        EXPECT_EQ(s.m_aLists[1].m_nDirection, EClueDirection::Down);
        EXPECT_EQ(ToUtf8(s.At(0, 0).m_strSolution), "I");
        EXPECT_EQ(ClueOf(s, u"Orizzontali", u"5").m_aCells, WordCells(5, 0, 6, true));
    }
    {
        // A shaped grid: squares that do not exist end words as blocks do.
        const CPuzzleSource s = Load("ipuz/db-shaped-example-guitar.ipuz");
        EXPECT_EQ(s.At(0, 0).m_nKind, ESquareKind::Missing);
        EXPECT_EQ(ToUtf8(s.At(6, 0).m_strLabel), "1");
        EXPECT_EQ(ToUtf8(s.At(6, 0).m_strSolution), "S");
        EXPECT_EQ(ClueOf(s, u"Across", u"1").m_aCells, WordCells(6, 0, 5, true));
    }
    {
        const CPuzzleSource s = Load("ipuz/pz-kitchen-sink.ipuz");
        EXPECT_EQ(ToUtf8(s.At(0, 0).m_strSolution), "GO");
        EXPECT_TRUE(s.At(1, 1).m_bCircled);
        EXPECT_TRUE(s.At(2, 2).m_bGiven);
        EXPECT_EQ(ToUtf8(s.At(2, 2).m_strFill), "N");
        EXPECT_FALSE(s.At(2, 1).m_bGiven);
    }
    {
        const CPuzzleSource s = Load("ipuz/sv-example_v2.ipuz");
        EXPECT_TRUE(s.At(4, 2).m_bCircled && s.At(7, 2).m_bCircled);
        EXPECT_EQ(ToUtf8(ClueOf(s, u"Across", u"6").m_strText), "Villain in \"Tron\"");
        EXPECT_EQ(ToUtf8(s.m_strAuthor), "Roy Leban");
    }
    {
        // Labels that are no numbers, prefilled letters, introduction and notes.
        const CPuzzleSource s = Load("ipuz/sv-first.ipuz");
        EXPECT_EQ(ToUtf8(ClueOf(s, u"Across", u"2-3").m_strText), "What bargain hunters enjoy");
        EXPECT_EQ(ClueOf(s, u"Across", u"2-3").m_nNumber, -1);
        EXPECT_TRUE(s.At(5, 1).m_bGiven);
        EXPECT_EQ(ToUtf8(s.At(5, 1).m_strFill), "F");
        EXPECT_EQ(ToUtf8(s.At(6, 0).m_strSolution), "R");
        EXPECT_EQ(ToUtf8(s.m_strNotes), "Fill in the small squares with words which agree with the following "
                                        "definitions.\n\nThis is considered to be the world's first crossword puzzle.");
    }
}

TEST(SourceCorpus, JpzTextsAnswersAndMarks)
{
    SKIP_WITHOUT_CORPUS();
    {
        // Words between styled spans keep their spaces.
        const CPuzzleSource s = Load("jpz/cn-FM.jpz");
        EXPECT_EQ(ToUtf8(ClueOf(s, u"Across", u"25").m_strText),
                  "Eagles member Joe who did not sing backup for Steely Dan on FM");
        EXPECT_EQ(ToUtf8(ClueOf(s, u"Across", u"19").m_strText), "Heat of the Moment band named for a continent");
        EXPECT_EQ(s.At(0, 0).m_nKind, ESquareKind::Block);
        EXPECT_EQ(ToUtf8(s.At(1, 0).m_strSolution), "R");
        EXPECT_EQ(ToUtf8(s.At(1, 0).m_strLabel), "1");
        EXPECT_EQ(ToUtf8(s.m_strAuthor), "Alex Boisvert");
    }
    {
        const CPuzzleSource s = Load("jpz/kw-test-barred.jpz");
        EXPECT_TRUE(s.At(3, 0).m_bBarRight);  // left-bar of (5,1)
        EXPECT_TRUE(s.At(0, 0).m_bBarBottom);  // top-bar of (1,2)
        EXPECT_TRUE(s.At(4, 3).m_bBarBottom);  // top-bar of (5,5)
        EXPECT_FALSE(s.At(4, 4).m_bBarBottom);
        EXPECT_EQ(ClueOf(s, u"Down", u"6").m_aCells, WordCells(0, 1, 4, false));
    }
    {
        const CPuzzleSource s = Load("jpz/kw-test-html.jpz");
        EXPECT_EQ(ToUtf8(ClueOf(s, u"Across", u"1").m_strText),
                  "First across clue with bold, italic, and bold italic text");
        EXPECT_EQ(ToUtf8(ClueOf(s, u"Across", u"5").m_strText), "Second across clue with subscript and superscript");
    }
    {
        const CPuzzleSource s = Load("jpz/kw-test-shaded.jpz");
        EXPECT_EQ(s.At(0, 2).m_nColor, 0xC0C0C0);
        EXPECT_EQ(s.At(1, 2).m_nColor, -1);
    }
    {
        const CPuzzleSource s = Load("jpz/kw-test-solved.jpz");
        EXPECT_EQ(ToUtf8(s.At(2, 2).m_strFill), "XYZ");
        EXPECT_EQ(ToUtf8(s.At(4, 4).m_strFill), "@");
    }
    {
        const CPuzzleSource s = Load("jpz/kw-test.jpz");
        EXPECT_EQ(ToUtf8(s.At(2, 2).m_strSolution), "XYZ");
        EXPECT_TRUE(s.At(0, 2).m_bCircled);
        EXPECT_EQ(ToUtf8(ClueOf(s, u"Across", u"1").m_strText), "First across clue with special characters αβγδε");
        EXPECT_EQ(ToUtf8(s.m_strNotes), "Notepad text goes here.");
    }
    {
        // Clue 12 is word 6: clues follow their word ids, not their numbers.
        const CPuzzleSource s = Load("jpz/pz-inline-style-sample.jpz");
        EXPECT_EQ(ToUtf8(ClueOf(s, u"Across", u"12").m_strText), "Writer of the Divina Commedia");
        EXPECT_EQ(ClueOf(s, u"Across", u"12").m_aCells, WordCells(2, 5, 5, true));
        EXPECT_EQ(ClueOf(s, u"Down", u"10").m_aCells, WordCells(6, 3, 4, false));
        EXPECT_EQ(ToUtf8(ClueOf(s, u"Down", u"1").m_strText), "Alternative to 😂");
        EXPECT_EQ(ToUtf8(ClueOf(s, u"Across", u"1").m_strText), "Throw");
    }
}

TEST(SourceCorpus, XdTextsAnswersAndMarks)
{
    SKIP_WITHOUT_CORPUS();
    {
        // The Rebus line expanded.
        const CPuzzleSource s = Load("xd/ca-nyt1955-01-01.xd");
        EXPECT_EQ(ToUtf8(s.At(0, 0).m_strSolution), "HEART");
        EXPECT_EQ(ToUtf8(s.At(11, 0).m_strSolution), "DIAMOND");
        EXPECT_EQ(ToUtf8(s.At(0, 11).m_strSolution), "SPADE");
        EXPECT_EQ(ToUtf8(s.At(11, 11).m_strSolution), "CLUB");
        EXPECT_EQ(ToUtf8(s.At(1, 0).m_strSolution), "A");
        EXPECT_EQ(ToUtf8(s.m_strTitle), "New York Times, Saturday, January 1, 1955");
    }
    for (const char* pszFile : {"xd/pz-alpha-bits.xd", "xd/pz-explicit-alpha-bits.xd"}) {
        // Blocks drawn as "."; the words numbered as the clues say.
        const CPuzzleSource s = Load(pszFile);
        EXPECT_EQ(s.At(4, 0).m_nKind, ESquareKind::Block);
        EXPECT_EQ(ClueOf(s, u"Across", u"5").m_aCells, WordCells(6, 0, 3, true));
        EXPECT_EQ(ClueOf(s, u"Down", u"70").m_aCells, WordCells(14, 12, 3, false));
        EXPECT_EQ(ToUtf8(ClueOf(s, u"Across", u"60").m_strText), "What Pokémon do at a Pokémon Center");
        EXPECT_EQ(ToUtf8(s.m_strCopyright), "© 2021");
    }
    {
        // Rebus symbols beyond ASCII, circles from the design section.
        const CPuzzleSource s = Load("xd/pz-speakerboxxx.xd");
        EXPECT_EQ(ToUtf8(s.At(8, 3).m_strSolution), "BOSE");
        EXPECT_EQ(ToUtf8(s.At(7, 11).m_strSolution), "SONY");
        EXPECT_EQ(ClueOf(s, u"Across", u"18").m_aCells, WordCells(0, 3, 12, true));
        EXPECT_TRUE(s.At(11, 5).m_bCircled);
        EXPECT_FALSE(s.At(10, 5).m_bCircled);
        int nCircles = 0;
        for (const CSourceSquare& square : s.m_aSquares)
            nCircles += square.m_bCircled ? 1 : 0;
        EXPECT_EQ(nCircles, 19);
    }
    {
        // Markup dropped from clues; the notes section kept.
        const CPuzzleSource s = Load("xd/xp-saulpw-008.xd");
        EXPECT_EQ(ToUtf8(ClueOf(s, u"Across", u"24").m_strText), "Roz on Frasier, to Kelsey");
        EXPECT_EQ(ToUtf8(ClueOf(s, u"Across", u"71").m_strText), "c and f/1.4");
        EXPECT_EQ(ToUtf8(s.m_strTitle), "\"How could you know anything of the matter?\"");
        EXPECT_EQ(ToUtf8(s.m_strNotes.substr(0, 23)), "\"No; but one of them wa");
        EXPECT_EQ(ToUtf8(s.At(0, 0).m_strSolution), "B");
    }
}
