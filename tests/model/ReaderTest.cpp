// SPDX-License-Identifier: MIT
// The puzzle file reader: texts, grids, decoding, and every way a file can
// be refused.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/CrossWordPuzzle.h"
#include "tests/support/PuzzleFileWriter.h"
#include "tests/support/PuzzleState.h"
#include "tests/support/TempDir.h"

using trellis::test::ClueAt;
using trellis::test::PuzzleFileWriter;
using trellis::test::TempDir;
using trellis::test::TryLoad;

namespace {

std::u16string Invalid(const std::u16string& path)
{
    return path + u": invalid puzzle file";
}

}  // namespace

TEST(Reader, ReadsTextsAnswersAndBlackSquares)
{
    TempDir dir;
    CCrossWordPuzzle p;
    const auto r = TryLoad(p, dir, PuzzleFileWriter({"AB#", "CDE"}).Title("T").Author("Au").Copyright("(c)").Bytes());
    ASSERT_TRUE(r.bOk) << trellis::test::ToUtf8(r.strError);
    EXPECT_EQ(r.strError, u"");
    EXPECT_EQ(p.m_strFileName, r.strPath);
    EXPECT_EQ(p.m_strTitle + u"|" + p.m_strAuthor + u"|" + p.m_strCopyright, u"T|Au|(c)");
    EXPECT_EQ(p.m_nWidth, 3);
    EXPECT_EQ(p.m_nHeight, 2);
    ASSERT_EQ(p.GetSquares().size(), 6u);
    EXPECT_TRUE(p.IsBlack(2, 0));
    EXPECT_EQ(p.GetSquare(2, 1).m_chSolution, u'E');
    EXPECT_FALSE(p.GetSquare(2, 1).m_bFilled);
}

// Windows-1252 with plain quotes and dashes; UTF-8 in version 2 files, where
// a byte that starts no sequence falls back to the first rule.
TEST(Reader, TextDecoding)
{
    TempDir dir;
    CCrossWordPuzzle p1252, p2, p13;
    const auto r =
        TryLoad(p1252, dir, PuzzleFileWriter({"AB"}).Clues({"\x91\x92\x93\x94\x96|\x85\x95\x97\xE9\x81"}).Bytes());
    ASSERT_TRUE(r.bOk);
    EXPECT_EQ(ClueAt(p1252, 0).m_strText, u"''\"\"-|\u2026\u2022\u2014\u00E9\u0081");
    auto writer = PuzzleFileWriter({"AB"}).Clues({"caf\xC3\xA9 \xF0\x9F\x94\xA5 \x93x\x94 \xE9"});
    ASSERT_TRUE(TryLoad(p2, dir, writer.Version("2.0").Bytes()).bOk);
    EXPECT_EQ(ClueAt(p2, 0).m_strText, u"caf\u00E9 \U0001F525 \"x\" \u00E9");
    ASSERT_TRUE(TryLoad(p13, dir, writer.Version("1.3").Bytes()).bOk);
    EXPECT_EQ(ClueAt(p13, 0).m_strText.substr(0, 5), u"caf\u00C3\u00A9");
}

// Older files with UTF-8 in them: each text that reads as UTF-8 throughout,
// with at least one character beyond ASCII, is taken as UTF-8 on its own.
TEST(Reader, Utf8TextsInOlderFiles)
{
    TempDir dir;
    CCrossWordPuzzle p;
    const auto writer = PuzzleFileWriter({"AB", "CD"})
                            .Version("1.4")
                            .Title("F\xC3\xBAtbol")
                            .Author("Ren\xE9")
                            .Copyright("\xA9 \xE2\x80\x94 \xF0\x9F\x94\xA5")
                            .Clues({"\xC3\xA9t\xC3\xA9 \xE9", "\xC3\xA9t\xC3\xA9", "\xC0\xAF overlong", "x"})
                            .Section("GRBS", std::string("\x01\x00\x00\x00", 4))
                            .Section("RTBL", " 0:\xC3\x9C;");
    ASSERT_TRUE(TryLoad(p, dir, writer.Bytes()).bOk);
    EXPECT_EQ(p.m_strTitle, u"F\u00FAtbol");
    EXPECT_EQ(p.m_strAuthor, u"Ren\u00E9");  // not UTF-8: byte by byte
    // A lone 0xA9 first: the old rule throughout.
    EXPECT_EQ(p.m_strCopyright, u"\u00A9 \u00E2\u20AC\" \u00F0\u0178\"\u00A5");
    EXPECT_EQ(ClueAt(p, 0).m_strText, u"\u00C3\u00A9t\u00C3\u00A9 \u00E9");
    EXPECT_EQ(ClueAt(p, 1).m_strText, u"\u00E9t\u00E9");
    EXPECT_EQ(ClueAt(p, 2).m_strText, u"\u00C0\u00AF overlong");
    EXPECT_EQ(*p.GetRebus(p.GetSquare(0, 0)), u"\u00DC");
}

