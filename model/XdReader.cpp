// SPDX-License-Identifier: MIT
// The .xd reader: plain text, in either dialect. The older one gives the
// metadata, grid, clues and notes in that order, apart by two or more blank
// lines; the newer one names its sections with "## Metadata", "## Grid",
// "## Clues" and "## Notes" lines, in any order.

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

std::u16string Lower(std::u16string_view s)
{
    std::u16string out(s);
    for (char16_t& ch : out) {
        if (ch >= u'A' && ch <= u'Z')
            ch = static_cast<char16_t>(ch - u'A' + u'a');
    }
    return out;
}

// The characters of a line, a surrogate pair counted as one.
std::vector<std::u16string> CodePoints(std::u16string_view s)
{
    std::vector<std::u16string> out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const bool bPair =
            s[i] >= 0xD800 && s[i] <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF;
        out.emplace_back(s.substr(i, bPair ? 2 : 1));
        i += bPair ? 1 : 0;
    }
    return out;
}

// One numbered line of the file.
struct CLine {
    std::u16string_view m_str;
    std::size_t m_nNumber;
};
using CSection = std::vector<CLine>;

struct CSections {
    CSection m_metadata;
    CSection m_grid;
    CSection m_clues;
    CSection m_notes;
    CSection m_design;
};

std::u16string LineRef(const CLine& line)
{
    return u"line " + NumberText(static_cast<long long>(line.m_nNumber));
}

// "## Name" starts a named section.
bool IsSectionHeading(std::u16string_view strLine)
{
    return strLine.size() >= 2 && strLine[0] == u'#' && strLine[1] == u'#' &&
           (strLine.size() == 2 || strLine[2] == u' ');
}

CSections SplitSections(const std::vector<CLine>& aLines)
{
    CSections sections;
    bool bNamed = false;
    for (const CLine& line : aLines)
        bNamed = bNamed || IsSectionHeading(line.m_str);
    if (bNamed) {
        // Sections of other names are passed over, as is anything before the first.
        CSection* pSection = nullptr;
        for (const CLine& line : aLines) {
            if (IsSectionHeading(line.m_str)) {
                const std::u16string strName = Lower(TrimBlanks(line.m_str.substr(2)));
                pSection = strName == u"metadata" ? &sections.m_metadata
                           : strName == u"grid"   ? &sections.m_grid
                           : strName == u"clues"  ? &sections.m_clues
                           : strName == u"notes"  ? &sections.m_notes
                           : strName == u"design" ? &sections.m_design
                                                  : nullptr;
            } else if (pSection != nullptr) {
                pSection->push_back(line);
            }
        }
        return sections;
    }
    // Two or more blank lines end a section; the notes take the rest.
    CSection* apSections[] = {&sections.m_metadata, &sections.m_grid, &sections.m_clues, &sections.m_notes};
    std::size_t nSection = 0, nBlank = 0;
    bool bStarted = false;
    for (const CLine& line : aLines) {
        if (TrimBlanks(line.m_str).empty()) {
            ++nBlank;
            if (nSection == 3 && bStarted)
                apSections[3]->push_back(line);
            continue;
        }
        if (bStarted && nBlank >= 2 && nSection < 3)
            ++nSection;
        nBlank = 0;
        bStarted = true;
        apSections[nSection]->push_back(line);
    }
    return sections;
}

struct CMetadata {
    std::map<std::u16string, std::u16string> m_values;  // by lower-case key
};

CMetadata ReadMetadata(const CSection& section)
{
    CMetadata metadata;
    for (const CLine& line : section) {
        const std::u16string_view strLine = TrimBlanks(line.m_str);
        if (strLine.empty())
            continue;
        const std::size_t nColon = strLine.find(u':');
        if (nColon == std::u16string_view::npos || TrimBlanks(strLine.substr(0, nColon)).empty())
            Fail(LineRef(line) + u" is not a \"Key: value\" line");
        const std::u16string strKey = Lower(TrimBlanks(strLine.substr(0, nColon)));
        if (!metadata.m_values.emplace(strKey, std::u16string(TrimBlanks(strLine.substr(nColon + 1)))).second)
            Fail(LineRef(line) + u" repeats the key " + std::u16string(TrimBlanks(strLine.substr(0, nColon))));
    }
    return metadata;
}

