// SPDX-License-Identifier: MIT
// The printed page: where the grid, its tiles and the clue columns go on
// Letter and A4 paper, what the squares show, and the clues' order, columns
// and pages. Text is measured by a fixed rule here, so every position can be
// reckoned by hand: a character is half its type's size wide (bold: 0.6),
// a capital 0.7 of it tall.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "model/CrossWordPuzzle.h"
#include "model/PageLayout.h"
#include "tests/support/PuzzleFileWriter.h"
#include "tests/support/SourceGrid.h"
#include "tests/support/TempDir.h"

using trellis::test::LoadSourceGrid;
using trellis::test::PuzzleFileWriter;
using trellis::test::SourceGrid;
using trellis::test::TempDir;

namespace {

class FixedMeasure : public CTextMeasure {
public:
    double Width(const std::u16string& strText, const CPageFont& font) const override
    {
        return static_cast<double>(strText.size()) * font.dSize * (font.bBold ? 0.6 : 0.5);
    }
    double CapHeight(const CPageFont& font) const override { return font.dSize * 0.7; }
};

// Page sizes in points.
constexpr double kLetterWidth = 612, kLetterHeight = 792;
constexpr double kA4Width = 210 * 72 / 25.4, kA4Height = 297 * 72 / 25.4;

// With a title, an author and a copyright line (16, 10 and 8 points, each
// line 1.2 times its size) below the 36-point margin, then 4 points, the
// rule, and 10 points: the grid's top on the first page.
constexpr double kTop = 36 + 19.2 + 12 + 9.6 + 4 + 10;  // 90.8
// Above the 36-point margin, 16 points are kept for the page numbers.
constexpr double kLetterBottom = 792 - 36 - 16;  // 740
// Three clue columns share the 540 points inside the margins, 14 apart.
constexpr double kLetterColumn = (540 - 2 * 14) / 3.0;  // 170.67

CPageSetup Letter(EPrintContent nContent = EPrintContent::Blank)
{
    CPageSetup setup;
    setup.dWidth = kLetterWidth;
    setup.dHeight = kLetterHeight;
    setup.nContent = nContent;
    return setup;
}

CPageSetup A4()
{
    CPageSetup setup = Letter();
    setup.dWidth = kA4Width;
    setup.dHeight = kA4Height;
    return setup;
}

// An open grid of nWidth x nHeight, without black squares.
std::vector<std::string> OpenRows(int nWidth, int nHeight)
{
    return std::vector<std::string>(static_cast<std::size_t>(nHeight),
                                    std::string(static_cast<std::size_t>(nWidth), 'A'));
}

// Texts for nCount clues of nWords words each: "clue<i> word0 word1 ...".
std::vector<std::string> LongClues(int nCount, int nWords)
{
    std::vector<std::string> texts;
    for (int i = 0; i < nCount; ++i) {
        std::string text = "clue" + std::to_string(i);
        for (int w = 0; w < nWords; ++w)
            text += " word" + std::to_string(w);
        texts.push_back(text);
    }
    return texts;
}

std::string ToUtf8(const std::u16string& text)
{
    return std::string(text.begin(), text.end());
}

std::u16string Wide(const std::string& text)
{
    return std::u16string(text.begin(), text.end());
}

class PageLayoutTest : public ::testing::Test {
protected:
    std::unique_ptr<CCrossWordPuzzle> Load(const PuzzleFileWriter& writer) { return writer.Load(m_dir); }

