// SPDX-License-Identifier: MIT
#include "model/SourceText.h"

#include <algorithm>

#include "model/LabelIndex.h"
#include "model/Text.h"

namespace {

// Tags that only style the text they enclose; a clue keeps the text.
constexpr std::u16string_view kInlineTags[] = {
    u"a", u"abbr", u"b",    u"big",   u"cite", u"code",   u"del",    u"em",  u"font", u"i",  u"ins", u"kbd", u"mark",
    u"q", u"s",    u"samp", u"small", u"span", u"strike", u"strong", u"sub", u"sup",  u"tt", u"u",   u"var",
};
// Tags that separate what stands before and after them.
constexpr std::u16string_view kBlockTags[] = {u"div", u"li", u"ol", u"p", u"ul"};

// The longest tag that is taken as markup; longer ones stay as text.
constexpr std::size_t kMaxTagLength = 512;

struct CNamedEntity {
    std::u16string_view m_strName;
    char16_t m_ch;
};
constexpr CNamedEntity kEntities[] = {
    {u"amp", u'&'},      {u"lt", u'<'},       {u"gt", u'>'},       {u"quot", u'"'},     {u"apos", u'\''},
    {u"nbsp", u' '},     {u"ndash", 0x2013},  {u"mdash", 0x2014},  {u"hellip", 0x2026}, {u"lsquo", 0x2018},
    {u"rsquo", 0x2019},  {u"ldquo", 0x201C},  {u"rdquo", 0x201D},  {u"copy", 0x00A9},   {u"reg", 0x00AE},
    {u"trade", 0x2122},  {u"deg", 0x00B0},    {u"frac12", 0x00BD}, {u"frac14", 0x00BC}, {u"frac34", 0x00BE},
    {u"times", 0x00D7},  {u"divide", 0x00F7}, {u"middot", 0x00B7}, {u"bull", 0x2022},   {u"eacute", 0x00E9},
    {u"egrave", 0x00E8}, {u"ecirc", 0x00EA},  {u"euml", 0x00EB},   {u"aacute", 0x00E1}, {u"agrave", 0x00E0},
    {u"acirc", 0x00E2},  {u"auml", 0x00E4},   {u"atilde", 0x00E3}, {u"aring", 0x00E5},  {u"iacute", 0x00ED},
    {u"icirc", 0x00EE},  {u"iuml", 0x00EF},   {u"oacute", 0x00F3}, {u"ocirc", 0x00F4},  {u"ouml", 0x00F6},
    {u"otilde", 0x00F5}, {u"uacute", 0x00FA}, {u"ucirc", 0x00FB},  {u"uuml", 0x00FC},   {u"ntilde", 0x00F1},
    {u"ccedil", 0x00E7}, {u"szlig", 0x00DF},  {u"Eacute", 0x00C9}, {u"Ntilde", 0x00D1}, {u"Uuml", 0x00DC},
    {u"Ouml", 0x00D6},   {u"Auml", 0x00C4},   {u"iexcl", 0x00A1},  {u"iquest", 0x00BF}, {u"pound", 0x00A3},
    {u"euro", 0x20AC},   {u"cent", 0x00A2},   {u"sect", 0x00A7},   {u"para", 0x00B6},   {u"laquo", 0x00AB},
    {u"raquo", 0x00BB},  {u"minus", 0x2212},  {u"prime", 0x2032},  {u"Prime", 0x2033},  {u"larr", 0x2190},
    {u"rarr", 0x2192},   {u"uarr", 0x2191},   {u"darr", 0x2193},   {u"hearts", 0x2665}, {u"spades", 0x2660},
    {u"clubs", 0x2663},  {u"diams", 0x2666},  {u"alpha", 0x03B1},  {u"beta", 0x03B2},   {u"pi", 0x03C0},
};

bool IsBlank(char16_t ch)
{
    return ch == u' ' || ch == u'\t' || ch == u'\r' || ch == u'\n';
}

char16_t AsciiLower(char16_t ch)
{
    return ch >= u'A' && ch <= u'Z' ? static_cast<char16_t>(ch - u'A' + u'a') : ch;
}

bool EqualsNoCase(std::u16string_view a, std::u16string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char16_t x, char16_t y) { return AsciiLower(x) == AsciiLower(y); });
}

