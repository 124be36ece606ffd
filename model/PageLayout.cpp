// SPDX-License-Identifier: MIT
#include "model/PageLayout.h"

#include <algorithm>
#include <cmath>

#include "model/CrossWordPuzzle.h"
#include "model/Format.h"

namespace {

// Type sizes in points. A line is kLeading times its type's size, with its
// baseline the type's size below the line's top.
constexpr CPageFont kTitleFont {16, true};
constexpr CPageFont kAuthorFont {10, false};
constexpr CPageFont kCopyrightFont {8, false};
constexpr CPageFont kHeaderFont {9, true};
constexpr CPageFont kHeadingFont {10, true};
constexpr CPageFont kClueFont {9, false};
constexpr CPageFont kLabelFont {9, true};
constexpr CPageFont kSmallFont {8, false};
constexpr double kLeading = 1.2;

constexpr double kGutter = 14;  // between columns, and between the grid and the clues under it
constexpr double kMinColumn = 150;  // the narrowest clue column
constexpr double kRuleGap = 4;  // between the title block and the rule under it
constexpr double kAfterRule = 10;
constexpr double kFooter = 16;  // kept free at the foot of every page
constexpr double kListGap = 8;  // before a list's heading, unless it starts a column
constexpr double kClueGap = 1.5;  // between two clues
constexpr double kLabelGap = 4;  // between a clue's label and its text
constexpr double kMarkBand = 9;  // around a tile, for its overlap marks
constexpr double kMarkSide = 6;
constexpr double kMarkGap = 2;  // between a mark's tip and the grid
// A label no wider than this share of a column; longer ones overhang to the left.
constexpr double kMaxLabelShare = 0.4;
constexpr double kSlack = 1e-6;
// The share of the largest square size that the grid keeps to leave a
// column beside it for clues.
constexpr double kBesideShare = 0.9;

double LineHeight(const CPageFont& font)
{
    return font.dSize * kLeading;
}

// A text for one line: control characters as spaces, no blanks at either end.
std::u16string OneLine(const std::u16string& str)
{
    std::u16string line;
    for (const char16_t ch : str)
        line += ch < u' ' ? u' ' : ch;
    const std::size_t nFirst = line.find_first_not_of(u' ');
    if (nFirst == std::u16string::npos)
        return {};
    return line.substr(nFirst, line.find_last_not_of(u' ') - nFirst + 1);
}

// The title as a window shows it: the file's name when the file has none.
std::u16string TitleOf(const CCrossWordPuzzle& puzzle)
{
    std::u16string strTitle = OneLine(puzzle.m_strTitle);
    if (strTitle.empty()) {
        const std::size_t nSlash = puzzle.m_strFileName.find_last_of(u"/\\");
        strTitle = nSlash == std::u16string::npos ? puzzle.m_strFileName : puzzle.m_strFileName.substr(nSlash + 1);
    }
    return strTitle;
}

// Where tiles of nCapacity squares start along nLength squares, each
// sharing its first square with the end of the one before.
std::vector<int> TileStarts(int nLength, int nCapacity)
{
    std::vector<int> starts {0};
    while (starts.back() + nCapacity < nLength)
        starts.push_back(starts.back() + nCapacity - 1);
    return starts;
}

// Line widths that follow the squares, within what prints well.
double ThinLine(double dSquare)
{
    return std::clamp(dSquare * 0.04, 0.25, 0.75);
}

double BorderLine(double dSquare)
{
    return std::clamp(dSquare * 0.1, 0.5, 2.0);
}

double BarLine(double dSquare)
{
    return std::clamp(dSquare * 0.14, 1.0, 3.0);
}

}  // namespace

// One line of the clue columns: a label (bold, right-aligned before the
// text) and a text.
struct CPageLayout::CFlowLine {
    std::u16string strLabel;
    std::u16string strText;
    CPageFont font;
    double dLabelRight = 0;  // from the column's left edge
    double dIndent = 0;  // where the text starts, from the column's left edge
};

// Lines that stay in one column where they can: a clue, or a list's heading
// with its first clue.
struct CPageLayout::CBlock {
    std::vector<CFlowLine> lines;
    double dGapBefore = 0;  // dropped at the top of a column
};

