// SPDX-License-Identifier: MIT
#pragma once

// A crossword as the .ipuz, .jpz and .xd files hold it, before it becomes a
// puzzle of the model: the grid, the clue lists under the names the file
// gives them, and the texts. A plain value; the readers fill it and check
// its shape (every square in the grid, every clue cell on an open square).

#include <cstddef>
#include <string>
#include <vector>

#include "model/Types.h"

// Grids larger than this either way are refused, as in .puz files.
constexpr int kMaxSourceGridSide = 255;

// Clues in all lists together, and the squares they name together: well
// above what a full grid of the largest size needs, and a bound on memory.
constexpr std::size_t kMaxSourceClues = 4 * kMaxSourceGridSide * kMaxSourceGridSide;
constexpr std::size_t kMaxSourceClueCells = 4 * kMaxSourceGridSide * kMaxSourceGridSide;

// The colour value of a square that the file only marks as shaded.
constexpr long kShadedColor = 0xC0C0C0;

enum class ESquareKind {
    Missing,  // not part of the grid: drawn as nothing, skipped by every move
    Block,  // a black square
    Open,  // a square for a letter
};

enum class EClueDirection {
    Across,
    Down,
    Other,  // lists whose direction the file does not tell (zones, colours, ...)
};

struct CSourceSquare {
    ESquareKind m_nKind = ESquareKind::Open;  // missing, block or open
    std::u16string m_strSolution;  // the answer: a letter or a rebus; empty when unknown
    std::u16string m_strFill;  // the player's saved letters, or a given square's letters
    bool m_bGiven = false;  // prefilled by the file; the player cannot change it
    bool m_bCircled = false;  // a circle drawn in the square
    long m_nColor = -1;  // background as 0xRRGGBB, kShadedColor when shaded, -1 none
    bool m_bBarRight = false;  // a bar on the edge to the square on the right
    bool m_bBarBottom = false;  // a bar on the edge to the square below
    std::u16string m_strLabel;  // the label drawn in the corner ("1", "A", ...); may be empty
    // The one letter that grids of a letter per square keep for a rebus
    // answer when it is not the answer's first (the scrambled letter of a
    // locked puzzle); 0 otherwise.
    char16_t m_chGridLetter = 0;
    // The player's marks as saved with the fill.
    bool m_bRevealed = false;  // the fill was shown by the program, not found
    bool m_bWasIncorrect = false;  // a check once found the square wrong
    bool m_bIncorrect = false;  // checked and wrong as saved

    bool operator==(const CSourceSquare& other) const;
    bool operator!=(const CSourceSquare& other) const { return !(*this == other); }
};

struct CSourceClue {
    std::u16string m_strLabel;  // as the file shows it: "12", "2-3", "•", or empty
    int m_nNumber = -1;  // the number of the word's first square when the file gives one, else -1
    std::u16string m_strText;  // plain text, markup removed, every word kept
    std::vector<CPoint> m_aCells;  // the word's squares in order (x column, y row); empty when unknown

    bool operator==(const CSourceClue& other) const;
    bool operator!=(const CSourceClue& other) const { return !(*this == other); }
};

struct CSourceClueList {
    std::u16string m_strName;  // the name the file gives ("Across", "Orizzontali", ...)
    EClueDirection m_nDirection = EClueDirection::Other;  // inferred from the name where the file allows
    std::vector<CSourceClue> m_aClues;  // in the file's order

    bool operator==(const CSourceClueList& other) const;
    bool operator!=(const CSourceClueList& other) const { return !(*this == other); }
};

struct CPuzzleSource {
    int m_nWidth = 0;  // columns, 1 to kMaxSourceGridSide
    int m_nHeight = 0;  // rows, 1 to kMaxSourceGridSide
    std::vector<CSourceSquare> m_aSquares;  // row-major, m_nWidth * m_nHeight
    std::vector<CSourceClueList> m_aLists;  // in the file's order
    std::u16string m_strTitle;  // may be empty
    std::u16string m_strAuthor;  // may be empty
    std::u16string m_strCopyright;  // may be empty
    std::u16string m_strNotes;  // notes and introduction, joined by a blank line
    long m_nTimerSeconds = -1;  // time spent solving, -1 when the file keeps none
    bool m_bTimerStopped = false;  // the timer was stopped when the file was saved
    // The answers are scrambled with a key of four digits; the checksum is
    // that of the real answers, taken column by column over the open squares.
    bool m_bLocked = false;
    WORD m_wAnswerChecksum = 0;
    // The black squares are the player's to find (.puz files only).
    bool m_bDiagramless = false;

    bool operator==(const CPuzzleSource& other) const;
    bool operator!=(const CPuzzleSource& other) const { return !(*this == other); }

    // True for (nCol, nRow) inside the grid.
    bool Contains(int nCol, int nRow) const { return nCol >= 0 && nRow >= 0 && nCol < m_nWidth && nRow < m_nHeight; }
    // The square at (nCol, nRow), which must be inside the grid.
    CSourceSquare& At(int nCol, int nRow) { return m_aSquares[Index(nCol, nRow)]; }
    const CSourceSquare& At(int nCol, int nRow) const { return m_aSquares[Index(nCol, nRow)]; }
    // True for an open square inside the grid.
    // Inline: the readers ask it for every square of every word.
    bool IsOpen(int nCol, int nRow) const
    {
        return Contains(nCol, nRow) && Index(nCol, nRow) < m_aSquares.size() &&
               m_aSquares[Index(nCol, nRow)].m_nKind == ESquareKind::Open;
    }
    // True when a bar, a block, a missing square or the edge stands between
    // (nCol, nRow) and its neighbour in the direction.
    bool IsWordEnd(int nCol, int nRow, bool bAcross) const;
    // The squares of the word that starts at (nCol, nRow) in the direction,
    // up to its end; empty when that square is not open.
    std::vector<CPoint> WordFrom(int nCol, int nRow, bool bAcross) const;
    // Sets the grid to nWidth x nHeight squares of the kind.
    void Resize(int nWidth, int nHeight, ESquareKind nKind);

private:
    std::size_t Index(int nCol, int nRow) const
    {
        return static_cast<std::size_t>(nRow) * static_cast<std::size_t>(m_nWidth) + static_cast<std::size_t>(nCol);
    }
};
