// SPDX-License-Identifier: MIT
// The .puz writer: PuzFileBytes.

#include <algorithm>
#include <cstring>
#include <map>

#include "model/Format.h"
#include "model/PuzzleLayout.h"
#include "model/PuzzleSourceWriter.h"
#include "model/Scramble.h"
#include "model/SourceText.h"
#include "model/Text.h"
#include "model/WordStarts.h"

namespace {

// Sections give their length in a word.
constexpr std::size_t kMaxSectionLength = 0xFFFF;
// A square's byte in "GRBS" is its rebus key plus one, so keys run to 254.
constexpr int kMaxRebusKeys = 255;
// The answer byte of a square whose answer the source does not know.
constexpr BYTE kUnknownAnswer = 'X';
constexpr BYTE kBlockByte = '.';
constexpr BYTE kEmptyByte = '-';

void PutWord(std::string& bytes, std::size_t nOffset, WORD w)
{
    bytes[nOffset] = static_cast<char>(w & 0xFF);
    bytes[nOffset + 1] = static_cast<char>(w >> 8);
}

WORD Checksum(const std::string& bytes, WORD wSum = 0)
{
    return RegionChecksum(reinterpret_cast<const BYTE*>(bytes.data()), bytes.size(), wSum);
}

// Whether the reader takes the text's Windows-1252 bytes back as the same
// text: every character has a byte, and the bytes do not read as UTF-8,
// which the reader prefers where it fits. The few bytes the reader makes
// plain (typographic quotes) are the code page's own way to hold them.
bool FitsCodePage(std::u16string_view text)
{
    std::string bytes;
    std::u16string expected;
    for (const char16_t ch : text) {
        BYTE b = 0;
        if (!WideToCp1252(ch, b))
            return false;
        bytes.push_back(static_cast<char>(b));
        expected.push_back(PuzzleTextChar(b));
    }
    return DecodePuzzleText(reinterpret_cast<const BYTE*>(bytes.data()), bytes.size(), false) == expected;
}

// The byte of a character in a grid, or 0 when the code page has none.
BYTE GridByte(char16_t ch)
{
    BYTE b = 0;
    return WideToCp1252(ch, b) ? b : 0;
}

// A byte the reader takes for the player's letter in the state grid:
// anything visible but the marks of empty and black squares.
bool IsStateLetter(BYTE b)
{
    return b > ' ' && b != 0x7F && b != kEmptyByte && b != kBlockByte && b != ':';
}

// A rebus table entry holds any text but its own separator.
bool FitsRebusTable(const std::u16string& strText)
{
    return !strText.empty() && strText.find(u';') == std::u16string::npos &&
           strText.find(u'\0') == std::u16string::npos;
}

class CPuzWriter {
public:
    CPuzWriter(const CPuzzleSource& source, std::vector<std::u16string>& astrWarnings)
        : m_source(source), m_astrWarnings(astrWarnings)
    {
    }

    std::string Bytes()
    {
        BuildGrids();
        PlaceClues();
        ChooseEncoding();
        return Assemble();
    }

private:
    void Warn(std::u16string strWarning) { AddWarning(m_astrWarnings, std::move(strWarning)); }

    std::size_t Index(int c, int r) const
    {
        return static_cast<std::size_t>(r) * static_cast<std::size_t>(m_source.m_nWidth) + static_cast<std::size_t>(c);
    }

    // The key of a rebus answer in the table, added on first use; -1 when
    // the table cannot take it.
    int RebusKey(const std::u16string& strText)
    {
        const auto it = m_rebusKeys.find(strText);
        if (it != m_rebusKeys.end())
            return it->second;
        // Each entry adds its key, a colon, the text and a semicolon.
        const std::size_t nEntry = 5 + strText.size() * 4;
        if (!FitsRebusTable(strText) || static_cast<int>(m_rebusKeys.size()) >= kMaxRebusKeys ||
            m_nRebusTableBound + nEntry > kMaxSectionLength)
            return -1;
        m_nRebusTableBound += nEntry;
        const int nKey = static_cast<int>(m_rebusKeys.size());
        m_rebusKeys.emplace(strText, nKey);
        m_astrRebus.push_back(strText);
        return nKey;
    }

