// SPDX-License-Identifier: MIT
// The .ipuz reader: crossword kinds, plain JSON or inside "ipuz(...)".

#include <cmath>
#include <string>

#include "model/JsonDocument.h"
#include "model/PuzzleSourceReader.h"
#include "model/SourceText.h"
#include "model/Text.h"

namespace {

[[noreturn]] void Fail(std::u16string strWhy)
{
    FailSource(std::move(strWhy));
}

// The bytes inside the "ipuz(" ... ")" wrapper, or all of them.
std::string_view Unwrap(std::string_view bytes)
{
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    const auto isBlank = [](char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n'; };
    while (!bytes.empty() && isBlank(bytes.front()))
        bytes.remove_prefix(1);
    if (bytes.substr(0, 5) != "ipuz(")
        return bytes;
    bytes.remove_prefix(5);
    while (!bytes.empty() && (isBlank(bytes.back()) || bytes.back() == ';'))
        bytes.remove_suffix(1);
    if (bytes.empty() || bytes.back() != ')')
        Fail(u"the ipuz( wrapper is not closed");
    bytes.remove_suffix(1);
    return bytes;
}

// Brackets opened more than kMaxJsonDepth deep anywhere in the text,
// strings aside, whether the text is JSON or not: such a text is refused
// as too deep before anything else is said about it.
bool IsNestedTooDeeply(std::string_view text)
{
    int nDepth = 0;
    bool bInString = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (bInString) {
            if (ch == '\\')
                ++i;
            else if (ch == '"')
                bInString = false;
        } else if (ch == '"') {
            bInString = true;
        } else if (ch == '[' || ch == '{') {
            if (++nDepth > kMaxJsonDepth)
                return true;
        } else if (ch == ']' || ch == '}') {
            --nDepth;
        }
    }
    return false;
}

std::u16string PlainText(const CJsonValue& value)
{
    if (!value.IsString())
        return {};
    // A text without escapes is its own UTF-8.
    const std::string_view text = value.Source();
    if (text.find('\\') == std::string_view::npos)
        return PlainTextOfUtf8(text);
    return TrimText(MarkupToPlainText(value.Text()));
}

// A number or string as the text it shows; empty for anything else.
std::u16string LabelOf(const CJsonValue& value)
{
    if (value.IsString())
        return value.Text();
    if (value.IsInteger()) {
        // Digits alone, fewer than would reach beyond 64 bits, are the
        // number's own text, unless a zero leads them ("0" aside).
        const std::string_view digits = value.Source();
        if (digits.size() < 19 && (digits[0] != '0' || digits.size() == 1) && digits[0] != '-')
            return std::u16string(digits.begin(), digits.end());
        return NumberText(value.Integer());
    }
    if (value.IsNumber()) {
        const double d = value.Double();
        if (std::isfinite(d) && d == std::floor(d) && std::fabs(d) < 1e15)
            return NumberText(static_cast<long long>(d));
    }
    return {};
}

int IntOf(const CJsonValue& value)
{
    if (!value)
        return -1;
    return LabelNumber(LabelOf(value));
}

class CIpuzReader {
public:
    explicit CIpuzReader(CPuzzleSource& source) : m_source(source) { }

    void Read(const CJsonValue& root)
    {
        if (!root.IsObject())
            Fail(u"not an ipuz object");
        CheckKind(root);
        if (const CJsonValue p = root.Member("block"))
            m_strBlock = LabelOf(p);
        if (const CJsonValue p = root.Member("empty")) {
            m_strEmpty = LabelOf(p);
            m_bEmptyGiven = true;
        }
        m_styles = root.Member("styles");
        ReadGrid(root);
        ReadAnswers(root.Member("solution"), false);
        ReadAnswers(root.Member("saved"), true);
        if (const CJsonValue p = root.Member("clues"))
            ReadClues(p);
        m_source.m_strTitle = PlainText(root.Member("title"));
        m_source.m_strAuthor = PlainText(root.Member("author"));
        m_source.m_strCopyright = PlainText(root.Member("copyright"));
        m_source.m_strNotes = JoinNotes(PlainText(root.Member("intro")), PlainText(root.Member("notes")));
    }

private:
    static void CheckKind(const CJsonValue& root)
    {
        const CJsonValue kinds = root.Member("kind");
        if (!kinds)
            return;
        bool bCrossword = false, bAcrostic = false;
        const auto look = [&](const CJsonValue& kind) {
            const std::string strKind = kind.Utf8();
            bCrossword = bCrossword || strKind.find("ipuz.org/crossword") != std::string::npos;
            bAcrostic = bAcrostic || strKind.find("ipuz.org/acrostic") != std::string::npos;
        };
        if (kinds.IsArray())
            kinds.ForEachElement(look);
        else
            look(kinds);
        if (bAcrostic && !bCrossword)
            FailSource({}, ESourceRefusal::Acrostic);
        if (!bCrossword)
            FailSource({}, ESourceRefusal::NotCrossword);
    }

