// SPDX-License-Identifier: MIT
#include "app/CommandLine.h"
#include "app/PuzzleApp.h"

#include <iostream>

int main(int argc, char* argv[])
{
    const CCommandLine cmd = ParseCommandLine(argc, argv);
    const int nStatus = AnswerCommandLine(cmd, std::cout, std::cerr);
    if (nStatus >= 0)
        return nStatus;
    // The rest of the line is ours: Qt must not take a file name for one of its options.
    if (cmd.nAction == CCommandLine::ExportPdf)
        return AfxRunWithoutWindows(1, argv, [&cmd] { return theApp.ExportPdfFile(cmd, std::cerr); });
    theApp.SetStartFiles(cmd.strPuzzle, cmd.strSolution);
    theApp.ReadStartPuzzleAhead();
    return AfxWinMain(1, argv);
}