    void BuildGrids()
    {
        const std::size_t nSquares = m_source.m_aSquares.size();
        m_solution.assign(nSquares, static_cast<char>(kBlockByte));
        // A diagramless puzzle's black squares are hidden in its state grid.
        m_state.assign(nSquares, m_source.m_bDiagramless ? ':' : static_cast<char>(kBlockByte));
        m_rebus.assign(nSquares, '\0');
        m_flags.assign(nSquares, '\0');
        m_astrEntries.assign(nSquares, std::u16string());
        int nOpen = 0, nUnknown = 0, nLostRebus = 0;
        for (int r = 0; r < m_source.m_nHeight; ++r) {
            for (int c = 0; c < m_source.m_nWidth; ++c) {
                const CSourceSquare& square = m_source.At(c, r);
                if (square.m_nKind == ESquareKind::Missing)
                    Warn(u"squares outside the grid's shape cannot be kept in a .puz file; they are written as black "
                         u"squares");
                if (square.m_nKind != ESquareKind::Open)
                    continue;
                ++nOpen;
                CheckLooks(square, c, r);
                const std::size_t i = Index(c, r);
                if (square.m_strSolution.empty()) {
                    ++nUnknown;
                    m_solution[i] = static_cast<char>(kUnknownAnswer);
                } else if (!PutAnswer(square, i)) {
                    ++nLostRebus;
                }
                PutFill(square, i);
                m_flags[i] = static_cast<char>(
                    (square.m_bCircled ? kCircledFlag : 0) | (square.m_bRevealed ? kRevealedFlag : 0) |
                    (square.m_bWasIncorrect ? kWasIncorrectFlag : 0) | (square.m_bIncorrect ? kIncorrectFlag : 0));
            }
        }
        m_bNoSolution = nOpen > 0 && nUnknown == nOpen;
        if (nUnknown > 0 && !m_bNoSolution)
            Warn(u"squares without an answer are written with the answer \"X\"");
        if (nLostRebus > 0)
            Warn(FormatText(u"%d rebus answers cannot be kept in a .puz file; they are written as their first letter",
                            nLostRebus));
    }

    // What a .puz file cannot show of an open square.
    void CheckLooks(const CSourceSquare& square, int c, int r)
    {
        if ((square.m_bBarRight && m_source.IsOpen(c + 1, r)) || (square.m_bBarBottom && m_source.IsOpen(c, r + 1)))
            Warn(u"bars between squares cannot be kept in a .puz file; the grid is written without them");
        if (square.m_nColor >= 0)
            Warn(u"shaded and coloured squares cannot be kept in a .puz file; they are written plain");
        if (square.m_bGiven)
            Warn(u"prefilled squares cannot be kept in a .puz file; their letters are written as the player's");
    }

    // One letter in the answer grid, or a rebus: its key in "GRBS" and a
    // letter standing for it. False when the rebus table cannot take it.
    bool PutAnswer(const CSourceSquare& square, std::size_t i)
    {
        const std::u16string& strAnswer = square.m_strSolution;
        const BYTE bFirst = GridByte(strAnswer[0]);
        if (strAnswer.size() == 1 && square.m_chGridLetter == 0 && bFirst != 0) {
            m_solution[i] = static_cast<char>(bFirst);
            return true;
        }
        const BYTE bLetter = square.m_chGridLetter != 0 ? GridByte(square.m_chGridLetter) : bFirst;
        m_solution[i] = static_cast<char>(bLetter != 0 ? bLetter : kUnknownAnswer);
        const int nKey = RebusKey(strAnswer);
        if (nKey < 0)
            return false;
        m_rebus[i] = static_cast<char>(nKey + 1);
        return true;
    }

