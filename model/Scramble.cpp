// SPDX-License-Identifier: MIT
#include "model/Scramble.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

constexpr int kKeys = 10000;
constexpr int kRounds = 4;

using Digits = std::array<int, kRounds>;

Digits DigitsOf(int nKey)
{
    return {nKey / 1000 % 10, nKey / 100 % 10, nKey / 10 % 10, nKey % 10};
}

// For each digit d, every byte shifted back by d places when it is a capital
// letter and kept otherwise.
using ShiftTable = std::array<std::array<BYTE, 256>, 10>;

const ShiftTable& BackShifts()
{
    static const ShiftTable table = [] {
        ShiftTable t {};
        for (int d = 0; d < 10; ++d) {
            for (int b = 0; b < 256; ++b) {
                const bool bLetter = b >= 'A' && b <= 'Z';
                t[d][b] = static_cast<BYTE>(bLetter ? 'A' + (b - 'A' + 26 - d) % 26 : b);
            }
        }
        return t;
    }();
    return table;
}

// Undoing one round is a gather: the letter that ends at position t comes
// from position aSource[d][t], where the round rotated by digit d after
// interleaving the two halves. Then each letter goes back by the digit of
// its position. Grids hold at most 255 x 255 squares, so positions fit in
// 16 bits.
class Unscrambler {
public:
    explicit Unscrambler(std::size_t nCount) : m_nCount(nCount), m_work(nCount)
    {
        const std::size_t nHalf = nCount / 2;
        for (std::size_t d = 0; d < 10; ++d) {
            m_aSource[d].resize(nCount);
            for (std::size_t t = 0; t < nCount; ++t) {
                // Before the rotation the odd positions came first, then the even ones.
                const std::size_t u = (t + nCount - d % nCount) % nCount;
                m_aSource[d][t] = static_cast<std::uint16_t>(u < nHalf ? 2 * u + 1 : 2 * (u - nHalf));
            }
        }
    }

    void Run(BYTE* pLetters, const Digits& digits)
    {
        const ShiftTable& shifts = BackShifts();
        const BYTE* apShift[kRounds] = {shifts[digits[0]].data(), shifts[digits[1]].data(), shifts[digits[2]].data(),
                                        shifts[digits[3]].data()};
        for (int i = kRounds - 1; i >= 0; --i) {
            const std::uint16_t* pSource = m_aSource[digits[static_cast<std::size_t>(i)]].data();
            for (std::size_t t = 0; t < m_nCount; ++t)
                m_work[t] = apShift[t % kRounds][pLetters[pSource[t]]];
            std::copy(m_work.begin(), m_work.end(), pLetters);
        }
    }

private:
    std::size_t m_nCount;
    std::vector<BYTE> m_work;
    std::array<std::vector<std::uint16_t>, 10> m_aSource;
};

}  // namespace

WORD RegionChecksum(const BYTE* pBytes, std::size_t nCount, WORD wSum)
{
    for (std::size_t i = 0; i < nCount; ++i) {
        wSum = static_cast<WORD>((wSum & 1) != 0 ? (wSum >> 1) | 0x8000 : wSum >> 1);
        wSum = static_cast<WORD>(wSum + pBytes[i]);
    }
    return wSum;
}

void Unscramble(BYTE* pLetters, std::size_t nCount, int nKey)
{
    Unscrambler(nCount).Run(pLetters, DigitsOf(nKey));
}

std::vector<int> FindKeys(const BYTE* pLetters, std::size_t nCount, WORD wChecksum)
{
    Unscrambler unscrambler(nCount);
    std::vector<BYTE> letters(nCount);
    std::vector<int> keys;
    for (int nKey = 0; nKey < kKeys; ++nKey) {
        std::copy(pLetters, pLetters + nCount, letters.begin());
        unscrambler.Run(letters.data(), DigitsOf(nKey));
        if (RegionChecksum(letters.data(), nCount) == wChecksum)
            keys.push_back(nKey);
    }
    return keys;
}
