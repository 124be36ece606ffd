// SPDX-License-Identifier: MIT
#include "panes/InputWnd.h"

namespace {

constexpr int kFirstLeft = 4;
constexpr int kPitch = 18;
constexpr int kFirstTop = 2;
constexpr int kSecondTop = 22;
constexpr int kBoxHeight = 20;
constexpr int kWiden = 2;
constexpr int kColumns = 13;

}  // namespace

BEGIN_MESSAGE_MAP(CInputWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

CInputWnd::CInputWnd() = default;

CInputWnd::~CInputWnd() = default;

void CInputWnd::DrawLetter(CDC* pDC, WCHAR ch, const CRect& rcBox)
{
    CRect rc = rcBox;
    pDC->DrawText(&ch, 1, &rc, 0);
}

void CInputWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    dc.FillSolidRect(&rcClient, PAD_COLOR);
    dc.SetTextColor(LETTER_COLOR);
    dc.SetBkColor(PAD_COLOR);
    int nLeft = kFirstLeft;
    int nTop = kFirstTop;
    for (WCHAR ch = u'A'; ch <= u'Z'; ch++) {
        const CSize size = dc.GetTextExtent(&ch, 1);
        DrawLetter(&dc, ch, CRect(nLeft, nTop, nLeft + size.cx, nTop + size.cy));
        if (ch == u'M') {
            nLeft = kFirstLeft;
            nTop = kSecondTop;
        } else {
            nLeft += kPitch;
        }
    }
}

WCHAR CInputWnd::HitTest(CDC* pDC, int x, int y, CRect* pRect) const
{
    // Truncating division, so a few pixels left of the pad still hit column 0.
    const int nCol = (x - kFirstLeft) / kPitch;
    if (nCol < 0 || nCol >= kColumns)
        return 0;
    const int nRow = y < kSecondTop ? 0 : 1;
    const WCHAR ch = static_cast<WCHAR>(u'A' + nCol + kColumns * nRow);
    if (pRect != nullptr) {
        const int nLeft = kFirstLeft + kPitch * nCol;
        const int nTop = nRow == 0 ? kFirstTop : kSecondTop;
        const CSize size = pDC->GetTextExtent(&ch, 1);
        pRect->SetRect(nLeft, nTop, nLeft + size.cx, nTop + kBoxHeight);
    }
    return ch;
}

void CInputWnd::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    CClientDC dc(this);
    CRect rcBox;
    m_chPressed = HitTest(&dc, point.x, point.y, &rcBox);
    if (m_chPressed == 0)
        return;
    const CRect rcLetter = rcBox;
    rcBox.InflateRect(kWiden, 0);
    dc.FillSolidRect(&rcBox, LETTER_COLOR);
    dc.SetBkColor(LETTER_COLOR);
    dc.SetTextColor(PAD_COLOR);
    DrawLetter(&dc, m_chPressed, CRect(rcLetter.left, rcBox.top, rcBox.right, rcBox.bottom));
    m_rcPressed = rcBox;
    SetCapture();
}

// The pad's class takes double clicks, so the second of two quick taps comes
// as one; it is a press like any other.
void CInputWnd::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    OnLButtonDown(nFlags, point);
}

void CInputWnd::OnLButtonUp(UINT /*nFlags*/, CPoint point)
{
    CClientDC dc(this);
    if (m_chPressed != 0) {
        dc.FillSolidRect(&m_rcPressed, PAD_COLOR);
        dc.SetBkColor(PAD_COLOR);
        dc.SetTextColor(LETTER_COLOR);
        DrawLetter(&dc, m_chPressed,
                   CRect(m_rcPressed.left + kWiden, m_rcPressed.top, m_rcPressed.right, m_rcPressed.bottom));
        m_chPressed = 0;
    }
    const WCHAR ch = HitTest(&dc, point.x, point.y);
    if (ch != 0) {
        if (CWnd* pParent = GetParent())
            pParent->SendMessage(WM_CHAR, ch, 0);
    }
    ReleaseCapture();
}
