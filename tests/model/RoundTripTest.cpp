// SPDX-License-Identifier: MIT
// Every real file of the corpus (TRELLIS_CORPUS_DIR), read, written as .puz
// and as .ipuz, and read back: what the format holds comes back the same,
// and what it cannot hold is named in a warning. The .puz files go, with a
// description of what each was meant to hold, to TRELLIS_PUZ_DUMP_DIR when
// it is set, where a second reader written apart from ours checks them.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "model/CrossWordPuzzle.h"
#include "model/PuzzleSourceReader.h"
#include "model/PuzzleSourceWriter.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;
using trellis::test::TempDir;
using trellis::test::ToUtf8;

namespace {

const fs::path kCorpus = fs::path(TRELLIS_CORPUS_DIR);

// Files no reader takes (acrostics, malformed on purpose, not a puzzle).
const std::set<std::string> kUnreadable = {
    "jpz/cn-DupeThereItIs.jpz", "jpz/kw-acrostic.jpz",    "puz/ONE_bad.puz",
    "xd/pz-fail-bad_clue.xd",   "xd/pz-fail-bad_meta.xd",
};

// What each file holds that a .puz file cannot, seen in the files: a
// phrase of every warning the writer must give. Files not listed must
// write without any.
const std::map<std::string, std::vector<std::string>> kPuzLosses = {
    {"ipuz/cn-BB8.ipuz", {"coloured squares", "labels"}},  // grey squares; down clues labelled "•"
    {"ipuz/cn-GirlDinner.ipuz", {"coloured squares"}},
    // Its clues are unnumbered, in alphabetical order.
    {"ipuz/cn-Route_66.ipuz", {"32 clues fit no word", "32 words of the .puz grid have no clue"}},
    {"ipuz/cn-patchwork_quilt.ipuz",
     {"coloured squares", "bars", "\"Colors\" cannot be kept", "\"Patches\" cannot be kept", "labels",
      "25 clues fit no word", "18 words of the .puz grid have no clue"}},
    {"ipuz/db-11x11-barred.ipuz", {"bars", "labels", "whole word", "20 clues fit no word"}},
    {"ipuz/db-italian-15x15.ipuz", {"\"Orizzontali\" is written as Across", "\"Verticali\" is written as Down"}},
    {"ipuz/db-shaped-example-guitar.ipuz", {"outside the grid's shape"}},
    {"ipuz/pz-kitchen-sink.ipuz", {"prefilled"}},
    // The first crossword: a diamond of null cells, given letters, clues
    // labelled from square to square ("2-3").
    {"ipuz/sv-first.ipuz",
     {"outside the grid's shape", "prefilled", "labels", "31 clues fit no word",
      "32 words of the .puz grid have no clue"}},
    {"jpz/kw-test-barred.jpz",
     {"bars", "labels", "whole word", "2 clues fit no word", "4 words of the .puz grid have no clue"}},
    {"jpz/kw-test-shaded.jpz", {"coloured squares"}},
};

// Every corpus file by its folder and name, in order.
std::vector<std::string> CorpusFiles()
{
    std::set<std::string> files;
    for (const char* pszFolder : {"puz", "ipuz", "jpz", "xd"}) {
        for (const auto& entry : fs::directory_iterator(kCorpus / pszFolder))
            files.insert(std::string(pszFolder) + "/" + entry.path().filename().string());
    }
    return {files.begin(), files.end()};
}

#define SKIP_WITHOUT_CORPUS()                                                                                          \
    for (const char* pszFolder : {"puz", "ipuz", "jpz", "xd"}) {                                                       \
        if (!fs::is_directory(kCorpus / pszFolder))                                                                    \
            GTEST_SKIP() << "no " << pszFolder << " corpus under " << kCorpus << " (set TRELLIS_CORPUS_DIR)";          \
    }

// The five characters the .puz reader of 1.x files makes plain.
std::u16string PlainQuotes(std::u16string strText)
{
    for (char16_t& ch : strText) {
        if (ch == 0x2018 || ch == 0x2019)
            ch = u'\'';
        else if (ch == 0x201C || ch == 0x201D)
            ch = u'"';
        else if (ch == 0x2013)
            ch = u'-';
    }
    return strText;
}

// Texts in markup keep their words and line breaks, not their blanks: a
// run of blanks is one space, lines lose them at either end, and blank
// lines at either end of the text go.
std::u16string OneSpace(const std::u16string& strText)
{
    std::u16string strOut;
    for (std::size_t i = 0; i < strText.size(); ++i) {
        char16_t ch = strText[i];
        if (ch == u'\r' && i + 1 < strText.size() && strText[i + 1] == u'\n')
            continue;
        if (ch == u'\r')
            ch = u'\n';
        const bool bBlank = ch == u' ' || ch == u'\t';
        if (ch == u'\n') {
            while (!strOut.empty() && strOut.back() == u' ')
                strOut.pop_back();
            strOut.push_back(ch);
        } else if (!bBlank || (!strOut.empty() && strOut.back() != u' ' && strOut.back() != u'\n')) {
            strOut.push_back(bBlank ? u' ' : ch);
        }
    }
    while (!strOut.empty() && (strOut.back() == u' ' || strOut.back() == u'\n'))
        strOut.pop_back();
    return strOut.substr(std::min(strOut.find_first_not_of(u'\n'), strOut.size()));
}

// The first field in which two sources differ, for a readable failure.
std::string Difference(const CPuzzleSource& a, const CPuzzleSource& b)
{
    for (std::size_t i = 0; i < a.m_aSquares.size() && i < b.m_aSquares.size(); ++i) {
        const auto describe = [](const CSourceSquare& q) {
            return std::to_string(static_cast<int>(q.m_nKind)) + " " + ToUtf8(q.m_strSolution) + "/" +
                   ToUtf8(q.m_strFill) + " [" + ToUtf8(q.m_strLabel) + "] colour " + std::to_string(q.m_nColor) +
                   " marks " + std::to_string(q.m_bGiven) + std::to_string(q.m_bCircled) +
                   std::to_string(q.m_bBarRight) + std::to_string(q.m_bBarBottom) + std::to_string(q.m_bRevealed) +
                   std::to_string(q.m_bWasIncorrect) + std::to_string(q.m_bIncorrect);
        };
        if (a.m_aSquares[i] != b.m_aSquares[i])
            return "square " + std::to_string(i) + ": " + describe(a.m_aSquares[i]) + " against " +
                   describe(b.m_aSquares[i]);
    }
    for (std::size_t i = 0; i < a.m_aLists.size() && i < b.m_aLists.size(); ++i) {
        const CSourceClueList& x = a.m_aLists[i];
        const CSourceClueList& y = b.m_aLists[i];
        for (std::size_t k = 0; k < x.m_aClues.size() && k < y.m_aClues.size(); ++k) {
            if (x.m_aClues[k] != y.m_aClues[k])
                return "clue " + ToUtf8(x.m_strName) + " " + ToUtf8(x.m_aClues[k].m_strLabel) + " \"" +
                       ToUtf8(x.m_aClues[k].m_strText) + "\" against " + ToUtf8(y.m_strName) + " " +
                       ToUtf8(y.m_aClues[k].m_strLabel) + " \"" + ToUtf8(y.m_aClues[k].m_strText) + "\"";
        }
        if (x != y)
            return "list " + ToUtf8(x.m_strName) + " against " + ToUtf8(y.m_strName);
    }
    for (const auto& [pa, pb] :
         {std::make_pair(&a.m_strTitle, &b.m_strTitle), std::make_pair(&a.m_strAuthor, &b.m_strAuthor),
          std::make_pair(&a.m_strCopyright, &b.m_strCopyright), std::make_pair(&a.m_strNotes, &b.m_strNotes)}) {
        if (*pa != *pb)
            return "\"" + ToUtf8(*pa) + "\" against \"" + ToUtf8(*pb) + "\"";
    }
    return a == b ? "nothing" : "the size, lists, timer or lock";
}

// The clue texts of the across and down lists by direction and squares.
std::map<std::pair<bool, std::vector<std::pair<int, int>>>, std::u16string> CluesBySquares(const CPuzzleSource& source)
{
    std::map<std::pair<bool, std::vector<std::pair<int, int>>>, std::u16string> clues;
    for (const CSourceClueList& list : source.m_aLists) {
        if (list.m_nDirection == EClueDirection::Other)
            continue;
        for (const CSourceClue& clue : list.m_aClues) {
            std::vector<std::pair<int, int>> cells;
            for (const CPoint& pt : clue.m_aCells)
                cells.emplace_back(pt.x, pt.y);
            clues.emplace(std::make_pair(list.m_nDirection == EClueDirection::Across, cells), clue.m_strText);
        }
    }
    return clues;
}

// What the .puz file should have given back of the original: every square
// as it was (a missing square as a block), the texts, the timer, the lock,
// and each clue at the word of its squares.
void ExpectPuzKeeps(const CPuzzleSource& original, const CPuzzleSource& back, bool bPlainQuotes, bool bWhole)
{
    auto text = [bPlainQuotes](const std::u16string& s) { return ToUtf8(bPlainQuotes ? PlainQuotes(s) : s); };
    ASSERT_EQ(back.m_nWidth, original.m_nWidth);
    ASSERT_EQ(back.m_nHeight, original.m_nHeight);
    for (int r = 0; r < original.m_nHeight; ++r) {
        for (int c = 0; c < original.m_nWidth; ++c) {
            SCOPED_TRACE(testing::Message() << "square " << c << "," << r);
            const CSourceSquare& was = original.At(c, r);
            const CSourceSquare& is = back.At(c, r);
            ASSERT_EQ(is.m_nKind, was.m_nKind == ESquareKind::Open ? ESquareKind::Open : ESquareKind::Block);
            if (was.m_nKind != ESquareKind::Open)
                continue;
            if (!was.m_strSolution.empty()) {
                EXPECT_EQ(ToUtf8(is.m_strSolution), ToUtf8(was.m_strSolution));
            }
            EXPECT_EQ(ToUtf8(is.m_strFill), ToUtf8(was.m_strFill));
            EXPECT_EQ(is.m_chGridLetter, was.m_chGridLetter);
            EXPECT_EQ(is.m_bCircled, was.m_bCircled);
            EXPECT_EQ(is.m_bRevealed, was.m_bRevealed);
            EXPECT_EQ(is.m_bWasIncorrect, was.m_bWasIncorrect);
            EXPECT_EQ(is.m_bIncorrect, was.m_bIncorrect);
            if (bWhole && !was.m_strLabel.empty()) {
                EXPECT_EQ(ToUtf8(is.m_strLabel), ToUtf8(was.m_strLabel));
            }
        }
    }
    EXPECT_EQ(text(back.m_strTitle), text(original.m_strTitle));
    EXPECT_EQ(text(back.m_strAuthor), text(original.m_strAuthor));
    EXPECT_EQ(text(back.m_strCopyright), text(original.m_strCopyright));
    EXPECT_EQ(text(back.m_strNotes), text(original.m_strNotes));
    EXPECT_EQ(back.m_nTimerSeconds, original.m_nTimerSeconds);
    EXPECT_EQ(back.m_bTimerStopped, original.m_bTimerStopped);
    EXPECT_EQ(back.m_bLocked, original.m_bLocked);
    EXPECT_EQ(back.m_wAnswerChecksum, original.m_wAnswerChecksum);

    // Each clue comes back at the word of its squares, unless the grid
    // lost that word; a file held whole comes back list for list.
    const auto clues = CluesBySquares(back);
    for (const auto& [key, strText] : CluesBySquares(original)) {
        const auto it = clues.find(key);
        if (bWhole) {
            ASSERT_NE(it, clues.end()) << ToUtf8(strText);
        }
        if (it != clues.end()) {
            EXPECT_EQ(text(it->second), text(strText));
        }
    }
    // A file without clues has words with empty ones.
    if (original.m_aLists.empty()) {
        for (const auto& [key, strText] : clues)
            EXPECT_EQ(ToUtf8(strText), "");
    } else if (bWhole) {
        ASSERT_EQ(back.m_aLists.size(), original.m_aLists.size());
        for (std::size_t i = 0; i < back.m_aLists.size(); ++i) {
            const CSourceClueList& was = original.m_aLists[i];
            const CSourceClueList& is = back.m_aLists[i];
            EXPECT_EQ(ToUtf8(is.m_strName), ToUtf8(was.m_strName));
            ASSERT_EQ(is.m_aClues.size(), was.m_aClues.size());
            for (std::size_t k = 0; k < is.m_aClues.size(); ++k) {
                EXPECT_EQ(ToUtf8(is.m_aClues[k].m_strLabel), ToUtf8(was.m_aClues[k].m_strLabel));
                EXPECT_EQ(is.m_aClues[k].m_aCells, was.m_aClues[k].m_aCells);
            }
        }
    }
}

// One warning for each phrase, and no others.
void ExpectWarnings(const std::vector<std::u16string>& warnings, const std::vector<std::string>& phrases)
{
    EXPECT_EQ(warnings.size(), phrases.size());
    for (const std::string& phrase : phrases) {
        EXPECT_TRUE(std::any_of(warnings.begin(), warnings.end(),
                                [&](const std::u16string& w) { return ToUtf8(w).find(phrase) != std::string::npos; }))
            << "no warning about " << phrase;
    }
}

// What the file was meant to hold, for the second reader.
nlohmann::json Description(const CPuzzleSource& source)
{
    using json = nlohmann::json;
    json squares = json::array();
    for (const CSourceSquare& square : source.m_aSquares) {
        if (square.m_nKind != ESquareKind::Open) {
            squares.push_back({{"open", false}});
            continue;
        }
        squares.push_back({
            {"open", true},
            {"answer", square.m_strSolution.empty() ? json(nullptr) : json(ToUtf8(square.m_strSolution))},
            {"fill", ToUtf8(square.m_strFill)},
            {"circled", square.m_bCircled},
            {"revealed", square.m_bRevealed},
            {"incorrect", square.m_bIncorrect},
            {"was_incorrect", square.m_bWasIncorrect},
        });
    }
    json clues = json::array();
    for (const CSourceClueList& list : source.m_aLists) {
        for (const CSourceClue& clue : list.m_aClues) {
            if (list.m_nDirection == EClueDirection::Other)
                continue;
            json cells = json::array();
            for (const CPoint& pt : clue.m_aCells)
                cells.push_back({pt.x, pt.y});
            clues.push_back({{"across", list.m_nDirection == EClueDirection::Across},
                             {"cells", cells},
                             {"text", ToUtf8(clue.m_strText)}});
        }
    }
    return {
        {"width", source.m_nWidth},
        {"height", source.m_nHeight},
        {"squares", squares},
        {"title", ToUtf8(source.m_strTitle)},
        {"author", ToUtf8(source.m_strAuthor)},
        {"copyright", ToUtf8(source.m_strCopyright)},
        {"notes", ToUtf8(source.m_strNotes)},
        {"clues", clues},
        {"timer", source.m_nTimerSeconds < 0 ? json(nullptr)
                                             : json::array({source.m_nTimerSeconds, source.m_bTimerStopped ? 1 : 0})},
        {"locked", source.m_bLocked},
        {"answer_checksum", source.m_wAnswerChecksum},
        {"diagramless", source.m_bDiagramless},
    };
}

// The folder for the second reader, emptied of earlier files, or none.
fs::path DumpFolder()
{
    const char* pszDir = std::getenv("TRELLIS_PUZ_DUMP_DIR");
    if (pszDir == nullptr || *pszDir == '\0')
        return {};
    const fs::path dir(pszDir);
    fs::create_directories(dir);
    for (const auto& entry : fs::directory_iterator(dir))
        fs::remove(entry.path());
    return dir;
}

}  // namespace

