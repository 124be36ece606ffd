// SPDX-License-Identifier: MIT
#include "tests/support/PuzzleState.h"

#include <iterator>

#include "tests/support/TempDir.h"

namespace trellis::test {

void SetLetter(CCrossWordPuzzle& puzzle, int c, int r, char16_t ch, BOOL bFilled)
{
    CSquare square = puzzle.GetSquare(c, r);
    square.m_chLetter = ch;
    square.m_bFilled = bFilled;
    puzzle.SetSquare(c, r, square);
}

std::u16string PlayerState(const CCrossWordPuzzle& puzzle)
{
    std::u16string state;
    for (const CSquare& square : puzzle.GetSquares()) {
        state.push_back(square.m_bFilled ? u'1' : u'0');
        state.push_back(square.m_chLetter);
    }
    return state;
}

std::vector<std::string> ClueLabels(const CCrossWordPuzzle& puzzle)
{
    std::vector<std::string> labels;
    for (const CClue* pClue : puzzle.m_lstClues)
        labels.push_back(std::to_string(pClue->m_nNumber) + (pClue->m_bAcross ? "A:" : "D:") +
                         ToUtf8(pClue->m_strText));
    return labels;
}

const CClue& ClueAt(const CCrossWordPuzzle& puzzle, std::size_t n)
{
    return **std::next(puzzle.m_lstClues.begin(), static_cast<long>(n));
}

}  // namespace trellis::test
