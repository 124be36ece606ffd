// SPDX-License-Identifier: MIT
// The grid window: geometry, colour slots, letters and numbers, the first
// selection, partial paints, and taps.

#include "tests/panes/PaneTest.h"

#include <random>

namespace trellis::test {
namespace {

// Colours that nothing else in the grid has.
const COLORREF kSlots[NUM_GRID_COLORS] = {RGB(10, 20, 30),   RGB(250, 240, 230), RGB(200, 10, 10),
                                          RGB(240, 250, 10), RGB(20, 20, 200),   RGB(10, 120, 120),
                                          RGB(250, 120, 10), RGB(60, 60, 60),    RGB(130, 30, 160)};

class GridTest : public HostTest {
protected:
    void Show(const std::vector<std::string>& rows) { Show(PuzzleFileWriter(rows)); }
    void Show(const PuzzleFileWriter& writer)
    {
        if (m_grid.GetSafeHwnd() == nullptr) {
            ASSERT_TRUE(m_grid.Create(nullptr, u"Puzzle", WS_CHILD | WS_VISIBLE, CRect(), &m_host, 1000));
        }
        m_pPuzzle = writer.Load(TempDir());
        m_grid.SetPuzzle(m_pPuzzle.get());
        for (int i = 0; i < NUM_GRID_COLORS; ++i)
            m_grid.SetColor(i, kSlots[i]);
        Repaint();
    }
    void Repaint()
    {
        m_grid.Invalidate(FALSE);
        Testing::RunUntilIdle();
    }
    void Put(int nCol, int nRow, WCHAR chLetter, BOOL bChecked, BOOL bFilled = TRUE, BOOL bShown = FALSE)
    {
        CSquare square = m_pPuzzle->GetSquare(nCol, nRow);
        square.m_chLetter = chLetter;
        square.m_bFilled = bFilled;
        square.m_bChecked = bChecked;
        square.m_bShown = bShown;
        m_pPuzzle->SetSquare(nCol, nRow, square);
    }
    // Any other change to the player's part of a square.
    template <class ChangeFn> void Change(int nCol, int nRow, ChangeFn change)
    {
        CSquare square = m_pPuzzle->GetSquare(nCol, nRow);
        change(square);
        m_pPuzzle->SetSquare(nCol, nRow, square);
    }
    // The smallest rectangle that holds every pixel of the colour in a square.
    CRect InkBox(int nCol, int nRow, COLORREF color)
    {
        const CRect rc = m_grid.GetSquareRect(nCol, nRow);
        CRect box(rc.right, rc.bottom, rc.left, rc.top);
        for (int y = rc.top; y < rc.bottom; y++) {
            for (int x = rc.left; x < rc.right; x++) {
                if (Testing::PixelAt(&m_grid, x, y) == color)
                    box = CRect(std::min<int>(box.left, x), std::min<int>(box.top, y), std::max<int>(box.right, x + 1),
                                std::max<int>(box.bottom, y + 1));
            }
        }
        return box;
    }
    // The bottom right pixel of a square, which no number or letter reaches.
    COLORREF Fill(int nCol, int nRow)
    {
        const CRect rc = m_grid.GetSquareRect(nCol, nRow);
        return Testing::PixelAt(&m_grid, rc.right - 1, rc.bottom - 1);
    }
    int Ink(int nCol, int nRow, COLORREF color)
    {
        return Testing::CountPixels(&m_grid, m_grid.GetSquareRect(nCol, nRow), color);
    }
    void Tap(int nCol, int nRow) { Testing::Tap(&m_grid, InSquare(m_grid, nCol, nRow)); }

