// SPDX-License-Identifier: MIT
#include "model/PuzzleSourceReader.h"

#include "model/CrossWordPuzzle.h"
#include "model/Format.h"
#include "model/Text.h"
#include "model/ZippedFile.h"

namespace {

constexpr std::string_view kPuzMarker {"ACROSS&DOWN\0", 12};

// The first "ACROSS&DOWN\0" in the bytes, found by its "&", which is rare
// where letters are common.
std::size_t FindPuzMarker(std::string_view bytes)
{
    constexpr std::size_t nAmp = 6;  // where "&" stands in the marker
    for (std::size_t i = bytes.find('&', nAmp); i != std::string_view::npos; i = bytes.find('&', i + 1)) {
        if (bytes.substr(i - nAmp, kPuzMarker.size()) == kPuzMarker)
            return i - nAmp;
    }
    return std::string_view::npos;
}

bool IsJsonBlank(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n';
}

}  // namespace

EPuzzleFormat SniffPuzzleFormat(std::string_view bytes)
{
    // The marker stands at offset 2, or later when a publisher put bytes before it.
    if (bytes.size() >= 2 && bytes.substr(2, kPuzMarker.size()) == kPuzMarker)
        return EPuzzleFormat::Puz;
    if (IsZipArchive(bytes))
        return EPuzzleFormat::Jpz;
    // XML in UTF-16 starts with its byte order mark.
    if (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF")
        return EPuzzleFormat::Jpz;
    std::string_view text = bytes;
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    while (!text.empty() && IsJsonBlank(text.front()))
        text.remove_prefix(1);
    if (FindPuzMarker(bytes) != std::string_view::npos)
        return EPuzzleFormat::Puz;
    if (text.substr(0, 1) == "{" || text.substr(0, 1) == "[" || text.substr(0, 5) == "ipuz(")
        return EPuzzleFormat::Ipuz;
    if (text.substr(0, 1) == "<")
        return EPuzzleFormat::Jpz;
    // Text without zero bytes is left to the xd reader, which tells what is wrong with it.
    if (!text.empty() && bytes.find('\0') == std::string_view::npos)
        return EPuzzleFormat::Xd;
    return EPuzzleFormat::Unknown;
}

BOOL ReadPuzzleSource(std::string_view bytes, const std::u16string& strName, CPuzzleSource& source,
                      std::u16string& strError, EPuzzleFormat* pnFormat)
{
    const EPuzzleFormat nFormat = SniffPuzzleFormat(bytes);
    if (pnFormat != nullptr)
        *pnFormat = nFormat;
    switch (nFormat) {
    case EPuzzleFormat::Ipuz:
        return ReadIpuzSource(bytes, strName, source, strError);
    case EPuzzleFormat::Jpz:
        return ReadJpzSource(bytes, strName, source, strError);
    case EPuzzleFormat::Xd:
        return ReadXdSource(bytes, strName, source, strError);
    case EPuzzleFormat::Puz:
    case EPuzzleFormat::Unknown:
        break;
    }
    source = CPuzzleSource();
    strError = FormatText(u"%s: invalid puzzle file", strName);
    return FALSE;
}

BOOL ReadPuzzleSource(const std::u16string& strPath, CPuzzleSource& source, std::u16string& strError,
                      EPuzzleFormat* pnFormat)
{
    source = CPuzzleSource();
    if (pnFormat != nullptr)
        *pnFormat = EPuzzleFormat::Unknown;
    std::string bytes;
    if (!ReadPuzzleFileBytes(strPath, bytes, strError))
        return FALSE;
    return ReadPuzzleSource(bytes, strPath, source, strError, pnFormat);
}