    // The player's letter in the state grid; what that grid cannot show (a
    // rebus, a character without a byte) goes to "RUSR" as well.
    void PutFill(const CSourceSquare& square, std::size_t i)
    {
        std::u16string strFill = square.m_strFill;
        strFill.erase(std::remove(strFill.begin(), strFill.end(), u'\0'), strFill.end());
        if (strFill.empty()) {
            m_state[i] = static_cast<char>(kEmptyByte);
            return;
        }
        const BYTE b = GridByte(strFill[0]);
        const bool bLetter = IsStateLetter(b);
        m_state[i] = static_cast<char>(bLetter ? b : kEmptyByte);
        if (strFill.size() > 1 || !bLetter) {
            m_astrEntries[i] = strFill;
            m_bEntries = true;
        }
    }

    void PlaceClues()
    {
        // The source's across and down clues by the index of their first square.
        std::map<std::size_t, const CSourceClue*> clues[2];
        int nLost = 0;
        bool bAnyClue = false;
        for (const CSourceClueList& list : m_source.m_aLists) {
            bAnyClue = bAnyClue || !list.m_aClues.empty();
            if (list.m_nDirection == EClueDirection::Other) {
                Warn(FormatText(u"the clue list \"%s\" cannot be kept in a .puz file, which holds only Across and "
                                u"Down clues",
                                list.m_strName));
                nLost += static_cast<int>(list.m_aClues.size());
                continue;
            }
            const bool bAcross = list.m_nDirection == EClueDirection::Across;
            const char16_t* pszName = bAcross ? u"Across" : u"Down";
            if (list.m_strName != pszName)
                Warn(FormatText(u"the clue list \"%s\" is written as %s", list.m_strName, pszName));
            for (const CSourceClue& clue : list.m_aClues) {
                const CPoint* pStart = clue.m_aCells.empty() ? nullptr : &clue.m_aCells.front();
                if (pStart == nullptr || !m_source.IsOpen(pStart->x, pStart->y) ||
                    !clues[bAcross ? 0 : 1].emplace(Index(pStart->x, pStart->y), &clue).second)
                    ++nLost;
            }
        }

        bool bLabels = false, bShapes = false;
        int nNumber = 0, nWithout = 0;
        std::vector<int> anNumbers(m_source.m_aSquares.size(), 0);
        ForEachWordStart(
            m_source.m_nWidth, m_source.m_nHeight, [this](int c, int r) { return !m_source.IsOpen(c, r); },
            [&](int c, int r, bool bAcross, bool bDown) {
                anNumbers[Index(c, r)] = ++nNumber;
                for (int nDirection = 0; nDirection < 2; ++nDirection) {
                    if (!(nDirection == 0 ? bAcross : bDown))
                        continue;
                    auto& byStart = clues[nDirection];
                    const auto it = byStart.find(Index(c, r));
                    if (it == byStart.end()) {
                        ++nWithout;
                        m_astrClues.emplace_back();
                        continue;
                    }
                    const CSourceClue& clue = *it->second;
                    bLabels = bLabels || clue.m_strLabel != NumberText(nNumber);
                    bShapes = bShapes || clue.m_aCells != WordFrom(c, r, nDirection == 0);
                    m_astrClues.push_back(OneLine(clue.m_strText));
                    byStart.erase(it);
                }
            });
        nLost += static_cast<int>(clues[0].size() + clues[1].size());
        for (std::size_t i = 0; i < anNumbers.size() && !bLabels; ++i) {
            const CSourceSquare& square = m_source.m_aSquares[i];
            bLabels = square.m_nKind == ESquareKind::Open && !square.m_strLabel.empty() &&
                      square.m_strLabel != (anNumbers[i] > 0 ? NumberText(anNumbers[i]) : std::u16string());
        }
        if (bLabels)
            Warn(u"labels other than the grid's numbers cannot be kept in a .puz file");
        if (bShapes)
            Warn(u"clues that do not run over a whole word of the .puz grid are written at their first square");
        if (nLost > 0)
            Warn(FormatText(u"%d clues fit no word of the .puz grid and are left out", nLost));
        if (nWithout > 0 && bAnyClue)
            Warn(FormatText(u"%d words of the .puz grid have no clue; they are written with an empty one", nWithout));
    }

