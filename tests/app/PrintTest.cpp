// SPDX-License-Identifier: MIT
// The puzzle on paper in the running program: File > Print ... and Export
// PDF ..., their choices, the printer's paper, the grid's font, and
// `trellis --pdf`; judged by the PDF files as poppler-utils read them (the
// text, the fonts, and the pages as pixels at a pixel a point).
#include "app/CommandLine.h"
#include "platform/testing/TestingDialogs.h"
#include "tests/app/AppFixture.h"
#include "tests/support/PdfFile.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace trellis::test {
namespace {

constexpr EPrintContent kBlank = EPrintContent::Blank;
constexpr EPrintContent kFill = EPrintContent::Fill;
constexpr EPrintContent kSolution = EPrintContent::Solution;

// Four by four with two black squares. At this size the grid's squares are
// half an inch (36 points) on Letter and A4 alike, at the top right below
// the title block: their top at 90.8 points, the right edge 36 from the
// paper's.
const std::vector<std::string> kFour = {"AB#C", "DEFG", "H#IJ", "KLMN"};
constexpr double kSquare = 36;
constexpr double kGridTop = 90.8;

// An open 15 x 15 grid (30 words) whose clues start with a token of their
// own, "Tok00" to "Tok29" in the file's order, and run to three lines or so.
std::vector<std::string> TokenClues()
{
    std::vector<std::string> texts;
    for (int i = 0; i < 30; ++i) {
        std::string text = std::string("Tok") + char('0' + i / 10) + char('0' + i % 10);
        for (int w = 0; w < 10; ++w)
            text += " filler";
        texts.push_back(text);
    }
    return texts;
}

class PrintTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        Start();
    }
    void TearDown() override
    {
        EXPECT_EQ(m_dialogs.ScriptsLeft(), 0u);
        EXPECT_TRUE(m_dialogs.Faults().empty());
        AppTest::TearDown();
    }

    // Answers the print choices: the squares' content and one page.
    void Pick(EPrintContent nContent, bool bOnePage = false)
    {
        m_dialogs.Queue([nContent, bOnePage](CDialog& dlg) {
            Testing::Click(dlg, nContent == kBlank  ? IDC_PRINT_BLANK
                                : nContent == kFill ? IDC_PRINT_FILL
                                                    : IDC_PRINT_SOLUTION);
            if (bOnePage)
                Testing::Click(dlg, IDC_PRINT_ONE_PAGE);
            Testing::PressOK(dlg);
        });
    }
    // Export PDF ... with these choices into the file.
    std::filesystem::path Export(EPrintContent nContent, const std::string& name)
    {
        Pick(nContent);
        const std::filesystem::path path = m_dir.File(name);
        m_files.Choose(ModelPath(path));
        EXPECT_TRUE(AppTest::Choose(ID_EXPORT_PDF));
        EXPECT_TRUE(std::filesystem::exists(path)) << name;
        return path;
    }

    Testing::ScriptedDialogs m_dialogs;
    Testing::ScriptedPrintDialogs m_printers;
};

TEST_F(PrintTest, PrintAndExportFollowExitInBothMenusAndNeedAPuzzle)
{
    for (int nState = 0; nState < 2; ++nState) {
        const std::vector<std::u16string> items = Testing::MenuItemTexts(Frame(), 0);
        // After Exit and Save Puzzle As, a block of their own.
        ASSERT_GE(items.size(), 6u);
        EXPECT_EQ(
            std::vector<std::u16string>(items.end() - 6, items.end()),
            (std::vector<std::u16string> {u"Exit", u"", u"Save Puzzle As ...", u"", u"Print ...", u"Export PDF ..."}));
        EXPECT_FALSE(Testing::IsMenuItemEnabled(Frame(), ID_PRINT_PUZZLE));
        EXPECT_FALSE(Testing::IsMenuItemEnabled(Frame(), ID_EXPORT_PDF));
        // Ctrl+P is the timer's: Print shows no key.
        EXPECT_EQ(Testing::MenuItemKeys(Frame(), ID_PRINT_PUZZLE), u"");
        ASSERT_TRUE(Testing::ChooseMenuItem(Frame(), ID_TOGGLE_MENUS));
    }
    LoadPuzzle(PuzzleFileWriter(kFour));
    EXPECT_TRUE(Testing::IsMenuItemEnabled(Frame(), ID_PRINT_PUZZLE));
    EXPECT_TRUE(Testing::IsMenuItemEnabled(Frame(), ID_EXPORT_PDF));
}

