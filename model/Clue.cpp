// SPDX-License-Identifier: MIT
#include "model/Clue.h"

#include <string>
#include <utility>

namespace {

// The decimal digits of a word number, made often enough (a clue per word)
// to skip the formatter.
std::u16string NumberLabel(int nNumber)
{
    const std::string digits = std::to_string(nNumber);
    return std::u16string(digits.begin(), digits.end());
}

}  // namespace

CClue::CClue() : m_nNumber(0), m_bAcross(FALSE), m_nList(1)
{
}

CClue::CClue(std::u16string strText, int nNumber, BOOL bAcross)
    : m_strText(std::move(strText)), m_nNumber(nNumber), m_bAcross(bAcross), m_strLabel(NumberLabel(nNumber)),
      m_nList(bAcross ? 0 : 1)
{
}

CClue::~CClue() = default;
