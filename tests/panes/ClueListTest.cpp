// SPDX-License-Identifier: MIT
// The clue lists: the selected, crossing and filled clues in their colours, a
// click that selects a word in the grid, and the lists' layout.

#include "panes/ClueListWnd.h"
#include "res/resource.h"
#include "tests/panes/PaneTest.h"
#include "tests/support/SourceGrid.h"

#include <set>

namespace trellis::test {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);  // "Background Selected Word"
// A quarter of the way from white to that blue: 255 - 255 * 64 / 256 = 192.
constexpr COLORREF kCrossingTint = RGB(192, 192, 255);
// Half of the way from black to white: 255 * 128 / 256 = 127.
constexpr COLORREF kMutedText = RGB(127, 127, 127);

// Words: across 1 (0,0)-(2,0), 4 (2,1)-(4,1), 6 (0,2)-(3,2); down 1
// (0,0)-(0,2), 2 (2,0)-(2,2), 3 (4,0)-(4,1), 5 (3,1)-(3,2).
const std::vector<std::string> kGrid = {"...#.", ".#...", "....#"};
const std::vector<std::string> kClues = {"Pet", "Taxi", "Plant", "Ribbon", "Tan", "Owl", "Dance"};
// Entries of each list.
constexpr int k1A = 0, k4A = 1, k6A = 2;
constexpr int k1D = 0, k5D = 3;

// Counts the items the lists ask it to draw.
class CCountingLists : public CClueListWnd {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_DRAWITEM)
            m_drawn.insert(
                {static_cast<int>(wParam), static_cast<int>(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam)->itemID)});
        return CClueListWnd::WindowProc(message, wParam, lParam);
    }
    std::set<std::pair<int, int>> m_drawn;  // control id, item
};

class ClueListTest : public HostTest {
protected:
    void SetUp() override
    {
        m_nHostWidth = 760;
        m_nHostHeight = 300;
        HostTest::SetUp();
        ASSERT_TRUE(m_grid.Create(nullptr, u"Puzzle", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &m_host, IDC_GRID_WND));
        ASSERT_TRUE(
            m_lists.Create(nullptr, u"lists", WS_CHILD | WS_VISIBLE, CRect(340, 0, 760, 300), &m_host, IDC_CLUE_LISTS));
        m_lists.SetGrid(&m_grid);
        Load(kGrid, kClues);
    }
    void Load(const std::vector<std::string>& rows, const std::vector<std::string>& clues = {})
    {
        m_pPuzzle = MakePuzzle(rows, clues);
        m_lists.SetPuzzle(m_pPuzzle.get());
        m_grid.SetPuzzle(m_pPuzzle.get());
        m_lists.ShowSelection();
        Settle();
    }
    // Until every paint is over.
    void Settle()
    {
        for (size_t nDrawn = SIZE_MAX; nDrawn != m_lists.m_drawn.size();) {
            nDrawn = m_lists.m_drawn.size();
            Testing::RunUntilIdle();
        }
    }
    CListBox& List(int nDirection) { return m_lists.GetList(nDirection); }
    CRect Item(int nDirection, int nEntry)
    {
        CRect rc;
        EXPECT_EQ(List(nDirection).GetItemRect(nEntry, &rc), LB_OKAY);
        return rc;
    }
    // The item's fill, read in its top left corner where no text reaches.
    COLORREF Fill(int nDirection, int nEntry)
    {
        const CRect rc = Item(nDirection, nEntry);
        return Testing::PixelAt(&List(nDirection), rc.left + 1, rc.top + 1);
    }
    int PixelsOf(int nDirection, int nEntry, COLORREF color)
    {
        return Testing::CountPixels(&List(nDirection), Item(nDirection, nEntry), color);
    }
    // The darkest grey of the item's black-on-white text: the text colour,
    // which smoothing only lightens.
    int DarkestGrey(int nDirection, int nEntry)
    {
        for (int n = 0; n < 256; n++) {
            if (PixelsOf(nDirection, nEntry, RGB(n, n, n)) > 0)
                return n;
        }
        return 256;
    }
    void PutLetter(int nCol, int nRow, bool bFilled = true)
    {
        CSquare square = m_pPuzzle->GetSquare(nCol, nRow);
        square.m_chLetter = bFilled ? u'X' : u' ';
        square.m_bFilled = bFilled ? TRUE : FALSE;
        m_pPuzzle->SetSquare(nCol, nRow, square);
        m_lists.SquareChanged(nCol, nRow);
    }

    CGridWnd m_grid;
    CCountingLists m_lists;
    std::unique_ptr<CCrossWordPuzzle> m_pPuzzle;
};

