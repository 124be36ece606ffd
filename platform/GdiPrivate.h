// SPDX-License-Identifier: MIT
#pragma once

// Inside of drawing objects and device contexts (platform sources only).

#include "platform/DC.h"

#include <QFont>
#include <QImage>
#include <QRegion>
#include <QStringList>

class CWnd;
class CWndImpl;

// What a pen, brush or font handle points at. System colour brushes are the
// small numbers (COLOR_x + 1) and have no data of their own.
struct GdiData {
    enum Kind { Pen, Brush, Font };
    Kind kind;
    bool stock = false;
    bool null = false;  // NULL_PEN, NULL_BRUSH
    COLORREF color = 0;
    int width = 1;
    QFont font;
    LOGFONT logFont {};
};

GdiData* GdiDataOf(HGDIOBJ hObject);  // null for null or unknown handles
HGDIOBJ GdiHandleOf(GdiData* pData);
CGdiObject* StockObjectWrapper(int nIndex);
QFont FontFromLogFont(const LOGFONT& lf);

// The lines DrawText with DT_WORDBREAK | DT_NOPREFIX breaks a text into at
// nWidth pixels (also breaking long words with bEditControl); each line is
// the font's height apart from the next.
QStringList PlatformWrapText(const QString& text, const QFont& font, int nWidth, bool bEditControl);

// Where a device context draws: an image, the part of the client area that
// drawing may touch there, the client position of the image's top-left
// corner and the image's pixel ratio.
struct DrawTarget {
    QImage* image = nullptr;
    QRect area;
    QPoint origin;
    qreal ratio = 1.0;
};

class CDCImpl {
public:
    // A window's device context follows the window's image, which moves
    // when the window scrolls or resizes; an attached image stays put.
    CWnd* owner = nullptr;
    QImage* attached = nullptr;
    QRegion clip;
    QRect clipBox;  // the clip's bounding rectangle
    bool hasClip = false;
    QRect touched;  // drawn so far: the screen is refreshed once, at the end
    // Worked out again when the window's image moves or the clip changes.
    mutable DrawTarget target;
    mutable QRect bounds;
    mutable unsigned stamp = 0;
    mutable bool fresh = false;

    CGdiObject* pen = nullptr;
    CGdiObject* brush = nullptr;
    CGdiObject* font = nullptr;
    COLORREF textColor = 0x000000;
    COLORREF bkColor = 0xFFFFFF;
    int bkMode = OPAQUE;
    QPoint pos;

    // Where drawing goes now, and the area it may touch there, in client
    // coordinates (the target's area within the clip).
    const DrawTarget& Target() const;
    QRect Bounds() const;
    void SetClip(const QRegion& region);
    void Fill(const QRect& r, COLORREF color);
    void Flush();
    QFont CurrentFont() const;
};
