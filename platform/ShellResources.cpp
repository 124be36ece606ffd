// SPDX-License-Identifier: MIT
// Resource look-ups of the application shell: strings and images.

#include "platform/ShellPrivate.h"

#include <cstring>

namespace shell {

LPCTSTR FindString(UINT nID)
{
    const ResourceSet* pResources = AfxGetResources();
    if (!pResources)
        return nullptr;
    const auto found = pResources->strings.find(nID);
    return found == pResources->strings.end() ? nullptr : found->second;
}

QImage ImageFromResource(const ImageResource& image)
{
    if (image.nWidth <= 0 || image.nHeight <= 0 || !image.pszPaletteKeys ||
        image.rows.size() != static_cast<size_t>(image.nHeight))
        return QImage();
    const size_t nKeys = std::strlen(image.pszPaletteKeys);
    QImage result(image.nWidth, image.nHeight, QImage::Format_ARGB32);
    for (int y = 0; y < image.nHeight; ++y) {
        const char* pszRow = image.rows[static_cast<size_t>(y)];
        if (!pszRow || std::strlen(pszRow) != static_cast<size_t>(image.nWidth))
            return QImage();
        for (int x = 0; x < image.nWidth; ++x) {
            const char* pKey = std::strchr(image.pszPaletteKeys, pszRow[x]);
            const size_t nIndex = pKey ? static_cast<size_t>(pKey - image.pszPaletteKeys) : nKeys;
            if (pszRow[x] == '\0' || nIndex >= nKeys || nIndex >= image.palette.size())
                return QImage();
            const DWORD color = image.palette[nIndex];  // 0x00BBGGRR
            result.setPixel(x, y,
                            color == 0xFFFFFFFF ? qRgba(0, 0, 0, 0)
                                                : qRgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF));
        }
    }
    return result;
}

}  // namespace shell
