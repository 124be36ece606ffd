// SPDX-License-Identifier: MIT
#include "tests/support/PdfFile.h"

#include <cstdio>
#include <sstream>
#include <stdexcept>

namespace trellis::test {

namespace {

std::string Quoted(const std::string& text)
{
    std::string quoted = "'";
    for (const char ch : text)
        quoted += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
    return quoted + "'";
}

// What the command writes to its standard output; it must end well.
std::string Run(const std::string& command)
{
    FILE* pPipe = popen((command + " 2>/dev/null").c_str(), "r");
    if (!pPipe)
        throw std::runtime_error("cannot run: " + command);
    std::string output;
    char buffer[65536];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pPipe)) > 0;)
        output.append(buffer, n);
    const int nStatus = pclose(pPipe);
    if (nStatus != 0)
        throw std::runtime_error("failed (status " + std::to_string(nStatus) +
                                 "; poppler-utils installed?): " + command);
    return output;
}

}  // namespace

int PdfPageCount(const std::filesystem::path& path)
{
    std::istringstream info(Run("pdfinfo " + Quoted(path.string())));
    for (std::string line; std::getline(info, line);) {
        if (line.rfind("Pages:", 0) == 0)
            return std::stoi(line.substr(6));
    }
    throw std::runtime_error("pdfinfo gave no page count for " + path.string());
}

std::string PdfText(const std::filesystem::path& path, int nPage)
{
    const std::string strPages = nPage > 0 ? " -f " + std::to_string(nPage) + " -l " + std::to_string(nPage) : "";
    return Run("pdftotext -layout" + strPages + " " + Quoted(path.string()) + " -");
}

std::vector<std::string> PdfFonts(const std::filesystem::path& path)
{
    std::istringstream fonts(Run("pdffonts " + Quoted(path.string())));
    std::vector<std::string> lines;
    int nLine = 0;
    for (std::string line; std::getline(fonts, line);) {
        if (nLine++ >= 2)
            lines.push_back(line);
    }
    return lines;
}

PdfPageImage::PdfPageImage(const std::filesystem::path& path, int nPage, int nDotsPerInch)
{
    // pdftoppm writes one binary PPM (P6) to its standard output.
    const std::string ppm = Run("pdftoppm -r " + std::to_string(nDotsPerInch) + " -f " + std::to_string(nPage) +
                                " -l " + std::to_string(nPage) + " " + Quoted(path.string()));
    std::istringstream in(ppm);
    std::string strMagic;
    int nMax = 0;
    in >> strMagic >> m_nWidth >> m_nHeight >> nMax;
    in.get();
    const std::size_t nBytes = static_cast<std::size_t>(m_nWidth) * static_cast<std::size_t>(m_nHeight) * 3;
    if (strMagic != "P6" || nMax != 255 || m_nWidth <= 0 || m_nHeight <= 0 ||
        ppm.size() - static_cast<std::size_t>(in.tellg()) < nBytes)
        throw std::runtime_error("pdftoppm gave no page " + std::to_string(nPage) + " of " + path.string());
    m_rgb.assign(ppm.begin() + in.tellg(), ppm.begin() + in.tellg() + static_cast<long>(nBytes));
}

int PdfPageImage::Grey(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight)
        return 255;
    const std::size_t i =
        (static_cast<std::size_t>(y) * static_cast<std::size_t>(m_nWidth) + static_cast<std::size_t>(x)) * 3;
    return (m_rgb[i] + m_rgb[i + 1] + m_rgb[i + 2]) / 3;
}

int PdfPageImage::Dark(int x, int y, int cx, int cy, int nThreshold) const
{
    int nDark = 0;
    for (int j = y; j < y + cy; ++j) {
        for (int i = x; i < x + cx; ++i)
            nDark += Grey(i, j) < nThreshold ? 1 : 0;
    }
    return nDark;
}

}  // namespace trellis::test
