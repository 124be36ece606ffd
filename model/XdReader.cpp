// SPDX-License-Identifier: MIT
// The .xd reader: plain text, in either dialect. The older one gives the
// metadata, grid, clues and notes in that order, apart by two or more blank
// lines; the newer one names its sections with "## Metadata", "## Grid",
// "## Clues" and "## Notes" lines, in any order.
//
// The structure of the file (line ends, blanks, headings, keys, the marks of
// the clue lines) is ASCII, which UTF-8 never uses inside a character, and
// which no byte outside UTF-8 decodes to. So lines, sections, keys and grid
// squares are views of the file's bytes, and only the texts the puzzle
// keeps are decoded, each where it stands, as the whole file would be.

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "model/PuzzleSourceReader.h"
#include "model/SourceText.h"
#include "model/Text.h"
#include "model/WordStarts.h"

namespace {

[[noreturn]] void Fail(std::u16string strWhy)
{
    FailSource(std::move(strWhy));
}

bool IsBlank(char16_t ch)
{
    return ch == u' ' || ch == u'\t' || ch == u'\r';
}

bool IsAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char ch) { return static_cast<unsigned char>(ch) < 0x80; });
}

// The bytes without spaces, tabs and line ends at either end.
inline std::string_view TrimBytes(std::string_view text)
{
    const auto isBlank = [](char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

char16_t AsciiLower(char16_t ch)
{
    return ch >= u'A' && ch <= u'Z' ? static_cast<char16_t>(ch - u'A' + u'a') : ch;
}

std::u16string Lower(std::u16string_view s)
{
    std::u16string out(s);
    for (char16_t& ch : out)
        ch = AsciiLower(ch);
    return out;
}

// Equal once A-Z are taken as a-z.
bool EqualsNoCase(std::u16string_view a, std::u16string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char16_t x, char16_t y) { return AsciiLower(x) == AsciiLower(y); });
}

// The same for the bytes of a name and a name in ASCII.
bool EqualsNoCase(std::string_view a, std::u16string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char16_t y) {
               return AsciiLower(static_cast<unsigned char>(x)) == AsciiLower(y);
           });
}

// The same for two names in bytes, compared as their decoded texts: two
// bytes that are no UTF-8 may read as one character.
bool KeysEqual(std::string_view a, std::string_view b)
{
    if (IsAscii(a) && IsAscii(b)) {
        return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
                   return AsciiLower(static_cast<unsigned char>(x)) == AsciiLower(static_cast<unsigned char>(y));
               });
    }
    return EqualsNoCase(WidenUtf8(a), WidenUtf8(b));
}

// The length of the character at s[i]: a surrogate pair counts as one.
std::size_t CodePointLength(std::u16string_view s, std::size_t i)
{
    return s[i] >= 0xD800 && s[i] <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF ? 2 : 1;
}

// The characters of a line, a surrogate pair counted as one.
std::vector<std::u16string> CodePoints(std::u16string_view s)
{
    std::vector<std::u16string> out;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = CodePointLength(s, i);
        out.emplace_back(s.substr(i, n));
        i += n;
    }
    return out;
}

// Calls onChar(bytes) for the bytes of each character of a line (see
// Utf8CharLength); the number of them.
template <class OnCharFn> std::size_t ForEachChar(std::string_view s, OnCharFn onChar)
{
    std::size_t nCount = 0;
    for (std::size_t i = 0; i < s.size(); ++nCount) {
        const std::size_t n = Utf8CharLength(s, i);
        onChar(s.substr(i, n));
        i += n;
    }
    return nCount;
}

enum class ESection : unsigned char { None, Metadata, Grid, Clues, Notes, Design };

// One line of the file (without its end), and the section it belongs to.
// Its number is its place in the file's lines, from 1.
struct CLine {
    std::string_view m_str;
    ESection m_nSection;
};

std::u16string LineRef(std::size_t nLine)
{
    return u"line " + NumberText(static_cast<long long>(nLine + 1));
}

// "## Name" starts a named section.
bool IsSectionHeading(std::string_view strLine)
{
    return strLine.size() >= 2 && strLine[0] == '#' && strLine[1] == '#' && (strLine.size() == 2 || strLine[2] == ' ');
}

