// SPDX-License-Identifier: MIT
#include "tests/support/SourceGrid.h"

#include <stdexcept>

#include "model/CrossWordPuzzle.h"
#include "model/Text.h"
#include "tests/support/TempDir.h"

namespace trellis::test {

CPuzzleSource SourceGrid(const std::vector<std::string>& rows)
{
    // The squares of each row, with the bar marks that follow them.
    struct Cell {
        char ch;
        bool bRight = false, bBottom = false;
    };
    std::vector<std::vector<Cell>> grid;
    for (const std::string& row : rows) {
        std::vector<Cell> cells;
        for (char ch : row) {
            if ((ch == '|' || ch == '_') && !cells.empty())
                (ch == '|' ? cells.back().bRight : cells.back().bBottom) = true;
            else
                cells.push_back({ch});
        }
        if (!grid.empty() && cells.size() != grid[0].size())
            throw std::invalid_argument("rows of different widths: " + row);
        grid.push_back(cells);
    }
    CPuzzleSource source;
    source.Resize(grid.empty() ? 0 : static_cast<int>(grid[0].size()), static_cast<int>(grid.size()),
                  ESquareKind::Open);
    for (int r = 0; r < source.m_nHeight; ++r) {
        for (int c = 0; c < source.m_nWidth; ++c) {
            const Cell& cell = grid[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            CSourceSquare& square = source.At(c, r);
            square.m_bBarRight = cell.bRight;
            square.m_bBarBottom = cell.bBottom;
            if (cell.ch == '#')
                square.m_nKind = ESquareKind::Block;
            else if (cell.ch == ' ')
                square.m_nKind = ESquareKind::Missing;
            else if (cell.ch != '.')
                square.m_strSolution = std::u16string(1, static_cast<char16_t>(cell.ch));
        }
    }
    return source;
}

CSourceClueList& AddList(CPuzzleSource& source, const std::string& name, EClueDirection nDirection,
                         const std::vector<std::string>& clues)
{
    CSourceClueList list;
    list.m_strName = WidenUtf8(name);
    list.m_nDirection = nDirection;
    for (const std::string& clue : clues) {
        const std::size_t nColon = clue.find(':');
        CSourceClue sourceClue;
        sourceClue.m_strLabel = WidenUtf8(clue.substr(0, nColon));
        sourceClue.m_strText = nColon == std::string::npos ? std::u16string() : WidenUtf8(clue.substr(nColon + 1));
        // The number is the label's when the label is digits alone.
        const std::string label = clue.substr(0, nColon);
        if (!label.empty() && label.size() < 9 && label.find_first_not_of("0123456789") == std::string::npos)
            sourceClue.m_nNumber = std::stoi(label);
        list.m_aClues.push_back(sourceClue);
    }
    source.m_aLists.push_back(list);
    return source.m_aLists.back();
}

std::unique_ptr<CCrossWordPuzzle> LoadSourceGrid(const CPuzzleSource& source)
{
    auto pPuzzle = std::make_unique<CCrossWordPuzzle>();
    pPuzzle->LoadSource(source);
    return pPuzzle;
}

std::unique_ptr<CCrossWordPuzzle> LoadSourceGrid(const std::vector<std::string>& rows)
{
    return LoadSourceGrid(SourceGrid(rows));
}

std::vector<std::string> LabelRows(const CCrossWordPuzzle& puzzle)
{
    std::vector<std::string> rows;
    for (int r = 0; r < puzzle.m_nHeight; ++r) {
        std::string row;
        for (int c = 0; c < puzzle.m_nWidth; ++c) {
            const std::u16string strLabel = puzzle.GetLabel(c, r);
            if (puzzle.IsMissing(c, r))
                row += ' ';
            else if (puzzle.IsBlack(c, r))
                row += '#';
            else if (strLabel.empty())
                row += '.';
            else
                row += "[" + ToUtf8(strLabel) + "]";
        }
        rows.push_back(row);
    }
    return rows;
}

}  // namespace trellis::test
