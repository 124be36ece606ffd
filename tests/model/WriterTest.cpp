// SPDX-License-Identifier: MIT
// The .puz and .ipuz writers on small grids whose bytes are known by hand,
// on real files written again, and the loaded puzzle as a description.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "model/CrossWordPuzzle.h"
#include "model/PuzzleSourceReader.h"
#include "model/PuzzleSourceWriter.h"
#include "model/SourceText.h"
#include "tests/support/PuzzleFileWriter.h"
#include "tests/support/SourceGrid.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;
using trellis::test::PuzzleFileWriter;
using trellis::test::SourceGrid;
using trellis::test::TempDir;
using trellis::test::ToUtf8;

namespace {

const fs::path kCorpus = fs::path(TRELLIS_CORPUS_DIR);

CSourceClue Clue(std::u16string strText, int nNumber, std::vector<CPoint> aCells)
{
    return {NumberText(nNumber), nNumber, std::move(strText), std::move(aCells)};
}

// "AB" over "CD": words 1 across (AB), 3 across (CD), 1 down (AC), 2 down (BD).
CPuzzleSource Square2x2()
{
    CPuzzleSource source = SourceGrid({"AB", "CD"});
    source.m_aLists = {
        {u"Across", EClueDirection::Across, {Clue(u"Ab", 1, {{0, 0}, {1, 0}}), Clue(u"Cd", 3, {{0, 1}, {1, 1}})}},
        {u"Down", EClueDirection::Down, {Clue(u"Ac", 1, {{0, 0}, {0, 1}}), Clue(u"Bd", 2, {{1, 0}, {1, 1}})}},
    };
    source.m_strTitle = u"T";
    return source;
}

std::string Puz(const CPuzzleSource& source, std::vector<std::u16string>* pWarnings = nullptr)
{
    std::vector<std::u16string> warnings;
    std::string bytes = PuzFileBytes(source, warnings);
    if (pWarnings != nullptr)
        *pWarnings = warnings;
    return bytes;
}

// The data of a section, found by its name after the grids; "absent"
// when the file has none.
std::string Section(const std::string& bytes, const std::string& name)
{
    const std::size_t nAt = bytes.find(name, 0x34);
    if (nAt == std::string::npos)
        return "absent";
    const std::size_t nLength = static_cast<unsigned char>(bytes[nAt + 4]) | static_cast<unsigned char>(bytes[nAt + 5])
                                                                                 << 8;
    return bytes.substr(nAt + 8, nLength);
}

std::vector<std::string> Utf8(const std::vector<std::u16string>& texts)
{
    std::vector<std::string> out;
    for (const std::u16string& text : texts)
        out.push_back(ToUtf8(text));
    return out;
}

// Reads the bytes back with the .puz reader.
std::unique_ptr<CCrossWordPuzzle> LoadBytes(const TempDir& dir, const std::string& bytes)
{
    auto puzzle = std::make_unique<CCrossWordPuzzle>();
    std::u16string error;
    EXPECT_TRUE(puzzle->LoadPuzzle(dir.Write(std::string("w.puz"), bytes), error)) << ToUtf8(error);
    return puzzle;
}

}  // namespace

TEST(PuzWriter, LaysOutASmallGridByteForByte)
{
    CPuzzleSource source = Square2x2();
    source.At(1, 1).m_strFill = u"D";
    const std::string bytes = Puz(source);
    EXPECT_EQ(bytes.substr(2, 12), std::string("ACROSS&DOWN\0", 12));
    EXPECT_EQ(bytes.substr(0x18, 4), std::string("1.3\0", 4));
    EXPECT_EQ(bytes.substr(0x2C, 8), std::string("\x02\x02\x04\x00\x01\x00\x00\x00", 8));
    // Answers, state, then title, author, copyright and the clues by
    // number, across before down, and the empty notes.
    EXPECT_EQ(bytes.substr(0x34), std::string("ABCD---DT\0\0\0Ab\0Ac\0Bd\0Cd\0\0", 25));
}

