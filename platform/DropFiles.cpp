// SPDX-License-Identifier: MIT
#include "platform/DropFiles.h"

#include "platform/WndPrivate.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include <algorithm>
#include <string>
#include <vector>

struct HDROP__ {
    std::vector<std::u16string> files;
    POINT pt;
};

namespace {

const char* const kTargetName = "platformDropTarget";

// The local files of a drag; none for anything else (text, web links).
std::vector<std::u16string> LocalFiles(const QMimeData* pData)
{
    std::vector<std::u16string> files;
    if (!pData || !pData->hasUrls())
        return files;
    for (const QUrl& url : pData->urls()) {
        if (url.isLocalFile())
            files.push_back(url.toLocalFile().toStdU16String());
    }
    return files;
}

// Watches the client area of a window that accepts files.
class DropTarget : public QObject {
public:
    DropTarget(HWND hWnd, QObject* pParent) : QObject(pParent), m_hWnd(hWnd)
    {
        setObjectName(QLatin1String(kTargetName));
    }

    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        const QEvent::Type type = pEvent->type();
        if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
            return QObject::eventFilter(pWatched, pEvent);
        auto* pDrop = static_cast<QDropEvent*>(pEvent);
        CWnd* pWnd = CWnd::FromHandle(m_hWnd);
        const std::vector<std::u16string> files = LocalFiles(pDrop->mimeData());
        // A disabled window, or one under a modal window, takes nothing.
        if (!pWnd || !pWnd->IsWindowEnabled() || QApplication::activeModalWidget() || files.empty()) {
            pDrop->ignore();
            return true;
        }
        pDrop->setDropAction(Qt::CopyAction);
        pDrop->accept();
        if (type == QEvent::Drop) {
            // Posted, so that the source of the drag is free before the window acts.
            const QPoint pos = pDrop->position().toPoint();
            auto* pFiles = new HDROP__ {files, POINT {pos.x(), pos.y()}};
            pWnd->PostMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(pFiles), 0);
        }
        return true;
    }

private:
    HWND m_hWnd;
};

}  // namespace

void DragAcceptFiles(HWND hWnd, BOOL fAccept)
{
    CWnd* pWnd = CWnd::FromHandle(hWnd);
    QWidget* pClient = PlatformClientWidget(pWnd);
    if (!pClient)
        return;
    delete pClient->findChild<QObject*>(QLatin1String(kTargetName), Qt::FindDirectChildrenOnly);
    pClient->setAcceptDrops(fAccept != FALSE);
    if (fAccept)
        pClient->installEventFilter(new DropTarget(hWnd, pClient));
    const DWORD dwExStyle = pWnd->GetExStyle();
    pWnd->SetWindowLong(GWL_EXSTYLE,
                        static_cast<LONG>(fAccept ? dwExStyle | WS_EX_ACCEPTFILES : dwExStyle & ~WS_EX_ACCEPTFILES));
}

UINT DragQueryFile(HDROP hDrop, UINT iFile, LPTSTR lpszFile, UINT cch)
{
    if (!hDrop)
        return 0;
    if (iFile == 0xFFFFFFFF)
        return static_cast<UINT>(hDrop->files.size());
    if (iFile >= hDrop->files.size())
        return 0;
    const std::u16string& strFile = hDrop->files[iFile];
    if (!lpszFile)
        return static_cast<UINT>(strFile.size());
    if (cch == 0)
        return 0;
    const size_t nCopied = std::min<size_t>(strFile.size(), cch - 1);
    std::copy_n(strFile.data(), nCopied, lpszFile);
    lpszFile[nCopied] = u'\0';
    return static_cast<UINT>(nCopied);
}

void DragFinish(HDROP hDrop)
{
    delete hDrop;
}
