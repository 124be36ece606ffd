// SPDX-License-Identifier: MIT
#include "model/Square.h"

CSquare::CSquare() : CSquare(TRUE)
{
}

CSquare::CSquare(BOOL bBlack)
    : m_bBlack(bBlack), m_bFilled(FALSE), m_bChecked(FALSE), m_nDownNumber(0), m_nAcrossNumber(0), m_chSolution(0),
      m_chLetter(0), m_bCircled(FALSE), m_nRebus(0), m_bShown(FALSE), m_bMissing(false), m_bBarRight(false),
      m_bBarBottom(false), m_bGiven(false), m_crShade(kNoShade), m_bWasIncorrect(FALSE), m_bPencil(false),
      m_bMarkedBlack(false)
{
}

CSquare::~CSquare() = default;

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
