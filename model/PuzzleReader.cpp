// SPDX-License-Identifier: MIT
// The puzzle file reader: LoadPuzzle and its steps.

#include <algorithm>
#include <cstring>
#include <map>

#include "model/CrossWordPuzzle.h"
#include "model/File.h"
#include "model/Format.h"
#include "model/PuzzleLayout.h"
#include "model/Scramble.h"
#include "model/Text.h"
#include "model/WordStarts.h"

// One extra section after the texts.
struct CPuzzleSection {
    std::string strName;
    const BYTE* pData = nullptr;
    std::size_t nLength = 0;
    bool bIntact = false;  // the data has the section's checksum
};

// The bytes of a puzzle file, held in memory, read with a cursor that never
// passes their end. Offsets count from the start of the puzzle header, which
// some publishers put after bytes of their own.
class CPuzzleBytes {
public:
    explicit CPuzzleBytes(std::string_view bytes)
        : m_pData(reinterpret_cast<const BYTE*>(bytes.data())), m_nSize(bytes.size()), m_nPos(0),
          m_nMarker(FindMarker(bytes)),
          m_nBase(m_nMarker != std::string_view::npos && m_nMarker > kMarkerOffset ? m_nMarker - kMarkerOffset : 0)
    {
        ReadHeader();
    }

    // Every puzzle file has the marker; an image or a program does not.
    bool HasMarker() const { return m_nMarker != std::string_view::npos; }

    // FALSE when the offset lies beyond the end.
    bool Seek(std::size_t nOffset)
    {
        if (nOffset > m_nSize - m_nBase)
            return false;
        m_nPos = m_nBase + nOffset;
        return true;
    }

    // -1 at the end.
    int GetByte() { return m_nPos < m_nSize ? m_pData[m_nPos++] : -1; }

    // Up to nCount bytes at the cursor; *ppBytes points at them.
    std::size_t Read(std::size_t nCount, const BYTE** ppBytes)
    {
        const std::size_t n = std::min(nCount, m_nSize - m_nPos);
        *ppBytes = m_pData + m_nPos;
        m_nPos += n;
        return n;
    }

    // The bytes up to the next 0x00 or 0x0A (not included) or the end of the
    // file; true when a terminator ended them. Texts that may hold line
    // breaks (the notes) end at 0x00 alone.
    bool ReadText(const BYTE** ppText, std::size_t* pnLength, bool bLineBreaks = false)
    {
        *ppText = m_pData + m_nPos;
        const std::size_t nLeft = m_nSize - m_nPos;
        const void* pZero = std::memchr(*ppText, 0x00, nLeft);
        std::size_t nLength =
            pZero != nullptr ? static_cast<std::size_t>(static_cast<const BYTE*>(pZero) - *ppText) : nLeft;
        if (!bLineBreaks) {
            if (const void* pBreak = std::memchr(*ppText, 0x0A, nLength))
                nLength = static_cast<std::size_t>(static_cast<const BYTE*>(pBreak) - *ppText);
        }
        *pnLength = nLength;
        const bool bTerminated = nLength != nLeft;
        m_nPos += nLength + (bTerminated ? 1 : 0);
        return bTerminated;
    }

    // An extra section at the cursor. False, without moving, when no whole
    // section stands there. The data is not looked at.
    bool PeekSection(CPuzzleSection& section) const
    {
        if (m_nSize - m_nPos < kSectionDataOffset)
            return false;
        const BYTE* p = m_pData + m_nPos;
        const std::size_t nLength = Word(p + kSectionLengthOffset);
        if (m_nSize - m_nPos - kSectionDataOffset <= nLength || p[kSectionDataOffset + nLength] != 0)
            return false;
        // The name is all that stands before the length.
        section.strName.assign(reinterpret_cast<const char*>(p), kSectionLengthOffset);
        section.pData = p + kSectionDataOffset;
        section.nLength = nLength;
        return true;
    }

    // The section at the cursor, its checksum tested; the cursor moves past it.
    bool ReadSection(CPuzzleSection& section)
    {
        if (!PeekSection(section))
            return false;
        section.bIntact =
            RegionChecksum(section.pData, section.nLength) == Word(m_pData + m_nPos + kSectionChecksumOffset);
        m_nPos += kSectionDataOffset + section.nLength + 1;
        return true;
    }

