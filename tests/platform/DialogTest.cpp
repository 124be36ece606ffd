// SPDX-License-Identifier: MIT
// Dialogs from templates: layout in dialog units, icons, DoModal and its
// results.
#include "DialogTestSupport.h"

#include "res/Resources.h"
#include "res/resource.h"

using namespace dialogtest;

namespace {

CRect Mapped(const CDialog& dialog, int x, int y, int cx, int cy)
{
    CRect rect(x, y, x + cx, y + cy);
    dialog.MapDialogRect(&rect);
    return rect;
}

using DialogLayoutTest = DialogTest;

TEST_F(DialogLayoutTest, RealTemplatesPlaceEveryControlAtItsIdFromDialogUnits)
{
    const ResourceSet& real = TrellisResources();
    for (const auto& [nID, resource] : real.dialogs) {
        CDialog dialog(nID);
        m_scripts.Queue([&, nID = nID, resource = &resource](CDialog& dlg) {
            // Base units of an 8-point face: about 6 pixels across, 13 down.
            CRect probe(0, 0, 4, 8);
            dlg.MapDialogRect(&probe);
            EXPECT_GE(probe.Width(), 5);
            EXPECT_LE(probe.Width(), 8);
            EXPECT_GE(probe.Height(), 11);
            EXPECT_LE(probe.Height(), 16);
            CRect client;
            dlg.GetClientRect(&client);
            EXPECT_EQ(client.Size(), Mapped(dlg, 0, 0, resource->cx, resource->cy).Size()) << nID;
            for (const DialogItemResource& item : resource->items) {
                if (item.nID == IDC_STATIC)
                    continue;
                ASSERT_NE(dlg.GetDlgItem(item.nID), nullptr) << nID << " item " << item.nID;
                const CRect expected = Mapped(dlg, item.x, item.y, item.cx, item.cy);
                const CRect actual = Testing::ControlRect(dlg, item.nID);
                switch (item.kind) {
                case DialogControl::ComboBox:  // the template height is the dropped list's
                    EXPECT_EQ(actual.TopLeft(), expected.TopLeft());
                    EXPECT_EQ(actual.Width(), expected.Width());
                    EXPECT_LT(actual.Height(), expected.Height());
                    break;
                case DialogControl::UpDown:
                case DialogControl::Edit:  // a right-aligned spin moves into its buddy
                    EXPECT_EQ(actual.top, expected.top) << nID << " item " << item.nID;
                    EXPECT_EQ(actual.Height(), expected.Height());
                    break;
                default:
                    EXPECT_EQ(actual, expected) << nID << " item " << item.nID;
                }
            }
            Testing::PressCancel(dlg);
            if (dlg.IsModalOpen())
                Testing::PressCaptionOK(dlg);
        });
        AfxSetResources(&real);
        dialog.DoModal();
        AfxSetResources(&TestResources());
    }
}

TEST_F(DialogLayoutTest, RightAlignedSpinSitsInsideItsBuddysWidth)
{
    CTestDlg dialog;
    Run(dialog, [&](CDialog& dlg) {
        const CRect edit = Testing::ControlRect(dlg, IDC_SIZE);
        const CRect spin = Testing::ControlRect(dlg, IDC_SIZE_SPIN);
        const CRect buddyBefore = Mapped(dlg, 40, 5, 30, 14);
        EXPECT_EQ(edit.left, buddyBefore.left);
        EXPECT_EQ(edit.right, spin.left);
        EXPECT_EQ(spin.right, buddyBefore.right);
    });
}

using DoModalTest = DialogTest;

TEST_F(DoModalTest, EscapeAndReturnWorkAsCancelAndTheDefaultButtonAndOnlyOkReadsTheFields)
{
    CTestDlg dialog;
    m_scripts.Queue([](CDialog& dlg) {
        Testing::TypeInto(dlg, IDC_NAME, u"xyz");
        Testing::PressKey(dlg, IDC_NAME, Testing::VK_ESCAPE);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(ToUtf8(dialog.m_strName), "abc");
    m_scripts.Queue([](CDialog& dlg) {
        Testing::TypeInto(dlg, IDC_NAME, u"xyz");
        Testing::PressKey(dlg, IDC_NAME, Testing::VK_RETURN);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(ToUtf8(dialog.m_strName), "xyz");
}

TEST_F(DoModalTest, MissingTemplateFailsAndUnscriptedDialogIsReported)
{
    CDialog missing(12345);
    EXPECT_EQ(missing.DoModal(), -1);
    EXPECT_TRUE(m_scripts.Opened().empty());

    Testing::ScriptedDialogs inner;
    CTestDlg dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ASSERT_EQ(inner.Faults().size(), 1u);
    EXPECT_EQ(inner.Faults()[0], "dialog 900 opened with no script");
    inner.Queue([](CDialog&) {});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(inner.Faults().back(), "script left dialog 900 open");
    EXPECT_EQ(inner.Opened(), (std::vector<UINT> {kTestDialog, kTestDialog}));
}

TEST_F(DoModalTest, TemplatePositionCountsFromTheOwner)
{
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, u"owner", WS_OVERLAPPED | WS_VISIBLE, CRect(40, 30, 440, 430), nullptr, 0));
    CTestDlg dialog(kTestDialog, &owner);
    Run(dialog, [&](CDialog& dlg) {
        CRect window;
        dlg.GetWindowRect(&window);
        CPoint ownerClient(0, 0);
        owner.ClientToScreen(&ownerClient);
        const CRect offset = Mapped(dlg, 10, 20, 0, 0);
        // The headless platform adds a 2-pixel frame to each decorated window.
        EXPECT_NEAR(window.left, ownerClient.x + offset.left, 2);
        EXPECT_NEAR(window.top, ownerClient.y + offset.top, 2);
        EXPECT_EQ(dialog.GetParent(), &owner);
    });
}

TEST_F(DoModalTest, DialogEndsWithCancelWhenItsOwnerIsDestroyed)
{
    auto* pOwner = new CWnd;
    ASSERT_TRUE(pOwner->CreateEx(0, nullptr, u"owner", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 300, 300), nullptr, 0));
    CTestDlg dialog(kTestDialog, pOwner);
    m_scripts.Queue([&](CDialog& dlg) {
        pOwner->DestroyWindow();
        EXPECT_FALSE(Testing::IsOpen(dlg));
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    delete pOwner;
}

TEST_F(DialogLayoutTest, IconStaticShowsTheIconResourceAtItsOwnSize)
{
    CTestDlg dialog;
    Run(dialog, [](CDialog& dlg) {
        EXPECT_EQ(Testing::ControlRect(dlg, IDC_ICON).Size(), CSize(32, 32));
        EXPECT_EQ(Testing::ControlPixel(dlg, IDC_ICON, 2, 2), RGB(255, 0, 0));
        EXPECT_EQ(Testing::ControlPixel(dlg, IDC_ICON, 30, 30), RGB(0, 0, 255));
    });
}

}  // namespace

// A static's lines as DrawText measures them in its font: the About Puzzle
// dialog's tests, which size its statics so.

TEST_F(DialogTest, AMultiLineEditTakesAndGivesLinesEndingInCrLf)
{
    CDialog dialog(kTextDialog);
    Run(dialog, [](CDialog& dlg) {
        dlg.SetDlgItemText(IDC_LINES, u"one\r\ntwo\nthree");
        CString strText;
        dlg.GetDlgItemText(IDC_LINES, strText);
        EXPECT_EQ(strText, u"one\r\ntwo\r\nthree");
        EXPECT_EQ(Testing::ShownText(dlg, IDC_LINES), u"one\ntwo\nthree");
        Testing::PressOK(dlg);
    });
}

TEST_F(DialogTest, TheProgramResizesADialogItsUserCannotAndGetWindowWalksItsControls)
{
    CDialog dialog(kTextDialog);
    Run(dialog, [](CDialog& dlg) {
        CRect rcWindow, rcClient;
        dlg.GetWindowRect(&rcWindow);
        dlg.GetClientRect(&rcClient);
        dlg.SetWindowPos(nullptr, 0, 0, rcWindow.Width() + 30, rcWindow.Height() + 40,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        CRect rcBigger, rcBiggerClient;
        dlg.GetWindowRect(&rcBigger);
        dlg.GetClientRect(&rcBiggerClient);
        EXPECT_EQ(rcBigger.Size(), CSize(rcWindow.Width() + 30, rcWindow.Height() + 40));
        EXPECT_EQ(rcBiggerClient.Size(), CSize(rcClient.Width() + 30, rcClient.Height() + 40));
        // A control moved into the new room is shown there.
        CWnd* pOK = dlg.GetDlgItem(IDOK);
        const CRect rcOK = Testing::ControlRect(dlg, IDOK);
        pOK->MoveWindow(rcOK.left, rcClient.bottom + 10, rcOK.Width(), rcOK.Height(), TRUE);
        EXPECT_EQ(Testing::ControlRect(dlg, IDOK).top, rcClient.bottom + 10);
        EXPECT_NE(Testing::DialogPixel(dlg, rcOK.left + 2, rcClient.bottom + 12), 0xFFFFFFFFu);

        // The controls in template order, then nothing.
        std::vector<int> ids;
        for (CWnd* pControl = dlg.GetWindow(GW_CHILD); pControl; pControl = pControl->GetWindow(GW_HWNDNEXT))
            ids.push_back(pControl->GetDlgCtrlID());
        EXPECT_EQ(ids, (std::vector<int> {IDC_WRAPPED, IDC_LINES, IDOK, IDCANCEL}));
        Testing::PressOK(dlg);
    });
}
