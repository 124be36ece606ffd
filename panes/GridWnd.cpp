// SPDX-License-Identifier: MIT
#include "panes/GridWnd.h"

#include "model/CrossWordPuzzle.h"
#include "model/Format.h"

#include <algorithm>

namespace {

// Rebus answers shrink to fit their square, but not below this size.
constexpr int kMinRebusPoints = 4;

// Division rounding toward minus infinity, for positions left of or above the grid.
int FloorDiv(int a, int b)
{
    int q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

LPARAM PackSquare(CPoint pt)
{
    return static_cast<LPARAM>((static_cast<DWORD>(static_cast<WORD>(pt.y)) << 16) | static_cast<WORD>(pt.x));
}

}  // namespace

BEGIN_MESSAGE_MAP(CGridWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

CGridWnd::CGridWnd() = default;

CGridWnd::~CGridWnd()
{
    DropFont(m_pNumberFont);
    DropFont(m_pLetterFont);
}

BOOL CGridWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.lpszClass = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, nullptr,
                                       reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1)), nullptr);
    cs.style &= ~WS_BORDER;
    return CWnd::PreCreateWindow(cs);
}

BOOL CGridWnd::SetSquareSize(int nSize)
{
    return SETTING_SQUARE_SIZE.Store(nSize, m_nSquareSize);
}

BOOL CGridWnd::SetLetterFontSize(int nPoints)
{
    if (!SETTING_LETTER_FONT_SIZE.Store(nPoints, m_nLetterFontSize))
        return FALSE;
    DropFont(m_pLetterFont);
    return TRUE;
}

BOOL CGridWnd::SetNumberFontSize(int nPoints)
{
    if (!SETTING_NUMBER_FONT_SIZE.Store(nPoints, m_nNumberFontSize))
        return FALSE;
    DropFont(m_pNumberFont);
    return TRUE;
}

void CGridWnd::SetFontName(LPCTSTR lpszFace)
{
    m_strFontName = CString(lpszFace);
    DropFont(m_pNumberFont);
    DropFont(m_pLetterFont);
    m_rebusFonts.clear();
}

void CGridWnd::SetColor(int nSlot, COLORREF color)
{
    if (nSlot >= 0 && nSlot < NUM_GRID_COLORS)
        m_colors[nSlot] = color & COLOR_BITS;
}

COLORREF CGridWnd::GetColor(int nSlot) const
{
    return nSlot >= 0 && nSlot < NUM_GRID_COLORS ? m_colors[nSlot] : RGB(0, 0, 0);
}

void CGridWnd::DropFont(CFont*& pFont)
{
    delete pFont;
    pFont = nullptr;
}

void CGridWnd::CreateFonts()
{
    struct {
        CFont*& pFont;
        int nPoints;
    } fonts[] = {
        {m_pLetterFont, m_nLetterFontSize},
        {m_pNumberFont, m_nNumberFontSize},
    };
    for (auto& font : fonts) {
        if (font.pFont != nullptr)
            continue;
        font.pFont = new CFont;
        if (!font.pFont->CreatePointFont(font.nPoints * 10, m_strFontName.GetString()))
            DropFont(font.pFont);
    }
}

void CGridWnd::SetPuzzle(CCrossWordPuzzle* pPuzzle)
{
    m_pPuzzle = pPuzzle;
    if (m_pPuzzle == nullptr) {
        Invalidate(TRUE);
        return;
    }
    ResizeToPuzzle();
    CreateFonts();

    m_nDirection = DIRECTION_NONE;
    for (int nRow = 0; nRow < m_pPuzzle->m_nHeight; nRow++) {
        for (int nCol = 0; nCol < m_pPuzzle->m_nWidth; nCol++) {
            if (!m_pPuzzle->IsBlack(nCol, nRow)) {
                m_ptSelected = CPoint(nCol, nRow);
                SelectWord(DIRECTION_ACROSS, m_ptSelected);
                return;
            }
        }
    }
}

void CGridWnd::ResizeToPuzzle()
{
    const int nWidth =
        (m_pPuzzle->m_nWidth + 1) * m_nLineWidth + m_pPuzzle->m_nWidth * m_nSquareSize + m_nLeftMargin + m_nRightMargin;
    const int nHeight = (m_pPuzzle->m_nHeight + 1) * m_nLineWidth + m_pPuzzle->m_nHeight * m_nSquareSize +
                        m_nTopMargin + m_nBottomMargin;
    MoveWindow(0, 0, nWidth, nHeight, TRUE);
}

