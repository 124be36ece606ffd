// SPDX-License-Identifier: MIT
#pragma once

// Device contexts. Every window keeps a persistent image of the part of its
// client area that can be seen, at the screen's pixel ratio; coordinates are
// logical pixels all the same. A CPaintDC draws into it inside WM_PAINT
// (erased where asked and clipped to the update region), a CClientDC draws
// into it at once; what falls outside the visible part is dropped, and
// painted when that part comes into view. Fills and lines are not
// antialiased, so pixels are exact.

#include "platform/GdiObject.h"
#include "platform/Rect.h"
#include "platform/String.h"

class CWnd;
class CDCImpl;

constexpr DWORD TRUETYPE_FONTTYPE = 0x0004;

using FONTENUMPROC = int(CALLBACK*)(const LOGFONT* lplf, const TEXTMETRIC* lptm, DWORD dwType, LPARAM lpData);

struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
};

class CDC {
public:
    CDC();
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC m_hDC = nullptr;
    HDC GetSafeHdc() const { return m_hDC; }
    static CDC* FromHandle(HDC hDC);

    // Objects. SelectObject returns the object selected before, to select back.
    CPen* SelectObject(CPen* pPen);
    CFont* SelectObject(CFont* pFont);
    CGdiObject* SelectObject(CGdiObject* pObject);
    CGdiObject* SelectStockObject(int nIndex);

    // Colours and modes.
    COLORREF SetTextColor(COLORREF crColor);
    COLORREF SetBkColor(COLORREF crColor);
    int SetBkMode(int nBkMode);

    // Rectangles: FillRect paints with the given brush, FrameRect draws a
    // one-pixel border just inside the rectangle.
    void FillRect(LPCRECT lpRect, CBrush* pBrush);
    void FillRect(LPCRECT lpRect, HBRUSH hBrush);
    void FillSolidRect(LPCRECT lpRect, COLORREF crColor);
    void FrameRect(LPCRECT lpRect, HBRUSH hBrush);
    // The ellipse inscribed in the rectangle (right and bottom exclusive),
    // its outline in the current pen and its inside in the current brush:
    // its outermost pixels touch the rectangle's four edges.
    BOOL Ellipse(int x1, int y1, int x2, int y2);
    BOOL Ellipse(LPCRECT lpRect);

    // Lines with the current pen. A one-pixel line leaves out its last point;
    // a wider one sweeps a square of the pen's width, centred on the line
    // (the extra pixel of an even width lies right of or below it).
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT point) { return MoveTo(point.x, point.y); }
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT point) { return LineTo(point.x, point.y); }

    // Text. DrawText honours DT_LEFT/CENTER/RIGHT, DT_TOP/VCENTER/BOTTOM (the
    // vertical ones with DT_SINGLELINE only), DT_SINGLELINE, DT_WORDBREAK,
    // DT_NOPREFIX (else "&x" underlines x and "&&" shows "&"), DT_NOCLIP and
    // DT_CALCRECT. Returns the height of the text.
    int DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat);
    int DrawText(const CString& str, LPRECT lpRect, UINT nFormat);
    CSize GetTextExtent(LPCTSTR lpszString, int nCount) const;
    BOOL GetTextMetrics(LPTEXTMETRIC lpMetrics) const;

    // Clipping.
    int GetClipBox(LPRECT lpRect) const;
    int IntersectClipRect(int x1, int y1, int x2, int y2);
    int IntersectClipRect(LPCRECT lpRect);

    CDCImpl* Impl() const { return m_pImpl; }

protected:
    CDCImpl* m_pImpl;
};

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps;

protected:
    CWnd* m_pWnd;
};

class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

protected:
    CWnd* m_pWnd;
};

// Clip box results.
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;
constexpr int COMPLEXREGION = 3;

// Calls lpFontFunc once per installed family (lpszFaceName null), or once for
// the named face if it is installed. Returns the last value the callback
// returned (enumeration stops at 0), or 0 if it was never called.
int EnumFonts(HDC hdc, LPCTSTR lpszFaceName, FONTENUMPROC lpFontFunc, LPARAM lParam);
