// SPDX-License-Identifier: MIT
// Message boxes and file dialogs, through the seams and natively.

#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "platform/testing/TestingShell.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(NativeMessageBox, ShowsTheButtonsOfTheFlagsAndGivesThePressedOne)
{
    // The default button is the one the MB_DEFBUTTON flag counts to, the
    // first when there are fewer buttons.
    struct Case {
        UINT nType;
        std::vector<int> buttons;
        UINT nIcon;
        int nDefault;
        int nPress;
    };
    const Case cases[] = {
        {MB_OK | MB_ICONINFORMATION, {IDOK}, MB_ICONINFORMATION, IDOK, IDOK},
        {MB_OK | MB_ICONEXCLAMATION | MB_DEFBUTTON2, {IDOK}, MB_ICONEXCLAMATION, IDOK, IDOK},
        {MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, {IDYES, IDNO}, MB_ICONQUESTION, IDNO, IDYES},
        {MB_YESNO | MB_ICONSTOP, {IDYES, IDNO}, MB_ICONSTOP, IDYES, IDNO},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nType);
        Testing::NativeMessageBox seen;
        Testing::AnswerNextNativeMessageBox(c.nPress, &seen);
        EXPECT_EQ(AfxMessageBox(u"Replace it?", c.nType), c.nPress);
        EXPECT_EQ(seen.strText, u"Replace it?");
        EXPECT_EQ(seen.nIcon, c.nIcon);
        std::vector<int> shown = seen.buttons;
        std::vector<int> expected = c.buttons;
        std::sort(shown.begin(), shown.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(shown, expected);
        EXPECT_EQ(seen.nDefault, c.nDefault);
    }
}

class FileDialogTest : public ::testing::Test {
protected:
    std::u16string Path(const char* pszName) const { return m_dir.File(pszName).u16string(); }
    trellis::test::TempDir m_dir;
    Testing::ScriptedFileDialogs m_dialogs;
    Testing::ScriptedMessageBoxes m_boxes;
};

TEST_F(FileDialogTest, ShowsFiltersAndAddsTheDefaultExtensionToABareName)
{
    m_dialogs.Choose((Path("mine")));
    CFileDialog dlg(FALSE, u"sol", nullptr, 0, u"Puzzle Solution Files (*.sol)|*.sol|All Files (*.*)|*.*||");
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.GetPathName(), (Path("mine.sol")));

    ASSERT_EQ(m_dialogs.Shown().size(), 1u);
    const Testing::FileDialogRecord& shown = m_dialogs.Shown()[0];
    EXPECT_FALSE(shown.bOpen);
    EXPECT_EQ(shown.strDefExt, u"sol");
    ASSERT_EQ(shown.filters.size(), 2u);
    EXPECT_EQ(shown.filters[0], u"Puzzle Solution Files (*.sol) (*.sol)");
    EXPECT_EQ(shown.filters[1], u"All Files (*.*) (*)");  // every file, dotted or not

    // A name with an extension keeps it; a default extension may come with its dot.
    m_dialogs.Choose((Path("notes.txt")));
    CFileDialog open(TRUE, u".puz", nullptr, 0, u"Texts|*.txt;*.text||");
    ASSERT_EQ(open.DoModal(), IDOK);
    EXPECT_EQ(open.GetPathName(), (Path("notes.txt")));
    EXPECT_EQ(m_dialogs.Shown()[1].strDefExt, u"puz");
    EXPECT_EQ(m_dialogs.Shown()[1].filters, std::vector<std::u16string> {u"Texts (*.txt *.text)"});
}

TEST_F(FileDialogTest, OpenKeepsABareNameWhenOnlyThatFileExists)
{
    m_dir.Write(std::string("README"), "x");
    m_dialogs.Choose((Path("README")));
    m_dialogs.Choose((Path("other")));
    CFileDialog dlg(TRUE, u"puz");
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.GetPathName(), (Path("README")));
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.GetPathName(), (Path("other.puz")));
}

TEST_F(FileDialogTest, SaveAsksBeforeReplacingOnlyWhenTold)
{
    m_dir.Write(std::string("taken.sol"), "x");

    // Replacing refused: the dialog comes back with the name, and is then cancelled.
    m_dialogs.Choose((Path("taken")));
    m_boxes.Answer(IDNO);
    CFileDialog ask(FALSE, u"sol", nullptr, OFN_OVERWRITEPROMPT, u"S|*.sol||");
    EXPECT_EQ(ask.DoModal(), IDCANCEL);
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_NE(m_boxes.Shown()[0].strText.find((Path("taken.sol"))), std::u16string::npos);
    EXPECT_EQ(m_boxes.Shown()[0].Buttons(), MB_YESNO);
    ASSERT_EQ(m_dialogs.Shown().size(), 2u);
    EXPECT_EQ(m_dialogs.Shown()[1].strFileName, (Path("taken.sol")));

    m_dialogs.Choose((Path("taken.sol")));
    m_boxes.Answer(IDYES);
    EXPECT_EQ(ask.DoModal(), IDOK);
    EXPECT_EQ(ask.GetPathName(), (Path("taken.sol")));

    m_dialogs.Choose((Path("taken.sol")));
    CFileDialog quiet(FALSE, u"sol", nullptr, 0, u"S|*.sol||");
    EXPECT_EQ(quiet.DoModal(), IDOK);
    EXPECT_EQ(m_boxes.Shown().size(), 2u);  // no new question
}

TEST(NativeFileDialog, SaveAddsTheExtensionToATypedNameAndCancelGivesNoPath)
{
    trellis::test::TempDir dir;
    Testing::NativeFileDialog seen;
    const std::u16string typed = dir.File("typed").u16string();
    Testing::AnswerNextNativeFileDialog(&typed, &seen);
    CFileDialog dlg(FALSE, u"sol", nullptr, 0, u"Puzzle Solution Files (*.sol)|*.sol|All Files (*.*)|*.*||");
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.GetPathName(), dir.File("typed.sol").u16string());
    EXPECT_TRUE(seen.bSave);
    EXPECT_EQ(seen.filters,
              (std::vector<std::u16string> {u"Puzzle Solution Files (*.sol) (*.sol)", u"All Files (*.*) (*)"}));

    Testing::AnswerNextNativeFileDialog(nullptr, &seen);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(dlg.GetPathName().empty());
}
