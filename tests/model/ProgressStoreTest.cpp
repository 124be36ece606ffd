// SPDX-License-Identifier: MIT
// The progress store: what makes two puzzles one entry, entries that come
// back whole, writes that fail, the bound on the folder, and entries that
// are damaged or not ours.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "model/CrossWordPuzzle.h"
#include "model/ProgressStore.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/PuzzleFileWriter.h"
#include "tests/support/PuzzleState.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;
using trellis::test::ModelPath;
using trellis::test::PlayerState;
using trellis::test::PuzzleFileWriter;
using trellis::test::RecordingMessageSink;
using trellis::test::SetLetter;
using trellis::test::TempDir;

namespace {

const std::vector<std::string> kRows = {"HEART", "EM#ER", "ABUSE", "RE#IN", "TREND"};

// Everything the player can change in a square, in grid order.
std::u16string FullState(const CCrossWordPuzzle& puzzle)
{
    std::u16string state;
    for (const CSquare& square : puzzle.GetSquares()) {
        state += square.m_bFilled ? u'F' : u'-';
        state += square.m_chLetter;
        state += square.m_bChecked ? u'C' : u'-';
        state += square.m_bShown ? u'S' : u'-';
        state += square.m_bWasIncorrect ? u'W' : u'-';
        state += u'[' + square.m_strRebusEntry + u']';
        state += square.m_bPencil ? u'P' : u'-';
    }
    return state;
}

void Mark(CCrossWordPuzzle& puzzle, int c, int r, BOOL bChecked, BOOL bShown, BOOL bWasIncorrect)
{
    CSquare square = puzzle.GetSquare(c, r);
    square.m_bChecked = bChecked;
    square.m_bShown = bShown;
    square.m_bWasIncorrect = bWasIncorrect;
    puzzle.SetSquare(c, r, square);
}

std::string Le32(std::uint32_t v)
{
    return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
}

class ProgressStore : public ::testing::Test {
protected:
    void SetUp() override
    {
        puzzle = PuzzleFileWriter(kRows).Load(dir, "heart.puz");
        SetLetter(*puzzle, 0, 0, u'H');
        SetLetter(*puzzle, 1, 0, u'X');
        Mark(*puzzle, 1, 0, TRUE, FALSE, TRUE);  // checked and wrong
        SetLetter(*puzzle, 4, 4, u'D');
        Mark(*puzzle, 4, 4, FALSE, TRUE, FALSE);  // shown
        CSquare rebus = puzzle->GetSquare(2, 2);
        rebus.m_strRebusEntry = u"USE";
        rebus.m_chLetter = u'U';
        rebus.m_bFilled = TRUE;
        puzzle->SetSquare(2, 2, rebus);
    }
    std::unique_ptr<CCrossWordPuzzle> Fresh(const std::string& name = "copy.puz")
    {
        return PuzzleFileWriter(kRows).Load(dir, name);
    }
    fs::path EntryPath() const { return fs::path(store.PathOf(*puzzle)); }

    TempDir dir;
    RecordingMessageSink sink;
    CProgressStore store {ModelPath(dir.File("store"))};
    std::unique_ptr<CCrossWordPuzzle> puzzle;
};

}  // namespace

