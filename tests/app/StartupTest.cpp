// SPDX-License-Identifier: MIT
// Start-up, the settings store and the frame's menus and toolbar.
#include "tests/app/AppFixture.h"

#include "res/Resources.h"

#include <vector>

namespace trellis::test {
namespace {

constexpr int kAbsent = -12345;

const std::vector<LPCTSTR> kOptionNames = {u"mode", u"number", u"letter", u"square", u"numbers", u"input", u"cluesize"};

// The seven option settings as they live in the windows, in store order.
std::vector<int> LiveOptions(CPuzzleWnd& wnd)
{
    CGridWnd& grid = wnd.GetGrid();
    return {theApp.GetSolveMode(), grid.GetNumberFontSize(), grid.GetLetterFontSize(), grid.GetSquareSize(),
            grid.GetShowNumbers(), wnd.GetShowInput(),       wnd.GetClueHeight()};
}

void StoreOptions(const std::vector<int>& values)
{
    for (size_t i = 0; i < kOptionNames.size(); ++i)
        theApp.WriteProfileInt(u"options", kOptionNames[i], values[i]);
}

const std::vector<int> kDefaultOptions = {1, 6, 10, 20, 0, 1, 38};
// The eight colour slots' defaults, 0x00BBGGRR.
const COLORREF kDefaultColors[] = {0x000000, 0xFFFFFF, 0x0000FF, 0xFFFFFF, 0xFF0000, 0x800000, 0x0000FF, 0x000000};

TEST_F(AppTest, FirstStartUsesEveryDefaultAndWritesNothing)
{
    Start();
    EXPECT_EQ(LiveOptions(PuzzleWnd()), kDefaultOptions);
    EXPECT_EQ(Grid().GetFontName(), CString(u"Arial"));
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(Grid().GetColor(i), kDefaultColors[i]) << "slot " << i;

    for (LPCTSTR name : kOptionNames)
        EXPECT_EQ(int(theApp.GetProfileInt(u"options", name, kAbsent)), kAbsent);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(int(theApp.GetProfileInt(u"color", std::u16string(1, char16_t(u'0' + i)).c_str(), kAbsent)), kAbsent);
    EXPECT_EQ(Frame().GetTitle(), CString(u"trellis"));
    EXPECT_TRUE(m_boxes.Shown().empty());
}

TEST_F(AppTest, StoredSettingsAreAppliedAndTheLayoutFollows)
{
    StoreOptions({0, 8, 14, 30, 1, 0, 25});
    theApp.WriteProfileInt(u"color", u"0", 0);
    theApp.WriteProfileInt(u"color", u"3", 0x00123456);
    theApp.WriteProfileInt(u"color", u"5", int(0xFFFFFFFF));  // the same as absent
    Start();

    EXPECT_EQ(LiveOptions(PuzzleWnd()), (std::vector<int> {0, 8, 14, 30, 1, 0, 25}));
    EXPECT_EQ(Grid().GetColor(0), COLORREF(0));
    EXPECT_EQ(Grid().GetColor(3), COLORREF(0x00123456));
    EXPECT_EQ(Grid().GetColor(5), kDefaultColors[5]);

    // No input pane: the clue bar is the bottom pane, reaching one pixel
    // below the puzzle window, and the pad has no room at all.
    CRect rcClue, rcPuzzle, rcInput;
    PuzzleWnd().GetClue().GetWindowRect(&rcClue);
    PuzzleWnd().GetWindowRect(&rcPuzzle);
    PuzzleWnd().GetInput().GetClientRect(&rcInput);
    EXPECT_EQ(rcClue.Height(), 25);
    EXPECT_EQ(rcClue.bottom, rcPuzzle.bottom + 1);
    EXPECT_TRUE(rcInput.IsRectEmpty());
}

TEST_F(AppTest, OddStoredValuesFallBackToTheirDefaults)
{
    StoreOptions({7, 1, 65, 0, -1, 2, 5000});
    // Colours the Colors dialog cannot produce keep the slot's own colour,
    // which is what gets written back.
    theApp.WriteProfileInt(u"color", u"1", int(0x7F00FF00));
    theApp.WriteProfileInt(u"color", u"4", INT32_MIN);
    m_settings.WriteRaw(u"color", u"2", u"green");
    Start();

    EXPECT_EQ(LiveOptions(PuzzleWnd()), kDefaultOptions);
    EXPECT_EQ(Grid().GetColor(1), kDefaultColors[1]);
    EXPECT_EQ(Grid().GetColor(2), kDefaultColors[2]);
    EXPECT_EQ(Grid().GetColor(4), kDefaultColors[4]);
    theApp.SaveSettings();
    EXPECT_EQ(theApp.GetProfileInt(u"color", u"4", kAbsent), kDefaultColors[4]);
    EXPECT_EQ(theApp.GetProfileInt(u"color", u"1", kAbsent), kDefaultColors[1]);
}

TEST_F(AppTest, MenusStartSmallAndToggleWithTheToolbarInBothStates)
{
    Start();
    // The pencil's switch follows the handheld's six.
    const std::vector<UINT> buttons = {ID_CLEAR_WORD, ID_CLEAR_LETTER, ID_CLEAR_PUZZLE, 0,
                                       ID_CHECK_WORD, ID_CHECK_LETTER, ID_CHECK_PUZZLE, 0,
                                       ID_PENCIL};
    // The View menu follows the handheld's menus in both states.
    const std::vector<std::u16string> small = {u"File", u"View"};
    const std::vector<std::u16string> full = {u"File", u"Options", u"Solve", u"View"};

    EXPECT_EQ(Testing::MenuTitles(Frame()), small);
    EXPECT_EQ(Testing::MenuItemTexts(Frame(), 0).front(), u"Full Menus");
    EXPECT_EQ(Testing::ToolBarButtons(Frame()), buttons);
    EXPECT_TRUE(Testing::HasCloseButton(Frame()));

    ASSERT_TRUE(Testing::ChooseMenuItem(Frame(), ID_TOGGLE_MENUS));
    EXPECT_EQ(Testing::MenuTitles(Frame()), full);
    EXPECT_EQ(Testing::MenuItemTexts(Frame(), 0).front(), u"Small Menu");
    EXPECT_EQ(Testing::MenuItemTexts(Frame(), 2), SolveMenuTexts());
    EXPECT_EQ(Testing::ToolBarButtons(Frame()), buttons);
    EXPECT_EQ(Frame().HasFullMenus(), 1);

    ASSERT_TRUE(Testing::ChooseMenuItem(Frame(), ID_TOGGLE_MENUS));
    EXPECT_EQ(Testing::MenuTitles(Frame()), small);
    EXPECT_EQ(Frame().HasFullMenus(), 0);
}

TEST_F(AppTest, PuzzleCommandsAreEnabledExactlyWhileAPuzzleIsLoaded)
{
    Start();
    ASSERT_TRUE(Testing::ChooseMenuItem(Frame(), ID_TOGGLE_MENUS));
    const std::vector<UINT> needPuzzle = {ID_SAVE_SOLUTION, ID_SAVE_SOLUTION_AS, ID_LOAD_SOLUTION, ID_ABOUT_PUZZLE,
                                          ID_SHOW_LETTER,   ID_CHECK_PUZZLE,     ID_CLEAR_WORD};
    for (UINT nID : needPuzzle)
        EXPECT_FALSE(Testing::IsMenuItemEnabled(Frame(), nID)) << nID;
    EXPECT_TRUE(Testing::IsMenuItemEnabled(Frame(), ID_LOAD_PUZZLE));
    EXPECT_TRUE(Testing::IsMenuItemEnabled(Frame(), ID_TOGGLE_MENUS));
    EXPECT_TRUE(Testing::IsMenuItemEnabled(Frame(), ID_APP_EXIT));

    LoadPuzzle(HeartWriter());
    for (UINT nID : needPuzzle)
        EXPECT_TRUE(Testing::IsMenuItemEnabled(Frame(), nID)) << nID;
}

TEST_F(AppTest, ExitClosesTheFrameAndTheEndLetsThePuzzleGo)
{
    Start();
    LoadPuzzle(HeartWriter());
    m_files.Choose(ModelPath(m_dir.File("heart.sol")));
    ASSERT_TRUE(Choose(ID_SAVE_SOLUTION_AS));
    ASSERT_FALSE(theApp.GetSolutionFile().IsEmpty());
    ASSERT_TRUE(Testing::ChooseMenuItem(Frame(), ID_APP_EXIT));
    Testing::RunUntilIdle();
    EXPECT_EQ(theApp.m_pMainWnd, nullptr);

    theApp.ExitInstance();
    EXPECT_EQ(theApp.GetPuzzle(), nullptr);
    EXPECT_TRUE(theApp.GetSolutionFile().IsEmpty());
}

TEST_F(AppTest, AFrameThatCannotBeCreatedIsReportedAndStartUpFails)
{
    ResourceSet broken = TrellisResources();
    broken.toolbars.clear();
    AfxSetResources(&broken);
    const BOOL bStarted = theApp.InitInstance();
    AfxSetResources(&TrellisResources());

    EXPECT_FALSE(bStarted);
    EXPECT_EQ(theApp.m_pMainWnd, nullptr);
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_EQ(m_boxes.Shown()[0].Icon(), UINT(MB_ICONSTOP));
}

}  // namespace
}  // namespace trellis::test
