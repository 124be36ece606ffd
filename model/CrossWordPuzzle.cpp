// SPDX-License-Identifier: MIT
#include "model/CrossWordPuzzle.h"

#include <algorithm>
#include <functional>
#include <utility>

#include "model/Format.h"
#include "model/KeyChoice.h"
#include "model/Scramble.h"
#include "model/Text.h"
#include "model/WordStarts.h"

IMPLEMENT_SERIAL(CCrossWordPuzzle, CObject, 1)

CCrossWordPuzzle::CCrossWordPuzzle()
    : m_nWidth(0), m_nHeight(0), m_bLocked(FALSE), m_wAnswerChecksum(0),
      m_bHasSolution(TRUE), m_astrClueLists {u"Across", u"Down"}, m_anClueListDirection {1, 0}, m_nTimerSeconds(-1),
      m_bTimerStopped(FALSE), m_bDiagramless(FALSE), m_bUnlocked(FALSE), m_dwFileChecksum(0), m_nFileAnswerDigest(0),
      m_nEmpty(0), m_nUnsolved(0), m_nMissing(0), m_bAnyBars(FALSE)
{
}

CCrossWordPuzzle::~CCrossWordPuzzle()
{
    DeleteClues();
}

void CCrossWordPuzzle::DeleteClues()
{
    m_lstClues.clear();
    m_aClueStore.clear();
}

long CCrossWordPuzzle::IndexOf(int nCol, int nRow) const
{
    if (nCol < 0 || nRow < 0 || nCol >= m_nWidth || nRow >= m_nHeight)
        return -1;
    return static_cast<long>(m_nWidth) * nRow + nCol;
}

const CSquare* CCrossWordPuzzle::SquareAt(int nCol, int nRow) const
{
    const long nIndex = IndexOf(nCol, nRow);
    if (nIndex < 0 || static_cast<std::size_t>(nIndex) >= m_aSquares.size())
        return nullptr;
    return &m_aSquares[static_cast<std::size_t>(nIndex)];
}

CSquare CCrossWordPuzzle::GetSquare(int nCol, int nRow) const
{
    const CSquare* pSquare = SquareAt(nCol, nRow);
    return pSquare != nullptr ? *pSquare : CSquare();
}

void CCrossWordPuzzle::SetSquare(int nCol, int nRow, const CSquare& square)
{
    // Positions outside the grid would land on another square or before the array.
    const long nIndex = IndexOf(nCol, nRow);
    if (nIndex < 0)
        return;
    const std::size_t i = static_cast<std::size_t>(nIndex);
    // The squares added are black, so they count for nothing.
    if (i >= m_aSquares.size())
        m_aSquares.resize(i + 1);
    StoreSquare(i, square);
}

long CCrossWordPuzzle::CountAsEmpty(const CSquare& square)
{
    return !square.m_bBlack && !square.m_bFilled ? 1 : 0;
}

long CCrossWordPuzzle::CountAsUnsolved(const CSquare& square) const
{
    if (square.m_bBlack)
        return m_bDiagramless && square.m_bFilled ? 1 : 0;
    return !HoldsAnswer(square) ? 1 : 0;
}

BOOL CCrossWordPuzzle::IsRightLetter(const CSquare& square) const
{
    const std::u16string* pRebus = GetRebus(square);
    if (!square.m_strRebusEntry.empty())
        return pRebus != nullptr
                   ? *pRebus == square.m_strRebusEntry
                   : square.m_strRebusEntry.size() == 1 && square.m_strRebusEntry[0] == square.m_chSolution;
    return square.m_chLetter == square.m_chSolution ||
           (pRebus != nullptr && pRebus->size() == 1 && square.m_chLetter == (*pRebus)[0]);
}

BOOL CCrossWordPuzzle::HoldsAnswer(const CSquare& square) const
{
    return square.m_bFilled && IsRightLetter(square);
}

BOOL CCrossWordPuzzle::IsIncorrect(const CSquare& square) const
{
    // A black mark is right on a black square alone.
    if (square.m_bMarkedBlack)
        return square.m_bChecked && !square.m_bBlack;
    return square.m_bChecked && !IsRightLetter(square);
}

BOOL CCrossWordPuzzle::AnswerHas(const CSquare& square, WCHAR ch) const
{
    if (square.m_chSolution == ch)
        return TRUE;
    const std::u16string* pRebus = GetRebus(square);
    return pRebus != nullptr && pRebus->find(ch) != std::u16string::npos;
}

