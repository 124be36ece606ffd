// SPDX-License-Identifier: MIT
#pragma once

// Files dropped on a window from the desktop. A window that accepts files
// (DragAcceptFiles) takes a drag of files over it, or over any child that
// takes none itself, and once they are dropped it is posted WM_DROPFILES
// with a handle to the list of their paths. Other drags are refused.

#include "platform/Wnd.h"

struct HDROP__;
using HDROP = HDROP__*;

constexpr UINT WM_DROPFILES = 0x0233;
constexpr DWORD WS_EX_ACCEPTFILES = 0x00000010;

void DragAcceptFiles(HWND hWnd, BOOL fAccept);
// With iFile 0xFFFFFFFF the number of files. Otherwise the full path of file
// iFile: copied into lpszFile (cch characters, the terminating null
// included, cut to fit) and the number of characters copied; with a null
// lpszFile, the length without the null. 0 for a file that is not there.
UINT DragQueryFile(HDROP hDrop, UINT iFile, LPTSTR lpszFile, UINT cch);
// Frees the list; the WM_DROPFILES handler calls it when it is done.
void DragFinish(HDROP hDrop);

namespace AfxThunk {
template <class T, auto F> LRESULT DropFiles(CCmdTarget* p, WPARAM wParam, LPARAM, void*)
{
    (static_cast<T*>(p)->*F)(reinterpret_cast<HDROP>(wParam));
    return 0;
}
}  // namespace AfxThunk

#define ON_WM_DROPFILES() AFX_WM_ENTRY(WM_DROPFILES, DropFiles, OnDropFiles)
