// SPDX-License-Identifier: MIT
// The .jpz reader: crossword puzzles in XML, plain or zipped.

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "model/CrossWordPuzzle.h"
#include "model/PuzzleSourceReader.h"
#include "model/SourceText.h"
#include "model/Text.h"
#include "model/ZippedFile.h"

namespace {

// Clue texts nest a few styling elements; deeper content is not read.
constexpr int kMaxTextDepth = 32;

[[noreturn]] void Fail(std::u16string strWhy)
{
    FailSource(std::move(strWhy));
}

// The element's name without a namespace prefix.
const char* LocalName(const pugi::xml_node& node)
{
    const char* pszName = node.name();
    const char* pszColon = std::strrchr(pszName, ':');
    return pszColon != nullptr ? pszColon + 1 : pszName;
}

bool IsNamed(const pugi::xml_node& node, const char* pszName)
{
    return node.type() == pugi::node_element && std::strcmp(LocalName(node), pszName) == 0;
}

pugi::xml_node Child(const pugi::xml_node& node, const char* pszName)
{
    for (pugi::xml_node child : node.children()) {
        if (IsNamed(child, pszName))
            return child;
    }
    return {};
}

// The text of an element as a reader sees it: the text of every element
// inside it in order, styling dropped, blanks between elements kept, line
// breaks for <br/>. Walked with a stack of its own, to a bounded depth.
std::u16string ElementText(const pugi::xml_node& element)
{
    // Most elements hold one text, or none.
    const pugi::xml_node first = element.first_child();
    if (!first)
        return {};
    if (!first.next_sibling() && (first.type() == pugi::node_pcdata || first.type() == pugi::node_cdata))
        return PlainTextOfUtf8(first.value());
    std::string raw;
    std::vector<pugi::xml_node> stack;
    for (pugi::xml_node child = element.last_child(); child; child = child.previous_sibling())
        stack.push_back(child);
    std::vector<int> depths(stack.size(), 1);
    while (!stack.empty()) {
        const pugi::xml_node node = stack.back();
        const int nDepth = depths.back();
        stack.pop_back();
        depths.pop_back();
        if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata) {
            raw += node.value();
        } else if (node.type() == pugi::node_element) {
            if (IsNamed(node, "br")) {
                raw += "<br>";
            } else if (nDepth < kMaxTextDepth) {
                // Block elements keep the words around them apart.
                const bool bBlock = IsNamed(node, "p") || IsNamed(node, "div");
                if (bBlock)
                    raw += ' ';
                for (pugi::xml_node child = node.last_child(); child; child = child.previous_sibling()) {
                    stack.push_back(child);
                    depths.push_back(nDepth + 1);
                }
            }
        }
    }
    // Markup written as escaped text (&lt;i&gt;) is markup too.
    return PlainTextOfUtf8(raw);
}

bool IsTrue(const char* pszValue)
{
    return std::strcmp(pszValue, "true") == 0 || std::strcmp(pszValue, "1") == 0;
}

// A whole number of at most six digits, or -1.
int SmallNumber(const char* psz)
{
    if (psz == nullptr || *psz == '\0' || std::strlen(psz) > 6)
        return -1;
    int n = 0;
    for (const char* p = psz; *p != '\0'; ++p) {
        if (*p < '0' || *p > '9')
            return -1;
        n = n * 10 + (*p - '0');
    }
    return n;
}

// "3" or "3-7" as a first and last value (in either order).
bool ParseRange(const char* psz, int& nFirst, int& nLast)
{
    const char* pszDash = std::strchr(psz, '-');
    if (pszDash == nullptr) {
        nFirst = nLast = SmallNumber(psz);
        return nFirst >= 0;
    }
    char szFirst[8] = {};
    const std::size_t nFirstLength = static_cast<std::size_t>(pszDash - psz);
    nFirst = nFirstLength < sizeof szFirst
                 ? SmallNumber(static_cast<const char*>(std::memcpy(szFirst, psz, nFirstLength)))
                 : -1;
    nLast = SmallNumber(pszDash + 1);
    return nFirst >= 0 && nLast >= 0;
}

class CJpzReader {
public:
    explicit CJpzReader(CPuzzleSource& source) : m_source(source) { }

    void Read(const pugi::xml_document& doc)
    {
        pugi::xml_node root = doc.document_element();
        pugi::xml_node puzzle = IsNamed(root, "rectangular-puzzle") ? root : Child(root, "rectangular-puzzle");
        if (!puzzle)
            Fail(u"no rectangular-puzzle element");
        pugi::xml_node crossword = Child(puzzle, "crossword");
        if (!crossword) {
            if (Child(puzzle, "acrostic"))
                FailSource({}, ESourceRefusal::Acrostic);
            if (Child(puzzle, "coded"))
                FailSource({}, ESourceRefusal::Coded);
            FailSource({}, ESourceRefusal::NotCrossword);
        }
        ReadMetadata(puzzle);
        pugi::xml_node grid = Child(crossword, "grid");
        if (!grid)
            Fail(u"no grid");
        ReadGrid(grid);
        for (pugi::xml_node node : crossword.children()) {
            if (IsNamed(node, "word"))
                ReadWord(node);
        }
        for (pugi::xml_node node : crossword.children()) {
            if (IsNamed(node, "clues"))
                ReadClues(node);
        }
    }

private:
    void ReadMetadata(const pugi::xml_node& puzzle)
    {
        const pugi::xml_node metadata = Child(puzzle, "metadata");
        m_source.m_strTitle = ElementText(Child(metadata, "title"));
        m_source.m_strAuthor = ElementText(Child(metadata, "creator"));
        m_source.m_strCopyright = ElementText(Child(metadata, "copyright"));
        m_source.m_strNotes =
            JoinNotes(ElementText(Child(puzzle, "instructions")), ElementText(Child(metadata, "description")));
    }

