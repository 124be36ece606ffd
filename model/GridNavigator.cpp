// SPDX-License-Identifier: MIT
#include "model/GridNavigator.h"

#include "model/CrossWordPuzzle.h"

CPoint CGridNavigator::Step(int nDirection)
{
    return nDirection == DIRECTION_ACROSS ? CPoint(1, 0) : CPoint(0, 1);
}

BOOL CGridNavigator::IsWall(CPoint pt) const
{
    return m_puzzle.IsBlackToPlayer(pt.x, pt.y);
}

// A word is two squares or more. The file's puzzles keep their words in the
// squares' numbers; the player's diagram is looked at anew.
BOOL CGridNavigator::InWord(CPoint pt, int nDirection) const
{
    if (!m_puzzle.m_bDiagramless)
        return nDirection == DIRECTION_ACROSS ? m_puzzle.IsInAcrossWord(pt.x, pt.y) : m_puzzle.IsInDownWord(pt.x, pt.y);
    const CPoint step = Step(nDirection);
    return !IsWall(pt) &&
           (!IsWall(CPoint(pt.x - step.x, pt.y - step.y)) || !IsWall(CPoint(pt.x + step.x, pt.y + step.y)));
}

BOOL CGridNavigator::StartsWord(CPoint pt, int nDirection) const
{
    if (!m_puzzle.m_bDiagramless) {
        const CSquare square = m_puzzle.GetSquare(pt.x, pt.y);
        return (nDirection == DIRECTION_ACROSS ? square.m_nAcrossNumber : square.m_nDownNumber) != 0;
    }
    const CPoint step = Step(nDirection);
    return !IsWall(pt) && IsWall(CPoint(pt.x - step.x, pt.y - step.y)) && !IsWall(CPoint(pt.x + step.x, pt.y + step.y));
}

CPoint CGridNavigator::WordStartOf(CPoint pt, int nDirection) const
{
    if (!m_puzzle.m_bDiagramless)
        return nDirection == DIRECTION_ACROSS ? m_puzzle.GetAcrossStart(pt.x, pt.y) : m_puzzle.GetDownStart(pt.x, pt.y);
    if (!InWord(pt, nDirection))
        return CPoint(-1, -1);
    const CPoint step = Step(nDirection);
    while (!IsWall(CPoint(pt.x - step.x, pt.y - step.y)))
        pt.Offset(-step.x, -step.y);
    return pt;
}

int CGridNavigator::NumberOf(CPoint ptStart, int nDirection) const
{
    if (!IsInside(ptStart) || !StartsWord(ptStart, nDirection))
        return 0;
    if (!m_puzzle.m_bDiagramless) {
        const CSquare square = m_puzzle.GetSquare(ptStart.x, ptStart.y);
        return nDirection == DIRECTION_ACROSS ? square.m_nAcrossNumber : square.m_nDownNumber;
    }
    // Every square that starts a word of either direction takes the next
    // number, in reading order.
    int nNumber = 0;
    for (int nRow = 0; nRow <= ptStart.y; nRow++) {
        for (int nCol = 0; nCol < m_puzzle.m_nWidth && (nRow < ptStart.y || nCol <= ptStart.x); nCol++) {
            const CPoint pt(nCol, nRow);
            if (StartsWord(pt, DIRECTION_ACROSS) || StartsWord(pt, DIRECTION_DOWN))
                ++nNumber;
        }
    }
    return nNumber;
}

CGridSelection CGridNavigator::First() const
{
    for (int nRow = 0; nRow < m_puzzle.m_nHeight; nRow++) {
        for (int nCol = 0; nCol < m_puzzle.m_nWidth; nCol++) {
            if (!IsWall(CPoint(nCol, nRow)))
                return {DIRECTION_ACROSS, CPoint(nCol, nRow), CPoint(nCol, nRow)};
        }
    }
    return {};
}

BOOL CGridNavigator::IsInside(CPoint pt) const
{
    return pt.x >= 0 && pt.y >= 0 && pt.x < m_puzzle.m_nWidth && pt.y < m_puzzle.m_nHeight;
}

BOOL CGridNavigator::HasSelection(const CGridSelection& sel) const
{
    return sel.m_nDirection != DIRECTION_NONE && IsInside(sel.m_ptSelected);
}

CGridSelection CGridNavigator::Tap(const CGridSelection& sel, CPoint ptTap) const
{
    // A missing square is no square to select.
    if (!IsInside(ptTap) || m_puzzle.IsMissing(ptTap.x, ptTap.y))
        return sel;
    int nNewDirection = -1;
    CPoint ptStart;
    if (ptTap == sel.m_ptSelected) {
        if (sel.m_nDirection == DIRECTION_DOWN && InWord(ptTap, DIRECTION_ACROSS)) {
            nNewDirection = DIRECTION_ACROSS;
            ptStart = WordStartOf(ptTap, DIRECTION_ACROSS);
        } else if (sel.m_nDirection == DIRECTION_ACROSS && InWord(ptTap, DIRECTION_DOWN)) {
            nNewDirection = DIRECTION_DOWN;
            ptStart = WordStartOf(ptTap, DIRECTION_DOWN);
        } else {
            return sel;
        }
    } else if (!IsWall(ptTap)) {
        // Keep the current direction where the square has a word in it.
        const BOOL bDown =
            sel.m_nDirection == DIRECTION_DOWN ? InWord(ptTap, DIRECTION_DOWN) : !InWord(ptTap, DIRECTION_ACROSS);
        nNewDirection = bDown ? DIRECTION_DOWN : DIRECTION_ACROSS;
        ptStart = WordStartOf(ptTap, nNewDirection);
    }
    if (nNewDirection == -1 || ptStart.x == -1 || ptStart.y == -1)
        return {sel.m_nDirection, sel.m_ptWordStart, ptTap};
    return {nNewDirection, ptStart, ptTap};
}

