// SPDX-License-Identifier: MIT
#include "app/CommandLine.h"

#include "model/PuzzleSourceWriter.h"
#include "model/Text.h"
#include "platform/PagePrinter.h"
#include "platform/String.h"
#include "res/Version.h"

#include <filesystem>
#include <ostream>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr const char* kUsage = "Usage: trellis [PUZZLE.puz [SOLUTION.sol]]\n"
                               "       trellis --convert IN OUT\n"
                               "       trellis --pdf IN OUT.pdf [--fill|--solution] [--one-page] [--paper A4|Letter]\n"
                               "Solve crossword puzzles.\n"
                               "\n"
                               "PUZZLE.puz (or a .ipuz, .jpz or .xd file) is opened at start as\n"
                               "File > Load Puzzle opens it, and then SOLUTION.sol as File > Load Solution\n"
                               "loads it.\n"
                               "\n"
                               "Options:\n"
                               "  -h, --help     show this help and exit\n"
                               "      --version  show the version and exit\n"
                               "      --convert IN OUT\n"
                               "                 write the puzzle IN (.puz, .ipuz, .jpz or .xd), with its\n"
                               "                 saved fill, as OUT in the format of its extension (.puz or\n"
                               "                 .ipuz), say on standard error what OUT cannot hold, and exit\n"
                               "      --pdf IN OUT.pdf\n"
                               "                 write the puzzle IN as File > Export PDF does, with a blank\n"
                               "                 grid, and exit; no display is needed\n"
                               "      --fill     with --pdf: the letters saved in the puzzle file in the grid\n"
                               "      --solution with --pdf: the answers in the grid (not for locked puzzles)\n"
                               "      --one-page with --pdf: a large grid scaled to one page, not cut into parts\n"
                               "      --paper A4|Letter\n"
                               "                 with --pdf: the paper (by default the default printer's, else\n"
                               "                 the locale's)\n"
                               "  --             take every later argument as a file name\n";

// A path as the file dialog gives it: absolute, from the current folder.
std::u16string FullPath(const std::string& strArg)
{
    fs::path path(strArg);
    std::error_code error;
    const fs::path full = fs::absolute(path, error);
    if (!error)
        path = full;
    try {
        return path.u16string();
    } catch (const std::exception&) {
        // Not UTF-8: the load will say it cannot open what it shows.
        return CString::FromUtf8(path.string());
    }
}

// The file to read and the file to write after the option at argv[i], made
// absolute, with i moved onto the second; false when the line ends first.
bool TakePaths(int argc, const char* const argv[], int& i, std::u16string& strFrom, std::u16string& strTo)
{
    if (i + 2 >= argc)
        return false;
    strFrom = FullPath(argv[i + 1] ? argv[i + 1] : "");
    strTo = FullPath(argv[i + 2] ? argv[i + 2] : "");
    i += 2;
    return true;
}

// Reads the puzzle, writes it in the format of the target's extension and
// says what the target could not hold.
int Convert(const CCommandLine& cmd, std::ostream& err)
{
    CPuzzleSource source;
    std::u16string strError;
    if (!ReadAnyPuzzleSource(cmd.strConvertFrom, source, strError)) {
        err << "trellis: " << NarrowUtf8(strError) << "\n";
        return 1;
    }
    std::vector<std::u16string> warnings;
    const BOOL bWritten =
        WritePuzzleSource(cmd.strConvertTo, source, FormatOfFileName(cmd.strConvertTo), warnings, strError);
    for (const std::u16string& strWarning : warnings)
        err << "trellis: " << NarrowUtf8(cmd.strConvertTo) << ": " << NarrowUtf8(strWarning) << "\n";
    if (!bWritten) {
        err << "trellis: " << NarrowUtf8(strError) << "\n";
        return 1;
    }
    return 0;
}

}  // namespace

