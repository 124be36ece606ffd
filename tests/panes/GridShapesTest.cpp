// SPDX-License-Identifier: MIT
// The grid window over puzzles of the newer formats: missing squares drawn
// as nothing, bars as thick lines, shading under the letter, the mark of a
// given letter, labels that are not numbers, and partial paints of them all.

#include "tests/panes/PaneTest.h"
#include "tests/support/SourceGrid.h"

#include <random>

namespace trellis::test {
namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
// Slot colours that nothing else in the grid has.
const COLORREF kFore = RGB(10, 20, 30);
const COLORREF kBack = RGB(250, 240, 230);
const COLORREF kWord = RGB(20, 20, 200);
const COLORREF kSelected = RGB(10, 120, 120);

class GridShapesTest : public HostTest {
protected:
    void Show(const CPuzzleSource& source)
    {
        if (m_grid.GetSafeHwnd() == nullptr) {
            ASSERT_TRUE(m_grid.Create(nullptr, u"Puzzle", WS_CHILD | WS_VISIBLE, CRect(), &m_host, 1000));
        }
        m_pPuzzle = LoadSourceGrid(source);
        m_grid.SetPuzzle(m_pPuzzle.get());
        m_grid.SetColor(GRID_FOREGROUND, kFore);
        m_grid.SetColor(GRID_BACKGROUND, kBack);
        m_grid.SetColor(GRID_BACKGROUND_SELECTED_WORD, kWord);
        m_grid.SetColor(GRID_BACKGROUND_SELECTED_SQUARE, kSelected);
        Repaint();
    }
    void Show(const std::vector<std::string>& rows) { Show(SourceGrid(rows)); }
    void Repaint()
    {
        m_grid.Invalidate(FALSE);
        Testing::RunUntilIdle();
    }
    COLORREF At(int x, int y) { return Testing::PixelAt(&m_grid, x, y); }
    // Pixels of the rectangle in the colour.
    int Count(const CRect& rc, COLORREF color) { return Testing::CountPixels(&m_grid, rc, color); }
    // The square's interior, or its interior and the lines around it.
    CRect Inside(int nCol, int nRow) { return m_grid.GetSquareRect(nCol, nRow); }
    CRect WithLines(int nCol, int nRow)
    {
        CRect rc = m_grid.GetSquareRect(nCol, nRow);
        rc.InflateRect(m_grid.GetLineWidth(), m_grid.GetLineWidth());
        return rc;
    }
    // The bottom right pixel of a square, which no label or letter reaches.
    COLORREF Fill(int nCol, int nRow)
    {
        const CRect rc = Inside(nCol, nRow);
        return At(rc.right - 1, rc.bottom - 1);
    }