ESection SectionNamed(std::string_view strName)
{
    for (const auto& [pszName, nSection] :
         {std::pair {u"metadata", ESection::Metadata}, std::pair {u"grid", ESection::Grid},
          std::pair {u"clues", ESection::Clues}, std::pair {u"notes", ESection::Notes},
          std::pair {u"design", ESection::Design}}) {
        if (EqualsNoCase(strName, pszName))
            return nSection;
    }
    return ESection::None;
}

// The lines of the text, each with its section.
std::vector<CLine> SplitSections(std::string_view text)
{
    std::vector<CLine> aLines;
    std::size_t nLines = 1;
    for (const char ch : text)
        nLines += ch == '\n' ? 1 : 0;
    aLines.reserve(nLines);
    bool bNamed = false;
    for (std::size_t nStart = 0; nStart <= text.size();) {
        std::size_t nEnd = text.find('\n', nStart);
        if (nEnd == std::string_view::npos)
            nEnd = text.size();
        std::string_view strLine = text.substr(nStart, nEnd - nStart);
        if (!strLine.empty() && strLine.back() == '\r')
            strLine.remove_suffix(1);
        aLines.push_back({strLine, ESection::None});
        bNamed = bNamed || IsSectionHeading(strLine);
        nStart = nEnd + 1;
    }
    if (bNamed) {
        // Sections of other names are passed over, as is anything before
        // the first; a heading belongs to no section.
        ESection nSection = ESection::None;
        for (CLine& line : aLines) {
            if (IsSectionHeading(line.m_str))
                nSection = SectionNamed(TrimBytes(line.m_str.substr(2)));
            else
                line.m_nSection = nSection;
        }
        return aLines;
    }
    // Two or more blank lines end a section; the notes take the rest,
    // blank lines included once they have begun.
    constexpr ESection kOrder[] = {ESection::Metadata, ESection::Grid, ESection::Clues, ESection::Notes};
    std::size_t nSection = 0, nBlank = 0;
    bool bStarted = false;
    for (CLine& line : aLines) {
        if (TrimBytes(line.m_str).empty()) {
            ++nBlank;
            if (nSection == 3 && bStarted)
                line.m_nSection = ESection::Notes;
            continue;
        }
        if (bStarted && nBlank >= 2 && nSection < 3)
            ++nSection;
        nBlank = 0;
        bStarted = true;
        line.m_nSection = kOrder[nSection];
    }
    return aLines;
}

// Calls onLine(line, nLine) for each line of the section, in order.
template <class OnLineFn> void ForEachLine(const std::vector<CLine>& aLines, ESection nSection, OnLineFn onLine)
{
    for (std::size_t n = 0; n < aLines.size(); ++n) {
        if (aLines[n].m_nSection == nSection)
            onLine(aLines[n].m_str, n);
    }
}

// "Key: value" lines, the keys compared without regard to case.
class CMetadata {
public:
    explicit CMetadata(const std::vector<CLine>& aLines)
    {
        ForEachLine(aLines, ESection::Metadata, [this](std::string_view strRaw, std::size_t nLine) {
            const std::string_view strLine = TrimBytes(strRaw);
            if (strLine.empty())
                return;
            const std::size_t nColon = strLine.find(':');
            const std::string_view strKey =
                nColon == std::string_view::npos ? std::string_view() : TrimBytes(strLine.substr(0, nColon));
            if (strKey.empty())
                Fail(LineRef(nLine) + u" is not a \"Key: value\" line");
            for (const auto& [strOther, strValue] : m_aValues) {
                if (KeysEqual(strOther, strKey))
                    Fail(LineRef(nLine) + u" repeats the key " + WidenUtf8(strKey));
            }
            m_aValues.emplace_back(strKey, TrimBytes(strLine.substr(nColon + 1)));
        });
    }

    // The value's bytes for a key in lower case ASCII; empty when the file
    // gives none. A key beyond ASCII is no key this reader looks for.
    std::string_view Value(std::u16string_view strKey) const
    {
        for (const auto& [strOther, strValue] : m_aValues) {
            if (EqualsNoCase(strOther, strKey))
                return strValue;
        }
        return {};
    }

private:
    std::vector<std::pair<std::string_view, std::string_view>> m_aValues;
};

// By the character, as a view: the map's own keys are strings.
using CRebusMap = std::map<std::u16string, std::u16string, std::less<>>;

