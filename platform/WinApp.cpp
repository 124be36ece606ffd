// SPDX-License-Identifier: MIT
#include "platform/WinApp.h"

#include "platform/FrameWnd.h"
#include "platform/ShellPrivate.h"
#include "platform/WndPrivate.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSessionManager>
#include <QWidget>

#include <cstdio>
#include <memory>

namespace {

CWinApp* g_pApp = nullptr;
bool g_bRunning = false;  // inside Run's event loop

// The command "Exit" (the program's resource ids give it the same value).
constexpr UINT kIdAppExit = 0xE141;

QString ExecutableName(const char* pszArgv0)
{
    const QString name = QFileInfo(QString::fromLocal8Bit(pszArgv0 ? pszArgv0 : "")).completeBaseName();
    return name.isEmpty() ? QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() : name;
}

}  // namespace

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
    ON_COMMAND(kIdAppExit, OnAppExit)
END_MESSAGE_MAP()

CWinApp::CWinApp(LPCTSTR lpszAppName) : m_nCmdShow(SW_SHOWNORMAL)
{
    // The newest application object is the application; tests make one after another.
    g_pApp = this;
    if (lpszAppName)
        SetAppName(lpszAppName);
}

CWinApp::~CWinApp()
{
    if (g_pApp == this)
        g_pApp = nullptr;
}

void CWinApp::SetAppName(const std::u16string& strName)
{
    m_strAppName = strName;
    m_pszAppName = m_strAppName.c_str();
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::Run()
{
    // Without a main window nothing could ever end the loop.
    if (!m_pMainWnd)
        return ExitInstance();
    QAbstractEventDispatcher* pDispatcher = QAbstractEventDispatcher::instance();
    const QMetaObject::Connection idle =
        QObject::connect(pDispatcher, &QAbstractEventDispatcher::aboutToBlock, pDispatcher, [] { shell::RunIdle(); });
    // The system may end the program too; what must be kept is kept first.
    const shell::TerminationWatch watch([this] {
        SaveAllModified();
        QCoreApplication::exit(0);
    });
#ifndef QT_NO_SESSIONMANAGER
    const QMetaObject::Connection session = QObject::connect(qApp, &QGuiApplication::commitDataRequest, qApp,
                                                             [this](QSessionManager&) { SaveAllModified(); });
#endif
    g_bRunning = true;
    m_nExitCode = QApplication::exec();
    g_bRunning = false;
#ifndef QT_NO_SESSIONMANAGER
    QObject::disconnect(session);
#endif
    QObject::disconnect(idle);
    return ExitInstance();
}

BOOL CWinApp::OnIdle(LONG lCount)
{
    if (lCount == 0)
        CFrameWnd::UpdateAllFramesOnIdle();
    return FALSE;
}

int CWinApp::ExitInstance()
{
    return m_nExitCode;
}

BOOL CWinApp::SaveAllModified()
{
    return TRUE;
}

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey)
{
    m_strRegistryKey = lpszRegistryKey ? lpszRegistryKey : u"";
    m_pszRegistryKey = m_strRegistryKey.empty() ? nullptr : m_strRegistryKey.c_str();
    // The data folder is named after the same organisation.
    QCoreApplication::setOrganizationName(ToQString(m_strRegistryKey));
}

CString CWinApp::GetDataFolder() const
{
    return ToU16(shell::DataFolder());
}

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault)
{
    if (!lpszSection || !lpszEntry)
        return static_cast<UINT>(nDefault);
    return shell::ReadProfileInt(ToQString(lpszSection), ToQString(lpszEntry), static_cast<UINT>(nDefault));
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    if (!lpszSection || !lpszEntry)
        return FALSE;
    return shell::WriteProfileInt(ToQString(lpszSection), ToQString(lpszEntry), nValue);
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    const QString strDefault = ToQString(lpszDefault);
    if (!lpszSection || !lpszEntry)
        return CString(ToU16(strDefault));
    return CString(ToU16(shell::ReadProfileString(ToQString(lpszSection), ToQString(lpszEntry), strDefault)));
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    if (!lpszSection || !lpszEntry || !lpszValue)
        return FALSE;
    return shell::WriteProfileString(ToQString(lpszSection), ToQString(lpszEntry), ToQString(lpszValue));
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd)
        m_pMainWnd->SendMessage(WM_CLOSE, 0, 0);
}

CWinApp* AfxGetApp()
{
    return g_pApp;
}

CWnd* AfxGetMainWnd()
{
    return g_pApp ? g_pApp->m_pMainWnd : nullptr;
}

// The Qt application, unless there is one (a test's), made before anything
// else and named as the application object is, after argv[0] unless it has
// a name of its own. Null with a message when there is no application object.
std::unique_ptr<QCoreApplication> StartQt(int argc, char* argv[], bool bWidgets)
{
    CWinApp* pApp = g_pApp;
    // QApplication keeps a reference to the count for its whole life.
    static int s_argc;
    s_argc = argc;
    std::unique_ptr<QCoreApplication> pQtApp;
    if (!QCoreApplication::instance()) {
        if (bWidgets)
            pQtApp = std::make_unique<QApplication>(s_argc, argv);
        else
            pQtApp = std::make_unique<QGuiApplication>(s_argc, argv);
    }
    if (!pApp->m_pszAppName)
        pApp->SetAppName(ToU16(ExecutableName(argc > 0 ? argv[0] : nullptr)));
    QCoreApplication::setApplicationName(ToQString(pApp->m_pszAppName));
    return pQtApp;
}

int AfxWinMain(int argc, char* argv[])
{
    CWinApp* pApp = g_pApp;
    if (!pApp) {
        std::fprintf(stderr, "trellis: no application object\n");
        return 1;
    }
    const std::unique_ptr<QCoreApplication> pQtApp = StartQt(argc, argv, true);
    int nResult = 1;
    if (pApp->InitInstance())
        nResult = pApp->Run();
    else
        pApp->ExitInstance();
    // A main window still open at the end goes with the program.
    if (CWnd* pMainWnd = pApp->m_pMainWnd)
        pMainWnd->DestroyWindow();
    return nResult;
}

int AfxRunWithoutWindows(int argc, char* argv[], const std::function<int()>& work)
{
    if (!g_pApp) {
        std::fprintf(stderr, "trellis: no application object\n");
        return 1;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> pQtApp = StartQt(argc, argv, false);
    return work();
}

namespace shell {

QString AppTitle()
{
    if (g_pApp && g_pApp->m_pszAppName)
        return ToQString(g_pApp->m_pszAppName);
    return QCoreApplication::applicationName();
}

void ProfileNames(QString& strOrganisation, QString& strApplication)
{
    strApplication = AppTitle();
    strOrganisation = g_pApp && g_pApp->m_pszRegistryKey ? ToQString(g_pApp->m_pszRegistryKey) : strApplication;
}

void MainWindowGone()
{
    if (g_bRunning)
        QCoreApplication::exit(0);
}

QWidget* ModalParent(CWnd* pWnd)
{
    if (!pWnd)
        pWnd = AfxGetMainWnd();
    QWidget* pWidget = PlatformWidget(pWnd);
    return pWidget ? pWidget->window() : nullptr;
}

void RunIdle()
{
    // Update handlers may open nested loops (which go idle too); one pass at a time.
    static bool s_bBusy = false;
    if (s_bBusy)
        return;
    s_bBusy = true;
    if (g_pApp) {
        for (LONG lCount = 0; g_pApp && g_pApp->OnIdle(lCount); ++lCount) { }
    } else {
        CFrameWnd::UpdateAllFramesOnIdle();
    }
    s_bBusy = false;
}

}  // namespace shell
