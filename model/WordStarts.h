// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>

// The one rule for where words start, shared by the numbering and by the
// readers, which need the word count before the squares exist. A word is a
// run of at least two white squares; isBlack must be true outside the grid.
// hasBarAfter(c, r, bAcross) is true where a bar stands between (c, r) and
// the next square across (or down): it ends the word as a black square does.
template <class IsBlackFn, class HasBarAfterFn, class OnStartFn>
void ForEachWordStart(int nWidth, int nHeight, IsBlackFn isBlack, HasBarAfterFn hasBarAfter, OnStartFn onStart)
{
    for (int r = 0; r < nHeight; ++r) {
        // Along the row, each square's colour is asked once and kept for
        // its neighbours.
        bool bLeftBlack = true;
        bool bBlack = isBlack(0, r);
        for (int c = 0; c < nWidth; ++c) {
            const bool bRightBlack = isBlack(c + 1, r);
            if (!bBlack) {
                const bool bAcross =
                    (bLeftBlack || hasBarAfter(c - 1, r, true)) && !bRightBlack && !hasBarAfter(c, r, true);
                const bool bDown = (isBlack(c, r - 1) || hasBarAfter(c, r - 1, false)) && !isBlack(c, r + 1) &&
                                   !hasBarAfter(c, r, false);
                if (bAcross || bDown)
                    onStart(c, r, bAcross, bDown);
            }
            bLeftBlack = bBlack;
            bBlack = bRightBlack;
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

// The same rule over a whole row-major grid that the caller holds, asked by
// index (row * nWidth + column, always inside the grid): no bounds to check
// on each question, for the readers and the numbering, which walk every
// square. hasBarAfter(i, bAcross) is true where a bar stands between square
// i and the next square across (or down).
template <class IsBlackFn, class HasBarAfterFn, class OnStartFn>
void ForEachGridWordStart(int nWidth, int nHeight, IsBlackFn isBlack, HasBarAfterFn hasBarAfter, OnStartFn onStart)
{
    const std::size_t nRow = static_cast<std::size_t>(nWidth);
    std::size_t i = 0;
    for (int r = 0; r < nHeight; ++r) {
        for (int c = 0; c < nWidth; ++c, ++i) {
            if (isBlack(i))
                continue;
            const bool bAcross = (c == 0 || isBlack(i - 1) || hasBarAfter(i - 1, true)) && c + 1 < nWidth &&
                                 !isBlack(i + 1) && !hasBarAfter(i, true);
            const bool bDown = (r == 0 || isBlack(i - nRow) || hasBarAfter(i - nRow, false)) && r + 1 < nHeight &&
                               !isBlack(i + nRow) && !hasBarAfter(i, false);
            if (bAcross || bDown)
                onStart(c, r, bAcross, bDown);
        }
    }
}

// The same for grids without bars.
template <class IsBlackFn, class OnStartFn>
void ForEachGridWordStart(int nWidth, int nHeight, IsBlackFn isBlack, OnStartFn onStart)
{
    ForEachGridWordStart(
        nWidth, nHeight, isBlack, [](std::size_t, bool) { return false; }, onStart);
}
