// Message boxes, file dialogs and file deletion, through the seams and natively.

#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "platform/TestingShell.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

namespace {

std::u16string U16(const QString& s)
{
    return s.toStdU16String();
}

void Touch(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write("x");
}

// Runs check on the next modal widget of type T once it is open.
template <class T>
void WhenModalOpens(std::function<void(T*)> check)
{
    QTimer::singleShot(0, [check] {
        T* pModal = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!pModal) {
            WhenModalOpens<T>(check); // not shown yet
            return;
        }
        check(pModal);
    });
}

const ResourceSet* StringTable()
{
    static ResourceSet set = [] {
        ResourceSet s;
        s.strings[700] = u"Stored prompt";
        return s;
    }();
    return &set;
}

} // namespace

TEST(MessageBoxSeam, RecordsTextAndFlagsAndGivesQueuedAnswers)
{
    Testing::ScriptedMessageBoxes boxes;
    boxes.Answer(IDYES);
    EXPECT_EQ(AfxMessageBox(u"Delete it?", MB_YESNO | MB_ICONQUESTION), IDYES);
    EXPECT_EQ(AfxMessageBox(std::u16string(u"No answer left"), MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(AfxMessageBox(u"Broken", MB_OK | MB_ICONSTOP), IDOK);
    EXPECT_EQ(AfxMessageBox(u"Sure?", MB_OKCANCEL), IDCANCEL);

    ASSERT_EQ(boxes.Shown().size(), 4u);
    EXPECT_EQ(boxes.Shown()[0].strText, u"Delete it?");
    EXPECT_EQ(boxes.Shown()[0].Icon(), MB_ICONQUESTION);
    EXPECT_EQ(boxes.Shown()[0].Buttons(), MB_YESNO);
    EXPECT_EQ(boxes.Shown()[2].Icon(), MB_ICONSTOP);
    EXPECT_EQ(boxes.Shown()[2].Buttons(), MB_OK);
    EXPECT_EQ(boxes.AnswersLeft(), 0u);
}

TEST(MessageBoxSeam, InnerScriptAnswersAndOuterResumes)
{
    Testing::ScriptedMessageBoxes outer;
    outer.Answer(IDYES);
    {
        Testing::ScriptedMessageBoxes inner;
        inner.Answer(IDNO);
        EXPECT_EQ(AfxMessageBox(u"inner", MB_YESNO), IDNO);
        EXPECT_EQ(inner.Shown().size(), 1u);
    }
    EXPECT_EQ(AfxMessageBox(u"outer", MB_YESNO), IDYES);
    ASSERT_EQ(outer.Shown().size(), 1u);
    EXPECT_EQ(outer.Shown()[0].strText, u"outer");
}

TEST(MessageBoxSeam, StringIdShowsTheStringTableText)
{
    const ResourceSet* pOld = AfxGetResources();
    AfxSetResources(StringTable());
    Testing::ScriptedMessageBoxes boxes;
    AfxMessageBox(700, MB_OK);
    AfxSetResources(pOld);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].strText, u"Stored prompt");
}

TEST(NativeMessageBox, TitledWithTheAppNameAndAnswersWithTheButtonPressed)
{
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int nButtons = 0;
    WhenModalOpens<QMessageBox>([&](QMessageBox* pBox) {
        title = pBox->windowTitle();
        text = pBox->text();
        icon = pBox->icon();
        nButtons = static_cast<int>(pBox->buttons().size());
        pBox->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(AfxMessageBox(u"Replace?", MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(title, QStringLiteral("trellis"));
    EXPECT_EQ(text, QStringLiteral("Replace?"));
    EXPECT_EQ(icon, QMessageBox::Question);
    EXPECT_EQ(nButtons, 2);

    WhenModalOpens<QMessageBox>([&](QMessageBox* pBox) {
        icon = pBox->icon();
        pBox->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(AfxMessageBox(u"Failed", MB_OK | MB_ICONSTOP), IDOK);
    EXPECT_EQ(icon, QMessageBox::Critical);
}

class FileDialogTest : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return QDir::toNativeSeparators(m_dir.filePath(name)); }
    QTemporaryDir m_dir;
    Testing::ScriptedFileDialogs m_dialogs;
    Testing::ScriptedMessageBoxes m_boxes;
};

TEST_F(FileDialogTest, ShowsFiltersAndAddsTheDefaultExtensionToABareName)
{
    m_dialogs.Choose(U16(Path("mine")));
    CFileDialog dlg(FALSE, u"sol", nullptr, 0, u"Puzzle Solution Files (*.sol)|*.sol|All Files (*.*)|*.*||");
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.GetPathName(), U16(Path("mine.sol")));
    EXPECT_EQ(dlg.GetFileName(), u"mine.sol");
    EXPECT_EQ(dlg.GetFileExt(), u"sol");

    ASSERT_EQ(m_dialogs.Shown().size(), 1u);
    const Testing::FileDialogRecord& shown = m_dialogs.Shown()[0];
    EXPECT_FALSE(shown.bOpen);
    EXPECT_EQ(shown.strDefExt, u"sol");
    ASSERT_EQ(shown.filters.size(), 2u);
    EXPECT_EQ(shown.filters[0], u"Puzzle Solution Files (*.sol) (*.sol)");
    EXPECT_EQ(shown.filters[1], u"All Files (*.*) (*)"); // every file, dotted or not
}

TEST_F(FileDialogTest, KeepsAGivenExtensionAndSeveralPatterns)
{
    m_dialogs.Choose(U16(Path("notes.txt")));
    CFileDialog dlg(TRUE, u".puz", nullptr, 0, u"Texts|*.txt;*.text||");
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.GetPathName(), U16(Path("notes.txt")));
    ASSERT_EQ(m_dialogs.Shown().size(), 1u);
    EXPECT_EQ(m_dialogs.Shown()[0].strDefExt, u"puz");
    EXPECT_EQ(m_dialogs.Shown()[0].filters, std::vector<std::u16string>{ u"Texts (*.txt *.text)" });
}

TEST_F(FileDialogTest, OpenKeepsABareNameWhenOnlyThatFileExists)
{
    Touch(m_dir.filePath("README"));
    m_dialogs.Choose(U16(Path("README")));
    m_dialogs.Choose(U16(Path("other")));
    CFileDialog dlg(TRUE, u"puz");
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.GetPathName(), U16(Path("README")));
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.GetPathName(), U16(Path("other.puz")));
}