CPageLayout::CPageLayout(const CCrossWordPuzzle& puzzle, const CTextMeasure& measure, const CPageSetup& setup)
    : m_puzzle(puzzle), m_measure(measure), m_setup(setup)
{
    if (m_setup.nContent == EPrintContent::Solution && !m_puzzle.KnowsAnswers())
        m_setup.nContent = EPrintContent::Blank;
    m_document.strTitle = TitleOf(puzzle);
    m_document.strFace = setup.strFace;
    m_document.dWidth = setup.dWidth;
    m_document.dHeight = setup.dHeight;

    m_dLeft = setup.dMargin;
    m_dRight = std::max(m_dLeft, setup.dWidth - setup.dMargin);
    m_dBottom = setup.dHeight - setup.dMargin - kFooter;
    const double dWidth = m_dRight - m_dLeft;
    m_nColumns = std::max(1, static_cast<int>((dWidth + kGutter) / (kMinColumn + kGutter)));
    m_dColumnWidth = (dWidth - kGutter * (m_nColumns - 1)) / m_nColumns;
    m_dContinuedTop = setup.dMargin + LineHeight(kHeaderFont) + kRuleGap + kAfterRule;

    LayTitle();
    PlaceGrid();
    FlowBlocks(ClueBlocks());
    AddFooters();
}

void CPageLayout::LayTitle()
{
    CPrintedPage& page = m_document.aPages.emplace_back();
    const double dWidth = m_dRight - m_dLeft;
    double y = m_setup.dMargin;
    const std::pair<std::u16string, CPageFont> parts[] = {
        {m_document.strTitle, kTitleFont},
        {OneLine(m_puzzle.m_strAuthor), kAuthorFont},
        {OneLine(m_puzzle.m_strCopyright), kCopyrightFont},
    };
    for (const auto& [strText, font] : parts) {
        if (strText.empty())
            continue;
        for (const std::u16string& strLine : Wrap(strText, font, dWidth)) {
            page.aTexts.push_back({m_dLeft, y + font.dSize, strLine, font, EPageAlign::Left});
            y += LineHeight(font);
        }
    }
    y += kRuleGap;
    page.aLines.push_back({m_dLeft, y, m_dRight, y, 0.75});
    m_dTop = y + kAfterRule;
}

void CPageLayout::AddPage(bool bColumns)
{
    CPrintedPage& page = m_document.aPages.emplace_back();
    // The title again, on one line, cut short when it is too long for one.
    const std::vector<std::u16string> lines = Wrap(m_document.strTitle, kHeaderFont, m_dRight - m_dLeft);
    std::u16string strHeader = lines.empty() ? std::u16string() : lines[0];
    if (lines.size() > 1)
        strHeader += u" ...";
    const double y = m_setup.dMargin;
    page.aTexts.push_back({m_dLeft, y + kHeaderFont.dSize, strHeader, kHeaderFont, EPageAlign::Left});
    const double yRule = y + LineHeight(kHeaderFont) + kRuleGap;
    page.aLines.push_back({m_dLeft, yRule, m_dRight, yRule, 0.75});
    if (!bColumns)
        return;
    for (int i = 0; i < m_nColumns; ++i)
        m_aSlots.push_back(
            {m_document.aPages.size() - 1, m_dLeft + i * (m_dColumnWidth + kGutter), m_dContinuedTop, m_dBottom});
}

