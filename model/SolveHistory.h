// SPDX-License-Identifier: MIT
#pragma once

// The steps of a solve that the player can take back and do again. A step is
// one action (a letter, one Show, Clear or Check command, a loaded solution):
// the selection it was taken at and, for each square it changed, the player's
// part of that square (letter, filled, marks, pencil, black mark, rebus
// entry) as the puzzle does not hold it now. Undo and Redo swap that part with
// the puzzle's, so a step keeps one copy of each square it changed and never
// the whole grid, and the steps together stay under a limit: the oldest are
// forgotten first.

#include "model/GridNavigator.h"
#include "model/Types.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

class CCrossWordPuzzle;

class CSolveHistory {
public:
    // What the steps may hold together: a few thousand words, or a dozen
    // changes of every square of the largest grid.
    static constexpr std::size_t kDefaultMaxBytes = 8 * 1024 * 1024;

    explicit CSolveHistory(std::size_t nMaxBytes = kDefaultMaxBytes);

    // Forgets every step, as a newly loaded puzzle needs.
    void Clear();

    // Opens a step taken at sel that changes at most nSquares squares; room
    // for them is made at once, so recording never moves what it holds.
    void BeginStep(const CGridSelection& sel, std::size_t nSquares);
    // Notes the square as it is before the open step changes it; each square
    // at most once a step. Nothing outside the grid or without an open step.
    void Record(const CCrossWordPuzzle& puzzle, int nCol, int nRow);
    // Closes the step and keeps the squares that are different now. TRUE when
    // there is one: the step is then the next to undo (unless it alone is
    // larger than the limit), and what was undone before it can no longer be
    // redone. FALSE, and nothing kept, when the step changed no square.
    BOOL EndStep(const CCrossWordPuzzle& puzzle);

    BOOL CanUndo() const { return m_nDone > 0; }
    BOOL CanRedo() const { return m_nDone < m_steps.size(); }
    std::size_t GetUndoCount() const { return m_nDone; }
    std::size_t GetRedoCount() const { return m_steps.size() - m_nDone; }
    // The bytes the kept steps hold; a new step forgets old ones until they
    // are within the limit.
    std::size_t GetBytes() const { return m_nBytes; }

    // Called with each square Undo or Redo changed.
    using SquareChanged = std::function<void(int nCol, int nRow)>;
    // Gives the squares of the last step the state they had before it, and
    // sel the selection it was taken at. FALSE, and nothing changes, when
    // there is no step to undo.
    BOOL Undo(CCrossWordPuzzle& puzzle, CGridSelection& sel, const SquareChanged& changed);
    // Does the last undone step again; as Undo otherwise.
    BOOL Redo(CCrossWordPuzzle& puzzle, CGridSelection& sel, const SquareChanged& changed);

private:
    // The player's part of one square and where it is.
    struct Entry {
        std::uint32_t nIndex;  // row * width + column
        char16_t chLetter;
        std::uint8_t nFlags;
    };
    struct Step {
        CGridSelection sel;
        std::vector<Entry> entries;
        // The few rebus entries among them, by square index.
        std::map<std::uint32_t, std::u16string> rebus;
    };

    static std::size_t BytesOf(const Step& step);
    // Swaps each entry's part with the square's, in the given order.
    static void Swap(CCrossWordPuzzle& puzzle, Step& step, bool bBackwards, const SquareChanged& changed);
    void ForgetOldest();

    std::size_t m_nMaxBytes;
    std::size_t m_nBytes = 0;
    // The steps, oldest first: the first m_nDone can be undone, the rest redone.
    std::deque<Step> m_steps;
    std::size_t m_nDone = 0;
    Step m_open;
    bool m_bOpen = false;
};
