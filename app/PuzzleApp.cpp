// SPDX-License-Identifier: MIT
#include "app/PuzzleApp.h"

#include "app/AboutPuzzleDlg.h"
#include "app/MainFrm.h"
#include "model/CrossWordPuzzle.h"
#include "model/Format.h"
#include "model/ProgressStore.h"
#include "model/PuzzleSourceWriter.h"
#include "res/Resources.h"
#include "res/resource.h"
#include "window/PuzzleWnd.h"

#include <filesystem>
#include <system_error>
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

// Shown in the clue bar once, when a puzzle with notes is opened.
constexpr LPCTSTR kNotesNote = u"This puzzle has notes.\nChoose Notes in the View menu.";

// Longer than any folder path a file system gives: an edited value.
constexpr size_t kMaxFolderPath = 4096;

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

// The folder part of a path, with its last separator; empty for a bare name.
CString FolderOf(const CString& strPath)
{
    return CString(strPath.substr(0, strPath.size() - CAboutPuzzleDlg::FileNameOf(strPath).size()));
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
    // The puzzle on paper.
    ON_COMMAND(ID_PRINT_PUZZLE, OnPrintPuzzle)
    ON_UPDATE_COMMAND_UI(ID_PRINT_PUZZLE, OnUpdatePuzzleLoaded)
    ON_COMMAND(ID_EXPORT_PDF, OnExportPdf)
    ON_UPDATE_COMMAND_UI(ID_EXPORT_PDF, OnUpdatePuzzleLoaded)
    // Zoom and notes.
    ON_COMMAND(ID_VIEW_ZOOM_IN, OnViewZoomIn)
    ON_COMMAND(ID_VIEW_ZOOM_OUT, OnViewZoomOut)
    ON_COMMAND(ID_VIEW_ACTUAL_SIZE, OnViewActualSize)
    ON_COMMAND(ID_VIEW_FIT, OnViewFit)
    ON_COMMAND(ID_VIEW_NOTES, OnViewNotes)
    ON_UPDATE_COMMAND_UI(ID_VIEW_ZOOM_IN, OnUpdateViewZoomIn)
    ON_UPDATE_COMMAND_UI(ID_VIEW_ZOOM_OUT, OnUpdateViewZoomOut)
    ON_UPDATE_COMMAND_UI(ID_VIEW_FIT, OnUpdateViewFit)
    ON_UPDATE_COMMAND_UI(ID_VIEW_NOTES, OnUpdateViewNotes)
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
    m_bProgressFailureShown = FALSE;
    const CString strData = GetDataFolder();
    m_strProgressFolder = strData.IsEmpty() ? CString() : strData + u"/progress";
    m_pProgress.reset();
    if (!m_strProgressFolder.IsEmpty())
        m_pProgress = std::make_unique<CProgressStore>(m_strProgressFolder);

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
    // Where the window was left, before it first shows.
    pFrame->LoadWindowState();
    pFrame->ShowWindow(m_nCmdShow);
    pFrame->UpdateWindow();
    LoadSettings();
    OpenFiles(m_strStartPuzzle, m_strStartSolution);
    return TRUE;
}

int CPuzzleApp::ExitInstance()
{
    // However the program ends, a waiting save is written first.
    SaveProgress();
    DeletePuzzle();
    m_strSolutionFile.clear();
    m_strSolutionFolder.clear();
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
    wndGrid.SetFontName(StoredFaceName().c_str());
    SetAutoSave(ReadOption(SETTING_AUTOSAVE));

    // The grid keeps a colour's low 24 bits.
    for (int i = 0; i < NUM_GRID_COLORS; ++i) {
        const DWORD color = GetProfileInt(SECTION_COLOR, SlotName(i).c_str(), static_cast<int>(kNoColor));
        // Only what the Colors dialog can produce is a colour; otherwise the
        // slot keeps its own, which is what gets written back.
        if ((color & ~COLOR_BITS) == 0)
            wndGrid.SetColor(i, color);
    }

    if (m_pPuzzle)
        wndPuzzle.SetPuzzle(m_pPuzzle);
    wndPuzzle.RecalcLayout();
}

