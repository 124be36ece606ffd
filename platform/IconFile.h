// SPDX-License-Identifier: MIT
#pragma once

// Icon files for the desktop, drawn at build time from the program's artwork.

#include "platform/Resource.h"

// Writes the image as a PNG file of nSize x nSize pixels; FALSE when the image
// is not square or the file cannot be written. Whole multiples of the image's
// size keep its pixels sharp; other sizes are averaged from the next one up.
BOOL AfxWriteIconFile(const ImageResource& image, int nSize, const char* pszPath);
