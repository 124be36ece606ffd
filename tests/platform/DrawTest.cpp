// SPDX-License-Identifier: MIT
// Drawing operations, pixel by pixel: rectangles, frames, lines, text and fonts.

#include "TestWindows.h"
#include "tests/support/TempDir.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 128, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0);

// A 100 x 60 canvas, white, drawn on through a client DC.
class DrawTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        m_canvas.m_crFill = kWhite;
        ASSERT_TRUE(CreateChild(m_canvas, CRect(0, 0, 100, 60)));
        Testing::RunUntilIdle();
        m_canvas.m_bFillOnPaint = false;
    }

    // The set of columns and rows where a colour appears.
    CRect BoundsOf(COLORREF color) const
    {
        CRect r(1000, 1000, -1, -1);
        for (int y = 0; y < 60; ++y) {
            for (int x = 0; x < 100; ++x) {
                if (Testing::PixelAt(&m_canvas, x, y) == color)
                    r.SetRect(std::min<int>(r.left, x), std::min<int>(r.top, y), std::max<int>(r.right, x + 1),
                              std::max<int>(r.bottom, y + 1));
            }
        }
        return r.left > r.right ? CRect() : r;
    }
    int Count(COLORREF color) const { return Testing::CountPixels(&m_canvas, CRect(0, 0, 100, 60), color); }

    CProbeWnd m_canvas;
};

}  // namespace