    TempDir m_dir;
    FixedMeasure m_measure;
};

// A clue as the columns show it: where its label stands and its text, the
// lines joined by blanks.
struct PlacedClue {
    std::size_t nPage;
    double xLabel;  // the label's right end
    double y;  // the first line's baseline
    std::u16string strLabel;
    std::u16string strText;
    int nLines;
    bool bTogether;  // every line in the label's column, one under the other
};

bool IsClueText(const CPageText& text)
{
    return text.font.dSize == 9 && !text.font.bBold && text.nAlign == EPageAlign::Left;
}

bool IsLabel(const CPageText& text)
{
    return text.font.dSize == 9 && text.font.bBold && text.nAlign == EPageAlign::Right;
}

std::vector<PlacedClue> Clues(const CPrintedDocument& document)
{
    std::vector<PlacedClue> clues;
    for (std::size_t nPage = 0; nPage < document.aPages.size(); ++nPage) {
        const std::vector<CPageText>& texts = document.aPages[nPage].aTexts;
        for (std::size_t i = 0; i < texts.size(); ++i) {
            if (!IsLabel(texts[i]))
                continue;
            PlacedClue clue {nPage, texts[i].x, texts[i].y, texts[i].strText, u"", 0, true};
            for (std::size_t j = i + 1; j < texts.size() && IsClueText(texts[j]); ++j) {
                clue.bTogether = clue.bTogether && texts[j].x == texts[i + 1].x &&
                                 std::abs(texts[j].y - (clue.y + 10.8 * clue.nLines)) < 1e-9;
                clue.strText += (clue.nLines++ > 0 ? u" " : u"") + texts[j].strText;
            }
            clues.push_back(clue);
        }
    }
    return clues;
}

std::vector<std::u16string> Headings(const CPrintedDocument& document)
{
    std::vector<std::u16string> headings;
    for (const CPrintedPage& page : document.aPages)
        for (const CPageText& text : page.aTexts)
            if (text.font.dSize == 10 && text.font.bBold)
                headings.push_back(text.strText);
    return headings;
}

// The letters shown in the squares, by square, read off the centred texts.
std::map<std::pair<int, int>, std::u16string> Letters(const CPageLayout& layout)
{
    std::map<std::pair<int, int>, std::u16string> letters;
    const double s = layout.GetSquareSize();
    for (const CGridTile& tile : layout.GetTiles()) {
        for (const CPageText& text : layout.GetDocument().aPages[static_cast<std::size_t>(tile.nPage)].aTexts) {
            if (text.nAlign != EPageAlign::Center || text.y > tile.y + tile.nRows * s)
                continue;
            const int c = tile.nFirstCol + static_cast<int>((text.x - tile.x) / s);
            const int r = tile.nFirstRow + static_cast<int>((text.y - tile.y) / s);
            letters[{c, r}] = text.strText;
        }
    }
    return letters;
}

TEST_F(PageLayoutTest, AFifteenOnLetterTakesHalfThePageAtTheTopRightOverTwoColumns)
{
    // Clues of three lines or so, more than one column holds.
    const auto puzzle = Load(PuzzleFileWriter(OpenRows(15, 15)).Clues(LongClues(30, 12)));
    const CPageLayout layout(*puzzle, m_measure, Letter());
    EXPECT_EQ(layout.GetDocument().aPages.size(), 1u);
    EXPECT_EQ(layout.GetColumnCount(), 3);
    EXPECT_NEAR(layout.GetColumnWidth(), kLetterColumn, 1e-9);
    // Half the height below the title block, (740 - 90.8) / 2 = 324.6,
    // for 15 squares; two columns (355.3 points) hold that width.
    EXPECT_NEAR(layout.GetSquareSize(), 324.6 / 15, 1e-9);
    ASSERT_EQ(layout.GetTiles().size(), 1u);
    const CGridTile& grid = layout.GetTiles()[0];
    EXPECT_EQ(grid.nCols, 15);
    EXPECT_EQ(grid.nRows, 15);
    EXPECT_NEAR(grid.x, 576 - 324.6, 1e-9);
    EXPECT_NEAR(grid.y, kTop, 1e-9);

    // The clues: the first column beside the grid from the top, the other
    // two under it, 14 points below its last row.
    std::map<double, double> columnTops;
    for (const PlacedClue& clue : Clues(layout.GetDocument())) {
        auto [it, bNew] = columnTops.try_emplace(clue.xLabel, clue.y);
        it->second = std::min(it->second, clue.y);
    }
    ASSERT_GE(columnTops.size(), 2u);
    // Across's heading (a 12-point line) above the first clue, whose
    // baseline is its type's size below its line's top.
    EXPECT_NEAR(columnTops.begin()->second, kTop + 12 + 9, 1e-9);
    EXPECT_LT(columnTops.begin()->first, 36 + kLetterColumn);
    EXPECT_NEAR(std::next(columnTops.begin())->second, kTop + 324.6 + 14 + 9, 1e-9);
    EXPECT_GT(std::next(columnTops.begin())->first, 36 + kLetterColumn + 14);
    // The title block as the file has it.
    const std::vector<CPageText>& texts = layout.GetDocument().aPages[0].aTexts;
    ASSERT_GE(texts.size(), 3u);
    EXPECT_EQ(texts[0].strText, u"Title");
    EXPECT_EQ(texts[0].font, (CPageFont {16, true}));
    EXPECT_NEAR(texts[0].y, 36 + 16, 1e-9);
    EXPECT_EQ(texts[1].strText, u"Author");
    EXPECT_EQ(texts[2].strText, u"Copyright");
}

TEST_F(PageLayoutTest, EachPaperHasItsOwnLayoutAndWideOrSmallGridsTheirs)
{
    struct Case {
        const char* pszName;
        int nWidth, nHeight;
        CPageSetup setup;
        double dSquare;  // reckoned by hand below
        double x;  // the grid's left edge
    };
    // A4: 523.28 points across, columns of (523.28 - 28) / 3 = 165.09;
    // half the height is (789.89 - 90.8) / 2 = 349.55, 23.30 a square, but
    // two columns (344.18) hold 22.95, within a tenth: the grid keeps to
    // them and leaves the third to the clues.
    const double dA4Span = 2 * (kA4Width - 72 - 28) / 3 + 14;
    const Case cases[] = {
        {"A4", 15, 15, A4(), dA4Span / 15, kA4Width - 36 - dA4Span},
        // 30 x 10: the width limits it to 540 / 30 = 18 points, across all
        // three columns, centred.
        {"wide", 30, 10, Letter(), 18, 36},
        // 3 x 3: at most half an inch, in the one column that holds it.
        {"small", 3, 3, Letter(), 36, 576 - 108},
        // 41 x 41: half the page would give 7.9 points, too small to write
        // in; the whole width gives 540 / 41.
        {"large", 41, 41, Letter(), 540.0 / 41, 36},
    };
    for (const Case& c : cases) {
        const auto puzzle = Load(PuzzleFileWriter(OpenRows(c.nWidth, c.nHeight)));
        const CPageLayout layout(*puzzle, m_measure, c.setup);
        EXPECT_NEAR(layout.GetSquareSize(), c.dSquare, 1e-9) << c.pszName;
        ASSERT_EQ(layout.GetTiles().size(), 1u) << c.pszName;
        EXPECT_NEAR(layout.GetTiles()[0].x, c.x, 1e-9) << c.pszName;
        EXPECT_NEAR(layout.GetTiles()[0].y, kTop, 1e-9) << c.pszName;
        // No clue runs into the grid: those right of its left edge start below it.
        const double dGridBottom = kTop + c.nHeight * c.dSquare;
        for (const PlacedClue& clue : Clues(layout.GetDocument())) {
            if (clue.nPage == 0 && clue.xLabel > c.x) {
                EXPECT_GT(clue.y, dGridBottom)
                    << c.pszName << " " << std::string(clue.strLabel.begin(), clue.strLabel.end());
            }
        }
    }
}

TEST_F(PageLayoutTest, GridsTooLargeToWriteInAreCutIntoTilesThatOverlapByASquare)
{
    const auto puzzle = Load(PuzzleFileWriter(OpenRows(100, 100)));
    // Letter: tiles of 18-point squares below a caption line (9.6) and a
    // band of 9 points for the marks on every side: (540 - 18) / 18 = 29
    // columns and (740 - 9 - 90.8 - 9.6 - 9) / 18 = 34.5, so 34 rows.
    // Columns start at 0, 28, 56 and 84, rows at 0, 33 and 66.
    const CPageLayout layout(*puzzle, m_measure, Letter());
    EXPECT_EQ(layout.GetSquareSize(), 18);
    const std::vector<CGridTile>& tiles = layout.GetTiles();
    ASSERT_EQ(tiles.size(), 12u);
    const int firstCols[] = {0, 28, 56, 84}, widths[] = {29, 29, 29, 16};
    const int firstRows[] = {0, 33, 66}, heights[] = {34, 34, 34};
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        EXPECT_EQ(tiles[i].nPage, static_cast<int>(i));
        EXPECT_EQ(tiles[i].nFirstCol, firstCols[i % 4]) << i;
        EXPECT_EQ(tiles[i].nCols, widths[i % 4]) << i;
        EXPECT_EQ(tiles[i].nFirstRow, firstRows[i / 4]) << i;
        EXPECT_EQ(tiles[i].nRows, heights[i / 4]) << i;
        EXPECT_NEAR(tiles[i].y, kTop + 9.6 + 9, 1e-9);
    }
    const CPrintedDocument& document = layout.GetDocument();
    // The clues follow on pages of their own, with the title's running header.
    ASSERT_GT(document.aPages.size(), 12u);
    for (const PlacedClue& clue : Clues(document))
        EXPECT_GE(clue.nPage, 12u);
    EXPECT_EQ(document.aPages[12].aTexts[0].strText, u"Title");
    EXPECT_EQ(document.aPages[12].aTexts[0].font, (CPageFont {9, true}));
    EXPECT_EQ(Clues(document).size(), 200u);

