// SPDX-License-Identifier: MIT
#pragma once

// Locked puzzles: publishers scramble the answers with a key of four digits
// and keep a checksum of the real ones. Standard C++ only.

#include <cstddef>
#include <vector>

#include "model/Types.h"

// The checksum puzzle files use for their regions and sections.
WORD RegionChecksum(const BYTE* pBytes, std::size_t nCount, WORD wSum = 0);

// Unscrambles the answers of the white squares, taken column by column, with
// a key from 0 to 9999 (its four decimal digits). Only A to Z are shifted.
void Unscramble(BYTE* pLetters, std::size_t nCount, int nKey);

// Every key whose unscrambled letters have the checksum, in rising order.
std::vector<int> FindKeys(const BYTE* pLetters, std::size_t nCount, WORD wChecksum);
