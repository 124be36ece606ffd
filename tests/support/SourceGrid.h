// SPDX-License-Identifier: MIT
#pragma once

// Puzzles of the newer formats for tests, from grids written as strings:
// squares that do not exist, bars, and the clue lists a file would give.

#include <memory>
#include <string>
#include <vector>

#include "model/PuzzleSource.h"

class CCrossWordPuzzle;

namespace trellis::test {

// One string per row, a character per square: '#' a block, ' ' a square
// that does not exist, '.' an open square whose answer the file does not
// give, any other character an open square with that answer. A square may
// be followed by '|', a bar on its right, and '_', a bar below it.
CPuzzleSource SourceGrid(const std::vector<std::string>& rows);

// A list of clues for the source, each "label:text"; cells are added with
// Cells() on the clue returned.
CSourceClueList& AddList(CPuzzleSource& source, const std::string& name, EClueDirection nDirection,
                         const std::vector<std::string>& clues);

// The source loaded into a new puzzle, as the program loads a file.
std::unique_ptr<CCrossWordPuzzle> LoadSourceGrid(const CPuzzleSource& source);
std::unique_ptr<CCrossWordPuzzle> LoadSourceGrid(const std::vector<std::string>& rows);

// The puzzle's grid as rows: the label drawn in each square in brackets
// ("[1]"), '#' for a black square, ' ' for a missing one and '.' for an
// open square without a label, so tables can state the numbering whole.
std::vector<std::string> LabelRows(const CCrossWordPuzzle& puzzle);

}  // namespace trellis::test
