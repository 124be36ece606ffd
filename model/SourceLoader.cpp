// SPDX-License-Identifier: MIT
// A puzzle of the newer formats into the model: LoadSource.

#include <algorithm>
#include <map>
#include <string_view>
#include <utility>

#include "model/CrossWordPuzzle.h"
#include "model/Format.h"
#include "model/LabelIndex.h"
#include "model/PuzzleSource.h"
#include "model/PuzzleSourceReader.h"
#include "model/WordStarts.h"

namespace {

// A square the player fills needs its answer; a given square is its own.
bool HasAnswer(const CSourceSquare& square)
{
    return square.m_nKind != ESquareKind::Open || !square.m_strSolution.empty() ||
           (square.m_bGiven && !square.m_strFill.empty());
}

// The direction of a clue: its list's, or for a list that tells none, the
// way its first two squares lie (down when they tell nothing either).
BOOL IsAcrossClue(const CSourceClueList& list, const CSourceClue& clue)
{
    if (list.m_nDirection != EClueDirection::Other)
        return list.m_nDirection == EClueDirection::Across;
    return clue.m_aCells.size() > 1 && clue.m_aCells[0].y == clue.m_aCells[1].y;
}

// The label's first part, up to a character that is neither a letter nor
// a digit: "2" of "2-3", the first square's label of a clue that names its
// first and last squares.
std::u16string_view FirstPartOf(std::u16string_view strLabel)
{
    std::size_t n = 0;
    while (n < strLabel.size() &&
           ((strLabel[n] >= u'0' && strLabel[n] <= u'9') || (strLabel[n] >= u'A' && strLabel[n] <= u'Z') ||
            (strLabel[n] >= u'a' && strLabel[n] <= u'z')))
        ++n;
    return strLabel.substr(0, n);
}

// The file's name ends in ".puz", in any case.
bool HasPuzName(const std::u16string& strPath)
{
    if (strPath.size() < 4)
        return false;
    std::u16string strEnd = strPath.substr(strPath.size() - 4);
    for (char16_t& ch : strEnd)
        ch = ch >= u'A' && ch <= u'Z' ? static_cast<char16_t>(ch - u'A' + u'a') : ch;
    return strEnd == u".puz";
}

}  // namespace

BOOL CCrossWordPuzzle::LoadFile(const std::u16string& strPath, std::u16string& strError)
{
    std::string bytes;
    if (!ReadPuzzleFileBytes(strPath, bytes, strError))
        return FALSE;
    return LoadBytes(bytes, strPath, strError);
}

BOOL CCrossWordPuzzle::LoadBytes(std::string_view bytes, const std::u16string& strPath, std::u16string& strError)
{
    m_strFileName = strPath;
    EPuzzleFormat nFormat = SniffPuzzleFormat(bytes);
    // Any text is taken for xd by its content; a name that says otherwise wins.
    if (nFormat == EPuzzleFormat::Xd && HasPuzName(strPath))
        nFormat = EPuzzleFormat::Puz;
    if (nFormat == EPuzzleFormat::Puz || nFormat == EPuzzleFormat::Unknown)
        return ReadPuzzleBytes(bytes, strError);
    CPuzzleSource source;
    if (!ReadPuzzleSource(bytes, strPath, source, strError))
        return FALSE;
    LoadSource(std::move(source));
    return TRUE;
}

void CCrossWordPuzzle::LoadSource(const CPuzzleSource& source)
{
    LoadSource(CPuzzleSource(source));
}

