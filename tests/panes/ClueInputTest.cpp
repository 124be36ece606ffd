// The clue bar with its tip, and the letter pad.

#include "panes/ClueWnd.h"
#include "panes/InputWnd.h"
#include "tests/panes/PaneTest.h"

namespace trellis::test {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

class ClueTest : public HostTest {
protected:
    void Create(int y)
    {
        ASSERT_TRUE(m_clue.Create(nullptr, u"clue", WS_CHILD | WS_VISIBLE, CRect(0, y, 240, y + 38), &m_host, 1001));
        Testing::RunUntilIdle();
    }
    int TextInk()
    {
        m_clue.UpdateWindow();
        return InkPixels(&m_clue, CRect(2, 2, 238, 36), kWhite);
    }
    CClueWnd m_clue;
};

TEST_F(ClueTest, ShowsNumberDirectionAndTextOrTheBanner)
{
    Create(0);
    const CString banner = m_clue.GetClueText();
    EXPECT_EQ(3, std::count(banner.begin(), banner.end(), u'\n'));
    EXPECT_NE(CString::npos, banner.find(u"Load Puzzle"));

    m_clue.SetClue(12, u'D', u"Capital of Peru");
    EXPECT_EQ(CString(u"12D: Capital of Peru"), m_clue.GetClueText());
    m_clue.SetClue(0, u'D', u"ignored");
    EXPECT_EQ(banner, m_clue.GetClueText());

    // White inside a one-pixel black frame, black text inset by two pixels.
    m_clue.SetClue(5, u'A', u"Lima");
    Testing::RunUntilIdle();
    EXPECT_EQ(kBlack, Testing::PixelAt(&m_clue, 0, 0));
    EXPECT_EQ(kBlack, Testing::PixelAt(&m_clue, 239, 37));
    EXPECT_EQ(kWhite, Testing::PixelAt(&m_clue, 1, 1));
    EXPECT_EQ(0, InkPixels(&m_clue, CRect(1, 1, 239, 2), kWhite));
    EXPECT_GT(Testing::CountPixels(&m_clue, CRect(2, 2, 60, 36), kBlack), 0);
}

TEST_F(ClueTest, AnAmpersandIsShownAsItself)
{
    Create(0);
    m_clue.SetClue(1, u'A', u"");
    const int nPlain = TextInk();
    m_clue.SetClue(1, u'A', u"&");
    EXPECT_GT(TextInk(), nPlain);
}

TEST_F(ClueTest, TheTipOpensInTheSamePlaceWhereverTheBarIs)
{
    for (int y : { 191, 249 }) {
        SCOPED_TRACE(y);
        Create(y);
        EXPECT_FALSE(m_clue.m_wndTip.IsWindowVisible());
        Testing::Tap(&m_clue, CPoint(20, 10));
        EXPECT_FALSE(m_clue.m_wndTip.IsWindowVisible());

        m_clue.SetClue(3, u'D', u"Tip text");
        Testing::DoubleTap(&m_clue, CPoint(20, 10));
        Testing::RunUntilIdle();
        ASSERT_TRUE(m_clue.m_wndTip.IsWindowVisible());
        EXPECT_EQ(CString(u"3D: Tip text"), m_clue.m_wndTip.m_strText);
        CRect rc;
        m_clue.m_wndTip.GetWindowRect(&rc);
        EXPECT_EQ(CRect(6, 180, 234, 260), rc);
        CString strName;
        m_clue.m_wndTip.GetWindowText(strName);
        EXPECT_EQ(CString(u"Helper"), strName);
        EXPECT_EQ(CClueWnd::TIP_COLOR, Testing::PixelAt(&m_clue.m_wndTip, 200, 60));
        EXPECT_GT(Testing::CountPixels(&m_clue.m_wndTip, CRect(2, 2, 80, 20), kBlack), 0);

        Testing::Tap(&m_clue.m_wndTip, CPoint(10, 10));
        EXPECT_FALSE(m_clue.m_wndTip.IsWindowVisible());
        m_clue.DestroyWindow();
    }
}

class InputTest : public HostTest {
protected:
    void SetUp() override
    {
        HostTest::SetUp();
        ASSERT_TRUE(m_input.Create(nullptr, u"input", WS_CHILD | WS_VISIBLE, CRect(50, 100, 290, 140), &m_host, 1002));
        Testing::RunUntilIdle();
    }
    int Yellow() { return Testing::CountPixels(&m_input, CRect(0, 0, 240, 40), CInputWnd::LETTER_COLOR); }

    CInputWnd m_input;
};

TEST_F(InputTest, PressHighlightsAndReleaseSendsTheLetterUnderThePen)
{
    // The left edge of the widened highlight of 'A' is at x 2.
    EXPECT_EQ(CInputWnd::PAD_COLOR, Testing::PixelAt(&m_input, 2, 3));
    const int nIdle = Yellow();
    Testing::Press(&m_input, CPoint(10, 10));
    EXPECT_EQ(u'A', m_input.m_chPressed);
    EXPECT_EQ(CInputWnd::LETTER_COLOR, Testing::PixelAt(&m_input, 2, 3));
    EXPECT_EQ(CInputWnd::LETTER_COLOR, Testing::PixelAt(&m_input, 2, 21));
    EXPECT_GT(Yellow(), nIdle);
    Testing::Release(&m_input, CPoint(10, 10));
    EXPECT_EQ(std::vector<UINT>{ u'A' }, m_host.m_chars);
    EXPECT_EQ(CInputWnd::PAD_COLOR, Testing::PixelAt(&m_input, 2, 3));
    EXPECT_EQ(nIdle, Yellow());
    EXPECT_EQ(0, m_input.m_chPressed);

    Testing::Press(&m_input, CPoint(10, 10));
    Testing::Release(&m_input, CPoint(30, 10));
    EXPECT_EQ(u'B', m_host.m_chars.back());
    EXPECT_EQ(nIdle, Yellow());

    Testing::Press(&m_input, CPoint(10, 22));
    Testing::Release(&m_input, CPoint(10, 22));
    EXPECT_EQ(u'N', m_host.m_chars.back());
}

TEST_F(InputTest, TapsPastTheLastColumnDoNothing)
{
    const int nIdle = Yellow();
    Testing::Press(&m_input, CPoint(238, 10));
    EXPECT_EQ(nIdle, Yellow());
    Testing::Release(&m_input, CPoint(238, 10));
    EXPECT_TRUE(m_host.m_chars.empty());
    CClientDC dc(&m_input);
    EXPECT_EQ(u'M', m_input.HitTest(&dc, 237, 10));
    EXPECT_EQ(u'A', m_input.HitTest(&dc, 0, -50));
    EXPECT_EQ(u'Z', m_input.HitTest(&dc, 237, 500));
}

TEST_F(InputTest, ACapturedReleaseOutsideThePadStillSendsALetter)
{
    const std::pair<CPoint, UINT> releases[] = {
        { CPoint(10, 60), u'N' },  // below: second row
        { CPoint(10, -30), u'A' }, // above: first row
        { CPoint(-13, 10), u'A' }, // just left: column 0
        { CPoint(-14, 10), 0 },    // farther left: nothing
    };
    for (const auto& release : releases) {
        m_host.m_chars.clear();
        Testing::Press(&m_input, CPoint(100, 10));
        Testing::Release(&m_input, release.first);
        if (release.second == 0)
            EXPECT_TRUE(m_host.m_chars.empty());
        else
            EXPECT_EQ(std::vector<UINT>{ release.second }, m_host.m_chars) << release.first.x;
    }
}

} // namespace
} // namespace trellis::test