TEST_F(PrintTest, ExportedPagesHoldTheTitleAndEveryClueOnce)
{
    const std::vector<std::string> texts = TokenClues();
    std::vector<std::string> rows(15, std::string(15, 'A'));
    LoadPuzzle(PuzzleFileWriter(rows).Title("Sunday Print Test").Clues(texts), "sunday.puz");
    const std::filesystem::path pdf = Export(kBlank, "sunday.pdf");
    // The dialog proposed the puzzle's name beside it.
    ASSERT_FALSE(m_files.Shown().empty());
    EXPECT_EQ(m_files.Shown().back().strDefExt, u"pdf");
    EXPECT_EQ(m_files.Shown().back().strFileName, ModelPath(m_dir.File("sunday.pdf")));
    ASSERT_EQ(PdfPageCount(pdf), 1);

    std::vector<std::string> lines;
    std::istringstream text(PdfText(pdf));
    for (std::string line; std::getline(text, line);)
        lines.push_back(line);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "Sunday Print Test");
    EXPECT_EQ(lines[1], "Author");

    // Each token once, on a line of its own. Where each clue stands on the
    // page is the layout's, proven by hand there.
    std::size_t nFirstClue = lines.size();
    for (const std::string& strClue : texts) {
        const std::string strToken = strClue.substr(0, 5);
        int nSeen = 0;
        for (std::size_t nLine = 0; nLine < lines.size(); ++nLine) {
            for (std::size_t n = lines[nLine].find(strToken); n != std::string::npos;
                 n = lines[nLine].find(strToken, n + 1)) {
                nFirstClue = std::min(nFirstClue, nLine);
                ++nSeen;
            }
        }
        EXPECT_EQ(nSeen, 1) << strToken;
    }
    // Under the Across heading.
    const std::size_t nAcross = static_cast<std::size_t>(
        std::find_if(lines.begin(), lines.end(), [](const std::string& l) { return l.rfind("Across", 0) == 0; }) -
        lines.begin());
    EXPECT_LT(nAcross, nFirstClue);
}

TEST_F(PrintTest, SquaresAreBlackWhereTheGridHasThemAndShowLettersOnlyWhenAsked)
{
    // The player has typed A (right) and Z (wrong) in two squares.
    LoadPuzzle(PuzzleFileWriter(kFour).State({"A-.-", "----", "-.--", "---Z"}));
    const std::map<EPrintContent, std::vector<std::string>> expected = {
        // '#' black, 'L' a letter, '.' an empty white square.
        {kBlank, {"..#.", "....", ".#..", "...."}},
        {kFill, {"L.#.", "....", ".#..", "...L"}},
        {kSolution, {"LL#L", "LLLL", "L#LL", "LLLL"}},
    };
    for (const auto& [nContent, rows] : expected) {
        const std::filesystem::path pdf =
            Export(nContent, "four" + std::to_string(static_cast<int>(nContent)) + ".pdf");
        const PdfPageImage page(pdf, 1);
        const double x0 = page.Width() - 36 - 4 * kSquare;
        for (int r = 0; r < 4; ++r) {
            for (int c = 0; c < 4; ++c) {
                const int x = static_cast<int>(x0 + c * kSquare), y = static_cast<int>(kGridTop + r * kSquare);
                const char chWant = rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
                const std::string where = "content " + std::to_string(static_cast<int>(nContent)) + " square " +
                                          std::to_string(c) + "," + std::to_string(r);
                // The middle of a black square is black through and through.
                EXPECT_EQ(page.Dark(x + 6, y + 6, 24, 24) == 24 * 24, chWant == '#') << where;
                // Below the number, where the letter goes.
                if (chWant != '#') {
                    EXPECT_EQ(page.Dark(x + 8, y + 13, 20, 18) > 0, chWant == 'L') << where;
                }
            }
        }
    }
}

