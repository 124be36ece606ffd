// SPDX-License-Identifier: MIT
#pragma once

// The one rule for where words start, shared by the numbering and by the
// reader, which needs the word count before the squares exist. A word is a
// run of at least two white squares; isBlack must be true outside the grid.

template <class IsBlackFn, class OnStartFn>
void ForEachWordStart(int nWidth, int nHeight, IsBlackFn isBlack, OnStartFn onStart)
{
    for (int r = 0; r < nHeight; ++r) {
        for (int c = 0; c < nWidth; ++c) {
            if (isBlack(c, r))
                continue;
            const bool bAcross = isBlack(c - 1, r) && !isBlack(c + 1, r);
            const bool bDown = isBlack(c, r - 1) && !isBlack(c, r + 1);
            if (bAcross || bDown)
                onStart(c, r, bAcross, bDown);
        }
    }
}
