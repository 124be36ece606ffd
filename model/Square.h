// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "model/Types.h"

// CSquare::m_crShade of a square without a colour of its own.
constexpr DWORD kNoShade = 0xFFFFFFFF;

// One square of the grid, copied by value: callers take a copy with
// GetSquare, change it and store it back with SetSquare.
class CSquare {
public:
    // Inline: a grid makes one for each of its squares.
    CSquare() : CSquare(TRUE) { }  // a black square
    explicit CSquare(BOOL bBlack)
        : m_bBlack(bBlack), m_bFilled(FALSE), m_bChecked(FALSE), m_nDownNumber(0), m_nAcrossNumber(0), m_chSolution(0),
          m_chLetter(0), m_bCircled(FALSE), m_nRebus(0), m_bShown(FALSE), m_bMissing(false), m_bBarRight(false),
          m_bBarBottom(false), m_bGiven(false), m_crShade(kNoShade), m_bWasIncorrect(FALSE), m_bPencil(false),
          m_bMarkedBlack(false)
    {
    }
    CSquare(const CSquare& other) = default;
    CSquare& operator=(const CSquare& other) = default;
    virtual ~CSquare() = default;

    // Checked and not holding the answer letter (an empty checked square
    // counts); a black mark is wrong on a white square. It knows no rebus
    // answer: CCrossWordPuzzle::IsIncorrect judges a rebus entry as a whole.
    BOOL IsIncorrect() const;
    // Takes the player's part of another square (letter, filled flag, marks,
    // pencil, rebus entry and black mark); the grid's part (black, answer,
    // numbers, circle, rebus answer) stays.
    void CopyPlayerPart(const CSquare& other);

    BOOL m_bBlack;
    BOOL m_bFilled;
    BOOL m_bChecked;
    int m_nDownNumber;
    int m_nAcrossNumber;
    WCHAR m_chSolution;
    WCHAR m_chLetter;

    // From the file's extra sections: a circle drawn in the square, and a
    // rebus answer (1 + its index in the puzzle's m_astrRebus, 0 for none)
    // of which m_chSolution is the first letter.
    BOOL m_bCircled;
    int m_nRebus;
    // The letter came from a Show command (so a rebus is drawn whole). Not
    // kept in solution files.
    BOOL m_bShown;

    // From the newer formats (.ipuz, .jpz, .xd); a .puz square has none.
    // A square that is no part of the grid (shaped grids): it is black as
    // well, so every walk and count passes it by, and it is drawn as nothing.
    // These flags are plain bools, to keep the square (copied everywhere) small.
    bool m_bMissing;
    // A bar on the edge to the square on the right, or below: it ends the
    // word there as a black square would, for numbering and for moving.
    bool m_bBarRight;
    bool m_bBarBottom;
    // A letter the file gives: m_chLetter holds it from the load on, and the
    // player's commands never change the square.
    bool m_bGiven;
    // The square's own background, 0xRRGGBB, or kNoShade.
    DWORD m_crShade;
    // A check once found the square wrong, whatever it holds now. Not kept
    // in solution files.
    BOOL m_bWasIncorrect;
    // The player's rebus entry: the whole text put into the square, of which
    // m_chLetter is the first character; empty for a single letter. Not
    // kept in solution files.
    std::u16string m_strRebusEntry;
    // The letter went in as a tentative one (pencil): drawn lighter, and
    // judged, checked and shown like any other. Not kept in solution files.
    bool m_bPencil;
    // On a diagramless puzzle: the player marked the square black. Not kept
    // in solution files.
    bool m_bMarkedBlack;
};