TEST(PuzWriter, RealFilesWrittenAgainAreThePublishersBytes)
{
    if (!fs::is_directory(kCorpus / "puz"))
        GTEST_SKIP() << "no puz corpus under " << kCorpus;
    // Files with nothing the reader changes (no diagramless marks, sections
    // in their usual order): every byte comes back but the version and the
    // header's unused bytes, so the checksums are the publishers' own.
    for (const char* pszName :
         {"av110622.puz", "cs080904.puz", "Feb0308_oddnumbering.puz", "kw-gaps.puz", "kw-test-italics.puz",
          "kw-test-no-solution.puz", "kw-test-simple.puz", "nyt_jul0719.puz", "nyt_locked.puz", "nyt_partlyfilled.puz",
          "nyt_weekday_with_notes.puz", "unicode.puz", "wsj110624.puz"}) {
        SCOPED_TRACE(pszName);
        CPuzzleSource source;
        std::u16string error;
        ASSERT_TRUE(ReadAnyPuzzleSource((kCorpus / "puz" / pszName).u16string(), source, error)) << ToUtf8(error);
        std::string original = TempDir::Read(kCorpus / "puz" / pszName);
        std::string written = Puz(source);
        ASSERT_EQ(written.size(), original.size());
        // The version, a word nobody reads, and the answers' checksum
        // of a puzzle that is not locked, which some publishers fill.
        const bool bLocked = (original[0x32] & 4) != 0;
        for (std::string* pBytes : {&original, &written})
            pBytes->replace(0x18, bLocked ? 6 : 8, bLocked ? 6 : 8, '\0').replace(0x20, 12, 12, '\0');
        EXPECT_EQ(written, original);
    }
}

TEST(PuzWriter, TextsStayInTheCodePageUnlessOneNeedsUtf8)
{
    CPuzzleSource source = Square2x2();
    source.m_aLists[0].m_aClues[0].m_strText = u"It\u2019s \u00e9t\u00e9";
    std::string bytes = Puz(source);
    EXPECT_EQ(bytes.substr(0x18, 3), "1.3");
    EXPECT_NE(bytes.find("It\x92s \xE9t\xE9"), std::string::npos);

    // Greek has no byte in the code page; the whole file goes UTF-8.
    source.m_aLists[1].m_aClues[1].m_strText = u"\u03a9";
    bytes = Puz(source);
    EXPECT_EQ(bytes.substr(0x18, 3), "2.0");
    EXPECT_NE(bytes.find("It\xE2\x80\x99s \xC3\xA9t\xC3\xA9"), std::string::npos);
    EXPECT_NE(bytes.find("\xCE\xA9"), std::string::npos);

    // These two characters' bytes would read back as one "é".
    CPuzzleSource lookalike = Square2x2();
    lookalike.m_strAuthor = u"\u00c3\u00a9";
    EXPECT_EQ(Puz(lookalike).substr(0x18, 3), "2.0");

    TempDir dir;
    auto puzzle = LoadBytes(dir, bytes);
    EXPECT_EQ(ToUtf8(puzzle->m_lstClues.front()->m_strText), "It\u2019s \u00e9t\u00e9");
    EXPECT_EQ(ToUtf8(LoadBytes(dir, Puz(lookalike))->m_strAuthor), "\u00c3\u00a9");
}

TEST(PuzWriter, LineBreaksEndTextsButNotTheNotes)
{
    CPuzzleSource source = Square2x2();
    source.m_aLists[0].m_aClues[1].m_strText = u"two\r\nlines";
    source.m_strNotes = u"first\n\nsecond";
    std::vector<std::u16string> warnings;
    const std::string bytes = Puz(source, &warnings);
    EXPECT_EQ(Utf8(warnings),
              std::vector<std::string> {"line breaks in the title, author, copyright or clues are written as spaces"});
    TempDir dir;
    auto puzzle = LoadBytes(dir, bytes);
    EXPECT_EQ(ToUtf8(puzzle->m_lstClues.back()->m_strText), "two lines");
    EXPECT_EQ(ToUtf8(puzzle->m_strNotes), "first\n\nsecond");
}