TEST_F(PrintTest, PrintGoesOnThePrintersPaperAfterTheChoicesAndACancelPrintsNothing)
{
    LoadPuzzle(PuzzleFileWriter(kFour).Title("Printed"));
    // A cancel of the choices shows no printer.
    m_dialogs.Queue([](CDialog& dlg) {
        EXPECT_EQ(Testing::ShownText(dlg, IDC_PRINT_BLANK), u"Blank grid");
        Testing::PressCancel(dlg);
    });
    ASSERT_TRUE(AppTest::Choose(ID_PRINT_PUZZLE));
    EXPECT_EQ(m_printers.Shown(), 0u);
    // A cancel of the printer prints nothing.
    Pick(kBlank);
    m_printers.Cancel();
    ASSERT_TRUE(AppTest::Choose(ID_PRINT_PUZZLE));
    EXPECT_EQ(m_printers.Shown(), 1u);

    const std::pair<double, double> papers[] = {{612, 792}, {595.276, 841.89}};
    for (const auto& [dWidth, dHeight] : papers) {
        const std::filesystem::path pdf = m_dir.File("printed" + std::to_string(static_cast<int>(dWidth)) + ".pdf");
        Pick(kSolution);
        m_printers.PrintTo(ModelPath(pdf), dWidth, dHeight);
        ASSERT_TRUE(AppTest::Choose(ID_PRINT_PUZZLE));
        ASSERT_TRUE(std::filesystem::exists(pdf));
        const PdfPageImage page(pdf, 1);
        EXPECT_NEAR(page.Width(), dWidth, 1);
        EXPECT_NEAR(page.Height(), dHeight, 1);
        EXPECT_EQ(PdfText(pdf).rfind("Printed\n", 0), 0u);
        // The solution's letters, laid out on this paper: the first square's.
        const int x = static_cast<int>(dWidth - 36 - 4 * kSquare), y = static_cast<int>(kGridTop);
        EXPECT_GT(page.Dark(x + 8, y + 13, 20, 18), 0);
    }
    EXPECT_TRUE(m_boxes.Shown().empty());
}

TEST_F(PrintTest, OnlyThePagesChosenInThePrintDialogArePrinted)
{
    // Two pages: the grid and the clues beside it, then the rest of the clues.
    std::vector<std::string> texts = TokenClues();
    for (std::string& text : texts) {
        for (int i = 0; i < 4; ++i)
            text += " more filler words for the clue";
    }
    LoadPuzzle(PuzzleFileWriter(std::vector<std::string>(15, std::string(15, 'A'))).Clues(texts));
    const std::filesystem::path all = m_dir.File("all.pdf"), second = m_dir.File("second.pdf");
    Pick(kBlank);
    m_printers.PrintTo(ModelPath(all), 612, 792);
    ASSERT_TRUE(AppTest::Choose(ID_PRINT_PUZZLE));
    ASSERT_EQ(PdfPageCount(all), 2);
    Pick(kBlank);
    m_printers.PrintTo(ModelPath(second), 612, 792, 2, 2);
    ASSERT_TRUE(AppTest::Choose(ID_PRINT_PUZZLE));
    ASSERT_EQ(PdfPageCount(second), 1);
    EXPECT_EQ(PdfText(second, 1), PdfText(all, 2));
    // A range past the end says so and prints nothing.
    const std::filesystem::path none = m_dir.File("none.pdf");
    Pick(kBlank);
    m_printers.PrintTo(ModelPath(none), 612, 792, 3, 4);
    ASSERT_TRUE(AppTest::Choose(ID_PRINT_PUZZLE));
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_EQ(m_boxes.Shown()[0].strText, u"The document has no page 3: it has 2.");
}

