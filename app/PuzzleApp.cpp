// SPDX-License-Identifier: MIT
#include "app/PuzzleApp.h"

#include "app/AboutPuzzleDlg.h"
#include "app/MainFrm.h"
#include "model/CrossWordPuzzle.h"
#include "res/Resources.h"
#include "res/resource.h"
#include "window/PuzzleWnd.h"

CPuzzleApp theApp;

namespace {

constexpr LPCTSTR kOptions = u"options";
constexpr LPCTSTR kColor = u"color";
constexpr DWORD kNoColor = 0xFFFFFFFF;

constexpr LPCTSTR kPuzzleFilter = u"Puzzle Files (*.puz)|*.puz|All Files (*.*)|*.*||";
constexpr LPCTSTR kSolutionFilter = u"Puzzle Solution Files (*.sol)|*.sol|All Files (*.*)|*.*||";

// A stored value is kept only when the dialogs could have produced it: anything
// else was edited in from outside and would break the layout or the fonts.
int Within(int nValue, int nLow, int nHigh, int nDefault)
{
    return nValue >= nLow && nValue <= nHigh ? nValue : nDefault;
}

CString SlotName(int i)
{
    CString str;
    str.Format(u"%d", i);
    return str;
}

// Runs a file dialog; an empty result means it was cancelled.
CString AskForFile(BOOL bOpen, LPCTSTR lpszExt, LPCTSTR lpszFilter, DWORD dwFlags = 0)
{
    CFileDialog dlg(bOpen, lpszExt, nullptr, dwFlags, lpszFilter, nullptr);
    if (dlg.DoModal() != IDOK)
        return CString();
    return dlg.GetPathName();
}

// Whether the file's name ends in the extension (".puz"), in any case.
bool HasExtension(const CString& strPath, LPCTSTR lpszExtension)
{
    const CString strExtension(lpszExtension);
    if (strPath.GetLength() < strExtension.GetLength())
        return false;
    CString strEnd = strPath.Right(strExtension.GetLength());
    strEnd.MakeLower();
    return strEnd == strExtension;
}

}  // namespace

BEGIN_MESSAGE_MAP(CPuzzleApp, CWinApp)
    ON_COMMAND(ID_LOAD_PUZZLE, OnLoadPuzzle)
    ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
    ON_COMMAND(ID_ABOUT_PUZZLE, OnAboutPuzzle)
    ON_UPDATE_COMMAND_UI(ID_ABOUT_PUZZLE, OnUpdatePuzzleLoaded)
    ON_COMMAND(ID_OPTIONS_GENERAL, OnOptionsGeneral)
    ON_COMMAND(ID_OPTIONS_FONT, OnOptionsFont)
    ON_COMMAND(ID_OPTIONS_COLORS, OnOptionsColors)
    ON_COMMAND(ID_SAVE_SOLUTION, OnSaveSolution)
    ON_UPDATE_COMMAND_UI(ID_SAVE_SOLUTION, OnUpdatePuzzleLoaded)
    ON_COMMAND(ID_LOAD_SOLUTION, OnLoadSolution)
    ON_UPDATE_COMMAND_UI(ID_LOAD_SOLUTION, OnUpdatePuzzleLoaded)
    ON_COMMAND(ID_SAVE_SOLUTION_AS, OnSaveSolutionAs)
    ON_UPDATE_COMMAND_UI(ID_SAVE_SOLUTION_AS, OnUpdatePuzzleLoaded)
    ON_COMMAND(ID_UNLOCK_PUZZLE, OnUnlockPuzzle)
    ON_UPDATE_COMMAND_UI(ID_UNLOCK_PUZZLE, OnUpdateUnlockPuzzle)
END_MESSAGE_MAP()

CPuzzleApp::CPuzzleApp()
{
    AfxSetResources(&TrellisResources());
}

CPuzzleApp::~CPuzzleApp()
{
    DeletePuzzle();
}

BOOL CPuzzleApp::InitInstance()
{
    SetRegistryKey(u"Quillon Software");
    SetMessageSink(this);

    auto* pFrame = new CMainFrame;
    m_pMainWnd = pFrame;
    if (!pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, nullptr)) {
        // Going on would use a frame that does not exist. The frame object
        // deleted itself when its half-made window was destroyed.
        m_pMainWnd = nullptr;
        AfxMessageBox(u"The main window could not be created.", MB_OK | MB_ICONSTOP);
        return FALSE;
    }
    GetPuzzleWnd().SetSolveHost(this);
    pFrame->ShowWindow(m_nCmdShow);
    pFrame->UpdateWindow();
    LoadSettings();
    OpenFiles(m_strStartPuzzle, m_strStartSolution);
    return TRUE;
}

