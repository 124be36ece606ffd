// Any bytes as a puzzle file: no crash, no read past the end, and a load
// that succeeds leaves a consistent grid.

#include <cstdint>
#include <cstdlib>

#include "fuzz/FuzzFile.h"
#include "model/CrossWordPuzzle.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CCrossWordPuzzle puzzle;
    std::u16string error;
    if (puzzle.LoadPuzzle(WriteScratchFile(data, size), error)) {
        if (puzzle.m_aSquares.size() != static_cast<std::size_t>(puzzle.m_nWidth) * puzzle.m_nHeight ||
            !error.empty() || !puzzle.m_astrState.empty())
            std::abort();
        for (const CClue* pClue : puzzle.m_lstClues) {
            // Every clue belongs to a word that starts at some square.
            if (pClue->m_nNumber <= 0)
                std::abort();
        }
        puzzle.IsSolved();
        puzzle.GetChecksum();
    } else if (error.empty()) {
        std::abort();
    }
    return 0;
}