CString CPuzzleApp::StoredFaceName()
{
    const CString strFace = GetProfileString(SECTION_OPTIONS, SETTING_FONT_NAME, DEFAULT_FONT_NAME);
    return IsStorableFaceName(strFace) ? strFace : CString(DEFAULT_FONT_NAME);
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
        {SETTING_AUTOSAVE, m_bAutoSave},
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

CString CPuzzleApp::AskForFile(BOOL bOpen, LPCTSTR lpszExt, LPCTSTR lpszFilter, DWORD dwFlags, LPCTSTR lpszFileName)
{
    // A proposed name with its folder opens there; otherwise the last folder.
    CFileDialog dlg(bOpen, lpszExt, lpszFileName, dwFlags, lpszFilter, nullptr);
    // The dialog itself passes over a folder that is not there.
    CString strFolder = GetProfileString(SECTION_FOLDERS, SETTING_LAST_FOLDER);
    if (strFolder.GetLength() > static_cast<int>(kMaxFolderPath))
        strFolder.Empty();
    if (!strFolder.IsEmpty())
        dlg.m_ofn.lpstrInitialDir = strFolder.GetString();
    if (dlg.DoModal() != IDOK)
        return CString();
    WriteProfileString(SECTION_FOLDERS, SETTING_LAST_FOLDER, dlg.GetFolderPath().GetString());
    return dlg.GetPathName();
}

void CPuzzleApp::OnLoadPuzzle()
{
    const CString strPath = AskForFile(TRUE, u"puz", kPuzzleFilter);
    // A solution file is no puzzle file, whatever its name.
    if (!strPath.IsEmpty() && !OpenedAsSolution(strPath))
        OpenPuzzleFile(strPath);
}

CPuzzleApp::CReadPuzzle CPuzzleApp::ReadPuzzle(const CString& strPath)
{
    CReadPuzzle read;
    read.pPuzzle = std::make_unique<CCrossWordPuzzle>();
    if (!read.pPuzzle->LoadFile(strPath, read.strError))
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
    // The waiting save belongs to the puzzle that goes now, with what its
    // rebus entry holds.
    GetPuzzleWnd().CloseRebusEntry(TRUE);
    SaveProgress();
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
    // The progress kept for this puzzle wins over the fill its file holds.
    if (m_pPuzzle && m_bAutoSave && m_pProgress)
        m_pProgress->Restore(*m_pPuzzle);
    GetPuzzleWnd().ClearHistory();
    GetPuzzleWnd().SetPuzzle(m_pPuzzle);
    ShowPuzzleTitle();
    // Once, in the banner's place, until another word is chosen.
    if (m_pPuzzle && CAboutPuzzleDlg::HasNotes(m_pPuzzle->m_strNotes))
        GetPuzzleWnd().GetClue().ShowNote(kNotesNote);
    // Only now, with no pane left pointing at the deleted puzzle.
    if (!bLoaded)
        AfxMessageBox(strError.c_str(), MB_OK | MB_ICONSTOP);
}

BOOL CPuzzleApp::OpenedAsSolution(const CString& strPath)
{
    std::u16string strPuzzle, strInner;
    if (!CCrossWordPuzzle::IsSolutionFile(strPath, strPuzzle))
        return FALSE;
    // The puzzle it names, while that is still there and a puzzle file.
    std::error_code ec;
    bool bThere = false;
    try {
        bThere = !strPuzzle.empty() && std::filesystem::is_regular_file(std::filesystem::path(strPuzzle), ec);
    } catch (const std::exception&) {
        bThere = false;  // a name this system cannot have
    }
    if (!bThere || CCrossWordPuzzle::IsSolutionFile(strPuzzle, strInner)) {
        AfxMessageBox(FormatText(u"%s is a solution file; open its puzzle first.", strPath), MB_OK | MB_ICONSTOP);
        return TRUE;
    }
    OpenPuzzleFile(strPuzzle);
    if (m_pPuzzle)
        OpenSolutionFile(strPath);
    return TRUE;
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
    if (!strPuzzle.IsEmpty() && !OpenedAsSolution(strPuzzle))
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
        std::u16string strNamed;
        if (CCrossWordPuzzle::IsSolutionFile(strFile, strNamed)) {
            if (strSolution.IsEmpty())
                strSolution = strFile;
        } else if (strPuzzle.IsEmpty() && isPuzzle(strFile)) {
            strPuzzle = strFile;
        }
    }
    // A solution alone, with no puzzle to take it: it opens its own puzzle.
    if (strPuzzle.IsEmpty() && !strSolution.IsEmpty() && !m_pPuzzle)
        OpenFiles(strSolution, CString());
    else
        OpenFiles(strPuzzle, strSolution);
}

void CPuzzleApp::OnSaveSolution()
{
    if (m_strSolutionFile.IsEmpty())
        OnSaveSolutionAs();
    else
        m_pPuzzle->SaveSolution(m_strSolutionFile);
}

CString CPuzzleApp::ProposedSolutionFile() const
{
    return ProposedFile(u".sol", m_strSolutionFolder);
}

CString CPuzzleApp::ProposedFile(LPCTSTR lpszExtension, const CString& strFallbackFolder) const
{
    const CString strPuzzle = m_pPuzzle ? CString(m_pPuzzle->m_strFileName) : CString();
    CString strName = CAboutPuzzleDlg::FileNameOf(strPuzzle);
    const size_t nDot = strName.rfind(u'.');
    if (nDot != CString::npos && nDot > 0)
        strName = strName.Left(static_cast<int>(nDot));
    if (strName.IsEmpty())
        return CString();
    CString strFolder = FolderOf(strPuzzle);
    // A puzzle deleted with its folder, or one in a folder of someone else's.
    if (strFolder.IsEmpty() || !IsWritableFolder(strFolder.c_str()))
        strFolder = strFallbackFolder;
    return strFolder + strName + lpszExtension;
}