TEST_F(FileDialogTest, CancelGivesNoPath)
{
    m_dialogs.Choose(U16(Path("first.puz")));
    m_dialogs.Cancel();
    CFileDialog dlg(TRUE, u"puz");
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(dlg.GetPathName().empty());
    EXPECT_EQ(dlg.DoModal(), IDCANCEL); // nothing scripted: cancelled too
}

TEST_F(FileDialogTest, SaveAsksBeforeReplacingOnlyWhenTold)
{
    Touch(m_dir.filePath("taken.sol"));

    // Replacing refused: the dialog comes back with the name, and is then cancelled.
    m_dialogs.Choose(U16(Path("taken")));
    m_boxes.Answer(IDNO);
    CFileDialog ask(FALSE, u"sol", nullptr, OFN_OVERWRITEPROMPT, u"S|*.sol||");
    EXPECT_EQ(ask.DoModal(), IDCANCEL);
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_NE(m_boxes.Shown()[0].strText.find(U16(Path("taken.sol"))), std::u16string::npos);
    EXPECT_EQ(m_boxes.Shown()[0].Buttons(), MB_YESNO);
    ASSERT_EQ(m_dialogs.Shown().size(), 2u);
    EXPECT_EQ(m_dialogs.Shown()[1].strFileName, U16(Path("taken.sol")));

    m_dialogs.Choose(U16(Path("taken.sol")));
    m_boxes.Answer(IDYES);
    EXPECT_EQ(ask.DoModal(), IDOK);
    EXPECT_EQ(ask.GetPathName(), U16(Path("taken.sol")));

    m_dialogs.Choose(U16(Path("taken.sol")));
    CFileDialog quiet(FALSE, u"sol", nullptr, 0, u"S|*.sol||");
    EXPECT_EQ(quiet.DoModal(), IDOK);
    EXPECT_EQ(m_boxes.Shown().size(), 2u); // no new question
}

TEST(NativeFileDialog, SaveAddsTheExtensionToATypedNameAndCancelGivesNoPath)
{
    QTemporaryDir dir;
    bool bSave = false;
    QStringList filters;
    WhenModalOpens<QFileDialog>([&](QFileDialog* pDlg) {
        bSave = pDlg->acceptMode() == QFileDialog::AcceptSave;
        filters = pDlg->nameFilters();
        pDlg->selectFile(dir.filePath("typed"));
        QMetaObject::invokeMethod(pDlg, "accept");
    });
    CFileDialog dlg(FALSE, u"sol", nullptr, 0, u"Puzzle Solution Files (*.sol)|*.sol|All Files (*.*)|*.*||");
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.GetPathName(), U16(QDir::toNativeSeparators(dir.filePath("typed.sol"))));
    EXPECT_TRUE(bSave);
    EXPECT_EQ(filters, QStringList({ "Puzzle Solution Files (*.sol) (*.sol)", "All Files (*.*) (*)" }));

    WhenModalOpens<QFileDialog>([](QFileDialog* pDlg) { pDlg->reject(); });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(dlg.GetPathName().empty());
}

TEST(DeleteFile, DeletesAFileAndReportsWhatItCannotDelete)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("solved.puz");
    Touch(file);
    EXPECT_TRUE(DeleteFile(U16(file).c_str()));
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_FALSE(DeleteFile(U16(file).c_str())); // gone already
    EXPECT_FALSE(DeleteFile(U16(dir.path()).c_str())); // a folder
    EXPECT_TRUE(QDir(dir.path()).exists());
    EXPECT_FALSE(DeleteFile(u""));
}
