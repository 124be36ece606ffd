// SPDX-License-Identifier: MIT
#pragma once

// The application object. The program defines exactly one (a static object of a
// class derived from CWinApp); its main calls AfxWinMain, which creates the Qt
// application, runs InitInstance and then the event loop.

#include "platform/Wnd.h"

#include <functional>
#include <memory>
#include <string>

class QCoreApplication;

class CWinApp : public CCmdTarget {
public:
    // Without a name the application is named after its executable.
    explicit CWinApp(LPCTSTR lpszAppName = nullptr);
    ~CWinApp() override;

    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Set-up; FALSE ends the program before the event loop.
    virtual BOOL InitInstance();
    // The event loop; returns the exit code, from ExitInstance.
    virtual int Run();
    // Idle processing, run whenever the event loop has nothing left to do:
    // updates the toolbar buttons of every frame. TRUE asks for more idle time.
    virtual BOOL OnIdle(LONG lCount);
    virtual int ExitInstance();
    // Called before the program ends by the user's or the system's hand: the
    // main frame's close (Exit, the close button, the window manager), the
    // end of the desktop session and a termination signal (SIGTERM, SIGINT,
    // SIGHUP, after which the event loop ends). The application keeps what
    // must not be lost. FALSE keeps the main frame open; the session's end
    // and a signal go on regardless.
    virtual BOOL SaveAllModified();

    // From here on the profile is kept under the organisation lpszRegistryKey
    // (on Windows HKEY_CURRENT_USER\Software\<key>\<application>\<section>).
    void SetRegistryKey(LPCTSTR lpszRegistryKey);
    // A stored 32-bit value; nDefault when it is absent or not a 32-bit number.
    UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
    // FALSE when the store could not be written.
    BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
    // A stored text; lpszDefault (null: empty) when it is absent or no text.
    CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = nullptr);
    // FALSE when the store could not be written.
    BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);
    // The folder for the application's own data files, under the user's data
    // folder (on Linux ~/.local/share/<registry key>/<application>), created
    // when missing; empty when there is none.
    CString GetDataFolder() const;

    CWnd* m_pMainWnd = nullptr;
    LPCTSTR m_pszAppName = nullptr;  // the application's name ("trellis")
    LPCTSTR m_pszRegistryKey = nullptr;  // null until SetRegistryKey
    int m_nCmdShow;  // how InitInstance shows the main window

protected:
    // ID_APP_EXIT (57665): closes the main window, which ends the program.
    void OnAppExit();

    DECLARE_MESSAGE_MAP()

private:
    friend int AfxWinMain(int argc, char* argv[]);
    friend std::unique_ptr<QCoreApplication> StartQt(int argc, char* argv[], bool bWidgets);
    void SetAppName(const std::u16string& strName);

    std::u16string m_strAppName;
    std::u16string m_strRegistryKey;
    int m_nExitCode = 0;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();

// Creates the Qt application (or uses the one there is), names the application
// after argv[0] unless it has a name, runs InitInstance and, when that
// succeeds, the event loop. Returns the program's exit status: ExitInstance's
// result, or 1 when InitInstance failed.
int AfxWinMain(int argc, char* argv[]);

// Work that needs fonts and paint devices but no window (writing a PDF):
// creates a Qt application without windows, names the application as
// AfxWinMain does and returns work's result. Unless QT_QPA_PLATFORM says
// otherwise it uses Qt's offscreen platform, so no display is needed and
// none is touched.
int AfxRunWithoutWindows(int argc, char* argv[], const std::function<int()>& work);
