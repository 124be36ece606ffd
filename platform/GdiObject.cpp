// SPDX-License-Identifier: MIT
#include "platform/GdiObject.h"
#include "platform/GdiPrivate.h"
#include "platform/WndPrivate.h"

#include <QFontMetrics>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <unordered_map>

namespace {

// Handles at or below this value are system colour brushes (COLOR_x + 1).
constexpr std::uintptr_t kSysColorLimit = 64;

struct SysColor {
    int index;
    COLORREF color;
};

constexpr SysColor kSysColors[] = {
    {COLOR_SCROLLBAR, RGB(192, 192, 192)}, {COLOR_BACKGROUND, RGB(0, 128, 128)},
    {COLOR_WINDOW, RGB(255, 255, 255)},    {COLOR_WINDOWTEXT, RGB(0, 0, 0)},
    {COLOR_HIGHLIGHT, RGB(0, 0, 128)},     {COLOR_HIGHLIGHTTEXT, RGB(255, 255, 255)},
    {COLOR_BTNFACE, RGB(192, 192, 192)},   {COLOR_BTNTEXT, RGB(0, 0, 0)},
};

GdiData* MakeStock(GdiData::Kind kind, COLORREF color, bool null)
{
    GdiData* p = new GdiData;
    p->kind = kind;
    p->stock = true;
    p->color = color;
    p->null = null;
    return p;
}

GdiData* MakeStockFont()
{
    LOGFONT lf {};
    lf.lfHeight = -12;
    lf.lfWeight = FW_NORMAL;
    const char16_t face[] = u"Arial";
    std::copy(std::begin(face), std::end(face), lf.lfFaceName);
    GdiData* p = new GdiData;
    p->kind = GdiData::Font;
    p->stock = true;
    p->logFont = lf;
    p->font = FontFromLogFont(lf);
    return p;
}

GdiData* StockData(int nIndex)
{
    // Built once, never freed: stock objects outlive every device context.
    static GdiData* const stock[] = {
        MakeStock(GdiData::Brush, RGB(255, 255, 255), false),  // WHITE_BRUSH
        MakeStock(GdiData::Brush, RGB(192, 192, 192), false),  // LTGRAY_BRUSH
        MakeStock(GdiData::Brush, RGB(128, 128, 128), false),  // GRAY_BRUSH
        MakeStock(GdiData::Brush, RGB(64, 64, 64), false),  // DKGRAY_BRUSH
        MakeStock(GdiData::Brush, RGB(0, 0, 0), false),  // BLACK_BRUSH
        MakeStock(GdiData::Brush, 0, true),  // NULL_BRUSH
        MakeStock(GdiData::Pen, RGB(255, 255, 255), false),  // WHITE_PEN
        MakeStock(GdiData::Pen, RGB(0, 0, 0), false),  // BLACK_PEN
        MakeStock(GdiData::Pen, 0, true),  // NULL_PEN
    };
    static GdiData* const font = MakeStockFont();
    if (nIndex >= 0 && nIndex <= NULL_PEN)
        return stock[nIndex];
    if (nIndex == SYSTEM_FONT || nIndex == DEFAULT_GUI_FONT)
        return font;
    return nullptr;
}

// Brush data for the system colour handles, built on first use.
GdiData* SysColorBrush(int nIndex)
{
    static GdiData* brushes[kSysColorLimit] = {};
    if (nIndex < 0 || nIndex >= static_cast<int>(kSysColorLimit))
        return nullptr;
    if (!brushes[nIndex])
        brushes[nIndex] = MakeStock(GdiData::Brush, GetSysColor(nIndex), false);
    return brushes[nIndex];
}

}  // namespace

GdiData* GdiDataOf(HGDIOBJ hObject)
{
    const auto value = reinterpret_cast<std::uintptr_t>(hObject);
    if (value == 0)
        return nullptr;
    if (value <= kSysColorLimit)
        return SysColorBrush(static_cast<int>(value) - 1);
    return reinterpret_cast<GdiData*>(hObject);
}

HGDIOBJ GdiHandleOf(GdiData* pData)
{
    return reinterpret_cast<HGDIOBJ>(pData);
}

