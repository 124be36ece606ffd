// SPDX-License-Identifier: MIT
// Files dropped from the desktop: which windows take a drag, and what
// WM_DROPFILES hands over.

#include "TestWindows.h"

#include "platform/DropFiles.h"
#include "platform/testing/TestingDrop.h"

#include <string>

namespace {

// Keeps what each WM_DROPFILES held, read through the drop handle.
class CDropWnd : public CProbeWnd {
public:
    afx_msg void OnDropFiles(HDROP hDrop)
    {
        m_nDrops++;
        const UINT nFiles = DragQueryFile(hDrop, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < nFiles; i++) {
            const UINT nLength = DragQueryFile(hDrop, i, nullptr, 0);
            std::u16string strFile(nLength, u'?');
            EXPECT_EQ(DragQueryFile(hDrop, i, strFile.data(), nLength + 1), nLength);
            m_files.push_back(strFile);
        }
        DragFinish(hDrop);
    }
    int m_nDrops = 0;
    std::vector<std::u16string> m_files;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDropWnd, CProbeWnd)
    ON_WM_DROPFILES()
END_MESSAGE_MAP()

TEST_F(WindowTest, DroppedFilesArePostedToTheWindowThatAcceptsThem)
{
    CDropWnd target;
    CProbeWnd child;
    ASSERT_TRUE(CreateChild(target, CRect(10, 10, 210, 210), 1));
    ASSERT_TRUE(child.Create(nullptr, u"child", WS_CHILD | WS_VISIBLE, CRect(50, 50, 150, 150), &target, 2));
    const std::vector<std::u16string> files = {u"/tmp/a puzzle.puz", u"/tmp/b.sol"};

    EXPECT_FALSE(Testing::DropItems(&target, CPoint(5, 5), files));  // accepts nothing yet
    DragAcceptFiles(target.m_hWnd, TRUE);
    EXPECT_TRUE(target.GetExStyle() & WS_EX_ACCEPTFILES);

    // Let go over the child, which takes no drops itself: the message is
    // posted to the window, so it comes once the drop is over.
    EXPECT_TRUE(Testing::DropItems(&child, CPoint(20, 30), files));
    EXPECT_EQ(target.m_nDrops, 0);
    Testing::RunUntilIdle();
    ASSERT_EQ(target.m_nDrops, 1);
    EXPECT_EQ(target.m_files, files);

    // Links and a disabled window are refused; so is everything once it stops accepting.
    EXPECT_FALSE(Testing::DropItems(&target, CPoint(5, 5), {u"https://example.com/c.puz"}));
    EXPECT_TRUE(Testing::DropItems(&target, CPoint(5, 5), {u"https://example.com/c.puz", u"/tmp/c.puz"}));
    target.EnableWindow(FALSE);
    EXPECT_FALSE(Testing::DropItems(&target, CPoint(5, 5), files));
    target.EnableWindow(TRUE);
    DragAcceptFiles(target.m_hWnd, FALSE);
    EXPECT_FALSE(Testing::DropItems(&target, CPoint(5, 5), files));
    EXPECT_FALSE(target.GetExStyle() & WS_EX_ACCEPTFILES);
    Testing::RunUntilIdle();
    ASSERT_EQ(target.m_nDrops, 2);
    EXPECT_EQ(target.m_files.back(), u"/tmp/c.puz");
}

}  // namespace
