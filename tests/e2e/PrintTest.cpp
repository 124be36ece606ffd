// SPDX-License-Identifier: MIT
// The puzzle on paper from the real program: Export PDF ... through the
// menu, its choices and the file dialog, and `trellis --pdf` with no display
// at all; judged by the files as poppler-utils read them.
#include "tests/e2e/TrellisTest.h"

#include "tests/support/PdfFile.h"
#include "tests/support/PuzzleFileWriter.h"

#include <X11/keysym.h>

#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace e2e {
namespace {

using trellis::test::PdfPageCount;
using trellis::test::PdfText;

std::vector<std::string> OpenRows(int n)
{
    return std::vector<std::string>(static_cast<std::size_t>(n), std::string(static_cast<std::size_t>(n), 'A'));
}

using Printing = TrellisTest;

// A grid of a page is the application tests' (scripted dialogs); here the
// real ones, for a grid too large to write in at half a page.
TEST_F(Printing, ExportPdfThroughTheMenuCutsAHundredSquareGridIntoTiles)
{
    const fs::path puzzle = m_dir.File("open100.puz");
    trellis::test::TempDir::Write(puzzle, trellis::test::PuzzleFileWriter(OpenRows(100)).Title("open100").Bytes());
    LoadPuzzle(puzzle);
    // Loaded: the menu offers Export PDF only then.
    ASSERT_TRUE(WaitUntil([&] { return FrameTitle() == "trellis - open100"; })) << FrameTitle();
    Choose("Export PDF ...");
    const XID choices = AwaitDialog("Export PDF");
    ASSERT_NE(choices, 0u) << "no print choices";
    Key(XK_Return);  // OK: a blank grid
    ASSERT_TRUE(AwaitGone(choices));
    const fs::path pdf = m_dir.File("open100.pdf");
    EnterPath("Save As", pdf);
    ASSERT_TRUE(WaitUntil([&] { return fs::exists(pdf); })) << "no " << pdf;
    // Tiles of 18-point squares, 4 across and 3 down on Letter and A4 alike,
    // then its 200 clues, a line each, in three columns of 55 (Letter) or 59
    // (A4): two more pages.
    EXPECT_EQ(PdfPageCount(pdf), 14);
    EXPECT_EQ(PdfText(pdf, 1).rfind("open100\n", 0), 0u);
}

// The program run for its output alone: no display, no window manager.
struct Outcome {
    int nStatus = -1;
    std::string strOutput;  // standard output and error
};

Outcome RunTrellis(const trellis::test::TempDir& dir, const std::vector<std::string>& args)
{
    std::vector<std::string> argv = {TRELLIS_EXECUTABLE};
    argv.insert(argv.end(), args.begin(), args.end());
    const fs::path home = dir.File("home"), runtime = dir.File("runtime");
    fs::create_directories(home);
    fs::create_directories(runtime);
    fs::permissions(runtime, fs::perms::owner_all);
    // No DISPLAY and no QT_QPA_PLATFORM.
    std::vector<std::string> env = {"HOME=" + home.string(), "XDG_RUNTIME_DIR=" + runtime.string(),
                                    "XDG_CACHE_HOME=" TRELLIS_E2E_WORK_DIR "/cache", "LANG=C.UTF-8"};
    for (const char* name : {"PATH", "ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"})
        if (const char* value = std::getenv(name))
            env.push_back(std::string(name) + "=" + value);
    const fs::path log = dir.File("run.log");
    fs::remove(log);
    Process process;
    process.Start(argv, env, log);
    Outcome run;
    const std::optional<int> status = process.Wait(std::chrono::seconds(60));
    run.nStatus = status ? *status : -1;
    std::ifstream in(log);
    std::stringstream text;
    text << in.rdbuf();
    run.strOutput = text.str();
    return run;
}

TEST(PdfCommand, WritesThePagesWithNoDisplayOrSaysWhyWithStatusOne)
{
    trellis::test::TempDir dir;
    const fs::path puzzle = dir.File("solo.puz"), pdf = dir.File("solo.pdf");
    trellis::test::TempDir::Write(puzzle, trellis::test::PuzzleFileWriter(OpenRows(15)).Title("Solo").Bytes());
    const Outcome written = RunTrellis(dir, {"--pdf", puzzle.string(), pdf.string(), "--solution"});
    EXPECT_EQ(written.nStatus, 0) << written.strOutput;
    ASSERT_TRUE(fs::exists(pdf));
    EXPECT_EQ(PdfPageCount(pdf), 1);
    EXPECT_EQ(PdfText(pdf).rfind("Solo\n", 0), 0u);

    const fs::path damaged = dir.File("damaged.puz");
    trellis::test::TempDir::Write(damaged, trellis::test::PuzzleFileWriter(OpenRows(15)).Bytes().substr(0, 60));
    const Outcome refused = RunTrellis(dir, {"--pdf", damaged.string(), dir.File("none.pdf").string()});
    EXPECT_EQ(refused.nStatus, 1);
    EXPECT_NE(refused.strOutput.find("trellis: " + damaged.string() + ": invalid puzzle file\n"), std::string::npos)
        << refused.strOutput;
    EXPECT_FALSE(fs::exists(dir.File("none.pdf")));

    const Outcome help = RunTrellis(dir, {"--help"});
    EXPECT_EQ(help.nStatus, 0);
    EXPECT_NE(help.strOutput.find("--pdf IN OUT.pdf"), std::string::npos);
}

}  // namespace
}  // namespace e2e