    // Each tile's caption says which part of the grid it is.
    EXPECT_EQ(document.aPages[5].aTexts[1].strText, u"Grid, part 6 of 12: columns 29 to 57, rows 34 to 67");
    // Marks point at the shared columns and rows: the first tile shares its
    // last column and last row, a middle one all four sides.
    EXPECT_EQ(document.aPages[0].aTriangles.size(), 4u);
    EXPECT_EQ(document.aPages[5].aTriangles.size(), 8u);
    const CGridTile& first = tiles[0];
    const double xShared = first.x + 28.5 * 18;
    const CPageTriangle& top = document.aPages[0].aTriangles[0];
    EXPECT_NEAR(top.x[2], xShared, 1e-9);
    EXPECT_LT(top.y[2], first.y);
    EXPECT_NEAR(top.y[0], top.y[1], 1e-9);
    EXPECT_LT(top.y[0], top.y[2]);  // pointing down at the grid

    // A4: (523.28 - 18) / 18 = 28 columns, (789.89 - 9 - 109.4) / 18 = 37
    // rows: columns from 0, 27, 54, 81 and rows from 0, 36, 72.
    const CPageLayout onA4(*puzzle, m_measure, A4());
    ASSERT_EQ(onA4.GetTiles().size(), 12u);
    EXPECT_EQ(onA4.GetTiles()[3].nFirstCol, 81);
    EXPECT_EQ(onA4.GetTiles()[3].nCols, 19);
    EXPECT_EQ(onA4.GetTiles()[11].nFirstRow, 72);
    EXPECT_EQ(onA4.GetTiles()[11].nRows, 28);
}

