// SPDX-License-Identifier: MIT
// The owner-drawn list box without data, the placement of top-level windows
// on the desktop, and smooth fonts.

#include "TestWindows.h"

#include <map>
#include <set>

namespace {

constexpr UINT IDC_LIST = 10;
constexpr COLORREF kSelected = RGB(0, 0, 255);

// Item n is 10, 15 or 20 pixels high and filled with a colour of its own.
int HeightOf(UINT nItem)
{
    return 10 + 5 * static_cast<int>(nItem % 3);
}
COLORREF ColorOf(UINT nItem)
{
    return RGB(static_cast<int>(nItem % 200), 200, 0);
}

// Owns a list, measures and draws its items, and keeps what they tell it.
class COwnerWnd : public CWnd {
public:
    CListBox m_list;
    std::vector<UINT> m_measured;
    std::vector<UINT> m_widths;
    std::vector<UINT> m_drawn;
    std::map<UINT, UINT> m_states;
    std::vector<int> m_selChanges;  // GetCurSel() at each LBN_SELCHANGE

protected:
    // The lists of other ids get the same heights and colours, unrecorded.
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpmis)
    {
        EXPECT_EQ(lpmis->CtlType, ODT_LISTBOX);
        EXPECT_EQ(lpmis->CtlID, static_cast<UINT>(nIDCtl));
        if (nIDCtl == static_cast<int>(IDC_LIST)) {
            m_measured.push_back(lpmis->itemID);
            m_widths.push_back(lpmis->itemWidth);
        }
        lpmis->itemHeight = static_cast<UINT>(HeightOf(lpmis->itemID));
    }
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpdis)
    {
        if (nIDCtl == static_cast<int>(IDC_LIST)) {
            EXPECT_EQ(lpdis->hwndItem, m_list.m_hWnd);
            m_drawn.push_back(lpdis->itemID);
            m_states[lpdis->itemID] = lpdis->itemState;
        }
        CDC* pDC = CDC::FromHandle(lpdis->hDC);
        pDC->FillSolidRect(&lpdis->rcItem, (lpdis->itemState & ODS_SELECTED) ? kSelected : ColorOf(lpdis->itemID));
    }
    afx_msg void OnSelChange() { m_selChanges.push_back(m_list.GetCurSel()); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwnerWnd, CWnd)
    ON_WM_MEASUREITEM()
    ON_WM_DRAWITEM()
    ON_CONTROL(LBN_SELCHANGE, IDC_LIST, OnSelChange)
END_MESSAGE_MAP()

constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_OWNERDRAWVARIABLE | LBS_NODATA |
                             LBS_NOINTEGRALHEIGHT | LBS_DISABLENOSCROLL;

class ListTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_TRUE(CreateChild(m_owner, CRect(0, 0, 300, 300), 1));
        ASSERT_TRUE(m_owner.m_list.Create(nullptr, u"list", kListStyle, CRect(10, 10, 160, 110), &m_owner, IDC_LIST));
        Testing::RunUntilIdle();
    }
    CRect ItemRect(int nItem)
    {
        CRect rc;
        EXPECT_EQ(m_owner.m_list.GetItemRect(nItem, &rc), LB_OKAY) << nItem;
        return rc;
    }
    CRect Client()
    {
        CRect rc;
        m_owner.m_list.GetClientRect(&rc);
        return rc;
    }
    // Whether the item lies wholly in the list's view.
    bool InView(int nItem)
    {
        CRect rcBoth;
        const CRect rcItem = ItemRect(nItem);
        return rcBoth.IntersectRect(rcItem, Client()) && rcBoth == rcItem;
    }

    COwnerWnd m_owner;
};

