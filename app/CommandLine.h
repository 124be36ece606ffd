// SPDX-License-Identifier: MIT
#pragma once

// The program's command line: `trellis [PUZZLE.puz [SOLUTION.sol]]`, or an
// option that is answered on the terminal instead of starting the program.

#include <iosfwd>
#include <string>

struct CCommandLine {
    enum Action { Start, ShowHelp, ShowVersion, Refuse };

    Action nAction = Start;
    std::u16string strPuzzle;  // absolute path, empty when none was given
    std::u16string strSolution;  // absolute path, empty when none was given
    std::string strProblem;  // why the line was refused
};

CCommandLine ParseCommandLine(int argc, const char* const argv[]);

// Prints what the line asks for (help, version or the problem) and returns the
// exit status, or -1 when the program is to start.
int AnswerCommandLine(const CCommandLine& cmd, std::ostream& out, std::ostream& err);