// "1=HEART 2=DIAMOND" or "1=HEART,2=DIAMOND": one character for each answer.
CRebusMap ReadRebus(std::u16string_view strValue)
{
    CRebusMap rebus;
    std::vector<std::u16string> aTokens;
    std::u16string strToken;
    for (std::size_t i = 0; i <= strValue.size(); ++i) {
        if (i == strValue.size() || IsBlank(strValue[i])) {
            if (!strToken.empty())
                aTokens.push_back(strToken);
            strToken.clear();
        } else {
            strToken.push_back(strValue[i]);
        }
    }
    std::u16string strLastKey;
    for (const std::u16string& token : aTokens) {
        // Commas part entries only where each part is an entry of its own.
        std::vector<std::u16string> aParts;
        std::size_t nStart = 0;
        for (std::size_t nComma = token.find(u','); nComma != std::u16string::npos;
             nComma = token.find(u',', nComma + 1)) {
            const std::u16string strNext = token.substr(nComma + 1);
            if (CodePoints(strNext.substr(0, strNext.find(u'='))).size() == 1 && strNext.find(u'=') != 0 &&
                strNext.find(u'=') != std::u16string::npos) {
                aParts.push_back(token.substr(nStart, nComma - nStart));
                nStart = nComma + 1;
            }
        }
        aParts.push_back(token.substr(nStart));
        for (const std::u16string& part : aParts) {
            const std::size_t nEquals = part.find(u'=');
            const std::vector<std::u16string> aKey =
                CodePoints(nEquals == std::u16string::npos ? std::u16string() : part.substr(0, nEquals));
            if (aKey.size() == 1 && nEquals + 1 < part.size()) {
                strLastKey = aKey[0];
                rebus[strLastKey] = part.substr(nEquals + 1);
            } else if (!strLastKey.empty()) {
                // An answer of several words goes on after a blank.
                rebus[strLastKey] += u" " + part;
            } else {
                Fail(u"the Rebus line is not \"key=ANSWER\" entries");
            }
        }
    }
    return rebus;
}

// Where a design section gives a class a circle or a shade:
// "<style>O { background: circle } S { background: shade }</style>".
std::map<std::u16string, std::u16string> ReadDesignStyles(std::u16string_view strStyle)
{
    std::map<std::u16string, std::u16string> styles;
    std::size_t nPos = 0;
    for (std::size_t nOpen = strStyle.find(u'{', nPos); nOpen != std::u16string_view::npos;
         nOpen = strStyle.find(u'{', nPos)) {
        const std::size_t nClose = strStyle.find(u'}', nOpen);
        if (nClose == std::u16string_view::npos)
            break;
        std::u16string_view strSelector = strStyle.substr(nPos, nOpen - nPos);
        const std::size_t nTag = strSelector.rfind(u'>');
        if (nTag != std::u16string_view::npos)
            strSelector.remove_prefix(nTag + 1);
        const std::u16string strBody = Lower(strStyle.substr(nOpen + 1, nClose - nOpen - 1));
        const std::u16string strClass(TrimBlanks(strSelector));
        if (strBody.find(u"circle") != std::u16string::npos)
            styles[strClass] = u"circle";
        else if (strBody.find(u"shade") != std::u16string::npos)
            styles[strClass] = u"shade";
        nPos = nClose + 1;
    }
    return styles;
}

// "{/italic/}", "{*bold*}", "{_underline_}" and "{-strike-}" as their text;
// a backslash parts the lines of a clue.
std::u16string ClueText(std::u16string_view text)
{
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t ch = text[i];
        const bool bMark = i + 1 < text.size() &&
                           (text[i + 1] == u'/' || text[i + 1] == u'*' || text[i + 1] == u'_' || text[i + 1] == u'-');
        if (ch == u'{' && bMark) {
            const char16_t szClose[] = {text[i + 1], u'}', u'\0'};
            const std::size_t nClose = text.find(szClose, i + 2);
            if (nClose != std::u16string_view::npos) {
                out.append(text.substr(i + 2, nClose - i - 2));
                i = nClose + 1;
                continue;
            }
        }
        out.push_back(ch == u'\\' ? u'\n' : ch);
    }
    return TrimText(out);
}