TEST(PuzWriter, RebusAnswersGoToTheTableOnceEach)
{
    CPuzzleSource source = SourceGrid({"ABC", "DEF"});
    source.At(0, 0).m_strSolution = u"STAR";
    source.At(2, 0).m_strSolution = u"MOON";
    source.At(1, 1).m_strSolution = u"STAR";
    source.At(2, 1).m_strSolution = u"\u03a9";  // one letter, but none of the code page's
    const std::string bytes = Puz(source);
    EXPECT_EQ(bytes.substr(0x34, 6), "SBMDSX");
    EXPECT_EQ(Section(bytes, "GRBS"), std::string("\x01\x00\x02\x00\x01\x03", 6));
    EXPECT_EQ(Section(bytes, "RTBL"), " 0:STAR; 1:MOON; 2:\xCE\xA9;");
    EXPECT_EQ(bytes.substr(0x18, 3), "2.0");
    EXPECT_EQ(Section(bytes, "RUSR"), "absent");

    // 256 different answers: the last has no key left.
    CPuzzleSource big = SourceGrid(std::vector<std::string>(16, std::string(16, 'A')));
    for (int i = 0; i < 256; ++i)
        big.m_aSquares[static_cast<std::size_t>(i)].m_strSolution = u"R" + NumberText(i);
    std::vector<std::u16string> warnings;
    const std::string bigBytes = Puz(big, &warnings);
    EXPECT_EQ(static_cast<unsigned char>(Section(bigBytes, "GRBS")[254]), 255);
    EXPECT_EQ(Section(bigBytes, "GRBS")[255], '\0');
    EXPECT_EQ(Utf8(warnings), std::vector<std::string> {
                                  "1 rebus answers cannot be kept in a .puz file; they are written as their first "
                                  "letter"});
}

TEST(PuzWriter, ThePlayersStateGoesToTheStateGridAndTheSections)
{
    CPuzzleSource source = SourceGrid({"ABC", "DEF"});
    source.At(0, 0).m_strFill = u"A";
    source.At(1, 0).m_strFill = u"XY";  // a rebus the player typed
    source.At(2, 0).m_strFill = u".";  // would read as a block in the state grid
    source.At(0, 1).m_bCircled = true;
    source.At(1, 1).m_bRevealed = true;
    source.At(1, 1).m_strFill = u"E";
    source.At(2, 1).m_bIncorrect = true;
    source.At(2, 1).m_bWasIncorrect = true;
    source.At(2, 1).m_strFill = u"Q";
    source.m_nTimerSeconds = 125;
    source.m_bTimerStopped = true;
    const std::string bytes = Puz(source);
    EXPECT_EQ(bytes.substr(0x34 + 6, 6), "AX--EQ");
    EXPECT_EQ(Section(bytes, "RUSR"), std::string("\0XY\0.\0\0\0\0", 9));
    EXPECT_EQ(Section(bytes, "GEXT"), std::string("\x00\x00\x00\x80\x40\x30", 6));
    EXPECT_EQ(Section(bytes, "LTIM"), "125,1");
    EXPECT_EQ(Section(bytes, "GRBS"), "absent");

    TempDir dir;
    auto puzzle = LoadBytes(dir, bytes);
    source.At(0, 0).m_strLabel = u"1";
    source.At(1, 0).m_strLabel = u"2";
    source.At(2, 0).m_strLabel = u"3";
    source.At(0, 1).m_strLabel = u"4";
    EXPECT_TRUE(SourceFromPuzzle(*puzzle).m_aSquares == source.m_aSquares);
}

TEST(PuzWriter, LocksAndMissingAnswersAreKeptInTheHeader)
{
    CPuzzleSource source = Square2x2();
    source.m_bLocked = true;
    source.m_wAnswerChecksum = 0xBEEF;
    std::string bytes = Puz(source);
    EXPECT_EQ(bytes.substr(0x1E, 2), "\xEF\xBE");
    EXPECT_EQ(bytes.substr(0x32, 2), std::string("\x04\x00", 2));

    for (CSourceSquare& square : source.m_aSquares)
        square.m_strSolution.clear();
    source.m_bLocked = false;
    bytes = Puz(source);
    EXPECT_EQ(bytes.substr(0x32, 2), std::string("\x02\x00", 2));
    EXPECT_EQ(bytes.substr(0x34, 4), "XXXX");
    TempDir dir;
    EXPECT_FALSE(LoadBytes(dir, bytes)->m_bHasSolution);
}

