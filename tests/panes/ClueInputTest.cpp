// SPDX-License-Identifier: MIT
// The clue bar with its tip, and the letter pad.

#include "panes/ClueWnd.h"
#include "panes/InputWnd.h"
#include "tests/panes/PaneTest.h"

#include <tuple>

namespace trellis::test {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kTipYellow = RGB(251, 253, 187);
constexpr COLORREF kPadGreen = RGB(0, 128, 0);
constexpr COLORREF kLetterYellow = RGB(255, 255, 0);

class ClueTest : public HostTest {
protected:
    void Create(int y)
    {
        ASSERT_TRUE(m_clue.Create(nullptr, u"clue", WS_CHILD | WS_VISIBLE, CRect(0, y, 240, y + 38), &m_host, 1001));
        Testing::RunUntilIdle();
    }
    int TextInk(LPCTSTR lpszText)
    {
        m_clue.SetClue(1, u'A', lpszText);
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
    m_clue.SetClue(12, u'D', u"Capital of Peru");
    EXPECT_EQ(CString(u"12D: Capital of Peru"), m_clue.GetClueText());
    m_clue.SetClue(0, u'D', u"ignored");
    EXPECT_EQ(banner, m_clue.GetClueText());

    // A one-pixel black frame around white; an ampersand is drawn as itself.
    EXPECT_EQ(0, InkPixels(&m_clue, CRect(1, 1, 239, 2), kWhite));
    EXPECT_EQ(kBlack, Testing::PixelAt(&m_clue, 0, 0));
    EXPECT_EQ(kBlack, Testing::PixelAt(&m_clue, 239, 37));
    EXPECT_GT(TextInk(u"&"), TextInk(u""));
}

TEST_F(ClueTest, ADoubleTapOpensTheTipInTheSamePlaceWhereverTheBarIs)
{
    for (int y : {191, 249}) {
        Create(y);
        Testing::Tap(&m_clue, CPoint(20, 10));
        EXPECT_FALSE(m_clue.GetTip().IsWindowVisible());
        m_clue.SetClue(3, u'D', u"Tip text");
        Testing::DoubleTap(&m_clue, CPoint(20, 10));
        Testing::RunUntilIdle();
        ASSERT_TRUE(m_clue.GetTip().IsWindowVisible());
        EXPECT_EQ(CString(u"3D: Tip text"), m_clue.GetTip().GetText());
        CRect rc;
        m_clue.GetTip().GetWindowRect(&rc);
        EXPECT_EQ(CRect(6, 180, 234, 260), rc) << y;
        EXPECT_EQ(kTipYellow, Testing::PixelAt(&m_clue.GetTip(), 200, 60));
        EXPECT_GT(Testing::CountPixels(&m_clue.GetTip(), CRect(2, 2, 80, 20), kBlack), 0);
        Testing::Tap(&m_clue.GetTip(), CPoint(10, 10));
        EXPECT_FALSE(m_clue.GetTip().IsWindowVisible());
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
        m_nIdleYellow = Yellow();
    }
    int Yellow() { return Testing::CountPixels(&m_input, CRect(0, 0, 240, 40), kLetterYellow); }
    CInputWnd m_input;
    int m_nIdleYellow = 0;
};

TEST_F(InputTest, PressHighlightsAndReleaseSendsTheLetterUnderThePen)
{
    Testing::Press(&m_input, CPoint(10, 10));
    // The box of 'A', widened by two pixels, 20 high.
    EXPECT_EQ(kLetterYellow, Testing::PixelAt(&m_input, 2, 3));
    EXPECT_EQ(kLetterYellow, Testing::PixelAt(&m_input, 2, 21));
    EXPECT_EQ(kPadGreen, Testing::PixelAt(&m_input, 2, 22));
    Testing::Release(&m_input, CPoint(10, 10));
    EXPECT_EQ(std::vector<UINT> {u'A'}, m_host.m_chars);
    EXPECT_EQ(kPadGreen, Testing::PixelAt(&m_input, 2, 3));

    const std::tuple<CPoint, CPoint, std::vector<UINT>> strokes[] = {
        {CPoint(10, 10), CPoint(30, 10), {u'B'}},  // the letter at the release
        {CPoint(10, 22), CPoint(10, 22), {u'N'}},  // second row
        {CPoint(238, 10), CPoint(238, 10), {}},  // past the last column
        {CPoint(100, 10), CPoint(10, 60), {u'N'}},  // captured: below the pad
        {CPoint(100, 10), CPoint(10, -30), {u'A'}},  // above it
        {CPoint(100, 10), CPoint(-13, 10), {u'A'}},  // just left of it
        {CPoint(100, 10), CPoint(-14, 10), {}},  // farther left
    };
    for (const auto& [ptPress, ptRelease, chars] : strokes) {
        m_host.m_chars.clear();
        Testing::Press(&m_input, ptPress);
        if (ptPress.x == 238) {
            EXPECT_EQ(m_nIdleYellow, Yellow());  // a press on no letter draws nothing
        }
        Testing::Release(&m_input, ptRelease);
        EXPECT_EQ(chars, m_host.m_chars) << ptRelease.x << "," << ptRelease.y;
        EXPECT_EQ(m_nIdleYellow, Yellow());
    }
}

TEST_F(InputTest, AQuickSecondPressIsAPressToo)
{
    // The second press of a double tap highlights, captures and sends like the first.
    Testing::DoublePress(&m_input, CPoint(10, 10));
    EXPECT_EQ(kLetterYellow, Testing::PixelAt(&m_input, 2, 3));
    Testing::Release(&m_input, CPoint(10, 60));
    EXPECT_EQ((std::vector<UINT> {u'A', u'N'}), m_host.m_chars);
    EXPECT_EQ(m_nIdleYellow, Yellow());
}

}  // namespace
}  // namespace trellis::test

namespace trellis::test {
namespace {

TEST_F(ClueTest, ANoteStandsInTheBannersPlaceUntilTheNextClue)
{
    Create(0);
    m_clue.SetClue(3, u'A', u"Cat");
    m_clue.ShowNote(u"This puzzle has notes.");
    EXPECT_EQ(m_clue.GetClueText(), u"This puzzle has notes.");
    m_clue.UpdateWindow();
    const int nNoteInk = InkPixels(&m_clue, CRect(2, 2, 238, 36), kWhite);
    EXPECT_GT(nNoteInk, 0);
    EXPECT_EQ(m_clue.GetNumber(), 3);  // the clue is kept behind it

    m_clue.SetClue(4, u'D', u"Dog");
    EXPECT_EQ(m_clue.GetClueText(), u"4D: Dog");
    // Once gone, it stays gone; a cleared bar drops it as well.
    m_clue.SetClue(5, u'D', u"Emu");
    EXPECT_EQ(m_clue.GetClueText(), u"5D: Emu");
    m_clue.ShowNote(u"Note");
    m_clue.ClearClue();
    EXPECT_EQ(m_clue.GetClueText(), u"");
}

}  // namespace
}  // namespace trellis::test