TEST_F(DrawTest, FillAndFrameAreExact)
{
    CClientDC dc(&m_canvas);
    CBrush blue(kBlue);
    dc.FillRect(CRect(10, 5, 20, 8), &blue);
    EXPECT_EQ(BoundsOf(kBlue), CRect(10, 5, 20, 8));
    EXPECT_EQ(Count(kBlue), 30);

    dc.FrameRect(CRect(30, 10, 40, 15), static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(BoundsOf(kBlack), CRect(30, 10, 40, 15));
    EXPECT_EQ(Count(kBlack), 2 * 10 + 2 * 3);
    EXPECT_EQ(Testing::PixelAt(&m_canvas, 31, 11), kWhite);

    // A system colour brush, and an empty rectangle that draws nothing.
    dc.FillRect(CRect(0, 50, 5, 52), reinterpret_cast<HBRUSH>(COLOR_WINDOWTEXT + 1));
    EXPECT_EQ(Testing::PixelAt(&m_canvas, 4, 51), kBlack);
    dc.FillRect(CRect(60, 10, 60, 20), &blue);
    EXPECT_EQ(Count(kBlue), 30);
}

TEST_F(DrawTest, LinesOfWidthOneAndTwo)
{
    CClientDC dc(&m_canvas);
    CPen thin(PS_SOLID, 1, kBlue);
    CPen* pOld = dc.SelectObject(&thin);
    dc.MoveTo(10, 5);
    dc.LineTo(20, 5);  // the end point is left out
    EXPECT_EQ(BoundsOf(kBlue), CRect(10, 5, 20, 6));
    dc.MoveTo(5, 10);
    dc.LineTo(5, 0);  // upwards too
    EXPECT_EQ(Testing::PixelAt(&m_canvas, 5, 10), kBlue);
    EXPECT_EQ(Testing::PixelAt(&m_canvas, 5, 1), kBlue);
    EXPECT_EQ(Testing::PixelAt(&m_canvas, 5, 0), kWhite);
    dc.LineTo(8, 0);  // on from where the last line ended
    EXPECT_EQ(Testing::PixelAt(&m_canvas, 5, 0), kBlue);
    EXPECT_EQ(Testing::PixelAt(&m_canvas, 7, 0), kBlue);
    EXPECT_EQ(Testing::PixelAt(&m_canvas, 8, 0), kWhite);

    // A two-pixel pen covers the line and the row below (column right of
    // it), end point included, so grid lines meet at their corners.
    CPen wide(PS_SOLID, 2, kBlack);
    dc.SelectObject(&wide);
    dc.MoveTo(40, 20);
    dc.LineTo(60, 20);
    dc.MoveTo(40, 20);
    dc.LineTo(40, 40);
    CRect expected(40, 20, 62, 42);
    EXPECT_EQ(BoundsOf(kBlack), expected);
    EXPECT_EQ(Count(kBlack), 22 * 2 + 20 * 2);
    EXPECT_EQ(Testing::PixelAt(&m_canvas, 41, 21), kBlack);
    EXPECT_EQ(Testing::PixelAt(&m_canvas, 42, 22), kWhite);

    // Restoring the old pen draws with it again.
    EXPECT_EQ(dc.SelectObject(pOld), &wide);
    dc.MoveTo(0, 59);
    dc.LineTo(3, 59);
    EXPECT_EQ(Testing::PixelAt(&m_canvas, 0, 59), kBlack);
    EXPECT_EQ(Testing::PixelAt(&m_canvas, 0, 58), kWhite);
}

// The ellipse of a rectangle reaches its four edges, is the same mirrored
// either way and has a one-pixel outline.
TEST_F(DrawTest, EllipseFillsItsRectangleToTheEdges)
{
    CClientDC dc(&m_canvas);
    CPen thin(PS_SOLID, 1, kBlue);
    CPen* pOldPen = dc.SelectObject(&thin);
    CGdiObject* pOldBrush = dc.SelectStockObject(NULL_BRUSH);
    const CRect boxes[] = {{10, 10, 30, 30}, {40, 5, 47, 12}, {60, 20, 90, 31}};
    for (const CRect& box : boxes)
        dc.Ellipse(&box);
    for (const CRect& box : boxes) {
        EXPECT_EQ(Testing::PixelAt(&m_canvas, box.left, box.top), kWhite);
        EXPECT_EQ(Testing::PixelAt(&m_canvas, box.CenterPoint().x, box.CenterPoint().y), kWhite);
        for (int y = box.top; y < box.bottom; ++y) {
            int nInRow = 0;
            for (int x = box.left; x < box.right; ++x) {
                const COLORREF c = Testing::PixelAt(&m_canvas, x, y);
                nInRow += c == kBlue ? 1 : 0;
                EXPECT_EQ(c, Testing::PixelAt(&m_canvas, box.left + box.right - 1 - x, y)) << x << "," << y;
                EXPECT_EQ(c, Testing::PixelAt(&m_canvas, x, box.top + box.bottom - 1 - y)) << x << "," << y;
            }
            // Where the outline runs up and down it is one pixel thick.
            if (y == box.CenterPoint().y) {
                EXPECT_EQ(nInRow, 2);
            }
        }
    }
    EXPECT_EQ(BoundsOf(kBlue), CRect(10, 5, 90, 31));
    for (const CRect& box : boxes) {
        // Each edge of the rectangle has outline on it.
        EXPECT_GT(Testing::CountPixels(&m_canvas, CRect(box.left, box.top, box.right, box.top + 1), kBlue), 0);
        EXPECT_GT(Testing::CountPixels(&m_canvas, CRect(box.left, box.top, box.left + 1, box.bottom), kBlue), 0);
    }
    EXPECT_EQ(Testing::PixelAt(&m_canvas, 10, 20), kBlue);
    EXPECT_EQ(Testing::PixelAt(&m_canvas, 11, 20), kWhite);

    dc.SelectObject(pOldPen);
    dc.SelectObject(pOldBrush);
}

TEST_F(DrawTest, TextIsAlignedAndClippedToItsRectangle)
{
    CClientDC dc(&m_canvas);
    dc.SetTextColor(kBlue);
    dc.SetBkMode(TRANSPARENT);
    const CSize extent = dc.GetTextExtent(u"W", 1);
    ASSERT_GT(extent.cx, 0);
    ASSERT_GT(extent.cy, 0);

    // DT_CENTER | DT_VCENTER | DT_SINGLELINE: the ink lies around the centre.
    CRect rc(0, 0, 40, 40);
    dc.DrawText(u"W", 1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    const CRect ink = BoundsOf(kBlue);
    ASSERT_FALSE(ink.IsRectEmpty());
    EXPECT_LE(std::abs((ink.left + ink.right) / 2 - 20), 1);
    EXPECT_GE(ink.top, (40 - extent.cy) / 2);
    EXPECT_LE(ink.bottom, (40 - extent.cy) / 2 + extent.cy);

    // DT_VCENTER without DT_SINGLELINE keeps the text at the top.
    m_canvas.Invalidate(FALSE);
    {
        CClientDC clear(&m_canvas);
        clear.FillSolidRect(CRect(0, 0, 100, 60), kWhite);
    }
    dc.DrawText(u"W", 1, &rc, DT_CENTER | DT_VCENTER);
    EXPECT_LT(BoundsOf(kBlue).top, (40 - extent.cy) / 2);

    // Clipped to a rectangle smaller than the text.
    dc.FillSolidRect(CRect(0, 0, 100, 60), kWhite);
    CRect small(10, 10, 14, 14);
    dc.DrawText(u"WWWW", 4, &small, DT_SINGLELINE | DT_NOPREFIX);
    const CRect clipped = BoundsOf(kBlue);
    EXPECT_GE(clipped.left, 10);
    EXPECT_LE(clipped.right, 14);
    EXPECT_LE(clipped.bottom, 14);
}

TEST_F(DrawTest, BackgroundModeAndColours)
{
    CClientDC dc(&m_canvas);
    dc.SetTextColor(kYellow);
    dc.SetBkColor(kGreen);
    CRect rc(0, 0, 100, 30);
    const int height = dc.DrawText(u"AB", 2, &rc, DT_NOPREFIX);
    const CSize extent = dc.GetTextExtent(u"AB", 2);
    EXPECT_EQ(height, extent.cy);
    // Opaque: the text's own box is filled with the background colour.
    EXPECT_EQ(Count(kGreen) + Count(kYellow), extent.cx * extent.cy);
    EXPECT_GT(Count(kYellow), 0);

    EXPECT_EQ(dc.SetBkMode(TRANSPARENT), OPAQUE);
    CRect below(0, 30, 100, 60);
    dc.DrawText(u"AB", 2, &below, DT_NOPREFIX);
    EXPECT_EQ(Testing::CountPixels(&m_canvas, CRect(0, 30, 100, 60), kGreen), 0);
    EXPECT_GT(Testing::CountPixels(&m_canvas, CRect(0, 30, 100, 60), kYellow), 0);
}

TEST_F(DrawTest, AmpersandPrefixUnlessNoPrefix)
{
    CClientDC dc(&m_canvas);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(kBlue);
    // "&&" shows one ampersand: both draw the same ink.
    CRect a(0, 0, 100, 20);
    dc.DrawText(u"R&&D", 4, &a, 0);
    CRect b(0, 20, 100, 40);
    dc.DrawText(u"R&D", 3, &b, DT_NOPREFIX);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 100; ++x)
            ASSERT_EQ(Testing::PixelAt(&m_canvas, x, y), Testing::PixelAt(&m_canvas, x, y + 20)) << x << "," << y;
    }
    // "&D" underlines the D instead of showing the ampersand.
    dc.FillSolidRect(CRect(0, 0, 100, 60), kWhite);
    CRect c(0, 0, 100, 20);
    dc.DrawText(u"&D", 2, &c, 0);
    CRect d(0, 20, 100, 40);
    dc.DrawText(u"D", 1, &d, 0);
    const int inkPrefixed = Testing::CountPixels(&m_canvas, CRect(0, 0, 100, 20), kBlue);
    const int inkPlain = Testing::CountPixels(&m_canvas, CRect(0, 20, 100, 40), kBlue);
    EXPECT_EQ(inkPrefixed, inkPlain + dc.GetTextExtent(u"D", 1).cx);
}