TEST(PuzWriter, SaysWhatThePuzFormatCannotHold)
{
    // Each feature alone, and the one warning it must give.
    const std::pair<void (*)(CPuzzleSource&), const char*> cases[] = {
        {[](CPuzzleSource& s) { s.At(1, 1).m_nKind = ESquareKind::Missing; },
         "squares outside the grid's shape cannot be kept in a .puz file; they are written as black squares"},
        {[](CPuzzleSource& s) { s.At(0, 0).m_bBarRight = true; },
         "bars between squares cannot be kept in a .puz file; the grid is written without them"},
        {[](CPuzzleSource& s) { s.At(0, 1).m_nColor = 0xFF0000; },
         "shaded and coloured squares cannot be kept in a .puz file; they are written plain"},
        {[](CPuzzleSource& s) {
             s.At(0, 0).m_bGiven = true;
             s.At(0, 0).m_strFill = u"A";
         },
         "prefilled squares cannot be kept in a .puz file; their letters are written as the player's"},
        {[](CPuzzleSource& s) {
             s.m_aLists.push_back({u"Zones", EClueDirection::Other, {Clue(u"z", 1, {})}});
         },
         "the clue list \"Zones\" cannot be kept in a .puz file, which holds only Across and Down clues"},
        {[](CPuzzleSource& s) { s.m_aLists[0].m_strName = u"Orizzontali"; },
         "the clue list \"Orizzontali\" is written as Across"},
        {[](CPuzzleSource& s) { s.m_aLists[1].m_aClues[0].m_strLabel = u"A"; },
         "labels other than the grid's numbers cannot be kept in a .puz file"},
        {[](CPuzzleSource& s) { s.At(0, 0).m_strLabel = u"7"; },
         "labels other than the grid's numbers cannot be kept in a .puz file"},
    };
    for (const auto& [change, pszWarning] : cases) {
        SCOPED_TRACE(pszWarning);
        CPuzzleSource source = Square2x2();
        change(source);
        std::vector<std::u16string> warnings;
        Puz(source, &warnings);
        ASSERT_FALSE(warnings.empty());
        EXPECT_EQ(ToUtf8(warnings.front()), pszWarning);
    }

    // A bar along the grid's edge or beside a block ends nothing new.
    CPuzzleSource edge = SourceGrid({"AB", "C#"});
    edge.At(1, 0).m_bBarRight = edge.At(1, 0).m_bBarBottom = edge.At(0, 1).m_bBarRight = true;
    std::vector<std::u16string> warnings;
    Puz(edge, &warnings);
    EXPECT_TRUE(warnings.empty()) << ToUtf8(warnings.front());
}

TEST(IpuzWriter, WritesTheGridAsTheFormatDescribesIt)
{
    CPuzzleSource source = SourceGrid({"AB ", "C#D"});
    source.At(0, 0).m_strLabel = u"1";
    source.At(1, 0).m_strLabel = u"A";  // a label that is no number
    source.At(0, 0).m_bCircled = true;
    source.At(1, 0).m_nColor = kShadedColor;
    source.At(0, 1).m_nColor = 0x12AB34;
    source.At(0, 1).m_bBarRight = source.At(0, 1).m_bBarBottom = true;
    source.At(2, 1).m_bGiven = true;
    source.At(2, 1).m_strFill = u"D";
    source.At(0, 1).m_strFill = u"C";
    std::vector<std::u16string> warnings;
    const std::string bytes = IpuzFileBytes(source, warnings);
    EXPECT_TRUE(warnings.empty());
    EXPECT_NE(bytes.find(R"("puzzle": [
    [{"cell":1,"style":{"shapebg":"circle"}},{"cell":"A","style":{"highlight":true}},null],
    [{"cell":0,"style":{"color":"12AB34","barred":"RB"}},"#",{"cell":0,"value":"D"}]
  ])"),
              std::string::npos)
        << bytes;
    EXPECT_NE(bytes.find(R"("solution": [
    ["A","B",null],
    ["C","#","D"]
  ])"),
              std::string::npos);
    // The given letter is the grid's, not the player's.
    EXPECT_NE(bytes.find(R"("saved": [
    ["","",null],
    ["C","#",""]
  ])"),
              std::string::npos);
    CPuzzleSource back;
    std::u16string error;
    ASSERT_TRUE(ReadIpuzSource(bytes, u"w.ipuz", back, error)) << ToUtf8(error);
    EXPECT_TRUE(back == source);
}