template <std::size_t N> bool IsOneOf(std::u16string_view strName, const std::u16string_view (&aNames)[N])
{
    return std::any_of(std::begin(aNames), std::end(aNames),
                       [strName](std::u16string_view s) { return EqualsNoCase(s, strName); });
}

enum class ETag { None, Inline, Block, Break };

// The tag at text[i] ('<'), its kind and its length; ETag::None when no
// known tag stands there.
ETag TagAt(std::u16string_view text, std::size_t i, std::size_t& nLength)
{
    std::size_t j = i + 1;
    if (j < text.size() && text[j] == u'/')
        ++j;
    const std::size_t nNameStart = j;
    while (j < text.size() &&
           ((AsciiLower(text[j]) >= u'a' && AsciiLower(text[j]) <= u'z') || (text[j] >= u'0' && text[j] <= u'9')))
        ++j;
    if (j == nNameStart || j >= text.size() || !(text[j] == u'>' || text[j] == u'/' || IsBlank(text[j])))
        return ETag::None;
    const std::u16string_view strName = text.substr(nNameStart, j - nNameStart);
    ETag nKind = ETag::None;
    if (EqualsNoCase(strName, u"br"))
        nKind = ETag::Break;
    else if (IsOneOf(strName, kInlineTags))
        nKind = ETag::Inline;
    else if (IsOneOf(strName, kBlockTags))
        nKind = ETag::Block;
    else
        return ETag::None;
    const std::size_t nLimit = std::min(text.size(), i + kMaxTagLength);
    for (; j < nLimit; ++j) {
        if (text[j] == u'<')
            return ETag::None;
        if (text[j] == u'>') {
            nLength = j + 1 - i;
            return nKind;
        }
    }
    return ETag::None;
}

// The character reference at text[i] ('&') and its length; 0 when none
// stands there.
char32_t EntityAt(std::u16string_view text, std::size_t i, std::size_t& nLength)
{
    const std::size_t nEnd = text.find(u';', i + 1);
    if (nEnd == std::u16string_view::npos || nEnd - i > 12)
        return 0;
    const std::u16string_view strBody = text.substr(i + 1, nEnd - i - 1);
    nLength = nEnd + 1 - i;
    if (strBody.size() >= 2 && strBody[0] == u'#') {
        const bool bHex = strBody[1] == u'x' || strBody[1] == u'X';
        const std::u16string_view strDigits = strBody.substr(bHex ? 2 : 1);
        if (strDigits.empty())
            return 0;
        char32_t cp = 0;
        for (char16_t ch : strDigits) {
            int nDigit = -1;
            if (ch >= u'0' && ch <= u'9')
                nDigit = ch - u'0';
            else if (bHex && AsciiLower(ch) >= u'a' && AsciiLower(ch) <= u'f')
                nDigit = AsciiLower(ch) - u'a' + 10;
            if (nDigit < 0)
                return 0;
            cp = cp * (bHex ? 16 : 10) + static_cast<char32_t>(nDigit);
            if (cp > 0x10FFFF)
                return 0;
        }
        // No control characters, surrogates or zero from a reference.
        if (cp < 0x20 || (cp >= 0xD800 && cp <= 0xDFFF))
            return 0;
        return cp;
    }
    for (const CNamedEntity& entity : kEntities) {
        if (entity.m_strName == strBody)
            return entity.m_ch;
    }
    return 0;
}

}  // namespace

std::u16string MarkupToPlainText(std::u16string_view text)
{
    std::u16string out;
    out.reserve(text.size());
    // One space for a run of blanks; none after a line break.
    const auto appendSpace = [&out]() {
        if (out.empty() || (out.back() != u' ' && out.back() != u'\n'))
            out.push_back(u' ');
    };
    for (std::size_t i = 0; i < text.size();) {
        const char16_t ch = text[i];
        std::size_t nLength = 1;
        if (ch == u'<') {
            const ETag nTag = TagAt(text, i, nLength);
            if (nTag != ETag::None) {
                if (nTag == ETag::Break) {
                    while (!out.empty() && out.back() == u' ')
                        out.pop_back();
                    out.push_back(u'\n');
                } else if (nTag == ETag::Block) {
                    appendSpace();
                }
                i += nLength;
                continue;
            }
            nLength = 1;
        } else if (ch == u'&') {
            const char32_t cp = EntityAt(text, i, nLength);
            if (cp != 0) {
                if (cp == u' ')
                    appendSpace();
                else
                    AppendCodePoint(out, cp);
                i += nLength;
                continue;
            }
            nLength = 1;
        }
        if (IsBlank(ch))
            appendSpace();
        else
            out.push_back(ch);
        i += nLength;
    }
    return out;
}