void CPageLayout::PlaceGrid()
{
    const int nWidth = m_puzzle.m_nWidth;
    const int nHeight = m_puzzle.m_nHeight;
    auto columnLeft = [this](int i) { return m_dLeft + i * (m_dColumnWidth + kGutter); };
    auto addColumns = [&](int nFirst, int nLast, double yTop) {
        for (int i = nFirst; i < nLast; ++i) {
            if (m_dBottom - yTop >= LineHeight(kClueFont))
                m_aSlots.push_back({0, columnLeft(i), yTop, m_dBottom});
        }
    };
    if (nWidth <= 0 || nHeight <= 0) {
        addColumns(0, m_nColumns, m_dTop);
        return;
    }
    const double dArea = m_dBottom - m_dTop;
    auto span = [this](int k) { return k * m_dColumnWidth + (k - 1) * kGutter; };
    // The fewest columns whose width holds the grid at nearly the size half
    // the page's height allows: a column of clues beside the grid is worth
    // a tenth of its squares' size.
    const double dWanted = std::min({dArea / 2 / nHeight, span(m_nColumns) / nWidth, kMaxSquare});
    int k = 1;
    while (k < m_nColumns && span(k) / nWidth < dWanted * kBesideShare)
        ++k;
    double dSquare = std::min(span(k) / nWidth, dWanted);
    if (dSquare < kMinSquare) {
        // The whole page, unless that is still too small to write in.
        k = m_nColumns;
        dSquare = std::min({(m_dRight - m_dLeft) / nWidth, dArea / nHeight, kMaxSquare});
        if (dSquare < kMinSquare && !m_setup.bOnePage) {
            TileGrid(m_dTop);
            return;
        }
    }
    m_dSquare = dSquare;
    // At the top right; across the whole width it is centred.
    const double dGridWidth = nWidth * dSquare;
    const double x = k == m_nColumns ? m_dLeft + (m_dRight - m_dLeft - dGridWidth) / 2 : m_dRight - dGridWidth;
    const CGridTile& tile = m_aTiles.emplace_back(CGridTile {0, 0, 0, nWidth, nHeight, x, m_dTop});
    DrawGrid(m_document.aPages[0], tile, dSquare);
    addColumns(0, m_nColumns - k, m_dTop);
    addColumns(m_nColumns - k, m_nColumns, m_dTop + nHeight * dSquare + kGutter);
}

void CPageLayout::TileGrid(double dTop)
{
    m_dSquare = kTileSquare;
    const double dGridTop = dTop + LineHeight(kSmallFont) + kMarkBand;
    const double dAreaWidth = m_dRight - m_dLeft - 2 * kMarkBand;
    const int nCapCols = std::max(2, static_cast<int>(dAreaWidth / kTileSquare + kSlack));
    const int nCapRows = std::max(2, static_cast<int>((m_dBottom - kMarkBand - dGridTop) / kTileSquare + kSlack));
    const std::vector<int> colStarts = TileStarts(m_puzzle.m_nWidth, nCapCols);
    const std::vector<int> rowStarts = TileStarts(m_puzzle.m_nHeight, nCapRows);
    const int nTiles = static_cast<int>(colStarts.size() * rowStarts.size());
    for (const int nRow : rowStarts) {
        for (const int nCol : colStarts) {
            if (!m_aTiles.empty())
                AddPage(false);
            CGridTile tile;
            tile.nPage = static_cast<int>(m_document.aPages.size()) - 1;
            tile.nFirstCol = nCol;
            tile.nFirstRow = nRow;
            tile.nCols = std::min(nCapCols, m_puzzle.m_nWidth - nCol);
            tile.nRows = std::min(nCapRows, m_puzzle.m_nHeight - nRow);
            tile.x = m_dLeft + kMarkBand + (dAreaWidth - tile.nCols * kTileSquare) / 2;
            tile.y = dGridTop;
            m_aTiles.push_back(tile);
            CPrintedPage& page = m_document.aPages.back();
            page.aTexts.push_back(
                {m_dLeft, dTop + kSmallFont.dSize,
                 FormatText(u"Grid, part %d of %d: columns %d to %d, rows %d to %d", static_cast<int>(m_aTiles.size()),
                            nTiles, nCol + 1, nCol + tile.nCols, nRow + 1, nRow + tile.nRows),
                 kSmallFont, EPageAlign::Left});
            DrawGrid(page, tile, kTileSquare);
            MarkOverlaps(page, tile, kTileSquare);
        }
    }
    // The clues start on a page of their own.
    AddPage(true);
}