// The same for the bytes of a clue's text. One without braces and
// backslashes is its text once its blanks are trimmed (a line holds no line
// breaks), decoded straight into its string.
std::u16string ClueText(std::string_view text)
{
    if (std::none_of(text.begin(), text.end(), [](char ch) { return ch == '{' || ch == '\\'; }))
        return WidenUtf8(TrimBytes(text));
    return ClueText(std::u16string_view(WidenUtf8(text)));
}

class CXdReader {
public:
    explicit CXdReader(CPuzzleSource& source) : m_source(source) { }

    void Read(std::string_view text)
    {
        const std::vector<CLine> aLines = SplitSections(text);
        const CMetadata metadata(aLines);
        m_source.m_strTitle = WidenUtf8(metadata.Value(u"title"));
        m_source.m_strAuthor = WidenUtf8(metadata.Value(u"author"));
        m_source.m_strCopyright = WidenUtf8(metadata.Value(u"copyright"));
        m_rebus = ReadRebus(WidenUtf8(metadata.Value(u"rebus")));
        m_bShadedSpecial = Lower(WidenUtf8(metadata.Value(u"special"))).find(u"shade") != std::u16string::npos;
        ReadGrid(aLines);
        ReadDesign(aLines);
        ReadClues(aLines);
        std::string strNotes;
        ForEachLine(aLines, ESection::Notes, [&strNotes](std::string_view strLine, std::size_t) {
            strNotes.append(strLine);
            strNotes.push_back('\n');
        });
        const std::string_view strHeaderNotes =
            metadata.Value(u"notes").empty() ? metadata.Value(u"note") : metadata.Value(u"notes");
        m_source.m_strNotes = JoinNotes(WidenUtf8(strHeaderNotes), TrimText(WidenUtf8(strNotes)));
    }

private:
    void ReadGrid(const std::vector<CLine>& aLines)
    {
        // The rows are measured first and read into the squares after.
        std::vector<std::string_view> aRows;
        std::size_t nWidth = 0;
        bool bHashBlocks = false;
        // The first row whose length differs, told once the grid's size is known good.
        std::size_t nUnequalLine = 0;
        bool bUnequal = false;
        ForEachLine(aLines, ESection::Grid, [&](std::string_view strLine, std::size_t nLine) {
            const std::string_view strRow = TrimBytes(strLine);
            if (strRow.empty())
                return;
            // A row is as long as the 16-bit characters it makes: a
            // character beyond 0xFFFF (four bytes) makes two.
            std::size_t nUnits = 0;
            const std::size_t nCells = ForEachChar(strRow, [&](std::string_view cell) {
                nUnits += cell.size() == 4 ? 2 : 1;
                bHashBlocks = bHashBlocks || cell == "#";
            });
            if (aRows.size() >= static_cast<std::size_t>(kMaxSourceGridSide) ||
                nUnits > 2 * static_cast<std::size_t>(kMaxSourceGridSide))
                Fail(u"the grid must be 1 to 255 squares each way");
            if (aRows.empty()) {
                if (nCells > static_cast<std::size_t>(kMaxSourceGridSide))
                    Fail(u"the grid must be 1 to 255 squares each way");
                nWidth = nCells;
                aRows.reserve(static_cast<std::size_t>(kMaxSourceGridSide));
            } else if (nCells != nWidth && !bUnequal) {
                bUnequal = true;
                nUnequalLine = nLine;
            }
            aRows.push_back(strRow);
        });
        if (aRows.empty())
            Fail(u"no grid");
        if (bUnequal)
            Fail(LineRef(nUnequalLine) + u": grid rows of unequal length");
        m_source.Resize(static_cast<int>(nWidth), static_cast<int>(aRows.size()), ESquareKind::Open);
        CSourceSquare* pSquare = m_source.m_aSquares.data();
        for (const std::string_view strRow : aRows) {
            ForEachChar(strRow, [&](std::string_view cell) {
                if (cell.size() == 1 && static_cast<unsigned char>(cell[0]) < 0x80) {
                    const char16_t ch = static_cast<unsigned char>(cell[0]);
                    ReadSquare(std::u16string_view(&ch, 1), bHashBlocks, *pSquare++);
                } else {
                    ReadSquare(WidenUtf8(cell), bHashBlocks, *pSquare++);
                }
            });
        }
    }