CCommandLine ParseCommandLine(int argc, const char* const argv[])
{
    CCommandLine cmd;
    bool bOptions = true;
    int nFiles = 0;
    int nPdfOptions = 0;  // the options that only --pdf takes
    for (int i = 1; i < argc && cmd.nAction == CCommandLine::Start; ++i) {
        const std::string strArg = argv[i] ? argv[i] : "";
        if (bOptions && strArg == "--") {
            bOptions = false;
        } else if (bOptions && (strArg == "--help" || strArg == "-h")) {
            cmd.nAction = CCommandLine::ShowHelp;
        } else if (bOptions && strArg == "--version") {
            cmd.nAction = CCommandLine::ShowVersion;
        } else if (bOptions && strArg == "--convert") {
            if (!TakePaths(argc, argv, i, cmd.strConvertFrom, cmd.strConvertTo)) {
                cmd.nAction = CCommandLine::Refuse;
                cmd.strProblem = "'--convert' needs the puzzle to read and the file to write";
            } else if (FormatOfFileName(cmd.strConvertTo) == EPuzzleFormat::Unknown) {
                cmd.nAction = CCommandLine::Refuse;
                cmd.strProblem = "cannot write '" + std::string(argv[i] ? argv[i] : "") +
                                 "': puzzles are written as .puz or .ipuz files";
            }
        } else if (bOptions && strArg == "--pdf") {
            if (!TakePaths(argc, argv, i, cmd.strPdfFrom, cmd.strPdfTo)) {
                cmd.nAction = CCommandLine::Refuse;
                cmd.strProblem = "'--pdf' needs the puzzle to read and the PDF file to write";
            }
        } else if (bOptions && (strArg == "--fill" || strArg == "--solution")) {
            const EPrintContent nContent = strArg == "--fill" ? EPrintContent::Fill : EPrintContent::Solution;
            if (cmd.nPdfContent != EPrintContent::Blank && cmd.nPdfContent != nContent) {
                cmd.nAction = CCommandLine::Refuse;
                cmd.strProblem = "'--fill' and '--solution' go one at a time";
            }
            cmd.nPdfContent = nContent;
            ++nPdfOptions;
        } else if (bOptions && strArg == "--one-page") {
            cmd.bPdfOnePage = true;
            ++nPdfOptions;
        } else if (bOptions && strArg == "--paper") {
            CPaper paper;
            const std::u16string strName = i + 1 < argc && argv[i + 1] ? CString::FromUtf8(argv[i + 1]) : u"";
            if (!PaperNamed(strName, paper)) {
                cmd.nAction = CCommandLine::Refuse;
                cmd.strProblem = "'--paper' takes A4 or Letter";
                break;
            }
            cmd.strPdfPaper = strName;
            ++i;
            ++nPdfOptions;
        } else if (bOptions && strArg.size() > 1 && strArg[0] == '-') {
            cmd.nAction = CCommandLine::Refuse;
            cmd.strProblem = "unknown option '" + strArg + "'";
        } else if (nFiles == 2) {
            cmd.nAction = CCommandLine::Refuse;
            cmd.strProblem = "too many files: '" + strArg + "' (a puzzle and a solution at most)";
        } else {
            std::u16string& strFile = nFiles++ == 0 ? cmd.strPuzzle : cmd.strSolution;
            strFile = FullPath(strArg);
        }
    }
    // Converting and writing a PDF open no window, so they take no files to
    // open, and go one at a time; the PDF's options mean nothing without it.
    if (cmd.nAction == CCommandLine::Start) {
        const bool bConvert = !cmd.strConvertFrom.empty();
        const bool bPdf = !cmd.strPdfFrom.empty();
        if (bConvert && bPdf) {
            cmd.nAction = CCommandLine::Refuse;
            cmd.strProblem = "'--convert' and '--pdf' go one at a time";
        } else if ((bConvert || bPdf) && nFiles > 0) {
            cmd.nAction = CCommandLine::Refuse;
            cmd.strProblem = bConvert ? "'--convert' takes no other files" : "'--pdf' takes no other files";
        } else if (!bPdf && nPdfOptions > 0) {
            cmd.nAction = CCommandLine::Refuse;
            cmd.strProblem = "'--fill', '--solution', '--one-page' and '--paper' go with '--pdf'";
        } else if (bConvert) {
            cmd.nAction = CCommandLine::Convert;
        } else if (bPdf) {
            cmd.nAction = CCommandLine::ExportPdf;
        }
    }
    return cmd;
}

int AnswerCommandLine(const CCommandLine& cmd, std::ostream& out, std::ostream& err)
{
    switch (cmd.nAction) {
    case CCommandLine::ShowHelp:
        out << kUsage;
        return 0;
    case CCommandLine::ShowVersion:
        out << "trellis " TRELLIS_VERSION_TEXT "\n";
        return 0;
    case CCommandLine::Convert:
        return Convert(cmd, err);
    case CCommandLine::Refuse:
        err << "trellis: " << cmd.strProblem << "\nTry 'trellis --help' for more information.\n";
        return 2;
    case CCommandLine::Start:
    case CCommandLine::ExportPdf:
        break;
    }
    return -1;
}