void CPageLayout::DrawGrid(CPrintedPage& page, const CGridTile& tile, double dSquare) const
{
    const std::vector<CSquare>& squares = m_puzzle.GetSquares();
    const auto nWidth = static_cast<std::size_t>(m_puzzle.m_nWidth);
    for (int r = tile.nFirstRow; r < tile.nFirstRow + tile.nRows; ++r) {
        const double y = tile.y + (r - tile.nFirstRow) * dSquare;
        int nRunStart = -1;  // a run of black squares, drawn as one rectangle
        for (int c = tile.nFirstCol; c <= tile.nFirstCol + tile.nCols; ++c) {
            const std::size_t i = static_cast<std::size_t>(r) * nWidth + static_cast<std::size_t>(c);
            const bool bInside = c < tile.nFirstCol + tile.nCols && i < squares.size();
            const bool bBlack = bInside && IsBlackOnPaper(squares[i]) && !squares[i].m_bMissing;
            if (bBlack && nRunStart < 0)
                nRunStart = c;
            if (!bBlack && nRunStart >= 0) {
                page.aRects.push_back(
                    {tile.x + (nRunStart - tile.nFirstCol) * dSquare, y, (c - nRunStart) * dSquare, dSquare, 0});
                nRunStart = -1;
            }
            if (!bInside || IsBlackOnPaper(squares[i]))
                continue;
            const double x = tile.x + (c - tile.nFirstCol) * dSquare;
            if (squares[i].m_crShade != kNoShade)
                page.aRects.push_back({x, y, dSquare, dSquare, squares[i].m_crShade & 0xFFFFFF});
            if (squares[i].m_bCircled)
                page.aCircles.push_back(
                    {x + dSquare / 2, y + dSquare / 2, dSquare / 2 - ThinLine(dSquare), ThinLine(dSquare)});
        }
    }
    DrawGridLines(page, tile, dSquare);
    DrawSquareText(page, tile, dSquare);
}

void CPageLayout::DrawGridLines(CPrintedPage& page, const CGridTile& tile, double dSquare) const
{
    const int nLastCol = tile.nFirstCol + tile.nCols;
    const int nLastRow = tile.nFirstRow + tile.nRows;
    auto inTile = [&](int c, int r) {
        return c >= tile.nFirstCol && c < nLastCol && r >= tile.nFirstRow && r < nLastRow;
    };
    auto present = [this](int c, int r) {
        return c >= 0 && r >= 0 && c < m_puzzle.m_nWidth && r < m_puzzle.m_nHeight && !m_puzzle.IsMissing(c, r);
    };
    // 0 no line, 1 thin, 2 the grid's edge: between the squares a and b
    // that it parts.
    auto edge = [&](int ca, int ra, int cb, int rb) {
        const bool bA = present(ca, ra), bB = present(cb, rb);
        if (!(bA && inTile(ca, ra)) && !(bB && inTile(cb, rb)))
            return 0;
        return bA == bB ? 1 : 2;
    };
    std::vector<CPageLine> thin, thick, bars;
    const double dThin = ThinLine(dSquare), dThick = BorderLine(dSquare), dBar = BarLine(dSquare);
    // Lines along one edge of the rows (or columns), joined where their kind stays.
    auto runs = [&](bool bAcross, int nLine, int nFrom, int nTo) {
        int nRunStart = nFrom, nRunKind = 0;
        for (int i = nFrom; i <= nTo; ++i) {
            int nKind = 0;
            if (i < nTo)
                nKind = bAcross ? edge(i, nLine - 1, i, nLine) : edge(nLine - 1, i, nLine, i);
            if (nKind == nRunKind)
                continue;
            if (nRunKind != 0) {
                const double a = (bAcross ? tile.x - tile.nFirstCol * dSquare : tile.y - tile.nFirstRow * dSquare);
                const double b = (bAcross ? tile.y - tile.nFirstRow * dSquare : tile.x - tile.nFirstCol * dSquare);
                const double p1 = a + nRunStart * dSquare, p2 = a + i * dSquare, q = b + nLine * dSquare;
                CPageLine line = bAcross ? CPageLine {p1, q, p2, q, 0} : CPageLine {q, p1, q, p2, 0};
                line.dWidth = nRunKind == 1 ? dThin : dThick;
                (nRunKind == 1 ? thin : thick).push_back(line);
            }
            nRunStart = i;
            nRunKind = nKind;
        }
    };
    for (int r = tile.nFirstRow; r <= nLastRow; ++r)
        runs(true, r, tile.nFirstCol, nLastCol);
    for (int c = tile.nFirstCol; c <= nLastCol; ++c)
        runs(false, c, tile.nFirstRow, nLastRow);
    // Bars between two squares of the grid; at its edge the edge is thick already.
    for (int r = std::max(0, tile.nFirstRow - 1); r < nLastRow; ++r) {
        for (int c = std::max(0, tile.nFirstCol - 1); c < nLastCol; ++c) {
            const CSquare square = m_puzzle.GetSquare(c, r);
            const double x = tile.x + (c - tile.nFirstCol) * dSquare, y = tile.y + (r - tile.nFirstRow) * dSquare;
            if (square.m_bBarRight && r >= tile.nFirstRow && present(c, r) && present(c + 1, r))
                bars.push_back({x + dSquare, y, x + dSquare, y + dSquare, dBar});
            if (square.m_bBarBottom && c >= tile.nFirstCol && present(c, r) && present(c, r + 1))
                bars.push_back({x, y + dSquare, x + dSquare, y + dSquare, dBar});
        }
    }
    for (const auto* pLines : {&thin, &thick, &bars})
        page.aLines.insert(page.aLines.end(), pLines->begin(), pLines->end());
}

