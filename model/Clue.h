// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "model/Types.h"

// One clue; owned by the puzzle, which hands out pointers to it.
class CClue {
public:
    CClue();
    // Takes the text over: a reader hands each text on once.
    CClue(std::u16string strText, int nNumber, BOOL bAcross);
    // Inline, as the puzzle destroys a clue for every word at once.
    virtual ~CClue() = default;

    std::u16string m_strText;
    int m_nNumber;
    BOOL m_bAcross;  // 1 across, 0 down

    // The label shown for the clue: the number as text for a .puz file; any
    // text the newer formats give ("2-3", "A", "•") or none.
    std::u16string m_strLabel;
    // Index of the clue's list in the puzzle's m_astrClueLists (0 across,
    // 1 down for a .puz file).
    int m_nList;
    // The squares the file names for the clue (x the column, y the row), in
    // order; empty when it names none (always for a .puz file).
    std::vector<CPoint> m_aCells;
};