TEST_F(DrawTest, WordBreakWrapsAtBlanksAndStopsAtTheBottom)
{
    CClientDC dc(&m_canvas);
    const int line = dc.GetTextExtent(u"x", 1).cy;
    const int width = dc.GetTextExtent(u"one two", 7).cx;
    CRect rc(0, 0, width, 60);
    // Three words in a rectangle that holds two: two lines.
    CRect calc = rc;
    EXPECT_EQ(dc.DrawText(u"one two three", 13, &calc, DT_WORDBREAK | DT_CALCRECT), 2 * line);
    EXPECT_EQ(dc.DrawText(u"one two\nthree", 13, &calc, DT_WORDBREAK | DT_CALCRECT), 2 * line);
    // Without DT_WORDBREAK only explicit line ends break.
    EXPECT_EQ(dc.DrawText(u"one two three", 13, &calc, DT_CALCRECT), line);
    // A word longer than the line stands alone and is cut at the right.
    CRect narrow(0, 0, 5, 60);
    EXPECT_EQ(dc.DrawText(u"abc def", 7, &narrow, DT_WORDBREAK | DT_CALCRECT), 2 * line);

    dc.SetTextColor(kBlue);
    CRect box(0, 0, width, line + line / 2);
    dc.DrawText(u"one two three", 13, &box, DT_WORDBREAK | DT_NOPREFIX);
    const CRect ink = BoundsOf(kBlue);
    EXPECT_GT(ink.bottom, line);  // the second line shows in part
    EXPECT_LE(ink.bottom, line + line / 2);
}

