// SPDX-License-Identifier: MIT
// The line with the solving time: what it shows, a tick that repaints the
// time and nothing else, and a click that asks for Pause; and the grid
// while the clock is paused, which shows no letters.

#include "panes/StatusLineWnd.h"
#include "res/resource.h"
#include "tests/panes/PaneTest.h"

#include <chrono>

namespace trellis::test {
namespace {

using namespace std::chrono_literals;

const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kLetter = RGB(10, 20, 30);

class StatusLineTest : public HostTest {
protected:
    void SetUp() override
    {
        HostTest::SetUp();
        m_pPuzzle = MakePuzzle({"HEART", "EM#ER"});
        m_pPuzzle->m_timer = CSolveTimer([this] { return m_now; });
        ASSERT_TRUE(m_grid.Create(nullptr, u"Puzzle", WS_CHILD | WS_VISIBLE, CRect(), &m_host, 1000));
        m_grid.SetColor(GRID_FOREGROUND, kLetter);
        m_grid.SetShowNumbers(TRUE);
        m_grid.SetPuzzle(m_pPuzzle.get());
        ASSERT_TRUE(m_line.Create(nullptr, u"status", WS_CHILD | WS_VISIBLE, CRect(0, 300, 400, 300), &m_host,
                                  IDC_STATUS_LINE));
        m_line.MoveWindow(0, 300, 400, m_line.GetLineHeight());
        m_line.SetPuzzle(m_pPuzzle.get());
        Testing::RunUntilIdle();
    }
    void TearDown() override
    {
        m_line.DestroyWindow();
        m_grid.DestroyWindow();
        HostTest::TearDown();
    }
    // A tick as the platform delivers it, and what it leads to.
    void Tick()
    {
        m_line.SendMessage(WM_TIMER, CStatusLineWnd::TICK_TIMER, 0);
        Testing::RunUntilIdle();
    }
    // Drawn straight into the window's image: any paint over it takes it away.
    static void Stain(CWnd& wnd, const CRect& rc) { CClientDC(&wnd).FillSolidRect(&rc, kMagenta); }
    static bool Stained(const CWnd& wnd, const CRect& rc)
    {
        return Testing::CountPixels(&wnd, rc, kMagenta) == rc.Width() * rc.Height();
    }
    // Pixels of the square not in its fill.
    int LetterInk(int nCol, int nRow)
    {
        const CRect rc = m_grid.GetSquareRect(nCol, nRow);
        return InkPixels(&m_grid, rc, Testing::PixelAt(&m_grid, rc.right - 1, rc.bottom - 1));
    }