CPuzzleWnd& CPuzzleApp::GetPuzzleWnd()
{
    return static_cast<CMainFrame*>(m_pMainWnd)->m_wndPuzzle;
}

void CPuzzleApp::LoadSettings()
{
    CPuzzleWnd& wndPuzzle = GetPuzzleWnd();
    CGridWnd& wndGrid = wndPuzzle.m_wndCross.m_wndGrid;

    m_nSolveMode = Within(GetProfileInt(kOptions, u"mode", 1), 0, 1, 1);
    wndGrid.SetNumberFontSize(Within(GetProfileInt(kOptions, u"number", 6), 2, 64, 6));
    wndGrid.SetLetterFontSize(Within(GetProfileInt(kOptions, u"letter", 10), 2, 64, 10));
    wndGrid.SetSquareSize(Within(GetProfileInt(kOptions, u"square", 20), 2, 64, 20));
    wndGrid.m_bShowNumbers = Within(GetProfileInt(kOptions, u"numbers", 0), 0, 1, 0);
    wndPuzzle.m_bShowInput = Within(GetProfileInt(kOptions, u"input", 1), 0, 1, 1);
    wndPuzzle.m_nClueHeight = Within(GetProfileInt(kOptions, u"cluesize", 38), 1, 200, 38);

    for (int i = 0; i < 8; ++i) {
        const DWORD color = static_cast<DWORD>(GetProfileInt(kColor, SlotName(i).c_str(), static_cast<int>(kNoColor)));
        if (color != kNoColor)
            wndGrid.m_colors[i] = color & 0x00FFFFFF;
    }

    if (m_pPuzzle)
        wndPuzzle.SetPuzzle(m_pPuzzle);
    wndPuzzle.RecalcLayout();
}

void CPuzzleApp::SaveSettings()
{
    CPuzzleWnd& wndPuzzle = GetPuzzleWnd();
    CGridWnd& wndGrid = wndPuzzle.m_wndCross.m_wndGrid;

    WriteProfileInt(kOptions, u"mode", m_nSolveMode);
    WriteProfileInt(kOptions, u"number", wndGrid.m_nNumberFontSize);
    WriteProfileInt(kOptions, u"letter", wndGrid.m_nLetterFontSize);
    WriteProfileInt(kOptions, u"square", wndGrid.m_nSquareSize);
    WriteProfileInt(kOptions, u"numbers", wndGrid.m_bShowNumbers);
    WriteProfileInt(kOptions, u"input", wndPuzzle.m_bShowInput);
    WriteProfileInt(kOptions, u"cluesize", wndPuzzle.m_nClueHeight);
    for (int i = 0; i < 8; ++i)
        WriteProfileInt(kColor, SlotName(i).c_str(), static_cast<int>(wndGrid.m_colors[i]));
}

void CPuzzleApp::DeletePuzzle()
{
    delete m_pPuzzle;
    m_pPuzzle = nullptr;
}

void CPuzzleApp::ShowError(const std::u16string& text)
{
    AfxMessageBox(text.c_str(), MB_OK | MB_ICONSTOP);
}

void CPuzzleApp::OnUpdatePuzzleLoaded(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pPuzzle != nullptr);
}

void CPuzzleApp::OnLoadPuzzle()
{
    const CString strPath = AskForFile(TRUE, u"puz", kPuzzleFilter);
    if (!strPath.IsEmpty())
        OpenPuzzleFile(strPath);
}

CPuzzleApp::CReadPuzzle CPuzzleApp::ReadPuzzle(const CString& strPath)
{
    CReadPuzzle read;
    read.pPuzzle = std::make_unique<CCrossWordPuzzle>();
    if (!read.pPuzzle->LoadPuzzle(strPath, read.strError))
        read.pPuzzle.reset();
    return read;
}

void CPuzzleApp::ReadStartPuzzleAhead()
{
    if (m_strStartPuzzle.IsEmpty())
        return;
    m_strStartRead = m_strStartPuzzle;
    m_startRead = std::async(std::launch::async, ReadPuzzle, m_strStartRead);
}