    // The answer and state grids, once read: row-major bytes of the file.
    const BYTE* m_pSolution = nullptr;
    const BYTE* m_pState = nullptr;

    bool IsUtf8() const { return m_bUtf8; }
    bool IsLocked() const { return m_bLocked; }
    bool HasSolution() const { return m_bHasSolution; }
    bool IsDiagramless() const { return m_bDiagramless; }
    WORD AnswerChecksum() const { return m_wAnswerChecksum; }

private:
    // Anything before the marker's own place is not ours.
    static std::size_t FindMarker(std::string_view bytes)
    {
        static const char kMarker[] = "ACROSS&DOWN";
        return bytes.find(kMarker, 0, sizeof kMarker - 1);
    }

    static WORD Word(const BYTE* p) { return static_cast<WORD>(p[0] | (p[1] << 8)); }

    // The little-endian word at an offset of the header; 0 beyond the end.
    WORD HeaderWord(std::size_t nOffset) const
    {
        const std::size_t nAt = m_nBase + nOffset;
        return nAt + 2 <= m_nSize ? Word(m_pData + nAt) : 0;
    }

    // Every field of the header the reader uses besides the size, in one place.
    void ReadHeader()
    {
        // Version strings "2.x" mean UTF-8 texts.
        const std::size_t nVersion = m_nBase + kVersionOffset;
        m_bUtf8 = nVersion + 2 <= m_nSize && m_pData[nVersion] == '2' && m_pData[nVersion + 1] == '.';
        // Locked answers carry the checksum of the real ones.
        m_bLocked = (HeaderWord(kScrambledOffset) & kScrambledFlag) != 0;
        // Some files give no answers: their answer grid is a placeholder.
        m_bHasSolution = (HeaderWord(kScrambledOffset) & kNoSolutionFlag) == 0;
        m_wAnswerChecksum = HeaderWord(kAnswerChecksumOffset);
        m_bDiagramless = (HeaderWord(kPuzzleTypeOffset) & kDiagramlessFlag) != 0;
    }

    const BYTE* m_pData;
    std::size_t m_nSize;
    std::size_t m_nPos;
    std::size_t m_nMarker;
    std::size_t m_nBase;
    bool m_bUtf8 = false;
    bool m_bLocked = false;
    bool m_bHasSolution = true;
    bool m_bDiagramless = false;
    WORD m_wAnswerChecksum = 0;
};

