// SPDX-License-Identifier: MIT
// Choosing the writer, writing the file, and the loaded puzzle as a source.

#include "model/PuzzleSourceWriter.h"

#include <algorithm>
#include <map>

#include "model/CrossWordPuzzle.h"
#include "model/File.h"
#include "model/SafeWrite.h"
#include "model/SourceText.h"

namespace {

bool EndsWithNoCase(const std::u16string& strText, std::u16string_view strEnd)
{
    if (strText.size() < strEnd.size())
        return false;
    return std::equal(strEnd.begin(), strEnd.end(), strText.end() - static_cast<std::ptrdiff_t>(strEnd.size()),
                      [](char16_t a, char16_t b) {
                          const auto lower = [](char16_t ch) {
                              return ch >= u'A' && ch <= u'Z' ? static_cast<char16_t>(ch - u'A' + u'a') : ch;
                          };
                          return lower(a) == lower(b);
                      });
}

// The squares of the word that starts at the square, up to its end (a
// black square, a bar or the edge).
std::vector<CPoint> WordOf(const CCrossWordPuzzle& puzzle, CPoint start, bool bAcross)
{
    std::vector<CPoint> aCells;
    if (puzzle.IsBlack(start.x, start.y))
        return aCells;
    for (CPoint pt = start;; pt.Offset(bAcross ? 1 : 0, bAcross ? 0 : 1)) {
        aCells.push_back(pt);
        if (puzzle.IsWordEnd(pt.x, pt.y, bAcross ? TRUE : FALSE))
            return aCells;
    }
}

// The direction the puzzle keeps for a list (1 across, 0 down, 2 neither).
EClueDirection DirectionOfList(const CCrossWordPuzzle& puzzle, std::size_t nList)
{
    const int nDirection = nList < puzzle.m_anClueListDirection.size() ? puzzle.m_anClueListDirection[nList] : 2;
    return nDirection == 1 ? EClueDirection::Across : nDirection == 0 ? EClueDirection::Down : EClueDirection::Other;
}

}  // namespace

EPuzzleFormat FormatOfFileName(const std::u16string& strPath)
{
    if (EndsWithNoCase(strPath, u".puz"))
        return EPuzzleFormat::Puz;
    if (EndsWithNoCase(strPath, u".ipuz"))
        return EPuzzleFormat::Ipuz;
    return EPuzzleFormat::Unknown;
}

void AddWarning(std::vector<std::u16string>& astrWarnings, std::u16string strWarning)
{
    if (std::find(astrWarnings.begin(), astrWarnings.end(), strWarning) == astrWarnings.end())
        astrWarnings.push_back(std::move(strWarning));
}

BOOL WritePuzzleSource(const std::u16string& strPath, const CPuzzleSource& source, EPuzzleFormat nFormat,
                       std::vector<std::u16string>& astrWarnings, std::u16string& strError)
{
    std::string bytes;
    if (nFormat == EPuzzleFormat::Puz) {
        bytes = PuzFileBytes(source, astrWarnings);
    } else if (nFormat == EPuzzleFormat::Ipuz) {
        bytes = IpuzFileBytes(source, astrWarnings);
    } else {
        strError = FormatText(u"%s: puzzles are written as .puz or .ipuz files only", strPath);
        return FALSE;
    }
    return WriteFileSafely(
        strPath, [&bytes](CFile& file) { file.Write(bytes.data(), static_cast<UINT>(bytes.size())); }, strError);
}

