// SPDX-License-Identifier: MIT
#include "app/ColorSwatch.h"

CColorSwatch::CColorSwatch() = default;

CColorSwatch::~CColorSwatch() = default;

void CColorSwatch::SetColor(COLORREF color)
{
    m_color = color;
    Invalidate(TRUE);
}

void CColorSwatch::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    // No border, focus or pressed state: the swatch is only its colour.
    CBrush brush(m_color);
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    pDC->FillRect(&lpDrawItemStruct->rcItem, &brush);
}
