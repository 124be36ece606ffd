// SPDX-License-Identifier: MIT
#pragma once

// The one rule for where words start, shared by the numbering and by the
// readers, which need the word count before the squares exist. A word is a
// run of at least two white squares; isBlack must be true outside the grid.
// isWordEnd(c, r, bAcross) is true where no word goes on from (c, r) to the
// next square across (or down): a black square on either side, or a bar
// between them in a barred grid.
template <class IsBlackFn, class IsWordEndFn, class OnStartFn>
void ForEachWordStart(int nWidth, int nHeight, IsBlackFn isBlack, IsWordEndFn isWordEnd, OnStartFn onStart)
{
    for (int r = 0; r < nHeight; ++r) {
        for (int c = 0; c < nWidth; ++c) {
            if (isBlack(c, r))
                continue;
            const bool bAcross = isWordEnd(c - 1, r, true) && !isWordEnd(c, r, true);
            const bool bDown = isWordEnd(c, r - 1, false) && !isWordEnd(c, r, false);
            if (bAcross || bDown)
                onStart(c, r, bAcross, bDown);
        }
    }
}

// The same for grids without bars.
template <class IsBlackFn, class OnStartFn>
void ForEachWordStart(int nWidth, int nHeight, IsBlackFn isBlack, OnStartFn onStart)
{
    ForEachWordStart(
        nWidth, nHeight, isBlack,
        [&isBlack](int c, int r, bool bAcross) {
            return isBlack(c, r) || isBlack(bAcross ? c + 1 : c, bAcross ? r : r + 1);
        },
        onStart);
}
