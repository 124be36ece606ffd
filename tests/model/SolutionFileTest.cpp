// SPDX-License-Identifier: MIT
// The solution file: byte layout, round trip, refusals, and saves that fail.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "model/CrossWordPuzzle.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/PuzzleFileWriter.h"
#include "tests/support/PuzzleState.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;
#ifndef _WIN32
using trellis::test::FileSizeLimit;
#endif
using trellis::test::ModelPath;
using trellis::test::PlayerState;
using trellis::test::PuzzleFileWriter;
using trellis::test::RecordingMessageSink;
using trellis::test::SetLetter;
using trellis::test::TempDir;

namespace {

std::vector<std::string> Rows15()
{
    std::vector<std::string> rows(15, "ABCDEFGHIJKLMNO");
    rows[3] = "ABC#EFGHIJK#MNO";
    return rows;
}

std::string Le32(std::uint32_t v)
{
    return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
}

class SolutionFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        puzzle = PuzzleFileWriter(Rows15()).Load(dir);
        SetLetter(*puzzle, 1, 0, u'Q');
        SetLetter(*puzzle, 14, 14, u'O');
        SetLetter(*puzzle, 2, 2, u'X', FALSE);  // a letter that is not filled stays a letter
    }
    std::u16string Save(const std::string& name = "s.sol")
    {
        const std::u16string path = ModelPath(dir.File(name));
        EXPECT_TRUE(puzzle->SaveSolution(path));
        return path;
    }
    TempDir dir;
    RecordingMessageSink sink;
    std::unique_ptr<CCrossWordPuzzle> puzzle;
};

}  // namespace

TEST_F(SolutionFile, LayoutOfA15By15PuzzleWithA19CharacterPath)
{
    puzzle->m_strFileName = u"\\My Documents\\a.puz";
    const std::string bytes = TempDir::Read(fs::path(Save()));
    ASSERT_EQ(bytes.size(), 1404u);
    std::string header = Le32(15) + Le32(15) + Le32(puzzle->GetChecksum()) + "\xFF\xFE\xFF\x13";
    for (char ch : std::string("\\My Documents\\a.puz"))
        header += std::string {ch, '\0'};
    EXPECT_EQ(bytes.substr(0, 54), header);
    // Column by column: (1,0) is record 15, (2,2) record 32, (14,14) the last.
    EXPECT_EQ(bytes.substr(54 + 6 * 15, 6), std::string("\x01\0\0\0Q\0", 6));
    EXPECT_EQ(bytes.substr(54 + 6 * 32, 6), std::string("\0\0\0\0X\0", 6));
    EXPECT_EQ(bytes.substr(54 + 6 * 224, 6), std::string("\x01\0\0\0O\0", 6));
    EXPECT_EQ(bytes.substr(54 + 6 * 3, 6), std::string(6, '\0'));  // black square (0,3)
    EXPECT_TRUE(sink.m_messages.empty());
}

TEST_F(SolutionFile, RoundTripIntoAnotherCopyKeepsItsCheckMarks)
{
    const std::u16string path = Save("r\xC3\xA9sultat.sol");
    auto copy = PuzzleFileWriter(Rows15()).Load(dir, "copy.puz");
    CSquare checked = copy->GetSquare(1, 0);
    checked.m_bChecked = TRUE;
    copy->SetSquare(1, 0, checked);
    ASSERT_TRUE(copy->LoadSolution(path));
    EXPECT_EQ(PlayerState(*copy), PlayerState(*puzzle));
    EXPECT_TRUE(copy->GetSquare(1, 0).m_bChecked);
    EXPECT_TRUE(copy->IsIncorrect(1, 0));  // Q where B belongs, checked before loading
    EXPECT_EQ(copy->GetSquare(2, 2).m_chLetter, u'X');
    EXPECT_FALSE(copy->IsFilled(2, 2));
    EXPECT_TRUE(sink.m_messages.empty());
}

