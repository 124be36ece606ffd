// The grid window: geometry, colours of every slot, letters and numbers, the
// first selection, paints that visit only part of the grid, and taps.

#include "panes/GridWnd.h"
#include "tests/panes/PaneTest.h"

#include <random>

namespace trellis::test {
namespace {

// Eight colours that no other pixel of the grid has.
const COLORREF kSlots[NUM_GRID_COLORS] = {
    RGB(10, 20, 30),  RGB(250, 240, 230), RGB(200, 10, 10),  RGB(240, 250, 10),
    RGB(20, 20, 200), RGB(10, 120, 120),  RGB(250, 120, 10), RGB(60, 60, 60),
};

class GridTest : public HostTest {
protected:
    void Show(const std::vector<std::string>& rows)
    {
        if (m_grid.GetSafeHwnd() == nullptr) {
            ASSERT_TRUE(m_grid.Create(nullptr, u"Puzzle", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &m_host, 1000));
        }
        m_pPuzzle = MakePuzzle(rows);
        m_grid.SetPuzzle(m_pPuzzle.get());
        Testing::RunUntilIdle();
    }
    void UseSlotColours()
    {
        std::copy(kSlots, kSlots + NUM_GRID_COLORS, m_grid.m_colors);
        Repaint();
    }
    void Repaint()
    {
        m_grid.Invalidate(FALSE);
        Testing::RunUntilIdle();
    }
    void Put(int nCol, int nRow, WCHAR chLetter, BOOL bChecked)
    {
        CSquare square = m_pPuzzle->GetSquare(nCol, nRow);
        square.m_chLetter = chLetter;
        square.m_bFilled = TRUE;
        square.m_bChecked = bChecked;
        m_pPuzzle->SetSquare(nCol, nRow, square);
    }
    // The bottom right pixel of a square: never covered by a number or letter.
    COLORREF Fill(int nCol, int nRow)
    {
        CRect rc = m_grid.GetSquareRect(nCol, nRow);
        return Testing::PixelAt(&m_grid, rc.right - 1, rc.bottom - 1);
    }
    int Ink(int nCol, int nRow, COLORREF color)
    {
        return Testing::CountPixels(&m_grid, m_grid.GetSquareRect(nCol, nRow), color);
    }
    CPoint Centre(int nCol, int nRow)
    {
        CRect rc = m_grid.GetSquareRect(nCol, nRow);
        return CPoint(rc.left + 5, rc.top + 5);
    }

