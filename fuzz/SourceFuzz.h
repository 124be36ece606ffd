// SPDX-License-Identifier: MIT
#pragma once

// Any bytes through one of the .ipuz, .jpz and .xd readers: no crash, no
// read past the end, and either a refusal with a message and nothing kept,
// or a description whose every part is where it claims to be, which then
// loads into a puzzle whose counts, words and moves stay within its grid.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "model/CrossWordPuzzle.h"
#include "model/GridNavigator.h"
#include "model/PuzzleSourceReader.h"
#include "model/SourceText.h"

using SourceReader = BOOL (*)(std::string_view, const std::u16string&, CPuzzleSource&, std::u16string&);

// The puzzle a source makes: counts as a recount gives them, every word
// inside the grid, and Tab round every word back to the first.
inline void FuzzLoadedPuzzle(const CPuzzleSource& source)
{
    CCrossWordPuzzle puzzle;
    puzzle.LoadSource(source);
    long nEmpty = 0, nMissing = 0;
    int nWords = 0;
    const CGridNavigator navigator(puzzle);
    for (int r = 0; r < puzzle.m_nHeight; ++r) {
        for (int c = 0; c < puzzle.m_nWidth; ++c) {
            const CSquare square = puzzle.GetSquare(c, r);
            nEmpty += !square.m_bBlack && !square.m_bFilled ? 1 : 0;
            nMissing += square.m_bMissing ? 1 : 0;
            if (square.m_bMissing && !square.m_bBlack)
                std::abort();
            for (const int nDirection : {DIRECTION_ACROSS, DIRECTION_DOWN}) {
                if ((nDirection == DIRECTION_ACROSS ? square.m_nAcrossNumber : square.m_nDownNumber) == 0)
                    continue;
                ++nWords;
                const int nLength = navigator.WordLength(CPoint(c, r), nDirection);
                const int nRoom = nDirection == DIRECTION_ACROSS ? puzzle.m_nWidth - c : puzzle.m_nHeight - r;
                if (nLength < 2 || nLength > nRoom)
                    std::abort();
            }
        }
    }
    if (nEmpty != puzzle.GetEmptyCount() || nMissing != puzzle.GetMissingCount() ||
        puzzle.m_astrClueLists.size() != source.m_aLists.size())
        std::abort();
    const CGridSelection first = navigator.First();
    if (first.m_nDirection == DIRECTION_NONE)
        return;
    CGridSelection sel = navigator.NextWord(first, TRUE);
    for (int n = 0; n < nWords && sel.m_ptWordStart != first.m_ptWordStart; ++n)
        sel = navigator.NextWord(sel, TRUE);
    if (nWords > 0 && !navigator.IsInside(sel.m_ptSelected))
        std::abort();
}

inline int FuzzSourceReader(SourceReader pReader, const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CPuzzleSource source;
    std::u16string error;
    if (!pReader(bytes, u"fuzz", source, error)) {
        if (error.empty() || source != CPuzzleSource())
            std::abort();
        return 0;
    }
    std::u16string why;
    if (!error.empty() || !CheckSource(source, why))
        std::abort();
    // Reading is a pure function of the bytes.
    CPuzzleSource again;
    if (!pReader(bytes, u"fuzz", again, error) || again != source)
        std::abort();
    FuzzLoadedPuzzle(source);
    return 0;
}
