// SPDX-License-Identifier: MIT
#pragma once

#include "model/MessageSink.h"
#include "panes/Settings.h"
#include "platform/Platform.h"
#include "window/SolveHost.h"

#include "model/PageLayout.h"

#include <future>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

class CCrossWordPuzzle;
class CProgressStore;
class CPuzzleWnd;
struct CCommandLine;

// The application object: owns the loaded puzzle and the solve mode, moves the
// settings to and from the profile, and takes the file, option and about commands.
class CPuzzleApp : public CWinApp, public CSolveHost, public CMessageSink {
public:
    CPuzzleApp();
    ~CPuzzleApp() override;

    BOOL InitInstance() override;
    // Lets the loaded puzzle go, with the paths that belong to it; the frame
    // must be gone already, or the panes still point at the puzzle.
    int ExitInstance() override;

    void LoadSettings();
    void SaveSettings();
    CPuzzleWnd& GetPuzzleWnd();

    // Load Puzzle and Load Solution once the file is chosen.
    void OpenPuzzleFile(const CString& strPath);
    void OpenSolutionFile(const CString& strPath);
    // Files that come without a dialog (the command line, a drop): the puzzle,
    // when there is one, then the solution, when a puzzle is loaded. A
    // solution file in the puzzle's place opens the puzzle it was saved for.
    void OpenFiles(const CString& strPuzzle, const CString& strSolution);
    // Dropped files: the first solution file (known by its content) and the
    // first puzzle ("*.puz", "*.ipuz", "*.jpz" or "*.xd") among the others.
    void OpenDroppedFiles(const std::vector<CString>& files);
    // Starts reading m_strStartPuzzle on a thread of its own while Qt starts
    // and the window is built; OpenPuzzleFile takes the result where it would
    // have read the file itself, so the user sees the same, sooner. The
    // reader touches nothing but its own puzzle and the file.
    void ReadStartPuzzleAhead();

    // `trellis --pdf`: reads the puzzle as Load Puzzle does and writes its
    // pages as Export PDF does, in the grid's face from the settings, with
    // no window. The exit status: 0, or 1 with the reason on err.
    int ExportPdfFile(const CCommandLine& cmd, std::ostream& err);

    // The files of the command line, opened once the program has started.
    void SetStartFiles(const CString& strPuzzle, const CString& strSolution);

    CCrossWordPuzzle* GetPuzzle() const { return m_pPuzzle; }
    // Where Save Solution writes; empty until Save Solution As saved a file.
    const CString& GetSolutionFile() const { return m_strSolutionFile; }
    // What the Save Solution As dialog proposes: "<puzzle name>.sol" in the
    // puzzle's folder or, where that cannot take it, the last folder a
    // solution was saved to or loaded from.
    CString ProposedSolutionFile() const;

    // CSolveHost
    int GetSolveMode() const override { return m_nSolveMode; }
    void CheckSolved() override;
    // Saves the progress a little later: a burst of changes makes one save.
    void SolveChanged() override;

    // The progress of the puzzle is kept for it as it changes, and brought
    // back when it is loaded again (the "autosave" option).
    BOOL GetAutoSave() const { return m_bAutoSave; }
    // Where the progress is kept; empty when no folder could be had.
    const CString& GetProgressFolder() const { return m_strProgressFolder; }
    // Writes the progress now if a save is waiting, or the solving time
    // went on since the last save, and stops the waiting save's timer
    // (kProgressTimer, on the main frame). FALSE when the write failed.
    BOOL SaveProgress();
    // The timer's end: saves, and says so once a session when it cannot.
    void OnProgressTimer();
    // Whether a save is waiting.
    BOOL IsProgressPending() const { return m_bProgressPending; }
    // The main frame's timer of the waiting save, and its delay: a crash
    // loses at most the changes of that long.
    static constexpr UINT_PTR kProgressTimer = 1;
    static constexpr UINT kProgressDelay = 500;
    // Quitting in any way saves first.
    BOOL SaveAllModified() override;

    // CMessageSink: the model's failures reach the user as stop boxes.
    void ShowError(const std::u16string& text) override;

protected:
    afx_msg void OnLoadPuzzle();
    afx_msg void OnSaveSolution();
    afx_msg void OnLoadSolution();
    afx_msg void OnSaveSolutionAs();
    afx_msg void OnSavePuzzleAs();
    afx_msg void OnUpdatePuzzleLoaded(CCmdUI* pCmdUI);

