// SPDX-License-Identifier: MIT
#include "panes/GridWnd.h"

#include "model/CrossWordPuzzle.h"
#include "model/Format.h"

#include <algorithm>
#include <utility>

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
    const int nOld = m_nSquareSize;
    if (!SETTING_SQUARE_SIZE.Store(nSize, m_nSquareSize))
        return FALSE;
    // The fonts are made for the square size.
    if (m_nSquareSize != nOld) {
        DropFont(m_pNumberFont);
        DropFont(m_pLetterFont);
        m_rebusFonts.clear();
    }
    return TRUE;
}

int CGridWnd::FontTenths(int nPoints) const
{
    // The dialogs' sizes hold at the default square size, and the letters
    // keep their place in larger or smaller squares.
    const long nTenths = (static_cast<long>(nPoints) * 10 * m_nSquareSize + SETTING_SQUARE_SIZE.nDefault / 2) /
                         SETTING_SQUARE_SIZE.nDefault;
    return std::max(1, static_cast<int>(nTenths));
}

void CGridWnd::ApplySquareSize()
{
    if (m_pPuzzle == nullptr)
        return;
    ResizeToPuzzle();
    CreateFonts();
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
        if (!font.pFont->CreatePointFont(FontTenths(font.nPoints), m_strFontName.GetString()))
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

    // Without a white square the old square stays, but nothing is selected.
    const CGridSelection first = CGridNavigator(*m_pPuzzle).First();
    m_nDirection = DIRECTION_NONE;
    if (first.m_nDirection == DIRECTION_NONE)
        return;
    m_ptSelected = first.m_ptSelected;
    SelectWord(first.m_nDirection, first.m_ptWordStart);
}

CSize CGridWnd::GetExtentAt(int nSquareSize) const
{
    if (m_pPuzzle == nullptr)
        return CSize(0, 0);
    return CSize((m_pPuzzle->m_nWidth + 1) * m_nLineWidth + m_pPuzzle->m_nWidth * nSquareSize + m_nLeftMargin +
                     m_nRightMargin,
                 (m_pPuzzle->m_nHeight + 1) * m_nLineWidth + m_pPuzzle->m_nHeight * nSquareSize + m_nTopMargin +
                     m_nBottomMargin);
}

