// SPDX-License-Identifier: MIT
#include "model/ProgressStore.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

#include "model/Archive.h"
#include "model/CrossWordPuzzle.h"
#include "model/File.h"
#include "model/SafeWrite.h"

namespace fs = std::filesystem;

namespace {

constexpr char16_t kEntryExtension[] = u".progress";
constexpr int kArchiveBuffer = 4096;

// The marks of a square, one byte each in the "MARK" section, row by row.
constexpr BYTE kMarkChecked = 0x01;
constexpr BYTE kMarkShown = 0x02;
constexpr BYTE kMarkWasIncorrect = 0x04;
constexpr char kMarkTag[] = "MARK";
// The player's rebus entries: for each square that has one, its index row by
// row (32 bits), the length in characters (16 bits) and the characters.
constexpr char kRebusTag[] = "RUSR";
// The squares whose letter is pencilled, one byte each (1 pencilled, 0 not),
// row by row; left out when there are none.
constexpr char kPencilTag[] = "PENC";
// The solving time: the seconds (32 bits) and 1 when the clock was stopped.
constexpr char kTimeTag[] = "TIME";
constexpr std::size_t kTimeSize = 5;
// The player's black marks on a diagramless puzzle: one byte per square,
// row by row, 1 for a mark.
constexpr char kDiagramTag[] = "DIAG";
constexpr std::size_t kTagSize = 4;

class CDigest {
public:
    void Add(const void* pData, std::size_t nCount)
    {
        const BYTE* p = static_cast<const BYTE*>(pData);
        for (std::size_t i = 0; i < nCount; ++i) {
            m_nValue ^= p[i];
            m_nValue *= 0x100000001b3ULL;
        }
    }
    void Add(std::uint64_t nValue)
    {
        BYTE bytes[8];
        for (BYTE& b : bytes) {
            b = static_cast<BYTE>(nValue);
            nValue >>= 8;
        }
        Add(bytes, sizeof bytes);
    }
    std::uint64_t Value() const { return m_nValue; }

private:
    std::uint64_t m_nValue = 0xcbf29ce484222325ULL;  // FNV-1a
};

void AppendLittleEndian(std::string& bytes, DWORD nValue, int nBytes)
{
    for (int i = 0; i < nBytes; ++i, nValue >>= 8)
        bytes.push_back(static_cast<char>(nValue & 0xFF));
}

void WriteSection(CArchive& ar, const char* pszTag, const std::string& data)
{
    ar.Write(pszTag, static_cast<UINT>(kTagSize));
    ar << static_cast<DWORD>(data.size());
    ar.Write(data.data(), static_cast<UINT>(data.size()));
}

// A cursor over a section's bytes that never passes their end.
class CSectionReader {
public:
    explicit CSectionReader(const std::string& data) : m_data(data) { }
    bool AtEnd() const { return m_nPos == m_data.size(); }
    bool Read(DWORD& nValue, int nBytes)
    {
        if (m_data.size() - m_nPos < static_cast<std::size_t>(nBytes))
            return false;
        nValue = 0;
        for (int i = 0; i < nBytes; ++i)
            nValue |= static_cast<DWORD>(static_cast<BYTE>(m_data[m_nPos++])) << (8 * i);
        return true;
    }

private:
    const std::string& m_data;
    std::size_t m_nPos = 0;
};

std::string MarkSection(const std::vector<CSquare>& squares)
{
    std::string data;
    data.reserve(squares.size());
    for (const CSquare& square : squares) {
        data.push_back(static_cast<char>((square.m_bChecked ? kMarkChecked : 0) | (square.m_bShown ? kMarkShown : 0) |
                                         (square.m_bWasIncorrect ? kMarkWasIncorrect : 0)));
    }
    return data;
}

std::string RebusSection(const std::vector<CSquare>& squares)
{
    std::string data;
    for (std::size_t i = 0; i < squares.size(); ++i) {
        const std::u16string& strEntry = squares[i].m_strRebusEntry;
        if (strEntry.empty())
            continue;
        const std::size_t nLength = std::min<std::size_t>(strEntry.size(), 0xFFFF);
        AppendLittleEndian(data, static_cast<DWORD>(i), 4);
        AppendLittleEndian(data, static_cast<DWORD>(nLength), 2);
        for (std::size_t c = 0; c < nLength; ++c)
            AppendLittleEndian(data, strEntry[c], 2);
    }
    return data;
}

// Empty when no square is pencilled.
std::string PencilSection(const std::vector<CSquare>& squares)
{
    std::string data;
    const bool bAny =
        std::any_of(squares.begin(), squares.end(), [](const CSquare& square) { return square.m_bPencil; });
    if (!bAny)
        return data;
    data.reserve(squares.size());
    for (const CSquare& square : squares)
        data.push_back(square.m_bPencil ? '\1' : '\0');
    return data;
}

bool ReadPencil(const std::string& data, std::vector<CSquare>& squares)
{
    if (data.size() != squares.size())
        return false;
    for (std::size_t i = 0; i < squares.size(); ++i) {
        if (data[i] != '\0' && data[i] != '\1')
            return false;
        squares[i].m_bPencil = data[i] == '\1';
    }
    return true;
}

std::string TimeSection(const CCrossWordPuzzle& puzzle)
{
    std::string data;
    AppendLittleEndian(data, static_cast<DWORD>(puzzle.GetKeptTimerSeconds()), 4);
    data.push_back(puzzle.IsKeptTimerStopped() ? 1 : 0);
    return data;
}

// Empty when no square is marked.
std::string DiagramSection(const std::vector<CSquare>& squares)
{
    std::string data(squares.size(), '\0');
    bool bAny = false;
    for (std::size_t i = 0; i < squares.size(); ++i) {
        data[i] = squares[i].m_bMarkedBlack ? 1 : 0;
        bAny = bAny || squares[i].m_bMarkedBlack;
    }
    return bAny ? data : std::string();
}

// The time as it was kept: seconds from 0 up, and the stopped flag 0 or 1.
bool ReadTime(const std::string& data, long& nSeconds, BOOL& bStopped)
{
    CSectionReader reader(data);
    DWORD nValue = 0, nStopped = 0;
    if (data.size() != kTimeSize || !reader.Read(nValue, 4) || !reader.Read(nStopped, 1) || nStopped > 1 ||
        nValue > 0x7FFFFFFF)
        return false;
    nSeconds = static_cast<long>(nValue);
    bStopped = nStopped != 0 ? TRUE : FALSE;
    return true;
}

bool ReadDiagram(const std::string& data, std::vector<CSquare>& squares)
{
    if (data.size() != squares.size())
        return false;
    for (std::size_t i = 0; i < squares.size(); ++i) {
        if (static_cast<BYTE>(data[i]) > 1)
            return false;
        squares[i].m_bMarkedBlack = data[i] != 0;
    }
    return true;
}

bool ReadMarks(const std::string& data, std::vector<CSquare>& squares)
{
    if (data.size() != squares.size())
        return false;
    for (std::size_t i = 0; i < squares.size(); ++i) {
        const BYTE marks = static_cast<BYTE>(data[i]);
        squares[i].m_bChecked = (marks & kMarkChecked) != 0;
        squares[i].m_bShown = (marks & kMarkShown) != 0;
        squares[i].m_bWasIncorrect = (marks & kMarkWasIncorrect) != 0;
    }
    return true;
}

bool ReadRebusEntries(const std::string& data, std::vector<CSquare>& squares)
{
    CSectionReader reader(data);
    while (!reader.AtEnd()) {
        DWORD nIndex = 0, nLength = 0;
        if (!reader.Read(nIndex, 4) || !reader.Read(nLength, 2) || nIndex >= squares.size())
            return false;
        std::u16string strEntry;
        for (DWORD c = 0; c < nLength; ++c) {
            DWORD ch = 0;
            if (!reader.Read(ch, 2))
                return false;
            strEntry.push_back(static_cast<char16_t>(ch));
        }
        squares[nIndex].m_strRebusEntry = std::move(strEntry);
    }
    return true;
}

// What an entry holds besides the squares: the time, when it keeps one.
struct CEntryTime {
    bool bKept = false;
    long nSeconds = -1;
    BOOL bStopped = FALSE;
};

// The squares the entry describes, or false for a damaged or foreign entry.
bool ReadEntry(const CCrossWordPuzzle& puzzle, CArchive& ar, std::vector<CSquare>& squares, CEntryTime& time)
{
    std::u16string strPuzzlePath;
    if (!puzzle.LoadPlayerState(ar, squares, strPuzzlePath))
        return false;
    // The entry holds all of the player's state: what it leaves out is not set.
    for (CSquare& square : squares) {
        square.m_bChecked = square.m_bShown = square.m_bWasIncorrect = FALSE;
        square.m_strRebusEntry.clear();
        square.m_bPencil = false;
        square.m_bMarkedBlack = false;
    }
    bool bMarks = false, bRebus = false, bPencil = false, bDiagram = false;
    while (ar.GetRemaining() > 0) {
        char tag[kTagSize];
        DWORD nLength = 0;
        if (ar.GetRemaining() < kTagSize + 4)
            return false;
        ar.Read(tag, static_cast<UINT>(kTagSize));
        ar >> nLength;
        if (nLength > ar.GetRemaining())
            return false;
        std::string data(nLength, '\0');
        ar.Read(data.data(), nLength);
        const std::string strTag(tag, kTagSize);
        if (strTag == kMarkTag && !bMarks) {
            bMarks = true;
            if (!ReadMarks(data, squares))
                return false;
        } else if (strTag == kRebusTag && !bRebus) {
            bRebus = true;
            if (!ReadRebusEntries(data, squares))
                return false;
        } else if (strTag == kPencilTag && !bPencil) {
            bPencil = true;
            if (!ReadPencil(data, squares))
                return false;
        } else if (strTag == kTimeTag && !time.bKept) {
            time.bKept = true;
            if (!ReadTime(data, time.nSeconds, time.bStopped))
                return false;
        } else if (strTag == kDiagramTag && !bDiagram) {
            bDiagram = true;
            if (!ReadDiagram(data, squares))
                return false;
        }
    }
    return true;
}

}  // namespace

