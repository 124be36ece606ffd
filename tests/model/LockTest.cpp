// SPDX-License-Identifier: MIT
// Locked puzzles: the key unscrambles the answers, the key search, and
// completion judged by the stored checksum while the answers are unknown.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "model/CrossWordPuzzle.h"
#include "model/Scramble.h"
#include "tests/support/PuzzleFileWriter.h"
#include "tests/support/PuzzleState.h"
#include "tests/support/TempDir.h"

using trellis::test::PuzzleFileWriter;
using trellis::test::SetLetter;
using trellis::test::TempDir;
using trellis::test::WhiteAnswers;

namespace {

const std::vector<std::string> kRows = {"HEART", "EM#ER", "ABUSE", "RE#IN", "TREND"};

std::string Joined(const std::vector<std::string>& rows)
{
    std::string s;
    for (const std::string& row : rows)
        for (char ch : row)
            if (ch != '#')
                s.push_back(ch);
    return s;
}

// Types the letters (row by row, white squares only) into the puzzle.
void Fill(CCrossWordPuzzle& p, const std::string& letters)
{
    std::size_t i = 0;
    for (int r = 0; r < p.m_nHeight; ++r)
        for (int c = 0; c < p.m_nWidth; ++c)
            if (!p.IsBlack(c, r))
                SetLetter(p, c, r, static_cast<char16_t>(letters.at(i++)));
}

}  // namespace

TEST(Lock, ScrambleAndUnscrambleAreInverseForEveryLengthAndKey)
{
    // Lengths below ten rotate by the digit modulo the length.
    for (const std::string& letters : {std::string("A"), std::string("AZ"), std::string("CAT"),
                                       std::string("CROSSWORD"), std::string("THEQUICKBROWNFOX-JUMPS1")}) {
        for (int nKey : {0, 1, 7844, 9999, 1030}) {
            const std::string scrambled = PuzzleFileWriter::Scramble(letters, nKey);
            std::string back = scrambled;
            Unscramble(reinterpret_cast<BYTE*>(back.data()), back.size(), nKey);
            EXPECT_EQ(back, letters) << nKey;
            if (letters.size() > 8 && nKey != 0) {
                EXPECT_NE(scrambled, letters) << nKey;
            }
        }
    }
    // Only capital letters move through the alphabet.
    std::string mixed = PuzzleFileWriter::Scramble("AB-1CD", 1111);
    EXPECT_EQ(std::count(mixed.begin(), mixed.end(), '-') + std::count(mixed.begin(), mixed.end(), '1'), 2);
}

TEST(Lock, TheRightKeyUnlocksAndAWrongOneChangesNothing)
{
    TempDir dir;
    auto p = PuzzleFileWriter(kRows).Locked(4271).Load(dir);
    EXPECT_TRUE(p->m_bLocked);
    const std::string scrambled = WhiteAnswers(*p);
    EXPECT_NE(scrambled, Joined(kRows));
    const DWORD dwChecksum = p->GetChecksum();

    EXPECT_FALSE(p->Unlock(4272));
    EXPECT_FALSE(p->Unlock(-1));
    EXPECT_FALSE(p->Unlock(10000));
    EXPECT_TRUE(p->m_bLocked);
    EXPECT_EQ(WhiteAnswers(*p), scrambled);

    ASSERT_TRUE(p->Unlock(4271));
    EXPECT_FALSE(p->m_bLocked);
    EXPECT_EQ(WhiteAnswers(*p), Joined(kRows));
    EXPECT_FALSE(p->Unlock(4271));  // no longer locked
    // Solution files (matched by size and checksum) keep matching the file,
    // saved before or after unlocking.
    EXPECT_EQ(p->GetChecksum(), dwChecksum);
    EXPECT_EQ(PuzzleFileWriter(kRows).Locked(4271).Load(dir, "again.puz")->GetChecksum(), dwChecksum);
}

TEST(Lock, TheSearchFindsTheKeyAmongAllTenThousand)
{
    TempDir dir;
    for (int nKey : {4271, 105, 9000}) {
        auto p = PuzzleFileWriter(kRows).Locked(nKey).Load(dir);
        EXPECT_EQ(p->FindKeys(), std::vector<int> {nKey});
    }
    // Nothing to search in a puzzle that is not locked.
    EXPECT_TRUE(PuzzleFileWriter(kRows).Load(dir)->FindKeys().empty());
}

TEST(Lock, WhileLockedAFullGridIsJudgedByTheStoredChecksum)
{
    TempDir dir;
    auto p = PuzzleFileWriter(kRows).Locked(4271).Load(dir);
    std::string letters = Joined(kRows);
    Fill(*p, letters.substr(0, letters.size() - 1) + "X");
    EXPECT_FALSE(p->IsSolved());
    SetLetter(*p, 4, 4, u'D', FALSE);  // the right letter, but not filled
    EXPECT_FALSE(p->IsSolved());
    Fill(*p, letters);
    EXPECT_TRUE(p->IsSolved());
    // The scrambled answers are not the solution.
    Fill(*p, WhiteAnswers(*p));
    EXPECT_FALSE(p->IsSolved());
}
