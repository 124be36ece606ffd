// SPDX-License-Identifier: MIT
// The counts of empty and unsolved squares behind the completion test,
// against a walk over the whole grid after every change of the kinds the
// program makes: letters, rebus entries, show and clear, check marks,
// letters in black squares, solution files good and damaged, unlocking.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "model/CrossWordPuzzle.h"
#include "tests/support/PuzzleFileWriter.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;
using trellis::test::ModelPath;
using trellis::test::PuzzleFileWriter;
using trellis::test::RecordingMessageSink;
using trellis::test::TempDir;

namespace {

const fs::path kCorpus = fs::path(TRELLIS_CORPUS_DIR) / "puz";

// The keys of the locked files of the corpus.
const std::map<std::string, int> kKeys = {
    {"nyt_locked.puz", 7844},
    {"nyt_sun_rebus.puz", 2173},
    {"nyt_weekday_with_notes.puz", 7562},
    {"nyt_diagramless.puz", 3285},
};

struct Walked {
    long nEmpty = 0;
    long nUnsolved = 0;
};

// Whether a filled square holds its answer: a rebus entry the whole answer
// (a square without a rebus answer has one letter), a letter the answer grid's.
bool HoldsAnswer(const CCrossWordPuzzle& p, const CSquare& square)
{
    const std::u16string* pRebus = p.GetRebus(square);
    const std::u16string strAnswer = pRebus != nullptr ? *pRebus : std::u16string(1, square.m_chSolution);
    if (!square.m_strRebusEntry.empty())
        return square.m_strRebusEntry == strAnswer;
    return square.m_chLetter == square.m_chSolution || (strAnswer.size() == 1 && square.m_chLetter == strAnswer[0]);
}

// What the completion test used to find by visiting every square. A
// diagramless puzzle is not solved while a black square holds a letter.
Walked Walk(const CCrossWordPuzzle& p)
{
    Walked walked;
    for (int c = 0; c < p.m_nWidth; ++c) {
        for (int r = 0; r < p.m_nHeight; ++r) {
            const CSquare square = p.GetSquare(c, r);
            if (square.m_bBlack) {
                walked.nUnsolved += p.m_bDiagramless && square.m_bFilled ? 1 : 0;
                continue;
            }
            walked.nEmpty += square.m_bFilled ? 0 : 1;
            walked.nUnsolved += square.m_bFilled && HoldsAnswer(p, square) ? 0 : 1;
        }
    }
    return walked;
}

// Makes random changes to one puzzle and compares the counts with the walk
// after each.
class ChangeSeries {
public:
    ChangeSeries(CCrossWordPuzzle& p, unsigned nSeed, int nKey) : m_p(p), m_random(nSeed), m_nKey(nKey) { }

    // nChanges changes, the key (if any) unlocking at half way, and at the
    // end Show Puzzle, which solves every puzzle that is not locked and
    // has its answers.
    void Run(int nChanges)
    {
        ExpectCounted("loaded");
        for (int i = 0; i < nChanges; ++i) {
            if (i == nChanges / 2 && m_nKey >= 0) {
                ASSERT_TRUE(m_p.Unlock(m_nKey));
                ExpectCounted("unlocked");
            }
            const std::string change = Change();
            ExpectCounted(change);
            if (::testing::Test::HasFailure())
                return;
        }
        ShowPuzzle();
        ExpectCounted("the last Show Puzzle");
        EXPECT_EQ(m_p.IsSolved(), m_p.m_bHasSolution);
    }

private:
    void ExpectCounted(const std::string& change)
    {
        const Walked walked = Walk(m_p);
        ASSERT_EQ(m_p.GetEmptyCount(), walked.nEmpty) << "after " << change;
        ASSERT_EQ(m_p.GetUnsolvedCount(), walked.nUnsolved) << "after " << change;
        if (!m_p.m_bHasSolution) {
            // Without answers nothing is judged solved.
            ASSERT_FALSE(m_p.IsSolved()) << "after " << change;
        } else if (!m_p.m_bLocked) {
            ASSERT_EQ(m_p.IsSolved() != FALSE, walked.nUnsolved == 0) << "after " << change;
        } else if (walked.nEmpty > 0) {
            ASSERT_FALSE(m_p.IsSolved()) << "after " << change;
        }
    }

    int Pick(int n) { return static_cast<int>(m_random() % static_cast<unsigned>(n)); }

    // Mostly inside the grid, sometimes just outside it.
    void PickSquare(int& c, int& r)
    {
        c = Pick(m_p.m_nWidth + 2) - 1;
        r = Pick(m_p.m_nHeight + 2) - 1;
    }

    template <class ChangeFn> void ChangeEach(bool bWhiteOnly, ChangeFn change)
    {
        for (int c = 0; c < m_p.m_nWidth; ++c) {
            for (int r = 0; r < m_p.m_nHeight; ++r) {
                CSquare square = m_p.GetSquare(c, r);
                if (bWhiteOnly && square.m_bBlack)
                    continue;
                change(square);
                m_p.SetSquare(c, r, square);
            }
        }
    }

    // On a diagramless puzzle Show Puzzle marks the black squares too.
    void ShowPuzzle()
    {
        ChangeEach(!m_p.m_bDiagramless, [](CSquare& s) {
            if (s.m_bBlack) {
                s.m_bFilled = FALSE;
                s.m_bMarkedBlack = true;
                return;
            }
            s.m_chLetter = s.m_chSolution;
            s.m_bFilled = TRUE;
            s.m_strRebusEntry.clear();
        });
    }

