// SPDX-License-Identifier: MIT
#pragma once

// How the selection moves over the grid: taps, the arrows, Space, Tab,
// Backspace and the cursor after a letter. The navigator reads the puzzle and
// never changes it, and it keeps no state: each move takes a selection and
// gives the next one, the same one when nothing moves. The grid window draws
// and announces what changed.
//
// On a diagramless puzzle the grid is the player's: the only black squares
// are those the player marked, the words are the runs between them, the
// arrows stop on every square, and the numbers are those the player's
// diagram gives, never the file's.

#include "model/Types.h"

class CCrossWordPuzzle;

// Directions of the selection.
constexpr int DIRECTION_DOWN = 0;
constexpr int DIRECTION_ACROSS = 1;
constexpr int DIRECTION_NONE = 2;

// The selected square, and the selected word by its direction and first square.
struct CGridSelection {
    int m_nDirection = DIRECTION_NONE;
    CPoint m_ptWordStart;
    CPoint m_ptSelected;

    bool operator==(const CGridSelection& other) const
    {
        return m_nDirection == other.m_nDirection && m_ptWordStart == other.m_ptWordStart &&
               m_ptSelected == other.m_ptSelected;
    }
    bool operator!=(const CGridSelection& other) const { return !(*this == other); }
};

class CGridNavigator {
public:
    explicit CGridNavigator(const CCrossWordPuzzle& puzzle) : m_puzzle(puzzle) { }

    // What a puzzle starts with: its first white square in reading order,
    // across, as the word's first square too; no direction when no square
    // is white.
    CGridSelection First() const;
    BOOL IsInside(CPoint pt) const;
    // A direction, and a selected square inside the grid.
    BOOL HasSelection(const CGridSelection& sel) const;

    // A tap on a square. A tap on the selected square turns to the other
    // direction's word through it; on another square it selects the word
    // through it in the current direction, or else in the other one. A
    // black square, or a word whose start cannot be found, moves only the
    // square; a missing square changes nothing.
    CGridSelection Tap(const CGridSelection& sel, CPoint ptTap) const;

    // The moves of the keys need a selection; without one they give it back
    // unchanged.

    // A second tap on the selected square.
    CGridSelection Turn(const CGridSelection& sel) const;
    // An arrow (nDx or nDy is 1 or -1): along the direction, a tap on the
    // next white square that way; across it, a turn, or the same move when
    // the square has no word to turn to.
    CGridSelection Arrow(const CGridSelection& sel, int nDx, int nDy) const;
    // The next or previous word: every across word by number, then every
    // down word, round again; its first empty square, or its first square.
    CGridSelection NextWord(const CGridSelection& sel, BOOL bForward) const;
    // The square before the selected one in the selected word.
    CGridSelection StepBack(const CGridSelection& sel) const;

    // Where the cursor goes after a letter: on along the direction past the
    // filled squares (across, not past a checked wrong one), or nowhere when
    // that walk meets a black square, a bar or the edge. The word stays.
    CPoint Advance(const CGridSelection& sel) const;

    // The squares of the word from ptStart: that square, and the white ones
    // after it up to the next black square, bar or the edge.
    int WordLength(CPoint ptStart, int nDirection) const;
    // One square on along a direction (down for any but across).
    static CPoint Step(int nDirection);

    // The number of the word of that direction starting at the square, as
    // the player's grid numbers it; 0 when no such word starts there.
    int NumberOf(CPoint ptStart, int nDirection) const;
    // The first square of the word of that direction through the square,
    // or (-1, -1) when the square is in no such word.
    CPoint WordStartOf(CPoint pt, int nDirection) const;

private:
    // Black as the player sees it, and the edge.
    BOOL IsWall(CPoint pt) const;
    BOOL InWord(CPoint pt, int nDirection) const;
    BOOL StartsWord(CPoint pt, int nDirection) const;
    // A bar on the edge after the square along the direction (down for any
    // but across); FALSE outside the grid.
    BOOL HasBarAfter(CPoint pt, int nDirection) const;

    const CCrossWordPuzzle& m_puzzle;
};
