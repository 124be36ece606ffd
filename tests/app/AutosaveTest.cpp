// SPDX-License-Identifier: MIT
// The player's progress kept as it changes and brought back with the puzzle:
// when it is written, the option that turns it off, and the steps that Load
// Solution and Unlock add. (The ways out of the program: the end-to-end suite.)

#include "model/ProgressStore.h"
#include "tests/app/DialogFixture.h"
#include "tests/support/PuzzleState.h"

#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;
using trellis::test::ModelPath;
using trellis::test::PuzzleFileWriter;
using trellis::test::TempDir;

const std::vector<std::string> kHeart = {"HEART", "EMBER", "ABUSE", "RESIN", "TREND"};

class AutosaveTest : public DialogFixture {
protected:
    // Where the loaded puzzle's progress is kept.
    fs::path Entry() { return fs::path(CProgressStore(theApp.GetProgressFolder()).PathOf(*theApp.GetPuzzle())); }
    // Waits out the delay of a waiting save, with room to spare.
    bool AwaitSave()
    {
        return Testing::RunUntil([] { return !theApp.IsProgressPending(); }, 20 * CPuzzleApp::kProgressDelay);
    }
    // The letters of the first row as shown to the player, '.' for empty.
    std::string FirstRow()
    {
        std::string text;
        for (int c = 0; c < 5; ++c) {
            const CSquare square = theApp.GetPuzzle()->GetSquare(c, 0);
            text += square.m_bFilled ? static_cast<char>(square.m_chLetter) : '.';
        }
        return text;
    }
    void SetOption(bool bOn)
    {
        Open(ID_OPTIONS_GENERAL, [bOn](CDialog& dlg) {
            if ((static_cast<CButton*>(dlg.GetDlgItem(IDC_AUTOSAVE))->GetCheck() == BST_CHECKED) != bOn)
                Testing::Click(dlg, IDC_AUTOSAVE);
            Testing::PressOK(dlg);
        });
    }
};

TEST_F(AutosaveTest, ProgressIsWrittenShortlyAfterTheChangesAndComesBackWithThePuzzleFromAnywhere)
{
    ASSERT_FALSE(theApp.GetProgressFolder().IsEmpty());
    LoadPuzzle(PuzzleFileWriter(kHeart), "first.puz");
    Type(u"HEA");
    // Not on the keystroke's way: a little later, once for the whole burst.
    EXPECT_TRUE(theApp.IsProgressPending());
    EXPECT_FALSE(fs::exists(Entry()));
    ASSERT_TRUE(AwaitSave());
    EXPECT_TRUE(fs::is_regular_file(Entry()));

    // The same puzzle in another folder, its file filled otherwise: what was
    // kept wins, silently, and is no step to undo.
    const fs::path other = m_dir.File("elsewhere");
    fs::create_directory(other);
    TempDir::Write(other / "copy.puz",
                   PuzzleFileWriter(kHeart).State({"ZZZZZ", "-----", "-----", "-----", "-----"}).Bytes());
    m_files.Choose(ModelPath(other / "copy.puz"));
    ASSERT_TRUE(Choose(ID_LOAD_PUZZLE));
    EXPECT_EQ(FirstRow(), "HEA..");
    EXPECT_FALSE(Testing::IsMenuItemEnabled(Frame(), ID_UNDO));
    EXPECT_TRUE(m_boxes.Shown().empty());

    // A puzzle nothing was kept for opens as its file has it.
    LoadPuzzle(PuzzleFileWriter({"HEARS", "EMBER", "ABUSE", "RESIN", "TREND"}), "another.puz");
    EXPECT_EQ(FirstRow(), ".....");
}

