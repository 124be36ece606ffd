// SPDX-License-Identifier: MIT
#pragma once

// Extents and rectangles. Rectangles are half-open: right and bottom lie just
// outside, so the width is right - left.

#include "platform/WinDef.h"

#include <algorithm>

class CSize : public SIZE {
public:
    constexpr CSize() : SIZE {0, 0} { }
    constexpr CSize(int initCX, int initCY) : SIZE {initCX, initCY} { }
    constexpr CSize(const SIZE& size) : SIZE(size) { }

    constexpr bool operator==(const SIZE& other) const { return cx == other.cx && cy == other.cy; }
    constexpr bool operator!=(const SIZE& other) const { return !(*this == other); }
};

class CRect : public RECT {
public:
    constexpr CRect() : RECT {0, 0, 0, 0} { }
    constexpr CRect(int l, int t, int r, int b) : RECT {l, t, r, b} { }
    constexpr CRect(const RECT& rc) : RECT(rc) { }
    constexpr CRect(const POINT& topLeft, const SIZE& size)
        : RECT {topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy}
    {
    }
    constexpr CRect(const POINT& topLeft, const POINT& bottomRight)
        : RECT {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y}
    {
    }

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr CSize Size() const { return CSize(Width(), Height()); }
    constexpr CPoint TopLeft() const { return CPoint(left, top); }
    constexpr CPoint BottomRight() const { return CPoint(right, bottom); }
    constexpr CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }
    constexpr bool IsRectEmpty() const { return right <= left || bottom <= top; }
    constexpr bool PtInRect(const POINT& pt) const
    {
        return pt.x >= left && pt.x < right && pt.y >= top && pt.y < bottom;
    }

    void SetRect(int l, int t, int r, int b)
    {
        left = l;
        top = t;
        right = r;
        bottom = b;
    }
    void SetRectEmpty() { SetRect(0, 0, 0, 0); }
    void OffsetRect(int dx, int dy)
    {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
    }
    void OffsetRect(const POINT& pt) { OffsetRect(pt.x, pt.y); }
    void InflateRect(int dx, int dy)
    {
        left -= dx;
        right += dx;
        top -= dy;
        bottom += dy;
    }
    void InflateRect(int l, int t, int r, int b)
    {
        left -= l;
        top -= t;
        right += r;
        bottom += b;
    }
    void DeflateRect(int dx, int dy) { InflateRect(-dx, -dy); }
    void DeflateRect(int l, int t, int r, int b) { InflateRect(-l, -t, -r, -b); }
    // Both return FALSE (and an empty rectangle for the intersection) when nothing is left.
    BOOL IntersectRect(const RECT& a, const RECT& b)
    {
        SetRect(std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom));
        if (IsRectEmpty()) {
            SetRectEmpty();
            return FALSE;
        }
        return TRUE;
    }
    BOOL UnionRect(const RECT& a, const RECT& b)
    {
        const CRect ra(a), rb(b);
        if (ra.IsRectEmpty())
            *this = rb;
        else if (rb.IsRectEmpty())
            *this = ra;
        else
            SetRect(std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                    std::max(a.bottom, b.bottom));
        return !IsRectEmpty();
    }

    constexpr bool operator==(const RECT& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    constexpr bool operator!=(const RECT& o) const { return !(*this == o); }

    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }
};
