// SPDX-License-Identifier: MIT
// The clue lists' index: the clues of each direction in order with their
// words, and the words through every square.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "model/ClueIndex.h"
#include "model/CrossWordPuzzle.h"
#include "model/GridNavigator.h"
#include "tests/support/PuzzleFileWriter.h"
#include "tests/support/PuzzleState.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;
using trellis::test::PuzzleFileWriter;
using trellis::test::SetLetter;
using trellis::test::TempDir;

namespace {

// Words: across 1 (0,0)-(2,0), 4 (2,1)-(4,1), 6 (0,2)-(3,2); down 1
// (0,0)-(0,2), 2 (2,0)-(2,2), 3 (4,0)-(4,1), 5 (3,1)-(3,2). The file lists
// the clues 1A 1D 2D 3D 4A 5D 6A.
const std::vector<std::string> kGrid = {"...#.", ".#...", "....#"};

class ClueIndexTest : public ::testing::Test {
protected:
    CCrossWordPuzzle& Load(const std::vector<std::string>& rows, const std::vector<std::string>& clues = {})
    {
        PuzzleFileWriter writer(rows);
        if (!clues.empty())
            writer.Clues(clues);
        m_pPuzzle = writer.Load(m_dir);
        return *m_pPuzzle;
    }

    // "4A (2,1) 3": number, direction, first square, length.
    static std::string Describe(const CClueEntry& entry)
    {
        return std::to_string(entry.m_pClue->m_nNumber) + (entry.m_pClue->m_bAcross ? "A (" : "D (") +
               std::to_string(entry.m_ptStart.x) + "," + std::to_string(entry.m_ptStart.y) + ") " +
               std::to_string(entry.m_nLength);
    }
    static std::vector<std::string> Describe(const std::vector<CClueEntry>& entries)
    {
        std::vector<std::string> texts;
        for (const CClueEntry& entry : entries)
            texts.push_back(Describe(entry));
        return texts;
    }
    // The entry of each square, a digit or '-' for none, row by row.
    static std::vector<std::string> EntryGrid(const CClueIndex& index, int nDirection, int nWidth, int nHeight)
    {
        std::vector<std::string> rows;
        for (int r = 0; r < nHeight; r++) {
            std::string row;
            for (int c = 0; c < nWidth; c++) {
                const int nEntry = index.EntryAt(nDirection, CPoint(c, r));
                row += nEntry == CClueIndex::NO_ENTRY ? '-' : static_cast<char>('0' + nEntry);
            }
            rows.push_back(row);
        }
        return rows;
    }

