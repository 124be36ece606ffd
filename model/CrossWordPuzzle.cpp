#include "model/CrossWordPuzzle.h"

#include "model/WordStarts.h"

IMPLEMENT_SERIAL(CCrossWordPuzzle, CObject, 1)

CCrossWordPuzzle::CCrossWordPuzzle() : m_nWidth(0), m_nHeight(0) { }

CCrossWordPuzzle::~CCrossWordPuzzle()
{
    DeleteClues();
}

void CCrossWordPuzzle::DeleteClues()
{
    for (CClue* pClue : m_lstClues)
        delete pClue;
    m_lstClues.clear();
}

long CCrossWordPuzzle::IndexOf(int nCol, int nRow) const
{
    if (nCol < 0 || nRow < 0 || nCol >= m_nWidth || nRow >= m_nHeight)
        return -1;
    return static_cast<long>(m_nWidth) * nRow + nCol;
}

CSquare CCrossWordPuzzle::GetSquare(int nCol, int nRow) const
{
    const long nIndex = IndexOf(nCol, nRow);
    if (nIndex < 0 || static_cast<std::size_t>(nIndex) >= m_aSquares.size())
        return CSquare();
    return m_aSquares[static_cast<std::size_t>(nIndex)];
}

void CCrossWordPuzzle::SetSquare(int nCol, int nRow, const CSquare& square)
{
    // Positions outside the grid would land on another square or before the array.
    const long nIndex = IndexOf(nCol, nRow);
    if (nIndex < 0)
        return;
    const std::size_t i = static_cast<std::size_t>(nIndex);
    if (i >= m_aSquares.size())
        m_aSquares.resize(i + 1);
    m_aSquares[i] = square;
}

BOOL CCrossWordPuzzle::IsBlack(int nCol, int nRow) const
{
    return GetSquare(nCol, nRow).m_bBlack;
}

BOOL CCrossWordPuzzle::IsFilled(int nCol, int nRow) const
{
    return IndexOf(nCol, nRow) < 0 ? TRUE : GetSquare(nCol, nRow).m_bFilled;
}

BOOL CCrossWordPuzzle::IsIncorrect(int nCol, int nRow) const
{
    return IndexOf(nCol, nRow) < 0 ? TRUE : GetSquare(nCol, nRow).IsIncorrect();
}

BOOL CCrossWordPuzzle::IsSolved() const
{
    for (int c = 0; c < m_nWidth; ++c) {
        for (int r = 0; r < m_nHeight; ++r) {
            const CSquare square = GetSquare(c, r);
            if (square.m_bBlack)
                continue;
            if (!square.m_bFilled || square.m_chLetter != square.m_chSolution)
                return FALSE;
        }
    }
    return TRUE;
}

DWORD CCrossWordPuzzle::GetChecksum() const
{
    // The OR is what stored solution files were written with; keep it.
    DWORD dwSum = 0;
    for (int c = 0; c < m_nWidth; ++c) {
        for (int r = 0; r < m_nHeight; ++r)
            dwSum = (dwSum ^ 0xAF5E) | GetSquare(c, r).m_chSolution;
    }
    return dwSum;
}

void CCrossWordPuzzle::NumberSquares()
{
    DeleteClues();
    int nCounter = 0;
    std::size_t nNextText = 0;
    // Words beyond the texts of the file get an empty clue.
    auto nextText = [&]() {
        return nNextText < m_astrClues.size() ? m_astrClues[nNextText++] : std::u16string();
    };
    ForEachWordStart(
        m_nWidth, m_nHeight, [this](int c, int r) { return IsBlack(c, r) != FALSE; },
        [&](int c, int r, bool bAcross, bool bDown) {
            CSquare square = GetSquare(c, r);
            ++nCounter;
            if (bAcross) {
                square.m_nAcrossNumber = nCounter;
                m_lstClues.push_back(new CClue(nextText(), nCounter, TRUE));
            }
            if (bDown) {
                square.m_nDownNumber = nCounter;
                m_lstClues.push_back(new CClue(nextText(), nCounter, FALSE));
            }
            SetSquare(c, r, square);
        });
}

BOOL CCrossWordPuzzle::IsInAcrossWord(int nCol, int nRow) const
{
    for (int c = nCol; c >= 0; --c) {
        const CSquare square = GetSquare(c, nRow);
        if (square.m_bBlack)
            return FALSE;
        if (square.m_nAcrossNumber != 0)
            return TRUE;
    }
    return FALSE;
}

BOOL CCrossWordPuzzle::IsInDownWord(int nCol, int nRow) const
{
    for (int r = nRow; r >= 0; --r) {
        const CSquare square = GetSquare(nCol, r);
        if (square.m_bBlack)
            return FALSE;
        if (square.m_nDownNumber != 0)
            return TRUE;
    }
    return FALSE;
}

CPoint CCrossWordPuzzle::GetAcrossStart(int nCol, int nRow) const
{
    int c = nCol;
    while (c >= 0 && GetSquare(c, nRow).m_nAcrossNumber == 0)
        --c;
    return CPoint(c, nRow);  // column -1 when no across number lies to the left
}

CPoint CCrossWordPuzzle::GetDownStart(int nCol, int nRow) const
{
    int r = nRow;
    while (r >= 0 && GetSquare(nCol, r).m_nDownNumber == 0)
        --r;
    return CPoint(nCol, r);
}

CClue* CCrossWordPuzzle::FindClue(int nNumber, BOOL bAcross) const
{
    if (nNumber == 0)
        return nullptr;
    for (CClue* pClue : m_lstClues) {
        if (pClue->m_nNumber == nNumber && (pClue->m_bAcross != FALSE) == (bAcross != FALSE))
            return pClue;
    }
    return nullptr;
}

CClue* CCrossWordPuzzle::GetAcrossClue(int nCol, int nRow) const
{
    return FindClue(GetSquare(nCol, nRow).m_nAcrossNumber, TRUE);
}

CClue* CCrossWordPuzzle::GetDownClue(int nCol, int nRow) const
{
    return FindClue(GetSquare(nCol, nRow).m_nDownNumber, FALSE);
}