TEST(Reader, LineFeedsEndTextsAndTheLastTextMayRunToTheEnd)
{
    TempDir dir;
    CCrossWordPuzzle p;
    std::string bytes = PuzzleFileWriter({"AB"}).Terminator('\n').Clues({"first"}).Bytes();
    bytes.resize(bytes.size() - 2);  // drop the notes and the clue's terminator
    ASSERT_TRUE(TryLoad(p, dir, bytes).bOk);
    EXPECT_EQ(p.m_strTitle, u"Title");
    EXPECT_EQ(ClueAt(p, 0).m_strText, u"first");
}

// An image, a program, or a puzzle file that lost its marker or its grid, is
// refused with the message; a grid with every clue text missing still loads.
TEST(Reader, FilesThatAreNoPuzzlesAreRefused)
{
    TempDir dir;
    std::string unmarked = PuzzleFileWriter({"AB", "CD"}).Bytes();
    unmarked.replace(2, 11, "ACROSS+DOWN");
    const std::string png =
        "\x89PNG\r\n\x1A\n" + std::string("\0\0\0\x0DIHDR\0\0\0\x10\0\0\0\x10\x08\x06", 18) + std::string(200, '\x07');
    const std::string elf = "\x7F"
                            "ELF\x02\x01\x01" +
                            std::string(300, '\x41');
    std::string noWidth = PuzzleFileWriter({"AB", "CD"}).Bytes();
    noWidth[44] = '\0';
    std::string noHeight = PuzzleFileWriter({"AB", "CD"}).Bytes();
    noHeight[45] = '\0';
    const std::string empty = PuzzleFileWriter(std::vector<std::string> {}).Title("Only texts").Clues({"x"}).Bytes();
    for (const std::string& bytes : {unmarked, png, elf, noWidth, noHeight, empty}) {
        CCrossWordPuzzle p;
        const auto r = TryLoad(p, dir, bytes);
        EXPECT_FALSE(r.bOk);
        EXPECT_EQ(r.strError, r.strPath + u": invalid puzzle file");
    }
    CCrossWordPuzzle noClues;
    ASSERT_TRUE(TryLoad(noClues, dir, PuzzleFileWriter({"AB", "CD"}).Clues({}).Bytes()).bOk);
    EXPECT_EQ(noClues.m_lstClues.size(), 4u);
    EXPECT_EQ(ClueAt(noClues, 3).m_strText, u"");
}

TEST(Reader, OnlyDotAndColonInTheStateGridMakeBlackSquares)
{
    TempDir dir;
    CCrossWordPuzzle p;
    // A solver's letters, a hidden black square, and an answer "." under a white square.
    const std::string bytes = PuzzleFileWriter({"ABC", "DE.", "FGH"}).State({"-X-", "-:-", "Q-."}).Bytes();
    ASSERT_TRUE(TryLoad(p, dir, bytes).bOk);
    EXPECT_FALSE(p.IsBlack(1, 0));
    EXPECT_EQ(p.GetSquare(1, 0).m_chSolution, u'B');
    EXPECT_TRUE(p.IsBlack(1, 1));
    EXPECT_FALSE(p.IsBlack(2, 1));
    EXPECT_EQ(p.GetSquare(2, 1).m_chSolution, u'A');  // writer's '.' is answer 'A'
    EXPECT_TRUE(p.IsBlack(2, 2));
    EXPECT_EQ(p.m_lstClues.size(), 4u);
}

TEST(Reader, OneTextPerWordEmptyOnesIncluded)
{
    TempDir dir;
    CCrossWordPuzzle full, shortOfTexts;
    ASSERT_TRUE(TryLoad(full, dir, PuzzleFileWriter({"AB", "CD"}).Clues({"a", "", "c", "d", "extra"}).Bytes()).bOk);
    ASSERT_EQ(full.m_lstClues.size(), 4u);
    EXPECT_EQ(ClueAt(full, 1).m_strText, u"");
    EXPECT_EQ(ClueAt(full, 3).m_strText, u"d");
    // The file ends after two texts: the other words get empty clues.
    std::string bytes = PuzzleFileWriter({"AB", "CD"}).Clues({"a", "b"}).Bytes();
    bytes.pop_back();  // no notes
    ASSERT_TRUE(TryLoad(shortOfTexts, dir, bytes).bOk);
    ASSERT_EQ(shortOfTexts.m_lstClues.size(), 4u);
    EXPECT_EQ(ClueAt(shortOfTexts, 1).m_strText, u"b");
    EXPECT_EQ(ClueAt(shortOfTexts, 3).m_strText, u"");
}

