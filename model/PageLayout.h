// SPDX-License-Identifier: MIT
#pragma once

// The puzzle on paper: what goes where on pages of a given size. The title
// block at the top of the first page; the grid as large as fits half the
// page (or the whole width, for wide grids) at the top right; the clues of
// every list in columns beside and below it, then on further pages; the
// notes after the clues. A grid too large to be solved at that scale is cut
// into tiles of one page each, which overlap by a square and carry marks
// where they do, unless the whole grid is asked for on one page.

#include <string>
#include <utility>
#include <vector>

#include "model/PrintedPage.h"

class CCrossWordPuzzle;
class CSquare;

// What the squares show besides their numbers. Letters that the file gives
// are shown in every case.
enum class EPrintContent {
    Blank,  // nothing else
    Fill,  // the player's letters
    Solution,  // the answers: only for a puzzle whose answers are known
};

struct CPageSetup {
    std::u16string strFace;  // of every text, as the measures took it
    double dWidth = 612;  // US Letter
    double dHeight = 792;
    double dMargin = 36;  // on every side; at least what the printer needs
    EPrintContent nContent = EPrintContent::Blank;
    // The whole grid on the first page, however small its squares come out.
    bool bOnePage = false;
};

// One piece of the grid as it lies on a page.
struct CGridTile {
    int nPage = 0;  // from 0
    int nFirstCol = 0;
    int nFirstRow = 0;
    int nCols = 0;
    int nRows = 0;
    double x = 0;  // the top-left corner of its first square
    double y = 0;
};

class CPageLayout {
public:
    // Lays the pages out at once. A puzzle whose answers are not known is
    // laid out blank when its solution is asked for: scrambled answers are
    // no solution.
    CPageLayout(const CCrossWordPuzzle& puzzle, const CTextMeasure& measure, const CPageSetup& setup);

    const CPrintedDocument& GetDocument() const { return m_document; }
    // The pages, handed over: the layout keeps none.
    CPrintedDocument TakeDocument() { return std::move(m_document); }
    // The side of a square, the same in every tile.
    double GetSquareSize() const { return m_dSquare; }
    // The whole grid as one tile, or its tiles in reading order.
    const std::vector<CGridTile>& GetTiles() const { return m_aTiles; }
    // The clue columns: how many across a page, and the width of each.
    int GetColumnCount() const { return m_nColumns; }
    double GetColumnWidth() const { return m_dColumnWidth; }

    // Squares smaller than this on the first page make tiles instead.
    static constexpr double kMinSquare = 12;
    // The squares of tiles: a quarter inch, a size to write in.
    static constexpr double kTileSquare = 18;
    // Nor larger than this, for small grids.
    static constexpr double kMaxSquare = 36;

private:
    struct CFlowLine;
    struct CBlock;
    // A clue column's room on one page.
    struct CSlot {
        std::size_t nPage = 0;
        double x = 0;
        double yTop = 0;
        double yBottom = 0;
    };

    void LayTitle();
    void PlaceGrid();
    void TileGrid(double dTop);
    void DrawGrid(CPrintedPage& page, const CGridTile& tile, double dSquare) const;
    void DrawGridLines(CPrintedPage& page, const CGridTile& tile, double dSquare) const;
    void DrawSquareText(CPrintedPage& page, const CGridTile& tile, double dSquare) const;
    void MarkOverlaps(CPrintedPage& page, const CGridTile& tile, double dSquare) const;
    std::vector<CBlock> ClueBlocks() const;
    void FlowBlocks(const std::vector<CBlock>& blocks);
    CSlot NextSlot(std::size_t& nSlot);
    // A page after the first, with the running header; its clue columns
    // join the slots when bColumns.
    void AddPage(bool bColumns);
    void AddFooters();
    // The letters a square shows, or none.
    std::u16string SquareText(int nCol, int nRow) const;
    // Black on paper. A diagramless puzzle's diagram is the player's to
    // find: unless the page shows the solution, only the squares the player
    // marked are black, and a number shows only where Show put it.
    bool IsBlackOnPaper(const CSquare& square) const;
    bool HidesDiagram() const;
    std::vector<std::u16string> Wrap(const std::u16string& strText, const CPageFont& font, double dWidth) const;

    const CCrossWordPuzzle& m_puzzle;
    const CTextMeasure& m_measure;
    CPageSetup m_setup;
    CPrintedDocument m_document;

    double m_dLeft = 0;  // the area inside the margins
    double m_dRight = 0;
    double m_dBottom = 0;  // above the footer
    double m_dTop = 0;  // below the title block on the first page
    double m_dContinuedTop = 0;  // below the running header on later pages
    int m_nColumns = 0;
    double m_dColumnWidth = 0;
    double m_dSquare = 0;
    std::vector<CGridTile> m_aTiles;
    // The places for clues on the pages laid so far, in reading order.
    std::vector<CSlot> m_aSlots;
};
