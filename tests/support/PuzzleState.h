// SPDX-License-Identifier: MIT
#pragma once

// Small changes to a loaded puzzle and views of it for assertions: the
// player's part of the squares, the clue list.

#include <cstddef>
#include <string>
#include <vector>

#include "model/CrossWordPuzzle.h"
#include "model/GridNavigator.h"

namespace trellis::test {

// Puts ch into the square at (c, r) as the player would, filled or not.
void SetLetter(CCrossWordPuzzle& puzzle, int c, int r, char16_t ch, BOOL bFilled = TRUE);

// The filled flag and letter of every square, in grid order.
std::u16string PlayerState(const CCrossWordPuzzle& puzzle);

// The answers of the white squares, row by row, as bytes.
std::string WhiteAnswers(const CCrossWordPuzzle& puzzle);

// "1A:text" for each clue in list order (text in UTF-8).
std::vector<std::string> ClueLabels(const CCrossWordPuzzle& puzzle);

// The n-th clue of the list, counted from 0; the list must be long enough.
const CClue& ClueAt(const CCrossWordPuzzle& puzzle, std::size_t n);

// A selection written "3,1 A 2,1": square (3,1) selected in the across
// word from (2,1); "D" for a down word; "none" for no selection. Other text
// throws std::invalid_argument.
CGridSelection SelectionFrom(const std::string& text);
std::string SelectionText(const CGridSelection& sel);

}  // namespace trellis::test
