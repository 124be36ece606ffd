// SPDX-License-Identifier: MIT
// Every real puzzle file of the corpus (TRELLIS_CORPUS_DIR/puz).

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "model/CrossWordPuzzle.h"
#include "tests/model/CorpusFiles.h"
#include "tests/support/PuzzleFileWriter.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;
using trellis::test::kCorpus;
using trellis::test::LoadCorpus;
using trellis::test::TempDir;
using trellis::test::ToUtf8;

namespace {

// The clue count and the texts (title, author, copyright, clues), read
// independently of the reader; the header is found by its marker.
std::pair<std::size_t, std::vector<std::string>> ReadRaw(const fs::path& path)
{
    const std::string bytes = TempDir::Read(path);
    const std::size_t nMarker = bytes.find("ACROSS&DOWN");
    const std::size_t nBase = nMarker == std::string::npos ? 0 : nMarker - 2;
    const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(bytes.at(nBase + i)); };
    const std::size_t nClues = byteAt(0x2E) + 256u * byteAt(0x2F);
    std::vector<std::string> texts;
    for (std::size_t nPos = nBase + 52 + 2 * byteAt(44) * byteAt(45);
         texts.size() < 3 + nClues && nPos < bytes.size();) {
        const std::size_t nEnd = std::min(bytes.find('\0', nPos), bytes.size());
        texts.push_back(bytes.substr(nPos, nEnd - nPos));
        nPos = nEnd + 1;
    }
    return {nClues, texts};
}

}  // namespace

TEST(Corpus, EveryFileHasItsClueCountAndEachClueItsText)
{
    SKIP_WITHOUT_CORPUS();
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(kCorpus))
        if (entry.path().extension() == ".puz" && entry.path().filename() != "ONE_bad.puz")
            files.push_back(entry.path());
    ASSERT_GE(files.size(), 28u);
    for (const fs::path& path : files) {
        SCOPED_TRACE(path.filename().string());
        const auto [nClues, texts] = ReadRaw(path);
        auto p = LoadCorpus(path.filename().string());
        ASSERT_EQ(p->m_lstClues.size(), nClues);
        ASSERT_EQ(texts.size(), 3 + nClues);
        // Plain ASCII texts arrive unchanged, each in its place; no text of
        // the older files reads as UTF-8, so each byte stays one character.
        const std::string bytes = TempDir::Read(path);
        const std::size_t nMarker = bytes.find("ACROSS&DOWN");
        const bool bOlder = nMarker != std::string::npos && bytes.compare(nMarker - 2 + 0x18, 2, "2.") != 0;
        std::vector<std::u16string> loaded = {p->m_strTitle, p->m_strAuthor, p->m_strCopyright};
        for (const CClue* pClue : p->m_lstClues)
            loaded.push_back(pClue->m_strText);
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const std::string& raw = texts[i];
            if (std::all_of(raw.begin(), raw.end(), [](char ch) { return ch > 0; }))
                EXPECT_EQ(ToUtf8(loaded[i]), raw) << i;
            else if (bOlder)
                EXPECT_EQ(loaded[i].size(), raw.size()) << i;
            else
                EXPECT_FALSE(loaded[i].empty()) << i;
        }
    }
}

TEST(Corpus, Utf8AndPrefixedFilesReadTheirTexts)
{
    SKIP_WITHOUT_CORPUS();
    auto unicode = LoadCorpus("unicode.puz");
    EXPECT_EQ(unicode->m_strTitle, u"\u2694\uFE0F");
    EXPECT_EQ(unicode->m_lstClues.back()->m_strText, u"\U0001F525\U0001F525\U0001F525");
    auto washpost = LoadCorpus("washpost.puz");
    EXPECT_EQ(washpost->m_nWidth, 15);
    EXPECT_FALSE(washpost->m_strTitle.empty());
}

// Cut anywhere: up to the first copyright character the load fails with the
// message, after it the file loads.
TEST(Corpus, RealFileTruncatedAnywhereFailsCleanlyOrLoads)
{
    SKIP_WITHOUT_CORPUS();
    const std::string bytes = TempDir::Read(kCorpus / "kw-test.puz");
    const auto texts = ReadRaw(kCorpus / "kw-test.puz").second;
    const std::size_t nGrid = static_cast<unsigned char>(bytes.at(44)) * static_cast<unsigned char>(bytes.at(45));
    const std::size_t nCopyright = 52 + 2 * nGrid + texts[0].size() + texts[1].size() + 2;
    TempDir dir;
    for (std::size_t n = 0; n <= bytes.size(); ++n) {
        CCrossWordPuzzle p;
        const auto r = trellis::test::TryLoad(p, dir, bytes.substr(0, n));
        ASSERT_EQ(r.bOk, n > nCopyright ? TRUE : FALSE) << n;
        if (!r.bOk) {
            ASSERT_EQ(r.strError, r.strPath + u": invalid puzzle file") << n;
        }
    }
}

