// SPDX-License-Identifier: MIT
#pragma once

// Drawing objects: pens, brushes and fonts. A CGdiObject owns its handle and
// deletes it with DeleteObject or in its destructor; stock objects are never
// deleted.

#include "platform/WinDef.h"

class CDC;

constexpr int LF_FACESIZE = 32;
constexpr LONG FW_NORMAL = 400;
constexpr LONG FW_BOLD = 700;
// lfQuality: the default draws glyphs without smoothing, as the handheld did;
// these smooth their edges.
constexpr BYTE ANTIALIASED_QUALITY = 4;
constexpr BYTE CLEARTYPE_QUALITY = 5;

struct LOGFONT {
    LONG lfHeight;  // < 0: character height in pixels; > 0: cell height
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    TCHAR lfFaceName[LF_FACESIZE];
};
using LPLOGFONT = LOGFONT*;

struct TEXTMETRIC {
    LONG tmHeight;
    LONG tmAscent;
    LONG tmDescent;
    LONG tmInternalLeading;
    LONG tmExternalLeading;
    LONG tmAveCharWidth;
    LONG tmMaxCharWidth;
    LONG tmWeight;
};
using LPTEXTMETRIC = TEXTMETRIC*;

class CGdiObject {
public:
    CGdiObject() = default;
    virtual ~CGdiObject();
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ m_hObject = nullptr;

    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    BOOL DeleteObject();

    // A wrapper for a handle owned elsewhere (a stock object, say); it is
    // kept by the platform and never deletes the handle.
    static CGdiObject* PASCAL FromHandle(HGDIOBJ hObject);
};

class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int nPenStyle, int nWidth, COLORREF crColor) { CreatePen(nPenStyle, nWidth, crColor); }
    // Solid pens of any width; PS_NULL draws nothing. Other styles draw solid.
    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor);
    operator HPEN() const { return m_hObject; }
};

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF crColor) { CreateSolidBrush(crColor); }
    BOOL CreateSolidBrush(COLORREF crColor);
    operator HBRUSH() const { return m_hObject; }
};

class CFont : public CGdiObject {
public:
    // Size in tenths of a point at 96 dots per inch (100 is 10 points, 13
    // pixels). A face that is not installed is substituted by the font system.
    BOOL CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC = nullptr);
    BOOL CreateFontIndirect(const LOGFONT* lpLogFont);
    operator HFONT() const { return m_hObject; }
};

// Stock objects (WHITE_BRUSH, BLACK_BRUSH, NULL_BRUSH, BLACK_PEN, SYSTEM_FONT ...).
HGDIOBJ GetStockObject(int nIndex);
// Deletes a handle made by this platform; stock objects are kept.
BOOL DeleteObject(HGDIOBJ hObject);
COLORREF GetSysColor(int nIndex);