    void ReadGrid(const CJsonValue& root)
    {
        const CJsonValue puzzle = root.Member("puzzle");
        if (!puzzle.IsArray() || puzzle.Size() == 0)
            Fail(u"no puzzle grid");
        int nWidth = -1, nHeight = -1;
        if (const CJsonValue dimensions = root.Member("dimensions")) {
            nWidth = IntOf(dimensions.Member("width"));
            nHeight = IntOf(dimensions.Member("height"));
            if (nWidth < 0 || nHeight < 0)
                Fail(u"dimensions without a width and height");
        } else {
            nHeight = static_cast<int>(std::min<std::size_t>(puzzle.Size(), kMaxSourceGridSide + 1));
            const CJsonValue first = puzzle[0];
            nWidth =
                first.IsArray() ? static_cast<int>(std::min<std::size_t>(first.Size(), kMaxSourceGridSide + 1)) : 0;
        }
        if (nWidth < 1 || nHeight < 1 || nWidth > kMaxSourceGridSide || nHeight > kMaxSourceGridSide)
            Fail(u"the grid must be 1 to 255 squares each way");
        if (puzzle.Size() != static_cast<std::size_t>(nHeight))
            Fail(u"the puzzle grid has " + NumberText(static_cast<long long>(puzzle.Size())) +
                 u" rows for a height of " + NumberText(nHeight));
        m_source.Resize(nWidth, nHeight, ESquareKind::Open);
        int r = 0;
        puzzle.ForEachElement([&](const CJsonValue& row) {
            if (!row.IsArray() || row.Size() != static_cast<std::size_t>(nWidth))
                Fail(u"row " + NumberText(r + 1) + u" of the puzzle grid does not have " + NumberText(nWidth) +
                     u" squares");
            int c = 0;
            row.ForEachElement([&](const CJsonValue& value) { ReadSquare(value, c++, r); });
            ++r;
        });
    }

    // A square of the puzzle grid: null, a label, the block or empty
    // value, or an object with "cell", "style" and "value".
    void ReadSquare(const CJsonValue& value, int c, int r)
    {
        CSourceSquare& square = m_source.At(c, r);
        CJsonValue cell = value;
        if (value.IsObject()) {
            cell = value.Member("cell");
            if (const CJsonValue style = value.Member("style"))
                ApplyStyle(style, c, r);
            if (const CJsonValue given = value.Member("value"); given.IsString() && !given.Equals("")) {
                square.m_strFill = given.Text();
                square.m_bGiven = true;
            }
        }
        if (!cell) {
            square.m_nKind = ESquareKind::Open;
            return;
        }
        if (cell.IsNull()) {
            square.m_nKind = ESquareKind::Missing;
            return;
        }
        if (!cell.IsString() && !cell.IsNumber())
            Fail(u"square " + NumberText(c + 1) + u"," + NumberText(r + 1) + u" is neither a label nor a block");
        std::u16string strLabel = LabelOf(cell);
        if (strLabel == m_strBlock)
            square.m_nKind = ESquareKind::Block;
        else if (strLabel == m_strEmpty || strLabel == u"0" || strLabel.empty())
            square.m_nKind = ESquareKind::Open;
        else
            square.m_strLabel = std::move(strLabel);
    }