    CGridWnd m_grid;
    std::unique_ptr<CCrossWordPuzzle> m_pPuzzle;
};

TEST_F(GridTest, SizesItselfToThePuzzleAndSelectsTheFirstWhiteSquareAcross)
{
    Show(std::vector<std::string>(15, "..............."));
    EXPECT_EQ(CRect(0, 0, 336, 336), RectInParent(m_grid));
    EXPECT_EQ(CRect(4, 4, 24, 24), m_grid.GetSquareRect(0, 0));
    EXPECT_EQ(26, m_grid.GetSquareRect(1, 0).left);

    Show(std::vector<std::string>(10, "..............."));
    EXPECT_EQ(CRect(0, 0, 336, 226), RectInParent(m_grid));

    m_host.m_words.clear();
    Show({ "##...", "....." });
    EXPECT_EQ(CPoint(2, 0), m_grid.m_ptSelected);
    EXPECT_EQ(CPoint(2, 0), m_grid.m_ptWordStart);
    EXPECT_EQ(DIRECTION_ACROSS, m_grid.m_nDirection);
    ASSERT_EQ(1u, m_host.m_words.size());
    EXPECT_EQ(1u, m_host.m_words[0].first);
    EXPECT_EQ(CPoint(2, 0), m_host.m_words[0].second);

    m_host.m_words.clear();
    Show({ "##", "##" });
    EXPECT_EQ(DIRECTION_NONE, m_grid.m_nDirection);
    EXPECT_TRUE(m_host.m_words.empty());
    EXPECT_FALSE(m_grid.HasSelection());
}

TEST_F(GridTest, PaintsEachSlotWhereItBelongs)
{
    Show({ "...", ".#.", "..." });
    UseSlotColours();
    EXPECT_EQ(kSlots[GRID_BACKGROUND_SELECTED_SQUARE], Fill(0, 0));
    EXPECT_EQ(kSlots[GRID_BACKGROUND_SELECTED_WORD], Fill(1, 0));
    EXPECT_EQ(kSlots[GRID_BACKGROUND_SELECTED_WORD], Fill(2, 0));
    EXPECT_EQ(kSlots[GRID_BACKGROUND], Fill(0, 1));
    EXPECT_EQ(kSlots[GRID_SOLID], Fill(1, 1));
    // Lines and margins keep black and white whatever the slots hold.
    EXPECT_EQ(RGB(0, 0, 0), Testing::PixelAt(&m_grid, 2, 30));
    EXPECT_EQ(RGB(0, 0, 0), Testing::PixelAt(&m_grid, 25, 30));
    EXPECT_EQ(RGB(255, 255, 255), Testing::PixelAt(&m_grid, 0, 30));
    EXPECT_EQ(RGB(255, 255, 255), Testing::PixelAt(&m_grid, 30, 0));
}

TEST_F(GridTest, LettersTakeTheForegroundOfTheirSituation)
{
    Show({ "...", ".#.", "..." });
    Put(1, 0, u'X', FALSE); // wrong, unchecked, in the word
    Put(2, 0, u'X', TRUE);  // wrong, checked, in the word
    Put(0, 2, u'X', TRUE);  // wrong, checked, outside
    Put(2, 2, u'X', FALSE); // wrong, unchecked, outside
    Put(1, 2, u'A', TRUE);  // right and checked: normal
    CSquare blank = m_pPuzzle->GetSquare(2, 1);
    blank.m_chLetter = u'Q'; // a letter without the filled flag is not shown
    m_pPuzzle->SetSquare(2, 1, blank);
    UseSlotColours();

    EXPECT_GT(Ink(1, 0, kSlots[GRID_FOREGROUND_SELECTED_WORD]), 0);
    EXPECT_EQ(0, Ink(1, 0, kSlots[GRID_FOREGROUND_SELECTED_INCORRECT]));
    EXPECT_GT(Ink(2, 0, kSlots[GRID_FOREGROUND_SELECTED_INCORRECT]), 0);
    EXPECT_EQ(0, Ink(2, 0, kSlots[GRID_FOREGROUND_SELECTED_WORD]));
    EXPECT_GT(Ink(0, 2, kSlots[GRID_FOREGROUND_INCORRECT]), 0);
    EXPECT_GT(Ink(2, 2, kSlots[GRID_FOREGROUND]), 0);
    EXPECT_EQ(0, Ink(2, 2, kSlots[GRID_FOREGROUND_INCORRECT]));
    EXPECT_GT(Ink(1, 2, kSlots[GRID_FOREGROUND]), 0);
    EXPECT_EQ(0, InkPixels(&m_grid, m_grid.GetSquareRect(2, 1), kSlots[GRID_BACKGROUND]));
}

TEST_F(GridTest, NumbersOnlyWhenSwitchedOn)
{
    // 1 across and down at (0,0), 2 down at (2,0), 3 across at (0,2).
    Show({ "...", ".#.", "..." });
    UseSlotColours();
    const CPoint numbered[] = { { 0, 0 }, { 2, 0 }, { 0, 2 } };
    const CPoint plain[] = { { 1, 0 }, { 0, 1 }, { 1, 2 } };
    auto ink = [this](CPoint pt) {
        return InkPixels(&m_grid, m_grid.GetSquareRect(pt.x, pt.y), Fill(pt.x, pt.y));
    };
    for (CPoint pt : numbered)
        EXPECT_EQ(0, ink(pt)) << pt.x << "," << pt.y;

    m_grid.m_bShowNumbers = TRUE;
    Repaint();
    for (CPoint pt : numbered)
        EXPECT_GT(ink(pt), 0) << pt.x << "," << pt.y;
    for (CPoint pt : plain)
        EXPECT_EQ(0, ink(pt)) << pt.x << "," << pt.y;
    // The number sits in the top left corner.
    CRect rc = m_grid.GetSquareRect(2, 0);
    EXPECT_EQ(0, InkPixels(&m_grid, CRect(rc.left + 12, rc.top, rc.right, rc.bottom), Fill(2, 0)));
}

TEST_F(GridTest, NoPuzzleLeavesAWhiteWindowOfTheOldSize)
{
    Show({ "..", ".." });
    m_grid.SetPuzzle(nullptr);
    Testing::RunUntilIdle();
    CRect rc;
    m_grid.GetClientRect(&rc);
    EXPECT_EQ(CSize(50, 50), rc.Size());
    EXPECT_EQ(0, InkPixels(&m_grid, rc, RGB(255, 255, 255)));
    Testing::Tap(&m_grid, Centre(1, 1));
    EXPECT_EQ(CPoint(0, 0), m_grid.m_ptSelected);
}

TEST_F(GridTest, PartialPaintsGiveTheSamePixelsAsAFullPaint)
{
    // A large grid with black squares, letters, wrong letters and numbers.
    std::mt19937 random(7);
    std::vector<std::string> rows(255, std::string(255, '.'));
    for (auto& row : rows)
        for (char& ch : row)
            ch = random() % 6 == 0 ? '#' : static_cast<char>('A' + random() % 26);
    Show(rows);
    m_grid.m_bShowNumbers = TRUE;
    for (int i = 0; i < 20000; i++) {
        const int nCol = static_cast<int>(random() % 255), nRow = static_cast<int>(random() % 255);
        if (!m_pPuzzle->IsBlack(nCol, nRow))
            Put(nCol, nRow, static_cast<WCHAR>(u'A' + random() % 26), random() % 2);
    }
    Repaint();

    const CRect areas[] = {
        { 0, 0, 9, 9 }, { 3, 3, 70, 41 }, { 5000, 121, 5033, 160 }, { 2001, 3003, 2047, 3047 },
        m_grid.GetSquareRect(100, 200), { 5590, 5590, 5616, 5616 }, { 47, 5000, 48, 5100 },
    };
    for (const CRect& area : areas) {
        std::vector<COLORREF> full;
        for (int y = area.top; y < area.bottom; y++)
            for (int x = area.left; x < area.right; x++)
                full.push_back(Testing::PixelAt(&m_grid, x, y));
        {
            CClientDC dc(&m_grid);
            dc.FillSolidRect(&area, RGB(255, 0, 255));
        }
        m_grid.InvalidateRect(&area, FALSE);
        m_grid.UpdateWindow();
        size_t i = 0;
        int nDiffer = 0;
        for (int y = area.top; y < area.bottom; y++)
            for (int x = area.left; x < area.right; x++)
                nDiffer += Testing::PixelAt(&m_grid, x, y) != full[i++];
        EXPECT_EQ(0, nDiffer) << area.left << "," << area.top;
    }
}

// Taps.

TEST_F(GridTest, TapsHitTheSquareWithTheLinesRightAndBelowIt)
{
    Show(std::vector<std::string>(15, "..............."));
    CPoint pt;
    for (int x : { -17, 0, 25 }) {
        ASSERT_TRUE(m_grid.HitTest(CPoint(x, 30), pt)) << x;
        EXPECT_EQ(CPoint(0, 1), pt) << x;
    }
    for (int x : { 26, 47 }) {
        ASSERT_TRUE(m_grid.HitTest(CPoint(x, 30), pt));
        EXPECT_EQ(1, pt.x);
    }
    EXPECT_FALSE(m_grid.HitTest(CPoint(-18, 30), pt));
    EXPECT_FALSE(m_grid.HitTest(CPoint(334, 30), pt));
    EXPECT_FALSE(m_grid.HitTest(CPoint(30, 334), pt));

    Testing::Tap(&m_grid, CPoint(26, 25));
    EXPECT_EQ(CPoint(1, 0), m_grid.m_ptSelected);
    Testing::Tap(&m_grid, CPoint(334, 25));
    EXPECT_EQ(CPoint(1, 0), m_grid.m_ptSelected);
}

TEST_F(GridTest, TappingTheSelectedSquareTurnsTheDirection)
{
    Show({ "...", "...", "..." });
    UseSlotColours();
    m_host.m_words.clear();
    Testing::Tap(&m_grid, Centre(0, 0));
    EXPECT_EQ(DIRECTION_DOWN, m_grid.m_nDirection);
    ASSERT_EQ(1u, m_host.m_words.size());
    EXPECT_EQ(0u, m_host.m_words[0].first);
    // Drawn at once, without a paint: the old word is back to normal.
    EXPECT_EQ(kSlots[GRID_BACKGROUND], Fill(1, 0));
    EXPECT_EQ(kSlots[GRID_BACKGROUND_SELECTED_WORD], Fill(0, 1));
    EXPECT_EQ(kSlots[GRID_BACKGROUND_SELECTED_SQUARE], Fill(0, 0));

    Testing::Tap(&m_grid, Centre(0, 0));
    EXPECT_EQ(DIRECTION_ACROSS, m_grid.m_nDirection);
    EXPECT_EQ(2u, m_host.m_words.size());
}

TEST_F(GridTest, TapsInsideTheWordOnlyMoveTheSelectedSquare)
{
    Show({ "...", "#.#" });
    UseSlotColours();
    m_host.m_words.clear();
    Testing::Tap(&m_grid, Centre(0, 0)); // lies only in the across word
    EXPECT_EQ(DIRECTION_ACROSS, m_grid.m_nDirection);
    Testing::Tap(&m_grid, Centre(2, 0));
    EXPECT_EQ(CPoint(2, 0), m_grid.m_ptSelected);
    EXPECT_EQ(CPoint(0, 0), m_grid.m_ptWordStart);
    EXPECT_TRUE(m_host.m_words.empty());
    EXPECT_EQ(kSlots[GRID_BACKGROUND_SELECTED_WORD], Fill(0, 0));
    EXPECT_EQ(kSlots[GRID_BACKGROUND_SELECTED_SQUARE], Fill(2, 0));
}

TEST_F(GridTest, ABlackSquareTakesTheSelectionButNotTheWord)
{
    Show({ "...", "#.." });
    UseSlotColours();
    m_host.m_words.clear();
    Testing::Tap(&m_grid, Centre(0, 1));
    EXPECT_EQ(CPoint(0, 1), m_grid.m_ptSelected);
    EXPECT_EQ(CPoint(0, 0), m_grid.m_ptWordStart);
    EXPECT_EQ(DIRECTION_ACROSS, m_grid.m_nDirection);
    EXPECT_TRUE(m_host.m_words.empty());
    for (int nCol = 0; nCol < 3; nCol++)
        EXPECT_EQ(kSlots[GRID_BACKGROUND_SELECTED_WORD], Fill(nCol, 0));
    EXPECT_EQ(kSlots[GRID_SOLID], Fill(0, 1));
}

TEST_F(GridTest, SquaresInNoWordTakeWhateverStartTheWalkFinds)
{
    // 1 across is (0,0)-(1,0), 2 down is (1,0)-(1,1); (3,0) lies in no word.
    Show({ "..#.", "#.##" });
    m_host.m_words.clear();
    // Across, (3,0) has no across word and the walk up finds no down start.
    Testing::Tap(&m_grid, Centre(3, 0));
    EXPECT_EQ(CPoint(3, 0), m_grid.m_ptSelected);
    EXPECT_EQ(CPoint(0, 0), m_grid.m_ptWordStart);
    EXPECT_TRUE(m_host.m_words.empty());

    Testing::Tap(&m_grid, Centre(1, 1));
    EXPECT_EQ(DIRECTION_DOWN, m_grid.m_nDirection);
    EXPECT_EQ(CPoint(1, 0), m_grid.m_ptWordStart);

    // Down, the walk left from (3,0) passes the black square and finds 1 across.
    Testing::Tap(&m_grid, Centre(3, 0));
    EXPECT_EQ(DIRECTION_ACROSS, m_grid.m_nDirection);
    EXPECT_EQ(CPoint(0, 0), m_grid.m_ptWordStart);
    ASSERT_EQ(2u, m_host.m_words.size());
    EXPECT_EQ(1u, m_host.m_words[1].first);
    EXPECT_EQ(CPoint(0, 0), m_host.m_words[1].second);
}

TEST_F(GridTest, ADoubleTapSelectsAndThenTurns)
{
    Show({ "...", "...", "..." });
    m_host.m_words.clear();
    Testing::DoubleTap(&m_grid, Centre(1, 1));
    EXPECT_EQ(CPoint(1, 1), m_grid.m_ptSelected);
    EXPECT_EQ(DIRECTION_DOWN, m_grid.m_nDirection);
    EXPECT_EQ(CPoint(1, 0), m_grid.m_ptWordStart);
    ASSERT_EQ(2u, m_host.m_words.size());
    EXPECT_EQ(1u, m_host.m_words[0].first);
    EXPECT_EQ(CPoint(0, 1), m_host.m_words[0].second);
    EXPECT_EQ(CPoint(1, 0), m_host.m_words[1].second);
}

} // namespace
} // namespace trellis::test
