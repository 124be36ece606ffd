// SPDX-License-Identifier: MIT
// The .ipuz reader: crossword kinds, plain JSON or inside "ipuz(...)".

#include <cmath>
#include <map>
#include <string>

#include <nlohmann/json.hpp>

#include "model/PuzzleSourceReader.h"
#include "model/SourceText.h"
#include "model/Text.h"

namespace {

// Ordered, so the clue lists keep the order the file gives them.
using json = nlohmann::ordered_json;

// Real files nest five levels deep; anything far deeper is not a puzzle.
constexpr int kMaxJsonDepth = 64;

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

// The parser keeps its own stack, but copies of the values it builds
// recurse; so nesting is bounded before parsing.
void CheckDepth(std::string_view text)
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
                Fail(u"nested more than 64 levels deep");
        } else if (ch == ']' || ch == '}') {
            --nDepth;
        }
    }
}

const json* Member(const json& object, const char* pszKey)
{
    if (!object.is_object())
        return nullptr;
    const auto it = object.find(pszKey);
    return it == object.end() ? nullptr : &*it;
}

std::u16string StringOf(const json& value)
{
    return value.is_string() ? WidenUtf8(value.get_ref<const std::string&>()) : std::u16string();
}

std::u16string PlainText(const json* pValue)
{
    return pValue == nullptr ? std::u16string() : TrimText(MarkupToPlainText(StringOf(*pValue)));
}

// A number or string as the text it shows; empty for anything else.
std::u16string LabelOf(const json& value)
{
    if (value.is_string())
        return StringOf(value);
    if (value.is_number_integer())
        return NumberText(value.get<long long>());
    if (value.is_number_float()) {
        const double d = value.get<double>();
        if (std::isfinite(d) && d == std::floor(d) && std::fabs(d) < 1e15)
            return NumberText(static_cast<long long>(d));
    }
    return {};
}

int IntOf(const json* pValue)
{
    if (pValue == nullptr)
        return -1;
    const int n = LabelNumber(LabelOf(*pValue));
    return n;
}

class CIpuzReader {
public:
    explicit CIpuzReader(CPuzzleSource& source) : m_source(source) { }

    void Read(const json& root)
    {
        if (!root.is_object())
            Fail(u"not an ipuz object");
        CheckKind(root);
        if (const json* p = Member(root, "block"))
            m_strBlock = LabelOf(*p);
        if (const json* p = Member(root, "empty")) {
            m_strEmpty = LabelOf(*p);
            m_bEmptyGiven = true;
        }
        m_pStyles = Member(root, "styles");
        ReadGrid(root);
        ReadAnswers(Member(root, "solution"), false);
        ReadAnswers(Member(root, "saved"), true);
        if (const json* p = Member(root, "clues"))
            ReadClues(*p);
        m_source.m_strTitle = PlainText(Member(root, "title"));
        m_source.m_strAuthor = PlainText(Member(root, "author"));
        m_source.m_strCopyright = PlainText(Member(root, "copyright"));
        m_source.m_strNotes = JoinNotes(PlainText(Member(root, "intro")), PlainText(Member(root, "notes")));
    }

private:
    static void CheckKind(const json& root)
    {
        const json* pKind = Member(root, "kind");
        if (pKind == nullptr)
            return;
        bool bCrossword = false, bAcrostic = false;
        for (const json& kind : pKind->is_array() ? *pKind : json::array({*pKind})) {
            const std::u16string strKind = StringOf(kind);
            bCrossword = bCrossword || strKind.find(u"ipuz.org/crossword") != std::u16string::npos;
            bAcrostic = bAcrostic || strKind.find(u"ipuz.org/acrostic") != std::u16string::npos;
        }
        if (bAcrostic && !bCrossword)
            FailSource({}, ESourceRefusal::Acrostic);
        if (!bCrossword)
            FailSource({}, ESourceRefusal::NotCrossword);
    }