    void ApplyStyle(const CJsonValue& styleRef, int c, int r)
    {
        CJsonValue style = styleRef;
        if (styleRef.IsString()) {
            // Named styles are looked up by the name up to any zero character in it.
            const std::string strName = styleRef.Utf8();
            style = m_styles.Member(std::string_view(strName.c_str()));
        }
        if (!style.IsObject())
            return;
        CSourceSquare& square = m_source.At(c, r);
        if (style.Member("shapebg").Equals("circle"))
            square.m_bCircled = true;
        if (style.Member("highlight").IsTrue())
            square.m_nColor = kShadedColor;
        if (const CJsonValue color = style.Member("color")) {
            const long nColor = color.IsString() ? ParseHexColor(color.Utf8()) : -1;
            // Colour names and palette numbers still mark the square.
            square.m_nColor = nColor >= 0 ? nColor : kShadedColor;
        }
        if (const CJsonValue barred = style.Member("barred"); barred.IsString()) {
            for (char ch : barred.Utf8()) {
                if (ch == 'R')
                    square.m_bBarRight = true;
                else if (ch == 'B')
                    square.m_bBarBottom = true;
                else if (ch == 'L' && c > 0)
                    m_source.At(c - 1, r).m_bBarRight = true;
                else if (ch == 'T' && r > 0)
                    m_source.At(c, r - 1).m_bBarBottom = true;
            }
        }
    }

    // "solution" or "saved": a grid of strings, nulls, blocks or objects
    // with "value", in the shape of the puzzle grid.
    void ReadAnswers(const CJsonValue& grid, bool bSaved)
    {
        if (!grid || grid.IsNull())
            return;
        const char16_t* pszWhat = bSaved ? u"the saved grid" : u"the solution grid";
        if (!grid.IsArray() || grid.Size() != static_cast<std::size_t>(m_source.m_nHeight))
            Fail(std::u16string(pszWhat) + u" does not have the puzzle's rows");
        int r = 0;
        grid.ForEachElement([&](const CJsonValue& row) {
            if (!row.IsArray() || row.Size() != static_cast<std::size_t>(m_source.m_nWidth))
                Fail(u"row " + NumberText(r + 1) + u" of " + pszWhat + u" does not have " +
                     NumberText(m_source.m_nWidth) + u" squares");
            int c = 0;
            row.ForEachElement([&](const CJsonValue& entry) {
                const CJsonValue value = entry.IsObject() ? entry.Member("value") : entry;
                CSourceSquare& square = m_source.At(c++, r);
                if (!value || square.m_nKind != ESquareKind::Open)
                    return;
                // Some writers copy the puzzle grid here: its numbers and
                // empty values are no letters.
                std::u16string strValue = value.Text();
                if (strValue.empty() || strValue == m_strBlock || (m_bEmptyGiven && strValue == m_strEmpty))
                    return;
                if (!bSaved)
                    square.m_strSolution = std::move(strValue);
                else if (!square.m_bGiven)
                    square.m_strFill = std::move(strValue);
            });
            ++r;
        });
    }

    void ReadClues(const CJsonValue& clues)
    {
        if (!clues.IsObject())
            Fail(u"the clues are not lists under names");
        clues.ForEachMember([this](const CJsonValue& key, const CJsonValue& list) {
            CSourceClueList sourceList;
            // "Across:Orizzontali" is the across list shown under its own name.
            const std::u16string strFull = key.Text();
            const std::size_t nColon = strFull.find(u':');
            sourceList.m_nDirection = DirectionOfName(std::u16string_view(strFull).substr(0, nColon));
            sourceList.m_strName = nColon == std::u16string::npos ? strFull : strFull.substr(nColon + 1);
            if (!list.IsArray())
                Fail(u"the clue list " + sourceList.m_strName + u" is not a list");
            sourceList.m_aClues.reserve(list.Size());
            list.ForEachElement([&](const CJsonValue& entry) {
                if (++m_nClues > kMaxSourceClues)
                    Fail(u"too many clues");
                sourceList.m_aClues.push_back(ReadClue(entry, sourceList.m_strName));
            });
            m_source.m_aLists.push_back(std::move(sourceList));
        });
    }