TEST(PuzRoundTrip, EveryCorpusFileComesBackFromItsPuzFile)
{
    SKIP_WITHOUT_CORPUS();
    TempDir temp;
    const fs::path dump = DumpFolder();
    const fs::path dir = dump.empty() ? temp.Path() : dump;
    int nWritten = 0;
    for (const std::string& file : CorpusFiles()) {
        SCOPED_TRACE(file);
        CPuzzleSource original;
        std::u16string error;
        const bool bRead = ReadAnyPuzzleSource((kCorpus / file).u16string(), original, error) != FALSE;
        EXPECT_EQ(bRead, kUnreadable.count(file) == 0) << ToUtf8(error);
        if (!bRead)
            continue;

        std::vector<std::u16string> warnings;
        const std::string bytes = PuzFileBytes(original, warnings);
        const auto losses = kPuzLosses.find(file);
        const std::vector<std::string> expected =
            losses == kPuzLosses.end() ? std::vector<std::string>() : losses->second;
        ExpectWarnings(warnings, expected);

        // "ipuz/kw-test.ipuz" is written as "ipuz-kw-test.puz".
        const fs::path written = dir / (file.substr(0, file.find('/')) + "-" + fs::path(file).stem().string() + ".puz");
        TempDir::Write(written, bytes);
        TempDir::Write(fs::path(written.string() + ".json"), Description(original).dump(1) + "\n");
        ++nWritten;

        CCrossWordPuzzle puzzle;
        ASSERT_TRUE(puzzle.LoadPuzzle(written.u16string(), error)) << ToUtf8(error);
        const bool bVersion1 = bytes[0x18] == '1';
        ExpectPuzKeeps(original, SourceFromPuzzle(puzzle), bVersion1, expected.empty());
    }
    EXPECT_GT(nWritten, 50);
}

