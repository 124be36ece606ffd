// SPDX-License-Identifier: MIT
#pragma once

// What letter entry and the Solve commands need from the application: the
// solve mode and the completion check.

class CSolveHost {
public:
    virtual ~CSolveHost();
    // 0: check letters as they are entered; 1: check only on request.
    virtual int GetSolveMode() const = 0;
    virtual void CheckSolved() = 0;
};