TEST_F(SolutionFile, LongPathsUseTheLongerLengthForms)
{
    for (std::size_t nLength : {300u, 70000u}) {
        puzzle->m_strFileName.assign(nLength, u'p');
        const std::string bytes = TempDir::Read(fs::path(Save()));
        const std::string expected = nLength < 0xFFFE ? std::string("\xFF\xFE\xFF\xFF\x2C\x01")
                                                      : std::string("\xFF\xFE\xFF\xFF\xFF\xFF", 6) + Le32(70000);
        EXPECT_EQ(bytes.substr(12, expected.size()), expected);
        EXPECT_EQ(bytes.size(), 12 + expected.size() + 2 * nLength + 6 * 225);
        EXPECT_TRUE(puzzle->LoadSolution(ModelPath(dir.File("s.sol"))));
    }
    EXPECT_TRUE(sink.m_messages.empty());
}

TEST_F(SolutionFile, AnotherPuzzleIsRefusedWithThePathFromTheFile)
{
    // "A" and "A##" give the same checksum; the sizes differ.
    auto one = PuzzleFileWriter({"A"}).Load(dir, "one.puz");
    auto three = PuzzleFileWriter({"A##"}).Load(dir, "three.puz");
    ASSERT_EQ(one->GetChecksum(), three->GetChecksum());
    SetLetter(*one, 0, 0, u'A');
    const std::u16string path = ModelPath(dir.File("one.sol"));
    ASSERT_TRUE(one->SaveSolution(path));
    const std::u16string before = PlayerState(*three);
    EXPECT_TRUE(three->LoadSolution(path));
    EXPECT_EQ(PlayerState(*three), before);
    const std::u16string mismatch =
        u"The solution file does not match the puzzle loaded.  The solution is for the file '" + one->m_strFileName +
        u"'.";
    EXPECT_EQ(sink.m_messages, std::vector<std::u16string> {mismatch});
    // Same size, other answers.
    sink.m_messages.clear();
    const std::u16string before15 = PlayerState(*puzzle);
    std::vector<std::string> rows = Rows15();
    rows[14][14] = 'Z';  // only the last squares reach the checksum
    auto other = PuzzleFileWriter(rows).Load(dir, "other.puz");
    ASSERT_NE(other->GetChecksum(), puzzle->GetChecksum());
    ASSERT_TRUE(other->SaveSolution(ModelPath(dir.File("other.sol"))));
    EXPECT_TRUE(puzzle->LoadSolution(ModelPath(dir.File("other.sol"))));
    EXPECT_EQ(sink.m_messages.size(), 1u);
    EXPECT_EQ(PlayerState(*puzzle), before15);
}

TEST_F(SolutionFile, DamagedFilesChangeNothing)
{
    const std::string good = TempDir::Read(fs::path(Save()));
    auto fresh = PuzzleFileWriter(Rows15()).Load(dir, "fresh.puz");
    const std::u16string before = PlayerState(*fresh);
    std::vector<std::string> damaged;
    for (std::size_t n = 0; n < good.size(); ++n)
        damaged.push_back(good.substr(0, n));
    damaged.push_back(good + "!");  // trailing bytes
    damaged.push_back(good.substr(0, good.size() - 6) + std::string("\x02\0\0\0O\0", 6));  // filled flag 2
    damaged.push_back(good.substr(0, 15) + "\xFF\xFF\xFF\xFF\xFF\xFF\x7F");  // length beyond the file
    const std::u16string path = ModelPath(dir.File("bad.sol"));
    for (std::size_t i = 0; i < damaged.size(); ++i) {
        TempDir::Write(dir.File("bad.sol"), damaged[i]);
        sink.m_messages.clear();
        ASSERT_FALSE(fresh->LoadSolution(path)) << i;
        ASSERT_EQ(sink.m_messages, std::vector<std::u16string> {path + u": invalid solution file"}) << i;
        ASSERT_EQ(PlayerState(*fresh), before) << i;
    }
}

TEST_F(SolutionFile, MissingFileSaysWhy)
{
    const std::u16string path = ModelPath(dir.File("none.sol"));
    EXPECT_FALSE(puzzle->LoadSolution(path));
    EXPECT_EQ(sink.m_messages,
              std::vector<std::u16string> {u"cannot open file '" + path + u"': No such file or directory"});
}

