// SPDX-License-Identifier: MIT
// Any bytes as a solution file for a fixed 3 x 3 puzzle: no crash, no read
// past the end, and a refused file changes no square.

#include <cstdint>
#include <cstdlib>
#include <memory>

#include "fuzz/FuzzFile.h"
#include "model/CrossWordPuzzle.h"
#include "tests/support/PuzzleFileWriter.h"
#include "tests/support/PuzzleState.h"
#include "tests/support/TempDir.h"

namespace {

CCrossWordPuzzle& Puzzle()
{
    // Checksum 0xAF57; the seeds in seeds/solution are written for it.
    static trellis::test::TempDir dir;
    static std::unique_ptr<CCrossWordPuzzle> pPuzzle = trellis::test::PuzzleFileWriter({"CAT", "O#A", "WET"}).Load(dir);
    return *pPuzzle;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CCrossWordPuzzle& puzzle = Puzzle();
    const std::u16string before = trellis::test::PlayerState(puzzle);
    if (!puzzle.LoadSolution(WriteScratchFile(data, size)) && trellis::test::PlayerState(puzzle) != before)
        std::abort();
    return 0;
}