    void ReadGrid(const pugi::xml_node& grid)
    {
        const int nWidth = SmallNumber(grid.attribute("width").value());
        const int nHeight = SmallNumber(grid.attribute("height").value());
        if (nWidth < 1 || nHeight < 1 || nWidth > kMaxSourceGridSide || nHeight > kMaxSourceGridSide)
            Fail(u"the grid must be 1 to 255 squares each way");
        // Squares the file leaves out are not part of the grid.
        m_source.Resize(nWidth, nHeight, ESquareKind::Missing);
        for (pugi::xml_node cell : grid.children()) {
            if (IsNamed(cell, "cell"))
                ReadCell(cell);
        }
    }

    // The attributes of a cell that the reader looks at, each the first of
    // its name, found in one walk over the cell's attributes.
    struct CCellAttributes {
        const char* m_pszX = "";
        const char* m_pszY = "";
        const char* m_pszType = "";
        const char* m_pszNumber = "";
        const char* m_pszSolution = "";
        const char* m_pszSolveState = "";
        const char* m_pszHint = "";
        const char* m_pszBackgroundShape = "";
        const char* m_pszBackgroundColor = nullptr;  // nullptr when the cell has none
        const char* m_pszRightBar = "";
        const char* m_pszBottomBar = "";
        const char* m_pszLeftBar = "";
        const char* m_pszTopBar = "";

        explicit CCellAttributes(const pugi::xml_node& cell)
        {
            // Each name once: the first attribute of a name is the one read.
            unsigned nSeen = 0;
            const auto take = [&nSeen](unsigned nBit, const char*& pszValue, const char* pszNew) {
                if ((nSeen & nBit) == 0) {
                    nSeen |= nBit;
                    pszValue = pszNew;
                }
            };
            for (const pugi::xml_attribute attribute : cell.attributes()) {
                const char* pszName = attribute.name();
                const char* pszValue = attribute.value();
                if (std::strcmp(pszName, "x") == 0)
                    take(1u << 0, m_pszX, pszValue);
                else if (std::strcmp(pszName, "y") == 0)
                    take(1u << 1, m_pszY, pszValue);
                else if (std::strcmp(pszName, "type") == 0)
                    take(1u << 2, m_pszType, pszValue);
                else if (std::strcmp(pszName, "number") == 0)
                    take(1u << 3, m_pszNumber, pszValue);
                else if (std::strcmp(pszName, "solution") == 0)
                    take(1u << 4, m_pszSolution, pszValue);
                else if (std::strcmp(pszName, "solve-state") == 0)
                    take(1u << 5, m_pszSolveState, pszValue);
                else if (std::strcmp(pszName, "hint") == 0)
                    take(1u << 6, m_pszHint, pszValue);
                else if (std::strcmp(pszName, "background-shape") == 0)
                    take(1u << 7, m_pszBackgroundShape, pszValue);
                else if (std::strcmp(pszName, "background-color") == 0)
                    take(1u << 8, m_pszBackgroundColor, pszValue);
                else if (std::strcmp(pszName, "right-bar") == 0)
                    take(1u << 9, m_pszRightBar, pszValue);
                else if (std::strcmp(pszName, "bottom-bar") == 0)
                    take(1u << 10, m_pszBottomBar, pszValue);
                else if (std::strcmp(pszName, "left-bar") == 0)
                    take(1u << 11, m_pszLeftBar, pszValue);
                else if (std::strcmp(pszName, "top-bar") == 0)
                    take(1u << 12, m_pszTopBar, pszValue);
            }
        }
    };

