// SPDX-License-Identifier: MIT
#include "model/Clue.h"

#include <utility>

CClue::CClue() : m_nNumber(0), m_bAcross(FALSE)
{
}

CClue::CClue(std::u16string strText, int nNumber, BOOL bAcross)
    : m_strText(std::move(strText)), m_nNumber(nNumber), m_bAcross(bAcross)
{
}

CClue::~CClue() = default;
