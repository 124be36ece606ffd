// SPDX-License-Identifier: MIT
// The solution file: SaveSolution, LoadSolution and Serialize.

#include <algorithm>
#include <utility>
#include <vector>

#include "model/Archive.h"
#include "model/CrossWordPuzzle.h"
#include "model/File.h"
#include "model/Format.h"
#include "model/MessageSink.h"
#include "model/SafeWrite.h"

namespace {

const int kArchiveBuffer = 4096;

}  // namespace

void CCrossWordPuzzle::StorePlayerState(CArchive& ar) const
{
    ar << static_cast<LONG>(m_nWidth) << static_cast<LONG>(m_nHeight) << GetChecksum() << m_strFileName;
    for (int c = 0; c < m_nWidth; ++c) {
        for (int r = 0; r < m_nHeight; ++r) {
            const CSquare square = GetSquare(c, r);
            ar << static_cast<LONG>(square.m_bFilled) << static_cast<WORD>(square.m_chLetter);
        }
    }
}

BOOL CCrossWordPuzzle::LoadPlayerState(CArchive& ar, std::vector<CSquare>& squares, std::u16string& strPuzzlePath) const
{
    LONG nWidth, nHeight;
    DWORD dwChecksum;
    ar >> nWidth >> nHeight >> dwChecksum >> strPuzzlePath;
    if (nWidth != m_nWidth || nHeight != m_nHeight || dwChecksum != GetChecksum())
        return FALSE;
    // Every record is read and checked before anything is handed back, so a
    // damaged file changes nothing.
    squares = m_aSquares;
    squares.resize(static_cast<std::size_t>(m_nWidth) * static_cast<std::size_t>(m_nHeight));
    for (int c = 0; c < m_nWidth; ++c) {
        for (int r = 0; r < m_nHeight; ++r) {
            LONG nFilled;
            WORD wLetter;
            ar >> nFilled >> wLetter;
            if (nFilled != 0 && nFilled != 1)
                throw CArchiveException(CArchiveException::badIndex);
            CSquare& square = squares[static_cast<std::size_t>(IndexOf(c, r))];
            // The file's given letters are no part of the player's solution.
            if (square.m_bGiven)
                continue;
            square.m_bFilled = nFilled;
            square.m_chLetter = static_cast<WCHAR>(wLetter);
            // The file keeps one letter: a shown or entered rebus is its
            // first letter again, and every letter is the player's own.
            square.m_bShown = FALSE;
            square.m_strRebusEntry.clear();
            square.m_bPencil = false;
        }
    }
    return TRUE;
}

void CCrossWordPuzzle::SetPlayerState(const std::vector<CSquare>& squares)
{
    // Written in place and counted once at the end.
    const std::size_t nCount = std::min(squares.size(), m_aSquares.size());
    for (std::size_t i = 0; i < nCount; ++i) {
        // The file's given letters are no part of the player's state.
        if (!m_aSquares[i].m_bGiven)
            m_aSquares[i].CopyPlayerPart(squares[i]);
    }
    CountSquares();
}

void CCrossWordPuzzle::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        StorePlayerState(ar);
        return;
    }
    std::vector<CSquare> squares;
    std::u16string strPuzzlePath;
    if (!LoadPlayerState(ar, squares, strPuzzlePath)) {
        ReportError(FormatText(u"The solution file does not match the puzzle loaded.  "
                               u"The solution is for the file '%s'.",
                               strPuzzlePath));
        return;
    }
    if (ar.GetRemaining() != 0)
        throw CArchiveException(CArchiveException::badIndex);
    SetPlayerState(squares);
}

BOOL CCrossWordPuzzle::SaveSolution(const std::u16string& strPath)
{
    std::u16string strError;
    const BOOL bSaved = WriteFileSafely(
        strPath,
        [this](CFile& file) {
            CArchive ar(&file, CArchive::store, kArchiveBuffer);
            Serialize(ar);
            ar.Close();
        },
        strError);
    if (!bSaved)
        ReportError(strError);
    return bSaved;
}

BOOL CCrossWordPuzzle::LoadSolution(const std::u16string& strPath)
{
    CFile file;
    CFileException error;
    if (!file.Open(strPath, CFile::modeRead | CFile::typeBinary, &error)) {
        ReportError(error.GetErrorMessage());
        return FALSE;
    }
    if (file.GetLength() > kMaxInputFileBytes) {
        ReportError(FormatText(u"%s: too large for a solution file (more than 16 MiB)", strPath));
        return FALSE;
    }
    try {
        CArchive ar(&file, CArchive::load, kArchiveBuffer);
        Serialize(ar);
        ar.Close();
    } catch (const CArchiveException&) {
        ReportError(FormatText(u"%s: invalid solution file", strPath));
        return FALSE;
    } catch (const CFileException& e) {
        ReportError(e.GetErrorMessage());
        return FALSE;
    }
    return TRUE;
}

BOOL CCrossWordPuzzle::IsSolutionFile(const std::u16string& strPath, std::u16string& strPuzzlePath)
{
    CFile file;
    if (!file.Open(strPath, CFile::modeRead | CFile::typeBinary) || file.GetLength() > kMaxInputFileBytes)
        return FALSE;
    try {
        CArchive ar(&file, CArchive::load, kArchiveBuffer);
        LONG nWidth, nHeight;
        DWORD dwChecksum;
        std::u16string strFound;
        ar >> nWidth >> nHeight >> dwChecksum >> strFound;
        // The grids a puzzle file can hold, and a record for every square.
        if (nWidth < 1 || nWidth > 255 || nHeight < 1 || nHeight > 255 ||
            ar.GetRemaining() != 6ULL * static_cast<ULONGLONG>(nWidth) * static_cast<ULONGLONG>(nHeight))
            return FALSE;
        for (LONG i = 0; i < nWidth * nHeight; ++i) {
            LONG nFilled;
            WORD wLetter;
            ar >> nFilled >> wLetter;
            if (nFilled != 0 && nFilled != 1)
                return FALSE;
        }
        strPuzzlePath = strFound;
        return TRUE;
    } catch (const CException&) {
        return FALSE;
    }
}