TEST_F(PrintTest, TheSolutionIsOfferedOnlyWhenTheAnswersAreKnownAndTheChoiceIsKept)
{
    auto expectChoices = [this](BOOL bSolutionEnabled, int nChecked, EPrintContent nChoose) {
        m_dialogs.Queue([=](CDialog& dlg) {
            EXPECT_EQ(dlg.GetDlgItem(IDC_PRINT_SOLUTION)->IsWindowEnabled(), bSolutionEnabled);
            for (const int nID : {IDC_PRINT_BLANK, IDC_PRINT_FILL, IDC_PRINT_SOLUTION})
                EXPECT_EQ(static_cast<CButton*>(dlg.GetDlgItem(nID))->GetCheck(), nID == nChecked ? 1 : 0) << nID;
            Testing::Click(dlg, nChoose == kFill ? IDC_PRINT_FILL : IDC_PRINT_SOLUTION);
            Testing::PressCancel(dlg);
        });
        ASSERT_TRUE(AppTest::Choose(ID_EXPORT_PDF));
    };
    LoadPuzzle(PuzzleFileWriter(kFour).Locked(2468));
    expectChoices(FALSE, IDC_PRINT_BLANK, kFill);  // a cancel keeps nothing
    expectChoices(FALSE, IDC_PRINT_BLANK, kFill);
    // OK keeps the choice for the next time.
    Pick(kFill);
    m_files.Cancel();
    ASSERT_TRUE(AppTest::Choose(ID_EXPORT_PDF));
    expectChoices(FALSE, IDC_PRINT_FILL, kFill);

    LoadPuzzle(PuzzleFileWriter(kFour));
    expectChoices(TRUE, IDC_PRINT_FILL, kSolution);
    EXPECT_TRUE(m_boxes.Shown().empty());
}

TEST_F(PrintTest, AnExportThatCannotBeWrittenSaysWhyAndLeavesWhatWasThere)
{
    LoadPuzzle(PuzzleFileWriter(kFour));
    const std::filesystem::path folder = m_dir.File("no such folder");
    Pick(kBlank);
    m_files.Choose(ModelPath(folder / "x.pdf"));
    ASSERT_TRUE(AppTest::Choose(ID_EXPORT_PDF));
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_EQ(m_boxes.Shown()[0].Icon(), UINT(MB_ICONSTOP));
    EXPECT_FALSE(std::filesystem::exists(folder));

    // A folder by the name chosen: asked about, then kept as it was.
    const std::filesystem::path taken = m_dir.File("taken.pdf");
    std::filesystem::create_directory(taken);
    TempDir::Write(taken / "inside", "kept");
    Pick(kBlank);
    m_files.Choose(ModelPath(taken));
    m_boxes.Answer(IDYES);  // replace it
    ASSERT_TRUE(AppTest::Choose(ID_EXPORT_PDF));
    EXPECT_EQ(TempDir::Read(taken / "inside"), "kept");
    ASSERT_EQ(m_boxes.Shown().size(), 3u);  // the question, then the failure
    EXPECT_EQ(m_boxes.Shown()[2].Icon(), UINT(MB_ICONSTOP));
    EXPECT_NE(m_boxes.Shown()[2].strText.find(ModelPath(taken)), std::u16string::npos);
}