TEST(IpuzWriter, TextsLabelsAndListsComeBackAsTheyWere)
{
    CPuzzleSource source = Square2x2();
    source.At(0, 0).m_strLabel = u"1";
    source.At(1, 0).m_strLabel = u"2";
    source.At(0, 1).m_strLabel = u"3";
    source.m_strTitle = u"<i>Not</i> markup & more";
    source.m_strNotes = u"one\n\ntwo";
    source.m_aLists[0].m_strName = u"Orizzontali";
    source.m_aLists[0].m_aClues[0].m_strLabel = u"\u2022";  // shown as a bullet, still 1 across
    source.m_aLists[1].m_aClues[1] = {u"2-3", -1, u"From 2 to 3", {{1, 0}, {1, 1}}};
    source.m_aLists.push_back({u"Zones", EClueDirection::Other, {{u"", -1, u"free", {{0, 1}}}}});
    source.m_aLists.push_back({u"Zones", EClueDirection::Other, {{u"", -1, u"also free", {{1, 1}}}}});
    std::vector<std::u16string> warnings;
    const std::string bytes = IpuzFileBytes(source, warnings);
    EXPECT_EQ(Utf8(warnings), std::vector<std::string> {"a second clue list \"Zones\" is written as \"Zones 2\""});
    EXPECT_NE(bytes.find(R"("title": "&lt;i&gt;Not&lt;/i&gt; markup &amp; more")"), std::string::npos);
    EXPECT_NE(bytes.find(R"("notes": "one<br><br>two")"), std::string::npos);
    EXPECT_NE(bytes.find(R"("Across:Orizzontali": [)"), std::string::npos);
    // Squares are written where the label does not lead to them.
    EXPECT_NE(bytes.find(R"({"number":"2-3","clue":"From 2 to 3","cells":[[2,1],[2,2]]})"), std::string::npos);
    EXPECT_NE(bytes.find(R"({"number":1,"label":"•","clue":"Ab"})"), std::string::npos);

    CPuzzleSource back;
    std::u16string error;
    ASSERT_TRUE(ReadIpuzSource(bytes, u"w.ipuz", back, error)) << ToUtf8(error);
    source.m_aLists[3].m_strName = u"Zones 2";
    EXPECT_TRUE(back == source);
}

TEST(IpuzWriter, SaysWhatTheIpuzFormatCannotHold)
{
    CPuzzleSource source = Square2x2();
    source.At(0, 0).m_bRevealed = true;
    source.m_nTimerSeconds = 5;
    source.m_bLocked = true;
    std::vector<std::u16string> warnings;
    const std::string bytes = IpuzFileBytes(source, warnings);
    EXPECT_EQ(Utf8(warnings),
              (std::vector<std::string> {
                  "the answers are locked (scrambled); the .ipuz file is written without them",
                  "the player's marks (shown letters, letters checked wrong) cannot be kept in an .ipuz file",
                  "the timer cannot be kept in an .ipuz file"}));
    EXPECT_EQ(bytes.find("\"solution\""), std::string::npos);
}

