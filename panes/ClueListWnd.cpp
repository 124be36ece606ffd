// SPDX-License-Identifier: MIT
#include "panes/ClueListWnd.h"

#include "model/Clue.h"
#include "model/CrossWordPuzzle.h"
#include "model/Format.h"
#include "panes/GridWnd.h"
#include "res/resource.h"

#include <algorithm>

namespace {

constexpr LPCTSTR kHeadings[2] = {u"Across", u"Down"};
constexpr UINT kListIDs[2] = {IDC_ACROSS_LIST, IDC_DOWN_LIST};
constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_BORDER | LBS_OWNERDRAWVARIABLE | LBS_NODATA |
                             LBS_NOINTEGRALHEIGHT | LBS_DISABLENOSCROLL;

// Room round an item's text, and between its number and its text.
constexpr int kPadX = 4;
constexpr int kPadY = 2;
constexpr int kNumberGap = 6;
// Between the two lists, and round a heading's text.
constexpr int kListGap = 4;
constexpr int kHeadingPad = 3;
// Side by side when each list gets at least this much.
constexpr int kSideBySideWidth = 160;

constexpr int kTextPoints = 100;
constexpr LPCTSTR kFace = u"Arial";

// A colour part of the way from one to another, in 256ths.
COLORREF Blend(COLORREF crFrom, COLORREF crTo, int nPart)
{
    auto mix = [nPart](int a, int b) { return a + (b - a) * nPart / 256; };
    return RGB(mix(GetRValue(crFrom), GetRValue(crTo)), mix(GetGValue(crFrom), GetGValue(crTo)),
               mix(GetBValue(crFrom), GetBValue(crTo)));
}

BOOL MakeFont(CFont& font, int nTenths, LONG lWeight)
{
    // Tenths of a point at 96 dots per inch, as a point font is made.
    LOGFONT lf {};
    lf.lfHeight = -((nTenths * 96 + 360) / 720);
    lf.lfWeight = lWeight;
    // Smooth glyphs: the lists are read like any text of the desktop.
    lf.lfQuality = ANTIALIASED_QUALITY;
    std::copy_n(kFace, std::char_traits<char16_t>::length(kFace), lf.lfFaceName);
    return font.CreateFontIndirect(&lf);
}

// The clue's label: its number for a .puz file, whatever the file shows
// for the newer formats ("2-3", "A").
CString NumberText(const CClueEntry& entry)
{
    return entry.m_pClue ? CString(entry.m_pClue->m_strLabel) : CString();
}

}  // namespace

BEGIN_MESSAGE_MAP(CClueListWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_DRAWITEM()
    ON_WM_MEASUREITEM()
    ON_CONTROL(LBN_SELCHANGE, IDC_ACROSS_LIST, OnAcrossSelChange)
    ON_CONTROL(LBN_SELCHANGE, IDC_DOWN_LIST, OnDownSelChange)
END_MESSAGE_MAP()

CClueListWnd::CClueListWnd() = default;

CClueListWnd::~CClueListWnd() = default;

int CClueListWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!MakeFont(m_fontText, kTextPoints, FW_NORMAL) || !MakeFont(m_fontNumber, kTextPoints, FW_BOLD) ||
        !MakeFont(m_fontHeading, kTextPoints, FW_BOLD))
        return -1;
    const CRect rcEmpty(0, 0, 0, 0);
    for (int i = 0; i < 2; i++) {
        if (!m_aLists[i].Create(nullptr, kHeadings[i], kListStyle, rcEmpty, this, kListIDs[i]))
            return -1;
    }
    return 0;
}

int CClueListWnd::HeadingHeight() const
{
    CClientDC dc(const_cast<CClueListWnd*>(this));
    CFont* pOld = dc.SelectObject(const_cast<CFont*>(&m_fontHeading));
    const int nHeight = dc.GetTextExtent(u"Ag", 2).cy;
    dc.SelectObject(pOld);
    return nHeight + 2 * kHeadingPad;
}