    // "#" is a block and "_" no square. "." is an open square without its
    // answer in grids whose blocks are "#", and a block in the grids that
    // draw blocks as "." instead. Letters are answers, lower case marks a
    // special square, and the Rebus line gives what other characters stand for.
    void ReadSquare(std::u16string_view cell, bool bHashBlocks, CSourceSquare& square)
    {
        const char16_t ch = cell[0];
        const bool bOne = cell.size() == 1;
        const bool bLower = bOne && ch >= u'a' && ch <= u'z';
        const auto it = m_rebus.empty() ? m_rebus.end() : m_rebus.find(cell);
        if (it != m_rebus.end()) {
            square.m_strSolution = it->second;
        } else if (bOne && (ch == u'#' || (ch == u'.' && !bHashBlocks))) {
            square.m_nKind = ESquareKind::Block;
        } else if (bOne && ch == u'_') {
            square.m_nKind = ESquareKind::Missing;
        } else if (bOne && ch == u'.') {
            square.m_nKind = ESquareKind::Open;
        } else if (bLower) {
            square.m_strSolution.push_back(static_cast<char16_t>(ch - u'a' + u'A'));
        } else {
            // A character or a surrogate pair into a fresh square: nothing to replace.
            for (const char16_t chCell : cell)
                square.m_strSolution.push_back(chCell);
        }
        if (bLower) {
            if (m_bShadedSpecial)
                square.m_nColor = kShadedColor;
            else
                square.m_bCircled = true;
        }
    }

    void ReadDesign(const std::vector<CLine>& aLines)
    {
        std::u16string strStyle;
        std::vector<std::u16string> aRows;
        bool bInStyle = false;
        ForEachLine(aLines, ESection::Design, [&](std::string_view strRaw, std::size_t) {
            const std::u16string strLine = WidenUtf8(TrimBytes(strRaw));
            if (strLine.find(u"<style") != std::u16string::npos)
                bInStyle = true;
            if (bInStyle) {
                strStyle += strLine + u" ";
                if (strLine.find(u"</style>") != std::u16string::npos)
                    bInStyle = false;
            } else if (!strLine.empty()) {
                aRows.push_back(strLine);
            }
        });
        if (aRows.empty())
            return;
        const std::map<std::u16string, std::u16string> styles = ReadDesignStyles(strStyle);
        for (int r = 0; r < m_source.m_nHeight && static_cast<std::size_t>(r) < aRows.size(); ++r) {
            const std::vector<std::u16string> aCells = CodePoints(aRows[static_cast<std::size_t>(r)]);
            for (int c = 0; c < m_source.m_nWidth && static_cast<std::size_t>(c) < aCells.size(); ++c) {
                const auto it = styles.find(aCells[static_cast<std::size_t>(c)]);
                CSourceSquare& square = m_source.At(c, r);
                if (it == styles.end() || square.m_nKind != ESquareKind::Open)
                    continue;
                if (it->second == u"circle")
                    square.m_bCircled = true;
                else
                    square.m_nColor = kShadedColor;
            }
        }
    }

    // The list of a clue's letter: 1 to 26 for A to Z, 0 for none.
    static std::size_t GroupIndex(char chGroup)
    {
        return chGroup == 0 ? 0 : static_cast<std::size_t>(chGroup - 'A' + 1);
    }