std::u16string_view TrimBlanks(std::u16string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::vector<std::u16string_view> SplitLines(std::u16string_view text)
{
    std::vector<std::u16string_view> aLines;
    std::size_t nStart = 0;
    while (nStart <= text.size()) {
        std::size_t nEnd = text.find(u'\n', nStart);
        if (nEnd == std::u16string_view::npos)
            nEnd = text.size();
        std::u16string_view strLine = text.substr(nStart, nEnd - nStart);
        if (!strLine.empty() && strLine.back() == u'\r')
            strLine.remove_suffix(1);
        aLines.push_back(strLine);
        nStart = nEnd + 1;
    }
    return aLines;
}

std::u16string TrimText(std::u16string_view text)
{
    // Most texts are one line.
    const std::u16string_view strTrimmed = TrimBlanks(text);
    if (strTrimmed.find(u'\n') == std::u16string_view::npos)
        return std::u16string(strTrimmed);
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t nStart = 0;;) {
        std::size_t nEnd = text.find(u'\n', nStart);
        if (nEnd == std::u16string_view::npos)
            nEnd = text.size();
        if (nStart != 0)
            out.push_back(u'\n');
        out.append(TrimBlanks(text.substr(nStart, nEnd - nStart)));
        if (nEnd == text.size())
            break;
        nStart = nEnd + 1;
    }
    // No blank lines at either end.
    const std::size_t nFirst = out.find_first_not_of(u'\n');
    if (nFirst == std::u16string::npos)
        return {};
    out.erase(out.find_last_not_of(u'\n') + 1);
    out.erase(0, nFirst);
    return out;
}

std::u16string PlainTextOfUtf8(std::string_view text)
{
    bool bPlain = true;
    for (std::size_t i = 0; i < text.size() && bPlain; ++i) {
        const char ch = text[i];
        bPlain = ch != '<' && ch != '&' && ch != '\t' && ch != '\r' && ch != '\n' &&
                 (ch != ' ' || i + 1 == text.size() || text[i + 1] != ' ');
    }
    if (!bPlain)
        return TrimText(MarkupToPlainText(WidenUtf8(text)));
    // Itself, without the spaces at its ends.
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return WidenUtf8(text);
}

std::u16string JoinNotes(const std::u16string& strFirst, const std::u16string& strSecond)
{
    if (strFirst.empty() || strFirst == strSecond)
        return strSecond;
    if (strSecond.empty())
        return strFirst;
    return strFirst + u"\n\n" + strSecond;
}

int LabelNumber(std::u16string_view strLabel)
{
    if (strLabel.empty() || strLabel.size() > 9)
        return -1;
    int nNumber = 0;
    for (char16_t ch : strLabel) {
        if (ch < u'0' || ch > u'9')
            return -1;
        nNumber = nNumber * 10 + (ch - u'0');
    }
    return nNumber;
}

EClueDirection DirectionOfName(std::u16string_view strName)
{
    if (EqualsNoCase(strName, u"across"))
        return EClueDirection::Across;
    if (EqualsNoCase(strName, u"down"))
        return EClueDirection::Down;
    return EClueDirection::Other;
}

long ParseHexColor(std::string_view text)
{
    if (!text.empty() && text.front() == '#')
        text.remove_prefix(1);
    if (text.size() != 6 && text.size() != 3)
        return -1;
    long nValue = 0;
    for (char ch : text) {
        int nDigit;
        if (ch >= '0' && ch <= '9')
            nDigit = ch - '0';
        else if (ch >= 'a' && ch <= 'f')
            nDigit = ch - 'a' + 10;
        else if (ch >= 'A' && ch <= 'F')
            nDigit = ch - 'A' + 10;
        else
            return -1;
        nValue = nValue * (text.size() == 3 ? 256 : 16) + nDigit * (text.size() == 3 ? 17 : 1);
    }
    return nValue;
}

void FailSource(std::u16string strWhy, ESourceRefusal nRefusal)
{
    throw CSourceError {nRefusal, std::move(strWhy)};
}

