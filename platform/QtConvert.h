// SPDX-License-Identifier: MIT
#pragma once

// Texts, rectangles and colours between the framework's types and Qt's, for
// the platform's own sources only. Rectangles are half-open on both sides.

#include "platform/WinDef.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <string>

// A null pointer is the empty text.
inline QString ToQString(LPCTSTR psz)
{
    return psz ? QString::fromUtf16(psz) : QString();
}
inline QString ToQString(const std::u16string& str)
{
    return QString::fromStdU16String(str);
}
inline std::u16string ToU16(const QString& str)
{
    return str.toStdU16String();
}

inline QRect ToQRect(const RECT& rc)
{
    return QRect(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
}
inline RECT ToRECT(const QRect& r)
{
    return RECT {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

inline QColor PlatformColor(COLORREF cr)
{
    return QColor(GetRValue(cr), GetGValue(cr), GetBValue(cr));
}
inline COLORREF PlatformColorRef(const QColor& color)
{
    return RGB(color.red(), color.green(), color.blue());
}
