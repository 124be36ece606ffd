// SPDX-License-Identifier: MIT
#include "model/SolveHistory.h"

#include "model/CrossWordPuzzle.h"

#include <algorithm>

namespace {

constexpr std::uint8_t kFilled = 0x01;
constexpr std::uint8_t kChecked = 0x02;
constexpr std::uint8_t kShown = 0x04;
constexpr std::uint8_t kWasIncorrect = 0x08;
constexpr std::uint8_t kRebus = 0x10;  // the text is in the step's rebus map
constexpr std::uint8_t kPencil = 0x20;
constexpr std::uint8_t kMarkedBlack = 0x40;

// What a rebus text adds to a step: the map's node and the characters.
constexpr std::size_t kRebusNodeBytes = 64;

// The fields a solve changes; the rest of a square (its answer, numbers,
// circle) belongs to the puzzle file and is never taken back.
std::uint8_t FlagsOf(const CSquare& square)
{
    return static_cast<std::uint8_t>((square.m_bFilled ? kFilled : 0) | (square.m_bChecked ? kChecked : 0) |
                                     (square.m_bShown ? kShown : 0) | (square.m_bWasIncorrect ? kWasIncorrect : 0) |
                                     (square.m_strRebusEntry.empty() ? 0 : kRebus) | (square.m_bPencil ? kPencil : 0) |
                                     (square.m_bMarkedBlack ? kMarkedBlack : 0));
}

void SetFlags(CSquare& square, std::uint8_t nFlags)
{
    square.m_bFilled = (nFlags & kFilled) ? TRUE : FALSE;
    square.m_bChecked = (nFlags & kChecked) ? TRUE : FALSE;
    square.m_bShown = (nFlags & kShown) ? TRUE : FALSE;
    square.m_bWasIncorrect = (nFlags & kWasIncorrect) ? TRUE : FALSE;
    square.m_bPencil = (nFlags & kPencil) != 0;
    square.m_bMarkedBlack = (nFlags & kMarkedBlack) != 0;
}

}  // namespace

CSolveHistory::CSolveHistory(std::size_t nMaxBytes) : m_nMaxBytes(nMaxBytes)
{
}

void CSolveHistory::Clear()
{
    m_steps.clear();
    m_nDone = 0;
    m_nBytes = 0;
    m_open = Step();
    m_bOpen = false;
}

std::size_t CSolveHistory::BytesOf(const Step& step)
{
    std::size_t nBytes = sizeof(Step) + step.entries.capacity() * sizeof(Entry);
    for (const auto& [nIndex, strText] : step.rebus)
        nBytes += kRebusNodeBytes + strText.capacity() * sizeof(char16_t);
    return nBytes;
}

void CSolveHistory::BeginStep(const CGridSelection& sel, std::size_t nSquares)
{
    m_open = Step();
    m_open.sel = sel;
    m_open.entries.reserve(nSquares);
    m_bOpen = true;
}

void CSolveHistory::Record(const CCrossWordPuzzle& puzzle, int nCol, int nRow)
{
    if (!m_bOpen || nCol < 0 || nRow < 0 || nCol >= puzzle.m_nWidth || nRow >= puzzle.m_nHeight)
        return;
    const auto nIndex = static_cast<std::uint32_t>(static_cast<std::uint64_t>(nRow) * puzzle.m_nWidth + nCol);
    // Read in place: a copy of every square would cost Clear Puzzle dearly.
    const std::vector<CSquare>& squares = puzzle.GetSquares();
    if (nIndex >= squares.size())
        return;
    const CSquare& square = squares[nIndex];
    m_open.entries.push_back({nIndex, square.m_chLetter, FlagsOf(square)});
    if (!square.m_strRebusEntry.empty())
        m_open.rebus[nIndex] = square.m_strRebusEntry;
}