// "1=HEART 2=DIAMOND" or "1=HEART,2=DIAMOND": one character for each answer.
std::map<std::u16string, std::u16string> ReadRebus(const std::u16string& strValue)
{
    std::map<std::u16string, std::u16string> rebus;
    std::vector<std::u16string> aTokens;
    std::u16string strToken;
    for (char16_t ch : strValue + u" ") {
        if (IsBlank(ch)) {
            if (!strToken.empty())
                aTokens.push_back(strToken);
            strToken.clear();
        } else {
            strToken.push_back(ch);
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
            const std::u16string strClose = std::u16string(1, text[i + 1]) + u"}";
            const std::size_t nClose = text.find(strClose, i + 2);
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

class CXdReader {
public:
    explicit CXdReader(CPuzzleSource& source) : m_source(source) { }

    void Read(std::u16string_view text)
    {
        std::vector<CLine> aLines;
        for (std::u16string_view strLine : SplitLines(text))
            aLines.push_back({strLine, aLines.size() + 1});
        const CSections sections = SplitSections(aLines);
        const CMetadata metadata = ReadMetadata(sections.m_metadata);
        const auto value = [&metadata](const char16_t* pszKey) {
            const auto it = metadata.m_values.find(pszKey);
            return it == metadata.m_values.end() ? std::u16string() : it->second;
        };
        m_source.m_strTitle = value(u"title");
        m_source.m_strAuthor = value(u"author");
        m_source.m_strCopyright = value(u"copyright");
        m_rebus = ReadRebus(value(u"rebus"));
        m_bShadedSpecial = Lower(value(u"special")).find(u"shade") != std::u16string::npos;
        ReadGrid(sections.m_grid);
        ReadDesign(sections.m_design);
        ReadClues(sections.m_clues);
        std::u16string strNotes;
        for (const CLine& line : sections.m_notes)
            strNotes += std::u16string(line.m_str) + u"\n";
        const std::u16string strHeaderNotes = value(u"notes").empty() ? value(u"note") : value(u"notes");
        m_source.m_strNotes = JoinNotes(strHeaderNotes, TrimText(strNotes));
    }

private:
    void ReadGrid(const CSection& section)
    {
        std::vector<std::vector<std::u16string>> aRows;
        std::vector<const CLine*> apLines;
        for (const CLine& line : section) {
            const std::u16string_view strRow = TrimBlanks(line.m_str);
            if (strRow.empty())
                continue;
            if (aRows.size() >= static_cast<std::size_t>(kMaxSourceGridSide) ||
                strRow.size() > 2 * static_cast<std::size_t>(kMaxSourceGridSide))
                Fail(u"the grid must be 1 to 255 squares each way");
            aRows.push_back(CodePoints(strRow));
            apLines.push_back(&line);
        }
        if (aRows.empty())
            Fail(u"no grid");
        const std::size_t nWidth = aRows[0].size();
        if (nWidth > static_cast<std::size_t>(kMaxSourceGridSide))
            Fail(u"the grid must be 1 to 255 squares each way");
        bool bHashBlocks = false;
        for (std::size_t r = 0; r < aRows.size(); ++r) {
            if (aRows[r].size() != nWidth)
                Fail(LineRef(*apLines[r]) + u": grid rows of unequal length");
            for (const std::u16string& cell : aRows[r])
                bHashBlocks = bHashBlocks || cell == u"#";
        }
        m_source.Resize(static_cast<int>(nWidth), static_cast<int>(aRows.size()), ESquareKind::Open);
        for (int r = 0; r < m_source.m_nHeight; ++r) {
            for (int c = 0; c < m_source.m_nWidth; ++c)
                ReadSquare(aRows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)], bHashBlocks,
                           m_source.At(c, r));
        }
    }

    // "#" is a block and "_" no square. "." is an open square without its
    // answer in grids whose blocks are "#", and a block in the grids that
    // draw blocks as "." instead. Letters are answers, lower case marks a
    // special square, and the Rebus line gives what other characters stand for.
    void ReadSquare(const std::u16string& cell, bool bHashBlocks, CSourceSquare& square)
    {
        const char16_t ch = cell[0];
        const bool bLower = cell.size() == 1 && ch >= u'a' && ch <= u'z';
        const auto it = m_rebus.find(cell);
        if (it != m_rebus.end()) {
            square.m_strSolution = it->second;
        } else if (cell == u"#" || (cell == u"." && !bHashBlocks)) {
            square.m_nKind = ESquareKind::Block;
        } else if (cell == u"_") {
            square.m_nKind = ESquareKind::Missing;
        } else if (cell == u".") {
            square.m_nKind = ESquareKind::Open;
        } else {
            square.m_strSolution = bLower ? std::u16string(1, static_cast<char16_t>(ch - u'a' + u'A')) : cell;
        }
        if (bLower) {
            if (m_bShadedSpecial)
                square.m_nColor = kShadedColor;
            else
                square.m_bCircled = true;
        }
    }

    void ReadDesign(const CSection& section)
    {
        std::u16string strStyle;
        std::vector<std::u16string_view> aRows;
        bool bInStyle = false;
        for (const CLine& line : section) {
            const std::u16string_view strLine = TrimBlanks(line.m_str);
            if (strLine.find(u"<style") != std::u16string_view::npos)
                bInStyle = true;
            if (bInStyle) {
                strStyle += std::u16string(strLine) + u" ";
                if (strLine.find(u"</style>") != std::u16string_view::npos)
                    bInStyle = false;
            } else if (!strLine.empty()) {
                aRows.push_back(strLine);
            }
        }
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

    // "A1. Clue text ~ ANSWER": the list's letter, the number, the text and
    // the answer. "A1 ^Key: value" lines add to a clue and are passed over.
    void ReadClues(const CSection& section)
    {
        std::map<char16_t, std::size_t> listOfLetter;
        for (const CLine& line : section) {
            const std::u16string_view strLine = TrimBlanks(line.m_str);
            if (strLine.empty())
                continue;
            std::size_t i = 0;
            char16_t chGroup = 0;
            if (strLine[0] >= u'A' && strLine[0] <= u'Z')
                chGroup = strLine[i++];
            const std::size_t nDigits = i;
            while (i < strLine.size() && strLine[i] >= u'0' && strLine[i] <= u'9')
                ++i;
            if (i == nDigits)
                Fail(LineRef(line) + u" is not a clue");
            const std::u16string strLabel(strLine.substr(nDigits, i - nDigits));
            if (i < strLine.size() && strLine[i] == u' ' && strLine.substr(i).find(u" ^") == 0)
                continue;
            if (i + 1 >= strLine.size() || strLine[i] != u'.' || strLine[i + 1] != u' ')
                Fail(LineRef(line) + u" is not a clue");
            const std::u16string_view strRest = strLine.substr(i + 2);
            const std::size_t nTilde = strRest.rfind(u" ~");
            if (nTilde == std::u16string_view::npos || (nTilde + 2 < strRest.size() && strRest[nTilde + 2] != u' '))
                Fail(LineRef(line) + u": the clue has no \" ~ ANSWER\"");
            CSourceClue clue;
            clue.m_strLabel = strLabel;
            clue.m_nNumber = LabelNumber(strLabel);
            clue.m_strText = ClueText(strRest.substr(0, nTilde));
            const auto [it, bNew] = listOfLetter.emplace(chGroup, m_source.m_aLists.size());
            if (bNew) {
                CSourceClueList list;
                list.m_nDirection = chGroup == u'A'   ? EClueDirection::Across
                                    : chGroup == u'D' ? EClueDirection::Down
                                                      : EClueDirection::Other;
                list.m_strName = chGroup == u'A'   ? u"Across"
                                 : chGroup == u'D' ? u"Down"
                                 : chGroup == 0    ? u"Clues"
                                                   : std::u16string(1, chGroup);
                m_source.m_aLists.push_back(list);
            }
            if (++m_nClues > kMaxSourceClues)
                Fail(u"too many clues");
            CSourceClueList& list = m_source.m_aLists[it->second];
            if (list.m_nDirection != EClueDirection::Other) {
                clue.m_aCells = WordOf(clue.m_nNumber, list.m_nDirection == EClueDirection::Across);
                if (clue.m_aCells.empty())
                    Fail(LineRef(line) + u": no " + list.m_strName + u" word " + strLabel + u" in the grid");
            }
            list.m_aClues.push_back(std::move(clue));
        }
    }

    // The squares of the numbered word, numbered as every crossword is:
    // the squares that start a word, row by row.
    std::vector<CPoint> WordOf(int nNumber, bool bAcross)
    {
        if (m_starts.empty()) {
            ForEachWordStart(
                m_source.m_nWidth, m_source.m_nHeight, [this](int c, int r) { return !m_source.IsOpen(c, r); },
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
    std::map<std::u16string, std::u16string> m_rebus;
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
        reader.Read(WidenUtf8(bytes));
    });
}