void CPageLayout::DrawSquareText(CPrintedPage& page, const CGridTile& tile, double dSquare) const
{
    const CPageFont numberFont {std::min(dSquare * 0.3, 9.0), false};
    const CPageFont letterFont {dSquare * 0.55, false};
    const double dInset = dSquare * 0.06 + ThinLine(dSquare) / 2;
    const double dNumberCap = m_measure.CapHeight(numberFont);
    for (int r = tile.nFirstRow; r < tile.nFirstRow + tile.nRows; ++r) {
        for (int c = tile.nFirstCol; c < tile.nFirstCol + tile.nCols; ++c) {
            const CSquare square = m_puzzle.GetSquare(c, r);
            if (IsBlackOnPaper(square))
                continue;
            const double x = tile.x + (c - tile.nFirstCol) * dSquare, y = tile.y + (r - tile.nFirstRow) * dSquare;
            std::u16string strLabel = HidesDiagram() && !square.m_bShown ? u"" : m_puzzle.GetLabel(c, r);
            if (!strLabel.empty())
                page.aTexts.push_back({x + dInset, y + dInset + dNumberCap, std::move(strLabel), numberFont});
            std::u16string strText = SquareText(c, r);
            if (strText.empty())
                continue;
            CPageFont font = letterFont;
            // Rebus answers shrink to fit the square.
            if (strText.size() > 1) {
                const double dRoom = dSquare * 0.86, dTextWidth = m_measure.Width(strText, font);
                if (dTextWidth > dRoom)
                    font.dSize = std::max(1.0, font.dSize * dRoom / dTextWidth);
            }
            // Centred, a little low, clear of the number.
            const double yBase = y + dSquare * 0.6 + m_measure.CapHeight(font) / 2;
            page.aTexts.push_back({x + dSquare / 2, yBase, std::move(strText), font, EPageAlign::Center});
        }
    }
}

void CPageLayout::MarkOverlaps(CPrintedPage& page, const CGridTile& tile, double dSquare) const
{
    const double dRight = tile.x + tile.nCols * dSquare, dBottom = tile.y + tile.nRows * dSquare;
    const double h = kMarkSide / 2;
    // Marks above and below the shared column (or left and right of the shared row), pointing at it.
    auto markColumn = [&](int i) {
        const double x = tile.x + (i + 0.5) * dSquare;
        const double yTop = tile.y - kMarkGap, yBottom = dBottom + kMarkGap;
        page.aTriangles.push_back({{x - h, x + h, x}, {yTop - kMarkSide, yTop - kMarkSide, yTop}});
        page.aTriangles.push_back({{x - h, x + h, x}, {yBottom + kMarkSide, yBottom + kMarkSide, yBottom}});
    };
    auto markRow = [&](int j) {
        const double y = tile.y + (j + 0.5) * dSquare;
        const double xLeft = tile.x - kMarkGap, xRight = dRight + kMarkGap;
        page.aTriangles.push_back({{xLeft - kMarkSide, xLeft - kMarkSide, xLeft}, {y - h, y + h, y}});
        page.aTriangles.push_back({{xRight + kMarkSide, xRight + kMarkSide, xRight}, {y - h, y + h, y}});
    };
    if (tile.nFirstCol > 0)
        markColumn(0);
    if (tile.nFirstCol + tile.nCols < m_puzzle.m_nWidth)
        markColumn(tile.nCols - 1);
    if (tile.nFirstRow > 0)
        markRow(0);
    if (tile.nFirstRow + tile.nRows < m_puzzle.m_nHeight)
        markRow(tile.nRows - 1);
}