TEST_F(PageLayoutTest, OnePageScalesALargeGridToTheFirstPage)
{
    const auto puzzle = Load(PuzzleFileWriter(OpenRows(100, 100)));
    CPageSetup setup = Letter();
    setup.bOnePage = true;
    const CPageLayout layout(*puzzle, m_measure, setup);
    ASSERT_EQ(layout.GetTiles().size(), 1u);
    EXPECT_NEAR(layout.GetSquareSize(), 5.4, 1e-9);  // 540 / 100
    EXPECT_EQ(layout.GetTiles()[0].nPage, 0);
    EXPECT_TRUE(layout.GetDocument().aPages[0].aTriangles.empty());
}

TEST_F(PageLayoutTest, EveryClueIsLaidOutOnceInOrderUnderItsListsHeading)
{
    // Five across words and three down, numbered 1-5 down the first column
    // and along the top row.
    const std::vector<std::string> five = {"ABCDE", "F#G#H", "IJKLM", "N#O#P", "QRSTU"};
    // Three across words (rows 0, 2 and 4) and three down (columns 0, 2
    // and 4); the file gives the texts by number, across before down.
    const std::vector<std::string> texts = {"one across", "one down",    "two down",
                                            "three down", "four across", "five across"};
    const auto puzzle = Load(PuzzleFileWriter(five).Clues(texts));
    const CPageLayout layout(*puzzle, m_measure, Letter());
    const std::vector<PlacedClue> clues = Clues(layout.GetDocument());
    ASSERT_EQ(clues.size(), 6u);
    const std::vector<std::u16string> labels = {u"1", u"4", u"5", u"1", u"2", u"3"};
    const std::vector<std::u16string> expected = {u"one across", u"four across", u"five across",
                                                  u"one down",   u"two down",    u"three down"};
    for (std::size_t i = 0; i < clues.size(); ++i) {
        EXPECT_EQ(clues[i].strLabel, labels[i]) << i;
        EXPECT_EQ(clues[i].strText, expected[i]) << i;
        EXPECT_EQ(clues[i].nLines, 1);
        // One column: each below the one before.
        if (i > 0) {
            EXPECT_EQ(clues[i].xLabel, clues[0].xLabel);
            EXPECT_GT(clues[i].y, clues[i - 1].y);
        }
    }
    EXPECT_EQ(Headings(layout.GetDocument()), (std::vector<std::u16string> {u"Across", u"Down"}));
    // Labels end where the widest (one bold character: 5.4 points) ends.
    EXPECT_NEAR(clues[0].xLabel, 36 + 5.4, 1e-9);
}