// Makes a word the selected one and tells the parent; drawing is the caller's.
void CGridWnd::SelectWord(int nDirection, CPoint ptStart)
{
    m_nDirection = nDirection;
    m_ptWordStart = ptStart;
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(WM_WORDSELECTED, static_cast<WPARAM>(nDirection), PackSquare(ptStart));
}

// Makes a square the selected one and has the parent bring it into view;
// drawing is the caller's.
void CGridWnd::SetSelectedSquare(CPoint pt)
{
    m_ptSelected = pt;
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(WM_SQUARESELECTED, 0, PackSquare(pt));
}

CRect CGridWnd::GetSquareRect(int nCol, int nRow) const
{
    const int nLeft = m_nLeftMargin + m_nLineWidth + nCol * Pitch();
    const int nTop = m_nTopMargin + m_nLineWidth + nRow * Pitch();
    return CRect(nLeft, nTop, nLeft + m_nSquareSize, nTop + m_nSquareSize);
}

void CGridWnd::InvalidateSquare(int nCol, int nRow)
{
    CRect rc = GetSquareRect(nCol, nRow);
    InvalidateRect(&rc, FALSE);
}

BOOL CGridWnd::IsInside(CPoint pt) const
{
    return pt.x >= 0 && pt.y >= 0 && pt.x < m_pPuzzle->m_nWidth && pt.y < m_pPuzzle->m_nHeight;
}

BOOL CGridWnd::HasSelection() const
{
    return m_pPuzzle != nullptr && m_nDirection != DIRECTION_NONE && IsInside(m_ptSelected);
}

void CGridWnd::SquareSpan(int nLow, int nHigh, int nOrigin, int nCount, int& nFirst, int& nLast) const
{
    // Square i covers [nOrigin + i * pitch, nOrigin + i * pitch + m_nSquareSize).
    nFirst = std::max(0, FloorDiv(nLow - nOrigin - m_nSquareSize, Pitch()) + 1);
    nLast = std::min(nCount - 1, FloorDiv(nHigh - 1 - nOrigin, Pitch()));
}

void CGridWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    dc.FillSolidRect(&rcClient, RGB(255, 255, 255));
    if (m_pPuzzle == nullptr)
        return;

    // Only the squares and lines that meet the invalid area are visited; the
    // rest would be clipped away anyway.
    CRect rcClip;
    dc.GetClipBox(&rcClip);
    DrawGridLines(&dc, rcClip);
    DrawSquares(&dc, rcClip);
    DrawWord(&dc, TRUE);
}

void CGridWnd::DrawGridLines(CDC* pDC, const CRect& rcClip)
{
    CPen pen(PS_SOLID, m_nLineWidth, RGB(0, 0, 0));
    CPen* pOldPen = pDC->SelectObject(&pen);
    const int nRight = m_nLeftMargin + m_pPuzzle->m_nWidth * Pitch();
    const int nBottom = m_nTopMargin + m_pPuzzle->m_nHeight * Pitch();
    // A line's pixels lie within a line width either side of its position.
    auto meets = [this](int nPos, int nLow, int nHigh) {
        return nPos + m_nLineWidth >= nLow && nPos - m_nLineWidth < nHigh;
    };
    for (int i = 0; i <= m_pPuzzle->m_nWidth; i++) {
        const int x = m_nLeftMargin + i * Pitch();
        if (!meets(x, rcClip.left, rcClip.right))
            continue;
        pDC->MoveTo(x, m_nTopMargin);
        pDC->LineTo(x, nBottom);
    }
    for (int j = 0; j <= m_pPuzzle->m_nHeight; j++) {
        const int y = m_nTopMargin + j * Pitch();
        if (!meets(y, rcClip.top, rcClip.bottom))
            continue;
        pDC->MoveTo(m_nLeftMargin, y);
        pDC->LineTo(nRight, y);
    }
    pDC->SelectObject(pOldPen);
}

void CGridWnd::DrawSquares(CDC* pDC, const CRect& rcClip)
{
    pDC->SetBkMode(TRANSPARENT);
    int nFirstCol, nLastCol, nFirstRow, nLastRow;
    SquareSpan(rcClip.left, rcClip.right, m_nLeftMargin + m_nLineWidth, m_pPuzzle->m_nWidth, nFirstCol, nLastCol);
    SquareSpan(rcClip.top, rcClip.bottom, m_nTopMargin + m_nLineWidth, m_pPuzzle->m_nHeight, nFirstRow, nLastRow);
    for (int nCol = nFirstCol; nCol <= nLastCol; nCol++) {
        for (int nRow = nFirstRow; nRow <= nLastRow; nRow++) {
            DrawSquare(pDC, nCol, nRow, m_colors[GRID_FOREGROUND], m_colors[GRID_FOREGROUND_INCORRECT],
                       m_colors[GRID_BACKGROUND], m_colors[GRID_SOLID]);
        }
    }
}