TEST_F(ListTest, TheOwnerMeasuresEveryItemAtTheListsWidthAndDrawsThoseInView)
{
    CListBox& list = m_owner.m_list;
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(list.GetTopIndex(), LB_ERR);
    ASSERT_EQ(list.SetCount(40), LB_OKAY);
    Testing::RunUntilIdle();
    EXPECT_EQ(list.GetCount(), 40);
    // Every item measured, at the width its rectangle has.
    EXPECT_EQ(std::set<UINT>(m_owner.m_measured.begin(), m_owner.m_measured.end()).size(), 40u);
    ASSERT_FALSE(m_owner.m_widths.empty());
    EXPECT_EQ(static_cast<int>(m_owner.m_widths.back()), ItemRect(0).Width());
    // One after another in the heights the owner gave.
    int nTop = ItemRect(0).top;
    for (int i = 0; i < 40; i++) {
        const CRect rc = ItemRect(i);
        EXPECT_EQ(rc.top, nTop) << i;
        EXPECT_EQ(rc.Height(), HeightOf(static_cast<UINT>(i))) << i;
        nTop = rc.bottom;
    }
    // What the owner drew is what the list shows; items far out of view
    // were never drawn.
    for (int i : {0, 1, 2}) {
        const CRect rc = ItemRect(i);
        EXPECT_EQ(Testing::PixelAt(&list, rc.left + 3, rc.top + 3), ColorOf(static_cast<UINT>(i))) << i;
    }
    const std::set<UINT> drawn(m_owner.m_drawn.begin(), m_owner.m_drawn.end());
    EXPECT_EQ(drawn.count(0), 1u);
    EXPECT_EQ(drawn.count(39), 0u);
    EXPECT_EQ(list.ItemFromPoint(ItemRect(1).CenterPoint()), 1);
    EXPECT_EQ(list.ItemFromPoint(CPoint(-5, 5)), LB_ERR);
    EXPECT_EQ(list.GetItemRect(40, nullptr), LB_ERR);
    CRect rc;
    EXPECT_EQ(list.GetItemRect(-1, &rc), LB_ERR);
}

TEST_F(ListTest, TheProgramsSelectionShowsScrollsIntoViewAndTellsNobody)
{
    CListBox& list = m_owner.m_list;
    list.SetCount(100);
    Testing::RunUntilIdle();
    EXPECT_EQ(list.GetCurSel(), -1);
    EXPECT_FALSE(InView(80));
    EXPECT_EQ(list.SetCurSel(80), 80);
    Testing::RunUntilIdle();
    EXPECT_EQ(list.GetCurSel(), 80);
    EXPECT_TRUE(InView(80));
    EXPECT_GT(list.GetTopIndex(), 0);
    EXPECT_EQ(m_owner.m_states[80] & ODS_SELECTED, ODS_SELECTED);
    EXPECT_EQ(Testing::PixelAt(&list, ItemRect(80).left + 3, ItemRect(80).top + 3), kSelected);
    // Moving on draws the old one plain again.
    list.SetCurSel(79);
    Testing::RunUntilIdle();
    EXPECT_EQ(m_owner.m_states[80] & ODS_SELECTED, 0u);
    EXPECT_EQ(Testing::PixelAt(&list, ItemRect(80).left + 3, ItemRect(80).top + 3), ColorOf(80));
    // Outside the list nothing is selected.
    EXPECT_EQ(list.SetCurSel(100), LB_ERR);
    EXPECT_EQ(list.GetCurSel(), -1);
    EXPECT_EQ(list.SetCurSel(-1), -1);
    EXPECT_TRUE(m_owner.m_selChanges.empty());

    // The other ways to scroll.
    ASSERT_EQ(list.SetTopIndex(50), LB_OKAY);
    EXPECT_EQ(list.GetTopIndex(), 50);
    EXPECT_EQ(ItemRect(50).top, 0);
    EXPECT_TRUE(list.EnsureVisible(3));
    EXPECT_TRUE(InView(3));
    EXPECT_FALSE(list.EnsureVisible(100));
    EXPECT_EQ(list.SetTopIndex(100), LB_ERR);
}

TEST_F(ListTest, APressOnAnItemChoosesItAndTellsTheParentEveryTime)
{
    CListBox& list = m_owner.m_list;
    list.SetCount(5);
    Testing::RunUntilIdle();
    CWnd* pFocus = CWnd::GetFocus();
    Testing::Tap(&list, ItemRect(2).CenterPoint());
    Testing::Tap(&list, ItemRect(2).CenterPoint());
    Testing::Tap(&list, ItemRect(4).CenterPoint());
    EXPECT_EQ(m_owner.m_selChanges, (std::vector<int> {2, 2, 4}));
    EXPECT_EQ(list.GetCurSel(), 4);
    // Below the last item there is nothing to choose; the keyboard stays
    // where it was.
    Testing::Tap(&list, CPoint(20, ItemRect(4).bottom + 5));
    EXPECT_EQ(m_owner.m_selChanges.size(), 3u);
    EXPECT_EQ(CWnd::GetFocus(), pFocus);
}

