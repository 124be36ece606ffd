// SPDX-License-Identifier: MIT
// The keyboard and the command bar, where the program's own menus and keys
// (the application's tests) do not reach: a frame without keys, the first
// menu item that can be chosen, and keys held with Alt or Ctrl that type no
// letters.

#include "platform/Platform.h"
#include "platform/testing/Testing.h"
#include "platform/testing/TestingShell.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr UINT IDR_KEYS = 310;

constexpr UINT ID_OPEN = 41001;
constexpr UINT ID_LOCKED = 41008;  // disabled by its update handler

std::vector<std::string> g_issued;

const ResourceSet& KeyResources()
{
    static const ResourceSet set = [] {
        ResourceSet s;
        s.menus[IDR_KEYS] = {{{u"&File", {{ID_LOCKED, u"&Locked"}, {ID_OPEN, u"&Open\tCtrl+O"}}}}};
        s.accelerators[IDR_KEYS] = {{FVIRTKEY | FCONTROL, 'O', ID_OPEN}};
        s.strings[IDR_KEYS] = u"keys";
        return s;
    }();
    return set;
}

// Records what it is typed: characters as such, system characters and
// control characters by name.
class CTypingPane : public CWnd {
public:
    std::u16string m_strTyped;

protected:
    afx_msg void OnChar(UINT nChar, UINT, UINT) { m_strTyped += static_cast<char16_t>(nChar); }
    afx_msg LRESULT OnSysChar(WPARAM wParam, LPARAM)
    {
        m_strTyped += u"<alt ";
        m_strTyped += static_cast<char16_t>(wParam);
        m_strTyped += u'>';
        return 0;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTypingPane, CWnd)
    ON_WM_CHAR()
    ON_MESSAGE(WM_SYSCHAR, OnSysChar)
END_MESSAGE_MAP()

class CKeysFrame : public CFrameWnd {
public:
    CTypingPane m_wndPane;
    CCeCommandBar m_wndCommandBar;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (CFrameWnd::OnCreate(lpcs) == -1 ||
            !m_wndPane.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, AFX_IDW_PANE_FIRST) ||
            !m_wndCommandBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_TOOLBAR) ||
            !m_wndCommandBar.InsertMenuBar(IDR_KEYS))
            return -1;
        return 0;
    }
    afx_msg void OnOpen() { g_issued.push_back("open"); }
    afx_msg void OnLocked() { g_issued.push_back("locked"); }
    afx_msg void OnUpdateLocked(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CKeysFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_COMMAND(ID_OPEN, OnOpen)
    ON_COMMAND(ID_LOCKED, OnLocked)
    ON_UPDATE_COMMAND_UI(ID_LOCKED, OnUpdateLocked)
END_MESSAGE_MAP()

class KeyboardMenuTest : public ::testing::Test {
protected:
    KeyboardMenuTest() : m_pOldResources(AfxGetResources())
    {
        AfxSetResources(&KeyResources());
        g_issued.clear();
        m_pFrame = new CKeysFrame;
        m_app.m_pMainWnd = m_pFrame;
        m_bLoaded = m_pFrame->LoadFrame(IDR_KEYS, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
        m_pFrame->SetFocus();
        Testing::RunUntilIdle();
    }
    ~KeyboardMenuTest() override
    {
        if (m_app.m_pMainWnd)
            m_app.m_pMainWnd->DestroyWindow();
        Testing::RunUntilIdle();
        AfxSetResources(m_pOldResources);
    }

    std::u16string& Typed() { return m_pFrame->m_wndPane.m_strTyped; }

    const ResourceSet* m_pOldResources;
    CWinApp m_app {u"trellis"};
    CKeysFrame* m_pFrame = nullptr;
    BOOL m_bLoaded = FALSE;
};

using Issued = std::vector<std::string>;

}  // namespace

TEST_F(KeyboardMenuTest, KeysHeldWithAltOrCtrlTypeNoLetters)
{
    ASSERT_TRUE(m_bLoaded);
    Testing::PressKeys(0, 'K');
    Testing::PressKeys(Testing::KEY_ALT, 'K');  // no menu has K
    Testing::PressKeys(Testing::KEY_CONTROL, 'K');  // no accelerator either
    Testing::PressKeys(Testing::KEY_CONTROL, '7');
    Testing::PressKeys(Testing::KEY_SHIFT, 'K');
    // The letter typed alone, Alt's as a system character, Ctrl's as its control character.
    EXPECT_EQ(Typed(), u"k<alt k>\x0bK");
    EXPECT_TRUE(g_issued.empty());
}

TEST_F(KeyboardMenuTest, F10OpensTheFirstMenu)
{
    ASSERT_TRUE(m_bLoaded);
    Testing::PressKeys(0, VK_F10);
    EXPECT_EQ(Testing::OpenMenu(), u"File");
    EXPECT_EQ(Testing::ActiveMenuItem(), ID_OPEN);  // "Locked" cannot be chosen
    Testing::PressKeys(0, VK_ESCAPE);
    Testing::PressKeys(0, 'X');
    EXPECT_EQ(Typed(), u"x");
}