    // The option and about commands (PuzzleAppDialogs.cpp).
    afx_msg void OnAppAbout();
    afx_msg void OnAboutPuzzle();
    afx_msg void OnOptionsGeneral();
    afx_msg void OnOptionsFont();
    afx_msg void OnOptionsColors();
    afx_msg void OnUnlockPuzzle();
    afx_msg void OnUpdateUnlockPuzzle(CCmdUI* pCmdUI);

    // Print and Export PDF (PuzzleAppPrint.cpp).
    afx_msg void OnPrintPuzzle();
    afx_msg void OnExportPdf();

    // The View menu's zoom and notes commands (PuzzleAppView.cpp).
    afx_msg void OnViewZoomIn();
    afx_msg void OnViewZoomOut();
    afx_msg void OnViewActualSize();
    afx_msg void OnViewFit();
    afx_msg void OnViewNotes();
    afx_msg void OnUpdateViewZoomIn(CCmdUI* pCmdUI);
    afx_msg void OnUpdateViewZoomOut(CCmdUI* pCmdUI);
    afx_msg void OnUpdateViewFit(CCmdUI* pCmdUI);
    afx_msg void OnUpdateViewNotes(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()

private:
    // A puzzle file as the reader left it: the puzzle when it loaded, else
    // the reader's message.
    struct CReadPuzzle {
        std::unique_ptr<CCrossWordPuzzle> pPuzzle;
        std::u16string strError;
    };
    static CReadPuzzle ReadPuzzle(const CString& strPath);

    // TRUE when the path is a solution file, which is then dealt with: its
    // puzzle opened and the solution loaded, or the user told why not.
    BOOL OpenedAsSolution(const CString& strPath);
    void DeletePuzzle();
    // Where Save Puzzle As proposes to write: the puzzle's own name and
    // folder, as a .puz file.
    CString ProposedPuzzleName() const;
    void ShowPuzzleTitle();
    // The congratulation, with the time the solve took.
    CString SolvedText() const;
    // The solving time differs from the one last saved.
    BOOL TimeToKeep() const;
    void SetAutoSave(BOOL bAutoSave);
    // A stored option as the settings allow it, or its default.
    int ReadOption(const CSetting& setting);
    // Runs a file dialog in the folder the last one chose from, and keeps the
    // folder of the file chosen; an empty result means it was cancelled.
    CString AskForFile(BOOL bOpen, LPCTSTR lpszExt, LPCTSTR lpszFilter, DWORD dwFlags = 0,
                       LPCTSTR lpszFileName = nullptr);
    // The face of the grid's fonts that the settings hold, or the default.
    CString StoredFaceName();
    // Asks what the printed grid shows, under the command's caption, and
    // keeps the answer for the next time; FALSE for a cancel.
    BOOL AskPrintChoices(LPCTSTR lpszCaption);
    // "<puzzle name><extension>" in the puzzle's folder or, where that
    // cannot take it, in strFallbackFolder (empty: the dialog's choice);
    // empty without a puzzle name.
    CString ProposedFile(LPCTSTR lpszExtension, const CString& strFallbackFolder) const;
    // Shows the grid at a new square size, which is stored at once as the
    // Options dialog's square size.
    void ZoomTo(int nSquareSize);

    CCrossWordPuzzle* m_pPuzzle = nullptr;
    int m_nSolveMode = SETTING_SOLVE_MODE.nDefault;
    CString m_strSolutionFile;
    CString m_strSolutionFolder;  // of the last solution saved or loaded
    // What the last print or export showed in the squares, and whether it
    // scaled the grid to one page.
    EPrintContent m_nPrintContent = EPrintContent::Blank;
    BOOL m_bPrintOnePage = FALSE;
    CString m_strStartPuzzle;
    CString m_strStartSolution;

    // The start puzzle being read ahead, and its path.
    std::future<CReadPuzzle> m_startRead;
    CString m_strStartRead;
    BOOL m_bAutoSave = SETTING_AUTOSAVE.nDefault;
    BOOL m_bProgressPending = FALSE;
    // Told once a session that progress cannot be saved.
    BOOL m_bProgressFailureShown = FALSE;
    CString m_strProgressFolder;
    std::unique_ptr<CProgressStore> m_pProgress;
    // The solving time the last save kept.
    long m_nKeptSeconds = -1;
};

extern CPuzzleApp theApp;
