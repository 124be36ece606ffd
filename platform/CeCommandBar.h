// SPDX-License-Identifier: MIT
#pragma once

// The command bar: one strip across the top of a frame holding the menu bar,
// the toolbar buttons and the close button. Menu items and buttons issue their
// command ids to the frame; their update handlers run before a menu opens and,
// for the buttons, whenever the program goes idle.

#include "platform/FrameWnd.h"
#include "platform/Wnd.h"

#include <functional>
#include <memory>

// Bar styles.
constexpr DWORD CBRS_ALIGN_LEFT = 0x1000;
constexpr DWORD CBRS_ALIGN_TOP = 0x2000;
constexpr DWORD CBRS_ALIGN_RIGHT = 0x4000;
constexpr DWORD CBRS_ALIGN_BOTTOM = 0x8000;
constexpr DWORD CBRS_BORDER_LEFT = 0x0100;
constexpr DWORD CBRS_BORDER_TOP = 0x0200;
constexpr DWORD CBRS_BORDER_RIGHT = 0x0400;
constexpr DWORD CBRS_BORDER_BOTTOM = 0x0800;
constexpr DWORD CBRS_TOOLTIPS = 0x0010;
constexpr DWORD CBRS_FLYBY = 0x0020;
constexpr DWORD CBRS_SIZE_DYNAMIC = 0x0004;
constexpr DWORD CBRS_SIZE_FIXED = 0x0002;
constexpr DWORD CBRS_TOP = CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM;
constexpr DWORD CBRS_ALL = 0x0040FFFF;

// Optional adornments besides the close button.
constexpr DWORD CMDBAR_HELP = 0x0001;
constexpr DWORD CMDBAR_OK = 0x0002;

class CCeCommandBar : public CWnd {
public:
    CCeCommandBar();
    ~CCeCommandBar() override;

    // A child of pParentWnd (a frame) with the bar styles of dwStyle.
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP, UINT nID = AFX_IDW_TOOLBAR);

    // Puts the pop-ups of menu resource nMenuID into the bar. FALSE when there is no such menu.
    BOOL InsertMenuBar(UINT nMenuID, int nButton = 0);
    // Adds the close button (CMDBAR_HELP and CMDBAR_OK are not offered: FALSE).
    BOOL AddAdornments(DWORD dwFlags = 0);
    // Adds the buttons of toolbar resource nIDResource with the 16 x 16 images of
    // bitmap nIDResource. FALSE when either is missing or the bitmap is too small.
    BOOL LoadToolBar(UINT nIDResource);
    // Takes the menus, buttons and adornments out again (the bar style stays).
    void ResetCommandBar();

    DWORD GetBarStyle() const;
    void SetBarStyle(DWORD dwStyle);

    // The bar's height when it is nWidth pixels wide (the buttons wrap under the
    // menus when one row is too narrow).
    int CalcHeight(int nWidth) const;

    // Runs the update handlers of the buttons against pTarget.
    void UpdateButtons(CCmdTarget* pTarget);

    struct Impl;

private:
    QWidget* CreateNativeWidget(QWidget* pParent) override;
    void Changed();
    void IssueCommand(UINT nID);
    void Post(std::function<void()> deliver);

    std::unique_ptr<Impl> m_pImpl;
};