TEST_F(PageLayoutTest, LongCluesWrapInTheirColumnKeepEveryWordAndContinueOnNewPages)
{
    // An open 15 x 15 grid: 30 words, every clue long enough for several lines.
    std::vector<std::string> texts = LongClues(30, 40);
    texts[3] += " " + std::string(120, 'x');  // no line holds this word whole
    const auto puzzle = Load(PuzzleFileWriter(OpenRows(15, 15)).Clues(texts));
    const CPageLayout layout(*puzzle, m_measure, Letter());
    const CPrintedDocument& document = layout.GetDocument();
    const std::size_t nPages = document.aPages.size();
    ASSERT_GE(nPages, 2u);

    // The labels are one or two bold characters wide (10.8 points at most),
    // and the text starts 4 points after them.
    const double dTextWidth = kLetterColumn - 10.8 - 4;
    for (const CPrintedPage& page : document.aPages) {
        for (const CPageText& text : page.aTexts) {
            if (IsClueText(text)) {
                EXPECT_LE(m_measure.Width(text.strText, text.font), dTextWidth + 1e-9);
            }
        }
    }
    const std::vector<PlacedClue> clues = Clues(document);
    ASSERT_EQ(clues.size(), 30u);
    for (const PlacedClue& clue : clues) {
        EXPECT_GT(clue.nLines, 3);
        // Far shorter than any column: never broken between columns.
        EXPECT_TRUE(clue.bTogether) << ToUtf8(clue.strText);
        const std::size_t nClue =
            static_cast<std::size_t>(std::stoi(std::string(clue.strText.begin() + 4, clue.strText.begin() + 6)));
        const std::u16string strFile = Wide(texts[nClue]);
        if (nClue != 3) {
            EXPECT_EQ(clue.strText, strFile);
            continue;
        }
        // The long word is broken where it must, the rest kept as it was.
        std::u16string strJoined = clue.strText;
        const auto itLong = strJoined.begin() + static_cast<long>(strJoined.find(u"xxx"));
        strJoined.erase(std::remove(itLong, strJoined.end(), u' '), strJoined.end());
        EXPECT_EQ(strJoined, strFile);
    }
    // Every page after the first has the title as its running header, and
    // every page its number.
    EXPECT_EQ(document.aPages[1].aTexts[0].strText, u"Title");
    for (std::size_t i = 0; i < nPages; ++i)
        EXPECT_EQ(document.aPages[i].aTexts.back().strText,
                  Wide("Page " + std::to_string(i + 1) + " of " + std::to_string(nPages)));
}