BOOL CCrossWordPuzzle::IsAllShown() const
{
    for (const CSquare& square : m_aSquares) {
        if (!square.m_bBlack && !square.m_bGiven && !square.m_bShown)
            return FALSE;
    }
    return TRUE;
}

void CCrossWordPuzzle::StoreSquare(std::size_t nIndex, const CSquare& square)
{
    CSquare& stored = m_aSquares[nIndex];
    m_nEmpty += CountAsEmpty(square) - CountAsEmpty(stored);
    m_nUnsolved += CountAsUnsolved(square) - CountAsUnsolved(stored);
    m_nMissing += (square.m_bMissing ? 1 : 0) - (stored.m_bMissing ? 1 : 0);
    m_bAnyBars = m_bAnyBars || square.m_bBarRight || square.m_bBarBottom;
    stored = square;
}

void CCrossWordPuzzle::CountSquares()
{
    m_nEmpty = m_nUnsolved = m_nMissing = 0;
    m_bAnyBars = FALSE;
    for (const CSquare& square : m_aSquares) {
        m_nEmpty += CountAsEmpty(square);
        m_nUnsolved += CountAsUnsolved(square);
        m_nMissing += square.m_bMissing ? 1 : 0;
        m_bAnyBars = m_bAnyBars || square.m_bBarRight || square.m_bBarBottom;
    }
}

// Outside the grid, or not stored yet (a default square, hence black).
BOOL CCrossWordPuzzle::IsBlack(int nCol, int nRow) const
{
    const CSquare* pSquare = SquareAt(nCol, nRow);
    return pSquare == nullptr || pSquare->m_bBlack;
}

BOOL CCrossWordPuzzle::IsBlackToPlayer(int nCol, int nRow) const
{
    if (!m_bDiagramless)
        return IsBlack(nCol, nRow);
    const CSquare* pSquare = SquareAt(nCol, nRow);
    return pSquare == nullptr || pSquare->m_bMarkedBlack || pSquare->m_bMissing;
}

BOOL CCrossWordPuzzle::IsMissing(int nCol, int nRow) const
{
    const CSquare* pSquare = SquareAt(nCol, nRow);
    return pSquare != nullptr && pSquare->m_bMissing;
}

BOOL CCrossWordPuzzle::IsWordEnd(int nCol, int nRow, BOOL bAcross) const
{
    if (IsBlack(nCol, nRow) || IsBlack(bAcross ? nCol + 1 : nCol, bAcross ? nRow : nRow + 1))
        return TRUE;
    const CSquare* pSquare = SquareAt(nCol, nRow);
    return bAcross ? pSquare->m_bBarRight : pSquare->m_bBarBottom;
}

std::u16string CCrossWordPuzzle::GetLabel(int nCol, int nRow) const
{
    const long nIndex = IndexOf(nCol, nRow);
    if (nIndex < 0)
        return {};
    if (!m_astrLabels.empty())
        return static_cast<std::size_t>(nIndex) < m_astrLabels.size() ? m_astrLabels[static_cast<std::size_t>(nIndex)]
                                                                      : std::u16string();
    const CSquare* pSquare = SquareAt(nCol, nRow);
    if (pSquare == nullptr)
        return {};
    const int nNumber = pSquare->m_nAcrossNumber != 0 ? pSquare->m_nAcrossNumber : pSquare->m_nDownNumber;
    return nNumber != 0 ? FormatText(u"%d", nNumber) : std::u16string();
}

BOOL CCrossWordPuzzle::IsFilled(int nCol, int nRow) const
{
    const CSquare* pSquare = SquareAt(nCol, nRow);
    return IndexOf(nCol, nRow) < 0 || (pSquare != nullptr && pSquare->m_bFilled);
}

BOOL CCrossWordPuzzle::IsIncorrect(int nCol, int nRow) const
{
    const CSquare* pSquare = SquareAt(nCol, nRow);
    return IndexOf(nCol, nRow) < 0 || IsIncorrect(pSquare != nullptr ? *pSquare : CSquare());
}

BOOL CCrossWordPuzzle::IsSolved() const
{
    // Without the answers no fill can be judged right.
    if (!m_bHasSolution)
        return FALSE;
    if (!m_bLocked)
        return m_nUnsolved == 0;
    // The scrambled answers say nothing: only a full grid can be judged.
    if (m_nEmpty != 0)
        return FALSE;
    std::string letters;
    return ColumnBytes(FALSE, letters) &&
           RegionChecksum(reinterpret_cast<const BYTE*>(letters.data()), letters.size()) == m_wAnswerChecksum;
}