TEST_F(ProgressStore, KeyFollowsTheContentNotThePathOrTheLetters)
{
    const std::string strKey = CProgressStore::KeyOf(*puzzle);
    EXPECT_EQ(strKey.rfind("5x5-", 0), 0u);
    EXPECT_EQ(strKey.size(), 4u + 16u);
    // Another copy elsewhere, with other letters, another title, author and
    // copyright line: the same puzzle.
    fs::create_directories(dir.File("elsewhere"));
    auto copy =
        PuzzleFileWriter(kRows).Title("Reissued").Author("Someone").Copyright("(c) later").Load(dir, "elsewhere/h.puz");
    EXPECT_EQ(CProgressStore::KeyOf(*copy), strKey);
    EXPECT_EQ(store.PathOf(*copy), store.PathOf(*puzzle));

    // One answer in the middle changed: the checksum cannot tell (only the
    // last squares reach it), the key can.
    std::vector<std::string> rows = kRows;
    rows[2][2] = 'O';
    auto other = PuzzleFileWriter(rows).Load(dir, "other.puz");
    ASSERT_EQ(other->GetChecksum(), puzzle->GetChecksum());
    EXPECT_NE(CProgressStore::KeyOf(*other), strKey);

    // The same grid with other clues is another puzzle.
    std::vector<std::string> clues;
    for (int i = 0; i < 10; ++i)
        clues.push_back("Another clue " + std::to_string(i));
    auto reclued = PuzzleFileWriter(kRows).Clues(clues).Load(dir, "reclued.puz");
    EXPECT_NE(CProgressStore::KeyOf(*reclued), strKey);

    // The same answers with another black square: another puzzle.
    rows = kRows;
    rows[0][2] = '#';
    EXPECT_NE(CProgressStore::KeyOf(*PuzzleFileWriter(rows).Load(dir, "shape.puz")), strKey);
}

TEST_F(ProgressStore, LockedPuzzleKeepsItsKeyWhenUnlocked)
{
    auto locked = PuzzleFileWriter(kRows).Locked(1234).Load(dir, "locked.puz");
    const std::string strKey = CProgressStore::KeyOf(*locked);
    SetLetter(*locked, 0, 0, u'H');
    ASSERT_TRUE(store.Save(*locked));
    ASSERT_TRUE(locked->Unlock(1234));
    EXPECT_EQ(CProgressStore::KeyOf(*locked), strKey);
    EXPECT_TRUE(store.Restore(*locked));
    EXPECT_EQ(locked->GetSquare(0, 0).m_chLetter, u'H');
}

TEST_F(ProgressStore, EntryStartsWithTheSolutionFileBytes)
{
    ASSERT_TRUE(store.Save(*puzzle));
    ASSERT_TRUE(puzzle->SaveSolution(ModelPath(dir.File("s.sol"))));
    const std::string solution = TempDir::Read(dir.File("s.sol"));
    const std::string entry = TempDir::Read(EntryPath());
    ASSERT_GT(entry.size(), solution.size());
    EXPECT_EQ(entry.substr(0, solution.size()), solution);
    // Then the marks: a tag, the length (one byte a square) and a byte for
    // each square, row by row; then the rebus entries.
    const std::string marks = entry.substr(solution.size(), 8 + 25);
    EXPECT_EQ(marks.substr(0, 8), "MARK" + Le32(25));
    EXPECT_EQ(marks[8 + 1], '\x05');  // (1, 0): checked, was wrong
    EXPECT_EQ(marks[8 + 24], '\x02');  // (4, 4): shown
    EXPECT_EQ(marks[8 + 0], '\x00');
    EXPECT_EQ(entry.substr(solution.size() + 33),
              "RUSR" + Le32(4 + 2 + 6) + Le32(12) + std::string("\x03\0U\0S\0E\0", 8));
}

// The pencil: a byte a square after the marks and the rebus entries.
TEST_F(ProgressStore, PencilledLettersTakeAByteASquareAndAnyOtherSectionIsDamaged)
{
    CSquare pencilled = puzzle->GetSquare(3, 0);
    pencilled.m_chLetter = u'R';
    pencilled.m_bFilled = TRUE;
    pencilled.m_bPencil = true;
    puzzle->SetSquare(3, 0, pencilled);
    ASSERT_TRUE(store.Save(*puzzle));
    const std::string entry = TempDir::Read(EntryPath());
    const std::size_t nPencil = entry.find("PENC");
    ASSERT_NE(nPencil, std::string::npos);
    std::string flags(25, '\0');
    flags[3] = '\1';
    EXPECT_EQ(entry.substr(nPencil), "PENC" + Le32(25) + flags);

    // A section of another size, or a byte that is neither 0 nor 1: damaged.
    const std::string damaged[] = {entry.substr(0, nPencil) + "PENC" + Le32(24) + std::string(24, '\1'),
                                   entry.substr(0, entry.size() - 1) + '\2'};
    for (const std::string& bytes : damaged) {
        auto fresh = Fresh("fresh.puz");
        const std::u16string before = FullState(*fresh);
        TempDir::Write(EntryPath(), bytes);
        EXPECT_FALSE(store.Restore(*fresh));
        EXPECT_EQ(FullState(*fresh), before);
    }
    EXPECT_TRUE(sink.m_messages.empty());
}

