#include "tests/panes/PaneTest.h"

namespace trellis::test {

namespace {

class ApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override { Testing::EnsureApplication(); }
};

const ::testing::Environment* const g_environment =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

} // namespace

BEGIN_MESSAGE_MAP(CRecordingHost, CWnd)
    ON_MESSAGE(WM_USER + 1, OnWordSelected)
    ON_WM_CHAR()
END_MESSAGE_MAP()

BOOL CRecordingHost::CreateHost(int cx, int cy)
{
    return CreateEx(0, AfxRegisterWndClass(0, nullptr, reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1))),
                    u"host", WS_POPUP | WS_VISIBLE, CRect(0, 0, cx, cy), nullptr, 0);
}

LRESULT CRecordingHost::OnWordSelected(WPARAM wParam, LPARAM lParam)
{
    m_words.emplace_back(wParam, CPoint(LOWORD(static_cast<std::uintptr_t>(lParam)),
                                        HIWORD(static_cast<std::uintptr_t>(lParam))));
    return 0;
}

void CRecordingHost::OnChar(UINT nChar, UINT, UINT)
{
    m_chars.push_back(nChar);
}

std::unique_ptr<CCrossWordPuzzle> MakePuzzle(const std::vector<std::string>& rows,
                                             const std::vector<std::string>& clues)
{
    TempDir dir;
    PuzzleFileWriter writer(rows);
    if (!clues.empty())
        writer.Clues(clues);
    return writer.Load(dir);
}

int InkPixels(const CWnd* pWnd, const RECT& rect, COLORREF color)
{
    const CRect rc(rect);
    return rc.Width() * rc.Height() - Testing::CountPixels(pWnd, rc, color);
}

CRect RectInParent(CWnd& wnd)
{
    CRect rc;
    wnd.GetWindowRect(&rc);
    wnd.GetParent()->ScreenToClient(&rc);
    return rc;
}

void HostTest::SetUp()
{
    ASSERT_TRUE(m_host.CreateHost(m_nHostWidth, m_nHostHeight));
    Testing::RunUntilIdle();
}

void HostTest::TearDown()
{
    m_host.DestroyWindow();
    Testing::RunUntilIdle();
}

} // namespace trellis::test