TEST(SourceFromPuzzle, TakesThePlayersLettersAndMarks)
{
    TempDir dir;
    auto puzzle = PuzzleFileWriter({"AB", "CD"})
                      .Notes("Read me")
                      .Section("LTIM", "42,0")
                      .Section("GRBS", std::string("\0\0\0\x01", 4))
                      .Section("RTBL", " 0:DOG;")
                      .Load(dir);
    auto set = [&](int c, int r, auto change) {
        CSquare square = puzzle->GetSquare(c, r);
        square.m_bFilled = TRUE;
        change(square);
        puzzle->SetSquare(c, r, square);
    };
    set(0, 0, [](CSquare& q) { q.m_chLetter = u'A'; });
    set(1, 0, [](CSquare& q) {
        q.m_chLetter = u'Z';
        q.m_bChecked = q.m_bWasIncorrect = TRUE;
    });
    set(0, 1, [](CSquare& q) {
        q.m_chLetter = u'C';
        q.m_strRebusEntry = u"CAT";
    });
    set(1, 1, [](CSquare& q) {
        q.m_chLetter = u'D';
        q.m_bShown = TRUE;
    });

    const CPuzzleSource source = SourceFromPuzzle(*puzzle);
    ASSERT_EQ(source.m_aSquares.size(), 4u);
    const CSourceSquare& a = source.At(0, 0);
    const CSourceSquare& b = source.At(1, 0);
    const CSourceSquare& c = source.At(0, 1);
    const CSourceSquare& d = source.At(1, 1);
    EXPECT_EQ(ToUtf8(a.m_strFill + b.m_strFill + c.m_strFill + d.m_strFill), "AZCATDOG");  // a shown rebus is whole
    EXPECT_EQ(ToUtf8(d.m_strSolution), "DOG");
    EXPECT_TRUE(b.m_bIncorrect && b.m_bWasIncorrect && !a.m_bIncorrect);
    EXPECT_TRUE(d.m_bRevealed && !c.m_bRevealed);
    EXPECT_EQ(ToUtf8(a.m_strLabel + b.m_strLabel + c.m_strLabel), "123");
    ASSERT_EQ(source.m_aLists.size(), 2u);
    EXPECT_EQ(ToUtf8(source.m_aLists[1].m_strName), "Down");
    EXPECT_EQ(source.m_aLists[1].m_aClues[1].m_aCells, (std::vector<CPoint> {{1, 0}, {1, 1}}));
    EXPECT_EQ(ToUtf8(source.m_strNotes), "Read me");
    EXPECT_EQ(source.m_nTimerSeconds, 42);
    EXPECT_FALSE(source.m_bTimerStopped);
}

TEST(PuzReader, KeepsTheTimerOnlyWhenItIsWellFormed)
{
    TempDir dir;
    for (const auto& [pszTimer, nSeconds, bStopped] :
         {std::make_tuple("0,1", 0L, TRUE), std::make_tuple("3600,0", 3600L, FALSE), std::make_tuple("x,1", -1L, FALSE),
          std::make_tuple("12", -1L, FALSE), std::make_tuple("12,2", -1L, FALSE),
          std::make_tuple("99999999999,0", -1L, FALSE)}) {
        SCOPED_TRACE(pszTimer);
        auto puzzle = PuzzleFileWriter({"AB"}).Section("LTIM", pszTimer).Load(dir);
        EXPECT_EQ(puzzle->m_nTimerSeconds, nSeconds);
        EXPECT_EQ(puzzle->m_bTimerStopped, bStopped);
    }
}

TEST(WritePuzzleSource, ChoosesTheFormatByTheNameAndWritesWhole)
{
    EXPECT_EQ(FormatOfFileName(u"/a/b.PUZ"), EPuzzleFormat::Puz);
    EXPECT_EQ(FormatOfFileName(u"b.Ipuz"), EPuzzleFormat::Ipuz);
    EXPECT_EQ(FormatOfFileName(u"b.jpz"), EPuzzleFormat::Unknown);
    EXPECT_EQ(FormatOfFileName(u"bpuz"), EPuzzleFormat::Unknown);

    TempDir dir;
    const std::u16string strPath = dir.Write(std::string("out.puz"), std::string("old"));
    std::vector<std::u16string> warnings;
    std::u16string error;
    EXPECT_TRUE(WritePuzzleSource(strPath, Square2x2(), EPuzzleFormat::Puz, warnings, error)) << ToUtf8(error);
    EXPECT_EQ(TempDir::Read(dir.File("out.puz")), Puz(Square2x2()));

    // A folder that does not exist is the command line's test's.
    EXPECT_FALSE(WritePuzzleSource(strPath, Square2x2(), EPuzzleFormat::Xd, warnings, error));
    EXPECT_EQ(ToUtf8(error), ToUtf8(strPath) + ": puzzles are written as .puz or .ipuz files only");
    EXPECT_EQ(TempDir::Read(dir.File("out.puz")), Puz(Square2x2()));
}
