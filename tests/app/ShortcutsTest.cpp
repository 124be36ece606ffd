// SPDX-License-Identifier: MIT
// The menus from the keyboard: their texts as ever with a letter to open or
// choose each, the keys they show, and those keys issuing the commands in
// either menu state.
#include "res/Resources.h"
#include "tests/app/AppFixture.h"

#include <algorithm>
#include <set>
#include <string>

namespace trellis::test {
namespace {

// The keys a menu item shows ("Ctrl+Shift+S") as an accelerator's modifiers and key.
bool ParseKeys(const std::u16string& strKeys, BYTE& fVirt, WORD& key)
{
    fVirt = FVIRTKEY;
    std::u16string rest = strKeys;
    const std::pair<std::u16string, BYTE> modifiers[] = {{u"Ctrl+", FCONTROL}, {u"Shift+", FSHIFT}, {u"Alt+", FALT}};
    for (bool bFound = true; bFound;) {
        bFound = false;
        for (const auto& [strName, flag] : modifiers)
            if (rest.size() > strName.size() && rest.compare(0, strName.size(), strName) == 0) {
                fVirt |= flag;
                rest.erase(0, strName.size());
                bFound = true;
            }
    }
    if (rest.size() != 1)
        return false;
    const char16_t ch = rest[0];
    if ((ch >= u'A' && ch <= u'Z') || (ch >= u'0' && ch <= u'9'))
        key = ch;
    else if (ch == u'+')
        key = VK_OEM_PLUS;
    else if (ch == u'-')
        key = VK_OEM_MINUS;
    else
        return false;
    return true;
}

// "Insert" alone, or a key ParseKeys reads.
bool ParseShownKeys(const std::u16string& strKeys, BYTE& fVirt, WORD& key)
{
    if (strKeys != u"Insert")
        return ParseKeys(strKeys, fVirt, key);
    fVirt = FVIRTKEY;
    key = VK_INSERT;
    return true;
}

class ShortcutsTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        Start();
    }
    void Press(UINT nModifiers, UINT nKey)
    {
        Frame().SetFocus();
        Testing::PressKeys(nModifiers, nKey);
    }
    CSquare At(int nCol, int nRow) { return theApp.GetPuzzle()->GetSquare(nCol, nRow); }

    static constexpr UINT kCtrl = Testing::KEY_CONTROL;
    static constexpr UINT kShift = Testing::KEY_SHIFT;
    static constexpr UINT kAlt = Testing::KEY_ALT;
};

TEST_F(ShortcutsTest, MenusReadAsEverWithALetterEachAndShowTheKeysOfTheTable)
{
    ASSERT_TRUE(Testing::ChooseMenuItem(Frame(), ID_TOGGLE_MENUS));
    const std::vector<std::vector<std::u16string>> texts = {
        {u"Small Menu", u"", u"Load Puzzle ...", u"Save Solution", u"Save Solution As ...", u"Load Solution", u"",
         u"About Trellis ...", u"About Puzzle ...", u"", u"Exit", u"", u"Save Puzzle As ...", u"", u"Print ...",
         u"Export PDF ..."},
        {u"General...", u"Font...", u"Colors..."},
        SolveMenuTexts(),
        {u"Clue Lists", u"", u"Zoom In", u"Zoom Out", u"Actual Size", u"Fit", u"", u"Notes", u"", u"Timer"},
    };
    ASSERT_EQ(Testing::MenuTitles(Frame()), (std::vector<std::u16string> {u"File", u"Options", u"Solve", u"View"}));
    EXPECT_EQ(Testing::MenuTitleMnemonics(Frame()), (std::vector<char16_t> {u'F', u'O', u'S', u'V'}));
    for (size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(Testing::MenuItemTexts(Frame(), i), texts[i]) << i;
        // Every item has a letter, and no two items of a menu share one.
        const std::vector<char16_t> letters = Testing::MenuMnemonics(Frame(), i);
        EXPECT_EQ(std::count(letters.begin(), letters.end(), char16_t(0)), 0) << i;
        EXPECT_EQ(std::set<char16_t>(letters.begin(), letters.end()).size(), letters.size()) << i;
    }

    // The keys an item shows are the first keys the table binds to its
    // command, and every key of the table is shown on its command's item but
    // the one second key: Redo's Ctrl+Shift+Z beside its Ctrl+Y.
    const std::vector<AcceleratorResource>& table = TrellisResources().accelerators.at(IDR_MAINFRAME);
    std::set<std::pair<UINT, std::pair<BYTE, WORD>>> shown;
    std::set<UINT> commands;
    for (const AcceleratorResource& accel : table) {
        // No key that types: each holds Ctrl, but Insert, which types
        // nothing. Z and Y only for Undo and Redo, E only for the pencil and
        // P only for Pause.
        EXPECT_TRUE((accel.fVirt & FCONTROL) || (accel.key == VK_INSERT && accel.cmd == ID_REBUS_ENTRY)) << accel.cmd;
        if (accel.key == 'P') {
            EXPECT_EQ(accel.cmd, static_cast<WORD>(ID_PAUSE));
        }
        if (accel.key == 'Z' || accel.key == 'Y') {
            EXPECT_TRUE(accel.cmd == ID_UNDO || accel.cmd == ID_REDO) << accel.cmd;
        }
        if (accel.key == 'E') {
            EXPECT_EQ(accel.cmd, static_cast<UINT>(ID_PENCIL));
        }
        if (!commands.insert(accel.cmd).second) {
            EXPECT_EQ(accel.cmd, static_cast<WORD>(ID_REDO));
            EXPECT_EQ(accel.fVirt, FVIRTKEY | FCONTROL | FSHIFT);
            EXPECT_EQ(accel.key, 'Z');
            continue;
        }
        const std::u16string strKeys = Testing::MenuItemKeys(Frame(), accel.cmd);
        BYTE fVirt = 0;
        WORD key = 0;
        ASSERT_TRUE(ParseShownKeys(strKeys, fVirt, key)) << accel.cmd << " shows no keys";
        EXPECT_EQ(fVirt, accel.fVirt) << accel.cmd;
        EXPECT_EQ(key, accel.key) << accel.cmd;
        shown.insert({accel.cmd, {fVirt, key}});
    }
    EXPECT_EQ(shown.size() + 1, table.size()) << "a command bound twice, or a key shown for two";
    // The desktop's usual keys for the file commands.
    EXPECT_EQ(Testing::MenuItemKeys(Frame(), ID_LOAD_PUZZLE), u"Ctrl+O");
    EXPECT_EQ(Testing::MenuItemKeys(Frame(), ID_SAVE_SOLUTION), u"Ctrl+S");
    EXPECT_EQ(Testing::MenuItemKeys(Frame(), ID_SAVE_SOLUTION_AS), u"Ctrl+Shift+S");
    EXPECT_EQ(Testing::MenuItemKeys(Frame(), ID_APP_EXIT), u"Ctrl+Q");
    EXPECT_EQ(Testing::MenuItemKeys(Frame(), ID_UNDO), u"Ctrl+Z");
    EXPECT_EQ(Testing::MenuItemKeys(Frame(), ID_REDO), u"Ctrl+Y");
}

