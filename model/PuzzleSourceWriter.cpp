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

// The squares of the word that starts at (c, r), up to the next black square.
std::vector<CPoint> WordOf(const CCrossWordPuzzle& puzzle, CPoint start, bool bAcross)
{
    std::vector<CPoint> aCells;
    for (CPoint pt = start; !puzzle.IsBlack(pt.x, pt.y); pt.Offset(bAcross ? 1 : 0, bAcross ? 0 : 1))
        aCells.push_back(pt);
    return aCells;
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
    std::map<int, CPoint> starts;  // the square of each word number
    for (int r = 0; r < puzzle.m_nHeight; ++r) {
        for (int c = 0; c < puzzle.m_nWidth; ++c) {
            const CSquare square = puzzle.GetSquare(c, r);
            if (square.m_bBlack)
                continue;
            CSourceSquare& target = source.At(c, r);
            target.m_nKind = ESquareKind::Open;
            const std::u16string* pRebus = puzzle.GetRebus(square);
            if (pRebus != nullptr)
                target.m_strSolution = *pRebus;
            else if (square.m_chSolution != 0)
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
            target.m_bCircled = square.m_bCircled != FALSE;
            target.m_bRevealed = square.m_bShown && square.m_bFilled;
            target.m_bWasIncorrect = square.m_bWasIncorrect != FALSE;
            target.m_bIncorrect = square.IsIncorrect() != FALSE;
            const int nNumber = std::max(square.m_nAcrossNumber, square.m_nDownNumber);
            if (nNumber > 0) {
                target.m_strLabel = NumberText(nNumber);
                starts.emplace(nNumber, CPoint(c, r));
            }
        }
    }

    CSourceClueList across {u"Across", EClueDirection::Across, {}};
    CSourceClueList down {u"Down", EClueDirection::Down, {}};
    for (const CClue* pClue : puzzle.m_lstClues) {
        CSourceClue clue;
        clue.m_nNumber = pClue->m_nNumber;
        clue.m_strLabel = NumberText(pClue->m_nNumber);
        clue.m_strText = pClue->m_strText;
        const auto it = starts.find(pClue->m_nNumber);
        if (it != starts.end())
            clue.m_aCells = WordOf(puzzle, it->second, pClue->m_bAcross != FALSE);
        (pClue->m_bAcross ? across : down).m_aClues.push_back(std::move(clue));
    }
    source.m_aLists = {std::move(across), std::move(down)};

    source.m_strTitle = puzzle.m_strTitle;
    source.m_strAuthor = puzzle.m_strAuthor;
    source.m_strCopyright = puzzle.m_strCopyright;
    source.m_strNotes = puzzle.m_strNotes;
    source.m_nTimerSeconds = puzzle.m_nTimerSeconds;
    source.m_bTimerStopped = puzzle.m_bTimerStopped != FALSE;
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
