// SPDX-License-Identifier: MIT
#pragma once

// One small puzzle written in each of the four formats, and zip archives
// made here, for the tests of every layer that open files.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "model/PuzzleSourceReader.h"

namespace trellis::test {

// The 2 x 2 puzzle AB/CD titled "Small", with the clues "ab", "cd" (1 and 3
// across) and "ac", "bd" (1 and 2 down), as a file of the format.
std::string SmallPuzzleBytes(EPuzzleFormat nFormat);

// A zip archive of stored (not compressed) entries, each a name and its
// bytes; nDeclared, when given, is the size every entry claims instead of
// its own.
std::string StoredZip(const std::vector<std::pair<std::string, std::string>>& entries, std::uint32_t nDeclared = 0);

}  // namespace trellis::test
