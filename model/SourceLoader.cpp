// SPDX-License-Identifier: MIT
// A puzzle of the newer formats into the model: LoadSource.

#include <map>

#include "model/CrossWordPuzzle.h"
#include "model/PuzzleSource.h"
#include "model/WordStarts.h"

namespace {

// A square the player fills needs its answer; a given square is its own.
bool HasAnswer(const CSourceSquare& square)
{
    return square.m_nKind != ESquareKind::Open || !square.m_strSolution.empty() ||
           (square.m_bGiven && !square.m_strFill.empty());
}

// The direction of a clue: its list's, or for a list that tells none, the
// way its first two squares lie (down when they tell nothing either).
BOOL IsAcrossClue(const CSourceClueList& list, const CSourceClue& clue)
{
    if (list.m_nDirection != EClueDirection::Other)
        return list.m_nDirection == EClueDirection::Across;
    return clue.m_aCells.size() > 1 && clue.m_aCells[0].y == clue.m_aCells[1].y;
}

}  // namespace

void CCrossWordPuzzle::LoadSource(const CPuzzleSource& source)
{
    DeleteClues();
    m_astrRebus.clear();
    m_astrLabels.clear();
    m_astrClueLists.clear();
    m_nWidth = source.m_nWidth;
    m_nHeight = source.m_nHeight;
    m_strTitle = source.m_strTitle;
    m_strAuthor = source.m_strAuthor;
    m_strCopyright = source.m_strCopyright;
    m_strNotes = source.m_strNotes;
    m_bLocked = FALSE;
    m_bHasSolution = TRUE;

    const std::size_t nSquares = static_cast<std::size_t>(m_nWidth) * static_cast<std::size_t>(m_nHeight);
    m_aSquares.assign(nSquares, CSquare());
    bool bLabels = false;
    std::map<std::u16string, int> rebusOfText;
    for (std::size_t i = 0; i < nSquares && i < source.m_aSquares.size(); ++i) {
        const CSourceSquare& from = source.m_aSquares[i];
        CSquare& square = m_aSquares[i];
        bLabels = bLabels || (from.m_nKind == ESquareKind::Open && !from.m_strLabel.empty());
        if (!HasAnswer(from))
            m_bHasSolution = FALSE;
        if (from.m_nKind == ESquareKind::Missing) {
            square.m_bMissing = TRUE;
            continue;
        }
        square.m_bBarRight = from.m_bBarRight;
        square.m_bBarBottom = from.m_bBarBottom;
        if (from.m_nColor >= 0)
            square.m_crShade = static_cast<DWORD>(from.m_nColor) & 0xFFFFFF;
        if (from.m_nKind == ESquareKind::Block)
            continue;
        square.m_bBlack = FALSE;
        square.m_bCircled = from.m_bCircled;
        const std::u16string& strAnswer =
            from.m_strSolution.empty() && from.m_bGiven ? from.m_strFill : from.m_strSolution;
        if (!strAnswer.empty())
            square.m_chSolution = strAnswer[0];
        if (strAnswer.size() > 1) {
            const auto [it, bNew] = rebusOfText.emplace(strAnswer, static_cast<int>(m_astrRebus.size()) + 1);
            if (bNew)
                m_astrRebus.push_back(strAnswer);
            square.m_nRebus = it->second;
        }
        if (!from.m_strFill.empty()) {
            square.m_chLetter = from.m_strFill[0];
            square.m_bFilled = TRUE;
            square.m_bGiven = from.m_bGiven;
            // A rebus the player put in is kept whole, and drawn whole.
            if (from.m_strFill.size() > 1)
                square.m_strRebusEntry = from.m_strFill;
        }
    }
    if (bLabels) {
        m_astrLabels.resize(nSquares);
        for (std::size_t i = 0; i < nSquares && i < source.m_aSquares.size(); ++i) {
            if (source.m_aSquares[i].m_nKind == ESquareKind::Open)
                m_astrLabels[i] = source.m_aSquares[i].m_strLabel;
        }
    }
    CountSquares();

    // The grid's own numbering marks where words start; the clues are then
    // put on the words their squares (or, without squares, their numbers) name.
    NumberWords([](int, BOOL) {});
    std::map<int, CPoint> startOfNumber;
    for (int r = 0; r < m_nHeight; ++r) {
        for (int c = 0; c < m_nWidth; ++c) {
            const CSquare* pSquare = SquareAt(c, r);
            const int nNumber = pSquare->m_nAcrossNumber != 0 ? pSquare->m_nAcrossNumber : pSquare->m_nDownNumber;
            if (nNumber != 0)
                startOfNumber.emplace(nNumber, CPoint(c, r));
        }
    }
    for (std::size_t nList = 0; nList < source.m_aLists.size(); ++nList) {
        const CSourceClueList& list = source.m_aLists[nList];
        m_astrClueLists.push_back(list.m_strName);
        for (const CSourceClue& from : list.m_aClues) {
            auto* pClue = new CClue(from.m_strText, 0, IsAcrossClue(list, from));
            pClue->m_strLabel = from.m_strLabel;
            pClue->m_nList = static_cast<int>(nList);
            pClue->m_aCells = from.m_aCells;
            m_lstClues.push_back(pClue);
            if (list.m_nDirection == EClueDirection::Other)
                continue;
            // Without squares of its own, the clue's number is the grid's.
            CPoint ptStart(-1, -1);
            if (!from.m_aCells.empty()) {
                ptStart = from.m_aCells[0];
            } else if (const auto it = startOfNumber.find(from.m_nNumber); it != startOfNumber.end()) {
                ptStart = it->second;
            }
            const CSquare* pStart = SquareAt(ptStart.x, ptStart.y);
            if (pStart != nullptr)
                pClue->m_nNumber = pClue->m_bAcross ? pStart->m_nAcrossNumber : pStart->m_nDownNumber;
        }
    }
}