std::u16string RefusalText(const std::u16string& strName, const CSourceError& error)
{
    switch (error.m_nRefusal) {
    case ESourceRefusal::Acrostic:
        return FormatText(u"%s: acrostic puzzles are not supported", strName);
    case ESourceRefusal::Coded:
        return FormatText(u"%s: coded puzzles are not supported", strName);
    case ESourceRefusal::NotCrossword:
        return FormatText(u"%s: only crossword puzzles are supported", strName);
    case ESourceRefusal::Invalid:
        break;
    }
    return InvalidSourceText(strName, error.m_strWhy);
}

std::u16string NumberText(long long n)
{
    const std::string s = std::to_string(n);
    return std::u16string(s.begin(), s.end());
}

std::u16string InvalidSourceText(const std::u16string& strName, std::u16string_view strWhy)
{
    std::u16string strText = FormatText(u"%s: invalid puzzle file", strName);
    if (!strWhy.empty()) {
        strText += u" (";
        strText += strWhy;
        strText += u")";
    }
    return strText;
}

std::size_t CountClues(const CPuzzleSource& source)
{
    std::size_t nCount = 0;
    for (const CSourceClueList& list : source.m_aLists)
        nCount += list.m_aClues.size();
    return nCount;
}

std::size_t CountClueCells(const CPuzzleSource& source)
{
    std::size_t nCount = 0;
    for (const CSourceClueList& list : source.m_aLists) {
        for (const CSourceClue& clue : list.m_aClues)
            nCount += clue.m_aCells.size();
    }
    return nCount;
}

bool DeriveClueCells(CPuzzleSource& source)
{
    const auto needsCells = [](const CSourceClueList& list) {
        return list.m_nDirection != EClueDirection::Other &&
               std::any_of(list.m_aClues.begin(), list.m_aClues.end(),
                           [](const CSourceClue& clue) { return clue.m_aCells.empty(); });
    };
    // Most files name every clue's squares, or none of their labels are needed.
    if (std::none_of(source.m_aLists.begin(), source.m_aLists.end(), needsCells))
        return true;
    std::size_t nCells = CountClueCells(source);
    CLabelIndex labels(source.m_aSquares.size());
    for (std::size_t i = 0; i < source.m_aSquares.size(); ++i) {
        const CSourceSquare& square = source.m_aSquares[i];
        if (square.m_nKind == ESquareKind::Open && !square.m_strLabel.empty())
            labels.Add(square.m_strLabel, static_cast<int>(i));
    }
    for (CSourceClueList& list : source.m_aLists) {
        if (list.m_nDirection == EClueDirection::Other)
            continue;
        const bool bAcross = list.m_nDirection == EClueDirection::Across;
        for (CSourceClue& clue : list.m_aClues) {
            if (!clue.m_aCells.empty())
                continue;
            const int nSquare = clue.m_nNumber >= 0 ? labels.FindNumber(clue.m_nNumber) : labels.Find(clue.m_strLabel);
            if (nSquare < 0)
                continue;
            clue.m_aCells = source.WordFrom(nSquare % source.m_nWidth, nSquare / source.m_nWidth, bAcross);
            nCells += clue.m_aCells.size();
            if (nCells > kMaxSourceClueCells)
                return false;
        }
    }
    return true;
}

bool CheckSource(const CPuzzleSource& source, std::u16string& strWhy)
{
    if (source.m_nWidth < 1 || source.m_nHeight < 1 || source.m_nWidth > kMaxSourceGridSide ||
        source.m_nHeight > kMaxSourceGridSide) {
        strWhy = u"the grid must be 1 to 255 squares each way";
        return false;
    }
    if (source.m_aSquares.size() != static_cast<std::size_t>(source.m_nWidth) * source.m_nHeight) {
        strWhy = u"the grid is incomplete";
        return false;
    }
    if (CountClues(source) > kMaxSourceClues || CountClueCells(source) > kMaxSourceClueCells) {
        strWhy = u"too many clues";
        return false;
    }
    for (const CSourceClueList& list : source.m_aLists) {
        for (const CSourceClue& clue : list.m_aClues) {
            for (const CPoint& pt : clue.m_aCells) {
                if (!source.IsOpen(pt.x, pt.y)) {
                    strWhy = u"clue " + clue.m_strLabel + u" of " + list.m_strName +
                             u" names a square that is not an open square of the grid";
                    return false;
                }
            }
        }
    }
    return true;
}
