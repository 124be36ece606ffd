#pragma once

#include "model/MessageSink.h"
#include "platform/Platform.h"
#include "window/SolveHost.h"

class CCrossWordPuzzle;
class CPuzzleWnd;

// The application object: owns the loaded puzzle and the solve mode, moves the
// settings to and from the profile, and takes the file, option and about commands.
class CPuzzleApp : public CWinApp, public CSolveHost, public CMessageSink {
public:
    CPuzzleApp();
    ~CPuzzleApp() override;

    BOOL InitInstance() override;

    void LoadSettings();
    void SaveSettings();
    CPuzzleWnd& GetPuzzleWnd();

    // CSolveHost
    int GetSolveMode() const override { return m_nSolveMode; }
    void CheckSolved() override;

    // CMessageSink: the model's failures reach the user as stop boxes.
    void ShowError(const std::u16string& text) override;

    CCrossWordPuzzle* m_pPuzzle = nullptr;
    int m_nSolveMode = 1;
    CString m_strSolutionFile;

protected:
    afx_msg void OnLoadPuzzle();
    afx_msg void OnSaveSolution();
    afx_msg void OnLoadSolution();
    afx_msg void OnSaveSolutionAs();
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
};

extern CPuzzleApp theApp;
