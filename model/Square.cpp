// SPDX-License-Identifier: MIT
#include "model/Square.h"

BOOL CSquare::IsIncorrect() const
{
    if (m_bMarkedBlack)
        return m_bChecked && !m_bBlack;
    return m_bChecked && m_chSolution != m_chLetter;
}

void CSquare::CopyPlayerPart(const CSquare& other)
{
    m_bFilled = other.m_bFilled;
    m_chLetter = other.m_chLetter;
    m_bChecked = other.m_bChecked;
    m_bShown = other.m_bShown;
    m_bWasIncorrect = other.m_bWasIncorrect;
    m_strRebusEntry = other.m_strRebusEntry;
    m_bPencil = other.m_bPencil;
    m_bMarkedBlack = other.m_bMarkedBlack;
}
