// SPDX-License-Identifier: MIT
#include "model/KeyChoice.h"

#include <cmath>
#include <limits>

#include "model/Scramble.h"

namespace {

// 0 to 25 for a letter, -1 for anything else.
int LetterIndex(char16_t ch)
{
    if (ch >= u'a' && ch <= u'z')
        return ch - u'a';
    if (ch >= u'A' && ch <= u'Z')
        return ch - u'A';
    return -1;
}

}  // namespace

void CLetterPairs::AddText(const std::u16string& strText)
{
    int nBefore = -1;
    for (const char16_t ch : strText) {
        const int n = LetterIndex(ch);
        if (n >= 0 && nBefore >= 0) {
            ++m_aCounts[static_cast<std::size_t>(nBefore * 26 + n)];
            ++m_nTotal;
        }
        nBefore = n;
    }
}

double CLetterPairs::LogLikelihood(BYTE chFirst, BYTE chSecond) const
{
    const int nFirst = LetterIndex(chFirst), nSecond = LetterIndex(chSecond);
    // Half a count for each pair: a pair the clues lack is rare, not impossible.
    constexpr double kPrior = 0.5;
    const double nCount = nFirst < 0 || nSecond < 0
                              ? 0.0
                              : static_cast<double>(m_aCounts[static_cast<std::size_t>(nFirst * 26 + nSecond)]);
    return std::log((nCount + kPrior) / (static_cast<double>(m_nTotal) + kPrior * 26 * 26));
}

int ChooseKey(const std::string& scrambled, const std::vector<int>& keys,
              const std::vector<std::vector<std::size_t>>& words, const CLetterPairs& pairs)
{
    int nBest = -1;
    double nBestScore = -std::numeric_limits<double>::infinity();
    std::string letters;
    for (const int nKey : keys) {
        letters = scrambled;
        Unscramble(reinterpret_cast<BYTE*>(letters.data()), letters.size(), nKey);
        double nScore = 0;
        for (const std::vector<std::size_t>& word : words) {
            for (std::size_t i = 1; i < word.size(); ++i) {
                if (word[i - 1] < letters.size() && word[i] < letters.size())
                    nScore += pairs.LogLikelihood(static_cast<BYTE>(letters[word[i - 1]]),
                                                  static_cast<BYTE>(letters[word[i]]));
            }
        }
        if (nBest < 0 || nScore > nBestScore) {
            nBest = nKey;
            nBestScore = nScore;
        }
    }
    return nBest;
}
