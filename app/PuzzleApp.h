// SPDX-License-Identifier: MIT
#pragma once

#include "model/MessageSink.h"
#include "panes/Settings.h"
#include "platform/Platform.h"
#include "window/SolveHost.h"

#include <vector>

class CCrossWordPuzzle;
class CPuzzleWnd;

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
    // when there is one, then the solution, when a puzzle is loaded.
    void OpenFiles(const CString& strPuzzle, const CString& strSolution);
    // Dropped files: the first puzzle ("*.puz", "*.ipuz", "*.jpz" or "*.xd")
    // and the first "*.sol" among them.
    void OpenDroppedFiles(const std::vector<CString>& files);

    // The files of the command line, opened once the program has started.
    void SetStartFiles(const CString& strPuzzle, const CString& strSolution);

    CCrossWordPuzzle* GetPuzzle() const { return m_pPuzzle; }
    // Where Save Solution writes; empty until Save Solution As chose a file.
    const CString& GetSolutionFile() const { return m_strSolutionFile; }

    // CSolveHost
    int GetSolveMode() const override { return m_nSolveMode; }
    void CheckSolved() override;

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

    DECLARE_MESSAGE_MAP()

private:
    void DeletePuzzle();
    // Where Save Puzzle As proposes to write: the puzzle's own name and
    // folder, as a .puz file.
    CString ProposedPuzzleName() const;
    void ShowPuzzleTitle();
    // A stored option as the settings allow it, or its default.
    int ReadOption(const CSetting& setting);

    CCrossWordPuzzle* m_pPuzzle = nullptr;
    int m_nSolveMode = SETTING_SOLVE_MODE.nDefault;
    CString m_strSolutionFile;
    CString m_strStartPuzzle;
    CString m_strStartSolution;
};

extern CPuzzleApp theApp;
