// SPDX-License-Identifier: MIT
#pragma once

// The one rule for where words start, shared by the numbering and by the
// readers, which need the word count before the squares exist. A word is a
// run of at least two white squares; isBlack must be true outside the grid.
// hasBarAfter(c, r, bAcross) is true where a bar stands between (c, r) and
// the next square across (or down): it ends the word as a black square does.
template <class IsBlackFn, class HasBarAfterFn, class OnStartFn>
void ForEachWordStart(int nWidth, int nHeight, IsBlackFn isBlack, HasBarAfterFn hasBarAfter, OnStartFn onStart)
{
    for (int r = 0; r < nHeight; ++r) {
        for (int c = 0; c < nWidth; ++c) {
            if (isBlack(c, r))
                continue;
            const bool bAcross =
                (isBlack(c - 1, r) || hasBarAfter(c - 1, r, true)) && !isBlack(c + 1, r) && !hasBarAfter(c, r, true);
            const bool bDown =
                (isBlack(c, r - 1) || hasBarAfter(c, r - 1, false)) && !isBlack(c, r + 1) && !hasBarAfter(c, r, false);
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
        nWidth, nHeight, isBlack, [](int, int, bool) { return false; }, onStart);
}