TEST_F(ClueListTest, TheSelectedClueTakesTheWordsColoursAndTheCrossingOneATint)
{
    // 1 Across is selected at its first square, which 1 Down crosses.
    ASSERT_EQ(List(DIRECTION_ACROSS).GetCount(), 3);
    ASSERT_EQ(List(DIRECTION_DOWN).GetCount(), 4);
    EXPECT_EQ(List(DIRECTION_ACROSS).GetCurSel(), k1A);
    EXPECT_EQ(List(DIRECTION_DOWN).GetCurSel(), -1);
    EXPECT_EQ(Fill(DIRECTION_ACROSS, k1A), kBlue);
    EXPECT_GT(PixelsOf(DIRECTION_ACROSS, k1A, kWhite), 0);  // its text
    EXPECT_EQ(Fill(DIRECTION_DOWN, k1D), kCrossingTint);
    EXPECT_EQ(Fill(DIRECTION_ACROSS, k4A), kWhite);
    EXPECT_GT(PixelsOf(DIRECTION_ACROSS, k4A, kBlack), 0);
    EXPECT_EQ(Fill(DIRECTION_DOWN, k5D), kWhite);

    // Down the grid's fourth column: 5 Down selected, 4 Across crosses at (3, 1).
    Testing::Tap(&m_grid, InSquare(m_grid, 3, 1));
    Testing::Tap(&m_grid, InSquare(m_grid, 3, 1));
    ASSERT_EQ(m_grid.GetDirection(), DIRECTION_DOWN);
    m_lists.ShowSelection();
    Settle();
    EXPECT_EQ(List(DIRECTION_DOWN).GetCurSel(), k5D);
    EXPECT_EQ(List(DIRECTION_ACROSS).GetCurSel(), -1);
    EXPECT_EQ(Fill(DIRECTION_DOWN, k5D), kBlue);
    EXPECT_EQ(Fill(DIRECTION_ACROSS, k4A), kCrossingTint);
    EXPECT_EQ(Fill(DIRECTION_ACROSS, k1A), kWhite);
    EXPECT_EQ(Fill(DIRECTION_DOWN, k1D), kWhite);

    // The grid's own colours, whatever they are: a tint of slot 4 on slot 1.
    m_grid.SetColor(GRID_BACKGROUND_SELECTED_WORD, RGB(200, 0, 0));
    m_lists.AllSquaresChanged();
    Settle();
    EXPECT_EQ(Fill(DIRECTION_DOWN, k5D), RGB(200, 0, 0));
    EXPECT_EQ(Fill(DIRECTION_ACROSS, k4A), RGB(242, 192, 192));
}

TEST_F(ClueListTest, AClueWhoseSquaresAreAllFilledIsMutedAndOnlyTheChangedCluesAreDrawn)
{
    EXPECT_GT(PixelsOf(DIRECTION_ACROSS, k6A, kBlack), 0);
    for (int c = 0; c < 3; c++)
        PutLetter(c, 2);
    Settle();
    EXPECT_GT(PixelsOf(DIRECTION_ACROSS, k6A, kBlack), 0) << "6 Across still lacks a letter";
    m_lists.m_drawn.clear();
    PutLetter(3, 2);
    Settle();
    // 6 Across is done; 5 Down, through the same square, is drawn again
    // but lacks (3, 1) yet; nothing else is drawn.
    EXPECT_EQ(m_lists.m_drawn, (std::set<std::pair<int, int>> {{IDC_ACROSS_LIST, k6A}, {IDC_DOWN_LIST, k5D}}));
    EXPECT_EQ(DarkestGrey(DIRECTION_ACROSS, k6A), GetRValue(kMutedText));
    EXPECT_EQ(DarkestGrey(DIRECTION_DOWN, k5D), 0);
    PutLetter(3, 1);
    Settle();
    EXPECT_EQ(DarkestGrey(DIRECTION_DOWN, k5D), GetRValue(kMutedText));
    EXPECT_EQ(DarkestGrey(DIRECTION_ACROSS, k4A), 0);
    // A cleared square brings both its clues back.
    m_lists.m_drawn.clear();
    PutLetter(3, 2, false);
    Settle();
    EXPECT_EQ(m_lists.m_drawn, (std::set<std::pair<int, int>> {{IDC_ACROSS_LIST, k6A}, {IDC_DOWN_LIST, k5D}}));
    EXPECT_EQ(DarkestGrey(DIRECTION_ACROSS, k6A), 0);
    EXPECT_EQ(DarkestGrey(DIRECTION_DOWN, k5D), 0);
}

