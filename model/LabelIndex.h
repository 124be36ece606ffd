// SPDX-License-Identifier: MIT
#pragma once

// Where each label of a grid stands: the first square, row by row, that
// shows it. Labels are texts, but nearly all of them are word numbers,
// which are kept by their value in an array rather than compared as texts.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class CLabelIndex {
public:
    // For a grid of nSquares squares: numbers up to that many are kept by value.
    explicit CLabelIndex(std::size_t nSquares);

    // Records that square nSquare shows the label, unless an earlier square does.
    void Add(std::u16string_view strLabel, int nSquare);
    // The same for the label that spells nNumber in decimal digits.
    void AddNumber(int nNumber, int nSquare);
    // The square that shows the label, or -1.
    int Find(std::u16string_view strLabel) const;
    // The square that shows nNumber in decimal digits, or -1.
    int FindNumber(int nNumber) const;

private:
    // 1 + the square of each number that is a label, 0 for none.
    std::vector<int> m_anSquareOfNumber;
    // Every other label: letters, leading zeros, large numbers.
    std::vector<std::pair<std::u16string, int>> m_aOthers;
};
