// SPDX-License-Identifier: MIT
// Any bytes as a puzzle file: no crash, no read past the end, and a load
// that succeeds leaves a consistent grid, whatever its extra sections and
// lock hold.

#include <cstdint>
#include <cstdlib>

#include "fuzz/FuzzFile.h"
#include "model/CrossWordPuzzle.h"

namespace {

// The key search tries ten thousand keys; only small grids can afford it per input.
constexpr std::size_t kSearchedSquares = 9;

void CheckSquares(const CCrossWordPuzzle& puzzle)
{
    for (const CSquare& square : puzzle.GetSquares()) {
        const bool bRebus = puzzle.GetRebus(square) != nullptr;
        if (square.m_nRebus < 0 || (square.m_nRebus > 0 && !bRebus) ||
            (square.m_bBlack && (square.m_bCircled || bRebus)) || (bRebus && puzzle.GetRebus(square)->empty()))
            std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CCrossWordPuzzle puzzle;
    std::u16string error;
    if (puzzle.LoadPuzzle(WriteScratchFile(data, size), error)) {
        if (puzzle.GetSquares().size() != static_cast<std::size_t>(puzzle.m_nWidth) * puzzle.m_nHeight ||
            !error.empty() || !puzzle.m_astrState.empty())
            std::abort();
        for (const CClue* pClue : puzzle.m_lstClues) {
            // Every clue belongs to a word that starts at some square.
            if (pClue->m_nNumber <= 0)
                std::abort();
        }
        CheckSquares(puzzle);
        puzzle.IsSolved();
        const DWORD dwChecksum = puzzle.GetChecksum();
        if (puzzle.m_bLocked) {
            if (puzzle.GetSquares().size() <= kSearchedSquares) {
                for (int nKey : puzzle.FindKeys()) {
                    if (nKey < 0 || nKey > 9999)
                        std::abort();
                }
            }
            // An unlocked puzzle keeps the checksum of the file's answers.
            if (puzzle.Unlock(size % 10000) && (puzzle.m_bLocked || puzzle.GetChecksum() != dwChecksum))
                std::abort();
            puzzle.IsSolved();
        }
    } else if (error.empty()) {
        std::abort();
    }
    return 0;
}