    void ReadGrid(const json& root)
    {
        const json* pPuzzle = Member(root, "puzzle");
        if (pPuzzle == nullptr || !pPuzzle->is_array() || pPuzzle->empty())
            Fail(u"no puzzle grid");
        int nWidth = -1, nHeight = -1;
        if (const json* pDimensions = Member(root, "dimensions")) {
            nWidth = IntOf(Member(*pDimensions, "width"));
            nHeight = IntOf(Member(*pDimensions, "height"));
            if (nWidth < 0 || nHeight < 0)
                Fail(u"dimensions without a width and height");
        } else {
            nHeight = static_cast<int>(std::min<std::size_t>(pPuzzle->size(), kMaxSourceGridSide + 1));
            nWidth = (*pPuzzle)[0].is_array()
                         ? static_cast<int>(std::min<std::size_t>((*pPuzzle)[0].size(), kMaxSourceGridSide + 1))
                         : 0;
        }
        if (nWidth < 1 || nHeight < 1 || nWidth > kMaxSourceGridSide || nHeight > kMaxSourceGridSide)
            Fail(u"the grid must be 1 to 255 squares each way");
        if (pPuzzle->size() != static_cast<std::size_t>(nHeight))
            Fail(u"the puzzle grid has " + NumberText(static_cast<long long>(pPuzzle->size())) +
                 u" rows for a height of " + NumberText(nHeight));
        m_source.Resize(nWidth, nHeight, ESquareKind::Open);
        for (int r = 0; r < nHeight; ++r) {
            const json& row = (*pPuzzle)[static_cast<std::size_t>(r)];
            if (!row.is_array() || row.size() != static_cast<std::size_t>(nWidth))
                Fail(u"row " + NumberText(r + 1) + u" of the puzzle grid does not have " + NumberText(nWidth) +
                     u" squares");
            for (int c = 0; c < nWidth; ++c)
                ReadSquare(row[static_cast<std::size_t>(c)], c, r);
        }
    }

    // A square of the puzzle grid: null, a label, the block or empty
    // value, or an object with "cell", "style" and "value".
    void ReadSquare(const json& value, int c, int r)
    {
        CSourceSquare& square = m_source.At(c, r);
        const json* pCell = &value;
        if (value.is_object()) {
            pCell = Member(value, "cell");
            if (const json* pStyle = Member(value, "style"))
                ApplyStyle(*pStyle, c, r);
            if (const json* pValue = Member(value, "value");
                pValue != nullptr && pValue->is_string() && !pValue->get_ref<const std::string&>().empty()) {
                square.m_strFill = StringOf(*pValue);
                square.m_bGiven = true;
            }
        }
        if (pCell == nullptr) {
            square.m_nKind = ESquareKind::Open;
            return;
        }
        if (pCell->is_null()) {
            square.m_nKind = ESquareKind::Missing;
            return;
        }
        if (!pCell->is_string() && !pCell->is_number())
            Fail(u"square " + NumberText(c + 1) + u"," + NumberText(r + 1) + u" is neither a label nor a block");
        const std::u16string strLabel = LabelOf(*pCell);
        if (strLabel == m_strBlock)
            square.m_nKind = ESquareKind::Block;
        else if (strLabel == m_strEmpty || strLabel == u"0" || strLabel.empty())
            square.m_nKind = ESquareKind::Open;
        else
            square.m_strLabel = strLabel;
    }