namespace {

// "." is a black square, ":" a black square hidden in diagramless puzzles;
// every other byte (letters of a solver included) is a white square.
bool IsBlackState(char16_t ch)
{
    return ch == u'.' || ch == u':';
}

// A solver's letter kept in the state grid: anything but "-" that can be
// seen. Lower case letters are the same letters.
bool IsSavedLetter(char16_t ch)
{
    return ch > u' ' && ch != u'-' && ch != 0x7F;
}

char16_t SavedLetter(char16_t ch)
{
    return ch >= u'a' && ch <= u'z' ? static_cast<char16_t>(ch - u'a' + u'A') : ch;
}

// The player's rebus entries of "RUSR": one text for each square, each ended
// by a zero byte, empty for a square without one. Empty when the section
// holds fewer texts than squares.
std::vector<std::u16string> ReadRebusEntries(const CPuzzleSection& section, std::size_t nSquares, bool bUtf8)
{
    std::vector<std::u16string> entries;
    const BYTE* p = section.pData;
    const BYTE* pEnd = p + section.nLength;
    while (entries.size() < nSquares && p < pEnd) {
        const BYTE* pText = p;
        p = std::find(p, pEnd, 0);
        if (p == pEnd)
            break;
        entries.push_back(DecodePuzzleText(pText, static_cast<std::size_t>(p - pText), bUtf8));
        ++p;
    }
    if (entries.size() < nSquares)
        entries.clear();
    return entries;
}

// "seconds,stopped": the time spent and 1 when the timer was stopped. A
// malformed text keeps no time.
void ReadTimer(const CPuzzleSection& section, long& nSeconds, BOOL& bStopped)
{
    // Ten years of solving is the most a file is believed.
    constexpr long kMaxSeconds = 10L * 366 * 24 * 60 * 60;
    const BYTE* p = section.pData;
    const BYTE* pEnd = p + section.nLength;
    long n = 0;
    const BYTE* pDigits = p;
    for (; p < pEnd && *p >= '0' && *p <= '9' && n <= kMaxSeconds; ++p)
        n = n * 10 + (*p - '0');
    if (p == pDigits || n > kMaxSeconds || p == pEnd || *p != ',' || pEnd - p != 2 || (p[1] != '0' && p[1] != '1'))
        return;
    nSeconds = n;
    bStopped = p[1] == '1' ? TRUE : FALSE;
}

bool IsKnownSection(const CPuzzleSection& section)
{
    for (const char* pszName : {"GEXT", "GRBS", "RTBL", "LTIM", "RUSR"}) {
        if (section.strName == pszName)
            return true;
    }
    return false;
}

// Entries "nn:TEXT;": a key of up to three digits, blanks before it allowed,
// for the square bytes 1 + key of the rebus grid. Malformed entries are left out.
std::map<int, std::u16string> ReadRebusTable(const CPuzzleSection& section, bool bUtf8)
{
    const int kMaxKey = 254;
    std::map<int, std::u16string> table;
    const BYTE* p = section.pData;
    const BYTE* pEnd = p + section.nLength;
    while (p < pEnd) {
        const BYTE* pEntryEnd = std::find(p, pEnd, ';');
        const BYTE* pColon = std::find(p, pEntryEnd, ':');
        int nKey = -1;
        for (const BYTE* q = p; q < pColon && nKey <= kMaxKey; ++q) {
            if (*q == ' ' && nKey < 0)
                continue;
            nKey = *q >= '0' && *q <= '9' ? std::max(nKey, 0) * 10 + (*q - '0') : kMaxKey + 1;
        }
        if (pColon != pEntryEnd && nKey >= 0 && nKey <= kMaxKey && pColon + 1 < pEntryEnd) {
            const std::size_t nLength = static_cast<std::size_t>(pEntryEnd - pColon - 1);
            table.emplace(nKey, DecodePuzzleText(pColon + 1, nLength, bUtf8));
        }
        p = pEntryEnd == pEnd ? pEnd : pEntryEnd + 1;
    }
    return table;
}

}  // namespace

std::u16string CCrossWordPuzzle::InvalidFileText() const
{
    return FormatText(u"%s: invalid puzzle file", m_strFileName);
}

BOOL ReadPuzzleFileBytes(const std::u16string& strPath, std::string& bytes, std::u16string& strError)
{
    CFileException error;
    if (ReadWholeFile(strPath, kMaxInputFileBytes, bytes, &error))
        return TRUE;
    if (error.m_cause == CFileException::tooLarge)
        strError = FormatText(u"%s: too large for a puzzle file (more than 16 MiB)", strPath);
    else
        strError = FormatText(u"cannot open file '%s' for reading", strPath);
    // The system's reason, when it gave one (missing, no right to it, a folder).
    if (!error.GetReason().empty() && error.m_cause != CFileException::tooLarge)
        strError += u": " + error.GetReason();
    return FALSE;
}

BOOL CCrossWordPuzzle::LoadPuzzle(const std::u16string& strPath, std::u16string& strError)
{
    std::string bytes;
    if (!ReadPuzzleFileBytes(strPath, bytes, strError))
        return FALSE;
    m_strFileName = strPath;
    return ReadPuzzleBytes(bytes, strError);
}

BOOL CCrossWordPuzzle::ReadPuzzleBytes(std::string_view bytes, std::u16string& strError)
{
    CPuzzleBytes file(bytes);
    if (!ReadSize(file, strError) || !ReadSolutionGrid(file, strError) || !ReadStateGrid(file, strError) ||
        !ReadStrings(file, strError))
        return FALSE;
    // Known before the squares are counted: it changes what counts as solved.
    m_bDiagramless = file.IsDiagramless() ? TRUE : FALSE;
    BuildPuzzle(file, strError);
    m_bLocked = file.IsLocked() ? TRUE : FALSE;
    m_bHasSolution = file.HasSolution() ? TRUE : FALSE;
    m_wAnswerChecksum = file.AnswerChecksum();
    ReadExtras(file);
    return TRUE;
}

