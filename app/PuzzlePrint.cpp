// SPDX-License-Identifier: MIT
#include "app/PuzzlePrint.h"

#include "model/Format.h"
#include "model/SafeWrite.h"

#include <algorithm>

CPrintedDocument LayPuzzlePages(const CCrossWordPuzzle& puzzle, const CPrintRequest& request)
{
    CPageSetup setup;
    setup.strFace = request.strFace;
    setup.dWidth = request.paper.dWidth;
    setup.dHeight = request.paper.dHeight;
    setup.dMargin = std::max(kPrintMargin, request.paper.dMinMargin);
    setup.nContent = request.nContent;
    setup.bOnePage = request.bOnePage;
    const CPageTextMeasure measure(request.strFace);
    return CPageLayout(puzzle, measure, setup).TakeDocument();
}

BOOL WritePuzzlePdf(const CCrossWordPuzzle& puzzle, const CPrintRequest& request, const std::u16string& strPath,
                    std::u16string& strError)
{
    std::string bytes;
    if (!RenderPdf(LayPuzzlePages(puzzle, request), bytes, strError)) {
        strError = FormatText(u"%s: %s", strPath, strError);
        return FALSE;
    }
    return WriteFileSafely(
        strPath, [&bytes](CFile& file) { file.Write(bytes.data(), static_cast<UINT>(bytes.size())); }, strError);
}