CProgressStore::CProgressStore(std::u16string strFolder, std::size_t nMaxEntries)
    : m_strFolder(std::move(strFolder)), m_nMaxEntries(std::max<std::size_t>(nMaxEntries, 1))
{
}

std::string CProgressStore::KeyOf(const CCrossWordPuzzle& puzzle)
{
    CDigest digest;
    digest.Add(puzzle.GetAnswerDigest());
    for (const CClue* pClue : puzzle.m_lstClues) {
        digest.Add(static_cast<std::uint64_t>(pClue->m_nNumber) * 2 + (pClue->m_bAcross ? 1 : 0));
        digest.Add(pClue->m_strText.size());
        digest.Add(pClue->m_strText.data(), pClue->m_strText.size() * sizeof(char16_t));
    }
    static const char kHex[] = "0123456789abcdef";
    std::string strKey = std::to_string(puzzle.m_nWidth) + "x" + std::to_string(puzzle.m_nHeight) + "-";
    for (int nShift = 60; nShift >= 0; nShift -= 4)
        strKey.push_back(kHex[(digest.Value() >> nShift) & 0xF]);
    return strKey;
}

std::u16string CProgressStore::PathOf(const CCrossWordPuzzle& puzzle) const
{
    const std::string strKey = KeyOf(puzzle);
    return (fs::path(m_strFolder) / fs::path(std::u16string(strKey.begin(), strKey.end()) + kEntryExtension))
        .u16string();
}