DWORD CCrossWordPuzzle::GetChecksum() const
{
    // Solution files saved before and after unlocking belong to the same file.
    if (m_bUnlocked)
        return m_dwFileChecksum;
    // The OR is what stored solution files were written with; keep it.
    DWORD dwSum = 0;
    for (int c = 0; c < m_nWidth; ++c) {
        for (int r = 0; r < m_nHeight; ++r) {
            const CSquare* pSquare = SquareAt(c, r);
            dwSum = (dwSum ^ 0xAF5E) | (pSquare != nullptr ? pSquare->m_chSolution : 0);
        }
    }
    return dwSum;
}

std::uint64_t CCrossWordPuzzle::GetAnswerDigest() const
{
    if (m_bUnlocked)
        return m_nFileAnswerDigest;
    // FNV-1a over the size, then a black mark or the answer of each square.
    std::uint64_t nDigest = 0xcbf29ce484222325ULL;
    auto add = [&nDigest](unsigned nValue) {
        for (int i = 0; i < 2; ++i, nValue >>= 8) {
            nDigest ^= nValue & 0xFF;
            nDigest *= 0x100000001b3ULL;
        }
    };
    add(static_cast<unsigned>(m_nWidth));
    add(static_cast<unsigned>(m_nHeight));
    for (const CSquare& square : m_aSquares)
        add(square.m_bBlack ? 0xFFFFu : square.m_chSolution);
    return nDigest;
}

BOOL CCrossWordPuzzle::ColumnBytes(BOOL bAnswers, std::string& bytes) const
{
    bytes.clear();
    for (int c = 0; c < m_nWidth; ++c) {
        for (int r = 0; r < m_nHeight; ++r) {
            const CSquare* pSquare = SquareAt(c, r);
            if (pSquare == nullptr || pSquare->m_bBlack)
                continue;
            BYTE b = 0;
            if ((!bAnswers && !pSquare->m_bFilled) ||
                !WideToCp1252(bAnswers ? pSquare->m_chSolution : pSquare->m_chLetter, b))
                return FALSE;
            bytes.push_back(static_cast<char>(b));
        }
    }
    return TRUE;
}

BOOL CCrossWordPuzzle::Unlock(int nKey)
{
    std::string letters;
    if (!m_bLocked || nKey < 0 || nKey > 9999 || !ColumnBytes(TRUE, letters))
        return FALSE;
    BYTE* pLetters = reinterpret_cast<BYTE*>(letters.data());
    Unscramble(pLetters, letters.size(), nKey);
    if (RegionChecksum(pLetters, letters.size()) != m_wAnswerChecksum)
        return FALSE;
    m_dwFileChecksum = GetChecksum();
    m_nFileAnswerDigest = GetAnswerDigest();
    m_bUnlocked = TRUE;
    m_bLocked = FALSE;
    std::size_t i = 0;
    for (int c = 0; c < m_nWidth; ++c) {
        for (int r = 0; r < m_nHeight; ++r) {
            CSquare square = GetSquare(c, r);
            if (square.m_bBlack)
                continue;
            square.m_chSolution = Cp1252ToWide(pLetters[i++]);
            SetSquare(c, r, square);
        }
    }
    return TRUE;
}

std::vector<int> CCrossWordPuzzle::FindKeys() const
{
    std::string letters;
    if (!m_bLocked || !ColumnBytes(TRUE, letters))
        return {};
    return ::FindKeys(reinterpret_cast<const BYTE*>(letters.data()), letters.size(), m_wAnswerChecksum);
}

int CCrossWordPuzzle::ChooseKey(const std::vector<int>& keys) const
{
    std::string letters;
    if (keys.empty() || !ColumnBytes(TRUE, letters))
        return -1;
    if (keys.size() == 1)
        return keys.front();
    // Where each white square's letter stands in the column order.
    std::vector<std::size_t> aOrder(m_aSquares.size(), 0);
    std::size_t nNext = 0;
    for (int c = 0; c < m_nWidth; ++c) {
        for (int r = 0; r < m_nHeight; ++r) {
            if (!IsBlack(c, r))
                aOrder[static_cast<std::size_t>(IndexOf(c, r))] = nNext++;
        }
    }
    std::vector<std::vector<std::size_t>> words;
    for (const bool bAcross : {true, false}) {
        for (int r = 0; r < m_nHeight; ++r) {
            for (int c = 0; c < m_nWidth; ++c) {
                const CSquare* pSquare = SquareAt(c, r);
                if (pSquare == nullptr || (bAcross ? pSquare->m_nAcrossNumber : pSquare->m_nDownNumber) == 0)
                    continue;
                std::vector<std::size_t>& word = words.emplace_back();
                for (int x = c, y = r;; bAcross ? ++x : ++y) {
                    word.push_back(aOrder[static_cast<std::size_t>(IndexOf(x, y))]);
                    if (IsWordEnd(x, y, bAcross ? TRUE : FALSE))
                        break;
                }
            }
        }
    }
    CLetterPairs pairs;
    for (const CClue* pClue : m_lstClues)
        pairs.AddText(pClue->m_strText);
    return ::ChooseKey(letters, keys, words, pairs);
}