TEST_F(PageLayoutTest, NotesFollowTheLastClue)
{
    const std::vector<std::string> five = {"ABCDE", "F#G#H", "IJKLM", "N#O#P", "QRSTU"};
    const auto puzzle = Load(PuzzleFileWriter(five).Notes("Rules of the contest.\nSecond line."));
    const CPageLayout layout(*puzzle, m_measure, Letter());
    const std::vector<CPageText>& texts = layout.GetDocument().aPages[0].aTexts;
    const auto notes =
        std::find_if(texts.begin(), texts.end(), [](const CPageText& t) { return t.strText == u"Notes"; });
    ASSERT_NE(notes, texts.end());
    ASSERT_GE(texts.end() - notes, 3);
    EXPECT_EQ(notes[1].strText, u"Rules of the contest.");
    EXPECT_EQ(notes[2].strText, u"Second line.");
    EXPECT_NEAR(notes[2].y - notes[1].y, 10.8, 1e-9);
    const std::vector<PlacedClue> clues = Clues(layout.GetDocument());
    ASSERT_FALSE(clues.empty());
    EXPECT_GT(notes->y, clues.back().y);
}

TEST_F(PageLayoutTest, BlackSquaresAreFilledAndTheGridsEdgeIsThickerThanItsInside)
{
    const std::vector<std::string> rows = {"AB##C", "DEFGH", "#IJ#K"};
    const auto puzzle = Load(PuzzleFileWriter(rows));
    const CPageLayout layout(*puzzle, m_measure, Letter());
    const CGridTile& grid = layout.GetTiles()[0];
    const double s = layout.GetSquareSize();
    const CPrintedPage& page = layout.GetDocument().aPages[0];
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 5; ++c) {
            const double x = grid.x + (c + 0.5) * s, y = grid.y + (r + 0.5) * s;
            const bool bFilled = std::any_of(page.aRects.begin(), page.aRects.end(), [&](const CPageRect& rect) {
                return rect.crColor == 0 && x > rect.x && x < rect.x + rect.cx && y > rect.y && y < rect.y + rect.cy;
            });
            EXPECT_EQ(bFilled, rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] == '#') << c << "," << r;
        }
    }
    // The two black squares side by side are one rectangle.
    EXPECT_EQ(page.aRects.size(), 3u);
    // Lines: the rule under the title, then 2 inner rows and 4 inner
    // columns, thin, then the four edges, thick.
    ASSERT_EQ(page.aLines.size(), 1u + 6 + 4);
    for (std::size_t i = 1; i < 7; ++i)
        EXPECT_LT(page.aLines[i].dWidth, page.aLines[7].dWidth) << i;
    const CPageLine& top = page.aLines[7];
    EXPECT_NEAR(top.x1, grid.x, 1e-9);
    EXPECT_NEAR(top.x2, grid.x + 5 * s, 1e-9);
    EXPECT_NEAR(top.y1, grid.y, 1e-9);
}