// Exit, the close buttons and the signals are the end-to-end suite's; here,
// another puzzle loaded, and an end without the frame's close (a session's).
TEST_F(AutosaveTest, ALoadAndTheProgramsEndWriteTheWaitingSaveFirst)
{
    LoadPuzzle(PuzzleFileWriter(kHeart), "a.puz");
    Type(u"H");
    ASSERT_TRUE(theApp.IsProgressPending());
    const fs::path first = Entry();
    LoadPuzzle(PuzzleFileWriter({"HEARS", "EMBER", "ABUSE", "RESIN", "TREND"}), "b.puz");
    EXPECT_TRUE(fs::is_regular_file(first));
    EXPECT_FALSE(theApp.IsProgressPending());

    Type(u"HE");
    ASSERT_TRUE(theApp.IsProgressPending());
    Frame().DestroyWindow();
    theApp.ExitInstance();
    Start();
    LoadPuzzle(PuzzleFileWriter(kHeart), "a.puz");
    EXPECT_EQ(FirstRow(), "H....");
    LoadPuzzle(PuzzleFileWriter({"HEARS", "EMBER", "ABUSE", "RESIN", "TREND"}), "b.puz");
    EXPECT_EQ(FirstRow(), "HE...");
}

// Kept progress comes back with a puzzle given on the command line: the
// end-to-end suite shows it.
TEST_F(AutosaveTest, KeptProgressComesBackUnderASolutionOpenedAsAPuzzle)
{
    LoadPuzzle(PuzzleFileWriter(kHeart), "first.puz");
    Type(u"HEA");
    ASSERT_TRUE(AwaitSave());

    // A solution file where a puzzle is expected opens its puzzle, which
    // comes back as kept, and then takes the solution as one step on top.
    const auto pSaved = PuzzleFileWriter(kHeart).Load(m_dir, "saved.puz");
    trellis::test::SetLetter(*pSaved, 0, 0, u'Q');
    const std::u16string strSolution = ModelPath(m_dir.File("saved.sol"));
    ASSERT_TRUE(pSaved->SaveSolution(strSolution));
    m_files.Choose(strSolution);
    ASSERT_TRUE(Choose(ID_LOAD_PUZZLE));
    EXPECT_EQ(FirstRow(), "Q....");
    ASSERT_TRUE(Choose(ID_UNDO));
    EXPECT_EQ(FirstRow(), "HEA..");
    EXPECT_FALSE(Testing::IsMenuItemEnabled(Frame(), ID_UNDO));
    EXPECT_TRUE(m_boxes.Shown().empty());
}

TEST_F(AutosaveTest, TheOptionTurnsSavingAndRestoringOffAndIsStoredBesideTheOthers)
{
    // On by default, and stored as it is left.
    Open(ID_OPTIONS_GENERAL, [](CDialog& dlg) {
        EXPECT_EQ(static_cast<CButton*>(dlg.GetDlgItem(IDC_AUTOSAVE))->GetCheck(), static_cast<int>(BST_CHECKED));
        Testing::PressCancel(dlg);
    });
    EXPECT_EQ(Stored(u"options", u"autosave"), 1);
    LoadPuzzle(PuzzleFileWriter(kHeart));
    Type(u"HE");
    // Turned off, it still keeps what was done while it was on.
    ASSERT_TRUE(theApp.IsProgressPending());
    SetOption(false);
    EXPECT_FALSE(theApp.IsProgressPending());
    const fs::path entry = Entry();
    ASSERT_TRUE(fs::is_regular_file(entry));
    const std::string kept = TempDir::Read(entry);

    EXPECT_EQ(Stored(u"options", u"autosave"), 0);
    EXPECT_FALSE(theApp.GetAutoSave());
    Testing::Tap(&Grid(), Grid().GetSquareRect(2, 0).CenterPoint());
    Type(u"A");
    EXPECT_FALSE(theApp.IsProgressPending());
    Testing::RunUntil([] { return false; }, 2 * CPuzzleApp::kProgressDelay);
    EXPECT_EQ(TempDir::Read(entry), kept);
    // Nothing comes back either.
    LoadPuzzle(PuzzleFileWriter(kHeart), "again.puz");
    EXPECT_EQ(FirstRow(), ".....");

    // Turned on again, what the grid holds is kept from then on.
    Type(u"HEART");
    SetOption(true);
    EXPECT_EQ(Stored(u"options", u"autosave"), 1);
    ASSERT_TRUE(AwaitSave());
    LoadPuzzle(PuzzleFileWriter(kHeart), "third.puz");
    EXPECT_EQ(FirstRow(), "HEART");

    // A stored value the dialog cannot make means the default, on.
    for (const char16_t* pszOdd : {u"7", u"-1", u"yes"}) {
        m_settings.WriteRaw(u"options", u"autosave", pszOdd);
        theApp.LoadSettings();
        EXPECT_TRUE(theApp.GetAutoSave()) << trellis::test::ToUtf8(pszOdd);
    }
    m_settings.WriteRaw(u"options", u"autosave", u"0");
    theApp.LoadSettings();
    EXPECT_FALSE(theApp.GetAutoSave());
}