void CPuzzleApp::OpenPuzzleFile(const CString& strPath)
{
    DeletePuzzle();
    // A remembered solution path belongs to the old puzzle; saving the new one
    // there would destroy that solution.
    m_strSolutionFile.clear();
    // The start puzzle is taken once, and only for its own path.
    const bool bReadAhead = m_startRead.valid() && strPath == m_strStartRead;
    CReadPuzzle read = bReadAhead ? m_startRead.get() : ReadPuzzle(strPath);
    const std::u16string& strError = read.strError;
    const BOOL bLoaded = read.pPuzzle != nullptr;
    m_pPuzzle = read.pPuzzle.release();
    GetPuzzleWnd().SetPuzzle(m_pPuzzle);
    ShowPuzzleTitle();
    // Only now, with no pane left pointing at the deleted puzzle.
    if (!bLoaded)
        AfxMessageBox(strError.c_str(), MB_OK | MB_ICONSTOP);
}

void CPuzzleApp::ShowPuzzleTitle()
{
    CString strTitle;
    if (m_pPuzzle) {
        // One line of text; a puzzle without a title goes by its file's name.
        for (const char16_t ch : m_pPuzzle->m_strTitle)
            strTitle += ch < u' ' ? u' ' : ch;
        if (strTitle.find_first_not_of(u' ') == CString::npos)
            strTitle = CAboutPuzzleDlg::FileNameOf(m_pPuzzle->m_strFileName);
    }
    static_cast<CMainFrame*>(m_pMainWnd)->ShowPuzzleTitle(strTitle);
}

void CPuzzleApp::OpenFiles(const CString& strPuzzle, const CString& strSolution)
{
    if (!strPuzzle.IsEmpty())
        OpenPuzzleFile(strPuzzle);
    if (!strSolution.IsEmpty() && m_pPuzzle)
        OpenSolutionFile(strSolution);
    // No dialog closed over the grid, whose closing would have repainted it.
    if (!strPuzzle.IsEmpty() || !strSolution.IsEmpty())
        GetPuzzleWnd().GetGrid().Invalidate(FALSE);
}

void CPuzzleApp::OpenDroppedFiles(const std::vector<CString>& files)
{
    CString strPuzzle;
    CString strSolution;
    for (const CString& strFile : files) {
        if (strPuzzle.IsEmpty() && HasExtension(strFile, u".puz"))
            strPuzzle = strFile;
        else if (strSolution.IsEmpty() && HasExtension(strFile, u".sol"))
            strSolution = strFile;
    }
    OpenFiles(strPuzzle, strSolution);
}

void CPuzzleApp::OnSaveSolution()
{
    if (m_strSolutionFile.IsEmpty())
        OnSaveSolutionAs();
    else
        m_pPuzzle->SaveSolution(m_strSolutionFile);
}

void CPuzzleApp::OnSaveSolutionAs()
{
    const CString strPath = AskForFile(FALSE, u"sol", kSolutionFilter, OFN_OVERWRITEPROMPT);
    if (strPath.IsEmpty())
        return;
    m_strSolutionFile = strPath;
    m_pPuzzle->SaveSolution(m_strSolutionFile);
}

void CPuzzleApp::OnLoadSolution()
{
    const CString strPath = AskForFile(TRUE, u"sol", kSolutionFilter);
    if (!strPath.IsEmpty())
        OpenSolutionFile(strPath);
}

void CPuzzleApp::OpenSolutionFile(const CString& strPath)
{
    m_pPuzzle->LoadSolution(strPath);
}

void CPuzzleApp::CheckSolved()
{
    if (!m_pPuzzle || !m_pPuzzle->IsSolved())
        return;
    if (AfxMessageBox(IDS_SOLVED_DELETE, MB_YESNO | MB_ICONQUESTION) == IDYES) {
        if (!DeleteFile(m_pPuzzle->m_strFileName.c_str())) {
            CString strMessage;
            strMessage.Format(u"Cannot delete puzzle file '%s'", m_pPuzzle->m_strFileName.c_str());
            AfxMessageBox(strMessage.c_str(), MB_OK | MB_ICONSTOP);
        }
    }
    GetPuzzleWnd().m_wndClue.SetClue(0, u'A', u"");
}
