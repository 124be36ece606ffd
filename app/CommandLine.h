// SPDX-License-Identifier: MIT
#pragma once

// The program's command line: `trellis [PUZZLE.puz [SOLUTION.sol]]`, an
// option that is answered on the terminal instead of starting the program,
// `trellis --convert IN OUT`, which writes a puzzle in another format, or
// `trellis --pdf IN OUT.pdf [--fill|--solution]`, which writes the puzzle's
// printed pages; neither of the last two opens a window.

#include <iosfwd>
#include <string>

#include "model/PageLayout.h"

struct CCommandLine {
    enum Action { Start, ShowHelp, ShowVersion, Convert, ExportPdf, Refuse };

    Action nAction = Start;
    std::u16string strPuzzle;  // absolute path, empty when none was given
    std::u16string strSolution;  // absolute path, empty when none was given
    std::u16string strConvertFrom;  // --convert: the puzzle to read, absolute path
    std::u16string strConvertTo;  // --convert: the file to write, absolute path
    std::string strProblem;  // why the line was refused

    // --pdf: the puzzle to read and the PDF file to write, absolute paths,
    // what the squares show, the grid on one page, and the paper's name
    // (empty: the default printer's, else the locale's).
    std::u16string strPdfFrom;
    std::u16string strPdfTo;
    EPrintContent nPdfContent = EPrintContent::Blank;
    bool bPdfOnePage = false;
    std::u16string strPdfPaper;
};

CCommandLine ParseCommandLine(int argc, const char* const argv[]);

// Prints what the line asks for (help, version or the problem), or converts,
// and returns the exit status, or -1 when the program is to start or to write
// a PDF.
int AnswerCommandLine(const CCommandLine& cmd, std::ostream& out, std::ostream& err);
