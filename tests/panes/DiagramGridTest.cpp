// SPDX-License-Identifier: MIT
// The grid of a diagramless puzzle: no black square and no number until
// the player marks a square black or a square is revealed; a mark checked
// wrong, and a selected mark, drawn apart.

#include "tests/panes/PaneTest.h"

namespace trellis::test {
namespace {

const COLORREF kFore = RGB(10, 20, 30);
const COLORREF kBack = RGB(250, 240, 230);
const COLORREF kIncorrect = RGB(200, 10, 10);
const COLORREF kWord = RGB(20, 20, 200);
const COLORREF kSelected = RGB(10, 120, 120);
const COLORREF kSolid = RGB(60, 60, 60);

// The file's diagram: (2, 0) and (1, 2) are black.
const std::vector<std::string> kGrid = {"AB#CD", "EFGHI", "J#KLM"};

class DiagramGridTest : public HostTest {
protected:
    void Show(const PuzzleFileWriter& writer)
    {
        if (m_grid.GetSafeHwnd() == nullptr) {
            ASSERT_TRUE(m_grid.Create(nullptr, u"Puzzle", WS_CHILD | WS_VISIBLE, CRect(), &m_host, 1000));
        }
        m_pPuzzle = writer.Load(TempDir());
        m_grid.SetPuzzle(m_pPuzzle.get());
        m_grid.SetColor(GRID_FOREGROUND, kFore);
        m_grid.SetColor(GRID_FOREGROUND_SELECTED_WORD, kFore);
        m_grid.SetColor(GRID_BACKGROUND, kBack);
        m_grid.SetColor(GRID_FOREGROUND_INCORRECT, kIncorrect);
        m_grid.SetColor(GRID_BACKGROUND_SELECTED_WORD, kWord);
        m_grid.SetColor(GRID_BACKGROUND_SELECTED_SQUARE, kSelected);
        m_grid.SetColor(GRID_SOLID, kSolid);
        m_grid.SetShowNumbers(TRUE);
        Repaint();
    }
    void Repaint()
    {
        m_grid.Invalidate(FALSE);
        Testing::RunUntilIdle();
    }
    void Change(int nCol, int nRow, void (*change)(CSquare&))
    {
        CSquare square = m_pPuzzle->GetSquare(nCol, nRow);
        change(square);
        m_pPuzzle->SetSquare(nCol, nRow, square);
    }
    COLORREF Fill(int nCol, int nRow)
    {
        const CRect rc = m_grid.GetSquareRect(nCol, nRow);
        return Testing::PixelAt(&m_grid, rc.right - 1, rc.bottom - 1);
    }
    // Pixels of the square, or of a part of it, not in its fill.
    int Ink(int nCol, int nRow) { return InkPixels(&m_grid, m_grid.GetSquareRect(nCol, nRow), Fill(nCol, nRow)); }
    int Ink(int nCol, int nRow, const CRect& rc) { return InkPixels(&m_grid, rc, Fill(nCol, nRow)); }
    int Squares(COLORREF color)
    {
        int n = 0;
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 5; ++c)
                n += Fill(c, r) == color ? 1 : 0;
        return n;
    }

    CGridWnd m_grid;
    std::unique_ptr<CCrossWordPuzzle> m_pPuzzle;
};

TEST_F(DiagramGridTest, AFreshDiagramlessGridShowsNoBlackSquareAndNoNumber)
{
    Show(PuzzleFileWriter(kGrid));
    EXPECT_EQ(Squares(kSolid), 2);
    EXPECT_GT(Ink(0, 0), 0);  // 1's number

    Show(PuzzleFileWriter(kGrid).Diagramless());
    EXPECT_EQ(Squares(kSolid), 0);
    // The whole first row is the selected word, (0, 0) its selected square.
    EXPECT_EQ(Fill(0, 0), kSelected);
    for (int c = 1; c < 5; ++c)
        EXPECT_EQ(Fill(c, 0), kWord) << c;
    EXPECT_EQ(Fill(1, 2), kBack);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 5; ++c)
            EXPECT_EQ(Ink(c, r), 0) << c << "," << r;
}

TEST_F(DiagramGridTest, MarksAreDrawnBlackAndARevealedSquareShowsItsNumber)
{
    Show(PuzzleFileWriter(kGrid).Diagramless());
    Change(1, 2, [](CSquare& s) { s.m_bMarkedBlack = true; });
    // A mark where the file has a white square, checked: wrong.
    Change(4, 2, [](CSquare& s) {
        s.m_bMarkedBlack = true;
        s.m_bChecked = TRUE;
    });
    // (3, 0) typed, then revealed: its letter, then 3 Across's number too.
    Change(3, 0, [](CSquare& s) {
        s.m_chLetter = s.m_chSolution;
        s.m_bFilled = TRUE;
    });
    Repaint();
    EXPECT_EQ(Fill(1, 2), kSolid);
    EXPECT_EQ(Fill(4, 2), kIncorrect);
    EXPECT_EQ(Fill(2, 0), kWord);  // black in the file, not marked
    const CRect rc = m_grid.GetSquareRect(3, 0);
    const CRect rcCorner(rc.left, rc.top, rc.left + 5, rc.top + 7);
    const int nTyped = Ink(3, 0, rcCorner);
    EXPECT_GT(Ink(3, 0), 10);
    Change(3, 0, [](CSquare& s) { s.m_bShown = TRUE; });
    Repaint();
    EXPECT_GT(Ink(3, 0, rcCorner), nTyped);
}

// The arrows reach a marked square: it shows it is the selected one by a
// frame in the selected square's colour, which goes when the cursor leaves.
TEST_F(DiagramGridTest, ASelectedMarkIsFramed)
{
    Show(PuzzleFileWriter(kGrid).Diagramless());
    Change(2, 0, [](CSquare& s) { s.m_bMarkedBlack = true; });
    m_grid.DiagramChanged();
    m_grid.MoveSelection(1, 0);
    m_grid.MoveSelection(1, 0);
    Testing::RunUntilIdle();
    ASSERT_EQ(m_grid.GetSelectedSquare(), CPoint(2, 0));
    const CRect rc = m_grid.GetSquareRect(2, 0);
    EXPECT_EQ(Testing::PixelAt(&m_grid, rc.left, rc.top), kSelected);
    EXPECT_EQ(Testing::PixelAt(&m_grid, rc.right - 1, rc.bottom - 1), kSelected);
    EXPECT_EQ(Testing::PixelAt(&m_grid, rc.CenterPoint().x, rc.CenterPoint().y), kSolid);
    // The word ends before the mark now: (3, 0) is no part of it.
    EXPECT_EQ(Fill(1, 0), kWord);
    EXPECT_EQ(Fill(3, 0), kBack);
    m_grid.MoveSelection(1, 0);
    Testing::RunUntilIdle();
    EXPECT_EQ(Testing::PixelAt(&m_grid, rc.left, rc.top), kSolid);
    EXPECT_EQ(Fill(3, 0), kSelected);
}

}  // namespace
}  // namespace trellis::test
