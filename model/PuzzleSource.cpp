// SPDX-License-Identifier: MIT
#include "model/PuzzleSource.h"

bool CSourceSquare::operator==(const CSourceSquare& other) const
{
    return m_nKind == other.m_nKind && m_strSolution == other.m_strSolution && m_strFill == other.m_strFill &&
           m_bGiven == other.m_bGiven && m_bCircled == other.m_bCircled && m_nColor == other.m_nColor &&
           m_bBarRight == other.m_bBarRight && m_bBarBottom == other.m_bBarBottom && m_strLabel == other.m_strLabel &&
           m_chGridLetter == other.m_chGridLetter && m_bRevealed == other.m_bRevealed &&
           m_bWasIncorrect == other.m_bWasIncorrect && m_bIncorrect == other.m_bIncorrect;
}

bool CSourceClue::operator==(const CSourceClue& other) const
{
    return m_strLabel == other.m_strLabel && m_nNumber == other.m_nNumber && m_strText == other.m_strText &&
           m_aCells == other.m_aCells;
}

bool CSourceClueList::operator==(const CSourceClueList& other) const
{
    return m_strName == other.m_strName && m_nDirection == other.m_nDirection && m_aClues == other.m_aClues;
}

bool CPuzzleSource::operator==(const CPuzzleSource& other) const
{
    return m_nWidth == other.m_nWidth && m_nHeight == other.m_nHeight && m_aSquares == other.m_aSquares &&
           m_aLists == other.m_aLists && m_strTitle == other.m_strTitle && m_strAuthor == other.m_strAuthor &&
           m_strCopyright == other.m_strCopyright && m_strNotes == other.m_strNotes &&
           m_nTimerSeconds == other.m_nTimerSeconds && m_bTimerStopped == other.m_bTimerStopped &&
           m_bLocked == other.m_bLocked && m_wAnswerChecksum == other.m_wAnswerChecksum &&
           m_bDiagramless == other.m_bDiagramless;
}

bool CPuzzleSource::IsWordEnd(int nCol, int nRow, bool bAcross) const
{
    const int nNextCol = bAcross ? nCol + 1 : nCol;
    const int nNextRow = bAcross ? nRow : nRow + 1;
    if (!IsOpen(nCol, nRow) || !IsOpen(nNextCol, nNextRow))
        return true;
    const CSourceSquare& square = At(nCol, nRow);
    return bAcross ? square.m_bBarRight : square.m_bBarBottom;
}

std::vector<CPoint> CPuzzleSource::WordFrom(int nCol, int nRow, bool bAcross) const
{
    std::vector<CPoint> aCells;
    if (!IsOpen(nCol, nRow))
        return aCells;
    // Walked by index over the squares, measured first so that the word is
    // allocated once: a reader finds a word for nearly every clue.
    const std::size_t nStep = bAcross ? 1 : static_cast<std::size_t>(m_nWidth);
    const int nRoom = bAcross ? m_nWidth - nCol : m_nHeight - nRow;
    const std::size_t nStart = Index(nCol, nRow);
    int nLength = 1;
    for (std::size_t i = nStart; nLength < nRoom; i += nStep, ++nLength) {
        // A bar after the square, or a square after it that is not open, ends the word.
        if ((bAcross ? m_aSquares[i].m_bBarRight : m_aSquares[i].m_bBarBottom) || i + nStep >= m_aSquares.size() ||
            m_aSquares[i + nStep].m_nKind != ESquareKind::Open)
            break;
    }
    aCells.reserve(static_cast<std::size_t>(nLength));
    for (int n = 0; n < nLength; ++n)
        aCells.emplace_back(bAcross ? nCol + n : nCol, bAcross ? nRow : nRow + n);
    return aCells;
}

void CPuzzleSource::Resize(int nWidth, int nHeight, ESquareKind nKind)
{
    m_nWidth = nWidth;
    m_nHeight = nHeight;
    // Made in place rather than copied from one: a square holds three strings.
    m_aSquares.clear();
    m_aSquares.resize(static_cast<std::size_t>(nWidth) * static_cast<std::size_t>(nHeight));
    if (nKind != ESquareKind::Open) {
        for (CSourceSquare& square : m_aSquares)
            square.m_nKind = nKind;
    }
}
