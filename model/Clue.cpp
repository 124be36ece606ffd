// SPDX-License-Identifier: MIT
#include "model/Clue.h"

#include <algorithm>
#include <string>
#include <utility>

namespace {

// The decimal digits of a word number, written straight into the label: a
// clue is made for every word.
void SetNumberLabel(std::u16string& strLabel, int nNumber)
{
    char16_t szDigits[12];
    char16_t* const pEnd = szDigits + sizeof szDigits / sizeof szDigits[0];
    char16_t* p = pEnd;
    unsigned n = nNumber < 0 ? 0u - static_cast<unsigned>(nNumber) : static_cast<unsigned>(nNumber);
    do {
        *--p = static_cast<char16_t>(u'0' + n % 10);
        n /= 10;
    } while (n != 0);
    if (nNumber < 0)
        *--p = u'-';
    // The label is new and short: it is written where it stands.
    strLabel.resize(static_cast<std::size_t>(pEnd - p));
    std::copy(p, pEnd, strLabel.begin());
}

}  // namespace

CClue::CClue() : m_nNumber(0), m_bAcross(FALSE), m_nList(1)
{
}

CClue::CClue(std::u16string strText, int nNumber, BOOL bAcross)
    : m_strText(std::move(strText)), m_nNumber(nNumber), m_bAcross(bAcross), m_nList(bAcross ? 0 : 1)
{
    SetNumberLabel(m_strLabel, nNumber);
}