    CSolveTimer::Clock::time_point m_now {std::chrono::hours(5)};
    std::unique_ptr<CCrossWordPuzzle> m_pPuzzle;
    CGridWnd m_grid;
    CStatusLineWnd m_line;
};

TEST_F(StatusLineTest, ShowsTheTimeAndSaysWhenThePlayerPausedIt)
{
    EXPECT_EQ(m_line.GetTimeText(), CString(u"0:00"));
    EXPECT_FALSE(m_line.IsTicking());  // no letter yet
    m_pPuzzle->m_nTimerSeconds = 750;  // the file's time
    m_pPuzzle->m_timer.Begin();
    m_line.TimerChanged();
    EXPECT_TRUE(m_line.IsTicking());
    m_now += 4500ms;
    EXPECT_EQ(m_line.GetTimeText(), CString(u"12:34"));
    EXPECT_TRUE(m_line.GetStateText().IsEmpty());
    m_pPuzzle->m_timer.SetPaused(TRUE);
    m_line.TimerChanged();
    EXPECT_FALSE(m_line.IsTicking());
    EXPECT_EQ(m_line.GetStateText(), CString(u"Paused - click here or press Ctrl+P to go on"));
    Testing::RunUntilIdle();
    // The time and the word are drawn: ink left of the line's end, in both places.
    const CRect rcTime = m_line.GetTimeRect();
    const CRect rcLine(0, 1, 400, m_line.GetLineHeight());
    EXPECT_GT(InkPixels(&m_line, rcTime, GetSysColor(COLOR_BTNFACE)), 20);
    EXPECT_GT(InkPixels(&m_line, CRect(rcTime.right, 1, 400, rcLine.bottom), GetSysColor(COLOR_BTNFACE)), 100);
    m_line.SetPuzzle(nullptr);
    EXPECT_TRUE(m_line.GetTimeText().IsEmpty());
    EXPECT_FALSE(m_line.IsTicking());
}

// A tick repaints the time alone, and only when the second shown changes:
// the rest of the line and the grid keep what was drawn into them.
TEST_F(StatusLineTest, ATickRepaintsOnlyTheTime)
{
    m_pPuzzle->m_timer.Begin();
    m_line.TimerChanged();
    Testing::RunUntilIdle();
    const CRect rcTime = m_line.GetTimeRect();
    const CRect rcInTime(rcTime.right - 6, 3, rcTime.right - 1, 6);  // right of "0:00", inside the time's room
    const CRect rcBeside(rcTime.right + 4, 3, rcTime.right + 30, 6);
    const CRect rcSquare = m_grid.GetSquareRect(1, 1);
    Stain(m_line, rcInTime);
    Stain(m_line, rcBeside);
    Stain(m_grid, rcSquare);
    m_now += 400ms;  // still 0:00
    Tick();
    EXPECT_TRUE(Stained(m_line, rcInTime));
    m_now += 700ms;  // 0:01
    Tick();
    EXPECT_EQ(m_line.GetTimeText(), CString(u"0:01"));
    EXPECT_FALSE(Stained(m_line, rcInTime));
    EXPECT_TRUE(Stained(m_line, rcBeside));
    EXPECT_TRUE(Stained(m_grid, rcSquare));
    EXPECT_TRUE(m_line.IsTicking());
}

TEST_F(StatusLineTest, AClickOnTheLineAsksForPause)
{
    Testing::Tap(&m_line, CPoint(200, 5));
    Testing::RunUntilIdle();
    EXPECT_EQ(m_host.m_commands, std::vector<UINT> {ID_PAUSE});
    // Without a puzzle there is no clock to pause.
    m_line.SetPuzzle(nullptr);
    Testing::Tap(&m_line, CPoint(10, 5));
    Testing::RunUntilIdle();
    EXPECT_EQ(m_host.m_commands.size(), 1u);
}

// While the clock is paused the grid shows no letter, pencilled or not, and
// none of the marks that say where letters were shown or wrong; the numbers
// and the squares' colours stay as before. All comes back once the clock
// goes on.
TEST_F(StatusLineTest, ThePausedGridShowsNoLettersNorTheirMarks)
{
    for (int c = 0; c < 5; ++c) {
        CSquare square = m_pPuzzle->GetSquare(c, 1);
        square.m_chLetter = u'W';
        square.m_bFilled = !square.m_bBlack;
        // (1, 1) pencilled and once wrong, (4, 1) revealed.
        square.m_bPencil = c == 1;
        square.m_bWasIncorrect = c == 1;
        square.m_bShown = c == 4;
        m_pPuzzle->SetSquare(c, 1, square);
    }
    m_grid.Invalidate(FALSE);
    Testing::RunUntilIdle();
    const int nInk = LetterInk(0, 1);
    ASSERT_GT(nInk, 10);
    const int nNumber = LetterInk(1, 0);  // 2 Down's number; its square is empty
    ASSERT_GT(nNumber, 0);
    const COLORREF crFill =
        Testing::PixelAt(&m_grid, m_grid.GetSquareRect(0, 1).right - 1, m_grid.GetSquareRect(0, 1).bottom - 1);

    const int nMarkedInk[] = {LetterInk(1, 1), LetterInk(4, 1)};
    ASSERT_GT(nMarkedInk[0], 10);
    ASSERT_GT(nMarkedInk[1], 10);

    m_pPuzzle->m_timer.SetPaused(TRUE);
    m_grid.Invalidate(FALSE);
    Testing::RunUntilIdle();
    for (const int c : {1, 4})
        EXPECT_EQ(LetterInk(c, 1), 0) << c;
    // (0, 1) holds 5 Across's number only now.
    EXPECT_LT(LetterInk(0, 1), nInk / 2);
    EXPECT_EQ(LetterInk(1, 0), nNumber);
    EXPECT_EQ(Testing::PixelAt(&m_grid, m_grid.GetSquareRect(0, 1).right - 1, m_grid.GetSquareRect(0, 1).bottom - 1),
              crFill);

    m_pPuzzle->m_timer.SetPaused(FALSE);
    m_grid.Invalidate(FALSE);
    Testing::RunUntilIdle();
    EXPECT_EQ(LetterInk(0, 1), nInk);
    EXPECT_EQ(LetterInk(1, 1), nMarkedInk[0]);
    EXPECT_EQ(LetterInk(4, 1), nMarkedInk[1]);
}

}  // namespace
}  // namespace trellis::test