QFont FontFromLogFont(const LOGFONT& lf)
{
    const std::u16string face(lf.lfFaceName, std::find(lf.lfFaceName, lf.lfFaceName + LF_FACESIZE, u'\0'));
    QFont font(QString::fromStdU16String(face));
    const bool bSmooth = lf.lfQuality == ANTIALIASED_QUALITY || lf.lfQuality == CLEARTYPE_QUALITY;
    font.setStyleStrategy(bSmooth ? QFont::PreferAntialias : QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setWeight(lf.lfWeight >= 600 ? QFont::Bold : QFont::Normal);
    font.setItalic(lf.lfItalic != 0);
    font.setUnderline(lf.lfUnderline != 0);
    font.setStrikeOut(lf.lfStrikeOut != 0);
    if (lf.lfHeight < 0) {
        font.setPixelSize(-lf.lfHeight);
    } else if (lf.lfHeight > 0) {
        // A positive height is the cell height: the largest font that fits it.
        int size = lf.lfHeight;
        font.setPixelSize(size);
        while (size > 1 && QFontMetrics(font).height() > lf.lfHeight)
            font.setPixelSize(--size);
    } else {
        font.setPixelSize(12);
    }
    return font;
}

CGdiObject* StockObjectWrapper(int nIndex)
{
    // One wrapper per stock object so that SelectObject can hand back a
    // pointer to the default objects of a device context.
    struct Wrappers {
        CBrush brushes[NULL_BRUSH + 1];
        CPen pens[3];
        CFont font;
        Wrappers()
        {
            for (int i = 0; i <= NULL_BRUSH; ++i)
                brushes[i].m_hObject = GetStockObject(i);
            for (int i = 0; i < 3; ++i)
                pens[i].m_hObject = GetStockObject(WHITE_PEN + i);
            font.m_hObject = GetStockObject(SYSTEM_FONT);
        }
    };
    static Wrappers* const wrappers = new Wrappers;
    if (nIndex >= 0 && nIndex <= NULL_BRUSH)
        return &wrappers->brushes[nIndex];
    if (nIndex >= WHITE_PEN && nIndex <= NULL_PEN)
        return &wrappers->pens[nIndex - WHITE_PEN];
    if (nIndex == SYSTEM_FONT || nIndex == DEFAULT_GUI_FONT)
        return &wrappers->font;
    return nullptr;
}

HGDIOBJ GetStockObject(int nIndex)
{
    return GdiHandleOf(StockData(nIndex));
}

BOOL DeleteObject(HGDIOBJ hObject)
{
    if (reinterpret_cast<std::uintptr_t>(hObject) <= kSysColorLimit)
        return FALSE;
    GdiData* p = GdiDataOf(hObject);
    if (!p || p->stock)
        return FALSE;
    delete p;
    return TRUE;
}

COLORREF GetSysColor(int nIndex)
{
    for (const SysColor& c : kSysColors) {
        if (c.index == nIndex)
            return c.color;
    }
    return RGB(192, 192, 192);
}

COLORREF PlatformBrushColor(HBRUSH hBrush, bool* pIsNull)
{
    const GdiData* p = GdiDataOf(hBrush);
    const bool isNull = !p || p->null;
    if (pIsNull)
        *pIsNull = isNull;
    return isNull ? 0 : p->color;
}

QFont PlatformFont(HFONT hFont)
{
    const GdiData* p = GdiDataOf(hFont);
    if (!p || p->kind != GdiData::Font)
        p = StockData(SYSTEM_FONT);
    return p->font;
}

namespace {

// Wrappers handed out by FromHandle live as long as the program and never
// delete their handle (they are deliberately not destroyed).
template <class T> T* Wrapper(HGDIOBJ hObject)
{
    if (!hObject)
        return nullptr;
    static auto* const wrappers = new std::unordered_map<HGDIOBJ, T*>;
    T*& p = (*wrappers)[hObject];
    if (!p) {
        p = new T;
        p->m_hObject = hObject;
    }
    return p;
}

}  // namespace

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (!hObject)
        return FALSE;
    m_hObject = hObject;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ h = m_hObject;
    m_hObject = nullptr;
    return h;
}

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    ::DeleteObject(Detach());
    return TRUE;
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor)
{
    DeleteObject();
    GdiData* p = new GdiData;
    p->kind = GdiData::Pen;
    p->color = crColor & 0xFFFFFF;
    p->width = std::max(1, nWidth);
    p->null = nPenStyle == PS_NULL;
    return Attach(GdiHandleOf(p));
}

BOOL CBrush::CreateSolidBrush(COLORREF crColor)
{
    DeleteObject();
    GdiData* p = new GdiData;
    p->kind = GdiData::Brush;
    p->color = crColor & 0xFFFFFF;
    return Attach(GdiHandleOf(p));
}

BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC*)
{
    // Tenths of a point to pixels at 96 dots per inch, rounded as MulDiv does.
    LOGFONT lf {};
    lf.lfHeight = -((nPointSize * 96 + 360) / 720);
    lf.lfWeight = FW_NORMAL;
    if (lpszFaceName) {
        for (int i = 0; i < LF_FACESIZE - 1 && lpszFaceName[i]; ++i)
            lf.lfFaceName[i] = lpszFaceName[i];
    }
    return CreateFontIndirect(&lf);
}

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont)
{
    DeleteObject();
    if (!lpLogFont)
        return FALSE;
    GdiData* p = new GdiData;
    p->kind = GdiData::Font;
    p->logFont = *lpLogFont;
    p->font = FontFromLogFont(*lpLogFont);
    return Attach(GdiHandleOf(p));
}
