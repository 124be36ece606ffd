// SPDX-License-Identifier: MIT
#pragma once

// The program's command line: `trellis [PUZZLE.puz [SOLUTION.sol]]`, an
// option that is answered on the terminal instead of starting the program,
// or `trellis --convert IN OUT`, which writes a puzzle in another format
// without a window.

#include <iosfwd>
#include <string>

struct CCommandLine {
    enum Action { Start, ShowHelp, ShowVersion, Convert, Refuse };

    Action nAction = Start;
    std::u16string strPuzzle;  // absolute path, empty when none was given
    std::u16string strSolution;  // absolute path, empty when none was given
    std::u16string strConvertFrom;  // --convert: the puzzle to read, absolute path
    std::u16string strConvertTo;  // --convert: the file to write, absolute path
    std::string strProblem;  // why the line was refused
};

CCommandLine ParseCommandLine(int argc, const char* const argv[]);

// Prints what the line asks for (help, version or the problem), or converts,
// and returns the exit status, or -1 when the program is to start.
int AnswerCommandLine(const CCommandLine& cmd, std::ostream& out, std::ostream& err);