TEST_F(ClueListTest, AClickOnAClueSelectsItsWordFromItsFirstSquare)
{
    m_host.m_words.clear();
    Testing::Tap(&List(DIRECTION_DOWN), Item(DIRECTION_DOWN, k5D).CenterPoint());
    Settle();
    // The grid announces the word as a tap does, and the lists follow it.
    ASSERT_EQ(m_host.m_words.size(), 1u);
    EXPECT_EQ(m_host.m_words[0].first, WPARAM(0));
    EXPECT_EQ(m_host.m_words[0].second, CPoint(3, 1));
    EXPECT_EQ(m_grid.GetDirection(), DIRECTION_DOWN);
    EXPECT_EQ(m_grid.GetWordStart(), CPoint(3, 1));
    EXPECT_EQ(m_grid.GetSelectedSquare(), CPoint(3, 1));
    EXPECT_EQ(List(DIRECTION_DOWN).GetCurSel(), k5D);
    EXPECT_EQ(List(DIRECTION_ACROSS).GetCurSel(), -1);
    EXPECT_EQ(m_lists.GetCrossingDirection(), DIRECTION_ACROSS);
    EXPECT_EQ(m_lists.GetCrossingEntry(), k4A);
    // The grid draws the word at once: its squares in the word's colour.
    EXPECT_EQ(Testing::PixelAt(&m_grid, InSquare(m_grid, 3, 2).x, InSquare(m_grid, 3, 2).y), kBlue);

    // The same clue again with the square moved on: only the square comes back.
    Testing::Tap(&m_grid, InSquare(m_grid, 3, 2));
    m_host.m_words.clear();
    Testing::Tap(&List(DIRECTION_DOWN), Item(DIRECTION_DOWN, k5D).CenterPoint());
    EXPECT_TRUE(m_host.m_words.empty());
    EXPECT_EQ(m_grid.GetSelectedSquare(), CPoint(3, 1));

    // An across clue turns the grid across.
    Testing::Tap(&List(DIRECTION_ACROSS), Item(DIRECTION_ACROSS, k6A).CenterPoint());
    ASSERT_EQ(m_host.m_words.size(), 1u);
    EXPECT_EQ(m_host.m_words[0].first, WPARAM(1));
    EXPECT_EQ(m_host.m_words[0].second, CPoint(0, 2));
    EXPECT_EQ(m_grid.GetSelectedSquare(), CPoint(0, 2));
}

TEST_F(ClueListTest, AClueWithoutAWordSelectsNothing)
{
    m_pPuzzle->AddClue(u"nowhere", 9, FALSE);
    m_lists.SetPuzzle(m_pPuzzle.get());
    m_lists.ShowSelection();
    Settle();
    ASSERT_EQ(List(DIRECTION_DOWN).GetCount(), 5);
    m_host.m_words.clear();
    Testing::Tap(&List(DIRECTION_DOWN), Item(DIRECTION_DOWN, 4).CenterPoint());
    EXPECT_TRUE(m_host.m_words.empty());
    EXPECT_EQ(m_grid.GetDirection(), DIRECTION_ACROSS);
    // The lists show the grid's word again.
    EXPECT_EQ(List(DIRECTION_DOWN).GetCurSel(), -1);
    EXPECT_EQ(List(DIRECTION_ACROSS).GetCurSel(), k1A);
}

TEST_F(ClueListTest, SideBySideWhenThereIsRoomAndOneAboveTheOtherWhenNot)
{
    auto rectOf = [this](int nDirection) {
        CRect rc;
        List(nDirection).GetWindowRect(&rc);
        m_lists.ScreenToClient(&rc);
        return rc;
    };
    // 420 wide: two lists of 208 with 4 between, under their headings.
    const CRect rcAcross = rectOf(DIRECTION_ACROSS), rcDown = rectOf(DIRECTION_DOWN);
    EXPECT_EQ(rcAcross.left, 0);
    EXPECT_EQ(rcAcross.Width(), 208);
    EXPECT_EQ(rcDown.left, 212);
    EXPECT_EQ(rcDown.right, 420);
    EXPECT_EQ(rcAcross.top, rcDown.top);
    EXPECT_EQ(rcAcross.bottom, 300);
    EXPECT_EQ(m_lists.GetHeadingRect(DIRECTION_ACROSS).bottom, rcAcross.top);
    EXPECT_GT(m_lists.GetHeadingRect(DIRECTION_ACROSS).Height(), 8);
    EXPECT_GT(InkPixels(&m_lists, m_lists.GetHeadingRect(DIRECTION_DOWN), GetSysColor(COLOR_BTNFACE)), 0);

    // 300 wide: the whole width each, across above down.
    m_lists.MoveWindow(460, 0, 300, 300);
    const CRect rcTop = rectOf(DIRECTION_ACROSS), rcBottom = rectOf(DIRECTION_DOWN);
    EXPECT_EQ(rcTop.Width(), 300);
    EXPECT_EQ(rcBottom.Width(), 300);
    EXPECT_EQ(rcTop.bottom + 4, m_lists.GetHeadingRect(DIRECTION_DOWN).top);
    EXPECT_EQ(rcBottom.bottom, 300);
}

