// SPDX-License-Identifier: MIT
// The command line: files to open at start, and the options that answer on
// the terminal instead.
#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <vector>

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

TEST(CommandLineTest, HelpAndVersionAnswerOnTheTerminalAndEndWell)
{
    for (const char* pszOption : {"--help", "-h"}) {
        Outcome help = Answer({"puzzle.puz", pszOption});
        EXPECT_EQ(help.nStatus, 0) << pszOption;
        EXPECT_EQ(help.strOut.rfind("Usage: trellis [PUZZLE.puz [SOLUTION.sol]]\n", 0), 0u) << help.strOut;
        EXPECT_NE(help.strOut.find("--version"), std::string::npos);
        EXPECT_TRUE(help.strErr.empty());
    }
    Outcome version = Answer({"--version"});
    EXPECT_EQ(version.nStatus, 0);
    EXPECT_EQ(version.strOut.rfind("trellis ", 0), 0u);
    EXPECT_TRUE(version.strOut.size() > 9 && std::isdigit(static_cast<unsigned char>(version.strOut[8])));
    EXPECT_EQ(version.strOut.back(), '\n');
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

}  // namespace

namespace {

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
