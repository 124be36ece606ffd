// SPDX-License-Identifier: MIT
#include "platform/IconFile.h"

#include "platform/ShellPrivate.h"

#include <QImage>
#include <QString>

BOOL AfxWriteIconFile(const ImageResource& image, int nSize, const char* pszPath)
{
    const QImage art = shell::ImageFromResource(image);
    if (art.isNull() || art.width() != art.height() || nSize <= 0 || !pszPath)
        return FALSE;
    // Pixels copied to the next whole multiple, then averaged down to the size.
    const int nSharp = (nSize + art.width() - 1) / art.width() * art.width();
    QImage icon = art.scaled(nSharp, nSharp, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (nSharp != nSize)
        icon = icon.scaled(nSize, nSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return icon.save(QString::fromUtf8(pszPath), "PNG") ? TRUE : FALSE;
}