    // The squares of the word from (c, r) to the next square that is not open.
    std::vector<CPoint> WordFrom(int c, int r, bool bAcross) const
    {
        std::vector<CPoint> aCells;
        for (; m_source.IsOpen(c, r); bAcross ? ++c : ++r)
            aCells.emplace_back(c, r);
        return aCells;
    }

    // Texts before the notes end at a line break.
    std::u16string OneLine(const std::u16string& strText)
    {
        std::u16string strLine;
        for (std::size_t i = 0; i < strText.size(); ++i) {
            const char16_t ch = strText[i];
            if (ch != u'\r' && ch != u'\n' && ch != u'\0') {
                strLine.push_back(ch);
                continue;
            }
            m_bBrokenLines = true;
            if (ch == u'\r' && i + 1 < strText.size() && strText[i + 1] == u'\n')
                ++i;
            strLine.push_back(u' ');
        }
        return strLine;
    }

    void ChooseEncoding()
    {
        m_strTitle = OneLine(m_source.m_strTitle);
        m_strAuthor = OneLine(m_source.m_strAuthor);
        m_strCopyright = OneLine(m_source.m_strCopyright);
        if (m_bBrokenLines)
            Warn(u"line breaks in the title, author, copyright or clues are written as spaces");
        m_strNotes = m_source.m_strNotes;
        m_strNotes.erase(std::remove(m_strNotes.begin(), m_strNotes.end(), u'\0'), m_strNotes.end());
        auto fits = [](const std::u16string& strText) { return FitsCodePage(strText); };
        m_bUtf8 = !fits(m_strTitle) || !fits(m_strAuthor) || !fits(m_strCopyright) || !fits(m_strNotes) ||
                  !std::all_of(m_astrClues.begin(), m_astrClues.end(), fits) ||
                  !std::all_of(m_astrRebus.begin(), m_astrRebus.end(), fits) ||
                  !std::all_of(m_astrEntries.begin(), m_astrEntries.end(), fits);
    }

    std::string Encode(const std::u16string& strText) const
    {
        if (m_bUtf8)
            return NarrowUtf8(strText);
        std::string bytes;
        bytes.reserve(strText.size());
        for (const char16_t ch : strText)
            bytes.push_back(static_cast<char>(GridByte(ch)));
        return bytes;
    }

    static void AppendSection(std::string& out, const char* pszName, const std::string& data)
    {
        std::string head(kSectionDataOffset, '\0');
        std::memcpy(&head[0], pszName, kSectionLengthOffset);
        PutWord(head, kSectionLengthOffset, static_cast<WORD>(data.size()));
        PutWord(head, kSectionChecksumOffset, Checksum(data));
        out += head;
        out += data;
        out.push_back('\0');
    }