void CGridWnd::ResizeToPuzzle()
{
    const CSize size = GetExtentAt(m_nSquareSize);
    MoveWindow(0, 0, size.cx, size.cy, TRUE);
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

BOOL CGridWnd::HasSelection() const
{
    return m_pPuzzle != nullptr && CGridNavigator(*m_pPuzzle).HasSelection(GetSelection());
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
    // A shaped grid has lines only around the squares it has.
    if (m_pPuzzle->GetMissingCount() == 0)
        DrawGridLines(&dc, rcClip);
    else
        DrawFrames(&dc, rcClip);
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

void CGridWnd::DrawFrames(CDC* pDC, const CRect& rcClip)
{
    CPen pen(PS_SOLID, m_nLineWidth, RGB(0, 0, 0));
    CPen* pOldPen = pDC->SelectObject(&pen);
    // The lines of a square reach a line width beyond it.
    int nFirstCol, nLastCol, nFirstRow, nLastRow;
    SquareSpan(rcClip.left - m_nLineWidth, rcClip.right + m_nLineWidth, m_nLeftMargin + m_nLineWidth,
               m_pPuzzle->m_nWidth, nFirstCol, nLastCol);
    SquareSpan(rcClip.top - m_nLineWidth, rcClip.bottom + m_nLineWidth, m_nTopMargin + m_nLineWidth,
               m_pPuzzle->m_nHeight, nFirstRow, nLastRow);
    const std::vector<CSquare>& squares = m_pPuzzle->GetSquares();
    for (int nRow = nFirstRow; nRow <= nLastRow; nRow++) {
        for (int nCol = nFirstCol; nCol <= nLastCol; nCol++) {
            const std::size_t i = static_cast<std::size_t>(nRow) * static_cast<std::size_t>(m_pPuzzle->m_nWidth) +
                                  static_cast<std::size_t>(nCol);
            if (i >= squares.size() || squares[i].m_bMissing)
                continue;
            // The same pen strokes as the whole lines, square by square, and
            // drawn the same way: left to right and top to bottom.
            const int x0 = m_nLeftMargin + nCol * Pitch(), x1 = x0 + Pitch();
            const int y0 = m_nTopMargin + nRow * Pitch(), y1 = y0 + Pitch();
            for (const auto& [from, to] :
                 {std::pair {CPoint(x0, y0), CPoint(x1, y0)}, std::pair {CPoint(x0, y1), CPoint(x1, y1)},
                  std::pair {CPoint(x0, y0), CPoint(x0, y1)}, std::pair {CPoint(x1, y0), CPoint(x1, y1)}}) {
                pDC->MoveTo(from.x, from.y);
                pDC->LineTo(to.x, to.y);
            }
        }
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
                          COLORREF crSolid, BOOL bShade)
{
    CRect rc = GetSquareRect(nCol, nRow);
    const CSquare square = m_pPuzzle->GetSquare(nCol, nRow);
    // A square that is no part of the grid stays the window's background.
    if (square.m_bMissing)
        return;
    if (IsDrawnBlack(square)) {
        // A black mark that a check found wrong is in the wrong letters' colour.
        pDC->FillSolidRect(&rc, m_pPuzzle->IsIncorrect(square) ? crForeIncorrect : crSolid);
        return;
    }
    // The square's own colour lies under everything but the selection.
    if (bShade && square.m_crShade != kNoShade)
        crBack = RGB((square.m_crShade >> 16) & 0xFF, (square.m_crShade >> 8) & 0xFF, square.m_crShade & 0xFF);
    pDC->SetBkColor(crBack);
    pDC->SetTextColor(crFore);
    pDC->FillSolidRect(&rc, crBack);
    DrawBars(pDC, nCol, nRow, rc);
    if (square.m_bCircled)
        DrawCircle(pDC, rc, crFore);

    const CString strLabel(ShowsLabel(square) ? m_pPuzzle->GetLabel(nCol, nRow) : std::u16string());
    if (!strLabel.IsEmpty() && m_bShowNumbers) {
        CFont* pOldFont = m_pNumberFont ? pDC->SelectObject(m_pNumberFont) : nullptr;
        pDC->DrawText(strLabel, &rc, DT_NOPREFIX);
        if (pOldFont)
            pDC->SelectObject(pOldFont);
    }
    // While paused the letters are hidden, and their marks with them: those
    // would tell where letters are.
    if (HidesLetters())
        return;
    if (m_bEntry && m_ptEntry == CPoint(nCol, nRow))
        DrawEntry(pDC, rc, crFore);
    else if (square.m_bFilled)
        DrawLetter(pDC, square, rc, crFore, crForeIncorrect, crBack);
    if (square.m_bFilled && square.m_bGiven)
        DrawGivenMark(pDC, rc, crFore);
    if (square.m_bFilled && square.m_bShown)
        DrawRevealedMark(pDC, rc);
    if (square.m_bWasIncorrect)
        DrawWasWrongMark(pDC, rc, crForeIncorrect);
}

COLORREF PencilColor(COLORREF crFore, COLORREF crBack)
{
    return RGB((GetRValue(crFore) + GetRValue(crBack)) / 2, (GetGValue(crFore) + GetGValue(crBack)) / 2,
               (GetBValue(crFore) + GetBValue(crBack)) / 2);
}

void CGridWnd::DrawLetter(CDC* pDC, const CSquare& square, CRect& rc, COLORREF crFore, COLORREF crForeIncorrect,
                          COLORREF crBack)
{
    if (m_pPuzzle->IsIncorrect(square))
        pDC->SetTextColor(crForeIncorrect);
    else if (square.m_bPencil)
        pDC->SetTextColor(PencilColor(crFore, crBack));
    // The player's own rebus entry, or the whole answer that Show gave.
    const std::u16string* pRebus = !square.m_strRebusEntry.empty() ? &square.m_strRebusEntry
                                   : square.m_bShown               ? m_pPuzzle->GetRebus(square)
                                                                   : nullptr;
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

void CGridWnd::DrawRevealedMark(CDC* pDC, const CRect& rc)
{
    // Larger than the given letters' mark, and in a colour of its own.
    const int nSide = std::max(3, m_nSquareSize / 4);
    for (int k = 0; k < nSide; ++k) {
        const CRect rcRow(rc.right - nSide + k, rc.top + k, rc.right, rc.top + k + 1);
        pDC->FillSolidRect(&rcRow, m_colors[GRID_REVEALED_MARK]);
    }
}

void CGridWnd::DrawWasWrongMark(CDC* pDC, const CRect& rc, COLORREF crColor)
{
    // Clear of a bar on the square's left or bottom edge.
    const int nSide = std::max(3, m_nSquareSize / 7);
    const int nInset = BarThickness();
    const CRect rcDot(rc.left + nInset, rc.bottom - nInset - nSide, rc.left + nInset + nSide, rc.bottom - nInset);
    pDC->FillSolidRect(&rcDot, crColor);
}

void CGridWnd::DrawEntry(CDC* pDC, CRect& rc, COLORREF crFore)
{
    CBrush brush(crFore);
    pDC->FrameRect(&rc, brush);
    if (!m_strEntry.empty())
        DrawRebus(pDC, rc, m_strEntry);
}

void CGridWnd::ShowEntry(CPoint ptSquare, const std::u16string& strText)
{
    if (m_bEntry && m_ptEntry != ptSquare)
        InvalidateSquare(m_ptEntry.x, m_ptEntry.y);
    m_bEntry = TRUE;
    m_ptEntry = ptSquare;
    m_strEntry = strText;
    InvalidateSquare(ptSquare.x, ptSquare.y);
}

void CGridWnd::HideEntry()
{
    if (!m_bEntry)
        return;
    m_bEntry = FALSE;
    m_strEntry.clear();
    InvalidateSquare(m_ptEntry.x, m_ptEntry.y);
}

BOOL CGridWnd::HidesLetters() const
{
    return m_pPuzzle != nullptr && m_pPuzzle->m_timer.IsPaused();
}

BOOL CGridWnd::IsDrawnBlack(const CSquare& square) const
{
    return m_pPuzzle->m_bDiagramless ? square.m_bMarkedBlack : square.m_bBlack;
}

BOOL CGridWnd::ShowsLabel(const CSquare& square) const
{
    return !m_pPuzzle->m_bDiagramless || square.m_bShown;
}

void CGridWnd::DrawSelectedMark(CDC* pDC)
{
    const CSquare* pSquare = SquareAt(m_ptSelected.x, m_ptSelected.y);
    if (!m_pPuzzle->m_bDiagramless || pSquare == nullptr || !pSquare->m_bMarkedBlack)
        return;
    const CRect rc = GetSquareRect(m_ptSelected.x, m_ptSelected.y);
    const int nFrame = std::max(2, m_nSquareSize / 6);
    const COLORREF crFrame = m_colors[GRID_BACKGROUND_SELECTED_SQUARE];
    for (const CRect& rcSide :
         {CRect(rc.left, rc.top, rc.right, rc.top + nFrame), CRect(rc.left, rc.bottom - nFrame, rc.right, rc.bottom),
          CRect(rc.left, rc.top, rc.left + nFrame, rc.bottom), CRect(rc.right - nFrame, rc.top, rc.right, rc.bottom)})
        pDC->FillSolidRect(&rcSide, crFrame);
}

void CGridWnd::DrawBars(CDC* pDC, int nCol, int nRow, const CRect& rc)
{
    // A bar is the line between two squares made thicker into both of them;
    // each square draws its own half.
    const int nThick = BarThickness();
    const CSquare* pSquare = SquareAt(nCol, nRow);
    const CSquare* pLeft = SquareAt(nCol - 1, nRow);
    const CSquare* pAbove = SquareAt(nCol, nRow - 1);
    auto fill = [pDC](int nLeft, int nTop, int nRight, int nBottom) {
        const CRect rcBar(nLeft, nTop, nRight, nBottom);
        pDC->FillSolidRect(&rcBar, RGB(0, 0, 0));
    };
    if (pLeft != nullptr && pLeft->m_bBarRight)
        fill(rc.left, rc.top, rc.left + nThick, rc.bottom);
    if (pSquare != nullptr && pSquare->m_bBarRight)
        fill(rc.right - nThick, rc.top, rc.right, rc.bottom);
    if (pAbove != nullptr && pAbove->m_bBarBottom)
        fill(rc.left, rc.top, rc.right, rc.top + nThick);
    if (pSquare != nullptr && pSquare->m_bBarBottom)
        fill(rc.left, rc.bottom - nThick, rc.right, rc.bottom);
}

int CGridWnd::BarThickness() const
{
    return std::max(1, m_nSquareSize / 10);
}

void CGridWnd::DrawGivenMark(CDC* pDC, const CRect& rc, COLORREF crColor)
{
    // A small triangle in the bottom right corner: the letter is the file's.
    const int nSide = std::max(3, m_nSquareSize / 5);
    for (int k = 0; k < nSide; ++k) {
        const CRect rcRow(rc.right - 1 - k, rc.bottom - nSide + k, rc.right, rc.bottom - nSide + k + 1);
        pDC->FillSolidRect(&rcRow, crColor);
    }
}

const CSquare* CGridWnd::SquareAt(int nCol, int nRow) const
{
    if (nCol < 0 || nRow < 0 || nCol >= m_pPuzzle->m_nWidth || nRow >= m_pPuzzle->m_nHeight)
        return nullptr;
    const std::vector<CSquare>& squares = m_pPuzzle->GetSquares();
    const std::size_t i =
        static_cast<std::size_t>(nRow) * static_cast<std::size_t>(m_pPuzzle->m_nWidth) + static_cast<std::size_t>(nCol);
    return i < squares.size() ? &squares[i] : nullptr;
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

CFont* CGridWnd::RebusFont(int nTenths)
{
    std::unique_ptr<CFont>& pFont = m_rebusFonts[nTenths];
    if (!pFont) {
        pFont = std::make_unique<CFont>();
        if (!pFont->CreatePointFont(nTenths, m_strFontName.GetString()))
            pFont.reset();
    }
    return pFont.get();
}

void CGridWnd::DrawRebus(CDC* pDC, CRect& rc, const std::u16string& strText)
{
    const int nCount = static_cast<int>(strText.size());
    // From the letters' size down a point at a time, as far as a small size
    // that does not grow with the squares; the smallest is taken when none fits.
    const int nLargest = FontTenths(m_nLetterFontSize);
    const int nSmallest = std::min(nLargest, kMinRebusPoints * 10);
    CFont* pFont = nullptr;
    for (int nTenths = nLargest;; nTenths = std::max(nSmallest, nTenths - 10)) {
        pFont = RebusFont(nTenths);
        if (pFont == nullptr)
            break;
        CFont* pOldFont = pDC->SelectObject(pFont);
        const int nWidth = pDC->GetTextExtent(strText.c_str(), nCount).cx;
        pDC->SelectObject(pOldFont);
        if (nWidth <= rc.Width() || nTenths == nSmallest)
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
    const CGridNavigator navigator(*m_pPuzzle);
    // A word whose first square the player has since marked black is no
    // word any more; the marked square shows itself.
    if (!navigator.IsInside(m_ptWordStart) || m_pPuzzle->IsBlackToPlayer(m_ptWordStart.x, m_ptWordStart.y)) {
        if (bHighlight)
            DrawSelectedMark(pDC);
        return;
    }

    const COLORREF crFore = m_colors[bHighlight ? GRID_FOREGROUND_SELECTED_WORD : GRID_FOREGROUND];
    const COLORREF crIncorrect = m_colors[bHighlight ? GRID_FOREGROUND_SELECTED_INCORRECT : GRID_FOREGROUND_INCORRECT];
    const COLORREF crBack = m_colors[bHighlight ? GRID_BACKGROUND_SELECTED_WORD : GRID_BACKGROUND];
    const COLORREF crSelected = m_colors[GRID_BACKGROUND_SELECTED_SQUARE];

    CRect rcClip;
    pDC->GetClipBox(&rcClip);
    const CPoint step = CGridNavigator::Step(m_nDirection);
    CPoint pt = m_ptWordStart;
    for (int nLeft = navigator.WordLength(m_ptWordStart, m_nDirection); nLeft > 0; --nLeft, pt.Offset(step.x, step.y)) {
        CRect rcSquare = GetSquareRect(pt.x, pt.y);
        CRect rcCommon;
        if (rcCommon.IntersectRect(rcSquare, rcClip)) {
            const BOOL bSelected = bHighlight && pt == m_ptSelected;
            DrawSquare(pDC, pt.x, pt.y, crFore, crIncorrect, bSelected ? crSelected : crBack, m_colors[GRID_SOLID],
                       !bHighlight);
        }
    }
    if (bHighlight)
        DrawSelectedMark(pDC);
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
        ChangeSelection(CGridNavigator(*m_pPuzzle).Tap(GetSelection(), ptTap));
}

CGridSelection CGridWnd::GetSelection() const
{
    return {m_nDirection, m_ptWordStart, m_ptSelected};
}

void CGridWnd::ChangeSelection(const CGridSelection& sel)
{
    if (sel.m_nDirection != m_nDirection || sel.m_ptWordStart != m_ptWordStart) {
        CClientDC dc(this);
        DrawWord(&dc, FALSE);
        m_nDirection = sel.m_nDirection;
        m_ptWordStart = sel.m_ptWordStart;
        // The selected square has not moved yet.
        DrawWord(&dc, TRUE);
        SelectWord(sel.m_nDirection, sel.m_ptWordStart);
    }
    if (sel.m_ptSelected != m_ptSelected) {
        // A black mark that the cursor leaves or reaches lies outside the
        // word: it is painted on its own.
        if (m_pPuzzle->m_bDiagramless) {
            InvalidateSquare(m_ptSelected.x, m_ptSelected.y);
            InvalidateSquare(sel.m_ptSelected.x, sel.m_ptSelected.y);
        }
        // Only the squares from the old to the new selected square can look
        // different; the rest of the word would be drawn as it stands.
        CRect rcChanged;
        rcChanged.UnionRect(GetSquareRect(m_ptSelected.x, m_ptSelected.y),
                            GetSquareRect(sel.m_ptSelected.x, sel.m_ptSelected.y));
        SetSelectedSquare(sel.m_ptSelected);
        CClientDC dc(this);
        dc.IntersectClipRect(&rcChanged);
        DrawWord(&dc, TRUE);
    }
}

void CGridWnd::Select(const CGridSelection& sel)
{
    if (m_pPuzzle == nullptr || !CGridNavigator(*m_pPuzzle).HasSelection(sel))
        return;
    const CPoint ptBefore = m_ptSelected;
    ChangeSelection(sel);
    // The square is shown even when it was selected already.
    if (m_ptSelected == ptBefore)
        SetSelectedSquare(m_ptSelected);
}

void CGridWnd::MoveSelection(int nDx, int nDy)
{
    if (m_pPuzzle != nullptr)
        ChangeSelection(CGridNavigator(*m_pPuzzle).Arrow(GetSelection(), nDx, nDy));
}

void CGridWnd::TurnSelection()
{
    if (m_pPuzzle != nullptr)
        ChangeSelection(CGridNavigator(*m_pPuzzle).Turn(GetSelection()));
}

void CGridWnd::SelectNextWord(BOOL bForward)
{
    if (m_pPuzzle != nullptr)
        ChangeSelection(CGridNavigator(*m_pPuzzle).NextWord(GetSelection(), bForward));
}

BOOL CGridWnd::StepBack()
{
    if (m_pPuzzle == nullptr)
        return FALSE;
    const CGridSelection sel = CGridNavigator(*m_pPuzzle).StepBack(GetSelection());
    if (sel == GetSelection())
        return FALSE;
    ChangeSelection(sel);
    return TRUE;
}

void CGridWnd::SelectWordAt(int nDirection, CPoint ptStart)
{
    if (m_pPuzzle == nullptr || (nDirection != DIRECTION_ACROSS && nDirection != DIRECTION_DOWN) ||
        !CGridNavigator(*m_pPuzzle).IsInside(ptStart) || m_pPuzzle->IsBlack(ptStart.x, ptStart.y))
        return;
    ChangeSelection({nDirection, ptStart, ptStart});
}

void CGridWnd::DiagramChanged()
{
    if (m_pPuzzle == nullptr || m_nDirection == DIRECTION_NONE)
        return;
    Invalidate(FALSE);
    SelectWord(m_nDirection, m_ptWordStart);
}

void CGridWnd::SelectAfterMark(CPoint pt)
{
    if (m_pPuzzle == nullptr || m_nDirection == DIRECTION_NONE)
        return;
    CGridSelection from = GetSelection();
    from.m_ptSelected = CPoint(-1, -1);
    const CGridSelection sel = CGridNavigator(*m_pPuzzle).Tap(from, pt);
    Invalidate(FALSE);
    m_nDirection = sel.m_nDirection;
    SelectWord(sel.m_nDirection, sel.m_ptWordStart);
    SetSelectedSquare(sel.m_ptSelected);
}

void CGridWnd::AdvanceCursor()
{
    if (m_pPuzzle == nullptr)
        return;
    const CPoint pt = CGridNavigator(*m_pPuzzle).Advance(GetSelection());
    // A cursor that stays on the letter just entered is announced too, so
    // the host shows that square.
    if (pt != m_ptSelected) {
        InvalidateSquare(m_ptSelected.x, m_ptSelected.y);
        InvalidateSquare(pt.x, pt.y);
    }
    SetSelectedSquare(pt);
}
