// SPDX-License-Identifier: MIT
#pragma once

// Choosing among the keys that unlock a puzzle: several keys can give
// answers with the stored checksum, but only the right one gives words. The
// answers that read most like the puzzle's own clues win, judged by how
// often each pair of letters follows another in those clues. Standard C++ only.

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "model/Types.h"

// The pairs of letters (A to Z, either case) that follow each other inside
// the words of some texts, counted.
class CLetterPairs {
public:
    void AddText(const std::u16string& strText);
    // How likely the pair is in the texts, as a logarithm: every pair, also
    // one the texts never hold, has a share.
    double LogLikelihood(BYTE chFirst, BYTE chSecond) const;

private:
    std::array<long, 26 * 26> m_aCounts {};
    long m_nTotal = 0;
};

// Of the keys, the one whose unscrambled letters (the answers of the white
// squares, column by column) read most like the texts: the sum over every
// word of the likelihood of its letter pairs. A word is the positions of its
// letters in that column order. The first of equal keys wins; -1 for no key.
int ChooseKey(const std::string& scrambled, const std::vector<int>& keys,
              const std::vector<std::vector<std::size_t>>& words, const CLetterPairs& pairs);