BOOL CProgressStore::Save(const CCrossWordPuzzle& puzzle)
{
    std::error_code ec;
    fs::create_directories(fs::path(m_strFolder), ec);
    const std::u16string strPath = PathOf(puzzle);
    const bool bNew = !fs::exists(fs::path(strPath), ec);
    std::u16string strError;
    const BOOL bSaved = WriteFileSafely(
        strPath,
        [&puzzle](CFile& file) {
            CArchive ar(&file, CArchive::store, kArchiveBuffer);
            puzzle.StorePlayerState(ar);
            WriteSection(ar, kMarkTag, MarkSection(puzzle.GetSquares()));
            const std::string rebus = RebusSection(puzzle.GetSquares());
            if (!rebus.empty())
                WriteSection(ar, kRebusTag, rebus);
            const std::string pencil = PencilSection(puzzle.GetSquares());
            if (!pencil.empty())
                WriteSection(ar, kPencilTag, pencil);
            if (puzzle.GetKeptTimerSeconds() >= 0)
                WriteSection(ar, kTimeTag, TimeSection(puzzle));
            const std::string diagram = DiagramSection(puzzle.GetSquares());
            if (!diagram.empty())
                WriteSection(ar, kDiagramTag, diagram);
            ar.Close();
        },
        strError);
    if (bSaved && bNew)
        Prune(strPath);
    return bSaved;
}

void CProgressStore::Prune(const std::u16string& strKeep) const
{
    std::vector<std::pair<fs::file_time_type, fs::path>> entries;
    std::error_code ec;
    for (fs::directory_iterator it(fs::path(m_strFolder), ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code ecEntry;
        const fs::path& path = it->path();
        if (path.extension() != fs::path(kEntryExtension) || !it->is_regular_file(ecEntry) || path == fs::path(strKeep))
            continue;
        const auto time = it->last_write_time(ecEntry);
        if (!ecEntry)
            entries.emplace_back(time, path);
    }
    // The entry just saved is one of the kept ones.
    if (entries.size() + 1 <= m_nMaxEntries)
        return;
    const std::size_t nRemove = entries.size() + 1 - m_nMaxEntries;
    std::partial_sort(entries.begin(), entries.begin() + static_cast<long>(nRemove), entries.end());
    for (std::size_t i = 0; i < nRemove; ++i)
        fs::remove(entries[i].second, ec);
}

BOOL CProgressStore::Restore(CCrossWordPuzzle& puzzle) const
{
    const std::u16string strPath = PathOf(puzzle);
    CFile file;
    if (!file.Open(strPath, CFile::modeRead | CFile::typeBinary) || file.GetLength() > kMaxInputFileBytes)
        return FALSE;
    std::vector<CSquare> squares;
    CEntryTime time;
    try {
        CArchive ar(&file, CArchive::load, kArchiveBuffer);
        if (!ReadEntry(puzzle, ar, squares, time))
            return FALSE;
    } catch (const CException&) {
        return FALSE;
    }
    puzzle.SetPlayerState(squares);
    // An entry without a time leaves the file's.
    if (time.bKept) {
        puzzle.m_nTimerSeconds = time.nSeconds;
        puzzle.m_bTimerStopped = time.bStopped;
    }
    // Restored counts as used: what is opened again is kept longest.
    std::error_code ec;
    fs::last_write_time(fs::path(strPath), fs::file_time_type::clock::now(), ec);
    return TRUE;
}
