// SPDX-License-Identifier: MIT
#include "model/ClueIndex.h"

#include "model/CrossWordPuzzle.h"
#include "model/GridNavigator.h"

#include <unordered_map>

namespace {

bool IsListDirection(int nDirection)
{
    return nDirection == DIRECTION_ACROSS || nDirection == DIRECTION_DOWN;
}

}  // namespace

void CClueIndex::Clear()
{
    m_nWidth = 0;
    m_nHeight = 0;
    for (int nDirection : {DIRECTION_DOWN, DIRECTION_ACROSS}) {
        m_aEntries[nDirection].clear();
        m_aSquareEntries[nDirection].clear();
    }
}

void CClueIndex::Build(const CCrossWordPuzzle& puzzle)
{
    Clear();
    if (puzzle.m_nWidth <= 0 || puzzle.m_nHeight <= 0)
        return;
    m_nWidth = puzzle.m_nWidth;
    m_nHeight = puzzle.m_nHeight;

    // Where the words of each number start: the first square in reading
    // order that carries it, as the clue lookups of the puzzle find it.
    std::unordered_map<int, CPoint> starts[2];
    for (int nRow = 0; nRow < m_nHeight; nRow++) {
        for (int nCol = 0; nCol < m_nWidth; nCol++) {
            const CSquare square = puzzle.GetSquare(nCol, nRow);
            if (square.m_bBlack)
                continue;
            if (square.m_nAcrossNumber != 0)
                starts[DIRECTION_ACROSS].emplace(square.m_nAcrossNumber, CPoint(nCol, nRow));
            if (square.m_nDownNumber != 0)
                starts[DIRECTION_DOWN].emplace(square.m_nDownNumber, CPoint(nCol, nRow));
        }
    }

    const std::size_t nSquares = static_cast<std::size_t>(m_nWidth) * static_cast<std::size_t>(m_nHeight);
    for (int nDirection : {DIRECTION_DOWN, DIRECTION_ACROSS}) {
        m_aSquareEntries[nDirection].assign(nSquares, NO_ENTRY);
    }
    for (const CClue* pClue : puzzle.m_lstClues) {
        // The clues of a list that is neither across nor down name regions,
        // not words of the grid.
        const std::size_t nList = static_cast<std::size_t>(pClue->m_nList);
        if (nList < puzzle.m_anClueListDirection.size() && puzzle.m_anClueListDirection[nList] != DIRECTION_ACROSS &&
            puzzle.m_anClueListDirection[nList] != DIRECTION_DOWN)
            continue;
        const int nDirection = pClue->m_bAcross ? DIRECTION_ACROSS : DIRECTION_DOWN;
        std::vector<CClueEntry>& entries = m_aEntries[nDirection];
        CClueEntry entry;
        entry.m_pClue = pClue;
        const auto found = starts[nDirection].find(pClue->m_nNumber);
        if (found != starts[nDirection].end()) {
            entry.m_ptStart = found->second;
            // The file's word, also where the player sees another grid (a
            // diagramless puzzle).
            const BOOL bAcross = nDirection == DIRECTION_ACROSS;
            const CPoint step = CGridNavigator::Step(nDirection);
            entry.m_nLength = 1;
            for (CPoint pt = entry.m_ptStart; !puzzle.IsWordEnd(pt.x, pt.y, bAcross); pt.Offset(step.x, step.y))
                ++entry.m_nLength;
        }
        const int nEntry = static_cast<int>(entries.size());
        entries.push_back(entry);
        // A second clue with the same number shares the word, which stays
        // the first one's, as the clue lookups of the puzzle give it.
        std::vector<int>& slots = m_aSquareEntries[nDirection];
        if (entry.m_nLength == 0 || slots[static_cast<std::size_t>(Slot(entry.m_ptStart))] != NO_ENTRY)
            continue;
        const CPoint step = CGridNavigator::Step(nDirection);
        CPoint pt = entry.m_ptStart;
        for (int i = 0; i < entry.m_nLength; i++, pt.Offset(step.x, step.y))
            slots[static_cast<std::size_t>(Slot(pt))] = nEntry;
    }
}

const std::vector<CClueEntry>& CClueIndex::Entries(int nDirection) const
{
    static const std::vector<CClueEntry> none;
    return IsListDirection(nDirection) ? m_aEntries[nDirection] : none;
}

int CClueIndex::Slot(CPoint pt) const
{
    if (pt.x < 0 || pt.y < 0 || pt.x >= m_nWidth || pt.y >= m_nHeight)
        return -1;
    return pt.y * m_nWidth + pt.x;
}

int CClueIndex::EntryAt(int nDirection, CPoint pt) const
{
    const int nSlot = Slot(pt);
    if (!IsListDirection(nDirection) || nSlot < 0)
        return NO_ENTRY;
    return m_aSquareEntries[nDirection][static_cast<std::size_t>(nSlot)];
}

int CClueIndex::EntryStartingAt(int nDirection, CPoint pt) const
{
    const int nEntry = EntryAt(nDirection, pt);
    if (nEntry == NO_ENTRY || m_aEntries[nDirection][static_cast<std::size_t>(nEntry)].m_ptStart != pt)
        return NO_ENTRY;
    return nEntry;
}

BOOL CClueIndex::IsFilled(const CCrossWordPuzzle& puzzle, int nDirection, int nEntry) const
{
    const std::vector<CClueEntry>& entries = Entries(nDirection);
    if (nEntry < 0 || nEntry >= static_cast<int>(entries.size()))
        return FALSE;
    const CClueEntry& entry = entries[static_cast<std::size_t>(nEntry)];
    if (entry.m_nLength == 0)
        return FALSE;
    const CPoint step = CGridNavigator::Step(nDirection);
    CPoint pt = entry.m_ptStart;
    for (int i = 0; i < entry.m_nLength; i++, pt.Offset(step.x, step.y)) {
        if (!puzzle.IsFilled(pt.x, pt.y))
            return FALSE;
    }
    return TRUE;
}

int CClueIndex::EntryNumbered(int nDirection, int nNumber) const
{
    const std::vector<CClueEntry>& entries = Entries(nDirection);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].m_pClue != nullptr && entries[i].m_pClue->m_nNumber == nNumber && nNumber != 0)
            return static_cast<int>(i);
    }
    return NO_ENTRY;
}
