// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "model/Types.h"

// One clue; owned by the puzzle, which hands out pointers to it.
class CClue {
public:
    CClue();
    // Takes the text over: a reader hands each text on once.
    CClue(std::u16string strText, int nNumber, BOOL bAcross);
    virtual ~CClue();

    std::u16string m_strText;
    int m_nNumber;
    BOOL m_bAcross;  // 1 across, 0 down
};
