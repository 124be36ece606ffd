// SPDX-License-Identifier: MIT
#include "model/Clue.h"

#include <utility>

#include "model/Format.h"

CClue::CClue() : m_nNumber(0), m_bAcross(FALSE), m_nList(1)
{
}

CClue::CClue(std::u16string strText, int nNumber, BOOL bAcross)
    : m_strText(std::move(strText)), m_nNumber(nNumber), m_bAcross(bAcross), m_strLabel(FormatText(u"%d", nNumber)),
      m_nList(bAcross ? 0 : 1)
{
}

CClue::~CClue() = default;