void CGridWnd::DrawSquare(CDC* pDC, int nCol, int nRow, COLORREF crFore, COLORREF crForeIncorrect, COLORREF crBack,
                          COLORREF crSolid)
{
    CRect rc = GetSquareRect(nCol, nRow);
    const CSquare square = m_pPuzzle->GetSquare(nCol, nRow);
    if (square.m_bBlack) {
        pDC->FillSolidRect(&rc, crSolid);
        return;
    }
    pDC->SetBkColor(crBack);
    pDC->SetTextColor(crFore);
    pDC->FillSolidRect(&rc, crBack);
    if (square.m_bCircled)
        DrawCircle(pDC, rc, crFore);

    const int nNumber = square.m_nAcrossNumber != 0 ? square.m_nAcrossNumber : square.m_nDownNumber;
    if (nNumber != 0 && m_bShowNumbers) {
        const CString strNumber(FormatText(u"%d", nNumber));
        CFont* pOldFont = m_pNumberFont ? pDC->SelectObject(m_pNumberFont) : nullptr;
        pDC->DrawText(strNumber, &rc, 0);
        if (pOldFont)
            pDC->SelectObject(pOldFont);
    }
    if (square.m_bFilled) {
        if (square.IsIncorrect())
            pDC->SetTextColor(crForeIncorrect);
        const std::u16string* pRebus = square.m_bShown ? m_pPuzzle->GetRebus(square) : nullptr;
        if (pRebus != nullptr) {
            DrawRebus(pDC, rc, *pRebus);
        } else {
            CFont* pOldFont = m_pLetterFont ? pDC->SelectObject(m_pLetterFont) : nullptr;
            // Without DT_SINGLELINE the letter sits at the top, centred across.
            pDC->DrawText(&square.m_chLetter, 1, &rc, DT_CENTER | DT_VCENTER);
            if (pOldFont)
                pDC->SelectObject(pOldFont);
        }
        pDC->SetTextColor(crFore);
    }
}

void CGridWnd::DrawCircle(CDC* pDC, const CRect& rc, COLORREF crColor)
{
    CPen pen(PS_SOLID, 1, crColor);
    CPen* pOldPen = pDC->SelectObject(&pen);
    CGdiObject* pOldBrush = pDC->SelectStockObject(NULL_BRUSH);
    pDC->Ellipse(&rc);
    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);
}

CFont* CGridWnd::RebusFont(int nPoints)
{
    std::unique_ptr<CFont>& pFont = m_rebusFonts[nPoints];
    if (!pFont) {
        pFont = std::make_unique<CFont>();
        if (!pFont->CreatePointFont(nPoints * 10, m_strFontName.GetString()))
            pFont.reset();
    }
    return pFont.get();
}

void CGridWnd::DrawRebus(CDC* pDC, CRect& rc, const std::u16string& strText)
{
    const int nCount = static_cast<int>(strText.size());
    // The smallest size is taken when no size fits.
    CFont* pFont = nullptr;
    for (int nPoints = m_nLetterFontSize; nPoints >= std::min(m_nLetterFontSize, kMinRebusPoints); --nPoints) {
        pFont = RebusFont(nPoints);
        if (pFont == nullptr)
            break;
        CFont* pOldFont = pDC->SelectObject(pFont);
        const int nWidth = pDC->GetTextExtent(strText.c_str(), nCount).cx;
        pDC->SelectObject(pOldFont);
        if (nWidth <= rc.Width())
            break;
    }
    CFont* pOldFont = pFont ? pDC->SelectObject(pFont) : nullptr;
    pDC->DrawText(strText.c_str(), nCount, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (pOldFont)
        pDC->SelectObject(pOldFont);
}

void CGridWnd::DrawWord(CDC* pDC, BOOL bHighlight)
{
    if (m_pPuzzle == nullptr || m_nDirection == DIRECTION_NONE)
        return;
    const int nWidth = m_pPuzzle->m_nWidth;
    const int nHeight = m_pPuzzle->m_nHeight;
    CPoint pt = m_ptWordStart;
    if (pt.x < 0 || pt.y < 0 || pt.x >= nWidth || pt.y >= nHeight)
        return;

    const COLORREF crFore = m_colors[bHighlight ? GRID_FOREGROUND_SELECTED_WORD : GRID_FOREGROUND];
    const COLORREF crIncorrect = m_colors[bHighlight ? GRID_FOREGROUND_SELECTED_INCORRECT : GRID_FOREGROUND_INCORRECT];
    const COLORREF crBack = m_colors[bHighlight ? GRID_BACKGROUND_SELECTED_WORD : GRID_BACKGROUND];
    const COLORREF crSelected = m_colors[GRID_BACKGROUND_SELECTED_SQUARE];

    CRect rcClip;
    pDC->GetClipBox(&rcClip);
    for (;;) {
        CRect rcSquare = GetSquareRect(pt.x, pt.y);
        CRect rcCommon;
        if (rcCommon.IntersectRect(rcSquare, rcClip)) {
            const BOOL bSelected = bHighlight && pt == m_ptSelected;
            DrawSquare(pDC, pt.x, pt.y, crFore, crIncorrect, bSelected ? crSelected : crBack, m_colors[GRID_SOLID]);
        }
        if (m_nDirection == DIRECTION_ACROSS)
            pt.x++;
        else
            pt.y++;
        if (pt.x >= nWidth || pt.y >= nHeight || m_pPuzzle->IsBlack(pt.x, pt.y))
            break;
    }
}

BOOL CGridWnd::HitTest(CPoint point, CPoint& ptSquare) const
{
    if (m_pPuzzle == nullptr)
        return FALSE;
    // Truncating division: the first column and row also take the margin and first line.
    ptSquare.x = (point.x - m_nLineWidth - m_nLeftMargin) / Pitch();
    ptSquare.y = (point.y - m_nLineWidth - m_nTopMargin) / Pitch();
    return ptSquare.x >= 0 && ptSquare.x < m_pPuzzle->m_nWidth && ptSquare.y >= 0 && ptSquare.y < m_pPuzzle->m_nHeight;
}

void CGridWnd::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    Tap(point);
}

