// SPDX-License-Identifier: MIT
#include "tests/support/PuzzleState.h"

#include <cstdio>
#include <iterator>
#include <stdexcept>

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

std::string WhiteAnswers(const CCrossWordPuzzle& puzzle)
{
    std::string answers;
    for (const CSquare& square : puzzle.GetSquares())
        if (!square.m_bBlack)
            answers.push_back(static_cast<char>(square.m_chSolution));
    return answers;
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

CGridSelection SelectionFrom(const std::string& text)
{
    if (text == "none")
        return {};
    char chDirection = 0;
    int x = 0, y = 0, sx = 0, sy = 0;
    if (std::sscanf(text.c_str(), "%d,%d %c %d,%d", &x, &y, &chDirection, &sx, &sy) != 5 ||
        (chDirection != 'A' && chDirection != 'D'))
        throw std::invalid_argument("not a selection: " + text);
    CGridSelection sel;
    sel.m_nDirection = chDirection == 'A' ? DIRECTION_ACROSS : DIRECTION_DOWN;
    sel.m_ptSelected = CPoint(x, y);
    sel.m_ptWordStart = CPoint(sx, sy);
    return sel;
}

std::string SelectionText(const CGridSelection& sel)
{
    if (sel.m_nDirection == DIRECTION_NONE)
        return "none";
    return std::to_string(sel.m_ptSelected.x) + "," + std::to_string(sel.m_ptSelected.y) +
           (sel.m_nDirection == DIRECTION_ACROSS ? " A " : " D ") + std::to_string(sel.m_ptWordStart.x) + "," +
           std::to_string(sel.m_ptWordStart.y);
}

}  // namespace trellis::test
