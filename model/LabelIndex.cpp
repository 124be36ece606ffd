// SPDX-License-Identifier: MIT
#include "model/LabelIndex.h"

#include "model/SourceText.h"

namespace {

// The number a label spells the one way a number is written (no leading
// zero), or -1: "01" and "1" are different labels.
int PlainNumber(std::u16string_view strLabel)
{
    const int nNumber = LabelNumber(strLabel);
    return nNumber >= 0 && (strLabel.size() == 1 || strLabel[0] != u'0') ? nNumber : -1;
}

}  // namespace

CLabelIndex::CLabelIndex(std::size_t nSquares) : m_anSquareOfNumber(nSquares + 1, 0)
{
}

void CLabelIndex::Add(std::u16string_view strLabel, int nSquare)
{
    const int nNumber = PlainNumber(strLabel);
    if (nNumber >= 0 && static_cast<std::size_t>(nNumber) < m_anSquareOfNumber.size()) {
        int& nAt = m_anSquareOfNumber[static_cast<std::size_t>(nNumber)];
        if (nAt == 0)
            nAt = nSquare + 1;
        return;
    }
    if (Find(strLabel) < 0)
        m_aOthers.emplace_back(strLabel, nSquare);
}

int CLabelIndex::Find(std::u16string_view strLabel) const
{
    const int nNumber = PlainNumber(strLabel);
    if (nNumber >= 0 && static_cast<std::size_t>(nNumber) < m_anSquareOfNumber.size())
        return m_anSquareOfNumber[static_cast<std::size_t>(nNumber)] - 1;
    for (const auto& [strOther, nSquare] : m_aOthers) {
        if (strOther == strLabel)
            return nSquare;
    }
    return -1;
}

namespace {

// nNumber (not negative) in decimal digits, in the buffer's end.
std::u16string_view DigitsOf(int nNumber, char16_t (&szDigits)[12])
{
    char16_t* const pEnd = szDigits + sizeof szDigits / sizeof szDigits[0];
    char16_t* p = pEnd;
    unsigned n = static_cast<unsigned>(nNumber);
    do {
        *--p = static_cast<char16_t>(u'0' + n % 10);
        n /= 10;
    } while (n != 0);
    return std::u16string_view(p, static_cast<std::size_t>(pEnd - p));
}

}  // namespace

void CLabelIndex::AddNumber(int nNumber, int nSquare)
{
    if (nNumber < 0)
        return;
    char16_t szDigits[12];
    Add(DigitsOf(nNumber, szDigits), nSquare);
}

int CLabelIndex::FindNumber(int nNumber) const
{
    if (nNumber < 0)
        return -1;
    if (static_cast<std::size_t>(nNumber) < m_anSquareOfNumber.size())
        return m_anSquareOfNumber[static_cast<std::size_t>(nNumber)] - 1;
    char16_t szDigits[12];
    return Find(DigitsOf(nNumber, szDigits));
}