// Lists without a puzzle: the puzzle window's clue list tests.
TEST_F(ClueListTest, HiddenListsFollowNothingUntilShownAndToldAgain)
{
    m_lists.ShowWindow(SW_HIDE);
    Testing::Tap(&m_grid, InSquare(m_grid, 2, 1));  // 4 Across
    m_lists.ShowSelection();
    EXPECT_EQ(List(DIRECTION_ACROSS).GetCurSel(), -1);
    m_lists.ShowWindow(SW_SHOW);
    m_lists.ShowSelection();
    EXPECT_EQ(List(DIRECTION_ACROSS).GetCurSel(), k4A);
}

TEST_F(ClueListTest, OnTheLargestGridTheSelectedAndCrossingCluesComeIntoView)
{
    // 255 x 255 with a black square in every third place of every row and
    // column: thousands of short words each way.
    std::vector<std::string> rows(255, std::string(255, 'A'));
    for (int r = 0; r < 255; r++)
        for (int c = 0; c < 255; c++)
            if ((r + c) % 3 == 2)
                rows[r][c] = '#';
    Load(rows);
    ASSERT_GT(List(DIRECTION_ACROSS).GetCount(), 10000);
    ASSERT_GT(List(DIRECTION_DOWN).GetCount(), 10000);
    // A word near the end of both lists: across from (251, 253), crossed
    // there by the down word from the same square.
    m_grid.SelectWordAt(DIRECTION_ACROSS, CPoint(251, 253));
    m_lists.ShowSelection();
    Settle();
    const CSquare square = m_pPuzzle->GetSquare(251, 253);
    auto numberOf = [this](int nDirection, int nEntry) {
        return m_lists.GetIndex().Entries(nDirection).at(static_cast<size_t>(nEntry)).m_pClue->m_nNumber;
    };
    auto inView = [this](int nDirection, int nEntry) {
        CRect rcView, rcBoth;
        List(nDirection).GetClientRect(&rcView);
        const CRect rcItem = Item(nDirection, nEntry);
        return rcBoth.IntersectRect(rcItem, rcView) && rcBoth == rcItem;
    };
    const int nSelected = List(DIRECTION_ACROSS).GetCurSel();
    ASSERT_GT(nSelected, 10000);
    EXPECT_EQ(numberOf(DIRECTION_ACROSS, nSelected), square.m_nAcrossNumber);
    EXPECT_TRUE(inView(DIRECTION_ACROSS, nSelected));
    EXPECT_EQ(Fill(DIRECTION_ACROSS, nSelected), kBlue);
    ASSERT_EQ(m_lists.GetCrossingDirection(), DIRECTION_DOWN);
    const int nCrossing = m_lists.GetCrossingEntry();
    EXPECT_EQ(numberOf(DIRECTION_DOWN, nCrossing), square.m_nDownNumber);
    EXPECT_TRUE(inView(DIRECTION_DOWN, nCrossing));
    EXPECT_EQ(Fill(DIRECTION_DOWN, nCrossing), kCrossingTint);
}

TEST_F(ClueListTest, ListsOfTheNewerFormatsGoUnderTheirOwnNames)
{
    CPuzzleSource source = SourceGrid({"AB", "CD"});
    AddList(source, "Verticali", EClueDirection::Down, {"1:ac", "2-3:bd"});
    AddList(source, "Colors", EClueDirection::Other, {"x:red"});
    source.m_aLists[1].m_aClues[0].m_aCells = {{0, 0}, {1, 0}};
    AddList(source, "Orizzontali", EClueDirection::Across, {"1:ab"});
    const auto pSource = LoadSourceGrid(source);
    m_lists.SetPuzzle(pSource.get());
    m_grid.SetPuzzle(pSource.get());
    m_lists.ShowSelection();
    Settle();
    EXPECT_EQ(m_lists.GetHeading(DIRECTION_ACROSS), CString(u"Orizzontali"));
    EXPECT_EQ(m_lists.GetHeading(DIRECTION_DOWN), CString(u"Verticali"));
    // The region list's clue is in neither list.
    EXPECT_EQ(List(DIRECTION_ACROSS).GetCount(), 1);
    EXPECT_EQ(List(DIRECTION_DOWN).GetCount(), 2);
    // A .puz file's lists keep their usual names.
    Load(kGrid, kClues);
    EXPECT_EQ(m_lists.GetHeading(DIRECTION_ACROSS), CString(u"Across"));
    EXPECT_EQ(m_lists.GetHeading(DIRECTION_DOWN), CString(u"Down"));
}

}  // namespace
}  // namespace trellis::test