CGridSelection CGridNavigator::Turn(const CGridSelection& sel) const
{
    return HasSelection(sel) ? Tap(sel, sel.m_ptSelected) : sel;
}

CGridSelection CGridNavigator::Arrow(const CGridSelection& sel, int nDx, int nDy) const
{
    if (!HasSelection(sel))
        return sel;
    const BOOL bAlong = (nDx != 0) == (sel.m_nDirection == DIRECTION_ACROSS);
    if (!bAlong) {
        const CGridSelection turned = Tap(sel, sel.m_ptSelected);
        if (turned != sel)
            return turned;
    }
    // The black squares of a diagramless puzzle are the player's to change:
    // the arrows stop on them too.
    CPoint pt = sel.m_ptSelected;
    do {
        pt.Offset(nDx, nDy);
    } while (IsInside(pt) && !m_puzzle.m_bDiagramless && IsWall(pt));
    return IsInside(pt) ? Tap(sel, pt) : sel;
}

CGridSelection CGridNavigator::NextWord(const CGridSelection& sel, BOOL bForward) const
{
    if (!HasSelection(sel))
        return sel;
    // Positions in clue order: the across starts of every square in reading
    // order (the order of their numbers), then the down starts. The walk
    // begins at the selected word's first square, which need not start a word.
    const long nWidth = m_puzzle.m_nWidth;
    const long nSquares = nWidth * m_puzzle.m_nHeight;
    const long nPositions = 2 * nSquares;
    const long nCurrent =
        (sel.m_nDirection == DIRECTION_ACROSS ? 0 : nSquares) + sel.m_ptWordStart.y * nWidth + sel.m_ptWordStart.x;
    for (long n = 1; n <= nPositions; n++) {
        const long i = ((nCurrent + (bForward ? n : -n)) % nPositions + nPositions) % nPositions;
        const int nDirection = i < nSquares ? DIRECTION_ACROSS : DIRECTION_DOWN;
        const CPoint ptStart(static_cast<int>(i % nSquares % nWidth), static_cast<int>(i % nSquares / nWidth));
        if (!StartsWord(ptStart, nDirection))
            continue;
        const CPoint step = Step(nDirection);
        CPoint pt = ptStart;
        for (int nLeft = WordLength(ptStart, nDirection); nLeft > 0; --nLeft, pt.Offset(step.x, step.y)) {
            if (!m_puzzle.IsFilled(pt.x, pt.y))
                return {nDirection, ptStart, pt};
        }
        return {nDirection, ptStart, ptStart};
    }
    return sel;
}

CGridSelection CGridNavigator::StepBack(const CGridSelection& sel) const
{
    if (!HasSelection(sel))
        return sel;
    // The selected square must lie in the word past its first square.
    const CPoint step = Step(sel.m_nDirection);
    CPoint pt = sel.m_ptWordStart;
    for (int nLeft = WordLength(sel.m_ptWordStart, sel.m_nDirection); nLeft > 1; --nLeft) {
        const CPoint ptPrevious = pt;
        pt.Offset(step.x, step.y);
        if (pt == sel.m_ptSelected)
            return {sel.m_nDirection, sel.m_ptWordStart, ptPrevious};
    }
    return sel;
}

CPoint CGridNavigator::Advance(const CGridSelection& sel) const
{
    const BOOL bAcross = sel.m_nDirection == DIRECTION_ACROSS;
    const CPoint step = Step(sel.m_nDirection);
    CPoint pt = sel.m_ptSelected;
    // Filled squares are skipped, across except a checked wrong one. A bar
    // stops the walk as a black square does.
    do {
        if (HasBarAfter(pt, sel.m_nDirection))
            return sel.m_ptSelected;
        pt.Offset(step.x, step.y);
    } while (m_puzzle.IsFilled(pt.x, pt.y) && !(bAcross && m_puzzle.IsIncorrect(pt.x, pt.y)) && !IsWall(pt));
    return IsWall(pt) ? sel.m_ptSelected : pt;
}

int CGridNavigator::WordLength(CPoint ptStart, int nDirection) const
{
    const CPoint step = Step(nDirection);
    int nLength = 1;
    for (CPoint pt = ptStart; !HasBarAfter(pt, nDirection) && !IsWall(CPoint(pt.x + step.x, pt.y + step.y));
         pt.Offset(step.x, step.y))
        ++nLength;
    return nLength;
}

BOOL CGridNavigator::HasBarAfter(CPoint pt, int nDirection) const
{
    if (!IsInside(pt))
        return FALSE;
    const CSquare square = m_puzzle.GetSquare(pt.x, pt.y);
    return nDirection == DIRECTION_ACROSS ? square.m_bBarRight : square.m_bBarBottom;
}
