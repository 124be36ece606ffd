// SPDX-License-Identifier: MIT
#pragma once

// The clues of a puzzle as two lists, across and down, in the order the
// puzzle holds them, each with the word it belongs to; and, for every square,
// which entry of each list holds the word through it. Built once per puzzle,
// so that looking up a square's words costs the same on every grid size.

#include "model/Types.h"

#include <vector>

class CClue;
class CCrossWordPuzzle;

// One clue of a list and its word: the first square and the number of
// squares, or a length of 0 when the grid has no word with its number.
struct CClueEntry {
    const CClue* m_pClue = nullptr;
    CPoint m_ptStart;
    int m_nLength = 0;
};

class CClueIndex {
public:
    static constexpr int NO_ENTRY = -1;

    CClueIndex() = default;
    explicit CClueIndex(const CCrossWordPuzzle& puzzle) { Build(puzzle); }

    // Reads the clues and the words of the puzzle afresh; the index keeps
    // pointers to its clues, which live as long as the puzzle.
    void Build(const CCrossWordPuzzle& puzzle);
    void Clear();

    // The across (DIRECTION_ACROSS) or down list.
    const std::vector<CClueEntry>& Entries(int nDirection) const;
    // The entry of the list whose word holds the square, or NO_ENTRY (black
    // squares, squares in no word of that direction, squares outside the grid).
    int EntryAt(int nDirection, CPoint pt) const;
    // The entry whose word starts at the square, or NO_ENTRY.
    int EntryStartingAt(int nDirection, CPoint pt) const;
    // The first entry of the list whose clue has the number, or NO_ENTRY.
    int EntryNumbered(int nDirection, int nNumber) const;
    // Every square of the entry's word holds a letter; FALSE for an entry
    // without a word.
    BOOL IsFilled(const CCrossWordPuzzle& puzzle, int nDirection, int nEntry) const;

private:
    int Slot(CPoint pt) const;

    int m_nWidth = 0;
    int m_nHeight = 0;
    std::vector<CClueEntry> m_aEntries[2];
    // Per square, row by row: the entry of each list holding its word.
    std::vector<int> m_aSquareEntries[2];
};