    TempDir m_dir;
    std::unique_ptr<CCrossWordPuzzle> m_pPuzzle;
};

TEST_F(ClueIndexTest, EachListHoldsItsCluesInFileOrderWithTheirWords)
{
    const CClueIndex index(Load(kGrid, {"a1", "d1", "d2", "d3", "a4", "d5", "a6"}));
    EXPECT_EQ(Describe(index.Entries(DIRECTION_ACROSS)),
              (std::vector<std::string> {"1A (0,0) 3", "4A (2,1) 3", "6A (0,2) 4"}));
    EXPECT_EQ(Describe(index.Entries(DIRECTION_DOWN)),
              (std::vector<std::string> {"1D (0,0) 3", "2D (2,0) 3", "3D (4,0) 2", "5D (3,1) 2"}));
    EXPECT_EQ(index.Entries(DIRECTION_DOWN)[3].m_pClue->m_strText, u"d5");
    EXPECT_TRUE(index.Entries(DIRECTION_NONE).empty());
}

TEST_F(ClueIndexTest, EverySquareKnowsTheWordOfEachDirectionThroughIt)
{
    const CClueIndex index(Load(kGrid));
    // Black squares and squares in no word of a direction have none.
    EXPECT_EQ(EntryGrid(index, DIRECTION_ACROSS, 5, 3), (std::vector<std::string> {"000--", "--111", "2222-"}));
    EXPECT_EQ(EntryGrid(index, DIRECTION_DOWN, 5, 3), (std::vector<std::string> {"0-1-2", "0-132", "0-13-"}));
    // Only a word's first square starts it.
    EXPECT_EQ(index.EntryStartingAt(DIRECTION_ACROSS, CPoint(2, 1)), 1);
    EXPECT_EQ(index.EntryStartingAt(DIRECTION_ACROSS, CPoint(3, 1)), CClueIndex::NO_ENTRY);
    EXPECT_EQ(index.EntryStartingAt(DIRECTION_DOWN, CPoint(3, 1)), 3);
    EXPECT_EQ(index.EntryStartingAt(DIRECTION_DOWN, CPoint(3, 0)), CClueIndex::NO_ENTRY);
    // Outside the grid, and with no direction, there is nothing.
    for (const CPoint pt : {CPoint(-1, 0), CPoint(5, 0), CPoint(0, 3), CPoint(0, -1)})
        EXPECT_EQ(index.EntryAt(DIRECTION_ACROSS, pt), CClueIndex::NO_ENTRY) << pt.x << "," << pt.y;
    EXPECT_EQ(index.EntryAt(DIRECTION_NONE, CPoint(0, 0)), CClueIndex::NO_ENTRY);
}

TEST_F(ClueIndexTest, AWordIsFilledWhenEverySquareOfItHoldsALetter)
{
    CCrossWordPuzzle& puzzle = Load(kGrid);
    const CClueIndex index(puzzle);
    const int n6A = 2, n5D = 3;
    EXPECT_FALSE(index.IsFilled(puzzle, DIRECTION_ACROSS, n6A));
    for (int c = 0; c < 3; c++)
        SetLetter(puzzle, c, 2, u'X');
    EXPECT_FALSE(index.IsFilled(puzzle, DIRECTION_ACROSS, n6A));
    // The last square completes 6A and, with (3,1), 5D too.
    SetLetter(puzzle, 3, 2, u'X');
    EXPECT_TRUE(index.IsFilled(puzzle, DIRECTION_ACROSS, n6A));
    EXPECT_FALSE(index.IsFilled(puzzle, DIRECTION_DOWN, n5D));
    SetLetter(puzzle, 3, 1, u'X');
    EXPECT_TRUE(index.IsFilled(puzzle, DIRECTION_DOWN, n5D));
    // A letter taken out again, and entries that do not exist.
    SetLetter(puzzle, 0, 2, u' ', FALSE);
    EXPECT_FALSE(index.IsFilled(puzzle, DIRECTION_ACROSS, n6A));
    EXPECT_FALSE(index.IsFilled(puzzle, DIRECTION_ACROSS, 3));
    EXPECT_FALSE(index.IsFilled(puzzle, DIRECTION_ACROSS, -1));
    EXPECT_FALSE(index.IsFilled(puzzle, DIRECTION_NONE, 0));
}

TEST_F(ClueIndexTest, OddCluesOfAHandMadeListKeepTheirPlaceWithoutTakingAWord)
{
    CCrossWordPuzzle& puzzle = Load({"...", "#.."});
    // A second 1 Across, as a file's list could hold, and a clue whose
    // number no square carries.
    puzzle.AddClue(u"again", 1, TRUE);
    puzzle.AddClue(u"lost", 9, FALSE);
    const CClueIndex index(puzzle);
    const std::vector<CClueEntry>& across = index.Entries(DIRECTION_ACROSS);
    ASSERT_EQ(across.size(), 3u);
    EXPECT_EQ(Describe(across[2]), "1A (0,0) 3");
    // The squares keep the first clue, as the puzzle's own lookup finds it.
    EXPECT_EQ(index.EntryAt(DIRECTION_ACROSS, CPoint(1, 0)), 0);
    const CClueEntry& lost = index.Entries(DIRECTION_DOWN).back();
    EXPECT_EQ(lost.m_pClue->m_strText, u"lost");
    EXPECT_EQ(lost.m_nLength, 0);
    EXPECT_FALSE(index.IsFilled(puzzle, DIRECTION_DOWN, static_cast<int>(index.Entries(DIRECTION_DOWN).size()) - 1));
}

// A new puzzle, or none, replaces what the index held: the clue lists'
// tests show the lists follow.

// The index answers what the puzzle's own walks answer, on every square of
// every real file.
TEST_F(ClueIndexTest, AgreesWithThePuzzlesOwnLookupsOnEveryRealFile)
{
    const fs::path corpus = fs::path(TRELLIS_CORPUS_DIR) / "puz";
    if (!fs::is_directory(corpus))
        GTEST_SKIP() << "no puzzle corpus at " << corpus << " (set TRELLIS_CORPUS_DIR)";
    int nFiles = 0;
    for (const auto& file : fs::directory_iterator(corpus)) {
        if (file.path().extension() != ".puz" || file.path().filename() == "ONE_bad.puz")
            continue;
        SCOPED_TRACE(file.path().filename().string());
        CCrossWordPuzzle puzzle;
        std::u16string strError;
        ASSERT_TRUE(puzzle.LoadPuzzle(file.path().u16string(), strError));
        const CClueIndex index(puzzle);
        ++nFiles;
        for (int r = 0; r < puzzle.m_nHeight; r++) {
            for (int c = 0; c < puzzle.m_nWidth; c++) {
                for (const BOOL bAcross : {TRUE, FALSE}) {
                    const int nDirection = bAcross ? DIRECTION_ACROSS : DIRECTION_DOWN;
                    const int nEntry = index.EntryAt(nDirection, CPoint(c, r));
                    const BOOL bInWord = bAcross ? puzzle.IsInAcrossWord(c, r) : puzzle.IsInDownWord(c, r);
                    const CPoint ptStart = bAcross ? puzzle.GetAcrossStart(c, r) : puzzle.GetDownStart(c, r);
                    const CClue* pClue = !bInWord  ? nullptr
                                         : bAcross ? puzzle.GetAcrossClue(ptStart.x, ptStart.y)
                                                   : puzzle.GetDownClue(ptStart.x, ptStart.y);
                    if (pClue == nullptr) {
                        ASSERT_EQ(nEntry, CClueIndex::NO_ENTRY) << c << "," << r << (bAcross ? " A" : " D");
                        continue;
                    }
                    ASSERT_NE(nEntry, CClueIndex::NO_ENTRY) << c << "," << r << (bAcross ? " A" : " D");
                    const CClueEntry& entry = index.Entries(nDirection)[static_cast<std::size_t>(nEntry)];
                    ASSERT_EQ(entry.m_pClue, pClue) << c << "," << r;
                    ASSERT_EQ(entry.m_ptStart, ptStart) << c << "," << r;
                }
            }
        }
        // Every clue of the file is in one of the lists.
        EXPECT_EQ(index.Entries(DIRECTION_ACROSS).size() + index.Entries(DIRECTION_DOWN).size(),
                  puzzle.m_lstClues.size());
    }
    EXPECT_GE(nFiles, 28);
}

}  // namespace