// A diagramless puzzle on paper keeps its diagram hidden as the screen
// does: the player's marks are black, a number stands only where Show put
// it, and the player's letters show where they are, on the file's black
// squares too. Only the solution shows the file's diagram.
TEST_F(PageLayoutTest, ADiagramlessPuzzleShowsThePlayersDiagramUnlessItShowsTheSolution)
{
    // Numbered 1 (0,0), 2 (1,0) and 3 (0,1); (2,0) black in the file.
    auto puzzle = Load(PuzzleFileWriter({"AB#", "CDE"}).Diagramless());
    const auto change = [&puzzle](int c, int r, auto fn) {
        CSquare square = puzzle->GetSquare(c, r);
        fn(square);
        puzzle->SetSquare(c, r, square);
    };
    change(0, 1, [](CSquare& s) { s.m_bMarkedBlack = true; });  // wrongly
    change(2, 0, [](CSquare& s) {
        s.m_chLetter = u'X';
        s.m_bFilled = TRUE;
    });
    change(1, 0, [](CSquare& s) {
        s.m_chLetter = u'B';
        s.m_bFilled = s.m_bShown = TRUE;
    });
    using Squares = std::set<std::pair<int, int>>;
    struct Paper {
        Squares blacks;
        std::map<std::pair<int, int>, std::u16string> numbers, letters;
    };
    const auto print = [&](EPrintContent nContent) {
        const CPageLayout layout(*puzzle, m_measure, Letter(nContent));
        const CGridTile& grid = layout.GetTiles()[0];
        const double s = layout.GetSquareSize();
        const CPrintedPage& page = layout.GetDocument().aPages[0];
        Paper paper;
        for (const CPageRect& rect : page.aRects) {
            if (rect.crColor == 0 && rect.y >= grid.y)
                for (double x = rect.x + s / 2; x < rect.x + rect.cx; x += s)
                    paper.blacks.insert({static_cast<int>((x - grid.x) / s), static_cast<int>((rect.y - grid.y) / s)});
        }
        for (const CPageText& text : page.aTexts) {
            if (text.nAlign == EPageAlign::Left && text.x > grid.x && text.x < grid.x + 3 * s && text.y > grid.y &&
                text.y < grid.y + 2 * s)
                paper.numbers[{static_cast<int>((text.x - grid.x) / s), static_cast<int>((text.y - grid.y) / s)}] =
                    text.strText;
        }
        paper.letters = Letters(layout);
        return paper;
    };
    using Texts = std::map<std::pair<int, int>, std::u16string>;
    for (const EPrintContent nContent : {EPrintContent::Blank, EPrintContent::Fill}) {
        const Paper paper = print(nContent);
        EXPECT_EQ(paper.blacks, (Squares {{0, 1}}));
        EXPECT_EQ(paper.numbers, (Texts {{{1, 0}, u"2"}}));
        EXPECT_EQ(paper.letters, nContent == EPrintContent::Fill ? (Texts {{{1, 0}, u"B"}, {{2, 0}, u"X"}}) : Texts {});
    }
    const Paper solution = print(EPrintContent::Solution);
    EXPECT_EQ(solution.blacks, (Squares {{2, 0}}));
    EXPECT_EQ(solution.numbers, (Texts {{{0, 0}, u"1"}, {{1, 0}, u"2"}, {{0, 1}, u"3"}}));
    EXPECT_EQ(solution.letters.size(), 5u);
}

TEST_F(PageLayoutTest, MissingSquaresHaveNoLinesBarsAreThickAndCirclesAndShadingShow)
{
    // A missing corner, a bar right of B and one below A.
    CPuzzleSource source = SourceGrid({" AB|C", "DE_FG", "HIJK"});
    source.At(3, 2).m_bCircled = true;
    source.At(2, 2).m_nColor = 0x80FF00;
    const auto puzzle = LoadSourceGrid(source);
    const CPageLayout layout(*puzzle, m_measure, Letter());
    const CGridTile& grid = layout.GetTiles()[0];
    const double s = layout.GetSquareSize();
    const CPrintedPage& page = layout.GetDocument().aPages[0];
    auto linesAlong = [&](double x1, double y1, double x2, double y2) {
        std::vector<double> widths;
        for (const CPageLine& line : page.aLines) {
            const bool bHorizontal = line.y1 == line.y2 && y1 == y2 && std::abs(line.y1 - y1) < 1e-9 &&
                                     std::min(line.x1, line.x2) < std::max(x1, x2) - 1e-9 &&
                                     std::max(line.x1, line.x2) > std::min(x1, x2) + 1e-9;
            const bool bVertical = line.x1 == line.x2 && x1 == x2 && std::abs(line.x1 - x1) < 1e-9 &&
                                   std::min(line.y1, line.y2) < std::max(y1, y2) - 1e-9 &&
                                   std::max(line.y1, line.y2) > std::min(y1, y2) + 1e-9;
            if (bHorizontal || bVertical)
                widths.push_back(line.dWidth);
        }
        return widths;
    };
    const double x0 = grid.x, y0 = grid.y;
    // The missing square's outer edges: nothing.
    EXPECT_TRUE(linesAlong(x0, y0, x0 + s, y0).empty());
    EXPECT_TRUE(linesAlong(x0, y0, x0, y0 + s).empty());
    // Its edges to the squares beside and below it are the grid's edge.
    const std::vector<double> edge = linesAlong(x0 + s, y0, x0 + s, y0 + s);
    const std::vector<double> inner = linesAlong(x0 + 2 * s, y0 + s, x0 + 2 * s, y0 + 2 * s);
    ASSERT_EQ(edge.size(), 1u);
    ASSERT_EQ(inner.size(), 1u);
    EXPECT_GT(edge[0], inner[0]);
    EXPECT_EQ(linesAlong(x0, y0 + s, x0 + s, y0 + s), edge);
    // The bar right of B (column 2) and the one below E (1,1): a thin line
    // and a bar over it, thicker than the edge.
    for (const std::vector<double>& bar :
         {linesAlong(x0 + 3 * s, y0, x0 + 3 * s, y0 + s), linesAlong(x0 + s, y0 + 2 * s, x0 + 2 * s, y0 + 2 * s)}) {
        ASSERT_EQ(bar.size(), 2u);
        EXPECT_GT(*std::max_element(bar.begin(), bar.end()), edge[0]);
    }
    ASSERT_EQ(page.aCircles.size(), 1u);
    EXPECT_NEAR(page.aCircles[0].x, x0 + 3.5 * s, 1e-9);
    EXPECT_NEAR(page.aCircles[0].y, y0 + 2.5 * s, 1e-9);
    EXPECT_LT(page.aCircles[0].dRadius, s / 2);
    const auto shade = std::find_if(page.aRects.begin(), page.aRects.end(),
                                    [](const CPageRect& rect) { return rect.crColor == 0x80FF00; });
    ASSERT_NE(shade, page.aRects.end());
    EXPECT_NEAR(shade->x, x0 + 2 * s, 1e-9);
    EXPECT_NEAR(shade->y, y0 + 2 * s, 1e-9);
}