void CCrossWordPuzzle::LoadSource(CPuzzleSource&& source)
{
    DeleteClues();
    m_astrRebus.clear();
    m_astrLabels.clear();
    m_astrClueLists.clear();
    m_anClueListDirection.clear();
    m_nWidth = source.m_nWidth;
    m_nHeight = source.m_nHeight;
    m_strTitle = std::move(source.m_strTitle);
    m_strAuthor = std::move(source.m_strAuthor);
    m_strCopyright = std::move(source.m_strCopyright);
    m_strNotes = std::move(source.m_strNotes);
    m_bLocked = FALSE;
    m_bHasSolution = TRUE;
    m_bDiagramless = source.m_bDiagramless ? TRUE : FALSE;

    const std::size_t nSquares = static_cast<std::size_t>(m_nWidth) * static_cast<std::size_t>(m_nHeight);
    const std::size_t nFrom = std::min(nSquares, source.m_aSquares.size());
    m_aSquares.assign(nSquares, CSquare());
    bool bLabels = false;
    std::map<std::u16string, int> rebusOfText;
    for (std::size_t i = 0; i < nFrom; ++i) {
        CSourceSquare& from = source.m_aSquares[i];
        CSquare& square = m_aSquares[i];
        bLabels = bLabels || (from.m_nKind == ESquareKind::Open && !from.m_strLabel.empty());
        if (!HasAnswer(from))
            m_bHasSolution = FALSE;
        if (from.m_nKind == ESquareKind::Missing) {
            square.m_bMissing = true;
            continue;
        }
        square.m_bBarRight = from.m_bBarRight;
        square.m_bBarBottom = from.m_bBarBottom;
        if (from.m_nColor >= 0)
            square.m_crShade = static_cast<DWORD>(from.m_nColor) & 0xFFFFFF;
        if (from.m_nKind == ESquareKind::Block)
            continue;
        square.m_bBlack = FALSE;
        square.m_bCircled = from.m_bCircled;
        const std::u16string& strAnswer =
            from.m_strSolution.empty() && from.m_bGiven ? from.m_strFill : from.m_strSolution;
        if (!strAnswer.empty())
            square.m_chSolution = strAnswer[0];
        if (strAnswer.size() > 1) {
            const auto [it, bNew] = rebusOfText.emplace(strAnswer, static_cast<int>(m_astrRebus.size()) + 1);
            if (bNew)
                m_astrRebus.push_back(strAnswer);
            square.m_nRebus = it->second;
        }
        if (!from.m_strFill.empty()) {
            square.m_chLetter = from.m_strFill[0];
            square.m_bFilled = TRUE;
            square.m_bGiven = from.m_bGiven;
            // More than one letter is a rebus entry, drawn whole.
            if (from.m_strFill.size() > 1)
                square.m_strRebusEntry = from.m_strFill;
        }
    }
    if (bLabels) {
        m_astrLabels.resize(nSquares);
        for (std::size_t i = 0; i < nFrom; ++i) {
            if (source.m_aSquares[i].m_nKind == ESquareKind::Open)
                m_astrLabels[i] = std::move(source.m_aSquares[i].m_strLabel);
        }
    }
    CountSquares();

    // The grid's own numbering marks where words start; the clues are then
    // put on the words that their squares name. A clue without squares
    // names its first square by its label; where the file draws no labels,
    // by its number in the grid's numbering.
    std::size_t nClues = 0;
    for (const CSourceClueList& list : source.m_aLists)
        nClues += list.m_aClues.size();
    ReserveClues(nClues);
    CLabelIndex startOfLabel(nSquares);
    NumberWords([](int, BOOL) {});
    const auto findLabels = [&](const CSourceClueList& list) {
        return list.m_nDirection != EClueDirection::Other &&
               std::any_of(list.m_aClues.begin(), list.m_aClues.end(),
                           [](const CSourceClue& clue) { return clue.m_aCells.empty(); });
    };
    // Only clues without squares need the labels.
    if (std::any_of(source.m_aLists.begin(), source.m_aLists.end(), findLabels)) {
        for (std::size_t i = 0; i < nSquares; ++i) {
            if (bLabels) {
                if (!m_astrLabels[i].empty())
                    startOfLabel.Add(m_astrLabels[i], static_cast<int>(i));
                continue;
            }
            const CSquare& square = m_aSquares[i];
            const int nNumber = square.m_nAcrossNumber != 0 ? square.m_nAcrossNumber : square.m_nDownNumber;
            if (nNumber != 0)
                startOfLabel.AddNumber(nNumber, static_cast<int>(i));
        }
    }
    for (std::size_t nList = 0; nList < source.m_aLists.size(); ++nList) {
        CSourceClueList& list = source.m_aLists[nList];
        m_anClueListDirection.push_back(list.m_nDirection == EClueDirection::Across ? 1
                                        : list.m_nDirection == EClueDirection::Down ? 0
                                                                                    : 2);
        for (CSourceClue& from : list.m_aClues) {
            CClue* pClue = AddClue(std::move(from.m_strText), 0, IsAcrossClue(list, from));
            pClue->m_nList = static_cast<int>(nList);
            if (list.m_nDirection == EClueDirection::Other) {
                pClue->m_strLabel = std::move(from.m_strLabel);
                pClue->m_aCells = std::move(from.m_aCells);
                continue;
            }
            int nStart = -1;
            if (!from.m_aCells.empty()) {
                nStart = static_cast<int>(IndexOf(from.m_aCells[0].x, from.m_aCells[0].y));
            } else {
                nStart = bLabels ? startOfLabel.Find(FirstPartOf(from.m_strLabel))
                                 : startOfLabel.FindNumber(std::max(from.m_nNumber, 0));
            }
            pClue->m_strLabel = std::move(from.m_strLabel);
            pClue->m_aCells = std::move(from.m_aCells);
            // A clue whose first square starts no word that way stays in its
            // list, but no square leads to it.
            if (nStart >= 0 && static_cast<std::size_t>(nStart) < m_aSquares.size()) {
                const CSquare& start = m_aSquares[static_cast<std::size_t>(nStart)];
                pClue->m_nNumber = pClue->m_bAcross ? start.m_nAcrossNumber : start.m_nDownNumber;
            }
        }
        m_astrClueLists.push_back(std::move(list.m_strName));
    }
}