    void ReadCell(const pugi::xml_node& cell)
    {
        const CCellAttributes attributes(cell);
        const int x = SmallNumber(attributes.m_pszX) - 1;
        const int y = SmallNumber(attributes.m_pszY) - 1;
        if (!m_source.Contains(x, y))
            Fail(u"a cell lies outside the grid");
        CSourceSquare& square = m_source.At(x, y);
        // Bars that a neighbour's cell put on this square's edges stay.
        const bool bBarRight = square.m_bBarRight, bBarBottom = square.m_bBarBottom;
        square = CSourceSquare();
        square.m_bBarRight = bBarRight;
        square.m_bBarBottom = bBarBottom;
        const char* pszType = attributes.m_pszType;
        if (std::strcmp(pszType, "block") == 0) {
            square.m_nKind = ESquareKind::Block;
        } else if (std::strcmp(pszType, "void") == 0) {
            square.m_nKind = ESquareKind::Missing;
            return;
        }
        square.m_strLabel = WidenUtf8(attributes.m_pszNumber);
        if (square.m_nKind == ESquareKind::Open) {
            square.m_strSolution = WidenUtf8(attributes.m_pszSolution);
            square.m_strFill = WidenUtf8(attributes.m_pszSolveState);
            // A hint square, or a clue square of fixed text, shows its answer from the start.
            if (IsTrue(attributes.m_pszHint) || std::strcmp(pszType, "clue") == 0) {
                square.m_bGiven = true;
                square.m_strFill = square.m_strSolution;
            }
            square.m_bCircled = std::strcmp(attributes.m_pszBackgroundShape, "circle") == 0;
        }
        if (attributes.m_pszBackgroundColor != nullptr) {
            const long nColor = ParseHexColor(attributes.m_pszBackgroundColor);
            square.m_nColor = nColor >= 0 ? nColor : kShadedColor;
        }
        if (IsTrue(attributes.m_pszRightBar))
            square.m_bBarRight = true;
        if (IsTrue(attributes.m_pszBottomBar))
            square.m_bBarBottom = true;
        if (IsTrue(attributes.m_pszLeftBar) && x > 0)
            m_source.At(x - 1, y).m_bBarRight = true;
        if (IsTrue(attributes.m_pszTopBar) && y > 0)
            m_source.At(x, y - 1).m_bBarBottom = true;
    }

    // A word by its id: <cells x y/> elements, or x and y ranges on the word.
    void ReadWord(const pugi::xml_node& word)
    {
        std::vector<CPoint> aCells;
        const auto addRange = [this, &aCells](const pugi::xml_node& node) {
            int x0, x1, y0, y1;
            if (!ParseRange(node.attribute("x").value(), x0, x1) || !ParseRange(node.attribute("y").value(), y0, y1))
                Fail(u"a word's cells are not columns and rows");
            const int dx = x1 >= x0 ? 1 : -1, dy = y1 >= y0 ? 1 : -1;
            for (int y = y0;; y += dy) {
                for (int x = x0;; x += dx) {
                    if (!m_source.IsOpen(x - 1, y - 1))
                        Fail(u"word " + WidenUtf8(node.attribute("id").value()) +
                             u" names a square that is not an open square of the grid");
                    if (++m_nWordCells > kMaxSourceClueCells)
                        Fail(u"too many words");
                    aCells.emplace_back(x - 1, y - 1);
                    if (x == x1)
                        break;
                }
                if (y == y1)
                    break;
            }
        };
        if (word.attribute("x"))
            addRange(word);
        for (pugi::xml_node cells : word.children()) {
            if (IsNamed(cells, "cells"))
                addRange(cells);
        }
        m_words[word.attribute("id").value()] = std::move(aCells);
    }

    void ReadClues(const pugi::xml_node& clues)
    {
        CSourceClueList list;
        list.m_strName = ElementText(Child(clues, "title"));
        list.m_nDirection = DirectionOfName(list.m_strName);
        for (pugi::xml_node node : clues.children()) {
            if (!IsNamed(node, "clue"))
                continue;
            CSourceClue clue;
            clue.m_strLabel = WidenUtf8(node.attribute("number").value());
            clue.m_nNumber = LabelNumber(clue.m_strLabel);
            clue.m_strText = ElementText(node);
            const auto it = m_words.find(node.attribute("word").value());
            if (it != m_words.end()) {
                m_nClueCells += it->second.size();
                if (m_nClueCells > kMaxSourceClueCells)
                    Fail(u"too many clues");
                clue.m_aCells = it->second;
            }
            if (++m_nClues > kMaxSourceClues)
                Fail(u"too many clues");
            list.m_aClues.push_back(std::move(clue));
        }
        m_source.m_aLists.push_back(std::move(list));
    }

    CPuzzleSource& m_source;
    std::map<std::string, std::vector<CPoint>> m_words;
    std::size_t m_nWordCells = 0;
    std::size_t m_nClueCells = 0;
    std::size_t m_nClues = 0;
};

}  // namespace

BOOL ReadJpzSource(std::string_view bytes, const std::u16string& strName, CPuzzleSource& source,
                   std::u16string& strError)
{
    return RunSourceReader(strName, source, strError, [&]() {
        std::string unzipped;
        if (IsZipArchive(bytes)) {
            std::u16string strWhy;
            if (!UnzipDocument(bytes, kMaxInputFileBytes, unzipped, strWhy))
                Fail(strWhy);
            bytes = unzipped;
        }
        pugi::xml_document doc;
        const pugi::xml_parse_result result =
            doc.load_buffer(bytes.data(), bytes.size(), pugi::parse_default | pugi::parse_ws_pcdata);
        if (!result)
            Fail(u"not valid XML: " + WidenUtf8(result.description()) + u" at byte " + NumberText(result.offset));
        CJpzReader reader(source);
        reader.Read(doc);
        if (!DeriveClueCells(source))
            Fail(u"too many clues");
    });
}