TEST_F(PageLayoutTest, SquaresShowLettersOnlyAsChosenAndNeverScrambledAnswers)
{
    // The player has typed X over A and B over B; the file gives the D.
    CPuzzleSource source = SourceGrid({"AB", "CD"});
    source.At(0, 0).m_strFill = u"X";
    source.At(1, 0).m_strFill = u"B";
    source.At(1, 1).m_bGiven = true;
    source.At(1, 1).m_strFill = u"D";
    source.At(0, 1).m_strSolution = u"CATS";  // a rebus
    const auto puzzle = LoadSourceGrid(source);
    using Shown = std::map<std::pair<int, int>, std::u16string>;
    EXPECT_EQ(Letters(CPageLayout(*puzzle, m_measure, Letter(EPrintContent::Blank))), (Shown {{{1, 1}, u"D"}}));
    EXPECT_EQ(Letters(CPageLayout(*puzzle, m_measure, Letter(EPrintContent::Fill))),
              (Shown {{{0, 0}, u"X"}, {{1, 0}, u"B"}, {{1, 1}, u"D"}}));
    const CPageLayout solution(*puzzle, m_measure, Letter(EPrintContent::Solution));
    EXPECT_EQ(Letters(solution), (Shown {{{0, 0}, u"A"}, {{1, 0}, u"B"}, {{0, 1}, u"CATS"}, {{1, 1}, u"D"}}));
    // The rebus shrinks to fit its square: four characters half their size
    // wide each, within 0.86 of the square.
    for (const CPageText& text : solution.GetDocument().aPages[0].aTexts) {
        if (text.strText == u"CATS") {
            EXPECT_NEAR(m_measure.Width(text.strText, text.font), 0.86 * solution.GetSquareSize(), 1e-9);
        }
    }

    // Locked: the answers in the file are scrambled, so none are printed.
    const auto locked = Load(PuzzleFileWriter({"ABCD", "EFGH"}).Locked(1234));
    EXPECT_TRUE(Letters(CPageLayout(*locked, m_measure, Letter(EPrintContent::Solution))).empty());
    ASSERT_TRUE(locked->Unlock(1234));
    EXPECT_EQ(Letters(CPageLayout(*locked, m_measure, Letter(EPrintContent::Solution))).at({0, 0}), u"A");
}

}  // namespace