// A diagramless solve with everything at once: pencil, marks, rebus entry,
// black marks and a running clock each keep their own section, and all of
// them come back. An entry written before the pencil, the clock and the
// diagram had sections brings back what it holds and sets none of them.
TEST_F(ProgressStore, EverySectionComesBackBesideTheOthersAndAnOlderEntryLacksThem)
{
    auto diagramless = PuzzleFileWriter(kRows).Diagramless().Load(dir, "diagramless.puz");
    CSolveTimer::Clock::time_point now {std::chrono::hours(3)};
    diagramless->m_timer = CSolveTimer([&now] { return now; });
    diagramless->SetPlayerState(puzzle->GetSquares());  // H, X checked and was wrong, D shown, USE
    CSquare pencilled = diagramless->GetSquare(3, 0);
    pencilled.m_chLetter = u'R';
    pencilled.m_bFilled = TRUE;
    pencilled.m_bPencil = true;
    diagramless->SetSquare(3, 0, pencilled);
    CSquare marked = diagramless->GetSquare(2, 1);  // a black square of the file
    marked.m_bMarkedBlack = true;
    diagramless->SetSquare(2, 1, marked);
    diagramless->m_timer.Begin();
    now += std::chrono::seconds(83);
    ASSERT_TRUE(store.Save(*diagramless));

    const std::string entry = TempDir::Read(fs::path(store.PathOf(*diagramless)));
    std::vector<std::size_t> offsets;
    for (const char* pszTag : {"MARK", "RUSR", "PENC", "TIME", "DIAG"}) {
        offsets.push_back(entry.find(pszTag));
        ASSERT_NE(offsets.back(), std::string::npos) << pszTag;
        EXPECT_EQ(entry.find(pszTag, offsets.back() + 1), std::string::npos) << pszTag << " twice";
    }
    EXPECT_EQ(entry.substr(offsets[3], 13), "TIME" + Le32(5) + Le32(83) + '\0');  // 83 seconds, running

    auto copy = PuzzleFileWriter(kRows).Diagramless().Load(dir, "diagramless-copy.puz");
    ASSERT_TRUE(store.Restore(*copy));
    EXPECT_EQ(FullState(*copy), FullState(*diagramless));
    EXPECT_EQ(copy->GetEmptyCount(), diagramless->GetEmptyCount());
    EXPECT_EQ(copy->GetUnsolvedCount(), diagramless->GetUnsolvedCount());
    EXPECT_TRUE(copy->GetSquare(3, 0).m_bPencil);
    EXPECT_TRUE(copy->GetSquare(1, 0).m_bWasIncorrect);
    EXPECT_TRUE(copy->GetSquare(2, 1).m_bMarkedBlack);
    EXPECT_FALSE(copy->GetSquare(3, 1).m_bMarkedBlack);
    EXPECT_EQ(copy->m_nTimerSeconds, 83);
    EXPECT_FALSE(copy->m_bTimerStopped);

    // The entry as it was before: the solution file's bytes, the marks and
    // the rebus entries. Restored over a square that was pencilled and one
    // that was marked, neither stays so; the file's time stays.
    TempDir::Write(fs::path(store.PathOf(*diagramless)), entry.substr(0, offsets[2]));
    copy->m_nTimerSeconds = -1;
    ASSERT_TRUE(store.Restore(*copy));
    EXPECT_EQ(copy->GetSquare(3, 0).m_chLetter, u'R');
    EXPECT_FALSE(copy->GetSquare(3, 0).m_bPencil);
    EXPECT_FALSE(copy->GetSquare(2, 1).m_bMarkedBlack);
    EXPECT_EQ(copy->GetSquare(2, 2).m_strRebusEntry, u"USE");
    EXPECT_TRUE(copy->GetSquare(4, 4).m_bShown);
    EXPECT_EQ(copy->m_nTimerSeconds, -1);
    EXPECT_TRUE(sink.m_messages.empty());
}

