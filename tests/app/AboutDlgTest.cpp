// SPDX-License-Identifier: MIT
#include "app/AboutPuzzleDlg.h"
#include "app/CommandLine.h"
#include "res/Resources.h"
#include "tests/app/DialogFixture.h"

#include <sstream>

namespace {

using AboutDlgTest = DialogFixture;

TEST(AboutPuzzleFileName, IsThePartAfterTheLastSeparatorOfEitherKind)
{
    for (LPCTSTR pszPath : {u"\\My Documents\\x.puz", u"/home/me/a\\b/x.puz", u"c:/a/b\\x.puz", u"x.puz"})
        EXPECT_EQ(CAboutPuzzleDlg::FileNameOf(pszPath), u"x.puz");
    EXPECT_EQ(CAboutPuzzleDlg::FileNameOf(u"folder/"), u"");
}

TEST_F(AboutDlgTest, AboutBoxBannerAndVersionOptionNameTheSameRelease)
{
    int nLines = 0;
    for (const DialogItemResource& item : TrellisResources().dialogs.at(IDD_ABOUTBOX).items)
        nLines += std::u16string(item.pszText) == u"Trellis Version 1.0 Beta 4";
    EXPECT_EQ(nLines, 1);

    // The banner's second line, under the program's name.
    const CString strBanner = ClueText();
    EXPECT_EQ(strBanner.substr(0, strBanner.find(u'\n', strBanner.find(u'\n') + 1)),
              u"Trellis Crossword Software\nVersion 1.0 Beta 4");

    const char* const argv[] = {"trellis", "--version"};
    std::ostringstream out, err;
    EXPECT_EQ(AnswerCommandLine(ParseCommandLine(2, argv), out, err), 0);
    EXPECT_EQ(out.str(), "trellis 1.0 Beta 4\n");
}

TEST_F(AboutDlgTest, AboutBoxOpensCentredOverTheFrame)
{
    Open(ID_APP_ABOUT, [this](CDialog& dlg) {
        CRect rcDialog, rcFrame;
        dlg.GetWindowRect(&rcDialog);
        // The frame's own rectangle is where it stands on the desktop; the
        // dialog's is in screen coordinates, which start at the frame's corner.
        Frame().GetWindowRect(&rcFrame);
        rcFrame.OffsetRect(-rcFrame.left, -rcFrame.top);
        EXPECT_NEAR(rcDialog.CenterPoint().x, rcFrame.CenterPoint().x, 1);
        EXPECT_NEAR(rcDialog.CenterPoint().y, rcFrame.CenterPoint().y, 1);
        Testing::PressCaptionOK(dlg);
    });
    EXPECT_EQ(m_dialogs.Opened(), std::vector<UINT> {IDD_ABOUTBOX});
}

}  // namespace
