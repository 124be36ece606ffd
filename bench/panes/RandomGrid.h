// SPDX-License-Identifier: MIT
#pragma once

// The grids of the pane benchmarks: square, about one black square in six,
// answers at random, and the top left corner white for a first word.

#include <random>
#include <string>
#include <vector>

inline std::vector<std::string> RandomGrid(int nSize, std::mt19937& random)
{
    std::vector<std::string> rows(static_cast<std::size_t>(nSize), std::string(static_cast<std::size_t>(nSize), 'A'));
    for (auto& row : rows)
        for (char& ch : row)
            ch = random() % 6 == 0 ? '#' : static_cast<char>('A' + random() % 26);
    rows[0][0] = rows[0][1] = rows[1][0] = 'A';
    return rows;
}