// Only the items invalidated are drawn again: the clue lists' tests count them.

TEST_F(ListTest, ANewCountStartsAtTheTopWithNothingSelected)
{
    CListBox& list = m_owner.m_list;
    list.SetCount(100);
    list.SetCurSel(90);
    Testing::RunUntilIdle();
    ASSERT_GT(list.GetTopIndex(), 0);
    EXPECT_EQ(list.SetCount(7), LB_OKAY);
    Testing::RunUntilIdle();
    EXPECT_EQ(list.GetCurSel(), -1);
    EXPECT_EQ(list.GetTopIndex(), 0);
    EXPECT_EQ(list.SetCount(-1), LB_ERR);
    EXPECT_EQ(list.GetCount(), 7);
}

// The bar between two panes, dragged either way: the main window's tests.

TEST_F(WindowTest, ATopLevelWindowOpensWhereItsPlacementPutsIt)
{
    CRect rcWork;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &rcWork, 0));
    EXPECT_FALSE(rcWork.IsRectEmpty());
    // The desktop of every screen holds the main screen's work area.
    const CRect rcDesktop(CPoint(GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN)),
                          CSize(GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)));
    CRect rcBoth;
    EXPECT_TRUE(rcBoth.IntersectRect(rcDesktop, rcWork) && rcBoth == rcWork);
    EXPECT_FALSE(SystemParametersInfo(0x0029, 0, &rcWork, 0));
    EXPECT_FALSE(SystemParametersInfo(SPI_GETWORKAREA, 0, nullptr, 0));

    CWnd top;
    ASSERT_TRUE(top.CreateEx(0, AfxRegisterWndClass(0), u"top", WS_OVERLAPPED, CRect(0, 0, 100, 80), nullptr, 0));
    WINDOWPLACEMENT wp {};
    wp.length = sizeof(wp);
    wp.showCmd = SW_SHOWNORMAL;
    wp.rcNormalPosition = CRect(130, 90, 130 + 321, 90 + 123);
    ASSERT_TRUE(top.SetWindowPlacement(&wp));
    // The new size is the window's at once, before it shows.
    CRect rcClient;
    top.GetClientRect(&rcClient);
    EXPECT_EQ(rcClient.Size(), CSize(321, 123));
    top.DestroyWindow();
    // Shown, and maximised, it keeps its place: the main window's tests show
    // it at the next start.

    // A child has no place on the desktop.
    CProbeWnd child;
    ASSERT_TRUE(CreateChild(child, CRect(0, 0, 10, 10)));
    WINDOWPLACEMENT got {};
    EXPECT_FALSE(child.GetWindowPlacement(&got));
    EXPECT_FALSE(child.SetWindowPlacement(&wp));
}

TEST_F(WindowTest, OnlyAFontAskedToBeSmoothDrawsInBetweenShades)
{
    CProbeWnd wnd;
    wnd.m_bFillOnPaint = false;
    ASSERT_TRUE(CreateChild(wnd, CRect(0, 0, 200, 60)));
    Testing::RunUntilIdle();
    auto shades = [&](BYTE nQuality) {
        LOGFONT lf {};
        lf.lfHeight = -20;
        lf.lfWeight = FW_NORMAL;
        lf.lfQuality = nQuality;
        const char16_t face[] = u"Arial";
        std::copy(std::begin(face), std::end(face), lf.lfFaceName);
        CFont font;
        EXPECT_TRUE(font.CreateFontIndirect(&lf));
        CClientDC dc(&wnd);
        CRect rc(0, 0, 200, 60);
        dc.FillSolidRect(&rc, RGB(255, 255, 255));
        CFont* pOld = dc.SelectObject(&font);
        dc.SetTextColor(RGB(0, 0, 0));
        dc.SetBkMode(TRANSPARENT);
        dc.DrawText(u"Awesome", -1, &rc, DT_SINGLELINE | DT_NOPREFIX);
        dc.SelectObject(pOld);
        const int nBlack = Testing::CountPixels(&wnd, rc, RGB(0, 0, 0));
        const int nWhite = Testing::CountPixels(&wnd, rc, RGB(255, 255, 255));
        EXPECT_GT(nBlack, 0);
        return rc.Width() * rc.Height() - nBlack - nWhite;
    };
    EXPECT_EQ(shades(0), 0);
    EXPECT_GT(shades(ANTIALIASED_QUALITY), 0);
}

}  // namespace
