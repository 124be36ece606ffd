// SPDX-License-Identifier: MIT
#include "platform/FileDialog.h"

#include "platform/MessageBox.h"
#include "platform/PlatformHooks.h"
#include "platform/ShellPrivate.h"
#include "platform/WndPrivate.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPixmapCache>

#include <optional>
#include <vector>

namespace {

// "desc|*.a;*.b|All|*.*||" becomes { "desc (*.a *.b)", "All (*)" }.
std::vector<std::u16string> QtFilters(const std::u16string& strFilter)
{
    std::vector<std::u16string> filters;
    const QStringList fields = ToQString(strFilter).split(u'|');
    for (qsizetype i = 0; i + 1 < fields.size(); i += 2) {
        const QString& desc = fields[i];
        if (desc.isEmpty())
            break;  // the closing "||"
        QStringList patterns = fields[i + 1].split(u';', Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == u"*.*")
                pattern = QStringLiteral("*");  // every file, with a dot in its name or not
        }
        filters.push_back(ToU16(desc + QStringLiteral(" (") + patterns.join(u' ') + u')'));
    }
    return filters;
}

// A name given without an extension gets the default one. An open dialog keeps
// the bare name when only that file exists.
QString WithDefaultExtension(const QString& path, const QString& defExt, bool bOpen)
{
    if (defExt.isEmpty() || QFileInfo(path).fileName().contains(u'.'))
        return path;
    const QString withExt = path + u'.' + defExt;
    if (bOpen && !QFileInfo::exists(withExt) && QFileInfo(path).isFile())
        return path;
    return withExt;
}

std::optional<QString> AskNative(const FileDialogRequest& request, QWidget* pParent)
{
    QFileDialog dlg(pParent, request.bOpen ? QStringLiteral("Open") : QStringLiteral("Save As"));
    dlg.setAcceptMode(request.bOpen ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dlg.setFileMode(request.bOpen && (request.dwFlags & OFN_FILEMUSTEXIST) ? QFileDialog::ExistingFile
                                                                           : QFileDialog::AnyFile);
    // Replacing is confirmed by DoModal itself, once the extension is settled.
    dlg.setOption(QFileDialog::DontConfirmOverwrite);
    dlg.setOption(QFileDialog::HideNameFilterDetails);
    QStringList filters;
    for (const auto& filter : request.filters)
        filters << ToQString(filter);
    if (!filters.isEmpty())
        dlg.setNameFilters(filters);
    if (!request.strDefExt.empty())
        dlg.setDefaultSuffix(ToQString(request.strDefExt));
    if (!request.strInitialDir.empty())
        dlg.setDirectory(ToQString(request.strInitialDir));
    if (!request.strFileName.empty())
        dlg.selectFile(ToQString(request.strFileName));
    const bool bAccepted = dlg.exec() == QDialog::Accepted && !dlg.selectedFiles().isEmpty();
    const QString chosen = bAccepted ? dlg.selectedFiles().first() : QString();
    // Each dialog makes its icons anew, and every new icon puts its pixmaps
    // into the process's pixmap cache under a key of its own: about 16 KB
    // more for each use, kept until the cache is full (10 MB). Nothing else
    // here draws from that cache.
    QPixmapCache::clear();
    if (!bAccepted)
        return std::nullopt;
    return chosen;
}

}  // namespace

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
                         LPCTSTR lpszFilter, CWnd* pParentWnd)
    : m_bOpenFileDialog(bOpenFileDialog), m_strDefExt(lpszDefExt ? lpszDefExt : u""),
      m_strFileName(lpszFileName ? lpszFileName : u""), m_dwFlags(dwFlags), m_strFilter(lpszFilter ? lpszFilter : u""),
      m_pParentWnd(pParentWnd)
{
    // A default extension may come with its dot.
    if (!m_strDefExt.empty() && m_strDefExt.front() == u'.')
        m_strDefExt.erase(0, 1);
}

CFileDialog::~CFileDialog() = default;

int CFileDialog::DoModal()
{
    m_strPathName = CString();
    FileDialogRequest request;
    request.bOpen = m_bOpenFileDialog != FALSE;
    request.strDefExt = m_strDefExt;
    request.strFileName = m_strFileName;
    request.dwFlags = m_dwFlags;
    request.filters = QtFilters(m_strFilter);
    // Only a folder that is there: the dialog would show some other one.
    const QString strInitialDir = ToQString(m_ofn.lpstrInitialDir);
    if (!strInitialDir.isEmpty() && QDir::isAbsolutePath(strInitialDir) && QFileInfo(strInitialDir).isDir())
        request.strInitialDir = ToU16(QDir::toNativeSeparators(QDir::cleanPath(strInitialDir)));
    const QString defExt = ToQString(m_strDefExt);

    for (;;) {
        std::optional<QString> chosen;
        std::optional<std::u16string> answered;
        PlatformHooks* pHooks = PlatformHooks::Installed();
        if (pHooks && pHooks->AnswerFileDialog(request, answered)) {
            if (answered)
                chosen = ToQString(*answered);
        } else {
            chosen = AskNative(request, shell::ModalParent(m_pParentWnd));
        }
        PlatformModalWindowClosed();
        if (!chosen || chosen->isEmpty())
            return IDCANCEL;

        const QString path = QDir::toNativeSeparators(
            QFileInfo(WithDefaultExtension(*chosen, defExt, request.bOpen)).absoluteFilePath());
        const std::u16string strPath = ToU16(path);
        if (request.bOpen && (m_dwFlags & OFN_FILEMUSTEXIST) && !QFileInfo(path).isFile()) {
            AfxMessageBox(strPath + u"\nFile not found.\nCheck the file name and try again.",
                          MB_OK | MB_ICONEXCLAMATION);
            request.strFileName = strPath;
            continue;
        }
        if (!request.bOpen && (m_dwFlags & OFN_OVERWRITEPROMPT) && QFileInfo::exists(path) &&
            AfxMessageBox(strPath + u" already exists.\nDo you want to replace it?", MB_YESNO | MB_ICONEXCLAMATION) !=
                IDYES) {
            request.strFileName = strPath;
            continue;
        }
        m_strPathName = CString(strPath);
        return IDOK;
    }
}

CString CFileDialog::GetPathName() const
{
    return m_strPathName;
}

CString CFileDialog::GetFolderPath() const
{
    if (m_strPathName.IsEmpty())
        return CString();
    return CString(ToU16(QDir::toNativeSeparators(QFileInfo(ToQString(m_strPathName)).absolutePath())));
}

BOOL DeleteFile(LPCTSTR lpFileName)
{
    if (!lpFileName || !*lpFileName)
        return FALSE;
    return QFile::remove(ToQString(lpFileName)) ? TRUE : FALSE;
}

BOOL IsWritableFolder(LPCTSTR lpszFolder)
{
    if (!lpszFolder || !*lpszFolder)
        return FALSE;
    const QFileInfo info(ToQString(lpszFolder));
    return info.isDir() && info.isWritable() ? TRUE : FALSE;
}
