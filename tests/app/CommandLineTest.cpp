// SPDX-License-Identifier: MIT
// The command line: files to open at start, and the options that answer on
// the terminal instead.
#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <vector>

#include "model/CrossWordPuzzle.h"
#include "model/PuzzleSourceReader.h"
#include "tests/support/TempDir.h"

using trellis::test::TempDir;

namespace {

struct Outcome {
    CCommandLine cmd;
    int nStatus;
    std::string strOut;
    std::string strErr;
};

Outcome Answer(std::vector<const char*> args)
{
    args.insert(args.begin(), "trellis");
    Outcome outcome;
    outcome.cmd = ParseCommandLine(static_cast<int>(args.size()), args.data());
    std::ostringstream out;
    std::ostringstream err;
    outcome.nStatus = AnswerCommandLine(outcome.cmd, out, err);
    outcome.strOut = out.str();
    outcome.strErr = err.str();
    return outcome;
}

std::u16string ModelPathOf(const std::string& strPath)
{
    return std::filesystem::path(strPath).u16string();
}

std::u16string Absolute(const char* pszPath)
{
    return std::filesystem::absolute(pszPath).u16string();
}

TEST(CommandLineTest, FilesStartTheProgramWithFullPaths)
{
    Outcome none = Answer({});
    EXPECT_EQ(none.nStatus, -1);
    EXPECT_TRUE(none.cmd.strPuzzle.empty() && none.cmd.strSolution.empty());

    Outcome both = Answer({"samples/heart.puz", "/tmp/heart.sol"});
    EXPECT_EQ(both.nStatus, -1);
    EXPECT_EQ(both.cmd.strPuzzle, Absolute("samples/heart.puz"));
    EXPECT_TRUE(std::filesystem::path(both.cmd.strPuzzle).is_absolute());
    EXPECT_EQ(both.cmd.strSolution, u"/tmp/heart.sol");
    EXPECT_TRUE(both.strOut.empty() && both.strErr.empty());

    // After "--" a name that looks like an option is a file; so is "-" anywhere.
    Outcome dashed = Answer({"--", "-odd.puz", "--help"});
    EXPECT_EQ(dashed.nStatus, -1);
    EXPECT_EQ(dashed.cmd.strPuzzle, Absolute("-odd.puz"));
    EXPECT_EQ(dashed.cmd.strSolution, Absolute("--help"));
    EXPECT_EQ(Answer({"-"}).cmd.strPuzzle, Absolute("-"));

    // A name that is not UTF-8 still reaches the load, which will say it cannot open it.
    Outcome bytes = Answer({"/tmp/caf\xe9.puz"});
    EXPECT_EQ(bytes.nStatus, -1);
    EXPECT_EQ(bytes.cmd.strPuzzle.substr(0, 8), u"/tmp/caf");
}

// The version's text is the About box's test's.
TEST(CommandLineTest, HelpAnswersOnTheTerminalAndEndsWell)
{
    for (const char* pszOption : {"--help", "-h"}) {
        Outcome help = Answer({"puzzle.puz", pszOption});
        EXPECT_EQ(help.nStatus, 0) << pszOption;
        EXPECT_EQ(help.strOut.rfind("Usage: trellis [PUZZLE.puz [SOLUTION.sol]]\n", 0), 0u) << help.strOut;
        EXPECT_NE(help.strOut.find("--version"), std::string::npos);
        EXPECT_NE(help.strOut.find("\n       trellis --convert IN OUT\n"), std::string::npos);
        EXPECT_TRUE(help.strErr.empty());
    }
}

TEST(CommandLineTest, UnknownOptionsAndExtraFilesAreRefusedWithStatusTwo)
{
    Outcome unknown = Answer({"heart.puz", "--fullscreen"});
    EXPECT_EQ(unknown.nStatus, 2);
    EXPECT_EQ(unknown.strErr, "trellis: unknown option '--fullscreen'\nTry 'trellis --help' for more information.\n");
    EXPECT_TRUE(unknown.strOut.empty());
    EXPECT_EQ(Answer({"-platform", "offscreen"}).nStatus, 2);

    Outcome extra = Answer({"a.puz", "a.sol", "b.puz"});
    EXPECT_EQ(extra.nStatus, 2);
    EXPECT_NE(extra.strErr.find("'b.puz'"), std::string::npos);
}

TEST(CommandLineTest, ConvertWritesTheTargetsFormatAndSaysWhatItCannotHold)
{
    TempDir dir;
    const std::string strIpuz = (dir.Path() / "heart.IPUZ").string();
    Outcome toIpuz = Answer({"--convert", TRELLIS_SAMPLES_DIR "/heart.puz", strIpuz.c_str()});
    EXPECT_EQ(toIpuz.cmd.nAction, CCommandLine::Convert);
    EXPECT_EQ(toIpuz.nStatus, 0) << toIpuz.strErr;
    EXPECT_TRUE(toIpuz.strOut.empty() && toIpuz.strErr.empty());
    EXPECT_EQ(SniffPuzzleFormat(TempDir::Read(strIpuz)), EPuzzleFormat::Ipuz);

    // Back to .puz: the same puzzle, clue for clue.
    const std::string strPuz = (dir.Path() / "again.puz").string();
    EXPECT_EQ(Answer({"--convert", strIpuz.c_str(), strPuz.c_str()}).nStatus, 0);
    CCrossWordPuzzle original, again;
    std::u16string error;
    ASSERT_TRUE(original.LoadPuzzle(ModelPathOf(TRELLIS_SAMPLES_DIR "/heart.puz"), error));
    ASSERT_TRUE(again.LoadPuzzle(ModelPathOf(strPuz), error)) << trellis::test::ToUtf8(error);
    EXPECT_EQ(again.m_strTitle, original.m_strTitle);
    ASSERT_EQ(again.m_lstClues.size(), original.m_lstClues.size());
    EXPECT_EQ(again.m_lstClues.back()->m_strText, original.m_lstClues.back()->m_strText);

    // A barred grid loses its bars in a .puz file, and says so per line.
    const std::string strIpuzBars = (dir.Path() / "bars.ipuz").string();
    dir.Write(std::string("bars.ipuz"),
              std::string(R"({"version":"http://ipuz.org/v2","kind":["http://ipuz.org/crossword#1"],
        "dimensions":{"width":2,"height":1},"puzzle":[[{"cell":1,"style":{"barred":"R"}},0]],
        "solution":[["A","B"]],"clues":{}})"));
    const std::string strBars = (dir.Path() / "bars.puz").string();
    Outcome barred = Answer({"--convert", strIpuzBars.c_str(), strBars.c_str()});
    EXPECT_EQ(barred.nStatus, 0);
    EXPECT_EQ(barred.strErr, "trellis: " + strBars +
                                 ": bars between squares cannot be kept in a .puz file; the grid is written "
                                 "without them\n");
    EXPECT_EQ(TempDir::Read(strBars).substr(0x34, 4), "AB--");
}

TEST(CommandLineTest, ConvertFailsWithTheReadersMessageAndRefusesOtherTargets)
{
    TempDir dir;
    const std::string strBad = (dir.Path() / "bad.puz").string();
    dir.Write(std::string("bad.puz"), std::string("\0\x01 not a puzzle", 16));
    const std::string strOut = (dir.Path() / "out.puz").string();
    Outcome bad = Answer({"--convert", strBad.c_str(), strOut.c_str()});
    EXPECT_EQ(bad.nStatus, 1);
    EXPECT_EQ(bad.strErr, "trellis: " + strBad + ": invalid puzzle file\n");
    EXPECT_FALSE(std::filesystem::exists(strOut));

    Outcome missing = Answer({"--convert", "/no/such.ipuz", strOut.c_str()});
    EXPECT_EQ(missing.nStatus, 1);
    EXPECT_EQ(missing.strErr.rfind("trellis: cannot open file '/no/such.ipuz' for reading", 0), 0u) << missing.strErr;

    // A folder that does not exist for the target: the write's message.
    const std::string strNowhere = (dir.Path() / "no" / "out.ipuz").string();
    Outcome nowhere = Answer({"--convert", TRELLIS_SAMPLES_DIR "/heart.puz", strNowhere.c_str()});
    EXPECT_EQ(nowhere.nStatus, 1);
    EXPECT_EQ(nowhere.strErr.rfind("trellis: cannot create file '" + strNowhere + "'", 0), 0u) << nowhere.strErr;

    for (const std::vector<const char*>& args : {std::vector<const char*> {"--convert", "a.puz", "b.jpz"},
                                                 {"--convert", "a.puz"},
                                                 {"x.puz", "--convert", "a.puz", "b.puz"},
                                                 {"--convert", "a.puz", "b.xd"}}) {
        Outcome refused = Answer(args);
        EXPECT_EQ(refused.nStatus, 2) << args.back();
        EXPECT_NE(refused.strErr.find("Try 'trellis --help'"), std::string::npos);
    }
    EXPECT_EQ(Answer({"--convert", "a.puz", "b.jpz"}).strErr,
              "trellis: cannot write 'b.jpz': puzzles are written as .puz or .ipuz files\n"
              "Try 'trellis --help' for more information.\n");
}

TEST(CommandLineTest, PdfTakesAPuzzleAndAFileAndItsOwnOptionsOnly)
{
    Outcome plain = Answer({"--pdf", "in.puz", "out.pdf"});
    EXPECT_EQ(plain.cmd.nAction, CCommandLine::ExportPdf);
    EXPECT_EQ(plain.nStatus, -1);  // main writes it, with no window
    EXPECT_EQ(plain.cmd.strPdfFrom, Absolute("in.puz"));
    EXPECT_EQ(plain.cmd.strPdfTo, Absolute("out.pdf"));
    EXPECT_EQ(plain.cmd.nPdfContent, EPrintContent::Blank);
    EXPECT_FALSE(plain.cmd.bPdfOnePage);
    EXPECT_TRUE(plain.cmd.strPdfPaper.empty());
    EXPECT_TRUE(plain.cmd.strPuzzle.empty());

    // The options in any order, before or after.
    Outcome full = Answer({"--solution", "--pdf", "a.ipuz", "b.pdf", "--one-page", "--paper", "LETTER"});
    EXPECT_EQ(full.cmd.nAction, CCommandLine::ExportPdf);
    EXPECT_EQ(full.cmd.nPdfContent, EPrintContent::Solution);
    EXPECT_TRUE(full.cmd.bPdfOnePage);
    EXPECT_EQ(full.cmd.strPdfPaper, u"LETTER");
    EXPECT_EQ(Answer({"--pdf", "a.puz", "b.pdf", "--fill"}).cmd.nPdfContent, EPrintContent::Fill);

    // Each refusal says why, with status 2.
    const std::pair<std::vector<const char*>, std::string> refused[] = {
        {{"--pdf", "a.puz"}, "'--pdf' needs the puzzle to read and the PDF file to write"},
        {{"--pdf", "a.puz", "b.pdf", "c.puz"}, "'--pdf' takes no other files"},
        {{"--pdf", "a.puz", "b.pdf", "--fill", "--solution"}, "'--fill' and '--solution' go one at a time"},
        {{"--pdf", "a.puz", "b.pdf", "--paper", "A3"}, "'--paper' takes A4 or Letter"},
        {{"--pdf", "a.puz", "b.pdf", "--paper"}, "'--paper' takes A4 or Letter"},
        {{"a.puz", "--fill"}, "'--fill', '--solution', '--one-page' and '--paper' go with '--pdf'"},
        // The two ways without a window go one at a time, and the PDF's
        // options are not the conversion's.
        {{"--convert", "a.puz", "b.ipuz", "--pdf", "a.puz", "b.pdf"}, "'--convert' and '--pdf' go one at a time"},
        {{"--pdf", "a.puz", "b.pdf", "--convert", "a.puz", "b.ipuz"}, "'--convert' and '--pdf' go one at a time"},
        {{"--convert", "a.puz", "b.ipuz", "--one-page"},
         "'--fill', '--solution', '--one-page' and '--paper' go with '--pdf'"},
    };
    for (const auto& [args, strWhy] : refused) {
        const Outcome outcome = Answer(args);
        EXPECT_EQ(outcome.nStatus, 2) << strWhy;
        EXPECT_EQ(outcome.strErr, "trellis: " + strWhy + "\nTry 'trellis --help' for more information.\n");
    }
    // Help names the command and its options.
    const std::string strHelp = Answer({"--help"}).strOut;
    for (const char* pszWord : {"--pdf IN OUT.pdf", "--fill", "--solution", "--one-page", "--paper A4|Letter"})
        EXPECT_NE(strHelp.find(pszWord), std::string::npos) << pszWord;
}

}  // namespace
