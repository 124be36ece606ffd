// SPDX-License-Identifier: MIT
#pragma once

// Pages laid out for paper, as plain drawing items, and the text measures
// the layout needs. Lengths are in points (1/72 inch) from the page's
// top-left corner, y downwards. Standard C++ only: the layout makes these,
// the platform draws them.

#include <string>
#include <vector>

#include "model/Types.h"

// The one face of a document at one size.
struct CPageFont {
    double dSize = 10;  // points
    bool bBold = false;

    bool operator==(const CPageFont& other) const { return dSize == other.dSize && bBold == other.bBold; }
};

enum class EPageAlign { Left, Center, Right };

// A single line of text on its baseline; x is where the text starts, its
// middle or its end, as nAlign says.
struct CPageText {
    double x = 0;
    double y = 0;
    std::u16string strText;
    CPageFont font;
    EPageAlign nAlign = EPageAlign::Left;
};

// A black line with square ends.
struct CPageLine {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    double dWidth = 0;
};

// A filled rectangle in 0xRRGGBB.
struct CPageRect {
    double x = 0;
    double y = 0;
    double cx = 0;
    double cy = 0;
    DWORD crColor = 0;
};

// A black circle's outline.
struct CPageCircle {
    double x = 0;  // centre
    double y = 0;
    double dRadius = 0;
    double dWidth = 0;
};

// A filled black triangle: the marks that show where tiles of a grid overlap.
struct CPageTriangle {
    double x[3] = {0, 0, 0};
    double y[3] = {0, 0, 0};
};

// One page. Drawn in this order: rectangles, circles, lines, triangles,
// texts, so lines lie over fills and texts over everything.
struct CPrintedPage {
    std::vector<CPageRect> aRects;
    std::vector<CPageCircle> aCircles;
    std::vector<CPageLine> aLines;
    std::vector<CPageTriangle> aTriangles;
    std::vector<CPageText> aTexts;
};

struct CPrintedDocument {
    std::u16string strTitle;  // for the file's properties
    std::u16string strFace;  // every text's face
    double dWidth = 0;  // of every page
    double dHeight = 0;
    std::vector<CPrintedPage> aPages;
};

// Text measures in one face, in points at the font's size.
class CTextMeasure {
public:
    virtual ~CTextMeasure() = default;
    // The advance of the text on one line.
    virtual double Width(const std::u16string& strText, const CPageFont& font) const = 0;
    // The height of a capital letter above the baseline.
    virtual double CapHeight(const CPageFont& font) const = 0;
};