TEST_F(ProgressStore, NothingStoredChangesNothing)
{
    const std::u16string before = FullState(*puzzle);
    EXPECT_FALSE(store.Restore(*puzzle));
    EXPECT_EQ(FullState(*puzzle), before);
    EXPECT_FALSE(fs::exists(dir.File("store")));  // a restore writes nothing
}

#ifndef _WIN32
TEST_F(ProgressStore, FailedWriteKeepsTheOldEntry)
{
    ASSERT_TRUE(store.Save(*puzzle));
    const std::string old = TempDir::Read(EntryPath());
    SetLetter(*puzzle, 0, 4, u'T');
    {
        const trellis::test::FileSizeLimit limit(old.size() / 2);
        EXPECT_FALSE(store.Save(*puzzle));
    }
    EXPECT_EQ(TempDir::Read(EntryPath()), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.File("store")), fs::directory_iterator()), 1);
    EXPECT_TRUE(sink.m_messages.empty());
    auto copy = Fresh();
    ASSERT_TRUE(store.Restore(*copy));
    EXPECT_FALSE(copy->IsFilled(0, 4));
}
#endif

TEST_F(ProgressStore, FolderThatCannotBeMadeFailsTheSave)
{
    TempDir::Write(dir.File("file"), "not a folder");
    CProgressStore blocked(ModelPath(dir.File("file/store")));
    EXPECT_FALSE(blocked.Save(*puzzle));
    EXPECT_TRUE(sink.m_messages.empty());
}

TEST_F(ProgressStore, OldestEntriesGoBeyondTheLimit)
{
    CProgressStore small(ModelPath(dir.File("small")), 3);
    // Five different puzzles: one answer each apart.
    std::vector<std::unique_ptr<CCrossWordPuzzle>> puzzles;
    const auto now = fs::file_time_type::clock::now();
    for (int i = 0; i < 5; ++i) {
        std::vector<std::string> rows = kRows;
        rows[0][0] = static_cast<char>('A' + i);
        puzzles.push_back(PuzzleFileWriter(rows).Load(dir, "p" + std::to_string(i) + ".puz"));
    }
    auto entry = [&](int i) { return fs::path(small.PathOf(*puzzles[static_cast<std::size_t>(i)])); };
    // Saved an hour apart, the first the oldest.
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(small.Save(*puzzles[static_cast<std::size_t>(i)]));
        fs::last_write_time(entry(i), now - std::chrono::hours(10 - i));
    }
    // Used again: the first becomes the newest.
    ASSERT_TRUE(small.Restore(*puzzles[0]));
    // Files that are not entries stay, and do not count.
    TempDir::Write(dir.File("small/notes.txt"), "mine");
    ASSERT_TRUE(small.Save(*puzzles[3]));
    EXPECT_TRUE(fs::exists(entry(0)));
    EXPECT_FALSE(fs::exists(entry(1)));
    EXPECT_TRUE(fs::exists(entry(2)));
    EXPECT_TRUE(fs::exists(entry(3)));
    // Saving an entry again makes nothing go.
    ASSERT_TRUE(small.Save(*puzzles[3]));
    EXPECT_TRUE(fs::exists(entry(2)));
    ASSERT_TRUE(small.Save(*puzzles[4]));
    EXPECT_FALSE(fs::exists(entry(2)));
    EXPECT_TRUE(fs::exists(entry(0)) && fs::exists(entry(3)) && fs::exists(entry(4)));
    EXPECT_TRUE(fs::exists(dir.File("small/notes.txt")));
}

