#pragma once

// Inside of drawing objects and device contexts (platform sources only).

#include "platform/DC.h"

#include <QFont>
#include <QImage>
#include <QRegion>

class CWndImpl;

// What a pen, brush or font handle points at. System colour brushes are the
// small numbers (COLOR_x + 1) and have no data of their own.
struct GdiData {
    enum Kind { Pen, Brush, Font };
    Kind kind;
    bool stock = false;
    bool null = false;    // NULL_PEN, NULL_BRUSH
    COLORREF color = 0;
    int width = 1;
    QFont font;
    LOGFONT logFont{};
};

GdiData* GdiDataOf(HGDIOBJ hObject); // null for null or unknown handles
HGDIOBJ GdiHandleOf(GdiData* pData);
CGdiObject* StockObjectWrapper(int nIndex);
QFont FontFromLogFont(const LOGFONT& lf);

class CDCImpl {
public:
    QImage* image = nullptr;
    CWndImpl* wnd = nullptr; // screen refresh after drawing; may be null
    QRegion clip;
    bool hasClip = false;

    CGdiObject* pen = nullptr;
    CGdiObject* brush = nullptr;
    CGdiObject* font = nullptr;
    COLORREF textColor = 0x000000;
    COLORREF bkColor = 0xFFFFFF;
    int bkMode = OPAQUE;
    QPoint pos;

    // The area drawing may touch, in image coordinates.
    QRect Bounds() const;
    bool Visible(const QRect& r) const { return Bounds().intersects(r); }
    void Fill(const QRect& r, COLORREF color);
    void Done(const QRect& r);
    QFont CurrentFont() const;
};