void CPuzzleApp::OnSaveSolutionAs()
{
    const CString strProposed = ProposedSolutionFile();
    const CString strPath = AskForFile(FALSE, u"sol", kSolutionFilter, OFN_OVERWRITEPROMPT,
                                       strProposed.IsEmpty() ? nullptr : strProposed.c_str());
    if (strPath.IsEmpty())
        return;
    // Only a path that took the solution is kept: Save Solution must not go
    // on writing where it failed.
    if (m_pPuzzle->SaveSolution(strPath)) {
        m_strSolutionFile = strPath;
        m_strSolutionFolder = FolderOf(strPath);
    }
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
    if (strPath.IsEmpty())
        return;
    m_strSolutionFolder = FolderOf(strPath);
    OpenSolutionFile(strPath);
}

void CPuzzleApp::OpenSolutionFile(const CString& strPath)
{
    // One step that Undo takes back, and a change that is saved; the lists
    // mute the clues anew.
    GetPuzzleWnd().ChangeAsOneStep([&] { return m_pPuzzle->LoadSolution(strPath); });
}

void CPuzzleApp::SetAutoSave(BOOL bAutoSave)
{
    // The changes made while it was on are kept; nothing after.
    if (!bAutoSave)
        SaveProgress();
    m_bAutoSave = bAutoSave ? TRUE : FALSE;
}

void CPuzzleApp::SolveChanged()
{
    if (m_bProgressPending || !m_bAutoSave || !m_pPuzzle || !m_pProgress || !m_pMainWnd)
        return;
    // Only the first change of a burst starts the timer: typing on keeps
    // it running, so a save comes at most this long after any change.
    m_bProgressPending = m_pMainWnd->SetTimer(kProgressTimer, kProgressDelay) != 0;
}

BOOL CPuzzleApp::SaveProgress()
{
    // The time spent since the last change is kept too.
    if (!m_bProgressPending && !TimeToKeep())
        return TRUE;
    m_bProgressPending = FALSE;
    if (m_pMainWnd)
        m_pMainWnd->KillTimer(kProgressTimer);
    if (!m_pPuzzle || !m_bAutoSave || !m_pProgress)
        return TRUE;
    m_nKeptSeconds = m_pPuzzle->GetKeptTimerSeconds();
    return m_pProgress->Save(*m_pPuzzle);
}

BOOL CPuzzleApp::TimeToKeep() const
{
    return m_pPuzzle != nullptr && m_bAutoSave && m_pProgress && m_pPuzzle->m_timer.HasBegun() &&
           m_pPuzzle->GetKeptTimerSeconds() != m_nKeptSeconds;
}

void CPuzzleApp::OnProgressTimer()
{
    // Said once: the player should know, but not at every letter. Never on
    // the way out, where no one may be there to answer.
    if (!SaveProgress() && !m_bProgressFailureShown) {
        m_bProgressFailureShown = TRUE;
        AfxMessageBox(FormatText(u"Your progress could not be saved in %s.", m_strProgressFolder), MB_OK | MB_ICONSTOP);
    }
}

BOOL CPuzzleApp::SaveAllModified()
{
    // A rebus entry still open is the player's too.
    if (m_pMainWnd != nullptr && m_pMainWnd->GetSafeHwnd() != nullptr)
        GetPuzzleWnd().CloseRebusEntry(TRUE);
    SaveProgress();
    return TRUE;
}

CString CPuzzleApp::SolvedText() const
{
    CString strText;
    strText.LoadString(IDS_SOLVED_DELETE);
    // A puzzle solved without a letter typed (Show, a loaded solution) has
    // no time to tell.
    if (!m_pPuzzle->m_timer.HasBegun() && m_pPuzzle->m_nTimerSeconds <= 0)
        return strText;
    const std::u16string strTime = CSolveTimer::FormatSeconds(m_pPuzzle->GetElapsedSeconds());
    strText += FormatText(u"\nSolved in %s.", strTime);
    return strText;
}

void CPuzzleApp::CheckSolved()
{
    if (!m_pPuzzle || !m_pPuzzle->IsSolved())
        return;
    // Revealed, not solved: no congratulation, and no reason to delete the file.
    if (m_pPuzzle->IsAllShown()) {
        AfxMessageBox(IDS_PUZZLE_COMPLETE, MB_OK | MB_ICONINFORMATION);
        GetPuzzleWnd().GetClue().SetClue(0, u'A', u"");
        return;
    }
    // Return (and Escape) keep the file: deleting it is the step that cannot be undone.
    if (AfxMessageBox(SolvedText().c_str(), MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES) {
        if (!DeleteFile(m_pPuzzle->m_strFileName.c_str())) {
            AfxMessageBox(FormatText(u"Cannot delete puzzle file '%s'", m_pPuzzle->m_strFileName), MB_OK | MB_ICONSTOP);
        }
    }
    GetPuzzleWnd().GetClue().SetClue(0, u'A', u"");
}