long CCrossWordPuzzle::GetElapsedSeconds() const
{
    const auto nRun = std::chrono::duration_cast<std::chrono::seconds>(m_timer.GetElapsed()).count();
    return (m_nTimerSeconds > 0 ? m_nTimerSeconds : 0) + static_cast<long>(nRun);
}

long CCrossWordPuzzle::GetKeptTimerSeconds() const
{
    return m_timer.HasBegun() ? GetElapsedSeconds() : m_nTimerSeconds;
}

BOOL CCrossWordPuzzle::IsKeptTimerStopped() const
{
    return m_timer.HasBegun() ? !m_timer.IsRunning() : m_bTimerStopped;
}

const std::u16string* CCrossWordPuzzle::GetRebus(const CSquare& square) const
{
    const std::size_t nIndex = static_cast<std::size_t>(square.m_nRebus);
    return square.m_nRebus > 0 && nIndex <= m_astrRebus.size() ? &m_astrRebus[nIndex - 1] : nullptr;
}

void CCrossWordPuzzle::NumberSquares()
{
    DeleteClues();
    // A word for each text of the file, as a rule: one block holds them all.
    ReserveClues(m_astrClues.size());
    std::size_t nNextText = 0;
    // Words beyond the texts of the file get an empty clue. The working
    // texts are emptied after numbering, so they can be moved.
    auto nextText = [&]() {
        return nNextText < m_astrClues.size() ? std::move(m_astrClues[nNextText++]) : std::u16string();
    };
    ForEachWord([&](int nNumber, BOOL bAcross) { AddClue(nextText(), nNumber, bAcross); });
}

void CCrossWordPuzzle::NumberWords(const std::function<void(int, BOOL)>& onWord)
{
    ForEachWord(onWord);
}

template <class OnWordFn> void CCrossWordPuzzle::ForEachWord(OnWordFn onWord)
{
    int nCounter = 0;
    const auto onStart = [&](int c, int r, bool bAcross, bool bDown) {
        // A word's first square exists; its numbers change no count, so
        // they are written in place.
        CSquare& square = m_aSquares[static_cast<std::size_t>(IndexOf(c, r))];
        ++nCounter;
        if (bAcross) {
            square.m_nAcrossNumber = nCounter;
            onWord(nCounter, TRUE);
        }
        if (bDown) {
            square.m_nDownNumber = nCounter;
            onWord(nCounter, FALSE);
        }
    };
    const std::size_t nSquares = static_cast<std::size_t>(m_nWidth) * static_cast<std::size_t>(m_nHeight);
    if (m_aSquares.size() >= nSquares) {
        // Every square is stored (as after any load): asked by index.
        const CSquare* pSquares = m_aSquares.data();
        const auto isBlack = [pSquares](std::size_t i) { return pSquares[i].m_bBlack != FALSE; };
        // A grid without bars (every .puz file) is walked without looking for them.
        if (!m_bAnyBars) {
            ForEachGridWordStart(m_nWidth, m_nHeight, isBlack, onStart);
            return;
        }
        ForEachGridWordStart(
            m_nWidth, m_nHeight, isBlack,
            [pSquares](std::size_t i, bool bAcross) {
                return (bAcross ? pSquares[i].m_bBarRight : pSquares[i].m_bBarBottom) != FALSE;
            },
            onStart);
        return;
    }
    const auto isBlack = [this](int c, int r) { return IsBlack(c, r) != FALSE; };
    ForEachWordStart(
        m_nWidth, m_nHeight, isBlack,
        [this](int c, int r, bool bAcross) {
            const CSquare* pSquare = SquareAt(c, r);
            return pSquare != nullptr && (bAcross ? pSquare->m_bBarRight : pSquare->m_bBarBottom) != FALSE;
        },
        onStart);
}