BOOL CCrossWordPuzzle::ReadSize(CPuzzleBytes& file, std::u16string& strError)
{
    if (!file.HasMarker() || !file.Seek(kSizeOffset)) {
        strError = InvalidFileText();
        return FALSE;
    }
    int nByte = file.GetByte();
    if (nByte < 0) {
        strError = InvalidFileText();
        return FALSE;
    }
    m_nWidth = nByte;
    nByte = file.GetByte();
    if (nByte < 0) {
        strError = InvalidFileText();
        return FALSE;
    }
    m_nHeight = nByte;
    // A grid without squares is no puzzle.
    if (m_nWidth == 0 || m_nHeight == 0) {
        strError = InvalidFileText();
        return FALSE;
    }
    return TRUE;
}

BOOL CCrossWordPuzzle::ReadGrid(CPuzzleBytes& file, const BYTE** ppGrid, std::u16string& strError)
{
    const std::size_t nBytes = static_cast<std::size_t>(m_nWidth) * static_cast<std::size_t>(m_nHeight);
    if (file.Read(nBytes, ppGrid) != nBytes) {
        strError = InvalidFileText();
        return FALSE;
    }
    return TRUE;
}

BOOL CCrossWordPuzzle::ReadSolutionGrid(CPuzzleBytes& file, std::u16string& strError)
{
    if (!file.Seek(kGridOffset)) {
        strError = InvalidFileText();
        return FALSE;
    }
    return ReadGrid(file, &file.m_pSolution, strError);
}

BOOL CCrossWordPuzzle::ReadStateGrid(CPuzzleBytes& file, std::u16string& strError)
{
    return ReadGrid(file, &file.m_pState, strError);
}

BOOL CCrossWordPuzzle::ReadString(CPuzzleBytes& file, std::u16string& str)
{
    const BYTE* pText = nullptr;
    std::size_t nLength = 0;
    const bool bTerminated = file.ReadText(&pText, &nLength);
    str = DecodePuzzleText(pText, nLength, file.IsUtf8());
    return bTerminated || nLength > 0;
}

BOOL CCrossWordPuzzle::ReadStrings(CPuzzleBytes& file, std::u16string& strError)
{
    if (!ReadString(file, m_strTitle) || !ReadString(file, m_strAuthor) || !ReadString(file, m_strCopyright)) {
        strError = InvalidFileText();
        return FALSE;
    }
    // One text per word, empty ones included; what follows (notes, extra
    // sections) is not ours to read.
    std::size_t nWords = 0;
    const BYTE* pState = file.m_pState;
    ForEachGridWordStart(
        m_nWidth, m_nHeight, [pState](std::size_t i) { return IsBlackState(pState[i]); },
        [&nWords](int, int, bool bAcross, bool bDown) { nWords += (bAcross ? 1 : 0) + (bDown ? 1 : 0); });
    // Each text is decoded into its place, the array allocated once.
    m_astrClues.reserve(nWords);
    for (std::size_t i = 0; i < nWords; ++i) {
        if (!ReadString(file, m_astrClues.emplace_back())) {
            m_astrClues.pop_back();
            break;
        }
    }
    return TRUE;
}

// In one pass, row by row, into an array allocated once: a large grid is
// megabytes that are written once.
void CCrossWordPuzzle::BuildSquares(const CPuzzleBytes& file)
{
    const std::size_t nSquares = static_cast<std::size_t>(m_nWidth) * static_cast<std::size_t>(m_nHeight);
    std::vector<CSquare> aSquares;
    aSquares.reserve(nSquares);
    // ASCII, which most grids are throughout, needs no table.
    const auto widen = [](BYTE b) { return b < 0x80 ? static_cast<char16_t>(b) : Cp1252ToWide(b); };
    for (std::size_t i = 0; i < nSquares; ++i) {
        const char16_t chState = widen(file.m_pState[i]);
        CSquare& square = aSquares.emplace_back(IsBlackState(chState));
        if (square.m_bBlack)
            continue;
        square.m_chSolution = widen(file.m_pSolution[i]);
        // A letter a solver saved in the file is the player's letter.
        if (IsSavedLetter(chState)) {
            square.m_bFilled = TRUE;
            square.m_chLetter = SavedLetter(chState);
        }
    }
    m_aSquares.swap(aSquares);
    CountSquares();
}