void CGridWnd::OnLButtonDblClk(UINT /*nFlags*/, CPoint point)
{
    Tap(point);
}

void CGridWnd::Tap(CPoint point)
{
    CPoint ptTap;
    if (HitTest(point, ptTap))
        SelectSquare(ptTap);
}

BOOL CGridWnd::SelectSquare(CPoint ptTap)
{
    CCrossWordPuzzle& puzzle = *m_pPuzzle;
    int nNewDirection = -1;
    CPoint ptStart;
    if (ptTap == m_ptSelected) {
        // A tap on the selected square turns to the other direction's word.
        if (m_nDirection == DIRECTION_DOWN && puzzle.IsInAcrossWord(ptTap.x, ptTap.y)) {
            nNewDirection = DIRECTION_ACROSS;
            ptStart = puzzle.GetAcrossStart(ptTap.x, ptTap.y);
        } else if (m_nDirection == DIRECTION_ACROSS && puzzle.IsInDownWord(ptTap.x, ptTap.y)) {
            nNewDirection = DIRECTION_DOWN;
            ptStart = puzzle.GetDownStart(ptTap.x, ptTap.y);
        } else {
            return FALSE;
        }
    } else if (!puzzle.IsBlack(ptTap.x, ptTap.y)) {
        // Keep the current direction where the square has a word in it.
        const BOOL bDown = m_nDirection == DIRECTION_DOWN ? puzzle.IsInDownWord(ptTap.x, ptTap.y)
                                                          : !puzzle.IsInAcrossWord(ptTap.x, ptTap.y);
        nNewDirection = bDown ? DIRECTION_DOWN : DIRECTION_ACROSS;
        ptStart = bDown ? puzzle.GetDownStart(ptTap.x, ptTap.y) : puzzle.GetAcrossStart(ptTap.x, ptTap.y);
    }
    if (nNewDirection == -1 || ptStart.x == -1 || ptStart.y == -1) {
        // No new word: only the square moves.
        nNewDirection = m_nDirection;
        ptStart = m_ptWordStart;
    }
    if (nNewDirection == m_nDirection && ptStart == m_ptWordStart && ptTap == m_ptSelected)
        return FALSE;
    ChangeSelection(nNewDirection, ptStart, ptTap);
    return TRUE;
}

void CGridWnd::ChangeSelection(int nDirection, CPoint ptStart, CPoint ptSquare)
{
    if (nDirection != m_nDirection || ptStart != m_ptWordStart) {
        CClientDC dc(this);
        DrawWord(&dc, FALSE);
        m_nDirection = nDirection;
        m_ptWordStart = ptStart;
        // The selected square has not moved yet.
        DrawWord(&dc, TRUE);
        SelectWord(nDirection, ptStart);
    }
    if (ptSquare != m_ptSelected) {
        // Only the squares from the old to the new selected square can look
        // different; the rest of the word would be drawn as it stands.
        CRect rcChanged;
        rcChanged.UnionRect(GetSquareRect(m_ptSelected.x, m_ptSelected.y), GetSquareRect(ptSquare.x, ptSquare.y));
        SetSelectedSquare(ptSquare);
        CClientDC dc(this);
        dc.IntersectClipRect(&rcChanged);
        DrawWord(&dc, TRUE);
    }
}

