// SPDX-License-Identifier: MIT
#pragma once

// The clock of one solve: it runs from the player's first letter on, and
// stands still while the player has paused it, while the window is
// minimised and while the puzzle is solved. It measures with a monotonic
// clock, so a changed system time or a late timer message changes nothing.
// Standard C++ only.

#include <chrono>
#include <functional>
#include <string>

#include "model/Types.h"

class CSolveTimer {
public:
    using Clock = std::chrono::steady_clock;
    // Where the time comes from; tests give their own.
    using NowFunction = std::function<Clock::time_point()>;

    explicit CSolveTimer(NowFunction now = &Clock::now);

    // The player's first letter: from now on the clock runs whenever
    // nothing holds it. Later calls change nothing.
    void Begin();
    BOOL HasBegun() const { return m_bBegun; }
    // What holds the clock: the player's pause, a minimised window, a solved
    // puzzle. Each is kept apart, so one ending does not end another.
    void SetPaused(BOOL bPaused);
    BOOL IsPaused() const { return m_bPaused; }
    void SetMinimized(BOOL bMinimized);
    void SetSolved(BOOL bSolved);
    BOOL IsRunning() const { return m_bRunning; }

    // The time the clock ran, in this session.
    Clock::duration GetElapsed() const;
    // Milliseconds until the whole seconds of GetElapsed next change; -1
    // while the clock stands.
    long GetMillisToNextSecond() const;

    // "m:ss" under an hour, "h:mm:ss" from an hour on.
    static std::u16string FormatSeconds(long nSeconds);

private:
    // Starts or stops the clock as the holds say.
    void Update();

    NowFunction m_now;
    Clock::duration m_elapsed {};  // up to the last stop
    Clock::time_point m_started;  // of the current run
    bool m_bRunning = false;
    bool m_bBegun = false;
    bool m_bPaused = false;
    bool m_bMinimized = false;
    bool m_bSolved = false;
};
