// SPDX-License-Identifier: MIT
#pragma once

// A PDF file as the PDF tools of poppler-utils read it: its pages, its text
// and its fonts, and a page as pixels. Each throws std::runtime_error when
// its tool cannot be run or cannot read the file.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace trellis::test {

// "Pages:" of pdfinfo.
int PdfPageCount(const std::filesystem::path& path);
// pdftotext -layout, of one page (from 1) or of all (0); pages end in a form feed.
std::string PdfText(const std::filesystem::path& path, int nPage = 0);
// The lines of pdffonts after its heading: one a font.
std::vector<std::string> PdfFonts(const std::filesystem::path& path);

// One page drawn by pdftoppm at nDotsPerInch (72: a pixel a point).
class PdfPageImage {
public:
    PdfPageImage(const std::filesystem::path& path, int nPage, int nDotsPerInch = 72);

    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    // The grey level of a pixel, 0 black to 255 white (the mean of its
    // three colours); white outside the page.
    int Grey(int x, int y) const;
    // Pixels darker than nThreshold in the rectangle.
    int Dark(int x, int y, int cx, int cy, int nThreshold = 128) const;

private:
    int m_nWidth = 0;
    int m_nHeight = 0;
    std::vector<std::uint8_t> m_rgb;
};

}  // namespace trellis::test