TEST(Corpus, NotAPuzzleFileDoesNotCrash)
{
    SKIP_WITHOUT_CORPUS();
    CCrossWordPuzzle p;
    std::u16string error;
    const std::u16string path = (kCorpus / "ONE_bad.puz").u16string();
    if (p.LoadPuzzle(path, error)) {
        EXPECT_EQ(p.GetSquares().size(), static_cast<std::size_t>(p.m_nWidth * p.m_nHeight));
    } else {
        EXPECT_EQ(error, path + u": invalid puzzle file");
    }
}

// The keys were found with the search; where two keys give the checksum,
// only the typed key unlocks (the other gives letters that are no words).
TEST(Corpus, LockedFilesUnlockWithTheirKeysAndSolveWithTheRealAnswers)
{
    SKIP_WITHOUT_CORPUS();
    const struct {
        const char* name;
        int nKey;
        std::vector<int> found;
    } files[] = {
        {"nyt_locked.puz", 7844, {7844}},
        {"nyt_sun_rebus.puz", 2173, {2173}},
        {"nyt_weekday_with_notes.puz", 7562, {7562}},
        {"nyt_diagramless.puz", 3285, {3285, 7230}},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        auto p = LoadCorpus(file.name);
        ASSERT_TRUE(p->m_bLocked);
        EXPECT_EQ(p->FindKeys(), file.found);
        auto fresh = LoadCorpus(file.name);
        EXPECT_FALSE(p->Unlock(file.nKey + 1));
        ASSERT_TRUE(p->Unlock(file.nKey));
        for (int c = 0; c < p->m_nWidth; ++c) {
            for (int r = 0; r < p->m_nHeight; ++r) {
                CSquare square = p->GetSquare(c, r);
                if (square.m_bBlack)
                    continue;
                EXPECT_TRUE(square.m_chSolution >= u'A' && square.m_chSolution <= u'Z') << c << "," << r;
                // The real answers typed into a copy that is still locked solve it too.
                EXPECT_FALSE(fresh->IsSolved());
                square.m_bFilled = TRUE;
                square.m_chLetter = square.m_chSolution;
                p->SetSquare(c, r, square);
                CSquare locked = fresh->GetSquare(c, r);
                locked.m_bFilled = TRUE;
                locked.m_chLetter = square.m_chSolution;
                fresh->SetSquare(c, r, locked);
            }
        }
        EXPECT_TRUE(p->IsSolved());
        EXPECT_TRUE(fresh->IsSolved());
    }
}

TEST(Corpus, CirclesAndRebusAnswersOfTheShapedFiles)
{
    SKIP_WITHOUT_CORPUS();
    const struct {
        const char* name;
        int nCircles;
        std::vector<std::u16string> rebus;  // in grid order
    } files[] = {
        {"nyt_with_shape.puz", 34, {}},
        {"nyt_v1_4.puz", 55, {}},
        {"nyt_rebus_with_notes_and_shape.puz", 5, {u"STAR", u"STAR", u"STAR"}},
        {"kw-test.puz", 2, {u"XYZ"}},
        {"nyt_sun_rebus.puz",
         0,
         {u"FEB", u"JAN", u"MAR", u"DEC", u"APR", u"NOV", u"MAY", u"OCT", u"JUN", u"SEP", u"JUL", u"AUG"}},
        {"nyt_nov0596.puz", 0, {}},
        {"nyt_locked.puz", 0, {}},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        auto p = LoadCorpus(file.name);
        p->Unlock(2173);  // the rebus letters of the locked Sunday puzzle
        int nCircles = 0;
        std::vector<std::u16string> rebus;
        for (const CSquare& square : p->GetSquares()) {
            nCircles += square.m_bCircled ? 1 : 0;
            if (const std::u16string* pText = p->GetRebus(square)) {
                rebus.push_back(*pText);
                EXPECT_EQ(pText->front(), square.m_chSolution);
            }
        }
        EXPECT_EQ(nCircles, file.nCircles);
        EXPECT_EQ(rebus, file.rebus);
    }
}
