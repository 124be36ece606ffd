// SPDX-License-Identifier: MIT
#pragma once

// The handful of plain value types that every layer shares: the model speaks
// in them, and the window layer builds its geometry types on top of them.
// Standard C++ only.

#include <cstdint>

using BOOL = int;
using UINT = unsigned int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using WCHAR = char16_t;
using TCHAR = char16_t;
using LPCTSTR = const char16_t*;
using LPTSTR = char16_t*;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

struct POINT {
    LONG x;
    LONG y;
};

// A position or offset; in the model x is the column and y the row.
class CPoint : public POINT {
public:
    constexpr CPoint() : POINT {0, 0} { }
    constexpr CPoint(int initX, int initY) : POINT {initX, initY} { }
    constexpr CPoint(const POINT& pt) : POINT(pt) { }

    constexpr bool operator==(const POINT& other) const { return x == other.x && y == other.y; }
    constexpr bool operator!=(const POINT& other) const { return !(*this == other); }
    void Offset(int dx, int dy)
    {
        x += dx;
        y += dy;
    }
};