TEST_F(ProgressStore, DamagedAndForeignEntriesAreIgnoredSilently)
{
    ASSERT_TRUE(store.Save(*puzzle));
    const std::string good = TempDir::Read(EntryPath());
    const std::size_t nSolution = good.find("MARK");
    ASSERT_NE(nSolution, std::string::npos);
    auto fresh = Fresh();
    SetLetter(*fresh, 4, 0, u'T');
    const std::u16string before = FullState(*fresh);

    std::vector<std::string> damaged;
    // Cut short anywhere (a whole section missing is no damage: that is the
    // end of a sectioned entry).
    for (std::size_t n = 0; n < good.size(); ++n) {
        if (n != nSolution && n != nSolution + 33)
            damaged.push_back(good.substr(0, n));
    }
    damaged.push_back(good.substr(0, nSolution) + "MARK" + Le32(24) + std::string(24, '\0'));  // wrong size
    damaged.push_back(good + "ZZZZ" + Le32(0x7FFFFFFF));  // a section longer than the file
    damaged.push_back(good + "ZZ");  // bytes too few for a section
    std::string badRebus = good;
    badRebus[nSolution + 33 + 8] = '\x19';  // square 25 of 25
    damaged.push_back(badRebus);
    damaged.push_back("\x89PNG\r\n\x1A\n" + std::string(100, '\0'));
    damaged.push_back(std::string(good.size(), '\xFF'));
    // Another puzzle's entry under this one's name.
    std::vector<std::string> rows = kRows;
    rows[4][4] = 'S';
    auto other = PuzzleFileWriter(rows).Load(dir, "other.puz");
    CProgressStore otherStore(ModelPath(dir.File("other")));
    ASSERT_TRUE(otherStore.Save(*other));
    damaged.push_back(TempDir::Read(fs::path(otherStore.PathOf(*other))));

    for (std::size_t i = 0; i < damaged.size(); ++i) {
        TempDir::Write(EntryPath(), damaged[i]);
        ASSERT_FALSE(store.Restore(*fresh)) << i;
        ASSERT_EQ(FullState(*fresh), before) << i;
    }
    EXPECT_TRUE(sink.m_messages.empty());

    // A folder in the entry's place is no entry either.
    fs::remove(EntryPath());
    fs::create_directories(EntryPath());
    EXPECT_FALSE(store.Restore(*fresh));
    EXPECT_TRUE(sink.m_messages.empty());
}

TEST_F(ProgressStore, UnknownSectionsAreSkipped)
{
    ASSERT_TRUE(store.Save(*puzzle));
    const std::string good = TempDir::Read(EntryPath());
    const std::size_t nSolution = good.find("MARK");
    // Before, between and after the known ones, empty or not.
    const std::string pencil = "PNCL" + Le32(5) + "abcde";
    const std::string empty = "XTRA" + Le32(0);
    TempDir::Write(EntryPath(), good.substr(0, nSolution) + pencil + good.substr(nSolution, 33) + empty +
                                    good.substr(nSolution + 33) + pencil);
    auto copy = Fresh();
    ASSERT_TRUE(store.Restore(*copy));
    EXPECT_EQ(FullState(*copy), FullState(*puzzle));
    // An entry with no sections at all is a solution file: letters only.
    TempDir::Write(EntryPath(), good.substr(0, nSolution));
    auto plain = Fresh("plain.puz");
    Mark(*plain, 1, 0, TRUE, FALSE, FALSE);
    ASSERT_TRUE(store.Restore(*plain));
    EXPECT_EQ(PlayerState(*plain).substr(0, 4), std::u16string(u"1H1X"));
    EXPECT_FALSE(plain->GetSquare(1, 0).m_bChecked);
    EXPECT_TRUE(plain->GetSquare(2, 2).m_strRebusEntry.empty());
}
