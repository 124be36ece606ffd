// SPDX-License-Identifier: MIT
#include "app/PuzzleApp.h"

#include "app/AboutPuzzleDlg.h"
#include "app/MainFrm.h"
#include "model/CrossWordPuzzle.h"
#include "model/Format.h"
#include "model/PuzzleSourceWriter.h"
#include "res/Resources.h"
#include "res/resource.h"
#include "window/PuzzleWnd.h"

#include <utility>

CPuzzleApp theApp;

namespace {

// A colour read as this is taken as absent.
constexpr DWORD kNoColor = 0xFFFFFFFF;

constexpr LPCTSTR kPuzzleFilter = u"Puzzle Files (*.puz;*.ipuz;*.jpz;*.xd)|*.puz;*.ipuz;*.jpz;*.xd|"
                                  u".puz Files (*.puz)|*.puz|ipuz Files (*.ipuz)|*.ipuz|"
                                  u"JPZ Files (*.jpz)|*.jpz|xd Files (*.xd)|*.xd|All Files (*.*)|*.*||";

// The names of the puzzle files the program reads.
constexpr LPCTSTR kPuzzleExtensions[] = {u".puz", u".ipuz", u".jpz", u".xd"};
constexpr LPCTSTR kSolutionFilter = u"Puzzle Solution Files (*.sol)|*.sol|All Files (*.*)|*.*||";
constexpr LPCTSTR kSavePuzzleFilter = u"Puzzle Files (*.puz)|*.puz|ipuz Puzzle Files (*.ipuz)|*.ipuz||";

CString SlotName(int i)
{
    return FormatText(u"%d", i);
}

// Runs a file dialog; an empty result means it was cancelled.
CString AskForFile(BOOL bOpen, LPCTSTR lpszExt, LPCTSTR lpszFilter, DWORD dwFlags = 0, LPCTSTR lpszFileName = nullptr)
{
    CFileDialog dlg(bOpen, lpszExt, lpszFileName, dwFlags, lpszFilter, nullptr);
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
    ON_COMMAND(ID_SAVE_PUZZLE_AS, OnSavePuzzleAs)
    ON_UPDATE_COMMAND_UI(ID_SAVE_PUZZLE_AS, OnUpdatePuzzleLoaded)
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

int CPuzzleApp::ExitInstance()
{
    DeletePuzzle();
    m_strSolutionFile.clear();
    m_strStartPuzzle.clear();
    m_strStartSolution.clear();
    return CWinApp::ExitInstance();
}

void CPuzzleApp::SetStartFiles(const CString& strPuzzle, const CString& strSolution)
{
    m_strStartPuzzle = strPuzzle;
    m_strStartSolution = strSolution;
}

CPuzzleWnd& CPuzzleApp::GetPuzzleWnd()
{
    return static_cast<CMainFrame*>(m_pMainWnd)->GetPuzzleWnd();
}

int CPuzzleApp::ReadOption(const CSetting& setting)
{
    return setting.Within(static_cast<int>(GetProfileInt(SECTION_OPTIONS, setting.pszName, setting.nDefault)));
}

void CPuzzleApp::LoadSettings()
{
    CPuzzleWnd& wndPuzzle = GetPuzzleWnd();
    CGridWnd& wndGrid = wndPuzzle.GetGrid();

    m_nSolveMode = ReadOption(SETTING_SOLVE_MODE);
    wndGrid.SetNumberFontSize(ReadOption(SETTING_NUMBER_FONT_SIZE));
    wndGrid.SetLetterFontSize(ReadOption(SETTING_LETTER_FONT_SIZE));
    wndGrid.SetSquareSize(ReadOption(SETTING_SQUARE_SIZE));
    wndGrid.SetShowNumbers(ReadOption(SETTING_SHOW_NUMBERS));
    wndPuzzle.SetShowInput(ReadOption(SETTING_SHOW_INPUT));
    wndPuzzle.SetClueHeight(ReadOption(SETTING_CLUE_HEIGHT));

    // The grid keeps a colour's low 24 bits.
    for (int i = 0; i < NUM_GRID_COLORS; ++i) {
        const DWORD color = GetProfileInt(SECTION_COLOR, SlotName(i).c_str(), static_cast<int>(kNoColor));
        if (color != kNoColor)
            wndGrid.SetColor(i, color);
    }

    if (m_pPuzzle)
        wndPuzzle.SetPuzzle(m_pPuzzle);
    wndPuzzle.RecalcLayout();
}

void CPuzzleApp::SaveSettings()
{
    CPuzzleWnd& wndPuzzle = GetPuzzleWnd();
    const CGridWnd& wndGrid = wndPuzzle.GetGrid();

    const std::pair<const CSetting&, int> options[] = {
        {SETTING_SOLVE_MODE, m_nSolveMode},
        {SETTING_NUMBER_FONT_SIZE, wndGrid.GetNumberFontSize()},
        {SETTING_LETTER_FONT_SIZE, wndGrid.GetLetterFontSize()},
        {SETTING_SQUARE_SIZE, wndGrid.GetSquareSize()},
        {SETTING_SHOW_NUMBERS, wndGrid.GetShowNumbers()},
        {SETTING_SHOW_INPUT, wndPuzzle.GetShowInput()},
        {SETTING_CLUE_HEIGHT, wndPuzzle.GetClueHeight()},
    };
    for (const auto& [setting, nValue] : options)
        WriteProfileInt(SECTION_OPTIONS, setting.pszName, nValue);
    for (int i = 0; i < NUM_GRID_COLORS; ++i)
        WriteProfileInt(SECTION_COLOR, SlotName(i).c_str(), static_cast<int>(wndGrid.GetColor(i)));
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

void CPuzzleApp::OpenPuzzleFile(const CString& strPath)
{
    DeletePuzzle();
    // A remembered solution path belongs to the old puzzle; saving the new one
    // there would destroy that solution.
    m_strSolutionFile.clear();
    m_pPuzzle = new CCrossWordPuzzle;
    std::u16string strError;
    const BOOL bLoaded = m_pPuzzle->LoadFile(strPath, strError);
    if (!bLoaded)
        DeletePuzzle();
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
    auto isPuzzle = [](const CString& strFile) {
        for (LPCTSTR lpszExtension : kPuzzleExtensions) {
            if (HasExtension(strFile, lpszExtension))
                return true;
        }
        return false;
    };
    for (const CString& strFile : files) {
        if (strPuzzle.IsEmpty() && isPuzzle(strFile))
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

CString CPuzzleApp::ProposedPuzzleName() const
{
    const CString& strFile = m_pPuzzle->m_strFileName;
    const std::size_t nName = strFile.find_last_of(u"/\\") + 1;  // 0 when there is no folder
    const std::size_t nDot = strFile.rfind(u'.');
    const std::size_t nEnd = nDot != CString::npos && nDot > nName ? nDot : strFile.size();
    return strFile.substr(0, nEnd) + u".puz";
}

void CPuzzleApp::OnSavePuzzleAs()
{
    // The dialog asks before it replaces a file, the opened puzzle included.
    const CString strProposed = ProposedPuzzleName();
    const CString strPath = AskForFile(FALSE, u"puz", kSavePuzzleFilter, OFN_OVERWRITEPROMPT, strProposed.c_str());
    if (strPath.IsEmpty())
        return;
    std::vector<std::u16string> warnings;
    std::u16string strError;
    if (!WritePuzzleSource(strPath, SourceFromPuzzle(*m_pPuzzle), FormatOfFileName(strPath), warnings, strError)) {
        AfxMessageBox(strError.c_str(), MB_OK | MB_ICONSTOP);
        return;
    }
    if (warnings.empty())
        return;
    CString strText = FormatText(u"%s was saved, but:", strPath);
    for (const std::u16string& strWarning : warnings)
        strText += u"\n- " + strWarning;
    AfxMessageBox(strText.c_str(), MB_OK | MB_ICONEXCLAMATION);
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
            AfxMessageBox(FormatText(u"Cannot delete puzzle file '%s'", m_pPuzzle->m_strFileName), MB_OK | MB_ICONSTOP);
        }
    }
    GetPuzzleWnd().GetClue().SetClue(0, u'A', u"");
}
