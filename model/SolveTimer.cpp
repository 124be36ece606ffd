// SPDX-License-Identifier: MIT
#include "model/SolveTimer.h"

#include <utility>

CSolveTimer::CSolveTimer(NowFunction now) : m_now(std::move(now))
{
}

void CSolveTimer::Begin()
{
    m_bBegun = true;
    Update();
}

void CSolveTimer::SetPaused(BOOL bPaused)
{
    m_bPaused = bPaused != FALSE;
    Update();
}

void CSolveTimer::SetMinimized(BOOL bMinimized)
{
    m_bMinimized = bMinimized != FALSE;
    Update();
}

void CSolveTimer::SetSolved(BOOL bSolved)
{
    m_bSolved = bSolved != FALSE;
    Update();
}

void CSolveTimer::Update()
{
    const bool bRun = m_bBegun && !m_bPaused && !m_bMinimized && !m_bSolved;
    if (bRun == m_bRunning)
        return;
    const Clock::time_point now = m_now();
    if (bRun)
        m_started = now;
    else
        m_elapsed += now - m_started;
    m_bRunning = bRun;
}

CSolveTimer::Clock::duration CSolveTimer::GetElapsed() const
{
    return m_bRunning ? m_elapsed + (m_now() - m_started) : m_elapsed;
}

long CSolveTimer::GetMillisToNextSecond() const
{
    if (!m_bRunning)
        return -1;
    const auto nMillis = std::chrono::duration_cast<std::chrono::milliseconds>(GetElapsed()).count();
    return static_cast<long>(1000 - nMillis % 1000);
}

std::u16string CSolveTimer::FormatSeconds(long nSeconds)
{
    if (nSeconds < 0)
        nSeconds = 0;
    const long nHours = nSeconds / 3600;
    const long nMinutes = nSeconds / 60 % 60;
    const long nRest = nSeconds % 60;
    auto twoDigits = [](long n) {
        return std::u16string {static_cast<char16_t>(u'0' + n / 10), static_cast<char16_t>(u'0' + n % 10)};
    };
    std::u16string strText;
    for (const char ch : std::to_string(nHours > 0 ? nHours : nMinutes))
        strText.push_back(static_cast<char16_t>(ch));
    if (nHours > 0)
        strText += u":" + twoDigits(nMinutes);
    return strText + u":" + twoDigits(nRest);
}