// A word too long for its line, broken where the line ends as an edit
// control breaks it (DT_EDITCONTROL), is the About Puzzle dialog's test's.

TEST_F(DrawTest, PointFontsHaveTheirPixelHeights)
{
    CClientDC dc(&m_canvas);
    // At 96 dots per inch: 10 points -> 13 pixels em, 15 pixels line
    // (Liberation Sans standing in for Arial, metric for metric). Other
    // sizes: a line of ascent plus descent, taller than the em, within 1.2 em.
    int previous = 0;
    for (const int tenths : {60, 80, 100, 120, 200}) {
        CFont font;
        ASSERT_TRUE(font.CreatePointFont(tenths, u"Arial"));
        const int em = (tenths * 96 + 360) / 720;
        CFont* pOld = dc.SelectObject(&font);
        TEXTMETRIC tm;
        ASSERT_TRUE(dc.GetTextMetrics(&tm));
        EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, em) << tenths;
        const int height = dc.GetTextExtent(u"Ag", 2).cy;
        EXPECT_EQ(height, tm.tmAscent + tm.tmDescent);
        EXPECT_GT(height, em) << tenths;
        EXPECT_LE(height * 10, em * 12 + 10) << tenths;
        EXPECT_GT(height, previous);
        if (tenths == 100) {
            EXPECT_EQ(height, 15);
        }
        previous = height;
        EXPECT_EQ(dc.SelectObject(pOld), &font);
    }
    // A face that is not installed still gives a font of that size.
    CFont missing;
    ASSERT_TRUE(missing.CreatePointFont(100, u"No Such Face"));
    CFont* pOld = dc.SelectObject(&missing);
    EXPECT_GE(dc.GetTextExtent(u"Ag", 2).cy, 13);
    dc.SelectObject(pOld);
}