    void ApplyStyle(const json& styleRef, int c, int r)
    {
        const json* pStyle = &styleRef;
        if (styleRef.is_string())
            pStyle =
                m_pStyles != nullptr ? Member(*m_pStyles, styleRef.get_ref<const std::string&>().c_str()) : nullptr;
        if (pStyle == nullptr || !pStyle->is_object())
            return;
        CSourceSquare& square = m_source.At(c, r);
        if (const json* p = Member(*pStyle, "shapebg"); p != nullptr && StringOf(*p) == u"circle")
            square.m_bCircled = true;
        if (const json* p = Member(*pStyle, "highlight"); p != nullptr && p->is_boolean() && p->get<bool>())
            square.m_nColor = kShadedColor;
        if (const json* p = Member(*pStyle, "color")) {
            const long nColor = p->is_string() ? ParseHexColor(p->get_ref<const std::string&>()) : -1;
            // Colour names and palette numbers still mark the square.
            square.m_nColor = nColor >= 0 ? nColor : kShadedColor;
        }
        if (const json* p = Member(*pStyle, "barred"); p != nullptr && p->is_string()) {
            for (char ch : p->get_ref<const std::string&>()) {
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
    void ReadAnswers(const json* pGrid, bool bSaved)
    {
        if (pGrid == nullptr || pGrid->is_null())
            return;
        const char16_t* pszWhat = bSaved ? u"the saved grid" : u"the solution grid";
        if (!pGrid->is_array() || pGrid->size() != static_cast<std::size_t>(m_source.m_nHeight))
            Fail(std::u16string(pszWhat) + u" does not have the puzzle's rows");
        for (int r = 0; r < m_source.m_nHeight; ++r) {
            const json& row = (*pGrid)[static_cast<std::size_t>(r)];
            if (!row.is_array() || row.size() != static_cast<std::size_t>(m_source.m_nWidth))
                Fail(u"row " + NumberText(r + 1) + u" of " + pszWhat + u" does not have " +
                     NumberText(m_source.m_nWidth) + u" squares");
            for (int c = 0; c < m_source.m_nWidth; ++c) {
                const json& value = row[static_cast<std::size_t>(c)];
                const json* pValue = value.is_object() ? Member(value, "value") : &value;
                CSourceSquare& square = m_source.At(c, r);
                if (pValue == nullptr || square.m_nKind != ESquareKind::Open)
                    continue;
                // Some writers copy the puzzle grid here: its numbers and
                // empty values are no letters.
                const std::u16string strValue = pValue->is_string() ? StringOf(*pValue) : std::u16string();
                if (strValue.empty() || strValue == m_strBlock || (m_bEmptyGiven && strValue == m_strEmpty))
                    continue;
                if (!bSaved)
                    square.m_strSolution = strValue;
                else if (!square.m_bGiven)
                    square.m_strFill = strValue;
            }
        }
    }

    void ReadClues(const json& clues)
    {
        if (!clues.is_object())
            Fail(u"the clues are not lists under names");
        for (const auto& [strKey, list] : clues.items()) {
            CSourceClueList sourceList;
            // "Across:Orizzontali" is the across list shown under its own name.
            const std::u16string strFull = WidenUtf8(strKey);
            const std::size_t nColon = strFull.find(u':');
            sourceList.m_nDirection = DirectionOfName(strFull.substr(0, nColon));
            sourceList.m_strName = nColon == std::u16string::npos ? strFull : strFull.substr(nColon + 1);
            if (!list.is_array())
                Fail(u"the clue list " + sourceList.m_strName + u" is not a list");
            for (const json& entry : list) {
                if (++m_nClues > kMaxSourceClues)
                    Fail(u"too many clues");
                sourceList.m_aClues.push_back(ReadClue(entry, sourceList.m_strName));
            }
            m_source.m_aLists.push_back(std::move(sourceList));
        }
    }

    CSourceClue ReadClue(const json& entry, const std::u16string& strList)
    {
        CSourceClue clue;
        if (entry.is_string()) {
            clue.m_strText = PlainText(&entry);
        } else if (entry.is_array()) {
            if (!entry.empty())
                clue.m_strLabel = LabelOf(entry[0]);
            if (entry.size() > 1)
                clue.m_strText = PlainText(&entry[1]);
        } else if (entry.is_object()) {
            if (const json* p = Member(entry, "number")) {
                clue.m_strLabel = LabelOf(*p);
            } else if (const json* pNumbers = Member(entry, "numbers"); pNumbers != nullptr && pNumbers->is_array()) {
                for (const json& n : *pNumbers)
                    clue.m_strLabel += (clue.m_strLabel.empty() ? u"" : u", ") + LabelOf(n);
            }
            clue.m_strText = PlainText(Member(entry, "clue"));
            if (const json* pCells = Member(entry, "cells"))
                ReadCells(*pCells, clue, strList);
        } else {
            Fail(u"a clue of " + strList + u" is neither text nor a clue");
        }
        clue.m_nNumber = LabelNumber(clue.m_strLabel);
        // A label replaces the number on screen, not in the grid.
        if (const json* p = Member(entry, "label"); p != nullptr && !LabelOf(*p).empty())
            clue.m_strLabel = LabelOf(*p);
        return clue;
    }

    void ReadCells(const json& cells, CSourceClue& clue, const std::u16string& strList)
    {
        if (!cells.is_array())
            Fail(u"the cells of clue " + clue.m_strLabel + u" of " + strList + u" are not a list");
        for (const json& cell : cells) {
            if (!cell.is_array() || cell.size() != 2 || !cell[0].is_number_integer() || !cell[1].is_number_integer())
                Fail(u"a cell of clue " + clue.m_strLabel + u" of " + strList + u" is not a column and row");
            const long long x = cell[0].get<long long>(), y = cell[1].get<long long>();
            if (x < 0 || y < 0 || x > kMaxSourceGridSide || y > kMaxSourceGridSide)
                Fail(u"a cell of clue " + clue.m_strLabel + u" of " + strList + u" lies outside the grid");
            clue.m_aCells.emplace_back(static_cast<int>(x), static_cast<int>(y));
        }
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
    const json* m_pStyles = nullptr;
    std::size_t m_nClues = 0;
};

}  // namespace

BOOL ReadIpuzSource(std::string_view bytes, const std::u16string& strName, CPuzzleSource& source,
                    std::u16string& strError)
{
    return RunSourceReader(strName, source, strError, [&]() {
        const std::string_view text = Unwrap(bytes);
        CheckDepth(text);
        try {
            const json root = json::parse(text.begin(), text.end());
            CIpuzReader reader(source);
            reader.Read(root);
            reader.AlignCells();
        } catch (const json::exception& e) {
            Fail(u"not valid JSON: " + WidenUtf8(e.what()));
        }
        if (!DeriveClueCells(source))
            Fail(u"too many clues");
    });
}
