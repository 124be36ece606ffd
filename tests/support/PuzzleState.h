#pragma once

// Small changes to a loaded puzzle and a snapshot of the player's part, for
// tests that type letters or compare before and after.

#include <string>

#include "model/CrossWordPuzzle.h"

namespace trellis::test {

// Puts ch into the square at (c, r) as the player would, filled or not.
void SetLetter(CCrossWordPuzzle& puzzle, int c, int r, char16_t ch, BOOL bFilled = TRUE);

// The filled flag and letter of every square, in grid order.
std::u16string PlayerState(const CCrossWordPuzzle& puzzle);

}  // namespace trellis::test