    // "A1. Clue text ~ ANSWER": the list's letter, the number, the text and
    // the answer. "A1 ^Key: value" lines add to a clue and are passed over.
    void ReadClues(const std::vector<CLine>& aLines)
    {
        // Each list gets room for the lines of its letter at once.
        std::array<std::size_t, 27> anLinesOfGroup {};
        ForEachLine(aLines, ESection::Clues, [&anLinesOfGroup](std::string_view strRaw, std::size_t) {
            const std::string_view strLine = TrimBytes(strRaw);
            if (!strLine.empty())
                ++anLinesOfGroup[GroupIndex(strLine[0] >= 'A' && strLine[0] <= 'Z' ? strLine[0] : 0)];
        });
        // 1 + the list of each letter, 0 for none yet.
        std::array<std::size_t, 27> anListOfGroup {};
        ForEachLine(aLines, ESection::Clues, [&](std::string_view strRaw, std::size_t nLine) {
            const std::string_view strLine = TrimBytes(strRaw);
            if (strLine.empty())
                return;
            std::size_t i = 0;
            char chGroup = 0;
            if (strLine[0] >= 'A' && strLine[0] <= 'Z')
                chGroup = strLine[i++];
            const std::size_t nDigits = i;
            while (i < strLine.size() && strLine[i] >= '0' && strLine[i] <= '9')
                ++i;
            if (i == nDigits)
                Fail(LineRef(nLine) + u" is not a clue");
            const std::u16string strLabel(strLine.begin() + static_cast<std::ptrdiff_t>(nDigits),
                                          strLine.begin() + static_cast<std::ptrdiff_t>(i));
            if (strLine.compare(i, 2, " ^") == 0)
                return;
            if (i + 1 >= strLine.size() || strLine[i] != '.' || strLine[i + 1] != ' ')
                Fail(LineRef(nLine) + u" is not a clue");
            const std::string_view strRest = strLine.substr(i + 2);
            const std::size_t nTilde = strRest.rfind(" ~");
            if (nTilde == std::string_view::npos || (nTilde + 2 < strRest.size() && strRest[nTilde + 2] != ' '))
                Fail(LineRef(nLine) + u": the clue has no \" ~ ANSWER\"");
            CSourceClue clue;
            clue.m_nNumber = LabelNumber(strLabel);
            clue.m_strLabel = strLabel;
            clue.m_strText = ClueText(strRest.substr(0, nTilde));
            std::size_t& nList = anListOfGroup[GroupIndex(chGroup)];
            if (nList == 0) {
                CSourceClueList& list = m_source.m_aLists.emplace_back();
                list.m_nDirection = chGroup == 'A'   ? EClueDirection::Across
                                    : chGroup == 'D' ? EClueDirection::Down
                                                     : EClueDirection::Other;
                list.m_strName = chGroup == 'A'   ? u"Across"
                                 : chGroup == 'D' ? u"Down"
                                 : chGroup == 0   ? u"Clues"
                                                  : std::u16string(1, static_cast<char16_t>(chGroup));
                list.m_aClues.reserve(anLinesOfGroup[GroupIndex(chGroup)]);
                nList = m_source.m_aLists.size();
            }
            if (++m_nClues > kMaxSourceClues)
                Fail(u"too many clues");
            CSourceClueList& list = m_source.m_aLists[nList - 1];
            if (list.m_nDirection != EClueDirection::Other) {
                clue.m_aCells = WordOf(clue.m_nNumber, list.m_nDirection == EClueDirection::Across);
                if (clue.m_aCells.empty())
                    Fail(LineRef(nLine) + u": no " + list.m_strName + u" word " + strLabel + u" in the grid");
            }
            list.m_aClues.push_back(std::move(clue));
        });
    }

    // The squares of the numbered word, numbered as every crossword is:
    // the squares that start a word, row by row.
    std::vector<CPoint> WordOf(int nNumber, bool bAcross)
    {
        if (m_starts.empty()) {
            m_starts.reserve(m_source.m_aSquares.size());
            const CSourceSquare* pSquares = m_source.m_aSquares.data();
            ForEachGridWordStart(
                m_source.m_nWidth, m_source.m_nHeight,
                [pSquares](std::size_t i) { return pSquares[i].m_nKind != ESquareKind::Open; },
                [this](int c, int r, bool bStartsAcross, bool bStartsDown) {
                    m_starts.push_back({CPoint(c, r), bStartsAcross, bStartsDown});
                });
        }
        if (nNumber < 1 || static_cast<std::size_t>(nNumber) > m_starts.size())
            return {};
        const CStart& start = m_starts[static_cast<std::size_t>(nNumber) - 1];
        if (!(bAcross ? start.m_bAcross : start.m_bDown))
            return {};
        return m_source.WordFrom(start.m_pt.x, start.m_pt.y, bAcross);
    }

    struct CStart {
        CPoint m_pt;
        bool m_bAcross;
        bool m_bDown;
    };

    CPuzzleSource& m_source;
    CRebusMap m_rebus;
    bool m_bShadedSpecial = false;
    std::vector<CStart> m_starts;
    std::size_t m_nClues = 0;
};

}  // namespace

BOOL ReadXdSource(std::string_view bytes, const std::u16string& strName, CPuzzleSource& source,
                  std::u16string& strError)
{
    return RunSourceReader(strName, source, strError, [&]() {
        if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF")
            bytes.remove_prefix(3);
        if (bytes.find('\0') != std::string_view::npos)
            Fail(u"not a text file");
        CXdReader reader(source);
        reader.Read(bytes);
    });
}