TEST_F(ShortcutsTest, UndoAndRedoKeysTakeOneStepEachWhereverTheFocusIs)
{
    LoadPuzzle(HeartWriter());  // HEART across first, (0, 0) selected
    Type(u"abc");
    ASSERT_EQ(At(2, 0).m_chLetter, u'C');
    // One step back for one press: a key handled twice would take two.
    Press(kCtrl, 'Z');
    EXPECT_FALSE(At(2, 0).m_bFilled);
    EXPECT_EQ(At(1, 0).m_chLetter, u'B');
    Press(kCtrl, 'Y');
    EXPECT_EQ(At(2, 0).m_chLetter, u'C');
    Press(kCtrl, 'Z');
    Press(kCtrl, 'Z');
    EXPECT_FALSE(At(1, 0).m_bFilled);
    EXPECT_EQ(At(0, 0).m_chLetter, u'A');
    Press(kCtrl | kShift, 'Z');
    EXPECT_EQ(At(1, 0).m_chLetter, u'B');
    EXPECT_FALSE(At(2, 0).m_bFilled);

    // The same in the full menus, and with the focus in the clue lists
    // rather than the grid.
    ASSERT_TRUE(Testing::ChooseMenuItem(Frame(), ID_TOGGLE_MENUS));
    Press(kCtrl | kShift, 'Z');
    EXPECT_EQ(At(2, 0).m_chLetter, u'C');
    ASSERT_TRUE(Testing::ChooseMenuItem(Frame(), ID_VIEW_CLUE_LISTS));
    Testing::RunUntilIdle();
    CListBox& across = Frame().GetClueLists().GetList(DIRECTION_ACROSS);
    across.SetFocus();
    ASSERT_EQ(CWnd::GetFocus(), &across);
    Testing::PressKeys(kCtrl, 'Z');
    EXPECT_FALSE(At(2, 0).m_bFilled);
    EXPECT_EQ(At(1, 0).m_chLetter, u'B');
    // No control character went into the grid on the way.
    EXPECT_FALSE(At(3, 0).m_bFilled);
}