TEST_F(SolutionFile, FolderInThePlaceOfTheTargetStaysAndNoTemporaryFileIsLeft)
{
    fs::create_directories(dir.File("s.sol/inside"));
    const std::u16string path = ModelPath(dir.File("s.sol"));
    EXPECT_FALSE(puzzle->SaveSolution(path));
    EXPECT_EQ(sink.m_messages, std::vector<std::u16string> {u"cannot create file '" + path + u"': Is a directory"});
    EXPECT_TRUE(fs::is_directory(dir.File("s.sol/inside")));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 2);  // puzzle + folder
}

TEST_F(SolutionFile, NamesOfUpTo255BytesCanBeSaved)
{
    for (const size_t nBytes : {246u, 250u, 255u}) {
        const std::string name = std::string(nBytes - 4, 'n') + ".sol";
        puzzle->SaveSolution(ModelPath(dir.File(name)));
        EXPECT_TRUE(fs::is_regular_file(dir.File(name))) << nBytes;
    }
    EXPECT_TRUE(sink.m_messages.empty());
}

#ifndef _WIN32
// A link to a file not made yet: the save makes the file it names and leaves
// nothing else behind. (Saving through a link to a kept file, with its mode,
// is proven by the end-to-end suite.)
TEST_F(SolutionFile, SavingThroughALinkToANewFileMakesIt)
{
    fs::create_directories(dir.File("kept"));
    fs::create_symlink(dir.File("kept/new.sol"), dir.File("new.sol"));
    Save("new.sol");
    EXPECT_TRUE(fs::is_symlink(dir.File("new.sol")));
    EXPECT_TRUE(fs::is_regular_file(dir.File("kept/new.sol")));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.File("kept")), fs::directory_iterator()), 1);
    EXPECT_TRUE(sink.m_messages.empty());
}

TEST_F(SolutionFile, WriteFailureKeepsTheOldFile)
{
    const std::u16string path = Save();
    const std::string old = TempDir::Read(dir.File("s.sol"));
    SetLetter(*puzzle, 0, 0, u'Z');
    // Files may grow to 1 KiB only: the 1.4 KiB save fails part way.
    {
        const FileSizeLimit limit(1024);
        EXPECT_FALSE(puzzle->SaveSolution(path));
    }
    EXPECT_EQ(sink.m_messages, std::vector<std::u16string> {u"cannot write file '" + path + u"': File too large"});
    EXPECT_EQ(TempDir::Read(dir.File("s.sol")), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 2);
}
#endif

// By content alone: what Save Solution wrote is one, under any name; a puzzle
// file, a cut or lengthened solution file, or a file of other bytes is not.
TEST_F(SolutionFile, SolutionFilesAreKnownByTheirContent)
{
    puzzle->m_strFileName = u"/puzzles/a.puz";
    const std::u16string path = Save("looks-like.puz");
    std::u16string strPuzzle;
    EXPECT_TRUE(CCrossWordPuzzle::IsSolutionFile(path, strPuzzle));
    EXPECT_EQ(strPuzzle, u"/puzzles/a.puz");

    const std::string good = TempDir::Read(fs::path(path));
    const std::string others[] = {
        PuzzleFileWriter(Rows15()).Bytes(),
        good.substr(0, good.size() - 1),
        good + '\0',
        good.substr(0, good.size() - 6) + std::string("\x02\0\0\0O\0", 6),
        Le32(0) + Le32(0) + Le32(0) + std::string("\xFF\xFE\xFF\0", 4),  // no squares
        Le32(256) + Le32(1) + Le32(0) + std::string("\xFF\xFE\xFF\0", 4) + std::string(6 * 256, '\0'),  // too wide
        "\x89PNG\r\n\x1A\n" + std::string(100, 'x'),
        "",
    };
    for (const std::string& bytes : others) {
        strPuzzle = u"unchanged";
        EXPECT_FALSE(CCrossWordPuzzle::IsSolutionFile(dir.Write(std::string("other.sol"), bytes), strPuzzle));
        EXPECT_EQ(strPuzzle, u"unchanged");
    }
    EXPECT_FALSE(CCrossWordPuzzle::IsSolutionFile(ModelPath(dir.File("missing.sol")), strPuzzle));
    EXPECT_TRUE(sink.m_messages.empty());
}
