// SPDX-License-Identifier: MIT
// CPuzzleApp: the puzzle on paper, from the File menu and the command line.
#include "app/CommandLine.h"
#include "app/PrintChoicesDlg.h"
#include "app/PuzzleApp.h"
#include "app/PuzzlePrint.h"
#include "model/CrossWordPuzzle.h"
#include "model/Format.h"
#include "model/Text.h"
#include "window/PuzzleWnd.h"

#include <ostream>

namespace {

constexpr LPCTSTR kPdfFilter = u"PDF Files (*.pdf)|*.pdf|All Files (*.*)|*.*||";

// Why the solution cannot be printed.
std::u16string UnknownAnswersText(const std::u16string& strPath)
{
    return FormatText(u"%s: the answers are not known (the puzzle is locked, or the file has none), "
                      u"so there is no solution to print",
                      strPath);
}

}  // namespace

BOOL CPuzzleApp::AskPrintChoices(LPCTSTR lpszCaption)
{
    CPrintChoicesDlg dlg;
    dlg.m_strCaption = lpszCaption;
    dlg.m_bSolutionKnown = m_pPuzzle->KnowsAnswers();
    dlg.m_nContent = m_nPrintContent;
    dlg.m_bOnePage = m_bPrintOnePage;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    m_nPrintContent = dlg.m_nContent;
    m_bPrintOnePage = dlg.m_bOnePage;
    return TRUE;
}

void CPuzzleApp::OnPrintPuzzle()
{
    if (!m_pPuzzle || !AskPrintChoices(u"Print"))
        return;
    CPrintDialog dlg(m_pMainWnd);
    if (dlg.DoModal() != IDOK)
        return;
    const CPrintRequest request {dlg.GetPaper(), m_nPrintContent, m_bPrintOnePage != FALSE,
                                 GetPuzzleWnd().GetGrid().GetFontName()};
    std::u16string strError;
    if (!dlg.Print(LayPuzzlePages(*m_pPuzzle, request), strError))
        AfxMessageBox(strError.c_str(), MB_OK | MB_ICONSTOP);
}

void CPuzzleApp::OnExportPdf()
{
    if (!m_pPuzzle || !AskPrintChoices(u"Export PDF"))
        return;
    const CString strProposed = ProposedFile(u".pdf", CString());
    const CString strPath = AskForFile(FALSE, u"pdf", kPdfFilter, OFN_OVERWRITEPROMPT,
                                       strProposed.IsEmpty() ? nullptr : strProposed.c_str());
    if (strPath.IsEmpty())
        return;
    const CPrintRequest request {DefaultPaper(), m_nPrintContent, m_bPrintOnePage != FALSE,
                                 GetPuzzleWnd().GetGrid().GetFontName()};
    std::u16string strError;
    if (!WritePuzzlePdf(*m_pPuzzle, request, strPath, strError))
        AfxMessageBox(strError.c_str(), MB_OK | MB_ICONSTOP);
}

int CPuzzleApp::ExportPdfFile(const CCommandLine& cmd, std::ostream& err)
{
    auto fail = [&err](const std::u16string& strText) {
        err << "trellis: " << NarrowUtf8(strText) << "\n";
        return 1;
    };
    const CReadPuzzle read = ReadPuzzle(cmd.strPdfFrom);
    if (!read.pPuzzle)
        return fail(read.strError);
    if (cmd.nPdfContent == EPrintContent::Solution && !read.pPuzzle->KnowsAnswers())
        return fail(UnknownAnswersText(cmd.strPdfFrom));
    CPrintRequest request {DefaultPaper(), cmd.nPdfContent, cmd.bPdfOnePage, {}};
    if (!cmd.strPdfPaper.empty())
        PaperNamed(cmd.strPdfPaper, request.paper);
    // The face the grid would show, from the settings the program keeps.
    SetRegistryKey(u"Quillon Software");
    request.strFace = StoredFaceName();
    std::u16string strError;
    if (!WritePuzzlePdf(*read.pPuzzle, request, cmd.strPdfTo, strError))
        return fail(strError);
    return 0;
}
