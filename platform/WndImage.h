// SPDX-License-Identifier: MIT
#pragma once

// Backing images, for the platform's own sources: every plain window keeps
// the pixels of its visible part in an image at the screen's pixel ratio,
// and paints what becomes invalid there (CWndImpl holds the state).

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

// A white image of a logical size at a pixel ratio; a null image when it
// cannot be had (too large, out of memory). Nothing is reported.
QImage PlatformNewImage(const QSize& size, qreal ratio);
// The image pixels of a rectangle in logical coordinates of an image whose
// top-left corner lies at origin.
QRect PlatformDeviceRect(const QRect& rect, const QPoint& origin, qreal ratio);
// Largest image the platform asks for, in bytes; tests lower it, and 0 puts
// back the platform's own.
void PlatformSetImageLimit(qsizetype nBytes);

// A modal window (dialog, message box, file dialog) closed. On the device it
// covered the screen, and the program relies on the repaint its closing
// caused: every window of the screen window, and the pop-ups it owns, is
// invalidated whole with erase.
void PlatformModalWindowClosed();
