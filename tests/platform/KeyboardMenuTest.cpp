// SPDX-License-Identifier: MIT
// The keyboard and the command bar: accelerators issue their commands, menus
// open with Alt and their letter or with F10, Escape hands the keyboard back,
// and keys held with Alt or Ctrl never type letters.

#include "platform/Platform.h"
#include "platform/testing/Testing.h"
#include "platform/testing/TestingShell.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr UINT IDR_KEYS = 310;
constexpr UINT IDR_NO_KEYS = 311;

constexpr UINT ID_OPEN = 41001;
constexpr UINT ID_SAVE = 41002;
constexpr UINT ID_SAVE_AS = 41003;
constexpr UINT ID_CHECK = 41004;
constexpr UINT ID_SHOW = 41005;
constexpr UINT ID_CLEAR = 41006;
constexpr UINT ID_ZOOM = 41007;
constexpr UINT ID_LOCKED = 41008;  // disabled by its update handler
constexpr UINT ID_SECOND = 41009;  // bound to a key already taken

std::vector<std::string> g_issued;

const ResourceSet& KeyResources()
{
    static const ResourceSet set = [] {
        ResourceSet s;
        s.menus[IDR_KEYS] = {{
            {u"&File",
             {{ID_LOCKED, u"&Locked"}, {ID_OPEN, u"&Open\tCtrl+O"}, {0, nullptr}, {ID_SAVE, u"&Save && Go\tCtrl+S"}}},
            {u"&View", {{ID_ZOOM, u"Zoom &In\tCtrl++"}}},
        }};
        constexpr BYTE kCtrl = FVIRTKEY | FCONTROL;
        s.accelerators[IDR_KEYS] = {
            {kCtrl, 'O', ID_OPEN},         {kCtrl, 'S', ID_SAVE},          {kCtrl | FSHIFT, 'S', ID_SAVE_AS},
            {kCtrl, '1', ID_CHECK},        {kCtrl | FSHIFT, '1', ID_SHOW}, {kCtrl | FALT, '1', ID_CLEAR},
            {kCtrl, VK_OEM_PLUS, ID_ZOOM}, {kCtrl, 'L', ID_LOCKED},        {kCtrl, 'O', ID_SECOND},
        };
        s.strings[IDR_KEYS] = u"keys";
        s.strings[IDR_NO_KEYS] = u"no keys";
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
    afx_msg void OnSave() { g_issued.push_back("save"); }
    afx_msg void OnSaveAs() { g_issued.push_back("save as"); }
    afx_msg void OnCheck() { g_issued.push_back("check"); }
    afx_msg void OnShow() { g_issued.push_back("show"); }
    afx_msg void OnClear() { g_issued.push_back("clear"); }
    afx_msg void OnZoom() { g_issued.push_back("zoom"); }
    afx_msg void OnLocked() { g_issued.push_back("locked"); }
    afx_msg void OnSecond() { g_issued.push_back("second"); }
    afx_msg void OnUpdateLocked(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CKeysFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_COMMAND(ID_OPEN, OnOpen)
    ON_COMMAND(ID_SAVE, OnSave)
    ON_COMMAND(ID_SAVE_AS, OnSaveAs)
    ON_COMMAND(ID_CHECK, OnCheck)
    ON_COMMAND(ID_SHOW, OnShow)
    ON_COMMAND(ID_CLEAR, OnClear)
    ON_COMMAND(ID_ZOOM, OnZoom)
    ON_COMMAND(ID_LOCKED, OnLocked)
    ON_COMMAND(ID_SECOND, OnSecond)
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

TEST_F(KeyboardMenuTest, AcceleratorsIssueTheirCommandsByTheirExactModifiers)
{
    ASSERT_TRUE(m_bLoaded);
    Testing::PressKeys(Testing::KEY_CONTROL, 'O');
    Testing::PressKeys(Testing::KEY_CONTROL, 'S');
    Testing::PressKeys(Testing::KEY_CONTROL | Testing::KEY_SHIFT, 'S');
    Testing::PressKeys(Testing::KEY_CONTROL, '1');
    Testing::PressKeys(Testing::KEY_CONTROL | Testing::KEY_SHIFT, '1');
    Testing::PressKeys(Testing::KEY_CONTROL | Testing::KEY_ALT, '1');
    Testing::PressKeys(Testing::KEY_CONTROL, VK_OEM_PLUS);
    // The first binding of a key counts; a disabled command is not issued.
    EXPECT_EQ(g_issued, (Issued {"open", "save", "save as", "check", "show", "clear", "zoom"}));
    Testing::PressKeys(Testing::KEY_CONTROL, 'L');
    EXPECT_EQ(g_issued.size(), 7u);
    // The keys were taken: nothing reached the pane.
    EXPECT_EQ(Typed(), u"");
}

TEST_F(KeyboardMenuTest, AFrameWithoutATableHasNoKeys)
{
    ASSERT_TRUE(m_bLoaded);
    EXPECT_FALSE(m_pFrame->LoadAccelTable(IDR_NO_KEYS));
    Testing::PressKeys(Testing::KEY_CONTROL, 'O');
    EXPECT_TRUE(g_issued.empty());
    EXPECT_TRUE(m_pFrame->LoadAccelTable(IDR_KEYS));
    Testing::PressKeys(Testing::KEY_CONTROL, 'O');
    EXPECT_EQ(g_issued, Issued {"open"});
}

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

TEST_F(KeyboardMenuTest, MenusReadWithoutTheirMarksAndShowTheirKeys)
{
    ASSERT_TRUE(m_bLoaded);
    EXPECT_EQ(Testing::MenuTitles(*m_pFrame), (std::vector<std::u16string> {u"File", u"View"}));
    EXPECT_EQ(Testing::MenuItemTexts(*m_pFrame, 0),
              (std::vector<std::u16string> {u"Locked", u"Open", u"", u"Save & Go"}));
    EXPECT_EQ(Testing::MenuItemKeys(*m_pFrame, ID_OPEN), u"Ctrl+O");
    EXPECT_EQ(Testing::MenuItemKeys(*m_pFrame, ID_LOCKED), u"");
    EXPECT_EQ(Testing::MenuTitleMnemonics(*m_pFrame), (std::vector<char16_t> {u'F', u'V'}));
    EXPECT_EQ(Testing::MenuMnemonics(*m_pFrame, 0), (std::vector<char16_t> {u'L', u'O', u'S'}));
}
