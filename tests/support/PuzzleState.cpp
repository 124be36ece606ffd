#include "tests/support/PuzzleState.h"

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
    for (const CSquare& square : puzzle.m_aSquares) {
        state.push_back(square.m_bFilled ? u'1' : u'0');
        state.push_back(square.m_chLetter);
    }
    return state;
}

}  // namespace trellis::test
