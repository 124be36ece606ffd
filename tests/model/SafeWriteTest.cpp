// SPDX-License-Identifier: MIT
// Files written whole or not at all, and what is no regular file: the
// temporaries a killed save leaves behind, pipes and devices in a file's place.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <set>
#include <string>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "model/CrossWordPuzzle.h"
#include "model/File.h"
#include "model/SafeWrite.h"
#include "tests/support/PuzzleFileWriter.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;
using trellis::test::ModelPath;
using trellis::test::PuzzleFileWriter;
using trellis::test::RecordingMessageSink;
using trellis::test::TempDir;

namespace {

BOOL WriteText(const fs::path& path, const std::string& text, std::u16string& strError)
{
    return WriteFileSafely(
        ModelPath(path), [&text](CFile& file) { file.Write(text.data(), static_cast<UINT>(text.size())); }, strError);
}

std::set<std::string> Names(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

}  // namespace

TEST(SafeWrite, OldTemporariesGoWhenTheFolderIsNextSavedInto)
{
    TempDir dir;
    const auto now = fs::file_time_type::clock::now();
    // Left by a save killed an hour ago, one being written now by another
    // program, and files that only look like ours.
    for (const char* pszName : {".~00000001.tmp", ".~0000000a.tmp", ".~0000000b.tmp", ".~0000001.tmp", ".~0000000A.tmp",
                                ".~0000000ab.tmp", "x.~0000000d.tmp", "keep.tmp"}) {
        TempDir::Write(dir.File(pszName), "old");
        fs::last_write_time(dir.File(pszName), now - std::chrono::hours(1));
    }
    fs::last_write_time(dir.File(".~0000000b.tmp"), now);
    fs::create_directories(dir.File(".~0000000c.tmp"));  // a folder of that name is not ours
    fs::last_write_time(dir.File(".~0000000c.tmp"), now - std::chrono::hours(1));

    std::u16string strError;
    ASSERT_TRUE(WriteText(dir.File("a.sol"), "new", strError));
    EXPECT_EQ(Names(dir.Path()),
              (std::set<std::string> {"a.sol", ".~0000000b.tmp", ".~0000001.tmp", ".~0000000A.tmp", ".~0000000ab.tmp",
                                      "x.~0000000d.tmp", "keep.tmp", ".~0000000c.tmp"}));
    EXPECT_EQ(TempDir::Read(dir.File("a.sol")), "new");
}

// A write that fails part way leaves the target as it was and no temporary:
// SolutionFile.WriteFailureKeepsTheOldFile, through Save Solution.

#ifndef _WIN32
// A pipe opens at once and is refused, whoever is (not) at its other end;
// nothing replaces it.
TEST(SafeWrite, PipesAreRefusedWithoutWaiting)
{
    TempDir dir;
    ASSERT_EQ(mkfifo(dir.File("pipe").c_str(), 0600), 0);
    const std::u16string strPipe = ModelPath(dir.File("pipe"));
    for (const UINT nFlags : {UINT(CFile::modeRead), UINT(CFile::modeCreate | CFile::modeWrite)}) {
        CFile file;
        CFileException error;
        EXPECT_FALSE(file.Open(strPipe, nFlags | CFile::typeBinary, &error));
        EXPECT_EQ(error.m_cause, CFileException::notRegularFile);
    }
    std::u16string strError;
    EXPECT_FALSE(WriteText(dir.File("pipe"), "x", strError));
    EXPECT_EQ(strError, u"cannot create file '" + strPipe + u"': not a regular file");
    EXPECT_TRUE(fs::is_fifo(dir.File("pipe")));
    EXPECT_EQ(Names(dir.Path()), std::set<std::string> {"pipe"});

    // The same through the commands' own paths.
    RecordingMessageSink sink;
    auto puzzle = PuzzleFileWriter({"AB", "CD"}).Load(dir);
    EXPECT_FALSE(puzzle->LoadSolution(strPipe));
    EXPECT_FALSE(puzzle->SaveSolution(strPipe));
    EXPECT_EQ(sink.m_messages,
              (std::vector<std::u16string> {u"cannot open file '" + strPipe + u"': not a regular file",
                                            u"cannot create file '" + strPipe + u"': not a regular file"}));
}

TEST(SafeWrite, DevicesAreNeitherReadNorReplaced)
{
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(u"/dev/zero", CFile::modeRead | CFile::typeBinary, &error));
    EXPECT_EQ(error.m_cause, CFileException::notRegularFile);
    std::u16string strError;
    EXPECT_FALSE(WriteText("/dev/null", "x", strError));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}
#endif