// Both walks go from the square towards the left (across) or the top (down).
// This one stops at a black square and at a bar, which end words alike.
BOOL CCrossWordPuzzle::IsInWord(int nCol, int nRow, BOOL bAcross) const
{
    for (int c = nCol, r = nRow; c >= 0 && r >= 0; bAcross ? --c : --r) {
        const CSquare square = GetSquare(c, r);
        if (square.m_bBlack)
            return FALSE;
        if ((bAcross ? square.m_nAcrossNumber : square.m_nDownNumber) != 0)
            return TRUE;
        const CSquare* pBefore = bAcross ? SquareAt(c - 1, r) : SquareAt(c, r - 1);
        if (pBefore != nullptr && (bAcross ? pBefore->m_bBarRight : pBefore->m_bBarBottom))
            return FALSE;
    }
    return FALSE;
}

// Does not stop at black squares: -1 in the walked coordinate when no start
// lies before the square.
CPoint CCrossWordPuzzle::GetWordStart(int nCol, int nRow, BOOL bAcross) const
{
    int c = nCol, r = nRow;
    while (c >= 0 && r >= 0) {
        const CSquare square = GetSquare(c, r);
        if ((bAcross ? square.m_nAcrossNumber : square.m_nDownNumber) != 0)
            break;
        bAcross ? --c : --r;
    }
    return CPoint(c, r);
}

BOOL CCrossWordPuzzle::IsInAcrossWord(int nCol, int nRow) const
{
    return IsInWord(nCol, nRow, TRUE);
}

BOOL CCrossWordPuzzle::IsInDownWord(int nCol, int nRow) const
{
    return IsInWord(nCol, nRow, FALSE);
}

CPoint CCrossWordPuzzle::GetAcrossStart(int nCol, int nRow) const
{
    return GetWordStart(nCol, nRow, TRUE);
}

CPoint CCrossWordPuzzle::GetDownStart(int nCol, int nRow) const
{
    return GetWordStart(nCol, nRow, FALSE);
}

CClue* CCrossWordPuzzle::FindClue(int nNumber, BOOL bAcross) const
{
    if (nNumber == 0)
        return nullptr;
    for (CClue* pClue : m_lstClues) {
        if (pClue->m_nNumber == nNumber && (pClue->m_bAcross != FALSE) == (bAcross != FALSE))
            return pClue;
    }
    return nullptr;
}

CClue* CCrossWordPuzzle::GetAcrossClue(int nCol, int nRow) const
{
    return FindClue(GetSquare(nCol, nRow).m_nAcrossNumber, TRUE);
}

CClue* CCrossWordPuzzle::GetDownClue(int nCol, int nRow) const
{
    return FindClue(GetSquare(nCol, nRow).m_nDownNumber, FALSE);
}

BOOL CCrossWordPuzzle::HasOtherLists() const
{
    for (const int nDirection : m_anClueListDirection) {
        if (nDirection != 0 && nDirection != 1)
            return TRUE;
    }
    return FALSE;
}

std::vector<const CClue*> CCrossWordPuzzle::GetOtherCluesAt(int nCol, int nRow) const
{
    std::vector<const CClue*> clues;
    const CPoint pt(nCol, nRow);
    for (const CClue* pClue : m_lstClues) {
        const std::size_t nList = static_cast<std::size_t>(pClue->m_nList);
        if (nList >= m_anClueListDirection.size() || m_anClueListDirection[nList] == 0 ||
            m_anClueListDirection[nList] == 1)
            continue;
        for (const CPoint& ptCell : pClue->m_aCells) {
            if (ptCell == pt) {
                clues.push_back(pClue);
                break;
            }
        }
    }
    return clues;
}

void CCrossWordPuzzle::ReserveClues(std::size_t nCount)
{
    m_lstClues.reserve(m_lstClues.size() + nCount);
    if (nCount == 0 || (!m_aClueStore.empty() && m_aClueStore.back().capacity() - m_aClueStore.back().size() >= nCount))
        return;
    m_aClueStore.emplace_back().reserve(nCount);
}

CClue* CCrossWordPuzzle::AddClue(std::u16string strText, int nNumber, BOOL bAcross)
{
    // A full block is never grown, which would move its clues: the next one
    // is twice its size.
    if (m_aClueStore.empty() || m_aClueStore.back().size() == m_aClueStore.back().capacity()) {
        const std::size_t nRoom =
            m_aClueStore.empty() ? 16 : std::max<std::size_t>(16, 2 * m_aClueStore.back().capacity());
        m_aClueStore.emplace_back().reserve(nRoom);
    }
    CClue* pClue = &m_aClueStore.back().emplace_back(std::move(strText), nNumber, bAcross);
    m_lstClues.push_back(pClue);
    return pClue;
}