void CCrossWordPuzzle::BuildPuzzle(const CPuzzleBytes& file, std::u16string& /*strError*/)
{
    BuildSquares(file);
    NumberSquares();
    m_astrClues.clear();
    m_astrSolution.clear();
    m_astrState.clear();
}

// Circles, rebus answers and the player's marks and rebus entries; a section
// that is cut short ends the sections, one whose checksum or size is wrong is
// passed over. Nothing here fails the load.
void CCrossWordPuzzle::ReadExtras(CPuzzleBytes& file)
{
    // The notes text, which may hold line breaks, stands before the
    // sections, except in some older files; it ends at its first zero byte.
    CPuzzleSection section;
    bool bInNotes = true;
    while (!file.PeekSection(section) || !IsKnownSection(section)) {
        const BYTE* pNotes = nullptr;
        std::size_t nNotes = 0;
        const bool bTerminated = file.ReadText(&pNotes, &nNotes);
        if (bInNotes) {
            m_strNotes += DecodePuzzleText(pNotes, nNotes, file.IsUtf8());
            bInNotes = bTerminated && pNotes[nNotes] == 0x0A;
            if (bInNotes)
                m_strNotes += u'\n';
        }
        if (!bTerminated)
            return;
    }
    const std::size_t nSquares = m_aSquares.size();
    const BYTE* pFlags = nullptr;
    const BYTE* pRebus = nullptr;
    std::map<int, std::u16string> table;
    std::vector<std::u16string> entries;
    while (file.ReadSection(section)) {
        if (!section.bIntact)
            continue;
        const bool bGrid = section.nLength == nSquares;
        if (section.strName == "GEXT" && bGrid && pFlags == nullptr)
            pFlags = section.pData;
        else if (section.strName == "GRBS" && bGrid && pRebus == nullptr)
            pRebus = section.pData;
        else if (section.strName == "RTBL" && table.empty())
            table = ReadRebusTable(section, file.IsUtf8());
        else if (section.strName == "RUSR" && entries.empty())
            entries = ReadRebusEntries(section, nSquares, file.IsUtf8());
        else if (section.strName == "LTIM" && m_nTimerSeconds < 0)
            ReadTimer(section, m_nTimerSeconds, m_bTimerStopped);
    }
    // Nothing for the squares: most files.
    if (pFlags == nullptr && pRebus == nullptr && entries.empty())
        return;
    std::map<int, int> rebusOfKey;
    for (std::size_t i = 0; i < nSquares; ++i) {
        if (m_aSquares[i].m_bBlack)
            continue;
        const BYTE flags = pFlags != nullptr ? pFlags[i] : 0;
        const auto it = pRebus != nullptr && pRebus[i] != 0 ? table.find(pRebus[i] - 1) : table.end();
        const std::u16string* pEntry = !entries.empty() && !entries[i].empty() ? &entries[i] : nullptr;
        if (flags == 0 && it == table.end() && pEntry == nullptr)
            continue;
        // Changed in place, and counted once at the end.
        CSquare& square = m_aSquares[i];
        square.m_bCircled = (flags & kCircledFlag) != 0;
        square.m_bWasIncorrect = (flags & kWasIncorrectFlag) != 0;
        // The answers of a locked puzzle are scrambled: a check mark would
        // judge the letter against them.
        square.m_bChecked = (flags & kIncorrectFlag) != 0 && !m_bLocked;
        if (pEntry != nullptr) {
            if (!square.m_bFilled) {
                square.m_bFilled = TRUE;
                square.m_chLetter = SavedLetter((*pEntry)[0]);
            }
            if (pEntry->size() > 1)
                square.m_strRebusEntry = *pEntry;
        }
        square.m_bShown = (flags & kRevealedFlag) != 0 && square.m_bFilled;
        if (it != table.end()) {
            const auto [at, bNew] = rebusOfKey.emplace(it->first, static_cast<int>(m_astrRebus.size()) + 1);
            if (bNew)
                m_astrRebus.push_back(it->second);
            square.m_nRebus = at->second;
        }
    }
    CountSquares();
}