BOOL CSolveHistory::EndStep(const CCrossWordPuzzle& puzzle)
{
    if (!m_bOpen)
        return FALSE;
    m_bOpen = false;
    Step step = std::move(m_open);
    m_open = Step();
    // Squares written with what they held already are no change to take
    // back, nor is the letter of a square that stays empty (a cleared square
    // holds a space, a fresh one nothing), which no one can see.
    const std::vector<CSquare>& squares = puzzle.GetSquares();
    auto unchanged = [&squares, &step](const Entry& entry) {
        if (entry.nIndex >= squares.size())
            return true;
        const CSquare& now = squares[entry.nIndex];
        if (FlagsOf(now) != entry.nFlags)
            return false;
        if (!(entry.nFlags & kFilled))
            return true;
        return now.m_chLetter == entry.chLetter &&
               (!(entry.nFlags & kRebus) || now.m_strRebusEntry == step.rebus[entry.nIndex]);
    };
    const auto kept = std::remove_if(step.entries.begin(), step.entries.end(), unchanged);
    for (auto it = kept; it != step.entries.end(); ++it)
        step.rebus.erase(it->nIndex);
    step.entries.erase(kept, step.entries.end());
    if (step.entries.empty())
        return FALSE;
    // Room made for a whole grid of which a few squares changed goes back.
    if (step.entries.size() * 2 < step.entries.capacity())
        step.entries.shrink_to_fit();

    while (CanRedo()) {
        m_nBytes -= BytesOf(m_steps.back());
        m_steps.pop_back();
    }
    m_nBytes += BytesOf(step);
    m_steps.push_back(std::move(step));
    ++m_nDone;
    while (m_nBytes > m_nMaxBytes && !m_steps.empty())
        ForgetOldest();
    return TRUE;
}

void CSolveHistory::ForgetOldest()
{
    m_nBytes -= BytesOf(m_steps.front());
    m_steps.pop_front();
    if (m_nDone > 0)
        --m_nDone;
}

void CSolveHistory::Swap(CCrossWordPuzzle& puzzle, Step& step, bool bBackwards, const SquareChanged& changed)
{
    const int nWidth = puzzle.m_nWidth;
    auto swapOne = [&](Entry& entry) {
        const int nCol = static_cast<int>(entry.nIndex % static_cast<std::uint32_t>(nWidth));
        const int nRow = static_cast<int>(entry.nIndex / static_cast<std::uint32_t>(nWidth));
        CSquare square = puzzle.GetSquare(nCol, nRow);
        const Entry now = {entry.nIndex, square.m_chLetter, FlagsOf(square)};
        std::u16string strNow = std::move(square.m_strRebusEntry);
        square.m_chLetter = entry.chLetter;
        SetFlags(square, entry.nFlags);
        square.m_strRebusEntry.clear();
        if (entry.nFlags & kRebus) {
            const auto found = step.rebus.find(entry.nIndex);
            if (found != step.rebus.end()) {
                square.m_strRebusEntry = std::move(found->second);
                step.rebus.erase(found);
            }
        }
        if (!strNow.empty())
            step.rebus[entry.nIndex] = std::move(strNow);
        puzzle.SetSquare(nCol, nRow, square);
        entry = now;
        if (changed)
            changed(nCol, nRow);
    };
    // The reverse order of the change undoes it, the same order does it again.
    if (bBackwards)
        std::for_each(step.entries.rbegin(), step.entries.rend(), swapOne);
    else
        std::for_each(step.entries.begin(), step.entries.end(), swapOne);
}

BOOL CSolveHistory::Undo(CCrossWordPuzzle& puzzle, CGridSelection& sel, const SquareChanged& changed)
{
    if (!CanUndo() || puzzle.m_nWidth <= 0)
        return FALSE;
    Step& step = m_steps[--m_nDone];
    m_nBytes -= BytesOf(step);
    Swap(puzzle, step, true, changed);
    m_nBytes += BytesOf(step);
    sel = step.sel;
    return TRUE;
}

BOOL CSolveHistory::Redo(CCrossWordPuzzle& puzzle, CGridSelection& sel, const SquareChanged& changed)
{
    if (!CanRedo() || puzzle.m_nWidth <= 0)
        return FALSE;
    Step& step = m_steps[m_nDone++];
    m_nBytes -= BytesOf(step);
    Swap(puzzle, step, false, changed);
    m_nBytes += BytesOf(step);
    sel = step.sel;
    return TRUE;
}