CRect CClueListWnd::GetHeadingRect(int nDirection) const
{
    CRect rcList;
    const CListBox& list = const_cast<CClueListWnd*>(this)->GetList(nDirection);
    list.GetWindowRect(&rcList);
    ScreenToClient(&rcList);
    const int nHeading = HeadingHeight();
    return CRect(rcList.left, rcList.top - nHeading, rcList.right, rcList.top);
}

void CClueListWnd::OnSize(UINT /*nType*/, int cx, int cy)
{
    const int nHeading = HeadingHeight();
    auto place = [&](int nList, int x, int y, int w, int h) {
        m_aLists[nList].MoveWindow(x, y + nHeading, std::max(0, w), std::max(0, h - nHeading));
    };
    if (cx >= 2 * kSideBySideWidth + kListGap) {
        const int nLeft = (cx - kListGap) / 2;
        place(0, 0, 0, nLeft, cy);
        place(1, nLeft + kListGap, 0, cx - nLeft - kListGap, cy);
    } else {
        const int nTop = (cy - kListGap) / 2;
        place(0, 0, 0, cx, nTop);
        place(1, 0, nTop + kListGap, cx, cy - nTop - kListGap);
    }
    Invalidate(TRUE);
}

void CClueListWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    dc.FillSolidRect(&rc, GetSysColor(COLOR_BTNFACE));
    CFont* pOld = dc.SelectObject(&m_fontHeading);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
    for (int i = 0; i < 2; i++) {
        CRect rcHeading = GetHeadingRect(DirectionOf(i));
        rcHeading.DeflateRect(kPadX, 0);
        dc.DrawText(m_astrHeadings[i], &rcHeading, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    dc.SelectObject(pOld);
}

void CClueListWnd::SetPuzzle(CCrossWordPuzzle* pPuzzle)
{
    m_pPuzzle = pPuzzle;
    if (pPuzzle != nullptr)
        m_index.Build(*pPuzzle);
    else
        m_index.Clear();
    // Each list under the name the file gives it: its first list of that direction.
    for (int i = 0; i < 2; i++) {
        m_astrHeadings[i] = kHeadings[i];
        const int nDirection = DirectionOf(i);
        for (std::size_t nList = 0; pPuzzle != nullptr && nList < pPuzzle->m_anClueListDirection.size(); ++nList) {
            if (pPuzzle->m_anClueListDirection[nList] == nDirection && nList < pPuzzle->m_astrClueLists.size()) {
                m_astrHeadings[i] = pPuzzle->m_astrClueLists[nList];
                break;
            }
        }
    }
    Invalidate(TRUE);
    m_nCrossDirection = DIRECTION_NONE;
    m_nCrossEntry = CClueIndex::NO_ENTRY;
    MeasureNumbers();
    for (int i = 0; i < 2; i++)
        m_aLists[i].SetCount(static_cast<int>(m_index.Entries(DirectionOf(i)).size()));
}

void CClueListWnd::MeasureNumbers()
{
    // Labels grow down each list, but a file may list them in any order. The
    // longest is measured: digits are all as wide.
    CClientDC dc(this);
    CFont* pOld = dc.SelectObject(&m_fontNumber);
    m_nNumberWidth = 0;
    for (int nDirection : {DIRECTION_ACROSS, DIRECTION_DOWN}) {
        const CClueEntry* pLongest = nullptr;
        for (const CClueEntry& entry : m_index.Entries(nDirection)) {
            if (entry.m_pClue &&
                (pLongest == nullptr || entry.m_pClue->m_strLabel.size() > pLongest->m_pClue->m_strLabel.size()))
                pLongest = &entry;
        }
        const CString strNumber = pLongest != nullptr ? NumberText(*pLongest) : CString(u"0");
        m_nNumberWidth =
            std::max(m_nNumberWidth, static_cast<int>(dc.GetTextExtent(strNumber.c_str(), strNumber.GetLength()).cx));
    }
    dc.SelectObject(pOld);
}

BOOL CClueListWnd::Follows() const
{
    return m_pGrid != nullptr && m_pPuzzle != nullptr && m_pGrid->GetPuzzle() == m_pPuzzle && IsWindowVisible();
}

void CClueListWnd::ShowSelection()
{
    if (!Follows()) {
        for (CListBox& list : m_aLists)
            list.SetCurSel(-1);
        return;
    }
    const int nDirection = m_pGrid->GetDirection();
    const int nOther = nDirection == DIRECTION_ACROSS ? DIRECTION_DOWN : DIRECTION_ACROSS;
    const int nSelected =
        nDirection == DIRECTION_NONE ? CClueIndex::NO_ENTRY : EntryOfWord(nDirection, m_pGrid->GetWordStart());
    const int nCrossing =
        nDirection == DIRECTION_NONE ? CClueIndex::NO_ENTRY : EntryOfWord(nOther, m_pGrid->GetSelectedSquare());
    if (nDirection != DIRECTION_NONE) {
        GetList(nDirection).SetCurSel(nSelected);
        GetList(nOther).SetCurSel(-1);
    } else {
        for (CListBox& list : m_aLists)
            list.SetCurSel(-1);
    }

    const int nCrossDirection = nCrossing == CClueIndex::NO_ENTRY ? DIRECTION_NONE : nOther;
    if (nCrossDirection != m_nCrossDirection || nCrossing != m_nCrossEntry) {
        const int nOldDirection = m_nCrossDirection;
        const int nOldEntry = m_nCrossEntry;
        m_nCrossDirection = nCrossDirection;
        m_nCrossEntry = nCrossing;
        RedrawEntry(nOldDirection, nOldEntry);
        RedrawEntry(m_nCrossDirection, m_nCrossEntry);
    }
    if (m_nCrossEntry != CClueIndex::NO_ENTRY)
        GetList(m_nCrossDirection).EnsureVisible(m_nCrossEntry);
}

int CClueListWnd::EntryOfWord(int nDirection, CPoint pt) const
{
    if (!m_pPuzzle->m_bDiagramless)
        return m_index.EntryAt(nDirection, pt);
    const CGridNavigator navigator(*m_pPuzzle);
    const CPoint ptStart = navigator.WordStartOf(pt, nDirection);
    const int nNumber = navigator.IsInside(ptStart) ? navigator.NumberOf(ptStart, nDirection) : 0;
    return nNumber != 0 ? m_index.EntryNumbered(nDirection, nNumber) : CClueIndex::NO_ENTRY;
}

void CClueListWnd::SquareChanged(int nCol, int nRow)
{
    if (!Follows())
        return;
    for (int nDirection : {DIRECTION_ACROSS, DIRECTION_DOWN})
        RedrawEntry(nDirection, m_index.EntryAt(nDirection, CPoint(nCol, nRow)));
}

void CClueListWnd::AllSquaresChanged()
{
    for (CListBox& list : m_aLists)
        list.Invalidate(FALSE);
}

void CClueListWnd::RedrawEntry(int nDirection, int nEntry)
{
    if (nDirection == DIRECTION_NONE || nEntry == CClueIndex::NO_ENTRY)
        return;
    CListBox& list = GetList(nDirection);
    CRect rc;
    if (list.GetItemRect(nEntry, &rc) != LB_ERR)
        list.InvalidateRect(&rc, FALSE);
}

int CClueListWnd::DirectionOfControl(int nIDCtl) const
{
    return nIDCtl == IDC_ACROSS_LIST ? DIRECTION_ACROSS : nIDCtl == IDC_DOWN_LIST ? DIRECTION_DOWN : DIRECTION_NONE;
}

void CClueListWnd::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    const int nDirection = DirectionOfControl(nIDCtl);
    const std::vector<CClueEntry>& entries = m_index.Entries(nDirection);
    const UINT nItem = lpMeasureItemStruct->itemID;
    CClientDC dc(this);
    CFont* pOld = dc.SelectObject(&m_fontText);
    const int nLine = dc.GetTextExtent(u"Ag", 2).cy;
    int nHeight = nLine;
    if (nItem < entries.size() && entries[nItem].m_pClue) {
        const int nTextLeft = kPadX + m_nNumberWidth + kNumberGap;
        CRect rcText(0, 0, std::max(nLine, static_cast<int>(lpMeasureItemStruct->itemWidth) - nTextLeft - kPadX), 0);
        const std::u16string& strText = entries[nItem].m_pClue->m_strText;
        if (!strText.empty())
            nHeight = std::max(nLine, dc.DrawText(strText.c_str(), static_cast<int>(strText.size()), &rcText,
                                                  DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX));
    }
    dc.SelectObject(pOld);
    lpMeasureItemStruct->itemHeight = static_cast<UINT>(nHeight + 2 * kPadY);
}

