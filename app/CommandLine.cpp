// SPDX-License-Identifier: MIT
#include "app/CommandLine.h"

#include "platform/String.h"
#include "res/Version.h"

#include <filesystem>
#include <ostream>

namespace fs = std::filesystem;

namespace {

constexpr const char* kUsage = "Usage: trellis [PUZZLE.puz [SOLUTION.sol]]\n"
                               "Solve crossword puzzles.\n"
                               "\n"
                               "PUZZLE.puz (or a .ipuz, .jpz or .xd file) is opened at start as\n"
                               "File > Load Puzzle opens it, and then SOLUTION.sol as File > Load Solution\n"
                               "loads it.\n"
                               "\n"
                               "Options:\n"
                               "  -h, --help     show this help and exit\n"
                               "      --version  show the version and exit\n"
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

}  // namespace

CCommandLine ParseCommandLine(int argc, const char* const argv[])
{
    CCommandLine cmd;
    bool bOptions = true;
    int nFiles = 0;
    for (int i = 1; i < argc && cmd.nAction == CCommandLine::Start; ++i) {
        const std::string strArg = argv[i] ? argv[i] : "";
        if (bOptions && strArg == "--") {
            bOptions = false;
        } else if (bOptions && (strArg == "--help" || strArg == "-h")) {
            cmd.nAction = CCommandLine::ShowHelp;
        } else if (bOptions && strArg == "--version") {
            cmd.nAction = CCommandLine::ShowVersion;
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
    case CCommandLine::Refuse:
        err << "trellis: " << cmd.strProblem << "\nTry 'trellis --help' for more information.\n";
        return 2;
    case CCommandLine::Start:
        break;
    }
    return -1;
}