    CGridWnd m_grid;
    std::unique_ptr<CCrossWordPuzzle> m_pPuzzle;
};

TEST_F(GridTest, SizesItselfToThePuzzleAndSelectsTheFirstWhiteSquareAcross)
{
    Show(std::vector<std::string>(15, std::string(15, '.')));
    EXPECT_EQ(CRect(0, 0, 336, 336), RectInParent(m_grid));
    EXPECT_EQ(CRect(4, 4, 24, 24), m_grid.GetSquareRect(0, 0));
    Show(std::vector<std::string>(10, std::string(15, '.')));
    EXPECT_EQ(CRect(0, 0, 336, 226), RectInParent(m_grid));
    m_host.m_words.clear();
    Show({"##...", "....."});
    EXPECT_EQ(CPoint(2, 0), m_grid.GetSelectedSquare());
    EXPECT_EQ(CPoint(2, 0), m_grid.GetWordStart());
    EXPECT_EQ(DIRECTION_ACROSS, m_grid.GetDirection());
    Show({"##", "##"});  // nothing to select, nothing sent
    EXPECT_EQ(DIRECTION_NONE, m_grid.GetDirection());
    ASSERT_EQ(1u, m_host.m_words.size());
    EXPECT_EQ(std::make_pair(WPARAM(1), CPoint(2, 0)), m_host.m_words[0]);

    // Without a puzzle: a white window of the old size that ignores taps.
    m_grid.SetPuzzle(nullptr);
    Testing::RunUntilIdle();
    EXPECT_EQ(0, InkPixels(&m_grid, CRect(0, 0, 50, 50), RGB(255, 255, 255)));
    EXPECT_EQ(CSize(50, 50), RectInParent(m_grid).Size());
    Tap(1, 1);
    EXPECT_EQ(CPoint(2, 0), m_grid.GetSelectedSquare());
}

TEST_F(GridTest, RefusesSizesOutsideTwoToSixtyFourAndKeepsColoursToTwentyFourBits)
{
    // Each refusal leaves the size before it: a 1 x 1 grid is a square plus
    // two lines and two margins of 2 pixels each way.
    for (const auto& [nTried, bTaken, nSide] :
         {std::tuple {2, TRUE, 10}, std::tuple {1, FALSE, 10}, std::tuple {64, TRUE, 72}, std::tuple {65, FALSE, 72},
          std::tuple {0, FALSE, 72}, std::tuple {-20, FALSE, 72}}) {
        EXPECT_EQ(m_grid.SetSquareSize(nTried), bTaken) << nTried;
        Show({"A"});
        EXPECT_EQ(CSize(nSide, nSide), RectInParent(m_grid).Size()) << nTried;
    }
    for (auto [pSet, pGet] : {std::pair {&CGridWnd::SetLetterFontSize, &CGridWnd::GetLetterFontSize},
                              std::pair {&CGridWnd::SetNumberFontSize, &CGridWnd::GetNumberFontSize}}) {
        EXPECT_TRUE((m_grid.*pSet)(64));
        EXPECT_FALSE((m_grid.*pSet)(65));
        EXPECT_FALSE((m_grid.*pSet)(1));
        EXPECT_EQ((m_grid.*pGet)(), 64);
        EXPECT_TRUE((m_grid.*pSet)(2));
        EXPECT_EQ((m_grid.*pGet)(), 2);
    }

    // The top byte of a colour means nothing and never reaches the screen or
    // the settings; slots beyond the eight do not exist.
    Show({"AB", "CD"});
    m_grid.SetColor(GRID_BACKGROUND, 0xFF102030);
    m_grid.SetColor(-1, RGB(1, 1, 1));
    m_grid.SetColor(NUM_GRID_COLORS, RGB(1, 1, 1));
    Repaint();
    EXPECT_EQ(COLORREF(0x102030), Fill(0, 1));
    for (int i = 0; i < NUM_GRID_COLORS; ++i)
        EXPECT_EQ(i == GRID_BACKGROUND ? COLORREF(0x102030) : kSlots[i], m_grid.GetColor(i)) << i;
    EXPECT_EQ(COLORREF(0), m_grid.GetColor(NUM_GRID_COLORS));

    // Any true value shows the numbers, and is kept as the 1 the store takes.
    m_grid.SetShowNumbers(7);
    EXPECT_EQ(TRUE, m_grid.GetShowNumbers());
}

TEST_F(GridTest, EverySlotColoursItsSquaresAndLetters)
{
    Show({"...", ".#.", "..."});  // the selected word is the top row
    Put(1, 0, u'X', FALSE);  // wrong letters, unchecked and checked,
    Put(2, 0, u'X', TRUE);  // in the selected word
    Put(0, 2, u'X', TRUE);  // and outside it
    Put(2, 2, u'X', FALSE);
    Put(2, 1, u'Q', FALSE, FALSE);  // a letter without the filled flag
    Repaint();
    EXPECT_EQ(kSlots[GRID_BACKGROUND_SELECTED_SQUARE], Fill(0, 0));
    EXPECT_EQ(kSlots[GRID_BACKGROUND_SELECTED_WORD], Fill(2, 0));
    EXPECT_EQ(kSlots[GRID_BACKGROUND], Fill(0, 1));
    EXPECT_EQ(kSlots[GRID_SOLID], Fill(1, 1));
    EXPECT_EQ(RGB(0, 0, 0), Testing::PixelAt(&m_grid, 25, 30));  // lines and margins keep
    EXPECT_EQ(RGB(255, 255, 255), Testing::PixelAt(&m_grid, 0, 30));
    EXPECT_GT(Ink(1, 0, kSlots[GRID_FOREGROUND_SELECTED_WORD]), 0);
    EXPECT_EQ(0, Ink(1, 0, kSlots[GRID_FOREGROUND_SELECTED_INCORRECT]));
    EXPECT_GT(Ink(2, 0, kSlots[GRID_FOREGROUND_SELECTED_INCORRECT]), 0);
    EXPECT_GT(Ink(0, 2, kSlots[GRID_FOREGROUND_INCORRECT]), 0);
    EXPECT_GT(Ink(2, 2, kSlots[GRID_FOREGROUND]), 0);
    EXPECT_EQ(0, Ink(2, 2, kSlots[GRID_FOREGROUND_INCORRECT]));
    EXPECT_EQ(0, InkPixels(&m_grid, m_grid.GetSquareRect(2, 1), kSlots[GRID_BACKGROUND]));
}

TEST_F(GridTest, NumbersOnlyWhenSwitchedOnInTheTopLeftCorner)
{
    Show({"...", ".#.", "..."});  // numbers at (0,0), (2,0) (down only) and (0,2)
    auto ink = [this](int nCol, int nRow) {
        return InkPixels(&m_grid, m_grid.GetSquareRect(nCol, nRow), Fill(nCol, nRow));
    };
    EXPECT_EQ(0, ink(0, 0) + ink(2, 0) + ink(0, 2));
    m_grid.SetShowNumbers(TRUE);
    Repaint();
    EXPECT_TRUE(ink(0, 0) > 0 && ink(2, 0) > 0 && ink(0, 2) > 0);
    EXPECT_EQ(0, ink(1, 0));
    const CRect rc = m_grid.GetSquareRect(2, 0);
    EXPECT_EQ(0, InkPixels(&m_grid, CRect(rc.left + 12, rc.top, rc.right, rc.bottom), Fill(2, 0)));
}

TEST_F(GridTest, PartialPaintsGiveTheSamePixelsAsAFullPaint)
{
    std::mt19937 random(7);
    // As wide as a grid can be; fewer rows keep the test quick.
    std::vector<std::string> rows(40, std::string(255, '.'));
    std::string gext;  // and every fifth square or so circled
    for (auto& row : rows) {
        for (char& ch : row) {
            ch = random() % 6 == 0 ? '#' : static_cast<char>('A' + random() % 26);
            gext.push_back(random() % 5 == 0 ? '\x80' : '\0');
        }
    }
    Show(PuzzleFileWriter(rows).Section("GEXT", gext));
    m_grid.SetShowNumbers(TRUE);
    for (int i = 0; i < 5000; i++) {
        const int nCol = static_cast<int>(random() % 255), nRow = static_cast<int>(random() % 40);
        if (!m_pPuzzle->IsBlack(nCol, nRow))
            Put(nCol, nRow, static_cast<WCHAR>(u'A' + random() % 26), random() % 2);
    }
    Repaint();
    const CRect areas[] = {{0, 0, 9, 9},
                           {3, 3, 70, 41},
                           {5000, 121, 5033, 160},
                           {2001, 603, 2047, 647},
                           m_grid.GetSquareRect(100, 20),
                           {5590, 860, 5616, 886},
                           {47, 500, 48, 600}};
    for (const CRect& area : areas) {
        std::vector<COLORREF> pixels[2];  // after the full paint, after a paint of the area alone
        for (auto& seen : pixels) {
            for (int y = area.top; y < area.bottom; y++)
                for (int x = area.left; x < area.right; x++)
                    seen.push_back(Testing::PixelAt(&m_grid, x, y));
            CClientDC(&m_grid).FillSolidRect(&area, RGB(255, 0, 255));
            m_grid.InvalidateRect(&area, FALSE);
            m_grid.UpdateWindow();
        }
        EXPECT_EQ(pixels[0], pixels[1]) << area.left << "," << area.top;
    }
}

TEST_F(GridTest, TapsHitASquareWithTheLinesRightOfAndBelowIt)
{
    Show(std::vector<std::string>(15, std::string(15, '.')));
    CPoint pt;
    for (int x : {-17, 0, 25, 26, 47}) {
        ASSERT_TRUE(m_grid.HitTest(CPoint(x, 30), pt)) << x;
        EXPECT_EQ(CPoint(x < 26 ? 0 : 1, 1), pt) << x;
    }
    for (CPoint miss : {CPoint(-18, 30), CPoint(334, 30), CPoint(30, 334)})
        EXPECT_FALSE(m_grid.HitTest(miss, pt));
    Testing::Tap(&m_grid, CPoint(26, 25));
    Testing::Tap(&m_grid, CPoint(334, 25));
    EXPECT_EQ(CPoint(1, 0), m_grid.GetSelectedSquare());
}

// Where a tap moves the selection is the navigator's; here, that the grid
// shows it at once and tells its host only when the word changes.
TEST_F(GridTest, TapsRedrawTheSelectionAtOnce)
{
    Show({"...", "...", "#.."});
    m_host.m_words.clear();
    Tap(0, 0);  // the selected square: turns down, drawn at once
    EXPECT_EQ(kSlots[GRID_BACKGROUND], Fill(1, 0));
    EXPECT_EQ(kSlots[GRID_BACKGROUND_SELECTED_WORD], Fill(0, 1));
    Tap(0, 1);  // in the word: only the square moves
    EXPECT_EQ(kSlots[GRID_BACKGROUND_SELECTED_WORD], Fill(0, 0));
    EXPECT_EQ(kSlots[GRID_BACKGROUND_SELECTED_SQUARE], Fill(0, 1));
    Tap(0, 2);  // black: takes the square, keeps the word
    EXPECT_EQ(CPoint(0, 2), m_grid.GetSelectedSquare());
    EXPECT_EQ(kSlots[GRID_BACKGROUND_SELECTED_WORD], Fill(0, 1));
    EXPECT_EQ(kSlots[GRID_SOLID], Fill(0, 2));
    EXPECT_EQ(1u, m_host.m_words.size());
}

// Where the extra sections of a file put circles: squares by row-major index.
std::string Circled(int nSquares, std::initializer_list<int> squares)
{
    std::string gext(static_cast<std::size_t>(nSquares), '\0');
    for (int i : squares)
        gext[static_cast<std::size_t>(i)] = '\x80';
    return gext;
}

TEST_F(GridTest, CirclesTouchEachInnerEdgeInTheForegroundOfTheirSquare)
{
    // Circled: the selected square (0,0), the word's (1,0), (0,2) outside it,
    // the black square (1,1), and (2,2) outside the word with a wrong letter.
    const auto writer = PuzzleFileWriter({"...", ".#.", "..."}).Section("GEXT", Circled(9, {0, 1, 4, 6, 8}));
    for (int nSize : {2, 5, 12, 20, 33, 64}) {
        SCOPED_TRACE(nSize);
        m_grid.SetSquareSize(nSize);
        Show(writer);
        Put(2, 2, u'X', TRUE);
        Repaint();
        const struct {
            int nCol, nRow;
            GridColor fore, back;
        } circles[] = {
            {0, 0, GRID_FOREGROUND_SELECTED_WORD, GRID_BACKGROUND_SELECTED_SQUARE},
            {1, 0, GRID_FOREGROUND_SELECTED_WORD, GRID_BACKGROUND_SELECTED_WORD},
            {0, 2, GRID_FOREGROUND, GRID_BACKGROUND},
            {2, 2, GRID_FOREGROUND, GRID_BACKGROUND},
        };
        for (const auto& circle : circles) {
            // Interior: margin and line, then a pitch of size plus line per square.
            const int left = 4 + circle.nCol * (nSize + 2), top = 4 + circle.nRow * (nSize + 2);
            const int right = left + nSize - 1, bottom = top + nSize - 1, mid = nSize / 2;
            const COLORREF fore = kSlots[circle.fore];
            for (CPoint edge : {CPoint(left, top + mid), CPoint(right, top + mid), CPoint(left + mid, top),
                                CPoint(left + mid, bottom)})
                EXPECT_EQ(Testing::PixelAt(&m_grid, edge.x, edge.y), fore) << circle.nCol << "," << circle.nRow;
            if (nSize >= (circle.nRow == 2 && circle.nCol == 2 ? 20 : 5)) {  // the letter fills small squares
                EXPECT_EQ(Testing::PixelAt(&m_grid, left, top), kSlots[circle.back]);
                EXPECT_EQ(Testing::PixelAt(&m_grid, right, bottom), kSlots[circle.back]);
            }
            // Nothing of the circle outside the square.
            EXPECT_EQ(Testing::PixelAt(&m_grid, left - 1, top + mid), RGB(0, 0, 0));
        }
        EXPECT_EQ(0, Ink(2, 1, kSlots[GRID_FOREGROUND]));  // white and not circled
        EXPECT_EQ(Fill(1, 1), kSlots[GRID_SOLID]);
        EXPECT_EQ(0, Ink(1, 1, kSlots[GRID_FOREGROUND]));
    }
}

TEST_F(GridTest, LettersAndNumbersLieOverTheCircle)
{
    m_grid.SetSquareSize(20);
    Show(PuzzleFileWriter({"....", "....", "...."}).Section("GEXT", Circled(12, {8})));
    m_grid.SetShowNumbers(TRUE);
    Put(0, 2, u'W', TRUE);  // wrong and checked, circled, and the same without a circle
    Put(1, 2, u'W', TRUE);
    Repaint();
    const int nCircled = Ink(0, 2, kSlots[GRID_FOREGROUND_INCORRECT]);
    EXPECT_GT(nCircled, 20);
    EXPECT_EQ(nCircled, Ink(1, 2, kSlots[GRID_FOREGROUND_INCORRECT]));
    // The number stands in the corner, where the circle is not.
    const CRect rc = m_grid.GetSquareRect(0, 2);
    EXPECT_GT(Testing::CountPixels(&m_grid, CRect(rc.left, rc.top, rc.left + 4, rc.top + 4), kSlots[GRID_FOREGROUND]),
              0);
}

TEST_F(GridTest, AShownRebusSquareShowsItsWholeAnswerShrunkToFit)
{
    // "STAR" at (0,0) and (3,0), a long answer at (0,2).
    const auto writer = PuzzleFileWriter({"SEAS", "T#.T", "WA.."})
                            .Section("GRBS", std::string("\x02\0\0\x02\0\0\0\0\x06\0\0\0", 12))
                            .Section("RTBL", " 1:STAR; 5:WATERMELON;");
    for (int nSize : {20, 64}) {
        SCOPED_TRACE(nSize);
        m_grid.SetSquareSize(nSize);
        Show(writer);
        Put(0, 0, u'S', FALSE, TRUE, TRUE);  // shown
        Put(3, 0, u'S', FALSE);  // typed: the first letter only
        Put(0, 2, u'W', FALSE, TRUE, TRUE);
        Repaint();
        const CRect shown = InkBox(0, 0, kSlots[GRID_FOREGROUND_SELECTED_WORD]);
        const CRect typed = InkBox(3, 0, kSlots[GRID_FOREGROUND_SELECTED_WORD]);
        const CRect longer = InkBox(0, 2, kSlots[GRID_FOREGROUND]);
        EXPECT_GT(shown.Width(), typed.Width() + 4);
        EXPECT_LE(longer.Width(), nSize);
        EXPECT_LT(longer.Height(), typed.Height());
        // The letters grow with the square, so four of them never fit at the
        // letter size: they take a smaller one, and ten a smaller one still.
        EXPECT_LE(shown.Width(), nSize);
        EXPECT_LT(shown.Height(), typed.Height());
        EXPECT_LT(longer.Height(), shown.Height());
    }
}

// A pencilled letter is halfway between its square's letter colour and
// fill, whatever the situation; checked and wrong, it is as wrong as any.
TEST_F(GridTest, PencilledLettersTakeTheColourHalfwayToTheirSquare)
{
    Show({"...", ".#.", "..."});  // the top row selected, (0, 0) the square
    auto pencil = [this](int nCol, int nRow, WCHAR ch, BOOL bChecked) {
        Put(nCol, nRow, ch, bChecked);
        Change(nCol, nRow, [](CSquare& s) { s.m_bPencil = true; });
    };
    pencil(0, 0, u'.', FALSE);
    pencil(1, 0, u'.', FALSE);
    pencil(0, 2, u'.', FALSE);
    pencil(2, 2, u'X', TRUE);
    Put(2, 0, u'.', FALSE);  // in pen
    Repaint();
    // The halves of the slots' components, worked out by hand.
    const COLORREF crOutside = RGB(130, 130, 130);  // (10, 20, 30) and (250, 240, 230)
    const COLORREF crInWord = RGB(130, 135, 105);  // (240, 250, 10) and (20, 20, 200)
    const COLORREF crSelected = RGB(125, 185, 65);  // (240, 250, 10) and (10, 120, 120)
    EXPECT_GT(Ink(0, 2, crOutside), 0);
    EXPECT_EQ(Ink(0, 2, kSlots[GRID_FOREGROUND]), 0);
    EXPECT_GT(Ink(1, 0, crInWord), 0);
    EXPECT_EQ(Ink(1, 0, kSlots[GRID_FOREGROUND_SELECTED_WORD]), 0);
    EXPECT_GT(Ink(0, 0, crSelected), 0);
    EXPECT_GT(Ink(2, 0, kSlots[GRID_FOREGROUND_SELECTED_WORD]), 0);
    EXPECT_EQ(Ink(2, 0, crInWord), 0);
    EXPECT_GT(Ink(2, 2, kSlots[GRID_FOREGROUND_INCORRECT]), 0);
    EXPECT_EQ(Ink(2, 2, crOutside), 0);
}

// Show's letters carry a triangle in the top right corner in a colour slot
// of their own; the file's given letters have theirs in the bottom right,
// in the letter's colour.
TEST_F(GridTest, RevealedLettersCarryATriangleInTheTopRightCornerInTheirOwnColour)
{
    const COLORREF crMark = kSlots[GRID_REVEALED_MARK];
    for (const auto& [nSize, nSide] : {std::pair {20, 5}, std::pair {40, 10}}) {
        SCOPED_TRACE(nSize);
        m_grid.SetSquareSize(nSize);
        Show({"...", ".#.", "..."});
        Put(2, 2, u'.', FALSE, TRUE, TRUE);  // shown, outside the selected word
        Put(1, 0, u'.', FALSE, TRUE, TRUE);  // shown, in it
        Put(0, 2, u'.', FALSE);  // typed
        Put(2, 1, u'.', FALSE);
        Change(2, 1, [](CSquare& s) { s.m_bGiven = true; });
        Repaint();
        const int nTriangle = nSide * (nSide + 1) / 2;
        EXPECT_EQ(Ink(2, 2, crMark), nTriangle);
        EXPECT_EQ(Ink(1, 0, crMark), nTriangle);
        EXPECT_EQ(Ink(0, 2, crMark), 0);
        EXPECT_EQ(Ink(2, 1, crMark), 0);
        // Its right angle in the top right corner: the top row holds nSide
        // pixels of it, the last of its rows one, at the right edge.
        const CRect rc = m_grid.GetSquareRect(2, 2);
        EXPECT_EQ(Testing::CountPixels(&m_grid, CRect(rc.left, rc.top, rc.right, rc.top + 1), crMark), nSide);
        EXPECT_EQ(Testing::PixelAt(&m_grid, rc.right - nSide, rc.top), crMark);
        EXPECT_EQ(Testing::PixelAt(&m_grid, rc.right - 1, rc.top + nSide - 1), crMark);
        EXPECT_NE(Testing::PixelAt(&m_grid, rc.right - 2, rc.top + nSide - 1), crMark);
        EXPECT_NE(Testing::PixelAt(&m_grid, rc.right - 1, rc.bottom - 1), crMark);
        // The given letter's mark stands where the revealed one does not.
        const CRect rcGiven = m_grid.GetSquareRect(2, 1);
        EXPECT_EQ(Testing::PixelAt(&m_grid, rcGiven.right - 1, rcGiven.bottom - 1), kSlots[GRID_FOREGROUND]);
        EXPECT_EQ(Testing::PixelAt(&m_grid, rcGiven.right - 1, rcGiven.top), kSlots[GRID_BACKGROUND]);
    }
    m_grid.SetSquareSize(20);
}

// A square a check once found wrong keeps a dot in its bottom left corner,
// in the incorrect colour of its situation, after it is mended.
TEST_F(GridTest, ASquareOnceFoundWrongKeepsADotInItsBottomLeftCorner)
{
    Show({"...", ".#.", "..."});
    auto wasWrong = [this](int nCol, int nRow) {
        Put(nCol, nRow, u'.', FALSE);  // right now
        Change(nCol, nRow, [](CSquare& s) { s.m_bWasIncorrect = TRUE; });
    };
    wasWrong(2, 2);
    wasWrong(1, 0);
    Put(0, 2, u'.', FALSE);
    Repaint();
    // Three pixels square at 20 pixels, two in from the corner, clear of a bar.
    const CRect rc = m_grid.GetSquareRect(2, 2);
    const CRect rcDot(rc.left + 2, rc.bottom - 5, rc.left + 5, rc.bottom - 2);
    EXPECT_EQ(Testing::CountPixels(&m_grid, rcDot, kSlots[GRID_FOREGROUND_INCORRECT]), 9);
    EXPECT_EQ(Ink(2, 2, kSlots[GRID_FOREGROUND_INCORRECT]), 9);
    EXPECT_EQ(Ink(1, 0, kSlots[GRID_FOREGROUND_SELECTED_INCORRECT]), 9);
    EXPECT_EQ(Ink(0, 2, kSlots[GRID_FOREGROUND_INCORRECT]), 0);
}

// The rebus entry, while it is open, frames its square and shows what was
// typed whole, in the place of the square's letter; closed, the letter is back.
TEST_F(GridTest, AnOpenEntryIsFramedAndShowsItsTextWholeInPlaceOfTheLetter)
{
    Show({"...", ".#.", "..."});
    Put(0, 0, u'Q', FALSE);
    Repaint();
    const COLORREF crFore = kSlots[GRID_FOREGROUND_SELECTED_WORD];
    const CRect rc = m_grid.GetSquareRect(0, 0);
    const CRect letter = InkBox(0, 0, crFore);
    const int nLetter = Ink(0, 0, crFore);
    auto ring = [&] {
        return Testing::CountPixels(&m_grid, rc, crFore) -
               Testing::CountPixels(&m_grid, CRect(rc.left + 1, rc.top + 1, rc.right - 1, rc.bottom - 1), crFore);
    };
    EXPECT_EQ(ring(), 0);

    m_grid.ShowEntry(CPoint(0, 0), u"");
    Testing::RunUntilIdle();
    EXPECT_EQ(ring(), 4 * 20 - 4);  // a one-pixel frame, and no Q
    EXPECT_EQ(Ink(0, 0, crFore), 4 * 20 - 4);
    m_grid.ShowEntry(CPoint(0, 0), u"STAR");
    Testing::RunUntilIdle();
    const CRect text = InkBox(0, 0, crFore);
    EXPECT_GT(Ink(0, 0, crFore), 4 * 20 - 4);
    EXPECT_LT(text.Width() - 2, rc.Width());
    EXPECT_GT(Testing::CountPixels(&m_grid, CRect(rc.left + 1, rc.top + 1, rc.left + 5, rc.bottom - 1), crFore), 0);
    EXPECT_TRUE(m_grid.IsEntryShown());

    m_grid.HideEntry();
    Testing::RunUntilIdle();
    EXPECT_FALSE(m_grid.IsEntryShown());
    EXPECT_EQ(ring(), 0);
    EXPECT_EQ(Ink(0, 0, crFore), nLetter);
    EXPECT_EQ(InkBox(0, 0, crFore), letter);
}

// A rebus the player entered (kept in a puzzle file) is drawn whole, with or
// without an answer of its own, and shown or not.
TEST_F(GridTest, ThePlayersRebusEntryIsDrawnWhole)
{
    Show({"SEAS", "T#.T", "WA.."});
    Put(3, 0, u'S', FALSE);
    Put(0, 0, u'S', FALSE);
    Change(0, 0, [](CSquare& s) { s.m_strRebusEntry = u"STAR"; });
    Repaint();
    const CRect whole = InkBox(0, 0, kSlots[GRID_FOREGROUND_SELECTED_WORD]);
    const CRect single = InkBox(3, 0, kSlots[GRID_FOREGROUND_SELECTED_WORD]);
    EXPECT_GT(whole.Width(), single.Width() + 4);
}

}  // namespace
}  // namespace trellis::test