void CClueListWnd::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    const int nDirection = DirectionOfControl(nIDCtl);
    const std::vector<CClueEntry>& entries = m_index.Entries(nDirection);
    const UINT nItem = lpDrawItemStruct->itemID;
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    CRect rc(lpDrawItemStruct->rcItem);
    if (pDC == nullptr || m_pGrid == nullptr || nItem >= entries.size())
        return;
    const CClueEntry& entry = entries[nItem];
    const int nEntry = static_cast<int>(nItem);

    // The selected word's clue in the grid's colours for that word, the
    // crossing one on a light tint of them, the rest as white squares are.
    COLORREF crBack = m_pGrid->GetColor(GRID_BACKGROUND);
    COLORREF crText = m_pGrid->GetColor(GRID_FOREGROUND);
    if (lpDrawItemStruct->itemState & ODS_SELECTED) {
        crBack = m_pGrid->GetColor(GRID_BACKGROUND_SELECTED_WORD);
        crText = m_pGrid->GetColor(GRID_FOREGROUND_SELECTED_WORD);
    } else if (nDirection == m_nCrossDirection && nEntry == m_nCrossEntry) {
        crBack = Blend(crBack, m_pGrid->GetColor(GRID_BACKGROUND_SELECTED_WORD), 64);
    }
    // A clue whose word is all filled in steps back (not on a diagramless
    // puzzle, where that would tell where the word is).
    if (m_pPuzzle != nullptr && !m_pPuzzle->m_bDiagramless && m_index.IsFilled(*m_pPuzzle, nDirection, nEntry))
        crText = Blend(crText, crBack, 128);

    pDC->FillSolidRect(&rc, crBack);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(crText);
    rc.DeflateRect(kPadX, kPadY);
    CRect rcNumber(rc.left, rc.top, rc.left + m_nNumberWidth, rc.bottom);
    CFont* pOld = pDC->SelectObject(&m_fontNumber);
    pDC->DrawText(NumberText(entry), &rcNumber, DT_RIGHT | DT_NOPREFIX);
    pDC->SelectObject(&m_fontText);
    CRect rcText(rcNumber.right + kNumberGap, rc.top, rc.right, rc.bottom);
    if (entry.m_pClue)
        pDC->DrawText(entry.m_pClue->m_strText.c_str(), static_cast<int>(entry.m_pClue->m_strText.size()), &rcText,
                      DT_WORDBREAK | DT_NOPREFIX);
    pDC->SelectObject(pOld);
}

void CClueListWnd::OnAcrossSelChange()
{
    Choose(DIRECTION_ACROSS);
}

void CClueListWnd::OnDownSelChange()
{
    Choose(DIRECTION_DOWN);
}

void CClueListWnd::Choose(int nDirection)
{
    const int nEntry = GetList(nDirection).GetCurSel();
    const std::vector<CClueEntry>& entries = m_index.Entries(nDirection);
    if (Follows() && nEntry >= 0 && nEntry < static_cast<int>(entries.size())) {
        const CClueEntry& entry = entries[static_cast<std::size_t>(nEntry)];
        if (entry.m_nLength > 0 && !m_pPuzzle->m_bDiagramless)
            m_pGrid->SelectWordAt(nDirection, entry.m_ptStart);
    }
    // A clue without a word selects nothing: the lists show the grid's word again.
    ShowSelection();
}
