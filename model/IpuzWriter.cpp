// SPDX-License-Identifier: MIT
// The .ipuz writer: IpuzFileBytes.

#include <map>

#include <nlohmann/json.hpp>

#include "model/PuzzleSourceWriter.h"
#include "model/SourceText.h"
#include "model/Text.h"

namespace {

// Ordered, so the file lists its members and clue lists in our order.
using json = nlohmann::ordered_json;

constexpr char kBlock[] = "#";

// A text as the format's strings hold it: they may carry markup, so the
// characters of markup are written as references, and line breaks as <br>.
std::string Markup(const std::u16string& strText)
{
    std::u16string strOut;
    strOut.reserve(strText.size());
    for (std::size_t i = 0; i < strText.size(); ++i) {
        const char16_t ch = strText[i];
        if (ch == u'&')
            strOut += u"&amp;";
        else if (ch == u'<')
            strOut += u"&lt;";
        else if (ch == u'>')
            strOut += u"&gt;";
        else if (ch == u'\r' || ch == u'\n') {
            if (ch == u'\r' && i + 1 < strText.size() && strText[i + 1] == u'\n')
                ++i;
            strOut += u"<br>";
        } else if (ch != u'\0') {
            strOut.push_back(ch);
        }
    }
    return NarrowUtf8(strOut);
}

// A label as a number when it is one written plainly, else as text.
json Label(const std::u16string& strLabel)
{
    const int nNumber = LabelNumber(strLabel);
    if (nNumber >= 0 && NumberText(nNumber) == strLabel)
        return nNumber;
    return NarrowUtf8(strLabel);
}

json Style(const CSourceSquare& square)
{
    json style = json::object();
    if (square.m_bCircled)
        style["shapebg"] = "circle";
    if (square.m_nColor == kShadedColor) {
        style["highlight"] = true;
    } else if (square.m_nColor >= 0) {
        static const char kHex[] = "0123456789ABCDEF";
        std::string strColor;
        for (int nShift = 20; nShift >= 0; nShift -= 4)
            strColor.push_back(kHex[(square.m_nColor >> nShift) & 0xF]);
        style["color"] = strColor;
    }
    std::string strBars;
    if (square.m_bBarRight)
        strBars += "R";
    if (square.m_bBarBottom)
        strBars += "B";
    if (!strBars.empty())
        style["barred"] = strBars;
    return style;
}

json PuzzleCell(const CSourceSquare& square)
{
    json cell;
    if (square.m_nKind == ESquareKind::Block)
        cell = kBlock;
    else if (square.m_nKind == ESquareKind::Open)
        cell = square.m_strLabel.empty() ? json(0) : Label(square.m_strLabel);
    const json style = Style(square);
    const bool bGiven = square.m_nKind == ESquareKind::Open && square.m_bGiven && !square.m_strFill.empty();
    if (style.empty() && !bGiven)
        return cell;
    json object = {{"cell", cell}};
    if (!style.empty())
        object["style"] = style;
    if (bGiven)
        object["value"] = NarrowUtf8(square.m_strFill);
    return object;
}

// A grid of values in the shape of the puzzle: null for missing squares,
// the block for blocks, and the value of each open square.
template <class ValueFn> json Grid(const CPuzzleSource& source, ValueFn value)
{
    json rows = json::array();
    for (int r = 0; r < source.m_nHeight; ++r) {
        json row = json::array();
        for (int c = 0; c < source.m_nWidth; ++c) {
            const CSourceSquare& square = source.At(c, r);
            if (square.m_nKind == ESquareKind::Missing)
                row.push_back(nullptr);
            else if (square.m_nKind == ESquareKind::Block)
                row.push_back(kBlock);
            else
                row.push_back(value(square));
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

// A clue; its squares are written only where a reader cannot find them
// from its label, which keeps the files of ordinary grids plain.
json Clue(const CSourceClue& clue, bool bCells)
{
    json entry = json::object();
    if (clue.m_nNumber >= 0) {
        entry["number"] = clue.m_nNumber;
        if (clue.m_strLabel != NumberText(clue.m_nNumber))
            entry["label"] = NarrowUtf8(clue.m_strLabel);
    } else if (!clue.m_strLabel.empty()) {
        entry["number"] = Label(clue.m_strLabel);
    }
    entry["clue"] = Markup(clue.m_strText);
    if (bCells && !clue.m_aCells.empty()) {
        // Columns and rows count from 1.
        json cells = json::array();
        for (const CPoint& pt : clue.m_aCells)
            cells.push_back({pt.x + 1, pt.y + 1});
        entry["cells"] = std::move(cells);
    }
    return entry;
}

// The key of a list: its direction, and its own name after a colon when
// that is another.
std::u16string ListKey(const CSourceClueList& list)
{
    if (list.m_nDirection == EClueDirection::Other)
        return list.m_strName;
    const std::u16string strDirection = list.m_nDirection == EClueDirection::Across ? u"Across" : u"Down";
    return list.m_strName == strDirection ? strDirection : strDirection + u":" + list.m_strName;
}

json Clues(const CPuzzleSource& source, std::vector<std::u16string>& astrWarnings)
{
    // Readers take an across or down clue's squares to be the word from the
    // first square that bears its number (or label).
    std::map<std::u16string, CPoint> startOfLabel;
    for (int r = 0; r < source.m_nHeight; ++r) {
        for (int c = 0; c < source.m_nWidth; ++c) {
            if (source.IsOpen(c, r) && !source.At(c, r).m_strLabel.empty())
                startOfLabel.emplace(source.At(c, r).m_strLabel, CPoint(c, r));
        }
    }
    auto followsFromLabel = [&](const CSourceClueList& list, const CSourceClue& clue) {
        if (list.m_nDirection == EClueDirection::Other)
            return false;
        const auto it = startOfLabel.find(clue.m_nNumber >= 0 ? NumberText(clue.m_nNumber) : clue.m_strLabel);
        return it != startOfLabel.end() &&
               source.WordFrom(it->second.x, it->second.y, list.m_nDirection == EClueDirection::Across) ==
                   clue.m_aCells;
    };
    json clues = json::object();
    for (const CSourceClueList& list : source.m_aLists) {
        std::u16string strKey = ListKey(list);
        // Names are keys: a second list of the same name gets a number.
        if (clues.contains(NarrowUtf8(strKey))) {
            std::u16string strNew;
            for (int n = 2; clues.contains(NarrowUtf8(strNew = strKey + u" " + NumberText(n))); ++n) { }
            AddWarning(astrWarnings, FormatText(u"a second clue list \"%s\" is written as \"%s\"", strKey, strNew));
            strKey = strNew;
        }
        json entries = json::array();
        for (const CSourceClue& clue : list.m_aClues)
            entries.push_back(Clue(clue, !followsFromLabel(list, clue)));
        clues[NarrowUtf8(strKey)] = std::move(entries);
    }
    return clues;
}

// One member a line; grids a row a line and clue lists a clue a line, so
// the file reads well and stays small.
std::string Layout(const json& root)
{
    std::string out = "{";
    bool bFirst = true;
    for (const auto& [strKey, value] : root.items()) {
        out += bFirst ? "\n" : ",\n";
        bFirst = false;
        out += "  " + json(strKey).dump() + ": ";
        const bool bRows = value.is_array() && !value.empty() && value.front().is_array();
        if (bRows) {
            out += "[";
            for (std::size_t i = 0; i < value.size(); ++i)
                out += (i == 0 ? "\n    " : ",\n    ") + value[i].dump();
            out += "\n  ]";
        } else if (strKey == "clues" && !value.empty()) {
            out += "{";
            bool bFirstList = true;
            for (const auto& [strList, entries] : value.items()) {
                out += (bFirstList ? "\n    " : ",\n    ") + json(strList).dump() + ": [";
                bFirstList = false;
                for (std::size_t i = 0; i < entries.size(); ++i)
                    out += (i == 0 ? "\n      " : ",\n      ") + entries[i].dump();
                out += entries.empty() ? "]" : "\n    ]";
            }
            out += "\n  }";
        } else {
            out += value.dump();
        }
    }
    out += "\n}\n";
    return out;
}

}  // namespace

std::string IpuzFileBytes(const CPuzzleSource& source, std::vector<std::u16string>& astrWarnings)
{
    json root;
    root["version"] = "http://ipuz.org/v2";
    root["kind"] = json::array({"http://ipuz.org/crossword#1"});
    root["dimensions"] = {{"width", source.m_nWidth}, {"height", source.m_nHeight}};
    const std::pair<const char*, const std::u16string*> texts[] = {
        {"title", &source.m_strTitle},
        {"author", &source.m_strAuthor},
        {"copyright", &source.m_strCopyright},
        {"notes", &source.m_strNotes},
    };
    for (const auto& [pszKey, pText] : texts) {
        if (!pText->empty())
            root[pszKey] = Markup(*pText);
    }
    root["block"] = kBlock;
    json puzzle = json::array();
    for (int r = 0; r < source.m_nHeight; ++r) {
        json row = json::array();
        for (int c = 0; c < source.m_nWidth; ++c)
            row.push_back(PuzzleCell(source.At(c, r)));
        puzzle.push_back(std::move(row));
    }
    root["puzzle"] = std::move(puzzle);

    bool bAnswers = false, bFill = false, bMarks = false;
    for (const CSourceSquare& square : source.m_aSquares) {
        if (square.m_nKind != ESquareKind::Open)
            continue;
        bAnswers = bAnswers || !square.m_strSolution.empty();
        bFill = bFill || (!square.m_bGiven && !square.m_strFill.empty());
        bMarks = bMarks || square.m_bRevealed || square.m_bWasIncorrect || square.m_bIncorrect;
    }
    if (source.m_bLocked && bAnswers)
        AddWarning(astrWarnings, u"the answers are locked (scrambled); the .ipuz file is written without them");
    else if (bAnswers)
        root["solution"] = Grid(source, [](const CSourceSquare& square) {
            return square.m_strSolution.empty() ? json(nullptr) : json(NarrowUtf8(square.m_strSolution));
        });
    if (bFill)
        root["saved"] = Grid(source, [](const CSourceSquare& square) {
            return NarrowUtf8(square.m_bGiven ? std::u16string() : square.m_strFill);
        });
    if (bMarks)
        AddWarning(astrWarnings, u"the player's marks (shown letters, letters checked wrong) cannot be kept in an "
                                 u".ipuz file");
    if (source.m_nTimerSeconds >= 0)
        AddWarning(astrWarnings, u"the timer cannot be kept in an .ipuz file");
    if (source.m_bDiagramless)
        AddWarning(astrWarnings, u"a diagramless puzzle is written to an .ipuz file as a plain one, its black squares "
                                 u"shown");
    root["clues"] = Clues(source, astrWarnings);
    return Layout(root);
}