CPuzzleSource SourceFromPuzzle(const CCrossWordPuzzle& puzzle)
{
    CPuzzleSource source;
    source.Resize(puzzle.m_nWidth, puzzle.m_nHeight, ESquareKind::Block);
    // Where each word number starts, across and down.
    std::map<int, CPoint> starts[2];
    for (int r = 0; r < puzzle.m_nHeight; ++r) {
        for (int c = 0; c < puzzle.m_nWidth; ++c) {
            const CSquare square = puzzle.GetSquare(c, r);
            CSourceSquare& target = source.At(c, r);
            target.m_bBarRight = square.m_bBarRight != FALSE;
            target.m_bBarBottom = square.m_bBarBottom != FALSE;
            if (square.m_crShade != kNoShade)
                target.m_nColor = static_cast<long>(square.m_crShade & 0xFFFFFF);
            if (square.m_bMissing)
                target.m_nKind = ESquareKind::Missing;
            if (square.m_bBlack)
                continue;
            target.m_nKind = ESquareKind::Open;
            target.m_strLabel = puzzle.GetLabel(c, r);
            if (square.m_nAcrossNumber != 0)
                starts[0].emplace(square.m_nAcrossNumber, CPoint(c, r));
            if (square.m_nDownNumber != 0)
                starts[1].emplace(square.m_nDownNumber, CPoint(c, r));
            const std::u16string* pRebus = puzzle.GetRebus(square);
            if (puzzle.m_bHasSolution && pRebus != nullptr)
                target.m_strSolution = *pRebus;
            else if (puzzle.m_bHasSolution && square.m_chSolution != 0)
                target.m_strSolution.assign(1, square.m_chSolution);
            // Only a locked puzzle's letter for a rebus is not the rebus's first.
            if (pRebus != nullptr && puzzle.m_bLocked)
                target.m_chGridLetter = square.m_chSolution;
            if (!square.m_strRebusEntry.empty())
                target.m_strFill = square.m_strRebusEntry;
            else if (square.m_bFilled && square.m_bShown && pRebus != nullptr)
                target.m_strFill = *pRebus;  // a shown rebus is shown whole
            else if (square.m_bFilled && square.m_chLetter != 0)
                target.m_strFill.assign(1, square.m_chLetter);
            target.m_bGiven = square.m_bGiven && !target.m_strFill.empty();
            target.m_bCircled = square.m_bCircled != FALSE;
            target.m_bRevealed = square.m_bShown && square.m_bFilled && !square.m_bGiven;
            target.m_bWasIncorrect = square.m_bWasIncorrect != FALSE;
            target.m_bIncorrect = puzzle.IsIncorrect(square) != FALSE;
        }
    }

    for (std::size_t nList = 0; nList < puzzle.m_astrClueLists.size(); ++nList) {
        CSourceClueList list;
        list.m_strName = puzzle.m_astrClueLists[nList];
        list.m_nDirection = DirectionOfList(puzzle, nList);
        source.m_aLists.push_back(std::move(list));
    }
    for (const CClue* pClue : puzzle.m_lstClues) {
        if (pClue->m_nList < 0 || static_cast<std::size_t>(pClue->m_nList) >= source.m_aLists.size())
            continue;
        CSourceClueList& list = source.m_aLists[static_cast<std::size_t>(pClue->m_nList)];
        CSourceClue clue;
        clue.m_strLabel = pClue->m_strLabel;
        clue.m_nNumber = LabelNumber(pClue->m_strLabel);
        clue.m_strText = pClue->m_strText;
        clue.m_aCells = pClue->m_aCells;
        const auto& byNumber = starts[pClue->m_bAcross ? 0 : 1];
        const auto it = byNumber.find(pClue->m_nNumber);
        // A clue labelled with its word's number is that word; the squares
        // of any other stay as the file named them, or unnamed.
        if (clue.m_aCells.empty() && list.m_nDirection != EClueDirection::Other && it != byNumber.end() &&
            clue.m_nNumber == pClue->m_nNumber)
            clue.m_aCells = WordOf(puzzle, it->second, pClue->m_bAcross != FALSE);
        list.m_aClues.push_back(std::move(clue));
    }

    source.m_strTitle = puzzle.m_strTitle;
    source.m_strAuthor = puzzle.m_strAuthor;
    source.m_strCopyright = puzzle.m_strCopyright;
    source.m_strNotes = puzzle.m_strNotes;
    source.m_nTimerSeconds = puzzle.GetKeptTimerSeconds();
    source.m_bTimerStopped = puzzle.IsKeptTimerStopped() != FALSE;
    source.m_bDiagramless = puzzle.m_bDiagramless != FALSE;
    source.m_bLocked = puzzle.m_bLocked != FALSE;
    source.m_wAnswerChecksum = puzzle.m_bLocked ? puzzle.m_wAnswerChecksum : WORD {0};
    return source;
}

BOOL ReadAnyPuzzleSource(const std::u16string& strPath, CPuzzleSource& source, std::u16string& strError)
{
    EPuzzleFormat nFormat = EPuzzleFormat::Unknown;
    if (ReadPuzzleSource(strPath, source, strError, &nFormat))
        return TRUE;
    if (nFormat != EPuzzleFormat::Puz)
        return FALSE;
    strError.clear();
    CCrossWordPuzzle puzzle;
    if (!puzzle.LoadPuzzle(strPath, strError))
        return FALSE;
    source = SourceFromPuzzle(puzzle);
    return TRUE;
}
