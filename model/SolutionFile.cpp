// SPDX-License-Identifier: MIT
// The solution file: SaveSolution, LoadSolution and Serialize.

#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>
#include <utility>

#include "model/Archive.h"
#include "model/CrossWordPuzzle.h"
#include "model/File.h"
#include "model/Format.h"
#include "model/MessageSink.h"
#include "model/Text.h"

namespace {

const int kArchiveBuffer = 4096;

namespace fs = std::filesystem;

// The file a path names: symbolic links followed to their end, a link to a
// file not made yet included. A loop of links is left to the open to refuse.
fs::path FileNamedBy(fs::path path)
{
    for (int nLinks = 0; nLinks < 40; ++nLinks) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(path, ec)))
            break;
        const fs::path target = fs::read_symlink(path, ec);
        if (ec)
            break;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path;
}

// A short name in the target's folder that no other save is using at the same
// time; short, so that it fits wherever the target's own name does.
std::u16string TemporaryNameBeside(const fs::path& target)
{
    static std::mt19937 random {std::random_device {}()};
    static const char16_t kHex[] = u"0123456789abcdef";
    std::u16string strName = u".~";
    for (unsigned v = static_cast<unsigned>(random()), i = 0; i < 8; ++i, v >>= 4)
        strName.push_back(kHex[v & 0xF]);
    return (target.parent_path() / fs::path(strName + u".tmp")).u16string();
}

void RemoveFile(const std::u16string& strPath)
{
    std::error_code ec;
    fs::remove(fs::path(strPath), ec);
}

}  // namespace

void CCrossWordPuzzle::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << static_cast<LONG>(m_nWidth) << static_cast<LONG>(m_nHeight) << GetChecksum() << m_strFileName;
        for (int c = 0; c < m_nWidth; ++c) {
            for (int r = 0; r < m_nHeight; ++r) {
                const CSquare square = GetSquare(c, r);
                ar << static_cast<LONG>(square.m_bFilled) << static_cast<WORD>(square.m_chLetter);
            }
        }
        return;
    }

    LONG nWidth, nHeight;
    DWORD dwChecksum;
    std::u16string strPuzzlePath;
    ar >> nWidth >> nHeight >> dwChecksum >> strPuzzlePath;
    if (nWidth != m_nWidth || nHeight != m_nHeight || dwChecksum != GetChecksum()) {
        ReportError(FormatText(u"The solution file does not match the puzzle loaded.  "
                               u"The solution is for the file '%s'.",
                               strPuzzlePath));
        return;
    }
    // Every record is read and checked before the first square changes, so a
    // damaged file leaves the puzzle as it was.
    struct Record {
        BOOL bFilled;
        WCHAR chLetter;
    };
    std::vector<Record> records(static_cast<std::size_t>(m_nWidth) * static_cast<std::size_t>(m_nHeight));
    for (Record& record : records) {
        LONG nFilled;
        WORD wLetter;
        ar >> nFilled >> wLetter;
        if (nFilled != 0 && nFilled != 1)
            throw CArchiveException(CArchiveException::badIndex);
        record = {nFilled, static_cast<WCHAR>(wLetter)};
    }
    if (ar.GetRemaining() != 0)
        throw CArchiveException(CArchiveException::badIndex);
    // The squares are written in place, column by column as the records
    // stand, and counted once at the end.
    m_aSquares.resize(records.size());
    std::size_t i = 0;
    for (int c = 0; c < m_nWidth; ++c) {
        for (int r = 0; r < m_nHeight; ++r, ++i) {
            CSquare& square = m_aSquares[static_cast<std::size_t>(IndexOf(c, r))];
            // The file's given letters are no part of the player's solution.
            if (square.m_bGiven)
                continue;
            square.m_bFilled = records[i].bFilled;
            square.m_chLetter = records[i].chLetter;
            // The file keeps one letter: a shown rebus is its first letter again.
            square.m_bShown = FALSE;
        }
    }
    CountSquares();
}

BOOL CCrossWordPuzzle::SaveSolution(const std::u16string& strPath)
{
    // Written beside the file the path names (through any links) and renamed
    // over it only when complete, so a failed save leaves the old file as it
    // was; the links stay links, and the file keeps its permissions.
    const fs::path target = FileNamedBy(fs::path(strPath));
    const std::u16string strTemp = TemporaryNameBeside(target);
    CFile file;
    CFileException error;
    if (!file.Open(strTemp, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary, &error)) {
        error.m_strFileName = strPath;
        ReportError(error.GetErrorMessage());
        return FALSE;
    }
    try {
        CArchive ar(&file, CArchive::store, kArchiveBuffer);
        Serialize(ar);
        ar.Close();
        file.Close();
    } catch (CFileException& e) {
        file.Abort();
        RemoveFile(strTemp);
        e.m_strFileName = strPath;
        ReportError(e.GetErrorMessage());
        return FALSE;
    }
    std::error_code ec;
    const fs::file_status status = fs::status(target, ec);
    ec.clear();
    if (fs::exists(status))
        fs::permissions(fs::path(strTemp), status.permissions(), ec);
    if (!ec)
        fs::rename(fs::path(strTemp), target, ec);
    if (ec) {
        RemoveFile(strTemp);
        ReportError(u"cannot replace file '" + strPath + u"': " + WidenUtf8(ec.message()));
        return FALSE;
    }
    return TRUE;
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
