// SPDX-License-Identifier: MIT
#pragma once

// Laid-out pages (model/PrintedPage.h) on paper: drawn as vectors into a PDF
// file's bytes or onto the printer that the print dialog chose, with the
// face's glyphs embedded, and measured in the face they are drawn in.

#include "model/PrintedPage.h"
#include "platform/String.h"

#include <memory>
#include <string>

class CWnd;
class QPrinter;

// Text measures of one face, as the pages draw it; a face that is not
// installed is substituted as it is when drawn.
class CPageTextMeasure : public CTextMeasure {
public:
    explicit CPageTextMeasure(const std::u16string& strFace);
    ~CPageTextMeasure() override;
    CPageTextMeasure(const CPageTextMeasure&) = delete;
    CPageTextMeasure& operator=(const CPageTextMeasure&) = delete;

    double Width(const std::u16string& strText, const CPageFont& font) const override;
    double CapHeight(const CPageFont& font) const override;

private:
    struct CMetrics;
    std::unique_ptr<CMetrics> m_pMetrics;
};

// A paper size and the margin the printer needs at least, in points.
struct CPaper {
    double dWidth = 0;
    double dHeight = 0;
    double dMinMargin = 0;
};

// The default printer's paper or, with no printer, the paper of the
// system's locale: Letter where people measure in inches, A4 elsewhere.
CPaper DefaultPaper();
// A4 or Letter by name, in any case; FALSE for any other name.
BOOL PaperNamed(const std::u16string& strName, CPaper& paper);

// The pages as a PDF file's bytes. FALSE, with the reason, when Qt could
// not make them.
BOOL RenderPdf(const CPrintedDocument& document, std::string& bytes, std::u16string& strError);

// The platform's print dialog, and printing on what it chose.
class CPrintDialog {
public:
    explicit CPrintDialog(CWnd* pParentWnd = nullptr);
    ~CPrintDialog();
    CPrintDialog(const CPrintDialog&) = delete;
    CPrintDialog& operator=(const CPrintDialog&) = delete;

    // IDOK when the user chose to print, IDCANCEL otherwise.
    int DoModal();
    // The paper of the printer as chosen, turned as chosen.
    CPaper GetPaper() const;
    // Sends the pages to the printer chosen. FALSE, with the reason, when
    // the printer would not take them.
    BOOL Print(const CPrintedDocument& document, std::u16string& strError);

private:
    std::unique_ptr<QPrinter> m_pPrinter;
    CWnd* m_pParentWnd;
};