namespace {

int CALLBACK CollectFace(const LOGFONT* lplf, const TEXTMETRIC*, DWORD, LPARAM lParam)
{
    auto* faces = reinterpret_cast<std::vector<std::u16string>*>(lParam);
    faces->push_back(lplf->lfFaceName);
    return faces->size() < 1000 ? 1 : 0;
}

#ifdef __linux__
// A copy of an installed font file whose OS/2 table names another maker
// (vendor "TRLS"): the font system then knows the family from two foundries.
std::filesystem::path CopyFromAnotherFoundry(const std::string& strFile)
{
    std::filesystem::path original;
    std::error_code ec;
    for (std::filesystem::recursive_directory_iterator it("/usr/share/fonts", ec), end; !ec && it != end;
         it.increment(ec)) {
        if (it->path().filename() == strFile)
            original = it->path();
    }
    std::ifstream in(original, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    auto u16 = [&bytes](size_t at) { return (unsigned char)bytes[at] << 8 | (unsigned char)bytes[at + 1]; };
    auto u32 = [&](size_t at) { return static_cast<size_t>(u16(at)) << 16 | u16(at + 2); };
    if (bytes.size() < 12)
        return {};
    for (size_t nTable = 0, nTables = u16(4); nTable < nTables && 12 + 16 * nTable + 16 <= bytes.size(); ++nTable) {
        const size_t record = 12 + 16 * nTable;
        if (bytes.compare(record, 4, "OS/2") != 0 || u32(record + 8) + 62 > bytes.size())
            continue;
        bytes.replace(u32(record + 8) + 58, 4, "TRLS");
        const std::filesystem::path copy = std::filesystem::temp_directory_path() /
                                           ("trellis-" + std::to_string(std::random_device {}()) + "-" + strFile);
        std::ofstream(copy, std::ios::binary) << bytes;
        return copy;
    }
    return {};
}
#endif

int CALLBACK StopAtOnce(const LOGFONT*, const TEXTMETRIC*, DWORD, LPARAM lParam)
{
    ++*reinterpret_cast<int*>(lParam);
    return 0;
}

}  // namespace

TEST_F(DrawTest, EnumFontsCallsOncePerInstalledFace)
{
    CClientDC dc(&m_canvas);
    std::vector<std::u16string> faces;
    EXPECT_EQ(EnumFonts(dc.GetSafeHdc(), nullptr, CollectFace, reinterpret_cast<LPARAM>(&faces)), 1);
    EXPECT_EQ(std::count(faces.begin(), faces.end(), u"Liberation Sans"), 1)
        << "the setup installs the Liberation fonts";
    int calls = 0;
    EXPECT_EQ(EnumFonts(dc.GetSafeHdc(), nullptr, StopAtOnce, reinterpret_cast<LPARAM>(&calls)), 0);
    EXPECT_EQ(calls, 1);
    calls = 0;
    EnumFonts(dc.GetSafeHdc(), u"Liberation Sans", StopAtOnce, reinterpret_cast<LPARAM>(&calls));
    EXPECT_EQ(calls, 1);

#ifdef __linux__
    // A family installed from two foundries is still one face, by its plain
    // name (fontconfig tells Qt the foundry of each).
    const std::filesystem::path copy = CopyFromAnotherFoundry("LiberationSans-Regular.ttf");
    ASSERT_FALSE(copy.empty());
    const BOOL bInstalled = Testing::InstallFont(copy.string().c_str());
    std::filesystem::remove(copy);
    ASSERT_TRUE(bInstalled);
    faces.clear();
    EnumFonts(dc.GetSafeHdc(), nullptr, CollectFace, reinterpret_cast<LPARAM>(&faces));
    EXPECT_EQ(std::count(faces.begin(), faces.end(), u"Liberation Sans"), 1);
    for (const std::u16string& face : faces)
        EXPECT_EQ(face.find(u'['), std::u16string::npos) << trellis::test::ToUtf8(face);
    calls = 0;
    EnumFonts(dc.GetSafeHdc(), u"Liberation Sans", StopAtOnce, reinterpret_cast<LPARAM>(&calls));
    EXPECT_EQ(calls, 1);
#endif
}