TEST(IpuzRoundTrip, EveryCorpusFileComesBackFromItsIpuzFile)
{
    SKIP_WITHOUT_CORPUS();
    for (const std::string& file : CorpusFiles()) {
        SCOPED_TRACE(file);
        CPuzzleSource original;
        std::u16string error;
        if (!ReadAnyPuzzleSource((kCorpus / file).u16string(), original, error))
            continue;
        std::vector<std::u16string> warnings;
        const std::string bytes = IpuzFileBytes(original, warnings);
        CPuzzleSource back;
        ASSERT_TRUE(ReadIpuzSource(bytes, u"written.ipuz", back, error)) << ToUtf8(error);

        // What .ipuz files leave out, with a warning each: the player's
        // marks, the timer, locked answers and the hidden diagram.
        CPuzzleSource expected = original;
        std::set<std::string> losses;
        for (CSourceSquare& square : expected.m_aSquares) {
            if (square.m_bRevealed || square.m_bWasIncorrect || square.m_bIncorrect)
                losses.insert("marks");
            square.m_bRevealed = square.m_bWasIncorrect = square.m_bIncorrect = false;
            if (expected.m_bLocked) {
                square.m_strSolution.clear();
                square.m_chGridLetter = 0;
            }
        }
        if (expected.m_nTimerSeconds >= 0)
            losses.insert("timer");
        if (expected.m_bLocked)
            losses.insert("locked");
        if (expected.m_bDiagramless)
            losses.insert("diagramless");
        expected.m_nTimerSeconds = -1;
        expected.m_bTimerStopped = expected.m_bLocked = expected.m_bDiagramless = false;
        expected.m_wAnswerChecksum = 0;
        for (std::u16string* pText :
             {&expected.m_strTitle, &expected.m_strAuthor, &expected.m_strCopyright, &expected.m_strNotes})
            *pText = OneSpace(*pText);
        for (CSourceClueList& list : expected.m_aLists) {
            for (CSourceClue& clue : list.m_aClues)
                clue.m_strText = OneSpace(clue.m_strText);
        }
        ExpectWarnings(warnings, {losses.begin(), losses.end()});
        EXPECT_TRUE(back == expected) << Difference(back, expected) << "\n" << bytes;
    }
}

TEST(ModelRoundTrip, EveryCorpusFileInTheModelGivesBackItsOwnDescription)
{
    SKIP_WITHOUT_CORPUS();
    for (const std::string& file : CorpusFiles()) {
        SCOPED_TRACE(file);
        CPuzzleSource original;
        std::u16string error;
        if (file.rfind("puz/", 0) == 0 || !ReadAnyPuzzleSource((kCorpus / file).u16string(), original, error))
            continue;
        CCrossWordPuzzle puzzle;
        puzzle.LoadSource(original);
        CPuzzleSource back = SourceFromPuzzle(puzzle);
        // A grid without labels of its own (.xd) shows the word numbers.
        const bool bLabels = std::any_of(original.m_aSquares.begin(), original.m_aSquares.end(),
                                         [](const CSourceSquare& q) { return !q.m_strLabel.empty(); });
        if (!bLabels) {
            EXPECT_EQ(ToUtf8(back.m_aSquares[0].m_strLabel), "1");
            for (CSourceSquare& square : back.m_aSquares)
                square.m_strLabel.clear();
        }
        EXPECT_TRUE(back == original) << Difference(back, original);
    }
}