void CGridWnd::MoveSelection(int nDx, int nDy)
{
    if (!HasSelection())
        return;
    // Across the direction, an arrow first tries to turn it.
    const BOOL bAlong = (nDx != 0) == (m_nDirection == DIRECTION_ACROSS);
    if (!bAlong && SelectSquare(m_ptSelected))
        return;
    CPoint pt = m_ptSelected;
    do {
        pt.Offset(nDx, nDy);
    } while (IsInside(pt) && m_pPuzzle->IsBlack(pt.x, pt.y));
    if (IsInside(pt))
        SelectSquare(pt);
}

void CGridWnd::TurnSelection()
{
    if (HasSelection())
        SelectSquare(m_ptSelected);
}

void CGridWnd::SelectNextWord(BOOL bForward)
{
    if (!HasSelection())
        return;
    // Positions in clue order: the across starts of every square in reading
    // order (the order of their numbers), then the down starts.
    const long nWidth = m_pPuzzle->m_nWidth;
    const long nSquares = nWidth * m_pPuzzle->m_nHeight;
    const long nPositions = 2 * nSquares;
    const long nCurrent =
        (m_nDirection == DIRECTION_ACROSS ? 0 : nSquares) + m_ptWordStart.y * nWidth + m_ptWordStart.x;
    for (long n = 1; n <= nPositions; n++) {
        const long i = ((nCurrent + (bForward ? n : -n)) % nPositions + nPositions) % nPositions;
        const BOOL bAcross = i < nSquares;
        const CPoint ptStart(static_cast<int>(i % nSquares % nWidth), static_cast<int>(i % nSquares / nWidth));
        const CSquare square = m_pPuzzle->GetSquare(ptStart.x, ptStart.y);
        if ((bAcross ? square.m_nAcrossNumber : square.m_nDownNumber) == 0)
            continue;
        const CPoint step = bAcross ? CPoint(1, 0) : CPoint(0, 1);
        CPoint ptSquare = ptStart;
        for (CPoint pt = ptStart; !m_pPuzzle->IsBlack(pt.x, pt.y); pt.Offset(step.x, step.y)) {
            if (!m_pPuzzle->IsFilled(pt.x, pt.y)) {
                ptSquare = pt;
                break;
            }
        }
        ChangeSelection(bAcross ? DIRECTION_ACROSS : DIRECTION_DOWN, ptStart, ptSquare);
        return;
    }
}

BOOL CGridWnd::StepBack()
{
    if (!HasSelection())
        return FALSE;
    // Walk the word from its start; the selected square must lie past it.
    const CPoint step = m_nDirection == DIRECTION_ACROSS ? CPoint(1, 0) : CPoint(0, 1);
    CPoint ptPrevious = m_ptWordStart;
    for (CPoint pt = m_ptWordStart; !m_pPuzzle->IsBlack(pt.x, pt.y); pt.Offset(step.x, step.y)) {
        if (pt == m_ptSelected) {
            if (pt == m_ptWordStart)
                return FALSE;
            ChangeSelection(m_nDirection, m_ptWordStart, ptPrevious);
            return TRUE;
        }
        ptPrevious = pt;
    }
    return FALSE;
}

void CGridWnd::AdvanceCursor()
{
    if (m_pPuzzle == nullptr)
        return;
    CCrossWordPuzzle& puzzle = *m_pPuzzle;
    CPoint pt = m_ptSelected;
    if (m_nDirection == DIRECTION_ACROSS) {
        // Filled squares are skipped, except a checked wrong one.
        pt.x++;
        while (puzzle.IsFilled(pt.x, pt.y) && !puzzle.IsIncorrect(pt.x, pt.y) && !puzzle.IsBlack(pt.x, pt.y))
            pt.x++;
    } else {
        pt.y++;
        while (puzzle.IsFilled(pt.x, pt.y) && !puzzle.IsBlack(pt.x, pt.y))
            pt.y++;
    }
    if (puzzle.IsBlack(pt.x, pt.y)) {
        // The cursor stays on the letter just entered, which is shown too.
        SetSelectedSquare(m_ptSelected);
        return;
    }
    InvalidateSquare(m_ptSelected.x, m_ptSelected.y);
    InvalidateSquare(pt.x, pt.y);
    SetSelectedSquare(pt);
}