namespace trellis::test {
namespace {

TEST_F(GridTest, FontSizesHoldAtTwentyAndGrowAndShrinkWithTheSquare)
{
    // Tenths of a point: the dialogs' sizes at 20 pixels, in proportion elsewhere.
    const std::pair<int, int> letters[] = {{20, 100}, {40, 200}, {64, 320}, {30, 150}, {2, 10}, {21, 105}};
    for (const auto& [nSize, nTenths] : letters) {
        ASSERT_TRUE(m_grid.SetSquareSize(nSize));
        EXPECT_EQ(m_grid.FontTenths(10), nTenths) << nSize;
    }
    ASSERT_TRUE(m_grid.SetSquareSize(3));
    EXPECT_EQ(m_grid.FontTenths(6), 9);
    EXPECT_EQ(m_grid.FontTenths(2), 3);
    ASSERT_TRUE(m_grid.SetSquareSize(2));
    EXPECT_EQ(m_grid.FontTenths(2), 2);

    // On the screen: at twice the square, a letter twice as tall, as far down.
    CRect boxes[2];
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(m_grid.SetSquareSize(20 * (i + 1)));
        Show({"WWW", "W#W"});
        Put(0, 1, u'W', FALSE);
        Repaint();
        boxes[i] = InkBox(0, 1, kSlots[GRID_FOREGROUND]);
        const CRect rcSquare = m_grid.GetSquareRect(0, 1);
        boxes[i].OffsetRect(-rcSquare.left, -rcSquare.top);
        ASSERT_FALSE(boxes[i].IsRectEmpty()) << i;
    }
    EXPECT_NEAR(boxes[1].Height(), 2 * boxes[0].Height(), 2);
    EXPECT_NEAR(boxes[1].Width(), 2 * boxes[0].Width(), 3);
    EXPECT_NEAR(boxes[1].top, 2 * boxes[0].top, 2);
    EXPECT_NEAR(boxes[1].CenterPoint().x, 2 * boxes[0].CenterPoint().x, 2);
}

TEST_F(GridTest, ANewSquareSizeAppliedAtOnceKeepsTheSelection)
{
    Show({"ABCDE", "F#G#H", "IJKLM"});
    Tap(2, 1);  // the down word through the middle
    ASSERT_EQ(m_grid.GetDirection(), DIRECTION_DOWN);
    const size_t nWords = m_host.m_words.size();
    Put(2, 2, u'K', FALSE);

    ASSERT_TRUE(m_grid.SetSquareSize(40));
    m_grid.ApplySquareSize();
    Repaint();
    // The size the grid's geometry gives for 5 x 3 squares of 40 pixels.
    CRect rc;
    m_grid.GetClientRect(&rc);
    EXPECT_EQ(rc.Size(), CSize(2 + 6 * 2 + 5 * 40 + 2, 2 + 4 * 2 + 3 * 40 + 2));
    EXPECT_EQ(rc.Size(), m_grid.GetExtentAt(40));
    EXPECT_EQ(m_grid.GetSelectedSquare(), CPoint(2, 1));
    EXPECT_EQ(m_grid.GetWordStart(), CPoint(2, 0));
    EXPECT_EQ(m_host.m_words.size(), nWords);  // no word announced: none changed
    EXPECT_EQ(Fill(2, 1), kSlots[GRID_BACKGROUND_SELECTED_SQUARE]);
    EXPECT_EQ(Fill(2, 0), kSlots[GRID_BACKGROUND_SELECTED_WORD]);
    EXPECT_GT(Ink(2, 2, kSlots[GRID_FOREGROUND_SELECTED_WORD]), 40);  // the letter at its new size
    // Without a puzzle it only stores the size.
    m_grid.SetPuzzle(nullptr);
    EXPECT_EQ(m_grid.GetExtentAt(20), CSize(0, 0));
}

}  // namespace
}  // namespace trellis::test