    CSourceClue ReadClue(const CJsonValue& entry, const std::u16string& strList)
    {
        CSourceClue clue;
        if (entry.IsString()) {
            clue.m_strText = PlainText(entry);
        } else if (entry.IsArray()) {
            if (entry.Size() > 0)
                clue.m_strLabel = LabelOf(entry[0]);
            if (entry.Size() > 1)
                clue.m_strText = PlainText(entry[1]);
        } else if (entry.IsObject()) {
            if (const CJsonValue number = entry.Member("number")) {
                clue.m_strLabel = LabelOf(number);
            } else if (const CJsonValue numbers = entry.Member("numbers"); numbers.IsArray()) {
                numbers.ForEachElement([&clue](const CJsonValue& n) {
                    clue.m_strLabel += (clue.m_strLabel.empty() ? u"" : u", ") + LabelOf(n);
                });
            }
            clue.m_strText = PlainText(entry.Member("clue"));
            if (const CJsonValue cells = entry.Member("cells"))
                ReadCells(cells, clue, strList);
        } else {
            Fail(u"a clue of " + strList + u" is neither text nor a clue");
        }
        clue.m_nNumber = LabelNumber(clue.m_strLabel);
        // A label replaces the number on screen, not in the grid.
        if (const CJsonValue label = entry.Member("label")) {
            std::u16string strLabel = LabelOf(label);
            if (!strLabel.empty())
                clue.m_strLabel = std::move(strLabel);
        }
        return clue;
    }

    void ReadCells(const CJsonValue& cells, CSourceClue& clue, const std::u16string& strList)
    {
        if (!cells.IsArray())
            Fail(u"the cells of clue " + clue.m_strLabel + u" of " + strList + u" are not a list");
        clue.m_aCells.reserve(cells.Size());
        cells.ForEachElement([&](const CJsonValue& cell) {
            if (!cell.IsArray() || cell.Size() != 2 || !cell[0].IsInteger() || !cell[1].IsInteger())
                Fail(u"a cell of clue " + clue.m_strLabel + u" of " + strList + u" is not a column and row");
            const long long x = cell[0].Integer(), y = cell[1].Integer();
            if (x < 0 || y < 0 || x > kMaxSourceGridSide || y > kMaxSourceGridSide)
                Fail(u"a cell of clue " + clue.m_strLabel + u" of " + strList + u" lies outside the grid");
            clue.m_aCells.emplace_back(static_cast<int>(x), static_cast<int>(y));
        });
    }

public:
    // Clue cells count from 1 by the format, but some writers count from 0;
    // whichever puts every cell on an open square of the grid wins.
    void AlignCells()
    {
        bool bZero = false, bOne = true;
        for (const CSourceClueList& list : m_source.m_aLists) {
            for (const CSourceClue& clue : list.m_aClues) {
                for (const CPoint& pt : clue.m_aCells) {
                    bZero = bZero || pt.x == 0 || pt.y == 0;
                    bOne = bOne && m_source.IsOpen(pt.x - 1, pt.y - 1);
                }
            }
        }
        const int nShift = bZero || !bOne ? 0 : 1;
        if (nShift == 0)
            return;
        for (CSourceClueList& list : m_source.m_aLists) {
            for (CSourceClue& clue : list.m_aClues) {
                for (CPoint& pt : clue.m_aCells)
                    pt.Offset(-nShift, -nShift);
            }
        }
    }

private:
    CPuzzleSource& m_source;
    std::u16string m_strBlock = u"#";
    std::u16string m_strEmpty = u"0";
    bool m_bEmptyGiven = false;
    CJsonValue m_styles;
    std::size_t m_nClues = 0;
};

}  // namespace

BOOL ReadIpuzSource(std::string_view bytes, const std::u16string& strName, CPuzzleSource& source,
                    std::u16string& strError)
{
    return RunSourceReader(strName, source, strError, [&]() {
        std::string_view text = Unwrap(bytes);
        // The JSON may start with a byte order mark of its own.
        if (text.substr(0, 3) == "\xEF\xBB\xBF")
            text.remove_prefix(3);
        // What a zero byte cuts off is not read, but brackets there count.
        if (text.find('\0') != std::string_view::npos && IsNestedTooDeeply(text))
            Fail(u"nested more than 64 levels deep");
        CJsonDocument document;
        std::u16string strWhy;
        bool bTooDeep = false;
        if (!document.Parse(text, strWhy, bTooDeep)) {
            if (bTooDeep || IsNestedTooDeeply(text))
                Fail(u"nested more than 64 levels deep");
            Fail(u"not valid JSON: " + strWhy);
        }
        CIpuzReader reader(source);
        reader.Read(document.Root());
        reader.AlignCells();
        if (!DeriveClueCells(source))
            Fail(u"too many clues");
    });
}