    std::string Assemble()
    {
        const std::string title = Encode(m_strTitle), author = Encode(m_strAuthor), copyright = Encode(m_strCopyright),
                          notes = Encode(m_strNotes);
        std::vector<std::string> clues;
        for (const std::u16string& strClue : m_astrClues)
            clues.push_back(Encode(strClue));

        std::string out(kGridOffset, '\0');
        std::memcpy(&out[kMarkerOffset], "ACROSS&DOWN", 12);
        std::memcpy(&out[kVersionOffset], m_bUtf8 ? "2.0" : "1.3", 4);
        PutWord(out, kAnswerChecksumOffset, m_source.m_bLocked ? m_source.m_wAnswerChecksum : 0);
        out[kSizeOffset] = static_cast<char>(m_source.m_nWidth);
        out[kSizeOffset + 1] = static_cast<char>(m_source.m_nHeight);
        PutWord(out, kClueCountOffset, static_cast<WORD>(clues.size()));
        PutWord(out, kPuzzleTypeOffset,
                static_cast<WORD>(kNormalPuzzleType | (m_source.m_bDiagramless ? kDiagramlessFlag : 0)));
        PutWord(out, kScrambledOffset,
                m_source.m_bLocked ? kScrambledFlag
                : m_bNoSolution    ? kNoSolutionFlag
                                   : WORD {0});

        // The checksums: of the header's part, each grid, the texts, and all
        // of them in a row.
        const WORD wHeader = Checksum(out.substr(kSizeOffset, kSizeBlockLength));
        const WORD wSolution = Checksum(m_solution), wState = Checksum(m_state);
        auto textsChecksum = [&](WORD wSum) {
            for (const std::string* pText : {&title, &author, &copyright}) {
                if (!pText->empty())
                    wSum = Checksum(*pText + '\0', wSum);
            }
            for (const std::string& clue : clues)
                wSum = Checksum(clue, wSum);
            return notes.empty() ? wSum : Checksum(notes + '\0', wSum);
        };
        const WORD wTexts = textsChecksum(0);
        PutWord(out, kFileChecksumOffset, textsChecksum(Checksum(m_state, Checksum(m_solution, wHeader))));
        PutWord(out, kHeaderChecksumOffset, wHeader);
        const WORD aw[4] = {wHeader, wSolution, wState, wTexts};
        for (int k = 0; k < 4; ++k) {
            out[kMaskedLowOffset + k] = static_cast<char>("ICHE"[k] ^ (aw[k] & 0xFF));
            out[kMaskedHighOffset + k] = static_cast<char>("ATED"[k] ^ (aw[k] >> 8));
        }

        out += m_solution;
        out += m_state;
        for (const std::string* pText : {&title, &author, &copyright})
            out += *pText + '\0';
        for (const std::string& clue : clues)
            out += clue + '\0';
        out += notes + '\0';
        AppendSections(out);
        return out;
    }

    void AppendSections(std::string& out)
    {
        if (!m_astrRebus.empty()) {
            AppendSection(out, "GRBS", m_rebus);
            std::string table;
            for (std::size_t k = 0; k < m_astrRebus.size(); ++k) {
                const std::string key = NarrowUtf8(NumberText(static_cast<long long>(k)));
                table += (key.size() < 2 ? " " : "") + key + ":" + Encode(m_astrRebus[k]) + ";";
            }
            AppendSection(out, "RTBL", table);
        }
        if (m_source.m_nTimerSeconds >= 0)
            AppendSection(out, "LTIM",
                          NarrowUtf8(FormatText(u"%d,%d", m_source.m_nTimerSeconds, m_source.m_bTimerStopped ? 1 : 0)));
        if (std::any_of(m_flags.begin(), m_flags.end(), [](char b) { return b != 0; }))
            AppendSection(out, "GEXT", m_flags);
        if (m_bEntries) {
            std::string entries;
            for (const std::u16string& strEntry : m_astrEntries)
                entries += Encode(strEntry) + '\0';
            if (entries.size() <= kMaxSectionLength)
                AppendSection(out, "RUSR", entries);
            else
                Warn(u"the player's rebus entries are too long for a .puz file and are left out");
        }
    }

    const CPuzzleSource& m_source;
    std::vector<std::u16string>& m_astrWarnings;

    std::string m_solution;  // a byte per square, row by row
    std::string m_state;
    std::string m_rebus;  // "GRBS": 0, or a rebus key plus one
    std::string m_flags;  // "GEXT"
    std::vector<std::u16string> m_astrEntries;  // "RUSR": the player's entries that the state grid cannot hold
    bool m_bEntries = false;
    std::map<std::u16string, int> m_rebusKeys;
    std::vector<std::u16string> m_astrRebus;  // by key
    std::size_t m_nRebusTableBound = 0;  // the most bytes the table's entries can take
    bool m_bNoSolution = false;

    std::u16string m_strTitle, m_strAuthor, m_strCopyright, m_strNotes;
    std::vector<std::u16string> m_astrClues;  // in the file's order
    bool m_bBrokenLines = false;
    bool m_bUtf8 = false;
};

}  // namespace

std::string PuzFileBytes(const CPuzzleSource& source, std::vector<std::u16string>& astrWarnings)
{
    return CPuzWriter(source, astrWarnings).Bytes();
}