std::u16string CPageLayout::SquareText(int nCol, int nRow) const
{
    const CSquare square = m_puzzle.GetSquare(nCol, nRow);
    if (IsBlackOnPaper(square))
        return {};
    auto letter = [](WCHAR ch) { return ch != 0 ? std::u16string(1, ch) : std::u16string(); };
    switch (m_setup.nContent) {
    case EPrintContent::Solution:
        if (const std::u16string* pRebus = m_puzzle.GetRebus(square))
            return *pRebus;
        return letter(square.m_chSolution);
    case EPrintContent::Fill:
        if (!square.m_bFilled && !square.m_bGiven)
            return {};
        // The player's own rebus entry, or the whole answer that Show gave.
        if (!square.m_strRebusEntry.empty())
            return square.m_strRebusEntry;
        if (const std::u16string* pRebus = square.m_bShown ? m_puzzle.GetRebus(square) : nullptr)
            return *pRebus;
        return letter(square.m_chLetter);
    case EPrintContent::Blank:
        break;
    }
    return square.m_bGiven ? letter(square.m_chLetter) : std::u16string();
}

bool CPageLayout::HidesDiagram() const
{
    return m_puzzle.m_bDiagramless && m_setup.nContent != EPrintContent::Solution;
}

bool CPageLayout::IsBlackOnPaper(const CSquare& square) const
{
    if (HidesDiagram())
        return square.m_bMarkedBlack || square.m_bMissing;
    return square.m_bBlack != FALSE;
}

std::vector<CPageLayout::CBlock> CPageLayout::ClueBlocks() const
{
    // The clues of each list in the puzzle's order; a clue of a list the
    // puzzle does not name goes after the named ones, under no heading.
    const std::size_t nNamed = m_puzzle.m_astrClueLists.size();
    std::vector<std::vector<const CClue*>> lists(nNamed + 1);
    for (const CClue* pClue : m_puzzle.m_lstClues) {
        const auto nList = static_cast<std::size_t>(pClue->m_nList);
        lists[pClue->m_nList >= 0 && nList < nNamed ? nList : nNamed].push_back(pClue);
    }
    std::vector<CBlock> blocks;
    for (std::size_t nList = 0; nList < lists.size(); ++nList) {
        if (lists[nList].empty())
            continue;
        double dLabelWidth = 0;
        for (const CClue* pClue : lists[nList])
            dLabelWidth = std::max(dLabelWidth, m_measure.Width(OneLine(pClue->m_strLabel), kLabelFont));
        dLabelWidth = std::min(dLabelWidth, m_dColumnWidth * kMaxLabelShare);
        const double dIndent = dLabelWidth > 0 ? dLabelWidth + kLabelGap : 0;
        const std::u16string strHeading = nList < nNamed ? OneLine(m_puzzle.m_astrClueLists[nList]) : u"";
        bool bFirst = true;
        for (const CClue* pClue : lists[nList]) {
            CBlock& block = blocks.emplace_back();
            block.dGapBefore = kClueGap;
            if (bFirst && !strHeading.empty()) {
                block.lines.push_back({u"", strHeading, kHeadingFont, 0, 0});
                block.dGapBefore = kListGap;
            }
            bFirst = false;
            std::u16string strLabel = OneLine(pClue->m_strLabel);
            for (std::u16string& strLine : Wrap(pClue->m_strText, kClueFont, m_dColumnWidth - dIndent)) {
                block.lines.push_back({std::move(strLabel), std::move(strLine), kClueFont, dLabelWidth, dIndent});
                strLabel.clear();
            }
        }
    }
    // The notes, which may run from one column into the next at any line.
    std::vector<std::u16string> notes = Wrap(m_puzzle.m_strNotes, kClueFont, m_dColumnWidth);
    while (!notes.empty() && notes.back().empty())
        notes.pop_back();
    for (std::size_t i = 0; i < notes.size(); ++i) {
        CBlock& block = blocks.emplace_back();
        if (i == 0) {
            block.lines.push_back({u"", u"Notes", kHeadingFont, 0, 0});
            block.dGapBefore = kListGap;
        }
        block.lines.push_back({u"", std::move(notes[i]), kClueFont, 0, 0});
    }
    return blocks;
}

CPageLayout::CSlot CPageLayout::NextSlot(std::size_t& nSlot)
{
    if (nSlot >= m_aSlots.size())
        AddPage(true);
    return m_aSlots[nSlot++];
}

