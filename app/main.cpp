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
    theApp.SetStartFiles(cmd.strPuzzle, cmd.strSolution);
    theApp.ReadStartPuzzleAhead();
    // The rest of the line is ours: Qt must not take a file name for one of its options.
    return AfxWinMain(1, argv);
}