// The names pdffonts gives the fonts that are embedded.
std::vector<std::string> EmbeddedFonts(const std::filesystem::path& pdf)
{
    std::vector<std::string> names;
    for (const std::string& line : PdfFonts(pdf)) {
        std::istringstream words(line);
        std::vector<std::string> tokens {std::istream_iterator<std::string>(words), {}};
        // name type... encoding emb sub uni object generation
        if (tokens.size() >= 6 && tokens[tokens.size() - 5] == "yes")
            names.push_back(tokens[0]);
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(PrintTest, TheGridsFontIsEmbedded)
{
    LoadPuzzle(PuzzleFileWriter(kFour));
    // Arial, the default face, is Liberation Sans on this system.
    EXPECT_EQ(EmbeddedFonts(Export(kSolution, "sans.pdf")),
              (std::vector<std::string> {"LiberationSans", "LiberationSans-Bold"}));
    Close();
    m_settings.WriteRaw(u"options", u"fontname", u"Liberation Serif");
    Start();
    LoadPuzzle(PuzzleFileWriter(kFour));
    EXPECT_EQ(EmbeddedFonts(Export(kSolution, "serif.pdf")),
              (std::vector<std::string> {"LiberationSerif", "LiberationSerif-Bold"}));
}

// `trellis --pdf`, run in place of the program's start.
int RunPdf(std::vector<const char*> args, std::string& strErr)
{
    args.insert(args.begin(), "trellis");
    const CCommandLine cmd = ParseCommandLine(static_cast<int>(args.size()), args.data());
    EXPECT_EQ(cmd.nAction, CCommandLine::ExportPdf);
    std::ostringstream err;
    const int nStatus = theApp.ExportPdfFile(cmd, err);
    strErr = err.str();
    return nStatus;
}

TEST_F(PrintTest, ThePdfCommandWritesTheSamePagesOrSaysWhyNot)
{
    const std::u16string strPuzzle =
        m_dir.Write(std::string("cli.puz"), PuzzleFileWriter(kFour).Title("From The Line").Bytes());
    const std::string puzzle = ToUtf8(strPuzzle), out = m_dir.File("cli.pdf").string();
    std::string strErr;
    ASSERT_EQ(RunPdf({"--pdf", puzzle.c_str(), out.c_str(), "--solution", "--paper", "letter"}, strErr), 0) << strErr;
    EXPECT_TRUE(strErr.empty());
    const PdfPageImage page(out, 1);
    EXPECT_EQ(page.Width(), 612);
    EXPECT_EQ(PdfText(out).rfind("From The Line\n", 0), 0u);
    EXPECT_GT(page.Dark(612 - 36 - 144 + 8, static_cast<int>(kGridTop) + 13, 20, 18), 0);
    // The menu's export of the same puzzle with the same choices is the same page.
    LoadPuzzle(PuzzleFileWriter(kFour).Title("From The Line"));
    const std::string line = m_dir.File("line.pdf").string();
    ASSERT_EQ(RunPdf({"--pdf", puzzle.c_str(), line.c_str()}, strErr), 0);
    const std::filesystem::path menu = Export(kBlank, "menu.pdf");
    EXPECT_EQ(PdfText(menu), PdfText(line));
    EXPECT_EQ(PdfPageImage(menu, 1).Width(), PdfPageImage(line, 1).Width());

    const std::string missing = m_dir.File("missing.puz").string();
    EXPECT_EQ(RunPdf({"--pdf", missing.c_str(), out.c_str()}, strErr), 1);
    EXPECT_EQ(strErr, "trellis: cannot open file '" + missing + "' for reading: No such file or directory\n");

    const std::u16string strLocked =
        m_dir.Write(std::string("locked.puz"), PuzzleFileWriter(kFour).Locked(1357).Bytes());
    const std::string locked = ToUtf8(strLocked), lockedPdf = m_dir.File("locked.pdf").string();
    EXPECT_EQ(RunPdf({"--pdf", locked.c_str(), lockedPdf.c_str(), "--solution"}, strErr), 1);
    EXPECT_NE(strErr.find("the answers are not known"), std::string::npos) << strErr;
    EXPECT_FALSE(std::filesystem::exists(lockedPdf));
    // Its blank grid is there to print.
    EXPECT_EQ(RunPdf({"--pdf", locked.c_str(), lockedPdf.c_str()}, strErr), 0) << strErr;
}

}  // namespace
}  // namespace trellis::test