void CPageLayout::FlowBlocks(const std::vector<CBlock>& blocks)
{
    if (blocks.empty())
        return;
    std::size_t nSlot = 0;
    CSlot slot = NextSlot(nSlot);
    double y = slot.yTop;
    for (const CBlock& block : blocks) {
        double dHeight = y > slot.yTop ? block.dGapBefore : 0;
        for (const CFlowLine& line : block.lines)
            dHeight += LineHeight(line.font);
        // A block that does not fit goes whole to the next column; one
        // that fits no column is broken between its lines.
        if (y + dHeight > slot.yBottom + kSlack && y > slot.yTop) {
            slot = NextSlot(nSlot);
            y = slot.yTop;
        }
        double dGap = y > slot.yTop ? block.dGapBefore : 0;
        for (const CFlowLine& line : block.lines) {
            const double dLine = LineHeight(line.font);
            if (y + dGap + dLine > slot.yBottom + kSlack && y > slot.yTop) {
                slot = NextSlot(nSlot);
                y = slot.yTop;
                dGap = 0;
            }
            y += dGap;
            dGap = 0;
            CPrintedPage& page = m_document.aPages[slot.nPage];
            const double yBase = y + line.font.dSize;
            if (!line.strLabel.empty())
                page.aTexts.push_back({slot.x + line.dLabelRight, yBase, line.strLabel, kLabelFont, EPageAlign::Right});
            if (!line.strText.empty())
                page.aTexts.push_back({slot.x + line.dIndent, yBase, line.strText, line.font, EPageAlign::Left});
            y += dLine;
        }
    }
}

void CPageLayout::AddFooters()
{
    const int nPages = static_cast<int>(m_document.aPages.size());
    if (nPages < 2)
        return;
    const double y = m_setup.dHeight - m_setup.dMargin - 2;
    for (int i = 0; i < nPages; ++i)
        m_document.aPages[static_cast<std::size_t>(i)].aTexts.push_back(
            {(m_dLeft + m_dRight) / 2, y, FormatText(u"Page %d of %d", i + 1, nPages), kSmallFont, EPageAlign::Center});
}

std::vector<std::u16string> CPageLayout::Wrap(const std::u16string& strText, const CPageFont& font, double dWidth) const
{
    std::vector<std::u16string> lines;
    const double dSpace = m_measure.Width(u" ", font);
    std::size_t nStart = 0;
    while (nStart <= strText.size()) {
        const std::size_t nEnd = std::min(strText.find(u'\n', nStart), strText.size());
        std::u16string strLine;
        double dLine = 0;
        std::size_t i = nStart;
        while (i < nEnd) {
            // The next word: up to a blank or a control character.
            if (strText[i] <= u' ') {
                ++i;
                continue;
            }
            std::size_t j = i;
            while (j < nEnd && strText[j] > u' ')
                ++j;
            std::u16string strWord = strText.substr(i, j - i);
            i = j;
            double dWord = m_measure.Width(strWord, font);
            if (!strLine.empty() && dLine + dSpace + dWord <= dWidth + kSlack) {
                strLine += u' ';
                strLine += strWord;
                dLine += dSpace + dWord;
                continue;
            }
            if (!strLine.empty())
                lines.push_back(std::move(strLine));
            strLine.clear();
            dLine = 0;
            // A word longer than the line is broken where it must, never
            // inside a surrogate pair.
            while (dWord > dWidth + kSlack && strWord.size() > 1) {
                std::size_t nFit = 0;
                double dFit = 0;
                while (nFit < strWord.size()) {
                    const std::size_t nChar =
                        (strWord[nFit] >= 0xD800 && strWord[nFit] < 0xDC00 && nFit + 1 < strWord.size()) ? 2 : 1;
                    const double dChar = m_measure.Width(strWord.substr(nFit, nChar), font);
                    if (nFit > 0 && dFit + dChar > dWidth + kSlack)
                        break;
                    dFit += dChar;
                    nFit += nChar;
                }
                if (nFit >= strWord.size())
                    break;
                lines.push_back(strWord.substr(0, nFit));
                strWord.erase(0, nFit);
                dWord = m_measure.Width(strWord, font);
            }
            strLine = std::move(strWord);
            dLine = dWord;
        }
        lines.push_back(std::move(strLine));
        nStart = nEnd + 1;
    }
    return lines;
}