TEST_F(ShortcutsTest, TheSolveKeysWorkInTheSmallMenuAsTheirMenuItemsWould)
{
    LoadPuzzle(HeartWriter());  // HEART across first, (0, 0) selected
    ASSERT_FALSE(Frame().HasFullMenus());
    Press(kCtrl | kShift, '1');  // Show Letter
    EXPECT_TRUE(At(0, 0).m_bShown);
    EXPECT_EQ(At(0, 0).m_chLetter, u'H');
    Press(kCtrl | kAlt, '1');  // Clear Letter
    EXPECT_FALSE(At(0, 0).m_bFilled);
    Type(u"x");
    Press(0, VK_LEFT);
    Press(kCtrl, '1');  // Check Letter
    EXPECT_TRUE(At(0, 0).m_bChecked);
    EXPECT_TRUE(At(0, 0).IsIncorrect());
    Press(kCtrl | kShift, '2');  // Show Word: the rest of HEART
    for (int c = 0; c < 5; ++c)
        EXPECT_TRUE(At(c, 0).m_bFilled) << c;
    EXPECT_FALSE(At(0, 1).m_bFilled);
    Press(kCtrl | kAlt, '2');  // Clear Word
    EXPECT_FALSE(At(4, 0).m_bFilled);
    Type(u"hq");
    Press(kCtrl, '2');  // Check Word
    EXPECT_TRUE(At(1, 0).m_bChecked);
    Press(kCtrl | kShift, '3');  // Show Puzzle
    EXPECT_TRUE(At(4, 4).m_bFilled);
    Press(kCtrl | kAlt, '3');  // Clear Puzzle
    EXPECT_FALSE(At(4, 4).m_bFilled);
    Type(u"h");
    Press(kCtrl, '3');  // Check Puzzle
    EXPECT_TRUE(At(0, 0).m_bChecked);
    // No key typed a letter into the grid on the way.
    EXPECT_FALSE(At(1, 0).m_bFilled);
}

// Ctrl+E turns the pencil on and off, its toolbar button and menu item
// showing which; Insert opens the rebus entry and closes it again, keeping
// what was typed.
TEST_F(ShortcutsTest, CtrlETurnsThePencilAndInsertOpensAndClosesTheRebusEntry)
{
    LoadPuzzle(HeartWriter());  // HEART across first, (0, 0) selected
    Testing::RunIdle();
    EXPECT_FALSE(Testing::IsToolBarButtonChecked(Frame(), ID_PENCIL));
    Press(kCtrl, 'E');
    Testing::RunIdle();
    EXPECT_TRUE(Testing::IsToolBarButtonChecked(Frame(), ID_PENCIL));
    Type(u"h");
    EXPECT_TRUE(At(0, 0).m_bPencil);
    EXPECT_EQ(At(0, 0).m_chLetter, u'H');
    ASSERT_TRUE(Testing::ClickToolBarButton(Frame(), ID_PENCIL));
    Testing::RunIdle();
    EXPECT_FALSE(Testing::IsToolBarButtonChecked(Frame(), ID_PENCIL));
    ASSERT_TRUE(Testing::ChooseMenuItem(Frame(), ID_TOGGLE_MENUS));  // the Solve menu shows it too
    Press(kCtrl, 'E');
    EXPECT_TRUE(Testing::IsMenuItemChecked(Frame(), ID_PENCIL));
    Press(kCtrl, 'E');
    EXPECT_FALSE(Testing::IsMenuItemChecked(Frame(), ID_PENCIL));
    Type(u"e");  // (1, 0), in pen
    EXPECT_FALSE(At(1, 0).m_bPencil);

    Press(0, VK_INSERT);
    EXPECT_TRUE(PuzzleWnd().IsRebusEntryOpen());
    Type(u"ar");
    EXPECT_FALSE(At(2, 0).m_bFilled);  // not yet
    Press(0, VK_INSERT);
    EXPECT_FALSE(PuzzleWnd().IsRebusEntryOpen());
    EXPECT_EQ(At(2, 0).m_strRebusEntry, u"AR");
}

TEST_F(ShortcutsTest, TheFileKeysOpenTheirDialogsAndCtrlQEnds)
{
    Press(kCtrl, 'S');  // nothing to save: disabled, no dialog
    EXPECT_TRUE(m_files.Shown().empty());
    m_files.Cancel();
    Press(kCtrl, 'O');
    ASSERT_EQ(m_files.Shown().size(), 1u);
    EXPECT_TRUE(m_files.Shown()[0].bOpen);
    EXPECT_EQ(m_files.Shown()[0].strDefExt, u"puz");

    LoadPuzzle(HeartWriter());
    m_files.Cancel();
    Press(kCtrl, 'S');  // no solution file yet: Save As's dialog
    m_files.Cancel();
    Press(kCtrl | kShift, 'S');
    ASSERT_EQ(m_files.Shown().size(), 4u);
    EXPECT_FALSE(m_files.Shown()[2].bOpen);
    EXPECT_FALSE(m_files.Shown()[3].bOpen);
    EXPECT_EQ(m_files.Shown()[3].strDefExt, u"sol");

    Press(kCtrl, 'Q');
    EXPECT_EQ(theApp.m_pMainWnd, nullptr);
}

// Opening a menu from the keys and leaving it again is proven on a desktop.
TEST_F(ShortcutsTest, AltWithALetterNoMenuHasDoesNothing)
{
    LoadPuzzle(HeartWriter());
    Press(kAlt, 'Q');
    EXPECT_FALSE(At(0, 0).m_bFilled);
    EXPECT_EQ(Testing::OpenMenu(), u"");
}

}  // namespace
}  // namespace trellis::test