    std::string Change()
    {
        int c = 0, r = 0;
        PickSquare(c, r);
        CSquare square = m_p.GetSquare(c, r);
        std::string what;
        switch (Pick(16)) {
        default:  // a letter, right or wrong, into any square (black ones too)
            square.m_chLetter = Pick(2) ? square.m_chSolution : static_cast<WCHAR>(u'A' + Pick(26));
            square.m_bFilled = TRUE;
            square.m_bChecked = Pick(2);
            square.m_bShown = FALSE;
            square.m_strRebusEntry.clear();
            what = "letter";
            break;
        case 10: {  // a rebus entry: the whole answer, or one letter too many
            const std::u16string* pRebus = m_p.GetRebus(square);
            std::u16string strEntry = pRebus != nullptr ? *pRebus : std::u16string(1, square.m_chSolution);
            if (Pick(2))
                strEntry += u'X';
            square.m_strRebusEntry = strEntry.size() > 1 ? strEntry : std::u16string();
            square.m_chLetter = strEntry[0];
            square.m_bFilled = TRUE;
            square.m_bShown = FALSE;
            what = "rebus entry";
            break;
        }
        case 0:  // Show Letter
            square.m_chLetter = square.m_chSolution;
            square.m_bFilled = TRUE;
            square.m_bShown = TRUE;
            what = "show";
            break;
        case 1:  // Clear Letter
            square.m_chLetter = u' ';
            square.m_bFilled = FALSE;
            what = "clear";
            break;
        case 2:  // Check Letter
            square.m_bChecked = TRUE;
            what = "check";
            break;
        case 3:  // the right letter without the filled flag
            square.m_chLetter = square.m_chSolution;
            square.m_bFilled = FALSE;
            what = "unfilled letter";
            break;
        case 4:  // a square that turns black or white (not while the
                 // unlocking needs the white squares as they are)
            square.m_bBlack = m_p.m_bLocked ? square.m_bBlack : !square.m_bBlack;
            what = "black toggled";
            break;
        case 5:
        case 6:
            if (Pick(2) == 0) {
                ShowPuzzle();
                return "Show Puzzle";
            }
            ChangeEach(true, [](CSquare& s) {
                s.m_chLetter = u' ';
                s.m_bFilled = FALSE;
            });
            return "Clear Puzzle";
        case 7:
            if (!m_p.SaveSolution(m_strSaved))
                ADD_FAILURE() << "the solution file was not saved";
            return "Save Solution";
        case 8:
            if (fs::exists(fs::path(m_strSaved)) && !m_p.LoadSolution(m_strSaved))
                ADD_FAILURE() << "the solution file was not loaded";
            return "Load Solution";
        case 9: {
            // A damaged file changes nothing.
            if (!fs::exists(fs::path(m_strSaved)))
                return "nothing";
            const std::string bytes = TempDir::Read(fs::path(m_strSaved));
            const std::u16string strCut = m_dir.Write(std::string("cut.sol"), bytes.substr(0, bytes.size() - 1));
            RecordingMessageSink sink;
            if (m_p.LoadSolution(strCut))
                ADD_FAILURE() << "a damaged solution file was loaded";
            return "damaged Load Solution";
        }
        }
        m_p.SetSquare(c, r, square);
        return what + " at " + std::to_string(c) + "," + std::to_string(r);
    }

    CCrossWordPuzzle& m_p;
    std::mt19937 m_random;
    int m_nKey;
    TempDir m_dir;
    const std::u16string m_strSaved = ModelPath(m_dir.File("saved.sol"));
};

TEST(CompletionCount, FollowsEveryChangeOnEveryRealFile)
{
    if (!fs::is_directory(kCorpus))
        GTEST_SKIP() << "no puzzle corpus at " << kCorpus << " (set TRELLIS_CORPUS_DIR)";
    int nFiles = 0;
    for (const auto& entry : fs::directory_iterator(kCorpus)) {
        const std::string name = entry.path().filename().string();
        auto p = std::make_unique<CCrossWordPuzzle>();
        std::u16string error;
        if (entry.path().extension() != ".puz" || !p->LoadPuzzle(entry.path().u16string(), error))
            continue;
        SCOPED_TRACE(name);
        const auto key = kKeys.find(name);
        ASSERT_EQ(p->m_bLocked != FALSE, key != kKeys.end());
        // A new puzzle has every white square empty.
        EXPECT_EQ(p->GetEmptyCount(), p->GetUnsolvedCount());
        ChangeSeries(*p, static_cast<unsigned>(nFiles), key != kKeys.end() ? key->second : -1).Run(300);
        if (HasFatalFailure())
            return;
        ++nFiles;
    }
    EXPECT_GE(nFiles, 28);
}

TEST(CompletionCount, FollowsEveryChangeOnTheLargestGrid)
{
    std::mt19937 random(17);
    std::vector<std::string> rows(255, std::string(255, '.'));
    for (std::string& row : rows) {
        for (char& ch : row)
            ch = random() % 6 == 0 ? '#' : static_cast<char>('A' + random() % 26);
    }
    TempDir dir;
    for (int nKey : {-1, 3141}) {
        SCOPED_TRACE(nKey);
        PuzzleFileWriter writer(rows);
        if (nKey >= 0)
            writer.Locked(nKey);
        auto p = writer.Load(dir);
        EXPECT_GT(p->GetEmptyCount(), 255 * 255 * 3 / 4);
        ChangeSeries(*p, static_cast<unsigned>(nKey + 2), nKey).Run(120);
        if (HasFatalFailure())
            return;
    }
}

}  // namespace