    CGridWnd m_grid;
    std::unique_ptr<CCrossWordPuzzle> m_pPuzzle;
};

TEST_F(GridShapesTest, MissingSquaresAreDrawnAsNothingWithoutLinesOfTheirOwn)
{
    // The top row's first two squares do not exist.
    Show({"  A", "BCD"});
    // Squares of 20 pixels, lines of 2, a margin of 2: (0,0) is 4..24.
    ASSERT_EQ(Inside(0, 0), CRect(4, 4, 24, 24));
    for (const CPoint pt : {CPoint(0, 0), CPoint(1, 0)}) {
        const CRect rc = Inside(pt.x, pt.y);
        EXPECT_EQ(Count(rc, kWhite), rc.Width() * rc.Height()) << pt.x;
    }
    // No line where nothing but missing squares and the margin meet: left,
    // above and between them.
    EXPECT_EQ(Count(CRect(2, 2, 46, 4), kWhite), 44 * 2);
    EXPECT_EQ(Count(CRect(2, 4, 4, 24), kWhite), 20 * 2);
    EXPECT_EQ(Count(CRect(24, 4, 26, 24), kWhite), 20 * 2);
    // Lines where a square that exists has its edge: below them, and
    // between (1,0) and (2,0).
    EXPECT_EQ(Count(CRect(4, 24, 46, 26), kBlack), 42 * 2);
    EXPECT_EQ(Count(CRect(46, 2, 48, 26), kBlack), 24 * 2);
    EXPECT_EQ(Count(CRect(2, 24, 4, 48), kBlack), 24 * 2);
}

TEST_F(GridShapesTest, BarsAreThickLinesIntoBothSquaresEvenInTheSelectedWord)
{
    // A bar right of (0,0) and one below (1,0); the first square is selected.
    Show({"A|B_", "CD"});
    ASSERT_EQ(m_grid.GetSelectedSquare(), CPoint(0, 0));
    const CRect a = Inside(0, 0), b = Inside(1, 0), d = Inside(1, 1);
    // At 20 pixels a bar reaches 2 into each square beside the line.
    EXPECT_EQ(Count(CRect(a.right - 2, a.top, a.right, a.bottom), kBlack), 40);
    EXPECT_EQ(At(a.right - 3, a.bottom - 1), kSelected);
    EXPECT_EQ(Count(CRect(b.left, b.top, b.left + 2, b.bottom - 2), kBlack), 36);
    EXPECT_EQ(Count(CRect(b.left, b.bottom - 2, b.right, b.bottom), kBlack), 40);
    EXPECT_EQ(Count(CRect(d.left, d.top, d.right, d.top + 2), kBlack), 40);
    EXPECT_EQ(At(d.left + 5, d.top + 2), kBack);
    // Where no bar is, the squares reach their lines.
    const CRect c = Inside(0, 1);
    EXPECT_EQ(Count(CRect(c.right - 2, c.top, c.right, c.bottom), kBack), 40);
    // The bar ends the selected word: (1,0) is drawn as any other square.
    EXPECT_EQ(Fill(1, 0), kBlack);  // its corner lies in the bar below it
    EXPECT_EQ(At(b.left + 10, b.top + 10), kBack);
}

TEST_F(GridShapesTest, ShadingLiesUnderTheLetterButNotUnderTheSelection)
{
    CPuzzleSource source = SourceGrid({"AB", "CD"});
    source.At(0, 1).m_nColor = 0x123456;
    source.At(1, 1).m_nColor = 0x123456;
    source.At(1, 1).m_strFill = u"D";
    Show(source);
    const COLORREF kShade = RGB(0x12, 0x34, 0x56);
    EXPECT_EQ(Fill(0, 1), kShade);
    EXPECT_EQ(Fill(1, 1), kShade);
    EXPECT_GT(Count(Inside(1, 1), kFore), 0);  // the letter on top
    // Selected, the word shows the selection's colours; left, its own again.
    Testing::Tap(&m_grid, InSquare(m_grid, 0, 1));
    EXPECT_EQ(Fill(0, 1), kSelected);
    EXPECT_EQ(Fill(1, 1), kWord);
    Testing::Tap(&m_grid, InSquare(m_grid, 1, 0));
    Testing::Tap(&m_grid, InSquare(m_grid, 0, 0));
    Repaint();
    EXPECT_EQ(Fill(0, 1), kShade);
    EXPECT_EQ(Fill(1, 1), kShade);
}

TEST_F(GridShapesTest, AGivenLetterIsMarkedInItsBottomRightCorner)
{
    CPuzzleSource source = SourceGrid({"AB", "CD"});
    source.At(1, 1).m_strFill = u"D";
    source.At(1, 1).m_bGiven = true;
    source.At(0, 1).m_strFill = u"C";  // the player's letter, for comparison
    Show(source);
    // At 20 pixels the mark is a triangle of 4 rows: 1 + 2 + 3 + 4 pixels.
    const CRect given = Inside(1, 1), played = Inside(0, 1);
    EXPECT_EQ(Count(CRect(given.right - 4, given.bottom - 4, given.right, given.bottom), kFore), 10);
    EXPECT_EQ(At(given.right - 4, given.bottom - 4), kBack);
    EXPECT_EQ(Count(CRect(played.right - 4, played.bottom - 4, played.right, played.bottom), kFore), 0);
    // The letters themselves look alike.
    const CRect givenLetter(given.left, given.top, given.right - 4, given.bottom - 4);
    const CRect playedLetter(played.left, played.top, played.right - 4, played.bottom - 4);
    EXPECT_GT(Count(givenLetter, kFore), 0);
    EXPECT_GT(Count(playedLetter, kFore), 0);
}

TEST_F(GridShapesTest, TheFilesLabelsAreDrawnInPlaceOfTheNumbers)
{
    CPuzzleSource source = SourceGrid({"AB", "CD"});
    source.At(0, 0).m_strLabel = u"A";
    source.At(1, 1).m_strLabel = u"2-3";
    Show(source);
    m_grid.SetShowNumbers(TRUE);
    Repaint();
    auto ink = [this](int nCol, int nRow) {
        return Inside(nCol, nRow).Width() * Inside(nCol, nRow).Height() - Count(Inside(nCol, nRow), Fill(nCol, nRow));
    };
    EXPECT_GT(ink(0, 0), 0);
    EXPECT_GT(ink(1, 1), 0);
    // (1,0) starts a down word, but the file draws no label there.
    EXPECT_EQ(ink(1, 0), 0);
    EXPECT_EQ(ink(0, 1), 0);
    // "2-3" reaches further right than "A".
    auto right = [this](int nCol, int nRow) {
        const CRect rc = Inside(nCol, nRow);
        int nRight = rc.left;
        for (int y = rc.top; y < rc.top + 8; ++y)
            for (int x = rc.left; x < rc.right; ++x)
                if (At(x, y) != Fill(nCol, nRow))
                    nRight = std::max(nRight, x + 1);
        return nRight - rc.left;
    };
    EXPECT_GT(right(1, 1), right(0, 0));
    m_grid.SetShowNumbers(FALSE);
    Repaint();
    EXPECT_EQ(ink(0, 0) + ink(1, 1), 0);
}

TEST_F(GridShapesTest, PartialPaintsOfAShapedBarredGridGiveTheSamePixelsAsAFullPaint)
{
    std::mt19937 random(11);
    std::vector<std::string> rows(30);
    for (auto& row : rows) {
        for (int c = 0; c < 60; ++c) {
            const unsigned n = random() % 10;
            row += n == 0 ? '#' : n < 3 ? ' ' : static_cast<char>('A' + random() % 26);
            if (random() % 5 == 0)
                row += '|';
            if (random() % 5 == 0)
                row += '_';
        }
    }
    CPuzzleSource source = SourceGrid(rows);
    for (CSourceSquare& square : source.m_aSquares) {
        if (random() % 4 == 0)
            square.m_nColor = static_cast<long>(random() % 0x1000000);
        if (square.m_nKind == ESquareKind::Open && random() % 4 == 0) {
            square.m_strFill = square.m_strSolution;
            square.m_bGiven = random() % 2 == 0;
        }
    }
    Show(source);
    m_grid.SetShowNumbers(TRUE);
    Repaint();
    const CRect areas[] = {{0, 0, 9, 9},     {3, 3, 70, 41},      {200, 121, 233, 160}, {601, 303, 647, 347},
                           Inside(10, 20),   WithLines(33, 7),    {47, 200, 48, 600},   {1000, 500, 1200, 660},
                           {23, 23, 27, 27}, {1321, 0, 1323, 666}};
    for (const CRect& area : areas) {
        std::vector<COLORREF> pixels[2];  // after the full paint, after a paint of the area alone
        for (auto& seen : pixels) {
            for (int y = area.top; y < area.bottom; y++)
                for (int x = area.left; x < area.right; x++)
                    seen.push_back(At(x, y));
            CClientDC(&m_grid).FillSolidRect(&area, RGB(255, 0, 255));
            m_grid.InvalidateRect(&area, FALSE);
            m_grid.UpdateWindow();
        }
        EXPECT_EQ(pixels[0], pixels[1]) << area.left << "," << area.top;
    }
}

TEST_F(GridShapesTest, AGridWithoutMissingSquaresDrawsItsLinesAsAPuzFileDoes)
{
    // The same grid from a .puz file and as a source: the same pixels.
    const std::vector<std::string> rows = {"AB#", "CDE", "#FG"};
    Show(rows);
    std::vector<COLORREF> source;
    CRect rcGrid;
    m_grid.GetClientRect(&rcGrid);
    for (int y = 0; y < rcGrid.bottom; ++y)
        for (int x = 0; x < rcGrid.right; ++x)
            source.push_back(At(x, y));
    auto pPuz = MakePuzzle(rows);
    m_grid.SetPuzzle(pPuz.get());
    Repaint();
    std::vector<COLORREF> puz;
    for (int y = 0; y < rcGrid.bottom; ++y)
        for (int x = 0; x < rcGrid.right; ++x)
            puz.push_back(At(x, y));
    EXPECT_EQ(source, puz);
    m_grid.SetPuzzle(nullptr);
}

}  // namespace
}  // namespace trellis::test