TEST_F(AutosaveTest, LoadSolutionIsOneStepToUndoAndIsKeptLikeAnyChange)
{
    LoadPuzzle(PuzzleFileWriter(kHeart));
    Type(u"HEAR");
    m_files.Choose(ModelPath(m_dir.File("mine.sol")));
    ASSERT_TRUE(Choose(ID_SAVE_SOLUTION_AS));
    ASSERT_TRUE(Choose(ID_CLEAR_PUZZLE));
    ASSERT_TRUE(AwaitSave());
    ASSERT_EQ(FirstRow(), ".....");

    m_files.Choose(ModelPath(m_dir.File("mine.sol")));
    ASSERT_TRUE(Choose(ID_LOAD_SOLUTION));
    EXPECT_EQ(FirstRow(), "HEAR.");
    EXPECT_TRUE(theApp.IsProgressPending());
    ASSERT_TRUE(Choose(ID_UNDO));
    EXPECT_EQ(FirstRow(), ".....");
    ASSERT_TRUE(Choose(ID_UNDO));  // the Clear Puzzle before it
    EXPECT_EQ(FirstRow(), "HEAR.");
    ASSERT_TRUE(Choose(ID_REDO));
    ASSERT_TRUE(Choose(ID_REDO));
    EXPECT_EQ(FirstRow(), "HEAR.");
    ASSERT_TRUE(AwaitSave());
    LoadPuzzle(PuzzleFileWriter(kHeart), "copy.puz");
    EXPECT_EQ(FirstRow(), "HEAR.");
}

TEST_F(AutosaveTest, UnlockingIsKept)
{
    LoadPuzzle(PuzzleFileWriter(kHeart).Locked(4271));
    ASSERT_FALSE(theApp.IsProgressPending());
    Open(ID_UNLOCK_PUZZLE, [](CDialog& dlg) {
        Testing::TypeInto(dlg, IDC_UNLOCK_KEY, u"4271");
        Testing::PressOK(dlg);
    });
    ASSERT_FALSE(theApp.GetPuzzle()->m_bLocked);
    EXPECT_TRUE(theApp.IsProgressPending());
    ASSERT_TRUE(AwaitSave());
    EXPECT_TRUE(fs::is_regular_file(Entry()));
}

TEST_F(AutosaveTest, AFolderThatCannotBeWrittenIsToldOnceAndTheGridStaysAsItIs)
{
    // A file where the folder should be.
    const fs::path folder(std::u16string(theApp.GetProgressFolder()));
    fs::remove_all(folder);
    TempDir::Write(folder, "in the way");
    LoadPuzzle(PuzzleFileWriter(kHeart));
    Type(u"HE");
    ASSERT_TRUE(AwaitSave());
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_EQ(m_boxes.Shown()[0].strText,
              u"Your progress could not be saved in " + std::u16string(theApp.GetProgressFolder()) + u".");
    EXPECT_EQ(m_boxes.Shown()[0].Icon(), UINT(MB_ICONSTOP));
    EXPECT_EQ(FirstRow(), "HE...");
    Type(u"A");
    ASSERT_TRUE(AwaitSave());
    EXPECT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_EQ(FirstRow(), "HEA..");
}

}  // namespace