TEST(Reader, BytesBeforeTheHeaderAreSkipped)
{
    TempDir dir;
    CCrossWordPuzzle p;
    ASSERT_TRUE(TryLoad(p, dir, PuzzleFileWriter({"AB", "C#"}).Prefix("publisher:\x01\x02").Bytes()).bOk);
    EXPECT_EQ(p.m_nWidth, 2);
    EXPECT_EQ(p.m_strTitle, u"Title");
    EXPECT_TRUE(p.IsBlack(1, 1));
}

TEST(Reader, UnopenablePathsNameThePathAndWhy)
{
    TempDir dir;
    const std::pair<std::u16string, std::u16string> cases[] = {
        {trellis::test::ModelPath(dir.File("missing.puz")), u"No such file or directory"},
        {dir.Path().u16string(), u"Is a directory"},
        {trellis::test::ModelPath(dir.File("missing/inside.puz")), u"No such file or directory"},
    };
    for (const auto& [path, reason] : cases) {
        CCrossWordPuzzle p;
        std::u16string error;
        EXPECT_FALSE(p.LoadPuzzle(path, error));
        EXPECT_EQ(error, u"cannot open file '" + path + u"' for reading: " + reason);
        EXPECT_EQ(p.m_strFileName, u"");
    }
}

TEST(Reader, NonAsciiFileNamesOpen)
{
    TempDir dir;
    CCrossWordPuzzle p;
    EXPECT_TRUE(TryLoad(p, dir, PuzzleFileWriter({"AB"}).Bytes(), "r\xC3\xA4tsel \xE3\x82\xAF.puz").bOk);
    EXPECT_EQ(p.m_strFileName.substr(p.m_strFileName.size() - 12), u"r\u00E4tsel \u30AF.puz");
}

TEST(Reader, OversizedFileIsRefusedUnread)
{
    TempDir dir;
    CCrossWordPuzzle p;
    std::string bytes = PuzzleFileWriter({"AB"}).Bytes();
    bytes.resize(kMaxInputFileBytes + 1, 'x');
    const auto r = TryLoad(p, dir, bytes);
    EXPECT_FALSE(r.bOk);
    EXPECT_EQ(r.strError, r.strPath + u": too large for a puzzle file (more than 16 MiB)");
}

// One case per place where the reader gives up on a 2 x 2 file.
struct FailurePlace {
    const char* name;
    std::size_t nKeep;  // bytes of the file kept
};

void PrintTo(const FailurePlace& place, std::ostream* os)
{
    *os << place.name;
}

class ReaderFailure : public ::testing::TestWithParam<FailurePlace> { };

TEST_P(ReaderFailure, FailsWithTheInvalidFileMessage)
{
    TempDir dir;
    CCrossWordPuzzle p;
    const std::string bytes = PuzzleFileWriter({"AB", "CD"}).Title("T").Author("A").Bytes();
    const auto r = TryLoad(p, dir, bytes.substr(0, GetParam().nKeep));
    EXPECT_FALSE(r.bOk);
    EXPECT_EQ(r.strError, Invalid(r.strPath));
}

INSTANTIATE_TEST_SUITE_P(Places, ReaderFailure,
                         ::testing::Values(FailurePlace {"SeekToSize", 40}, FailurePlace {"NoWidth", 44},
                                           FailurePlace {"NoHeight", 45}, FailurePlace {"SeekToGrid", 50},
                                           FailurePlace {"ShortAnswerRow", 55}, FailurePlace {"ShortStateRow", 59},
                                           FailurePlace {"NoTitle", 60}, FailurePlace {"NoAuthor", 62},
                                           FailurePlace {"NoCopyright", 64}),
                         [](const auto& info) { return std::string(info.param.name); });

// Cut at every length: shorter than the first copyright character fails with
// the message, anything longer loads. Big sizes with few bytes fail alike.
TEST(Reader, EveryTruncationFailsCleanlyOrLoads)
{
    TempDir dir;
    std::vector<std::string> rows(15, "ABCDEFG#HIJKLMN");
    rows[7] = "###############";
    std::string bytes = PuzzleFileWriter(rows).Title("Fifteen").Author("Me").Copyright("(c) 2026").Bytes();
    const std::size_t nCopyright = 52 + 2 * 225 + 8 + 3;
    for (std::size_t n = 0; n <= bytes.size(); ++n) {
        CCrossWordPuzzle p;
        const auto r = TryLoad(p, dir, bytes.substr(0, n));
        ASSERT_EQ(r.bOk, n > nCopyright ? TRUE : FALSE) << n;
        if (!r.bOk) {
            ASSERT_EQ(r.strError, Invalid(r.strPath)) << n;
        }
    }
    bytes[44] = bytes[45] = '\xFF';
    CCrossWordPuzzle p;
    const auto r = TryLoad(p, dir, bytes);
    EXPECT_FALSE(r.bOk);
    EXPECT_EQ(r.strError, Invalid(r.strPath));
}
