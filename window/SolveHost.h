// SPDX-License-Identifier: MIT
#pragma once

// What letter entry and the Solve commands need from the application: the
// solve mode, the completion check, and word of each change of the player's
// letters or marks, which the application keeps.

class CSolveHost {
public:
    virtual ~CSolveHost();
    // 0: check letters as they are entered; 1: check only on request.
    virtual int GetSolveMode() const = 0;
    virtual void CheckSolved() = 0;
    // Called once after each step that changed the player's letters or marks
    // (a letter, Backspace, Delete, a Show, Clear or Check command, Undo,
    // Redo); never for a step that changed nothing. Kept short: it runs on
    // every keystroke.
    virtual void SolveChanged() = 0;
};
