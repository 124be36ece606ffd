// SPDX-License-Identifier: MIT
#pragma once

// The loaded puzzle on paper: its pages laid out for a paper and a face, and
// written as a PDF file. File > Print ..., File > Export PDF ... and
// `trellis --pdf` all go through here, so they give the same pages.

#include "model/PageLayout.h"
#include "platform/PagePrinter.h"

#include <string>

class CCrossWordPuzzle;

struct CPrintRequest {
    CPaper paper;
    EPrintContent nContent = EPrintContent::Blank;
    bool bOnePage = false;
    std::u16string strFace;  // the grid's
};

// The margin kept on every side, unless the printer needs more.
constexpr double kPrintMargin = 36;

CPrintedDocument LayPuzzlePages(const CCrossWordPuzzle& puzzle, const CPrintRequest& request);
// Writes the pages as a PDF file, whole or not at all. FALSE, with the
// reason for the user, when it could not.
BOOL WritePuzzlePdf(const CCrossWordPuzzle& puzzle, const CPrintRequest& request, const std::u16string& strPath,
                    std::u16string& strError);
